#include "ui/dialogs/SumDxfInfo.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelmaro {

QStringList TSumDxfInfoForm::Texts() {
  return {"It is possible to group multiple xdf files before to enter", "in the software.",
          "It is not necessary to follow an order to group these files."};
}

TSumDxfInfoForm::TSumDxfInfoForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TSumDxfInfoForm");
  setWindowTitle(" Sum_dxf");
  auto* group = new QGroupBox(" Info ", this);
  auto* rows = new QVBoxLayout(group);
  for (const QString& text : Texts()) rows->addWidget(new QLabel(text, group));
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OkButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace zelmaro
