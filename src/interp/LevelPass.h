#pragma once

#include "core/Grid.h"
#include "interp/LinearLevels.h"

namespace zelmaro {

// The level passes of the linear interpolation, in level order: every cell labelled k
// in linearCodeImage receives LevelLower[k] + I' x d_i / (d_i + d_s), d_i and d_s being
// its Euclidean distances to the nearest cell of demGrid holding LevelLower[k] and
// LevelUpper[k] (99999999 when there is none), truncated toward zero; then every cell
// holding LevelLower[k] receives LevelLower[k]. The distances come from an exact
// distance transform over the level's surroundings, so the cost grows with the area
// around each level instead of with its cells times its line pixels.
void RunLevelPasses(const IntGrid& demGrid, const ByteGrid& linearCodeImage,
                    const LevelTable& levels, IntGrid& linearResultGrid);

}  // namespace zelmaro
