#include "ui/DialogParts.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelmaro {

QPushButton* AddOkButton(QDialog& dialog, QVBoxLayout& layout) {
  auto* ok = new QPushButton("OK", &dialog);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  layout.addWidget(ok, 0, Qt::AlignHCenter);
  layout.setSizeConstraint(QLayout::SetFixedSize);
  return ok;
}

void AddTextLines(QWidget& owner, QVBoxLayout& layout, std::initializer_list<const char*> lines) {
  for (const char* line : lines) {
    auto* label = new QLabel(QString::fromUtf8(line), &owner);
    label->setTextFormat(Qt::PlainText);
    layout.addWidget(label);
  }
}

QLabel* PictureLabel(const QImage& picture, const char* objectName, QWidget& owner) {
  auto* label = new QLabel(&owner);
  label->setObjectName(objectName);
  label->setPixmap(QPixmap::fromImage(picture));
  label->setFixedSize(picture.size());
  return label;
}

}  // namespace zelmaro
