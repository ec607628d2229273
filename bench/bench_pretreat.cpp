// Times the three contour-line scans on a synthetic contour map and on a dense scatter
// of codes, production and literal versions, and checks that both give the same result.
// Usage: bench_pretreat [size] [levels]   (defaults 4000 and 120)
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "core/SessionState.h"
#include "pretreat/BreakSearch.h"
#include "pretreat/Ebarbulation.h"
#include "pretreat/Skeletonization.h"
#include "reference/PretreatReference.h"

namespace {

using zelmaro::ByteGrid;
using zelmaro::SessionState;

// Level lines of a smooth relief: a cell is on a line where its level differs from the
// cell to its right or below, which gives one- and two-cell-thick lines with staircase
// corners, as scanned maps have. A few cells are knocked out to open breaks.
SessionState SyntheticMap(int size, int levels) {
  SessionState session;
  session.ContourImage = ByteGrid(size, size, 255);
  session.WorkLines = size;
  session.WorkColumns = size;
  const auto height = [size](int line, int column) {
    const double x = static_cast<double>(column) / size;
    const double y = static_cast<double>(line) / size;
    return 0.5 + 0.2 * std::sin(7.0 * x + 2.0 * y) * std::cos(5.0 * y - x) +
           0.25 * std::exp(-((x - 0.4) * (x - 0.4) + (y - 0.6) * (y - 0.6)) * 9.0) +
           0.05 * std::sin(31.0 * x * y);
  };
  const auto level = [&](int line, int column) {
    return std::clamp(static_cast<int>(height(line, column) * levels), 0, levels - 1) + 1;
  };
  std::vector<int> below(size);
  for (int column = 0; column < size; ++column) below[column] = level(0, column);
  for (int line = 0; line + 1 < size; ++line) {
    std::vector<int> here = below;
    for (int column = 0; column < size; ++column) below[column] = level(line + 1, column);
    for (int column = 0; column + 1 < size; ++column) {
      if (here[column] != here[column + 1] || here[column] != below[column]) {
        session.ContourImage[line][column] = static_cast<std::uint8_t>(here[column]);
      }
    }
  }
  std::mt19937 random(5);
  std::uniform_int_distribution<int> cell(1, size - 2);
  for (int gap = 0; gap < size; ++gap) session.ContourImage[cell(random)][cell(random)] = 255;
  session.AltitudeCount = levels;
  return session;
}

// The worst case for skipping background: half the cells hold one of 254 codes.
SessionState ScatteredMap(int size) {
  SessionState session;
  session.ContourImage = ByteGrid(size, size, 255);
  session.WorkLines = size;
  session.WorkColumns = size;
  std::mt19937 random(9);
  std::uniform_int_distribution<int> code(1, 508);
  for (std::uint8_t& cell : session.ContourImage.Cells()) {
    const int drawn = code(random);
    if (drawn <= 254) cell = static_cast<std::uint8_t>(drawn);
  }
  session.AltitudeCount = 254;
  return session;
}

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs the three scans, production and literal, on one map; false when they differ.
bool Compare(const char* name, const SessionState& map) {
  std::size_t linePixels = 0;
  for (const std::uint8_t cell : map.ContourImage.Cells()) linePixels += cell != 255;
  std::printf("%s: %d x %d cells, %d codes, %zu line cells (%.1f%%)\n", name,
              map.ContourImage.Lines(), map.ContourImage.Columns(), map.AltitudeCount, linePixels,
              100.0 * linePixels / map.ContourImage.CellCount());

  SessionState fast = map;
  SessionState literal = map;
  zelmaro::BreakTable fastEnds;
  zelmaro::BreakTable literalEnds;
  const double searchFast = Seconds([&] { fastEnds = zelmaro::SearchBreaks(fast); });
  const double searchLiteral =
      Seconds([&] { literalEnds = zelmaro::reference::SearchBreaks(literal); });
  std::printf("  SearchBreaks      production %8.3f s   literal %8.3f s   %zu ends, %s\n",
              searchFast, searchLiteral, fastEnds.size(),
              fastEnds == literalEnds ? "same" : "DIFFERENT");

  const double thinFast = Seconds([&] { zelmaro::ThinContourLines(fast); });
  const double thinLiteral = Seconds([&] { zelmaro::reference::ThinContourLines(literal); });
  std::printf("  ThinContourLines  production %8.3f s   literal %8.3f s   %s\n", thinFast,
              thinLiteral, fast.ContourImage == literal.ContourImage ? "same" : "DIFFERENT");

  const double ebarbFast = Seconds([&] { zelmaro::RemoveBranchEnds(fast); });
  const double ebarbLiteral = Seconds([&] { zelmaro::reference::RemoveBranchEnds(literal); });
  std::printf("  RemoveBranchEnds  production %8.3f s   literal %8.3f s   %s\n", ebarbFast,
              ebarbLiteral, fast.ContourImage == literal.ContourImage ? "same" : "DIFFERENT");
  return fast.ContourImage == literal.ContourImage && fastEnds == literalEnds;
}

}  // namespace

int main(int argc, char** argv) {
  const int size = argc > 1 ? std::atoi(argv[1]) : 4000;
  const int levels = argc > 2 ? std::atoi(argv[2]) : 120;
  if (size < 3 || levels < 1 || levels > 254) {
    std::fprintf(stderr, "usage: bench_pretreat [size >= 3] [levels 1..254]\n");
    return 2;
  }
  const bool contourSame = Compare("contour map", SyntheticMap(size, levels));
  const bool scatteredSame = Compare("scattered codes", ScatteredMap(size));
  return contourSame && scatteredSame ? 0 : 1;
}
