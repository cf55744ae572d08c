// The projection-strain file dialog's real window in the real main window,
// offscreen, on the bundled tree: opened from the File menu, its Browse
// answered in the application's file dialog and its source site typed.
// What it does is tested on its controller (tests/player_data/dialogs).

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "MainWindowHarness.h"
#include "player_data/ui/frmStrain.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/ui/frmFile.h"

namespace player_data_ui {
void RegisterDialogs();
}

namespace {

using player_data_ui::frmStrain;

class StrainFileWindowTest : public kdtest::MainWindowTest {};

TEST_F(StrainFileWindowTest, CreateProjectionStrainFileOpensItsDialogFromTheFileMenu) {
  player_data_ui::RegisterDialogs();
  ASSERT_TRUE(Start());
  std::string source;
  script.Then<frmStrain>([this](frmStrain* w) {
    EXPECT_EQ(w->windowTitle().toStdString(), "Create Projection Strain File");
    kdtest::PressSoon(*pointer, w->mSt(), 0);
  });
  script.Then<frmFile>([](frmFile* dialog) {
    dialog->txtFileName()->setText("2010 Default Stats.pro");
    QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
  });
  script.Then<frmStrain>([&source](frmStrain* w) {
    source = w->lblSt()->text().toStdString();
    QTest::keyClicks(w->txtURL(), "example.org");
    EXPECT_EQ(w->Controller().SourceSite(), "example.org");
    QTest::keyClick(w, Qt::Key_Escape);
  });
  window->mnuFile(basCheatSheetMenu::kCreateStrain)->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(source, " 2010 Default Stats.pro");
}

}  // namespace
