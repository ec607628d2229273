#pragma once

#include <QDialog>
#include <QPixmap>

namespace zelmaro {

// The two information forms of the dilation, each a picture with an OK button, shown
// one after the other from the Info item.
class PictureInfoForm : public QDialog {
  Q_OBJECT
 public:
  PictureInfoForm(const char* objectName, const QPixmap& picture, QWidget* parent);

  const QPixmap& Picture() const { return picture_; }

 private:
  QPixmap picture_;
};

// How one pixel grows under dilation by the 3 x 3 square and by the cross.
class TMorphoMathForm : public PictureInfoForm {
  Q_OBJECT
 public:
  explicit TMorphoMathForm(QWidget* parent = nullptr);
};

// The loop of the procedure beside concentric zones and the line between 100 and 200.
class TDilationForm : public PictureInfoForm {
  Q_OBJECT
 public:
  explicit TDilationForm(QWidget* parent = nullptr);
};

}  // namespace zelmaro
