#pragma once

#include <QDialog>
#include <QPixmap>

namespace zelmaro {

// What the linear interpolation computes: a point between the lines 1000 and 1100 with
// its distances to both, and the formula that weighs them.
class TRuzeInfoForm : public QDialog {
  Q_OBJECT
 public:
  explicit TRuzeInfoForm(QWidget* parent = nullptr);

  const QPixmap& LevelPicture() const { return levelPicture_; }
  const QPixmap& FormulaPicture() const { return formulaPicture_; }

 private:
  QPixmap levelPicture_;
  QPixmap formulaPicture_;
};

}  // namespace zelmaro
