#pragma once

#include "core/SessionState.h"
#include "interp/LinearLevels.h"

namespace zelmaro::reference {

// The labelling as first written: every empty cell searches its line to the left and
// to the right, and the level table is searched from level 1.
void LabelLevels(SessionState& session, const LevelTable& levels);

// The level passes as first written: every cell of a level against every pixel of
// both of its lines.
void RunLevelPasses(const IntGrid& demGrid, const ByteGrid& linearCodeImage,
                    const LevelTable& levels, IntGrid& linearResultGrid);

// The whole linear interpolation of a seeded DemGrid with the literal pieces above and
// the literal window evaluation.
void LinearInterpolation(SessionState& session, const LinearParameters& parameters);

}  // namespace zelmaro::reference
