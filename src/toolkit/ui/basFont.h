#pragma once
// Drawing with a control's font on any memory device context.

#include "platform/gdi/LogFont.h"
#include "platform/gdi/MemoryDC.h"
#include "toolkit/ui/StdFont.h"

namespace basFont {

// The logical font of a font object on the device context's screen: the
// size is rounded to whole points first. A face name longer than the
// 32-byte field (in the ANSI code page) throws std::out_of_range.
void FontToLogFont(const StdFont& font, const gdi::MemoryDC& dc, gdi::LogFont& logFont);

// Selects the font into the context and keeps the one it replaced; one pair
// at a time, closed by RestoreFont.
void SelectFontFromObject(gdi::MemoryDC& dc, const StdFont& font);
void RestoreFont(gdi::MemoryDC& dc);

// DrawText with the context's font, made a pixel smaller at a time (down
// to a readable minimum) while the text is wider than the rectangle, so a
// caption is never cut at its edges. The context's font is left as it was.
int32_t DrawFittedText(gdi::MemoryDC& dc, const std::string& text, const gdi::Rect& rect, uint32_t flags);

}  // namespace basFont
