#pragma once

#include "core/Grid.h"
#include "core/Progress.h"
#include "core/SessionState.h"
#include "interp/LinearLevels.h"

namespace zelmaro {

// The degree of the final smoothing of the linear interpolation, and the window size
// it needs: smaller grids keep the unsmoothed values.
inline constexpr int kLinearSmoothingDegree = 5;

// What the linear interpolation makes: the DEM and the level labels.
struct LinearResult {
  IntGrid DemGrid;
  ByteGrid LinearCodeImage;
};

// The linear interpolation of a DEM freshly seeded from the contour-line image: the
// typed minimum replaces the altitude of code 1 (in a copy of the table); the empty
// regions between two successive lines are labelled with their level, interpolated from
// the distances to their two lines; the rest is filled by dilation steps and neighbour
// means, and the whole grid smoothed with a degree-5 Bezier window. The parameters are
// checked before anything is computed.
LinearResult LinearInterpolation(const ByteGrid& contourImage, IntGrid seededDem,
                                 const AltitudeTableArray& altitudeTable,
                                 const LinearParameters& parameters, const Progress& progress = {});

// The same on the session's DemGrid (seeded) and ContourImage: DemGrid, LinearCodeImage
// and AltitudeTable[1] are replaced together once all is done. DemMin and DemMax are
// left as they are.
void LinearInterpolation(SessionState& session, const LinearParameters& parameters,
                         const Progress& progress = {});

// The Lineal Interpolation command without its dialogs: seeds the DEM from ContourImage
// and runs LinearInterpolation. On Error or cancel the session is left as it was.
void RunLinearInterpolation(SessionState& session, const LinearParameters& parameters,
                            const Progress& progress = {});

}  // namespace zelmaro
