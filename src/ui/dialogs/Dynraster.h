#pragma once

#include <QDialog>

#include "forms/ScaleDialogs.h"

class QLineEdit;
class QPushButton;

namespace zelmaro {

// The Dynamic Parameters dialog: range, interval and pixel size of raster data. Each
// edit stores its number on every change; OK closes without checks.
class TDynRasterForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDynRasterForm(QWidget* parent = nullptr);

  DynRasterModel Model;
  QLineEdit* MinimumEdit;
  QLineEdit* MaximumEdit;
  QLineEdit* IntervalEdit;
  QLineEdit* PixelEdit;
  QPushButton* BitBtn1;
};

}  // namespace zelmaro
