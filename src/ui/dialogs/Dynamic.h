#pragma once

#include <QDialog>
#include <array>

#include "forms/ScaleDialogs.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelmaro {

class UserInteraction;

// The Dynamic Scale dialog: the unit of the altitude table (Scale In) and of the DEM
// (Scale Out). It lives for the whole run, so the units chosen once stay chosen.
class TDynamicForm : public QDialog {
  Q_OBJECT
 public:
  TDynamicForm(UserInteraction& ui, QWidget* parent = nullptr);

  // The scene's range and interval, shown for reference only.
  void ShowRange(std::int32_t minimum, std::int32_t maximum, std::int32_t interval);
  // Shows the dialog; true only when it was closed by OK with both units chosen.
  // Closing it by its frame leaves the asking command nothing to divide by, so the
  // command must stop.
  bool AskScale();

  std::int32_t ScaleInFactor() const { return Model.ScaleInFactor; }
  std::int32_t ScaleOutFactor() const { return Model.ScaleOutFactor; }

  DynamicScaleModel Model;
  QLineEdit* MaxEdit;
  QLineEdit* MinEdit;
  QLineEdit* IntervalEdit;
  std::array<QRadioButton*, 8> RadioButtons{};  // RadioButton1 .. RadioButton8
  QPushButton* BitBtn1;

 private:
  void BitBtn1Click();

  UserInteraction& ui_;
};

}  // namespace zelmaro
