#include "ui/dialogs/Dynamic.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"
#include "ui/interaction/UserInteraction.h"

namespace zelmaro {
namespace {

constexpr std::array<const char*, 4> kUnitCaptions{"meters", "decimeters", "centimeters",
                                                   "millimeters"};

}  // namespace

TDynamicForm::TDynamicForm(UserInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TDynamicForm");
  setWindowTitle(" Dynamic Scale");

  auto* inGroup = new QGroupBox("Dynamic Scale In", this);
  auto* inLayout = new QVBoxLayout(inGroup);
  auto* values = new QFormLayout;
  MaxEdit = MakeShownValue("MaxEdit", inGroup);
  MinEdit = MakeShownValue("MinEdit", inGroup);
  IntervalEdit = MakeShownValue("IntervalEdit", inGroup);
  values->addRow("Maximum", MaxEdit);
  values->addRow("Minimum", MinEdit);
  values->addRow("Hypsometric Interval", IntervalEdit);
  inLayout->addLayout(values);
  auto* scaleGroup = new QGroupBox("Scale", inGroup);
  auto* scaleLayout = new QVBoxLayout(scaleGroup);
  inLayout->addWidget(scaleGroup);

  auto* outGroup = new QGroupBox("Dynamic Scale Out", this);
  auto* outLayout = new QVBoxLayout(outGroup);

  auto* inButtons = new QButtonGroup(this);
  auto* outButtons = new QButtonGroup(this);
  for (int i = 0; i < 8; ++i) {
    const bool scaleIn = i < 4;
    auto* button = new QRadioButton(kUnitCaptions[i % 4], scaleIn ? scaleGroup : outGroup);
    button->setObjectName(QString("RadioButton%1").arg(i + 1));
    (scaleIn ? scaleLayout : outLayout)->addWidget(button);
    (scaleIn ? inButtons : outButtons)->addButton(button);
    const int unit = i % 4 + 1;
    connect(button, &QRadioButton::toggled, this, [this, scaleIn, unit](bool checked) {
      if (!checked) return;
      if (scaleIn) {
        Model.SelectScaleIn(unit);
      } else {
        Model.SelectScaleOut(unit);
      }
    });
    RadioButtons[i] = button;
  }

  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &TDynamicForm::BitBtn1Click);

  auto* layout = new QVBoxLayout(this);
  auto* groups = new QHBoxLayout;
  groups->addWidget(inGroup);
  groups->addWidget(outGroup, 0, Qt::AlignTop);
  layout->addLayout(groups);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
}

void TDynamicForm::ShowRange(std::int32_t minimum, std::int32_t maximum, std::int32_t interval) {
  Model.MinText = std::to_string(minimum);
  Model.MaxText = std::to_string(maximum);
  Model.IntervalText = std::to_string(interval);
  MinEdit->setText(QString::fromStdString(Model.MinText));
  MaxEdit->setText(QString::fromStdString(Model.MaxText));
  IntervalEdit->setText(QString::fromStdString(Model.IntervalText));
}

bool TDynamicForm::ShowRefusal() {
  const auto refusal = Model.OkRefusal();
  if (refusal) ui_.ShowMessage("ERROR", *refusal, MessageIcon::Warning, this);
  return refusal.has_value();
}

void TDynamicForm::BitBtn1Click() {
  if (!ShowRefusal()) accept();
}

bool TDynamicForm::AskScale() {
  ui_.RunModal(*this);
  return !ShowRefusal();
}

}  // namespace zelmaro
