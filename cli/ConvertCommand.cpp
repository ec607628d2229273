// zelmaro-cli convert: a raw DEM as the ASCII grid that Save DEM writes.
#include <cmath>
#include <cstdio>

#include "CliCommand.h"
#include "core/Units.h"
#include "raster/OutputFiles.h"

namespace zelmaro::cli {
namespace {

int RunConvert(const CliArguments& arguments) {
  arguments.RejectUnknown({"dem", "pixel", "xmin", "ymin", "unit", "out", "size"});
  const std::string demPath = arguments.Text("dem");
  AsciiGridFrame frame;
  frame.CellSize = std::trunc(arguments.Real("pixel"));
  frame.XMin = arguments.Real("xmin");
  frame.YMin = arguments.Real("ymin");
  frame.ValueFactor = arguments.UnitFactorOf("unit");
  const std::string out = arguments.Text("out");
  SessionState session;
  session.DemGrid = ReadRawDem(demPath, SizeOfRawFile(arguments, demPath));
  SaveDemAscii(session, out, frame);
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
