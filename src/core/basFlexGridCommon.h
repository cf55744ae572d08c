#pragma once
// Helpers that many grids share: row colouring, colours in HTML notation and
// as red, green and blue, and the check-mark glyph.
//
// Colours are 32-bit values: red in the low byte, then green,
// then blue. A negative value is a reference to a system colour, which these
// helpers do not resolve.

#include <cstdint>
#include <string>
#include <vector>

class FlexGridModel;

// Cell alignments as the editor pages give them (FlexGridModel's values).
inline constexpr int16_t kAlignLeft = 1;
inline constexpr int16_t kAlignCentre = 4;
inline constexpr int16_t kAlignRight = 7;
// What a ticked check-box cell of an editor's grid holds under its picture,
// for the grid's exports.
inline constexpr const char* kTickedCellText = "                  X";

namespace basFlexGridCommon {

// The one-character text that grids showing check marks display in their
// check-mark font; "P" once SetCheckMarkGlyph has run at start-up.
inline std::string CheckMarkGlyph;
void SetCheckMarkGlyph();

// Empties the grid to `cols` columns and `rows` rows, the first `fixedRows`
// rows and `fixedCols` columns fixed.
void ResetGrid(FlexGridModel& grid, int32_t cols, int32_t rows, int32_t fixedRows, int32_t fixedCols);

// One column of a table grid: its heading, width in twips and alignment.
struct TableColumn {
  const char* heading;
  int32_t width;
  int16_t alignment;
};

// Makes the grid a table of `rows` rows with one column per entry: the
// first row fixed, in the heading colour, holding the headings; no fixed
// column; every row at least `minHeight` twips high. Other cells keep what
// they hold.
void LayOutTable(FlexGridModel& grid, int32_t rows, const std::vector<TableColumn>& columns, int32_t minHeight);

// Sets the back colour of every cell of the row, when the row exists. The
// current cell is left where it was.
void HighlightGridRow(FlexGridModel& grid, int16_t row, int32_t colour);

// "#RRGGBB" in upper-case hexadecimal; "" for a system colour (negative).
std::string ColourToHtml(int32_t colour);

// Red, green and blue bytes of the colour; 0, 0, 0 for a system colour.
void ColourToRgb(int32_t colour, int32_t& red, int32_t& green, int32_t& blue);

}  // namespace basFlexGridCommon
