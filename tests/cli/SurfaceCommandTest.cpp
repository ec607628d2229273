#include <gtest/gtest.h>

#include <string>

#include "interp/SurfaceInterpolation.h"
#include "raster/RasterFiles.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::RunCli;
using testing::TemporaryFolder;

std::string VolcanoArguments() {
  return "surface " + testing::VolcanoRasterArguments() + " --scale-in m --scale-out cm";
}

TEST(SurfaceCommand, WritesTheSurfaceTheInterpolationComputesWithTheChosenSwitches) {
  for (const bool correction : {true, false}) {
    SCOPED_TRACE(correction ? "corrected" : "--no-subpixel");
    TemporaryFolder folder;
    std::string output;
    // The switch stands before another option, which must not be taken for its value.
    ASSERT_EQ(
        RunCli(VolcanoArguments() + (correction ? "" : " --no-subpixel") + " --tension 0.2 --out " +
                   folder.File("volcano") + " --shade " + folder.File("shade"),
               &output),
        0);
    SessionState session = testing::LoadVolcanoSession();
    SurfaceInterpolation(session, 1, 100, {0.2, correction});
    EXPECT_EQ(ReadRawDem(folder.File("volcano_m4.raw"), {366, 522}), session.DemGrid);
    EXPECT_NE(output.find("DemMin " + std::to_string(session.DemMin) + "\nDemMax " +
                          std::to_string(session.DemMax) + "\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(testing::ListFolder(folder.Path()),
              "shade.raw shade.txt volcano_m4.raw volcano_m4.txt");
  }
}

TEST(SurfaceCommand, RefusesABadTensionOrSwitchAndWritesNothing) {
  TemporaryFolder folder;
  const std::string out = " --out " + folder.File("dem");
  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {VolcanoArguments() + " --tension 1.5" + out, "from 0 to 1"},
      {VolcanoArguments() + " --tension steep" + out, "--tension"},
      {VolcanoArguments() + " --no-smoothing" + out, "--no-smoothing"},
  };
  for (const auto& bad : cases) {
    SCOPED_TRACE(bad.arguments);
    std::string errors;
    EXPECT_NE(RunCli(bad.arguments, nullptr, &errors), 0);
    EXPECT_NE(errors.find("ERROR"), std::string::npos) << errors;
    EXPECT_NE(errors.find(bad.message), std::string::npos) << errors;
    EXPECT_EQ(testing::ListFolder(folder.Path()), "");
  }
}

}  // namespace
}  // namespace zelmaro
