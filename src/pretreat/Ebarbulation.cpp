#include "pretreat/Ebarbulation.h"

#include "pretreat/LineCellScan.h"

namespace zelmaro {
namespace {

constexpr DeletionMask kBranchEnds = BranchEndMask();

}  // namespace

void RemoveBranchEnds(SessionState& session) {
  DeleteMatchingCells(session.ContourImage, ScanAreaOf(session), LastDeletableCode(session),
                      kBranchEnds);
}

}  // namespace zelmaro
