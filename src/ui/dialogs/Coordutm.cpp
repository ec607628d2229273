#include "ui/dialogs/Coordutm.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Error.h"
#include "gis/Crs.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/interaction/UserInteraction.h"

namespace zelmaro {
namespace {

constexpr std::array<const char*, 4> kUnitCaptions{"Meters", "Decimeters", "Centimeters",
                                                   "Millimeters"};

}  // namespace

TCoordUTMForm::TCoordUTMForm(UserInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TCoordUTMForm");
  setWindowTitle(" UTM Coordinates");

  auto* pixelGroup = new QGroupBox(this);
  auto* pixelLayout = new QHBoxLayout(pixelGroup);
  pixelLayout->addWidget(new QLabel("Pixel Size (in meters) ?", pixelGroup));
  PixSizeEdit = MakeNamedEdit("PixSizeEdit", pixelGroup);
  pixelLayout->addWidget(PixSizeEdit);

  auto* cornerGroup = new QGroupBox(" Coordinates (Left Lower Corner) ", this);
  auto* cornerLayout = new QFormLayout(cornerGroup);
  XMinEdit = MakeNamedEdit("XMinEdit", cornerGroup);
  YMinEdit = MakeNamedEdit("YMinEdit", cornerGroup);
  cornerLayout->addRow("X_Min", XMinEdit);
  cornerLayout->addRow("Y_Min", YMinEdit);

  auto* unitGroup = new QGroupBox(" Dynamic Scale ", this);
  auto* unitLayout = new QVBoxLayout(unitGroup);
  auto* units = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    auto* button = new QRadioButton(kUnitCaptions[i], unitGroup);
    button->setObjectName(QString("RadioButton%1").arg(i + 1));
    unitLayout->addWidget(button);
    units->addButton(button);
    connect(button, &QRadioButton::toggled, this, [this, unit = i + 1](bool checked) {
      if (checked) Model.SelectUnit(unit);
    });
    RadioButtons[i] = button;
  }

  auto* crsGroup = new QGroupBox(" Coordinate Reference System ", this);
  auto* crsLayout = new QVBoxLayout(crsGroup);
  CrsEdit = MakeNamedEdit("CrsEdit", crsGroup);
  CrsEdit->setPlaceholderText("EPSG:n or WKT (empty: none)");
  CrsEdit->setMinimumWidth(280);
  crsLayout->addWidget(CrsEdit);
  connect(CrsEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.CrsEditChange(text.toStdString()); });

  connect(PixSizeEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.PixSizeEditChange(text.toStdString()); });
  connect(XMinEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.XMinEditChange(text.toStdString()); });
  connect(YMinEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.YMinEditChange(text.toStdString()); });

  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton("Cancel", this);
  BitBtn2->setObjectName("BitBtn2");
  connect(BitBtn1, &QPushButton::clicked, this, &TCoordUTMForm::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TCoordUTMForm::BitBtn2Click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pixelGroup);
  layout->addWidget(cornerGroup);
  layout->addWidget(unitGroup);
  layout->addWidget(crsGroup);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  layout->addLayout(buttons);
}

void TCoordUTMForm::ProposeZone(double pixelSize,
                                const std::optional<std::pair<double, double>>& corner) {
  if (pixelSize > 0) {
    Model.ProposePixelSize(pixelSize);
    PixSizeEdit->setText(QString::fromStdString(Model.PixSizeText));
  }
  if (!corner) return;
  Model.ProposeCorner(corner->first, corner->second);
  XMinEdit->setText(QString::fromStdString(Model.XMinText));
  YMinEdit->setText(QString::fromStdString(Model.YMinText));
}

bool TCoordUTMForm::AskCoordinates() {
  Model.BeginDialog();
  return ui_.RunModal(*this) && Model.UtmCancelled == 0;
}

void TCoordUTMForm::ShowKnownCrs(const std::string& wkt) {
  knownCrs_ = wkt;
  Model.ShowKnownCrs(wkt.empty() ? std::string() : CrsLabel(wkt));
  CrsEdit->setReadOnly(!wkt.empty());
  CrsEdit->setText(QString::fromStdString(Model.CrsText));
  CrsEdit->setCursorPosition(0);
}

void TCoordUTMForm::BitBtn1Click() {
  if (const auto refusal = Model.OkRefusal()) {
    ui_.ShowMessage("ERROR", *refusal, MessageIcon::Warning, this);
    return;
  }
  std::string chosen = knownCrs_;
  if (chosen.empty() && !Model.CrsText.empty()) {
    // A CRS that cannot be read is corrected here, before anything is written.
    try {
      chosen = ParseCrs(Model.CrsText);
    } catch (const Error& error) {
      ui_.ShowMessage("ERROR", error.what(), MessageIcon::Warning, this);
      return;
    }
  }
  chosenCrs_ = chosen;
  accept();
}

void TCoordUTMForm::BitBtn2Click() {
  Model.Cancel();
  reject();
}

}  // namespace zelmaro
