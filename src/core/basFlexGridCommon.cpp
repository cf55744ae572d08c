#include "core/basFlexGridCommon.h"

#include <cstdio>

#include "core/basColourScheme.h"
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

void LayOutTable(FlexGridModel& grid, int32_t rows, const std::vector<TableColumn>& columns, int32_t minHeight) {
  const auto cols = static_cast<int32_t>(columns.size());
  grid.SetCols(cols);
  grid.SetRows(rows);
  grid.SetFixedRows(1);
  grid.SetFixedCols(0);
  grid.SetRowHeightMin(minHeight);
  grid.SetBackColorFixed(PaletteColour[basColourScheme::kHeadingColour]);
  for (int32_t c = 0; c < cols; ++c) {
    const TableColumn& column = columns[static_cast<std::size_t>(c)];
    grid.SetColWidth(c, column.width);
    grid.SetColAlignment(c, column.alignment);
    grid.SetTextMatrix(0, c, column.heading);
  }
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
