#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::ReadFileBytes;
using testing::TemporaryFolder;
using testing::WriteFileBytes;

constexpr const char* kOpenDxf = "Open dxf File";
constexpr const char* kResultingDxf = " Name of the resulting dxf File";

class LimitsCommandsTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  // The Raster command on a map and table of the test's folder.
  void LoadRaster(const std::string& raw, const std::string& table) {
    Ui.QueueFile("OPEN DATA RASTER", raw);
    Ui.QueueFile("Open Table Gray Tones Altitudes", table);
    Ui.QueueModal("TDynRasterForm", [](QDialog& form) {
      testing::TypeInto(form, "PixelEdit", "10");
      testing::Press(form, "BitBtn1");
    });
    Click("Raster");
  }
  void QueueSheetFusion(const std::string& sheet, const std::string& result) {
    Ui.QueueModal("TSumdxfForm", [](QDialog& form) {
      testing::TypeInto(form, "NumberdxfEdit", "1");
      testing::Press(form, "BitBtn1");
    });
    Ui.QueueFile(kOpenDxf, sheet);
    Ui.QueueFile(kResultingDxf, result);
  }
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
      files[entry.path().filename()] = ReadFileBytes(entry.path());
    }
    return files;
  }
  // The one message the last command gave, captioned ERROR.
  std::string OnlyError() {
    EXPECT_TRUE(Ui.AllAnswersUsed());
    EXPECT_EQ(Ui.Messages.size(), 1u);
    if (Ui.Messages.empty()) return {};
    const ScriptedUserInteraction::Message message = Ui.Messages.back();
    EXPECT_EQ(message.caption, "ERROR");
    Ui.Messages.clear();
    return message.text;
  }

  TemporaryFolder folder_;
};

TEST_F(LimitsCommandsTest, SavesAndFusionsNeverReplaceTheFilesTheDataCameFrom) {
  std::filesystem::copy_file(testing::ExamplePath("volcano.raw"), folder_.File("map.raw"));
  std::filesystem::copy_file(testing::ExamplePath("volcano.txt"), folder_.File("map.txt"));
  std::filesystem::copy_file(testing::ExamplePath("volcano_tab.txt"),
                             folder_.File("lines_tab.txt"));
  std::filesystem::copy_file(testing::ExamplePath("volcano.dxf"), folder_.File("sheet.dxf"));
  LoadRaster(folder_.File("map.raw"), folder_.File("lines_tab.txt"));
  ASSERT_TRUE(Ui.Messages.empty());
  const auto before = Files();
  const std::vector<std::pair<const char*, std::function<void()>>> commands{
      {"the image over the map and its size file",
       [&] { Ui.QueueFile("SAVE CONTOUR LINES IMAGE", folder_.File("map")); }},
      {"the image's table over the altitude table",
       [&] { Ui.QueueFile("SAVE CONTOUR LINES IMAGE", folder_.File("lines")); }},
      {"a fusion over its sheet",
       [&] { QueueSheetFusion(folder_.File("sheet.dxf"), folder_.File("sheet")); }},
  };
  const char* controls[] = {"SaveContLineSpeedButton", "SaveContLineSpeedButton",
                            "FusionSpeedButton"};
  for (std::size_t i = 0; i < commands.size(); ++i) {
    SCOPED_TRACE(commands[i].first);
    commands[i].second();
    Click(controls[i]);
    EXPECT_NE(OnlyError().find("would destroy the input"), std::string::npos);
    EXPECT_EQ(Files(), before);
  }
}

TEST_F(LimitsCommandsTest, ARawImageOfAnotherLengthLoadsAndTheStatusBarSaysHowManyBytes) {
  WriteFileBytes(folder_.File("short.raw"), std::string(64, '\xff'));
  WriteFileBytes(folder_.File("short.txt"), "100\n100\n");
  LoadRaster(folder_.File("short.raw"), testing::ExamplePath("volcano_tab.txt"));
  EXPECT_EQ(Main().Session.ContourImage.Lines(), 100);
  EXPECT_NE(Main().StatusNote().find("9,936 bytes were missing"), std::string::npos)
      << Main().StatusNote();
  LoadRaster(testing::ExamplePath("volcano.raw"), testing::ExamplePath("volcano_tab.txt"));
  EXPECT_EQ(Main().StatusNote(), "");
}

// Each save and each fusion that cannot write, on a full disk or into a read-only
// folder, says so and leaves the folder as it was: the file it would have replaced
// intact, no other file, no temporary one.
TEST_F(LimitsCommandsTest, ASaveOrFusionThatCannotWriteLeavesTheFolderAsItWas) {
  // The example placed by a world file, so that the GeoTIFF saves have a frame.
  TemporaryFolder maps;
  std::filesystem::copy_file(testing::ExamplePath("volcano.raw"), maps.File("map.raw"));
  std::filesystem::copy_file(testing::ExamplePath("volcano.txt"), maps.File("map.txt"));
  WriteFileBytes(maps.File("map.wld"), "10\n0\n0\n-10\n1756005\n5920655\n");
  LoadRaster(maps.File("map.raw"), testing::ExamplePath("volcano_tab.txt"));
  QueueScale(1, 5);
  Click("DilTreatment");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  const std::string sheet = testing::ExamplePath("volcano.dxf");
  struct Case {
    const char* control;
    std::function<void()> queue;
    const char* existing;  // the output standing in the folder beforehand
  };
  const std::vector<Case> cases{
      {"SaveContLineSpeedButton",
       [&] { Ui.QueueFile("SAVE CONTOUR LINES IMAGE", folder_.File("r")); }, "r.raw"},
      {"SaveImage", [&] { Ui.QueueFile("Save Shadowed DEM", folder_.File("r")); }, "r.raw"},
      {"SaveImage", [&] { Ui.QueueFile("Save Shadowed DEM", folder_.File("r"), 2); }, "r.tif"},
      {"SaveImage", [&] { Ui.QueueFile("Save Shadowed DEM", folder_.File("r"), 3); }, "r.png"},
      {"SaveDEM", [&] { Ui.QueueFile("Save DEM", folder_.File("r"), 1); }, "r_m4.raw"},
      {"SaveDEM", [&] { Ui.QueueFile("Save DEM", folder_.File("r"), 3); }, "r.tif"},
      {"SaveDEM",
       [&] {
         Ui.QueueFile("Save DEM", folder_.File("r"), 2);
         Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
           testing::TypeInto(form, "PixSizeEdit", "10");
           testing::CheckRadio(form, "RadioButton1");
           testing::Press(form, "BitBtn1");
         });
       },
       "r.asc"},
      {"FusionSpeedButton", [&] { QueueSheetFusion(sheet, folder_.File("r")); }, "r.dxf"},
      {"CNHASpeedButton",
       [&] {
         Ui.QueueFile("Open dxf File (Contour Lines}     INEGI Files = Name CN.dxf", sheet);
         Ui.QueueFile("Open dxf File (Coast Line]     INEGI Files = Name_HA.dxf", sheet);
         Ui.QueueFile(
             "Name of the CNHA resulting File   (Nota : Enter a simple Name, the program will "
             "give the extension _cnha.dxf)",
             folder_.File("r"));
       },
       "r_cnha.dxf"},
  };
  const std::string previous = "the file as it was\n";
  for (const Case& c : cases) {
    for (const bool fullDisk : {true, false}) {
      SCOPED_TRACE(std::string(c.existing) + (fullDisk ? ", full disk" : ", read-only folder"));
      WriteFileBytes(folder_.File(c.existing), previous);
      c.queue();
      if (fullDisk) {
        const testing::FileSizeLimit limit(64);
        Click(c.control);
      } else {
        const testing::ReadOnlyFolder readOnly(folder_.Path());
        Click(c.control);
      }
      EXPECT_NE(OnlyError().find("Cannot"), std::string::npos);
      EXPECT_EQ(ListFolder(folder_.Path()), c.existing);
      EXPECT_EQ(ReadFileBytes(folder_.File(c.existing)), previous);
      std::filesystem::remove(folder_.File(c.existing));
    }
  }
}

}  // namespace
}  // namespace zelmaro
