#include "vector/SegmentWalk.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "reference/SegmentWalkReference.h"

namespace zelmaro {
namespace {

double LiteralSum(double value, double step, std::int64_t count) {
  for (std::int64_t i = 0; i < count; ++i) value += step;
  return value;
}

// Whole runs of additions must land on the very double that the additions one by one
// reach: the walk rounds these positions half up, and a tie decided the other way would
// move a cell.
TEST(RepeatedSum, EqualsTheAdditionsOneByOne) {
  std::mt19937_64 random(20240611);
  std::uniform_int_distribution<int> start(-(1 << 24), 1 << 24);
  std::uniform_int_distribution<int> denominator(1, 1 << 25);
  const double exactSteps[] = {0.5, -0.5, 0.25, 1.0 / 3, -1.0 / 3, 0x1p-30, -0x1p-26, 1.0, 0.1};
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = denominator(random);
    const double step = trial % 10 == 0
                            ? exactSteps[trial / 10 % std::size(exactSteps)]
                            : static_cast<double>(static_cast<int>(random() % (2 * n + 1)) - n) / n;
    const double from = trial % 7 == 0 ? std::ldexp(static_cast<double>(random() >> 11), -40)
                                       : static_cast<double>(start(random));
    const std::int64_t count =
        trial < 20 ? std::int64_t{1} << 24 : static_cast<std::int64_t>(random() % 20000);
    const double expected = LiteralSum(from, step, count);
    ASSERT_EQ(RepeatedSum(from, step, count), expected)
        << "from " << from << " step " << step << " count " << count;
  }
}

std::vector<VectorCell> BoundedWalk(VectorCell from, VectorCell to, const CellWindow& window) {
  std::vector<VectorCell> cells;
  WalkSegment(from, to, window, [&](int line, int column) { cells.push_back({line, column}); });
  return cells;
}

std::vector<VectorCell> LiteralWalk(VectorCell from, VectorCell to, const CellWindow& window) {
  std::vector<VectorCell> cells;
  reference::WalkEverySegmentStep(from, to, [&](int line, int column) {
    if (window.Contains(line, column)) cells.push_back({line, column});
  });
  return cells;
}

// Segments far outside the window, crossing it, inside it and degenerate, against the
// walk that makes every step: the same cells of the window, in the same order.
TEST(BoundedSegmentWalk, DrawsTheCellsOfTheStepByStepWalk) {
  std::mt19937 random(7);
  const int far = 1 << 24;
  std::uniform_int_distribution<int> anywhere(-far, far);
  std::uniform_int_distribution<int> near(-60, 60);
  std::uniform_int_distribution<int> size(0, 40);
  for (int trial = 0; trial < 6000; ++trial) {
    CellWindow window;
    window.firstLine = near(random);
    window.lastLine = window.firstLine + size(random) - (trial % 50 == 0 ? 41 : 0);
    window.firstColumn = near(random);
    window.lastColumn = window.firstColumn + size(random);
    const auto inside = [&] {
      return VectorCell{window.firstLine + size(random), window.firstColumn + size(random)};
    };
    // Far segments are walked literally in full: only some of them span the whole range.
    const int reach = trial % 200 == 0 ? far : 5000;
    std::uniform_int_distribution<int> around(-reach, reach);
    const auto outside = [&] { return VectorCell{around(random), around(random)}; };
    VectorCell from;
    VectorCell to;
    switch (trial % 6) {
      case 0:
        from = outside(), to = outside();
        break;
      case 1:
        from = outside(), to = inside();
        break;
      case 2:
        from = inside(), to = outside();
        break;
      case 3:
        from = inside(), to = inside();
        break;
      case 4:
        from = outside(), to = {from.line, from.column + around(random)};
        break;
      default: {
        from = trial % 12 == 5 ? inside() : outside();
        const int length = near(random);
        const int shape = trial / 6 % 3;
        to = {from.line + length, from.column + (shape == 0 ? 0 : shape == 1 ? length : -length)};
      }
    }
    if (trial % 600 == 0) from = to;
    if (trial % 300 == 1) from = {anywhere(random), anywhere(random)}, to = {-from.line, 7};
    ASSERT_EQ(BoundedWalk(from, to, window), LiteralWalk(from, to, window))
        << "from (" << from.line << ", " << from.column << ") to (" << to.line << ", " << to.column
        << ") in lines " << window.firstLine << ".." << window.lastLine << ", columns "
        << window.firstColumn << ".." << window.lastColumn;
  }
}

}  // namespace
}  // namespace zelmaro
