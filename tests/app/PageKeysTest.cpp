// The pages without a mouse, on the bundled sample project: Tab reaches
// every page's tab strip and small tool bars, the keys move between the tabs
// and press the bars' buttons, and a description box gives Tab back.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <string>
#include <tuple>
#include <vector>

#include "MainWindowHarness.h"
#include "core/PageCode.h"
#include "editors/league/ui/frmLeague.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "editors/projected_stats/ui/frmProjected.h"
#include "editors/strategy/clsUIStrategy.h"
#include "editors/scoring/ui/frmScoring.h"
#include "editors/strategy/ui/frmDraftStrategies.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "project_page/ui/frmCheatSheetMDI.h"
#include "shell/ui/PageRegistry.h"
#include "shell/ui/frmFile.h"
#include "shell/ui/frmMainBar.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"

void RegisterAllWindows();

namespace {

using editors_league_ui::frmLeague;
using editors_projected_stats_ui::frmProjected;
using editors_scoring_ui::frmScoring;
using editors_strategy_ui::frmDraftStrategies;
using project_page_ui::frmCheatSheetMDI;

class PageKeys : public kdtest::MainWindowTest {
 protected:
  void SetUp() override {
    RegisterAllWindows();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  }

  // Shows page `code`, the keys on the main window.
  QWidget* Open(int32_t code) {
    basUIControl::SwitchPage(code);
    QApplication::setActiveWindow(window.get());
    return window->CurrentPageForm();
  }

  // A key where the focus is, as a person's keyboard presses it.
  static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), key, modifiers);
  }

  static bool TabTo(const QWidget* target) {
    for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i) Key(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
  }
};

TEST_F(PageKeys, TabReachesEachPagesTabStripAndItsKeysShowTheTabBesideOrRoundTheEnd) {
  const Qt::KeyboardModifiers none, ctrl = Qt::ControlModifier;
  const struct {
    int32_t page;
    std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, int32_t>> keys;  // and the tab shown after
  } cases[] = {
      // The project page's previews would run their jobs: its first two tabs only.
      {kPageProject, {{Qt::Key_Right, none, 1}, {Qt::Key_Left, none, 0}, {Qt::Key_Left, none, 0}}},
      {kPageProjectedStats,
       {{Qt::Key_Right, none, 1}, {Qt::Key_Tab, ctrl, 2}, {Qt::Key_Backtab, ctrl | Qt::ShiftModifier, 1}}},
      {kPageDraftStrategies, {{Qt::Key_Right, none, 1}, {Qt::Key_Right, none, 1}, {Qt::Key_Tab, ctrl, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    QWidget* page = Open(c.page);
    auto* project = dynamic_cast<frmCheatSheetMDI*>(page);
    auto* stats = dynamic_cast<frmProjected*>(page);
    auto* strategy = dynamic_cast<frmDraftStrategies*>(page);
    clsTabStrip* strip = project ? project->TabStrip() : stats ? stats->mTab() : strategy->mTab();
    const auto shown = [&] {
      return project ? project->Controller().CurrentTab()
             : stats ? stats->Controller().CurrentTab()
                     : strategy->Controller().CurrentTab();
    };
    // The page takes the keys at once, at its strip (the first control).
    ASSERT_EQ(QApplication::focusWidget(), strip->PictureControl());
    for (const auto& [key, modifiers, tab] : c.keys) {
      Key(key, modifiers);
      EXPECT_TRUE(strip->TabSelected(tab));
      EXPECT_EQ(shown(), tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), strip->PictureControl());
    // Ctrl+Tab from the page's next control too, which keeps the focus.
    Key(Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    const int32_t before = shown();
    Key(Qt::Key_Tab, ctrl);
    EXPECT_EQ(shown(), before + 1);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
}

TEST_F(PageKeys, TabReachesTheToolBarsButtonsAndSpaceOrReturnPressesThem) {
  const struct {
    int32_t page;
    std::string title;  // of the window the press opens
  } cases[] = {
      {kPageProjectedStats, "Projected Stats Properties"},         // the options bar's fourth button
      {kPageDraftStrategies, "Kickwell Draftyard Document Dialog"},  // the mini bar's Export
      {kPageProject, "Kickwell Draftyard File Dialog"},             // the second Change File
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    QWidget* page = Open(c.page);
    std::string title;
    script.Then<QDialog>([&title](QDialog* dialog) {
      title = dialog->windowTitle().toStdString();
      dialog->reject();
    });
    // Kept after the window closes (the Stats page's grid used to take it).
    QWidget* pressed = QApplication::focusWidget();
    if (auto* stats = dynamic_cast<frmProjected*>(page)) {
      ASSERT_TRUE(TabTo(pressed = stats->mOP()->OPPicture()));
      for (int i = 0; i < 3; ++i) Key(Qt::Key_Tab);
      Key(Qt::Key_Return);
    } else if (auto* strategy = dynamic_cast<frmDraftStrategies*>(page)) {
      ASSERT_TRUE(TabTo(pressed = strategy->mMb()->OPPicture()));
      Key(Qt::Key_Space);
    } else if (auto* project = dynamic_cast<frmCheatSheetMDI*>(page)) {
      ASSERT_TRUE(TabTo(pressed = project->flxCheat()));
      // The grid shows its first row's cell at once.
      for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space}) Key(key);
    }
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(window->focusWidget(), pressed);
  }
}

TEST_F(PageKeys, TabInTheStrategyDescriptionMovesOnAndTypesNothing) {
  auto* page = dynamic_cast<frmDraftStrategies*>(Open(kPageDraftStrategies));
  ASSERT_NE(page, nullptr);
  const QString before = page->txtDescription()->toPlainText();
  ASSERT_TRUE(TabTo(page->txtDescription()));
  Key(Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), page->txtDescription());
  EXPECT_EQ(page->txtDescription()->toPlainText(), before);
  EXPECT_FALSE(page->Controller().ChangesMade());
}

// The project page by keys alone: Tab reaches the header's Open and Save and
// the validation link, and the Files grid shows its cell at once. A file
// changed from the grid used to leave the cursor in the heading, so that
// Down and Return opened the league's dialog again.
TEST_F(PageKeys, ProjectPageByKeysReachesTheHeaderAndTheLinkAndAChangedFileKeepsItsRow) {
  auto* page = dynamic_cast<frmCheatSheetMDI*>(Open(kPageProject));
  ASSERT_NE(page, nullptr);
  QWidget *open = shell_ui::frmMainBar::Instance()->picQuick(0),
          *save = shell_ui::frmMainBar::Instance()->picQuick(1);
  QWidget *strip = page->TabStrip()->PictureControl(), *link = page->lblDetails();
  FlexGridWidget* grid = page->flxCheat();
  int validations = 0;
  shell_ui::RegisterMenuWindow(shell_ui::MenuWindow::kProjectValidation, [&](QWidget*) { ++validations; });
  std::vector<std::string> offered;  // the file types of the file dialogs, each cancelled but the league's
  const auto offer = [&offered](frmFile* d, const char* name) {
    offered.push_back(d->txtFileType()->text().toStdString());
    d->txtFileName()->setText(name);
    QTest::keyClick(d->txtFileName(), *name != '\0' ? Qt::Key_Return : Qt::Key_Escape);
  };
  script.Then<frmFile>([&](frmFile* d) { offer(d, ""); })
      .Then<frmFile>([&](frmFile* d) { offer(d, "KD-10 Team League.lgp"); })
      .Then<frmFile>([&](frmFile* d) { offer(d, ""); });
  const struct {
    Qt::Key key;
    QWidget* focus;
    int32_t row, col;  // the grid's current cell
  } keys[] = {{Qt::Key_Tab, grid, 1, 1},  {Qt::Key_Tab, link, 1, 1},     {Qt::Key_Return, link, 1, 1},
              {Qt::Key_Tab, open, 1, 1},  {Qt::Key_Space, open, 1, 1},   {Qt::Key_Tab, save, 1, 1},
              {Qt::Key_Tab, strip, 1, 1}, {Qt::Key_Backtab, save, 1, 1}, {Qt::Key_Tab, strip, 1, 1},
              {Qt::Key_Tab, grid, 1, 1},  {Qt::Key_Right, grid, 1, 2},   {Qt::Key_Return, grid, 1, 2},
              {Qt::Key_Down, grid, 2, 2}, {Qt::Key_Return, grid, 2, 2}};
  for (const auto& k : keys) {
    SCOPED_TRACE(testing::Message() << "key " << k.key << " to row " << k.row << " col " << k.col);
    Key(k.key);
    // After a dialog the main window takes the keys back as it comes to the front.
    EXPECT_TRUE(QTest::qWaitFor([&k] { return QApplication::focusWidget() == k.focus; }));
    EXPECT_EQ(grid->Model().Row(), k.row);
    EXPECT_EQ(grid->Model().Col(), k.col);
  }
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(validations, 1);
  EXPECT_EQ(offered, (std::vector<std::string>{"Kickwell Draftyard Project  (*.kdp)",
                                               "League Properties  (*.lgp)", "Scoring System  (*.sco)"}));
  EXPECT_EQ(GlobalProject().Value(kProjLeaguePropertiesFile), "KD-10 Team League.lgp");
}

// Tab used to stop on the Factors tab's four disabled rule buttons.
TEST_F(PageKeys, TabPassesABarWhoseButtonsAreAllDisabled) {
  auto* page = dynamic_cast<frmDraftStrategies*>(Open(kPageDraftStrategies));
  ASSERT_NE(page, nullptr);
  Key(Qt::Key_Right);  // Factors
  ASSERT_TRUE(TabTo(page->flxDraft()));
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), page->txtDescription());
}

// Tab went through the League page's grid and its tool bar before the left
// column (and there Create Order before Draft Style), and through the
// Scoring page's rules before Add and Del beside the categories.
TEST_F(PageKeys, TabGoesThroughTheLeagueAndScoringPagesAsTheyRead) {
  const Qt::KeyboardModifiers none, ctrl = Qt::ControlModifier;
  auto* league = dynamic_cast<frmLeague*>(Open(kPageLeagueProperties));
  ASSERT_NE(league, nullptr);
  QWidget *strip = league->mTab()->PictureControl(), *tools = league->mMb()->OPPicture(),
          *grid = league->flxPosition(), *teams = league->picAR();
  const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, QWidget*>> leagueKeys = {
      {Qt::Key_Tab, none, league->flxPosCat()}, {Qt::Key_Tab, none, tools}, {Qt::Key_Tab, none, grid},
      // Teams and Strategies, back from the grid: Remove Team, Add Team.
      {Qt::Key_Tab, ctrl, grid}, {Qt::Key_Backtab, none, tools}, {Qt::Key_Backtab, none, teams},
      {Qt::Key_Backtab, none, teams}, {Qt::Key_Backtab, none, strip},
      // Draft Order.
      {Qt::Key_Tab, ctrl, strip}, {Qt::Key_Tab, none, league->cmbOrder()}, {Qt::Key_Tab, none, league->txtRnds()},
      {Qt::Key_Tab, none, league->picBoard()}, {Qt::Key_Tab, none, tools}, {Qt::Key_Tab, none, grid}};
  for (const auto& [key, modifiers, focus] : leagueKeys) {
    SCOPED_TRACE(testing::Message() << "league, key " << key << " to " << focus->metaObject()->className());
    Key(key, modifiers);
    EXPECT_EQ(QApplication::focusWidget(), focus);
  }

  auto* scoring = dynamic_cast<frmScoring*>(Open(kPageScoringSystem));
  ASSERT_NE(scoring, nullptr);
  const std::vector<std::pair<Qt::Key, QWidget*>> scoringKeys = {
      {Qt::Key_Tab, scoring->flxScoCat()},
      {Qt::Key_Down, scoring->flxScoCat()},  // a category not yet scored: Add
      {Qt::Key_Tab, scoring->mRule()->PictureControl()},
      {Qt::Key_Tab, scoring->mMb()->OPPicture()},
      {Qt::Key_Tab, scoring->flxScoring()}};
  for (const auto& [key, focus] : scoringKeys) {
    SCOPED_TRACE(testing::Message() << "scoring, key " << key << " to " << focus->metaObject()->className());
    Key(key);
    EXPECT_EQ(QApplication::focusWidget(), focus);
  }
}

}  // namespace
