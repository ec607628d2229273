#include "vector/DxfFusion.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"

namespace zelmaro {
namespace {

// Values written as integers must fit them; beyond lie the 1e+20 defaults of some
// writers, which no fused file can carry.
bool FitsInteger(double value) {
  return std::isfinite(value) && value > -2147483648.0 && value < 2147483648.0;
}

std::int32_t HeaderInteger(const DxfReader& reader, double value, std::string_view record) {
  if (!FitsInteger(value)) {
    throw Error("The DXF file " + reader.Path() + " has an impossible value " +
                FormatGeneral15(value) + " in its " + std::string(record) + ".");
  }
  return static_cast<std::int32_t>(std::trunc(value));
}

void AppendLine(std::string& output, std::string_view prefix, std::int32_t value) {
  output += prefix;
  output += std::to_string(value);
  output += '\n';
}

void AppendLine(std::string& output, std::string_view text) {
  output += text;
  output += '\n';
}

// "% d": a blank before a value that is not negative.
void AppendSignSpaced(std::string& output, std::int32_t value) {
  AppendLine(output, value < 0 ? "" : " ", value);
}

// Reads the items of one record by position and refuses a record whose numbers are
// not where the layout has them: copying whatever stands there would corrupt the
// fused file without a word.
class RecordReader {
 public:
  RecordReader(DxfReader& input, std::string_view record) : input_(input), record_(record) {}

  std::int32_t Integer() {
    std::int32_t value = 0;
    if (!input_.ReadInteger(value)) Refuse();
    return value;
  }
  std::string_view Token() {
    const std::optional<std::string_view> token = input_.NextToken();
    if (!token) Refuse();
    return *token;
  }
  // A coordinate rounded half up: trunc(value + 0.5).
  std::int32_t RoundedReal() {
    double value = 0.0;
    if (!input_.ReadReal(value) || !FitsInteger(value + 0.5)) Refuse();
    return static_cast<std::int32_t>(std::trunc(value + 0.5));
  }

 private:
  [[noreturn]] void Refuse() const {
    throw Error("The DXF file " + input_.Path() + " has a " + std::string(record_) +
                " record that is not laid out as the fusion copies it (layer code 8, layer, "
                "then codes and values with integers where integers belong).");
  }

  DxfReader& input_;
  std::string_view record_;
};

// A lightweight polyline written as the POLYLINE, VERTEX and SEQEND records of the
// agency layout, so that the fused file reads like any other. Blanks of its layer name
// (any that splits words: a vertical tab as well as a space) become underscores: every
// reader splits words at blanks, and a layer of two words would shift the record.
void AppendAsPolylineRecords(const DxfReader& reader, const DxfLwPolyline& polyline, double z,
                             std::string& output) {
  std::string layer = polyline.layer.empty() ? "0" : polyline.layer;
  for (char& c : layer) {
    if (IsDxfBlank(c)) c = '_';
  }
  auto rounded = [&](double value) {
    if (!FitsInteger(value + 0.5)) {
      throw Error("The DXF file " + reader.Path() + " has an LWPOLYLINE value " +
                  FormatGeneral15(value) + " that no fused file can carry.");
    }
    return static_cast<std::int32_t>(std::trunc(value + 0.5));
  };
  output += "POLYLINE\n  8\n" + layer + "\n  66\n1\n 10\n     0\n 20\n     0\n 30\n";
  AppendLine(output, "", rounded(z));
  output += "  0\n";
  for (const DxfLwPolyline::Point& point : TracedPoints(polyline)) {
    output += "VERTEX\n  8\n" + layer + "\n 70\n    32\n";
    AppendLine(output, " 10\n", rounded(point.X));
    AppendLine(output, " 20\n", rounded(point.Y));
    AppendLine(output, " 30\n", rounded(z));
    output += "  0\n";
  }
  output += "SEQEND\n0\n";
}

// The middle of a POLYLINE record, shared by both fusions: 66 and its flag, then the
// 10 and 20 groups of the origin.
void CopyPolylineFlagAndOrigin(RecordReader& record, std::string& output) {
  AppendLine(output, "  ", record.Integer());
  AppendLine(output, record.Token());
  AppendSignSpaced(output, record.Integer());
  AppendLine(output, "     ", record.Integer());
  AppendLine(output, " ", record.Integer());
  AppendLine(output, "     ", record.Integer());
}

// The middle of a VERTEX record, shared by both fusions: the group before the
// coordinates, then X and Y rounded half up.
void CopyVertexGroupAndPlace(RecordReader& record, std::string& output) {
  AppendLine(output, " ", record.Integer());
  AppendLine(output, "    ", record.Integer());
  for (int coordinate = 0; coordinate < 2; ++coordinate) {
    AppendLine(output, " ", record.Integer());
    AppendLine(output, "", record.RoundedReal());
  }
}

struct HeaderRecords {
  HeaderPoint min;
  HeaderPoint max;
};

void RequireExtent(const DxfReader& reader, const HeaderRecords& header) {
  if (!header.min.X || !header.min.Y || !header.max.X || !header.max.Y) {
    throw Error("The DXF file " + reader.Path() +
                " has no header extent ($EXTMIN and $EXTMAX with X and Y).");
  }
}

// The extent of the sheets read so far. Each value starts from the first one read (the
// first sheet's), never from a fixed guess: a start of 4000000 would keep every sheet
// north of 4000 km, as most of the northern hemisphere lies in UTM, from lowering YMin.
// A value no sheet gives keeps the start value of an empty fusion.
struct ExtentAccumulator {
  static void Lower(std::optional<double>& kept, double value) {
    kept = kept ? std::min(*kept, value) : value;
  }
  static void Raise(std::optional<double>& kept, double value) {
    kept = kept ? std::max(*kept, value) : value;
  }
  FusionExtent Result() const {
    FusionExtent extent;
    if (xMin) extent.XMin = *xMin;
    if (yMin) extent.YMin = *yMin;
    if (xMax) extent.XMax = *xMax;
    if (yMax) extent.YMax = *yMax;
    if (zMin) extent.ZMin = static_cast<std::int32_t>(*zMin);
    if (zMax) extent.ZMax = static_cast<std::int32_t>(*zMax);
    return extent;
  }

  std::optional<double> xMin, yMin, zMin, xMax, yMax, zMax;
};

// The first pass of the sheet fusion over one input: its extent widens the
// accumulated one, value by value as it is read.
void AccumulateExtent(DxfReader& reader, std::size_t input, ExtentAccumulator& extent,
                      const FusionProgress& progress) {
  HeaderRecords header;
  int polylines = 0;
  while (const std::optional<std::string_view> token = reader.NextToken()) {
    if (*token == kDxfExtMin || *token == kDxfExtMax) {
      const bool isMin = *token == kDxfExtMin;
      const HeaderPoint point = reader.ReadHeaderExtents();
      (isMin ? header.min : header.max).Merge(point);
      for (const std::optional<double>& value : {point.X, point.Y, point.Z}) {
        if (value) HeaderInteger(reader, *value, *token);
      }
      // Altitudes are whole units, as the header writes them.
      if (isMin) {
        if (point.X) extent.Lower(extent.xMin, *point.X);
        if (point.Y) extent.Lower(extent.yMin, *point.Y);
        if (point.Z) extent.Lower(extent.zMin, HeaderInteger(reader, *point.Z, *token));
      } else {
        if (point.X) extent.Raise(extent.xMax, *point.X);
        if (point.Y) extent.Raise(extent.yMax, *point.Y);
        if (point.Z) extent.Raise(extent.zMax, HeaderInteger(reader, *point.Z, *token));
      }
    } else if (*token == kDxfPolyline) {
      if (progress) progress(1, input, ++polylines);
    } else if (*token == kDxfLwPolyline) {
      reader.ReadLwPolyline();
      if (progress) progress(1, input, ++polylines);
    } else if (*token == kDxfVertex) {
      reader.ReadVertex(4);
    }
  }
  RequireExtent(reader, header);
  reader.Rewind();
}

// The entities of one input: its polylines with their vertices and SEQEND, and its
// ENDSEC once a polyline was copied.
void CopyEntities(DxfReader& reader, std::size_t input, std::string& output,
                  const FusionProgress& progress) {
  bool polylineSeen = false;
  int polylines = 0;
  while (const std::optional<std::string_view> token = reader.NextToken()) {
    if (*token == kDxfPolyline) {
      polylineSeen = true;
      if (progress) progress(2, input, ++polylines);
      CopyPolylineRecord(reader, output);
    } else if (*token == kDxfLwPolyline) {
      polylineSeen = true;
      if (progress) progress(2, input, ++polylines);
      const DxfLwPolyline polyline = reader.ReadLwPolyline();
      AppendAsPolylineRecords(reader, polyline, polyline.elevation, output);
    } else if (*token == kDxfVertex) {
      CopyVertexRecord(reader, output);
    } else if (*token == kDxfSeqEnd) {
      output += "SEQEND\n0\n";
    } else if (*token == kDxfEndSection && polylineSeen) {
      output += "ENDSEC\n0\n";
    }
  }
}

// The coastline pass: only the polylines and vertices of the coastline layer, at
// altitude 0; every SEQEND whatever its layer.
void CopyCoastline(DxfReader& reader, std::string& output) {
  bool polylineSeen = false;
  while (const std::optional<std::string_view> token = reader.NextToken()) {
    if (*token == kDxfPolyline || *token == kDxfVertex) {
      const bool isPolyline = *token == kDxfPolyline;
      RecordReader record(reader, *token);
      const std::int32_t layerCode = record.Integer();
      const std::string_view layer = record.Token();
      if (layer != kCoastlineLayer) continue;
      AppendLine(output, isPolyline ? kDxfPolyline : kDxfVertex);
      AppendLine(output, "  ", layerCode);
      AppendLine(output, layer);
      if (isPolyline) {
        polylineSeen = true;
        CopyPolylineFlagAndOrigin(record, output);
        output += "  30\n0\n";
        AppendLine(output, " ", record.Integer());
      } else {
        CopyVertexGroupAndPlace(record, output);
        output += "  30\n0\n";
        AppendLine(output, "  ", record.Integer());
      }
    } else if (*token == kDxfLwPolyline) {
      const DxfLwPolyline polyline = reader.ReadLwPolyline();
      if (polyline.layer != kCoastlineLayer) continue;
      polylineSeen = true;
      AppendAsPolylineRecords(reader, polyline, 0.0, output);
    } else if (*token == kDxfSeqEnd) {
      output += "SEQEND\n0\n";
    } else if (*token == kDxfEndSection && polylineSeen) {
      output += "ENDSEC\n0\n";
    }
  }
}

}  // namespace

std::string FusionHeaderText(const FusionExtent& extent) {
  std::string text = "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n";
  auto truncated = [](double value) { return static_cast<std::int32_t>(std::trunc(value)); };
  AppendLine(text, "", truncated(extent.XMin));
  text += " 20\n";
  AppendLine(text, "", truncated(extent.YMin));
  text += " 30\n";
  AppendLine(text, "", extent.ZMin);
  text += "  9\n$EXTMAX\n 10\n";
  AppendLine(text, "", truncated(extent.XMax));
  text += " 20\n";
  AppendLine(text, "", truncated(extent.YMax));
  text += " 30\n";
  AppendLine(text, "", extent.ZMax);
  text += "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n  0\n";
  return text;
}

void CopyPolylineRecord(DxfReader& input, std::string& output) {
  RecordReader record(input, kDxfPolyline);
  AppendLine(output, kDxfPolyline);
  AppendLine(output, "  ", record.Integer());
  AppendLine(output, record.Token());
  CopyPolylineFlagAndOrigin(record, output);
  AppendLine(output, " ", record.Integer());
  AppendLine(output, "", record.Integer());
  AppendLine(output, "  ", record.Integer());
}

void CopyVertexRecord(DxfReader& input, std::string& output) {
  RecordReader record(input, kDxfVertex);
  AppendLine(output, kDxfVertex);
  AppendLine(output, "  ", record.Integer());
  AppendLine(output, record.Token());
  CopyVertexGroupAndPlace(record, output);
  AppendLine(output, " ", record.Integer());
  AppendLine(output, "", record.RoundedReal());
  AppendLine(output, "  ", record.Integer());
}

std::string FuseDxfFiles(const std::vector<std::string>& inputs, const std::string& typedName,
                         const FusionProgress& progress) {
  std::vector<DxfReader> readers;
  readers.reserve(inputs.size());
  for (const std::string& path : inputs) readers.push_back(DxfReader::Open(path));
  ExtentAccumulator extent;
  for (std::size_t i = 0; i < readers.size(); ++i) {
    AccumulateExtent(readers[i], i + 1, extent, progress);
  }
  std::string output = FusionHeaderText(extent.Result());
  std::size_t inputBytes = 0;
  for (const DxfReader& reader : readers) inputBytes += reader.Size();
  output.reserve(inputBytes);
  for (std::size_t i = 0; i < readers.size(); ++i) {
    CopyEntities(readers[i], i + 1, output, progress);
  }
  output += "EOF\n";
  const std::string path = typedName + ".dxf";
  WriteFileAtomically(path, WithCrLf(output));
  return path;
}

std::string FuseCoastline(const std::string& contourPath, const std::string& coastlinePath,
                          const std::string& resultStem) {
  DxfReader contours = DxfReader::Open(contourPath);
  DxfReader coastline = DxfReader::Open(coastlinePath);
  const int skip = CountVertexSkip(contours);
  HeaderRecords header;
  while (const std::optional<std::string_view> token = contours.NextToken()) {
    if (*token == kDxfExtMin || *token == kDxfExtMax) {
      (*token == kDxfExtMin ? header.min : header.max).Merge(contours.ReadHeaderExtents());
    } else if (*token == kDxfVertex) {
      contours.ReadVertex(skip);
    }
  }
  RequireExtent(contours, header);
  if (!header.max.Z) {
    throw Error("The DXF file " + contours.Path() + " has no Z (group 30) in its $EXTMAX.");
  }
  FusionExtent extent;
  extent.XMin = HeaderInteger(contours, *header.min.X, kDxfExtMin);
  extent.YMin = HeaderInteger(contours, *header.min.Y, kDxfExtMin);
  extent.ZMin = 0;
  extent.XMax = HeaderInteger(contours, *header.max.X, kDxfExtMax);
  extent.YMax = HeaderInteger(contours, *header.max.Y, kDxfExtMax);
  extent.ZMax = HeaderInteger(contours, *header.max.Z, kDxfExtMax);
  std::string output = FusionHeaderText(extent);
  contours.Rewind();
  CopyEntities(contours, 1, output, {});
  CopyCoastline(coastline, output);
  output += "EOF\n";
  const std::string path = resultStem + "_cnha.dxf";
  WriteFileAtomically(path, WithCrLf(output));
  return path;
}

}  // namespace zelmaro
