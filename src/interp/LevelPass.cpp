#include "interp/LevelPass.h"

#include <tbb/blocked_range.h>
#include <tbb/enumerable_thread_specific.h>
#include <tbb/parallel_for.h>
#include <tbb/parallel_reduce.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "core/Error.h"
#include "core/ProgressPacing.h"
#include "interp/LineDistances.h"

namespace zelmaro {
namespace {

// The distance a level pass uses when a line has no pixel at all.
constexpr double kNoLineDistance = 99999999.0;
// Lines are split into this many families (line number modulo it), each measured by one
// transform of the whole grid: the lines of one family lie at least that many levels
// apart, so a cell's nearest pixel of its family is nearly always on its own line.
constexpr int kLineFamilies = 3;
// lineOf of a cell that is no line pixel.
constexpr std::uint8_t kNoLine = 255;
// The squared distance to a line without pixels.
constexpr std::uint32_t kNoPixel = std::numeric_limits<std::uint32_t>::max();
// Lines between two reports of progress within a scan.
constexpr int kBatches = 32;

// What is known of a labelled cell's two distances: each is known (kept in the result
// grid until the other one is, then turned into the cell's value), or waits for the
// tree of its line.
enum Side { kLower = 0, kUpper = 1 };
constexpr std::uint8_t Known(int side) {
  return side == kLower ? 1 : 2;
}
constexpr std::uint8_t Waiting(int side) {
  return side == kLower ? 4 : 8;
}

class LevelPasses {
 public:
  LevelPasses(const IntGrid& dem, const ByteGrid& labels, const LevelTable& levels, IntGrid& result)
      : dem_(dem),
        labels_(labels),
        levels_(levels),
        result_(result),
        lines_(dem.Lines()),
        columns_(dem.Columns()),
        levelCount_(levels.LevelCount),
        lineOf_(lines_, columns_, kNoLine),
        state_(lines_, columns_, 0),
        pixelCount_(levelCount_ + 1, 0) {
    lowerFamily_.fill(-1);
    upperFamily_.fill(-1);
    for (int k = 1; k <= levelCount_; ++k) {
      lowerFamily_[k] = (k - 1) % kLineFamilies;
      upperFamily_[k] = k % kLineFamilies;
    }
  }

  void Run(const Progress& progress) {
    PacedProgress paced(progress);
    FindLinePixels(paced);
    Grid<std::uint16_t> nearestLine;
    for (int family = 0; family < kLineFamilies; ++family) {
      const double from = 0.05 + 0.25 * family;
      MeasureFamily(family, nearestLine, paced, from, from + 0.25);
    }
    nearestLine = Grid<std::uint16_t>();
    MeasureWaitingCells(paced);
    paced.ReportNow(0.9);
    GiveLinesTheirAltitude();
    paced.ReportNow(1.0);
  }

 private:
  // The line number t of an altitude Min' + t x I' of the table, kNoLine for any other.
  std::uint8_t LineOf(std::int32_t value) const {
    const std::int64_t steps = static_cast<std::int64_t>(value) - levels_.Minimum;
    if (steps % levels_.Interval != 0) return kNoLine;
    const std::int64_t t = steps / levels_.Interval;
    return t >= 0 && t <= levelCount_ ? static_cast<std::uint8_t>(t) : kNoLine;
  }

  void FindLinePixels(PacedProgress& progress) {
    using Counts = std::vector<std::size_t>;
    const Counts counts = tbb::parallel_reduce(
        tbb::blocked_range<int>(0, lines_), Counts(levelCount_ + 1, 0),
        [this](const tbb::blocked_range<int>& lines, Counts counts) {
          for (int line = lines.begin(); line < lines.end(); ++line) {
            const std::int32_t* values = dem_[line];
            std::uint8_t* t = lineOf_[line];
            for (int column = 0; column < columns_; ++column) {
              t[column] = LineOf(values[column]);
              if (t[column] != kNoLine) ++counts[t[column]];
            }
          }
          return counts;
        },
        [](Counts a, const Counts& b) {
          for (std::size_t t = 0; t < a.size(); ++t) a[t] += b[t];
          return a;
        });
    pixelCount_ = counts;
    progress.ReportNow(0.05);
  }

  double LevelValue(int k, std::uint32_t lowerSquared, std::uint32_t upperSquared) const {
    const auto distance = [](std::uint32_t squared) {
      return squared == kNoPixel ? kNoLineDistance : std::sqrt(static_cast<double>(squared));
    };
    const double di = distance(lowerSquared);
    const double ds = distance(upperSquared);
    return static_cast<double>(levels_.Interval) / (di + ds) * di + levels_.LevelLower[k];
  }

  // One distance of a cell is known: kept until the other one is, then the cell's value.
  void Settle(std::size_t cell, int side, std::uint32_t squared) {
    std::uint8_t& state = state_.Data()[cell];
    std::int32_t& result = result_.Data()[cell];
    if ((state & Known(1 - side)) != 0) {
      const auto other = std::bit_cast<std::uint32_t>(result);
      const int k = labels_.Data()[cell];
      result = static_cast<std::int32_t>(side == kLower ? LevelValue(k, squared, other)
                                                        : LevelValue(k, other, squared));
    } else {
      result = std::bit_cast<std::int32_t>(squared);
    }
    state = static_cast<std::uint8_t>(state | Known(side));
  }

  // The side of a label measured by a family's transform, and its line.
  bool SideOf(int family, int label, int& side, int& t) const {
    if (lowerFamily_[label] == family) {
      side = kLower;
      t = label - 1;
      return true;
    }
    if (upperFamily_[label] == family) {
      side = kUpper;
      t = label;
      return true;
    }
    return false;
  }

  struct LineWork {
    std::vector<std::int32_t> vertical;
    std::vector<std::int64_t> squared;
    std::vector<int> nearestColumn;
    LineEnvelope envelope;
  };

  // The distances to the lines of one family: taken from the family's transform where
  // the nearest pixel of the family lies on the line wanted; where it lies on another
  // line, the line wanted may be farther and the cell waits for the tree of its line.
  void MeasureFamily(int family, Grid<std::uint16_t>& nearestLine, PacedProgress& progress,
                     double from, double to) {
    std::array<bool, 256> marked{};
    bool anyPixel = false;
    for (int t = family; t <= levelCount_; t += kLineFamilies) {
      marked[t] = true;
      anyPixel = anyPixel || pixelCount_[t] > 0;
    }
    if (anyPixel) {
      if (nearestLine.Empty()) nearestLine = Grid<std::uint16_t>(lines_, columns_);
      NearestMarkedLines(lineOf_, marked, nearestLine);
    }
    progress.ReportNow(from + (to - from) * 0.3);
    tbb::enumerable_thread_specific<LineWork> work;
    ForEachBatch(lines_, kBatches, progress, from + (to - from) * 0.3, to,
                 [&](int first, int last) {
                   tbb::parallel_for(tbb::blocked_range<int>(first, last),
                                     [&](const tbb::blocked_range<int>& lines) {
                                       LineWork& local = work.local();
                                       for (int line = lines.begin(); line < lines.end(); ++line) {
                                         MeasureLine(family, line, nearestLine, local);
                                       }
                                     });
                 });
  }

  void MeasureLine(int family, int line, const Grid<std::uint16_t>& nearestLine, LineWork& work) {
    const std::uint8_t* labels = labels_[line];
    bool envelopeDone = false;
    for (int column = 0; column < columns_; ++column) {
      int side = kLower;
      int t = 0;
      if (!SideOf(family, labels[column], side, t)) continue;
      const std::size_t cell = static_cast<std::size_t>(line) * columns_ + column;
      if (pixelCount_[t] == 0) {
        Settle(cell, side, kNoPixel);
        continue;
      }
      if (!envelopeDone) {
        RunEnvelope(line, nearestLine, work);
        envelopeDone = true;
      }
      const int pixelColumn = work.nearestColumn[column];
      const int pixelLine = nearestLine[line][pixelColumn];
      if (lineOf_[pixelLine][pixelColumn] == t) {
        Settle(cell, side, static_cast<std::uint32_t>(work.squared[column]));
      } else {
        state_.Data()[cell] = static_cast<std::uint8_t>(state_.Data()[cell] | Waiting(side));
      }
    }
  }

  void RunEnvelope(int line, const Grid<std::uint16_t>& nearestLine, LineWork& work) const {
    constexpr std::int32_t kNone = std::numeric_limits<std::int32_t>::max();
    work.vertical.resize(columns_);
    work.squared.resize(columns_);
    work.nearestColumn.resize(columns_);
    const std::uint16_t* nearest = nearestLine[line];
    for (int column = 0; column < columns_; ++column) {
      work.vertical[column] =
          nearest[column] == kNoNearestLine ? kNone : std::abs(line - nearest[column]);
    }
    work.envelope.Run(work.vertical.data(), columns_, kNone, work.squared.data(),
                      work.nearestColumn.data());
  }

  // The cells whose nearest family pixel lay on another line, each measured alone
  // against the pixels of its own line.
  void MeasureWaitingCells(PacedProgress& progress) {
    using Cells = std::vector<std::uint32_t>;
    constexpr std::uint8_t kWaiting = Waiting(kLower) | Waiting(kUpper);
    const Cells waiting = tbb::parallel_reduce(
        tbb::blocked_range<std::size_t>(0, state_.CellCount()), Cells{},
        [this](const tbb::blocked_range<std::size_t>& cells, Cells found) {
          for (std::size_t cell = cells.begin(); cell < cells.end(); ++cell) {
            if ((state_.Data()[cell] & kWaiting) != 0) {
              found.push_back(static_cast<std::uint32_t>(cell));
            }
          }
          return found;
        },
        [](Cells a, const Cells& b) {
          a.insert(a.end(), b.begin(), b.end());
          return a;
        });
    if (waiting.empty()) return;
    std::vector<bool> needed(levelCount_ + 1, false);
    for (const std::uint32_t cell : waiting) {
      const int k = labels_.Data()[cell];
      if ((state_.Data()[cell] & Waiting(kLower)) != 0) needed[k - 1] = true;
      if ((state_.Data()[cell] & Waiting(kUpper)) != 0) needed[k] = true;
    }
    const std::vector<PixelTree> trees = BuildTrees(needed);
    // The queries of each line, in scan order, in pieces: each starts its search from
    // the nearest pixel of the cell before it, which is seldom far from its own.
    struct Query {
      std::uint32_t index;  // into `waiting`
      std::uint8_t side;
    };
    std::vector<std::vector<Query>> byLine(levelCount_ + 1);
    for (std::uint32_t index = 0; index < waiting.size(); ++index) {
      const std::uint8_t state = state_.Data()[waiting[index]];
      const int k = labels_.Data()[waiting[index]];
      if ((state & Waiting(kLower)) != 0) byLine[k - 1].push_back({index, kLower});
      if ((state & Waiting(kUpper)) != 0) byLine[k].push_back({index, kUpper});
    }
    std::vector<std::uint32_t> lowerSquared(waiting.size());
    std::vector<std::uint32_t> upperSquared(waiting.size());
    constexpr std::size_t kPiece = 256;
    for (int t = 0; t <= levelCount_; ++t) {
      const std::vector<Query>& queries = byLine[t];
      const std::size_t pieces = (queries.size() + kPiece - 1) / kPiece;
      tbb::parallel_for(std::size_t{0}, pieces, [&](std::size_t piece) {
        PixelTree::Point near = trees[t].Root();
        const std::size_t last = std::min(queries.size(), (piece + 1) * kPiece);
        for (std::size_t q = piece * kPiece; q < last; ++q) {
          const std::uint32_t cell = waiting[queries[q].index];
          const int line = static_cast<int>(cell / columns_);
          const int column = static_cast<int>(cell % columns_);
          near = trees[t].Nearest(line, column, near);
          const std::int64_t dl = line - near.line;
          const std::int64_t dc = column - near.column;
          (queries[q].side == kLower ? lowerSquared : upperSquared)[queries[q].index] =
              static_cast<std::uint32_t>(dl * dl + dc * dc);
        }
      });
      progress.Report(0.8 + 0.1 * t / levelCount_);
    }
    tbb::parallel_for(tbb::blocked_range<std::size_t>(0, waiting.size()),
                      [&](const tbb::blocked_range<std::size_t>& range) {
                        for (std::size_t index = range.begin(); index < range.end(); ++index) {
                          const std::uint32_t cell = waiting[index];
                          const std::uint8_t state = state_.Data()[cell];
                          if ((state & Waiting(kLower)) != 0) {
                            Settle(cell, kLower, lowerSquared[index]);
                          }
                          if ((state & Waiting(kUpper)) != 0) {
                            Settle(cell, kUpper, upperSquared[index]);
                          }
                        }
                      });
  }

  std::vector<PixelTree> BuildTrees(const std::vector<bool>& needed) const {
    std::vector<std::size_t> start(levelCount_ + 2, 0);
    for (int t = 0; t <= levelCount_; ++t) {
      start[t + 1] = start[t] + (needed[t] ? pixelCount_[t] : 0);
    }
    std::vector<std::uint32_t> pixels(start[levelCount_ + 1]);
    std::vector<std::size_t> next(start.begin(), start.end() - 1);
    const std::uint8_t* t = lineOf_.Data();
    for (std::size_t cell = 0; cell < lineOf_.CellCount(); ++cell) {
      if (t[cell] != kNoLine && needed[t[cell]]) {
        pixels[next[t[cell]]++] = static_cast<std::uint32_t>(cell);
      }
    }
    std::vector<PixelTree> trees(levelCount_ + 1);
    tbb::parallel_for(0, levelCount_ + 1, [&](int line) {
      if (needed[line]) {
        trees[line].Build(pixels.data() + start[line], start[line + 1] - start[line], columns_);
      }
    });
    return trees;
  }

  // Then each lower line takes its altitude, in level order: a cell of a later level
  // keeps its own value.
  void GiveLinesTheirAltitude() {
    tbb::parallel_for(tbb::blocked_range<std::size_t>(0, lineOf_.CellCount()),
                      [this](const tbb::blocked_range<std::size_t>& cells) {
                        for (std::size_t cell = cells.begin(); cell < cells.end(); ++cell) {
                          const int t = lineOf_.Data()[cell];
                          if (t >= levelCount_) continue;
                          const int k = labels_.Data()[cell];
                          if (k >= t + 2 && k <= levelCount_) continue;
                          result_.Data()[cell] = levels_.LevelLower[t + 1];
                        }
                      });
  }

  const IntGrid& dem_;
  const ByteGrid& labels_;
  const LevelTable& levels_;
  IntGrid& result_;
  int lines_;
  int columns_;
  int levelCount_;
  ByteGrid lineOf_;  // the line number of every line pixel, kNoLine elsewhere
  ByteGrid state_;   // Known and Waiting of every labelled cell
  std::vector<std::size_t> pixelCount_;
  // The family measuring the lower and the upper distance of each label, -1 for none.
  std::array<int, 256> lowerFamily_;
  std::array<int, 256> upperFamily_;
};

void CheckDistanceRange(int lines, int columns) {
  const std::int64_t diagonal = static_cast<std::int64_t>(lines - 1) * (lines - 1) +
                                static_cast<std::int64_t>(columns - 1) * (columns - 1);
  if (lines >= kNoNearestLine || diagonal >= static_cast<std::int64_t>(kNoPixel)) {
    throw Error("An image of " + std::to_string(lines) + " lines x " + std::to_string(columns) +
                " columns is too large for the linear interpolation: distances across it are "
                "measured in squares of 32 bits (at most 46341 lines and columns).");
  }
}

}  // namespace

void RunLevelPasses(const IntGrid& demGrid, const ByteGrid& linearCodeImage,
                    const LevelTable& levels, IntGrid& linearResultGrid, const Progress& progress) {
  if (levels.LevelCount <= 0 || demGrid.Empty()) return;
  CheckDistanceRange(demGrid.Lines(), demGrid.Columns());
  LevelPasses(demGrid, linearCodeImage, levels, linearResultGrid).Run(progress);
}

}  // namespace zelmaro
