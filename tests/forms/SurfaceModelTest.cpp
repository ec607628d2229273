#include <gtest/gtest.h>

#include <string>

#include "forms/SurfaceModel.h"

namespace zelmaro {
namespace {

TEST(SurfaceModel, AcceptsOnlyATensionFromZeroToOne) {
  const struct {
    const char* text;
    bool accepted;
    double tension;  // when accepted
  } cases[] = {
      {"0.1", true, 0.1}, {"0,25", true, 0.25}, {" 1 ", true, 1.0},
      {"0", true, 0.0},   {"1.5", false, 0},    {"-0.1", false, 0},
      {"abc", false, 0},  {"", false, 0},       {"0.3x", false, 0},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.text);
    SurfaceModel model;
    model.TensionEditChange(test.text);
    EXPECT_EQ(model.TensionText, test.text);
    const auto refusal = model.OkRefusal();
    EXPECT_EQ(!refusal.has_value(), test.accepted);
    if (test.accepted) {
      EXPECT_DOUBLE_EQ(model.Tension, test.tension);
    } else {
      EXPECT_NE(refusal.value_or("").find("from 0 to 1"), std::string::npos);
    }
  }
  SurfaceModel fresh;
  EXPECT_FALSE(fresh.OkRefusal().has_value());
  EXPECT_TRUE(fresh.SubPixelCorrection);
}

}  // namespace
}  // namespace zelmaro
