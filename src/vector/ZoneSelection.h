#pragma once

#include <cstdint>

#include "core/Grid.h"
#include "core/Progress.h"
#include "core/SessionState.h"
#include "core/ZoneParameters.h"

namespace zelmaro {

// A working image must stay within memory: a zone of more cells than this at the
// chosen pixel size is refused (a larger pixel size or a smaller zone will do). A
// billion cells take 1 GB as a contour-line image and about 13 GB to interpolate.
inline constexpr double kMostZoneCells = 1'000'000'000.0;

// What a zone selection gives the image window, the result window and the output
// files: the zone extent with its pixel size, and the size of the working image.
struct ZoneSelection {
  ZoneParameters zone;
  std::int32_t Lines = 0;
  std::int32_t Columns = 0;
};

// The two corner-removal passes of a freshly drawn zone: staircase corners, then the
// inner corners of orthogonal steps, in place, border lines and columns untouched.
void RemoveZoneCorners(ByteGrid& image);

// Extract Vector Zone: reads the DXF file at InputPath again at the zone's pixel size,
// codes every contour cell inside the zone by the first altitude-table entry equal to
// the integer part of its altitude, removes the corners, and makes the result the
// working image (ContourImage, ComeBackImage, WorkLines/WorkColumns, ContourGridLines/
// ContourGridColumns, ZoneSelected, EditableImage, RasterSession 0). Throws Error, the
// session unchanged, without a loaded scene, for a pixel size of 0 or below, a zone
// smaller than one cell or too large, or a file that cannot be read; cancelled, it
// leaves the session unchanged too.
ZoneSelection SelectZone(SessionState& session, const ZoneParameters& zone,
                         const Progress& progress = {});

}  // namespace zelmaro
