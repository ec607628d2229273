#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/Grid.h"

namespace zelmaro {

// Weight of each neighbour in a NeighbourCode, laid out as the 3 x 3 window appears on
// screen (line - 1 on top); the centre has none. The Info pictures draw this window.
inline constexpr std::array<std::array<int, 3>, 3> kNeighbourWeights{{
    {1, 2, 4},     // NW, N, NE
    {128, 0, 8},   // W, centre, E
    {64, 32, 16},  // SW, S, SE
}};

// The sum of the weights of the eight neighbours of a cell that hold the same value as
// the cell itself, given a pointer to the cell and the number of cells per line. The
// cell must have all eight neighbours inside the image.
inline std::uint8_t NeighbourCodeAt(const std::uint8_t* cell, std::ptrdiff_t lineStride) {
  const std::uint8_t* above = cell - lineStride;
  const std::uint8_t* below = cell + lineStride;
  const std::uint8_t value = *cell;
  return static_cast<std::uint8_t>((above[-1] == value ? 1 : 0) | (above[0] == value ? 2 : 0) |
                                   (above[1] == value ? 4 : 0) | (cell[1] == value ? 8 : 0) |
                                   (below[1] == value ? 16 : 0) | (below[0] == value ? 32 : 0) |
                                   (below[-1] == value ? 64 : 0) | (cell[-1] == value ? 128 : 0));
}

// The same for the cell (line, column) of an image, with
// 1 <= line <= Lines() - 2 and 1 <= column <= Columns() - 2.
inline std::uint8_t NeighbourCode(const ByteGrid& image, int line, int column) {
  return NeighbourCodeAt(image[line] + column, image.Columns());
}

// Whether the neighbour at (lineOffset, columnOffset), each -1, 0 or 1, is present in a
// NeighbourCode; used to draw a configuration from its code.
constexpr bool NeighbourPresent(int neighbourCode, int lineOffset, int columnOffset) {
  const int weight = kNeighbourWeights[lineOffset + 1][columnOffset + 1];
  return weight != 0 && (neighbourCode & weight) != 0;
}

// A code with exactly one neighbour: the end of a line.
constexpr bool IsSingleNeighbour(int neighbourCode) {
  return neighbourCode != 0 && (neighbourCode & (neighbourCode - 1)) == 0;
}

}  // namespace zelmaro
