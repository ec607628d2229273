// zelmaro-cli thin, ebarb and breaks: the contour-line pre-treatments on a raw image.
#include <algorithm>
#include <cstdio>

#include "CliCommand.h"
#include "core/Error.h"
#include "core/MemoryBudget.h"
#include "pretreat/BreakSearch.h"
#include "pretreat/Ebarbulation.h"
#include "pretreat/PretreatMemory.h"
#include "pretreat/Skeletonization.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"

namespace zelmaro::cli {
namespace {

// Checked before the map is loaded: the outputs against the inputs, and the memory of
// the loaded image with the larger of the treatment and of the file written after it.
void CheckTreatment(const CliArguments& arguments, const std::vector<NamedFile>& outputs,
                    const char* command,
                    std::uint64_t (*treatmentBytes)(std::int64_t, std::int64_t)) {
  RefuseUnsafeOutputs(outputs, RasterInputFiles(arguments));
  const ImageSize size = RasterArgumentsSize(arguments);
  RequireCommandMemory(command, size,
                       AddBytes(RasterLoadMemoryBytes(size.lines, size.columns),
                                std::max(treatmentBytes(size.lines, size.columns),
                                         RawImageSaveMemoryBytes(size.lines, size.columns))));
}

// Runs a treatment --times times (once by default) and saves the image as Save Contour
// Line Image does.
int RunTreatment(const CliArguments& arguments, void (*treatment)(SessionState&), const char* name,
                 const char* command, std::uint64_t (*treatmentBytes)(std::int64_t, std::int64_t)) {
  arguments.RejectUnknown({"raw", "size", "table", "out", "times", "pixel"});
  const std::int32_t times = arguments.IntegerOr("times", 1);
  if (times < 1) {
    throw Error("The option --times needs a number of runs of 1 or more, not " +
                std::to_string(times) + ".");
  }
  ZoneParameters zone;
  zone.ZonePixelSize = arguments.PixelSizeOr("pixel", 0);
  const std::string out = arguments.Text("out");
  CheckTreatment(arguments, StemFiles(out, {".raw", ".txt", "_tab.txt"}, "--out"), command,
                 treatmentBytes);
  SessionState session;
  LoadRasterArguments(session, arguments);
  for (std::int32_t run = 0; run < times; ++run) treatment(session);
  SaveContourImage(session, out, zone);
  std::printf(
      "%s run %d time(s); contour-line image written to %s.raw (%d lines x %d columns), "
      "described in %s.txt, table in %s_tab.txt\n",
      name, times, out.c_str(), session.ContourImage.Lines(), session.ContourImage.Columns(),
      out.c_str(), out.c_str());
  return 0;
}

int RunThin(const CliArguments& arguments) {
  return RunTreatment(arguments, ThinContourLines, "Thinning", "thin", ThinningMemoryBytes);
}

int RunEbarb(const CliArguments& arguments) {
  return RunTreatment(arguments, RemoveBranchEnds, "Ebarbulation", "ebarb",
                      EbarbulationMemoryBytes);
}

int RunBreaks(const CliArguments& arguments) {
  arguments.RejectUnknown({"raw", "size", "table", "out"});
  const std::string out = arguments.Text("out");
  CheckTreatment(arguments, {{BreakTableFileName(out), "--out"}}, "breaks", BreakSearchMemoryBytes);
  SessionState session;
  LoadRasterArguments(session, arguments);
  const BreakTable table = SearchBreaks(session);
  const std::string written = WriteBreakTable(table, out);
  std::printf("%zu line end(s)\n", table.size());
  if (NoBreakRegistered(table)) std::printf("No break registered\n");
  std::printf("Break table written to %s\n", written.c_str());
  return 0;
}

const CliRegistration thinRegistration({
    "thin",
    "--raw MAP.raw --table TABLE.txt --out STEM [--times N] [--pixel P] [--size FILE]",
    "Thins the contour lines and removes their corners (N runs), then writes STEM.raw, "
    "STEM.txt and STEM_tab.txt.",
    RunThin,
});

const CliRegistration ebarbRegistration({
    "ebarb",
    "--raw MAP.raw --table TABLE.txt --out STEM [--times N] [--pixel P] [--size FILE]",
    "Removes the branch ends of the contour lines (N runs), then writes STEM.raw, STEM.txt "
    "and STEM_tab.txt.",
    RunEbarb,
});

const CliRegistration breaksRegistration({
    "breaks",
    "--raw MAP.raw --table TABLE.txt --out STEM [--size FILE]",
    "Counts the line ends that reveal breaks and writes their table STEM.txt (line, column, "
    "curve).",
    RunBreaks,
});

}  // namespace
}  // namespace zelmaro::cli
