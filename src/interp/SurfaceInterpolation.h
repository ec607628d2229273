#pragma once

#include <cstdint>

#include "core/Grid.h"
#include "core/Progress.h"
#include "core/SessionState.h"

namespace zelmaro {

inline constexpr double kDefaultSurfaceTension = 0.1;

// The choices of the surface interpolation.
struct SurfaceParameters {
  // 0 gives the surface of least curvature, which may overshoot between distant lines
  // on steep ground; 1 the surface of least slope, a membrane with a crease at every
  // line. In between, both are weighed, the slope by T and the curvature by 1 - T, each
  // counted per cell of the map.
  double Tension = kDefaultSurfaceTension;
  // A contour cell is the first cell at or above its level, half a cell's rise above it
  // on average: with the correction the surface is solved again with each contour cell
  // half its slope (in cells) above its level.
  bool SubPixelCorrection = true;
};

// Throws Error unless the tension is a number from 0 to 1.
void CheckSurfaceParameters(const SurfaceParameters& parameters);

// The surface through the contour cells of a seeded DEM (NoAltitude elsewhere), before
// rounding. Its values are kept in level intervals, centred on the middle level, so that
// single precision holds them to far below a centimetre of any real map.
struct SurfaceSolution {
  FloatGrid Levels;  // (altitude - Base) / Interval
  double Base = 0.0;
  double Interval = 1.0;
  int Iterations = 0;  // on the map's own grid, the correction's included

  double Altitude(int line, int column) const { return Base + Interval * Levels[line][column]; }
};

// The surface of least (1 - T) x curvature^2 + T x slope^2 through the contour cells
// (SurfaceStencil.h), solved until no cell changes by a thousandth of the level interval,
// then corrected for the sub-pixel position of the lines when asked. Beyond the
// outermost lines the surface goes on as the lines left it, but never more than one
// level interval beyond them, and between lines it stays within their levels
// (SurfaceRegions.h). The level interval is the smallest step between two altitudes of
// the contour cells. A map of a single level gives that level everywhere; a map of
// contour cells only gives them back. Throws Error when no cell has an altitude or the
// tension is out of range, CommandCancelled when `progress` asks to stop.
SurfaceSolution SolveSurface(const IntGrid& seeded, const SurfaceParameters& parameters,
                             const Progress& progress = {});

// The same as a DEM, rounded half up as the other interpolations round.
IntGrid InterpolateSurface(const IntGrid& seeded, const SurfaceParameters& parameters,
                           const Progress& progress = {});

// The Surface Interpolation command without its dialogs: DemGrid := the surface of the
// contour cells of ContourImage (their altitudes converted from the Scale In to the Scale
// Out unit), DemMin and DemMax := its lowest and highest altitude; returns the
// iterations of the solver. On Error or cancel the session is left as it was.
int SurfaceInterpolation(SessionState& session, std::int32_t scaleInFactor,
                         std::int32_t scaleOutFactor, const SurfaceParameters& parameters,
                         const Progress& progress = {});

}  // namespace zelmaro
