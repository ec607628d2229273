#pragma once

#include <QDialog>

class QLineEdit;

namespace zelmaro {

struct SessionState;

// The number of values between a VERTEX keyword and its X coordinate, as a user could
// type it. Every command measures that number in the file instead, so the form is built
// with the others and never shown.
class TVertexForm : public QDialog {
  Q_OBJECT
 public:
  TVertexForm(SessionState& session, QWidget* parent = nullptr);

  QLineEdit* Vertex;
};

}  // namespace zelmaro
