#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zelmaro {

struct SessionState;

// Asks how many DXF files the fusion regroups. The count typed stays for the next use.
class TSumdxfForm : public QDialog {
  Q_OBJECT
 public:
  TSumdxfForm(SessionState& session, QWidget* parent = nullptr);

  QLineEdit* NumberdxfEdit;
  QPushButton* BitBtn1;
};

}  // namespace zelmaro
