#pragma once

#include "core/SessionState.h"

namespace zelmaro {

// One run of the branch-end removal of ContourImage, in place: every cell of codes 1 to
// AltitudeCount with exactly one neighbour of its own code becomes background. The
// scan sees its own deletions, so an open line is eaten from its first end in scan
// order; the first and last line and column never change but count as neighbours.
void RemoveBranchEnds(SessionState& session);

}  // namespace zelmaro
