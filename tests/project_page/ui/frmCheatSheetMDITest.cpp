// The project window in the real main window: reached from the main bar's
// project page, its tabs clicked with the pointer, the previews shown.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "MainWindowHarness.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "project_page/ui/frmCheatSheetMDI.h"
#include "toolkit/ui/clsTabStrip.h"

namespace {

using project_page_ui::frmCheatSheetMDI;

class ProjectWindow : public kdtest::MainWindowTest {
 protected:
  frmCheatSheetMDI* Open() {
    project_page_ui::RegisterWindows();
    if (!Start()) return nullptr;
    EXPECT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
    basUIControl::SwitchPage(kPageProject);
    return dynamic_cast<frmCheatSheetMDI*>(window->CurrentPageForm());
  }
  // Presses and releases the pointer over tab `index`, as the strip's timer sees it.
  void ClickTab(frmCheatSheetMDI* page, int32_t index) {
    clsTabStrip* strip = page->TabStrip();
    const ButtonRect r = strip->ScreenRect(index);
    const QPoint at = strip->PictureControl()->mapToGlobal(QPoint(r.Left + r.Width / 2, r.Top + r.Height / 2));
    for (const bool down : {false, true, false}) {
      pointer->current = seams::PointerState{at.x(), at.y(), down};
      strip->Tick();
    }
    pointer->current = seams::PointerState{-5000, -5000, false};
  }
};

TEST_F(ProjectWindow, TabsShowTheCheatSheetAndMockDraftPreviewsOfTheSampleProject) {
  frmCheatSheetMDI* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->isVisible());
  EXPECT_EQ(page->Controller().CurrentTab(), clsUICheatSheet::kTabFiles);

  ClickTab(page, clsUICheatSheet::kTabCheatSheet);
  EXPECT_EQ(page->Controller().CurrentTab(), clsUICheatSheet::kTabCheatSheet);
  EXPECT_TRUE(page->Controller().CheatValid());
  EXPECT_GT(page->flxCheat()->Model().Rows(), 50);
  EXPECT_TRUE(page->lblDisplayGrid()->isVisible());
  EXPECT_EQ(page->lblDisplayGrid()->text().toStdString(), "Cheat Sheet - Default.dis");
  EXPECT_FALSE(page->optAuto()->isVisible());
  EXPECT_FALSE(seams::Progress().Visible());
  kdtest::SaveScreenshot(window.get(), "cheat_sheet_preview");

  ClickTab(page, clsUICheatSheet::kTabMockDraft);
  ASSERT_TRUE(page->Controller().MockValid());
  EXPECT_TRUE(page->optAuto()->isVisible());
  EXPECT_TRUE(page->optAuto()->isChecked());
  const int32_t listRows = page->flxCheat()->Model().Rows();
  QTest::mouseClick(page->Option1(1), Qt::LeftButton);
  EXPECT_EQ(MockDisplayView, 1);
  EXPECT_FALSE(page->Option1(0)->isChecked());
  EXPECT_NE(page->flxCheat()->Model().Rows(), listRows);
  kdtest::SaveScreenshot(window.get(), "mock_draft_board");
  QTest::mouseClick(page->Option1(0), Qt::LeftButton);
  EXPECT_EQ(page->flxCheat()->Model().Rows(), listRows);
}

}  // namespace
