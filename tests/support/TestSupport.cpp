#include "support/TestSupport.h"

#include "raster/RasterFiles.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace zelmaro::testing {

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zelmaro-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
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

int RunCliLimited(const std::string& arguments, const ProcessLimits& limits, std::string* output,
                  std::string* errors) {
  // Pipes, not files, take what it prints: a file-size limit would cut them short.
  int outPipe[2];
  int errPipe[2];
  if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
  const std::string command = std::string(ZELMARO_CLI_PATH) + " " + arguments;
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(outPipe[1], 1);
    ::dup2(errPipe[1], 2);
    for (int descriptor : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) ::close(descriptor);
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
  ::close(outPipe[1]);
  ::close(errPipe[1]);
  std::string printed[2];
  pollfd ends[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  int open = 2;
  while (open > 0 && ::poll(ends, 2, -1) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (ends[i].fd < 0 || ends[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t count = ::read(ends[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        printed[i].append(buffer, static_cast<std::size_t>(count));
      } else {
        ::close(ends[i].fd);
        ends[i].fd = -1;
        --open;
      }
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (output) *output = printed[0];
  if (errors) *errors = printed[1];
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

void OpenToEveryone(const std::string& path) {
  std::filesystem::permissions(
      path,
      std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
          std::filesystem::perms::others_read | std::filesystem::perms::others_exec,
      std::filesystem::perm_options::add);
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

}  // namespace zelmaro::testing
