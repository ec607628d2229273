#pragma once

#include <QDialog>
#include <cstdint>

#include "forms/EditorDialogs.h"

class QLineEdit;
class QPushButton;

namespace zelmaro {

// The Pipette dialog: shows the code just picked, which the pencil and the rule draw.
class TCLValueForm : public QDialog {
  Q_OBJECT
 public:
  explicit TCLValueForm(QWidget* parent = nullptr);

  void PickValue(std::int32_t value);

  CLValueModel Model;
  QLineEdit* ValueEdit1;
  QPushButton* BitBtn1;
};

}  // namespace zelmaro
