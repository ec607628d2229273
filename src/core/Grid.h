#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "core/Error.h"

namespace zelmaro {

// A raster of cells stored row-major in one buffer, indexed grid[line][column],
// line 0 at the top. Unlike a bare array of line pointers it knows its own size
// and releases itself.
template <typename T>
class Grid {
 public:
  using Cell = T;

  Grid() = default;
  Grid(int lines, int columns, T fill = T{}) { Allocate(lines, columns, fill); }

  int Lines() const { return lines_; }
  int Columns() const { return columns_; }
  bool Empty() const { return cells_.empty(); }
  std::size_t CellCount() const { return cells_.size(); }
  bool Contains(int line, int column) const {
    return line >= 0 && column >= 0 && line < lines_ && column < columns_;
  }

  T* operator[](int line) { return cells_.data() + static_cast<std::size_t>(line) * columns_; }
  const T* operator[](int line) const {
    return cells_.data() + static_cast<std::size_t>(line) * columns_;
  }
  T* Data() { return cells_.data(); }
  const T* Data() const { return cells_.data(); }
  std::vector<T>& Cells() { return cells_; }
  const std::vector<T>& Cells() const { return cells_; }

  void Fill(T value) { cells_.assign(cells_.size(), value); }
  bool operator==(const Grid& other) const = default;

 private:
  void Allocate(int lines, int columns, T fill) {
    if (lines < 0 || columns < 0) {
      throw Error("Impossible grid size: " + std::to_string(lines) + " lines x " +
                  std::to_string(columns) + " columns.");
    }
    // Cells are numbered with 32-bit integers throughout the program.
    if (static_cast<long long>(lines) * columns > 2147483647LL) {
      throw Error("A grid of " + std::to_string(lines) + " lines x " + std::to_string(columns) +
                  " columns is too large.");
    }
    try {
      cells_.assign(static_cast<std::size_t>(lines) * static_cast<std::size_t>(columns), fill);
    } catch (const std::bad_alloc&) {
      throw Error("Not enough memory for a grid of " + std::to_string(lines) + " lines x " +
                  std::to_string(columns) + " columns.");
    } catch (const std::length_error&) {
      throw Error("Not enough memory for a grid of " + std::to_string(lines) + " lines x " +
                  std::to_string(columns) + " columns.");
    }
    lines_ = lines;
    columns_ = columns;
  }

  int lines_ = 0;
  int columns_ = 0;
  std::vector<T> cells_;
};

using ByteGrid = Grid<std::uint8_t>;
using IntGrid = Grid<std::int32_t>;
using FloatGrid = Grid<float>;
using DoubleGrid = Grid<double>;

// The factories take the columns first, then the lines, and give zero-filled grids.
inline ByteGrid AllocByteGrid(int columns, int lines) {
  return ByteGrid(lines, columns);
}
inline IntGrid AllocIntGrid(int columns, int lines) {
  return IntGrid(lines, columns);
}
inline FloatGrid AllocFloatGrid(int columns, int lines) {
  return FloatGrid(lines, columns);
}
inline DoubleGrid AllocDoubleGrid(int columns, int lines) {
  return DoubleGrid(lines, columns);
}

}  // namespace zelmaro
