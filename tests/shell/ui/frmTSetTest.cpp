#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <fstream>
#include <functional>
#include <sstream>

#include "MainWindowHarness.h"
#include "core/clsSettingsKD.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/ui/frmLogic.h"
#include "shell/ui/frmTSet.h"
#include "toolkit/ui/clsTabStrip.h"

using kdtest::MainWindowTest;

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

shell_ui::frmTSet* OpenFromOptionsMenu(shell_ui::frmMDIMock& window) {
  shell_ui::RegisterShellWindows();
  window.mnuOpt()->trigger();
  QApplication::processEvents();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* settings = qobject_cast<shell_ui::frmTSet*>(w); settings != nullptr && settings->isVisible()) {
      return settings;
    }
  }
  return nullptr;
}

}  // namespace

// Owned by the main window as tool windows, which a window manager keeps
// above it when the main window is clicked.
TEST_F(MainWindowTest, TheModelessSettingsAndLogicWindowsAreToolWindowsOfTheMainWindow) {
  ASSERT_TRUE(Start());
  for (QWidget* tool : std::vector<QWidget*>{OpenFromOptionsMenu(*window), frmLogic::Load(window.get())}) {
    EXPECT_EQ(tool->windowType(), Qt::Tool) << tool->windowTitle().toStdString();
    EXPECT_EQ(tool->parentWidget(), window.get());
  }
  frmLogic::Unload();
}

TEST_F(MainWindowTest, SettingsWindowSavesWhatIsTickedAndCloseDropsTheRest) {
  ASSERT_TRUE(Start());
  shell_ui::frmTSet* settings = OpenFromOptionsMenu(*window);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->windowTitle().toStdString(), "Kickwell Draftyard Settings");
  kdtest::SaveScreenshot(settings, "settings_general");
  EXPECT_EQ(OpenFromOptionsMenu(*window), settings);  // one window at a time

  QCheckBox* validation = settings->chkUpd(4);
  const bool before = validation->isChecked();
  QTest::mouseClick(validation, Qt::LeftButton, {}, QPoint(6, validation->height() / 2));
  kdtest::Press(*pointer, settings->mRun(), 0);  // Save
  EXPECT_EQ(basMockDraftSettings::GlobalSettings().BoolVal(kSetUseProjectValidation), !before);

  // Typed but closed without saving: the file keeps what was saved.
  const std::string saved = ReadFile(SettingsFile());
  QLineEdit* depth = settings->txtUpd(1);
  depth->setFocus();
  depth->setText("77");
  QTest::keyClick(depth, Qt::Key_Return);
  EXPECT_EQ(depth->text().toStdString(), "77");
  QPointer<shell_ui::frmTSet> watch = settings;
  kdtest::Press(*pointer, settings->mRun(), 2);  // Close
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watch.isNull());
  EXPECT_EQ(ReadFile(SettingsFile()), saved);
  EXPECT_NE(basMockDraftSettings::GlobalSettings().LongVal(kSetUserMockDepth), 77);
}

TEST_F(MainWindowTest, SettingsWindowDisplayGridsTabListsThePositionsOfTheDefaultDatabase) {
  ASSERT_TRUE(Start());
  shell_ui::frmTSet* settings = OpenFromOptionsMenu(*window);
  ASSERT_NE(settings, nullptr);
  kdtest::PressTab(*pointer, settings->mTab(), clsUISettings::kTabDisplayGrids);
  EXPECT_EQ(settings->Controller().Tab(), clsUISettings::kTabDisplayGrids);
  EXPECT_TRUE(settings->flxCheat()->isVisible());
  EXPECT_FALSE(settings->fraTab(0)->isVisible());
  EXPECT_EQ(settings->Controller().GridRows(), static_cast<int32_t>(settings->Controller().Positions().size()) - 1);
  kdtest::SaveScreenshot(settings, "settings_display_grids");
  settings->close();
}

// The list of display grids opened on a row near the foot of the table opens
// above the row, inside the table, rather than running under the buttons.
TEST_F(MainWindowTest, SettingsWindowListNearTheFootOfTheTableOpensAboveTheRow) {
  ASSERT_TRUE(Start());
  shell_ui::frmTSet* settings = OpenFromOptionsMenu(*window);
  ASSERT_NE(settings, nullptr);
  kdtest::PressTab(*pointer, settings->mTab(), clsUISettings::kTabDisplayGrids);
  FlexGridWidget* grid = settings->flxCheat();
  int32_t row = settings->Controller().GridRows();
  // The last row shown whole.
  while (row > 1 && (grid->CellRect(row, 1).isNull() || grid->CellRect(row, 1).bottom() >= grid->height() - 4)) --row;
  ASSERT_GT(row, 4);
  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(row, 1).center());
  QListWidget* list = settings->lstPos();
  ASSERT_TRUE(list->isVisible());
  EXPECT_LE(list->geometry().bottom(), grid->geometry().bottom());
  EXPECT_LE(list->geometry().bottom(), grid->mapTo(settings, grid->CellRect(row, 1).topLeft()).y());
  settings->close();
}

// Escape closes the window as Close does, dropping what was not saved, from
// any control but the Display Grids table's open list, which it closes
// first; the main window has the keys again once the window is gone, also
// after a menu of the main window was opened from the settings and closed.
TEST_F(MainWindowTest, SettingsWindowEscapeClosesItAsCloseDoesAndGivesTheKeysBack) {
  ASSERT_TRUE(Start());
  QApplication::setActiveWindow(window.get());
  const std::string saved = ReadFile(SettingsFile());
  const struct {
    const char* focus;
    std::function<void(shell_ui::frmTSet*)> prepare;
    int32_t escapes;  // until the window closes
  } cases[] = {
      {"the tab strip", [](shell_ui::frmTSet*) {}, 1},
      {"a text box with a depth typed",
       [this](shell_ui::frmTSet* settings) {
         kdtest::PressTab(*pointer, settings->mTab(), clsUISettings::kTabMockDrafts);
         settings->txtUpd(1)->setFocus();
         settings->txtUpd(1)->selectAll();
         QTest::keyClicks(settings->txtUpd(1), "77");
       },
       1},
      {"the list of display grids",
       [this](shell_ui::frmTSet* settings) {
         kdtest::PressTab(*pointer, settings->mTab(), clsUISettings::kTabDisplayGrids);
         FlexGridWidget* grid = settings->flxCheat();
         QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1, 1).center());
         ASSERT_TRUE(settings->lstPos()->isVisible());
       },
       2},
      {"the main window's File menu, opened by its key and closed",
       [](shell_ui::frmTSet* settings) {
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
         ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 5000));
         QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
         ASSERT_TRUE(QTest::qWaitFor([settings] { return QApplication::activeWindow() == settings; }, 5000));
       },
       1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focus);
    QPointer<shell_ui::frmTSet> settings = OpenFromOptionsMenu(*window);
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    c.prepare(settings);
    for (int32_t i = 1; i <= c.escapes; ++i) {
      ASSERT_FALSE(settings.isNull());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      EXPECT_EQ(settings.isNull(), i == c.escapes);
    }
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }, 5000));
    // On a control that Tab moves on from, not the menu bar with no menu marked.
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() != window->menuBar(); }, 1000));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->window(), window.get());
  }
  EXPECT_EQ(ReadFile(SettingsFile()), saved);
  EXPECT_NE(basMockDraftSettings::GlobalSettings().LongVal(kSetUserMockDepth), 77);
}

// Tab went from the tab strip to Save, Defaults and Close, and only then to
// the tab's own controls; Save pressed by key left no control with the focus.
TEST_F(MainWindowTest, SettingsWindowTabReachesTheButtonsAfterTheTabsControls) {
  ASSERT_TRUE(Start());
  shell_ui::frmTSet* settings = OpenFromOptionsMenu(*window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
  settings->mTab()->PictureControl()->setFocus(Qt::TabFocusReason);
  const struct {
    Qt::Key key;
    QWidget* focus;
  } keys[] = {{Qt::Key_Tab, settings->chkUpd(0)}, {Qt::Key_Backtab, settings->mTab()->PictureControl()},
              {Qt::Key_Backtab, settings->picRun()}, {Qt::Key_Backtab, settings->picRun()},
              {Qt::Key_Backtab, settings->picRun()},
              // Save from the keyboard keeps the focus on Save.
              {Qt::Key_Space, settings->picRun()}};
  for (const auto& k : keys) {
    QTest::keyClick(QApplication::focusWidget(), k.key);
    EXPECT_EQ(QApplication::focusWidget(), k.focus) << k.key;
  }
  EXPECT_EQ(settings->mRun()->FocusButton(), 0);
  settings->close();
}
