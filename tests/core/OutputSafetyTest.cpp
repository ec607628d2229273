#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/OutputNames.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::ReadFileBytes;
using testing::TemporaryFolder;
using testing::WriteFileBytes;

TEST(RefuseUnsafeOutputs, RefusesAnInputUnderAnyOfItsNamesAndTwoOutputsOfOneFile) {
  TemporaryFolder folder;
  WriteFileBytes(folder.File("m.raw"), "input");
  WriteFileBytes(folder.File("other.raw"), "other");
  ::link(folder.File("m.raw").c_str(), folder.File("hard.raw").c_str());
  std::filesystem::create_symlink(folder.File("m.raw"), folder.File("soft.raw"));
  const std::vector<NamedFile> inputs{{folder.File("m.raw"), "--raw"}, {"", "no table"}};
  struct Case {
    std::vector<NamedFile> outputs;
    const char* refusal;  // nullptr: accepted
  };
  const Case cases[]{
      {{{folder.File("new.raw"), "--out"}, {folder.File("other.raw"), "--shade"}}, nullptr},
      {{{folder.File("m.raw"), "--out"}}, "would destroy the input"},
      {{{folder.Path() + "/./m.raw", "--out"}}, "would destroy the input"},
      {{{folder.File("hard.raw"), "--out"}}, "would destroy the input"},
      {{{folder.File("soft.raw"), "--out"}}, "would destroy the input"},
      {{{folder.File("x.txt"), "--out"}, {folder.Path() + "//x.txt", "--asc"}},
       "The outputs of --out and of --asc both name the file"},
  };
  for (const Case& c : cases) {
    if (c.refusal == nullptr) {
      EXPECT_NO_THROW(RefuseUnsafeOutputs(c.outputs, inputs));
      continue;
    }
    try {
      RefuseUnsafeOutputs(c.outputs, inputs);
      ADD_FAILURE() << c.outputs[0].Path << " accepted";
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(c.refusal), std::string::npos) << error.what();
    }
  }
}

TEST(OutputBatch, ARenameThatFailsPutsBackTheFilesAlreadyReplaced) {
  TemporaryFolder folder;
  const std::string later = folder.File("later");
  std::filesystem::create_directory(later);
  WriteFileBytes(folder.File("a.txt"), "previous");
  OutputBatch batch;
  batch.Add(folder.File("a.txt"), "new a");
  batch.Add(folder.File("b.txt"), "new b");
  batch.Add(later + "/c.txt", "new c");
  // The last rename can no longer happen once its folder is gone.
  std::filesystem::remove_all(later);
  EXPECT_THROW(batch.Commit(), Error);
  EXPECT_EQ(ListFolder(folder.Path()), "a.txt");
  EXPECT_EQ(ReadFileBytes(folder.File("a.txt")), "previous");
}

}  // namespace
}  // namespace zelmaro
