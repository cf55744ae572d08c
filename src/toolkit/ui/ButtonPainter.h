#pragma once
// How a push button of the button bar is painted, in each of its five looks:
// rounded corners made of single pixels, a vertical gradient face with
// coloured bands for the selected and hot looks, a centred caption and an
// optional image. Plain drawing on a memory device context, so the looks can
// be checked pixel by pixel without a window.

#include <array>
#include <cstdint>
#include <string>

#include "platform/gdi/MemoryDC.h"

class clsBitmap;

// Width, Height, Left, Top in pixels, in this order as the bars keep them.
struct ButtonRect {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Left = 0;
  int32_t Top = 0;
  // The point is inside or on the edge (Left + Width and Top + Height
  // included), as the bars find the button under the cursor.
  bool Contains(int32_t x, int32_t y) const {
    return Left <= x && x <= Left + Width && Top <= y && y <= Top + Height;
  }
  friend bool operator==(const ButtonRect&, const ButtonRect&) = default;
};

class ButtonPainter {
 public:
  enum Look : int32_t { kDisabled = 0, kNormal = 1, kSelected = 2, kHot = 3, kPressed = 4 };

  struct LookColours {
    gdi::COLORREF border, top1, top2, bottom1, bottom2, ringTop, ringBottom;
    gdi::COLORREF cornerOuter, cornerMiddle, cornerInner;
  };

  static const LookColours& Colours(int32_t look);

  // Draws the button in `look` (0..4; others draw nothing). The caption goes
  // in the context's font; its colour is set on the context. `image` is the
  // button's image or null; `barHasImages` says whether the bar holds
  // images at all (which moves every caption right by its image's width).
  static void DrawButton(gdi::MemoryDC& dc, int32_t look, const ButtonRect& r, const std::string& caption,
                         const clsBitmap* image, bool barHasImages);

  // The dotted rectangle inside a button that has the keyboard focus.
  static void DrawFocusRect(gdi::MemoryDC& dc, const ButtonRect& r);
  // The same just inside the edge of a whole picture that has the focus (a
  // colour swatch, an arrow box, the main bar's Open and Save).
  static void DrawPictureFocusRect(gdi::MemoryDC& dc);

  // Rows from rect.top (top colour) down to rect.bottom, the row past the
  // rectangle (bottom colour), each from rect.left to rect.right - 1, the
  // colours interpolated per component and rounded half to even. A
  // rectangle of no height gets the top colour.
  static void GradientFill(gdi::MemoryDC& dc, const gdi::Rect& rect, gdi::COLORREF top, gdi::COLORREF bottom);

  // Buttons lower than this would divide by a zero height; their faces
  // are drawn flat in the top colour.
  static constexpr int32_t kMinGradientHeight = 7;
};
