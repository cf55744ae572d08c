#include "platform/gdi/MemoryDC.h"

#include "platform/gdi/CheckMark.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
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

int32_t MemoryDC::Device(int32_t v) const {
  if (ratio_ == 1.0) return v;
  return static_cast<int32_t>(std::floor(static_cast<double>(v) * ratio_));
}

void MemoryDC::CreateBitmap(int32_t width, int32_t height, COLORREF fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  const int32_t deviceWidth = Device(width_), deviceHeight = Device(height_);
  if (deviceWidth <= 0 || deviceHeight <= 0) {
    image_ = QImage();
    width_ = height_ = 0;
    return;
  }
  image_ = QImage(deviceWidth, deviceHeight, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio_);
  image_.fill(ToQRgb(fill));
}

void MemoryDC::SelectImage(const QImage& image) {
  if (image.isNull()) {
    Release();
    return;
  }
  ratio_ = image.devicePixelRatio() > 0 ? image.devicePixelRatio() : 1.0;
  if (image.hasAlphaChannel()) {
    // Transparent pixels of a file image show black, as a device-dependent
    // bitmap would.
    QImage source = image;
    source.setDevicePixelRatio(1.0);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    QPainter p(&flat);
    p.drawImage(0, 0, source);
    p.end();
    image_ = flat;
  } else {
    image_ = image.convertToFormat(QImage::Format_RGB32);
  }
  image_.setDevicePixelRatio(ratio_);
  width_ = static_cast<int32_t>(std::lround(image_.width() / ratio_));
  height_ = static_cast<int32_t>(std::lround(image_.height() / ratio_));
}

void MemoryDC::Resize(int32_t width, int32_t height, COLORREF fill) { Resize(width, height, fill, ratio_); }

void MemoryDC::Resize(int32_t width, int32_t height, COLORREF fill, double devicePixelRatio) {
  const MemoryDC old = *this;
  ratio_ = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  CreateBitmap(width, height, fill);
  if (old.IsNull() || IsNull()) return;
  if (old.ratio_ != ratio_) {
    // A new screen: the old pixels stand in, scaled, until the owner draws again.
    BitBlt(0, 0, std::min(old.Width(), Width()), std::min(old.Height(), Height()), old, 0, 0);
    return;
  }
  const int w = std::min(old.image_.width(), image_.width());
  const int h = std::min(old.image_.height(), image_.height());
  for (int y = 0; y < h; ++y) {
    const auto* src = reinterpret_cast<const uint32_t*>(old.image_.constScanLine(y));
    auto* dst = reinterpret_cast<uint32_t*>(image_.scanLine(y));
    std::copy(src, src + w, dst);
  }
}

void MemoryDC::Release() {
  image_ = QImage();
  width_ = height_ = 0;
}

COLORREF MemoryDC::GetPixel(int32_t x, int32_t y) const {
  if (!Inside(x, y)) return kInvalidColour;
  const int32_t dx = std::min(Device(x), image_.width() - 1), dy = std::min(Device(y), image_.height() - 1);
  return FromQRgb(reinterpret_cast<const uint32_t*>(image_.constScanLine(dy))[dx]);
}

void MemoryDC::FillDevice(int32_t l, int32_t t, int32_t r, int32_t b, uint32_t argb) {
  l = std::max(l, 0);
  t = std::max(t, 0);
  r = std::min(r, image_.width());
  b = std::min(b, image_.height());
  for (int32_t y = t; y < b; ++y) {
    auto* line = reinterpret_cast<uint32_t*>(image_.scanLine(y));
    std::fill(line + l, line + std::max(l, r), argb);
  }
}

void MemoryDC::Plot(int32_t x, int32_t y, uint32_t argb) {
  if (!Inside(x, y)) return;
  if (ratio_ == 1.0) {
    reinterpret_cast<uint32_t*>(image_.scanLine(y))[x] = argb;
  } else {
    FillDevice(Device(x), Device(y), Device(x + 1), Device(y + 1), argb);
  }
}

void MemoryDC::SetPixel(int32_t x, int32_t y, COLORREF colour) { Plot(x, y, ToQRgb(colour)); }

void MemoryDC::FillRect(const Rect& rect, COLORREF colour) {
  const int32_t l = std::max(rect.left, 0);
  const int32_t t = std::max(rect.top, 0);
  const int32_t r = std::min(rect.right, Width());
  const int32_t b = std::min(rect.bottom, Height());
  if (r <= l || b <= t) return;
  FillDevice(Device(l), Device(t), Device(r), Device(b), ToQRgb(colour));
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
  Blit(x, y, w, h, source, sx, sy, nullptr);
}

void MemoryDC::BitBltKeyed(int32_t x, int32_t y, int32_t w, int32_t h, const MemoryDC& source, int32_t sx,
                           int32_t sy, COLORREF key) {
  const uint32_t keyArgb = ToQRgb(key);
  Blit(x, y, w, h, source, sx, sy, &keyArgb);
}

void MemoryDC::Blit(int32_t x, int32_t y, int32_t w, int32_t h, const MemoryDC& source, int32_t sx, int32_t sy,
                    const uint32_t* key) {
  if (!ClipBlit(x, y, w, h, sx, sy, Width(), Height(), source.Width(), source.Height())) return;
  const QImage src = source.image_;  // a shared copy keeps overlapping blits exact
  // Which source device pixel each destination device pixel of the block
  // takes: the same one when the ratios agree, the nearest otherwise.
  auto map = [&](int32_t d, int32_t s0, int32_t len, const MemoryDC& dst, int32_t limit) {
    std::vector<int32_t> m;
    const int32_t from = dst.Device(d), to = dst.Device(d + len);
    const int32_t sFrom = source.Device(s0), sTo = std::min(source.Device(s0 + len), limit);
    m.reserve(static_cast<std::size_t>(std::max(to - from, 0)));
    for (int32_t p = from; p < to; ++p) {
      int32_t q = sFrom + (p - from);
      if (dst.ratio_ != source.ratio_ || to - from != sTo - sFrom) {
        const double logical = (p + 0.5) / dst.ratio_ - d;
        q = static_cast<int32_t>(std::floor((s0 + logical) * source.ratio_));
      }
      m.push_back(std::clamp(q, sFrom, std::max(sFrom, sTo - 1)));
    }
    return m;
  };
  const std::vector<int32_t> columns = map(x, sx, w, *this, src.width());
  const std::vector<int32_t> rows = map(y, sy, h, *this, src.height());
  const int32_t left = Device(x), top = Device(y);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const int32_t dy = top + static_cast<int32_t>(row);
    if (dy < 0 || dy >= image_.height()) continue;
    const auto* s = reinterpret_cast<const uint32_t*>(src.constScanLine(rows[row]));
    auto* d = reinterpret_cast<uint32_t*>(image_.scanLine(dy));
    for (std::size_t col = 0; col < columns.size(); ++col) {
      const int32_t dx = left + static_cast<int32_t>(col);
      if (dx < 0 || dx >= image_.width()) continue;
      const uint32_t pixel = s[columns[col]] | 0xFF000000u;
      if (key == nullptr || pixel != *key) d[dx] = pixel;
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
