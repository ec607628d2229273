#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/Error.h"
#include "forms/CoordUtmModel.h"
#include "forms/ScaleDialogs.h"

namespace zelmaro {
namespace {

TEST(DynamicScaleModel, OkNamesTheInputUnitFirstThenTheOutputUnit) {
  DynamicScaleModel model;
  EXPECT_EQ(model.OkRefusal(), "Dynamic Scale In Undefined");
  model.SelectScaleOut(1);
  EXPECT_EQ(model.OkRefusal(), "Dynamic Scale In Undefined");
  DynamicScaleModel onlyIn;
  onlyIn.SelectScaleIn(1);
  EXPECT_EQ(onlyIn.OkRefusal(), "Dynamic Scale Out Undefined");
  onlyIn.SelectScaleOut(4);
  EXPECT_FALSE(onlyIn.OkRefusal().has_value());
}

TEST(DynamicScaleModel, RadioButtonsSetTheFactorsAndKeepThem) {
  DynamicScaleModel model;
  EXPECT_EQ(model.ScaleInFactor, 0);
  EXPECT_EQ(model.ScaleOutFactor, 0);
  model.SelectScaleIn(3);
  model.SelectScaleOut(1);
  EXPECT_EQ(model.ScaleInFactor, 100);
  EXPECT_EQ(model.ScaleOutFactor, 1);
  model.SelectScaleIn(2);
  EXPECT_EQ(model.ScaleInFactor, 10);
  EXPECT_EQ(model.ScaleInChoice(), 2);
  model.SelectScaleIn(9);
  EXPECT_EQ(model.ScaleInFactor, 10);
}

TEST(ScaleConversion, DividesFirstInIntegers) {
  EXPECT_EQ(ConvertScale(12345, 100, 1), 123);
  EXPECT_EQ(ConvertScale(1234, 1, 100), 123400);
  EXPECT_EQ(ConvertScale(-149, 10, 1), -14);
  EXPECT_THROW(ConvertScale(100, 0, 1), Error);
  // Beyond 32 bits the altitude would wrap round into another, plausible one.
  EXPECT_EQ(ConvertScale(2147483, 1, 1000), 2147483000);
  try {
    ConvertScale(2147483647, 1, 1000);
    ADD_FAILURE() << "2147483647 m converted to mm";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("2147483647 m is 2147483647000 mm"), std::string::npos)
        << error.what();
  }
  EXPECT_THROW(ConvertScale(-2147483647, 1, 10), Error);
}

TEST(UnitNames, ReadTheShortAndLongForms) {
  EXPECT_EQ(ParseUnitName("m"), 1);
  EXPECT_EQ(ParseUnitName("dm"), 2);
  EXPECT_EQ(ParseUnitName("CM"), 3);
  EXPECT_EQ(ParseUnitName("millimeters"), 4);
  EXPECT_EQ(ParseUnitName("km"), 0);
  EXPECT_EQ(UnitNumberOfFactor(100), 3);
  EXPECT_EQ(UnitNumberOfFactor(7), 0);
}

TEST(DynRasterModel, EditsStoreTheirLeadingInteger) {
  DynRasterModel model;
  model.MinimumEditChange("12abc");
  model.MaximumEditChange("");
  model.IntervalEditChange("25");
  model.PixelEditChange("30.9");
  EXPECT_EQ(model.ParamMinimum, 12);
  EXPECT_EQ(model.ParamMaximum, 0);
  EXPECT_EQ(model.ParamInterval, 25);
  EXPECT_EQ(model.ParamPixelSize, 30);
}

TEST(TableLevels, AreTheLowestHighestAndSmallestStepOfTheTable) {
  struct Case {
    std::vector<std::int32_t> altitudes;
    TableLevels expected;
  };
  const std::vector<Case> cases{
      {{95, 100, 105, 195}, {95, 195, 5}},
      {{300, 100, 200, 250}, {100, 300, 50}},  // any order; the finest step counts
      {{120, 120, 140}, {120, 140, 20}},       // a repeated altitude is no step
      {{-40, 10}, {-40, 10, 50}},
      {{700}, {700, 700, 0}},
      {{}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    AltitudeTableArray table{};
    table.fill(9999);  // entries beyond the count are not the table's
    for (std::size_t k = 0; k < c.altitudes.size(); ++k) table[k + 1] = c.altitudes[k];
    EXPECT_EQ(LevelsOfTable(table, static_cast<std::int32_t>(c.altitudes.size())), c.expected)
        << c.altitudes.size();
  }
}

TEST(ImageSizeModel, RefusesSizesOfZeroOrBelow) {
  ImageSizeModel model;
  model.NumLineEditChange("100");
  model.NumColEditChange("abc");
  EXPECT_EQ(model.ImageLines, 100);
  EXPECT_EQ(model.ImageColumns, 0);
  EXPECT_TRUE(model.OkRefusal().has_value());
  model.NumColEditChange("200");
  EXPECT_FALSE(model.OkRefusal().has_value());
  EXPECT_EQ(model.NumColText, "200");
}

TEST(CoordUtmModel, ReadsThePixelSizeAndTheCornerAsRealsAndWritesThemAsTyped) {
  CoordUtmModel model;
  model.PixSizeEditChange("30.9");
  model.XMinEditChange("1756000.25");
  model.YMinEditChange("5.9e6");
  EXPECT_DOUBLE_EQ(model.UtmPixelSize, 30.9);
  EXPECT_DOUBLE_EQ(model.UtmXMin, 1756000.25);
  EXPECT_DOUBLE_EQ(model.UtmYMin, 5900000.0);
  EXPECT_DOUBLE_EQ(model.Frame().CellSize, 30.9);
}

TEST(CoordUtmModel, NeedsAUnitToCloseAndGivesItsDivisor) {
  CoordUtmModel model;
  model.PixSizeEditChange("30");
  EXPECT_EQ(model.UtmUnit, 0);
  EXPECT_TRUE(model.OkRefusal().has_value());
  model.SelectUnit(3);
  EXPECT_FALSE(model.OkRefusal().has_value());
  EXPECT_DOUBLE_EQ(model.UnitDivisor(), 100.0);
  model.SelectUnit(1);
  EXPECT_DOUBLE_EQ(model.UnitDivisor(), 1.0);
  model.SelectUnit(4);
  EXPECT_DOUBLE_EQ(model.UnitDivisor(), 1000.0);
}

TEST(CoordUtmModel, RefusesPixelSizesNotAboveZeroAndCornersBeyondAnyNumber) {
  CoordUtmModel model;
  model.SelectUnit(1);
  for (const char* pixel : {"0", "-30", "1e999", "", "abc"}) {
    model.PixSizeEditChange(pixel);
    EXPECT_EQ(model.OkRefusal(), "The pixel size must be a number above 0.") << pixel;
  }
  model.PixSizeEditChange("0.5");
  EXPECT_FALSE(model.OkRefusal().has_value());
  model.XMinEditChange("-1e999");
  EXPECT_TRUE(model.OkRefusal().has_value());

  DynRasterModel parameters;
  for (const auto& [pixel, refused] :
       std::vector<std::pair<const char*, bool>>{{"", false}, {"10", false}, {"-10", true}}) {
    parameters.PixelEditChange(pixel);
    EXPECT_EQ(parameters.OkRefusal().has_value(), refused) << pixel;
  }
}

TEST(CoordUtmModel, CancelHoldsForOneShowingOnly) {
  CoordUtmModel model;
  model.BeginDialog();
  model.Cancel();
  EXPECT_EQ(model.UtmCancelled, 1);
  model.BeginDialog();
  EXPECT_EQ(model.UtmCancelled, 0);
}

}  // namespace
}  // namespace zelmaro
