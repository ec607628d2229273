#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "core/Grid.h"
#include "core/SessionState.h"
#include "pretreat/DeletionTables.h"
#include "pretreat/NeighbourCode.h"

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

// The inner cells (lines 1 .. Lines - 2, columns 1 .. Columns - 2) of every code from 1
// to lastCode, each code's cells in scan order, as offsets into the grid's buffer. A
// scan of one code then visits only that code's cells instead of the whole image; the
// lists are made by a counting pass and one filling pass over the image.
template <typename Offset>
class CodePixelLists {
 public:
  CodePixelLists(const ByteGrid& image, ScanArea area, int lastCode) {
    std::array<std::size_t, 257> start{};
    if (area.Lines < 3 || area.Columns < 3 || lastCode < 1) return;
    ForEachInnerCell(image, area, [&](std::size_t, std::uint8_t value) {
      if (value >= 1 && value <= lastCode) ++start[value + 1];
    });
    for (int code = 1; code <= 256; ++code) start[code] += start[code - 1];
    begin_ = start;
    offsets_.resize(start[256]);
    ForEachInnerCell(image, area, [&](std::size_t offset, std::uint8_t value) {
      if (value >= 1 && value <= lastCode) offsets_[start[value]++] = static_cast<Offset>(offset);
    });
  }

  std::span<const Offset> Of(int code) const {
    return {offsets_.data() + begin_[code], offsets_.data() + begin_[code + 1]};
  }

 private:
  template <typename Visit>
  static void ForEachInnerCell(const ByteGrid& image, ScanArea area, Visit&& visit) {
    const std::size_t stride = static_cast<std::size_t>(image.Columns());
    const std::uint8_t* cells = image.Data();
    for (int line = 1; line <= area.Lines - 2; ++line) {
      const std::size_t lineStart = static_cast<std::size_t>(line) * stride;
      for (int column = 1; column <= area.Columns - 2; ++column) {
        visit(lineStart + column, cells[lineStart + column]);
      }
    }
  }

  std::array<std::size_t, 257> begin_{};
  std::vector<Offset> offsets_;
};

// Builds the lists with 4-byte offsets whenever the image allows it, which halves
// their memory on every realistic image, and hands them to work(lists).
template <typename Work>
void WithCodePixelLists(const ByteGrid& image, ScanArea area, int lastCode, Work&& work) {
  if (image.CellCount() <= std::numeric_limits<std::uint32_t>::max()) {
    work(CodePixelLists<std::uint32_t>(image, area, lastCode));
  } else {
    work(CodePixelLists<std::size_t>(image, area, lastCode));
  }
}

// One in-place scan of codes 1 to lastCode, in increasing order, each over its cells in
// scan order: a cell still holding its code whose NeighbourCode the mask selects
// becomes background at once, so the cells visited after it see the deletion. Only
// cells of the code being scanned change, so no cell can join a list while it is used.
template <typename Offset>
void DeleteMatchingCells(ByteGrid& image, const CodePixelLists<Offset>& lists, int lastCode,
                         const DeletionMask& mask) {
  std::uint8_t* cells = image.Data();
  const std::ptrdiff_t stride = image.Columns();
  for (int code = 1; code <= lastCode; ++code) {
    for (const Offset offset : lists.Of(code)) {
      std::uint8_t* cell = cells + offset;
      if (*cell == code && mask[NeighbourCodeAt(cell, stride)]) *cell = kBackgroundCode;
    }
  }
}

}  // namespace zelmaro
