#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <QTimer>

#include "WidgetHarness.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/clsButton.h"

using gdi::Rgb;
using kdtest::ExpectPixels;

namespace {

constexpr gdi::COLORREF kBack = Rgb(236, 233, 216);

}  // namespace

class ButtonBar : public kdtest::BarFixture<clsButton> {
 protected:
  void SetUp() override {
    picture = host.AddPicture(10, 10, 300, 30, kBack);
    basButtonMocks::SetUpSaveCancelButtons(bar, picture, &timer);
    Watch();
  }
};

TEST_F(ButtonBar, TwoButtonsOfWidth72SitFiveAndEightySixPixelsIn) {
  EXPECT_EQ(bar.Buttons(), 2);
  EXPECT_EQ(bar.Rect(0), (ButtonRect{72, 24, 5, 0}));
  EXPECT_EQ(bar.Rect(1), (ButtonRect{72, 24, 86, 0}));
  EXPECT_EQ(bar.TabText(0), "Save");
  EXPECT_EQ(bar.TabText(1), "Cancel");
  EXPECT_EQ(timer.interval(), 10);
  EXPECT_TRUE(bar.Enabled());
  EXPECT_COLOUR(bar.BackColor(), kBack);
  // the gap between them keeps the bar's colour
  ExpectPixels(picture->hDC(), {{5 + 3, 0, Rgb(0, 60, 116)}, {86 + 3, 0, Rgb(0, 60, 116)}, {80, 10, kBack}});
  kdtest::ExpectResourceAt(picture->hDC(), 144, 9, 4, true);  // the floppy on Save
  kdtest::SaveScreenshot(picture, "button_bar_save_cancel");
}

TEST_F(ButtonBar, OpenGetsTheFolderAWhitePictureAWhiteBarAndOtherColoursTheFace) {
  clsButton other;
  PictureBox* p = host.AddPicture(10, 60, 300, 30, gdi::kWhite);
  QTimer t;
  basButtonMocks::SetUpButtonBar(other, p, &t, 72, {"Open", "Cancel"}, true);
  EXPECT_GT(kdtest::ExpectResourceAt(p->hDC(), 150, 9, 4, true), 50);  // the open folder
  EXPECT_COLOUR(other.BackColor(), gdi::kWhite);
  EXPECT_COLOUR(p->hDC().GetPixel(2, 10), gdi::kWhite);
  kdtest::SaveScreenshot(p, "button_bar_open_cancel_white");

  clsButton red;
  PictureBox* q = host.AddPicture(10, 100, 300, 30, Rgb(200, 10, 10));
  basButtonMocks::SetUpOKCancelButtons(red, q, &t);
  EXPECT_COLOUR(red.BackColor(), kBack);
  EXPECT_COLOUR(q->hDC().GetPixel(2, 10), kBack);
  EXPECT_EQ(red.ImageCount(), 2);
  EXPECT_EQ(red.TabText(0), "OK");
}

TEST_F(ButtonBar, HoverShowsTheHotLookAndTheToolTip) {
  bar.SetToolTipText(1, "Close without saving");
  At(100, 10, false);
  EXPECT_EQ(bar.State(1), 1);
  EXPECT_COLOUR(Px(86 + 5, 1), Rgb(255, 243, 206));
  EXPECT_EQ(picture->ToolTipText(), "Close without saving");
  kdtest::SaveScreenshot(picture, "button_bar_hover");
  At(20, 10, false);  // onto button 0
  EXPECT_EQ(bar.State(1), 0);
  EXPECT_EQ(bar.State(0), 1);
  At(80, 10, false);  // the gap
  EXPECT_EQ(bar.State(0), 0);
  EXPECT_EQ(picture->ToolTipText(), "");
}

TEST_F(ButtonBar, PressAndReleaseOverAButtonClicksOnce) {
  At(20, 10, false);
  At(20, 10, true);
  EXPECT_EQ(bar.State(0), 3);
  EXPECT_COLOUR(Px(5 + 5, 5), Rgb(231, 227, 222));
  kdtest::SaveScreenshot(picture, "button_bar_pressed");
  EXPECT_TRUE(clicks.empty());
  At(21, 11, false);
  EXPECT_EQ(clicks, std::vector<int32_t>{0});
  // drawn normal after the click, hovered again at the next tick
  EXPECT_EQ(bar.State(0), 0);
  EXPECT_COLOUR(Px(5 + 5, 1), Rgb(255, 255, 255));
  At(21, 11, false);
  EXPECT_EQ(bar.State(0), 1);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonBar, NoClickUnlessPressAndReleaseAreOnTheSameButton) {
  struct Step {
    int x;  // -1: away from the bar
    bool down;
    int32_t state0;  // -1: not looked at
  };
  const std::vector<Step> gestures[] = {
      // press on one button, slide to the other, release there
      {{20, false, 1}, {20, true, 3}, {100, true, 0}, {100, false, -1}},
      // leave the bar with the button down, come back, release
      {{20, true, 3}, {-1, true, 0}, {20, true, -1}, {20, false, -1}},
      // press started elsewhere
      {{-1, true, 0}, {20, true, 0}, {20, false, 0}},
  };
  for (const std::vector<Step>& gesture : gestures) {
    SCOPED_TRACE(&gesture - gestures);
    Away(false);
    for (const Step& step : gesture) {
      if (step.x < 0)
        Away(step.down);
      else
        At(step.x, 10, step.down);
      if (step.state0 >= 0) {
        EXPECT_EQ(bar.State(0), step.state0) << step.x << (step.down ? " down" : " up");
      }
      if (step.x == 100 && step.down) { EXPECT_EQ(bar.State(1), 0); }
    }
    EXPECT_TRUE(clicks.empty());
  }
}

TEST_F(ButtonBar, DisabledButtonNeitherClicksNorChangesLook) {
  bar.SetButtonEnabled(1, false);
  EXPECT_FALSE(bar.ButtonEnabled(1));
  EXPECT_COLOUR(Px(86 + 5, 5), Rgb(245, 244, 234));
  const QImage before = picture->hDC().Image().copy();
  At(100, 10, false);
  At(100, 10, true);
  At(100, 10, false);
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(bar.State(1), 4);
  EXPECT_EQ(picture->hDC().Image(), before);
  kdtest::SaveScreenshot(picture, "button_bar_disabled");
  // A full redraw shows it normal until its state is applied again.
  bar.DrawFullToolbar();
  EXPECT_COLOUR(Px(86 + 5, 1), Rgb(255, 255, 255));
  EXPECT_EQ(bar.State(1), 4);
  bar.ForceState(1, 4);
  EXPECT_COLOUR(Px(86 + 5, 1), Rgb(245, 244, 234));
  bar.SetButtonEnabled(1, true);
  EXPECT_EQ(bar.State(1), 0);
  EXPECT_COLOUR(Px(86 + 5, 1), Rgb(255, 255, 255));
}

TEST_F(ButtonBar, SelectedLookIsLostWhenTheCursorMovesToAnotherButton) {
  bar.SetTabSelected(0, true);
  EXPECT_TRUE(bar.TabSelected(0));
  EXPECT_COLOUR(Px(5 + 5, 1), Rgb(206, 231, 255));
  At(100, 10, false);
  EXPECT_EQ(bar.State(0), 0);
  bar.DownButton();
  EXPECT_COLOUR(Px(5 + 5, 5), Rgb(231, 227, 222));
  EXPECT_EQ(bar.State(0), 0);
}

TEST_F(ButtonBar, HandlerThatDestroysTheBarAndItsWindowIsSafe) {
  auto* doomed = new clsButton();
  PictureBox* p = host.AddPicture(10, 60, 300, 30, kBack);
  QTimer t;
  basButtonMocks::SetUpOKCancelButtons(*doomed, p, &t);
  int seen = 0;
  QObject::connect(doomed, &clsButton::Click, [&](int32_t) {
    ++seen;
    delete doomed;
    host.Close();
  });
  kdtest::PointAt(fakes.pointer, p, 20, 10, false);
  doomed->Tick();
  kdtest::PointAt(fakes.pointer, p, 20, 10, true);
  doomed->Tick();
  fakes.pointer.current.leftDown = false;
  doomed->Tick();
  EXPECT_EQ(seen, 1);
}

TEST_F(ButtonBar, ModalWindowElsewhereStopsThePolling) {
  QDialog dialog;
  dialog.setModal(true);
  dialog.setGeometry(600, 600, 100, 100);
  dialog.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
  At(20, 10, false);
  At(20, 10, true);
  At(20, 10, false);
  EXPECT_EQ(bar.State(0), 0);
  EXPECT_TRUE(clicks.empty());
  dialog.hide();
  // the press made while the dialog was up does not count here either
  At(20, 10, false);
  EXPECT_EQ(bar.State(0), 1);
}

TEST_F(ButtonBar, OutOfRangeIndicesAreIgnored) {
  bar.SetTabText(5, "x");
  bar.SetButtonEnabled(-1, false);
  bar.ForceState(2, 3);
  EXPECT_EQ(bar.TabText(5), "");
  EXPECT_TRUE(bar.ButtonEnabled(0));
  EXPECT_FALSE(bar.ButtonEnabled(7));
  EXPECT_EQ(bar.State(9), 0);
}
