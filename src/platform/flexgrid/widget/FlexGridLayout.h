#pragma once
// Where the cells of a grid fall in its cell area: the fixed rows and
// columns first, then the scrollable ones from TopRow and LeftCol, whole
// rows and columns at a time. Sizes come from the model's twips at 15 twips
// to the pixel. Plain geometry, shared by the painter, the hit tests and the
// scroll bars.

#include <QRect>
#include <cstdint>
#include <vector>

#include "platform/flexgrid/FlexGridModel.h"

class FlexGridLayout {
 public:
  struct Band {
    int32_t index = 0;  // row or column of the grid
    int32_t start = 0;  // pixels from the cell area's edge
    int32_t size = 0;
    bool fixed = false;
    int32_t End() const { return start + size; }
  };

  FlexGridLayout() = default;
  FlexGridLayout(const FlexGridModel& grid, int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // The rows and columns shown (partly or wholly), in screen order.
  const std::vector<Band>& RowBands() const { return rows_; }
  const std::vector<Band>& ColBands() const { return cols_; }

  // The row or column under a point of the cell area; -1 for none.
  int32_t RowAt(int32_t y) const;
  int32_t ColAt(int32_t x) const;
  // The cell's rectangle in the cell area; a null rectangle when not shown.
  QRect CellRect(int32_t row, int32_t col) const;
  bool RowFullyVisible(int32_t row) const;
  bool ColFullyVisible(int32_t col) const;

  static int32_t RowPixels(const FlexGridModel& grid, int32_t row);
  static int32_t ColPixels(const FlexGridModel& grid, int32_t col);
  // The largest TopRow (LeftCol) that still fills the height (width): with
  // it the last row (column) ends inside the area. FixedRows (FixedCols)
  // when everything fits.
  static int32_t MaxTopRow(const FlexGridModel& grid, int32_t height);
  static int32_t MaxLeftCol(const FlexGridModel& grid, int32_t width);
  // The TopRow (LeftCol) that shows `row` (`col`) wholly with as little
  // scrolling as possible from the current one.
  static int32_t TopRowShowing(const FlexGridModel& grid, int32_t height, int32_t row);
  static int32_t LeftColShowing(const FlexGridModel& grid, int32_t width, int32_t col);

 private:
  static const Band* Find(const std::vector<Band>& bands, int32_t index);

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<Band> rows_;
  std::vector<Band> cols_;
};
