#pragma once

#include <string>
#include <vector>

namespace zelmaro::testing {

// Contour lines to write as a DXF file in the tests, in map coordinates.
struct SampleLine {
  double z = 0.0;
  std::vector<std::pair<double, double>> points;
  bool closed = false;  // LWPOLYLINE flag; the VERTEX forms repeat the first point instead
};

struct SampleDxf {
  double xMin = 0.0;
  double yMin = 0.0;
  double zMin = 0.0;
  double xMax = 0.0;
  double yMax = 0.0;
  double zMax = 0.0;
  std::vector<SampleLine> lines;
};

// A sample with its header extent and no lines yet.
SampleDxf SampleFrame(double xMin, double yMin, double xMax, double yMax, double zMin, double zMax);

enum class VertexLayout {
  Agency,      // VERTEX 8 CN 70 32 10 x ..., integer header Z, as the agency files
  R12Handles,  // VERTEX 5 handle 8 layer 10 x ..., real header Z, as a CAD program's R12
  LayerOnly,   // VERTEX 8 0 10 x ...
};

// The same lines as POLYLINE/VERTEX/SEQEND entities, or as LWPOLYLINE entities with
// their elevation in group 38 (as a current GIS writes them). Lines end with "\n";
// WithCrLf gives the CR LF form.
std::string PolylineDxf(const SampleDxf& sample, VertexLayout layout);
std::string LwPolylineDxf(const SampleDxf& sample);

}  // namespace zelmaro::testing
