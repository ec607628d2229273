#pragma once

#include <cstdint>

#include "core/Grid.h"
#include "core/Progress.h"

namespace zelmaro {

// Hill shading with the light from the upper right corner of the picture, 45 degrees
// above the horizon: 0 is darkest, 255 brightest. The last line and the last column
// have no next cell to compare with and stay 0. pixelSize is the cell size in meters,
// scaleOutFactor the unit of the DEM values (1, 10, 100 or 1000 per meter). The lines
// are shaded on all threads.
ByteGrid ShadeDem(const IntGrid& dem, std::int32_t pixelSize, std::int32_t scaleOutFactor,
                  const Progress& progress = {});

}  // namespace zelmaro
