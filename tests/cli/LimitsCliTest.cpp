#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/FileIO.h"
#include "interp/Dilation.h"
#include "raster/OutputFiles.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::ReadFileBytes;
using testing::RunCliLimited;
using testing::TemporaryFolder;
using testing::WriteFileBytes;

// The inputs the cases name, in a folder of their own that every user may read: the
// example map (m.raw, m.txt, m_tab.txt), its DEM (d_m4.raw, d_m4.txt) and two DXF
// sheets (a.dxf, b.dxf); and an empty folder for the outputs.
class LimitsCli : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [example, name] :
         std::map<std::string, std::string>{{"volcano.raw", "m.raw"},
                                            {"volcano.txt", "m.txt"},
                                            {"volcano_tab.txt", "m_tab.txt"},
                                            {"volcano.dxf", "a.dxf"}}) {
      std::filesystem::copy_file(testing::ExamplePath(example), In(name));
    }
    std::filesystem::copy_file(In("a.dxf"), In("b.dxf"));
    SessionState session = testing::LoadVolcanoSession();
    SeedDemGrid(session, 1, 1);
    DilationInterpolation(session);
    ZoneParameters zone;
    zone.ZonePixelSize = 10;
    SaveDemRaw(session, In("d"), zone);
  }

  std::string In(const std::string& name) const { return inputs_.File(name); }
  std::string Out(const std::string& name) const { return outputs_.File(name); }
  std::string Raw() const { return "--raw " + In("m.raw") + " --table " + In("m_tab.txt"); }
  // Every input, name and bytes, to prove that none changed.
  std::map<std::string, std::string> Inputs() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(inputs_.Path())) {
      files[entry.path().filename()] = ReadFileBytes(entry.path());
    }
    return files;
  }
  // Runs a command that must be refused: it fails naming the problem, writes nothing
  // and leaves the inputs as they were.
  void ExpectRefused(const std::string& arguments, const std::string& problem,
                     const testing::ProcessLimits& limits = {}) {
    const auto before = Inputs();
    std::string errors;
    EXPECT_EQ(RunCliLimited(arguments, limits, &errors), 1) << arguments;
    EXPECT_NE(errors.find("ERROR"), std::string::npos) << arguments;
    EXPECT_NE(errors.find(problem), std::string::npos) << arguments << "\n" << errors;
    EXPECT_EQ(ListFolder(outputs_.Path()), "") << arguments;
    EXPECT_EQ(Inputs(), before) << arguments;
  }

  TemporaryFolder inputs_;
  TemporaryFolder outputs_;
};

TEST_F(LimitsCli, PixelSizesThatAreNotAboveZeroOrNotFiniteAreRefused) {
  const std::vector<std::string> commands{
      "convert --dem " + In("d_m4.raw") + " --xmin 0 --ymin 0 --unit m --out " + Out("o"),
      "shade --dem " + In("d_m4.raw") + " --scale-out m --out " + Out("o"),
      "smooth --dem " + In("d_m4.raw") + " --range 1 --out " + Out("o"),
      "thin " + Raw() + " --out " + Out("o"),
      "linear " + Raw() + " --min 95 --max 195 --interval 5 --scale-in m --scale-out m --out " +
          Out("o"),
      "dilation " + Raw() + " --scale-in m --scale-out m --out " + Out("o"),
      "zone --dxf " + In("a.dxf") + " --out " + Out("o"),
  };
  // The commands read their pixel size as a real (convert) or as an integer (the others,
  // shade first): one of each kind meets every bad value, the others 0.
  for (const std::string& command : commands) {
    const bool firstOfItsKind = command == commands[0] || command == commands[1];
    for (const char* pixel : {"0", "-5", "1e999", "nan"}) {
      if (firstOfItsKind || pixel[0] == '0') {
        ExpectRefused(command + " --pixel " + pixel, "--pixel");
      }
    }
  }
}

TEST_F(LimitsCli, ImpossibleSizesAndAltitudesAreRefused) {
  WriteFileBytes(In("high_tab.txt"), "1 2147483647\n2 100\n");
  WriteFileBytes(In("e_m4.raw"), std::string(401, '\0'));
  WriteFileBytes(In("e_m4.txt"), "10\n10\n");
  const std::vector<std::pair<std::string, std::string>> cases{
      // 2147483647 m is 2147483647000 mm, beyond a 32-bit DEM cell.
      {"dilation --raw " + In("m.raw") + " --table " + In("high_tab.txt") +
           " --scale-in m --scale-out mm --out " + Out("o"),
       "2147483647000 mm"},
      {"shade --dem " + In("e_m4.raw") + " --pixel 10 --scale-out m --out " + Out("o"),
       "need exactly 400"},
  };
  for (const auto& [command, problem] : cases) ExpectRefused(command, problem);
}

TEST_F(LimitsCli, AnOutputNamingAnInputOrAnotherOutputIsRefusedBeforeAnythingRuns) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"thin " + Raw() + " --out " + In("m"), "would destroy the input"},
      {"fuse " + In("a") + " " + In("a.dxf") + " " + In("b.dxf"), "would destroy the input"},
      {"smooth --dem " + In("d_m4.raw") + " --range 1 --out " + In("d"), "would destroy the input"},
      {"dilation " + Raw() + " --scale-in m --scale-out m --out " + Out("x") + " --shade " +
           Out("x_m4"),
       "both name the file"},
  };
  for (const auto& [command, problem] : cases) ExpectRefused(command, problem);
}

// Each command whose writing fails, on a full disk or in a read-only folder, says so and
// leaves the folder as it found it: the file it would have replaced intact, no other
// file, no temporary one.
TEST_F(LimitsCli, AFailedWriteLeavesTheFolderAsItWas) {
  const std::string dem = "--dem " + In("d_m4.raw");
  const std::string dxf = In("a.dxf");
  // The command, and the one of its outputs that stands in the folder beforehand.
  const std::vector<std::pair<std::string, std::string>> commands{
      {"dilation " + Raw() + " --scale-in m --scale-out m --out " + Out("r") + " --asc " +
           Out("r") + " --xmin 0 --ymin 0 --shade " + Out("s"),
       "r_m4.raw"},
      {"linear " + Raw() + " --min 95 --max 195 --interval 5 --scale-in m --scale-out m --out " +
           Out("r"),
       "r_m4.raw"},
      {"smooth " + dem + " --range 1 --out " + Out("r"), "r_m4.raw"},
      {"shade " + dem + " --pixel 10 --scale-out m --out " + Out("r"), "r.raw"},
      {"convert " + dem + " --pixel 10 --xmin 0 --ymin 0 --unit m --out " + Out("r"), "r.asc"},
      {"convert " + dem + " --pixel 10 --xmin 0 --ymin 0 --unit m --format gtiff --out " + Out("r"),
       "r.tif"},
      {"thin " + Raw() + " --out " + Out("r"), "r.txt"},
      {"ebarb " + Raw() + " --out " + Out("r"), "r.raw"},
      {"breaks " + Raw() + " --out " + Out("r"), "r.txt"},
      {"vector --dxf " + dxf + " --preview " + Out("r"), "r.raw"},
      {"zone --dxf " + dxf + " --pixel 10 --out " + Out("r"), "r_tab.txt"},
      {"fuse " + Out("r") + " " + dxf + " " + In("b.dxf"), "r.dxf"},
      {"coast " + dxf + " " + In("b.dxf") + " " + Out("r"), "r_cnha.dxf"},
  };
  const std::string previous = "the file as it was\n";
  for (const auto& [command, existing] : commands) {
    for (const bool fullDisk : {true, false}) {
      WriteFileBytes(Out(existing), previous);
      std::string errors;
      int status = 0;
      if (fullDisk) {
        // Every command writes at least one file longer than this.
        status = RunCliLimited(command, {.fileSizeBytes = 64}, &errors);
      } else {
        const testing::ReadOnlyFolder readOnly(outputs_.Path());
        status = RunCliLimited(command, {}, &errors);
      }
      EXPECT_EQ(status, 1) << command;
      EXPECT_NE(errors.find("ERROR: Cannot"), std::string::npos) << command << "\n" << errors;
      EXPECT_EQ(ListFolder(outputs_.Path()), existing) << command;
      EXPECT_EQ(ReadFileBytes(Out(existing)), previous) << command;
      std::filesystem::remove(Out(existing));
    }
  }
}

TEST_F(LimitsCli, AnOutputThatCannotBeWrittenLeavesTheOtherOutputsAsTheyWere) {
  // The ASCII grid into a missing folder; the zone image where a folder stands.
  std::filesystem::create_directory(Out("z.raw"));
  WriteFileBytes(Out("x_m4.raw"), "kept");
  WriteFileBytes(Out("z.txt"), "kept");
  for (const std::string& command :
       {"dilation " + Raw() + " --scale-in m --scale-out m --out " + Out("x") + " --asc " +
            Out("missing/x") + " --xmin 0 --ymin 0",
        "zone --dxf " + In("a.dxf") + " --pixel 10 --out " + Out("z")}) {
    std::string errors;
    EXPECT_EQ(RunCliLimited(command, {}, &errors), 1) << command;
    EXPECT_NE(errors.find("ERROR: Cannot"), std::string::npos) << errors;
    EXPECT_EQ(ListFolder(outputs_.Path()), "x_m4.raw z.raw z.txt") << command;
    EXPECT_EQ(ReadFileBytes(Out("x_m4.raw")), "kept");
    EXPECT_EQ(ReadFileBytes(Out("z.txt")), "kept");
  }
}

// An address-space limit cannot hold under AddressSanitizer, which reserves terabytes
// for its shadow memory: there the same refusal is proven with an injected limit
// (MemoryBudget tests). Clang says so through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define ZELMARO_UNDER_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELMARO_UNDER_ADDRESS_SANITIZER
#endif
#endif
#ifndef ZELMARO_UNDER_ADDRESS_SANITIZER
TEST_F(LimitsCli, CommandsTooLargeForTheAddressSpaceAreRefusedBeforeTheyLoad) {
  // 40000 x 40000 cells claimed beside 64 bytes, under a limit of about 2 GB.
  WriteFileBytes(In("huge.raw"), std::string(64, '\0'));
  WriteFileBytes(In("huge.txt"), "40000\n40000\n");
  WriteFileBytes(In("huge_m4.raw"), std::string(64, '\0'));
  WriteFileBytes(In("huge_m4.txt"), "40000\n40000\n");
  const std::string huge = "--raw " + In("huge.raw") + " --table " + In("m_tab.txt");
  const std::string hugeDem = "--dem " + In("huge_m4.raw");
  for (const std::string& command :
       {"dilation " + huge + " --scale-in m --scale-out m --out " + Out("o"),
        "linear " + huge + " --min 95 --max 195 --interval 5 --scale-in m --scale-out m --out " +
            Out("o"),
        "thin " + huge + " --out " + Out("o"), "breaks " + huge + " --out " + Out("o"),
        "smooth " + hugeDem + " --range 1 --out " + Out("o"),
        "shade " + hugeDem + " --pixel 10 --scale-out m --out " + Out("o")}) {
    ExpectRefused(command, "of memory for 40000 lines x 40000 columns, and only",
                  {.addressSpaceBytes = 2'048'000'000});
  }
  // The size file, the likely culprit, is pointed out with the refusal.
  std::string errors;
  RunCliLimited("thin " + huge + " --out " + Out("o"), {.addressSpaceBytes = 2'048'000'000},
                &errors);
  EXPECT_NE(errors.find("holds 64 bytes for 40000 lines x 40000 columns: 1,599,999,936 bytes "
                        "were missing"),
            std::string::npos)
      << errors;
}
#endif

}  // namespace
}  // namespace zelmaro
