#include "ui/dialogs/Progress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

namespace zelmaro {

TProgressForm::TProgressForm(std::int32_t value, QWidget* parent)
    : QDialog(parent, Qt::Tool), Value(value) {
  setObjectName("TProgressForm");
  setWindowTitle(" Process");
  // While the command lets events through, only this window takes the user's input.
  setWindowModality(Qt::ApplicationModal);
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName("ProgressBar");
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  ProgressBar->setFormat("%p%");
  ProgressBar->setTextVisible(true);
  CancelButton = new QPushButton("Cancel", this);
  CancelButton->setObjectName("CancelButton");
  CancelButton->setCursor(Qt::ArrowCursor);
  connect(CancelButton, &QPushButton::clicked, this, &TProgressForm::RequestCancel);
  // The bar and its Cancel button side by side keep the window at its usual size.
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(ProgressBar, 1);
  layout->addWidget(CancelButton);
  setFixedSize(281, 63);
}

void TProgressForm::closeEvent(QCloseEvent* event) {
  // The window goes when the command has stopped, not before.
  event->ignore();
  RequestCancel();
}

void TProgressForm::reject() {
  RequestCancel();
}

void TProgressForm::RequestCancel() {
  cancelRequested_ = true;
  CancelButton->setEnabled(false);
  CancelButton->setText("Stopping...");
}

}  // namespace zelmaro
