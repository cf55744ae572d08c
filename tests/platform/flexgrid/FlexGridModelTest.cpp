#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/flexgrid/FlexGridModel.h"

namespace {

// Records the events with the current cell at the moment each was raised.
struct EventLog {
  explicit EventLog(FlexGridModel& g) : grid(g) {
    id = grid.Subscribe([this](FlexGridEvent e) {
      if (e == FlexGridEvent::kChanged) {
        ++changes;
        return;
      }
      const std::string cell = std::to_string(grid.Row()) + "," + std::to_string(grid.Col());
      lines.push_back(e == FlexGridEvent::kLeaveCell   ? "Leave " + cell
                      : e == FlexGridEvent::kEnterCell ? "Enter " + cell
                                                       : "Scroll");
    });
  }
  ~EventLog() { grid.Unsubscribe(id); }
  FlexGridModel& grid;
  int32_t id = 0;
  std::vector<std::string> lines;
  int changes = 0;
};

struct TestPicture final : FlexGridPicture {
  int32_t WidthPixels() const override { return 9; }
  int32_t HeightPixels() const override { return 7; }
};

FlexGridModel& Sized(FlexGridModel& grid, int32_t rows, int32_t cols) {
  grid.SetRows(rows);
  grid.SetCols(cols);
  return grid;
}

TEST(FlexGridModel, UnsetCellBackColorFollowsTheGridBackColor) {
  FlexGridModel grid;
  EXPECT_EQ(grid.CellBackColorAt(0, 0), 0xFFFFFF);
  grid.SetBackColor(0x123456);
  EXPECT_EQ(grid.CellBackColorAt(0, 0), 0x123456);
  grid.SetCellBackColorAt(0, 0, 0);
  EXPECT_EQ(grid.CellBackColorAt(0, 0), 0) << "black set on purpose is not 'unset'";
  grid.SetBackColor(0x654321);
  EXPECT_EQ(grid.CellBackColorAt(0, 0), 0);
  EXPECT_EQ(grid.CellBackColorAt(1, 1), 0x654321);
}

TEST(FlexGridModel, SettingRowOrColRaisesLeaveThenEnterAroundAMoveOnly) {
  FlexGridModel grid;
  Sized(grid, 5, 4);
  EventLog log(grid);
  grid.SetRow(1);  // the same cell, then cells outside the grid: nothing
  grid.SetRow(5);
  grid.SetRow(-1);
  grid.SetCol(4);
  EXPECT_TRUE(log.lines.empty());
  grid.SetRow(3);
  grid.SetCol(2);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Leave 1,1", "Enter 3,1", "Leave 3,1", "Enter 3,2"}));
}

TEST(FlexGridModel, AnEnterCellHandlerMayMoveTheCellAgain) {
  FlexGridModel grid;
  Sized(grid, 5, 4);
  const int32_t id = grid.Subscribe([&](FlexGridEvent e) {
    if (e == FlexGridEvent::kEnterCell && grid.Col() == 0) grid.SetCol(1);
  });
  grid.SetCol(0);
  EXPECT_EQ(grid.Col(), 1);
  grid.Unsubscribe(id);
}

TEST(FlexGridModel, ListenersMayUnsubscribeWhileBeingCalled) {
  FlexGridModel grid;
  Sized(grid, 5, 4);
  int first = 0, second = 0;
  int32_t secondId = 0;
  const int32_t firstId = grid.Subscribe([&](FlexGridEvent e) {
    if (e != FlexGridEvent::kEnterCell) return;
    ++first;
    grid.Unsubscribe(secondId);
  });
  secondId = grid.Subscribe([&](FlexGridEvent e) {
    if (e == FlexGridEvent::kEnterCell) ++second;
  });
  grid.SetRow(2);
  grid.SetRow(3);
  EXPECT_EQ(first, 2);
  EXPECT_EQ(second, 0) << "unsubscribed before its turn";
  grid.Unsubscribe(firstId);
}

TEST(FlexGridModel, MovingTheCurrentCellCollapsesTheSelection) {
  FlexGridModel grid;
  Sized(grid, 6, 5);
  grid.SetRowSel(4);
  grid.SetColSel(3);
  grid.SetRow(2);
  EXPECT_EQ(grid.RowSel(), 2);
  EXPECT_EQ(grid.ColSel(), 1);
}

TEST(FlexGridModel, PastingARowThroughTheSelectionFillsItsCells) {
  FlexGridModel grid;
  Sized(grid, 4, 4);
  grid.SetTextMatrix(2, 3, "kept?");
  // The order the result grids use: Row, RowSel, Col 0, ColSel = Cols - 1.
  grid.SetRow(2);
  grid.SetRowSel(2);
  grid.SetCol(0);
  grid.SetColSel(3);
  grid.SetClip("a\tb\tc\td\textra\t");
  EXPECT_EQ(grid.TextMatrix(2, 0), "a");
  EXPECT_EQ(grid.TextMatrix(2, 3), "d");
  EXPECT_EQ(grid.TextMatrix(3, 0), "") << "fields beyond the selection are dropped";
  grid.SetClip("x\ty");
  EXPECT_EQ(grid.TextMatrix(2, 1), "y");
  EXPECT_EQ(grid.TextMatrix(2, 2), "c") << "cells without a field keep their text";
  EXPECT_EQ(grid.Clip(), "x\ty\tc\td");
}

TEST(FlexGridModel, ClipSpansRowsWithCarriageReturnsWhateverTheSelectionDirection) {
  FlexGridModel grid;
  Sized(grid, 4, 3);
  grid.SetRow(3);
  grid.SetCol(2);
  grid.SetRowSel(2);
  grid.SetColSel(1);
  grid.SetClip("a\tb\rc\td");
  EXPECT_EQ(grid.TextMatrix(2, 1), "a");
  EXPECT_EQ(grid.TextMatrix(2, 2), "b");
  EXPECT_EQ(grid.TextMatrix(3, 1), "c");
  EXPECT_EQ(grid.TextMatrix(3, 2), "d");
  EXPECT_EQ(grid.Clip(), "a\tb\rc\td");
}

TEST(FlexGridModel, ByCellAccessLeavesTheCurrentCellAndRaisesNoCellEvents) {
  FlexGridModel grid;
  Sized(grid, 4, 4);
  EventLog log(grid);
  grid.SetCellBackColorAt(3, 3, 0xFF);
  grid.SetCellAlignmentAt(3, 2, 7);
  grid.SetCellFontBoldAt(0, 3, true);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_TRUE(log.lines.empty());
  EXPECT_EQ(grid.CellBackColorAt(3, 3), 0xFF);
  EXPECT_EQ(grid.CellAlignmentAt(3, 2), 7);
  EXPECT_TRUE(grid.CellFontBoldAt(0, 3));
  EXPECT_EQ(grid.CellAlignment(), 0);
  grid.SetRow(3);
  grid.SetCol(2);
  EXPECT_EQ(grid.CellAlignment(), 7) << "the Cell properties read the current cell";
  auto arrow = std::make_shared<TestPicture>();
  grid.SetCellPictureAlignment(4);
  grid.SetCellPicture(arrow);
  EXPECT_EQ(grid.CellPictureAt(3, 2), arrow);
  EXPECT_EQ(grid.CellPictureAlignmentAt(3, 2), 4);
  EXPECT_EQ(grid.CellPictureAt(1, 1), nullptr);
}

TEST(FlexGridModel, ShrinkingAndRegrowingDropsRowsAndTheirSettings) {
  FlexGridModel grid;
  Sized(grid, 6, 3);
  grid.SetRow(5);
  grid.SetTextMatrix(4, 1, "gone");
  grid.SetTextMatrix(1, 2, "kept");
  grid.SetMergeRow(4, true);
  grid.SetRowHeight(4, 500);
  grid.SetRows(3);
  EXPECT_EQ(grid.Row(), 2);
  grid.SetRows(6);
  EXPECT_EQ(grid.TextMatrix(4, 1), "");
  EXPECT_FALSE(grid.MergeRow(4));
  EXPECT_EQ(grid.RowHeight(4), FlexGridModel::kDefaultRowHeight);
  EXPECT_EQ(grid.TextMatrix(1, 2), "kept");
}

TEST(FlexGridModel, ChangingColsKeepsEachCellInItsColumn) {
  FlexGridModel grid;
  Sized(grid, 3, 3);
  grid.SetTextMatrix(1, 1, "b");
  grid.SetTextMatrix(2, 2, "c");
  grid.SetColWidth(1, 1500);
  grid.SetCols(5);
  EXPECT_EQ(grid.TextMatrix(1, 1), "b");
  EXPECT_EQ(grid.TextMatrix(2, 2), "c");
  EXPECT_EQ(grid.ColWidth(1), 1500);
  EXPECT_EQ(grid.ColWidth(4), FlexGridModel::kDefaultColWidth);
  grid.SetCols(2);
  EXPECT_EQ(grid.TextMatrix(1, 1), "b");
  EXPECT_EQ(grid.TextMatrix(2, 2), "");
}

TEST(FlexGridModel, FixedRowsStayInsideTheGridAndImpossibleSizesChangeNothing) {
  FlexGridModel grid;
  grid.SetFixedRows(5);
  EXPECT_EQ(grid.FixedRows(), 2);
  grid.SetRows(1);
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.SetFixedRows(0);
  grid.SetRows(0);
  EXPECT_EQ(grid.Rows(), 0);
  EXPECT_EQ(grid.TextMatrix(0, 0), "");
  grid.SetTextMatrix(0, 0, "ignored");
  grid.SetText("ignored");
  EXPECT_EQ(grid.Clip(), "");

  Sized(grid, 10, 4);
  EXPECT_THROW(grid.SetRows(-1), std::out_of_range);
  EXPECT_THROW(grid.SetRows(2'000'000), std::out_of_range);
  EXPECT_THROW(grid.SetCols(2'000'000), std::out_of_range);
  EXPECT_EQ(grid.Rows(), 10);
  EXPECT_EQ(grid.Cols(), 4);
}

TEST(FlexGridModel, ClearEmptiesTextAndCellFormattingButKeepsLayout) {
  FlexGridModel grid;
  Sized(grid, 3, 3);
  grid.SetTextMatrix(0, 0, "x");
  grid.SetCellBackColorAt(0, 0, 5);
  grid.SetCellAlignmentAt(0, 0, 4);
  grid.SetCellFontBoldAt(0, 0, true);
  grid.SetColWidth(0, 300);
  grid.SetColAlignment(0, 7);
  grid.SetMergeRow(0, true);
  grid.Clear();
  EXPECT_EQ(grid.TextMatrix(0, 0), "");
  EXPECT_EQ(grid.CellBackColorAt(0, 0), grid.BackColor());
  EXPECT_EQ(grid.CellAlignmentAt(0, 0), 0);
  EXPECT_FALSE(grid.CellFontBoldAt(0, 0));
  EXPECT_EQ(grid.ColWidth(0), 300);
  EXPECT_EQ(grid.ColAlignment(0), 7);
  EXPECT_TRUE(grid.MergeRow(0));
  EXPECT_EQ(grid.Rows(), 3);
}

TEST(FlexGridModel, RowHeightIsAtLeastTheMinimumAndMinusOneSetsAll) {
  FlexGridModel grid;
  Sized(grid, 3, 3);
  grid.SetRowHeight(-1, 200);
  grid.SetRowHeightMin(330);
  EXPECT_EQ(grid.RowHeight(2), 330);
  grid.SetRowHeight(1, 400);
  EXPECT_EQ(grid.RowHeight(1), 400);
  grid.SetColWidth(-1, 700);
  EXPECT_EQ(grid.ColWidth(0), 700);
  EXPECT_EQ(grid.ColWidth(2), 700);
  EXPECT_EQ(grid.ColWidth(3), 0);
}

TEST(FlexGridModel, ScrollingRaisesScrollAndStaysBelowTheFixedRows) {
  FlexGridModel grid;
  Sized(grid, 10, 6);
  grid.SetFixedRows(2);
  EventLog log(grid);
  grid.SetTopRow(5);
  grid.SetTopRow(1);
  grid.SetTopRow(10);
  grid.SetLeftCol(3);
  EXPECT_EQ(grid.TopRow(), 5);
  EXPECT_EQ(grid.LeftCol(), 3);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Scroll", "Scroll"}));
}

TEST(FlexGridModel, RedrawOffHoldsChangeNoticesUntilSwitchedOn) {
  FlexGridModel grid;
  Sized(grid, 3, 3);
  EventLog log(grid);
  grid.SetRedraw(false);
  grid.SetTextMatrix(0, 0, "a");
  grid.SetTextMatrix(0, 1, "b");
  EXPECT_EQ(log.changes, 0);
  grid.SetRedraw(true);
  EXPECT_EQ(log.changes, 1);
}

struct SortCase {
  const char* name;
  int16_t sort;
  std::vector<std::string> keys;      // column 1, rows 1 ..
  std::vector<std::string> expected;  // column 1 after the sort
};

class Sort : public ::testing::TestWithParam<SortCase> {};

TEST_P(Sort, OrdersTheScrollableRowsByTheKeyColumn) {
  const SortCase& c = GetParam();
  FlexGridModel grid;
  grid.SetRows(static_cast<int32_t>(c.keys.size()) + 1);
  grid.SetCols(2);
  grid.SetTextMatrix(0, 1, "heading");
  for (std::size_t i = 0; i < c.keys.size(); ++i) grid.SetTextMatrix(static_cast<int32_t>(i) + 1, 1, c.keys[i]);
  grid.SetCol(1);
  grid.SetSort(c.sort);
  std::vector<std::string> got;
  for (int32_t r = 1; r < grid.Rows(); ++r) got.push_back(grid.TextMatrix(r, 1));
  EXPECT_EQ(got, c.expected);
  EXPECT_EQ(grid.TextMatrix(0, 1), "heading");
}

INSTANTIATE_TEST_SUITE_P(
    FlexGridModel, Sort,
    ::testing::Values(
        SortCase{"GenericNumbersAsNumbersThenTexts", FlexGridModel::kSortGenericAscending,
                 {"b", "10", "", "9.5", "A", "1,200", "-3"},
                 {"-3", "9.5", "10", "1,200", "", "A", "b"}},
        SortCase{"GenericDescending", FlexGridModel::kSortGenericDescending, {"2", "x", "11"}, {"x", "11", "2"}},
        SortCase{"NumericTakesTheLeadingNumber", FlexGridModel::kSortNumericAscending,
                 {"12abc", "abc", "3"}, {"abc", "3", "12abc"}},
        SortCase{"TextIgnoringCase", FlexGridModel::kSortTextNoCaseAscending, {"b", "B", "a"}, {"a", "b", "B"}},
        SortCase{"TextExactly", FlexGridModel::kSortTextAscending, {"b", "B", "a"}, {"B", "a", "b"}},
        SortCase{"TextDescending", FlexGridModel::kSortTextDescending, {"b", "c", "a"}, {"c", "b", "a"}},
        SortCase{"NoneChangesNothing", FlexGridModel::kSortNone, {"b", "a"}, {"b", "a"}},
        SortCase{"UnknownCodeChangesNothing", 9, {"b", "a"}, {"b", "a"}}),
    [](const ::testing::TestParamInfo<SortCase>& row) { return std::string(row.param.name); });

TEST(FlexGridModel, SortMovesWholeRowsKeepsTiesInOrderAndUsesLaterKeyColumns) {
  FlexGridModel grid;
  grid.SetRows(5);
  grid.SetCols(3);
  const std::vector<std::vector<std::string>> rows{{"1", "b", "x"}, {"1", "a", "y"}, {"0", "b", "z"}, {"1", "a", "w"}};
  for (int32_t r = 0; r < 4; ++r)
    for (int32_t c = 0; c < 3; ++c) grid.SetTextMatrix(r + 1, c, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
  grid.SetCellBackColorAt(3, 2, 0x0000FF);
  grid.SetRowHeight(3, 500);
  grid.SetCol(0);
  grid.SetColSel(1);
  grid.SetSort(FlexGridModel::kSortGenericAscending);
  std::vector<std::string> third;
  for (int32_t r = 1; r < 5; ++r) third.push_back(grid.TextMatrix(r, 2));
  EXPECT_EQ(third, (std::vector<std::string>{"z", "y", "w", "x"}));
  EXPECT_EQ(grid.CellBackColorAt(1, 2), 0x0000FF);
  EXPECT_EQ(grid.RowHeight(1), 500);
  EXPECT_EQ(grid.Row(), 1) << "the current cell keeps its number";
}

}  // namespace
