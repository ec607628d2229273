#pragma once

#include <QDialog>

#include "forms/SmoothingModel.h"

class QLineEdit;
class QPushButton;

namespace zelmaro {

// The Smoothing dialog: the Range of the moving window. It lives for the whole run, so
// the Range typed once is offered again.
class TSmoothingForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSmoothingForm(QWidget* parent = nullptr);

  SmoothingModel Model;
  QLineEdit* RangeEdit;
  QPushButton* BitBtn1;
};

}  // namespace zelmaro
