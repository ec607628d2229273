// zelmaro-cli surface: the Surface Interpolation command on a raw contour-line image,
// and the DEM saved as Save DEM writes it.
#include "CliCommand.h"
#include "DemOutputs.h"
#include "TerminalProgress.h"
#include "interp/InterpolationMemory.h"
#include "interp/SurfaceInterpolation.h"

namespace zelmaro::cli {
namespace {

int RunSurface(const CliArguments& arguments) {
  std::set<std::string> known = DemOutputOptionNames();
  known.insert({"tension", "no-subpixel"});
  arguments.RejectUnknown(known);
  const DemOutputOptions options = ReadDemOutputOptions(arguments);
  SurfaceParameters parameters;
  if (arguments.Has("tension")) parameters.Tension = arguments.Real("tension");
  parameters.SubPixelCorrection = !arguments.Has("no-subpixel");
  CheckSurfaceParameters(parameters);
  return RunRasterInterpolation(
      arguments, options, "surface", SurfaceMemoryBytes, [&](SessionState& session) {
        SurfaceInterpolation(session, options.scaleIn, options.scaleOut, parameters,
                             TerminalProgress("Surface interpolation"));
      });
}

const CliRegistration registration({
    "surface",
    "--raw MAP.raw --table TABLE.txt --scale-in UNIT --scale-out UNIT --out STEM [--tension T] "
    "[--no-subpixel] [--pixel P] [--size FILE] [--asc OUT --xmin X --ymin Y [--unit UNIT]] "
    "[--shade OUT] [--tif OUT [--xmin X --ymin Y]] [--srs CRS]",
    "Interpolates a raw contour-line image by the surface of least curvature and slope "
    "through its lines into STEM_m4.raw and STEM_m4.txt and prints DemMin and DemMax. T (0 "
    "to 1, 0.1 when not given) weighs the slope against the curvature; each contour cell is "
    "lifted by half its slope unless --no-subpixel is given. The other options are those of "
    "dilation.",
    RunSurface,
});

}  // namespace
}  // namespace zelmaro::cli
