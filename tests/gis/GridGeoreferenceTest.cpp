#include "gis/GridGeoreference.h"

#include <gtest/gtest.h>

#include "core/Error.h"
#include "gis/Crs.h"
#include "raster/OutputFiles.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::TemporaryFolder;
using testing::WriteFileBytes;

void ExpectFrame(const GridGeoreference& georeference, double left, double top, double cell) {
  EXPECT_EQ(georeference.Left, left);
  EXPECT_EQ(georeference.Top, top);
  EXPECT_EQ(georeference.CellSize, cell);
}

TEST(Georeference, AZoneAndItsGridAreOneAnother) {
  const ZoneParameters zone{5, 1756000, 5917000, 1756870, 5917610};
  const GridGeoreference grid = GeoreferenceOfZone(zone, "wkt");
  ExpectFrame(grid, 1755997.5, 5917612.5, 5);
  const ZoneParameters back = ZoneOfGeoreference(grid, 122, 174);
  EXPECT_EQ(back.ZonePixelSize, 5);
  EXPECT_EQ(back.ZoneXMin, zone.ZoneXMin);
  EXPECT_EQ(back.ZoneYMax, zone.ZoneYMax);
  EXPECT_EQ(back.ZoneXMax, zone.ZoneXMax);
  EXPECT_EQ(back.ZoneYMin, zone.ZoneYMin);
  ExpectFrame(GeoreferenceOfLowerLeft(1755997.5, 5917002.5, 5, 122, ""), 1755997.5, 5917612.5, 5);
}

TEST(Georeference, WorldFilesGiveTheCentreOfTheTopLeftPixel) {
  TemporaryFolder folder;
  const struct {
    const char* text;
    const char* problem;  // nullptr: read
  } cases[] = {
      {"2.5\n0\n0\n-2.5\n1000.25\n2000.75\n", nullptr},
      {"2.5\n0.1\n0\n-2.5\n1000\n2000\n", "turns the map"},
      {"2.5\n0\n0\n-3\n1000\n2000\n", "only square"},
      {"2.5\n0\n0\n2.5\n1000\n2000\n", "only square"},
      {"2.5\n0\n0\n-2.5\n1000\n", "six numbers"},
      {"2.5\n0\n0\n-2.5\n1000\nnorth\n", "six numbers"},
  };
  for (const auto& [text, problem] : cases) {
    const std::string path = folder.File("map.wld");
    WriteFileBytes(path, text);
    if (problem == nullptr) {
      ExpectFrame(ReadWorldFile(path), 1000.25 - 1.25, 2000.75 + 1.25, 2.5);
      continue;
    }
    try {
      ReadWorldFile(path);
      ADD_FAILURE() << text;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(problem), std::string::npos) << error.what();
    }
  }
}

TEST(Georeference, ARawMapTakesItsWorldFileElseItsCoordinatesAndItsPrj) {
  TemporaryFolder folder;
  SessionState session;
  session.ContourImage = ByteGrid(4, 6, 255);
  SaveContourImage(session, folder.File("zone"), {10, 1000, 2000, 1060, 2040},
                   ProjectionSideFiles(ParseCrs("EPSG:2193")));
  const std::string raw = folder.File("zone.raw");
  const std::string size = folder.File("zone.txt");
  std::optional<GridGeoreference> found = ReadRawMapGeoreference(raw, size);
  ASSERT_TRUE(found);
  ExpectFrame(*found, 995, 2045, 10);
  EXPECT_NE(CrsLabel(found->CrsWkt).find("EPSG:2193"), std::string::npos);

  WriteFileBytes(folder.File("zone.rww"), "5\n0\n0\n-5\n3002.5\n4997.5\n");
  ExpectFrame(*ReadRawMapGeoreference(raw, size), 3000, 5000, 5);
  WriteFileBytes(folder.File("zone.wld"), "1\n0\n0\n-1\n0.5\n9.5\n");
  ExpectFrame(*ReadRawMapGeoreference(raw, size), 0, 10, 1);

  // A plain size file, or a block of zeros as a raster's saves write it, places nothing.
  WriteFileBytes(folder.File("plain.txt"), "4\n6\n");
  EXPECT_FALSE(ReadRawMapGeoreference(folder.File("plain.raw"), folder.File("plain.txt")));
  WriteFileBytes(folder.File("zeros.txt"),
                 DescriptiveFileText(4, 6, ZoneParameters{3, 0, 0, 0, 0}, true));
  EXPECT_FALSE(ReadDescriptiveGeoreference(folder.File("zeros.txt")));
}

TEST(Crs, IsGivenAsAnEpsgCodeOrWkt) {
  const std::string utm = ParseCrs("EPSG:32633");
  EXPECT_EQ(CrsLabel(utm), "WGS 84 / UTM zone 33N (EPSG:32633)");
  EXPECT_TRUE(SameCrs(ParseCrs("  epsg:32633 "), utm));
  EXPECT_TRUE(SameCrs(ParseCrs(EsriWkt(utm)), utm));
  EXPECT_FALSE(SameCrs(ParseCrs("EPSG:2193"), utm));
  EXPECT_EQ(CrsLabel(""), "none");
  const struct {
    const char* text;
    const char* message;
  } refused[] = {
      {"EPSG:999999", "Unknown coordinate reference system EPSG:999999"},
      {"EPSG:-5", "positive EPSG code"},
      {"UTM 33", "neither EPSG:n nor WKT"},
      {"PROJCS[\"broken\"", "not valid WKT"},
  };
  for (const auto& [text, message] : refused) {
    try {
      ParseCrs(text);
      ADD_FAILURE() << text;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
  }
}

TEST(Crs, TravelsThroughPrjFilesAndMustAgreeWithWhatIsGiven) {
  TemporaryFolder folder;
  const std::string nztm = ParseCrs("EPSG:2193");
  WriteFileBytes(folder.File("map.prj"), EsriWkt(nztm));
  EXPECT_EQ(EsriWkt(nztm).find('\n'), std::string::npos);
  const std::string read = ReadPrjFile(folder.File("map.prj"));
  EXPECT_EQ(CrsLabel(read), CrsLabel(nztm));  // the EPSG code found again
  EXPECT_EQ(ReadPrjFile(folder.File("none.prj")), "");
  WriteFileBytes(folder.File("bad.prj"), "nothing here");
  EXPECT_THROW(ReadPrjFile(folder.File("bad.prj")), Error);

  EXPECT_EQ(ChooseCrs("", "", ""), "");
  EXPECT_TRUE(SameCrs(ChooseCrs("", "", "EPSG:2193"), nztm));
  EXPECT_EQ(ChooseCrs(read, "map.prj", "EPSG:2193"), read);
  EXPECT_THROW(ChooseCrs(read, "map.prj", "EPSG:32633"), Error);
}

}  // namespace
}  // namespace zelmaro
