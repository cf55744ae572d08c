// The draft-strategy page's window in the real main window, offscreen: the
// wiring of the menu, the grid's editor and the close question. What the
// page does is tested on its controller.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "MainWindowHarness.h"
#include "Screenshot.h"
#include "core/basMockItUp.h"
#include "editors/strategy/clsUIStrategy.h"
#include "editors/strategy/ui/frmDraftStrategies.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/ui/frmMessage.h"

namespace editors_strategy_ui {
void RegisterWindows();
}

namespace {

using Col = clsUIStrategy::Column;
using editors_strategy_ui::frmDraftStrategies;

class StrategyWindowTest : public kdtest::MainWindowTest {
 protected:
  // Starts the main window with a one-rule default strategy and opens the
  // page from Edit > Draft Strategies.
  frmDraftStrategies* OpenPage() {
    editors_strategy_ui::RegisterWindows();
    if (!Start()) return nullptr;
    clsDraftStrategy s;
    s.SetFilePath(FileTypeFolder[kPageDraftStrategies]);
    s.SetFileName(FileTypeDefaultName[kPageDraftStrategies]);
    s.SetCount(1);
    s.SetBegPick(0, 1);
    s.SetEndPick(0, 3);
    s.AddPositionID(0, 1);
    if (!s.SaveDraftStrategy()) return nullptr;
    window->mnuEdit(4)->trigger();
    return qobject_cast<frmDraftStrategies*>(window->CurrentPageForm());
  }
};

TEST_F(StrategyWindowTest, PickTypedInTheGridChangesTheRule) {
  frmDraftStrategies* page = OpenPage();
  ASSERT_NE(page, nullptr);
  FlexGridWidget* grid = page->flxDraft();
  ASSERT_EQ(grid->Model().Rows(), 3);
  ASSERT_EQ(grid->Model().TextMatrix(2, Col::kColEnd), "3");

  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(2, Col::kColBegin).center());
  ASSERT_TRUE(page->txtDraft()->isVisible());
  page->txtDraft()->selectAll();
  QTest::keyClicks(page->txtDraft(), "2");
  QTest::keyClick(page->txtDraft(), Qt::Key_Return);
  EXPECT_EQ(grid->Model().TextMatrix(2, Col::kColBegin), " 2");
  EXPECT_EQ(page->Controller().Strategy().BegPick(0), 2);
  EXPECT_TRUE(page->Controller().ChangesMade());
  kdtest::SaveScreenshot(window.get(), "strategy_page");
}

TEST_F(StrategyWindowTest, FactorTypedOnTheFactorsTabIsShownAndKept) {
  frmDraftStrategies* page = OpenPage();
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->mTab()->Tabs(), 2);
  kdtest::PressTab(*pointer, page->mTab(), clsUIStrategy::kTabFactors);
  ASSERT_EQ(page->Controller().CurrentTab(), clsUIStrategy::kTabFactors);
  FlexGridWidget* grid = page->flxDraft();
  ASSERT_EQ(grid->Model().TextMatrix(0, 2), "RB");

  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(3, 2).center());
  ASSERT_TRUE(page->txtDraft()->isVisible());
  page->txtDraft()->selectAll();
  QTest::keyClicks(page->txtDraft(), "1.5");
  QTest::keyClick(page->txtDraft(), Qt::Key_Return);
  EXPECT_EQ(grid->Model().TextMatrix(3, 2), "1.500");
  EXPECT_DOUBLE_EQ(page->Controller().Strategy().Factor(2, 3), 1.5);
  kdtest::SaveScreenshot(window.get(), "strategy_factors");

  kdtest::PressTab(*pointer, page->mTab(), clsUIStrategy::kTabStrategy);
  EXPECT_EQ(grid->Model().TextMatrix(1, 1), "Begin");
}

TEST_F(StrategyWindowTest, ListOfTheLastRuleOpensAboveItsCellInsideTheGrid) {
  frmDraftStrategies* page = OpenPage();
  ASSERT_NE(page, nullptr);
  FlexGridWidget* grid = page->flxDraft();
  // Rules down to the grid's last whole row.
  int32_t last = grid->Model().Rows() - 1;
  while (grid->CellRect(last, Col::kColMethod).bottom() + grid->CellRect(last, Col::kColMethod).height() <
         grid->CellArea().bottom()) {
    page->Controller().mAR_Click(clsUIStrategy::kAddRule);
    last = grid->Model().Rows() - 1;
    ASSERT_FALSE(grid->CellRect(last, Col::kColMethod).isNull());
  }
  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(last, Col::kColMethod).center());
  ASSERT_TRUE(page->lstNorm()->isVisible());
  EXPECT_LE(page->lstNorm()->geometry().bottom(), grid->CellRect(last, Col::kColMethod).top());
  EXPECT_GE(page->lstNorm()->geometry().top(), 0);
}

TEST_F(StrategyWindowTest, LeavingWithChangesAsksAndCancelKeepsThePage) {
  frmDraftStrategies* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->Controller().mAR_Click(clsUIStrategy::kAddRule);
  ASSERT_TRUE(page->Controller().ChangesMade());

  std::string seen;
  script.Then<frmMessage>([this, &seen](frmMessage* box) {
    seen = box->lblView()->text().toStdString();
    kdtest::PressSoon(*pointer, box->mBtn(), 2);
  });
  window->mnuEdit(1)->trigger();
  EXPECT_EQ(seen, " Save changes to KD-RBL Default.stg?");
  EXPECT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
}

}  // namespace
