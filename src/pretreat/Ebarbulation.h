#pragma once

#include "core/NeighbourScan.h"
#include "core/SessionState.h"

namespace zelmaro {

// The branch-end removal of codes 1 to lastCode of `image`, in place, over the inner
// cells of `area`.
void RemoveBranchEnds(ByteGrid& image, ScanArea area, int lastCode);

// One run of the branch-end removal of ContourImage, in place: every cell of codes 1 to
// AltitudeCount with exactly one neighbour of its own code becomes background. The
// scan sees its own deletions, so an open line is eaten from its first end in scan
// order; the first and last line and column never change but count as neighbours.
void RemoveBranchEnds(SessionState& session);

}  // namespace zelmaro
