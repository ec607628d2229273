#include "gis/Crs.h"

#include <cctype>
#include <memory>

#include <cpl_conv.h>
#include <ogr_spatialref.h>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"
#include "gis/GdalSupport.h"

namespace zelmaro {
namespace {

std::string Trimmed(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

bool StartsWithEpsg(const std::string& text) {
  if (text.size() < 5) return false;
  std::string prefix = text.substr(0, 5);
  for (char& c : prefix) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return prefix == "EPSG:";
}

std::string ExportWkt(const OGRSpatialReference& srs, const char* format) {
  const std::string option = std::string("FORMAT=") + format;
  const char* const options[] = {option.c_str(), "MULTILINE=NO", nullptr};
  char* text = nullptr;
  GdalErrorTrap trap;
  const OGRErr result = srs.exportToWkt(&text, options);
  std::string wkt = text != nullptr ? text : "";
  CPLFree(text);
  if (result != OGRERR_NONE || wkt.empty()) {
    ThrowGdalFailure(std::string("Cannot write the coordinate reference system as ") + format,
                     trap);
  }
  return wkt;
}

// The CRS of a WKT the program wrote itself or accepted before.
OGRSpatialReference FromWkt(const std::string& wkt) {
  OGRSpatialReference srs;
  GdalErrorTrap trap;
  if (srs.importFromWkt(wkt.c_str()) != OGRERR_NONE) {
    ThrowGdalFailure("The coordinate reference system \"" + wkt.substr(0, 60) + "\" is not WKT",
                     trap);
  }
  return srs;
}

}  // namespace

std::string ParseCrs(const std::string& text) {
  const std::string typed = Trimmed(text);
  OGRSpatialReference srs;
  GdalErrorTrap trap;
  if (StartsWithEpsg(typed)) {
    std::int32_t code = 0;
    if (!ParseInteger(Trimmed(typed.substr(5)), code) || code <= 0) {
      throw Error("The coordinate reference system \"" + typed +
                  "\" needs a positive EPSG code after EPSG:.");
    }
    if (srs.importFromEPSG(code) != OGRERR_NONE) {
      ThrowGdalFailure("Unknown coordinate reference system " + typed, trap);
    }
  } else if (typed.find('[') != std::string::npos) {
    if (srs.importFromWkt(typed.c_str()) != OGRERR_NONE) {
      ThrowGdalFailure(
          "The coordinate reference system \"" + typed.substr(0, 60) + "\" is not valid WKT", trap);
    }
  } else {
    throw Error("The coordinate reference system \"" + typed +
                "\" is neither EPSG:n nor WKT text.");
  }
  return WktOf(&srs);
}

std::string EsriWkt(const std::string& wkt) {
  OGRSpatialReference srs = FromWkt(wkt);
  return ExportWkt(srs, "WKT1_ESRI");
}

std::string CrsLabel(const std::string& wkt) {
  if (wkt.empty()) return "none";
  const OGRSpatialReference srs = FromWkt(wkt);
  std::string label = srs.GetName() != nullptr ? srs.GetName() : "unnamed";
  const char* authority = srs.GetAuthorityName(nullptr);
  const char* code = srs.GetAuthorityCode(nullptr);
  if (authority != nullptr && code != nullptr) {
    label += std::string(" (") + authority + ":" + code + ")";
  }
  return label;
}

bool SameCrs(const std::string& first, const std::string& second) {
  if (first.empty() || second.empty()) return first.empty() && second.empty();
  const char* const criteria[] = {"IGNORE_DATA_AXIS_TO_SRS_AXIS_MAPPING=YES",
                                  "CRITERION=EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS", nullptr};
  const OGRSpatialReference firstCrs = FromWkt(first);
  const OGRSpatialReference secondCrs = FromWkt(second);
  if (firstCrs.IsSame(&secondCrs, criteria)) return true;
  // A CRS from an authority may order its axes northing first, the same CRS read from a
  // .prj easting first; both place data alike, so they compare without their axes.
  const OGRSpatialReference a = FromWkt(EsriWkt(first));
  const OGRSpatialReference b = FromWkt(EsriWkt(second));
  return a.IsSame(&b, criteria) != 0;
}

std::string ReadPrjFile(const std::string& path) {
  if (!FileExists(path)) return {};
  const std::string text = Trimmed(ReadWholeFile(path));
  OGRSpatialReference srs;
  GdalErrorTrap trap;
  if (text.empty() || srs.importFromWkt(text.c_str()) != OGRERR_NONE) {
    ThrowGdalFailure("The projection file " + path + " holds no coordinate reference system", trap);
  }
  // ESRI WKT names no authority: the database gives the code back where it is sure.
  const std::unique_ptr<OGRSpatialReference, void (*)(OGRSpatialReference*)> match(
      srs.FindBestMatch(),
      [](OGRSpatialReference* found) { OGRSpatialReference::DestroySpatialReference(found); });
  return WktOf(match ? match.get() : &srs);
}

SideFiles ProjectionSideFiles(const std::string& wkt) {
  if (wkt.empty()) return {};
  return {{".prj", EsriWkt(wkt)}};
}

std::string ChooseCrs(const std::string& carried, const std::string& carriedFrom,
                      const std::string& given) {
  if (given.empty()) return carried;
  const std::string parsed = ParseCrs(given);
  if (!carried.empty() && !SameCrs(carried, parsed)) {
    throw Error("The data already carry the coordinate reference system " + CrsLabel(carried) +
                " (from " + carriedFrom + "), not " + CrsLabel(parsed) + " as given.");
  }
  return carried.empty() ? parsed : carried;
}

}  // namespace zelmaro
