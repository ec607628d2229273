#pragma once

#include <QDialog>
#include <cstdint>

#include "forms/EditorDialogs.h"

class QLineEdit;
class QPushButton;

namespace zelmaro {

// The Isolated Point dialog: the altitude of the next spot height, kept between uses,
// and the code it will get.
class TInfoPointForm : public QDialog {
  Q_OBJECT
 public:
  explicit TInfoPointForm(QWidget* parent = nullptr);

  void ShowCode(std::int32_t code);

  InfoPointModel Model;
  QLineEdit* AltitudeEdit;
  QLineEdit* CodeEdit;
  QPushButton* BitBtn1;
};

}  // namespace zelmaro
