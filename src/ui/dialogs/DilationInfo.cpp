#include "ui/dialogs/DilationInfo.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/art/DilationPictures.h"
#include "ui/dialogs/DialogParts.h"

namespace zelmaro {

PictureInfoForm::PictureInfoForm(const char* objectName, const QPixmap& picture, QWidget* parent)
    : QDialog(parent), picture_(picture) {
  setObjectName(objectName);
  setWindowTitle(" Dilation Procedure");
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(this);
  label->setObjectName("Image1");
  label->setPixmap(picture_);
  layout->addWidget(label);
  QPushButton* ok = MakeOkButton(*this, this);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

TMorphoMathForm::TMorphoMathForm(QWidget* parent)
    : PictureInfoForm("TMorphoMathForm", MorphoMathPicture(), parent) {}

TDilationForm::TDilationForm(QWidget* parent)
    : PictureInfoForm("TDilationForm", DilationProcedurePicture(), parent) {}

}  // namespace zelmaro
