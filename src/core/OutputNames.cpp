#include "core/OutputNames.h"

#include "core/Error.h"
#include "core/FileIO.h"

namespace zelmaro {

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
