#include "core/ContourContent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Error.h"

namespace zelmaro {
namespace {

TEST(ContourContent, ZonesNeedALineAndInterpolationsACodeWithAnAltitude) {
  struct Case {
    const char* what;
    std::uint8_t code;  // the one cell that is not background, or background
    std::int32_t altitudeCount;
    bool zoneRefused;
    bool interpolationRefused;
  };
  const std::vector<Case> cases{
      {"background only", kBackgroundCode, 3, true, true},
      {"a code of the table", 3, 3, false, false},
      {"a code beyond the table", 4, 3, false, true},
      {"code 0, which no table holds", 0, 3, false, true},
      {"no table at all", 1, 0, false, true},
  };
  for (const Case& c : cases) {
    SessionState session;
    session.ContourImage = ByteGrid(3, 3, kBackgroundCode);
    session.AltitudeCount = c.altitudeCount;
    session.ContourImage[2][2] = c.code;
    bool zoneRefused = false;
    bool interpolationRefused = false;
    try {
      RequireContourCells(session);
    } catch (const Error&) {
      zoneRefused = true;
    }
    try {
      RequireAltitudeCells(session);
    } catch (const Error& error) {
      interpolationRefused = true;
      EXPECT_NE(std::string(error.what()).find("without altitude"), std::string::npos);
    }
    EXPECT_EQ(zoneRefused, c.zoneRefused) << c.what;
    EXPECT_EQ(interpolationRefused, c.interpolationRefused) << c.what;
  }
}

}  // namespace
}  // namespace zelmaro
