#include <gtest/gtest.h>

#include "core/FileIO.h"
#include "interp/Dilation.h"
#include "raster/OutputFiles.h"
#include "raster/RasterFiles.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"
#include "vector/VectorScene.h"
#include "vector/ZoneSelection.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::ReadFileBytes;
using testing::RunCli;
using testing::TemporaryFolder;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(VectorCli, PrintsTheSceneAndWritesThePreview) {
  TemporaryFolder folder;
  std::string output;
  ASSERT_EQ(RunCli("vector --dxf " + testing::ExamplePath("volcano.dxf") + " --preview " +
                       folder.File("preview"),
                   &output),
            0);
  EXPECT_TRUE(Contains(output, ": 20 lines x 29 columns, pixel size 30\n")) << output;
  EXPECT_TRUE(Contains(output, "Z 95 to 195\n")) << output;
  EXPECT_TRUE(Contains(output, "Hypsometric interval: 5\n")) << output;
  EXPECT_TRUE(Contains(output, "Altitude table (21 codes):\n1 95\n2 100\n")) << output;
  EXPECT_TRUE(Contains(output, "\n21 195\n")) << output;
  SessionState session;
  RasterizeVectorScene(session, testing::ExamplePath("volcano.dxf"));
  EXPECT_EQ(ReadFileBytes(folder.File("preview.raw")), RawBytes(session.VectorImage));
  EXPECT_EQ(ReadFileBytes(folder.File("preview.txt")).substr(0, 23),
            "20\r\n29\r\n1\r\n0\r\n255\r\n30\r\n");
  EXPECT_TRUE(Contains(ReadFileBytes(folder.File("preview.txt")), "YMin 5917000.000000"));
}

TEST(ZoneCli, WritesTheWholeSceneAsAContourLineImage) {
  TemporaryFolder folder;
  std::string output;
  ASSERT_EQ(RunCli("zone --dxf " + testing::ExamplePath("volcano.dxf") + " --pixel 10 --out " +
                       folder.File("whole"),
                   &output),
            0);
  EXPECT_TRUE(Contains(output, "61 lines x 87 columns, 21 altitude codes")) << output;
  SessionState session;
  RasterizeVectorScene(session, testing::ExamplePath("volcano.dxf"));
  const ZoneParameters zone{10, 1756000, 5917000, 1756870, 5917610};
  SelectZone(session, zone);
  EXPECT_EQ(ReadFileBytes(folder.File("whole.raw")), RawBytes(session.ContourImage));
  EXPECT_EQ(ReadFileBytes(folder.File("whole.txt")),
            WithCrLf(DescriptiveFileText(61, 87, zone, true)));
  EXPECT_EQ(ReadFileBytes(folder.File("whole_tab.txt")),
            WithCrLf(AltitudeTableText(session.AltitudeTable, 21)));
  // The three files take the raster road as a loaded raster.
  SessionState raster;
  ASSERT_TRUE(LoadRaster(
      raster, {folder.File("whole.raw"), "", std::nullopt, folder.File("whole_tab.txt")}));
  EXPECT_EQ(raster.ContourImage, session.ContourImage);
  EXPECT_EQ(raster.AltitudeCount, 21);
  EXPECT_EQ(raster.AltitudeTable[21], 195);
}

TEST(ZoneCli, ExtractsARectangleOfAThirdPartyFile) {
  TemporaryFolder folder;
  testing::SampleDxf sample = testing::SampleFrame(500000, 2100000, 501000, 2101000, 1000, 1040);
  for (int level = 0; level <= 4; ++level) {
    const double inset = 80.0 * level + 20;
    sample.lines.push_back({1000.0 + 10 * level,
                            {{500000 + inset, 2100000 + inset},
                             {501000 - inset, 2100000 + inset},
                             {501000 - inset, 2101000 - inset},
                             {500000 + inset, 2101000 - inset}},
                            true});
  }
  const std::string dxf = folder.File("sheet.dxf");
  testing::WriteFileBytes(
      dxf, WithCrLf(testing::PolylineDxf(sample, testing::VertexLayout::R12Handles)));
  ASSERT_EQ(RunCli("zone --dxf " + dxf +
                   " --pixel 5 --xmin 500100 --ymin 2100200 --xmax 500900"
                   " --ymax 2100800 --out " +
                   folder.File("part")),
            0);
  SessionState session;
  RasterizeVectorScene(session, dxf);
  EXPECT_EQ(session.AltitudeCount, 5);
  SelectZone(session, {5, 500100, 2100200, 500900, 2100800});
  EXPECT_EQ(session.ContourImage.Lines(), 120);
  EXPECT_EQ(session.ContourImage.Columns(), 160);
  EXPECT_EQ(ReadFileBytes(folder.File("part.raw")), RawBytes(session.ContourImage));
  EXPECT_TRUE(Contains(ReadFileBytes(folder.File("part.txt")),
                       "\tXMax 500900.000000\tXMin 500100.000000\r\n"));

  // The zone goes on through the raster road in the same script.
  ASSERT_EQ(
      RunCli("dilation --raw " + folder.File("part.raw") + " --table " +
             folder.File("part_tab.txt") + " --scale-in m --scale-out cm --pixel 5 --asc " +
             folder.File("part") + " --xmin 500100 --ymin 2100200 --out " + folder.File("part")),
      0);
  session.WorkLines = 120;
  session.WorkColumns = 160;
  SeedDemGrid(session, 1, 100);
  DilationInterpolation(session);
  EXPECT_EQ(ReadRawDem(folder.File("part_m4.raw"), {120, 160}), session.DemGrid);
  EXPECT_TRUE(Contains(ReadFileBytes(folder.File("part.asc")),
                       "ncols 160\r\nnrows 120\r\nxllcorner 500100.000000\r\n"
                       "yllcorner 2100200.000000\r\ncellsize 5.000000\r\n"));
}

TEST(ZoneCli, ReportsBadInputAndWritesNothing) {
  TemporaryFolder folder;
  testing::WriteFileBytes(folder.File("flat.dxf"), "  0\nSECTION\n  2\nENTITIES\n  0\nEOF\n");
  std::string errors;
  EXPECT_EQ(
      RunCli("zone --dxf " + folder.File("flat.dxf") + " --pixel 10 --out " + folder.File("out"),
             nullptr, &errors),
      1);
  EXPECT_TRUE(Contains(errors, "ERROR")) << errors;
  EXPECT_TRUE(Contains(errors, folder.File("flat.dxf"))) << errors;
  EXPECT_EQ(RunCli("zone --dxf " + testing::ExamplePath("volcano.dxf") +
                       " --pixel 10 --xmin 1756100 --out " + folder.File("out"),
                   nullptr, &errors),
            1);
  EXPECT_TRUE(Contains(errors, "all four")) << errors;
  EXPECT_EQ(RunCli("zone --dxf " + testing::ExamplePath("volcano.dxf") + " --pixel 0 --out " +
                       folder.File("out"),
                   nullptr, &errors),
            1);
  EXPECT_EQ(ListFolder(folder.Path()), "flat.dxf");
}

}  // namespace
}  // namespace zelmaro
