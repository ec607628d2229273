#include "pretreat/BreakSearch.h"

#include <algorithm>
#include <array>

#include "core/FileIO.h"
#include "core/NeighbourCode.h"
#include "core/NeighbourScan.h"
#include "pretreat/LineCellScan.h"

namespace zelmaro {
namespace {

// Background cells are scanned as a line code once AltitudeCount reaches 255, after
// every other code. They make up most of an image, so they get a plain scan of their
// own.
void AppendBackgroundEnds(const ByteGrid& image, ScanArea area, BreakTable& table) {
  for (int line = 1; line <= area.Lines - 2; ++line) {
    const std::uint8_t* row = image[line];
    for (int column = 1; column <= area.Columns - 2; ++column) {
      if (row[column] == kBackgroundCode &&
          IsSingleNeighbour(NeighbourCodeAt(row + column, image.Columns()))) {
        table.push_back({line, column, kBackgroundCode});
      }
    }
  }
}

// The ends found in one pass in scan order, regrouped by code as the scans of one code
// after the other find them; within a code the scan order stays.
BreakTable GroupedByCode(const BreakTable& found) {
  std::array<std::size_t, 257> start{};
  for (const BreakEntry& entry : found) ++start[entry.Curve + 1];
  for (int code = 1; code <= 256; ++code) start[code] += start[code - 1];
  BreakTable grouped(found.size());
  for (const BreakEntry& entry : found) grouped[start[entry.Curve]++] = entry;
  return grouped;
}

}  // namespace

BreakTable SearchBreaks(const ByteGrid& image, ScanArea area, int altitudeCount) {
  const int lastCode = std::clamp(altitudeCount, 0, static_cast<int>(kBackgroundCode) - 1);
  const std::ptrdiff_t stride = image.Columns();
  const std::uint8_t* cells = image.Data();
  BreakTable found;
  ForEachLineCell(cells, static_cast<std::size_t>(stride), area, lastCode,
                  [&](const std::uint8_t* cell, int code) {
                    if (IsSingleNeighbour(NeighbourCodeAt(cell, stride))) {
                      const std::ptrdiff_t offset = cell - cells;
                      found.push_back({static_cast<std::int32_t>(offset / stride),
                                       static_cast<std::int32_t>(offset % stride), code});
                    }
                  });
  BreakTable table = GroupedByCode(found);
  if (altitudeCount >= kBackgroundCode) AppendBackgroundEnds(image, area, table);
  return table;
}

BreakTable SearchBreaks(const SessionState& session) {
  return SearchBreaks(session.ContourImage, ScanAreaOf(session), session.AltitudeCount);
}

std::string BreakTableText(const BreakTable& table) {
  std::string text = "lines\tcolumns\tcurve\n\n";
  text.reserve(text.size() + table.size() * 16);
  for (const BreakEntry& entry : table) {
    text += std::to_string(entry.Line) + "\t" + std::to_string(entry.Column) + "\t" +
            std::to_string(entry.Curve) + "\n";
  }
  return text;
}

std::string BreakTableFileName(const std::string& chosenName) {
  return chosenName + ".txt";
}

std::string WriteBreakTable(const BreakTable& table, const std::string& chosenName) {
  const std::string fileName = BreakTableFileName(chosenName);
  WriteFileAtomically(fileName, WithCrLf(BreakTableText(table)));
  return fileName;
}

}  // namespace zelmaro
