// The league-properties page's window in the real main window, offscreen:
// the menu, the tab strip, the grid's editor, the button bars, the File menu
// and the close question. What the page does is tested on its controller.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "MainWindowHarness.h"
#include "core/basMockItUp.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "editors/league/clsUILeagueProperties.h"
#include "editors/league/ui/frmLeague.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/ui/frmMessage.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsTabStrip.h"

namespace editors_league_ui {
void RegisterWindows();
}

namespace {

using Menu = basCheatSheetMenu::FileItem;
using editors_league_ui::frmLeague;

class LeagueWindowTest : public kdtest::MainWindowTest {
 protected:
  // Starts the main window with the project naming a two-team league and
  // opens the page from Edit > League Properties.
  frmLeague* OpenPage() {
    editors_league_ui::RegisterWindows();
    if (!Start()) return nullptr;
    clsLeagueIsolate league;
    league.SetFilePath(FileTypeFolder[kPageLeagueProperties]);
    league.SetFileName("Mine.lgp");
    league.SetTeamCount(2);
    league.SetTeamName(1, "Hawks");
    league.SetTeamName(2, "Owls");
    league.SetDraftRounds(3);
    if (!league.SaveLeagueProps()) return nullptr;
    GlobalProject().SetValue(kProjLeaguePropertiesFile, "Mine.lgp");
    window->mnuEdit(0)->trigger();
    return qobject_cast<frmLeague*>(window->CurrentPageForm());
  }
  void ClickTab(frmLeague* page, int32_t index) {
    const ButtonRect r = page->mTab()->ScreenRect(index);
    QTest::mouseClick(page->mTab()->PictureControl(), Qt::LeftButton, {},
                      QPoint(r.Left + r.Width / 2, r.Top + r.Height / 2));
  }
  static clsLeagueIsolate Saved() {
    clsLeagueIsolate saved;
    saved.SetFilePath(FileTypeFolder[kPageLeagueProperties]);
    saved.SetFileName("Mine.lgp");
    EXPECT_TRUE(saved.LoadLeagueProps());
    return saved;
  }
};

TEST_F(LeagueWindowTest, TheThreeTabsAreEditedAndSavedFromTheFileMenu) {
  frmLeague* page = OpenPage();
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->mTab()->Tabs(), 3);
  FlexGridWidget* grid = page->flxPosition();
  EXPECT_TRUE(page->flxPosCat()->isVisible());
  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(2, 5).center());
  ASSERT_TRUE(page->txtPosition()->isVisible());
  page->txtPosition()->selectAll();
  QTest::keyClicks(page->txtPosition(), "14");
  QTest::keyClick(page->txtPosition(), Qt::Key_Return);
  EXPECT_EQ(grid->Model().TextMatrix(2, 5), "14");

  ClickTab(page, clsUILeagueProperties::kTabTeams);
  EXPECT_EQ(grid->Model().TextMatrix(2, 2), " Owls");
  EXPECT_TRUE(page->picAR()->isVisible());
  kdtest::Press(*pointer, page->mAR(), 0);
  EXPECT_EQ(grid->Model().TextMatrix(3, 2), " Team 3");

  ClickTab(page, clsUILeagueProperties::kTabDraftOrder);
  EXPECT_TRUE(page->txtRnds()->isVisible());
  EXPECT_EQ(page->txtRnds()->text(), "3");
  kdtest::Press(*pointer, page->mBoard(), 0);
  EXPECT_EQ(grid->Model().Rows(), 10);  // three teams, three rounds

  window->mnuFile(Menu::kSaveDocument)->trigger();
  const clsLeagueIsolate saved = Saved();
  EXPECT_EQ(saved.TeamCount(), 3);
  EXPECT_EQ(saved.PickCount(), 9);
  EXPECT_EQ(saved.RosterMax(1), 14);
}

// In the position list the arrows only move (a row passed is not ticked);
// Space ticks the row the frame is on, as a click on its box does.
TEST_F(LeagueWindowTest, ArrowsMoveThroughThePositionListAndSpaceTicksTheRowReached) {
  frmLeague* page = OpenPage();
  FlexGridWidget* list = ListToWalk(page, &frmLeague::flxPosCat);
  ASSERT_NE(list, nullptr);
  const FlexGridModel& m = list->Model();
  clsRosterAndPosition& positions = page->Controller().Positions();
  const auto inUse = [&](int32_t row) { return positions.InUse(std::stoi(m.TextMatrix(row, 0))); };
  const bool first = inUse(1), second = inUse(2);
  QTest::mouseClick(list, Qt::LeftButton, {}, list->CellRect(1, 2).center());
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(m.Row(), 2);
  EXPECT_FALSE(page->Controller().ChangesMade());
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(inUse(1), first);
  EXPECT_EQ(inUse(2), !second);
  EXPECT_TRUE(page->Controller().ChangesMade());
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(m.Row(), m.Rows() - 1);
}

TEST_F(LeagueWindowTest, LeavingWithChangesAsksAndCancelKeepsThePage) {
  frmLeague* page = OpenPage();
  ASSERT_NE(page, nullptr);
  ClickTab(page, clsUILeagueProperties::kTabTeams);
  kdtest::Press(*pointer, page->mAR(), 0);
  kdtest::Press(*pointer, page->mAR(), 1);  // no row entered by the user: the last team goes
  EXPECT_EQ(page->Controller().TeamNames(), (std::vector<std::string>{"Hawks", "Owls"}));
  ASSERT_TRUE(page->Controller().ChangesMade());

  std::string seen;
  script.Then<frmMessage>([this, &seen](frmMessage* box) {
    seen = box->lblView()->text().toStdString();
    kdtest::PressSoon(*pointer, box->mBtn(), 2);
  });
  window->mnuEdit(1)->trigger();
  EXPECT_EQ(seen, " Would you like to save changes to Mine.lgp?");
  EXPECT_EQ(basUIControl::CurrentPage(), kPageLeagueProperties);
}

}  // namespace
