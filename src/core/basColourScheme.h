#pragma once
// The program's fixed colour scheme: seventeen colours as 32-bit values
// (red in the low byte, then green, then blue), read directly
// by pages, windows and the project's defaults. Entries are numbered from 0.

#include <array>
#include <cstdint>

namespace basColourScheme {

constexpr int32_t Rgb(int32_t red, int32_t green, int32_t blue) { return red + 256 * green + 65536 * blue; }

// The button-face colour used when the platform gives none.
constexpr int32_t kDefaultButtonFace = Rgb(240, 240, 240);

constexpr int32_t kWhite = Rgb(255, 255, 255);
constexpr int32_t kPaletteSize = 17;

// Entries with a role that other code names.
constexpr int32_t kTitleRowColour = 0;        // RGB(236, 241, 233)
constexpr int32_t kHeadingColour = 1;         // RGB(194, 208, 186)
constexpr int32_t kEditorRowColourA = 2;      // white
constexpr int32_t kEditorRowColourB = 3;      // white
constexpr int32_t kSwatchHighlightColour = 4; // RGB(243, 249, 200)
constexpr int32_t kProjectRowColourA = 9;     // white
constexpr int32_t kProjectRowColourB = 10;    // RGB(236, 241, 233)
constexpr int32_t kDraftedRowColour = 11;     // RGB(192, 192, 192)
constexpr int32_t kSelectionColour = 12;      // RGB(243, 249, 200)
constexpr int32_t kMarkedRowColour = 13;      // RGB(247, 237, 215)
constexpr int32_t kProgressBarColour = 14;    // RGB(239, 204, 120)
constexpr int32_t kButtonFaceColour = 15;     // the system button face

// The scheme as SetColourScheme stores it.
constexpr std::array<int32_t, kPaletteSize> SchemeColours(int32_t buttonFace = kDefaultButtonFace) {
  std::array<int32_t, kPaletteSize> c{};
  c[0] = Rgb(236, 241, 233);
  c[1] = Rgb(194, 208, 186);
  c[2] = Rgb(255, 255, 255);
  c[3] = Rgb(255, 255, 255);
  c[4] = Rgb(243, 249, 200);
  c[5] = Rgb(236, 233, 216);
  c[6] = Rgb(243, 249, 200);
  c[7] = Rgb(0, 0, 0);
  c[8] = Rgb(6, 88, 6);
  c[9] = Rgb(255, 255, 255);
  c[10] = c[0];
  c[15] = buttonFace;
  c[16] = c[4];
  c[12] = c[4];
  c[11] = Rgb(192, 192, 192);
  c[13] = Rgb(247, 237, 215);
  c[14] = Rgb(239, 204, 120);
  return c;
}

// Stores the seventeen colours; `buttonFace` is the system button-face
// colour, asked by the caller at start-up.
void SetColourScheme(int32_t buttonFace = kDefaultButtonFace);

}  // namespace basColourScheme

// The shared palette. It starts out holding the scheme, so that code run
// before start-up (tools, tests) sees the same colours.
constinit inline std::array<int32_t, basColourScheme::kPaletteSize> PaletteColour = basColourScheme::SchemeColours();

// The colour of a palette entry (basColourScheme::kTitleRowColour ...).
inline int32_t Palette(int32_t entry) { return PaletteColour[static_cast<std::size_t>(entry)]; }
