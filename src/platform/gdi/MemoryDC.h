#pragma once
// A memory device context: one 32-bit image plus the drawing state the
// windows rely on (font, text colour, background mode and colour), drawn
// with these rules rather than Qt's, so that every pixel lands where the
// layouts expect:
// - a rectangle fills left..right-1 and top..bottom-1;
// - a line leaves out its last point;
// - shapes are never antialiased, so a pixel is exactly the colour asked;
// - a blit clips to both images and leaves pixels it cannot read untouched.
// Coordinates and sizes are 32-bit throughout.
//
// Coordinates are logical pixels. At a device pixel ratio above 1 (a
// scaled screen) the image holds that many device pixels per logical one:
// shapes fill whole blocks, so the same drawing code stays crisp, and text
// is drawn at the full resolution. Blits between images of different
// ratios take the nearest source pixel.

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/LogFont.h"
#include "platform/gdi/Region.h"

namespace gdi {

class MemoryDC {
 public:
  MemoryDC() = default;  // no image yet: 0 x 0
  MemoryDC(int32_t width, int32_t height, COLORREF fill);

  // A new image of that size at the context's device pixel ratio, every
  // pixel `fill`. Negative sizes count as 0.
  void CreateBitmap(int32_t width, int32_t height, COLORREF fill);
  // Takes a copy of the image, converted to 32-bit colour without alpha,
  // with its device pixel ratio.
  void SelectImage(const QImage& image);
  // Changes the size (and the device pixel ratio) keeping the pixels that
  // still fit; new pixels `fill`.
  void Resize(int32_t width, int32_t height, COLORREF fill);
  void Resize(int32_t width, int32_t height, COLORREF fill, double devicePixelRatio);
  // Back to no image.
  void Release();

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  double DevicePixelRatio() const { return ratio_; }
  bool IsNull() const { return image_.isNull(); }
  // The image in device pixels, its device pixel ratio set.
  const QImage& Image() const { return image_; }

  COLORREF GetPixel(int32_t x, int32_t y) const;  // kInvalidColour outside
  void SetPixel(int32_t x, int32_t y, COLORREF colour);

  void FillRect(const Rect& rect, COLORREF colour);
  // The pattern fill of a brush: solid, none, or a hatch in `colour` whose
  // gaps take the background colour when the background mode is opaque.
  void FillBrush(const Rect& rect, BrushStyle style, COLORREF colour, HatchStyle hatch);
  void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF colour);
  // Segments between consecutive points, each without its last point.
  void Polyline(const std::vector<Point>& points, COLORREF colour);
  // Fills the polygon's region with `brush`, then outlines the closed
  // polygon with `pen`.
  void Polygon(const std::vector<Point>& points, COLORREF pen, COLORREF brush, FillMode mode);
  void FillRegion(const Region& region, COLORREF colour);

  // Copies the w x h block at (sx, sy) of `source` to (x, y). The source may
  // be this context itself.
  void BitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const MemoryDC& source, int32_t sx, int32_t sy);
  // The same, leaving the destination unchanged wherever the source pixel is
  // exactly `key`.
  void BitBltKeyed(int32_t x, int32_t y, int32_t w, int32_t h, const MemoryDC& source, int32_t sx, int32_t sy,
                   COLORREF key);
  // Copies a whole QImage to (x, y) at its own size.
  void DrawImage(int32_t x, int32_t y, const QImage& image);

  void SetFont(const LogFont& font) { font_ = font; }
  const LogFont& Font() const { return font_; }
  void SetTextColor(COLORREF colour) { textColour_ = colour; }
  COLORREF TextColor() const { return textColour_; }
  void SetBkMode(BkMode mode) { bkMode_ = mode; }
  BkMode GetBkMode() const { return bkMode_; }
  void SetBkColor(COLORREF colour) { bkColour_ = colour; }
  COLORREF BkColor() const { return bkColour_; }

  // Width of the text and the font's cell height (ascent + descent).
  Size GetTextExtent(const std::string& text) const;
  // Draws UTF-8 text in the rectangle with the DT_ flags; clipped to the
  // rectangle unless DT_NOCLIP. Returns the height of the text drawn.
  int32_t DrawText(const std::string& text, const Rect& rect, uint32_t flags);
  // Draws text with its cell's top-left corner at (x, y), unclipped.
  void TextOut(int32_t x, int32_t y, const std::string& text);

 private:
  bool Inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // The device pixel where logical pixel v begins.
  int32_t Device(int32_t v) const;
  void Plot(int32_t x, int32_t y, uint32_t argb);
  // Fills device pixels [l, r) x [t, b), clipped to the image.
  void FillDevice(int32_t l, int32_t t, int32_t r, int32_t b, uint32_t argb);
  void Blit(int32_t x, int32_t y, int32_t w, int32_t h, const MemoryDC& source, int32_t sx, int32_t sy,
            const uint32_t* key);
  // The Qt font of the current logical font with its metrics, built once per
  // measure or draw.
  struct TextFace;
  void DrawTextAt(int32_t x, int32_t y, const QString& text, const TextFace& face, const Rect* clip);

  QImage image_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  double ratio_ = 1.0;
  LogFont font_;
  COLORREF textColour_ = kBlack;
  COLORREF bkColour_ = kWhite;
  BkMode bkMode_ = BkMode::kOpaque;
};

// Colour conversions between the platform layout and Qt's 0xAARRGGBB.
uint32_t ToQRgb(COLORREF colour);
COLORREF FromQRgb(uint32_t rgb);

}  // namespace gdi
