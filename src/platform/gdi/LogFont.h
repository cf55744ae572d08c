#pragma once
// A logical font as the drawing layer describes one, and the Qt font that
// draws it. A negative height is the character height in pixels, a positive
// one the cell height (character plus internal leading). The face names the
// windows and documents use map to the fonts Debian ships: Liberation Sans
// for Arial and the other sans faces, Liberation Serif and Mono for Times
// and Courier, the system fixed-pitch font for Lucida Console.

#include <QFont>
#include <cstdint>
#include <string>

namespace gdi {

// The screen's logical inch, fixed like the 15 twips per pixel.
inline constexpr int32_t kPixelsPerInch = 96;

struct LogFont {
  int32_t height = -11;  // Arial 8.25 on a 96-dpi screen
  int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  uint8_t charSet = 0;
  std::string faceName = "Arial";
  friend bool operator==(const LogFont&, const LogFont&) = default;
};

// The installed family that draws a face name the windows and documents use.
QString FamilyForFace(const std::string& faceName);

// The Qt font for a logical font. Glyphs are grey-antialiased (never
// sub-pixel), so that images do not depend on the screen's pixel order.
QFont ToQFont(const LogFont& font);

// MulDiv: a * b / c rounded half away from zero; -1 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

}  // namespace gdi
