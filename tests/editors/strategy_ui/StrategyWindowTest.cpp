// The draft-strategy page's window in the real main window, offscreen: the
// wiring of the menu, the grid's editor and the close question. What the
// page does is tested on its controller.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
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
