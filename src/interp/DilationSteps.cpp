// A dilation step grows the zones pass after pass: the first pass over the cross, the
// others over the 3 x 3 window, an empty cell taking the smallest zone among the
// neighbours filled before the pass. So the cells with an altitude and the empty cells
// beside them (the first pass) are all there before the window passes start, and from
// then on a cell is reached by the pass given by its chessboard distance to them, with
// the smallest zone among the nearest of them. A cell's distance and zone are kept as
// one key, distance first, so that the nearest with the smallest zone is the smallest
// key.
//
// Such keys follow exactly from two scans, one forward over the cells above and on the
// left, one backward over the cells below and on the right: every nearest cell lies at
// the end of a shortest path whose steps the forward scan makes first and the backward
// scan after. The limits between the zones then need only the zones of the four
// neighbours. The scans run in wavefront tiles, the limits line by line, and blocks of
// a line without an empty cell are passed over.
//
// The last steps of a large map fill a few cells each, and there are many of them.
// A step after such a step changes only the cells that the new altitudes are as near to
// as their old nearest cells: those are found from the new altitudes outward, computed
// again from their unchanged surroundings, and only they and their neighbours can
// receive a limit.
#include "interp/DilationSteps.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_reduce.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "interp/Dilation.h"
#include "interp/Wavefront.h"

namespace zelmaro {
namespace {

// A cell's key: its distance in the high bits, its zone in the low bits, coded so that
// the order of keys is the order of zones. Cells with an altitude and the empty cells
// beside them have distance 0. kFar marks a cell not reached yet, and the frame of one
// cell around the grid, which keeps the inner loops free of bounds tests: the frame is
// never the nearest, and its zone is no higher than any altitude, so it is never the
// higher side of a limit.
//
// Keys of 64 bits take any altitude.
struct WideKeys {
  using Key = std::uint64_t;
  static constexpr Key kStep = Key{1} << 32;
  static constexpr Key kFar = Key{1} << 62;

  Key Zone(std::int32_t zone) const { return static_cast<std::uint32_t>(zone) ^ 0x80000000u; }
  std::int32_t ZoneOf(Key key) const {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(key) ^ 0x80000000u);
  }
  static Key Distance(Key key) { return key >> 32; }
  static Key Further(Key key) { return key + kStep; }
};

// Keys of 32 bits, half the memory to read and write at every scan, where every altitude
// lies within 65535 of the lowest and every distance below 65533: a zone is coded from
// the lowest altitude, and every limit, a mean of two zones, stays between them. A key
// is never above kFar + kStep, so two more steps still fit.
struct NarrowKeys {
  using Key = std::uint32_t;
  static constexpr Key kStep = Key{1} << 16;
  static constexpr Key kFar = Key{0xFFFD} << 16;

  std::int32_t lowest = 0;
  Key Zone(std::int32_t zone) const { return static_cast<Key>(zone - lowest); }
  std::int32_t ZoneOf(Key key) const { return static_cast<std::int32_t>(key & 0xFFFF) + lowest; }
  static Key Distance(Key key) { return key >> 16; }
  // Not reached stays not reached, without overflow.
  static Key Further(Key key) { return std::min(key, kFar) + kStep; }
};

__extension__ using Wide = unsigned __int128;

// Empty cells are tracked by blocks of this many columns of one line.
constexpr int kBlockColumns = 64;
// Lines of the limit scan between two reports of progress.
constexpr int kLimitBatches = 16;
// A step after one that filled at most a 64th of the cells is tried from its fills, as
// long as the cells to compute again stay under an eighth of the grid.
constexpr std::size_t kFewFillsShare = 64;
constexpr std::size_t kFewCellsShare = 8;

}  // namespace

class DilationSteps::Engine {
 public:
  virtual ~Engine() = default;
  virtual int Step(PacedProgress& progress, double fraction) = 0;
};

namespace {

template <typename Coding>
class Zones final : public DilationSteps::Engine {
  using Key = typename Coding::Key;
  static constexpr Key kFar = Coding::kFar;

 public:
  Zones(IntGrid& dem, Coding coding)
      : coding_(coding),
        dem_(dem),
        lines_(dem.Lines()),
        columns_(dem.Columns()),
        stride_(static_cast<std::size_t>(columns_) + 2),
        blocksPerLine_((columns_ + kBlockColumns - 1) / kBlockColumns),
        wavefront_(lines_, columns_),
        keys_(lines_ + 2, columns_ + 2, kFar),
        pending_(static_cast<std::size_t>(lines_) * blocksPerLine_),
        previous_(pending_.size()),
        marks_((keys_.CellCount() + 63) / 64),
        inverseStride_(~std::uint64_t{0} / stride_ + 1) {
    cross_ = {-static_cast<std::ptrdiff_t>(stride_), -1, 1, static_cast<std::ptrdiff_t>(stride_)};
    const auto s = static_cast<std::ptrdiff_t>(stride_);
    window_ = {-s - 1, -s, -s + 1, -1, 1, s - 1, s, s + 1};
    const std::size_t filled = FlagEmptyBlocks(true);
    // Without a single altitude there is nothing to grow from: every step fills nothing.
    if (filled == 0) std::fill(pending_.begin(), pending_.end(), 0);
    active_ = filled > 0;
    previous_ = pending_;
  }

  int Step(PacedProgress& progress, double fraction) override {
    if (!active_) return 0;
    progress.Report(fraction);
    // The cells a fill may change lie about as far from it as it lay from its nearest
    // cells: fills made far out, in the first steps, change nearly everything.
    if (fillsKnown_ && fillsReach_ <= dem_.CellCount() / kFewCellsShare) {
      if (const std::optional<int> count = StepFromFills()) return Finish(*count);
      FlagEmptyBlocks(false);
      previous_ = pending_;
    }
    wavefront_.Run(progress, fraction, [this](int line, int begin, int end) {
      ForEachFlaggedRun(previous_, line, begin, end, false,
                        [this, line](int first, int last) { ForwardRun(line, first, last); });
    });
    wavefront_.Run(progress, fraction, [this](int passLine, int begin, int end) {
      const int line = lines_ - 1 - passLine;
      ForEachFlaggedRun(pending_, line, columns_ - end, columns_ - begin, true,
                        [this, line](int first, int last) { BackwardRun(line, first, last); });
    });
    return Finish(ExtractLimits(progress, fraction));
  }

 private:
  using Cells = std::vector<std::uint32_t>;

  int Finish(int count) {
    if (count == 0) active_ = false;
    return count;
  }

  Key SeedKey(std::int32_t value) const { return value == NoAltitude ? kFar : coding_.Zone(value); }
  Key* KeyLine(int line) { return keys_[line + 1] + 1; }
  std::uint32_t Framed(int line, int column) const {
    return static_cast<std::uint32_t>((static_cast<std::size_t>(line) + 1) * stride_ + column + 1);
  }
  // The DEM cell of a framed index, its line found by a multiplication: every framed
  // index is below 2^32 and so is the stride, where the rounded-up inverse gives the exact
  // quotient.
  std::int32_t& DemAt(std::uint32_t framed) {
    const auto line =
        static_cast<std::uint32_t>((static_cast<Wide>(framed) * inverseStride_) >> 64);
    return dem_.Data()[framed - (stride_ + 1) - 2 * (static_cast<std::size_t>(line) - 1)];
  }
  bool Marked(std::uint32_t cell) const { return (marks_[cell / 64] >> (cell % 64)) & 1; }
  void Mark(std::uint32_t cell) { marks_[cell / 64] |= std::uint64_t{1} << (cell % 64); }
  void Unmark(std::uint32_t cell) { marks_[cell / 64] &= ~(std::uint64_t{1} << (cell % 64)); }

  // Flags the blocks holding an empty cell; with `keys`, also gives every cell with an
  // altitude its key. Returns the number of cells with an altitude.
  std::size_t FlagEmptyBlocks(bool keys) {
    return tbb::parallel_reduce(
        tbb::blocked_range<int>(0, lines_), std::size_t{0},
        [this, keys](const tbb::blocked_range<int>& lines, std::size_t filled) {
          for (int line = lines.begin(); line < lines.end(); ++line) {
            const std::int32_t* values = dem_[line];
            Key* key = KeyLine(line);
            std::uint8_t* flags = &pending_[static_cast<std::size_t>(line) * blocksPerLine_];
            std::fill(flags, flags + blocksPerLine_, 0);
            for (int column = 0; column < columns_; ++column) {
              if (values[column] == NoAltitude) {
                flags[column / kBlockColumns] = 1;
              } else {
                if (keys) key[column] = coding_.Zone(values[column]);
                ++filled;
              }
            }
          }
          return filled;
        },
        [](std::size_t a, std::size_t b) { return a + b; });
  }

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

  // The forward scan, left to right: a cell with an altitude keeps its own key, an empty
  // cell beside one is reached by the first pass, any other takes the nearest of the
  // cells before it. Both are the smallest of three keys, since the keys of distance 0
  // lie below any other: the cell's own, the nearest of the line above one further,
  // and the key just given to the cell on its left one further. The first two are
  // worked out for the whole run before the chain along the line.
  void ForwardRun(int line, int first, int last) {
    const std::int32_t* values = dem_[line];
    const std::int32_t* up = line > 0 ? dem_[line - 1] : nullptr;
    const std::int32_t* down = line + 1 < lines_ ? dem_[line + 1] : nullptr;
    Key* key = KeyLine(line);
    const Key* keyUp = key - stride_;
    std::array<Key, kBlockColumns> own;
    for (int column = first; column < last; ++column) {
      Key cell = SeedKey(values[column]);
      if (cell == kFar) {
        if (up != nullptr) cell = std::min(cell, SeedKey(up[column]));
        if (column > 0) cell = std::min(cell, SeedKey(values[column - 1]));
        if (column + 1 < columns_) cell = std::min(cell, SeedKey(values[column + 1]));
        if (down != nullptr) cell = std::min(cell, SeedKey(down[column]));
      }
      const Key above = std::min(std::min(keyUp[column - 1], keyUp[column]), keyUp[column + 1]);
      own[column - first] = std::min(cell, Coding::Further(above));
    }
    // Along the line no saturation is needed: each key is at most its `own`.
    Key before = key[first - 1];
    for (int column = first; column < last; ++column) {
      before = std::min(own[column - first], before + Coding::kStep);
      key[column] = before;
    }
  }

  // The backward scan, right to left, from the cells below and on the right. Cells with
  // an altitude and the empty cells beside them keep their key, which lies below any
  // distance of 1.
  void BackwardRun(int line, int first, int last) {
    Key* key = KeyLine(line);
    const Key* keyDown = key + stride_;
    std::array<Key, kBlockColumns> own;
    for (int column = first; column < last; ++column) {
      const Key below =
          std::min(std::min(keyDown[column - 1], keyDown[column]), keyDown[column + 1]);
      own[column - first] = std::min(key[column], Coding::Further(below));
    }
    Key after = key[last];
    for (int column = last - 1; column >= first; --column) {
      after = std::min(own[column - first], after + Coding::kStep);
      key[column] = after;
    }
  }

  // An empty cell takes the mean of its own zone and of a higher zone beside it; the
  // neighbour looked at last (down, then right, left, up) decides which. Returns whether
  // it was filled.
  bool Limit(std::int32_t& value, const Key* key) const {
    const std::int32_t own = coding_.ZoneOf(key[0]);
    std::int32_t other;
    if (const std::int32_t down = coding_.ZoneOf(key[stride_]); down > own) {
      other = down;
    } else if (const std::int32_t right = coding_.ZoneOf(key[1]); right > own) {
      other = right;
    } else if (const std::int32_t left = coding_.ZoneOf(key[-1]); left > own) {
      other = left;
    } else if (const std::int32_t up = coding_.ZoneOf(*(key - stride_)); up > own) {
      other = up;
    } else {
      return false;
    }
    const auto limit =
        static_cast<std::int32_t>(static_cast<double>(std::int64_t{own} + other) * 0.5 + 0.5);
    if (limit == NoAltitude) return false;
    value = limit;
    return true;
  }

  // The limits of every flagged block, line by line. The blocks that keep an empty cell
  // are flagged for the next step, and the blocks of this step are kept, since the next
  // forward scan gives their new fills their keys. The fills are kept when they are few.
  int ExtractLimits(PacedProgress& progress, double fraction) {
    struct Found {
      long long fills = 0;
      std::size_t reach = 0;
      Cells cells;
    };
    const std::size_t mostKept = dem_.CellCount() / kFewFillsShare;
    std::vector<std::uint8_t>& next = previous_;
    long long total = 0;
    fills_.clear();
    fillsKnown_ = true;
    fillsReach_ = 0;
    ForEachBatch(lines_, kLimitBatches, progress, fraction, fraction, [&](int first, int last) {
      Found found = tbb::parallel_reduce(
          tbb::blocked_range<int>(first, last), Found{},
          [&](const tbb::blocked_range<int>& lines, Found found) {
            for (int line = lines.begin(); line < lines.end(); ++line) {
              std::int32_t* values = dem_[line];
              const Key* key = KeyLine(line);
              const std::size_t offset = static_cast<std::size_t>(line) * blocksPerLine_;
              for (int block = 0; block < blocksPerLine_; ++block) {
                bool stillEmpty = false;
                if (pending_[offset + block] != 0) {
                  const int end = std::min(columns_, (block + 1) * kBlockColumns);
                  for (int column = block * kBlockColumns; column < end; ++column) {
                    if (values[column] != NoAltitude) continue;
                    if (!Limit(values[column], key + column)) {
                      stillEmpty = true;
                      continue;
                    }
                    found.reach += Reach(key[column]);
                    if (++found.fills <= static_cast<long long>(mostKept)) {
                      found.cells.push_back(Framed(line, column));
                    }
                  }
                }
                next[offset + block] = stillEmpty ? 1 : 0;
              }
            }
            return found;
          },
          [](Found a, const Found& b) {
            a.fills += b.fills;
            a.reach += b.reach;
            a.cells.insert(a.cells.end(), b.cells.begin(), b.cells.end());
            return a;
          });
      total += found.fills;
      fillsReach_ += found.reach;
      if (fillsKnown_ && fills_.size() + found.cells.size() <= mostKept &&
          found.fills == static_cast<long long>(found.cells.size())) {
        fills_.insert(fills_.end(), found.cells.begin(), found.cells.end());
      } else {
        fillsKnown_ = false;
      }
    });
    std::swap(previous_, pending_);
    return static_cast<int>(total);
  }

  // A step from the fills of the last one. Nothing when the cells to compute again
  // turn out too many, and then no key or altitude has changed but the new fills'
  // keys, which the scans give again.
  std::optional<int> StepFromFills() {
    // The new altitudes and the empty cells beside them: distance 0 from now on.
    region_.clear();
    for (const std::uint32_t fill : fills_) {
      keys_.Data()[fill] = coding_.Zone(DemAt(fill));
      Mark(fill);
      region_.push_back(fill);
    }
    for (const std::uint32_t fill : fills_) {
      for (const std::ptrdiff_t offset : cross_) {
        const std::uint32_t cell = fill + offset;
        if (Frame(cell) || Marked(cell) || DemAt(cell) != NoAltitude) continue;
        Key beside = kFar;
        for (const std::ptrdiff_t around : cross_) {
          if (!Frame(cell + around)) beside = std::min(beside, SeedKey(DemAt(cell + around)));
        }
        keys_.Data()[cell] = beside;
        Mark(cell);
        region_.push_back(cell);
      }
    }
    const std::size_t sources = region_.size();
    if (!FindCellsNearer()) {
      for (const std::uint32_t cell : region_) Unmark(cell);
      return std::nullopt;
    }
    ComputeAgain(sources);
    // The limits, in the cells computed again and beside them.
    fills_.clear();
    fillsReach_ = 0;
    for (const std::uint32_t cell : region_) {
      LimitAt(cell);
      for (const std::ptrdiff_t offset : cross_) {
        if (!Marked(cell + offset)) LimitAt(cell + offset);
      }
    }
    for (const std::uint32_t cell : region_) Unmark(cell);
    return static_cast<int>(fills_.size());
  }

  bool Frame(std::uint32_t cell) const { return keys_.Data()[cell] == kFar; }

  void LimitAt(std::uint32_t cell) {
    if (Frame(cell)) return;
    std::int32_t& value = DemAt(cell);
    if (value != NoAltitude) return;
    if (!Limit(value, &keys_.Data()[cell])) return;
    fills_.push_back(cell);
    fillsReach_ += Reach(keys_.Data()[cell]);
  }

  // About how many cells a fill at this key may change: a band across it as wide as
  // twice its distance.
  static std::size_t Reach(Key key) {
    return 2 * static_cast<std::size_t>(Coding::Distance(key)) + 1;
  }

  // The empty cells the new sources are at least as near to as their old nearest cells,
  // layer after layer outward; false when they are too many.
  bool FindCellsNearer() {
    const std::size_t most = dem_.CellCount() / kFewCellsShare;
    std::size_t begin = 0;
    for (Key distance = 1; begin < region_.size(); ++distance) {
      const std::size_t end = region_.size();
      for (std::size_t k = begin; k < end; ++k) {
        for (const std::ptrdiff_t offset : window_) {
          const std::uint32_t cell = region_[k] + offset;
          // An old distance of 1 or more is that of an empty cell: the cells with an
          // altitude and those beside them have 0.
          if (Marked(cell) || Coding::Distance(keys_.Data()[cell]) < distance || Frame(cell))
            continue;
          Mark(cell);
          region_.push_back(cell);
        }
      }
      if (region_.size() > most) return false;
      begin = end;
    }
    return true;
  }

  // The keys of the cells found, from their unchanged neighbours and then from each
  // other, nearest first.
  void ComputeAgain(std::size_t sources) {
    byDistance_.assign(1, Cells(region_.begin(), region_.begin() + sources));
    for (std::size_t k = sources; k < region_.size(); ++k) {
      const std::uint32_t cell = region_[k];
      Key nearest = kFar;
      for (const std::ptrdiff_t offset : window_) {
        if (!Marked(cell + offset)) {
          nearest = std::min(nearest, Coding::Further(keys_.Data()[cell + offset]));
        }
      }
      keys_.Data()[cell] = nearest;
      Place(cell, nearest);
    }
    for (std::size_t distance = 0; distance < byDistance_.size(); ++distance) {
      for (std::size_t k = 0; k < byDistance_[distance].size(); ++k) {
        const std::uint32_t cell = byDistance_[distance][k];
        const Key key = keys_.Data()[cell];
        if (Coding::Distance(key) != distance) continue;  // placed again nearer
        for (const std::ptrdiff_t offset : window_) {
          const std::uint32_t next = cell + offset;
          const Key further = Coding::Further(key);
          if (!Marked(next) || further >= keys_.Data()[next]) continue;
          const bool nearer = Coding::Distance(further) < Coding::Distance(keys_.Data()[next]);
          keys_.Data()[next] = further;
          if (nearer) Place(next, further);
        }
      }
    }
  }

  void Place(std::uint32_t cell, Key key) {
    const Key distance = Coding::Distance(key);
    if (key >= kFar) return;
    if (byDistance_.size() <= distance) byDistance_.resize(distance + 1);
    byDistance_[distance].push_back(cell);
  }

  Coding coding_;
  IntGrid& dem_;
  int lines_;
  int columns_;
  std::size_t stride_;
  int blocksPerLine_;
  Wavefront wavefront_;
  Grid<Key> keys_;
  // Blocks holding an empty cell at the start of this step, and at the start of the
  // last one.
  std::vector<std::uint8_t> pending_;
  std::vector<std::uint8_t> previous_;
  bool active_ = true;
  // The cells the last step filled, when they were few.
  Cells fills_;
  bool fillsKnown_ = false;
  std::size_t fillsReach_ = 0;
  // The cells a step from the fills computes again, marked, and their keys by distance.
  std::vector<std::uint64_t> marks_;
  Cells region_;
  std::vector<Cells> byDistance_;
  std::uint64_t inverseStride_;
  std::array<std::ptrdiff_t, 4> cross_;
  std::array<std::ptrdiff_t, 8> window_;
};

// The lowest and highest altitude of a DEM, NoAltitude for none.
std::pair<std::int32_t, std::int32_t> AltitudeRange(const IntGrid& dem) {
  using Range = std::pair<std::int32_t, std::int32_t>;
  constexpr Range kNone{std::numeric_limits<std::int32_t>::max(),
                        std::numeric_limits<std::int32_t>::min()};
  const Range range = tbb::parallel_reduce(
      tbb::blocked_range<std::size_t>(0, dem.CellCount()), kNone,
      [&dem](const tbb::blocked_range<std::size_t>& cells, Range range) {
        for (std::size_t cell = cells.begin(); cell < cells.end(); ++cell) {
          const std::int32_t value = dem.Data()[cell];
          if (value == NoAltitude) continue;
          range.first = std::min(range.first, value);
          range.second = std::max(range.second, value);
        }
        return range;
      },
      [](Range a, Range b) {
        return Range{std::min(a.first, b.first), std::max(a.second, b.second)};
      });
  return range.first > range.second ? Range{NoAltitude, NoAltitude} : range;
}

}  // namespace

DilationSteps::DilationSteps(IntGrid& demGrid) {
  const auto [lowest, highest] = AltitudeRange(demGrid);
  const bool narrow = std::int64_t{highest} - lowest < 0xFFFF &&
                      std::max(demGrid.Lines(), demGrid.Columns()) < 0xFFFC;
  if (narrow) {
    engine_ = std::make_unique<Zones<NarrowKeys>>(demGrid, NarrowKeys{lowest});
  } else {
    engine_ = std::make_unique<Zones<WideKeys>>(demGrid, WideKeys{});
  }
}

DilationSteps::~DilationSteps() = default;

int DilationSteps::Step(PacedProgress& progress, double fraction) {
  return engine_->Step(progress, fraction);
}

}  // namespace zelmaro
