#include "ui/dialogs/DxfFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zelmaro {

TDxfFileForm::TDxfFileForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TDxfFileForm");
  setWindowTitle(" Dxf Files");
  auto* group = new QGroupBox("File Name", this);
  Edit1 = new QLineEdit("Edit1", group);
  Edit1->setObjectName("Edit1");
  auto* rows = new QVBoxLayout(group);
  rows->addWidget(new QLabel("Dxf File Name of the file Number", group));
  rows->addWidget(Edit1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
}

}  // namespace zelmaro
