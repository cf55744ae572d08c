#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/basFlexGridCommon.h"
#include "platform/flexgrid/FlexGridModel.h"

namespace {

using basFlexGridCommon::ColourToHtml;

TEST(ColourToHtml, WritesRedGreenBlueInUpperCaseHexAndSkipsSystemColours) {
  EXPECT_EQ(ColourToHtml(0x0000FF), "#FF0000");
  EXPECT_EQ(ColourToHtml(0), "#000000");
  EXPECT_EQ(ColourToHtml(0xFFFFFF), "#FFFFFF");
  EXPECT_EQ(ColourToHtml(12243138), "#C2D0BA");
  EXPECT_EQ(ColourToHtml(0x0A0B0C), "#0C0B0A");
  EXPECT_EQ(ColourToHtml(-2147483633), "");
  EXPECT_EQ(ColourToHtml(-1), "");
}

TEST(ColourToRgb, SplitsTheLowThreeBytes) {
  int32_t r = -1, g = -1, b = -1;
  basFlexGridCommon::ColourToRgb(15331820, r, g, b);
  EXPECT_EQ((std::vector<int32_t>{r, g, b}), (std::vector<int32_t>{236, 241, 233}));
  basFlexGridCommon::ColourToRgb(-5, r, g, b);
  EXPECT_EQ(r + g + b, 0);
}

TEST(HighlightGridRow, ColoursOneRowKeepsTheCurrentCellAndIgnoresRowsOutside) {
  FlexGridModel grid;
  grid.SetRows(4);
  grid.SetCols(3);
  grid.SetRow(3);
  grid.SetCol(2);
  basFlexGridCommon::HighlightGridRow(grid, 1, 0x00FF00);
  basFlexGridCommon::HighlightGridRow(grid, 4, 0x00FF00);
  basFlexGridCommon::HighlightGridRow(grid, -1, 0x00FF00);
  for (int32_t r = 0; r < 4; ++r)
    for (int32_t c = 0; c < 3; ++c)
      EXPECT_EQ(grid.CellBackColorAt(r, c), r == 1 ? 0x00FF00 : grid.BackColor()) << r << "," << c;
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(grid.Col(), 2);
}

TEST(CheckMarkGlyph, IsPAfterStartUp) {
  basFlexGridCommon::SetCheckMarkGlyph();
  EXPECT_EQ(basFlexGridCommon::CheckMarkGlyph, "P");
}

}  // namespace
