#include "ui/dialogs/Infopoint.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"

namespace zelmaro {

TInfoPointForm::TInfoPointForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TInfoPointForm");
  setWindowTitle(" Isolated Point");
  AltitudeEdit = new QLineEdit(this);
  AltitudeEdit->setObjectName("AltitudeEdit");
  CodeEdit = new QLineEdit(this);
  CodeEdit->setObjectName("CodeEdit");
  // The point always takes the next free gray tone; the edit tells which.
  CodeEdit->setReadOnly(true);
  auto* rows = new QFormLayout;
  rows->addRow("Altitude ", AltitudeEdit);
  rows->addRow("Code [Next Free Gray Tone]", CodeEdit);

  auto* note = new QGroupBox("NOTA", this);
  auto* lines = new QVBoxLayout(note);
  for (const char* line : {"Shake the dynamic scale before", "to define the altittude (in integer)",
                           "of the  isolated point."}) {
    lines->addWidget(new QLabel(line, note));
  }

  connect(AltitudeEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.AltitudeEditChange(text.toStdString()); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows);
  layout->addWidget(note);
  BitBtn1 = AddOkButton(*this, *layout);
}

void TInfoPointForm::ShowCode(std::int32_t code) {
  Model.ShowCode(code);
  CodeEdit->setText(QString::fromStdString(Model.CodeText));
}

}  // namespace zelmaro
