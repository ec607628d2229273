#include "core/OutputNames.h"

#include "core/Error.h"
#include "core/FileIO.h"

namespace zelmaro {

std::vector<NamedFile> StemFiles(const std::string& stem, const std::vector<std::string>& endings,
                                 const std::string& role) {
  std::vector<NamedFile> files;
  for (const std::string& ending : endings) files.push_back({stem + ending, role});
  return files;
}

std::vector<NamedFile> NamedFiles(const std::vector<std::string>& paths, const std::string& role) {
  std::vector<NamedFile> files;
  for (const std::string& path : paths) files.push_back({path, role});
  return files;
}

void RefuseUnsafeOutputs(const std::vector<NamedFile>& outputs,
                         const std::vector<NamedFile>& inputs) {
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const NamedFile& output = outputs[i];
    for (const NamedFile& input : inputs) {
      if (input.Path.empty() || !FileExists(output.Path) || !SameFile(output.Path, input.Path)) {
        continue;
      }
      throw Error("The output " + output.Path + " (" + output.Role + ") is the input " +
                  input.Path + " (" + input.Role +
                  "): writing it would destroy the input; choose another name.");
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (SameFile(outputs[j].Path, output.Path)) {
        throw Error("The outputs of " + outputs[j].Role + " and of " + output.Role +
                    " both name the file " + output.Path +
                    ": one would replace the other; give them different names.");
      }
    }
  }
}

}  // namespace zelmaro
