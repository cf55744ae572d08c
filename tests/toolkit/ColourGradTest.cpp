#include <gtest/gtest.h>

#include <cstdint>

#include "toolkit/basDrawColourGrad.h"

namespace {

using basDrawColourGrad::Hsl;
using basDrawColourGrad::HslToRgb;
using basDrawColourGrad::Rgb;
using basDrawColourGrad::RgbToHsl;

TEST(RgbToHsl, HandWorkedColours) {
  struct Case {
    Rgb rgb;
    Hsl hsl;
  };
  for (const Case& c : {Case{{128, 128, 128}, {0, 0, 128 / 255.0}}, Case{{255, 255, 255}, {0, 0, 1}},
                        Case{{0, 0, 0}, {0, 0, 0}}, Case{{255, 0, 0}, {0, 1, 0.5}},
                        Case{{0, 255, 0}, {120, 1, 0.5}}, Case{{0, 0, 255}, {240, 1, 0.5}},
                        // red and blue tie: red decides, 360 added
                        Case{{255, 0, 255}, {300, 1, 0.5}}, Case{{255, 255, 0}, {60, 1, 0.5}},
                        Case{{0, 255, 255}, {180, 1, 0.5}}}) {
    SCOPED_TRACE(testing::Message() << c.rgb[0] << "," << c.rgb[1] << "," << c.rgb[2]);
    EXPECT_EQ(RgbToHsl(c.rgb), c.hsl);
  }
  // Saturation by the dark (L < 1/2) and the light formula.
  EXPECT_DOUBLE_EQ(RgbToHsl({100, 50, 50})[1], (50 / 255.0) / (150 / 255.0));
  EXPECT_DOUBLE_EQ(RgbToHsl({250, 200, 200})[1], (50 / 255.0) / (2 - 450 / 255.0));
}

TEST(HslToRgb, HandWorkedColoursWithHalvesRoundedToEven) {
  struct Case {
    Hsl hsl;
    Rgb rgb;
  };
  for (const Case& c : {Case{{0, 0, 0.3}, {76, 76, 76}},  // 76.5
                        Case{{0, 0, 0.7}, {178, 178, 178}}, Case{{0, 0, 0.5}, {128, 128, 128}},
                        Case{{0, 1, 0.5}, {255, 0, 0}}, Case{{120, 1, 0.5}, {0, 255, 0}},
                        Case{{240, 1, 0.5}, {0, 0, 255}}, Case{{360, 1, 0.5}, {255, 0, 0}},
                        Case{{200, 1, 0}, {0, 0, 0}}, Case{{200, 1, 1}, {255, 255, 255}}}) {
    SCOPED_TRACE(testing::Message() << c.hsl[0] << "," << c.hsl[1] << "," << c.hsl[2]);
    EXPECT_EQ(HslToRgb(c.hsl), c.rgb);
  }
  for (int32_t r = 0; r <= 255; r += 15)
    for (int32_t g = 0; g <= 255; g += 17)
      for (int32_t b = 0; b <= 255; b += 51)
        EXPECT_EQ(HslToRgb(RgbToHsl({r, g, b})), (Rgb{r, g, b})) << r << "," << g << "," << b;
}

TEST(RgbToColour, PutsRedInTheLowByteAndClamps) {
  EXPECT_EQ(basDrawColourGrad::RgbToColour(194, 208, 186), 12243138);
  EXPECT_EQ(basDrawColourGrad::RgbToColour(300, -4, 0), 255);
}

}  // namespace
