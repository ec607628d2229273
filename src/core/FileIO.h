#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmaro {

// The whole content of a file; throws Error naming the file when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);

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
// renames them over their targets. Temporary files left uncommitted are removed.
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
