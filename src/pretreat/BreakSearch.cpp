#include "pretreat/BreakSearch.h"

#include "core/FileIO.h"
#include "pretreat/CodePixelLists.h"
#include "pretreat/NeighbourCode.h"

namespace zelmaro {
namespace {

// Background cells are scanned as a line code once AltitudeCount reaches 255. They make
// up most of an image, so they are read straight from it rather than listed.
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

}  // namespace

BreakTable SearchBreaks(const SessionState& session) {
  const ByteGrid& image = session.ContourImage;
  const ScanArea area = ScanAreaOf(session);
  const int lastCode = LastDeletableCode(session);
  const std::ptrdiff_t stride = image.Columns();
  BreakTable table;
  WithCodePixelLists(image, area, lastCode, [&](const auto& lists) {
    for (int code = 1; code <= lastCode; ++code) {
      for (const auto offset : lists.Of(code)) {
        if (IsSingleNeighbour(NeighbourCodeAt(image.Data() + offset, stride))) {
          table.push_back({static_cast<std::int32_t>(offset / stride),
                           static_cast<std::int32_t>(offset % stride), code});
        }
      }
    }
  });
  if (session.AltitudeCount >= kBackgroundCode) AppendBackgroundEnds(image, area, table);
  return table;
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
