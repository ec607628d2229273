#include "gis/VectorSource.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

#include <ogr_geometry.h>
#include <ogrsf_frmts.h>

#include "core/Error.h"
#include "core/FileIO.h"
#include "gis/GdalSupport.h"
#include "vector/DxfReader.h"

namespace zelmaro {
namespace {

constexpr const char* kElevationNames[] = {"ELEV", "ELEVATION", "Z",      "HEIGHT",
                                           "ALT",  "ALTITUDE",  "CONTOUR"};
constexpr std::int64_t kFeaturesPerReport = 1024;

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Listed(const std::vector<std::string>& names) {
  if (names.empty()) return "(none)";
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

bool IsNumeric(const OGRFieldDefn& field) {
  switch (field.GetType()) {
    case OFTInteger:
      return field.GetSubType() != OFSTBoolean;
    case OFTInteger64:
    case OFTReal:
      return true;
    default:
      return false;
  }
}

bool CanHoldLines(OGRwkbGeometryType type) {
  const OGRwkbGeometryType flat = wkbFlatten(type);
  return OGR_GT_IsCurve(flat) || OGR_GT_IsSurface(flat) || flat == wkbMultiLineString ||
         flat == wkbMultiPolygon || flat == wkbMultiCurve || flat == wkbMultiSurface ||
         flat == wkbGeometryCollection || flat == wkbUnknown;
}

VectorLayerInfo DescribeLayer(OGRLayer& layer) {
  VectorLayerInfo info;
  info.Name = layer.GetName();
  const OGRwkbGeometryType type = layer.GetGeomType();
  info.GeometryType = OGRGeometryTypeToName(type);
  info.HasZ = OGR_GT_HasZ(type) != 0;
  info.HasLines = CanHoldLines(type);
  info.FeatureCount = layer.GetFeatureCount(FALSE);
  OGRFeatureDefn* definition = layer.GetLayerDefn();
  for (int i = 0; i < definition->GetFieldCount(); ++i) {
    const OGRFieldDefn& field = *definition->GetFieldDefn(i);
    if (IsNumeric(field)) info.NumericFields.emplace_back(field.GetNameRef());
  }
  info.PreselectedField = PreselectedElevationField(info.NumericFields);
  return info;
}

VectorSourceInfo Describe(GDALDataset& dataset, const std::string& path) {
  VectorSourceInfo info;
  info.Path = path;
  info.Driver = dataset.GetDriver() != nullptr ? dataset.GetDriver()->GetDescription() : "";
  for (int i = 0; i < dataset.GetLayerCount(); ++i) {
    info.Layers.push_back(DescribeLayer(*dataset.GetLayer(i)));
  }
  if (info.Layers.empty()) throw Error("The vector file " + path + " holds no layer.");
  const auto withLines = std::find_if(info.Layers.begin(), info.Layers.end(),
                                      [](const VectorLayerInfo& layer) { return layer.HasLines; });
  info.DefaultLayer = withLines == info.Layers.end()
                          ? 0
                          : static_cast<std::size_t>(withLines - info.Layers.begin());
  return info;
}

void AppendCurve(const OGRSimpleCurve& curve, std::vector<ContourPolyline>& polylines) {
  if (curve.getNumPoints() < 2) return;
  ContourPolyline polyline;
  polyline.reserve(static_cast<std::size_t>(curve.getNumPoints()));
  for (int i = 0; i < curve.getNumPoints(); ++i) {
    polyline.push_back({curve.getX(i), curve.getY(i), curve.getZ(i)});
  }
  polylines.push_back(std::move(polyline));
}

// Line strings, the parts of collections and the rings of polygons, curves made linear.
void AppendLines(const OGRGeometry& geometry, std::vector<ContourPolyline>& polylines) {
  if (geometry.hasCurveGeometry()) {
    const OGRGeometryUniquePtr linear(geometry.getLinearGeometry());
    if (linear && !linear->hasCurveGeometry()) AppendLines(*linear, polylines);
    return;
  }
  switch (wkbFlatten(geometry.getGeometryType())) {
    case wkbLineString:
    case wkbLinearRing:
      AppendCurve(*geometry.toSimpleCurve(), polylines);
      break;
    case wkbPolygon:
    case wkbTriangle: {
      const OGRPolygon& polygon = *geometry.toPolygon();
      if (polygon.getExteriorRing() != nullptr) AppendCurve(*polygon.getExteriorRing(), polylines);
      for (int i = 0; i < polygon.getNumInteriorRings(); ++i) {
        AppendCurve(*polygon.getInteriorRing(i), polylines);
      }
      break;
    }
    case wkbMultiLineString:
    case wkbMultiPolygon:
    case wkbGeometryCollection: {
      const OGRGeometryCollection& parts = *geometry.toGeometryCollection();
      for (int i = 0; i < parts.getNumGeometries(); ++i) {
        AppendLines(*parts.getGeometryRef(i), polylines);
      }
      break;
    }
    default:
      break;
  }
}

std::size_t ChosenLayer(const VectorSourceInfo& info, const std::string& name) {
  if (name.empty()) return info.DefaultLayer;
  for (std::size_t i = 0; i < info.Layers.size(); ++i) {
    if (info.Layers[i].Name == name) return i;
  }
  std::vector<std::string> names;
  for (const VectorLayerInfo& layer : info.Layers) names.push_back(layer.Name);
  throw Error("The vector file " + info.Path + " has no layer \"" + name +
              "\"; its layers are: " + Listed(names) + ".");
}

// The index of the field the elevation comes from, -1 for the geometry's Z.
int ElevationField(OGRLayer& layer, const VectorLayerInfo& described,
                   const ContourSourceChoice& choice, const std::string& layerName,
                   const std::string& path) {
  OGRFeatureDefn* definition = layer.GetLayerDefn();
  std::string name = choice.Field;
  if (name.empty()) {
    if (described.HasZ || described.PreselectedField.empty()) return -1;
    name = described.PreselectedField;
  }
  const int index = definition->GetFieldIndex(name.c_str());
  if (index < 0) {
    throw Error("The layer " + layerName + " of " + path + " has no field \"" + name +
                "\"; its numeric fields are: " + Listed(described.NumericFields) + ".");
  }
  const OGRFieldDefn& field = *definition->GetFieldDefn(index);
  if (!IsNumeric(field)) {
    throw Error("The field \"" + name + "\" of the layer " + layerName + " in " + path +
                " is not numeric (it holds " + OGRFieldDefn::GetFieldTypeName(field.GetType()) +
                " values); an elevation needs one of its numeric fields: " +
                Listed(described.NumericFields) + ".");
  }
  return index;
}

// GeoPackage gives a layer written without CRS one of its two "Undefined" systems;
// they place nothing on Earth.
std::string LayerCrs(OGRLayer& layer) {
  const OGRSpatialReference* srs = layer.GetSpatialRef();
  const std::string name = srs != nullptr && srs->GetName() != nullptr ? srs->GetName() : "";
  if (name == "Undefined geographic SRS" || name == "Undefined Cartesian SRS") return {};
  return WktOf(srs);
}

MapExtent ExtentOf(OGRLayer& layer, const std::vector<ContourPolyline>& polylines) {
  OGREnvelope envelope;
  if (layer.GetExtent(&envelope, TRUE) == OGRERR_NONE) {
    return {envelope.MinX, envelope.MaxX, envelope.MinY, envelope.MaxY};
  }
  MapExtent extent{HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
  for (const ContourPolyline& polyline : polylines) {
    for (const ContourVertex& vertex : polyline) {
      extent.XMin = std::min(extent.XMin, vertex.X);
      extent.XMax = std::max(extent.XMax, vertex.X);
      extent.YMin = std::min(extent.YMin, vertex.Y);
      extent.YMax = std::max(extent.YMax, vertex.Y);
    }
  }
  return extent;
}

[[noreturn]] void RefuseWithoutElevation(const GisContours& read, const VectorLayerInfo& described,
                                         const std::string& path, const std::string& driver,
                                         const std::string& where) {
  if (read.Elevation == kGeometryZElevation && driver == "ESRI Shapefile" &&
      !FileExists(ReplaceExtension(path, ".dbf")) && !FileExists(ReplaceExtension(path, ".DBF"))) {
    throw Error("The Shapefile " + path + " has no attribute file " +
                ReplaceExtension(path, ".dbf") +
                " beside it, and its lines have no Z: nothing gives them an elevation.");
  }
  if (read.Elevation == kGeometryZElevation && described.NumericFields.empty()) {
    throw Error(where +
                " gives its lines no elevation: they have no Z, and the layer has no numeric "
                "field to take one from.");
  }
  if (read.Elevation == kGeometryZElevation) {
    throw Error(where +
                " gives its lines no elevation: they have no Z, and no numeric field is "
                "named like an elevation; choose the one that holds it among: " +
                Listed(described.NumericFields) + ".");
  }
  throw Error(where + " gives its lines no elevation: the field \"" + read.Elevation +
              "\" is empty in all " + std::to_string(read.WithoutElevation) + " of them.");
}

}  // namespace

std::string PreselectedElevationField(const std::vector<std::string>& numericFields) {
  for (const char* wanted : kElevationNames) {
    for (const std::string& field : numericFields) {
      if (Upper(field) == wanted) return field;
    }
  }
  return {};
}

VectorSourceInfo DescribeVectorSource(const std::string& path) {
  GDALDatasetUniquePtr dataset = OpenGdalDataset(path, GDAL_OF_VECTOR, "vector file");
  return Describe(*dataset, path);
}

GisContours ReadGisContours(const std::string& path, const ContourSourceChoice& choice,
                            const Progress& progress) {
  GDALDatasetUniquePtr dataset = OpenGdalDataset(path, GDAL_OF_VECTOR, "vector file");
  const VectorSourceInfo info = Describe(*dataset, path);
  const std::size_t layerIndex = ChosenLayer(info, choice.Layer);
  const VectorLayerInfo& described = info.Layers[layerIndex];
  OGRLayer& layer = *dataset->GetLayer(static_cast<int>(layerIndex));
  const std::string where = "The layer " + described.Name + " of " + path;
  const int field = ElevationField(layer, described, choice, described.Name, path);

  GisContours read;
  read.Layer = described.Name;
  read.Elevation =
      field < 0 ? kGeometryZElevation : layer.GetLayerDefn()->GetFieldDefn(field)->GetNameRef();
  read.CrsWkt = LayerCrs(layer);
  std::vector<ContourPolyline>& polylines = read.Lines.Polylines;
  GdalErrorTrap trap;
  layer.ResetReading();
  std::int64_t seen = 0;
  std::vector<ContourPolyline> lines;
  while (const OGRFeatureUniquePtr feature{layer.GetNextFeature()}) {
    if (++seen % kFeaturesPerReport == 0 && described.FeatureCount > 0) {
      progress.Report(static_cast<double>(seen) / static_cast<double>(described.FeatureCount));
    }
    lines.clear();
    const OGRGeometry* geometry = feature->GetGeometryRef();
    if (geometry != nullptr) AppendLines(*geometry, lines);
    if (lines.empty()) {
      ++read.WithoutLines;
      continue;
    }
    if (field >= 0) {
      const double z = feature->GetFieldAsDouble(field);
      if (!feature->IsFieldSetAndNotNull(field) || !std::isfinite(z)) {
        ++read.WithoutElevation;
        continue;
      }
      for (ContourPolyline& line : lines) {
        for (ContourVertex& vertex : line) vertex.Z = z;
      }
    } else if (!geometry->Is3D()) {
      ++read.WithoutElevation;
      continue;
    }
    ++read.Features;
    for (ContourPolyline& line : lines) polylines.push_back(std::move(line));
  }
  if (trap.Failed()) {
    ThrowGdalFailure("Cannot read the features of the layer " + described.Name + " of " + path,
                     trap);
  }
  if (polylines.empty()) {
    if (read.WithoutElevation == 0) {
      throw Error(where + " holds no line geometry (its geometry type is " +
                  described.GeometryType +
                  "): contour lines must be line strings, multi line strings or polygons.");
    }
    RefuseWithoutElevation(read, described, path, info.Driver, where);
  }
  read.Lines.Frame = ExtentOf(layer, polylines);
  progress.Report(1.0);
  return read;
}

bool IsDxfPath(const std::string& path) {
  return path.size() >= 4 && Upper(path.substr(path.size() - 4)) == ".DXF";
}

VectorSourceLoad LoadVectorSource(SessionState& session, const std::string& path,
                                  const ContourSourceChoice& choice, const Progress& progress) {
  VectorSourceLoad load;
  if (IsDxfPath(path)) {
    if (!choice.Layer.empty() || !choice.Field.empty()) {
      throw Error("The DXF file " + path +
                  " has no layer or field to choose: its altitudes are the Z of its vertices.");
    }
    DxfReader reader = DxfReader::Open(path);
    VectorScene scene =
        ReadVectorScene(reader, [&](double fraction) { progress.Report(fraction); });
    load.Frame = scene.frame;
    load.AltitudesFromVertices = scene.AltitudesFromVertices;
    CommitVectorScene(session, path, std::move(scene));
    return load;
  }
  GisContours read = ReadGisContours(path, choice, progress.Part(0.0, 0.5));
  const Progress drawing = progress.Part(0.5, 1.0);
  VectorScene scene =
      BuildContourScene(std::make_shared<const ContourPolylines>(std::move(read.Lines)),
                        "The layer " + read.Layer + " of " + path,
                        [&](double fraction) { drawing.Report(fraction); });
  load.Frame = scene.frame;
  load.AltitudesFromVertices = scene.AltitudesFromVertices;
  load.Layer = read.Layer;
  load.Elevation = read.Elevation;
  load.CrsWkt = read.CrsWkt;
  load.Features = read.Features;
  load.WithoutElevation = read.WithoutElevation;
  load.WithoutLines = read.WithoutLines;
  CommitVectorScene(session, path, std::move(scene));
  session.CrsWkt = read.CrsWkt;
  return load;
}

std::vector<VectorFileFilter> VectorFileFilters() {
  std::vector<VectorFileFilter> filters = {
      {"DXF", {"*.dxf"}},         {"Shapefile", {"*.shp"}},
      {"GeoPackage", {"*.gpkg"}}, {"GeoJSON", {"*.geojson", "*.json"}},
      {"GML", {"*.gml"}},         {"KML", {"*.kml", "*.kmz"}},
      {"FlatGeobuf", {"*.fgb"}},
  };
  VectorFileFilter all{"All vector files", {}};
  for (const VectorFileFilter& filter : filters) {
    all.Patterns.insert(all.Patterns.end(), filter.Patterns.begin(), filter.Patterns.end());
  }
  filters.insert(filters.begin(), all);
  return filters;
}

}  // namespace zelmaro
