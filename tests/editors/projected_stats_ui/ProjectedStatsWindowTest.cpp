// The projected-stats page's window in the real main window, offscreen, on
// the bundled 2024 database: reached from Edit > Projected Stats, a stat
// typed into the grid rescoring the player, and "Don't Save" on leaving.
// What the page does is tested on its controller.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "MainWindowHarness.h"
#include "core/basMockItUp.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "editors/projected_stats/ui/frmProjected.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Text.h"
#include "shell/ui/frmMessage.h"

namespace editors_projected_stats_ui {
void RegisterWindows();
}

namespace {

using editors_projected_stats_ui::frmProjected;
constexpr int32_t kPoints = 44;
constexpr int32_t kRushYards = 14;

class ProjectedStatsWindowTest : public kdtest::MainWindowTest {
 protected:
  frmProjected* OpenPage() {
    editors_projected_stats_ui::RegisterWindows();
    if (!Start()) return nullptr;
    GlobalProject().SetValue(kProjProjectedStatsFile, "2010 Default Stats.pro");
    window->mnuEdit(2)->trigger();
    return qobject_cast<frmProjected*>(window->CurrentPageForm());
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

}  // namespace
