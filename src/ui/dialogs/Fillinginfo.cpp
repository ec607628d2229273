#include "ui/dialogs/Fillinginfo.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"

namespace zelmaro {

TFunnelInfoForm::TFunnelInfoForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TFunnelInfoForm");
  setWindowTitle(" Filling Value");
  FillingEdit = new QLineEdit(this);
  FillingEdit->setObjectName("FillingEdit");
  connect(FillingEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { Model.FillingEditChange(text.toStdString()); });
  auto* rows = new QFormLayout;
  rows->addRow("Gray tone Value", FillingEdit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows);
  BitBtn1 = AddOkButton(*this, *layout);
}

}  // namespace zelmaro
