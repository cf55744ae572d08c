#pragma once
// Plain value types of the drawing layer: colours as 32-bit values
// (red in the low byte, then green, then blue; high byte 0), points, sizes,
// rectangles whose right and bottom edges are exclusive, and the text flags.

#include <cstdint>

namespace gdi {

using COLORREF = uint32_t;

// Returned by GetPixel for a point outside the image.
inline constexpr COLORREF kInvalidColour = 0xFFFFFFFFu;

constexpr COLORREF Rgb(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr COLORREF kBlack = Rgb(0, 0, 0);
inline constexpr COLORREF kWhite = Rgb(255, 255, 255);

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// left/top inclusive, right/bottom exclusive.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// DrawText flags (the subset the windows use).
enum : uint32_t {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_SINGLELINE = 0x20,
  DT_NOCLIP = 0x100,
};

enum class BkMode { kTransparent = 1, kOpaque = 2 };

// Polygon fill rules.
enum class FillMode { kAlternate = 1, kWinding = 2 };

// Brush styles and hatch patterns of the solid fill.
enum BrushStyle : int32_t { BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2 };
enum HatchStyle : int32_t {
  HS_HORIZONTAL = 0,
  HS_VERTICAL = 1,
  HS_FDIAGONAL = 2,
  HS_BDIAGONAL = 3,
  HS_CROSS = 4,
  HS_DIAGCROSS = 5,
};

}  // namespace gdi
