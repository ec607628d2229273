#pragma once

#include "core/SessionState.h"

namespace zelmaro {

// The same DemGrid as running DilationStep until a step fills no cell, with the same
// DilationPassChanges and FillPassChanges at the end. A step only fills empty cells,
// from the values around their own 8-connected empty region, so the regions are run
// apart, each in a crop of the grid around it: the cost follows the empty regions, not
// the whole grid at every step.
void DilationStepsByRegion(SessionState& session);

}  // namespace zelmaro
