#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"
#include "ui/dialogs/SumDxfInfo.h"
#include "vector/VectorScene.h"

namespace zelmaro {
namespace {

using testing::PolylineDxf;
using testing::SampleDxf;
using testing::SampleFrame;
using testing::TypeInto;
using testing::VertexLayout;

constexpr const char* kOpenDxf = "Open dxf File";
constexpr const char* kResultingDxf = " Name of the resulting dxf File";
constexpr const char* kOpenContours = "Open dxf File (Contour Lines}     INEGI Files = Name CN.dxf";
constexpr const char* kOpenCoast = "Open dxf File (Coast Line]     INEGI Files = Name_HA.dxf";
constexpr const char* kSaveCnHa =
    "Name of the CNHA resulting File   (Nota : Enter a simple Name, the program will give the "
    "extension _cnha.dxf)";

// Three sheets of 20 km side by side, each with its own lines.
std::vector<SampleDxf> ThreeSheets() {
  std::vector<SampleDxf> sheets;
  for (int i = 0; i < 3; ++i) {
    const double x = 500000 + 20000 * i;
    SampleDxf sheet = SampleFrame(x, 2100000, x + 20000, 2120000, 100, 200 + 100 * (i == 1));
    sheet.lines.push_back({100, {{x, 2101000 + 3000 * i}, {x + 20000, 2102000 + 3000 * i}}});
    sheet.lines.push_back({200, {{x + 1000, 2110000}, {x + 19000, 2118000}, {x + 9000, 2119000}}});
    if (i == 1) sheet.lines.push_back({300, {{x + 5000, 2105000}, {x + 15000, 2105000}}});
    sheets.push_back(sheet);
  }
  return sheets;
}

class FusionCommandTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    testing::WriteFileBytes(folder_.File(name), text);
    return folder_.File(name);
  }
  void QueueCount(const QString& count) {
    Ui.QueueModal("TSumdxfForm", [count](QDialog& form) {
      TypeInto(form, "NumberdxfEdit", count);
      testing::Press(form, "BitBtn1");
    });
  }
  SessionState Vectorial(const std::string& path) {
    Ui.QueueFile("VECTORIAL FILE OPENING", path);
    Click("Vectorial");
    return Main().Session;
  }

  testing::TemporaryFolder folder_;
};

TEST_F(FusionCommandTest, ThreeSheetsFusedLoadBackAsTheSceneOfAllTheirLines) {
  const std::vector<SampleDxf> sheets = ThreeSheets();
  QueueCount("3");
  SampleDxf whole = SampleFrame(500000, 2100000, 560000, 2120000, 100, 300);
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const std::string name = "sheet" + std::to_string(i) + ".dxf";
    // The middle sheet comes as a current GIS writes it.
    const std::string text = i == 1 ? testing::LwPolylineDxf(sheets[i])
                                    : WithCrLf(PolylineDxf(sheets[i], VertexLayout::Agency));
    Ui.QueueFile(kOpenDxf, Write(name, text));
    for (const auto& line : sheets[i].lines) whole.lines.push_back(line);
  }
  Ui.QueueFile(kResultingDxf, folder_.File("region"));
  Click("FusionSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(Main().ActiveProgress(), nullptr);
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
  ASSERT_EQ(Ui.FileRequests.size(), 4u);
  EXPECT_EQ(Ui.FileRequests[0].filter, "File dxf [*.dxf]|*.dxf");
  EXPECT_EQ(Ui.FileRequests[3].filter, "Resulting File [*.dxf]|*.dxf");
  EXPECT_EQ(Main().Session.DxfFileCount, 3);
  EXPECT_EQ(Main().Session.DxfFileList.size(), 3u);
  EXPECT_EQ(Main().Session.FusionOutputName, folder_.File("region.dxf"));
  EXPECT_TRUE(Main().Session.InputFileName.empty());  // a fusion loads nothing

  const SessionState fused = Vectorial(folder_.File("region.dxf"));
  const SessionState alone =
      Vectorial(Write("whole.dxf", PolylineDxf(whole, VertexLayout::Agency)));
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(fused.VectorColumns, 2000);
  EXPECT_EQ(fused.VectorLines, 667);
  EXPECT_EQ(fused.VectorImage, alone.VectorImage);
  EXPECT_EQ(fused.AltitudeCount, 3);
  EXPECT_EQ(fused.AltitudeTable, alone.AltitudeTable);
}

TEST_F(FusionCommandTest, NoFileIsWrittenWhenADialogIsCancelledOrAnInputCannotBeRead) {
  const std::string sheet = Write("sheet.dxf", PolylineDxf(ThreeSheets()[0], VertexLayout::Agency));
  QueueCount("2");
  Ui.QueueFile(kOpenDxf, sheet);
  Ui.QueueFile(kOpenDxf, std::nullopt);
  Click("VariousdxfFilesTreatment");
  QueueCount("2");
  Ui.QueueFile(kOpenDxf, sheet);
  Ui.QueueFile(kOpenDxf, folder_.File("absent.dxf"));
  Ui.QueueFile(kResultingDxf, folder_.File("region"));
  Click("FusionSpeedButton");
  Ui.QueueModal("TSumdxfForm", [](QDialog&) {});  // closed by its frame
  Click("FusionSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find("absent.dxf"), std::string::npos);
  EXPECT_EQ(testing::ListFolder(folder_.Path()), "sheet.dxf");
  EXPECT_EQ(Main().ActiveProgress(), nullptr);
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(FusionCommandTest, ACountOfZeroGoesStraightToTheResultName) {
  QueueCount("none");
  Ui.QueueFile(kResultingDxf, folder_.File("result.dxf"));
  Click("FusionSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  const std::string text = testing::ReadFileBytes(folder_.File("result.dxf.dxf"));
  EXPECT_NE(text.find("$EXTMIN\r\n 10\r\n4000000\r\n 20\r\n4000000\r\n 30\r\n1000000\r\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 5), "EOF\r\n");
}

TEST_F(FusionCommandTest, InfoShowsWhatTheFusionIsFor) {
  Ui.QueueModal("TSumDxfInfoForm", [](QDialog& form) {
    EXPECT_EQ(form.windowTitle(), " Sum_dxf");
    form.accept();
  });
  Click("Info1");
  EXPECT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(TSumDxfInfoForm::Texts().front(),
            "It is possible to group multiple xdf files before to enter");
  auto* files = Main().Form("TDxfFileForm");
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(files->windowTitle(), " Dxf Files");
  EXPECT_FALSE(files->isVisible());
}

std::string CoastlineDxf() {
  std::string text =
      "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n500000\n 20\n2100000\n  9\n$EXTMAX\n 10\n"
      "520000\n 20\n2120000\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n";
  text += "  0\nPOLYLINE\n  8\nHA_6292\n 66\n1\n 10\n0\n 20\n0\n  0\n";
  for (const char* point : {" 10\n500000.4\n 20\n2100020\n", " 10\n520000\n 20\n2100500.5\n"}) {
    text += std::string("VERTEX\n  8\nHA_6292\n 70\n32\n") + point + "  0\n";
  }
  return text + "SEQEND\n  0\nENDSEC\n  0\nEOF\n";
}

TEST_F(FusionCommandTest, CoastlineFusionAsksThreeNamesAndItsResultLoads) {
  SampleDxf contours = ThreeSheets()[0];
  Write("bay CN.dxf", WithCrLf(PolylineDxf(contours, VertexLayout::Agency)));
  const std::string coast = Write("bay_HA.dxf", CoastlineDxf());
  Ui.QueueFile(kOpenContours, folder_.File("bay CN"));  // typed without its extension
  Ui.QueueFile(kOpenCoast, coast);                      // picked from the list
  Ui.QueueFile(kSaveCnHa, folder_.File("bay"));
  Click("CNHASpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  ASSERT_EQ(Ui.FileRequests.size(), 3u);
  EXPECT_EQ(Ui.FileRequests[0].filter, "File Dxf (Name without extension dxf)  [*.dxf]|*.dxf");
  EXPECT_EQ(Ui.FileRequests[1].filter, "File dxf (Name without extension dxf)  [*.dxf] |*.dxf");
  EXPECT_EQ(Ui.FileRequests[2].filter, "Dxf File [Name without extension _cnha.dxf] [*.dxf]|*.dxf");
  EXPECT_EQ(Main().Session.ContourDxfName, folder_.File("bay CN.dxf"));
  EXPECT_EQ(Main().Session.CoastlineDxfName, coast);
  EXPECT_EQ(Main().Session.FusionOutputName, folder_.File("bay_cnha.dxf"));

  const SessionState loaded = Vectorial(folder_.File("bay_cnha.dxf"));
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(loaded.AltitudeTable[1], 0);  // the coast is the contour of altitude 0
  EXPECT_EQ(loaded.VectorImage[loaded.VectorLines - 1][0], 0);
}

TEST_F(FusionCommandTest, CoastlineFusionReportsAMissingFileAndWritesNothing) {
  const std::string coast = Write("bay_HA.dxf", CoastlineDxf());
  Ui.QueueFile(kOpenContours, folder_.File("nowhere"));
  Ui.QueueFile(kOpenCoast, coast);
  Ui.QueueFile(kSaveCnHa, folder_.File("bay"));
  Click("CnHaTreatment");
  Ui.QueueFile(kOpenContours, folder_.File("nowhere"));
  Ui.QueueFile(kOpenCoast, std::nullopt);
  Click("CNHASpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find("nowhere.dxf"), std::string::npos);
  EXPECT_EQ(testing::ListFolder(folder_.Path()), "bay_HA.dxf");
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

}  // namespace
}  // namespace zelmaro
