#pragma once

#include <QDialog>

class QLineEdit;

namespace zelmaro {

struct VectorSceneFrame;

// The frame of the loaded vector scene, shown by Info Result Image.
class TImageVectForm : public QDialog {
  Q_OBJECT
 public:
  explicit TImageVectForm(QWidget* parent = nullptr);

  void ShowFrame(const VectorSceneFrame& frame);

  QLineEdit* LinEdit;
  QLineEdit* ColEdit;
  QLineEdit* PixEdit;
  QLineEdit* XminEdit;
  QLineEdit* XmaxEdit;
  QLineEdit* YminEdit;
  QLineEdit* YmaxEdit;
};

}  // namespace zelmaro
