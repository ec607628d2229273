// The final fill of the interpolations. A pass works in place in scan order, so a
// value written in it counts for the cells after it; the passes repeat until one
// writes nothing. Rescanning the grid for every pass would cost a pass per line of a
// large empty area, so after the first pass only the cells that can change are visited.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/ProgressPacing.h"
#include "interp/Dilation.h"

namespace zelmaro {
namespace {

template <typename Sum>
std::int32_t RoundedMean(Sum sum, int count) {
  return static_cast<std::int32_t>(static_cast<double>(sum) / count + 0.5);
}

// Fills one empty cell from its up, left, right and down neighbours, with the running
// sum carried over the three lines of its window: the cell is written after each
// window line that has brought a value, and once written it counts as the centre.
// Returns the number of writes.
template <typename Sum>
int FillCell(IntGrid& dem, int line, int column) {
  std::int32_t* cell = &dem[line][column];
  const int columns = dem.Columns();
  Sum sum = 0;
  int count = 0;
  int writes = 0;
  const auto add = [&](std::int32_t value) {
    if (value == NoAltitude) return;
    sum += static_cast<Sum>(value);
    ++count;
  };
  const auto settle = [&] {
    if (count == 0) return;
    *cell = RoundedMean(sum, count);
    ++writes;
  };
  if (line > 0) add(cell[-columns]);
  settle();
  if (column > 0) add(cell[-1]);
  add(*cell);
  if (column + 1 < columns) add(cell[1]);
  settle();
  if (line + 1 < dem.Lines()) add(cell[columns]);
  settle();
  return writes;
}

// The fill, pass after pass. The first pass scans the whole grid; a value then spreads
// right and down without limit, so the cells it leaves empty have empty up and left
// neighbours: they form a staircase in the top left corner of the grid. Each later
// pass fills exactly the edge of that staircase, the empty cells whose right or down
// neighbour was filled by the pass before, and nothing else can change. So a later pass
// visits only those cells, the up and left neighbours of the previous pass's fills,
// in scan order as the full scan would.
template <typename Sum>
class FillPasses {
 public:
  explicit FillPasses(IntGrid& dem) : dem_(dem), columns_(dem.Columns()) {}

  void Run(const Progress& progress) {
    PacedProgress paced(progress);
    int writes = FirstPass(paced);
    while (writes > 0) writes = NextPass();
    paced.ReportNow(1.0);
  }

 private:
  bool Empty(std::int64_t index) const { return dem_.Data()[index] == NoAltitude; }

  int Fill(int line, int column) {
    const int writes = FillCell<Sum>(dem_, line, column);
    const std::int64_t index = static_cast<std::int64_t>(line) * columns_ + column;
    if (!Empty(index)) {
      if (column > 0 && Empty(index - 1)) nextEdge_.push_back(index - 1);
      if (line > 0 && Empty(index - columns_)) nextEdge_.push_back(index - columns_);
    }
    return writes;
  }

  int FirstPass(PacedProgress& progress) {
    int writes = 0;
    for (int line = 0; line < dem_.Lines(); ++line) {
      for (int column = 0; column < columns_; ++column) {
        if (dem_[line][column] == NoAltitude) writes += Fill(line, column);
      }
      progress.Report(static_cast<double>(line + 1) / dem_.Lines());
    }
    return writes;
  }

  int NextPass() {
    edge_.swap(nextEdge_);
    nextEdge_.clear();
    // A cell may be both the left and the up neighbour of fills.
    std::sort(edge_.begin(), edge_.end());
    edge_.erase(std::unique(edge_.begin(), edge_.end()), edge_.end());
    int writes = 0;
    for (const std::int64_t index : edge_) {
      if (!Empty(index)) continue;
      writes += Fill(static_cast<int>(index / columns_), static_cast<int>(index % columns_));
    }
    return writes;
  }

  IntGrid& dem_;
  int columns_;
  std::vector<std::int64_t> edge_;
  std::vector<std::int64_t> nextEdge_;
};

}  // namespace

void FillRemainingCells(IntGrid& demGrid, FillSum sum, const Progress& progress) {
  if (sum == FillSum::SinglePrecision) {
    FillPasses<float>(demGrid).Run(progress);
  } else {
    FillPasses<std::int64_t>(demGrid).Run(progress);
  }
}

}  // namespace zelmaro
