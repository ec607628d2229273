#include "core/SessionSnapshot.h"

#include <utility>

namespace zelmaro {
namespace {

// Moves the grids of the chosen families from one session to the other; with the
// grids out of the way a session copies at the cost of its small members.
void MoveGrids(SessionState& from, SessionState& to, SessionGrids families) {
  if (Includes(families, SessionGrids::Contour)) {
    to.ContourImage = std::move(from.ContourImage);
    to.ComeBackImage = std::move(from.ComeBackImage);
  }
  if (Includes(families, SessionGrids::Vector)) to.VectorImage = std::move(from.VectorImage);
  if (Includes(families, SessionGrids::Dem)) {
    to.DemGrid = std::move(from.DemGrid);
    to.ShadedImage = std::move(from.ShadedImage);
    to.LinearCodeImage = std::move(from.LinearCodeImage);
  }
}

}  // namespace

SessionSnapshot::SessionSnapshot(SessionState& session, SessionGrids kept) : kept_(kept) {
  SessionState grids;
  MoveGrids(session, grids, SessionGrids::All);
  saved_ = session;
  MoveGrids(grids, session, SessionGrids::All);
  if (Includes(kept, SessionGrids::Contour)) {
    saved_.ContourImage = session.ContourImage;
    saved_.ComeBackImage = session.ComeBackImage;
  }
  if (Includes(kept, SessionGrids::Vector)) saved_.VectorImage = session.VectorImage;
  if (Includes(kept, SessionGrids::Dem)) {
    saved_.DemGrid = session.DemGrid;
    saved_.ShadedImage = session.ShadedImage;
    saved_.LinearCodeImage = session.LinearCodeImage;
  }
}

void SessionSnapshot::Restore(SessionState& session) {
  SessionState current;
  const auto others = static_cast<SessionGrids>(static_cast<std::uint8_t>(SessionGrids::All) &
                                                ~static_cast<std::uint8_t>(kept_));
  MoveGrids(session, current, others);
  session = std::move(saved_);
  MoveGrids(current, session, others);
}

}  // namespace zelmaro
