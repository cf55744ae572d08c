#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "platform/runtime/Format.h"
#include "platform/runtime/Rounding.h"

using namespace runtime;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, double> cases[] = {{2.5, 2},  {3.5, 4},       {-2.5, -2},    {-3.5, -4},
                                             {0.5, 0},  {2.4999, 2},    {2.5001, 3}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  EXPECT_EQ(PixelsToTwips(10), 150);
  EXPECT_EQ(TwipsToPixels(1250), 83);  // 83.33
  EXPECT_EQ(TwipsToPixels(-150), -10);
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

TEST(Format, PatternsRoundOnTheDecimalTextAndKeepTheirLiterals) {
  const struct {
    double value;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {10.25, "0.0", "10.3"},  // half away from zero on the decimal text, not the binary value
      {-10.25, "0.0", "-10.3"},
      {2.675, "0.00", "2.68"},
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {1.5, "0.000", "1.500"},
      {0.12345, "0.0000", "0.1235"},
      {12, "0.##", "12."},
      {12.5, "0.##", "12.5"},
      {12.345, "0.##", "12.35"},
      {1234567.891, "#,##0", "1,234,568"},
      {12, "#,##0", "12"},
      {1234.5, "#,##0.00", "1,234.50"},
      {7, "0000", "0007"},
      {0.256, "0%", "26%"},
      {0.2567, "0.0%", "25.7%"},
      {5, "0\" pts\"", "5 pts"},
      {5, "\\$0", "$5"},
      {-5, "0;(0)", "(5)"},
      {0, "0.0;-0.0;\"-\"", "-"},
      {9.96, "0.0", "10.0"},
      {0.5, "#.00", ".50"},
      {10.25, "", "10.25"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.pattern << " of " << c.value;
  EXPECT_EQ(GeneralNumber(3), "3");
  EXPECT_EQ(GeneralNumber(-0.5), "-0.5");
  EXPECT_EQ(GeneralNumber(0.1), "0.1");
  EXPECT_EQ(GeneralNumber(1e20), "100000000000000000000");
}

// An overflow message printed 1.7e308 with all its 309 digits, a box wider
// than the screen.
TEST(Format, MessagesShowLargeAndTinyNumbersInShortForm) {
  const std::pair<double, const char*> cases[] = {
      {1.7e308, "1.7E+308"}, {-3e39, "-3E+39"}, {1e-7, "1E-07"},       {123456789012345.0, "123456789012345"},
      {1e16, "1E+16"},       {2.5, "2.5"},      {-0.125, "-0.125"},    {std::numeric_limits<double>::infinity(), "Inf"},
  };
  for (const auto& [value, shown] : cases) EXPECT_EQ(ShortNumber(value), shown) << value;
  try {
    CLng(1.7e308);
    ADD_FAILURE() << "no overflow";
  } catch (const OverflowError& e) {
    EXPECT_STREQ(e.what(), "Overflow converting 1.7E+308 to Long");
  }
}
