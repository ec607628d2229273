#pragma once

#include <QDialog>

#include "forms/ScaleDialogs.h"

class QLineEdit;
class QPushButton;

namespace zelmaro {

class UserInteraction;

// Asks the size of a raw image that has no size file. The edits keep their text from
// one use to the next.
class TImageSizeForm : public QDialog {
  Q_OBJECT
 public:
  TImageSizeForm(UserInteraction& ui, QWidget* parent = nullptr);

  ImageSizeModel Model;
  QLineEdit* NumLineEdit;
  QLineEdit* NumColEdit;
  QPushButton* OkButton;

 private:
  void OkButtonClick();

  UserInteraction& ui_;
};

}  // namespace zelmaro
