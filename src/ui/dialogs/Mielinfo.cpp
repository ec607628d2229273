#include "ui/dialogs/Mielinfo.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/art/LinearPictures.h"
#include "ui/dialogs/DialogParts.h"

namespace zelmaro {

TRuzeInfoForm::TRuzeInfoForm(QWidget* parent)
    : QDialog(parent),
      levelPicture_(LinearLevelPicture()),
      formulaPicture_(LinearFormulaPicture()) {
  setObjectName("TRuzeInfoForm");
  setWindowTitle(" RUZE Info");
  auto* group = new QGroupBox("Lineal Interpolation", this);
  auto* groupLayout = new QVBoxLayout(group);
  auto* picture = new QLabel(group);
  picture->setObjectName("Image1");
  picture->setPixmap(levelPicture_);
  groupLayout->addWidget(picture);
  groupLayout->addWidget(new QLabel(
      "Inside an hypsometric level defined by two successive contour lines, the hypsometric",
      group));
  groupLayout->addWidget(new QLabel("value of a given point is equal to :", group));
  auto* formula = new QLabel(group);
  formula->setObjectName("Image2");
  formula->setPixmap(formulaPicture_);
  groupLayout->addWidget(formula);

  QPushButton* ok = MakeOkButton(*this, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace zelmaro
