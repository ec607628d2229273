// zelmaro-cli smooth: a raw DEM smoothed with the Bezier window, as Smoothing does.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "CliCommand.h"
#include "TerminalProgress.h"
#include "core/MemoryBudget.h"
#include "core/NumberText.h"
#include "interp/InterpolationMemory.h"
#include "interp/Smoothing.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"

namespace zelmaro::cli {
namespace {

// The pixel size of a DEM's descriptive file (its sixth number), so that the smoothed
// DEM is described like its source; 0 when the file does not give one.
std::int32_t PixelSizeOfDescriptiveFile(const std::string& path) {
  std::ifstream file(path);
  std::string word;
  std::int32_t value = 0;
  for (int index = 0; index < 6 && file >> word; ++index) {
    if (!ParseInteger(word, value)) return 0;
  }
  return file ? value : 0;
}

int RunSmooth(const CliArguments& arguments) {
  arguments.RejectUnknown({"dem", "range", "out", "size", "pixel"});
  const std::string demPath = arguments.Text("dem");
  const std::int32_t range = arguments.Integer("range");
  const std::string out = arguments.Text("out");
  const std::string sizePath = arguments.OptionalText("size").value_or(SizeFileNameFor(demPath));
  ZoneParameters zone;
  zone.ZonePixelSize = arguments.PixelSizeOr("pixel", PixelSizeOfDescriptiveFile(sizePath));
  RefuseUnsafeOutputs(RawDemOutputs(out, "--out"), {{demPath, "--dem"}, {sizePath, "size file"}});
  const ImageSize size = SizeOfRawFile(arguments, demPath);
  RequireCommandMemory("smooth", size,
                       AddBytes(DemMemoryBytes(size.lines, size.columns),
                                std::max(SmoothingMemoryBytes(size.lines, size.columns),
                                         RawDemSaveMemoryBytes(size.lines, size.columns))));
  SessionState session;
  session.DemGrid = ReadRawDem(demPath, size);
  session.WorkLines = session.DemGrid.Lines();
  session.WorkColumns = session.DemGrid.Columns();
  SmoothDem(session, range, TerminalProgress("Smoothing"));
  SaveDemRaw(session, out, zone, {}, TerminalProgress("Writing " + out + "_m4.raw"));
  std::printf(
      "Smoothed DEM (Range %d) written to %s_m4.raw (%d lines x %d columns), described "
      "in %s_m4.txt\n",
      range, out.c_str(), session.DemGrid.Lines(), session.DemGrid.Columns(), out.c_str());
  return 0;
}

const CliRegistration registration({
    "smooth",
    "--dem STEM_m4.raw --range R --out OUT [--size FILE] [--pixel P]",
    "Smooths a raw DEM with a Bezier window of (2R + 2) x (2R + 2) cells (R from 0 to 16) "
    "into OUT_m4.raw and OUT_m4.txt.",
    RunSmooth,
});

}  // namespace
}  // namespace zelmaro::cli
