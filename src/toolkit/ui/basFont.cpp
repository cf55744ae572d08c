#include "toolkit/ui/basFont.h"

#include <optional>
#include <stdexcept>

#include "platform/runtime/Encoding.h"
#include "platform/runtime/Rounding.h"

namespace basFont {

namespace {
std::optional<gdi::LogFont> previousFont;
}  // namespace

void FontToLogFont(const StdFont& font, const gdi::MemoryDC& /*dc*/, gdi::LogFont& logFont) {
  const std::string ansi = runtime::Utf8ToCp1252(font.Name);
  if (ansi.size() > 32) throw std::out_of_range("Subscript out of range");
  logFont = gdi::LogFont{};
  logFont.faceName = font.Name;
  const auto points = static_cast<int32_t>(runtime::RoundHalfEven(font.Size));
  logFont.height = -gdi::MulDiv(points, gdi::kPixelsPerInch, 72);
  logFont.italic = font.Italic;
  logFont.underline = font.Underline;
  logFont.strikeOut = font.Strikethrough;
  logFont.weight = font.Bold ? 700 : 400;
  logFont.charSet = static_cast<uint8_t>(font.Charset);
}

void SelectFontFromObject(gdi::MemoryDC& dc, const StdFont& font) {
  gdi::LogFont lf;
  FontToLogFont(font, dc, lf);
  previousFont = dc.Font();
  dc.SetFont(lf);
}

void RestoreFont(gdi::MemoryDC& dc) {
  if (!previousFont) return;
  dc.SetFont(*previousFont);
  previousFont.reset();
}

int32_t DrawFittedText(gdi::MemoryDC& dc, const std::string& text, const gdi::Rect& rect, uint32_t flags) {
  constexpr int32_t kSmallestHeight = 7;
  const gdi::LogFont original = dc.Font();
  gdi::LogFont font = original;
  const int32_t sign = font.height < 0 ? -1 : 1;
  while (dc.GetTextExtent(text).cx > rect.Width() && font.height * sign > kSmallestHeight) {
    font.height -= sign;
    dc.SetFont(font);
  }
  const int32_t drawn = dc.DrawText(text, rect, flags);
  dc.SetFont(original);
  return drawn;
}

}  // namespace basFont
