#include "vector/DxfFusion.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"
#include "vector/VectorScene.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::PolylineDxf;
using testing::ReadFileBytes;
using testing::SampleDxf;
using testing::SampleFrame;
using testing::TemporaryFolder;
using testing::VertexLayout;
using testing::WriteFileBytes;

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

int Occurrences(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// A sheet of 20 km with one line of integer coordinates at the given altitude.
SampleDxf Sheet(double xMin, double yMin, double z) {
  SampleDxf sample = SampleFrame(xMin, yMin, xMin + 20000, yMin + 20000, z, z + 100);
  sample.lines.push_back({z, {{xMin + 1000, yMin + 1000}, {xMin + 19000, yMin + 19000}}});
  sample.lines.push_back({z + 100, {{xMin, yMin + 5000}, {xMin + 20000, yMin + 6000}}});
  return sample;
}

class DxfFusionTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    WriteFileBytes(folder_.File(name), text);
    return folder_.File(name);
  }
  std::string WriteSheet(const std::string& name, const SampleDxf& sample) {
    return Write(name, WithCrLf(PolylineDxf(sample, VertexLayout::Agency)));
  }
  TemporaryFolder folder_;
};

TEST_F(DxfFusionTest, TwoSheetsGiveOneHeaderCoveringBoth) {
  const std::string west = WriteSheet("west.dxf", Sheet(500000, 2100000, 200));
  const std::string east = WriteSheet("east.dxf", Sheet(520000, 2100000, 300));
  const std::string path = FuseDxfFiles({west, east}, folder_.File("result.dxf"));
  EXPECT_EQ(path, folder_.File("result.dxf.dxf"));
  const std::vector<std::string> lines = LinesOf(ReadFileBytes(path));
  const std::vector<std::string> header(lines.begin(), lines.begin() + 27);
  EXPECT_EQ(header, (std::vector<std::string>{"  0", "SECTION",  "  2", "HEADER",  "  9", "$EXTMIN",
                                              " 10", "500000",   " 20", "2100000", " 30", "200",
                                              "  9", "$EXTMAX",  " 10", "540000",  " 20", "2120000",
                                              " 30", "400",      "  0", "ENDSEC",  "  0", "SECTION",
                                              "  2", "ENTITIES", "  0"}));
  EXPECT_EQ(Occurrences(lines, "ENDSEC"), 3);  // the header's and one per input
  EXPECT_EQ(Occurrences(lines, "POLYLINE"), 4);
  EXPECT_EQ(Occurrences(lines, "SEQEND"), 4);
  EXPECT_EQ(lines.back(), "EOF");
  EXPECT_EQ(lines[lines.size() - 3], "ENDSEC");
}

TEST_F(DxfFusionTest, CopiesPolylineAndVertexRecordsLineByLine) {
  DxfReader polyline("memory.dxf", "  8\nCN\n 66\n1\n 10\n0\n 20\n0\n 30\n1200\n  0\nVERTEX\n");
  std::string output;
  CopyPolylineRecord(polyline, output);
  EXPECT_EQ(output, "POLYLINE\n  8\nCN\n  66\n1\n 10\n     0\n 20\n     0\n 30\n1200\n  0\n");
  EXPECT_EQ(polyline.NextToken(), "VERTEX");

  DxfReader vertex("memory.dxf",
                   "8 CN 70 32 10 512345.5 20 2100000.49 30 -99.5 0 8 CN 70 32 10 512345.49 20 "
                   "-7 30 1200 0");
  output.clear();
  CopyVertexRecord(vertex, output);
  EXPECT_EQ(output, "VERTEX\n  8\nCN\n 70\n    32\n 10\n512346\n 20\n2100000\n 30\n-99\n  0\n");
  output.clear();
  CopyVertexRecord(vertex, output);
  // trunc(-7 + 0.5) is -6: rounding half up truncates toward zero.
  EXPECT_EQ(output, "VERTEX\n  8\nCN\n 70\n    32\n 10\n512345\n 20\n-6\n 30\n1200\n  0\n");

  DxfReader negative("memory.dxf", "8 CN 66 1 -10 0 20 0 30 5 0");
  output.clear();
  CopyPolylineRecord(negative, output);
  EXPECT_EQ(output, "POLYLINE\n  8\nCN\n  66\n1\n-10\n     0\n 20\n     0\n 30\n5\n  0\n");
}

// The extent starts from the first sheet's header: a sheet north of 4000 km keeps its
// YMin, and altitudes all below 0 keep their ZMax.
TEST_F(DxfFusionTest, TheExtentStartsFromTheFirstSheet) {
  SampleDxf north = Sheet(500000, 4100000, -300);
  north.zMax = -100;
  const std::string path =
      FuseDxfFiles({WriteSheet("north.dxf", north)}, folder_.File("north_fused"));
  const std::vector<std::string> lines = LinesOf(ReadFileBytes(path));
  EXPECT_EQ(lines[7], "500000");   // XMin
  EXPECT_EQ(lines[9], "4100000");  // YMin
  EXPECT_EQ(lines[11], "-300");    // ZMin
  EXPECT_EQ(lines[17], "4120000");
  EXPECT_EQ(lines[19], "-100");  // ZMax
}

// The bundled sheet lies at 5917 km: fused with itself it must load as the sheet does.
TEST_F(DxfFusionTest, TheExampleFusedWithItselfLoadsAsTheExample) {
  const std::string example = testing::ExamplePath("volcano.dxf");
  const std::string fused = FuseDxfFiles({example, example}, folder_.File("twice"));
  for (const std::string& path : {example, fused}) {
    DxfReader reader = DxfReader::Open(path);
    const VectorScene scene = ReadVectorScene(reader);
    EXPECT_EQ(scene.frame.Lines, 20) << path;
    EXPECT_EQ(scene.frame.Columns, 29);
    EXPECT_EQ(scene.frame.ScenePixelSize, 30);
    EXPECT_EQ(scene.AltitudeCount, 21);
    EXPECT_EQ(scene.frame.YMin, 5917000);
  }
}

TEST_F(DxfFusionTest, RefusesUnreadableInputsAndWritesNothing) {
  const std::string good = WriteSheet("good.dxf", Sheet(500000, 2100000, 200));
  const std::string headless = Write("headless.dxf", "  0\nSECTION\n  2\nENTITIES\n  0\nEOF\n");
  const std::string broken =
      Write("broken.dxf",
            "  9\n$EXTMIN\n 10\n0\n 20\n0\n  9\n$EXTMAX\n 10\n9\n 20\n9\n  0\n"
            "POLYLINE\n  8\nCN\n 66\n1\n 10\n0.0\n 20\n0.0\n 30\n5.0\n  0\n");
  for (const std::string& bad : {folder_.File("missing.dxf"), headless, broken}) {
    try {
      FuseDxfFiles({good, bad}, folder_.File("out"));
      ADD_FAILURE() << bad;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(bad), std::string::npos) << error.what();
    }
  }
  EXPECT_FALSE(FileExists(folder_.File("out.dxf")));
  EXPECT_EQ(ListFolder(folder_.Path()), "broken.dxf good.dxf headless.dxf");
}

TEST_F(DxfFusionTest, ThreeSheetsLoadBackWithEveryPolyline) {
  std::vector<std::string> inputs;
  SampleDxf whole = SampleFrame(500000, 2100000, 560000, 2120000, 200, 500);
  for (int sheet = 0; sheet < 3; ++sheet) {
    const SampleDxf part = Sheet(500000 + 20000 * sheet, 2100000, 200 + 100 * sheet);
    inputs.push_back(WriteSheet("sheet" + std::to_string(sheet) + ".dxf", part));
    whole.lines.insert(whole.lines.end(), part.lines.begin(), part.lines.end());
  }
  std::vector<std::string> progress;
  const std::string fused =
      FuseDxfFiles(inputs, folder_.File("region"), [&](int pass, std::size_t input, int count) {
        progress.push_back(std::to_string(pass) + ":" + std::to_string(input) + ":" +
                           std::to_string(count));
      });
  EXPECT_EQ(progress,
            (std::vector<std::string>{"1:1:1", "1:1:2", "1:2:1", "1:2:2", "1:3:1", "1:3:2", "2:1:1",
                                      "2:1:2", "2:2:1", "2:2:2", "2:3:1", "2:3:2"}));
  SessionState fromFused;
  const VectorSceneFrame frame = RasterizeVectorScene(fromFused, fused);
  EXPECT_EQ(fromFused.VertexSkipCount, 4);
  EXPECT_EQ(frame.Columns, 2000);
  SessionState fromOneSheet;
  RasterizeVectorScene(fromOneSheet, WriteSheet("whole.dxf", whole));
  EXPECT_EQ(fromFused.VectorImage, fromOneSheet.VectorImage);
  EXPECT_EQ(fromFused.AltitudeTable, fromOneSheet.AltitudeTable);
  EXPECT_EQ(fromFused.AltitudeCount, 4);
}

TEST_F(DxfFusionTest, CarriesLightweightPolylinesOverAsPolylines) {
  std::vector<std::string> polylineSheets;
  std::vector<std::string> lightweightSheets;
  for (int sheet = 0; sheet < 2; ++sheet) {
    SampleDxf part = Sheet(500000 + 20000 * sheet, 2100000, 200);
    part.lines.push_back(
        {250,
         {{part.xMin + 3000, 2103000}, {part.xMin + 9000, 2103000}, {part.xMin + 9000, 2109000}},
         true});
    polylineSheets.push_back(WriteSheet("p" + std::to_string(sheet) + ".dxf", part));
    lightweightSheets.push_back(
        Write("l" + std::to_string(sheet) + ".dxf", testing::LwPolylineDxf(part)));
  }
  SessionState fromPolylines;
  RasterizeVectorScene(fromPolylines, FuseDxfFiles(polylineSheets, folder_.File("p")));
  const std::string fused = FuseDxfFiles(lightweightSheets, folder_.File("l"));
  const std::vector<std::string> lines = LinesOf(ReadFileBytes(fused));
  EXPECT_EQ(Occurrences(lines, "POLYLINE"), 6);
  EXPECT_EQ(Occurrences(lines, "Contour_lines"), 6 + 2 * 2 + 2 * 2 + 4 * 2);
  SessionState fromLightweight;
  RasterizeVectorScene(fromLightweight, fused);
  EXPECT_EQ(fromLightweight.VertexSkipCount, 4);
  EXPECT_EQ(fromLightweight.VectorImage, fromPolylines.VectorImage);
  EXPECT_EQ(fromLightweight.AltitudeTable, fromPolylines.AltitudeTable);
}

// A layer name with any blank inside (a vertical tab, a form feed) would be two words
// in the fused file, whose records the fusion itself could then not read again.
TEST_F(DxfFusionTest, ALightweightLayerWithBlanksBecomesOneWord) {
  SampleDxf sample = Sheet(500000, 2100000, 200);
  std::string text = testing::LwPolylineDxf(sample);
  text.replace(text.find("Contour lines"), 13, "Contour\vlines\f2");
  const std::string fused = FuseDxfFiles({Write("v.dxf", text)}, folder_.File("v_fused"));
  // The first line: its POLYLINE and its two VERTEX records.
  EXPECT_EQ(Occurrences(LinesOf(ReadFileBytes(fused)), "Contour_lines_2"), 3);
  const std::string again = FuseDxfFiles({fused}, folder_.File("again"));
  EXPECT_EQ(LinesOf(ReadFileBytes(again)), LinesOf(ReadFileBytes(fused)));
}

TEST_F(DxfFusionTest, TakesAnyNumberOfInputsAndAnEmptyList) {
  std::vector<std::string> inputs;
  for (int i = 0; i < 120; ++i) {
    inputs.push_back(
        WriteSheet("a_rather_long_sheet_name_of_the_national_series_" + std::to_string(i) + ".dxf",
                   Sheet(500000 + 20000 * i, 2100000, 100)));
  }
  const std::vector<std::string> lines =
      LinesOf(ReadFileBytes(FuseDxfFiles(inputs, folder_.File("many"))));
  EXPECT_EQ(Occurrences(lines, "POLYLINE"), 240);
  EXPECT_EQ(lines[15], "2900000");
  const std::vector<std::string> empty =
      LinesOf(ReadFileBytes(FuseDxfFiles({}, folder_.File("none"))));
  EXPECT_EQ(empty.size(), 28u);
  EXPECT_EQ(empty[7], "4000000");
  EXPECT_EQ(empty[11], "1000000");
  EXPECT_EQ(empty.back(), "EOF");
}

// A 2D coastline file in the agency layout: polylines without code 30.
std::string CoastlineText(const std::string& layer, double x, double y) {
  return "  0\nSECTION\n  2\nENTITIES\n  0\nPOLYLINE\n  8\n" + layer +
         "\n 66\n1\n 10\n0\n 20\n0\n  0\nVERTEX\n  8\n" + layer + "\n 70\n    32\n 10\n" +
         FormatGeneral15(x) + "\n 20\n" + FormatGeneral15(y) + "\n  0\nVERTEX\n  8\n" + layer +
         "\n 70\n    32\n 10\n300500\n 20\n1900500\n  0\nSEQEND\n  0\nENDSEC\n  0\nEOF\n";
}

TEST_F(DxfFusionTest, CoastlineJoinsTheContoursAtAltitudeZero) {
  SampleDxf contours = Sheet(300000, 1900000, 100);
  contours.zMax = 1800;
  std::string text = PolylineDxf(contours, VertexLayout::Agency);
  text.replace(text.find("1800\n"), 4, "1800.7");
  const std::string contourPath = Write("coast CN.dxf.dxf", WithCrLf(text));
  const std::string coastPath =
      Write("coast_HA.dxf", CoastlineText("HA_6292", 300000.5, 1900000.4));
  const std::string result = FuseCoastline(contourPath, coastPath, folder_.File("bay"));
  EXPECT_EQ(result, folder_.File("bay_cnha.dxf"));
  const std::vector<std::string> lines = LinesOf(ReadFileBytes(result));
  EXPECT_EQ(lines[11], "0");
  EXPECT_EQ(lines[19], "1800");
  const auto coast = std::find(lines.begin() + 27, lines.end(), "HA_6292");
  ASSERT_NE(coast, lines.end());
  EXPECT_EQ(std::vector<std::string>(coast - 2, coast + 11),
            (std::vector<std::string>{"POLYLINE", "  8", "HA_6292", "  66", "1", " 10", "     0",
                                      " 20", "     0", "  30", "0", " 0", "VERTEX"}));
  EXPECT_EQ(std::vector<std::string>(coast + 10, coast + 24),
            (std::vector<std::string>{"VERTEX", "  8", "HA_6292", " 70", "    32", " 10", "300001",
                                      " 20", "1900000", "  30", "0", "  0", "VERTEX", "  8"}));
  EXPECT_EQ(Occurrences(lines, "ENDSEC"), 3);
  EXPECT_EQ(lines.back(), "EOF");
  SessionState session;
  RasterizeVectorScene(session, result);
  EXPECT_EQ(session.VertexSkipCount, 4);
  EXPECT_EQ(session.AltitudeTable[1], 0);
}

TEST_F(DxfFusionTest, CoastlinesOfAnotherLayerLeaveOnlyTheirSeqEnd) {
  const std::string contourPath = WriteSheet("cn.dxf", Sheet(300000, 1900000, 100));
  const std::string coastPath = Write("other.dxf", CoastlineText("ROADS", 300000.5, 1900000.4));
  const std::vector<std::string> lines =
      LinesOf(ReadFileBytes(FuseCoastline(contourPath, coastPath, folder_.File("other"))));
  EXPECT_EQ(Occurrences(lines, "POLYLINE"), 2);
  EXPECT_EQ(Occurrences(lines, "VERTEX"), 4);
  EXPECT_EQ(Occurrences(lines, "SEQEND"), 3);
  EXPECT_EQ(Occurrences(lines, "ENDSEC"), 2);  // the coastline file copied no polyline
  EXPECT_THROW(FuseCoastline(folder_.File("none.dxf"), coastPath, folder_.File("x")), Error);

  // A coastline written by a GIS as LWPOLYLINE keeps only its HA_6292 entities.
  SampleDxf lightweight = Sheet(300000, 1900000, 7);
  std::string coastText = testing::LwPolylineDxf(lightweight);
  const std::size_t layer = coastText.find("Contour lines");
  coastText.replace(layer, 13, "HA_6292");
  const std::vector<std::string> withCoast = LinesOf(
      ReadFileBytes(FuseCoastline(contourPath, Write("lw_HA.dxf", coastText), folder_.File("lw"))));
  EXPECT_EQ(Occurrences(withCoast, "POLYLINE"), 3);
  EXPECT_EQ(Occurrences(withCoast, "HA_6292"), 3);
  const auto coast = std::find(withCoast.begin(), withCoast.end(), "HA_6292");
  EXPECT_EQ(std::vector<std::string>(coast + 8, coast + 18),
            (std::vector<std::string>{"0", "  0", "VERTEX", "  8", "HA_6292", " 70", "    32",
                                      " 10", "301000", " 20"}));
  EXPECT_FALSE(FileExists(folder_.File("x_cnha.dxf")));
}

}  // namespace
}  // namespace zelmaro
