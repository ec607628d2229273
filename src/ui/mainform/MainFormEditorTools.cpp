// The screen editor of the main window: the five tools that the image window hands its
// clicks to, and Come Back.
#include <optional>

#include "core/DisplayBitmap.h"
#include "pretreat/EditorTools.h"
#include "ui/dialogs/Fillinginfo.h"
#include "ui/dialogs/Infopoint.h"
#include "ui/dialogs/Pipette.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro {
ShownArea TMainForm::EditorArea() const {
  return {ImageForm->ShownLines, ImageForm->ShownColumns};
}

void TMainForm::ShowEditedImage(DisplayBitmap& picture) {
  const ByteGrid& image = Session.ContourImage;
  for (int line = 0; line < image.Lines(); ++line) {
    for (int column = 0; column < image.Columns(); ++column) {
      picture.SetColour(column, line, Session.CodePalette[image[line][column]]);
    }
  }
  ImageForm->SetPicture(picture);
  ImageForm->PaintBox()->repaint();
}

void TMainForm::EditorToolClick(EditorTool tool, const ImageClick& click, DisplayBitmap& picture) {
  const ShownArea area = EditorArea();
  const int line = click.line;
  const int column = click.column;
  if (!EditableCell(Session, area, line, column)) return;
  const MouseButton button = click.button;
  const std::int32_t drawingValue = CLValueForm->Model.DrawingValue;
  // The pipette only reads; every other tool may change the image and its table.
  const std::optional<ContourState> before =
      tool == EditorTool::Pipette ? std::nullopt : std::optional(ContourState::Of(Session));
  ToolOutcome outcome;
  // The tools check what they are given before they change a cell, so a failed click has
  // nothing to put back and no grid needs a copy.
  const bool done = RunCommandStep(SessionGrids::None, [&] {
    switch (tool) {
      case EditorTool::Pipette: {
        std::int32_t picked = 0;
        if (PipetteClick(Session, area, line, column, button, picked)) {
          CLValueForm->PickValue(picked);
          ui_.RunModal(*CLValueForm);
        }
        break;
      }
      case EditorTool::Pencil:
        ImageForm->KeepZoom = 1;
        outcome = PencilClick(Session, area, line, column, button, drawingValue);
        break;
      case EditorTool::IsolatedPoint:
        // Refused before the dialog when no gray tone is left for a new code.
        InfoPointForm->ShowCode(NextIsolatedPointCode(Session));
        ui_.RunModal(*InfoPointForm);
        ImageForm->KeepZoom = 1;
        outcome = IsolatedPointClick(Session, area, line, column, button,
                                     InfoPointForm->Model.PointAltitude);
        break;
      case EditorTool::Rule:
        ImageForm->KeepZoom = 1;
        outcome = RuleClick(Session, area, line, column, button, drawingValue);
        break;
      case EditorTool::Filling:
        ui_.RunModal(*FunnelInfoForm);
        ImageForm->KeepZoom = 1;
        outcome =
            FillClick(Session, area, line, column, button, FunnelInfoForm->Model.FillingValue);
        break;
    }
  });
  if (!done) return;
  if (before) ContourChanged(*before);
  if (outcome.Redisplay) ShowEditedImage(picture);
  if (!outcome.InfoMessage.empty()) {
    ui_.ShowMessage("INFO", outcome.InfoMessage, MessageIcon::Information, this);
  }
}

void TMainForm::ComeBackSpeedButtonClick() {
  const ShownArea area = EditorArea();
  const ContourState before = ContourState::Of(Session);
  ComeBack(Session, area);
  // Undoing a click keeps the view in which it was made.
  ImageForm->KeepZoom = 1;
  ContourChanged(before);
  DisplayBitmap picture =
      DisplayBitmap::Create(Session, area.Columns, area.Lines, DisplayBitmap::PixelMode::Colour);
  ShowEditedImage(picture);
}

}  // namespace zelmaro
