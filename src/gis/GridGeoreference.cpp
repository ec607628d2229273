#include "gis/GridGeoreference.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"
#include "gis/Crs.h"

namespace zelmaro {
namespace {

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const std::size_t start = i;
    while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// The shortest text that reads back as the same double.
std::string Exact(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> ValueAfter(const std::vector<std::string_view>& words, std::size_t from,
                                 std::string_view keyword) {
  for (std::size_t i = from; i + 1 < words.size(); ++i) {
    double value = 0.0;
    if (words[i] == keyword && ParseReal(words[i + 1], value)) return value;
  }
  return std::nullopt;
}

}  // namespace

GridGeoreference GeoreferenceOfZone(const ZoneParameters& zone, const std::string& crsWkt) {
  const double cell = zone.ZonePixelSize;
  return {zone.ZoneXMin - cell / 2, zone.ZoneYMax + cell / 2, cell, crsWkt};
}

GridGeoreference GeoreferenceOfLowerLeft(double xMin, double yMin, double cellSize, int lines,
                                         const std::string& crsWkt) {
  return {xMin, yMin + lines * cellSize, cellSize, crsWkt};
}

AsciiGridFrame AsciiFrameOf(const GridGeoreference& georeference, int lines,
                            std::int32_t valueFactor) {
  AsciiGridFrame frame;
  frame.CellSize = georeference.CellSize;
  frame.XMin = georeference.Left;
  frame.YMin = georeference.Top - lines * georeference.CellSize;
  frame.ValueFactor = valueFactor;
  return frame;
}

ZoneParameters ZoneOfGeoreference(const GridGeoreference& georeference, int lines, int columns) {
  const double cell = georeference.CellSize;
  ZoneParameters zone;
  zone.ZonePixelSize = static_cast<std::int32_t>(std::lround(cell));
  zone.ZoneXMin = georeference.Left + cell / 2;
  zone.ZoneYMax = georeference.Top - cell / 2;
  zone.ZoneXMax = zone.ZoneXMin + columns * cell;
  zone.ZoneYMin = zone.ZoneYMax - lines * cell;
  return zone;
}

GridGeoreference ReadWorldFile(const std::string& path) {
  const std::string text = ReadWholeFile(path);
  const std::vector<std::string_view> words = Words(text);
  double terms[6] = {};
  for (int i = 0; i < 6; ++i) {
    if (static_cast<std::size_t>(i) >= words.size() || !ParseReal(words[i], terms[i]) ||
        !std::isfinite(terms[i])) {
      throw Error("The world file " + path +
                  " does not hold six numbers (pixel width, two rotations, pixel height, then "
                  "the centre of the top left pixel).");
    }
  }
  const double width = terms[0];
  const double height = terms[3];
  if (terms[1] != 0.0 || terms[2] != 0.0) {
    throw Error("The world file " + path + " turns the map (rotation " + FormatGeneral15(terms[1]) +
                ", " + FormatGeneral15(terms[2]) + "); only north-up maps can be used.");
  }
  if (!(width > 0.0) || !(height < 0.0) || std::fabs(width + height) > 1e-9 * width) {
    throw Error("The world file " + path + " gives pixels of " + FormatGeneral15(width) + " by " +
                FormatGeneral15(height) +
                "; only square, north-up pixels (a negative height) can be used.");
  }
  return {terms[4] - width / 2, terms[5] + width / 2, width, {}};
}

std::optional<GridGeoreference> ReadDescriptiveGeoreference(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  const std::string text = ReadWholeFile(path);
  const std::vector<std::string_view> words = Words(text);
  std::size_t block = 0;
  while (block < words.size() && words[block] != "Coordinates") ++block;
  if (block == words.size() || words.size() < 6) return std::nullopt;
  const std::optional<double> xMax = ValueAfter(words, block, "XMax");
  const std::optional<double> xMin = ValueAfter(words, block, "XMin");
  const std::optional<double> yMax = ValueAfter(words, block, "YMax");
  const std::optional<double> yMin = ValueAfter(words, block, "YMin");
  if (!xMax || !xMin || !yMax || !yMin) return std::nullopt;
  if (*xMax == 0.0 && *xMin == 0.0 && *yMax == 0.0 && *yMin == 0.0) return std::nullopt;
  std::int32_t pixelSize = 0;
  if (!ParseInteger(words[5], pixelSize) || pixelSize <= 0) {
    throw Error("The descriptive file " + path +
                " has a coordinates block but no pixel size above 0 on its sixth line.");
  }
  ZoneParameters zone{pixelSize, *xMin, *yMin, *xMax, *yMax};
  return GeoreferenceOfZone(zone, {});
}

std::optional<GridGeoreference> ReadRasterHeaderGeoreference(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  const std::string text = ReadWholeFile(path);
  std::vector<std::string_view> words = Words(text);
  // The keywords are case-insensitive in such headers.
  std::vector<std::string> upper(words.begin(), words.end());
  for (std::string& word : upper) {
    for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  for (std::size_t i = 0; i < words.size(); ++i) words[i] = upper[i];
  const std::optional<double> x = ValueAfter(words, 0, "ULXMAP");
  const std::optional<double> y = ValueAfter(words, 0, "ULYMAP");
  const std::optional<double> width = ValueAfter(words, 0, "XDIM");
  const std::optional<double> height = ValueAfter(words, 0, "YDIM");
  if (!x || !y || !width || !height || !(*width > 0.0) ||
      std::fabs(*width - *height) > 1e-9 * *width) {
    throw Error("The raster header " + path +
                " does not give the centre of the top left cell (ULXMAP, ULYMAP) and square "
                "cells (XDIM, YDIM).");
  }
  return GridGeoreference{*x - *width / 2, *y + *width / 2, *width, {}};
}

std::optional<GridGeoreference> ReadRawMapGeoreference(const std::string& rawPath,
                                                       const std::string& sizePath) {
  std::optional<GridGeoreference> found;
  for (const char* ending : {".wld", ".rww"}) {
    const std::string worldPath = ReplaceExtension(rawPath, ending);
    if (FileExists(worldPath)) {
      found = ReadWorldFile(worldPath);
      break;
    }
  }
  if (!found) found = ReadDescriptiveGeoreference(sizePath);
  if (found) found->CrsWkt = ReadPrjFile(ReplaceExtension(rawPath, ".prj"));
  return found;
}

SideFiles RawGridSideFiles(const GridGeoreference& georeference, int lines, int columns, int bits,
                           double noData) {
  if (georeference.CrsWkt.empty()) return {};
  const double cell = georeference.CellSize;
  std::string header = "NROWS " + std::to_string(lines) + "\nNCOLS " + std::to_string(columns) +
                       "\nNBANDS 1\nNBITS " + std::to_string(bits) + "\nPIXELTYPE " +
                       (bits == 8 ? "UNSIGNEDINT" : "SIGNEDINT") +
                       "\nBYTEORDER I\nLAYOUT BIL\nULXMAP " + Exact(georeference.Left + cell / 2) +
                       "\nULYMAP " + Exact(georeference.Top - cell / 2) + "\nXDIM " + Exact(cell) +
                       "\nYDIM " + Exact(cell) + "\nNODATA " + Exact(noData) + "\n";
  SideFiles files = ProjectionSideFiles(georeference.CrsWkt);
  files.push_back({".hdr", WithCrLf(header)});
  return files;
}

}  // namespace zelmaro
