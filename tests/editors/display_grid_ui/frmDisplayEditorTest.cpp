#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "MainWindowHarness.h"
#include "editors/display_grid/clsUIDisplayEditor.h"
#include "editors/display_grid/ui/frmDisplayEditor.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/ui/frmMessage.h"

using editors_display_grid_ui::frmDisplayEditor;
using kdtest::MainWindowTest;

namespace {

class DisplayGridWindow : public MainWindowTest {
 protected:
  frmDisplayEditor* OpenPage() {
    editors_display_grid_ui::RegisterWindows();
    if (!Start()) return nullptr;
    window->mnuEdit(3)->trigger();  // Edit > Display Grids
    return dynamic_cast<frmDisplayEditor*>(window->CurrentPageForm());
  }
};

}  // namespace

TEST_F(DisplayGridWindow, DisplayGridPageAddsAColumnForATickedCategoryAndAsksBeforeLeaving) {
  frmDisplayEditor* page = OpenPage();
  ASSERT_NE(page, nullptr);

  FlexGridWidget* cats = page->flxStatCats();
  const FlexGridModel& m = cats->Model();
  int32_t row = 1;
  while (row < m.Rows() && m.TextMatrix(row, 0).empty()) ++row;
  ASSERT_LT(row, m.Rows());
  QTest::mouseClick(cats, Qt::LeftButton, {}, cats->CellRect(row, 1).center());
  EXPECT_EQ(page->Controller().Grid().ColumnMax(), 0);
  EXPECT_EQ(page->flxPlayer()->Model().Rows(), 2);
  kdtest::SaveScreenshot(page, "display_grid_editor");

  // Leaving with the new column asks; Cancel keeps the page.
  std::string question;
  script.Then<frmMessage>([this, &question](frmMessage* box) {
    question = box->lblView()->text().toStdString();
    kdtest::PressSoon(*pointer, box->mBtn(), 2);  // Cancel
  });
  window->mnuEdit(0)->trigger();
  EXPECT_EQ(question, " Would you like to save changes to Display Grid File?");
  EXPECT_EQ(window->CurrentPageForm(), page);
}

// A column border dragged in the preview's headings sets that column's
// width, which the page takes into the grid and its column list.
TEST_F(MainWindowTest, DraggingAPreviewColumnBorderSetsTheColumnsWidth) {
  editors_display_grid_ui::RegisterWindows();
  ASSERT_TRUE(Start());
  QApplication::setActiveWindow(window.get());
  window->mnuEdit(3)->trigger();  // Edit > Display Grids
  auto* page = dynamic_cast<frmDisplayEditor*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  const FlexGridModel& cats = page->flxStatCats()->Model();
  for (int32_t row = 1, ticked = 0; row < cats.Rows() && ticked < 3; ++row) {
    if (cats.TextMatrix(row, 0).empty()) continue;
    page->Controller().flxStatCats_Click(row, 1);
    ++ticked;
  }
  FlexGridWidget* preview = page->flxExample();
  ASSERT_EQ(preview->Model().Cols(), 3);

  // The second heading row's border between the first two columns.
  const QRect heading = preview->CellRect(1, 0);
  const QPoint border(heading.right() + 1, heading.center().y());
  QTest::mouseMove(preview, border);
  EXPECT_EQ(preview->cursor().shape(), Qt::SplitHCursor);
  QTest::mousePress(preview, Qt::LeftButton, {}, border);
  QTest::mouseMove(preview, border + QPoint(40, 0));
  QTest::mouseRelease(preview, Qt::LeftButton, {}, border + QPoint(40, 0));
  const FlexGridModel& list = page->flxPlayer()->Model();
  EXPECT_TRUE(QTest::qWaitFor([&list] { return list.TextMatrix(1, clsUIDisplayEditor::kColWidth) == "72"; }));
  EXPECT_EQ(page->Controller().Grid().ColumnWidth(0), 72);
  EXPECT_EQ(page->Controller().Grid().ColumnWidth(1), 32);
}

// Move Down and Move Up take the focus frame along with the moved column, so
// the keys go on from the row that is highlighted.
TEST_F(DisplayGridWindow, MovingAColumnTakesTheFocusFrameAlong) {
  frmDisplayEditor* page = OpenPage();
  ASSERT_NE(page, nullptr);
  FlexGridWidget* cats = page->flxStatCats();
  for (int32_t row = 1, ticked = 0; row < cats->Model().Rows() && ticked < 3; ++row) {
    if (cats->Model().TextMatrix(row, 0).empty()) continue;
    cats->EnsureVisible(row, 1);
    QTest::mouseClick(cats, Qt::LeftButton, {}, cats->CellRect(row, 1).center());
    ++ticked;
  }
  FlexGridWidget* list = page->flxPlayer();
  ASSERT_EQ(list->Model().Rows(), 4);
  QTest::mouseClick(list, Qt::LeftButton, {}, list->CellRect(1, clsUIDisplayEditor::kColName).center());
  ASSERT_EQ(page->Controller().SelectedRow(), 1);
  kdtest::Press(*pointer, page->mUpDown(), 1);  // Move Down
  EXPECT_EQ(page->Controller().SelectedRow(), 2);
  EXPECT_EQ(list->Model().Row(), 2);
  kdtest::Press(*pointer, page->mUpDown(), 0);  // Move Up
  EXPECT_EQ(page->Controller().SelectedRow(), 1);
  EXPECT_EQ(list->Model().Row(), 1);
}

// The page without a mouse. Space ticks the category the frame is on (only
// a click could); the column ticked first keeps the list's heading fixed
// (Up went on into it), and the column a tick adds is where the keys go on
// from, as after Move Up and Move Down.
TEST_F(DisplayGridWindow, TheCategoryAndColumnListsByKeys) {
  frmDisplayEditor* page = OpenPage();
  ASSERT_NE(page, nullptr);
  QApplication::setActiveWindow(window.get());
  FlexGridWidget *cats = page->flxStatCats(), *list = page->flxPlayer();
  QWidget* bar = page->mUpDown()->PictureControl();
  const struct {
    Qt::Key key;
    QWidget* focus;
    int32_t columns, row, selected;  // the column list's current row and highlighted row
  } keys[] = {{Qt::Key_Tab, cats, 0, 0, -1},     {Qt::Key_Down, cats, 0, 0, -1},  // Draft Note
              {Qt::Key_Space, cats, 1, 1, 1},    {Qt::Key_Down, cats, 1, 1, 1},
              {Qt::Key_Space, cats, 2, 2, 2},    {Qt::Key_Space, cats, 1, 1, -1},  // cleared again
              {Qt::Key_Space, cats, 2, 2, 2},    {Qt::Key_Down, cats, 2, 2, 2},
              {Qt::Key_Space, cats, 3, 3, 3},    {Qt::Key_Tab, list, 3, 3, 3},
              {Qt::Key_Up, list, 3, 2, 2},       {Qt::Key_Up, list, 3, 1, 1},
              {Qt::Key_Up, list, 3, 1, 1},       {Qt::Key_Tab, bar, 3, 1, 1},  // Move Down
              {Qt::Key_Space, bar, 3, 2, 2},     {Qt::Key_Backtab, bar, 3, 2, 2},  // Move Up
              {Qt::Key_Backtab, list, 3, 2, 2},  {Qt::Key_Down, list, 3, 3, 3}};
  for (const auto& k : keys) {
    SCOPED_TRACE(testing::Message() << "key " << k.key << " to row " << k.row);
    QTest::keyClick(QApplication::focusWidget(), k.key);
    EXPECT_EQ(QApplication::focusWidget(), k.focus);
    EXPECT_EQ(page->Controller().Grid().ColumnMax() + 1, k.columns);
    EXPECT_EQ(list->Model().Row(), k.row);
    EXPECT_EQ(page->Controller().SelectedRow(), k.selected);
  }
}
