#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace zelmaro {

struct VectorSceneFrame;

// The frame of the loaded vector scene, shown by Info Result Image.
class TImageVectForm : public QDialog {
  Q_OBJECT
 public:
  explicit TImageVectForm(QWidget* parent = nullptr);

  void ShowFrame(const VectorSceneFrame& frame);
  // Where the lines came from (the layer and its elevation, or DXF) and their CRS.
  void ShowSource(const std::string& source, const std::string& crs);

  QLineEdit* LinEdit;
  QLineEdit* ColEdit;
  QLineEdit* PixEdit;
  QLineEdit* XminEdit;
  QLineEdit* XmaxEdit;
  QLineEdit* YminEdit;
  QLineEdit* YmaxEdit;
  QLineEdit* SourceEdit;
  QLineEdit* CrsEdit;
};

}  // namespace zelmaro
