#include "core/basFlexGridCommon.h"

#include <cstdio>

#include "platform/flexgrid/FlexGridModel.h"

namespace basFlexGridCommon {

void SetCheckMarkGlyph() { CheckMarkGlyph = "P"; }

void ResetGrid(FlexGridModel& grid, int32_t cols, int32_t rows, int32_t fixedRows, int32_t fixedCols) {
  grid.Clear();
  grid.SetCols(cols);
  grid.SetRows(rows);
  grid.SetFixedRows(fixedRows);
  grid.SetFixedCols(fixedCols);
}

void HighlightGridRow(FlexGridModel& grid, int16_t row, int32_t colour) {
  if (row < 0 || row >= grid.Rows()) return;
  for (int32_t c = 0; c < grid.Cols(); ++c) grid.SetCellBackColorAt(row, c, colour);
}

std::string ColourToHtml(int32_t colour) {
  if (colour < 0) return "";
  int32_t red = 0, green = 0, blue = 0;
  ColourToRgb(colour, red, green, blue);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(red), static_cast<unsigned>(green),
                static_cast<unsigned>(blue));
  return text;
}

void ColourToRgb(int32_t colour, int32_t& red, int32_t& green, int32_t& blue) {
  if (colour < 0) {
    red = green = blue = 0;
    return;
  }
  red = colour & 0xFF;
  green = (colour >> 8) & 0xFF;
  blue = (colour >> 16) & 0xFF;
}

}  // namespace basFlexGridCommon
