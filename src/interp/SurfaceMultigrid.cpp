#include "interp/SurfaceMultigrid.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "interp/GridLines.h"
#include "interp/SurfaceKernels.h"
#include "interp/SurfaceTransfer.h"

namespace zelmaro {

using surface_kernels::DistanceClass;
using surface_kernels::EdgeNeighbourSum;
using surface_kernels::InteriorStencil;
using surface_kernels::OwnNeighbourSum;

namespace {

// Sweeps before and after the coarse correction of a V-cycle: one on the given grid and
// on the first coarser one, two on the others, which cost little and spare iterations;
// and the pairs of sweeps (forward and backward) that solve the coarsest grid of a few
// cells.
constexpr int kFineSmoothings = 1;
constexpr int kCoarseSmoothings = 2;
constexpr int kCoarsestSweepPairs = 40;
// The smoother runs through bands of this many lines, the even bands in parallel, then
// the odd ones.
constexpr int kBandLines = 32;
constexpr int kCentre = StencilIndex(0, 0);

}  // namespace

SurfaceMultigrid::SurfaceMultigrid(ByteGrid held, double tension) : held_(std::move(held)) {
  const SurfaceWeights weights = WeightsForSpacing(tension, 1.0, 1.0);
  // A stencil depends only on the distances to the edges up to 2: it is the stencil of
  // the same cell in a grid just large enough to give those distances.
  for (int lineClass = 0; lineClass < 9; ++lineClass) {
    for (int columnClass = 0; columnClass < 9; ++columnClass) {
      const int above = lineClass / 3;
      const int below = lineClass % 3;
      const int left = columnClass / 3;
      const int right = columnClass % 3;
      givenStencils_[lineClass * 9 + columnClass] =
          StencilOfCell(weights, above + below + 1, left + right + 1, above, left);
    }
  }
  Level given;
  given.lines = held_.Lines();
  given.columns = held_.Columns();
  levels_.push_back(std::move(given));
  while (levels_.back().lines > 3 || levels_.back().columns > 3) {
    const std::size_t index = levels_.size() - 1;
    levels_[index].halvesLines = levels_[index].lines > 3;
    levels_[index].halvesColumns = levels_[index].columns > 3;
    ByteGrid irregular;
    const FinerOperator finer =
        index == 0 ? GivenOperator(irregular) : CoarseFinerOperator(index, irregular);
    Level coarse;
    coarse.lines = CoarserCount(finer.lines, finer.halvesLines);
    coarse.columns = CoarserCount(finer.columns, finer.halvesColumns);
    coarse.op = GalerkinOperator(finer);
    coarse.regular = surface_kernels::MirrorStencil(coarse.op.regular);
    coarse.values = FloatGrid(coarse.lines, coarse.columns);
    coarse.rightSide = FloatGrid(coarse.lines, coarse.columns);
    coarse.residual = FloatGrid(coarse.lines, coarse.columns);
    levels_.push_back(std::move(coarse));
  }
}

const CellStencil& SurfaceMultigrid::GivenStencil(int line, int column) const {
  return givenStencils_[DistanceClass(line, held_.Lines()) * 9 +
                        DistanceClass(column, held_.Columns())];
}

FinerOperator SurfaceMultigrid::GivenOperator(ByteGrid& irregular) const {
  const int lines = held_.Lines();
  const int columns = held_.Columns();
  // Held cells take no part, and the cells within 2 of an edge have rows of their own.
  irregular = ByteGrid(lines, columns);
  ForGridLines(lines, columns, [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      for (int j = 0; j < columns; ++j) {
        const bool edge = i < 2 || j < 2 || i >= lines - 2 || j >= columns - 2;
        irregular[i][j] = edge || held_[i][j] != 0 ? 1 : 0;
      }
    }
  });
  FinerOperator finer;
  finer.lines = lines;
  finer.columns = columns;
  finer.halvesLines = levels_[0].halvesLines;
  finer.halvesColumns = levels_[0].halvesColumns;
  finer.irregular = &irregular;
  finer.regularRow = givenStencils_.back().coefficient;
  finer.rowOf = [this](int line, int column, StencilRow& row) {
    if (held_[line][column] != 0) return false;
    const CellStencil& stencil = GivenStencil(line, column);
    for (int dl = -2; dl <= 2; ++dl) {
      for (int dc = -2; dc <= 2; ++dc) {
        const double coefficient = stencil(dl, dc);
        row[StencilIndex(dl, dc)] =
            coefficient != 0.0 && held_[line + dl][column + dc] == 0 ? coefficient : 0.0;
      }
    }
    return true;
  };
  return finer;
}

FinerOperator SurfaceMultigrid::CoarseFinerOperator(std::size_t index, ByteGrid& irregular) const {
  const Level& level = levels_[index];
  irregular = IrregularCells(level.op, level.lines, level.columns);
  FinerOperator finer;
  finer.lines = level.lines;
  finer.columns = level.columns;
  finer.halvesLines = level.halvesLines;
  finer.halvesColumns = level.halvesColumns;
  finer.irregular = &irregular;
  std::copy(level.op.regular.begin(), level.op.regular.end(), finer.regularRow.begin());
  finer.rowOf = [&level](int line, int column, StencilRow& row) {
    const auto& stencil =
        level.op.At(static_cast<std::size_t>(line) * static_cast<std::size_t>(level.columns) +
                    static_cast<std::size_t>(column));
    std::copy(stencil.begin(), stencil.end(), row.begin());
    return stencil[kCentre] > 0.0f;
  };
  return finer;
}

namespace {

// Gauss-Seidel through the lines first to last, line by line and cell by cell (backward:
// the reverse), four lines at a time, each line two cells behind the one before it.
// No line's stencil (2 cells wide) then reads a cell of another out of the order line by
// line, so the result is the same, and the chains of updates overlap in the processor.
template <typename Update>
void SweepLines(int first, int last, int columns, bool forward, const Update& update) {
  constexpr int kLag = 2;
  constexpr int kTogether = 4;
  const int count = last - first + 1;
  for (int done = 0; done < count; done += kTogether) {
    const int lines = std::min(kTogether, count - done);
    const int leading = forward ? first + done : last - done;
    const int step = forward ? 1 : -1;
    for (int k = 0; k < columns + (lines - 1) * kLag; ++k) {
      for (int n = 0; n < lines; ++n) {
        const int at = k - n * kLag;
        if (at < 0 || at >= columns) continue;
        update(leading + n * step, forward ? at : columns - 1 - at);
      }
    }
  }
}

}  // namespace

void SurfaceMultigrid::SmoothGivenLines(FloatGrid& values, const FloatGrid& right, int first,
                                        int last, bool forward) const {
  const InteriorStencil interior(givenStencils_.back());
  const float inverseCentre = interior.centre > 0.0f ? 1.0f / interior.centre : 0.0f;
  const int lines = held_.Lines();
  const int columns = held_.Columns();
  SweepLines(first, last, columns, forward, [&](int i, int j) {
    if (held_[i][j] != 0) return;
    if (i >= 2 && i < lines - 2 && j >= 2 && j < columns - 2) {
      float* at = values[i] + j;
      *at = (right[i][j] - interior.NeighbourSum(at, columns)) * inverseCentre;
      return;
    }
    const CellStencil& stencil = GivenStencil(i, j);
    if (stencil(0, 0) <= 0.0) return;  // a cell no difference reaches keeps its value
    values[i][j] =
        static_cast<float>((right[i][j] - EdgeNeighbourSum(stencil, values, i, j)) / stencil(0, 0));
  });
}

void SurfaceMultigrid::SmoothCoarseLines(const Level& level, FloatGrid& values,
                                         const FloatGrid& right, int first, int last,
                                         bool forward) const {
  SweepLines(first, last, level.columns, forward, [&](int i, int j) {
    const std::size_t cell = static_cast<std::size_t>(i) * level.columns + j;
    const std::int32_t own = level.op.own[cell];
    if (own < 0) {
      float* at = values.Data() + cell;
      *at = (right.Data()[cell] - level.regular.NeighbourSum(at, level.columns)) *
            level.regular.inverse;
      return;
    }
    const auto& stencil = level.op.stencils[static_cast<std::size_t>(own)];
    if (stencil[kCentre] <= 0.0f) return;  // a cell that takes no part
    values[i][j] = (right[i][j] - OwnNeighbourSum(stencil, values, i, j)) / stencil[kCentre];
  });
}

void SurfaceMultigrid::Smooth(std::size_t index, FloatGrid& values, const FloatGrid& right,
                              bool forward) const {
  const Level& level = levels_[index];
  const int bandCount = (level.lines + kBandLines - 1) / kBandLines;
  // The even bands, then the odd ones; backward, the reverse.
  for (int phase = 0; phase < 2; ++phase) {
    const int parity = forward ? phase : 1 - phase;
    const int count = (bandCount - parity + 1) / 2;
    ForGridLines(count, kBandLines * level.columns, [&](int begin, int end) {
      for (int k = begin; k < end; ++k) {
        const int band = parity + 2 * (forward ? k : count - 1 - k);
        const int first = band * kBandLines;
        const int last = std::min(level.lines, first + kBandLines) - 1;
        if (index == 0) {
          SmoothGivenLines(values, right, first, last, forward);
        } else {
          SmoothCoarseLines(level, values, right, first, last, forward);
        }
      }
    });
  }
}

void SurfaceMultigrid::GivenResidual(const FloatGrid& in, const FloatGrid* right,
                                     FloatGrid& out) const {
  const InteriorStencil interior(givenStencils_.back());
  const int lines = held_.Lines();
  const int columns = held_.Columns();
  ForGridLines(lines, columns, [&](int begin, int end) {
    const std::vector<float> zeros(right == nullptr ? static_cast<std::size_t>(columns) : 0);
    for (int i = begin; i < end; ++i) {
      const float* row = in[i];
      const float* rightRow = right != nullptr ? (*right)[i] : zeros.data();
      const std::uint8_t* held = held_[i];
      float* outRow = out[i];
      const auto atEdge = [&](int j) {
        const CellStencil& stencil = GivenStencil(i, j);
        const float rightValue = rightRow[j];
        outRow[j] = held[j] != 0 ? 0.0f
                                 : static_cast<float>(rightValue - stencil(0, 0) * row[j] -
                                                      EdgeNeighbourSum(stencil, in, i, j));
      };
      if (i < 2 || i >= lines - 2 || columns < 5) {
        for (int j = 0; j < columns; ++j) atEdge(j);
        continue;
      }
      const float* up2 = in[i - 2];
      const float* up = in[i - 1];
      const float* down = in[i + 1];
      const float* down2 = in[i + 2];
      for (int j = 2; j < columns - 2; ++j) {
        const float value = rightRow[j] - interior.Apply(up2, up, row, down, down2, j);
        // Held cells are 1: a product, not a branch, so that the loop is vectorised.
        outRow[j] = value * static_cast<float>(1 - held[j]);
      }
      for (const int j : {0, 1, columns - 2, columns - 1}) atEdge(j);
    }
  });
}

void SurfaceMultigrid::Residual(std::size_t index, const FloatGrid& in, const FloatGrid* right,
                                FloatGrid& out) const {
  if (index == 0) {
    GivenResidual(in, right, out);
    return;
  }
  const Level& level = levels_[index];
  ForGridLines(level.lines, level.columns, [&](int begin, int end) {
    const std::vector<float> zeros(right == nullptr ? static_cast<std::size_t>(level.columns) : 0);
    for (int i = begin; i < end; ++i) {
      const std::int32_t* own = level.op.own.data() + static_cast<std::size_t>(i) * level.columns;
      const float* row = in[i];
      const float* rightRow = right != nullptr ? (*right)[i] : zeros.data();
      float* outRow = out[i];
      // Every cell of the line as a regular one where the regular stencil fits, in a loop
      // without branches; then the cells with stencils of their own, those within 2 of
      // an edge among them.
      if (i >= 2 && i < level.lines - 2) {
        for (int j = 2; j < level.columns - 2; ++j) {
          outRow[j] =
              rightRow[j] - level.regular.centre * row[j] - level.regular.NeighbourSum(in, i, j);
        }
      }
      for (int j = 0; j < level.columns; ++j) {
        if (own[j] < 0) continue;
        const auto& stencil = level.op.stencils[static_cast<std::size_t>(own[j])];
        outRow[j] = stencil[kCentre] <= 0.0f ? 0.0f
                                             : rightRow[j] - stencil[kCentre] * row[j] -
                                                   OwnNeighbourSum(stencil, in, i, j);
      }
    }
  });
}

void SurfaceMultigrid::Restrict(std::size_t index, const FloatGrid& fine, FloatGrid& coarse) const {
  const Level& level = levels_[index];
  const int coarseLines = coarse.Lines();
  const int coarseColumns = coarse.Columns();
  // Each grid's equations are its energy's divided by its own spacings: the coarse right
  // side is the fine one averaged over the cells it stands for.
  const float scale =
      1.0f / static_cast<float>((level.halvesLines ? 2 : 1) * (level.halvesColumns ? 2 : 1));
  ForGridLines(coarseLines, coarseColumns, [&](int begin, int end) {
    std::vector<float> gathered(static_cast<std::size_t>(level.columns));
    for (int i = begin; i < end; ++i) {
      // The fine lines this coarse line stands for, weighted, then their columns.
      const AxisShare lineShare = SharesOfCoarse(i, level.lines, level.halvesLines);
      std::fill(gathered.begin(), gathered.end(), 0.0f);
      for (int a = 0; a < lineShare.count; ++a) {
        const float* fineRow = fine[lineShare.fine[a]];
        const float weight = lineShare.weight[a] * scale;
        for (int j = 0; j < level.columns; ++j) gathered[j] += weight * fineRow[j];
      }
      float* coarseRow = coarse[i];
      if (!level.halvesColumns) {
        std::copy(gathered.begin(), gathered.end(), coarseRow);
        continue;
      }
      for (int j = 0; j < coarseColumns; ++j) {
        const AxisShare share = SharesOfCoarse(j, level.columns, true);
        float sum = 0.0f;
        for (int b = 0; b < share.count; ++b) sum += share.weight[b] * gathered[share.fine[b]];
        coarseRow[j] = sum;
      }
    }
  });
}

void SurfaceMultigrid::AddInterpolated(std::size_t index, const FloatGrid& coarse,
                                       FloatGrid& fine) const {
  const Level& level = levels_[index];
  const int columns = level.columns;
  ForGridLines(level.lines, columns, [&](int begin, int end) {
    // The coarse lines a fine line lies between, weighted, then along the line: one
    // more coarse cell than the fine cells need, which is 0.
    std::vector<float> line(static_cast<std::size_t>(coarse.Columns()) + 1, 0.0f);
    std::vector<float> along(static_cast<std::size_t>(columns));
    for (int i = begin; i < end; ++i) {
      const AxisSource lineSource = SourcesOfFine(i, level.halvesLines);
      const float* first = coarse[lineSource.coarse[0]];
      const float* second = coarse[lineSource.coarse[lineSource.count - 1]];
      const float secondWeight = lineSource.count == 2 ? 0.5f : 0.0f;
      const float firstWeight = 1.0f - secondWeight;
      for (int j = 0; j < coarse.Columns(); ++j) {
        line[j] = firstWeight * first[j] + secondWeight * second[j];
      }
      const float* source = line.data();
      if (level.halvesColumns) {
        for (int j = 0; j < columns / 2; ++j) {
          along[2 * j] = line[j];
          along[2 * j + 1] = 0.5f * (line[j] + line[j + 1]);
        }
        if (columns % 2 == 1) along[columns - 1] = line[columns / 2];
        source = along.data();
      }
      float* fineRow = fine[i];
      if (index == 0) {
        // Held cells are 1: a product, not a branch, so that the loop is vectorised.
        const std::uint8_t* held = held_[i];
        for (int j = 0; j < columns; ++j) fineRow[j] += source[j] * static_cast<float>(1 - held[j]);
      } else {
        for (int j = 0; j < columns; ++j) fineRow[j] += source[j];
      }
    }
  });
}

void SurfaceMultigrid::VCycle(std::size_t index, FloatGrid& values, const FloatGrid& right,
                              FloatGrid& residual) {
  if (index + 1 == levels_.size()) {
    for (int pair = 0; pair < kCoarsestSweepPairs; ++pair) {
      Smooth(index, values, right, true);
      Smooth(index, values, right, false);
    }
    return;
  }
  const int smoothings = index < 2 ? kFineSmoothings : kCoarseSmoothings;
  for (int k = 0; k < smoothings; ++k) Smooth(index, values, right, true);
  Residual(index, values, &right, residual);
  Level& coarse = levels_[index + 1];
  Restrict(index, residual, coarse.rightSide);
  coarse.values.Fill(0.0f);
  VCycle(index + 1, coarse.values, coarse.rightSide, coarse.residual);
  AddInterpolated(index, coarse.values, values);
  for (int k = 0; k < smoothings; ++k) Smooth(index, values, right, false);
}

void SurfaceMultigrid::Precondition(std::size_t index, const FloatGrid& r, FloatGrid& z,
                                    FloatGrid& scratch) {
  z.Fill(0.0f);
  VCycle(index, z, r, scratch);
}

}  // namespace zelmaro
