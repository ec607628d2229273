#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "forms/CoordUtmModel.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelmaro {

class UserInteraction;

// The UTM Coordinates dialog of the ASCII grid: cell size, lower left corner and the
// unit of the DEM values. It lives for the whole run, so what was typed stays.
class TCoordUTMForm : public QDialog {
  Q_OBJECT
 public:
  TCoordUTMForm(UserInteraction& ui, QWidget* parent = nullptr);

  // Fills the pixel size, and the corner when there is one, from the working image's
  // zone; what the user types afterwards stands until the zone changes again.
  void ProposeZone(double pixelSize, const std::optional<std::pair<double, double>>& corner);
  // Shows the dialog; true only when it was closed by OK (which needs a unit). Cancel
  // or the window frame abandon the save that asks.
  bool AskCoordinates();
  // The CRS the data carry (WKT, empty when unknown): shown, or asked for when unknown.
  void ShowKnownCrs(const std::string& wkt);
  // After OK: the data's CRS, else the one typed (as WKT), else empty.
  const std::string& ChosenCrs() const { return chosenCrs_; }

  CoordUtmModel Model;
  QLineEdit* PixSizeEdit;
  QLineEdit* XMinEdit;
  QLineEdit* YMinEdit;
  QLineEdit* CrsEdit;
  std::array<QRadioButton*, 4> RadioButtons{};  // RadioButton1 .. RadioButton4
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;

 private:
  void BitBtn1Click();
  void BitBtn2Click();

  UserInteraction& ui_;
  std::string knownCrs_;
  std::string chosenCrs_;
};

}  // namespace zelmaro
