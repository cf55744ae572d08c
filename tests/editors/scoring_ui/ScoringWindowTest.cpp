// The scoring-system page's window in the real main window, offscreen: the
// wiring of the menu, the grid's editor, the File menu and the close
// question. What the page does is tested on its controller.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "MainWindowHarness.h"
#include "ScoringRules.h"
#include "core/basMockItUp.h"
#include "draft_inputs/basSCOFileControl.h"
#include "editors/scoring/clsUIScoringSystem2.h"
#include "editors/scoring/ui/frmScoring.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/ui/frmMessage.h"

namespace editors_scoring_ui {
void RegisterWindows();
}

namespace {

using Col = clsUIScoringSystem2::Column;
using Menu = basCheatSheetMenu::FileItem;
using editors_scoring_ui::frmScoring;

class ScoringWindowTest : public kdtest::MainWindowTest {
 protected:
  // Starts the main window with the project naming a one-rule system and
  // opens the page from Edit > Scoring System.
  frmScoring* OpenPage() {
    editors_scoring_ui::RegisterWindows();
    if (!Start()) return nullptr;
    clsScoringIsolate s;
    AddRule(s, 1, 3, 25, -99999, 99999, 0, 2, 0);  // Passing Yards
    if (!basSCOFileControl::WriteScoFile(Path(), s)) return nullptr;
    GlobalProject().SetValue(kProjScoringSystemFile, "Mine.sco");
    window->mnuEdit(1)->trigger();
    return qobject_cast<frmScoring*>(window->CurrentPageForm());
  }
  static std::string Path() { return FileTypeFolder[kPageScoringSystem] + "Mine.sco"; }
};

TEST_F(ScoringWindowTest, RuleTypedInTheGridIsSavedFromTheFileMenu) {
  frmScoring* page = OpenPage();
  ASSERT_NE(page, nullptr);
  FlexGridWidget* grid = page->flxScoring();
  ASSERT_EQ(grid->Model().TextMatrix(3, Col::kColName), "Passing Yards");

  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(3, Col::kColPoints).center());
  ASSERT_TRUE(page->txtScoring()->isVisible());
  page->txtScoring()->selectAll();
  QTest::keyClicks(page->txtScoring(), "6");
  QTest::keyClick(page->txtScoring(), Qt::Key_Return);
  EXPECT_EQ(grid->Model().TextMatrix(3, Col::kColPoints), "6.0");
  EXPECT_EQ(page->lblRule()->text().toStdString(), "Passing Yards");

  window->mnuFile(Menu::kSaveDocument)->trigger();
  clsScoringIsolate saved;
  ASSERT_TRUE(basSCOFileControl::ReadScoFileToIsolate(Path(), saved));
  saved.MoveFirst();
  EXPECT_EQ(saved.Points(), 6.0F);
}

TEST_F(ScoringWindowTest, LeavingWithChangesAsksAndCancelKeepsThePage) {
  frmScoring* page = OpenPage();
  ASSERT_NE(page, nullptr);
  FlexGridWidget* grid = page->flxScoring();
  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(3, Col::kColFDM).center());
  ASSERT_TRUE(page->Controller().ChangesMade());

  std::string seen;
  script.Then<frmMessage>([this, &seen](frmMessage* box) {
    seen = box->lblView()->text().toStdString();
    kdtest::PressSoon(*pointer, box->mBtn(), 2);
  });
  window->mnuEdit(4)->trigger();
  EXPECT_EQ(seen, " Would you like to save changes to Mine.sco?");
  EXPECT_EQ(basUIControl::CurrentPage(), kPageScoringSystem);
}

// The arrows in the category list choose as a click does: the row is
// highlighted and "> Add" takes that category.
TEST_F(ScoringWindowTest, ArrowsInTheCategoryListChooseTheCategory) {
  frmScoring* page = OpenPage();
  FlexGridWidget* list = ListToWalk(page, &frmScoring::flxScoCat);
  ASSERT_NE(list, nullptr);
  const FlexGridModel& m = list->Model();
  const int32_t white = m.CellBackColorAt(2, 1);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(m.Row(), 2);
  EXPECT_NE(m.CellBackColorAt(2, 1), white);
  EXPECT_EQ(m.CellBackColorAt(1, 1), white);
  EXPECT_TRUE(page->mRule()->ButtonEnabled(0));
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(m.CellBackColorAt(2, 1), white);
  EXPECT_NE(m.CellBackColorAt(m.Rows() - 1, 1), white);
}

// Each click in the position list shows at once in the cell, the last one too:
// the list tells of a click only once the item's selection has turned.
TEST_F(ScoringWindowTest, EveryPositionClickedInTheListIsKept) {
  frmScoring* page = OpenPage();
  ASSERT_NE(page, nullptr);
  FlexGridWidget* grid = page->flxScoring();
  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(3, Col::kColPositions).center());
  QListWidget* list = page->lstPos();
  ASSERT_TRUE(list->isVisible());
  const auto click = [list](const char* name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
  };
  click("QB");
  EXPECT_EQ(grid->Model().TextMatrix(3, Col::kColPositions), " All QB");
  click("RB");
  EXPECT_EQ(grid->Model().TextMatrix(3, Col::kColPositions), " All QB RB");
  click("QB");
  EXPECT_EQ(grid->Model().TextMatrix(3, Col::kColPositions), " All RB");
}

}  // namespace
