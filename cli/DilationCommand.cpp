// zelmaro-cli dilation: the Dilation command on a raw contour-line image, and the DEM
// saved as Save DEM writes it.
#include "CliCommand.h"
#include "DemOutputs.h"
#include "TerminalProgress.h"
#include "interp/Dilation.h"
#include "interp/InterpolationMemory.h"

namespace zelmaro::cli {
namespace {

int RunDilation(const CliArguments& arguments) {
  arguments.RejectUnknown(DemOutputOptionNames());
  const DemOutputOptions options = ReadDemOutputOptions(arguments);
  return RunRasterInterpolation(arguments, options, "dilation", DilationMemoryBytes,
                                [&options](SessionState& session) {
                                  SeedDemGrid(session, options.scaleIn, options.scaleOut);
                                  DilationInterpolation(session, TerminalProgress("Dilation"));
                                });
}

const CliRegistration registration({
    "dilation",
    "--raw MAP.raw --table TABLE.txt --scale-in UNIT --scale-out UNIT --out STEM [--pixel P] "
    "[--size FILE] [--asc OUT --xmin X --ymin Y [--unit UNIT]] [--shade OUT] "
    "[--tif OUT [--xmin X --ymin Y]] [--srs CRS]",
    "Interpolates a raw contour-line image by dilation into STEM_m4.raw and STEM_m4.txt and "
    "prints DemMin and DemMax; the table's altitudes are in the --scale-in unit, the DEM's in "
    "the --scale-out unit. P is the pixel size in meters (1 when not given). --asc also writes "
    "the ASCII grid OUT.asc (values divided by --unit, the --scale-out unit when not given), "
    "--shade the shaded image OUT.raw. --tif writes the DEM in meters as the GeoTIFF "
    "OUT.tif, placed by --xmin/--ymin (the lower left corner) or else by the map's world "
    "file or coordinates; --srs (EPSG:n or WKT) gives the CRS where the map has no .prj. "
    "A known CRS also goes into a .prj beside every output. MAP.tif may be a GeoTIFF of "
    "codes.",
    RunDilation,
});

}  // namespace
}  // namespace zelmaro::cli
