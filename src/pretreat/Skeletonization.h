#pragma once

#include "core/NeighbourScan.h"
#include "core/SessionState.h"

namespace zelmaro {

// The thinning and corner elimination of codes 1 to lastCode of `image`, in place, over
// the inner cells of `area`: the phase-1 configurations, then the phase-2 corners.
void ThinContourLines(ByteGrid& image, ScanArea area, int lastCode);

// One run of the thinning and corner elimination of ContourImage, in place: a scan of
// every code from 1 to AltitudeCount with the phase-1 configurations, then a second
// scan with the phase-2 corners. The first and last line and column never change but
// count as neighbours. Running it again thins further.
void ThinContourLines(SessionState& session);

}  // namespace zelmaro
