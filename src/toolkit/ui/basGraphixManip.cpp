#include "toolkit/ui/basGraphixManip.h"

#include "platform/runtime/Rounding.h"

namespace basGraphixManip {

void MaskedBlit(gdi::MemoryDC& dest, const gdi::MemoryDC& source, int32_t x, int32_t y, int32_t width,
                int32_t height, gdi::COLORREF key) {
  dest.BitBltKeyed(x, y, width, height, source, 0, 0, key);
}

void FillSolid(gdi::MemoryDC& dc, gdi::COLORREF colour, int32_t x, int32_t y, int32_t width, int32_t height,
               bool pixels, gdi::BrushStyle style, gdi::HatchStyle hatch) {
  if (!pixels) {
    x = runtime::TwipsToPixels(x);
    y = runtime::TwipsToPixels(y);
    width = runtime::TwipsToPixels(width);
    height = runtime::TwipsToPixels(height);
  }
  const int64_t right = static_cast<int64_t>(x) + width;
  const int64_t bottom = static_cast<int64_t>(y) + height;
  dc.FillBrush({x, y, static_cast<int32_t>(std::min<int64_t>(right, INT32_MAX)),
                static_cast<int32_t>(std::min<int64_t>(bottom, INT32_MAX))},
               style, colour, hatch);
}

}  // namespace basGraphixManip
