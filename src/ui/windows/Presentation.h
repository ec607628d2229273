#pragma once

#include <QDialog>

namespace zelmaro {

// A window of 587 x 605 that shows one picture while the program starts.
class PresentationForm : public QDialog {
  Q_OBJECT
 public:
  // index 1 to 4: TPresentationForm1 to 3 and TPresentationFinale.
  explicit PresentationForm(int index, QWidget* parent = nullptr);

  static const char* NameOf(int index);
};

}  // namespace zelmaro
