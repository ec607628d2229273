// A dilation step grows the zones pass after pass: the first pass over the cross, the
// others over the 3 x 3 window, an empty cell taking the smallest zone among the
// neighbours filled before the pass. So the cells with an altitude and the empty cells
// beside them (the first pass) are all there before the window passes start, and from
// then on a cell is reached by the pass given by its chessboard distance to them, with
// the smallest zone among the nearest of them. Such a distance and zone follow exactly
// from two scans, one forward over the cells above and on the left, one backward over
// the cells below and on the right: every nearest cell lies at the end of a shortest path
// whose steps the forward scan makes first and the backward scan after. The limits
// between the zones then need only the zones of the four neighbours.
//
// The scans run in parallelogram tiles along a wavefront, so that every cell is
// computed after the cells it reads, whatever the number of threads; the limits are
// line by line. Blocks of a line without an empty cell are passed over.
#include "interp/DilationSteps.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>
#include <tbb/parallel_reduce.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "interp/Dilation.h"

namespace zelmaro {

class DilationSteps::Engine {
 public:
  virtual ~Engine() = default;
  virtual int Step(PacedProgress& progress, double fraction) = 0;
  virtual double RemainingShare() const = 0;
};

namespace {

// Empty cells are tracked by blocks of this many columns of one line.
constexpr int kBlockColumns = 64;
// The zones and distances have a frame of one cell around the grid so that the inner
// loops need no bounds tests: the frame is never the nearest, and its zone lies below
// every altitude, so it is never the higher side of a limit.
constexpr std::int32_t kFrameZone = std::numeric_limits<std::int32_t>::min();
// Lines of the limit scan between two reports of progress.
constexpr int kLimitBatches = 16;

// Tiles of a scan in which a cell reads the cell before it on its line and the three
// cells of the line before. Each line of a tile starts one column further left than
// the line above it, so a tile reads only itself, the tile before it on its band and
// two tiles of the band above: the tiles of one diagonal of the wavefront (2 x band +
// tile) are independent, and the diagonals run in order.
class Wavefront {
 public:
  Wavefront(int lines, int columns) : lines_(lines), columns_(columns) {
    width_ = std::clamp((columns + 15) / 16, 8, 256);
    height_ = std::clamp((lines + 15) / 16, 1, std::min(width_, 32));
    bands_ = (lines + height_ - 1) / height_;
    tiles_ = (columns + height_ - 1 + width_ - 1) / width_;
  }

  // span(line, begin, end) for the columns [begin, end) of each line of the scan, in
  // scan coordinates: line 0 is the first line the scan visits, column 0 its first.
  template <typename Span>
  void Run(PacedProgress& progress, double fraction, const Span& span) const {
    if (lines_ == 0 || columns_ == 0) return;
    const int lastDiagonal = 2 * (bands_ - 1) + tiles_ - 1;
    for (int diagonal = 0; diagonal <= lastDiagonal; ++diagonal) {
      const int firstBand = std::max(0, (diagonal - tiles_ + 2) / 2);
      const int lastBand = std::min(bands_ - 1, diagonal / 2);
      tbb::parallel_for(firstBand, lastBand + 1,
                        [&](int band) { RunTile(band, diagonal - 2 * band, span); });
      progress.Report(fraction);
    }
  }

 private:
  template <typename Span>
  void RunTile(int band, int tile, const Span& span) const {
    for (int k = 0; k < height_; ++k) {
      const int line = band * height_ + k;
      if (line >= lines_) return;
      const int begin = std::max(0, tile * width_ - k);
      const int end = std::min(columns_, (tile + 1) * width_ - k);
      if (begin < end) span(line, begin, end);
    }
  }

  int lines_;
  int columns_;
  int width_ = 1;
  int height_ = 1;
  int bands_ = 0;
  int tiles_ = 0;
};

// The nearest of several candidates, the smallest zone among equals.
template <typename Distance>
struct Nearest {
  Distance distance = std::numeric_limits<Distance>::max();
  std::int32_t zone = kFrameZone;

  void Take(Distance candidate, std::int32_t candidateZone) {
    if (candidate < distance) {
      distance = candidate;
      zone = candidateZone;
    } else if (candidate == distance && candidateZone < zone) {
      zone = candidateZone;
    }
  }
};

// Distances fit 16 bits on any grid of fewer than 65535 lines and columns.
template <typename Distance>
class Zones final : public DilationSteps::Engine {
  static constexpr Distance kFar = std::numeric_limits<Distance>::max();

 public:
  explicit Zones(IntGrid& dem)
      : dem_(dem),
        lines_(dem.Lines()),
        columns_(dem.Columns()),
        blocksPerLine_((columns_ + kBlockColumns - 1) / kBlockColumns),
        wavefront_(lines_, columns_),
        noAltitudeLine_(static_cast<std::size_t>(columns_), NoAltitude),
        zone_(lines_ + 2, columns_ + 2, kFrameZone),
        distance_(lines_ + 2, columns_ + 2, kFar),
        pending_(static_cast<std::size_t>(lines_) * blocksPerLine_),
        previous_(pending_.size()) {
    struct Counts {
      std::size_t filled = 0;
      std::size_t blocks = 0;
    };
    const Counts counts = tbb::parallel_reduce(
        tbb::blocked_range<int>(0, lines_), Counts{},
        [this](const tbb::blocked_range<int>& lines, Counts counts) {
          for (int line = lines.begin(); line < lines.end(); ++line) {
            const std::int32_t* values = dem_[line];
            std::int32_t* zone = ZoneLine(line);
            Distance* distance = DistanceLine(line);
            std::uint8_t* flags = &pending_[static_cast<std::size_t>(line) * blocksPerLine_];
            for (int column = 0; column < columns_; ++column) {
              zone[column] = values[column];
              if (values[column] == NoAltitude) {
                flags[column / kBlockColumns] = 1;
              } else {
                distance[column] = 0;
                ++counts.filled;
              }
            }
            for (int block = 0; block < blocksPerLine_; ++block) counts.blocks += flags[block];
          }
          return counts;
        },
        [](Counts a, Counts b) {
          return Counts{a.filled + b.filled, a.blocks + b.blocks};
        });
    // Without a single altitude there is nothing to grow from: every step fills nothing.
    if (counts.filled == 0) std::fill(pending_.begin(), pending_.end(), 0);
    activeBlocks_ = counts.filled == 0 ? 0 : counts.blocks;
    startBlocks_ = std::max<std::size_t>(activeBlocks_, 1);
    previous_ = pending_;
  }

  int Step(PacedProgress& progress, double fraction) override {
    if (activeBlocks_ == 0) return 0;
    wavefront_.Run(progress, fraction, [this](int line, int begin, int end) {
      ForEachFlaggedRun(previous_, line, begin, end, false,
                        [this, line](int first, int last) { ForwardRun(line, first, last); });
    });
    wavefront_.Run(progress, fraction, [this](int passLine, int begin, int end) {
      const int line = lines_ - 1 - passLine;
      ForEachFlaggedRun(pending_, line, columns_ - end, columns_ - begin, true,
                        [this, line](int first, int last) { BackwardRun(line, first, last); });
    });
    return ExtractLimits(progress, fraction);
  }

  double RemainingShare() const override {
    return static_cast<double>(activeBlocks_) / static_cast<double>(startBlocks_);
  }

 private:
  std::int32_t* ZoneLine(int line) { return zone_[line + 1] + 1; }
  Distance* DistanceLine(int line) { return distance_[line + 1] + 1; }

  // visit(first, last) over the parts of the columns [begin, end) of a line that lie in
  // flagged blocks, from the left, or from the right for a backward scan.
  template <typename Visit>
  void ForEachFlaggedRun(const std::vector<std::uint8_t>& flags, int line, int begin, int end,
                         bool backward, const Visit& visit) const {
    const std::uint8_t* lineFlags = &flags[static_cast<std::size_t>(line) * blocksPerLine_];
    const int firstBlock = begin / kBlockColumns;
    const int lastBlock = (end - 1) / kBlockColumns;
    for (int k = 0; k <= lastBlock - firstBlock; ++k) {
      const int block = backward ? lastBlock - k : firstBlock + k;
      if (lineFlags[block] == 0) continue;
      visit(std::max(begin, block * kBlockColumns), std::min(end, (block + 1) * kBlockColumns));
    }
  }

  // The forward scan, left to right: cells filled by the last step take their own zone;
  // an empty cell beside one with an altitude is reached by the first pass; any other
  // takes the nearest of the cells before it.
  void ForwardRun(int line, int first, int last) {
    const std::int32_t* values = dem_[line];
    const std::int32_t* up = line > 0 ? dem_[line - 1] : noAltitudeLine_.data();
    const std::int32_t* down = line + 1 < lines_ ? dem_[line + 1] : noAltitudeLine_.data();
    std::int32_t* zone = ZoneLine(line);
    Distance* distance = DistanceLine(line);
    const std::int32_t* zoneUp = zone - zone_.Columns();
    const Distance* distanceUp = distance - distance_.Columns();
    for (int column = first; column < last; ++column) {
      if (values[column] != NoAltitude) {
        zone[column] = values[column];
        distance[column] = 0;
        continue;
      }
      bool beside = false;
      std::int32_t smallest = 0;
      const auto besideValue = [&](std::int32_t value) {
        if (value == NoAltitude) return;
        if (!beside || value < smallest) smallest = value;
        beside = true;
      };
      besideValue(up[column]);
      if (column > 0) besideValue(values[column - 1]);
      if (column + 1 < columns_) besideValue(values[column + 1]);
      besideValue(down[column]);
      if (beside) {
        zone[column] = smallest;
        distance[column] = 0;
        continue;
      }
      Nearest<Distance> nearest;
      nearest.Take(distanceUp[column - 1], zoneUp[column - 1]);
      nearest.Take(distanceUp[column], zoneUp[column]);
      nearest.Take(distanceUp[column + 1], zoneUp[column + 1]);
      nearest.Take(distance[column - 1], zone[column - 1]);
      distance[column] = nearest.distance == kFar ? kFar : nearest.distance + 1;
      zone[column] = nearest.zone;
    }
  }

  // The backward scan, right to left over the columns [first, last), from the cells
  // below and on the right.
  void BackwardRun(int line, int first, int last) {
    const std::int32_t* values = dem_[line];
    std::int32_t* zone = ZoneLine(line);
    Distance* distance = DistanceLine(line);
    const std::int32_t* zoneDown = zone + zone_.Columns();
    const Distance* distanceDown = distance + distance_.Columns();
    for (int column = last - 1; column >= first; --column) {
      if (values[column] != NoAltitude || distance[column] == 0) continue;
      Nearest<Distance> nearest;
      nearest.Take(distanceDown[column + 1], zoneDown[column + 1]);
      nearest.Take(distanceDown[column], zoneDown[column]);
      nearest.Take(distanceDown[column - 1], zoneDown[column - 1]);
      nearest.Take(distance[column + 1], zone[column + 1]);
      if (nearest.distance == kFar) continue;
      const Distance through = nearest.distance + 1;
      if (through < distance[column]) {
        distance[column] = through;
        zone[column] = nearest.zone;
      } else if (through == distance[column] && nearest.zone < zone[column]) {
        zone[column] = nearest.zone;
      }
    }
  }

  // An empty cell takes the mean of its own zone and of a higher zone beside it; the
  // neighbour looked at last (down, then right, left, up) decides which. Returns the
  // number of cells filled; `stillEmpty` tells whether any cell stays empty.
  int LimitRun(int line, int first, int last, bool& stillEmpty) {
    std::int32_t* values = dem_[line];
    const std::int32_t* zone = ZoneLine(line);
    const std::int32_t* zoneUp = zone - zone_.Columns();
    const std::int32_t* zoneDown = zone + zone_.Columns();
    int fills = 0;
    for (int column = first; column < last; ++column) {
      if (values[column] != NoAltitude) continue;
      const std::int32_t own = zone[column];
      std::int32_t other;
      if (zoneDown[column] > own) {
        other = zoneDown[column];
      } else if (zone[column + 1] > own) {
        other = zone[column + 1];
      } else if (zone[column - 1] > own) {
        other = zone[column - 1];
      } else if (zoneUp[column] > own) {
        other = zoneUp[column];
      } else {
        stillEmpty = true;
        continue;
      }
      const auto limit =
          static_cast<std::int32_t>(static_cast<double>(std::int64_t{own} + other) * 0.5 + 0.5);
      if (limit == NoAltitude) {
        stillEmpty = true;
        continue;
      }
      values[column] = limit;
      ++fills;
    }
    return fills;
  }

  // The limits of every flagged block, line by line; the blocks that keep an empty cell
  // are flagged for the next step, and the blocks of this step are kept, since the
  // next forward scan gives their new fills their zone.
  int ExtractLimits(PacedProgress& progress, double fraction) {
    struct Counts {
      long long fills = 0;
      std::size_t blocks = 0;
    };
    Counts total;
    std::vector<std::uint8_t>& next = previous_;
    ForEachBatch(lines_, kLimitBatches, progress, fraction, fraction, [&](int first, int last) {
      const Counts counts = tbb::parallel_reduce(
          tbb::blocked_range<int>(first, last), Counts{},
          [&](const tbb::blocked_range<int>& lines, Counts counts) {
            for (int line = lines.begin(); line < lines.end(); ++line) {
              const std::size_t offset = static_cast<std::size_t>(line) * blocksPerLine_;
              for (int block = 0; block < blocksPerLine_; ++block) {
                bool stillEmpty = false;
                if (pending_[offset + block] != 0) {
                  counts.fills +=
                      LimitRun(line, block * kBlockColumns,
                               std::min(columns_, (block + 1) * kBlockColumns), stillEmpty);
                }
                next[offset + block] = stillEmpty ? 1 : 0;
                counts.blocks += stillEmpty ? 1 : 0;
              }
            }
            return counts;
          },
          [](Counts a, Counts b) {
            return Counts{a.fills + b.fills, a.blocks + b.blocks};
          });
      total.fills += counts.fills;
      total.blocks += counts.blocks;
    });
    std::swap(previous_, pending_);
    activeBlocks_ = total.blocks;
    return static_cast<int>(total.fills);
  }

  IntGrid& dem_;
  int lines_;
  int columns_;
  int blocksPerLine_;
  Wavefront wavefront_;
  std::vector<std::int32_t> noAltitudeLine_;
  IntGrid zone_;
  Grid<Distance> distance_;
  // Blocks holding an empty cell at the start of this step, and at the start of the
  // last one.
  std::vector<std::uint8_t> pending_;
  std::vector<std::uint8_t> previous_;
  std::size_t activeBlocks_ = 0;
  std::size_t startBlocks_ = 1;
};

}  // namespace

DilationSteps::DilationSteps(IntGrid& demGrid) {
  if (std::max(demGrid.Lines(), demGrid.Columns()) < std::numeric_limits<std::uint16_t>::max()) {
    engine_ = std::make_unique<Zones<std::uint16_t>>(demGrid);
  } else {
    engine_ = std::make_unique<Zones<std::uint32_t>>(demGrid);
  }
}

DilationSteps::~DilationSteps() = default;

int DilationSteps::Step(PacedProgress& progress, double fraction) {
  return engine_->Step(progress, fraction);
}

double DilationSteps::RemainingShare() const {
  return engine_->RemainingShare();
}

}  // namespace zelmaro
