#include "core/FileIO.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Error.h"

namespace zelmaro {
namespace {

std::string SystemReason() {
  return std::strerror(errno);
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw Error("Cannot open " + path + ": " + SystemReason() + ".");
  std::string content;
  char buffer[1 << 16];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw Error("Cannot read " + path + ".");
  return content;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::string WithCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') result.push_back('\r');
    result.push_back(c);
  }
  return result;
}

OutputBatch::~OutputBatch() {
  for (const Pending& file : pending_) std::remove(file.temporaryPath.c_str());
}

void OutputBatch::Add(const std::string& path, std::string_view bytes) {
  AddStreamed(path, [bytes](OutputStream& out) { out.Write(bytes); });
}

namespace {

// Bytes go through the stream's buffer; the first failure is remembered and reported
// once the writing is over, with the reason the system gave.
class FileOutputStream : public OutputStream {
 public:
  explicit FileOutputStream(std::FILE* file) : file_(file) {}
  void Write(std::string_view bytes) override {
    if (failed_ || bytes.empty()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
      failed_ = true;
      errno_ = errno;
    }
  }
  bool Failed() const { return failed_; }
  int Errno() const { return errno_; }

 private:
  std::FILE* file_;
  bool failed_ = false;
  int errno_ = 0;
};

}  // namespace

void OutputBatch::AddStreamed(const std::string& path,
                              const std::function<void(OutputStream&)>& write) {
  std::string pattern = path + ".partial-XXXXXX";
  const int descriptor = ::mkstemp(pattern.data());
  if (descriptor < 0) throw Error("Cannot create " + path + ": " + SystemReason() + ".");
  pending_.push_back({pattern, path});
  std::FILE* file = ::fdopen(descriptor, "wb");
  if (file == nullptr) {
    ::close(descriptor);
    throw Error("Cannot create " + path + ": " + SystemReason() + ".");
  }
  FileOutputStream out(file);
  try {
    write(out);
  } catch (...) {
    std::fclose(file);
    throw;
  }
  const bool closed = std::fclose(file) == 0;
  if (out.Failed() || !closed) {
    if (out.Failed()) errno = out.Errno();
    throw Error("Cannot write " + path + ": " + SystemReason() + ".");
  }
  // mkstemp makes the file private; give it the usual permissions of a new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(pattern.c_str(), 0666 & ~mask);
}

void OutputBatch::Commit() {
  for (const Pending& file : pending_) {
    if (std::rename(file.temporaryPath.c_str(), file.finalPath.c_str()) != 0) {
      throw Error("Cannot write " + file.finalPath + ": " + SystemReason() + ".");
    }
  }
  pending_.clear();
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  OutputBatch batch;
  batch.Add(path, bytes);
  batch.Commit();
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return path + extension;
  }
  return path.substr(0, dot) + extension;
}

}  // namespace zelmaro
