#pragma once

#include "core/SessionState.h"
#include "interp/LinearLevels.h"

namespace zelmaro {

// The degree of the final smoothing of the linear interpolation, and the window size
// it needs: smaller grids keep the unsmoothed values.
inline constexpr int kLinearSmoothingDegree = 5;

// The linear interpolation of a DemGrid freshly seeded from ContourImage: the typed
// minimum replaces AltitudeTable[1]; the empty regions between two successive lines are
// labelled with their level (LinearCodeImage), interpolated from the distances to
// their two lines; the rest is filled by dilation steps and neighbour means, and the
// whole grid smoothed with a degree-5 Bezier window. DemMin and DemMax are left as they
// are. The parameters are checked before anything changes.
void LinearInterpolation(SessionState& session, const LinearParameters& parameters);

// The Lineal Interpolation command without its dialogs: seeds DemGrid from ContourImage
// and runs LinearInterpolation. On Error the session is left as it was.
void RunLinearInterpolation(SessionState& session, const LinearParameters& parameters);

}  // namespace zelmaro
