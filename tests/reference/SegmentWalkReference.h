#pragma once

#include <algorithm>
#include <cstdlib>

#include "vector/SegmentWalk.h"

// The segment walk of the vector road made step by step from the start cell, whatever
// lies outside the frame: plainly what the walk computes; the bounded walk must visit
// the same cells of any window in the same order.
namespace zelmaro::reference {

template <typename Visit>
void WalkEverySegmentStep(VectorCell from, VectorCell to, Visit&& visit) {
  const int lineExtent = to.line - from.line;
  const int columnExtent = to.column - from.column;
  const int steps = std::max(std::abs(lineExtent), std::abs(columnExtent));
  if (steps == 0) return;
  const double lineStep = static_cast<double>(lineExtent) / steps;
  const double columnStep = static_cast<double>(columnExtent) / steps;
  double line = from.line;
  double column = from.column;
  for (int step = 0; step < steps; ++step) {
    line += lineStep;
    column += columnStep;
    visit(RoundHalfUp(line), RoundHalfUp(column));
  }
}

}  // namespace zelmaro::reference
