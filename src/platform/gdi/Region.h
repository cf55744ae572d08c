#pragma once
// A region of pixels made from a polygon or a rectangle, kept as horizontal
// spans per row. Pixel (x, y) belongs to a polygon region when the lattice
// point (x, y) lies inside the polygon; points exactly on an edge count on
// the left and top sides only, so the right and bottom edges stay outside,
// as on the platform, and a polygon outlined with a pen through the same
// vertices closes the region exactly.

#include <cstdint>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace gdi {

class Region {
 public:
  struct Span {
    int32_t y = 0;
    int32_t left = 0;   // inclusive
    int32_t right = 0;  // exclusive
    friend bool operator==(const Span&, const Span&) = default;
  };

  Region() = default;
  static Region FromRect(const Rect& rect);
  static Region FromPolygon(const std::vector<Point>& points, FillMode mode);

  bool Empty() const { return spans_.empty(); }
  bool Contains(int32_t x, int32_t y) const;
  // Spans in rows from top to bottom, left to right within a row.
  const std::vector<Span>& Spans() const { return spans_; }
  Rect Bounds() const;

 private:
  std::vector<Span> spans_;
};

}  // namespace gdi
