#pragma once

#include <cmath>
#include <vector>

#include "core/ContourPolylines.h"
#include "vector/SegmentWalk.h"

namespace zelmaro {

// The grid a vector scene is drawn into: `lines` cells high at `pixelSize` map units,
// from (xMin, yMin), so that YMin lies `lines` cells below line 0.
struct PolylineGrid {
  double xMin = 0.0;
  double yMin = 0.0;
  double lines = 0.0;
  double pixelSize = 0.0;
};

// Calls segment(from, to, z) for every segment of every polyline, in order, z being the
// altitude of the vertex that ends it. A vertex whose altitude is not finite or whose
// cell lies out of reach is passed over, and a polyline starts at its first vertex
// that has a cell, as the DXF token scan always did.
template <typename Segment>
void WalkPolylines(const std::vector<ContourPolyline>& polylines, const PolylineGrid& grid,
                   Segment&& segment) {
  for (const ContourPolyline& polyline : polylines) {
    bool first = true;
    VectorCell current;
    for (const ContourVertex& vertex : polyline) {
      VectorCell cell;
      if (!std::isfinite(vertex.Z) || !MapPointCell(vertex.X, vertex.Y, grid.xMin, grid.yMin,
                                                    grid.lines, grid.pixelSize, cell)) {
        continue;
      }
      if (!first) segment(current, cell, vertex.Z);
      current = cell;
      first = false;
    }
  }
}

}  // namespace zelmaro
