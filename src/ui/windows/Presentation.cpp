#include "ui/windows/Presentation.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/art/PresentationPictures.h"

namespace zelmaro {

const char* PresentationForm::NameOf(int index) {
  switch (index) {
    case 1:
      return "TPresentationForm1";
    case 2:
      return "TPresentationForm2";
    case 3:
      return "TPresentationForm3";
    default:
      return "TPresentationFinale";
  }
}

PresentationForm::PresentationForm(int index, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(NameOf(index));
  auto* picture = new QLabel(this);
  picture->setPixmap(PresentationPicture(index));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture);
  setFixedSize(587, 605);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

}  // namespace zelmaro
