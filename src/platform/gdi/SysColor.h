#pragma once
// The system colours (button face, window text, selection...), fixed to one
// scheme so that every screen (and every test) shows the same faces whatever
// the desktop theme is.

#include <cstdint>

#include "platform/gdi/GdiTypes.h"

namespace gdi {

inline constexpr int32_t COLOR_WINDOW = 5;
inline constexpr int32_t COLOR_WINDOWTEXT = 8;
inline constexpr int32_t COLOR_HIGHLIGHT = 13;
inline constexpr int32_t COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int32_t COLOR_BTNFACE = 15;
inline constexpr int32_t COLOR_BTNSHADOW = 16;
inline constexpr int32_t COLOR_GRAYTEXT = 17;
inline constexpr int32_t COLOR_BTNTEXT = 18;
inline constexpr int32_t COLOR_BTNHIGHLIGHT = 20;

// The colour of a system element; 0 (black) for an index the scheme lacks,
// as the platform answers.
COLORREF GetSysColor(int32_t index);

}  // namespace gdi
