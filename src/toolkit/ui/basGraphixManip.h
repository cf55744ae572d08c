#pragma once
// The transparent copy and the solid fill that every owner-drawn widget
// composes its images with.

#include <cstdint>

#include "platform/gdi/MemoryDC.h"

namespace basGraphixManip {

// Copies the w x h block at (0,0) of `source` to (x, y) of `dest`, leaving
// the destination as it is wherever the source pixel is `key`.
void MaskedBlit(gdi::MemoryDC& dest, const gdi::MemoryDC& source, int32_t x, int32_t y, int32_t width,
                int32_t height, gdi::COLORREF key);

// Paints the rectangle (x, y, width, height) with a brush. With `pixels`
// false the four values are twips, converted at the screen's 15 twips per
// pixel and rounded.
void FillSolid(gdi::MemoryDC& dc, gdi::COLORREF colour, int32_t x, int32_t y, int32_t width, int32_t height,
               bool pixels, gdi::BrushStyle style, gdi::HatchStyle hatch);

}  // namespace basGraphixManip
