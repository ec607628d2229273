#include "pretreat/Skeletonization.h"

#include "pretreat/LineCellScan.h"

namespace zelmaro {
namespace {

constexpr DeletionMask kPhase1 = ThinningMask(1);
constexpr DeletionMask kPhase2 = ThinningMask(2);

}  // namespace

void ThinContourLines(SessionState& session) {
  const ScanArea area = ScanAreaOf(session);
  const int lastCode = LastDeletableCode(session);
  DeleteMatchingCells(session.ContourImage, area, lastCode, kPhase1);
  DeleteMatchingCells(session.ContourImage, area, lastCode, kPhase2);
}

}  // namespace zelmaro
