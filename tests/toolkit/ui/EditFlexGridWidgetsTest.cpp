// Editing grid cells in a real window: mouse presses on the grid and keys
// sent where the focus (or an open drop-down) is, as a person's would be.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "Screenshot.h"
#include "core/basFlexGridCommon.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "toolkit/clsEditFlexGrid.h"
#include "toolkit/ui/EditFlexGridWidgets.h"

namespace {

// Columns: 0 text, 1 combo, 2 single-choice list, 3 multi-choice list; a
// heading row and 19 rows, eight of them in view.
class GridEditing : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->setGeometry(60, 60, 560, 300);
    grid = new FlexGridWidget(window.get());
    grid->setGeometry(10, 10, 424, 184);
    text = new QLineEdit(window.get());
    combo = new QComboBox(window.get());
    single = new QListWidget(window.get());
    multi = new QListWidget(window.get());
    multi->setSelectionMode(QAbstractItemView::MultiSelection);
    FlexGridModel& m = grid->Model();
    m.SetRows(20);
    m.SetCols(4);
    m.SetFixedRows(1);
    m.SetFixedCols(0);
    m.SetColWidth(-1, 1500);
    m.SetRowHeight(-1, 300);
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 4; ++c) m.SetTextMatrix(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    m.SetRow(1);
    m.SetCol(0);
    combo->addItems({"one", "two", "three"});

    parts = std::make_unique<EditFlexGridWidgets>(grid, text, combo, single, multi);
    edit.SetNorm(EditFlexGridWidgets::DropArrowPicture(false));
    edit.SetHover(EditFlexGridWidgets::DropArrowPicture(true));
    parts->AttachTo(edit);
    edit.TextEditColumn(0);
    edit.ComboEditColumn(1);
    edit.ListNormEditColumn(2);
    edit.ListMultiEditColumn(3);
    edit.InactiveRow(0);
    edit.DrawDropArrows();
    edit.ValidateFlexText = [this](int32_t r, int32_t c, const std::string& n, const std::string& o) {
      log.push_back("Text " + Cell(r, c) + " " + n + " " + o);
      grid->Model().SetTextMatrix(r, c, n);  // accepted
    };
    edit.ValidateFlexCombo = [this](int32_t r, int32_t c, int32_t n, int32_t o) {
      log.push_back("Combo " + Cell(r, c) + " " + std::to_string(n) + " " + std::to_string(o));
    };
    edit.ValidateFlexListSingle = [this](int32_t r, int32_t c, int32_t i) {
      log.push_back("Single " + Cell(r, c) + " " + std::to_string(i));
    };
    edit.ValidateFlexListMulti = [this](int32_t r, int32_t c, const std::vector<bool>& s) {
      std::string flags;
      for (bool b : s) flags += b ? '1' : '0';
      log.push_back("Multi " + Cell(r, c) + " " + flags);
    };
    edit.EnterCell = [this] { log.push_back("EnterCell"); };
    edit.Click = [this] { log.push_back("Click"); };
    edit.AllignmentDone = [this](int32_t c) {
      EditFlexListBox* list = c == 2 ? edit.NormListBox() : edit.MultiListBox();
      if (c < 2 || list == nullptr) return;
      list->Clear();
      for (const char* item : {"QB", "RB", "WR"}) list->AddItem(item);
      basFlexGridCommon::FitListToItems(*list, grid->Model());
    };
    edit.SetEnabled(true);
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    grid->setFocus();
  }

  static std::string Cell(int32_t r, int32_t c) { return std::to_string(r) + "," + std::to_string(c); }
  QPoint At(int row, int col) const { return grid->CellRect(row, col).center(); }
  void ClickCell(int row, int col) { QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, At(row, col)); }
  // A key goes where the focus is, or to the open drop-down.
  void Key(Qt::Key key) {
    QWidget* target = QApplication::activePopupWidget();
    if (target != nullptr && target->focusWidget() != nullptr) target = target->focusWidget();
    if (target == nullptr) target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "nothing has the focus";
    QTest::keyClick(target, key);
  }
  std::vector<std::string> Take() { return std::exchange(log, {}); }

  std::unique_ptr<QWidget> window;
  FlexGridWidget* grid = nullptr;
  QLineEdit* text = nullptr;
  QComboBox* combo = nullptr;
  QListWidget* single = nullptr;
  QListWidget* multi = nullptr;
  std::unique_ptr<EditFlexGridWidgets> parts;
  clsEditFlexGrid edit;
  std::vector<std::string> log;
};

TEST_F(GridEditing, AClickRaisesClickThenEnterCellAndOpensTheTextEditorOverTheCell) {
  ClickCell(3, 0);
  EXPECT_EQ(Take(), (std::vector<std::string>{"EnterCell", "Click", "EnterCell"}));
  ASSERT_TRUE(text->isVisible());
  EXPECT_EQ(text->text().toStdString(), "r3c0");
  EXPECT_TRUE(text->hasFocus());
  EXPECT_TRUE(grid->geometry().intersects(text->geometry()));
  EXPECT_TRUE(text->geometry().intersects(grid->CellRect(3, 0).translated(grid->pos())));
  kdtest::SaveScreenshot(window.get(), "grid_editing_text");
}

TEST_F(GridEditing, EnterWithUnchangedTextRaisesNothingAndGivesTheGridTheFocus) {
  ClickCell(3, 0);
  Take();
  Key(Qt::Key_Return);
  EXPECT_TRUE(Take().empty());
  EXPECT_FALSE(text->isVisible());
  EXPECT_TRUE(grid->hasFocus());
}

TEST_F(GridEditing, EscapeDropsTheTypedText) {
  ClickCell(3, 0);
  QTest::keyClicks(text, "zzz");
  Key(Qt::Key_Escape);
  ClickCell(4, 0);
  for (const auto& line : Take()) EXPECT_EQ(line.rfind("Text", 0), std::string::npos) << line;
  EXPECT_EQ(grid->Model().TextMatrix(3, 0), "r3c0");
}

TEST_F(GridEditing, UpOnTheFirstScrollableRowCommitsAndReopensTheSameCell) {
  ClickCell(1, 0);
  QTest::keyClicks(text, "new");  // replaces the selected cell text
  Take();
  Key(Qt::Key_Up);
  EXPECT_EQ(Take(), (std::vector<std::string>{"Text 1,0 new r1c0"}));
  EXPECT_EQ(grid->Model().Row(), 1);
  ASSERT_TRUE(text->isVisible());
  EXPECT_EQ(text->text().toStdString(), "new");
}

TEST_F(GridEditing, ArrowKeysMoveFromTheTextEditorAndScrollTheGridAlong) {
  ClickCell(7, 0);
  text->end(false);
  for (int i = 0; i < 4; ++i) Key(Qt::Key_Down);
  EXPECT_EQ(grid->Model().Row(), 11);
  EXPECT_GT(grid->Model().TopRow(), 1);
  ASSERT_TRUE(text->isVisible());
  EXPECT_EQ(text->text().toStdString(), "r11c0");
  EXPECT_TRUE(grid->rect().contains(grid->mapFromParent(text->geometry().center())));
}

TEST_F(GridEditing, LeftAndRightLeaveTheTextOnlyFromItsStartOrEnd) {
  ClickCell(3, 0);
  Key(Qt::Key_Right);  // the whole text is selected: the caret goes to its end
  EXPECT_EQ(grid->Model().Col(), 0);
  Key(Qt::Key_Left);  // the caret moves
  Key(Qt::Key_Home);
  Key(Qt::Key_Left);
  EXPECT_EQ(grid->Model().Col(), 0) << "column 0 is the first";
  Key(Qt::Key_End);
  Key(Qt::Key_Right);
  EXPECT_EQ(grid->Model().Col(), 1);
  EXPECT_TRUE(combo->isVisible());
}

TEST_F(GridEditing, ASingleChoiceListLeftWithNothingChosenReportsMinusOne) {
  ClickCell(2, 2);
  ASSERT_TRUE(single->isVisible());
  EXPECT_EQ(single->count(), 3);
  kdtest::SaveScreenshot(window.get(), "grid_editing_list");
  Take();
  ClickCell(5, 0);
  EXPECT_FALSE(single->isVisible());
  const std::vector<std::string> got = Take();
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.front(), "Single 2,2 -1");
}

TEST_F(GridEditing, AMultiChoiceListTogglesOnEnterAndReportsWhenItsCellIsLeft) {
  ClickCell(2, 3);
  ASSERT_TRUE(multi->isVisible());
  Key(Qt::Key_Home);
  Key(Qt::Key_Return);  // item 0 on
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);  // item 2 on
  Key(Qt::Key_Return);  // and off again
  Key(Qt::Key_Up);
  Key(Qt::Key_Return);  // item 1 on
  EXPECT_TRUE(multi->isVisible());
  Take();
  Key(Qt::Key_Left);
  EXPECT_EQ(grid->Model().Col(), 2);
  EXPECT_FALSE(multi->isVisible());
  EXPECT_EQ(Take(), (std::vector<std::string>{"EnterCell", "Multi 2,3 110"}));
}

TEST_F(GridEditing, ACheckBoxListReportsEachTickToItsOwnerAndItsItemOnEnter) {
  multi->setSelectionMode(QAbstractItemView::SingleSelection);
  EditFlexListBox* list = edit.MultiListBox();
  list->SetStyle(1);
  int ticks = 0;
  list->Click = [&ticks] { ++ticks; };
  ClickCell(2, 3);
  ASSERT_TRUE(multi->isVisible());
  Key(Qt::Key_Home);
  ticks = 0;
  Key(Qt::Key_Space);
  EXPECT_TRUE(list->Selected(0));
  EXPECT_EQ(ticks, 1);
  Take();
  Key(Qt::Key_Return);
  EXPECT_EQ(Take(), (std::vector<std::string>{"Single 2,3 0"}));
  EXPECT_FALSE(multi->isVisible());
}

TEST_F(GridEditing, AComboChoiceMadeInItsOpenDropDownIsReported) {
  ClickCell(2, 1);
  ASSERT_TRUE(combo->isVisible());
  kdtest::SaveScreenshot(window.get(), "grid_editing_combo");
  Take();
  Key(Qt::Key_Return);  // opens the drop-down
  ASSERT_TRUE(combo->view()->isVisible());
  Key(Qt::Key_Down);  // moves inside the drop-down, not the grid
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Model().Row(), 2);
  EXPECT_EQ(Take(), (std::vector<std::string>{"Combo 2,1 " + std::to_string(combo->currentIndex()) + " -1"}));
  EXPECT_FALSE(combo->isVisible());
}

TEST_F(GridEditing, NoEditorOpensOnAMultiCellSelection) {
  QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, At(3, 0));
  QMouseEvent drag(QEvent::MouseMove, At(5, 1), grid->mapToGlobal(At(5, 1)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(grid, &drag);
  QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, At(5, 1));
  EXPECT_EQ(grid->Model().RowSel(), 5);
  EXPECT_FALSE(text->isVisible());
  EXPECT_FALSE(combo->isVisible());
  EXPECT_TRUE(grid->hasFocus());
}

TEST_F(GridEditing, AGridRebuiltInsideAValidationEventKeepsEditing) {
  edit.ValidateFlexText = [this](int32_t, int32_t, const std::string&, const std::string&) {
    edit.SetEnabled(false);
    FlexGridModel& m = grid->Model();
    m.SetRows(4);
    m.SetCols(2);
    edit.Reset();
    edit.TextEditColumn(0);
    edit.SetEnabled(true);
  };
  ClickCell(8, 0);
  QTest::keyClicks(text, "x");
  Key(Qt::Key_Down);
  EXPECT_EQ(grid->Model().Rows(), 4);
  EXPECT_EQ(edit.ColumnEditType(3), clsEditFlexGrid::kNoEdit);
  ClickCell(2, 0);
  ASSERT_TRUE(text->isVisible());
  EXPECT_EQ(text->text().toStdString(), "r2c0");
}

TEST_F(GridEditing, TheEditorOutlivesItsWindowAndTheWindowItsEditor) {
  ClickCell(3, 0);
  QTest::keyClicks(text, "x");
  window.reset();  // the page's window goes while its controller stays
  parts.reset();
  edit.ValidateLastCell();
  edit.DrawDropArrows();
  EXPECT_EQ(edit.Flexgrid(), nullptr);
  EXPECT_EQ(edit.TextBox(), nullptr);
  {
    QWidget other;
    auto* g = new FlexGridWidget(&other);
    auto* t = new QLineEdit(&other);
    auto editor = std::make_unique<clsEditFlexGrid>();
    EditFlexGridWidgets again(g, t);
    again.AttachTo(*editor);
    editor->TextEditColumn(1);
    editor->SetEnabled(true);
    other.show();
    editor.reset();  // and the other way round
    QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, g->CellRect(1, 1).center());
    EXPECT_FALSE(t->isVisible());
  }
}

}  // namespace
