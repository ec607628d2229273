#pragma once

#include <tbb/parallel_for.h>

#include <algorithm>

#include "core/ProgressPacing.h"

namespace zelmaro {

// Tiles of a scan in which a cell reads the cell before it on its line and the three
// cells of the line before. Each line of a tile starts one column further left than
// the line above it, so a tile reads only itself, the tile before it on its band and
// two tiles of the band above: the tiles of one diagonal of the wavefront (2 x band +
// tile) are independent and run on the threads side by side, and the diagonals run in
// order. Every cell is computed after the cells it reads, whatever the threads.
class Wavefront {
 public:
  Wavefront(int lines, int columns) : lines_(lines), columns_(columns) {
    width_ = std::clamp((columns + 7) / 8, 8, 1024);
    height_ = std::clamp((lines + 15) / 16, 1, std::min(width_, 64));
    bands_ = (lines + height_ - 1) / height_;
    tiles_ = (columns + height_ - 1 + width_ - 1) / width_;
  }

  // span(line, begin, end) for the columns [begin, end) of each line, in the scan's own
  // coordinates: line 0 is the first line the scan visits, column 0 its first column.
  // `progress` hears `fraction` between diagonals.
  template <typename Span>
  void Run(PacedProgress& progress, double fraction, const Span& span) const {
    if (lines_ == 0 || columns_ == 0) return;
    const int lastDiagonal = 2 * (bands_ - 1) + tiles_ - 1;
    for (int diagonal = 0; diagonal <= lastDiagonal; ++diagonal) {
      const int firstBand = std::max(0, (diagonal - tiles_ + 2) / 2);
      const int lastBand = std::min(bands_ - 1, diagonal / 2);
      if (firstBand == lastBand) {
        RunTile(firstBand, diagonal - 2 * firstBand, span);
      } else {
        tbb::parallel_for(firstBand, lastBand + 1,
                          [&](int band) { RunTile(band, diagonal - 2 * band, span); });
      }
      progress.Report(fraction);
    }
  }

 private:
  template <typename Span>
  void RunTile(int band, int tile, const Span& span) const {
    for (int k = 0; k < height_; ++k) {
      const int line = band * height_ + k;
      if (line >= lines_) return;
      const int begin = std::max(0, tile * width_ - k);
      const int end = std::min(columns_, (tile + 1) * width_ - k);
      if (begin < end) span(line, begin, end);
    }
  }

  int lines_;
  int columns_;
  int width_ = 1;
  int height_ = 1;
  int bands_ = 0;
  int tiles_ = 0;
};

}  // namespace zelmaro
