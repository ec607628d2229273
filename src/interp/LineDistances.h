#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

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
  // The smallest squared distance from (line, column) to a pixel of the tree, or `bound`
  // when no pixel is nearer than that; -1 when the tree is empty.
  std::int64_t NearestSquared(int line, int column, std::int64_t bound) const;

 private:
  struct Point {
    int line;
    int column;
  };
  void Split(std::size_t first, std::size_t last, int depth);
  void Search(std::size_t first, std::size_t last, int depth, int line, int column,
              std::int64_t& best) const;

  std::vector<Point> points_;
};

// The exact squared distance from every cell of a grid to the nearest marked pixel,
// with one such pixel, in time linear in the number of cells.
class GridDistanceTransform {
 public:
  GridDistanceTransform(int lines, int columns) : lines_(lines), columns_(columns) {}

  // isPixel holds one flag per cell. Afterwards Squared()[cell] is the squared distance
  // (-1 when no pixel is marked) and Nearest()[cell] the index of a nearest pixel.
  void Compute(const std::vector<std::uint8_t>& isPixel);
  const std::vector<std::int64_t>& Squared() const { return squared_; }
  const std::vector<std::uint32_t>& Nearest() const { return nearest_; }

 private:
  int lines_;
  int columns_;
  std::vector<std::int32_t> nearestLine_;
  std::vector<std::int32_t> vertical_;
  std::vector<int> nearestColumn_;
  std::vector<std::int64_t> squared_;
  std::vector<std::uint32_t> nearest_;
  LineEnvelope envelope_;
};

}  // namespace zelmaro
