#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmaro {

// The whole content of a file; throws Error naming the file when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
// The length of a file in bytes; 0 for what is not a regular file.
std::uint64_t FileByteCount(const std::string& path);
// Whether two names reach the same file: the same device and inode where both exist
// (hard links and symbolic links included), else the same path once made absolute.
bool SameFile(const std::string& a, const std::string& b);

// "\n" becomes CR LF, the line break of every text file the program writes.
std::string WithCrLf(std::string_view text);

// Where a file being written receives its bytes, piece after piece.
class OutputStream {
 public:
  virtual ~OutputStream() = default;
  virtual void Write(std::string_view bytes) = 0;
};

// Writes several output files so that either all of them appear complete or none
// changes: each is written to a temporary file in its own folder, and only Commit
// renames them over their targets. Temporary files left uncommitted are removed, also
// when writing one fails (a full disk, a read-only folder). A target named twice is
// refused when it is added.
class OutputBatch {
 public:
  OutputBatch() = default;
  OutputBatch(const OutputBatch&) = delete;
  OutputBatch& operator=(const OutputBatch&) = delete;
  ~OutputBatch();

  void Add(const std::string& path, std::string_view bytes);
  // A file whose bytes `write` hands over piece by piece, so that a large file is never
  // held whole in memory. Whatever `write` throws leaves the target as it was.
  void AddStreamed(const std::string& path, const std::function<void(OutputStream&)>& write);
  // Refuses a target that is a folder before renaming anything; should a rename fail
  // all the same, the targets already replaced get their previous files back.
  void Commit();

 private:
  struct Pending {
    std::string temporaryPath;
    std::string finalPath;
  };
  std::vector<Pending> pending_;
};

// One file written the same way.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The folder part of a path without a trailing separator, and the path with its
// extension replaced (or added when it has none).
std::string FolderOf(const std::string& path);
std::string ReplaceExtension(const std::string& path, const std::string& extension);

}  // namespace zelmaro
