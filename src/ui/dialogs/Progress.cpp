#include "ui/dialogs/Progress.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace zelmaro {

TProgressForm::TProgressForm(std::int32_t value, QWidget* parent)
    : QDialog(parent, Qt::Tool), Value(value) {
  setObjectName("TProgressForm");
  setWindowTitle(" Process");
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName("ProgressBar");
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ProgressBar);
  setFixedSize(281, 63);
}

}  // namespace zelmaro
