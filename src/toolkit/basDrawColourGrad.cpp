#include "toolkit/basDrawColourGrad.h"

#include <algorithm>

#include "platform/runtime/Rounding.h"

namespace basDrawColourGrad {

namespace {

double Channel(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (6 * t < 1) return p + (q - p) * 6 * t;
  if (2 * t < 1) return q;
  if (3 * t < 2) return p + (q - p) * (2.0 / 3.0 - t) * 6;
  return p;
}

int32_t ToByte(double value) {
  return static_cast<int32_t>(std::clamp(runtime::RoundHalfEven(value * 255), 0.0, 255.0));
}

}  // namespace

Hsl RgbToHsl(const Rgb& rgb) {
  const double r = rgb[0] / 255.0, g = rgb[1] / 255.0, b = rgb[2] / 255.0;
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  const double d = max - min;
  double h = 0;
  // Ties pick the earliest channel: red, then green, then blue.
  if (max != min) {
    if (max == r) {
      h = 60 * (g - b) / d;
      if (g < b) h += 360;
    } else if (max == g) {
      h = 60 * (b - r) / d + 120;
    } else {
      h = 60 * (r - g) / d + 240;
    }
  }
  const double l = (max + min) / 2;
  double s = 0;
  if (l != 0 && max != min) s = l <= 0.5 ? d / (max + min) : d / (2 - max - min);
  return {h, s, l};
}

Rgb HslToRgb(const Hsl& hsl) {
  const double h = hsl[0] / 360, s = hsl[1], l = hsl[2];
  if (s == 0) {
    const int32_t grey = ToByte(l);
    return {grey, grey, grey};
  }
  const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
  const double p = 2 * l - q;
  return {ToByte(Channel(p, q, h + 1.0 / 3.0)), ToByte(Channel(p, q, h)),
          ToByte(Channel(p, q, h - 1.0 / 3.0))};
}

int32_t RgbToColour(int32_t red, int32_t green, int32_t blue) {
  return std::clamp(red, 0, 255) | (std::clamp(green, 0, 255) << 8) | (std::clamp(blue, 0, 255) << 16);
}

}  // namespace basDrawColourGrad
