#include <gtest/gtest.h>

#include "core/NumberText.h"

namespace zelmaro {
namespace {

TEST(ReadLeadingInteger, ReadsTheLeadingDigitsAndZeroForNoNumber) {
  EXPECT_EQ(ReadLeadingInteger("12abc"), 12);
  EXPECT_EQ(ReadLeadingInteger(""), 0);
  EXPECT_EQ(ReadLeadingInteger("abc"), 0);
  EXPECT_EQ(ReadLeadingInteger("30.9"), 30);
  EXPECT_EQ(ReadLeadingInteger("  -45x"), -45);
  EXPECT_EQ(ReadLeadingInteger("+7"), 7);
  EXPECT_EQ(ReadLeadingInteger("-"), 0);
  EXPECT_EQ(ReadLeadingInteger("99999999999"), 2147483647);
  EXPECT_EQ(ReadLeadingInteger("-99999999999"), -2147483648);
}

TEST(ReadLeadingReal, ReadsFractionAndExponentUpToTheFirstOtherCharacter) {
  EXPECT_DOUBLE_EQ(ReadLeadingReal("450.5"), 450.5);
  EXPECT_DOUBLE_EQ(ReadLeadingReal(" -1e3m"), -1000.0);
  EXPECT_DOUBLE_EQ(ReadLeadingReal("12abc"), 12.0);
  EXPECT_DOUBLE_EQ(ReadLeadingReal(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ReadLeadingReal("3e"), 3.0);
  EXPECT_DOUBLE_EQ(ReadLeadingReal(""), 0.0);
  EXPECT_DOUBLE_EQ(ReadLeadingReal("x1"), 0.0);
  EXPECT_DOUBLE_EQ(ReadLeadingReal("0x10"), 0.0);
  EXPECT_DOUBLE_EQ(ReadLeadingReal("inf"), 0.0);
}

TEST(StrictParsing, AcceptsOnlyWholeNumbers) {
  std::int32_t integer = 0;
  EXPECT_TRUE(ParseInteger("-12", integer));
  EXPECT_EQ(integer, -12);
  EXPECT_FALSE(ParseInteger("12abc", integer));
  EXPECT_FALSE(ParseInteger("", integer));
  EXPECT_FALSE(ParseInteger("1.0", integer));
  double real = 0.0;
  EXPECT_TRUE(ParseReal("1756000.00", real));
  EXPECT_DOUBLE_EQ(real, 1756000.0);
  EXPECT_FALSE(ParseReal("12m", real));
}

TEST(FormatFixed6, WritesSixDecimalsLikePercentLf) {
  EXPECT_EQ(FormatFixed6(12.5), "12.500000");
  EXPECT_EQ(FormatFixed6(123.45), "123.450000");
  EXPECT_EQ(FormatFixed6(6.78), "6.780000");
  EXPECT_EQ(FormatFixed6(-9999.999), "-9999.999000");
  EXPECT_EQ(FormatFixed6(0.0000005), "0.000000");
  EXPECT_EQ(FormatFixed6(1090.0), "1090.000000");
}

TEST(FormatThousands, PutsACommaBetweenThousands) {
  EXPECT_EQ(FormatThousands(0), "0");
  EXPECT_EQ(FormatThousands(999), "999");
  EXPECT_EQ(FormatThousands(1000), "1,000");
  EXPECT_EQ(FormatThousands(1599999936), "1,599,999,936");
  EXPECT_EQ(FormatThousands(18446744073709551615ull), "18,446,744,073,709,551,615");
}

TEST(FormatGeneral15, WritesTheShortestFormWithFifteenDigits) {
  EXPECT_EQ(FormatGeneral15(1756000.0), "1756000");
  EXPECT_EQ(FormatGeneral15(450.5), "450.5");
  EXPECT_EQ(FormatGeneral15(0.1), "0.1");
}

}  // namespace
}  // namespace zelmaro
