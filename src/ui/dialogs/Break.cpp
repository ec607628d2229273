#include "ui/dialogs/Break.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zelmaro {

TBreakForm::TBreakForm(QWidget* parent)
    : TreatmentChoiceForm("TBreakForm", " Breaks", "Create a table of these breaks",
                          "Do not create this table", Model, parent) {
  auto* group = new QGroupBox("Result", this);
  auto* rows = new QFormLayout(group);
  BreaksEdit = new QLineEdit(group);
  BreaksEdit->setObjectName("BreaksEdit");
  BreaksEdit->setReadOnly(true);
  rows->addRow("Total Number of breaks", BreaksEdit);
  Content()->addWidget(group);
}

void TBreakForm::ShowBreakCount(std::size_t count) {
  Model.ShowBreakCount(count);
  BreaksEdit->setText(QString::fromStdString(Model.BreaksText));
}

}  // namespace zelmaro
