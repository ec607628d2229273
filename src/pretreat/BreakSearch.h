#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/NeighbourScan.h"
#include "core/SessionState.h"

namespace zelmaro {

// A line end: a cell with exactly one neighbour of its own code (the curve).
struct BreakEntry {
  std::int32_t Line = 0;
  std::int32_t Column = 0;
  std::int32_t Curve = 0;
  bool operator==(const BreakEntry&) const = default;
};

// The ends in the order found: by code, then line, then column. It has no size limit.
using BreakTable = std::vector<BreakEntry>;

// Every line end among the inner cells of `area` of `image` of codes 1 to altitudeCount
// (the background too once altitudeCount reaches 255).
BreakTable SearchBreaks(const ByteGrid& image, ScanArea area, int altitudeCount);
// The same for ContourImage over WorkLines x WorkColumns. Nothing changes.
BreakTable SearchBreaks(const SessionState& session);

// Fewer than two ends leave no break to repair: the linear interpolation may run.
inline bool NoBreakRegistered(const BreakTable& table) {
  return table.size() < 2;
}

// The content of a break table file, with "\n" line breaks: the header line, an empty
// line, then "line\tcolumn\tcurve" per entry.
std::string BreakTableText(const BreakTable& table);

// The file written for the name the user chose: ".txt" is appended in every case.
std::string BreakTableFileName(const std::string& chosenName);

// Writes the table with CR LF line breaks to BreakTableFileName(chosenName), all of it
// or nothing, and returns that name; throws Error when the file cannot be written.
std::string WriteBreakTable(const BreakTable& table, const std::string& chosenName);

}  // namespace zelmaro
