#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/Grid.h"
#include "core/Progress.h"
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

// Limits the batch tool runs under: the size of the files it may write and its address
// space, in bytes (0: no limit). It runs as the user this process acts as.
struct ProcessLimits {
  std::uint64_t fileSizeBytes = 0;
  std::uint64_t addressSpaceBytes = 0;
};
// Its standard error goes to `errors`, its standard output nowhere.
int RunCliLimited(const std::string& arguments, const ProcessLimits& limits,
                  std::string* errors = nullptr);

// For its lifetime, a folder this process and its children cannot write into: its
// permissions are made read-only, and a process running as root acts as an unprivileged
// user meanwhile (root writes anywhere).
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::string& path);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  std::string path_;
  bool wasRoot_ = false;
};

// For its lifetime, files this process writes cannot grow beyond `bytes`: a write past
// it fails as on a full disk (the signal it would raise is ignored meanwhile).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  std::uint64_t previous_ = 0;
  void (*previousHandler_)(int) = nullptr;
};
// Runs run(threads) with 1, 2 and 7 threads in turn (7 more than this machine has), so
// that a result can be shown not to depend on how the work is shared.
void ForEachThreadCount(const std::function<void(int threads)>& run);

// A progress that keeps every fraction it is told, and one that asks to stop at its
// `reports`-th report (counting from 1).
Progress RecordingProgress(std::vector<double>& fractions);
Progress CancellingProgress(int reports);
// Runs `run` once with a recording progress, expecting fractions that never go back and
// end at 1, then once for every report with a progress that stops it there, expecting
// CommandCancelled each time. `run` starts from the same state every time and checks,
// where it catches the cancel, that the state is as before.
void ExpectProgressAndEveryCancel(const std::function<void(const Progress&)>& run);

// A grid from rows of text: digits and letters are codes ('.' is 255).
ByteGrid CodesFromText(const std::initializer_list<const char*>& rows);

}  // namespace zelmaro::testing
