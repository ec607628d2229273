#include "support/TestSupport.h"

#include "raster/RasterFiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tbb/global_control.h>
#include <tbb/task_arena.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace zelmaro::testing {

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zelmaro-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  // Readable by every user, so that a test may run a command as an unprivileged one.
  ::chmod(path_.c_str(), 0755);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code error;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ListFolder(const std::string& path) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::string joined;
  for (const auto& name : names) joined += (joined.empty() ? "" : " ") + name;
  return joined;
}

std::string ExamplePath(const std::string& name) {
  return std::string(ZELMARO_EXAMPLES_DIR) + "/" + name;
}

std::string VolcanoRasterArguments() {
  return "--raw " + ExamplePath("volcano.raw") + " --table " + ExamplePath("volcano_tab.txt");
}

SessionState LoadVolcanoSession() {
  SessionState session;
  RasterLoadAnswers answers;
  answers.rawPath = ExamplePath("volcano.raw");
  answers.tablePath = ExamplePath("volcano_tab.txt");
  LoadRaster(session, answers);
  return session;
}

int RunCli(const std::string& arguments, std::string* output, std::string* errors) {
  TemporaryFolder folder;
  const std::string command = std::string(ZELMARO_CLI_PATH) + " " + arguments + " >" +
                              folder.File("out") + " 2>" + folder.File("err");
  const int status = std::system(command.c_str());
  if (output) *output = ReadFileBytes(folder.File("out"));
  if (errors) *errors = ReadFileBytes(folder.File("err"));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

// The user and group "nobody": no folder of the tests is theirs.
constexpr uid_t kUnprivilegedUser = 65534;
constexpr gid_t kUnprivilegedGroup = 65534;

void SetLimit(int resource, std::uint64_t bytes) {
  const rlimit limit{bytes, bytes};
  ::setrlimit(resource, &limit);
}

}  // namespace

int RunCliLimited(const std::string& arguments, const ProcessLimits& limits, std::string* errors) {
  // A pipe, not a file, takes what it says: a file-size limit would cut it short.
  int ends[2];
  if (::pipe(ends) != 0) throw std::runtime_error("pipe failed");
  const std::string command = std::string(ZELMARO_CLI_PATH) + " " + arguments + " >/dev/null";
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(ends[1], 2);
    ::close(ends[0]);
    ::close(ends[1]);
    // Under a ReadOnlyFolder root acts as another user; the shell would take root back.
    if (::geteuid() != ::getuid()) {
      const uid_t user = ::geteuid();
      const gid_t group = ::getegid();
      if (::seteuid(::getuid()) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0) ::_exit(126);
    }
    if (limits.fileSizeBytes != 0) SetLimit(RLIMIT_FSIZE, limits.fileSizeBytes);
    if (limits.addressSpaceBytes != 0) SetLimit(RLIMIT_AS, limits.addressSpaceBytes);
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(ends[1]);
  std::string said;
  char buffer[4096];
  for (ssize_t count = 0; (count = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
    said.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (errors) *errors = said;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ReadOnlyFolder::ReadOnlyFolder(const std::string& path) : path_(path) {
  std::filesystem::permissions(
      path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                 std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                 std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
  wasRoot_ = ::geteuid() == 0;
  if (wasRoot_ && (::setegid(kUnprivilegedGroup) != 0 || ::seteuid(kUnprivilegedUser) != 0)) {
    throw std::runtime_error("cannot act as an unprivileged user");
  }
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (wasRoot_) {
    if (::seteuid(0) != 0 || ::setegid(0) != 0) std::abort();
  }
  std::error_code error;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  previous_ = limit.rlim_cur;
  previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = previous_;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previousHandler_);
}

ByteGrid CodesFromText(const std::initializer_list<const char*>& rows) {
  const int lines = static_cast<int>(rows.size());
  const int columns = lines == 0 ? 0 : static_cast<int>(std::string(*rows.begin()).size());
  ByteGrid grid(lines, columns, 255);
  int line = 0;
  for (const char* row : rows) {
    for (int column = 0; column < columns; ++column) {
      const char c = row[column];
      if (c >= '0' && c <= '9')
        grid[line][column] = static_cast<std::uint8_t>(c - '0');
      else if (c >= 'a' && c <= 'z')
        grid[line][column] = static_cast<std::uint8_t>(c - 'a' + 10);
    }
    ++line;
  }
  return grid;
}

Progress RecordingProgress(std::vector<double>& fractions) {
  return Progress([&fractions](double fraction) {
    fractions.push_back(fraction);
    return true;
  });
}

Progress CancellingProgress(int reports) {
  auto count = std::make_shared<int>(0);
  return Progress([count, reports](double) { return ++*count < reports; });
}

void ExpectProgressAndEveryCancel(const std::function<void(const Progress&)>& run) {
  std::vector<double> fractions;
  run(RecordingProgress(fractions));
  ASSERT_FALSE(fractions.empty());
  EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
  EXPECT_EQ(fractions.back(), 1.0);
  for (int report = 1; report <= static_cast<int>(fractions.size()); ++report) {
    EXPECT_THROW(run(CancellingProgress(report)), CommandCancelled) << "report " << report;
  }
}

void ForEachThreadCount(const std::function<void(int threads)>& run) {
  for (const int threads : {1, 2, 7}) {
    const tbb::global_control limit(tbb::global_control::max_allowed_parallelism, threads);
    tbb::task_arena arena(threads);
    arena.execute([&] { run(threads); });
  }
}

}  // namespace zelmaro::testing
