#include "ui/dialogs/Surface.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"
#include "ui/interaction/UserInteraction.h"

namespace zelmaro {

TSurfaceForm::TSurfaceForm(UserInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TSurfaceForm");
  setWindowTitle(" Surface Interpolation");

  auto* group = new QGroupBox("Spline in Tension", this);
  auto* groupLayout = new QVBoxLayout(group);
  AddTextLines(*group, *groupLayout,
               {"The surface bends as little as it can through the contour lines.",
                "The tension weighs its slope against its curvature: 0 gives the",
                "smoothest surface, which may overshoot between distant lines;",
                "1 a taut surface with a crease at every line."});
  auto* values = new QFormLayout;
  TensionEdit = MakeNamedEdit("TensionEdit", group);
  TensionEdit->setText(QString::fromStdString(Model.TensionText));
  values->addRow("Tension (0 to 1)", TensionEdit);
  groupLayout->addLayout(values);
  SubPixelCheckBox = new QCheckBox("Sub-pixel correction of the contour lines", group);
  SubPixelCheckBox->setObjectName("SubPixelCheckBox");
  SubPixelCheckBox->setToolTip(
      "A contour cell is the first cell at or above its level: solve again with each one "
      "half its slope above its level.");
  SubPixelCheckBox->setChecked(Model.SubPixelCorrection);
  groupLayout->addWidget(SubPixelCheckBox);
  connect(TensionEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.TensionEditChange(text.toStdString()); });
  connect(SubPixelCheckBox, &QCheckBox::toggled, this,
          [this](bool checked) { Model.SubPixelClick(checked); });

  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &TSurfaceForm::BitBtn1Click);
  BitBtn2 = new QPushButton("Cancel", this);
  BitBtn2->setObjectName("BitBtn2");
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSurfaceForm::BitBtn1Click() {
  if (const auto refusal = Model.OkRefusal()) {
    ui_.ShowMessage("ERROR", *refusal, MessageIcon::Warning, this);
    return;
  }
  accept();
}

bool TSurfaceForm::AskParameters() {
  return ui_.RunModal(*this) && !Model.OkRefusal();
}

}  // namespace zelmaro
