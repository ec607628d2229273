#pragma once

#include "core/SessionState.h"

namespace zelmaro {

// What a working image must hold before a command can make anything of it. Each throws
// Error, saying why, when the image falls short.
//
// A zone must show at least one contour-line cell: a zone beside the scene's lines
// would give an image of background only.
void RequireContourCells(const SessionState& session);
// An interpolation needs at least one cell whose code has an altitude (1 to
// AltitudeCount); without one every cell of the DEM would stay without altitude.
void RequireAltitudeCells(const SessionState& session);

}  // namespace zelmaro
