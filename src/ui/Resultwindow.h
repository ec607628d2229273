#pragma once

#include <QMdiSubWindow>

namespace zelmaro {

// The child window that shows the shaded DEM. A load tells it the picture size and
// sends it behind the image window, so that the new data are in front.
class TResultForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit TResultForm(QWidget* parent = nullptr);

  void SendBack();
  int TimesSentBack() const { return timesSentBack_; }

  int ShownLines = 0;
  int ShownColumns = 0;

 private:
  int timesSentBack_ = 0;
};

}  // namespace zelmaro
