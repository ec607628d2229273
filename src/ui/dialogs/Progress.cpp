#include "ui/dialogs/Progress.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QPushButton>
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
  CancelButton = new QPushButton("Cancel", this);
  CancelButton->setObjectName("CancelButton");
  CancelButton->hide();
  connect(CancelButton, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ProgressBar);
  layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
  setFixedSize(281, 63);
}

void TProgressForm::SetCancellable(bool cancellable) {
  cancellable_ = cancellable;
  CancelButton->setVisible(cancellable);
  // While a cancellable command runs, only this window takes the user's input.
  setModal(cancellable);
  setFixedSize(281, cancellable ? 100 : 63);
}

void TProgressForm::closeEvent(QCloseEvent* event) {
  // The window stays until the command has stopped; closing it asks for the stop.
  if (cancellable_) cancelRequested_ = true;
  event->ignore();
}

void TProgressForm::reject() {
  if (cancellable_) cancelRequested_ = true;  // Escape, like Cancel
}

}  // namespace zelmaro
