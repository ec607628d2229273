#include "vector/VectorScene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "core/Error.h"
#include "core/FileIO.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::LwPolylineDxf;
using testing::PolylineDxf;
using testing::SampleDxf;
using testing::SampleFrame;
using testing::TemporaryFolder;
using testing::VertexLayout;
using testing::WriteFileBytes;

// A frame of 300 x 300 map units: 10 x 10 preview cells of 30.
SampleDxf SmallFrame(double zMin, double zMax) {
  SampleDxf sample = SampleFrame(1000, 2000, 1300, 2300, zMin, zMax);
  return sample;
}

// A horizontal line across the frame at the given preview line.
testing::SampleLine AcrossAtLine(double z, int line) {
  const double y = 2300 - 30.0 * line;
  return {z, {{1000, y}, {1300, y}}};
}

VectorScene LoadText(const std::string& text) {
  DxfReader reader("memory.dxf", text);
  return ReadVectorScene(reader);
}

std::vector<std::int32_t> TableOf(const VectorScene& scene) {
  return {scene.AltitudeTable.begin() + 1, scene.AltitudeTable.begin() + 1 + scene.AltitudeCount};
}

int MarkedCells(const ByteGrid& image) {
  int count = 0;
  for (std::uint8_t cell : image.Cells()) count += cell == 0 ? 1 : 0;
  return count;
}

TEST(ScenePixelSize, GrowsUntilAtMost1200Lines) {
  const auto at36000 = ChooseScenePixelSize(0, 0, 1000, 36000);
  ASSERT_TRUE(at36000);
  EXPECT_EQ(at36000->pixelSize, 30);
  EXPECT_EQ(at36000->lines, 1200);
  const auto at36016 = ChooseScenePixelSize(0, 0, 1000, 36016);
  ASSERT_TRUE(at36016);
  EXPECT_EQ(at36016->pixelSize, 40);
  EXPECT_EQ(at36016->lines, 900);
  // Columns are not limited.
  const auto wide = ChooseScenePixelSize(0, 0, 100000, 10000);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->pixelSize, 30);
  EXPECT_EQ(wide->columns, 3333);
  EXPECT_FALSE(ChooseScenePixelSize(0, 0, 1e9, 10000));
  EXPECT_FALSE(ChooseScenePixelSize(10, 0, 10, 100));
}

TEST(DrawSegment, WritesBothEndsAndOneCellPerStepRoundedHalfUp) {
  DoubleGrid grid(30, 30, NoVectorValue);
  DrawSegment(grid, {10, 10}, {13, 11}, 250.0, 20, 20);
  std::vector<VectorCell> marked;
  for (int line = 0; line < 30; ++line) {
    for (int column = 0; column < 30; ++column) {
      if (grid[line][column] != NoVectorValue) marked.push_back({line, column});
    }
  }
  EXPECT_EQ(marked, (std::vector<VectorCell>{{10, 10}, {11, 10}, {12, 11}, {13, 11}}));
  EXPECT_EQ(grid[12][11], 250.0);
}

TEST(DrawSegment, EndsAfterItsStepsAcrossNegativePositions) {
  DoubleGrid grid(12, 12, NoVectorValue);
  // The walk reaches negative positions: it stops after its 7 steps and skips the
  // cells outside the grid.
  DrawSegment(grid, {5, 3}, {-1, -4}, 7.0, 10, 10);
  int marked = 0;
  for (double cell : grid.Cells()) marked += cell == 7.0 ? 1 : 0;
  EXPECT_EQ(marked, 4);
  EXPECT_EQ(grid[5][3], 7.0);
  EXPECT_EQ(grid[4][2], 7.0);
  EXPECT_EQ(grid[3][1], 7.0);
  EXPECT_EQ(grid[2][0], 7.0);
}

TEST(VectorScene, SingleVertexAndSameCellPolylines) {
  SampleDxf sample = SmallFrame(100, 200);
  sample.lines.push_back({100, {{1150, 2150}}});
  EXPECT_EQ(MarkedCells(LoadText(PolylineDxf(sample, VertexLayout::Agency)).VectorImage), 0);
  sample.lines.push_back({100, {{1150, 2150}, {1152, 2151}}});
  EXPECT_EQ(MarkedCells(LoadText(PolylineDxf(sample, VertexLayout::Agency)).VectorImage), 1);
}

TEST(VectorScene, BottomEdgeContourIsNotShownAndTakesNoPartInTheInterval) {
  SampleDxf sample = SmallFrame(100, 300);
  sample.lines.push_back(AcrossAtLine(100, 5));
  sample.lines.push_back(AcrossAtLine(290, 10));  // Y = YMin maps to line 10 of 10
  const VectorScene scene = LoadText(PolylineDxf(sample, VertexLayout::Agency));
  EXPECT_EQ(scene.frame.Lines, 10);
  // Only the line at 100 shows, in columns 0 to 9: X = XMax maps to column 10.
  EXPECT_EQ(MarkedCells(scene.VectorImage), 10);
  EXPECT_EQ(scene.frame.HypsometricInterval, 200);
}

TEST(VectorScene, IntervalIsTheStepBelowZMax) {
  SampleDxf hundreds = SmallFrame(100, 500);
  for (int level = 1; level <= 5; ++level)
    hundreds.lines.push_back(AcrossAtLine(100 * level, level));
  const VectorScene scene = LoadText(PolylineDxf(hundreds, VertexLayout::Agency));
  EXPECT_EQ(scene.frame.HypsometricInterval, 100);
  EXPECT_EQ(TableOf(scene), (std::vector<std::int32_t>{100, 200, 300, 400, 500}));

  SampleDxf fifty = SmallFrame(100, 250);
  fifty.lines = {AcrossAtLine(100, 1), AcrossAtLine(200, 2), AcrossAtLine(250, 3)};
  const VectorScene finer = LoadText(PolylineDxf(fifty, VertexLayout::Agency));
  EXPECT_EQ(finer.frame.HypsometricInterval, 50);
  EXPECT_EQ(TableOf(finer), (std::vector<std::int32_t>{100, 150, 200, 250}));
}

TEST(VectorScene, WithoutContourCellsTheTableHasOneEntry) {
  const VectorScene scene = LoadText(PolylineDxf(SmallFrame(120, 480), VertexLayout::Agency));
  EXPECT_EQ(scene.frame.HypsometricInterval, kNoHypsometricInterval);
  EXPECT_EQ(TableOf(scene), (std::vector<std::int32_t>{120}));
}

TEST(VectorScene, RefusesATableOfMoreThan254Levels) {
  SampleDxf sample = SmallFrame(0, 2550);
  sample.lines.push_back(AcrossAtLine(2540, 4));
  try {
    LoadText(PolylineDxf(sample, VertexLayout::Agency));
    FAIL();
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("256 altitude levels"), std::string::npos)
        << error.what();
  }
  sample.zMax = 2530;  // 254 levels fit
  sample.lines.back().z = 2520;
  EXPECT_EQ(LoadText(PolylineDxf(sample, VertexLayout::Agency)).AltitudeCount, 254);
}

TEST(VectorScene, PolylineAndLightweightFormsAndLineEndsGiveTheSameScene) {
  SampleDxf sample = SmallFrame(100, 300);
  sample.lines.push_back({200, {{1010, 2290}, {1100, 2200}, {1290, 2150}}});
  sample.lines.push_back({300, {{1050, 2050}, {1250, 2050}, {1250, 2250}}, true});
  sample.lines.push_back({250, {{1020, 2100}, {1280, 2110}}});
  const VectorScene reference = LoadText(PolylineDxf(sample, VertexLayout::Agency));
  EXPECT_GT(MarkedCells(reference.VectorImage), 20);
  for (const std::string& text :
       {PolylineDxf(sample, VertexLayout::R12Handles), PolylineDxf(sample, VertexLayout::LayerOnly),
        LwPolylineDxf(sample), WithCrLf(LwPolylineDxf(sample)),
        WithCrLf(PolylineDxf(sample, VertexLayout::Agency))}) {
    const VectorScene scene = LoadText(text);
    EXPECT_EQ(scene.VectorImage, reference.VectorImage);
    EXPECT_EQ(TableOf(scene), TableOf(reference));
    EXPECT_EQ(scene.frame.HypsometricInterval, 50);
  }
}

TEST(VectorScene, VerticesOutsideTheFrameAreSkippedCellByCell) {
  SampleDxf sample = SmallFrame(100, 200);
  sample.lines.push_back({200, {{700, 2600}, {1600, 1700}}});  // the diagonal, far beyond
  sample.lines.push_back({100, {{-5e12, 2150}, {1150, 2150}, {1210, 2150}}});
  const VectorScene scene = LoadText(PolylineDxf(sample, VertexLayout::Agency));
  for (int cell = 0; cell < 10; ++cell) EXPECT_EQ(scene.VectorImage[cell][cell], 0) << cell;
  // The unreachable vertex is ignored: the second line runs from (5, 5) to (5, 7).
  EXPECT_EQ(scene.VectorImage[5][6], 0);
  EXPECT_EQ(scene.VectorImage[5][7], 0);
  EXPECT_EQ(MarkedCells(scene.VectorImage), 12);
}

TEST(VectorScene, ATruncatedFileLoadsWhatItHolds) {
  SampleDxf sample = SmallFrame(100, 200);
  sample.lines.push_back(AcrossAtLine(200, 3));
  sample.lines.push_back({100, {{1000, 2150}, {1300, 2150}}});
  const std::string whole = PolylineDxf(sample, VertexLayout::Agency);
  // Cut right after the code 30 of the last vertex: the line at 100 draws nothing.
  const std::size_t lastZ = whole.rfind(" 30\n100.000");
  const VectorScene scene = LoadText(whole.substr(0, lastZ + 4));
  EXPECT_EQ(MarkedCells(scene.VectorImage), 10);
  EXPECT_EQ(scene.frame.HypsometricInterval, kNoHypsometricInterval);
}

TEST(VectorScene, TheExampleCutAnywhereLoadsOrIsRefused) {
  const std::string whole = testing::ReadFileBytes(testing::ExamplePath("volcano.dxf"));
  int loaded = 0;
  for (std::size_t cut = 97; cut < whole.size(); cut += whole.size() / 23) {
    try {
      LoadText(whole.substr(0, cut));
      ++loaded;
    } catch (const Error& error) {
      // Only a cut inside the header may refuse the file.
      EXPECT_LT(cut, whole.find("ENTITIES")) << error.what();
    }
  }
  EXPECT_GE(loaded, 22);
}

TEST(VectorScene, RefusesFilesWithoutAUsableFrame) {
  const std::string body =
      "  0\nSECTION\n  2\nENTITIES\n  0\nPOLYLINE\n  0\nVERTEX\n  8\n0\n"
      " 10\n1\n 20\n2\n 30\n3\n  0\nSEQEND\n";
  const std::string extMin = "  9\n$EXTMIN\n 10\n0\n 20\n0\n 30\n0\n";
  const struct {
    std::string text;
    std::string problem;
  } cases[] = {
      {body, "has no header extent"},
      {extMin + "  0\nENDSEC\n  0\nEOF\n", "has no $EXTMAX"},
      {extMin + "  9\n$EXTMAX\n 10\n100\n 30\n5\n  0\n" + body, "no Y (group 20) in its $EXTMAX"},
      {extMin + body + "  9\n$EXTMAX\n 10\n100\n 20\n100\n 30\n5\n  0\n", "before its $EXTMAX"},
      {"  9\n$EXTMAX\n 10\n100\n 20\n100\n 30\n5\n  0\n", "no X (group 10) in its $EXTMIN"},
      {extMin + "  9\n$EXTMAX\n 10\n0\n 20\n100\n 30\n5\n  0\n", "impossible extent"},
      // Narrower than half a preview cell (40 here): a scene of no column.
      {extMin + "  9\n$EXTMAX\n 10\n10\n 20\n40000\n 30\n5\n  0\n" + body,
       "1000 lines x 0 columns"},
      {extMin + "  9\n$EXTMAX\n 10\n1e+20\n 20\n1e+20\n 30\n5\n  0\n", "impossible X"},
      {extMin + "  9\n$EXTMAX\n 10\n100\n 20\n100\n  0\n", "no Z (group 30) in its $EXTMAX"},
      // Thinner than half a cell of 30: no column (or no line) to draw into.
      {extMin + "  9\n$EXTMAX\n 10\n14\n 20\n36000\n 30\n5\n  0\n",
       "too narrow for one preview cell of 30: its preview would have 1200 lines x 0 columns"},
      {extMin + "  9\n$EXTMAX\n 10\n900\n 20\n14.9\n 30\n5\n  0\n", "0 lines x 30 columns"},
  };
  for (const auto& [text, problem] : cases) {
    try {
      LoadText(text);
      ADD_FAILURE() << problem;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(problem), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find("memory.dxf"), std::string::npos);
    }
  }
}

TEST(VectorScene, AHeaderWithoutAZRangeTakesTheVertexAltitudes) {
  // As some writers leave it: ZMin = ZMax = 0 although the lines run from 95 to 110.
  SampleDxf sample = SmallFrame(0, 0);
  for (int level = 0; level < 4; ++level) {
    sample.lines.push_back(AcrossAtLine(95 + 5 * level + 0.5, level + 1));
  }
  const VectorScene scene = LoadText(PolylineDxf(sample, VertexLayout::Agency));
  EXPECT_TRUE(scene.AltitudesFromVertices);
  EXPECT_EQ(TableOf(scene), (std::vector<std::int32_t>{95, 100, 105, 110}));
  EXPECT_EQ(scene.frame.HypsometricInterval, 5);
  EXPECT_EQ(scene.frame.ZMin, 95);
  EXPECT_EQ(scene.frame.ZMax, 110);
  // A proper range keeps the header's table, and an empty file keeps its one level.
  sample.zMin = 95;
  sample.zMax = 110;
  EXPECT_FALSE(LoadText(PolylineDxf(sample, VertexLayout::Agency)).AltitudesFromVertices);
  EXPECT_EQ(TableOf(LoadText(PolylineDxf(SmallFrame(7, 7), VertexLayout::Agency))),
            (std::vector<std::int32_t>{7}));
}

TEST(LevelsOfVertices, AreTheDistinctIntegerPartsWithTheirSmallestStep) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    std::vector<double> altitudes;
    std::vector<std::int32_t> levels;
    std::int32_t interval;
  } cases[] = {
      {{}, {}, kNoHypsometricInterval},
      {{100.9, 100.2}, {100}, kNoHypsometricInterval},
      {{120, 95.5, 100, 100, 110}, {95, 100, 110, 120}, 5},
      {{-2147483648.0, 2147483647.0}, {-2147483647 - 1, 2147483647}, kNoHypsometricInterval},
      {{std::nan(""), inf, 3e9, -20, -10}, {-20, -10}, 10},
  };
  for (const auto& [altitudes, levels, interval] : cases) {
    ContourPolyline polyline;
    for (double z : altitudes) polyline.push_back({0, 0, z});
    const AltitudeLevels found = LevelsOfVertices({polyline});
    EXPECT_EQ(found.levels, levels);
    EXPECT_EQ(found.interval, interval);
  }
}

TEST(BuildContourScene, RefusesLinesThatSpanNoAreaOrHaveNoAltitude) {
  auto contours = std::make_shared<ContourPolylines>();
  contours->Polylines = {{{1000, 2000, 100}, {1300, 2000, 100}}};
  contours->Frame = {1000, 1300, 2000, 2000};
  EXPECT_THROW(BuildContourScene(contours, "flat"), Error);
  contours->Frame.YMax = 2010;  // under half a preview cell high
  EXPECT_THROW(BuildContourScene(contours, "thin"), Error);
  contours->Frame.YMax = 2300;
  EXPECT_EQ(BuildContourScene(contours, "lines").Contours, contours);
  contours->Polylines[0][0].Z = contours->Polylines[0][1].Z = std::nan("");
  EXPECT_THROW(BuildContourScene(contours, "no altitude"), Error);
}

TEST(RasterizeVectorScene, LoadsTheBundledExampleIntoTheSession) {
  SessionState session;
  session.AltitudeTable.fill(77);
  session.EditableImage = 1;
  session.RasterSession = 1;
  std::vector<double> progress;
  const std::string path = testing::ExamplePath("volcano.dxf");
  const VectorSceneFrame frame =
      RasterizeVectorScene(session, path, [&](double fraction) { progress.push_back(fraction); });
  EXPECT_EQ(frame.XMin, 1756000.0);
  EXPECT_EQ(frame.YMax, 5917610.0);
  EXPECT_EQ(frame.ZMin, 95);
  EXPECT_EQ(frame.ZMax, 195);
  EXPECT_EQ(frame.ScenePixelSize, 30);
  EXPECT_EQ(frame.Lines, 20);    // trunc(610 / 30 + 0.5)
  EXPECT_EQ(frame.Columns, 29);  // trunc(870 / 30 + 0.5)
  EXPECT_EQ(frame.HypsometricInterval, 5);
  EXPECT_EQ(session.AltitudeCount, 21);
  EXPECT_EQ(session.AltitudeTable[1], 95);
  EXPECT_EQ(session.AltitudeTable[21], 195);
  EXPECT_EQ(session.AltitudeTable[22], 0);
  EXPECT_EQ(session.VertexSkipCount, 4);
  EXPECT_EQ(session.GeoReferenced, 1);
  EXPECT_EQ(session.VectorImageAllocated, 1);
  EXPECT_EQ(session.EditableImage, 0);
  EXPECT_EQ(session.RasterSession, 0);
  EXPECT_EQ(session.VectorLines, 20);
  EXPECT_EQ(session.ImageColumns, 29);
  EXPECT_EQ(session.VectorImage.Lines(), 20);
  EXPECT_EQ(session.InputPath, path);
  EXPECT_EQ(session.InputDirectory, FolderOf(path));
  EXPECT_GT(MarkedCells(session.VectorImage), 100);
  ASSERT_EQ(progress.size(), 20u);
  EXPECT_EQ(progress[10], 0.5);
}

TEST(RasterizeVectorScene, AFailedLoadLeavesTheSessionAsItWas) {
  TemporaryFolder folder;
  SessionState session;
  RasterizeVectorScene(session, testing::ExamplePath("volcano.dxf"));
  const ByteGrid before = session.VectorImage;
  const std::string bad = folder.File("bad.dxf");
  WriteFileBytes(bad, "  0\nSECTION\n  2\nHEADER\n  0\nENDSEC\n  0\nEOF\n");
  EXPECT_THROW(RasterizeVectorScene(session, bad), Error);
  EXPECT_THROW(RasterizeVectorScene(session, folder.File("missing.dxf")), Error);
  EXPECT_EQ(session.VectorImage, before);
  EXPECT_EQ(session.InputPath, testing::ExamplePath("volcano.dxf"));
  EXPECT_EQ(session.AltitudeCount, 21);
}

}  // namespace
}  // namespace zelmaro
