#include "ui/dialogs/Dynraster.h"

#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/interaction/UserInteraction.h"

namespace zelmaro {

TDynRasterForm::TDynRasterForm(UserInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TDynRasterForm");
  setWindowTitle(" Dynamic Scale");

  auto* group = new QGroupBox("Dynamic Parameters", this);
  auto* groupLayout = new QVBoxLayout(group);
  for (const char* line :
       {"If the data_in are from raster", "Open the txt file with NotePad",
        "in order to see those values", "in the table where are reported",
        "the correspondances between", "gray tones and altitudes.",
        "If the data_in are from a dxf file", "check these values in this file"}) {
    groupLayout->addWidget(new QLabel(line, group));
  }

  const auto makeEdit = [group](const char* name) {
    auto* edit = new QLineEdit(group);
    edit->setObjectName(name);
    return edit;
  };
  MinimumEdit = makeEdit("MinimumEdit");
  MaximumEdit = makeEdit("MaximumEdit");
  IntervalEdit = makeEdit("IntervalEdit");
  PixelEdit = makeEdit("PixelEdit");
  auto* values = new QFormLayout;
  values->addRow("Minimum", MinimumEdit);
  values->addRow("Maximum", MaximumEdit);
  values->addRow("Hypsometric Interval", IntervalEdit);
  groupLayout->addLayout(values);
  auto* rule = new QFrame(group);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  groupLayout->addWidget(rule);
  auto* pixel = new QFormLayout;
  pixel->addRow("Pixel Size (in meters)", PixelEdit);
  groupLayout->addLayout(pixel);

  connect(MinimumEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.MinimumEditChange(text.toStdString()); });
  connect(MaximumEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.MaximumEditChange(text.toStdString()); });
  connect(IntervalEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.IntervalEditChange(text.toStdString()); });
  connect(PixelEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.PixelEditChange(text.toStdString()); });

  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &TDynRasterForm::BitBtn1Click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
}

void TDynRasterForm::BitBtn1Click() {
  if (const auto refusal = Model.OkRefusal()) {
    ui_.ShowMessage("ERROR", *refusal, MessageIcon::Warning, this);
    return;
  }
  accept();
}

void TDynRasterForm::ShowLevels(const TableLevels& levels) {
  MinimumEdit->setText(QString::number(levels.minimum));
  MaximumEdit->setText(QString::number(levels.maximum));
  IntervalEdit->setText(QString::number(levels.interval));
}

TDynRasterForm::Texts TDynRasterForm::EditTexts() const {
  return {MinimumEdit->text(), MaximumEdit->text(), IntervalEdit->text(), PixelEdit->text()};
}

void TDynRasterForm::SetEditTexts(const Texts& texts) {
  MinimumEdit->setText(texts.minimum);
  MaximumEdit->setText(texts.maximum);
  IntervalEdit->setText(texts.interval);
  PixelEdit->setText(texts.pixel);
}

}  // namespace zelmaro
