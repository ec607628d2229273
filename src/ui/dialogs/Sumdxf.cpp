#include "ui/dialogs/Sumdxf.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/NumberText.h"
#include "core/SessionState.h"

namespace zelmaro {

TSumdxfForm::TSumdxfForm(SessionState& session, QWidget* parent) : QDialog(parent) {
  setObjectName("TSumdxfForm");
  setWindowTitle(" Sum dxf");
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  NumberdxfEdit = new QLineEdit(panel);
  NumberdxfEdit->setObjectName("NumberdxfEdit");
  auto* rows = new QVBoxLayout(panel);
  rows->addWidget(new QLabel("Number of dxf files to be regrouped", panel));
  rows->addWidget(NumberdxfEdit);
  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, [this, &session] {
    session.DxfFileCount = ReadLeadingInteger(NumberdxfEdit->text().toStdString());
    accept();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
}

}  // namespace zelmaro
