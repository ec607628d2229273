#pragma once

#include "core/Grid.h"
#include "core/Progress.h"
#include "interp/LinearLevels.h"

namespace zelmaro {

// The level passes of the linear interpolation, in level order: every cell labelled k
// in linearCodeImage receives LevelLower[k] + I' x d_i / (d_i + d_s), d_i and d_s being
// its Euclidean distances to the nearest cell of demGrid holding LevelLower[k] and
// LevelUpper[k] (99999999 when there is none), truncated toward zero; then every cell
// holding LevelLower[k] receives LevelLower[k]. Other cells of linearResultGrid keep
// their values.
//
// The distances are exact: three distance transforms of the whole grid (one per family
// of every third line) settle nearly every cell, and a 2-d tree of a line's pixels the
// rest, so the cost grows about linearly with the cells; the work runs on all threads
// and needs about three bytes per cell besides the grids given. linearResultGrid holds
// the first distance of a cell until the second is known. Throws Error for a grid with
// 65535 lines or more, or whose diagonal does not fit a 32-bit square.
void RunLevelPasses(const IntGrid& demGrid, const ByteGrid& linearCodeImage,
                    const LevelTable& levels, IntGrid& linearResultGrid,
                    const Progress& progress = {});

}  // namespace zelmaro
