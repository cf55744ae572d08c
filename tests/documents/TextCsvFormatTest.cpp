#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridFixtures.h"
#include "documents/DocumentFile.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/FlexGridModel.h"

namespace {

using namespace basFlexGridHTML;

std::string Csv(const FlexGridModel& grid) {
  DocumentFile file;
  WriteCsvTable(grid, file, 0, grid.Rows() - 1, 0, grid.Cols() - 1);
  return file.Bytes();
}

std::string Text(const FlexGridModel& grid, int32_t firstRow = 0, int32_t firstCol = 0) {
  DocumentFile file;
  WriteTextTable(grid, file, firstRow, grid.Rows() - 1, firstCol, grid.Cols() - 1);
  return file.Bytes();
}

TEST(CsvTable, QuotesEveryTrimmedCellAndSeparatesWithCommas) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{" Name", " Pts"}, {"A", "B"}, {"  Josh Allen ", ""}});
  EXPECT_EQ(Csv(grid), "\"Name\",\"Pts\"\r\n\"A\",\"B\"\r\n\"Josh Allen\",\"\"\r\n");
}

TEST(CsvTable, QuotationMarksInsideATextAreDoubled) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"Josh \"The Bull\" Allen", "\""}});
  EXPECT_EQ(Csv(grid), "\"Josh \"\"The Bull\"\" Allen\",\"\"\"\"\r\n");
}

// Three rows, two columns: a merged title of 12 characters, the headings
// " Name" and " Pts", a name of 8 characters and a number of 5; column 0
// left-aligned, column 1 right-aligned. Widths 10 and 7, lines of 18.
TEST(TextTable, WorkedExampleLaysOutTitleHeadingsAndValues) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"Cheat Sheets", "Cheat Sheets"}, {" Name", " Pts"}, {"J. Allen", "412.5"}});
  grid.SetMergeRow(0, true);
  grid.SetColAlignment(0, 1);
  grid.SetColAlignment(1, 7);
  EXPECT_EQ(Text(grid),
            "Cheat Sheets      \r\n"
            "Name        Pts   \r\n"
            "J. Allen  412.5   \r\n"
            " \r\n");
}

TEST(TextTable, MeasuresWidthsAndPositionsOfTheWorkedExample) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"Cheat Sheets", "Cheat Sheets"}, {" Name", " Pts"}, {"J. Allen", "412.5"}});
  grid.SetMergeRow(0, true);
  grid.SetColAlignment(1, 7);
  std::vector<int32_t> width, position, alignment;
  MeasureTextColumns(width, position, alignment, 0, 1, grid);
  EXPECT_EQ(width, (std::vector<int32_t>{10, 7}));
  EXPECT_EQ(position, (std::vector<int32_t>{1, 11}));
  EXPECT_EQ(alignment, (std::vector<int32_t>{9, 7}));
}

TEST(TextTable, ALongerMergedTitleWidensOnlyTheFirstColumnOfItsSpan) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"Quarterbacks of 2024", "Quarterbacks of 2024"}, {"12345678", "12345"}});
  grid.SetMergeRow(0, true);
  std::vector<int32_t> width, position, alignment;
  MeasureTextColumns(width, position, alignment, 0, 1, grid);
  EXPECT_EQ(width, (std::vector<int32_t>{17, 7}));
}

TEST(TextTable, LaterMergedRowsAreMeasuredAtTheEndOfTheSpanFound) {
  // Row 0 spans columns 0 and 1, so row 1 is examined at column 1, and its
  // long text in column 0 is never measured.
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"AAAA", "AAAA", "x"}, {"LongTextHere", "b", "c"}, {"1", "2", "3"}});
  grid.SetMergeRow(0, true);
  grid.SetMergeRow(1, true);
  std::vector<int32_t> width, position, alignment;
  MeasureTextColumns(width, position, alignment, 0, 2, grid);
  EXPECT_EQ(width, (std::vector<int32_t>{5, 3, 3}));
  EXPECT_EQ(position, (std::vector<int32_t>{1, 6, 9}));
}

TEST(TextTable, ALineBreakInsideACellCountsAsOneBlank) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"Team\r\nBUF", "x"}, {"a\nb\rc", ""}});
  grid.SetColAlignment(0, 1);
  EXPECT_EQ(Text(grid),
            "Team BUF  x   \r\n"
            "a b c         \r\n"
            " \r\n");
}

TEST(TextTable, ARightAlignedTextWiderThanItsRoomStartsAtTheFirstColumn) {
  // Row 1 is merged and its text sits in the last column, which merged rows
  // do not measure: 9 characters into a line of 7.
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"a", "b"}, {"x", "LongRight"}});
  grid.SetMergeRow(1, true);
  grid.SetColAlignment(0, 1);
  grid.SetColAlignment(1, 7);
  EXPECT_EQ(Text(grid),
            "a  b   \r\n"
            "LongRig\r\n"
            " \r\n");
}

TEST(TextTable, CountsCharactersNotBytes) {
  // A byte that is not UTF-8 counts as one character and is written back as it was.
  const std::string stray = std::string("a\xFF") + "b";
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"Peñaloza", "7"}, {stray, ""}});
  grid.SetColAlignment(1, 7);
  EXPECT_EQ(Text(grid), "Peñaloza  7   \r\n" + stray + "           \r\n \r\n");
}

TEST(TextTable, ColumnsBeforeTheRangeStayBlankAndANegativeFirstRowCountsAsZero) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"abc", "de"}, {"f", "g"}});
  grid.SetColAlignment(1, 1);
  EXPECT_EQ(Text(grid, -1, 1),
            "     de   \r\n"
            "     g    \r\n"
            " \r\n");
}

TEST(TextTable, EmptyTextsAreSkippedInMergedRows) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"", "", "T"}, {"aa", "bb", "cc"}});
  grid.SetMergeRow(0, true);
  grid.SetColAlignment(-1, 7);
  EXPECT_EQ(Text(grid),
            "         T   \r\n"
            "aa  bb  cc   \r\n"
            " \r\n");
}

TEST(TextFooter, NamesTheProgram) {
  DocumentFile file;
  WriteTextFooter(file);
  EXPECT_EQ(file.Bytes(), "Page Generated By Kickwell Draftyard\r\n");
}

}  // namespace
