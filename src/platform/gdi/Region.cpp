#include "platform/gdi/Region.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gdi {

Region Region::FromRect(const Rect& rect) {
  Region r;
  if (rect.right <= rect.left || rect.bottom <= rect.top) return r;
  for (int32_t y = rect.top; y < rect.bottom; ++y) r.spans_.push_back({y, rect.left, rect.right});
  return r;
}

Region Region::FromPolygon(const std::vector<Point>& points, FillMode mode) {
  Region r;
  if (points.size() < 3) return r;
  int64_t minY = std::numeric_limits<int32_t>::max();
  int64_t maxY = std::numeric_limits<int32_t>::min();
  for (const Point& p : points) {
    minY = std::min<int64_t>(minY, p.y);
    maxY = std::max<int64_t>(maxY, p.y);
  }
  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> crossings;
  const size_t n = points.size();
  for (int64_t y = minY; y < maxY; ++y) {
    const double yc = static_cast<double>(y);
    crossings.clear();
    for (size_t i = 0; i < n; ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % n];
      if (a.y == b.y) continue;
      const bool down = a.y < b.y;
      const double y0 = down ? a.y : b.y;
      const double y1 = down ? b.y : a.y;
      if (yc < y0 || yc >= y1) continue;
      const double t = (yc - a.y) / (static_cast<double>(b.y) - a.y);
      crossings.push_back({a.x + t * (static_cast<double>(b.x) - a.x), down ? 1 : -1});
    }
    if (crossings.size() < 2) continue;
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& rr) { return l.x < rr.x; });
    // Pixel x is inside when x lies in [from, to).
    auto addSpan = [&](double from, double to) {
      const auto first = static_cast<int64_t>(std::ceil(from));
      const auto last = static_cast<int64_t>(std::ceil(to));  // exclusive
      if (last <= first) return;
      Span s{static_cast<int32_t>(y), static_cast<int32_t>(first), static_cast<int32_t>(last)};
      if (!r.spans_.empty() && r.spans_.back().y == s.y && r.spans_.back().right >= s.left) {
        r.spans_.back().right = std::max(r.spans_.back().right, s.right);
      } else {
        r.spans_.push_back(s);
      }
    };
    if (mode == FillMode::kAlternate) {
      for (size_t i = 0; i + 1 < crossings.size(); i += 2) addSpan(crossings[i].x, crossings[i + 1].x);
    } else {
      int winding = 0;
      for (size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].dir;
        if (winding != 0) addSpan(crossings[i].x, crossings[i + 1].x);
      }
    }
  }
  return r;
}

bool Region::Contains(int32_t x, int32_t y) const {
  for (const Span& s : spans_) {
    if (s.y == y && x >= s.left && x < s.right) return true;
  }
  return false;
}

Rect Region::Bounds() const {
  if (spans_.empty()) return {};
  Rect b{spans_.front().left, spans_.front().y, spans_.front().right, spans_.back().y + 1};
  for (const Span& s : spans_) {
    b.left = std::min(b.left, s.left);
    b.right = std::max(b.right, s.right);
  }
  return b;
}

}  // namespace gdi
