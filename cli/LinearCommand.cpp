// zelmaro-cli linear: the linear interpolation of a raw contour-line image.
#include <cstdio>

#include "CliCommand.h"
#include "interp/LinearInterpolation.h"
#include "raster/OutputFiles.h"

namespace zelmaro::cli {
namespace {

int RunLinear(const CliArguments& arguments) {
  arguments.RejectUnknown(
      {"raw", "table", "size", "min", "max", "interval", "scale-in", "scale-out", "out", "pixel"});
  LinearParameters parameters;
  parameters.ParamMinimum = arguments.Integer("min");
  parameters.ParamMaximum = arguments.Integer("max");
  parameters.ParamInterval = arguments.Integer("interval");
  parameters.ScaleInFactor = arguments.UnitFactorOf("scale-in");
  parameters.ScaleOutFactor = arguments.UnitFactorOf("scale-out");
  const std::string out = arguments.Text("out");
  ZoneParameters zone;
  zone.ZonePixelSize = arguments.IntegerOr("pixel", 0);
  SessionState session;
  LoadRasterArguments(session, arguments);
  RunLinearInterpolation(session, parameters);
  SaveDemRaw(session, out, zone);
  std::printf(
      "Linear interpolation written to %s_m4.raw (%d lines x %d columns), described in "
      "%s_m4.txt\n",
      out.c_str(), session.DemGrid.Lines(), session.DemGrid.Columns(), out.c_str());
  return 0;
}

const CliRegistration registration({
    "linear",
    "--raw MAP.raw --table TABLE.txt --min M --max M --interval I --scale-in UNIT "
    "--scale-out UNIT --out STEM [--pixel P] [--size FILE]",
    "Interpolates the DEM linearly between successive contour lines, as Lineal "
    "Interpolation does, into STEM_m4.raw and STEM_m4.txt.",
    RunLinear,
});

}  // namespace
}  // namespace zelmaro::cli
