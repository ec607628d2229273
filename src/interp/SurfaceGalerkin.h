#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/Grid.h"

namespace zelmaro {

// The 5 x 5 window of a row of an operator: coefficient (lineOffset, columnOffset) at
// (lineOffset + 2) x 5 + columnOffset + 2.
using StencilRow = std::array<double, 25>;
constexpr int StencilIndex(int lineOffset, int columnOffset) {
  return (lineOffset + 2) * 5 + columnOffset + 2;
}

// The operator of a coarser grid of the surface multigrid: one stencil for the cells
// around which the finer grid is regular, and a stencil of its own for the others
// (near a held cell or an edge). Every row has at most 5 x 5 coefficients.
struct CoarseOperator {
  std::array<float, 25> regular{};
  std::vector<std::int32_t> own;  // by cell, line by line: index into stencils, -1: regular
  std::vector<std::array<float, 25>> stencils;

  const std::array<float, 25>& At(std::size_t cell) const {
    return own[cell] < 0 ? regular : stencils[static_cast<std::size_t>(own[cell])];
  }
};

// What the Galerkin product reads of the finer grid.
struct FinerOperator {
  int lines = 0;
  int columns = 0;
  bool halvesLines = false;  // whether the coarser grid halves the lines
  bool halvesColumns = false;
  // The row of a cell, 0 for the cells that take no part; false when the cell itself
  // takes no part (a held cell).
  std::function<bool(int line, int column, StencilRow& row)> rowOf;
  StencilRow regularRow{};
  // 1 at the cells whose row is not the regular one or which take no part.
  const ByteGrid* irregular = nullptr;
};

// The coarser grid's operator R A P: P interpolates the coarse cells to the fine cells
// that take part (a held fine cell stays 0, so the coarse cells know where the lines
// are) and R, its transpose divided by the number of fine cells per coarse cell,
// averages. The rows are computed where the finer grid is irregular, in parallel.
CoarseOperator GalerkinOperator(const FinerOperator& finer);

// 1 at the cells of the coarser grid whose row is not the regular one.
ByteGrid IrregularCells(const CoarseOperator& coarse, int lines, int columns);

}  // namespace zelmaro
