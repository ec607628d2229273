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
  inputs.push_back({Session.InputPath, "the data loaded"});
  inputs.push_back({ReplaceExtension(Session.InputPath, ".prj"), "the CRS of the data loaded"});
  // A raster map comes with its size file and its table; after a vector load these
  // names still tell those of an earlier map, which is no longer in use.
  if (Session.SizeFileName == ReplaceExtension(Session.InputPath, ".txt")) {
    inputs.push_back({Session.SizeFileName, "the size file of the map loaded"});
    inputs.push_back({Session.AltitudeTableName, "the altitude table loaded"});
  }
  return inputs;
}

void TMainForm::RefuseOverwritingInputs(const std::vector<NamedFile>& outputs,
                                        std::vector<NamedFile> inputs) const {
  const std::vector<NamedFile> session = SessionInputFiles();
  inputs.insert(inputs.end(), session.begin(), session.end());
  RefuseUnsafeOutputs(outputs, inputs);
}

void TMainForm::RequireSave(const std::string& command, const std::vector<NamedFile>& outputs,
                            std::uint64_t bytes) const {
  RefuseOverwritingInputs(outputs);
  RequireMemoryFor(command, Session.WorkLines, Session.WorkColumns, bytes);
}

}  // namespace zelmaro
