#pragma once

namespace zelmaro {

// The map coordinates of the edges of a picture or a frame.
struct MapExtent {
  double XMin = 0.0;
  double XMax = 0.0;
  double YMin = 0.0;
  double YMax = 0.0;
};

}  // namespace zelmaro
