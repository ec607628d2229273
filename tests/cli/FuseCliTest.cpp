#include <gtest/gtest.h>

#include "core/FileIO.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"
#include "vector/DxfFusion.h"

namespace zelmaro {
namespace {

using testing::ReadFileBytes;
using testing::RunCli;
using testing::TemporaryFolder;

std::string WriteSheet(const TemporaryFolder& folder, const std::string& name, double xMin) {
  testing::SampleDxf sample = testing::SampleFrame(xMin, 2100000, xMin + 1000, 2101000, 100, 200);
  sample.lines.push_back({150, {{xMin + 10, 2100010}, {xMin + 990, 2100990}}});
  testing::WriteFileBytes(folder.File(name),
                          WithCrLf(testing::PolylineDxf(sample, testing::VertexLayout::Agency)));
  return folder.File(name);
}

TEST(FuseCli, WritesWhatTheFusionWrites) {
  TemporaryFolder folder;
  const std::string a = WriteSheet(folder, "a.dxf", 500000);
  const std::string b = WriteSheet(folder, "b.dxf", 501000);
  std::string output;
  ASSERT_EQ(RunCli("fuse " + folder.File("cli") + " " + a + " " + b, &output), 0);
  EXPECT_EQ(output, "2 files with 2 polylines fused into " + folder.File("cli.dxf") + "\n");
  FuseDxfFiles({a, b}, folder.File("direct"));
  EXPECT_EQ(ReadFileBytes(folder.File("cli.dxf")), ReadFileBytes(folder.File("direct.dxf")));
}

TEST(FuseCli, CoastAppendsItsEndingAndReportsBadInput) {
  TemporaryFolder folder;
  const std::string contours = WriteSheet(folder, "cn.dxf", 500000);
  const std::string coast = WriteSheet(folder, "ha.dxf", 500000);
  ASSERT_EQ(RunCli("coast " + contours + " " + coast + " " + folder.File("bay")), 0);
  EXPECT_TRUE(FileExists(folder.File("bay_cnha.dxf")));
  std::string errors;
  EXPECT_EQ(RunCli("coast " + contours + " " + folder.File("none.dxf") + " " + folder.File("gulf"),
                   nullptr, &errors),
            1);
  EXPECT_NE(errors.find(folder.File("none.dxf")), std::string::npos) << errors;
  EXPECT_FALSE(FileExists(folder.File("gulf_cnha.dxf")));
  EXPECT_EQ(RunCli("fuse " + folder.File("alone"), nullptr, &errors), 1);
}

}  // namespace
}  // namespace zelmaro
