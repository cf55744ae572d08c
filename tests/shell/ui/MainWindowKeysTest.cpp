// The main window without a mouse: the menu bar from the keyboard and the
// start page's links.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <set>

#include "MainWindowHarness.h"
#include "shell/ui/frmWelcome.h"

using kdtest::MainWindowTest;

namespace {

// Keys go where the person's would: to the widget with the focus, or to
// the window while nothing has it.
QWidget* KeyTarget(QWidget* window) {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : window;
}

void CloseMenus() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace

TEST_F(MainWindowTest, AltWithATitlesLetterOpensItsMenu) {
  ASSERT_TRUE(Start());
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(KeyTarget(window.get()), Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), window->FileMenu());
  CloseMenus();
}

TEST_F(MainWindowTest, F10OpensTheFirstMenuAndAltAloneTakesTheKeysToTheMenuBar) {
  ASSERT_TRUE(Start());
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(KeyTarget(window.get()), Qt::Key_F10);
  EXPECT_EQ(QApplication::activePopupWidget(), window->FileMenu());
  CloseMenus();
  window->activateWindow();

  QTest::keyPress(KeyTarget(window.get()), Qt::Key_Alt, Qt::AltModifier);
  QTest::keyRelease(KeyTarget(window.get()), Qt::Key_Alt, Qt::NoModifier);
  EXPECT_EQ(QApplication::focusWidget(), window->menuBar());
  EXPECT_EQ(window->menuBar()->activeAction(), window->FileMenu()->menuAction());
  QTest::keyClick(window->menuBar(), Qt::Key_Down);
  EXPECT_EQ(QApplication::activePopupWidget(), window->FileMenu());
  CloseMenus();
}

TEST_F(MainWindowTest, EveryMenuAndItemHasAMnemonicOfItsOwnOnEveryPage) {
  ASSERT_TRUE(Start());
  // The File items are retitled per page; their markers must survive.
  for (const int32_t page : {kPageStart, kPageProject, kPageProjectedStats, kPageScoringSystem, kPageLeagueProperties,
                             kPageDraftStrategies, kPageDisplayGrids}) {
    basUIControl::SwitchPage(page);
    ASSERT_EQ(basUIControl::CurrentPage(), page);
    std::set<QKeySequence> titles;
    for (const QAction* title : window->menuBar()->actions()) {
      const QKeySequence key = QKeySequence::mnemonic(title->text());
      EXPECT_FALSE(key.isEmpty()) << title->text().toStdString();
      EXPECT_TRUE(titles.insert(key).second) << title->text().toStdString();
      std::set<QKeySequence> items;
      for (const QAction* item : title->menu()->actions()) {
        if (item->isSeparator() || !item->isVisible()) continue;
        const QKeySequence itemKey = QKeySequence::mnemonic(item->text());
        EXPECT_FALSE(itemKey.isEmpty()) << page << " " << item->text().toStdString();
        EXPECT_TRUE(items.insert(itemKey).second) << page << " " << item->text().toStdString();
      }
    }
  }
}

TEST_F(MainWindowTest, TabReachesTheStartPagesLinksAndReturnOpensTheFirst) {
  ASSERT_TRUE(Start());
  auto* welcome = dynamic_cast<shell_ui::frmWelcome*>(window->CurrentPageForm());
  ASSERT_NE(welcome, nullptr);
  auto shell = std::make_unique<kdtest::FakeShellOpen>();
  kdtest::FakeShellOpen& opened = *shell;
  seams::Install(std::move(shell));
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(KeyTarget(window.get()), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), welcome->lblLink(0));
  QTest::keyClick(KeyTarget(window.get()), Qt::Key_Return);
  EXPECT_EQ(opened.opened, (std::vector<std::string>{welcome->lblLink(0)->text().toStdString()}));
}

TEST_F(MainWindowTest, AfterAMessageBoxClosesTheMainWindowHasTheKeysAgain) {
  ASSERT_TRUE(Start());
  QApplication::setActiveWindow(window.get());
  script.Then<frmMessage>([](frmMessage* box) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
  });
  window->mnuContents()->trigger();
  ASSERT_TRUE(script.Done());
  EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }, 5000));
  QTest::keyClick(KeyTarget(window.get()), Qt::Key_E, Qt::AltModifier);
  EXPECT_NE(QApplication::activePopupWidget(), nullptr);
  CloseMenus();
}
