#pragma once

#include <string_view>

#include "vector/DxfReader.h"

namespace zelmaro {

// The token scan of the passes that draw contour lines. POLYLINE/VERTEX entities and
// LWPOLYLINE entities reach `onVertex(vertex, firstOfPolyline)` alike, so both forms of
// the same lines draw the same cells. `onVertex` returns
// false for a vertex it ignored, which then does not start the polyline. Every other
// token goes to `onOtherToken`, which may read further from the reader.
template <typename OnOtherToken, typename OnVertex>
void ScanPolylines(DxfReader& reader, int skip, OnOtherToken&& onOtherToken, OnVertex&& onVertex) {
  bool first = true;
  auto feed = [&](const DxfVertex& vertex) {
    if (onVertex(vertex, first)) first = false;
  };
  while (const std::optional<std::string_view> token = reader.NextToken()) {
    if (*token == kDxfPolyline) {
      first = true;
    } else if (*token == kDxfVertex) {
      if (const std::optional<DxfVertex> vertex = reader.ReadVertex(skip)) feed(*vertex);
    } else if (*token == kDxfLwPolyline) {
      const DxfLwPolyline polyline = reader.ReadLwPolyline();
      first = true;
      for (const DxfLwPolyline::Point& point : TracedPoints(polyline)) {
        feed({point.X, point.Y, polyline.elevation});
      }
      first = true;
    } else {
      onOtherToken(*token);
    }
  }
}

}  // namespace zelmaro
