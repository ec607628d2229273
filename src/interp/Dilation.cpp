#include "interp/Dilation.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "core/Error.h"
#include "core/ScaleDialogs.h"

namespace zelmaro {
namespace {

// Cells are numbered in 32 bits to keep the queue small.
constexpr std::size_t kMostCells = std::numeric_limits<std::uint32_t>::max();

// The zones are kept with a one-cell frame around the grid so that the inner loops need
// no bounds tests. The frame is never empty, so nothing grows into it, and it is lower
// than any altitude, so it never stands on the higher side of a limit.
constexpr std::int32_t kFrame = std::numeric_limits<std::int32_t>::min();

// What one dilation step needs besides the DEM, allocated once for all the steps of an
// interpolation.
class GrowthWorkspace {
 public:
  GrowthWorkspace(int lines, int columns)
      : lines_(lines),
        columns_(columns),
        stride_(static_cast<std::size_t>(columns) + 2),
        zone_((static_cast<std::size_t>(lines) + 2) * stride_, kFrame),
        pending_(zone_.size(), NoAltitude) {
    // Every cell enters the queue at most once per step, so this is its final size.
    queue_.reserve(static_cast<std::size_t>(lines) * static_cast<std::size_t>(columns));
  }

  int Step(IntGrid& dem);
  int LastGrowthPassAdditions() const { return lastGrowthPassAdditions_; }

 private:
  std::uint32_t At(int line, int column) const {
    return static_cast<std::uint32_t>((static_cast<std::size_t>(line) + 1) * stride_ +
                                      static_cast<std::size_t>(column) + 1);
  }
  void LoadZones(const IntGrid& dem);
  void QueueZoneEdges();
  template <std::size_t NeighbourCount>
  std::size_t GrowthPass(std::size_t begin, std::size_t end,
                         const std::array<std::ptrdiff_t, NeighbourCount>& offsets);
  int ExtractLimits(IntGrid& dem) const;

  int lines_;
  int columns_;
  std::size_t stride_;
  std::vector<std::int32_t> zone_;
  // The value an empty cell will take at the end of the current pass: the smallest
  // of its neighbours reached so far.
  std::vector<std::int32_t> pending_;
  // The cells of the zones in the order they were reached, pass after pass, so that
  // each pass reads only the cells the previous one added.
  std::vector<std::uint32_t> queue_;
  int lastGrowthPassAdditions_ = 0;
};

void GrowthWorkspace::LoadZones(const IntGrid& dem) {
  for (int line = 0; line < lines_; ++line) {
    std::memcpy(&zone_[At(line, 0)], dem[line], static_cast<std::size_t>(columns_) * 4);
    std::fill_n(&pending_[At(line, 0)], columns_, NoAltitude);
  }
}

// The zones grow only from their edges: a filled cell with no empty neighbour can
// never give its value to anyone.
void GrowthWorkspace::QueueZoneEdges() {
  queue_.clear();
  const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(stride_);
  for (int line = 0; line < lines_; ++line) {
    for (std::uint32_t cell = At(line, 0), end = cell + columns_; cell < end; ++cell) {
      if (zone_[cell] == NoAltitude) continue;
      const std::int32_t* around = &zone_[cell];
      if (around[-stride - 1] == NoAltitude || around[-stride] == NoAltitude ||
          around[-stride + 1] == NoAltitude || around[-1] == NoAltitude ||
          around[1] == NoAltitude || around[stride - 1] == NoAltitude ||
          around[stride] == NoAltitude || around[stride + 1] == NoAltitude) {
        queue_.push_back(cell);
      }
    }
  }
}

// Every cell of queue_[begin, end) offers its value to its empty neighbours; a
// neighbour keeps the smallest offer. The offers go to pending_ so that the pass reads
// the zones as they were before it; they enter the zones once the pass is over.
// Returns the number of cells added, appended to the queue.
template <std::size_t NeighbourCount>
std::size_t GrowthWorkspace::GrowthPass(std::size_t begin, std::size_t end,
                                        const std::array<std::ptrdiff_t, NeighbourCount>& offsets) {
  const std::size_t firstAdded = queue_.size();
  for (std::size_t k = begin; k < end; ++k) {
    const std::uint32_t cell = queue_[k];
    const std::int32_t value = zone_[cell];
    for (const std::ptrdiff_t offset : offsets) {
      const auto neighbour = static_cast<std::uint32_t>(cell + offset);
      if (zone_[neighbour] != NoAltitude) continue;
      std::int32_t& offer = pending_[neighbour];
      if (offer == NoAltitude) {
        offer = value;
        queue_.push_back(neighbour);
      } else if (value < offer) {
        offer = value;
      }
    }
  }
  for (std::size_t k = firstAdded; k < queue_.size(); ++k) {
    zone_[queue_[k]] = pending_[queue_[k]];
  }
  return queue_.size() - firstAdded;
}

// A cell still empty in the DEM takes the mean of its own zone and of a higher zone
// beside it; the neighbour looked at last (down, then right, left, up) decides which.
int GrowthWorkspace::ExtractLimits(IntGrid& dem) const {
  const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(stride_);
  int filled = 0;
  for (int line = 0; line < lines_; ++line) {
    std::int32_t* demLine = dem[line];
    const std::int32_t* zone = &zone_[At(line, 0)];
    for (int column = 0; column < columns_; ++column, ++zone) {
      if (demLine[column] != NoAltitude) continue;
      const std::int32_t own = zone[0];
      std::int32_t other;
      if (zone[stride] > own) {
        other = zone[stride];
      } else if (zone[1] > own) {
        other = zone[1];
      } else if (zone[-1] > own) {
        other = zone[-1];
      } else if (zone[-stride] > own) {
        other = zone[-stride];
      } else {
        continue;
      }
      const auto limit =
          static_cast<std::int32_t>(static_cast<double>(std::int64_t{own} + other) * 0.5 + 0.5);
      if (limit == NoAltitude) continue;
      demLine[column] = limit;
      ++filled;
    }
  }
  return filled;
}

int GrowthWorkspace::Step(IntGrid& dem) {
  LoadZones(dem);
  QueueZoneEdges();
  const std::ptrdiff_t s = static_cast<std::ptrdiff_t>(stride_);
  const std::array<std::ptrdiff_t, 4> cross{-s, -1, 1, s};
  const std::array<std::ptrdiff_t, 8> square{-s - 1, -s, -s + 1, -1, 1, s - 1, s, s + 1};

  // The first pass grows over the cross, the following ones over the whole window. The
  // second pass starts again from the original edges as well, whose diagonal neighbours
  // the cross did not reach; after it, only the cells added last can reach empty ones.
  GrowthPass(0, queue_.size(), cross);
  std::size_t added = GrowthPass(0, queue_.size(), square);
  while (added > 0) added = GrowthPass(queue_.size() - added, queue_.size(), square);
  lastGrowthPassAdditions_ = static_cast<int>(added);
  return ExtractLimits(dem);
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
  GrowthWorkspace workspace(session.DemGrid.Lines(), session.DemGrid.Columns());
  session.DilationPassChanges = workspace.Step(session.DemGrid);
  session.FillPassChanges = workspace.LastGrowthPassAdditions();
}

void DilationInterpolation(SessionState& session) {
  session.DemMin = 1000000;
  session.DemMax = 0;
  IntGrid& dem = session.DemGrid;
  RequireIndexableSize(dem);
  {
    GrowthWorkspace workspace(dem.Lines(), dem.Columns());
    session.DilationPassChanges = 1;
    while (session.DilationPassChanges > 0) {
      session.DilationPassChanges = workspace.Step(dem);
      session.FillPassChanges = workspace.LastGrowthPassAdditions();
    }
  }
  FillRemainingCells(session, FillSum::SinglePrecision);
  for (const std::int32_t value : dem.Cells()) {
    session.DemMin = std::min(session.DemMin, value);
    session.DemMax = std::max(session.DemMax, value);
  }
}

}  // namespace zelmaro
