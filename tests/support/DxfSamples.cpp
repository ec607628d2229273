#include "support/DxfSamples.h"

#include <cstdio>

namespace zelmaro::testing {
namespace {

std::string Real(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  return buffer;
}

std::string Group(int code, const std::string& value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%3d\n", code);
  return buffer + value + "\n";
}

std::string Header(const SampleDxf& sample, bool realZ) {
  auto z = [&](double value) { return realZ ? Real(value) : std::to_string(int(value)); };
  std::string text = Group(0, "SECTION") + Group(2, "HEADER");
  if (realZ) text += Group(9, "$ACADVER") + Group(1, "AC1009");
  text += Group(9, "$EXTMIN") + Group(10, Real(sample.xMin)) + Group(20, Real(sample.yMin)) +
          Group(30, z(sample.zMin));
  text += Group(9, "$EXTMAX") + Group(10, Real(sample.xMax)) + Group(20, Real(sample.yMax)) +
          Group(30, z(sample.zMax));
  if (realZ) text += Group(9, "$HANDSEED") + Group(5, "FFFF");
  text += Group(0, "ENDSEC");
  text += Group(0, "SECTION") + Group(2, "TABLES") + Group(0, "TABLE") + Group(2, "LAYER") +
          Group(70, "     1") + Group(0, "LAYER") + Group(2, "CN") + Group(70, "     0") +
          Group(0, "ENDTAB") + Group(0, "ENDSEC");
  return text + Group(0, "SECTION") + Group(2, "ENTITIES");
}

char HandleText(int& handle, char* buffer) {
  std::snprintf(buffer, 16, "%X", handle++);
  return buffer[0];
}

}  // namespace

SampleDxf SampleFrame(double xMin, double yMin, double xMax, double yMax, double zMin,
                      double zMax) {
  SampleDxf sample;
  sample.xMin = xMin;
  sample.yMin = yMin;
  sample.xMax = xMax;
  sample.yMax = yMax;
  sample.zMin = zMin;
  sample.zMax = zMax;
  return sample;
}

std::string PolylineDxf(const SampleDxf& sample, VertexLayout layout) {
  const bool handles = layout == VertexLayout::R12Handles;
  std::string text = Header(sample, handles);
  int handle = 0x20;
  char buffer[16];
  auto handleGroup = [&]() {
    if (!handles) return std::string();
    HandleText(handle, buffer);
    return Group(5, buffer);
  };
  const std::string layer = layout == VertexLayout::LayerOnly ? "0" : "CN";
  for (const SampleLine& line : sample.lines) {
    text += Group(0, "POLYLINE") + handleGroup() + Group(8, layer) + Group(66, "     1") +
            Group(10, "0") + Group(20, "0") +
            Group(30, handles ? Real(line.z) : std::to_string(int(line.z)));
    if (handles) text += Group(70, "     8");
    std::vector<std::pair<double, double>> points = line.points;
    if (line.closed) points.push_back(points.front());
    for (const auto& [x, y] : points) {
      text += Group(0, "VERTEX") + handleGroup() + Group(8, layer);
      if (layout == VertexLayout::Agency) text += Group(70, "    32");
      text += Group(10, Real(x)) + Group(20, Real(y)) + Group(30, Real(line.z));
      if (handles) text += Group(70, "    32");
    }
    text += Group(0, "SEQEND") + handleGroup() + Group(8, layer);
  }
  return text + Group(0, "ENDSEC") + Group(0, "EOF");
}

std::string LwPolylineDxf(const SampleDxf& sample) {
  std::string text = Header(sample, true);
  int handle = 0x40;
  char buffer[16];
  for (const SampleLine& line : sample.lines) {
    HandleText(handle, buffer);
    text += Group(0, "LWPOLYLINE") + Group(5, buffer) + Group(330, "1F") +
            Group(100, "AcDbEntity") + Group(8, "Contour lines") + Group(100, "AcDbPolyline") +
            Group(90, std::to_string(line.points.size())) + Group(70, line.closed ? "1" : "0") +
            Group(43, "0.0") + Group(38, Real(line.z));
    for (const auto& [x, y] : line.points) text += Group(10, Real(x)) + Group(20, Real(y));
  }
  return text + Group(0, "ENDSEC") + Group(0, "EOF");
}

}  // namespace zelmaro::testing
