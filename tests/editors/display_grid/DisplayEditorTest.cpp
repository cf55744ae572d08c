#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "DatabaseFixtures.h"
#include "DraftResultFixtures.h"
#include "FakeEditFlexGrid.h"
#include "FakeSeams.h"
#include "HostileFiles.h"
#include "TempDir.h"
#include "core/basMockItUp.h"
#include "documents/DocumentOptions.h"
#include "documents/basFlexGridHTML.h"
#include "editors/display_grid/DisplayEditorView.h"
#include "editors/display_grid/clsUIDisplayEditor.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Text.h"

namespace fs = std::filesystem;
using C = clsUIDisplayEditor;

namespace {

class FakeView final : public DisplayEditorView {
 public:
  void SetMoveButtons(bool upEnabled, bool downEnabled) override {
    up = upEnabled;
    down = downEnabled;
  }
  int32_t ColumnListVisibleRows() const override { return 12; }
  void HoldOffCategoryList() override { ++holdOffs; }
  bool up = false;
  bool down = false;
  int holdOffs = 0;
};

class DisplayEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    basMockItUp::InitFileTypeTable(dir.Path());
    fs::create_directories(dir.Path() + "def/");
    fs::create_directories(dir.Path() + "dis/");
    kdtest::MakeTemplateDatabase(dir, "def/Default.pro");
    editor.GridInitialize(&list, &list.text, &list.normList, &categories, &preview, nullptr, nullptr, nullptr,
                          nullptr);
    ASSERT_TRUE(editor.ActivateForm());
    for (int32_t r = 1; r < categories.Rows(); ++r) {
      if (!categories.TextMatrix(r, 0).empty()) categoryRows.push_back(r);
    }
    ASSERT_GE(categoryRows.size(), 3u);
  }

  // Ticks (or unticks) the n-th category of the list.
  void Tick(std::size_t n) { editor.flxStatCats_Click(categoryRows.at(n), 1); }
  // The category list's row of category `id`.
  int32_t CategoryRow(int32_t id) const {
    for (const int32_t r : categoryRows) {
      if (categories.TextMatrix(r, 0) == std::to_string(id)) return r;
    }
    return -1;
  }
  std::string Mark(std::size_t n) const { return runtime::Trim(categories.TextMatrix(categoryRows.at(n), 1)); }
  int32_t CategoryID(std::size_t n) const { return std::stoi(categories.TextMatrix(categoryRows.at(n), 0)); }
  std::string Cell(int32_t row, int32_t col) { return list.model.TextMatrix(row, col); }

  kdtest::TempDir dir;
  kdtest::ScopedFakeSeams fakes;
  kdtest::FakeEditFlexGrid list;
  FlexGridModel categories;
  FlexGridModel preview;
  FakeView view;
  clsUIDisplayEditor editor{view};
  std::vector<int32_t> categoryRows;
};

}  // namespace

TEST_F(DisplayEditor, TickingACategoryAppendsARightAlignedColumnAndUntickingRenumbers) {
  Tick(0);
  Tick(1);
  Tick(2);
  const clsDisplayGridIsolate& g = editor.Grid();
  ASSERT_EQ(g.ColumnMax(), 2);
  EXPECT_EQ(g.TableFieldID(1), CategoryID(1));
  EXPECT_EQ(g.ColumnWidth(1), 32);
  EXPECT_EQ(g.Align(1), 7);
  EXPECT_EQ(Cell(2, C::kColWidth), "32");
  EXPECT_EQ(Cell(2, C::kColAlign), "      Right");
  EXPECT_EQ(Mark(1), "1");
  EXPECT_EQ(editor.SelectedRow(), 3);
  EXPECT_TRUE(editor.ChangesMade());

  Tick(0);  // already shown: removed
  ASSERT_EQ(g.ColumnMax(), 1);
  EXPECT_EQ(Mark(0), "0");
  EXPECT_EQ(list.model.Rows(), 3);
  for (int32_t row = 1; row <= 2; ++row) {
    EXPECT_EQ(Cell(row, C::kColIndex), std::to_string(row - 1));
    EXPECT_EQ(Cell(row, C::kColOrder), std::to_string(row));
    EXPECT_EQ(g.OrderNumber(row - 1), row);
  }
  EXPECT_EQ(Cell(1, C::kColCategory), std::to_string(CategoryID(1)));

  // Headings and the name column take no clicks.
  editor.flxStatCats_Click(0, 1);
  editor.flxStatCats_Click(categoryRows[2], 2);
  EXPECT_EQ(g.ColumnMax(), 1);
}

TEST_F(DisplayEditor, WidthsOutsideOneTo1600AndTextAreRefused) {
  Tick(0);
  struct Row {
    const char* typed;
    int16_t stored;
  };
  const Row rows[] = {{"0", 32}, {"1601", 32}, {"12345", 32}, {"abc", 32}, {"1", 1}, {"1600", 1600}, {"2.5", 2}};
  for (const Row& r : rows) {
    list.ClickCell(1, C::kColWidth);
    list.Type(r.typed);
    list.Key(kdtest::kKeyEnter);
    EXPECT_EQ(editor.Grid().ColumnWidth(0), r.stored) << r.typed;
    EXPECT_EQ(Cell(1, C::kColWidth), std::to_string(r.stored)) << r.typed;
  }
}

TEST_F(DisplayEditor, MoveButtonsFollowTheSelectedRowAndAMoveIsAChange) {
  Tick(0);
  EXPECT_FALSE(view.up || view.down);  // one column
  Tick(1);
  Tick(2);
  list.ClickCell(1, C::kColName);
  EXPECT_FALSE(view.up);
  EXPECT_TRUE(view.down);
  list.ClickCell(3, C::kColName);
  EXPECT_TRUE(view.up);
  EXPECT_FALSE(view.down);

  editor.mUpDown_Click(0);
  EXPECT_EQ(editor.SelectedRow(), 2);
  EXPECT_EQ(editor.Grid().TableFieldID(1), CategoryID(2));
  EXPECT_EQ(Cell(2, C::kColCategory), std::to_string(CategoryID(2)));
}

TEST_F(DisplayEditor, PreviewNeedsTwoColumnsForHeadingsAndThreeForTheSampleRow) {
  Tick(0);
  EXPECT_EQ(preview.Cols(), 0);
  Tick(1);
  EXPECT_EQ(preview.Cols(), 2);
  EXPECT_EQ(preview.TextMatrix(0, 1), editor.Grid().Title1(1));
  Tick(2);
  EXPECT_EQ(preview.Cols(), 3);
  EXPECT_EQ(preview.ColWidth(2), 32 * 15);
}

TEST_F(DisplayEditor, ChangesAreAskedAboutOnLeavingAndSavedGridReadsBackByteForByte) {
  Tick(0);
  Tick(1);
  fakes.messages.Answer("cancel");
  EXPECT_FALSE(editor.QueryUnload());
  EXPECT_EQ(fakes.messages.messages.back().text, " Would you like to save changes to Display Grid File?");

  // Save without a name runs Save As.
  fakes.files.AnswerOwn("Mine");
  editor.FileCommand(9);
  EXPECT_FALSE(editor.ChangesMade());
  const std::string path = dir.Path() + "dis/Mine.dis";
  ASSERT_TRUE(fs::exists(path));
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), editor.Grid().ToBytes());
  clsDisplayGridIsolate reread;
  ASSERT_TRUE(reread.OpenFile(path));
  EXPECT_EQ(reread.ToBytes(), bytes.str());
  EXPECT_TRUE(editor.QueryUnload());
}

TEST_F(DisplayEditor, NewAndOpenAskAboutUnsavedChangesFirst) {
  Tick(0);
  fakes.messages.Answer("cancel");
  editor.FileCommand(6);
  fakes.messages.Answer("cancel");
  editor.FileCommand(7);
  EXPECT_EQ(fakes.messages.messages.size(), 2u);
  EXPECT_EQ(editor.Grid().ColumnMax(), 0);
  EXPECT_TRUE(editor.ChangesMade());
}

TEST_F(DisplayEditor, FailedSaveKeepsTheChangedFlag) {
  Tick(0);
  fs::create_directories(dir.Path() + "dis/Taken.dis");  // a folder where the file should go
  fakes.files.AnswerOwn("Taken");
  fakes.messages.Answer("save");  // the overwrite question
  editor.FileCommand(10);
  EXPECT_TRUE(editor.ChangesMade());
}

TEST_F(DisplayEditor, TitlesAreTypedAndFormatAndAlignmentChosenFromLists) {
  Tick(0);
  Tick(1);
  list.ClickCell(2, C::kColTitle1);
  list.Type("Pass");
  list.Key(kdtest::kKeyEnter);
  list.ClickCell(2, C::kColTitle2);
  list.Type("Yds");
  list.Key(kdtest::kKeyEnter);
  EXPECT_EQ(editor.Grid().Title1(1), "Pass");
  EXPECT_EQ(editor.Grid().Title2(1), "Yds");
  EXPECT_EQ(preview.TextMatrix(0, 1), "Pass");

  list.ClickCell(2, C::kColAlign);
  ASSERT_EQ(list.normList.items, (std::vector<std::string>{"Left", "Center", "Right"}));
  list.ClickListItem(list.normList, 1);
  EXPECT_EQ(editor.Grid().Align(1), 4);
  EXPECT_EQ(Cell(2, C::kColAlign), "      Center");

  // The formats offered are those of the category's own kind.
  list.ClickCell(2, C::kColFormat);
  ASSERT_GE(list.normList.ListCount(), 2);
  const std::string chosen = list.normList.items[1];
  list.ClickListItem(list.normList, 1);
  EXPECT_EQ(editor.Grid().Decimals(1), list.normList.data[1]);
  EXPECT_EQ(runtime::Trim(Cell(2, C::kColFormat)), runtime::Trim(chosen));
  EXPECT_TRUE(editor.ChangesMade());
}

TEST_F(DisplayEditor, NewStartsEmptyAndADamagedFileIsNamedInAMessageAndNotOpened) {
  Tick(0);
  fakes.files.AnswerOwn("Mine");
  editor.FileCommand(9);
  kdtest::WriteFile(dir.Path() + "dis/Bad.dis", "not a display grid");
  fakes.files.AnswerOwn("Bad.dis");
  editor.FileCommand(7);
  ASSERT_FALSE(fakes.messages.messages.empty());
  EXPECT_NE(fakes.messages.messages.back().text.find("The file is not a display grid or is damaged."),
            std::string::npos);
  EXPECT_EQ(editor.Grid().ColumnMax(), 0);

  fakes.files.AnswerOwn("Fresh");
  editor.FileCommand(6);
  EXPECT_EQ(editor.Grid().ColumnMax(), -1);
  EXPECT_EQ(list.model.Rows(), 1);
  EXPECT_FALSE(editor.ChangesMade());
}

// Widths taken from the preview stay within 1..1600 (the preview then shows
// the width kept), show in the column list and mark the grid changed.
TEST_F(DisplayEditor, WidthsTakenFromThePreviewStayWithinOneTo1600AndAreAChange) {
  Tick(0);
  Tick(1);
  Tick(2);
  fakes.files.AnswerOwn("Dragged");
  editor.FileCommand(10);
  ASSERT_FALSE(editor.ChangesMade());
  const std::vector<int32_t> dragged = {0, 1601, 50};
  for (int32_t i = 0; i < 3; ++i) preview.SetColWidth(i, dragged[i] * 15);
  editor.TakePreviewWidths(dragged);
  const int16_t kept[] = {1, 1600, 50};
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(editor.Grid().ColumnWidth(i), kept[i]);
    EXPECT_EQ(Cell(i + 1, C::kColWidth), std::to_string(kept[i]));
    EXPECT_EQ(preview.ColWidth(i), kept[i] * 15);
  }
  EXPECT_TRUE(editor.ChangesMade());
}

// A grid made in the editor lays the cheat sheet out: its columns, headings
// from each category's sub-category and unit, and the players' values in
// the categories' default formats.
TEST_F(DisplayEditor, AGridSavedByTheEditorLaysOutTheCheatSheet) {
  for (const int32_t id : {51, 116, 44}) editor.flxStatCats_Click(CategoryRow(id), 1);
  kdtest::DraftResultFixture results;  // its work tree receives the saved grid
  fakes.files.AnswerOwn("Mine");
  editor.FileCommand(10);
  clsKickwellDB& db = results.Database();
  ASSERT_TRUE(db.LoadDisplay(results.DisplayGridFolder() + "Mine.dis"));
  FlexGridModel sheet;
  basFlexGridHTML::SetupResultGridHeadings(sheet, db);
  basFlexGridHTML::FillCheatSheetGrid(
      sheet, results.CheatSheetRoster({{kdtest::kPosAll, 1, 1}, {kdtest::kPosQB, 1, 1}}, 1), db, DocumentOptions{});
  auto row = [&sheet](int32_t r) {
    std::vector<std::string> texts;
    for (int32_t c = 0; c < sheet.Cols(); ++c) texts.push_back(sheet.TextMatrix(r, c));
    return texts;
  };
  EXPECT_EQ(row(0), (std::vector<std::string>{" Player", " Player", " Player"}));
  EXPECT_EQ(row(1), (std::vector<std::string>{" ", " Team", " Point"}));
  EXPECT_EQ(row(2), (std::vector<std::string>{"QB1, Test ", "BAL ", "300.0"}));
  EXPECT_EQ(sheet.ColWidth(2), 32 * 15);
}

namespace {

// Display grids that do not read: one message each, and after "Don't Save"
// the page shows its grid as saved, never the edits it was told to drop.
class HostileDisplayGrid : public DisplayEditor,
                           public ::testing::WithParamInterface<kdtest::HostileDocument> {};

}  // namespace

TEST_P(HostileDisplayGrid, IsRefusedOnceAndDroppedEditsAreNotKept) {
  Tick(0);
  fakes.files.AnswerOwn("Mine");
  editor.FileCommand(10);
  const std::string mine = kdtest::ReadFile(dir.Path() + "dis/Mine.dis");
  const std::string path = dir.Path() + "dis/Hostile.dis";
  GetParam().make(path, mine);
  const kdtest::PathSnapshot before = kdtest::Snapshot(path);
  kdtest::HeapPeak heap;

  Tick(1);  // an edit the user then chooses not to save
  ASSERT_TRUE(editor.ChangesMade());
  fakes.messages.captions.clear();
  fakes.messages.Answer("nosave");
  fakes.files.AnswerOwn("Hostile.dis");
  EXPECT_NO_THROW(editor.FileCommand(7));
  EXPECT_EQ(fakes.messages.captions.size(), 2u);  // the save question and the refusal
  EXPECT_EQ(editor.FileName(), "Mine.dis");
  EXPECT_EQ(editor.Grid().ColumnMax(), 0);
  EXPECT_FALSE(editor.ChangesMade());
  EXPECT_NO_THROW(editor.FileCommand(9));
  EXPECT_EQ(kdtest::ReadFile(dir.Path() + "dis/Mine.dis"), mine);
  EXPECT_EQ(kdtest::Snapshot(path), before);
  EXPECT_LT(heap.Bytes(), kdtest::kHostileHeapBound);
}

// The cut falls inside the first column; the count is ColumnCount.
INSTANTIATE_TEST_SUITE_P(Files, HostileDisplayGrid, ::testing::ValuesIn(kdtest::DamagedDocuments(150, 34)),
                         kdtest::HostileDocumentName());
