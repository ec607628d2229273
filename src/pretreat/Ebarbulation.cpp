#include "pretreat/Ebarbulation.h"

#include "pretreat/CodePixelLists.h"

namespace zelmaro {
namespace {

constexpr DeletionMask kBranchEnds = BranchEndMask();

}  // namespace

void RemoveBranchEnds(SessionState& session) {
  ByteGrid& image = session.ContourImage;
  const int lastCode = LastDeletableCode(session);
  WithCodePixelLists(image, ScanAreaOf(session), lastCode, [&](const auto& lists) {
    DeleteMatchingCells(image, lists, lastCode, kBranchEnds);
  });
}

}  // namespace zelmaro
