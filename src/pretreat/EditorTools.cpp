#include "pretreat/EditorTools.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Error.h"

namespace zelmaro {
namespace {

std::uint8_t LowByte(std::int32_t value) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

// The cells both the shown picture and the grids hold.
ShownArea CommonArea(ShownArea area, const ByteGrid& image) {
  return {std::max(0, std::min(area.Lines, image.Lines())),
          std::max(0, std::min(area.Columns, image.Columns()))};
}

void CopyArea(const ByteGrid& from, ByteGrid& to, ShownArea area) {
  const ShownArea common = CommonArea(CommonArea(area, from), to);
  for (int line = 0; line < common.Lines; ++line) {
    std::copy(from[line], from[line] + common.Columns, to[line]);
  }
}

struct Seed {
  int line;
  int column;
};

std::string InfoText(const char* tool, int line, int column, int cellValue, std::int32_t altitude) {
  return std::string(" ") + tool + " Tab_out[" + std::to_string(line) + "][" +
         std::to_string(column) + "] = " + std::to_string(cellValue) +
         "\n altitude = " + std::to_string(altitude) + " ";
}

}  // namespace

bool EditableCell(const SessionState& session, ShownArea area, int line, int column) {
  return line >= 0 && column >= 0 && line < area.Lines && column < area.Columns &&
         session.ContourImage.Contains(line, column);
}

void TakeComeBackSnapshot(SessionState& session, ShownArea area) {
  const ByteGrid& image = session.ContourImage;
  if (session.ComeBackImage.Lines() != image.Lines() ||
      session.ComeBackImage.Columns() != image.Columns()) {
    // Without a snapshot of the same size there is nothing a partial copy could keep.
    session.ComeBackImage = image;
    return;
  }
  CopyArea(image, session.ComeBackImage, area);
}

void ComeBack(SessionState& session, ShownArea area) {
  CopyArea(session.ComeBackImage, session.ContourImage, area);
}

void DrawRuleSegment(ByteGrid& image, int startLine, int startColumn, int endLine, int endColumn,
                     std::int32_t value) {
  const double lineDelta = static_cast<double>(endLine) - startLine;
  const double columnDelta = static_cast<double>(endColumn) - startColumn;
  const double steps = std::max(std::fabs(lineDelta), std::fabs(columnDelta));
  if (steps == 0.0) return;
  const double lineStep = lineDelta / steps;
  const double columnStep = columnDelta / steps;
  const std::uint8_t code = LowByte(value);
  double runningLine = startLine;
  double runningColumn = startColumn;
  int line = startLine;
  int column = startColumn;
  // The longer axis moves by exactly one cell per step, so the end is reached after
  // `steps` steps; counting them keeps the loop finite whatever the rounding.
  for (double step = 0; step <= steps; ++step) {
    if (image.Contains(line, column)) image[line][column] = code;
    if (line == endLine && column == endColumn) break;
    runningLine += lineStep;
    runningColumn += columnStep;
    line = static_cast<int>(std::trunc(runningLine + 0.5));
    column = static_cast<int>(std::trunc(runningColumn + 0.5));
  }
}

void RequireFillingValue(std::int32_t value) {
  if (value < 0 || value >= kBackgroundCode) {
    throw Error("The filling value must be a gray tone from 0 to 254, not " +
                std::to_string(value) + ": 255 is the background itself.");
  }
}

void FillBackground(ByteGrid& image, ShownArea area, int line, int column, std::int32_t value) {
  RequireFillingValue(value);
  const ShownArea bounds = CommonArea(area, image);
  if (line < 0 || column < 0 || line >= bounds.Lines || column >= bounds.Columns) return;
  if (image[line][column] != kBackgroundCode) return;
  const std::uint8_t code = static_cast<std::uint8_t>(value);
  const int lastColumn = bounds.Columns - 1;
  std::vector<Seed> seeds{{line, column}};
  while (!seeds.empty()) {
    const Seed seed = seeds.back();
    seeds.pop_back();
    std::uint8_t* row = image[seed.line];
    // A seed whose run an earlier seed has filled has nothing left to give.
    if (row[seed.column] != kBackgroundCode) continue;
    int left = seed.column;
    while (left > 0 && row[left - 1] == kBackgroundCode) --left;
    int right = seed.column;
    while (right < lastColumn && row[right + 1] == kBackgroundCode) ++right;
    std::fill(row + left, row + right + 1, code);
    // One seed at the right end of every background run touching the filled run.
    for (const int neighbour : {seed.line - 1, seed.line + 1}) {
      if (neighbour < 0 || neighbour >= bounds.Lines) continue;
      const std::uint8_t* next = image[neighbour];
      const auto background = [&](int x) { return x <= lastColumn && next[x] == kBackgroundCode; };
      for (int x = left; x <= right; ++x) {
        if (background(x) && !background(x + 1)) seeds.push_back({neighbour, x});
      }
      if (background(right) && background(right + 1)) seeds.push_back({neighbour, right});
    }
  }
}

std::string PencilMessage(int line, int column, int cellValue, std::int32_t altitude) {
  return InfoText("Pencil", line, column, cellValue, altitude);
}

std::string PointMessage(int line, int column, int cellValue, std::int32_t altitude) {
  return InfoText("Point", line, column, cellValue, altitude);
}

bool PipetteClick(const SessionState& session, ShownArea area, int line, int column,
                  MouseButton button, std::int32_t& pickedValue) {
  if (button != MouseButton::Left || !EditableCell(session, area, line, column)) return false;
  pickedValue = session.ContourImage[line][column];
  return true;
}

ToolOutcome PencilClick(SessionState& session, ShownArea area, int line, int column,
                        MouseButton button, std::int32_t drawingValue) {
  if (!EditableCell(session, area, line, column)) return {};
  TakeComeBackSnapshot(session, area);
  if (button != MouseButton::Left) return {};
  const std::uint8_t code = LowByte(drawingValue);
  session.ContourImage[line][column] = code;
  return {true, PencilMessage(line, column, code, session.AltitudeTable[code])};
}

std::int32_t NextIsolatedPointCode(const SessionState& session) {
  const std::int32_t code = std::max(session.AltitudeCount, 0) + 1;
  if (code > kLastPointCode) {
    throw Error("Every gray tone from 1 to " + std::to_string(kLastPointCode) +
                " is already used by a contour line: there is no code left for an isolated "
                "point.");
  }
  return code;
}

ToolOutcome IsolatedPointClick(SessionState& session, ShownArea area, int line, int column,
                               MouseButton button, std::int32_t altitude) {
  if (!EditableCell(session, area, line, column)) return {};
  const std::int32_t code = NextIsolatedPointCode(session);
  TakeComeBackSnapshot(session, area);
  if (button != MouseButton::Left) return {};
  session.ContourImage[line][column] = static_cast<std::uint8_t>(code);
  session.AltitudeTable[code] = altitude;
  session.AltitudeCount = code;
  return {true, PointMessage(line, column, code, altitude)};
}

ToolOutcome RuleClick(SessionState& session, ShownArea area, int line, int column,
                      MouseButton button, std::int32_t drawingValue) {
  if (!EditableCell(session, area, line, column)) return {};
  TakeComeBackSnapshot(session, area);
  if (button == MouseButton::Left) {
    session.RuleStartLine = line;
    session.RuleStartColumn = column;
    return {};
  }
  if (button != MouseButton::Right) return {};
  DrawRuleSegment(session.ContourImage, session.RuleStartLine, session.RuleStartColumn, line,
                  column, drawingValue);
  return {true, {}};
}

ToolOutcome FillClick(SessionState& session, ShownArea area, int line, int column,
                      MouseButton button, std::int32_t fillingValue) {
  if (!EditableCell(session, area, line, column)) return {};
  if (button != MouseButton::Left) {
    TakeComeBackSnapshot(session, area);
    return {};
  }
  // Checked before the snapshot, so that a refused fill leaves Come Back as it was.
  RequireFillingValue(fillingValue);
  TakeComeBackSnapshot(session, area);
  FillBackground(session.ContourImage, area, line, column, fillingValue);
  return {true, {}};
}

}  // namespace zelmaro
