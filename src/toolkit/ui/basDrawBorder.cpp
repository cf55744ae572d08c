#include "toolkit/ui/basDrawBorder.h"

#include "toolkit/ui/PictureBox.h"

namespace basDrawBorder {

void OutlinePicture(PictureBox* picture, gdi::COLORREF colour) {
  if (picture == nullptr) return;
  const int32_t w = picture->ScaleWidth();
  const int32_t h = picture->ScaleHeight();
  picture->hDC().Polyline({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, {0, 0}}, colour);
  picture->Refresh();
}

void DrawBottomLine(PictureBox* picture, gdi::COLORREF colour) {
  if (picture == nullptr) return;
  picture->SetForeColor(colour);
  const int32_t w = picture->ScaleWidth();
  const int32_t h = picture->ScaleHeight();
  picture->hDC().DrawLine(1, h - 1, w + 1, h - 1, colour);
  picture->Refresh();
}

}  // namespace basDrawBorder
