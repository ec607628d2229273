#pragma once

#include <cstdint>

#include "core/SessionState.h"

namespace zelmaro {

// The grids of a session that a command may replace, by family. Copying a grid costs its
// size, so a snapshot keeps only the families a command names; everything else of the
// session (sizes, names, tables, flags) it always keeps.
enum class SessionGrids : std::uint8_t {
  None = 0,
  Contour = 1,  // ContourImage and ComeBackImage
  Vector = 2,   // VectorImage
  Dem = 4,      // DemGrid, ShadedImage and LinearCodeImage
  All = 7,
};

constexpr SessionGrids operator|(SessionGrids a, SessionGrids b) {
  return static_cast<SessionGrids>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool Includes(SessionGrids set, SessionGrids family) {
  return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(family)) != 0;
}

// The session as a command found it, to put back when the command fails or is cancelled.
class SessionSnapshot {
 public:
  SessionSnapshot(SessionState& session, SessionGrids kept);

  // The session as it was, the kept grid families included; the grids of the other
  // families stay as the command left them. A snapshot restores once.
  void Restore(SessionState& session);

 private:
  SessionState saved_;
  SessionGrids kept_;
};

}  // namespace zelmaro
