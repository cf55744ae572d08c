#include "platform/flexgrid/widget/FlexGridLayout.h"

#include <algorithm>

#include "platform/runtime/Rounding.h"

namespace {

template <typename SizeOf>
std::vector<FlexGridLayout::Band> Lay(int32_t count, int32_t fixed, int32_t first, int32_t extent,
                                      SizeOf sizeOf) {
  std::vector<FlexGridLayout::Band> bands;
  int32_t pos = 0;
  for (int32_t i = 0; i < fixed && i < count && pos < extent; ++i) {
    const int32_t size = sizeOf(i);
    if (size > 0) bands.push_back({i, pos, size, true});
    pos += size;
  }
  for (int32_t i = std::max(first, fixed); i < count && pos < extent; ++i) {
    const int32_t size = sizeOf(i);
    if (size > 0) bands.push_back({i, pos, size, false});
    pos += size;
  }
  return bands;
}

template <typename SizeOf>
int32_t FixedExtent(int32_t fixed, SizeOf sizeOf) {
  int32_t total = 0;
  for (int32_t i = 0; i < fixed; ++i) total += sizeOf(i);
  return total;
}

// The largest first index whose run to the end fits in what the fixed part
// leaves.
template <typename SizeOf>
int32_t MaxFirst(int32_t count, int32_t fixed, int32_t extent, SizeOf sizeOf) {
  const int32_t room = extent - FixedExtent(fixed, sizeOf);
  int32_t used = 0;
  int32_t first = count;
  while (first > fixed) {
    const int32_t size = sizeOf(first - 1);
    if (used + size > room) break;
    used += size;
    --first;
  }
  if (first >= count) first = std::max(count - 1, fixed);
  return std::max(first, fixed);
}

template <typename SizeOf>
int32_t FirstShowing(int32_t fixed, int32_t current, int32_t extent, int32_t index, SizeOf sizeOf) {
  if (index < fixed) return current;
  if (index < current) return index;
  const int32_t room = extent - FixedExtent(fixed, sizeOf);
  int32_t used = 0;
  for (int32_t i = current; i <= index; ++i) used += sizeOf(i);
  int32_t first = current;
  while (used > room && first < index) {
    used -= sizeOf(first);
    ++first;
  }
  return first;
}

}  // namespace

int32_t FlexGridLayout::RowPixels(const FlexGridModel& grid, int32_t row) {
  return std::max(runtime::TwipsToPixels(grid.RowHeight(row)), 0);
}

int32_t FlexGridLayout::ColPixels(const FlexGridModel& grid, int32_t col) {
  return std::max(runtime::TwipsToPixels(grid.ColWidth(col)), 0);
}

FlexGridLayout::FlexGridLayout(const FlexGridModel& grid, int32_t width, int32_t height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  rows_ = Lay(grid.Rows(), grid.FixedRows(), grid.TopRow(), height_,
              [&grid](int32_t r) { return RowPixels(grid, r); });
  cols_ = Lay(grid.Cols(), grid.FixedCols(), grid.LeftCol(), width_,
              [&grid](int32_t c) { return ColPixels(grid, c); });
}

int32_t FlexGridLayout::RowAt(int32_t y) const {
  for (const Band& b : rows_) {
    if (y >= b.start && y < b.End()) return b.index;
  }
  return -1;
}

int32_t FlexGridLayout::ColAt(int32_t x) const {
  for (const Band& b : cols_) {
    if (x >= b.start && x < b.End()) return b.index;
  }
  return -1;
}

const FlexGridLayout::Band* FlexGridLayout::Find(const std::vector<Band>& bands, int32_t index) {
  for (const Band& b : bands) {
    if (b.index == index) return &b;
  }
  return nullptr;
}

QRect FlexGridLayout::CellRect(int32_t row, int32_t col) const {
  const Band* r = Find(rows_, row);
  const Band* c = Find(cols_, col);
  if (r == nullptr || c == nullptr) return {};
  return QRect(c->start, r->start, c->size, r->size);
}

bool FlexGridLayout::RowFullyVisible(int32_t row) const {
  const Band* r = Find(rows_, row);
  return r != nullptr && r->End() <= height_;
}

bool FlexGridLayout::ColFullyVisible(int32_t col) const {
  const Band* c = Find(cols_, col);
  return c != nullptr && c->End() <= width_;
}

int32_t FlexGridLayout::MaxTopRow(const FlexGridModel& grid, int32_t height) {
  return MaxFirst(grid.Rows(), grid.FixedRows(), height, [&grid](int32_t r) { return RowPixels(grid, r); });
}

int32_t FlexGridLayout::MaxLeftCol(const FlexGridModel& grid, int32_t width) {
  return MaxFirst(grid.Cols(), grid.FixedCols(), width, [&grid](int32_t c) { return ColPixels(grid, c); });
}

int32_t FlexGridLayout::TopRowShowing(const FlexGridModel& grid, int32_t height, int32_t row) {
  return FirstShowing(grid.FixedRows(), grid.TopRow(), height, row,
                      [&grid](int32_t r) { return RowPixels(grid, r); });
}

int32_t FlexGridLayout::LeftColShowing(const FlexGridModel& grid, int32_t width, int32_t col) {
  return FirstShowing(grid.FixedCols(), grid.LeftCol(), width, col,
                      [&grid](int32_t c) { return ColPixels(grid, c); });
}
