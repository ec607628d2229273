#pragma once

#include "core/Grid.h"
#include "interp/LinearLevels.h"

namespace zelmaro {

// The level passes of the linear interpolation, in level order: every cell labelled k
// in linearCodeImage receives LevelLower[k] + I' x d_i / (d_i + d_s), d_i and d_s being
// its Euclidean distances to the nearest cell of demGrid holding LevelLower[k] and
// LevelUpper[k] (99999999 when there is none), truncated toward zero; then every cell
// holding LevelLower[k] receives LevelLower[k]. The distances are exact: a few whole-grid
// distance transforms (one per family of every third line) settle nearly every cell,
// and a 2-d tree of the line's pixels the rest, so the cost grows about linearly with
// the cells instead of with the level cells times the line pixels.
void RunLevelPasses(const IntGrid& demGrid, const ByteGrid& linearCodeImage,
                    const LevelTable& levels, IntGrid& linearResultGrid);

}  // namespace zelmaro
