#include "platform/gdi/MemoryDC.h"

#include "platform/gdi/CheckMark.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace gdi {

uint32_t ToQRgb(COLORREF colour) {
  return 0xFF000000u | (static_cast<uint32_t>(RedOf(colour)) << 16) |
         (static_cast<uint32_t>(GreenOf(colour)) << 8) | static_cast<uint32_t>(BlueOf(colour));
}

COLORREF FromQRgb(uint32_t rgb) {
  return Rgb(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
             static_cast<int>(rgb & 0xFF));
}

namespace {

// Clips a w x h copy from (sx, sy) in a source of sw x sh to (x, y) in a
// destination of dw x dh. False when nothing is left.
bool ClipBlit(int32_t& x, int32_t& y, int32_t& w, int32_t& h, int32_t& sx, int32_t& sy, int32_t dw,
              int32_t dh, int32_t sw, int32_t sh) {
  auto clipAxis = [](int32_t& d, int32_t& s, int32_t& len, int32_t dlim, int32_t slim) {
    int64_t dd = d, ss = s, ll = len;
    if (dd < 0) {
      ss -= dd;
      ll += dd;
      dd = 0;
    }
    if (ss < 0) {
      dd -= ss;
      ll += ss;
      ss = 0;
    }
    ll = std::min<int64_t>(ll, dlim - dd);
    ll = std::min<int64_t>(ll, slim - ss);
    if (ll <= 0) return false;
    d = static_cast<int32_t>(dd);
    s = static_cast<int32_t>(ss);
    len = static_cast<int32_t>(ll);
    return true;
  };
  return clipAxis(x, sx, w, dw, sw) && clipAxis(y, sy, h, dh, sh);
}

}  // namespace

MemoryDC::MemoryDC(int32_t width, int32_t height, COLORREF fill) { CreateBitmap(width, height, fill); }

void MemoryDC::CreateBitmap(int32_t width, int32_t height, COLORREF fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == 0 || height == 0) {
    image_ = QImage();
    return;
  }
  image_ = QImage(width, height, QImage::Format_RGB32);
  image_.fill(ToQRgb(fill));
}

void MemoryDC::SelectImage(const QImage& image) {
  if (image.isNull()) {
    image_ = QImage();
    return;
  }
  if (image.hasAlphaChannel()) {
    // Transparent pixels of a file image show black, as a device-dependent
    // bitmap would.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    p.end();
    image_ = flat;
  } else {
    image_ = image.convertToFormat(QImage::Format_RGB32);
  }
}

void MemoryDC::Resize(int32_t width, int32_t height, COLORREF fill) {
  const QImage old = image_;
  CreateBitmap(width, height, fill);
  if (!old.isNull() && !image_.isNull()) {
    const int w = std::min(old.width(), image_.width());
    const int h = std::min(old.height(), image_.height());
    for (int y = 0; y < h; ++y) {
      const auto* src = reinterpret_cast<const uint32_t*>(old.constScanLine(y));
      auto* dst = reinterpret_cast<uint32_t*>(image_.scanLine(y));
      std::copy(src, src + w, dst);
    }
  }
}

void MemoryDC::Release() { image_ = QImage(); }

COLORREF MemoryDC::GetPixel(int32_t x, int32_t y) const {
  if (!Inside(x, y)) return kInvalidColour;
  return FromQRgb(reinterpret_cast<const uint32_t*>(image_.constScanLine(y))[x]);
}

void MemoryDC::Plot(int32_t x, int32_t y, uint32_t argb) {
  if (Inside(x, y)) reinterpret_cast<uint32_t*>(image_.scanLine(y))[x] = argb;
}

void MemoryDC::SetPixel(int32_t x, int32_t y, COLORREF colour) { Plot(x, y, ToQRgb(colour)); }

void MemoryDC::FillRect(const Rect& rect, COLORREF colour) {
  const int32_t l = std::max(rect.left, 0);
  const int32_t t = std::max(rect.top, 0);
  const int32_t r = std::min(rect.right, Width());
  const int32_t b = std::min(rect.bottom, Height());
  if (r <= l || b <= t) return;
  const uint32_t argb = ToQRgb(colour);
  for (int32_t y = t; y < b; ++y) {
    auto* line = reinterpret_cast<uint32_t*>(image_.scanLine(y));
    std::fill(line + l, line + r, argb);
  }
}

void MemoryDC::FillBrush(const Rect& rect, BrushStyle style, COLORREF colour, HatchStyle hatch) {
  if (style == BS_NULL) return;
  if (style != BS_HATCHED) {
    FillRect(rect, colour);
    return;
  }
  // Hatches are 8 x 8 patterns aligned to the image's origin.
  auto onHatch = [hatch](int32_t x, int32_t y) {
    const int32_t px = x & 7, py = y & 7;
    switch (hatch) {
      case HS_HORIZONTAL:
        return py == 7;
      case HS_VERTICAL:
        return px == 7;
      case HS_FDIAGONAL:
        return px == py;
      case HS_BDIAGONAL:
        return px == 7 - py;
      case HS_CROSS:
        return px == 7 || py == 7;
      case HS_DIAGCROSS:
        return px == py || px == 7 - py;
    }
    return false;
  };
  const int32_t l = std::max(rect.left, 0), t = std::max(rect.top, 0);
  const int32_t r = std::min(rect.right, Width()), b = std::min(rect.bottom, Height());
  const uint32_t ink = ToQRgb(colour);
  const uint32_t paper = ToQRgb(bkColour_);
  for (int32_t y = t; y < b; ++y) {
    for (int32_t x = l; x < r; ++x) {
      if (onHatch(x, y)) {
        Plot(x, y, ink);
      } else if (bkMode_ == BkMode::kOpaque) {
        Plot(x, y, paper);
      }
    }
  }
}

void MemoryDC::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF colour) {
  const uint32_t argb = ToQRgb(colour);
  // Bresenham, stopping before the end point.
  int64_t x = x1, y = y1;
  const int64_t dx = std::llabs(static_cast<int64_t>(x2) - x1);
  const int64_t dy = -std::llabs(static_cast<int64_t>(y2) - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  int64_t err = dx + dy;
  // A line wholly beyond one side of the image cannot touch it.
  if ((x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= Width() && x2 >= Width()) ||
      (y1 >= Height() && y2 >= Height())) {
    return;
  }
  const int64_t steps = std::max(dx, -dy);
  for (int64_t i = 0; i < steps; ++i) {
    if (x >= 0 && y >= 0 && x < Width() && y < Height()) {
      Plot(static_cast<int32_t>(x), static_cast<int32_t>(y), argb);
    }
    const int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void MemoryDC::Polyline(const std::vector<Point>& points, COLORREF colour) {
  for (size_t i = 1; i < points.size(); ++i) {
    DrawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, colour);
  }
}

void MemoryDC::Polygon(const std::vector<Point>& points, COLORREF pen, COLORREF brush, FillMode mode) {
  if (points.empty()) return;
  FillRegion(Region::FromPolygon(points, mode), brush);
  std::vector<Point> closed = points;
  closed.push_back(points.front());
  Polyline(closed, pen);
}

void MemoryDC::FillRegion(const Region& region, COLORREF colour) {
  for (const Region::Span& s : region.Spans()) FillRect({s.left, s.y, s.right, s.y + 1}, colour);
}

void MemoryDC::BitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const MemoryDC& source, int32_t sx,
                      int32_t sy) {
  if (!ClipBlit(x, y, w, h, sx, sy, Width(), Height(), source.Width(), source.Height())) return;
  const QImage src = source.image_;  // a shared copy keeps overlapping blits exact
  for (int32_t row = 0; row < h; ++row) {
    const auto* s = reinterpret_cast<const uint32_t*>(src.constScanLine(sy + row)) + sx;
    auto* d = reinterpret_cast<uint32_t*>(image_.scanLine(y + row)) + x;
    std::copy(s, s + w, d);
  }
}

void MemoryDC::BitBltKeyed(int32_t x, int32_t y, int32_t w, int32_t h, const MemoryDC& source, int32_t sx,
                           int32_t sy, COLORREF key) {
  if (!ClipBlit(x, y, w, h, sx, sy, Width(), Height(), source.Width(), source.Height())) return;
  const QImage src = source.image_;
  const uint32_t keyArgb = ToQRgb(key);
  for (int32_t row = 0; row < h; ++row) {
    const auto* s = reinterpret_cast<const uint32_t*>(src.constScanLine(sy + row)) + sx;
    auto* d = reinterpret_cast<uint32_t*>(image_.scanLine(y + row)) + x;
    for (int32_t i = 0; i < w; ++i) {
      if ((s[i] | 0xFF000000u) != keyArgb) d[i] = s[i] | 0xFF000000u;
    }
  }
}

void MemoryDC::DrawImage(int32_t x, int32_t y, const QImage& image) {
  MemoryDC tmp;
  tmp.SelectImage(image);
  BitBlt(x, y, tmp.Width(), tmp.Height(), tmp, 0, 0);
}

struct MemoryDC::TextFace {
  explicit TextFace(const LogFont& font)
      : qfont(ToQFont(font)), metrics(qfont), checkMarks(IsCheckMarkFace(font.faceName)) {}

  // Width of the text and the font's cell height (ascent + descent). The
  // check-mark face is drawn by hand, one em per character.
  Size Extent(const QString& s) const {
    const int32_t width =
        checkMarks ? qfont.pixelSize() * static_cast<int32_t>(s.size()) : metrics.horizontalAdvance(s);
    return {width, metrics.ascent() + metrics.descent()};
  }

  QFont qfont;
  QFontMetrics metrics;
  bool checkMarks;
};

namespace {
QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

Size MemoryDC::GetTextExtent(const std::string& text) const { return TextFace(font_).Extent(FromUtf8(text)); }

void MemoryDC::DrawTextAt(int32_t x, int32_t y, const QString& s, const TextFace& face, const Rect* clip) {
  if (image_.isNull() || s.isEmpty()) return;
  QPainter p(&image_);
  if (clip != nullptr) p.setClipRect(QRect(clip->left, clip->top, clip->Width(), clip->Height()));
  if (bkMode_ == BkMode::kOpaque) {
    const Size extent = face.Extent(s);
    p.fillRect(QRect(x, y, extent.cx, extent.cy), QColor::fromRgb(ToQRgb(bkColour_)));
  }
  if (face.checkMarks) {
    const int em = face.qfont.pixelSize();
    const int cell = face.metrics.ascent() + face.metrics.descent();
    for (qsizetype i = 0; i < s.size(); ++i) {
      if (s[i] == QChar(kCheckMarkGlyph)) {
        DrawCheckMark(p, QRectF(x + i * em, y + (cell - em) / 2.0, em, em),
                      QColor::fromRgb(ToQRgb(textColour_)));
      }
    }
    return;
  }
  p.setFont(face.qfont);
  p.setPen(QColor::fromRgb(ToQRgb(textColour_)));
  p.drawText(QPoint(x, y + face.metrics.ascent()), s);
}

int32_t MemoryDC::DrawText(const std::string& text, const Rect& rect, uint32_t flags) {
  const TextFace face(font_);
  const QString s = FromUtf8(text);
  const Size extent = face.Extent(s);
  int32_t x = rect.left;
  if (flags & DT_CENTER) {
    x = rect.left + (rect.Width() - extent.cx) / 2;
  } else if (flags & DT_RIGHT) {
    x = rect.right - extent.cx;
  }
  int32_t y = rect.top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER) {
      y = (rect.top + rect.bottom - extent.cy) / 2;
    } else if (flags & DT_BOTTOM) {
      y = rect.bottom - extent.cy;
    }
  }
  DrawTextAt(x, y, s, face, (flags & DT_NOCLIP) ? nullptr : &rect);
  return extent.cy;
}

void MemoryDC::TextOut(int32_t x, int32_t y, const std::string& text) {
  DrawTextAt(x, y, FromUtf8(text), TextFace(font_), nullptr);
}

}  // namespace gdi
