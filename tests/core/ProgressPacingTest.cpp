#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/ProgressPacing.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

TEST(ForEachBatch, CoversTheRangeOnceInOrderAndTellsHowFarItGot) {
  for (const auto& [count, batches] :
       {std::pair{10, 3}, std::pair{7, 7}, std::pair{3, 10}, std::pair{1, 1}, std::pair{0, 4}}) {
    std::vector<int> visited;
    const Progress nobody;
    PacedProgress paced(nobody);
    int pieces = 0;
    ForEachBatch(count, batches, paced, 0.2, 0.6, [&](int first, int last) {
      ASSERT_LT(first, last);
      for (int k = first; k < last; ++k) visited.push_back(k);
      ++pieces;
    });
    ASSERT_EQ(static_cast<int>(visited.size()), count);
    for (int k = 0; k < count; ++k) EXPECT_EQ(visited[k], k);
    EXPECT_LE(pieces, std::max(batches, 1));
  }
}

TEST(PacedProgress, ReportsAtOnceWhenAskedAndPassesACancelOn) {
  std::vector<double> fractions;
  const Progress recording = testing::RecordingProgress(fractions);
  PacedProgress paced(recording);
  paced.ReportNow(0.5);
  EXPECT_EQ(fractions, std::vector<double>{0.5});
  const Progress cancelling = testing::CancellingProgress(1);
  PacedProgress stopped(cancelling);
  EXPECT_THROW(stopped.ReportNow(0.5), CommandCancelled);
}

}  // namespace
}  // namespace zelmaro
