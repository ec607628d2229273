#include "interp/SurfaceGalerkin.h"

#include <algorithm>
#include <cstdlib>

#include "interp/GridLines.h"
#include "interp/SurfaceTransfer.h"

namespace zelmaro {
namespace {

using RowSource = std::function<bool(int line, int column, StencilRow& row)>;

// The row of coarse cell (line, column): the fine rows of the cells it interpolates to,
// weighted, gathered onto the coarse cells their neighbours are interpolated from.
StencilRow GalerkinRow(const FinerOperator& finer, const RowSource& rowOf, int line, int column) {
  const double scale = 1.0 / ((finer.halvesLines ? 2 : 1) * (finer.halvesColumns ? 2 : 1));
  const AxisShare lineShare = SharesOfCoarse(line, finer.lines, finer.halvesLines);
  const AxisShare columnShare = SharesOfCoarse(column, finer.columns, finer.halvesColumns);
  StencilRow coarse{};
  StencilRow fine{};
  for (int a = 0; a < lineShare.count; ++a) {
    for (int b = 0; b < columnShare.count; ++b) {
      const int fineLine = lineShare.fine[a];
      const int fineColumn = columnShare.fine[b];
      if (!rowOf(fineLine, fineColumn, fine)) continue;
      const double weight = scale * lineShare.weight[a] * columnShare.weight[b];
      for (int dl = -2; dl <= 2; ++dl) {
        const AxisSource lineSource = SourcesOfFine(fineLine + dl, finer.halvesLines);
        for (int dc = -2; dc <= 2; ++dc) {
          const double coefficient = fine[StencilIndex(dl, dc)];
          if (coefficient == 0.0) continue;
          const AxisSource columnSource = SourcesOfFine(fineColumn + dc, finer.halvesColumns);
          for (int s = 0; s < lineSource.count; ++s) {
            for (int t = 0; t < columnSource.count; ++t) {
              coarse[StencilIndex(lineSource.coarse[s] - line, columnSource.coarse[t] - column)] +=
                  weight * coefficient * lineSource.weight[s] * columnSource.weight[t];
            }
          }
        }
      }
    }
  }
  return coarse;
}

std::array<float, 25> ToFloat(const StencilRow& row) {
  std::array<float, 25> stencil{};
  std::transform(row.begin(), row.end(), stencil.begin(),
                 [](double value) { return static_cast<float>(value); });
  return stencil;
}

// The marks spread by `lineRadius` lines and `columnRadius` columns: 1 where a mark lies
// within that window.
ByteGrid SpreadMarks(const ByteGrid& marks, int lineRadius, int columnRadius) {
  const int lines = marks.Lines();
  const int columns = marks.Columns();
  ByteGrid alongLines(lines, columns);
  ForGridLines(lines, columns, [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      int lastMark = -1 - columnRadius;  // the last marked column seen at or before j + radius
      for (int j = 0, ahead = 0; j < columns; ++j) {
        for (; ahead < columns && ahead <= j + columnRadius; ++ahead) {
          if (marks[i][ahead] != 0) lastMark = ahead;
        }
        alongLines[i][j] = lastMark >= j - columnRadius ? 1 : 0;
      }
    }
  });
  ByteGrid spread(lines, columns);
  ForGridLines(lines, columns, [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      const int first = std::max(0, i - lineRadius);
      const int last = std::min(lines - 1, i + lineRadius);
      for (int k = first; k <= last; ++k) {
        for (int j = 0; j < columns; ++j) spread[i][j] |= alongLines[k][j];
      }
    }
  });
  return spread;
}

}  // namespace

CoarseOperator GalerkinOperator(const FinerOperator& finer) {
  const int coarseLines = CoarserCount(finer.lines, finer.halvesLines);
  const int coarseColumns = CoarserCount(finer.columns, finer.halvesColumns);
  CoarseOperator coarse;
  // The regular row: that of a cell far inside a regular grid.
  const RowSource regular = [&finer](int, int, StencilRow& row) {
    row = finer.regularRow;
    return true;
  };
  FinerOperator wide = finer;
  wide.lines = finer.halvesLines ? 33 : 9;
  wide.columns = finer.halvesColumns ? 33 : 9;
  const StencilRow regularRow =
      GalerkinRow(wide, regular, finer.halvesLines ? 8 : 4, finer.halvesColumns ? 8 : 4);
  // It is unchanged by the reflections of the lines and the columns, up to rounding,
  // which is averaged out so that each coefficient may serve its mirror images.
  StencilRow mirrored{};
  for (int dl = -2; dl <= 2; ++dl) {
    for (int dc = -2; dc <= 2; ++dc) {
      mirrored[StencilIndex(dl, dc)] =
          0.25 * (regularRow[StencilIndex(dl, dc)] + regularRow[StencilIndex(-dl, dc)] +
                  regularRow[StencilIndex(dl, -dc)] + regularRow[StencilIndex(-dl, -dc)]);
    }
  }
  coarse.regular = ToFloat(mirrored);

  // A coarse row reads the fine rows of the cells it interpolates to (1 cell away on a
  // halved axis) and the cells those rows reach (2 more): it is regular when no cell of
  // that window is irregular, none lies past the grid, and none is the last fine cell of
  // a halved axis, which is interpolated differently.
  const int lineRadius = finer.halvesLines ? 3 : 2;
  const int columnRadius = finer.halvesColumns ? 3 : 2;
  const ByteGrid near = SpreadMarks(*finer.irregular, lineRadius, columnRadius);
  const auto isRegular = [&](int i, int j) {
    const int fineLine = finer.halvesLines ? 2 * i : i;
    const int fineColumn = finer.halvesColumns ? 2 * j : j;
    return fineLine - lineRadius >= 0 && fineLine + lineRadius <= finer.lines - 2 &&
           fineColumn - columnRadius >= 0 && fineColumn + columnRadius <= finer.columns - 2 &&
           near[fineLine][fineColumn] == 0;
  };
  coarse.own.assign(static_cast<std::size_t>(coarseLines) * coarseColumns, -1);
  std::vector<std::int32_t> ownedCells;
  for (int i = 0; i < coarseLines; ++i) {
    for (int j = 0; j < coarseColumns; ++j) {
      if (isRegular(i, j)) continue;
      const std::size_t cell = static_cast<std::size_t>(i) * coarseColumns + j;
      coarse.own[cell] = static_cast<std::int32_t>(ownedCells.size());
      ownedCells.push_back(static_cast<std::int32_t>(cell));
    }
  }
  coarse.stencils.resize(ownedCells.size());
  const int owned = static_cast<int>(ownedCells.size());
  ForGridLines(owned, 64, [&](int begin, int end) {
    for (int k = begin; k < end; ++k) {
      const int line = ownedCells[static_cast<std::size_t>(k)] / coarseColumns;
      const int column = ownedCells[static_cast<std::size_t>(k)] % coarseColumns;
      coarse.stencils[static_cast<std::size_t>(k)] =
          ToFloat(GalerkinRow(finer, finer.rowOf, line, column));
    }
  });
  return coarse;
}

ByteGrid IrregularCells(const CoarseOperator& coarse, int lines, int columns) {
  ByteGrid marks(lines, columns);
  for (std::size_t cell = 0; cell < coarse.own.size(); ++cell) {
    marks.Data()[cell] = coarse.own[cell] >= 0 ? 1 : 0;
  }
  return marks;
}

}  // namespace zelmaro
