#include "ui/Resultwindow.h"

#include <QLabel>

namespace zelmaro {

TResultForm::TResultForm(QWidget* parent) : QMdiSubWindow(parent) {
  setObjectName("TResultForm");
  setWindowTitle(" Image (1:1)");
  auto* surface = new QWidget(this);
  surface->setAutoFillBackground(true);
  setWidget(surface);
}

void TResultForm::SendBack() {
  ++timesSentBack_;
  lower();
}

}  // namespace zelmaro
