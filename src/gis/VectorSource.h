#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ContourPolylines.h"
#include "core/Progress.h"
#include "core/SessionState.h"
#include "vector/VectorScene.h"

namespace zelmaro {

// What the layer and field dialog shows of one layer of a vector source.
struct VectorLayerInfo {
  std::string Name;
  std::string GeometryType;  // as GDAL names it, "3D Line String" for instance
  bool HasZ = false;
  bool HasLines = false;           // lines, polygons, or a type GDAL leaves open
  std::int64_t FeatureCount = -1;  // -1 when the driver cannot tell without reading
  std::vector<std::string> NumericFields;
  std::string PreselectedField;  // the field named like an elevation; empty when none
};

struct VectorSourceInfo {
  std::string Path;
  std::string Driver;
  std::vector<VectorLayerInfo> Layers;
  std::size_t DefaultLayer = 0;  // the first layer that can hold lines
};

// The layers of a vector source that GDAL opens (Shapefile, GeoPackage, GeoJSON, GML,
// KML, FlatGeobuf...). Throws Error naming the file and GDAL's reason when it cannot.
VectorSourceInfo DescribeVectorSource(const std::string& path);

// Of the numeric fields of a layer, the one named ELEV, ELEVATION, Z, HEIGHT, ALT,
// ALTITUDE or CONTOUR in any case (in this order of preference); empty when none is.
std::string PreselectedElevationField(const std::vector<std::string>& numericFields);

// What the user chose in the layer and field dialog, or on the command line.
struct ContourSourceChoice {
  std::string Layer;  // empty: the source's default layer
  // empty: the geometry's Z when the layer has Z, else the preselected field
  std::string Field;
};

// The text that names the geometry's Z as the elevation.
inline constexpr const char* kGeometryZElevation = "geometry Z";

// The contour lines of one layer: every line string, every part of a multi line string
// and every ring of a polygon becomes a polyline; its altitude is the geometry's Z or
// the chosen field's value. Features without an elevation (an empty field, a geometry
// without Z) are skipped and counted, as are features without a line.
struct GisContours {
  ContourPolylines Lines;  // the frame is the layer's extent
  std::string Layer;
  std::string Elevation;  // the field's name, or kGeometryZElevation
  std::string CrsWkt;     // the layer's CRS; empty when it has none
  std::int64_t Features = 0;
  std::int64_t WithoutElevation = 0;
  std::int64_t WithoutLines = 0;
};

// Throws Error naming the file (and the layer or field) for a source GDAL cannot read,
// an unknown layer or field, a field that is not numeric, a layer without any line, or
// one where no line has an elevation.
GisContours ReadGisContours(const std::string& path, const ContourSourceChoice& choice = {},
                            const Progress& progress = {});

// What a Vectorial load tells the user beside the scene.
struct VectorSourceLoad {
  VectorSceneFrame Frame;
  bool AltitudesFromVertices = false;  // the table came from the lines, not a header range
  std::string Layer;                   // empty for DXF
  std::string Elevation;               // empty for DXF
  std::string CrsWkt;
  std::int64_t Features = 0;
  std::int64_t WithoutElevation = 0;
  std::int64_t WithoutLines = 0;
};

// DXF files go to the program's own token reader; everything else to GDAL.
bool IsDxfPath(const std::string& path);

// The Vectorial command for any vector source: a DXF file as RasterizeVectorScene reads
// it, any other source through GDAL; the session takes the scene, the lines (for the zone
// selection) and the source's CRS. A DXF file has no layer or field to choose. On
// Error or cancellation the session is unchanged.
VectorSourceLoad LoadVectorSource(SessionState& session, const std::string& path,
                                  const ContourSourceChoice& choice = {},
                                  const Progress& progress = {});

// The filters of the Vectorial file dialog, "All vector files" first.
struct VectorFileFilter {
  std::string Label;
  std::vector<std::string> Patterns;  // "*.shp", ...
};
std::vector<VectorFileFilter> VectorFileFilters();

}  // namespace zelmaro
