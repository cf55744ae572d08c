#pragma once
// Colour conversions of the colour chooser: red, green and blue (0 .. 255
// each) to hue (degrees 0 .. 360), saturation and luminance (0 .. 1 each)
// and back.

#include <array>
#include <cstdint>

namespace basDrawColourGrad {

// Index 0 red, 1 green, 2 blue.
using Rgb = std::array<int32_t, 3>;
// Index 0 hue, 1 saturation, 2 luminance.
using Hsl = std::array<double, 3>;

Hsl RgbToHsl(const Rgb& rgb);
// Channels are rounded to the nearest whole number, halves to even.
Rgb HslToRgb(const Hsl& hsl);

// The platform colour value of red, green and blue (red in the low byte).
// Channels outside 0 .. 255 are clamped.
int32_t RgbToColour(int32_t red, int32_t green, int32_t blue);

}  // namespace basDrawColourGrad
