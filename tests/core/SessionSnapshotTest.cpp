#include "core/SessionSnapshot.h"

#include <gtest/gtest.h>

namespace zelmaro {
namespace {

SessionState SessionFilledWith(std::uint8_t value) {
  SessionState session;
  session.InputFileName = "map" + std::to_string(value);
  session.WorkLines = value;
  session.AltitudeTable[3] = value;
  session.DxfFileList = {"sheet" + std::to_string(value)};
  for (ByteGrid* grid : {&session.ContourImage, &session.ComeBackImage, &session.VectorImage,
                         &session.ShadedImage, &session.LinearCodeImage}) {
    *grid = ByteGrid(2, 3, value);
  }
  session.DemGrid = IntGrid(2, 3, value);
  return session;
}

TEST(SessionSnapshot, RestoresTheSmallMembersAlwaysAndTheGridsOfTheKeptFamiliesOnly) {
  for (const SessionGrids kept :
       {SessionGrids::None, SessionGrids::Contour, SessionGrids::Vector, SessionGrids::Dem,
        SessionGrids::Contour | SessionGrids::Dem, SessionGrids::All}) {
    SCOPED_TRACE(static_cast<int>(kept));
    SessionState session = SessionFilledWith(1);
    SessionSnapshot snapshot(session, kept);
    const SessionState changed = SessionFilledWith(2);
    session = changed;
    snapshot.Restore(session);

    const SessionState before = SessionFilledWith(1);
    EXPECT_EQ(session.InputFileName, before.InputFileName);
    EXPECT_EQ(session.WorkLines, before.WorkLines);
    EXPECT_EQ(session.AltitudeTable, before.AltitudeTable);
    EXPECT_EQ(session.DxfFileList, before.DxfFileList);
    const auto expected = [&](SessionGrids family) -> const SessionState& {
      return Includes(kept, family) ? before : changed;
    };
    EXPECT_EQ(session.ContourImage, expected(SessionGrids::Contour).ContourImage);
    EXPECT_EQ(session.ComeBackImage, expected(SessionGrids::Contour).ComeBackImage);
    EXPECT_EQ(session.VectorImage, expected(SessionGrids::Vector).VectorImage);
    EXPECT_EQ(session.DemGrid, expected(SessionGrids::Dem).DemGrid);
    EXPECT_EQ(session.ShadedImage, expected(SessionGrids::Dem).ShadedImage);
    EXPECT_EQ(session.LinearCodeImage, expected(SessionGrids::Dem).LinearCodeImage);
  }
}

}  // namespace
}  // namespace zelmaro
