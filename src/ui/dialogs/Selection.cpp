#include "ui/dialogs/Selection.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"
#include "ui/interaction/UserInteraction.h"

namespace zelmaro {
namespace {

QLineEdit* NamedEdit(const char* name, QWidget* parent, bool readOnly) {
  QLineEdit* edit = MakeNamedEdit(name, parent);
  edit->setReadOnly(readOnly);
  // The frame display is for reading only: typing starts in the pixel size.
  if (readOnly) edit->setFocusPolicy(Qt::NoFocus);
  return edit;
}

// "Min X, Y" and "Max X, Y", each with its two edits side by side.
void LayOutCorners(QGroupBox& group, QLineEdit* minX, QLineEdit* minY, QLineEdit* maxX,
                   QLineEdit* maxY) {
  auto* grid = new QGridLayout(&group);
  grid->addWidget(new QLabel("Min X, Y", &group), 0, 0);
  grid->addWidget(minX, 0, 1);
  grid->addWidget(minY, 0, 2);
  grid->addWidget(new QLabel("Max X, Y", &group), 1, 0);
  grid->addWidget(maxX, 1, 1);
  grid->addWidget(maxY, 1, 2);
}

void ShowText(QLineEdit* edit, const std::string& text) {
  edit->setText(QString::fromStdString(text));
}

}  // namespace

TSelectionForm::TSelectionForm(UserInteraction& ui, const SessionState& session, QWidget* parent)
    : QDialog(parent), ui_(ui), session_(session) {
  setObjectName("TSelectionForm");
  setWindowTitle("Vector Image Selection");

  auto* frameGroup = new QGroupBox("Corners UTM Coordinates", this);
  MinXEdit = NamedEdit("MinXEdit", frameGroup, true);
  MinYEdit = NamedEdit("MinYEdit", frameGroup, true);
  MaxXEdit = NamedEdit("MaxXEdit", frameGroup, true);
  MaxYEdit = NamedEdit("MaxYEdit", frameGroup, true);
  LayOutCorners(*frameGroup, MinXEdit, MinYEdit, MaxXEdit, MaxYEdit);

  auto* parameters = new QGroupBox("Extraction Parameters", this);
  PixEdit = NamedEdit("PixEdit", parameters, false);
  RadioButton1 = new QRadioButton("Whole Scene", parameters);
  RadioButton1->setObjectName("RadioButton1");
  RadioButton2 = new QRadioButton("Selected Zone", parameters);
  RadioButton2->setObjectName("RadioButton2");
  GroupBox3 = new QGroupBox("Corners UTM Coordinates", parameters);
  GroupBox3->setObjectName("GroupBox3");
  Min_X_Edit = NamedEdit("Min_X_Edit", GroupBox3, false);
  Min_Y_Edit = NamedEdit("Min_Y_Edit", GroupBox3, false);
  Max_X_Edit = NamedEdit("Max_X_Edit", GroupBox3, false);
  Max_Y_Edit = NamedEdit("Max_Y_Edit", GroupBox3, false);
  LayOutCorners(*GroupBox3, Min_X_Edit, Min_Y_Edit, Max_X_Edit, Max_Y_Edit);
  GroupBox3->hide();

  auto* parameterLayout = new QVBoxLayout(parameters);
  auto* pixelRow = new QHBoxLayout;
  pixelRow->addWidget(new QLabel("Pixel Size (in meters) ?", parameters));
  pixelRow->addWidget(PixEdit);
  parameterLayout->addLayout(pixelRow);
  auto* choices = new QHBoxLayout;
  choices->addWidget(RadioButton1);
  choices->addWidget(RadioButton2);
  parameterLayout->addLayout(choices);
  parameterLayout->addWidget(GroupBox3);

  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);

  connect(RadioButton1, &QRadioButton::clicked, this, &TSelectionForm::RadioButton1Click);
  connect(RadioButton2, &QRadioButton::clicked, this, &TSelectionForm::RadioButton2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TSelectionForm::BitBtn1Click);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(frameGroup);
  layout->addWidget(parameters);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
}

void TSelectionForm::ShowSceneFrame(const MapExtent& frame) {
  Model.ShowSceneFrame(frame);
  ShowText(MinXEdit, Model.MinXText);
  ShowText(MinYEdit, Model.MinYText);
  ShowText(MaxXEdit, Model.MaxXText);
  ShowText(MaxYEdit, Model.MaxYText);
  Model.ProposeZone(frame);
  ShowText(Min_X_Edit, Model.MinXEditText);
  ShowText(Min_Y_Edit, Model.MinYEditText);
  ShowText(Max_X_Edit, Model.MaxXEditText);
  ShowText(Max_Y_Edit, Model.MaxYEditText);
}

void TSelectionForm::ShowDraggedZone(const MapExtent& zone) {
  Model.ShowDraggedZone(zone);
  RadioButton2->setChecked(true);
  GroupBox3->setVisible(Model.ZoneCornersVisible());
  ShowText(Min_X_Edit, Model.MinXEditText);
  ShowText(Min_Y_Edit, Model.MinYEditText);
  ShowText(Max_X_Edit, Model.MaxXEditText);
  ShowText(Max_Y_Edit, Model.MaxYEditText);
}

void TSelectionForm::RadioButton1Click() {
  Model.RadioButton1Click(session_);
  RadioButton1->setChecked(true);
  GroupBox3->setVisible(Model.ZoneCornersVisible());
}

void TSelectionForm::RadioButton2Click() {
  Model.RadioButton2Click();
  RadioButton2->setChecked(true);
  GroupBox3->setVisible(Model.ZoneCornersVisible());
}

void TSelectionForm::BitBtn1Click() {
  Model.PixText = PixEdit->text().toStdString();
  Model.MinXEditText = Min_X_Edit->text().toStdString();
  Model.MinYEditText = Min_Y_Edit->text().toStdString();
  Model.MaxXEditText = Max_X_Edit->text().toStdString();
  Model.MaxYEditText = Max_Y_Edit->text().toStdString();
  if (const auto refusal = Model.BitBtn1Click(session_)) {
    ui_.ShowMessage("ERROR", *refusal, MessageIcon::Warning, this);
    return;
  }
  accept();
}

bool TSelectionForm::AskZone() {
  return ui_.RunModal(*this) && Model.Validated();
}

}  // namespace zelmaro
