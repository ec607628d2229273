#include "ui/dialogs/Imagevect.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/NumberText.h"
#include "ui/dialogs/DialogParts.h"
#include "vector/VectorScene.h"

namespace zelmaro {
namespace {

QLineEdit* AddDisplay(QFormLayout& rows, const char* name, const char* label, QWidget* parent) {
  QLineEdit* edit = MakeShownValue(name, parent);
  rows.addRow(label, edit);
  return edit;
}

}  // namespace

TImageVectForm::TImageVectForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TImageVectForm");
  setWindowTitle(" Info Vector Image");
  auto* frameGroup = new QGroupBox("Frame", this);
  auto* frameRows = new QFormLayout(frameGroup);
  LinEdit = AddDisplay(*frameRows, "LinEdit", "Lines", frameGroup);
  ColEdit = AddDisplay(*frameRows, "ColEdit", "Columns", frameGroup);
  PixEdit = AddDisplay(*frameRows, "PixEdit", "Pix. Size", frameGroup);
  auto* utmGroup = new QGroupBox("UTM Coordinates", this);
  auto* utmRows = new QFormLayout(utmGroup);
  XminEdit = AddDisplay(*utmRows, "XminEdit", "X_min", utmGroup);
  XmaxEdit = AddDisplay(*utmRows, "XmaxEdit", "X_max", utmGroup);
  YminEdit = AddDisplay(*utmRows, "YminEdit", "Y_min", utmGroup);
  YmaxEdit = AddDisplay(*utmRows, "YmaxEdit", "Y_max", utmGroup);
  auto* sourceGroup = new QGroupBox("Source", this);
  auto* sourceRows = new QFormLayout(sourceGroup);
  SourceEdit = AddDisplay(*sourceRows, "SourceEdit", "Lines", sourceGroup);
  CrsEdit = AddDisplay(*sourceRows, "CrsEdit", "CRS", sourceGroup);
  CrsEdit->setMinimumWidth(320);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OkButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* groups = new QHBoxLayout;
  groups->addWidget(frameGroup, 0, Qt::AlignTop);
  groups->addWidget(utmGroup);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addWidget(sourceGroup);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TImageVectForm::ShowFrame(const VectorSceneFrame& frame) {
  LinEdit->setText(QString::number(frame.Lines));
  ColEdit->setText(QString::number(frame.Columns));
  PixEdit->setText(QString::number(frame.ScenePixelSize));
  XminEdit->setText(QString::fromStdString(FormatGeneral15(frame.XMin)));
  XmaxEdit->setText(QString::fromStdString(FormatGeneral15(frame.XMax)));
  YminEdit->setText(QString::fromStdString(FormatGeneral15(frame.YMin)));
  YmaxEdit->setText(QString::fromStdString(FormatGeneral15(frame.YMax)));
}

void TImageVectForm::ShowSource(const std::string& source, const std::string& crs) {
  SourceEdit->setText(QString::fromStdString(source));
  CrsEdit->setText(QString::fromStdString(crs));
  CrsEdit->setCursorPosition(0);
}

}  // namespace zelmaro
