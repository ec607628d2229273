#include "ui/DialogParts.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace zelmaro {

QPushButton* MakeOkButton(QDialog& dialog, QWidget* parent) {
  auto* button = new QPushButton("OK", parent);
  button->setObjectName("BitBtn1");
  button->setDefault(true);
  QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
  return button;
}

QLineEdit* MakeShownValue(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  return edit;
}

}  // namespace zelmaro
