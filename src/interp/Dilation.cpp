#include "interp/Dilation.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>
#include <tbb/parallel_reduce.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/Error.h"
#include "core/ProgressPacing.h"
#include "core/Units.h"
#include "interp/DilationSteps.h"

namespace zelmaro {
namespace {

// Shares of the dilation interpolation's progress: the steps, the final fill, the range.
constexpr double kStepsShare = 0.85;
constexpr double kFillShare = 0.97;

// The cells without altitude when an interpolation starts, one bit each: a cancelled
// interpolation, which only ever fills such cells, empties them again.
class EmptyCells {
 public:
  explicit EmptyCells(const IntGrid& dem) : words_((dem.CellCount() + 63) / 64) {
    const std::int32_t* cells = dem.Data();
    const std::size_t count = dem.CellCount();
    tbb::parallel_for(tbb::blocked_range<std::size_t>(0, words_.size()),
                      [&](const tbb::blocked_range<std::size_t>& words) {
                        for (std::size_t word = words.begin(); word < words.end(); ++word) {
                          std::uint64_t bits = 0;
                          const std::size_t first = word * 64;
                          const std::size_t last = std::min(count, first + 64);
                          for (std::size_t cell = first; cell < last; ++cell) {
                            if (cells[cell] == NoAltitude)
                              bits |= std::uint64_t{1} << (cell - first);
                          }
                          words_[word] = bits;
                        }
                      });
  }

  void Restore(IntGrid& dem) const {
    std::int32_t* cells = dem.Data();
    tbb::parallel_for(tbb::blocked_range<std::size_t>(0, words_.size()),
                      [&](const tbb::blocked_range<std::size_t>& words) {
                        for (std::size_t word = words.begin(); word < words.end(); ++word) {
                          for (std::uint64_t bits = words_[word]; bits != 0; bits &= bits - 1) {
                            cells[word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits))] =
                                NoAltitude;
                          }
                        }
                      });
  }

 private:
  std::vector<std::uint64_t> words_;
};

DemRange RangeOf(const IntGrid& dem) {
  return tbb::parallel_reduce(
      tbb::blocked_range<std::size_t>(0, dem.CellCount()), DemRange{},
      [&dem](const tbb::blocked_range<std::size_t>& cells, DemRange range) {
        for (std::size_t cell = cells.begin(); cell < cells.end(); ++cell) {
          range.DemMin = std::min(range.DemMin, dem.Data()[cell]);
          range.DemMax = std::max(range.DemMax, dem.Data()[cell]);
        }
        return range;
      },
      [](DemRange a, DemRange b) {
        return DemRange{std::min(a.DemMin, b.DemMin), std::max(a.DemMax, b.DemMax)};
      });
}

// The number of steps is not known in advance: the first steps do most of the work, and
// the progress creeps towards `share` as they go on.
int RunSteps(IntGrid& dem, PacedProgress& progress, double share) {
  DilationSteps steps(dem);
  int count = 1;
  while (steps.Step(progress, share * (1.0 - 4.0 / (count + 4))) > 0) ++count;
  return count;
}

}  // namespace

IntGrid SeedDemGrid(const ByteGrid& contourImage, const AltitudeTableArray& altitudeTable,
                    int altitudeCount, std::int32_t scaleInFactor, std::int32_t scaleOutFactor) {
  if (scaleInFactor == 0) {
    throw Error("The Dynamic Scale In unit is not chosen: the altitudes cannot be converted.");
  }
  std::array<std::int32_t, 256> seedOfCode;
  seedOfCode.fill(NoAltitude);
  const int lastCode = std::min(altitudeCount, 255);
  for (int code = 1; code <= lastCode; ++code) {
    seedOfCode[code] = ConvertScale(altitudeTable[code], scaleInFactor, scaleOutFactor);
  }
  IntGrid dem(contourImage.Lines(), contourImage.Columns(), NoAltitude);
  const std::uint8_t* codes = contourImage.Data();
  std::int32_t* cells = dem.Data();
  tbb::parallel_for(tbb::blocked_range<std::size_t>(0, dem.CellCount()),
                    [&](const tbb::blocked_range<std::size_t>& range) {
                      for (std::size_t cell = range.begin(); cell < range.end(); ++cell) {
                        cells[cell] = seedOfCode[codes[cell]];
                      }
                    });
  return dem;
}

int DilationStep(IntGrid& demGrid) {
  DilationSteps steps(demGrid);
  const Progress nobody;
  PacedProgress silent(nobody);
  return steps.Step(silent, 0.0);
}

int DilateUntilStable(IntGrid& demGrid, const Progress& progress) {
  PacedProgress paced(progress);
  const int count = RunSteps(demGrid, paced, 1.0);
  paced.ReportNow(1.0);
  return count;
}

DemRange DilationInterpolation(IntGrid& demGrid, const Progress& progress) {
  PacedProgress paced(progress);
  const EmptyCells emptyAtStart(demGrid);
  try {
    RunSteps(demGrid, paced, kStepsShare);
    paced.ReportNow(kStepsShare);
    FillRemainingCells(demGrid, FillSum::SinglePrecision, progress.Part(kStepsShare, kFillShare));
    const DemRange range = RangeOf(demGrid);
    paced.ReportNow(1.0);
    return range;
  } catch (...) {
    emptyAtStart.Restore(demGrid);
    throw;
  }
}

IntGrid SeededDemOf(const SessionState& session, std::int32_t scaleInFactor,
                    std::int32_t scaleOutFactor) {
  const ByteGrid& codes = session.ContourImage;
  if (scaleInFactor != 0 &&
      (codes.Lines() != session.WorkLines || codes.Columns() != session.WorkColumns)) {
    throw Error("The contour-line image of " + std::to_string(codes.Lines()) + " lines x " +
                std::to_string(codes.Columns()) + " columns does not match the working size of " +
                std::to_string(session.WorkLines) + " lines x " +
                std::to_string(session.WorkColumns) + " columns.");
  }
  return SeedDemGrid(codes, session.AltitudeTable, session.AltitudeCount, scaleInFactor,
                     scaleOutFactor);
}

void SeedDemGrid(SessionState& session, std::int32_t scaleInFactor, std::int32_t scaleOutFactor) {
  session.DemGrid = SeededDemOf(session, scaleInFactor, scaleOutFactor);
}

void DilationStep(SessionState& session) {
  session.DilationPassChanges = DilationStep(session.DemGrid);
  // The growth passes always end with one that adds nothing.
  session.FillPassChanges = 0;
}

void FillRemainingCells(SessionState& session, FillSum sum) {
  FillRemainingCells(session.DemGrid, sum);
  // The passes end with the first one that writes nothing.
  session.FillPassChanges = 0;
}

void DilationInterpolation(SessionState& session, const Progress& progress) {
  const DemRange range = DilationInterpolation(session.DemGrid, progress);
  session.DemMin = range.DemMin;
  session.DemMax = range.DemMax;
  session.DilationPassChanges = 0;
  session.FillPassChanges = 0;
}

}  // namespace zelmaro
