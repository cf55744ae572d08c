#pragma once
// One-pixel frames on a picture's edge pixels.

#include "platform/gdi/GdiTypes.h"

class PictureBox;

namespace basDrawBorder {

// A frame on the picture's outermost pixels.
void OutlinePicture(PictureBox* picture, gdi::COLORREF colour);
// The bottom pixel row from x = 1 to the right edge; the fore colour becomes
// `colour`.
void DrawBottomLine(PictureBox* picture, gdi::COLORREF colour);

}  // namespace basDrawBorder
