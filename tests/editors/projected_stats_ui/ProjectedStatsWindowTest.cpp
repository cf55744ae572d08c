// The projected-stats page's window in the real main window, offscreen, on
// the bundled 2024 database: reached from Edit > Projected Stats, a stat
// typed into the grid rescoring the player, and "Don't Save" on leaving;
// the player data's new-file dialog from File > New and properties window
// from the options bar, each used with the mouse and the keyboard. What
// they do is tested on their controllers.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "DatabaseFixtures.h"
#include "MainWindowHarness.h"
#include "core/basMockItUp.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "player_data/ui/frmNewProjected.h"
#include "player_data/ui/frmProInfo.h"
#include "editors/projected_stats/ui/frmProjected.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/ui/frmFile.h"
#include "shell/ui/frmTSet.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Text.h"
#include "shell/ui/frmMessage.h"

namespace editors_projected_stats_ui {
void RegisterWindows();
}
namespace player_data_ui {
void RegisterDialogs();
}

namespace {

using editors_projected_stats_ui::frmProjected;
using player_data_ui::frmNewProjected;
using player_data_ui::frmProInfo;
constexpr int32_t kPoints = 44;
constexpr int32_t kRushYards = 14;

class ProjectedStatsWindowTest : public kdtest::MainWindowTest {
 protected:
  frmProjected* OpenPage() {
    editors_projected_stats_ui::RegisterWindows();
    player_data_ui::RegisterDialogs();
    if (!Start()) return nullptr;
    GlobalProject().SetValue(kProjProjectedStatsFile, "2010 Default Stats.pro");
    window->mnuEdit(2)->trigger();
    return qobject_cast<frmProjected*>(window->CurrentPageForm());
  }
  // Types the name into the file dialog and confirms it with Enter.
  void AnswerFileDialog(const std::string& name) {
    script.Then<frmFile>([name](frmFile* dialog) {
      dialog->txtFileName()->setText(QString::fromStdString(name));
      QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
    });
  }
  static void ClickOption(QAbstractButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
  }
  // The keys of the new-file dialog's test, one after another (see there);
  // the test closes the dialog also when this stops early.
  static void WalkTheNewFileDialog(frmNewProjected* w) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QWidget* season = w->lblYear();
    QWidget* up = w->picUp();
    QWidget* down = w->picDown();
    QWidget* browse = w->mDynamic()->PictureControl();
    QWidget* answers = w->mOK()->PictureControl();
    const struct {
      Qt::Key key;
      QWidget* focus;  // after the key
      const char* season;
      int32_t source;
    } steps[] = {
        {Qt::Key_Up, season, " 2025", 0},          {Qt::Key_Down, season, " 2024", 0},
        {Qt::Key_Down, season, " 2023", 0},        {Qt::Key_Tab, up, " 2023", 0},
        {Qt::Key_Up, up, " 2023", 0},              {Qt::Key_Space, up, " 2024", 0},
        {Qt::Key_Tab, down, " 2024", 0},           {Qt::Key_Down, down, " 2024", 0},
        {Qt::Key_Space, down, " 2023", 0},         {Qt::Key_Tab, w->Option1(0), " 2023", 0},
        {Qt::Key_Up, w->Option1(0), " 2023", 0},   {Qt::Key_Down, w->Option1(1), " 2023", 1},
        {Qt::Key_Down, w->Option1(2), " 2023", 2}, {Qt::Key_Down, w->Option1(2), " 2023", 2},
        {Qt::Key_Up, w->Option1(1), " 2023", 1},   {Qt::Key_Tab, browse, " 2023", 1},
        {Qt::Key_Down, browse, " 2023", 1},        {Qt::Key_Tab, answers, " 2023", 1},
        {Qt::Key_Up, answers, " 2023", 1},         {Qt::Key_Tab, answers, " 2023", 1},
        {Qt::Key_Tab, season, " 2023", 1},
    };
    ASSERT_EQ(QApplication::focusWidget(), season);  // the first control
    for (std::size_t i = 0; i < std::size(steps); ++i) {
      const auto& s = steps[i];
      SCOPED_TRACE(i);
      QWidget* before = QApplication::focusWidget();
      ASSERT_NE(before, nullptr);
      const QImage focused = before->grab().toImage();
      QTest::keyClick(before, s.key);
      EXPECT_EQ(QApplication::focusWidget(), s.focus);
      EXPECT_EQ(w->lblYear()->text().toStdString(), s.season);
      EXPECT_EQ(w->Controller().SourceIndex(), s.source);
      // The control the focus left looked otherwise while it had it.
      if (s.focus != before) {
        EXPECT_NE(before->grab().toImage(), focused);
      }
    }
  }
  static int32_t ColOf(frmProjected* page, int32_t cat) {
    for (int32_t c = 0; c < page->flxProjected()->Model().Cols(); ++c)
      if (page->Controller().ColumnCategory(c) == cat) return c;
    return -1;
  }
};

TEST_F(ProjectedStatsWindowTest, ACorrectionRescoresThePlayerAndDontSaveUndoesIt) {
  frmProjected* page = OpenPage();
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(page->Controller().Loaded());
  FlexGridWidget* grid = page->flxProjected();
  ASSERT_GT(grid->Model().Rows(), 2);
  const int32_t yards = ColOf(page, kRushYards);
  const int32_t points = ColOf(page, kPoints);
  ASSERT_GT(yards, 0);
  ASSERT_GT(points, 0);
  const std::string player = grid->Model().TextMatrix(2, 0);
  const double before = runtime::Val(grid->Model().TextMatrix(2, points));
  const std::string oldYards = grid->Model().TextMatrix(2, yards);

  grid->Model().SetTopRow(2);
  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(2, yards).center());
  ASSERT_TRUE(page->txtProjected()->isVisible());
  page->txtProjected()->selectAll();
  QTest::keyClicks(page->txtProjected(), "2000");
  QTest::keyClick(page->txtProjected(), Qt::Key_Return);
  // The row is rescored at once and marked.
  ASSERT_EQ(grid->Model().TextMatrix(2, 0), player);
  EXPECT_GT(runtime::Val(grid->Model().TextMatrix(2, points)), before);
  EXPECT_EQ(grid->Model().TextMatrix(2, 1), "               X");

  script.Then<frmMessage>([this](frmMessage* box) { kdtest::PressSoon(*pointer, box->mBtn(), 1); });
  window->mnuEdit(1)->trigger();  // another page: the save question, "Don't Save"
  EXPECT_NE(window->CurrentPageForm(), page);

  window->mnuEdit(2)->trigger();
  page = qobject_cast<frmProjected*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  const int32_t col = ColOf(page, kRushYards);
  for (int32_t r = 2; r < page->flxProjected()->Model().Rows(); ++r)
    if (page->flxProjected()->Model().TextMatrix(r, 0) == player) {
      EXPECT_EQ(page->flxProjected()->Model().TextMatrix(r, col), oldYards);
    }
}

// What a New from the bundled 2024 master file gives: the sample database,
// player for player and season row for season row.
TEST_F(ProjectedStatsWindowTest, FileNewFromTheBundledMasterFileBuildsTheSampleDatabase) {
  frmProjected* page = OpenPage();
  ASSERT_NE(page, nullptr);
  std::string season;
  script.Then<frmNewProjected>([this, &season](frmNewProjected* w) {
    EXPECT_TRUE(w->isModal());
    ClickOption(w->Option1(2));
    EXPECT_FALSE(w->lblSt()->isEnabled());
    QTest::mouseClick(w->picUp(), Qt::LeftButton);
    w->picDown()->setFocus();
    QTest::keyClick(w->picDown(), Qt::Key_Space);
    season = w->lblYear()->text().toStdString();
    kdtest::PressSoon(*pointer, w->mOK(), 0);
  });
  AnswerFileDialog("Built");
  window->mnuFile(basCheatSheetMenu::kNewDocument)->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(season, " 2024");
  EXPECT_EQ(page->Controller().FileName(), "Built.pro");
  EXPECT_EQ(page->Controller().Year(), 2024);
  EXPECT_GT(page->flxProjected()->Model().Rows(), 100);
  EXPECT_EQ(GlobalProject().Value(kProjProjectedStatsFile), "2010 Default Stats.pro");

  const std::string folder = FileTypeFolder[kPageProjectedStats];
  // Every row of the table (of its season, for a stat table), each value as
  // SQLite quotes it.
  const auto rows = [&folder](const std::string& file, const std::string& table) {
    const std::string path = folder + file;
    const std::string values = kdtest::QueryText(
        path, "SELECT group_concat('quote(' || name || ')', '||'',''||') FROM pragma_table_info('" + table + "');");
    return kdtest::QueryText(path, "SELECT group_concat(" + values + ", ';') FROM (SELECT * FROM " + table +
                                       (table == "tblPlayers" ? "" : " WHERE Week = 250") + " ORDER BY ID);");
  };
  for (const std::string table : {"tblPlayers", "tblStat0", "tblStat2", "tblStat3", "tblStat4", "tblStat6"}) {
    SCOPED_TRACE(table);
    const std::string built = rows("Built.pro", table);
    EXPECT_GT(built.size(), 1000U);
    EXPECT_TRUE(built == rows("2010 Default Stats.pro", table));
  }
}

// The dialog without a mouse, one key after another: Up and Down step the
// season only in its field (they used to step it from anywhere, so that a
// Down past the last source built a file of another season); on the
// sources they move between them, on the buttons they do nothing. Tab goes
// down the dialog and each of its stops shows that it has the focus.
TEST_F(ProjectedStatsWindowTest, TheNewFileDialogsKeys) {
  frmProjected* page = OpenPage();
  ASSERT_NE(page, nullptr);
  script.Then<frmNewProjected>([](frmNewProjected* w) {
    WalkTheNewFileDialog(w);
    QTest::keyClick(w, Qt::Key_Escape);
  });
  window->mnuFile(basCheatSheetMenu::kNewDocument)->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(page->Controller().FileName(), "2010 Default Stats.pro");
}

// A saved "Use Merge As positions" setting reaches the page shown at once:
// every position gets a tab, not only the sample league's.
TEST_F(ProjectedStatsWindowTest, SavingTheMergeAsSettingRetabsThePageShown) {
  editors_projected_stats_ui::RegisterWindows();
  player_data_ui::RegisterDialogs();
  ASSERT_TRUE(Start());
  ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  window->mnuEdit(2)->trigger();
  auto* page = qobject_cast<frmProjected*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  const int32_t leagueTabs = page->mTab()->Tabs();
  shell_ui::frmTSet* settings = shell_ui::frmTSet::Open(window.get());
  kdtest::PressTab(*pointer, settings->mTab(), clsUISettings::kTabProjectedStats);
  QCheckBox* mergeAs = settings->chkUpd(6);
  ASSERT_TRUE(mergeAs->isChecked());
  QTest::mouseClick(mergeAs, Qt::LeftButton, {}, QPoint(6, mergeAs->height() / 2));
  kdtest::Press(*pointer, settings->mRun(), 0);  // Save
  EXPECT_GT(page->mTab()->Tabs(), leagueTabs);
  EXPECT_EQ(page->mTab()->Tabs(), static_cast<int32_t>(page->Controller().PositionIDs().size()));
  EXPECT_EQ(window->CurrentPageForm(), page);
  settings->close();
}

TEST_F(ProjectedStatsWindowTest, ThePropertiesButtonShowsTheSourcesModalOverTheWholeApplication) {
  frmProjected* page = OpenPage();
  ASSERT_NE(page, nullptr);
  std::vector<std::string> values;
  bool applicationModal = false;
  script.Then<frmProInfo>([&](frmProInfo* w) {
    applicationModal = w->windowModality() == Qt::ApplicationModal;
    for (int32_t row = 0; row < 7; ++row) values.push_back(w->lblVal(row)->text().toStdString());
    EXPECT_TRUE(w->chkOW()->isChecked());
    QTest::keyClick(w, Qt::Key_Escape);
  });
  const ButtonRect r = page->mOP()->Rect(3);
  QTest::mouseClick(page->mOP()->OPPicture(), Qt::LeftButton, {},
                    QPoint(r.Left + r.Width / 2, r.Top + r.Height / 2));
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(applicationModal);
  EXPECT_EQ(values, (std::vector<std::string>{" 2010 Default Stats.pro", " 2024", " 1", " None", " 0", " 0", " None"}));
}

// The window opened on its box and Tab went to Close and only then up to
// the rows' buttons. By keys: the rows top down, the box, Close; Escape
// closes it and the button that opened it has the focus again.
TEST_F(ProjectedStatsWindowTest, ThePropertiesWindowOpensOnItsFirstRowAndTabGoesDownToClose) {
  frmProjected* page = OpenPage();
  ASSERT_NE(page, nullptr);
  QWidget* const opener = page->mOP()->OPPicture();
  opener->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < 3; ++i) QTest::keyClick(opener, Qt::Key_Tab);  // the fourth button: Properties
  script.Then<frmProInfo>([](frmProInfo* w) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    QWidget* const order[] = {w->mRow(1)->PictureControl(), w->mRow(2)->PictureControl(),
                              w->mRow(3)->PictureControl(), w->mRow(4)->PictureControl(),
                              w->mRow(6)->PictureControl(), w->chkOW(),
                              w->mBtn()->PictureControl(),  w->mRow(1)->PictureControl()};
    EXPECT_EQ(QApplication::focusWidget(), order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  QTest::keyClick(opener, Qt::Key_Return);
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(QTest::qWaitFor([opener] { return QApplication::focusWidget() == opener; }));
}

}  // namespace
