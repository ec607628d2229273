#include "ui/dialogs/LayerField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/interaction/UserInteraction.h"

namespace zelmaro {
namespace {

std::vector<LayerFieldEntry> Entries(const VectorSourceInfo& source) {
  std::vector<LayerFieldEntry> entries;
  for (const VectorLayerInfo& layer : source.Layers) {
    entries.push_back({layer.Name, layer.GeometryType, layer.HasZ, layer.FeatureCount,
                       layer.NumericFields, layer.PreselectedField});
  }
  return entries;
}

}  // namespace

TLayerFieldForm::TLayerFieldForm(UserInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TLayerFieldForm");
  setWindowTitle(" Contour Lines Source");

  SourceLabel = new QLabel(this);
  SourceLabel->setObjectName("SourceLabel");
  SourceLabel->setTextFormat(Qt::PlainText);

  LayerGroup = new QGroupBox("Layer", this);
  LayerGroup->setObjectName("LayerGroup");
  auto* layerLayout = new QVBoxLayout(LayerGroup);
  LayerComboBox = new QComboBox(LayerGroup);
  LayerComboBox->setObjectName("LayerComboBox");
  layerLayout->addWidget(LayerComboBox);
  LayerLabel = new QLabel(this);
  LayerLabel->setObjectName("LayerLabel");
  LayerLabel->setTextFormat(Qt::PlainText);

  auto* elevationGroup = new QGroupBox("Elevation of the lines", this);
  auto* elevationLayout = new QFormLayout(elevationGroup);
  // Editable, so that a field can also be named by hand.
  FieldComboBox = new QComboBox(elevationGroup);
  FieldComboBox->setObjectName("FieldComboBox");
  FieldComboBox->setEditable(true);
  FieldComboBox->setInsertPolicy(QComboBox::NoInsert);
  FieldComboBox->setMinimumContentsLength(24);
  FieldComboBox->lineEdit()->setObjectName("FieldEdit");
  elevationLayout->addRow("Z or numeric field", FieldComboBox);

  connect(LayerComboBox, &QComboBox::currentIndexChanged, this,
          &TLayerFieldForm::LayerComboBoxChange);
  connect(FieldComboBox, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { Model.FieldEditChange(text.trimmed().toStdString()); });

  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton("Cancel", this);
  BitBtn2->setObjectName("BitBtn2");
  connect(BitBtn1, &QPushButton::clicked, this, &TLayerFieldForm::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SourceLabel);
  layout->addWidget(LayerGroup);
  layout->addWidget(LayerLabel);
  layout->addWidget(elevationGroup);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<ContourSourceChoice> TLayerFieldForm::AskChoice(const VectorSourceInfo& source) {
  Model.Fill(Entries(source), source.DefaultLayer);
  SourceLabel->setText(QString::fromStdString(source.Path + "  (" + source.Driver + ")"));
  {
    const QSignalBlocker quiet(LayerComboBox);
    LayerComboBox->clear();
    for (const LayerFieldEntry& layer : Model.Layers()) {
      LayerComboBox->addItem(QString::fromStdString(layer.Name));
    }
    LayerComboBox->setCurrentIndex(static_cast<int>(Model.LayerIndex()));
  }
  LayerGroup->setVisible(Model.LayerChoiceShown());
  ShowLayer();
  if (!ui_.RunModal(*this)) return std::nullopt;
  return ContourSourceChoice{Model.ChosenLayer(), Model.ChosenField()};
}

void TLayerFieldForm::LayerComboBoxChange(int index) {
  if (index < 0) return;
  Model.SelectLayer(static_cast<std::size_t>(index));
  ShowLayer();
}

void TLayerFieldForm::ShowLayer() {
  const std::string proposed = Model.FieldText;
  const QString description = QString::fromStdString(Model.LayerDescription());
  LayerLabel->setText(Model.LayerChoiceShown()
                          ? description
                          : QString::fromStdString(Model.ChosenLayer()) + ": " + description);
  const QSignalBlocker quiet(FieldComboBox);
  FieldComboBox->clear();
  for (const std::string& choice : Model.FieldChoices()) {
    FieldComboBox->addItem(QString::fromStdString(choice));
  }
  FieldComboBox->setCurrentIndex(FieldComboBox->findText(QString::fromStdString(proposed)));
  FieldComboBox->setEditText(QString::fromStdString(proposed));
}

void TLayerFieldForm::BitBtn1Click() {
  if (const auto refusal = Model.OkRefusal()) {
    ui_.ShowMessage("ERROR", *refusal, MessageIcon::Warning, this);
    return;
  }
  accept();
}

}  // namespace zelmaro
