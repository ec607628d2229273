#pragma once

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <cstddef>

namespace zelmaro {

// Runs body(begin, end) over the lines of a grid, in parallel blocks of lines when the
// grid is large enough to pay for the threads. The body must not depend on how the
// lines are split.
template <typename Body>
void ForGridLines(int lines, int columns, const Body& body) {
  constexpr std::size_t kParallelCells = std::size_t{1} << 15;
  if (static_cast<std::size_t>(lines) * static_cast<std::size_t>(columns) < kParallelCells) {
    body(0, lines);
    return;
  }
  tbb::parallel_for(
      tbb::blocked_range<int>(0, lines, 4),
      [&body](const tbb::blocked_range<int>& range) { body(range.begin(), range.end()); });
}

}  // namespace zelmaro
