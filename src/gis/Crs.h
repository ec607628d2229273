#pragma once

#include <string>

#include "raster/OutputFiles.h"

namespace zelmaro {

// Coordinate reference systems travel as WKT text; an empty text means unknown.

// A CRS typed by the user or written in a file: "EPSG:n" (any case, blanks around
// allowed) or WKT, OGC or ESRI. Gives its WKT; throws Error for anything else, an EPSG
// code unknown to the database included.
std::string ParseCrs(const std::string& text);

// The ESRI WKT of a CRS on one line, as a ".prj" file holds it.
std::string EsriWkt(const std::string& wkt);

// The name of a CRS with its authority code when it has one
// ("NZGD2000 / New Zealand Transverse Mercator 2000 (EPSG:2193)"), "none" when unknown.
std::string CrsLabel(const std::string& wkt);

// True when both texts describe the same CRS (both unknown counts as the same).
bool SameCrs(const std::string& first, const std::string& second);

// The CRS of a ".prj" file; empty when the file does not exist. Throws Error naming the
// file when it holds no CRS.
std::string ReadPrjFile(const std::string& path);

// The ".prj" that goes beside an output when its CRS is known; nothing otherwise.
SideFiles ProjectionSideFiles(const std::string& wkt);

// The CRS of an output: the one the data carry, else the one the user gave (`given`,
// EPSG:n or WKT, may be empty). When both are there they must agree; Error otherwise.
std::string ChooseCrs(const std::string& carried, const std::string& carriedFrom,
                      const std::string& given);

}  // namespace zelmaro
