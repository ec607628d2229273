// The Edit menu of the main window: every change of the contour-line image (the editor
// tools, Come Back, thinning, branch-end removal) can be undone and redone step by step.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "core/DisplayBitmap.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro {

void TMainForm::BuildEditMenu() {
  auto* edit = new QMenu("Edit", this);
  edit->setObjectName("Edit");
  edit->menuAction()->setObjectName("Edit");
  menuBar()->insertMenu(Action("VectorOperation"), edit);
  actions_["Edit"] = edit->menuAction();
  AddItem(edit, "Undo", "Undo", &TMainForm::UndoClick)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  AddItem(edit, "Redo", "Redo", &TMainForm::RedoClick)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  UpdateHistoryActions();
}

bool TMainForm::WorkingImageShown() const {
  // The scene of a vector load, before a zone or in the Back view, is no edit's place.
  return ImageForm != nullptr && ImageForm->HasPicture() && !ImageForm->ScenePreviewShown();
}

void TMainForm::UpdateHistoryActions() {
  QAction* undo = Action("Undo");
  QAction* redo = Action("Redo");
  if (undo == nullptr || redo == nullptr) return;
  const bool shown = WorkingImageShown();
  undo->setEnabled(shown && history_.CanUndo());
  redo->setEnabled(shown && history_.CanRedo());
  Action("Edit")->setEnabled(undo->isEnabled() || redo->isEnabled());
}

void TMainForm::ContourChanged(const ContourState& before) {
  if (history_.Record(before, Session)) unsaved_.ContourEdited();
  UpdateHistoryActions();
}

void TMainForm::NewContourImage() {
  history_.Clear();
  unsaved_.ContourSaved();
  UpdateHistoryActions();
}

void TMainForm::ShowHistoryStep() {
  ImageForm->KeepZoom = 1;
  const ShownArea area = EditorArea();
  DisplayBitmap picture =
      DisplayBitmap::Create(Session, area.Columns, area.Lines, DisplayBitmap::PixelMode::Colour);
  ShowEditedImage(picture);
  unsaved_.ContourEdited();
  UpdateHistoryActions();
}

void TMainForm::UndoClick() {
  if (!WorkingImageShown() || !history_.CanUndo()) return;
  const BusyCursor busy(ui_);
  history_.Undo(Session);
  ShowHistoryStep();
}

void TMainForm::RedoClick() {
  if (!WorkingImageShown() || !history_.CanRedo()) return;
  const BusyCursor busy(ui_);
  history_.Redo(Session);
  ShowHistoryStep();
}

}  // namespace zelmaro
