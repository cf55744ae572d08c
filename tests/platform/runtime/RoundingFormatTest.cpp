#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/runtime/Format.h"
#include "platform/runtime/Rounding.h"

using namespace runtime;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(3.5), 4.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
}

TEST(RoundHalfEven, CLngAndCIntRefuseValuesOutOfRange) {
  EXPECT_EQ(CLng(2147483647.0), 2147483647);
  EXPECT_EQ(CLng(-2147483648.4), std::numeric_limits<int32_t>::min());
  EXPECT_THROW(CLng(2147483647.5), OverflowError);  // rounds to 2^31
  EXPECT_THROW(CLng(std::nan("")), OverflowError);
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_THROW(CInt(32767.5), OverflowError);
  EXPECT_THROW(CByte(-0.6), OverflowError);
  EXPECT_EQ(CByte(-0.5), 0);  // -0.5 rounds to -0, which fits
  int32_t out = 7;
  EXPECT_FALSE(TryCLng(1e12, out));
  EXPECT_EQ(out, 7);
}

TEST(RoundHalfEven, TwipsAreFifteenToThePixel) {
  EXPECT_EQ(PixelsToTwips(10), 150);
  EXPECT_EQ(TwipsToPixels(1250), 83);  // 83.33
  EXPECT_EQ(TwipsToPixels(-150), -10);
}

struct FormatCase {
  const char* name;
  double value;
  const char* pattern;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.pattern << " of " << c.value; }

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, MatchesTheRuntime) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.pattern << " of " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTest,
    ::testing::Values(
        FormatCase{"OneDecimalRoundsHalfAwayOnDecimalText", 10.25, "0.0", "10.3"},
        FormatCase{"OneDecimalNegativeHalf", -10.25, "0.0", "-10.3"},
        FormatCase{"DecimalTextNotBinary", 2.675, "0.00", "2.68"},
        FormatCase{"WholeNumberHalfAwayFromZero", 2.5, "0", "3"},
        FormatCase{"WholeNumberNegativeHalf", -2.5, "0", "-3"},
        FormatCase{"ThreeDecimalsPadded", 1.5, "0.000", "1.500"},
        FormatCase{"FourDecimals", 0.12345, "0.0000", "0.1235"},
        FormatCase{"OptionalDecimalsKeepThePoint", 12, "0.##", "12."},
        FormatCase{"OptionalDecimalsTrimmed", 12.5, "0.##", "12.5"},
        FormatCase{"OptionalDecimalsRounded", 12.345, "0.##", "12.35"},
        FormatCase{"Thousands", 1234567.891, "#,##0", "1,234,568"},
        FormatCase{"ThousandsSmall", 12, "#,##0", "12"},
        FormatCase{"ThousandsWithDecimals", 1234.5, "#,##0.00", "1,234.50"},
        FormatCase{"ZeroPadding", 7, "0000", "0007"},
        FormatCase{"Percent", 0.256, "0%", "26%"},
        FormatCase{"PercentDecimal", 0.2567, "0.0%", "25.7%"},
        FormatCase{"QuotedLiteral", 5, "0\" pts\"", "5 pts"},
        FormatCase{"EscapedLiteral", 5, "\\$0", "$5"},
        FormatCase{"NegativeSection", -5, "0;(0)", "(5)"},
        FormatCase{"ZeroSection", 0, "0.0;-0.0;\"-\"", "-"},
        FormatCase{"RoundingCarries", 9.96, "0.0", "10.0"},
        FormatCase{"HashIntegerOmitsZero", 0.5, "#.00", ".50"},
        FormatCase{"GeneralWhenEmpty", 10.25, "", "10.25"}),
    [](const ::testing::TestParamInfo<FormatCase>& p) { return std::string(p.param.name); });

TEST(GeneralNumber, ShortestRoundTripText) {
  EXPECT_EQ(GeneralNumber(3), "3");
  EXPECT_EQ(GeneralNumber(-0.5), "-0.5");
  EXPECT_EQ(GeneralNumber(0.1), "0.1");
  EXPECT_EQ(GeneralNumber(1e20), "100000000000000000000");
}
