#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FakeSeams.h"
#include "TempDir.h"
#include "database/clsDisplayGridIsolate.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "toolkit/basDrawColourGrad.h"
#include "toolkit/basFlexGridCommon.h"
#include "toolkit/basGridValidation.h"

namespace {

using basDrawColourGrad::Hsl;
using basDrawColourGrad::HslToRgb;
using basDrawColourGrad::Rgb;
using basDrawColourGrad::RgbToHsl;
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

TEST(RgbToHsl, HandWorkedColours) {
  struct Case {
    Rgb rgb;
    Hsl hsl;
  };
  for (const Case& c : {Case{{128, 128, 128}, {0, 0, 128 / 255.0}}, Case{{255, 255, 255}, {0, 0, 1}},
                        Case{{0, 0, 0}, {0, 0, 0}}, Case{{255, 0, 0}, {0, 1, 0.5}},
                        Case{{0, 255, 0}, {120, 1, 0.5}}, Case{{0, 0, 255}, {240, 1, 0.5}},
                        // red and blue tie: red decides, 360 added
                        Case{{255, 0, 255}, {300, 1, 0.5}}, Case{{255, 255, 0}, {60, 1, 0.5}},
                        Case{{0, 255, 255}, {180, 1, 0.5}}}) {
    SCOPED_TRACE(testing::Message() << c.rgb[0] << "," << c.rgb[1] << "," << c.rgb[2]);
    EXPECT_EQ(RgbToHsl(c.rgb), c.hsl);
  }
  // Saturation by the dark (L < 1/2) and the light formula.
  EXPECT_DOUBLE_EQ(RgbToHsl({100, 50, 50})[1], (50 / 255.0) / (150 / 255.0));
  EXPECT_DOUBLE_EQ(RgbToHsl({250, 200, 200})[1], (50 / 255.0) / (2 - 450 / 255.0));
}

TEST(HslToRgb, HandWorkedColoursWithHalvesRoundedToEven) {
  struct Case {
    Hsl hsl;
    Rgb rgb;
  };
  for (const Case& c : {Case{{0, 0, 0.3}, {76, 76, 76}},  // 76.5
                        Case{{0, 0, 0.7}, {178, 178, 178}}, Case{{0, 0, 0.5}, {128, 128, 128}},
                        Case{{0, 1, 0.5}, {255, 0, 0}}, Case{{120, 1, 0.5}, {0, 255, 0}},
                        Case{{240, 1, 0.5}, {0, 0, 255}}, Case{{360, 1, 0.5}, {255, 0, 0}},
                        Case{{200, 1, 0}, {0, 0, 0}}, Case{{200, 1, 1}, {255, 255, 255}}}) {
    SCOPED_TRACE(testing::Message() << c.hsl[0] << "," << c.hsl[1] << "," << c.hsl[2]);
    EXPECT_EQ(HslToRgb(c.hsl), c.rgb);
  }
  for (int32_t r = 0; r <= 255; r += 15)
    for (int32_t g = 0; g <= 255; g += 17)
      for (int32_t b = 0; b <= 255; b += 51)
        EXPECT_EQ(HslToRgb(RgbToHsl({r, g, b})), (Rgb{r, g, b})) << r << "," << g << "," << b;
}

TEST(RgbToColour, PutsRedInTheLowByteAndClamps) {
  EXPECT_EQ(basDrawColourGrad::RgbToColour(194, 208, 186), 12243138);
  EXPECT_EQ(basDrawColourGrad::RgbToColour(300, -4, 0), 255);
}

TEST(DefaultDisplayGridFile, NamesTheDefaultOfEachKind) {
  using basGridValidation::DefaultDisplayGridFile;
  EXPECT_EQ(DefaultDisplayGridFile(1), "Mock Draft - Default.dis");
  EXPECT_EQ(DefaultDisplayGridFile(2), "Cheat Sheet - Default.dis");
  EXPECT_EQ(DefaultDisplayGridFile(5), "Stats - Team Defense.dis");
  EXPECT_EQ(DefaultDisplayGridFile(10), "UserMock - Small Roster.dis");
  EXPECT_EQ(DefaultDisplayGridFile(0), "");
  EXPECT_EQ(DefaultDisplayGridFile(11), "");
}

TEST(CheckDisplayGridColumns, RefusesNoColumnsWideColumnsAndRepeatedCategories) {
  using basGridValidation::CheckDisplayGridColumns;
  std::string message = "kept?";
  EXPECT_FALSE(CheckDisplayGridColumns({}, message));
  EXPECT_EQ(message, "Display grid contains no columns.");
  message.clear();
  EXPECT_TRUE(CheckDisplayGridColumns({{1, 1600}, {2, 0}}, message));
  EXPECT_EQ(message, "");
  // Columns count from one.
  EXPECT_FALSE(CheckDisplayGridColumns({{1, 1601}, {2, 10}, {3, 5000}}, message));
  EXPECT_EQ(message, "Column [1] width exceeds limit.\r\nColumn [3] width exceeds limit.\r\n");
  // Shown three times: one line per pair, added to what was there.
  message = "Earlier.\r\n";
  EXPECT_FALSE(CheckDisplayGridColumns({{84, 50}, {7, 50}, {84, 50}, {84, 50}}, message));
  EXPECT_EQ(message,
            "Earlier.\r\n"
            "Category ID [84] found multiple times.\r\n"
            "Category ID [84] found multiple times.\r\n"
            "Category ID [84] found multiple times.\r\n");
}

// A display-grid file written by the grid's own writer: (category, width) per column.
std::string SaveGrid(const kdtest::TempDir& dir, const std::string& name,
                     const std::vector<std::pair<int32_t, int16_t>>& columns) {
  clsDisplayGridIsolate grid;
  grid.SetFilePath(dir.File(name));
  grid.SetColumnMax(static_cast<int32_t>(columns.size()) - 1);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const auto col = static_cast<int32_t>(i);
    grid.SetTableFieldID(col, columns[i].first);
    grid.SetOrderNumber(col, static_cast<uint8_t>(i + 1));
    grid.SetColumnWidth(col, columns[i].second);
  }
  EXPECT_TRUE(grid.SaveFile());
  return dir.File(name);
}

TEST(ValidateDisplayGridFile, ChecksTheFilesColumnsAndShowsNothing) {
  kdtest::ScopedFakeSeams seams;
  kdtest::TempDir dir;
  std::string message;
  EXPECT_TRUE(
      basGridValidation::ValidateDisplayGridFile(SaveGrid(dir, "ok.dis", {{1, 1600}, {84, 45}}), message));
  EXPECT_EQ(message, "");
  message = "Earlier.\r\n";
  EXPECT_FALSE(basGridValidation::ValidateDisplayGridFile(
      SaveGrid(dir, "bad.dis", {{84, 50}, {7, 1601}, {84, 50}}), message));
  EXPECT_EQ(message,
            "Earlier.\r\nCategory ID [84] found multiple times.\r\nColumn [2] width exceeds limit.\r\n");
  message = "Earlier.";
  EXPECT_FALSE(basGridValidation::ValidateDisplayGridFile(SaveGrid(dir, "empty.dis", {}), message));
  EXPECT_EQ(message, "Display grid contains no columns.");
  EXPECT_TRUE(seams.messages.captions.empty());
}

TEST(ValidateDisplayGridFile, AFileThatCannotBeOpenedReplacesTheMessage) {
  kdtest::ScopedFakeSeams seams;
  kdtest::TempDir dir;
  const std::string good = kdtest::ReadFile(SaveGrid(dir, "good.dis", {{1, 45}, {2, 45}}));
  kdtest::WriteFile(dir.File("short.dis"), good.substr(0, good.size() - 1));
  kdtest::WriteFile(dir.File("foreign.dis"), "Vellacorn League Properties" + good.substr(27));
  kdtest::WriteFile(dir.File("folder.dis/x"), "");
  for (const char* name : {"missing.dis", "short.dis", "foreign.dis", "folder.dis"}) {
    std::string message = "Earlier.\r\n";
    EXPECT_FALSE(basGridValidation::ValidateDisplayGridFile(dir.File(name), message)) << name;
    EXPECT_EQ(message, "Could not open display grid.") << name;
  }
  EXPECT_TRUE(seams.messages.captions.empty());
}

}  // namespace
