#include "pretreat/Ebarbulation.h"

#include "pretreat/DeletionTables.h"
#include "pretreat/LineCellScan.h"

namespace zelmaro {
namespace {

constexpr DeletionMask kBranchEnds = BranchEndMask();

}  // namespace

void RemoveBranchEnds(ByteGrid& image, ScanArea area, int lastCode) {
  DeleteMatchingCells(image, area, lastCode, kBranchEnds);
}

void RemoveBranchEnds(SessionState& session) {
  RemoveBranchEnds(session.ContourImage, ScanAreaOf(session), LastDeletableCode(session));
}

}  // namespace zelmaro
