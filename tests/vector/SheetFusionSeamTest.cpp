// Two adjacent map sheets, fused and then taken through the whole vector road, give
// the same DEM as the same lines delivered as one sheet: no seam at the sheet border.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/FileIO.h"
#include "interp/Dilation.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"
#include "vector/DxfFusion.h"
#include "vector/VectorScene.h"
#include "vector/ZoneSelection.h"

namespace zelmaro {
namespace {

using testing::SampleDxf;
using testing::SampleLine;

constexpr double kWest = 500000;
constexpr double kBorder = 500600;
constexpr double kEast = 501200;
constexpr double kSouth = 2100000;
constexpr double kNorth = 2100400;

// Wavy contour lines running west to east across both sheets, split at the border, and
// a hill ring straddling it, split into its western and eastern halves.
std::vector<SampleLine> WesternAndEasternLines(bool western) {
  std::vector<SampleLine> lines;
  const double wiggle[] = {0, 25, -15, 30, 0};
  for (int level = 0; level < 3; ++level) {
    SampleLine line;
    line.z = 100 + 20 * level;
    const double y = kSouth + 40 + 80 * level;
    for (int i = western ? 0 : 2; i <= (western ? 2 : 4); ++i) {
      line.points.push_back({kWest + 300 * i, y + wiggle[i] + 10 * level});
    }
    lines.push_back(line);
  }
  SampleLine ring;
  ring.z = 160;
  const double side = western ? -1 : 1;
  ring.points = {{kBorder, kSouth + 300},
                 {kBorder + side * 50, kSouth + 310},
                 {kBorder + side * 70, kSouth + 345},
                 {kBorder + side * 40, kSouth + 375},
                 {kBorder, kSouth + 385}};
  lines.push_back(ring);
  return lines;
}

SampleDxf Sheet(double xMin, double xMax, const std::vector<SampleLine>& lines) {
  SampleDxf sheet = testing::SampleFrame(xMin, kSouth, xMax, kNorth, 100, 160);
  sheet.lines = lines;
  return sheet;
}

IntGrid DemOfDxf(const std::string& path) {
  SessionState session;
  RasterizeVectorScene(session, path);
  ZoneParameters zone;
  zone.ZonePixelSize = 10;
  zone.ZoneXMin = session.VectorXMin;
  zone.ZoneXMax = session.VectorXMax;
  zone.ZoneYMin = session.VectorYMin;
  zone.ZoneYMax = session.VectorYMax;
  SelectZone(session, zone);
  SeedDemGrid(session, 1, 1);
  DilationInterpolation(session);
  return session.DemGrid;
}

TEST(SheetFusion, TwoAdjacentSheetsGiveTheDemOfOneSheetWithoutASeam) {
  testing::TemporaryFolder folder;
  const std::vector<SampleLine> west = WesternAndEasternLines(true);
  const std::vector<SampleLine> east = WesternAndEasternLines(false);
  std::vector<SampleLine> all = west;
  all.insert(all.end(), east.begin(), east.end());
  const auto layout = testing::VertexLayout::Agency;
  testing::WriteFileBytes(folder.File("west.dxf"),
                          WithCrLf(testing::PolylineDxf(Sheet(kWest, kBorder, west), layout)));
  testing::WriteFileBytes(folder.File("east.dxf"),
                          WithCrLf(testing::PolylineDxf(Sheet(kBorder, kEast, east), layout)));
  testing::WriteFileBytes(folder.File("whole.dxf"),
                          WithCrLf(testing::PolylineDxf(Sheet(kWest, kEast, all), layout)));

  const std::string fused =
      FuseDxfFiles({folder.File("west.dxf"), folder.File("east.dxf")}, folder.File("region"));
  const IntGrid fusedDem = DemOfDxf(fused);
  const IntGrid wholeDem = DemOfDxf(folder.File("whole.dxf"));
  ASSERT_EQ(fusedDem.Lines(), 40);
  ASSERT_EQ(fusedDem.Columns(), 120);
  EXPECT_EQ(fusedDem, wholeDem);

  // Across the border column the altitudes change no faster than anywhere else.
  int steepestAtBorder = 0;
  int steepestElsewhere = 0;
  for (int line = 0; line < fusedDem.Lines(); ++line) {
    for (int column = 0; column + 1 < fusedDem.Columns(); ++column) {
      const int step = std::abs(fusedDem[line][column + 1] - fusedDem[line][column]);
      int& steepest = (column == 59 || column == 60) ? steepestAtBorder : steepestElsewhere;
      steepest = std::max(steepest, step);
    }
  }
  EXPECT_LE(steepestAtBorder, steepestElsewhere);
  // The lines really reached the DEM: every level is there, and the hill top is 160.
  const auto [lowest, highest] =
      std::minmax_element(fusedDem.Cells().begin(), fusedDem.Cells().end());
  EXPECT_EQ(*lowest, 100);
  EXPECT_EQ(*highest, 160);
  EXPECT_EQ(fusedDem[6][60], 160);
}

}  // namespace
}  // namespace zelmaro
