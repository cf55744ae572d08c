#include "toolkit/ui/ButtonPainter.h"

#include "platform/runtime/Rounding.h"
#include "toolkit/ui/basFont.h"
#include "toolkit/ui/basGraphixManip.h"
#include "toolkit/ui/clsBitmap.h"

using gdi::Rgb;

namespace {

// Disabled, normal, selected, hot, pressed. Bands the look does not draw
// are 0.
constexpr std::array<ButtonPainter::LookColours, 5> kLooks{{
    {Rgb(201, 199, 186), 0, 0, 0, 0, 0, 0, Rgb(196, 177, 140), Rgb(206, 199, 189), Rgb(196, 177, 140)},
    {Rgb(0, 60, 116), Rgb(255, 255, 255), Rgb(254, 254, 254), Rgb(226, 223, 214), Rgb(214, 208, 197),
     Rgb(252, 252, 251), Rgb(236, 235, 230), Rgb(33, 85, 132), Rgb(123, 150, 173), Rgb(82, 125, 165)},
    {Rgb(0, 60, 116), Rgb(206, 231, 255), Rgb(189, 215, 247), Rgb(140, 174, 231), Rgb(107, 130, 239),
     Rgb(189, 211, 247), Rgb(140, 174, 231), Rgb(33, 85, 132), Rgb(123, 150, 173), Rgb(82, 125, 165)},
    {Rgb(0, 60, 116), Rgb(255, 243, 206), Rgb(255, 219, 140), Rgb(255, 178, 49), Rgb(230, 150, 0),
     Rgb(225, 223, 156), Rgb(255, 182, 48), Rgb(33, 85, 132), Rgb(123, 150, 173), Rgb(82, 125, 165)},
    {Rgb(0, 60, 116), 0, 0, 0, 0, 0, 0, Rgb(33, 85, 132), Rgb(123, 150, 173), Rgb(82, 125, 165)},
}};

constexpr gdi::COLORREF kFaceTop = Rgb(252, 252, 251);
constexpr gdi::COLORREF kFaceBottom = Rgb(236, 235, 230);
constexpr gdi::COLORREF kDisabledFace = Rgb(245, 244, 234);
constexpr gdi::COLORREF kPressedFace = Rgb(231, 227, 222);
constexpr gdi::COLORREF kDisabledText = Rgb(161, 161, 146);

int Channel(int bottom, int top, int32_t i, int32_t h) {
  return static_cast<int>(runtime::RoundHalfEven(bottom + static_cast<double>(top - bottom) * i / h));
}

}  // namespace

const ButtonPainter::LookColours& ButtonPainter::Colours(int32_t look) {
  return kLooks.at(static_cast<size_t>(look));
}

void ButtonPainter::GradientFill(gdi::MemoryDC& dc, const gdi::Rect& rect, gdi::COLORREF top,
                                 gdi::COLORREF bottom) {
  const int32_t h = rect.bottom - rect.top;
  if (h == 0) {
    dc.DrawLine(rect.left, rect.top, rect.right, rect.top, top);
    return;
  }
  for (int32_t i = 0; i <= h; ++i) {
    const int32_t y = rect.top + h - i;
    const gdi::COLORREF c = Rgb(Channel(gdi::RedOf(bottom), gdi::RedOf(top), i, h),
                                Channel(gdi::GreenOf(bottom), gdi::GreenOf(top), i, h),
                                Channel(gdi::BlueOf(bottom), gdi::BlueOf(top), i, h));
    dc.DrawLine(rect.left, y, rect.right, y, c);
  }
}

void ButtonPainter::DrawButton(gdi::MemoryDC& dc, int32_t look, const ButtonRect& r,
                               const std::string& caption, const clsBitmap* image, bool barHasImages) {
  if (look < kDisabled || look > kPressed) return;
  const LookColours& c = kLooks[static_cast<size_t>(look)];
  const int32_t L = r.Left, T = r.Top, W = r.Width, H = r.Height;
  const bool flat = H < kMinGradientHeight;
  auto gradient = [&](const gdi::Rect& rect, gdi::COLORREF top, gdi::COLORREF bottom) {
    GradientFill(dc, rect, top, flat ? top : bottom);
  };

  // 1. border
  dc.DrawLine(L + 3, T, L + W - 3, T, c.border);
  dc.DrawLine(L, T + 3, L, T + H - 3, c.border);
  dc.DrawLine(L + 3, T + H - 1, L + W - 3, T + H - 1, c.border);
  dc.DrawLine(L + W - 1, T + 3, L + W - 1, T + H - 3, c.border);

  // 2. face
  if (look == kDisabled || look == kPressed) {
    const gdi::COLORREF face = look == kDisabled ? kDisabledFace : kPressedFace;
    gradient({L + 1, T + 1, L + W - 1, T + H - 2}, face, face);
  } else {
    gradient({L + 1, T + 3, L + W - 1, T + H - 2}, c.ringTop, c.ringBottom);
    gradient({L + 3, T + 3, L + W - 3, T + H - 3}, kFaceTop, kFaceBottom);
    dc.DrawLine(L + 1, T + 1, L + W, T + 1, c.top1);
    dc.DrawLine(L + 1, T + 2, L + W, T + 2, c.top2);
    dc.DrawLine(L + 1, T + H - 3, L + W, T + H - 3, c.bottom1);
    dc.DrawLine(L + 2, T + H - 2, L + W - 1, T + H - 2, c.bottom2);
  }

  // 3. rounded corners
  const struct {
    int32_t x, y;
    gdi::COLORREF colour;
  } corners[] = {
      {L, T + 1, c.cornerMiddle},
      {L, T + 2, c.cornerOuter},
      {L + 1, T, c.cornerMiddle},
      {L + 1, T + 1, c.cornerInner},
      {L + 2, T, c.cornerOuter},
      {L + W - 1, T + 1, c.cornerMiddle},
      {L + W - 1, T + 2, c.cornerOuter},
      {L + W - 2, T, c.cornerMiddle},
      {L + W - 2, T + 1, c.cornerInner},
      {L + W - 3, T, c.cornerOuter},
      {L, T + H - 2, c.cornerMiddle},
      {L, T + H - 3, c.cornerOuter},
      {L + 1, T + H - 1, c.cornerMiddle},
      {L + 1, T + H - 2, c.cornerInner},
      {L + 2, T + H - 1, c.cornerOuter},
      {L + W - 1, T + H - 2, c.cornerMiddle},
      {L + W - 1, T + H - 3, c.cornerOuter},
      {L + W - 2, T + H - 1, c.cornerMiddle},
      {L + W - 2, T + H - 2, c.cornerInner},
      {L + W - 3, T + H - 1, c.cornerOuter},
  };
  for (const auto& px : corners) dc.SetPixel(px.x, px.y, px.colour);

  // 4. caption
  const int32_t imageWidth = (barHasImages && image != nullptr) ? image->Width() : 0;
  dc.SetTextColor(look == kDisabled ? kDisabledText : gdi::kBlack);
  // A caption wider than its button is drawn smaller rather than cut.
  basFont::DrawFittedText(dc, caption, {L + 3 + imageWidth, T + 3, L + W - 3, T + H - 3},
                          gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE);

  // 5. image
  if (barHasImages && image != nullptr && image->Width() > 0) {
    const auto y = T + static_cast<int32_t>(runtime::RoundHalfEven((H - image->Height()) / 2.0));
    basGraphixManip::MaskedBlit(dc, image->hDC(), L + 4, y, image->Width(), image->Height(), gdi::kWhite);
  }
}

void ButtonPainter::DrawPictureFocusRect(gdi::MemoryDC& dc) {
  // Drawn 3 pixels inside the rectangle given: here 1 pixel inside the picture.
  DrawFocusRect(dc, ButtonRect{dc.Width() + 4, dc.Height() + 4, -2, -2});
}

void ButtonPainter::DrawFocusRect(gdi::MemoryDC& dc, const ButtonRect& r) {
  const int32_t left = r.Left + 3, top = r.Top + 3, right = r.Left + r.Width - 4, bottom = r.Top + r.Height - 4;
  if (right <= left || bottom <= top) return;
  // Every other pixel: a dotted focus rectangle.
  for (int32_t x = left; x <= right; x += 2) {
    dc.SetPixel(x, top, gdi::kBlack);
    dc.SetPixel(x, bottom, gdi::kBlack);
  }
  for (int32_t y = top; y <= bottom; y += 2) {
    dc.SetPixel(left, y, gdi::kBlack);
    dc.SetPixel(right, y, gdi::kBlack);
  }
}
