#include "pretreat/Skeletonization.h"

#include "pretreat/CodePixelLists.h"

namespace zelmaro {
namespace {

constexpr DeletionMask kPhase1 = ThinningMask(1);
constexpr DeletionMask kPhase2 = ThinningMask(2);

}  // namespace

void ThinContourLines(SessionState& session) {
  ByteGrid& image = session.ContourImage;
  const int lastCode = LastDeletableCode(session);
  // Phase 2 reuses the lists of phase 1: a cell deleted meanwhile no longer holds its
  // code and is passed over.
  WithCodePixelLists(image, ScanAreaOf(session), lastCode, [&](const auto& lists) {
    DeleteMatchingCells(image, lists, lastCode, kPhase1);
    DeleteMatchingCells(image, lists, lastCode, kPhase2);
  });
}

}  // namespace zelmaro
