#pragma once

#include <string>

#include "core/Progress.h"

namespace zelmaro::cli {

// A Progress that shows "WHAT  45%" on the standard error, rewritten in place as the
// work goes on and ended by a line break at 100%, when the standard error is a terminal;
// a Progress that tells nobody when it is not, so that logs and pipes stay clean.
Progress TerminalProgress(const std::string& what);

// Ends a progress line left open by work that stopped before 100%, so that a message
// printed next starts on a line of its own.
void EndProgressLine();

}  // namespace zelmaro::cli
