#pragma once

#include <cstdint>
#include <string>

#include "core/Grid.h"
#include "core/MouseButton.h"
#include "core/SessionState.h"

namespace zelmaro {

// The picture the image window shows, in which the tools work. It is the size of
// ContourImage except in the whole-data view, where it may be larger or smaller; the
// tools only ever touch cells inside both.
struct ShownArea {
  int Lines = 0;
  int Columns = 0;
};

// What the image window does after a tool click: rebuild and show the picture of
// ContourImage, and show a message captioned "INFO" when there is one.
struct ToolOutcome {
  bool Redisplay = false;
  std::string InfoMessage;
};

// The highest code an isolated point may get: 255 is the background.
inline constexpr std::int32_t kLastPointCode = 254;

// Whether a clicked cell is inside the shown picture and inside ContourImage.
bool EditableCell(const SessionState& session, ShownArea area, int line, int column);

// Copies ContourImage into ComeBackImage over the shown area, the one-step undo of the
// tools; and Come Back, which copies it back. AltitudeTable is not restored.
void TakeComeBackSnapshot(SessionState& session, ShownArea area);
void ComeBack(SessionState& session, ShownArea area);

// The rule's segment from (startLine, startColumn) to (endLine, endColumn), one cell per
// step along the longer axis, both ends included, the other coordinate rounded by
// +0.5 and truncation: (0,0) to (2,4) writes lines 0, 1, 1, 2, 2 in columns 0 to 4.
// Nothing is drawn when both ends are the same cell. The low byte of value is written;
// cells outside the image are skipped.
void DrawRuleSegment(ByteGrid& image, int startLine, int startColumn, int endLine, int endColumn,
                     std::int32_t value);

// Throws Error unless value is a gray tone the filling tool can write, 0 to 254.
void RequireFillingValue(std::int32_t value);

// Fills the 4-connected background area around (line, column) with value, within the
// shown area. A click on a cell that is not background fills nothing. Throws Error
// before changing anything when value is not a gray tone 0 to 254: 255 would leave
// the area background and the fill would never end.
void FillBackground(ByteGrid& image, ShownArea area, int line, int column, std::int32_t value);

// The texts of the pencil's and the isolated point's information messages.
std::string PencilMessage(int line, int column, int cellValue, std::int32_t altitude);
std::string PointMessage(int line, int column, int cellValue, std::int32_t altitude);

// The tool clicks. Clicks on cells outside EditableCell do nothing at all. The pencil,
// the isolated point, the rule and the filling tool take the Come Back snapshot first,
// whatever the button, so that Come Back undoes exactly the last click.
//
// Pipette (left button): the code under the cursor, for the Pipette dialog.
bool PipetteClick(const SessionState& session, ShownArea area, int line, int column,
                  MouseButton button, std::int32_t& pickedValue);
// Pencil (left button): the cell receives the drawing value.
ToolOutcome PencilClick(SessionState& session, ShownArea area, int line, int column,
                        MouseButton button, std::int32_t drawingValue);
// The code the next isolated point gets, AltitudeCount + 1; throws Error when every
// gray tone up to 254 is already in use.
std::int32_t NextIsolatedPointCode(const SessionState& session);
// Isolated point (left button): the cell receives a new code, AltitudeCount + 1, with
// the given altitude in AltitudeTable. Throws Error, changing nothing, when no code is
// left.
ToolOutcome IsolatedPointClick(SessionState& session, ShownArea area, int line, int column,
                               MouseButton button, std::int32_t altitude);
// Rule: the left button sets the start point, the right button draws from it in the
// drawing value; the start stays, so right clicks draw a fan.
ToolOutcome RuleClick(SessionState& session, ShownArea area, int line, int column,
                      MouseButton button, std::int32_t drawingValue);
// Filling tool (left button): FillBackground from the cell. An unusable filling value
// is refused before the snapshot, so the session stays as it was.
ToolOutcome FillClick(SessionState& session, ShownArea area, int line, int column,
                      MouseButton button, std::int32_t fillingValue);

}  // namespace zelmaro
