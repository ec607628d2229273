#include "TerminalProgress.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

namespace zelmaro::cli {
namespace {

bool lineOpen = false;

}  // namespace

Progress TerminalProgress(const std::string& what) {
  if (::isatty(STDERR_FILENO) == 0) return Progress();
  auto shown = std::make_shared<int>(-1);
  return Progress([what, shown](double fraction) {
    const int percent = static_cast<int>(fraction * 100.0);
    if (percent == *shown) return true;
    *shown = percent;
    std::fprintf(stderr, "\r%s %3d%%", what.c_str(), percent);
    lineOpen = percent < 100;
    if (!lineOpen) std::fputc('\n', stderr);
    std::fflush(stderr);
    return true;
  });
}

void EndProgressLine() {
  if (!lineOpen) return;
  std::fputc('\n', stderr);
  lineOpen = false;
}

}  // namespace zelmaro::cli
