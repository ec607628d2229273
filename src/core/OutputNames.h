#pragma once

#include <string>
#include <vector>

namespace zelmaro {

// A file a command reads or writes, with what names it for the user: an option of the
// batch tool ("--out") or a part of the data set ("the altitude table").
struct NamedFile {
  std::string Path;
  std::string Role;
};

// The files stem + ending for each ending, and a file for each path, all of one role.
std::vector<NamedFile> StemFiles(const std::string& stem, const std::vector<std::string>& endings,
                                 const std::string& role);
std::vector<NamedFile> NamedFiles(const std::vector<std::string>& paths, const std::string& role);

// Refuses, before a command runs, an output that is one of the command's inputs (the
// same file, compared by device and inode where it exists), which the command would
// destroy, and two outputs that name the same file, of which one would be lost. Inputs
// with an empty path are not part of the command.
void RefuseUnsafeOutputs(const std::vector<NamedFile>& outputs,
                         const std::vector<NamedFile>& inputs);

}  // namespace zelmaro
