#include "core/NeighbourCode.h"
#include "vector/ZoneSelection.h"

#include <gtest/gtest.h>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/Progress.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"
#include "vector/VectorScene.h"

namespace zelmaro {
namespace {

using testing::CodesFromText;
using testing::PolylineDxf;
using testing::SampleDxf;
using testing::SampleFrame;
using testing::SampleLine;
using testing::TemporaryFolder;
using testing::VertexLayout;

// A scene of 300 x 300 map units from (1000, 2000) whose table is 100, 200 (a line at
// 100 along the bottom rows, so that the interval is 100).
SampleDxf TwoLevelScene() {
  SampleDxf sample = SampleFrame(1000, 2000, 1300, 2300, 100, 200);
  sample.lines.push_back({100, {{1000, 2020}, {1300, 2020}}});
  return sample;
}

ZoneParameters WholeScene(const SampleDxf& sample, std::int32_t pixelSize) {
  return {pixelSize, sample.xMin, sample.yMin, sample.xMax, sample.yMax};
}

class ZoneSelectionTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    path_ = folder_.File("scene.dxf");
    testing::WriteFileBytes(path_, text);
    RasterizeVectorScene(session_, path_);
  }
  std::vector<VectorCell> CellsWithCode(std::uint8_t code) const {
    std::vector<VectorCell> cells;
    for (int line = 0; line < session_.ContourImage.Lines(); ++line) {
      for (int column = 0; column < session_.ContourImage.Columns(); ++column) {
        if (session_.ContourImage[line][column] == code) cells.push_back({line, column});
      }
    }
    return cells;
  }

  TemporaryFolder folder_;
  std::string path_;
  SessionState session_;
};

TEST_F(ZoneSelectionTest, ZoneSizeIsRoundedHalfUp) {
  SampleDxf sample = TwoLevelScene();
  sample.xMax = 2000;  // 1000 x 600 map units
  sample.yMax = 2600;
  Load(PolylineDxf(sample, VertexLayout::Agency));
  const ZoneSelection selection = SelectZone(session_, WholeScene(sample, 30));
  EXPECT_EQ(selection.Columns, 33);
  EXPECT_EQ(selection.Lines, 20);
  EXPECT_EQ(session_.ContourImage.Columns(), 33);
  EXPECT_EQ(session_.ComeBackImage, session_.ContourImage);
  EXPECT_EQ(session_.WorkLines, 20);
  EXPECT_EQ(session_.ContourGridColumns, 33);
  EXPECT_EQ(session_.ZoneSelected, 1);
  EXPECT_EQ(session_.EditableImage, 1);
  EXPECT_EQ(selection.zone.ZoneXMax, 2000.0);
}

TEST_F(ZoneSelectionTest, ASegmentMarksItsStepsButNotItsFirstCell) {
  SampleDxf sample = TwoLevelScene();
  sample.lines.push_back({200, {{1020, 2250}, {1050, 2250}}});  // cells (5, 2) to (5, 5)
  Load(PolylineDxf(sample, VertexLayout::Agency));
  SelectZone(session_, WholeScene(sample, 10));
  EXPECT_EQ(CellsWithCode(2), (std::vector<VectorCell>{{5, 3}, {5, 4}, {5, 5}}));
  EXPECT_EQ(CellsWithCode(1).size(), 29u);  // the line at 100, columns 1 to 29 of 30
}

TEST_F(ZoneSelectionTest, AltitudesThatAreNoLevelGiveNoPixels) {
  SampleDxf sample = TwoLevelScene();
  sample.lines.push_back({150, {{1020, 2250}, {1250, 2250}}});
  sample.lines.push_back({200.5, {{1020, 2150}, {1250, 2150}}});
  sample.lines.push_back({150.5, {{1020, 2100}, {1250, 2100}}});
  // The 200.5 line was seen by the scene: its cells hold 200 (ZMax) and the 150s lie
  // below the 100 step, so the table stays 100, 200.
  Load(PolylineDxf(sample, VertexLayout::Agency));
  ASSERT_EQ(session_.AltitudeCount, 3);  // 100, 150, 200: the interval is 50
  session_.AltitudeCount = 2;
  session_.AltitudeTable[2] = 200;
  SelectZone(session_, WholeScene(sample, 10));
  EXPECT_EQ(CellsWithCode(2).size(), 23u);  // the 200.5 line: trunc gives 200
  EXPECT_EQ(CellsWithCode(1).size(), 29u);
  EXPECT_EQ(CellsWithCode(3).size(), 0u);
}

TEST_F(ZoneSelectionTest, AZonePartlyOutsideTheSceneKeepsItsLinesInPlace) {
  SampleDxf sample = TwoLevelScene();
  sample.lines.push_back({200, {{1000, 2250}, {1300, 2250}}});
  Load(PolylineDxf(sample, VertexLayout::Agency));
  const ZoneParameters zone{10, 1200, 2200, 1500, 2500};
  const ZoneSelection selection = SelectZone(session_, zone);
  ASSERT_EQ(selection.Lines, 30);
  ASSERT_EQ(selection.Columns, 30);
  // Y 2250 lies 25 cells below the zone's top; X 1210 to 1300 are its columns 1 to 10.
  std::vector<VectorCell> expected;
  for (int column = 0; column <= 10; ++column) expected.push_back({25, column});
  EXPECT_EQ(CellsWithCode(2), expected);
  EXPECT_TRUE(CellsWithCode(1).empty());
}

TEST_F(ZoneSelectionTest, RefusesAMissingPixelSizeOrSceneAndKeepsTheSession) {
  SessionState empty;
  EXPECT_THROW(SelectZone(empty, {10, 1, 1, 2, 2}), Error);
  Load(PolylineDxf(TwoLevelScene(), VertexLayout::Agency));
  SelectZone(session_, WholeScene(TwoLevelScene(), 10));
  const ByteGrid before = session_.ContourImage;
  for (std::int32_t pixelSize : {0, -10}) {
    EXPECT_THROW(SelectZone(session_, WholeScene(TwoLevelScene(), pixelSize)), Error);
  }
  EXPECT_THROW(SelectZone(session_, {10, 1000, 2000, 1003, 2300}), Error);  // under a cell
  EXPECT_THROW(SelectZone(session_, {1, 0, 0, 1e8, 1e8}), Error);           // too large
  session_.GeoReferenced = 0;  // as a raster load leaves it
  EXPECT_THROW(SelectZone(session_, WholeScene(TwoLevelScene(), 10)), Error);
  session_.GeoReferenced = 1;
  std::remove(path_.c_str());
  EXPECT_THROW(SelectZone(session_, WholeScene(TwoLevelScene(), 20)), Error);
  EXPECT_EQ(session_.ContourImage, before);
  EXPECT_EQ(session_.WorkLines, 30);
}

TEST_F(ZoneSelectionTest, AZoneWithoutContourCellsIsRefusedSayingWhy) {
  SampleDxf sample = TwoLevelScene();
  // The line at 130 makes the interval 70: its own altitude is no level (100, 170).
  sample.lines.push_back({130, {{1020, 2250}, {1250, 2250}}});
  Load(PolylineDxf(sample, VertexLayout::Agency));
  SelectZone(session_, WholeScene(sample, 10));
  const ByteGrid before = session_.ContourImage;
  const struct {
    ZoneParameters zone;
    const char* why;
  } cases[] = {
      {{10, 1100, 2100, 1200, 2200}, "no contour line crosses it"},
      {{10, 1100, 2200, 1200, 2300}, "has an altitude that is a level"},
  };
  for (const auto& [zone, why] : cases) {
    try {
      SelectZone(session_, zone);
      ADD_FAILURE() << why;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(why), std::string::npos) << error.what();
    }
  }
  EXPECT_EQ(session_.ContourImage, before);
  EXPECT_EQ(session_.WorkLines, 30);
}

TEST_F(ZoneSelectionTest, ReportsItsProgressAndACancelKeepsThePreviousZone) {
  const SampleDxf sample = TwoLevelScene();
  Load(PolylineDxf(sample, VertexLayout::Agency));
  SelectZone(session_, WholeScene(sample, 20));
  const SessionState before = session_;
  testing::ExpectProgressAndEveryCancel([&](const Progress& progress) {
    session_ = before;
    try {
      SelectZone(session_, WholeScene(sample, 10), progress);
    } catch (const CommandCancelled&) {
      EXPECT_EQ(session_.ContourImage, before.ContourImage);
      EXPECT_EQ(session_.ComeBackImage, before.ComeBackImage);
      EXPECT_EQ(session_.WorkLines, before.WorkLines);
      EXPECT_EQ(session_.WorkColumns, before.WorkColumns);
      throw;
    }
  });
}

TEST_F(ZoneSelectionTest, PolylineAndLightweightFilesSelectAlike) {
  SampleDxf sample = TwoLevelScene();
  sample.zMax = 300;
  sample.lines.push_back({200, {{1010, 2290}, {1100, 2200}, {1290, 2150}, {1295, 2020}}});
  sample.lines.push_back({300, {{1050, 2050}, {1250, 2060}, {1240, 2250}}, true});
  sample.lines.push_back({250, {{1020, 2100}, {1280, 2110}}});
  Load(PolylineDxf(sample, VertexLayout::Agency));
  SelectZone(session_, {7, 1013, 2011, 1288, 2297});
  const ByteGrid reference = session_.ContourImage;
  EXPECT_GT(CellsWithCode(5).size(), 60u);  // the closed line at 300
  for (const std::string& text :
       {PolylineDxf(sample, VertexLayout::R12Handles), testing::LwPolylineDxf(sample),
        WithCrLf(testing::LwPolylineDxf(sample))}) {
    Load(text);
    SelectZone(session_, {7, 1013, 2011, 1288, 2297});
    EXPECT_EQ(session_.ContourImage, reference);
  }
}

TEST_F(ZoneSelectionTest, SelectsTheBundledExample) {
  RasterizeVectorScene(session_, testing::ExamplePath("volcano.dxf"));
  const ZoneParameters zone{10, session_.VectorXMin, session_.VectorYMin, session_.VectorXMax,
                            session_.VectorYMax};
  const ZoneSelection selection = SelectZone(session_, zone);
  EXPECT_EQ(selection.Lines, 61);
  EXPECT_EQ(selection.Columns, 87);
  int lineCells = 0;
  for (std::uint8_t code : session_.ContourImage.Cells()) {
    if (code == kBackgroundCode) continue;
    ++lineCells;
    EXPECT_LE(code, session_.AltitudeCount);
  }
  EXPECT_GT(lineCells, 500);
}

// Vertices far outside the frame, as some files carry them: a line that crosses the
// whole frame between two of them draws what the same line between two vertices just
// outside draws, and lines that never enter draw nothing, in the scene and in zones.
TEST_F(ZoneSelectionTest, FarVerticesDrawWhatTheirCrossingOfTheFrameDraws) {
  SampleDxf far = SampleFrame(500000, 2000000, 500900, 2000600, 100, 200);
  far.lines.push_back(
      {100, {{500300, 2000200}, {500600, 2000200}, {500600, 2000400}, {500300, 2000400}}});
  SampleDxf near = far;
  SampleLine crossing{200, {}};
  SampleLine above{200, {}};
  for (int vertex = 0; vertex < 100; ++vertex) {
    // 8e7 map units: 16 million cells at pixel 5; 4.9e8: as many at the scene's 30.
    crossing.points.push_back({vertex % 2 == 0 ? 500000 - 8e7 : 500900 + 8e7, 2000300});
    above.points.push_back({vertex % 2 == 0 ? 500000 - 4.9e8 : 500900 + 4.9e8, 2000600 + 4.9e8});
  }
  far.lines.push_back(crossing);
  far.lines.push_back(above);
  near.lines.push_back({200, {{499970, 2000300}, {500930, 2000300}}});

  Load(PolylineDxf(near, VertexLayout::Agency));
  const ByteGrid nearScene = session_.VectorImage;
  std::vector<ByteGrid> nearZones;
  for (std::int32_t pixelSize : {30, 5}) {
    SelectZone(session_, WholeScene(near, pixelSize));
    nearZones.push_back(session_.ContourImage);
  }
  Load(PolylineDxf(far, VertexLayout::LayerOnly));
  EXPECT_EQ(session_.VectorImage, nearScene);
  EXPECT_EQ(session_.AltitudeCount, 2);
  for (std::int32_t pixelSize : {30, 5}) {
    SelectZone(session_, WholeScene(far, pixelSize));
    EXPECT_EQ(session_.ContourImage, nearZones[pixelSize == 30 ? 0 : 1]) << pixelSize;
  }
  EXPECT_EQ(CellsWithCode(2).size(), 180u);  // the whole line 60 of the zone at 5
}

TEST(RemoveZoneCorners, RemovesTheInnerCornerOfAnOrthogonalStepInTheSecondPass) {
  ByteGrid image = CodesFromText({
      "..........",
      "..........",
      "..........",
      "..........",
      "..........",
      "...7777...",
      "......7...",
      "......7...",
      "......7...",
      "..........",
  });
  EXPECT_EQ(NeighbourCode(image, 5, 6), 160);
  RemoveZoneCorners(image);
  EXPECT_EQ(image, CodesFromText({
                       "..........",
                       "..........",
                       "..........",
                       "..........",
                       "..........",
                       "...777....",
                       "......7...",
                       "......7...",
                       "......7...",
                       "..........",
                   }));
}

TEST(RemoveZoneCorners, StaircaseCornersGoInTheFirstPassInScanOrder) {
  ByteGrid three = CodesFromText({
      "........",
      "........",
      "........",
      "........",
      "........",
      ".....33.",
      "......3.",
      "........",
  });
  EXPECT_EQ(NeighbourCode(three, 5, 5), 24);
  RemoveZoneCorners(three);
  EXPECT_EQ(three, CodesFromText({
                       "........",
                       "........",
                       "........",
                       "........",
                       "........",
                       "......3.",
                       "......3.",
                       "........",
                   }));

  ByteGrid step = CodesFromText({
      "........",
      "........",
      "........",
      "........",
      "..555...",
      "....55..",
      "........",
      "........",
  });
  EXPECT_EQ(NeighbourCode(step, 5, 5), 129);
  RemoveZoneCorners(step);
  // (5, 5) goes in the first pass; (4, 4), now with W and S only (160), in the second.
  EXPECT_EQ(step, CodesFromText({
                      "........",
                      "........",
                      "........",
                      "........",
                      "..55....",
                      "....5...",
                      "........",
                      "........",
                  }));
}

}  // namespace
}  // namespace zelmaro
