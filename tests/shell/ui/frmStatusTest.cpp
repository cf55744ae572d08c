#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScreen>

#include "ShellWindowHarness.h"
#include "core/basStatusControl.h"
#include "shell/ui/frmStatus.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsButton.h"

namespace {

constexpr gdi::COLORREF kBar = gdi::Rgb(239, 204, 120);

// The number of filled columns from the left of a bar's picture, checking
// that every row of a column agrees.
int FilledColumns(PictureBox* bar) {
  const gdi::MemoryDC& dc = bar->hDC();
  int filled = 0;
  for (int x = 0; x < dc.Width(); ++x) {
    const bool top = dc.GetPixel(x, 0) == kBar;
    EXPECT_EQ(dc.GetPixel(x, dc.Height() - 1) == kBar, top) << "column " << x;
    if (top) filled = x + 1;
  }
  return filled;
}

class ProgressWindow : public ::testing::Test {
 protected:
  kdtest::RealSeamsWithScriptedPointer seams_;
  kdtest::FakePointer& pointer = *seams_.pointer;
};

}  // namespace

TEST_F(ProgressWindow, LoadsWithItsDesignCaptions) {
  CancelFlag = true;
  frmStatus window;
  EXPECT_FALSE(CancelFlag);
  EXPECT_EQ(window.size(), QSize(403, 131));
  EXPECT_EQ(window.windowTitle().toStdString(), " Status");
  EXPECT_EQ(window.lblTop()->text().toStdString(), "Current Progress");
  EXPECT_EQ(window.lblPercent()->text().toStdString(), "0 %");
  EXPECT_EQ(window.lblTotTop()->text().toStdString(), "Total Progress");
  EXPECT_EQ(window.lblTotPercent()->text().toStdString(), "0 %");
  EXPECT_EQ(window.lblTotBottom()->text().toStdString(), "Status");
  EXPECT_EQ(window.mOK()->Buttons(), 1);
  EXPECT_EQ(window.mOK()->TabText(0), "Cancel");
  EXPECT_EQ(window.mOK()->Rect(0), (ButtonRect{70, 24, 5, 0}));
  // The message list lies below the client area.
  EXPECT_GE(window.lstStatus()->y(), window.height());
}

TEST_F(ProgressWindow, BarsFillTheirShareOfTheInnerWidthRoundedHalfToEvenAndClearAlone) {
  frmStatus window;
  window.show();
  ASSERT_EQ(window.picCur()->ScaleWidth(), 391);
  struct Case {
    int32_t percent;
    int filled;  // the polygon's right edge is drawn too: w + 1 columns
  };
  // 391 x 50 / 100 = 195.5 -> 196; 391 x 25 / 100 = 97.75 -> 98.
  for (const Case c : {Case{50, 197}, Case{25, 99}, Case{100, 391}, Case{1, 5}, Case{0, 0}, Case{250, 391},
                       Case{-3, 0}}) {
    SCOPED_TRACE(c.percent);
    window.pSbPercent(c.percent);
    EXPECT_EQ(window.lblPercent()->text().toStdString(), std::to_string(c.percent) + " %");
    EXPECT_EQ(FilledColumns(window.picCur()), c.filled);
    window.pSbTotalPercent(c.percent);
    EXPECT_EQ(window.lblTotPercent()->text().toStdString(), std::to_string(c.percent) + " %");
    EXPECT_EQ(FilledColumns(window.picTot()), c.filled);
    // Even "100 %" keeps the margin the bars keep from the window's edge.
    for (const QLabel* label : {window.lblPercent(), window.lblTotPercent()}) {
      EXPECT_LE(label->geometry().right() + 4, window.width());
    }
  }
  // Clearing empties one bar, and its percentage reads 0 % with it.
  window.pSbPercent(60);
  window.pSbTotalPercent(30);
  window.pSbClearTotal();
  EXPECT_EQ(FilledColumns(window.picTot()), 0);
  EXPECT_EQ(window.lblTotPercent()->text().toStdString(), "0 %");
  EXPECT_GT(FilledColumns(window.picCur()), 0);
  EXPECT_EQ(window.lblPercent()->text().toStdString(), "60 %");
  window.pSbClearCurrent();
  EXPECT_EQ(FilledColumns(window.picCur()), 0);
  EXPECT_EQ(window.lblPercent()->text().toStdString(), "0 %");
}

TEST_F(ProgressWindow, CancelAndTheCloseBoxOnlyRaiseTheFlagAndTheWindowStaysForTheJob) {
  QPointer<frmStatus> window = new frmStatus;
  window->ShowModal();
  kdtest::Press(pointer, window->mOK(), 0);
  EXPECT_TRUE(CancelFlag);
  kdtest::Press(pointer, window->mOK(), 0);
  EXPECT_TRUE(CancelFlag);
  EXPECT_TRUE(window->isVisible());
  CancelFlag = false;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(CancelFlag);
  ASSERT_FALSE(window.isNull());
  EXPECT_TRUE(window->isVisible());
  window->pSbPercent(40);  // the job goes on driving it
  delete window.data();
  EXPECT_FALSE(CancelFlag);
}

TEST_F(ProgressWindow, AJobsWindowIsApplicationModalUntilItIsUnloaded) {
  std::unique_ptr<clsStatusPlain> status = basStatusControl::CreateStatusWindow("Applying Scoring", false);
  seams::Progress().Show();
  auto* window = qobject_cast<frmStatus*>(QApplication::activeModalWidget());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(window->windowTitle().toStdString(), "Applying Scoring");
  EXPECT_TRUE(seams::Progress().Visible());

  status->AddSegment(1, 100);
  status->SetSegmentRange(1, 0, 3);
  status->SetSegmentValue(1, 1);  // 2 of 4 values: 50 %
  EXPECT_EQ(window->lblPercent()->text().toStdString(), "50 %");
  EXPECT_EQ(window->lblTotPercent()->text().toStdString(), "50 %");
  status->StatusCaption(clsStatusPlain::kCurrentBar, 1, "Scoring Week 1");
  status->StatusCaption(clsStatusPlain::kTotalBar, 0, "Step 1 of 3");
  status->StatusCaption(clsStatusPlain::kTotalBar, 1, "All Weeks");
  EXPECT_EQ(window->lblTop()->text().toStdString(), "Scoring Week 1");
  EXPECT_EQ(window->lblTotBottom()->text().toStdString(), "Step 1 of 3");
  EXPECT_EQ(window->lblTotTop()->text().toStdString(), "All Weeks");
  status->StatusCaption(clsStatusPlain::kCurrentBar, 0, "Player 12 of 300");
  kdtest::SaveScreenshot(window, "progress_window");

  kdtest::Press(pointer, window->mOK(), 0);
  EXPECT_TRUE(CancelFlag);
  seams::Progress().Unload();
  EXPECT_FALSE(CancelFlag);
  EXPECT_FALSE(seams::Progress().Visible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // A job that closed its window never brings it back by writing to it.
  seams::Progress().Percent(10);
  seams::Progress().SetTopText("late");
  EXPECT_FALSE(seams::Progress().Visible());
}

TEST_F(ProgressWindow, TheLineUnderTheBarIsPrintedAfreshAndTheLastListLineSelected) {
  frmStatus window;
  window.PrintBottom("A long first line of status text");
  window.PrintBottom("x");
  const gdi::MemoryDC& dc = window.picBottom()->hDC();
  int inkRight = -1;
  for (int x = 0; x < dc.Width(); ++x)
    for (int y = 0; y < dc.Height(); ++y)
      if (gdi::RedOf(dc.GetPixel(x, y)) < 128) inkRight = x;
  EXPECT_GE(inkRight, 0);
  EXPECT_LT(inkRight, 12);  // only the "x" is left
  window.AddListItem("one");
  window.AddListItem("two");
  ASSERT_EQ(window.lstStatus()->count(), 2);
  EXPECT_EQ(window.lstStatus()->currentRow(), 1);
}

TEST_F(ProgressWindow, OpensCentredOverTheMainWindowOrElseTheScreen) {
  // The frame is not known before the window first shows: a few pixels off
  // centre are expected, the screen's corner is not.
  auto centreDistance = [](const QRect& a, const QRect& b) { return (a.center() - b.center()).manhattanLength(); };
  {
    QWidget owner;
    owner.setGeometry(300, 200, 900, 700);
    owner.show();
    QApplication::setActiveWindow(&owner);
    seams::Progress().Show();
    auto* window = qobject_cast<frmStatus*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    EXPECT_LE(centreDistance(window->frameGeometry(), owner.frameGeometry()), 12);
    seams::Progress().Unload();
  }
  seams::Progress().Show();
  auto* window = qobject_cast<frmStatus*>(QApplication::activeModalWidget());
  ASSERT_NE(window, nullptr);
  EXPECT_LE(centreDistance(window->frameGeometry(), window->screen()->availableGeometry()), 12);
  seams::Progress().Unload();
}
