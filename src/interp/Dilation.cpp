#include "interp/Dilation.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <vector>

#include "core/Error.h"
#include "core/Units.h"

namespace zelmaro {
namespace {

// Cells are numbered in 32 bits to keep the lists small, and a layer, at most the
// number of cells, fits in 30 bits.
constexpr std::size_t kMostCells = std::size_t{1} << 30;

// The zones are kept with a one-cell frame around the grid so that the inner loops need
// no bounds tests. No altitude is below the frame, so it never stands on the higher side
// of a limit, and its layer is below every real one, so it never grows.
constexpr std::int32_t kFrame = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kFrameLayer = -1;
constexpr std::int32_t kUnreached = (1 << 30) - 1;

// The zones of a dilation step, kept from one step to the next.
//
// A step grows the zones pass after pass: the first pass over the cross, the others
// over the 3 x 3 window, an empty cell taking the smallest value among the neighbours
// filled before the pass. The pass that reaches a cell is its layer: 0 for a cell with
// an altitude, then 1 + the layer of a neighbour, except that a diagonal neighbour of
// layer 0 only counts from the second pass, as 2. A cell's layer is the smallest such
// proposal and its zone the smallest zone among the neighbours that propose it.
//
// Consecutive steps differ only where the cells filled by the last step, which now
// have an altitude, are at least as near (in layers) as the cell's former layer. Only
// those cells are grown again, from their unchanged surroundings, and only they and
// their neighbours can receive a limit. So a step costs what changed, not the grid:
// the last steps of a large image often fill a handful of cells each.
class ZoneGrowth {
  // Zone, layer and the mark of the cells grown again in this step side by side: every
  // visit reads them together.
  struct ZoneCell {
    std::int32_t zone;
    std::int32_t layer : 31;
    std::uint32_t changed : 1;
  };

 public:
  ZoneGrowth(int lines, int columns)
      : lines_(lines),
        columns_(columns),
        stride_(static_cast<std::size_t>(columns) + 2),
        cells_((static_cast<std::size_t>(lines) + 2) * stride_, ZoneCell{kFrame, kFrameLayer, 0}) {
    const auto s = static_cast<std::ptrdiff_t>(stride_);
    cross_ = {-s, -1, 1, s};
    diagonals_ = {-s - 1, -s + 1, s - 1, s + 1};
    window_ = {-s - 1, -s, -s + 1, -1, 1, s - 1, s, s + 1};
  }

  // A step from the DEM alone.
  int FirstStep(IntGrid& dem);
  // The step after the one this object ran last on the same DEM.
  int NextStep(IntGrid& dem);

 private:
  std::uint32_t At(int line, int column) const {
    return static_cast<std::uint32_t>((static_cast<std::size_t>(line) + 1) * stride_ +
                                      static_cast<std::size_t>(column) + 1);
  }
  std::int32_t& DemCell(IntGrid& dem, std::uint32_t cell) const {
    return dem[static_cast<int>(cell / stride_) - 1][static_cast<int>(cell % stride_) - 1];
  }
  bool Empty(std::uint32_t cell) const { return cells_[cell].layer > 0; }
  void MarkChanged(std::uint32_t cell) {
    cells_[cell].changed = 1;
    cells_[cell].layer = kUnreached;
    cells_[cell].zone = NoAltitude;
    changedCells_.push_back(cell);
  }
  // Visits the changed cells in any order: from their list when they are few, in scan
  // order when they are many, where memory is read in sequence.
  template <typename Visit>
  void ForEachChangedCell(Visit visit) {
    if (changedCells_.size() < cells_.size() / 16) {
      for (const std::uint32_t cell : changedCells_) visit(cell);
      return;
    }
    for (std::uint32_t cell = 0; cell < cells_.size(); ++cell) {
      if (cells_[cell].changed != 0) visit(cell);
    }
  }
  void MarkCellsNearTheFills();
  void ProposeFromUnchangedCells();
  void SettleLayers();
  void Propose(std::uint32_t cell, std::int32_t layer, std::int32_t zone) {
    if (layer < cells_[cell].layer) {
      cells_[cell].layer = layer;
      cells_[cell].zone = zone;
      if (byLayer_.size() <= static_cast<std::size_t>(layer)) byLayer_.resize(layer + 1);
      byLayer_[layer].push_back(cell);
    } else if (layer == cells_[cell].layer && zone < cells_[cell].zone) {
      cells_[cell].zone = zone;
    }
  }
  void ExtractLimit(IntGrid& dem, std::uint32_t cell);
  int ExtractLimits(IntGrid& dem);

  int lines_;
  int columns_;
  std::size_t stride_;
  std::array<std::ptrdiff_t, 4> cross_;
  std::array<std::ptrdiff_t, 4> diagonals_;
  std::array<std::ptrdiff_t, 8> window_;
  std::vector<ZoneCell> cells_;
  std::vector<std::uint32_t> changedCells_;
  // The cells filled by the last step.
  std::vector<std::uint32_t> fills_;
  // Changed cells waiting for their layer to be settled, by proposed layer.
  std::vector<std::vector<std::uint32_t>> byLayer_;
};

int ZoneGrowth::FirstStep(IntGrid& dem) {
  changedCells_.clear();
  for (int line = 0; line < lines_; ++line) {
    const std::int32_t* demLine = dem[line];
    for (int column = 0; column < columns_; ++column) {
      const std::uint32_t cell = At(line, column);
      cells_[cell].zone = demLine[column];
      cells_[cell].layer = 0;
      if (demLine[column] == NoAltitude) MarkChanged(cell);
    }
  }
  // Every cell with an altitude is unchanged here, and most cells have none: the few
  // with one make their proposals themselves.
  for (int line = 0; line < lines_; ++line) {
    for (std::uint32_t cell = At(line, 0), end = cell + columns_; cell < end; ++cell) {
      if (cells_[cell].changed != 0) continue;
      const std::int32_t zone = cells_[cell].zone;
      for (const std::ptrdiff_t offset : cross_) {
        if (cells_[cell + offset].changed != 0) Propose(cell + offset, 1, zone);
      }
      for (const std::ptrdiff_t offset : diagonals_) {
        if (cells_[cell + offset].changed != 0) Propose(cell + offset, 2, zone);
      }
    }
  }
  SettleLayers();
  return ExtractLimits(dem);
}

int ZoneGrowth::NextStep(IntGrid& dem) {
  for (const std::uint32_t cell : fills_) cells_[cell].zone = DemCell(dem, cell);
  changedCells_.clear();
  MarkCellsNearTheFills();
  ProposeFromUnchangedCells();
  SettleLayers();
  return ExtractLimits(dem);
}

// The empty cells that the new fills reach, layer after layer, no later than their
// former layer: a breadth-first walk from the fills that stops where the old zones were
// nearer. A diagonal neighbour of a fill needs no step of its own: the two cells it
// shares with the fill are either empty, and reached first, or carry an altitude, and
// then it had layer 1 or is itself beside a fill.
void ZoneGrowth::MarkCellsNearTheFills() {
  const auto reachable = [this](std::uint32_t cell, std::int32_t layer) {
    return cells_[cell].changed == 0 && cells_[cell].layer >= layer;
  };
  for (const std::uint32_t fill : fills_) {
    for (const std::ptrdiff_t offset : cross_) {
      if (reachable(fill + offset, 1)) MarkChanged(static_cast<std::uint32_t>(fill + offset));
    }
  }
  std::size_t begin = 0;
  std::size_t end = changedCells_.size();
  for (std::int32_t layer = 2; begin < end; ++layer) {
    for (std::size_t k = begin; k < end; ++k) {
      const std::uint32_t cell = changedCells_[k];
      for (const std::ptrdiff_t offset : window_) {
        if (reachable(cell + offset, layer)) MarkChanged(static_cast<std::uint32_t>(cell + offset));
      }
    }
    begin = end;
    end = changedCells_.size();
  }
}

// What the unchanged neighbours of the changed cells propose to them.
void ZoneGrowth::ProposeFromUnchangedCells() {
  ForEachChangedCell([this](std::uint32_t cell) {
    for (const std::ptrdiff_t offset : cross_) {
      const std::uint32_t neighbour = cell + offset;
      if (cells_[neighbour].changed == 0 && cells_[neighbour].layer >= 0) {
        Propose(cell, cells_[neighbour].layer + 1, cells_[neighbour].zone);
      }
    }
    for (const std::ptrdiff_t offset : diagonals_) {
      const std::uint32_t neighbour = cell + offset;
      if (cells_[neighbour].changed == 0 && cells_[neighbour].layer >= 0) {
        Propose(cell, cells_[neighbour].layer == 0 ? 2 : cells_[neighbour].layer + 1,
                cells_[neighbour].zone);
      }
    }
  });
}

// Layer by layer, what the settled changed cells propose to the others.
void ZoneGrowth::SettleLayers() {
  for (std::size_t layer = 1; layer < byLayer_.size(); ++layer) {
    // Proposals go to later layers only, so this layer's list does not grow meanwhile.
    for (std::size_t k = 0; k < byLayer_[layer].size(); ++k) {
      const std::uint32_t cell = byLayer_[layer][k];
      if (cells_[cell].layer != static_cast<std::int32_t>(layer)) continue;  // settled earlier
      // Only changed cells can take the proposal: an unchanged neighbour already has
      // this layer or a lower one, and if this layer, no higher zone, since a changed
      // cell is never the one it grew from.
      const std::int32_t zone = cells_[cell].zone;
      for (const std::ptrdiff_t offset : window_) {
        Propose(static_cast<std::uint32_t>(cell + offset), static_cast<std::int32_t>(layer) + 1,
                zone);
      }
    }
    byLayer_[layer].clear();
  }
}

// An empty cell takes the mean of its own zone and of a higher zone beside it; the
// neighbour looked at last (down, then right, left, up) decides which.
void ZoneGrowth::ExtractLimit(IntGrid& dem, std::uint32_t cell) {
  if (!Empty(cell)) return;
  const ZoneCell* around = &cells_[cell];
  const auto stride = static_cast<std::ptrdiff_t>(stride_);
  const std::int32_t own = around[0].zone;
  std::int32_t other;
  if (around[stride].zone > own) {
    other = around[stride].zone;
  } else if (around[1].zone > own) {
    other = around[1].zone;
  } else if (around[-1].zone > own) {
    other = around[-1].zone;
  } else if (around[-stride].zone > own) {
    other = around[-stride].zone;
  } else {
    return;
  }
  const auto limit =
      static_cast<std::int32_t>(static_cast<double>(std::int64_t{own} + other) * 0.5 + 0.5);
  if (limit == NoAltitude) return;
  DemCell(dem, cell) = limit;
  // Filled now; its zone stays as it is until the next step, since the other limits of
  // this step still read it.
  cells_[cell].layer = 0;
  fills_.push_back(cell);
}

int ZoneGrowth::ExtractLimits(IntGrid& dem) {
  fills_.clear();
  ForEachChangedCell([this, &dem](std::uint32_t cell) {
    ExtractLimit(dem, cell);
    // A changed neighbour has its own turn.
    for (const std::ptrdiff_t offset : cross_) {
      if (cells_[cell + offset].changed == 0) ExtractLimit(dem, cell + offset);
    }
  });
  for (const std::uint32_t cell : changedCells_) cells_[cell].changed = 0;
  return static_cast<int>(fills_.size());
}

void RequireIndexableSize(const IntGrid& dem) {
  const std::size_t framedCells =
      (static_cast<std::size_t>(dem.Lines()) + 2) * (static_cast<std::size_t>(dem.Columns()) + 2);
  if (framedCells > kMostCells) {
    throw Error("The DEM of " + std::to_string(dem.Lines()) + " lines x " +
                std::to_string(dem.Columns()) + " columns is too large to interpolate.");
  }
}

}  // namespace

void SeedDemGrid(SessionState& session, std::int32_t scaleInFactor, std::int32_t scaleOutFactor) {
  if (scaleInFactor == 0) {
    throw Error("The Dynamic Scale In unit is not chosen: the altitudes cannot be converted.");
  }
  const ByteGrid& codes = session.ContourImage;
  if (codes.Lines() != session.WorkLines || codes.Columns() != session.WorkColumns) {
    throw Error("The contour-line image of " + std::to_string(codes.Lines()) + " lines x " +
                std::to_string(codes.Columns()) + " columns does not match the working size of " +
                std::to_string(session.WorkLines) + " lines x " +
                std::to_string(session.WorkColumns) + " columns.");
  }
  std::array<std::int32_t, 256> seedOfCode;
  seedOfCode.fill(NoAltitude);
  const int lastCode = std::min(session.AltitudeCount, 255);
  for (int code = 1; code <= lastCode; ++code) {
    seedOfCode[code] = ConvertScale(session.AltitudeTable[code], scaleInFactor, scaleOutFactor);
  }
  IntGrid dem(session.WorkLines, session.WorkColumns, NoAltitude);
  std::transform(codes.Cells().begin(), codes.Cells().end(), dem.Cells().begin(),
                 [&seedOfCode](std::uint8_t code) { return seedOfCode[code]; });
  session.DemGrid = std::move(dem);
}

void DilationStep(SessionState& session) {
  RequireIndexableSize(session.DemGrid);
  ZoneGrowth growth(session.DemGrid.Lines(), session.DemGrid.Columns());
  session.DilationPassChanges = growth.FirstStep(session.DemGrid);
  // The growth passes always end with one that adds nothing.
  session.FillPassChanges = 0;
}

void DilateUntilStable(SessionState& session) {
  IntGrid& dem = session.DemGrid;
  RequireIndexableSize(dem);
  ZoneGrowth growth(dem.Lines(), dem.Columns());
  session.DilationPassChanges = growth.FirstStep(dem);
  while (session.DilationPassChanges > 0) session.DilationPassChanges = growth.NextStep(dem);
  session.FillPassChanges = 0;
}

void DilationInterpolation(SessionState& session) {
  session.DemMin = 1000000;
  session.DemMax = 0;
  DilateUntilStable(session);
  FillRemainingCells(session, FillSum::SinglePrecision);
  for (const std::int32_t value : session.DemGrid.Cells()) {
    session.DemMin = std::min(session.DemMin, value);
    session.DemMax = std::max(session.DemMax, value);
  }
}

}  // namespace zelmaro
