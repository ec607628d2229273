#include "raster/ShadeDem.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <cmath>

#include "core/ProgressPacing.h"

namespace zelmaro {

ByteGrid ShadeDem(const IntGrid& dem, std::int32_t pixelSize, std::int32_t scaleOutFactor,
                  const Progress& progress) {
  const double pi = 4.0 * std::atan(1.0);
  const double elevation = 45.0 * pi / 180.0;
  const double azimuth = 45.0 * pi / 180.0;
  const double towardLines = std::cos(elevation) * std::cos(azimuth);
  const double towardColumns = std::cos(elevation) * std::sin(azimuth);
  const double upward = std::sin(elevation);
  const double p = static_cast<double>(pixelSize);
  const double p2 = p * p;
  const double s = static_cast<double>(scaleOutFactor);

  ByteGrid shaded = AllocByteGrid(dem.Columns(), dem.Lines());
  const auto shadeLine = [&](int i) {
    const std::int32_t* row = dem[i];
    const std::int32_t* next = dem[i + 1];
    std::uint8_t* out = shaded[i];
    for (int j = 0; j + 1 < dem.Columns(); ++j) {
      const double here = row[j] / s;
      const double dr = next[j] / s - here;
      const double dc = row[j + 1] / s - here;
      const double n = std::sqrt(dr * dr + dc * dc + p2);
      const double v = (towardLines * dr - towardColumns * dc + upward * p) / n;
      // A cell facing away from the light, or without a defined slope, is black.
      out[j] = v >= 0.0 ? static_cast<std::uint8_t>(std::trunc(255.999 * v)) : 0;
    }
  };
  PacedProgress paced(progress);
  ForEachBatch(dem.Lines() - 1, 32, paced, 0.0, 1.0, [&](int first, int last) {
    tbb::parallel_for(tbb::blocked_range<int>(first, last),
                      [&](const tbb::blocked_range<int>& lines) {
                        for (int i = lines.begin(); i < lines.end(); ++i) shadeLine(i);
                      });
  });
  paced.ReportNow(1.0);
  return shaded;
}

}  // namespace zelmaro
