#pragma once

#include <QDialog>

#include "forms/SurfaceModel.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zelmaro {

class UserInteraction;

// The Surface Interpolation dialog: the tension of the surface and the sub-pixel
// correction of the lines. It lives for the whole run, so the values chosen once are
// offered again.
class TSurfaceForm : public QDialog {
  Q_OBJECT
 public:
  TSurfaceForm(UserInteraction& ui, QWidget* parent = nullptr);

  // Shows the dialog; true only when it was closed by OK with a tension from 0 to 1.
  bool AskParameters();

  SurfaceModel Model;
  QLineEdit* TensionEdit;
  QCheckBox* SubPixelCheckBox;
  QPushButton* BitBtn1;  // OK
  QPushButton* BitBtn2;  // Cancel

 private:
  void BitBtn1Click();

  UserInteraction& ui_;
};

}  // namespace zelmaro
