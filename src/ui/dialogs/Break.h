#pragma once

#include <cstddef>

#include "forms/TreatmentChoiceModel.h"
#include "ui/dialogs/TreatmentChoice.h"

class QLineEdit;

namespace zelmaro {

// The result of a break search: the number of line ends, and whether to write them
// as a table.
class TBreakForm : public TreatmentChoiceForm {
  Q_OBJECT
 public:
  explicit TBreakForm(QWidget* parent = nullptr);

  void ShowBreakCount(std::size_t count);

  BreakModel Model;
  QLineEdit* BreaksEdit;
};

}  // namespace zelmaro
