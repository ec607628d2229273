#include "ui/dialogs/Ebarb.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zelmaro {

TEbarbForm::TEbarbForm(QWidget* parent)
    : TreatmentChoiceForm("TEbarbForm", " Ebarbulation", "Starting the treatment", "Delete", Model,
                          parent) {
  auto* group = new QGroupBox("Caution", this);
  auto* lines = new QVBoxLayout(group);
  for (const char* line :
       {"Do not use this function, if you are not sure", "that there are no gaps in a contour line",
        "An iterative process can eliminate a contour", "line or increase the size of the gaps"}) {
    lines->addWidget(new QLabel(line, group));
  }
  Content()->addWidget(group);
}

}  // namespace zelmaro
