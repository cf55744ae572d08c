#include <gtest/gtest.h>

#include "core/basColourScheme.h"

using basColourScheme::Rgb;

TEST(ColourScheme, SeventeenColoursInStoredOrder) {
  basColourScheme::SetColourScheme(Rgb(1, 2, 3));
  const std::array<int32_t, 17> expected = {
      Rgb(236, 241, 233), Rgb(194, 208, 186), Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(243, 249, 200),
      Rgb(236, 233, 216), Rgb(243, 249, 200), Rgb(0, 0, 0),       Rgb(6, 88, 6),       Rgb(255, 255, 255),
      Rgb(236, 241, 233), Rgb(192, 192, 192), Rgb(243, 249, 200), Rgb(247, 237, 215), Rgb(239, 204, 120),
      Rgb(1, 2, 3),       Rgb(243, 249, 200)};
  EXPECT_EQ(PaletteColour, expected);
  // The same colours as the decimal numbers stored project files hold.
  basColourScheme::SetColourScheme();
  EXPECT_EQ(PaletteColour[basColourScheme::kHeadingColour], 12243138);
  EXPECT_EQ(PaletteColour[basColourScheme::kProjectRowColourA], 16777215);
  EXPECT_EQ(PaletteColour[basColourScheme::kProjectRowColourB], 15331820);
}
