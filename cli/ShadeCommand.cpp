// zelmaro-cli shade: the shaded picture of a raw DEM, as Save Image writes it.
#include <cstdio>

#include "CliCommand.h"
#include "TerminalProgress.h"
#include "core/MemoryBudget.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"
#include "raster/ShadeDem.h"

namespace zelmaro::cli {
namespace {

int RunShade(const CliArguments& arguments) {
  arguments.RejectUnknown({"dem", "pixel", "scale-out", "out", "size"});
  const std::string demPath = arguments.Text("dem");
  ZoneParameters zone;
  zone.ZonePixelSize = arguments.PixelSize("pixel");
  const std::int32_t scaleOut = arguments.UnitFactorOf("scale-out");
  const std::string out = arguments.Text("out");
  const std::string sizePath = arguments.OptionalText("size").value_or(SizeFileNameFor(demPath));
  RefuseUnsafeOutputs(StemFiles(out, {".raw", ".txt"}, "--out"),
                      {{demPath, "--dem"}, {sizePath, "size file"}});
  const ImageSize size = SizeOfRawFile(arguments, demPath);
  RequireCommandMemory("shade", size,
                       AddBytes(DemMemoryBytes(size.lines, size.columns),
                                AddBytes(ShadeMemoryBytes(size.lines, size.columns),
                                         RawImageSaveMemoryBytes(size.lines, size.columns))));
  SessionState session;
  session.DemGrid = ReadRawDem(demPath, size);
  session.ShadedImage =
      ShadeDem(session.DemGrid, zone.ZonePixelSize, scaleOut, TerminalProgress("Shading"));
  SaveShadedImage(session, out, zone);
  std::printf("Shaded image written to %s.raw (%d lines x %d columns), described in %s.txt\n",
              out.c_str(), session.ShadedImage.Lines(), session.ShadedImage.Columns(), out.c_str());
  return 0;
}

const CliRegistration registration({
    "shade",
    "--dem STEM_m4.raw --pixel P --scale-out UNIT --out OUT [--size FILE]",
    "Hill-shades a raw DEM into OUT.raw with its descriptive file OUT.txt.",
    RunShade,
});

}  // namespace
}  // namespace zelmaro::cli
