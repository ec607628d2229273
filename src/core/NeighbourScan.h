#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/Grid.h"
#include "core/NeighbourCode.h"
#include "core/SessionState.h"

namespace zelmaro {

// The part of a contour-line image that a scan covers, never more than the grid holds.
struct ScanArea {
  int Lines = 0;
  int Columns = 0;
};

// For each of the 256 NeighbourCodes, whether a deletion scan removes a cell with it.
using DeletionMask = std::array<bool, 256>;

constexpr DeletionMask MaskOfCodes(std::span<const std::uint8_t> codes) {
  DeletionMask mask{};
  for (const std::uint8_t code : codes) mask[code] = true;
  return mask;
}

// The configurations of a corner that both the thinning and the corner removal of a
// freshly drawn vector zone cut: the pixels at the corner of a staircase, and the inner
// corners of orthogonal steps, whose two arms are 4-neighbours of the centre.
inline constexpr std::array<std::uint8_t, 12> kStaircaseCornerCodes{129, 6,  24,  96, 192, 3,
                                                                    12,  48, 193, 7,  28,  112};
inline constexpr std::array<std::uint8_t, 4> kInnerCornerCodes{130, 10, 40, 160};

// Visits the inner cells (lines 1 .. Lines - 2, columns 1 .. Columns - 2) holding a code
// from 1 to lastCode (at most 254), in scan order, as visit(cell pointer, code). Most of
// a contour-line image is background, so whole words of it are passed over at once.
//
// One pass in scan order over all codes gives exactly what one scan per code, in
// increasing code order, gives: the scan of a code reads and writes only cells that
// hold that code (a NeighbourCode sees other codes and the background alike as absent)
// and a cell only ever changes from its code to the background, which no other code
// sees either. The scans of different codes therefore cannot see each other, and
// interleaving them cell by cell leaves every scan's own order intact.
template <typename Cell, typename Visit>
void ForEachLineCell(Cell* cells, std::size_t stride, ScanArea area, int lastCode, Visit&& visit) {
  constexpr std::uint64_t kBackgroundWord = ~std::uint64_t{0};
  const int lastColumn = area.Columns - 2;
  for (int line = 1; line <= area.Lines - 2; ++line) {
    Cell* row = cells + static_cast<std::size_t>(line) * stride;
    int column = 1;
    while (column <= lastColumn) {
      if (column + 8 <= lastColumn + 1) {
        std::uint64_t word;
        std::memcpy(&word, row + column, sizeof word);
        if (word == kBackgroundWord) {
          column += 8;
          continue;
        }
      }
      const int code = row[column];
      if (code >= 1 && code <= lastCode) visit(row + column, code);
      ++column;
    }
  }
}

// One in-place deletion scan of codes 1 to lastCode: a cell whose NeighbourCode the
// mask selects becomes background at once, and the cells visited after it see that.
inline void DeleteMatchingCells(ByteGrid& image, ScanArea area, int lastCode,
                                const DeletionMask& mask) {
  const std::ptrdiff_t stride = image.Columns();
  ForEachLineCell(image.Data(), static_cast<std::size_t>(stride), area, lastCode,
                  [&](std::uint8_t* cell, int) {
                    if (mask[NeighbourCodeAt(cell, stride)]) *cell = kBackgroundCode;
                  });
}

}  // namespace zelmaro
