#include "ui/dialogs/TreatmentChoice.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelmaro {

TreatmentChoiceForm::TreatmentChoiceForm(const char* objectName, const char* caption,
                                         const char* doText, const char* doNotText,
                                         TreatmentChoiceModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName(objectName);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  content_ = new QVBoxLayout;
  layout->addLayout(content_);
  RadioButton1 = new QRadioButton(doText, this);
  RadioButton1->setObjectName("RadioButton1");
  RadioButton2 = new QRadioButton(doNotText, this);
  RadioButton2->setObjectName("RadioButton2");
  for (QRadioButton* button : {RadioButton1, RadioButton2}) {
    button->setAutoExclusive(false);
    layout->addWidget(button);
  }
  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(RadioButton1, &QRadioButton::clicked, this, [this](bool checked) {
    if (checked) model_.RadioButton1Click();
    ShowChoice();
  });
  connect(RadioButton2, &QRadioButton::clicked, this, [this](bool checked) {
    if (checked) model_.RadioButton2Click();
    ShowChoice();
  });
  connect(BitBtn1, &QPushButton::clicked, this, [this] {
    model_.BitBtn1Click();
    ShowChoice();
    accept();
  });
}

void TreatmentChoiceForm::ShowChoice() {
  RadioButton1->setChecked(model_.RadioButton1Checked());
  RadioButton2->setChecked(model_.RadioButton2Checked());
}

}  // namespace zelmaro
