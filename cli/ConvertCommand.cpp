// zelmaro-cli convert: a raw DEM as the ASCII grid that Save DEM writes.
#include <cstdio>

#include "CliCommand.h"
#include "core/ScaleDialogs.h"
#include "raster/OutputFiles.h"

namespace zelmaro::cli {
namespace {

int RunConvert(const CliArguments& arguments) {
  arguments.RejectUnknown({"dem", "pixel", "xmin", "ymin", "unit", "out", "size"});
  const std::string demPath = arguments.Text("dem");
  CoordUtmModel coordinates;
  coordinates.UtmPixelSize = arguments.Real("pixel");
  coordinates.UtmXMin = arguments.Real("xmin");
  coordinates.UtmYMin = arguments.Real("ymin");
  coordinates.SelectUnit(UnitNumberOfFactor(arguments.UnitFactorOf("unit")));
  const std::string out = arguments.Text("out");
  SessionState session;
  session.DemGrid = ReadRawDem(demPath, SizeOfRawFile(arguments, demPath));
  SaveDemAscii(session, out, coordinates);
  std::printf("ASCII grid written to %s.asc (%d lines x %d columns)\n", out.c_str(),
              session.DemGrid.Lines(), session.DemGrid.Columns());
  return 0;
}

const CliRegistration registration({
    "convert",
    "--dem STEM_m4.raw --pixel P --xmin X --ymin Y --unit UNIT --out OUT [--size FILE]",
    "Writes a raw DEM as the ASCII grid OUT.asc; values are divided by the unit (m, dm, "
    "cm, mm).",
    RunConvert,
});

}  // namespace
}  // namespace zelmaro::cli
