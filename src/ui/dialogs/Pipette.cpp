#include "ui/dialogs/Pipette.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"

namespace zelmaro {

TCLValueForm::TCLValueForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TCLValueForm");
  setWindowTitle(" Pipette");
  ValueEdit1 = new QLineEdit(QString::fromStdString(Model.ValueText), this);
  ValueEdit1->setObjectName("ValueEdit1");
  // The edit only shows the value: what is typed into it is never read.
  ValueEdit1->setReadOnly(true);
  auto* rows = new QFormLayout;
  rows->addRow("Pixel Value", ValueEdit1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows);
  BitBtn1 = AddOkButton(*this, *layout);
}

void TCLValueForm::PickValue(std::int32_t value) {
  Model.PickValue(value);
  ValueEdit1->setText(QString::fromStdString(Model.ValueText));
}

}  // namespace zelmaro
