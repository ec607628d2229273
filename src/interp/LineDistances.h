#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Grid.h"

namespace zelmaro {

// The lower envelope of the parabolas (c - c')^2 + vertical[c']^2 along one line:
// squared[c] := the smallest squared distance to a pixel, nearestColumn[c] := the column
// of such a pixel (when asked). Columns whose vertical distance is `none` have no pixel.
// Its buffers are kept from one line to the next.
class LineEnvelope {
 public:
  void Run(const std::int32_t* vertical, int width, std::int32_t none, std::int64_t* squared,
           int* nearestColumn);

 private:
  std::vector<int> parabolaColumn_;
  std::vector<std::int64_t> boundaryNumerator_;
  std::vector<std::int64_t> boundaryDenominator_;
};

// The pixels of one line in a 2-d tree, for exact nearest-pixel queries from cells the
// whole-grid transforms could not settle.
class PixelTree {
 public:
  // Pixels are cell indices line x columns + column.
  void Build(const std::uint32_t* pixels, std::size_t pixelCount, int columns);
  struct Point {
    int line;
    int column;
  };
  // The smallest squared distance from (line, column) to a pixel of the tree, or `bound`
  // when no pixel is nearer than that; -1 when the tree is empty.
  std::int64_t NearestSquared(int line, int column, std::int64_t bound) const;
  // A nearest pixel to (line, column), searched from `near`, a pixel of the tree (a
  // nearest pixel of a cell close by makes the search short). The tree must not be empty.
  Point Nearest(int line, int column, Point near) const;
  // A pixel of the tree, to start searches from.
  Point Root() const { return points_[points_.size() / 2]; }

 private:
  // The box around the pixels of a part of the tree, kept at the index of its split.
  struct Box {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
  };
  void Split(std::size_t first, std::size_t last, int depth);
  void Search(std::size_t first, std::size_t last, int depth, int line, int column,
              std::int64_t& best, Point& nearest) const;

  std::vector<Point> points_;
  std::vector<Box> boxes_;
};

// For every cell of a grid, the line of the nearest marked cell of its column (the upper
// one of two at the same distance), or kNoNearestLine when its column has none; marked
// cells are those whose line number t (lineOf, 255 for none) has marked[t] set. Columns
// are independent and run on all threads. Needs fewer than 65535 lines.
inline constexpr std::uint16_t kNoNearestLine = 0xFFFF;
void NearestMarkedLines(const ByteGrid& lineOf, const std::array<bool, 256>& marked,
                        Grid<std::uint16_t>& nearestLine);

}  // namespace zelmaro
