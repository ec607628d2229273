#include "ui/dialogs/Smoothing.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"

namespace zelmaro {

TSmoothingForm::TSmoothingForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TSmoothingForm");
  setWindowTitle(" Smoothing");

  auto* group = new QGroupBox("Moving Window Size", this);
  auto* groupLayout = new QVBoxLayout(group);
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(new QLabel("Range", group));
  RangeEdit = new QLineEdit(group);
  RangeEdit->setObjectName("RangeEdit");
  rangeRow->addWidget(RangeEdit);
  groupLayout->addLayout(rangeRow);
  groupLayout->addWidget(new QLabel("Nota: Window Size = (Range * 2) + 1", group));
  connect(RangeEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.RangeEditChange(text.toStdString()); });

  BitBtn1 = MakeOkButton(*this, this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
}

}  // namespace zelmaro
