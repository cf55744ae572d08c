// The grid editor's rules, headless over the fake grid parts: column edit
// types, inactive rows, what is committed when, and a grid reshaped by an
// owner's handler. The real widgets are driven in tests/toolkit/ui.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FakeEditFlexGrid.h"
#include "core/basFlexGridCommon.h"
#include "toolkit/clsEditFlexGrid.h"

namespace {

using kdtest::FakeEditFlexGrid;

class Picture final : public FlexGridPicture {
 public:
  int32_t WidthPixels() const override { return 9; }
  int32_t HeightPixels() const override { return 9; }
};

// A 6 x 4 grid with a heading row: column 0 text, 1 combo, 2 single list,
// 3 multi list; every event as a line.
class Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    FlexGridModel& m = grid.model;
    m.SetRows(6);
    m.SetCols(4);
    m.SetFixedRows(1);
    m.SetFixedCols(0);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 4; ++c) m.SetTextMatrix(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    m.SetRow(1);
    edit.SetNorm(norm);
    edit.SetHover(hover);
    grid.AttachTo(edit);
    edit.TextEditColumn(0);
    edit.ComboEditColumn(1);
    edit.ListNormEditColumn(2);
    edit.ListMultiEditColumn(3);
    edit.InactiveRow(0);
    edit.DrawDropArrows();
    for (const char* item : {"a", "b", "c"}) {
      grid.combo.AddItem(item);
      grid.normList.AddItem(item);
      grid.multiList.AddItem(item);
    }
    edit.ValidateFlexText = [this](int32_t r, int32_t c, const std::string& n, const std::string& o) {
      Log("Text " + Cell(r, c) + " " + n + " " + o);
    };
    edit.ValidateFlexCombo = [this](int32_t r, int32_t c, int32_t n, int32_t o) {
      Log("Combo " + Cell(r, c) + " " + std::to_string(n) + " " + std::to_string(o));
    };
    edit.ValidateFlexListSingle = [this](int32_t r, int32_t c, int32_t i) {
      Log("Single " + Cell(r, c) + " " + std::to_string(i));
    };
    edit.ValidateFlexListMulti = [this](int32_t r, int32_t c, const std::vector<bool>& s) {
      std::string flags;
      for (bool b : s) flags += b ? '1' : '0';
      Log("Multi " + Cell(r, c) + " " + flags);
    };
    edit.EnterCell = [this] { Log("EnterCell"); };
    edit.Click = [this] { Log("Click"); };
    edit.AllignmentDone = [this](int32_t c) { Log("Allignment " + std::to_string(c)); };
    edit.SetEnabled(true);
  }

  static std::string Cell(int32_t r, int32_t c) { return std::to_string(r) + "," + std::to_string(c); }
  void Log(const std::string& line) { log.push_back(line); }
  std::vector<std::string> Take() { return std::exchange(log, {}); }

  std::shared_ptr<Picture> norm = std::make_shared<Picture>();
  std::shared_ptr<Picture> hover = std::make_shared<Picture>();
  FakeEditFlexGrid grid;
  clsEditFlexGrid edit;
  std::vector<std::string> log;
};

TEST_F(Editor, TextEditCommitsOnLeavingTheCellWithTheLoadedTextAsOld) {
  grid.ClickCell(2, 0);
  ASSERT_TRUE(grid.text.visible);
  EXPECT_EQ(grid.text.text, "r2c0");
  grid.Type("new");
  grid.Key(kdtest::kKeyDown);
  EXPECT_EQ(Take(), (std::vector<std::string>{"EnterCell", "Click", "EnterCell", "Text 2,0 new r2c0", "EnterCell"}));
  EXPECT_EQ(grid.model.Row(), 3);
  EXPECT_EQ(grid.text.text, "r3c0") << "the editor reopened on the new cell";
}

TEST_F(Editor, ComboReportsAChoiceAgainstThePresetItemAndAnUnmatchedCellAgainstMinusOne) {
  grid.model.SetTextMatrix(2, 1, "b");
  grid.ClickCell(2, 1);
  EXPECT_EQ(grid.combo.listIndex, 1);
  grid.ChooseComboItem(1);
  grid.ClickCell(3, 1);  // "r3c1" is no item: the combo keeps "b"
  EXPECT_EQ(grid.combo.listIndex, 1);
  grid.ChooseComboItem(2);
  std::vector<std::string> combos;
  for (const auto& l : Take())
    if (l.rfind("Combo", 0) == 0) combos.push_back(l);
  EXPECT_EQ(combos, (std::vector<std::string>{"Combo 3,1 2 -1"}));
  EXPECT_FALSE(grid.combo.visible);
}

TEST_F(Editor, ListOpensOnEnterAfterTheCellIsEnteredAndShowsTheHoverArrow) {
  grid.model.SetRow(2);
  grid.model.SetCol(2);
  EXPECT_FALSE(grid.normList.visible);
  EXPECT_EQ(grid.model.CellPicture(), hover);
  grid.Key(kdtest::kKeyEnter);
  EXPECT_TRUE(grid.normList.visible);
  grid.normList.SetListIndex(2);
  grid.Key(kdtest::kKeyEnter);
  EXPECT_FALSE(grid.normList.visible);
  EXPECT_EQ(Take().back(), "Single 2,2 2");
  grid.model.SetCol(3);
  EXPECT_EQ(grid.model.CellPictureAt(2, 2), norm) << "the left list cell gets its normal arrow back";
}

TEST_F(Editor, RowsBeyondTheInactiveFlagsCountAsInactive) {
  grid.model.SetRows(9);  // rows 6 .. 8 were never sized into the flags
  edit.DrawDropArrows();
  EXPECT_EQ(grid.model.CellPictureAt(5, 2), norm);
  EXPECT_EQ(grid.model.CellPictureAt(7, 2), nullptr);
  EXPECT_EQ(grid.model.CellPictureAt(0, 2), nullptr) << "the heading row was marked";
  grid.ClickCell(7, 2);
  EXPECT_FALSE(grid.normList.visible);
  edit.InactiveRow(0);  // sizes the flags to the new rows
  grid.ClickCell(7, 3);
  EXPECT_TRUE(grid.multiList.visible);
}

TEST_F(Editor, OutOfRangeColumnsAreIgnoredByEverySetterAndAnsweredWithNoEdit) {
  for (int32_t col : {-1, 4, 400}) {
    edit.TextEditColumn(col);
    edit.TextEditAlign(col, 1);
    edit.ListMultiEditColumn(col);
    EXPECT_EQ(edit.ColumnEditType(col), clsEditFlexGrid::kNoEdit) << col;
  }
}

TEST_F(Editor, PerColumnSettingsFollowTheGridWhenItGainsColumns) {
  grid.model.SetCols(6);
  edit.TextEditColumn(5);
  edit.TextEditAlign(5, 1);
  EXPECT_EQ(edit.ColumnEditType(5), clsEditFlexGrid::kTextEdit);
  EXPECT_EQ(edit.ColumnEditType(2), clsEditFlexGrid::kListSingleEdit) << "earlier columns keep their types";
  grid.ClickCell(1, 5);
  EXPECT_EQ(grid.text.alignment, 1);
  grid.model.SetCols(3);
  edit.GridGotFocus();
  EXPECT_EQ(edit.ColumnEditType(5), clsEditFlexGrid::kNoEdit);
}

TEST_F(Editor, ValidateLastCellCommitsTypedTextAndMultiListTicksButNotACombo) {
  grid.ClickCell(2, 0);
  grid.Type("x");
  edit.ValidateLastCell();
  EXPECT_FALSE(grid.text.visible);
  grid.ClickCell(2, 3);
  grid.multiList.SetListIndex(1);
  grid.Key(kdtest::kKeyEnter);
  Take();
  edit.ValidateLastCell();
  EXPECT_FALSE(grid.multiList.visible);
  EXPECT_EQ(Take(), (std::vector<std::string>{"Multi 2,3 010"}));
  grid.ClickCell(2, 1);
  grid.combo.listIndex = 2;
  Take();
  edit.ValidateLastCell();
  EXPECT_TRUE(Take().empty());
  EXPECT_FALSE(grid.combo.visible);
}

TEST_F(Editor, TextScrolledOutOfViewIsCommittedWhenAnotherCellIsClicked) {
  grid.height = 4 * FlexGridModel::kDefaultRowHeight;  // heading and three rows
  grid.ClickCell(1, 0);
  grid.Type("kept");
  grid.model.SetTopRow(3);
  EXPECT_FALSE(grid.text.visible);
  grid.ClickCell(4, 0);
  EXPECT_NE(std::find(log.begin(), log.end(), "Text 1,0 kept r1c0"), log.end());
}

TEST_F(Editor, AHandlerMayShrinkTheGridOrDeleteTheEditorInsideAValidationEvent) {
  std::unique_ptr<clsEditFlexGrid> owned = std::make_unique<clsEditFlexGrid>();
  FakeEditFlexGrid g;
  g.model.SetRows(8);
  g.model.SetCols(4);
  g.model.SetFixedRows(1);
  g.model.SetFixedCols(0);
  g.AttachTo(*owned);
  owned->TextEditColumn(0);
  owned->ListMultiEditColumn(3);
  owned->InactiveRow(0);
  owned->SetEnabled(true);
  g.multiList.AddItem("a");
  owned->ValidateFlexText = [&g](int32_t, int32_t, const std::string&, const std::string&) { g.model.SetRows(2); };
  owned->ValidateFlexListMulti = [&owned](int32_t, int32_t, const std::vector<bool>&) { owned.reset(); };
  g.ClickCell(5, 0);
  g.Type("shrinks");
  g.Key(kdtest::kKeyDown);
  EXPECT_EQ(g.model.Rows(), 2);
  EXPECT_EQ(g.model.Row(), 1);
  g.model.SetRows(8);
  owned->InactiveRow(0);
  g.ClickCell(4, 3);
  ASSERT_TRUE(g.multiList.visible);
  g.ClickCell(4, 0);  // leaving the list cell reports, and the handler deletes the editor
  EXPECT_EQ(owned, nullptr);
}

TEST_F(Editor, InAnOpenComboReturnCommitsAndEscapeCancels) {
  grid.ClickCell(2, 1);
  ASSERT_TRUE(grid.combo.visible);
  grid.SetFocusTo(&grid.combo);
  grid.combo.ShowDropDown();
  grid.combo.SetListIndex(2);
  Take();
  grid.Key(kdtest::kKeyEscape);
  EXPECT_FALSE(grid.combo.visible);
  EXPECT_TRUE(Take().empty()) << "nothing chosen";
  grid.ClickCell(3, 1);
  grid.SetFocusTo(&grid.combo);
  grid.combo.ShowDropDown();
  grid.combo.SetListIndex(2);
  Take();
  grid.Key(kdtest::kKeyEnter);
  EXPECT_EQ(Take().front(), "Combo 3,1 2 -1");
}

TEST_F(Editor, ArrowsFromAClosedComboOrAListMoveToTheNeighbouringCell) {
  const struct {
    int32_t col;
    bool list;  // else the combo
    int16_t key;
    int32_t row, colAfter;
  } cases[] = {
      {1, false, kdtest::kKeyDown, 3, 1},
      {1, false, kdtest::kKeyUp, 1, 1},
      {1, false, kdtest::kKeyLeft, 2, 0},
      {1, false, kdtest::kKeyRight, 2, 2},
      {2, true, kdtest::kKeyLeft, 2, 1},
      {2, true, kdtest::kKeyRight, 2, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "column " << c.col << " key " << c.key);
    grid.ClickCell(2, c.col);
    grid.SetFocusTo(c.list ? static_cast<EditFlexPart*>(&grid.normList) : &grid.combo);
    grid.Key(c.key);
    EXPECT_EQ(grid.model.Row(), c.row);
    EXPECT_EQ(grid.model.Col(), c.colAfter);
  }
  // Escape leaves a list for the grid, choosing nothing.
  grid.ClickCell(2, 2);
  grid.SetFocusTo(&grid.normList);
  Take();
  grid.Key(kdtest::kKeyEscape);
  EXPECT_FALSE(grid.normList.visible);
  EXPECT_EQ(grid.Focus(), &grid);
  EXPECT_TRUE(Take().empty());
}

TEST_F(Editor, MovingPastTheFirstVisibleRowOrColumnScrollsTheGridBack) {
  grid.model.SetCols(8);
  edit.TextEditColumn(5);
  grid.model.SetTopRow(3);
  grid.model.SetLeftCol(5);
  grid.ClickCell(3, 5);
  grid.SetFocusTo(&grid.text);
  grid.Key(kdtest::kKeyUp);
  EXPECT_EQ(grid.model.Row(), 2);
  EXPECT_EQ(grid.model.TopRow(), 2);
  grid.text.selStart = grid.text.selLength = 0;
  grid.SetFocusTo(&grid.text);
  grid.Key(kdtest::kKeyLeft);
  EXPECT_EQ(grid.model.Col(), 4);
  EXPECT_EQ(grid.model.LeftCol(), 4);
}

TEST(FitListToItems, ShowsAtMostSevenRowsAndPreselectsTheCellsItem) {
  FakeEditFlexGrid grid;
  grid.model.SetRows(2);
  grid.model.SetCols(2);
  grid.model.SetText("  beta ");
  basFlexGridCommon::FitListToItems(grid.normList, grid.model);
  EXPECT_EQ(grid.normList.rect.Height, 2 * 15);
  for (const char* item : {"Alpha", "BETA", "beta", "d", "e", "f", "g", "h", "i", "j"}) grid.normList.AddItem(item);
  basFlexGridCommon::FitListToItems(grid.normList, grid.model);
  EXPECT_EQ(grid.normList.rect.Height, (7 * 16 + 2) * 15);
  EXPECT_EQ(grid.normList.ListIndex(), 1);
  for (int i = 0; i < 3; ++i) grid.multiList.AddItem("beta");
  basFlexGridCommon::FitListToItems(grid.multiList, grid.model);
  EXPECT_EQ(grid.multiList.ListIndex(), -1) << "a multi-choice list keeps its selection";
}

}  // namespace
