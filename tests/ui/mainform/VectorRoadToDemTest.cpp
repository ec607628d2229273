// A DXF sheet written by a third-party program goes the whole vector road in the
// desktop program: Vectorial, Extract Vector Zone, Dilation, Save DEM; the files are the
// ones the core writes for the same zone, and the ASCII grid sits on the zone.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "interp/Dilation.h"
#include "raster/OutputFiles.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"
#include "vector/VectorScene.h"
#include "vector/ZoneSelection.h"

namespace zelmaro {
namespace {

using testing::ReadFileBytes;

testing::SampleDxf HillSheet() {
  testing::SampleDxf sample = testing::SampleFrame(500000, 2100000, 503000, 2102000, 100, 300);
  sample.lines.push_back({100, {{500000, 2100300}, {501500, 2100200}, {503000, 2100400}}});
  sample.lines.push_back(
      {200, {{501000, 2101000}, {502000, 2100900}, {502100, 2101600}, {501100, 2101500}}, true});
  sample.lines.push_back({300, {{501400, 2101200}, {501600, 2101200}, {501600, 2101300}}, true});
  return sample;
}

class VectorRoadToDemTest : public ::testing::TestWithParam<bool>,
                            public testing::MainWindowFixture {
 protected:
  std::string WriteSheet() {
    const testing::SampleDxf sample = HillSheet();
    const std::string text = GetParam()
                                 ? WithCrLf(testing::LwPolylineDxf(sample))
                                 : testing::PolylineDxf(sample, testing::VertexLayout::R12Handles);
    testing::WriteFileBytes(folder.File("sheet.dxf"), text);
    return folder.File("sheet.dxf");
  }
  testing::TemporaryFolder folder;
};

TEST_P(VectorRoadToDemTest, SheetToSavedDemThroughTheDesktopProgram) {
  const std::string sheet = WriteSheet();
  Ui.QueueFile("VECTORIAL FILE OPENING", sheet);
  Click("VectSpeedButton");
  QueueZone("20", {"500400", "2100100", "502600", "2101900"});
  Click("SelectionSpeedButton");
  QueueScale(1, 6);  // meters in, decimeters out
  Click("DilatSpeedButton");
  Ui.QueueFile("Save DEM", folder.File("hill"), 1);
  Click("SaveDEMSpeedButton");
  Ui.QueueFile("Save DEM", folder.File("hill"), 2);
  Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
    testing::TypeInto(form, "PixSizeEdit", "20");
    testing::TypeInto(form, "XMinEdit", "500400");
    testing::TypeInto(form, "YMinEdit", "2100100");
    testing::CheckRadio(form, "RadioButton2");
    testing::Press(form, "BitBtn1");
  });
  Click("SaveDEM");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_TRUE(Ui.Messages.empty()) << Ui.Messages.front().text;

  // The same road through the core functions.
  SessionState core;
  RasterizeVectorScene(core, sheet);
  ZoneParameters zone;
  zone.ZonePixelSize = 20;
  zone.ZoneXMin = 500400;
  zone.ZoneYMin = 2100100;
  zone.ZoneXMax = 502600;
  zone.ZoneYMax = 2101900;
  SelectZone(core, zone);
  SeedDemGrid(core, 1, 10);
  DilationInterpolation(core);
  ASSERT_EQ(core.DemGrid.Lines(), 90);
  ASSERT_EQ(core.DemGrid.Columns(), 110);
  EXPECT_EQ(Main().Session.DemGrid, core.DemGrid);
  EXPECT_EQ(core.DemMin, 1000);
  EXPECT_EQ(core.DemMax, 3000);

  core.WorkLines = 90;
  core.WorkColumns = 110;
  SaveDemRaw(core, folder.File("expected"), zone);
  EXPECT_EQ(ReadFileBytes(folder.File("hill_m4.raw")),
            ReadFileBytes(folder.File("expected_m4.raw")));
  const std::string description = ReadFileBytes(folder.File("hill_m4.txt"));
  EXPECT_EQ(description, ReadFileBytes(folder.File("expected_m4.txt")));
  EXPECT_NE(description.find("\tXMax 502600.000000\tXMin 500400.000000\r\n"
                             "\tYMax 2101900.000000\tYMin 2100100.000000\r\n"),
            std::string::npos);

  const std::string grid = ReadFileBytes(folder.File("hill.asc"));
  const std::string header =
      "ncols 110\r\nnrows 90\r\nxllcorner 500400.000000\r\nyllcorner 2100100.000000\r\n"
      "cellsize 20.000000\r\nnodata_value -9999.9999\r\n";
  EXPECT_EQ(grid.substr(0, header.size()), header);
  EXPECT_EQ(grid, WithCrLf(AsciiGridText(core.DemGrid, {20, 500400, 2100100, 10})));
}

INSTANTIATE_TEST_SUITE_P(BothPolylineForms, VectorRoadToDemTest, ::testing::Bool(),
                         [](const auto& info) {
                           return info.param ? "LightweightPolylines" : "R12PolylinesWithHandles";
                         });

}  // namespace
}  // namespace zelmaro
