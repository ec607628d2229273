#include "vector/DxfReader.h"

#include <gtest/gtest.h>

#include "core/Error.h"
#include "core/FileIO.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::TemporaryFolder;
using testing::WriteFileBytes;

int SkipOf(const std::string& text) {
  DxfReader reader("memory.dxf", text);
  return CountVertexSkip(reader);
}

TEST(CountVertexSkip, CountsTheWordsBeforeTheCode10) {
  EXPECT_EQ(SkipOf("0 VERTEX 8 0 10 1.0 20 2.0 30 3.0 0"), 2);
  EXPECT_EQ(SkipOf("0 VERTEX 5 1F 8 CN 10 1.0 20 2.0 30 3.0 0"), 4);
  EXPECT_EQ(SkipOf("0 SECTION 2 ENTITIES 0 ENDSEC 0 EOF"), 0);
  // A layer named 10 right after the code 8 stops the count early.
  EXPECT_EQ(SkipOf("0 VERTEX 8 10 10 1.0 20 2.0 30 3.0 0"), 1);
  // A code written 10.0 counts as 10 by its leading digits.
  EXPECT_EQ(SkipOf("0 VERTEX 8 0 10.0 1.0 20 2.0 30 3.0 0"), 2);
}

TEST(CountVertexSkip, LooksFurtherWhenAVertexHasNoCode10WithinSixWords) {
  EXPECT_EQ(SkipOf("VERTEX 1 2 3 4 5 6 7 VERTEX 8 CN 10 1 20 2 30 3"), 2);
  EXPECT_EQ(SkipOf("VERTEX 1 2 3 4 5 6 7 8"), 6);
  // The count reached when the file ends inside the words of a vertex.
  EXPECT_EQ(SkipOf("VERTEX 8 CN"), 2);
}

TEST(CountVertexSkip, ReadsTheBundledExample) {
  EXPECT_EQ(CountVertexSkip(testing::ExamplePath("volcano.dxf")), 4);
}

TEST(DxfReader, ReadsHeaderExtentsUpToTheFirstOtherCode) {
  DxfReader reader("memory.dxf", "$EXTMIN\n 10\n450.5\n 20\n300\n 30\n100\n  9\n$EXTMAX\n");
  ASSERT_EQ(reader.NextToken(), "$EXTMIN");
  const HeaderPoint point = reader.ReadHeaderExtents();
  EXPECT_EQ(point.X, 450.5);
  EXPECT_EQ(point.Y, 300.0);
  EXPECT_EQ(point.Z, 100.0);
  EXPECT_EQ(reader.NextToken(), "$EXTMAX");
}

TEST(DxfReader, ReadsARealHeaderZAndKeepsTheLastValueOfARepeatedCode) {
  DxfReader reader("memory.dxf", " 30\n250.0\n 10\n1\n 10\n2\n  0\nENDSEC\n");
  const HeaderPoint point = reader.ReadHeaderExtents();
  EXPECT_EQ(point.Z, 250.0);
  EXPECT_EQ(point.X, 2.0);
  EXPECT_FALSE(point.Y.has_value());
  EXPECT_EQ(reader.NextToken(), "ENDSEC");
}

TEST(DxfReader, IntegerReadStopsAtThePoint) {
  DxfReader reader("memory.dxf", "10.0 5 20 6 30 7 0");
  std::int32_t code = 0;
  ASSERT_TRUE(reader.ReadInteger(code));
  EXPECT_EQ(code, 10);
  EXPECT_EQ(reader.NextToken(), ".0");
  // ReadVertex reads codes as integers: the .0 left behind is taken as X.
  DxfReader vertexReader("memory.dxf", "8 0 10.0 5 20 6 30 7 0");
  const std::optional<DxfVertex> vertex = vertexReader.ReadVertex(2);
  ASSERT_TRUE(vertex);
  EXPECT_EQ(vertex->X, 0.0);
  EXPECT_EQ(vertex->Y, 20.0);
  EXPECT_EQ(vertex->Z, 30.0);
}

TEST(DxfReader, ReadsAVertexAfterItsSkippedWords) {
  DxfReader reader("memory.dxf",
                   "  8\r\nCN\r\n 70\r\n    32\r\n 10\r\n1756037.260\r\n 20\r\n"
                   "5917610.000\r\n 30\r\n105.000\r\n  0\r\nVERTEX\r\n");
  const std::optional<DxfVertex> vertex = reader.ReadVertex(4);
  ASSERT_TRUE(vertex);
  EXPECT_EQ(vertex->X, 1756037.26);
  EXPECT_EQ(vertex->Y, 5917610.0);
  EXPECT_EQ(vertex->Z, 105.0);
  EXPECT_EQ(reader.NextToken(), "VERTEX");
}

TEST(DxfReader, AVertexCutBeforeItsZGivesNothing) {
  DxfReader reader("memory.dxf", "8 CN 10 1.5 20 2.5 30");
  EXPECT_FALSE(reader.ReadVertex(2));
  DxfReader complete("memory.dxf", "8 CN 10 1.5 20 2.5 30 7");
  EXPECT_TRUE(complete.ReadVertex(2));
}

TEST(DxfReader, CrLfAndLfReadAlike) {
  const std::string text = "  0\nVERTEX\n  8\nCN\n 10\n1.25\n 20\n2.5\n 30\n100\n  0\nSEQEND\n";
  for (const std::string& content : {text, WithCrLf(text)}) {
    DxfReader reader("memory.dxf", content);
    std::vector<std::string> tokens;
    while (auto token = reader.NextToken()) tokens.emplace_back(*token);
    EXPECT_EQ(tokens.size(), 12u);
    EXPECT_EQ(tokens[5], "1.25");
    EXPECT_EQ(tokens.back(), "SEQEND");
  }
}

TEST(DxfReader, ReadsALightweightPolylineLineByLine) {
  const std::string text =
      "LWPOLYLINE\n  5\n2A\n100\nAcDbEntity\n  8\nContour lines\n 90\n3\n 70\n1\n 38\n250.0\n"
      " 10\n1.0\n 20\n2.0\n 10\n3.0\n 42\n0.0\n 20\n4.0\n 10\n5.0\n 20\n6.0\n  0\nPOLYLINE\n";
  for (const std::string& content : {text, WithCrLf(text)}) {
    DxfReader reader("memory.dxf", content);
    ASSERT_EQ(reader.NextToken(), "LWPOLYLINE");
    const DxfLwPolyline polyline = reader.ReadLwPolyline();
    EXPECT_EQ(polyline.elevation, 250.0);
    EXPECT_TRUE(polyline.closed);
    ASSERT_EQ(polyline.points.size(), 3u);
    EXPECT_EQ(polyline.points[1].X, 3.0);
    EXPECT_EQ(polyline.points[1].Y, 4.0);
    EXPECT_EQ(reader.NextToken(), "POLYLINE");
  }
}

TEST(DxfReader, ALightweightPolylineCutInsideAPointDropsThatPoint) {
  DxfReader reader("memory.dxf", "LWPOLYLINE\n 38\n5\n 10\n1\n 20\n2\n 10\n3\n");
  reader.NextToken();
  const DxfLwPolyline polyline = reader.ReadLwPolyline();
  ASSERT_EQ(polyline.points.size(), 1u);
  EXPECT_EQ(polyline.points[0].Y, 2.0);
  EXPECT_FALSE(reader.NextToken());
}

TEST(DxfReader, RefusesMissingEmptyAndBinaryFiles) {
  TemporaryFolder folder;
  const std::string missing = folder.File("missing.dxf");
  const std::string empty = folder.File("empty.dxf");
  const std::string binary = folder.File("binary.dxf");
  WriteFileBytes(empty, " \r\n\r\n");
  WriteFileBytes(binary, std::string("AutoCAD Binary DXF\r\n\x1a\0\x00", 22));
  for (const auto& [path, problem] :
       {std::pair{missing, "Cannot open"}, std::pair{empty, "is empty"},
        std::pair{binary, "binary DXF"}}) {
    try {
      DxfReader::Open(path);
      ADD_FAILURE() << path;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find(problem), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace zelmaro
