// The break search on a fuzzed contour image and its table file: the ends found are
// those of the literal search, and the file written holds them all, read back alike.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>

#include "FuzzSupport.h"
#include "pretreat/BreakSearch.h"
#include "reference/PretreatReference.h"

namespace {

// The entries of a break table file as a reader of it would take them.
zelmaro::BreakTable ReadBreakTable(const std::string& text) {
  using zelmaro::fuzz::Require;
  const std::string header = "lines\tcolumns\tcurve\r\n\r\n";
  Require(text.compare(0, header.size(), header) == 0, "a break table starts with its header");
  zelmaro::BreakTable table;
  std::size_t start = header.size();
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    Require(end != std::string::npos, "every entry ends with CR LF");
    zelmaro::BreakEntry entry;
    int used = 0;
    const std::string line = text.substr(start, end - start);
    Require(std::sscanf(line.c_str(), "%d\t%d\t%d%n", &entry.Line, &entry.Column, &entry.Curve,
                        &used) == 3 &&
                used == static_cast<int>(line.size()),
            "an entry is line, column and curve separated by TABs");
    table.push_back(entry);
    start = end + 2;
  }
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmaro::fuzz;
  FuzzedDataProvider input(data, size);
  zelmaro::SessionState session;
  session.WorkLines = input.ConsumeIntegralInRange<int>(1, 40);
  session.WorkColumns = input.ConsumeIntegralInRange<int>(1, 40);
  session.AltitudeCount = input.ConsumeIntegral<std::uint8_t>();
  // Few codes make lines: most bytes pick one of three codes or the background.
  const bool fewCodes = input.ConsumeBool();
  session.ContourImage = zelmaro::ByteGrid(session.WorkLines, session.WorkColumns, 255);
  for (std::uint8_t& cell : session.ContourImage.Cells()) {
    const auto byte = input.ConsumeIntegral<std::uint8_t>();
    cell = fewCodes ? (byte % 4 == 0 ? 255 : byte % 4) : byte;
  }
  const zelmaro::BreakTable table = zelmaro::SearchBreaks(session);
  Require(table == zelmaro::reference::SearchBreaks(session),
          "the ends found are those of the literal search");
  ClearFolder();
  const std::string written = zelmaro::WriteBreakTable(table, FileIn("ends"));
  Require(written == FileIn("ends.txt"), "the table's name is the name chosen with .txt");
  Require(FilesInFolder() == "ends.txt", "the table is the one file written");
  Require(ReadBreakTable(ReadFile(written)) == table, "the file holds every end, in order");
  return 0;
}
