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
  // Shows the dialog; the asking command goes on with the units the dialog holds when
  // it closes, by OK or by its frame. Without a unit in each group there is nothing to
  // convert by: the first missing one is named in an "ERROR" message and false returned,
  // and the command must stop.
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
  // Shows the "ERROR" message naming the first unit missing, if one is; true then.
  bool ShowRefusal();
  void BitBtn1Click();

  UserInteraction& ui_;
};

}  // namespace zelmaro
