#include "pretreat/Skeletonization.h"

#include "pretreat/DeletionTables.h"
#include "pretreat/LineCellScan.h"

namespace zelmaro {
namespace {

constexpr DeletionMask kPhase1 = ThinningMask(1);
constexpr DeletionMask kPhase2 = ThinningMask(2);

}  // namespace

void ThinContourLines(ByteGrid& image, ScanArea area, int lastCode) {
  DeleteMatchingCells(image, area, lastCode, kPhase1);
  DeleteMatchingCells(image, area, lastCode, kPhase2);
}

void ThinContourLines(SessionState& session) {
  ThinContourLines(session.ContourImage, ScanAreaOf(session), LastDeletableCode(session));
}

}  // namespace zelmaro
