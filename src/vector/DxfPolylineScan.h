#pragma once

#include <string_view>
#include <vector>

#include "core/ContourPolylines.h"
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

// The contour lines of a DXF file as polylines, in the order of the file: a polyline
// starts where the token scan starts one, and keeps every vertex it read, so that the
// drawing decides which vertices it can place. `beforeVertex()` runs as each vertex
// arrives (it may refuse the file); other tokens go to `onOtherToken` as above.
template <typename OnOtherToken, typename BeforeVertex>
std::vector<ContourPolyline> CollectPolylines(DxfReader& reader, int skip,
                                              OnOtherToken&& onOtherToken,
                                              BeforeVertex&& beforeVertex) {
  std::vector<ContourPolyline> polylines;
  ScanPolylines(reader, skip, onOtherToken, [&](const DxfVertex& vertex, bool first) {
    beforeVertex();
    if (first || polylines.empty()) polylines.emplace_back();
    polylines.back().push_back({vertex.X, vertex.Y, vertex.Z});
    return true;
  });
  return polylines;
}

// The polylines alone, the header passed over.
inline std::vector<ContourPolyline> ReadDxfPolylines(DxfReader& reader, int skip) {
  return CollectPolylines(
      reader, skip, [](std::string_view) {}, [] {});
}

}  // namespace zelmaro
