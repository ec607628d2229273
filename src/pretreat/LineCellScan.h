#pragma once

#include <algorithm>

#include "core/NeighbourScan.h"
#include "core/SessionState.h"

namespace zelmaro {

// The part of ContourImage that the pre-treatments scan: WorkLines x WorkColumns,
// never more than the grid holds.
inline ScanArea ScanAreaOf(const SessionState& session) {
  return {std::min(session.WorkLines, session.ContourImage.Lines()),
          std::min(session.WorkColumns, session.ContourImage.Columns())};
}

// The highest code whose deletions can change anything: deleting a background pixel
// writes the background again, so 255 is never worth scanning for a deletion.
inline int LastDeletableCode(const SessionState& session) {
  return std::clamp(session.AltitudeCount, 0, static_cast<int>(kBackgroundCode) - 1);
}

}  // namespace zelmaro
