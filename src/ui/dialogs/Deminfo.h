#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "forms/DemInfoModel.h"

class QLineEdit;
class QPushButton;
class QTimer;

namespace zelmaro {

// The DEM information dialog: size, lowest and highest altitude, pixel size and the
// unit of the DEM, with a frame reserved for a quick look that stays empty.
class TDEMInfoForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDEMInfoForm(QWidget* parent = nullptr);

  // Fills the six edits; the unit edit keeps its text for a factor without a name.
  void ShowValues(const SessionState& session, std::int32_t zonePixelSize,
                  std::int32_t scaleOutFactor);
  // The coordinate reference system of the DEM, by name ("none" when unknown).
  void ShowCrs(const std::string& label);

  DemInfoModel Model;
  QLineEdit* LigEdit;
  QLineEdit* ColEdit;
  QLineEdit* MinEdit;
  QLineEdit* MaxEdit;
  QLineEdit* PixEdit;
  QLineEdit* ScaleEdit;
  QLineEdit* CrsEdit;
  QWidget* PaintBox;
  QTimer* Timer1;
  QPushButton* BitBtn1;
};

}  // namespace zelmaro
