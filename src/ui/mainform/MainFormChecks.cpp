// What every command checks before it starts: that its grids fit in the memory the
// process may use, and that no output replaces a file the data came from.
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro {

void TMainForm::RequireMemoryFor(const std::string& command, std::int64_t lines,
                                 std::int64_t columns, std::uint64_t bytes) const {
  RequireMemory({command, GridSubject(lines, columns), bytes});
}

std::vector<NamedFile> TMainForm::SessionInputFiles() const {
  std::vector<NamedFile> inputs;
  if (Session.InputPath.empty()) return inputs;
  if (Session.GeoReferenced != 0) {
    inputs.push_back({Session.InputPath, "the vector data loaded"});
    inputs.push_back({ReplaceExtension(Session.InputPath, ".prj"), "the CRS of the vector data"});
    return inputs;
  }
  inputs.push_back({Session.InputPath, "the raw image loaded"});
  inputs.push_back({Session.SizeFileName, "the size file of the raw image"});
  inputs.push_back({Session.AltitudeTableName, "the altitude table loaded"});
  return inputs;
}

void TMainForm::RefuseOverwritingInputs(const std::vector<NamedFile>& outputs,
                                        std::vector<NamedFile> inputs) const {
  const std::vector<NamedFile> session = SessionInputFiles();
  inputs.insert(inputs.end(), session.begin(), session.end());
  RefuseUnsafeOutputs(outputs, inputs);
}

}  // namespace zelmaro
