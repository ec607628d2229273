#include "core/ContourHistory.h"

#include <gtest/gtest.h>

#include <functional>

namespace zelmaro {
namespace {

SessionState SessionOf(int lines, int columns) {
  SessionState session;
  session.ContourImage = ByteGrid(lines, columns, kBackgroundCode);
  session.AltitudeCount = 3;
  session.AltitudeTable[1] = 100;
  session.AltitudeTable[2] = 110;
  session.AltitudeTable[3] = 120;
  return session;
}

// One change made the way a command makes it: the state before, then the change.
bool Change(ContourHistory& history, SessionState& session,
            const std::function<void(SessionState&)>& change) {
  const ContourState before = ContourState::Of(session);
  change(session);
  return history.Record(before, session);
}

// The order of the steps and the redo branch are seen through the Edit menu; here what
// a step keeps of the table.
TEST(ContourHistory, AStepPutsBackTheTableEntriesItChangedAndNoOthers) {
  SessionState session = SessionOf(4, 5);
  ContourHistory history;
  ASSERT_TRUE(Change(history, session, [](SessionState& s) {
    s.ContourImage[3][4] = 4;  // an isolated point: a new code with its altitude
    s.AltitudeTable[4] = 1500;
    s.AltitudeCount = 4;
  }));
  EXPECT_FALSE(Change(history, session, [](SessionState&) {}));
  session.AltitudeTable[1] = 90;  // as the linear interpolation sets its minimum
  history.Undo(session);
  EXPECT_EQ(session.ContourImage[3][4], kBackgroundCode);
  EXPECT_EQ(session.AltitudeTable[4], 0);
  EXPECT_EQ(session.AltitudeCount, 3);
  EXPECT_EQ(session.AltitudeTable[1], 90);
  history.Redo(session);
  EXPECT_EQ(session.ContourImage[3][4], 4);
  EXPECT_EQ(session.AltitudeTable[4], 1500);
  EXPECT_EQ(session.AltitudeCount, 4);
}

TEST(ContourHistory, StepsStayWithinTheirNumberAndTheirBytes) {
  SessionState session = SessionOf(100, 100);
  ContourHistory history;
  for (int i = 0; i < ContourHistory::kMaxSteps + 10; ++i) {
    Change(history, session, [i](SessionState& s) { s.ContourImage[i][i] = 1; });
  }
  EXPECT_EQ(history.UndoSteps(), ContourHistory::kMaxSteps);
  // Only the changed cells are kept, not the 10000-cell images.
  EXPECT_LT(history.StoredBytes(), std::size_t{ContourHistory::kMaxSteps} * 1000);
  for (int i = 0; i < ContourHistory::kMaxSteps; ++i) history.Undo(session);
  EXPECT_EQ(session.ContourImage[9][9], 1);  // older than the fifty kept
  EXPECT_EQ(session.ContourImage[10][10], kBackgroundCode);

  // A budget of about three whole-line changes keeps the newest ones only; a change
  // larger than the whole budget cannot be kept, nor can the steps before it.
  ContourHistory small(3 * 100 * 6 + 3 * 400);
  session = SessionOf(100, 100);
  for (int line = 0; line < 5; ++line) {
    Change(small, session, [line](SessionState& s) {
      for (int column = 0; column < 100; ++column) s.ContourImage[line][column] = 3;
    });
  }
  EXPECT_EQ(small.UndoSteps(), 3);
  EXPECT_LE(small.StoredBytes(), 3 * 100 * 6 + 3 * 400);
  Change(small, session, [](SessionState& s) { s.ContourImage.Fill(5); });
  EXPECT_FALSE(small.CanUndo());
  EXPECT_EQ(small.StoredBytes(), 0u);
}

}  // namespace
}  // namespace zelmaro
