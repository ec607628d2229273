#include "ui/dialogs/Imageraster.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelmaro {

TImageRasterForm::TImageRasterForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TImageRasterForm");
  setWindowTitle(" Info Raster Image");
  auto* group = new QGroupBox("Image Size", this);
  LinEdit = new QLineEdit(group);
  LinEdit->setObjectName("LinEdit");
  LinEdit->setReadOnly(true);
  ColEdit = new QLineEdit(group);
  ColEdit->setObjectName("ColEdit");
  ColEdit->setReadOnly(true);
  auto* sizes = new QFormLayout(group);
  sizes->addRow("lines", LinEdit);
  sizes->addRow("columns", ColEdit);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TImageRasterForm::ShowSize(int lines, int columns) {
  LinEdit->setText(QString::number(lines));
  ColEdit->setText(QString::number(columns));
}

}  // namespace zelmaro
