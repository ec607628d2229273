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

// rename() cannot put a file where a folder stands; said before anything is renamed.
void RefuseFolderInTheWay(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    throw Error("Cannot write " + path + ": a folder of that name is in the way.");
  }
}

// A target as it was before a commit replaced it: kept under a new name beside it, as
// a hard link, so that a failed commit can put it back. No link where the folder
// cannot hold one.
struct PreviousFile {
  bool existed = false;
  std::string link;
};

PreviousFile KeepPreviousFile(const std::string& path) {
  std::error_code error;
  PreviousFile previous;
  previous.existed = std::filesystem::exists(std::filesystem::symlink_status(path, error));
  if (!previous.existed) return previous;
  std::string pattern = path + ".previous-XXXXXX";
  const int descriptor = ::mkstemp(pattern.data());
  if (descriptor < 0) return previous;
  ::close(descriptor);
  std::remove(pattern.c_str());
  if (::link(path.c_str(), pattern.c_str()) == 0) previous.link = pattern;
  return previous;
}

void PutBack(const PreviousFile& previous, const std::string& path) {
  if (!previous.link.empty()) {
    std::rename(previous.link.c_str(), path.c_str());
  } else if (!previous.existed) {
    std::remove(path.c_str());
  }
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

std::uint64_t FileByteCount(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return 0;
  const std::uintmax_t length = std::filesystem::file_size(path, error);
  return error ? 0 : length;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  const auto canonical = [](const std::string& path) {
    std::error_code ignored;
    return std::filesystem::weakly_canonical(path, ignored).lexically_normal();
  };
  return canonical(a) == canonical(b);
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
  for (const Pending& file : pending_) {
    if (SameFile(file.finalPath, path)) {
      throw Error("Two outputs of this command name the same file " + path +
                  ": give them different names.");
    }
  }
  RefuseFolderInTheWay(path);
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
  for (const Pending& file : pending_) RefuseFolderInTheWay(file.finalPath);
  std::vector<PreviousFile> previous;
  for (const Pending& file : pending_) previous.push_back(KeepPreviousFile(file.finalPath));
  std::size_t renamed = 0;
  for (; renamed < pending_.size(); ++renamed) {
    const Pending& file = pending_[renamed];
    if (std::rename(file.temporaryPath.c_str(), file.finalPath.c_str()) != 0) break;
  }
  const bool complete = renamed == pending_.size();
  const std::string reason = complete ? std::string() : SystemReason();
  for (std::size_t i = 0; i < pending_.size(); ++i) {
    if (!complete && i < renamed) {
      PutBack(previous[i], pending_[i].finalPath);
    } else if (!previous[i].link.empty()) {
      std::remove(previous[i].link.c_str());
    }
  }
  if (complete) {
    pending_.clear();
    return;
  }
  const std::string failed = pending_[renamed].finalPath;
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(renamed));
  throw Error("Cannot write " + failed + ": " + reason + ".");
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
