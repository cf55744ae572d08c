#include <gtest/gtest.h>

#include <QFontInfo>
#include <QListWidget>
#include <QTest>

#include "ShellWindowHarness.h"
#include "shell/ui/frmLogic.h"

namespace {

std::vector<std::string> Lines(const frmLogic* window) {
  std::vector<std::string> lines;
  for (int i = 0; i < window->lstLogic()->count(); ++i) lines.push_back(window->lstLogic()->item(i)->text().toStdString());
  return lines;
}

class LogicWindow : public ::testing::Test {
 protected:
  void TearDown() override { frmLogic::Unload(); }
  kdtest::RealSeamsWithScriptedPointer seams_;
};

}  // namespace

TEST_F(LogicWindow, TraceLinesReachTheListOnlyWhileTheWindowIsOpen) {
  seams::TraceList().AddItem("lost: no window");
  EXPECT_FALSE(frmLogic::IsLogicWindowOpen());
  frmLogic* window = frmLogic::Load(nullptr);
  EXPECT_TRUE(frmLogic::IsLogicWindowOpen());
  EXPECT_EQ(frmLogic::Load(nullptr), window);  // one at a time
  seams::TraceList().AddItem("PICK #1 Office [KD-RBL Default.stg]");
  seams::TraceList().AddItem("");
  seams::TraceList().AddItem("STRATEGY RULE 1");
  seams::TraceList().AddItem("   84.83 QB  Allen, J.\r\n");  // a pick-log line: one row, not two
  EXPECT_EQ(Lines(window), (std::vector<std::string>{"PICK #1 Office [KD-RBL Default.stg]", "", "STRATEGY RULE 1",
                                                     "   84.83 QB  Allen, J."}));
  seams::TraceList().Clear();
  EXPECT_TRUE(Lines(window).empty());
  // Closing unloads it; later lines go nowhere.
  window->ShowLogic();
  EXPECT_EQ(window->windowTitle().toStdString(), "Draft Logic");
  window->close();
  EXPECT_FALSE(frmLogic::IsLogicWindowOpen());
  seams::TraceList().AddItem("dropped");
}

TEST_F(LogicWindow, OpensCentredOverTheMainWindowAndStaysWhereItIsPut) {
  QWidget owner;
  owner.setGeometry(200, 150, 1000, 700);
  owner.show();
  frmLogic* window = frmLogic::Load(&owner);
  window->ShowLogic();
  // Within the pixel a halved odd size loses on either side.
  EXPECT_LE((window->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 4)
      << window->frameGeometry().x() << "," << window->frameGeometry().y();
  window->move(10, 20);
  window->ShowLogic();
  EXPECT_EQ(window->pos(), QPoint(10, 20));
}

TEST_F(LogicWindow, EscapeClosesIt) {
  frmLogic* window = frmLogic::Load(nullptr);
  window->ShowLogic();
  QTest::keyClick(window->lstLogic(), Qt::Key_Escape);
  EXPECT_FALSE(frmLogic::IsLogicWindowOpen());
}

TEST_F(LogicWindow, TheListKeepsA60TwipMarginAndAMinimisedWindowIsLaidOutWhenRestored) {
  frmLogic* window = frmLogic::Load(nullptr);
  window->ShowLogic();
  window->resize(300, 200);
  window->Form_Resize();
  // 4 + 292 + 4 = 300 pixels; the height runs to the bottom edge.
  EXPECT_EQ(window->lstLogic()->geometry(), QRect(4, 4, 292, 200));
  EXPECT_TRUE(QFontInfo(window->lstLogic()->font()).fixedPitch());
  window->setWindowState(Qt::WindowMinimized);
  window->resize(500, 300);
  window->Form_Resize();
  EXPECT_EQ(window->lstLogic()->geometry(), QRect(4, 4, 292, 200));
  window->setWindowState(Qt::WindowNoState);
  EXPECT_EQ(window->lstLogic()->geometry(), QRect(4, 4, 492, 300));
  for (const char* line : {"PICK #14 Office Pool [KD-RBL Default.stg]", "", "STRATEGY RULE 2  Picks 10-40",
                           "  RB  Saquon Barkley        312.4", "  WR  Ja'Marr Chase         298.7"}) {
    seams::TraceList().AddItem(line);
  }
  window->resize(420, 180);
  kdtest::SaveScreenshot(window, "logic_window");
}
