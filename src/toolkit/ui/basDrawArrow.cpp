#include "toolkit/ui/basDrawArrow.h"

#include "platform/runtime/Rounding.h"
#include "toolkit/ui/PictureBox.h"

namespace basDrawArrow {

namespace {

int32_t HalfRounded(int32_t size) {
  return static_cast<int32_t>(runtime::RoundHalfEven((static_cast<double>(size) - 1.0) / 2.0));
}

void Prepare(PictureBox* picture, gdi::COLORREF backColour, int32_t width, int32_t height) {
  picture->Cls();
  picture->SetBackColor(backColour);
  picture->SetPixelSize(width, height);
}

}  // namespace

void DrawFilledArrow(PictureBox* picture, int32_t direction, int32_t size, gdi::COLORREF colour) {
  if (picture == nullptr) return;
  const int32_t half = size / 2;
  const int32_t cx = picture->ScaleWidth() / 2;
  const int32_t top = picture->ScaleHeight() / 2 - half + 1;
  std::vector<gdi::Point> pts{{cx, top}, {cx - half, top + half}, {cx + half, top + half}};
  if (direction == 2) {
    pts = {{cx, top + half}, {cx - half, top}, {cx + half, top}};
  }
  FillPolygon(picture->hDC(), colour, pts);
  picture->Refresh();
}

void DrawArrow(PictureBox* picture, gdi::COLORREF backColour, int32_t width, int32_t height, int32_t size,
               gdi::COLORREF colour, int32_t top, int32_t left, bool resize) {
  if (picture == nullptr) return;
  if (resize) Prepare(picture, backColour, width, height);
  const int32_t m = HalfRounded(size);
  FillPolygon(picture->hDC(), colour,
              {{left + 1, top + 1}, {left + size, top + 1}, {left + m + 1, top + m + 1}});
  picture->Refresh();
}

void DrawArrowAt(PictureBox* picture, gdi::COLORREF backColour, int32_t width, int32_t height, int32_t size,
                 gdi::COLORREF colour) {
  if (picture == nullptr) return;
  Prepare(picture, backColour, width, height);
  picture->SetForeColor(colour);
  const int32_t m = HalfRounded(size) + 1;
  FillPolygon(picture->hDC(), colour, {{m, 1}, {size, m}, {1, m}});
  picture->Refresh();
}

void FillPolygon(gdi::MemoryDC& dc, gdi::COLORREF colour, const std::vector<gdi::Point>& points) {
  dc.Polygon(points, colour, colour, gdi::FillMode::kAlternate);
}

}  // namespace basDrawArrow
