#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/Grid.h"
#include "core/NeighbourCode.h"
#include "core/SessionState.h"
#include "pretreat/DeletionTables.h"

namespace zelmaro {

// The part of ContourImage that the pre-treatments scan: WorkLines x WorkColumns,
// never more than the grid holds.
struct ScanArea {
  int Lines = 0;
  int Columns = 0;
};

inline ScanArea ScanAreaOf(const SessionState& session) {
  return {std::min(session.WorkLines, session.ContourImage.Lines()),
          std::min(session.WorkColumns, session.ContourImage.Columns())};
}

// The highest code whose deletions can change anything: deleting a background pixel
// writes the background again, so 255 is never worth scanning for a deletion.
inline int LastDeletableCode(const SessionState& session) {
  return std::clamp(session.AltitudeCount, 0, static_cast<int>(kBackgroundCode) - 1);
}

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
