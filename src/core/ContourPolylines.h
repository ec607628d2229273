#pragma once

#include <vector>

#include "core/MapExtent.h"

namespace zelmaro {

// A point of a contour line in map units, with its altitude.
struct ContourVertex {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
  bool operator==(const ContourVertex&) const = default;
};

using ContourPolyline = std::vector<ContourVertex>;

// Contour lines as every vector source gives them once read, whatever its format: the
// polylines in the order of the source, each with the altitude of every vertex, and the
// frame of the scene they belong to. The preview and the zone selection draw them with
// the same cell walk, so a source whose lines equal a DXF file's lines draws alike.
struct ContourPolylines {
  std::vector<ContourPolyline> Polylines;
  MapExtent Frame;
};

}  // namespace zelmaro
