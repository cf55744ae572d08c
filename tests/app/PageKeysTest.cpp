// The pages without a mouse, on the bundled sample project: Tab reaches
// every page's tab strip and small tool bars, the keys move between the tabs
// and press the bars' buttons, and a description box gives Tab back.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "core/PageCode.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "editors/projected_stats/ui/frmProjected.h"
#include "editors/strategy/clsUIStrategy.h"
#include "editors/strategy/ui/frmDraftStrategies.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "project_page/ui/frmCheatSheetMDI.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"

void RegisterAllWindows();

namespace {

using editors_projected_stats_ui::frmProjected;
using editors_strategy_ui::frmDraftStrategies;
using project_page_ui::frmCheatSheetMDI;

class PageKeys : public kdtest::MainWindowTest {
 protected:
  void SetUp() override {
    RegisterAllWindows();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  }

  // The page `code` shown, the keys on the main window.
  QWidget* Open(int32_t code) {
    basUIControl::SwitchPage(code);
    QApplication::setActiveWindow(window.get());
    return basUIControl::CurrentPage() == code ? window->CurrentPageForm() : nullptr;
  }

  // Presses `key` where the focus is, as a person's keyboard would.
  static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), static_cast<Qt::Key>(key), modifiers);
  }

  // Tab until `target` has the focus; False when it never comes.
  static bool TabTo(const QWidget* target) {
    for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i) Key(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
  }

  // Answers the next modal window by its title, and closes it.
  void Expect(std::string* title) {
    script.Then<QDialog>([title](QDialog* dialog) {
      *title = dialog->windowTitle().toStdString();
      dialog->reject();
    });
  }
};

struct StripKey {
  int key;
  Qt::KeyboardModifiers modifiers;
  int32_t tab;  // the tab shown after the key
};

TEST_F(PageKeys, TabReachesEachPagesTabStripAndItsKeysShowTheTabBesideOrRoundTheEnd) {
  constexpr auto kCtrl = Qt::ControlModifier;
  const struct {
    int32_t page;
    std::vector<StripKey> keys;
  } cases[] = {
      // The project page's previews would run their jobs: its first two tabs only.
      {kPageProject, {{Qt::Key_Right, {}, 1}, {Qt::Key_Left, {}, 0}, {Qt::Key_Left, {}, 0}}},
      {kPageProjectedStats,
       {{Qt::Key_Right, {}, 1}, {Qt::Key_Tab, kCtrl, 2}, {Qt::Key_Tab, kCtrl | Qt::ShiftModifier, 1}}},
      {kPageDraftStrategies, {{Qt::Key_Right, {}, 1}, {Qt::Key_Right, {}, 1}, {Qt::Key_Tab, kCtrl, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    QWidget* page = Open(c.page);
    ASSERT_NE(page, nullptr);
    clsTabStrip* strip = nullptr;
    std::function<int32_t()> shown;
    if (auto* project = dynamic_cast<frmCheatSheetMDI*>(page)) {
      strip = project->TabStrip();
      shown = [project] { return project->Controller().CurrentTab(); };
    } else if (auto* stats = dynamic_cast<frmProjected*>(page)) {
      strip = stats->mTab();
      shown = [stats] { return stats->Controller().CurrentTab(); };
    } else if (auto* strategy = dynamic_cast<frmDraftStrategies*>(page)) {
      strip = strategy->mTab();
      shown = [strategy] { return strategy->Controller().CurrentTab(); };
    }
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(TabTo(strip->PictureControl()));
    for (const StripKey& k : c.keys) {
      Key(k.key, k.modifiers);
      EXPECT_EQ(shown(), k.tab);
      EXPECT_TRUE(strip->TabSelected(k.tab));
    }
    EXPECT_EQ(QApplication::focusWidget(), strip->PictureControl());
  }
}

TEST_F(PageKeys, TabReachesTheToolBarsButtonsAndSpaceOrReturnPressesThem) {
  const struct {
    int32_t page;
    const char* title;  // of the window the press opens
  } cases[] = {
      {kPageProjectedStats, "Projected Stats Properties"},  // the options bar's fourth button
      {kPageDraftStrategies, "Kickwell Draftyard Document Dialog"},  // the mini bar's only button: Export
      {kPageProject, "Kickwell Draftyard File Dialog"},  // the Files tab's second Change File
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    QWidget* page = Open(c.page);
    ASSERT_NE(page, nullptr);
    std::string title;
    Expect(&title);
    if (auto* stats = dynamic_cast<frmProjected*>(page)) {
      ASSERT_TRUE(TabTo(stats->mOP()->OPPicture()));
      for (int i = 0; i < 3; ++i) Key(Qt::Key_Tab);
      Key(Qt::Key_Return);
    } else if (auto* strategy = dynamic_cast<frmDraftStrategies*>(page)) {
      ASSERT_TRUE(TabTo(strategy->mMb()->OPPicture()));
      Key(Qt::Key_Space);
    } else if (auto* project = dynamic_cast<frmCheatSheetMDI*>(page)) {
      ASSERT_TRUE(TabTo(project->flxCheat()));
      for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}) Key(key);
      Key(Qt::Key_Space);
    }
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(title, c.title);
  }
}

TEST_F(PageKeys, TabInTheStrategyDescriptionMovesOnAndTypesNothing) {
  auto* page = dynamic_cast<frmDraftStrategies*>(Open(kPageDraftStrategies));
  ASSERT_NE(page, nullptr);
  QPlainTextEdit* description = page->txtDescription();
  const QString before = description->toPlainText();
  ASSERT_TRUE(TabTo(description));
  Key(Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), description);
  EXPECT_EQ(description->toPlainText(), before);
  EXPECT_FALSE(page->Controller().ChangesMade());
}

}  // namespace
