#pragma once

#include <QDialog>

#include "forms/EditorDialogs.h"

class QLineEdit;
class QPushButton;

namespace zelmaro {

// The Filling Value dialog: the gray tone the filling tool writes, kept between uses.
class TFunnelInfoForm : public QDialog {
  Q_OBJECT
 public:
  explicit TFunnelInfoForm(QWidget* parent = nullptr);

  FunnelInfoModel Model;
  QLineEdit* FillingEdit;
  QPushButton* BitBtn1;
};

}  // namespace zelmaro
