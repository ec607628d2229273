// zelmaro-cli fuse and coast: the two DXF fusions, for sheets and coastlines that
// arrive in numbers.
#include <cstdio>

#include "CliCommand.h"
#include "core/Error.h"
#include "core/MemoryBudget.h"
#include "vector/DxfFusion.h"
#include "vector/VectorMemory.h"

namespace zelmaro::cli {
namespace {

// Checked before any input is read: the result must not replace an input, and the
// inputs, held whole while the result is built, must fit in memory.
void RequireFusionFiles(const std::string& command, const std::vector<NamedFile>& result,
                        const std::vector<std::string>& inputs) {
  RefuseUnsafeOutputs(result, NamedFiles(inputs, "an input"));
  RequireMemory(FusionMemoryNeed(command, inputs));
}

int RunFuse(const CliArguments& arguments) {
  arguments.RejectUnknown({});
  const std::vector<std::string>& words = arguments.Positionals();
  if (words.size() < 2) throw Error("fuse needs the result name and at least one input file.");
  const std::vector<std::string> inputs(words.begin() + 1, words.end());
  RequireFusionFiles("fuse", {{words[0] + ".dxf", "the result"}}, inputs);
  int polylines = 0;
  const std::string path =
      FuseDxfFiles(inputs, words[0], [&](int pass, std::size_t, int) { polylines += pass == 2; });
  std::printf("%zu files with %d polylines fused into %s\n", inputs.size(), polylines,
              path.c_str());
  return 0;
}

int RunCoast(const CliArguments& arguments) {
  arguments.RejectUnknown({});
  const std::vector<std::string>& words = arguments.Positionals();
  if (words.size() != 3) {
    throw Error(
        "coast needs three names: the contour-line file, the coastline file and the "
        "result name.");
  }
  RequireFusionFiles("coast", {{words[2] + "_cnha.dxf", "the result"}}, {words[0], words[1]});
  const std::string path = FuseCoastline(words[0], words[1], words[2]);
  std::printf("Contour lines of %s and coastline of %s fused into %s\n", words[0].c_str(),
              words[1].c_str(), path.c_str());
  return 0;
}

const CliRegistration fuseRegistration({
    "fuse",
    "OUT IN1.dxf IN2.dxf ...",
    "Merges DXF sheets of contour lines into OUT.dxf (the ending is always appended).",
    RunFuse,
});

const CliRegistration coastRegistration({
    "coast",
    "CONTOURS.dxf COAST.dxf OUT",
    "Merges a contour-line DXF file with the HA_6292 coastline of another into OUT_cnha.dxf.",
    RunCoast,
});

}  // namespace
}  // namespace zelmaro::cli
