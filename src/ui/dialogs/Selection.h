#pragma once

#include <QDialog>

#include "forms/SelectionForm.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelmaro {

struct SessionState;
class UserInteraction;

// The Vector Image Selection dialog: the scene frame for reference, the pixel size and
// the zone of the next Extract Vector Zone. It keeps its values between selections.
class TSelectionForm : public QDialog {
  Q_OBJECT
 public:
  TSelectionForm(UserInteraction& ui, const SessionState& session, QWidget* parent = nullptr);

  // Fills the frame display after a vector load, and proposes the frame as the zone.
  void ShowSceneFrame(const MapExtent& frame);
  // Selected Zone with the corners of a zone dragged on the scene preview.
  void ShowDraggedZone(const MapExtent& zone);
  // Shows the dialog; true only when OK closed it with a zone that passed every check,
  // so that the selection never runs on values the user did not confirm.
  bool AskZone();

  SelectionFormModel Model;
  QLineEdit* MinXEdit;
  QLineEdit* MinYEdit;
  QLineEdit* MaxXEdit;
  QLineEdit* MaxYEdit;
  QLineEdit* PixEdit;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QGroupBox* GroupBox3;
  QLineEdit* Min_X_Edit;
  QLineEdit* Min_Y_Edit;
  QLineEdit* Max_X_Edit;
  QLineEdit* Max_Y_Edit;
  QPushButton* BitBtn1;

 private:
  void RadioButton1Click();
  void RadioButton2Click();
  void BitBtn1Click();

  UserInteraction& ui_;
  const SessionState& session_;
};

}  // namespace zelmaro
