#pragma once

#include <QDialog>

class QLineEdit;

namespace zelmaro {

// The size of the loaded raster, shown by Info Result Image.
class TImageRasterForm : public QDialog {
  Q_OBJECT
 public:
  explicit TImageRasterForm(QWidget* parent = nullptr);

  void ShowSize(int lines, int columns);

  QLineEdit* LinEdit;
  QLineEdit* ColEdit;
};

}  // namespace zelmaro
