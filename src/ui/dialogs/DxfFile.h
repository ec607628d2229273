#pragma once

#include <QDialog>

class QLineEdit;

namespace zelmaro {

// A form for the name of one file of a fusion. The open dialogs ask the names instead,
// so it is built with the others and never shown.
class TDxfFileForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDxfFileForm(QWidget* parent = nullptr);

  QLineEdit* Edit1;
};

}  // namespace zelmaro
