#include "ui/dialogs/Imagesize.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/interaction/UserInteraction.h"

namespace zelmaro {

TImageSizeForm::TImageSizeForm(UserInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TImageSizeForm");
  setWindowTitle(" Image Size");

  auto* nota = new QLabel("NOTA: Absence of a  descriptive File", this);
  auto* group = new QGroupBox("SIZE", this);
  NumLineEdit = new QLineEdit(group);
  NumLineEdit->setObjectName("NumLineEdit");
  NumColEdit = new QLineEdit(group);
  NumColEdit->setObjectName("NumColEdit");
  auto* sizes = new QFormLayout(group);
  sizes->addRow("lines", NumLineEdit);
  sizes->addRow("columns", NumColEdit);
  connect(NumLineEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.NumLineEditChange(text.toStdString()); });
  connect(NumColEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.NumColEditChange(text.toStdString()); });

  OkButton = new QPushButton("OK", this);
  OkButton->setObjectName("OkButton");
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &TImageSizeForm::OkButtonClick);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nota);
  layout->addWidget(group);
  layout->addWidget(OkButton, 0, Qt::AlignHCenter);
}

void TImageSizeForm::OkButtonClick() {
  // A size of 0 or below cannot make an image; the user corrects it here.
  if (const auto refusal = Model.OkRefusal()) {
    ui_.ShowMessage("ERROR", *refusal, MessageIcon::Warning, this);
    return;
  }
  accept();
}

}  // namespace zelmaro
