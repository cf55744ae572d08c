#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "MainWindowHarness.h"
#include "editors/display_grid/ui/frmDisplayEditor.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/ui/frmMessage.h"

using editors_display_grid_ui::frmDisplayEditor;
using kdtest::MainWindowTest;

TEST_F(MainWindowTest, DisplayGridPageAddsAColumnForATickedCategoryAndAsksBeforeLeaving) {
  editors_display_grid_ui::RegisterWindows();
  ASSERT_TRUE(Start());
  window->mnuEdit(3)->trigger();  // Edit > Display Grids
  auto* page = dynamic_cast<frmDisplayEditor*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);

  FlexGridWidget* cats = page->flxStatCats();
  const FlexGridModel& m = cats->Model();
  int32_t row = 1;
  while (row < m.Rows() && m.TextMatrix(row, 0).empty()) ++row;
  ASSERT_LT(row, m.Rows());
  QTest::mouseClick(cats, Qt::LeftButton, {}, cats->CellRect(row, 1).center());
  EXPECT_EQ(page->Controller().Grid().ColumnMax(), 0);
  EXPECT_EQ(page->flxPlayer()->Model().Rows(), 2);
  kdtest::SaveScreenshot(page, "display_grid_editor");

  // Leaving with the new column asks; Cancel keeps the page.
  std::string question;
  script.Then<frmMessage>([this, &question](frmMessage* box) {
    question = box->lblView()->text().toStdString();
    kdtest::PressSoon(*pointer, box->mBtn(), 2);  // Cancel
  });
  window->mnuEdit(0)->trigger();
  EXPECT_EQ(question, " Would you like to save changes to Display Grid File?");
  EXPECT_EQ(window->CurrentPageForm(), page);
}
