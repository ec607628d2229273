#include "ui/dialogs/DialogParts.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelmaro {

QPushButton* MakeOkButton(QDialog& dialog, QWidget* parent) {
  auto* button = new QPushButton("OK", parent);
  button->setObjectName("BitBtn1");
  button->setDefault(true);
  QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
  return button;
}

QPushButton* AddOkButton(QDialog& dialog, QVBoxLayout& layout) {
  QPushButton* ok = MakeOkButton(dialog, &dialog);
  layout.addWidget(ok, 0, Qt::AlignHCenter);
  layout.setSizeConstraint(QLayout::SetFixedSize);
  return ok;
}

QLineEdit* MakeNamedEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

QLineEdit* MakeShownValue(const char* name, QWidget* parent) {
  QLineEdit* edit = MakeNamedEdit(name, parent);
  edit->setReadOnly(true);
  return edit;
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
