#pragma once
// Filled triangles: the drop arrows and the up/down markers of the windows.
// Every triangle is outlined with a one-pixel pen and filled through its
// region in the same colour.

#include <cstdint>
#include <vector>

#include "platform/gdi/MemoryDC.h"

class PictureBox;

namespace basDrawArrow {

// Direction 1 points up, 2 down; centred in the picture.
void DrawFilledArrow(PictureBox* picture, int32_t direction, int32_t size, gdi::COLORREF colour);
// A downward triangle at (left, top); with `resize` the picture is first
// cleared to `backColour` and sized to width x height pixels.
void DrawArrow(PictureBox* picture, gdi::COLORREF backColour, int32_t width, int32_t height, int32_t size,
               gdi::COLORREF colour, int32_t top, int32_t left, bool resize);
// Clears and sizes the picture, then draws an upward triangle at its top left.
void DrawArrowAt(PictureBox* picture, gdi::COLORREF backColour, int32_t width, int32_t height, int32_t size,
                 gdi::COLORREF colour);
// The closed polygon through all points, outlined and filled in `colour`.
void FillPolygon(gdi::MemoryDC& dc, gdi::COLORREF colour, const std::vector<gdi::Point>& points);

}  // namespace basDrawArrow
