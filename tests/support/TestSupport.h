#pragma once

#include <string>

#include "core/Grid.h"
#include "core/SessionState.h"

// Defined to 1 when the tests run under AddressSanitizer. Its shadow memory takes
// terabytes of address space, so a test that limits the address space (ulimit -v,
// RLIMIT_AS) cannot run under it: such a test is compiled out with
// #if !ZELMARO_ADDRESS_SANITIZER, and with it nothing else.
#if defined(__SANITIZE_ADDRESS__)
#define ZELMARO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELMARO_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef ZELMARO_ADDRESS_SANITIZER
#define ZELMARO_ADDRESS_SANITIZER 0
#endif

namespace zelmaro::testing {

// A fresh empty folder for one test, removed with the object.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The names of the files in a folder, sorted.
std::string ListFolder(const std::string& path);

// The bundled example data set.
std::string ExamplePath(const std::string& name);
// "--raw volcano.raw --table volcano_tab.txt" of the bundled example, for the batch tool.
std::string VolcanoRasterArguments();
// A session holding the bundled example as the Raster command loads it.
SessionState LoadVolcanoSession();

// Runs the batch tool with the given arguments; returns its exit code and fills the
// standard output and error.
int RunCli(const std::string& arguments, std::string* output = nullptr,
           std::string* errors = nullptr);

// A grid from rows of text: digits and letters are codes ('.' is 255).
ByteGrid CodesFromText(const std::initializer_list<const char*>& rows);

}  // namespace zelmaro::testing
