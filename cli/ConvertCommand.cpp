// zelmaro-cli convert: a raw DEM as the ASCII grid that Save DEM writes, or as a GeoTIFF.
#include <cmath>
#include <cstdio>

#include "CliCommand.h"
#include "TerminalProgress.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "core/Units.h"
#include "gis/Crs.h"
#include "gis/GeoTiff.h"
#include "gis/GeoTiffMemory.h"
#include "gis/GridGeoreference.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"

namespace zelmaro::cli {
namespace {

// Where the GeoTIFF lies: the lower left corner and pixel size when given, else the
// raster header beside the DEM, else the coordinates block of its descriptive file.
GridGeoreference TifGeoreference(const CliArguments& arguments, const std::string& demPath,
                                 int lines, const std::string& crs) {
  if (arguments.Has("xmin") || arguments.Has("ymin") || arguments.Has("pixel")) {
    return GeoreferenceOfLowerLeft(arguments.Real("xmin"), arguments.Real("ymin"),
                                   arguments.RealPixelSize("pixel"), lines, crs);
  }
  const std::string sizePath = arguments.OptionalText("size").value_or(SizeFileNameFor(demPath));
  std::optional<GridGeoreference> found =
      ReadRasterHeaderGeoreference(ReplaceExtension(demPath, ".hdr"));
  if (!found) found = ReadDescriptiveGeoreference(sizePath);
  if (!found) {
    throw Error("The DEM " + demPath + " has no raster header beside it and no coordinates in " +
                sizePath + ": give --pixel, --xmin and --ymin (the lower left corner).");
  }
  found->CrsWkt = crs;
  return *found;
}

int RunConvert(const CliArguments& arguments) {
  arguments.RejectUnknown({"dem", "pixel", "xmin", "ymin", "unit", "out", "size", "format", "srs"});
  const std::string demPath = arguments.Text("dem");
  const std::string format = arguments.OptionalText("format").value_or("asc");
  if (format != "asc" && format != "gtiff") {
    throw Error("The option --format needs asc or gtiff, not \"" + format + "\".");
  }
  const std::string demPrj = ReplaceExtension(demPath, ".prj");
  const std::string crs =
      ChooseCrs(ReadPrjFile(demPrj), demPrj, arguments.OptionalText("srs").value_or(""));
  const std::int32_t unitFactor = arguments.UnitFactorOf("unit");
  const std::string out = arguments.Text("out");
  AsciiGridFrame frame;
  if (format == "asc") {
    // The grid's cell size is written as a whole number: below 1 it would say 0.
    frame.CellSize = std::trunc(arguments.RealPixelSize("pixel"));
    if (frame.CellSize < 1.0) {
      throw Error(
          "The option --pixel needs a pixel size of 1 or more for an ASCII grid, whose "
          "cell size is written as a whole number; not " +
          arguments.Text("pixel") + ".");
    }
    frame.XMin = arguments.Real("xmin");
    frame.YMin = arguments.Real("ymin");
    frame.ValueFactor = unitFactor;
  }
  const std::string sizePath = arguments.OptionalText("size").value_or(SizeFileNameFor(demPath));
  RefuseUnsafeOutputs(StemFiles(out,
                                format == "asc" ? std::vector<std::string>{".asc", ".prj"}
                                                : std::vector<std::string>{".tif"},
                                "--out"),
                      {{demPath, "--dem"},
                       {sizePath, "size file"},
                       {demPrj, "CRS of --dem"},
                       {ReplaceExtension(demPath, ".hdr"), "raster header of --dem"}});
  const ImageSize size = SizeOfRawFile(arguments, demPath);
  RequireCommandMemory(
      "convert", size,
      AddBytes(DemMemoryBytes(size.lines, size.columns),
               format == "asc" ? AsciiGridSaveMemoryBytes(size.lines, size.columns)
                               : GeoTiffSaveMemoryBytes(size.lines, size.columns)));
  SessionState session;
  session.DemGrid = ReadRawDem(demPath, size);
  if (format == "gtiff") {
    const GridGeoreference georeference =
        TifGeoreference(arguments, demPath, session.DemGrid.Lines(), crs);
    WriteDemGeoTiff(session.DemGrid, unitFactor, georeference, out + ".tif");
    std::printf("GeoTIFF written to %s.tif (%d lines x %d columns, meters, CRS %s)\n", out.c_str(),
                session.DemGrid.Lines(), session.DemGrid.Columns(), CrsLabel(crs).c_str());
    return 0;
  }
  SaveDemAscii(session, out, frame, ProjectionSideFiles(crs),
               TerminalProgress("Writing " + out + ".asc"));
  std::printf("ASCII grid written to %s.asc (%d lines x %d columns)\n", out.c_str(),
              session.DemGrid.Lines(), session.DemGrid.Columns());
  if (!crs.empty()) std::printf("CRS %s written to %s.prj\n", CrsLabel(crs).c_str(), out.c_str());
  return 0;
}

const CliRegistration registration({
    "convert",
    "--dem STEM_m4.raw --unit UNIT --out OUT [--format asc|gtiff] [--pixel P --xmin X --ymin Y] "
    "[--size FILE] [--srs CRS]",
    "Writes a raw DEM as the ASCII grid OUT.asc (the default; --pixel, --xmin and --ymin "
    "required), values divided by the unit (m, dm, cm, mm), or as the GeoTIFF OUT.tif in "
    "meters (--format gtiff), placed by --pixel, --xmin and --ymin (the lower left corner) or "
    "else by STEM_m4.hdr or the coordinates of STEM_m4.txt. The CRS is that of STEM_m4.prj, or "
    "--srs "
    "(EPSG:n or WKT) where there is none; a known CRS goes into OUT.prj beside the ASCII grid.",
    RunConvert,
});

}  // namespace
}  // namespace zelmaro::cli
