#include "ui/dialogs/Deminfo.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"

namespace zelmaro {
TDEMInfoForm::TDEMInfoForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TDEMInfoForm");
  setWindowTitle(" DEMInfoForm");

  auto* parameters = new QGroupBox("DEM Parameters", this);
  auto* values = new QFormLayout(parameters);
  LigEdit = MakeShownValue("LigEdit", parameters);
  ColEdit = MakeShownValue("ColEdit", parameters);
  MinEdit = MakeShownValue("MinEdit", parameters);
  MaxEdit = MakeShownValue("MaxEdit", parameters);
  PixEdit = MakeShownValue("PixEdit", parameters);
  ScaleEdit = MakeShownValue("ScaleEdit", parameters);
  values->addRow("Nb of Lines", LigEdit);
  values->addRow("Nb of Columns", ColEdit);
  values->addRow("Altitude Minimum", MinEdit);
  values->addRow("Altitude Maximum", MaxEdit);
  values->addRow("Pixel Size (in meters)", PixEdit);
  values->addRow(new QLabel("Dynamic scale in:", parameters));
  values->addRow(ScaleEdit);
  CrsEdit = MakeShownValue("CrsEdit", parameters);
  values->addRow(new QLabel("Coordinate reference system:", parameters));
  values->addRow(CrsEdit);
  BitBtn1 = MakeOkButton(*this, parameters);
  values->addRow(BitBtn1);

  auto* quickLook = new QGroupBox("DEM (Quick Look)", this);
  auto* quickLayout = new QVBoxLayout(quickLook);
  PaintBox = new QWidget(quickLook);
  PaintBox->setObjectName("PaintBox");
  PaintBox->setMinimumSize(200, 200);
  quickLayout->addWidget(PaintBox);

  // The quick look was never drawn; its timer is kept idle rather than waking the
  // program every millisecond for nothing.
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(parameters);
  layout->addWidget(quickLook);
}

void TDEMInfoForm::ShowValues(const SessionState& session, std::int32_t zonePixelSize,
                              std::int32_t scaleOutFactor) {
  Model.Fill(session, zonePixelSize, scaleOutFactor);
  LigEdit->setText(QString::fromStdString(Model.LigText));
  ColEdit->setText(QString::fromStdString(Model.ColText));
  MinEdit->setText(QString::fromStdString(Model.MinText));
  MaxEdit->setText(QString::fromStdString(Model.MaxText));
  PixEdit->setText(QString::fromStdString(Model.PixText));
  ScaleEdit->setText(QString::fromStdString(Model.ScaleText));
}

void TDEMInfoForm::ShowCrs(const std::string& label) {
  CrsEdit->setText(QString::fromStdString(label));
  CrsEdit->setCursorPosition(0);
}

}  // namespace zelmaro
