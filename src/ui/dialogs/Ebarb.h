#pragma once

#include "forms/TreatmentChoiceModel.h"
#include "ui/dialogs/TreatmentChoice.h"

namespace zelmaro {

// The Ebarbulation confirmation: a caution, then "Starting the treatment" or "Delete".
class TEbarbForm : public TreatmentChoiceForm {
  Q_OBJECT
 public:
  explicit TEbarbForm(QWidget* parent = nullptr);

  EbarbModel Model;
};

}  // namespace zelmaro
