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
using basFlexGridCommon::ColourToRgb;

TEST(ColourToHtml, WritesRedGreenBlueInUpperCaseHex) {
  EXPECT_EQ(ColourToHtml(0x0000FF), "#FF0000");
  EXPECT_EQ(ColourToHtml(0), "#000000");
  EXPECT_EQ(ColourToHtml(0xFFFFFF), "#FFFFFF");
  EXPECT_EQ(ColourToHtml(12243138), "#C2D0BA");
  EXPECT_EQ(ColourToHtml(0x0A0B0C), "#0C0B0A");
}

TEST(ColourToHtml, SystemColourReferencesAreNotConverted) {
  EXPECT_EQ(ColourToHtml(-2147483633), "");
  EXPECT_EQ(ColourToHtml(-1), "");
}

TEST(ColourToRgb, SplitsTheLowThreeBytes) {
  int32_t r = -1, g = -1, b = -1;
  ColourToRgb(15331820, r, g, b);
  EXPECT_EQ(r, 236);
  EXPECT_EQ(g, 241);
  EXPECT_EQ(b, 233);
  ColourToRgb(-5, r, g, b);
  EXPECT_EQ(r + g + b, 0);
}

TEST(HighlightGridRow, ColoursEveryCellOfTheRowAndKeepsTheCurrentCell) {
  FlexGridModel grid;
  grid.SetRows(4);
  grid.SetCols(3);
  grid.SetRow(3);
  grid.SetCol(2);
  basFlexGridCommon::HighlightGridRow(grid, 1, 0x00FF00);
  for (int32_t c = 0; c < 3; ++c) EXPECT_EQ(grid.CellBackColorAt(1, c), 0x00FF00);
  EXPECT_EQ(grid.CellBackColorAt(2, 0), grid.BackColor());
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(grid.Col(), 2);
}

TEST(HighlightGridRow, ARowAtOrBeyondRowsChangesNothing) {
  FlexGridModel grid;
  basFlexGridCommon::HighlightGridRow(grid, 2, 0x00FF00);
  basFlexGridCommon::HighlightGridRow(grid, -1, 0x00FF00);
  for (int32_t r = 0; r < 2; ++r)
    for (int32_t c = 0; c < 2; ++c) EXPECT_EQ(grid.CellBackColorAt(r, c), grid.BackColor());
}

TEST(CheckMarkGlyph, IsPAfterStartUp) {
  basFlexGridCommon::SetCheckMarkGlyph();
  EXPECT_EQ(basFlexGridCommon::CheckMarkGlyph, "P");
}

TEST(RgbToHsl, GreyAndWhiteHaveNoHueOrSaturation) {
  EXPECT_EQ(RgbToHsl({128, 128, 128}), (Hsl{0, 0, 128 / 255.0}));
  EXPECT_EQ(RgbToHsl({255, 255, 255}), (Hsl{0, 0, 1}));
  EXPECT_EQ(RgbToHsl({0, 0, 0}), (Hsl{0, 0, 0}));
}

TEST(RgbToHsl, HueFollowsTheLargestChannelEarliestFirst) {
  EXPECT_EQ(RgbToHsl({255, 0, 0}), (Hsl{0, 1, 0.5}));
  EXPECT_EQ(RgbToHsl({0, 255, 0}), (Hsl{120, 1, 0.5}));
  EXPECT_EQ(RgbToHsl({0, 0, 255}), (Hsl{240, 1, 0.5}));
  EXPECT_EQ(RgbToHsl({255, 0, 255})[0], 300) << "red and blue tie: red decides, 360 added";
  EXPECT_EQ(RgbToHsl({255, 255, 0})[0], 60);
  EXPECT_EQ(RgbToHsl({0, 255, 255})[0], 180);
}

TEST(RgbToHsl, SaturationUsesTheLightOrDarkFormula) {
  const Hsl dark = RgbToHsl({100, 50, 50});  // L below one half
  EXPECT_DOUBLE_EQ(dark[1], (50 / 255.0) / (150 / 255.0));
  const Hsl light = RgbToHsl({250, 200, 200});  // L above one half
  EXPECT_DOUBLE_EQ(light[1], (50 / 255.0) / (2 - 450 / 255.0));
}

TEST(HslToRgb, RoundsHalvesToEven) {
  EXPECT_EQ(HslToRgb({0, 0, 0.3}), (Rgb{76, 76, 76})) << "76.5 rounds to 76";
  EXPECT_EQ(HslToRgb({0, 0, 0.7}), (Rgb{178, 178, 178})) << "178.5 rounds to 178";
  EXPECT_EQ(HslToRgb({0, 0, 0.5}), (Rgb{128, 128, 128}));
}

TEST(HslToRgb, PrimaryHuesAtTheExtremes) {
  EXPECT_EQ(HslToRgb({0, 1, 0.5}), (Rgb{255, 0, 0}));
  EXPECT_EQ(HslToRgb({120, 1, 0.5}), (Rgb{0, 255, 0}));
  EXPECT_EQ(HslToRgb({240, 1, 0.5}), (Rgb{0, 0, 255}));
  EXPECT_EQ(HslToRgb({360, 1, 0.5}), (Rgb{255, 0, 0}));
  EXPECT_EQ(HslToRgb({200, 1, 0}), (Rgb{0, 0, 0}));
  EXPECT_EQ(HslToRgb({200, 1, 1}), (Rgb{255, 255, 255}));
}

TEST(HslToRgb, RoundTripsEveryColourOfACoarseCube) {
  for (int32_t r = 0; r <= 255; r += 15)
    for (int32_t g = 0; g <= 255; g += 17)
      for (int32_t b = 0; b <= 255; b += 51) {
        const Rgb rgb{r, g, b};
        EXPECT_EQ(HslToRgb(RgbToHsl(rgb)), rgb) << r << "," << g << "," << b;
      }
}

TEST(RgbToColour, PutsRedInTheLowByte) {
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

TEST(CheckDisplayGridColumns, AGridWithoutColumnsIsRefused) {
  std::string message = "kept?";
  EXPECT_FALSE(basGridValidation::CheckDisplayGridColumns({}, message));
  EXPECT_EQ(message, "Display grid contains no columns.");
}

TEST(CheckDisplayGridColumns, WidthsUpTo1600PassAndColumnsCountFromOne) {
  std::string message;
  EXPECT_TRUE(basGridValidation::CheckDisplayGridColumns({{1, 1600}, {2, 0}}, message));
  EXPECT_EQ(message, "");
  EXPECT_FALSE(basGridValidation::CheckDisplayGridColumns({{1, 1601}, {2, 10}, {3, 5000}}, message));
  EXPECT_EQ(message, "Column [1] width exceeds limit.\r\nColumn [3] width exceeds limit.\r\n");
}

TEST(CheckDisplayGridColumns, ACategoryShownThreeTimesGivesOneLinePerPair) {
  std::string message = "Earlier.\r\n";
  EXPECT_FALSE(basGridValidation::CheckDisplayGridColumns({{84, 50}, {7, 50}, {84, 50}, {84, 50}}, message));
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

TEST(ValidateDisplayGridFile, ChecksTheColumnsOfTheFileAndShowsNothing) {
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
            "Earlier.\r\n"
            "Category ID [84] found multiple times.\r\n"
            "Column [2] width exceeds limit.\r\n");

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
