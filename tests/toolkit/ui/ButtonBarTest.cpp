#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <QTimer>

#include "WidgetHarness.h"
#include "toolkit/ui/ButtonPainter.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/clsBitmap.h"
#include "toolkit/ui/clsButton.h"

using gdi::Rgb;
using kdtest::ExpectPixels;

namespace {

constexpr gdi::COLORREF kBack = Rgb(236, 233, 216);

// The darkest red component in the rectangle: glyphs are smoothed, so
// caption pixels run from the face colour towards the text colour.
int DarkestRed(const gdi::MemoryDC& dc, const gdi::Rect& r) {
  int darkest = 255;
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x) darkest = std::min(darkest, gdi::RedOf(dc.GetPixel(x, y)));
  return darkest;
}

// A button 72 x 24 at (5, 0) drawn on its own.
gdi::MemoryDC Drawn(int32_t look, const std::string& caption = "Save") {
  gdi::MemoryDC dc(90, 30, kBack);
  dc.SetBkMode(gdi::BkMode::kTransparent);
  ButtonPainter::DrawButton(dc, look, {72, 24, 5, 0}, caption, nullptr, false);
  return dc;
}

}  // namespace

TEST(ButtonPainter, BorderAndRoundedCornersOfTheNormalLook) {
  constexpr gdi::COLORREF kLine = Rgb(0, 60, 116), kMiddle = Rgb(123, 150, 173), kOuter = Rgb(33, 85, 132),
                          kInner = Rgb(82, 125, 165);
  // The button spans x 5..76 and y 0..23.
  ExpectPixels(Drawn(ButtonPainter::kNormal),
               {{8, 0, kLine}, {73, 0, kLine}, {5, 3, kLine}, {76, 20, kLine}, {15, 23, kLine},
                // the very corner pixels keep the bar's colour
                {5, 0, kBack}, {76, 23, kBack},
                // top-left and bottom-right corners
                {5, 1, kMiddle}, {6, 0, kMiddle}, {5, 2, kOuter}, {7, 0, kOuter}, {6, 1, kInner},
                {76, 22, kMiddle}, {74, 23, kOuter}, {75, 22, kInner},
                // nothing right of or below the button
                {77, 10, kBack}, {15, 24, kBack}});
}

TEST(ButtonPainter, BandsOfTheNormalSelectedAndHotLooks) {
  struct Case {
    int32_t look;
    gdi::COLORREF top1, top2, bottom1, bottom2, ringTop;
  };
  for (const Case& c : {Case{ButtonPainter::kNormal, Rgb(255, 255, 255), Rgb(254, 254, 254),
                             Rgb(226, 223, 214), Rgb(214, 208, 197), Rgb(252, 252, 251)},
                        Case{ButtonPainter::kSelected, Rgb(206, 231, 255), Rgb(189, 215, 247),
                             Rgb(140, 174, 231), Rgb(107, 130, 239), Rgb(189, 211, 247)},
                        Case{ButtonPainter::kHot, Rgb(255, 243, 206), Rgb(255, 219, 140), Rgb(255, 178, 49),
                             Rgb(230, 150, 0), Rgb(225, 223, 156)}}) {
    SCOPED_TRACE(c.look);
    // The coloured ring shows in the two columns at each side of the face;
    // the face itself is the same for the three looks.
    ExpectPixels(Drawn(c.look), {{10, 1, c.top1}, {10, 2, c.top2}, {10, 21, c.bottom1}, {10, 22, c.bottom2},
                                 {6, 3, c.ringTop}, {7, 3, c.ringTop}, {74, 3, c.ringTop},
                                 {8, 3, Rgb(252, 252, 251)}, {8, 20, Rgb(237, 236, 231)}});
  }
  // The hot ring, rows 3..22 (h = 19): row 12 is i = 10 rows up from the bottom:
  // 255 - 30*10/19 = 239.2, 182 + 41*10/19 = 203.6, 48 + 108*10/19 = 104.8, halves to even.
  // Its bottom line lies over the ring.
  ExpectPixels(Drawn(ButtonPainter::kHot), {{6, 12, Rgb(239, 204, 105)}, {6, 21, Rgb(255, 178, 49)}});
}

TEST(ButtonPainter, GradientFillRunsFromTopColourToTheRowPastTheRectangle) {
  gdi::MemoryDC dc(4, 4, gdi::kWhite);
  ButtonPainter::GradientFill(dc, {0, 0, 3, 2}, Rgb(1, 0, 10), Rgb(2, 1, 20));
  // 1.5 -> 2, 0.5 -> 0, 15; the right and bottom edges are left out
  ExpectPixels(dc, {{0, 0, Rgb(1, 0, 10)}, {2, 1, Rgb(2, 0, 15)}, {0, 2, Rgb(2, 1, 20)}, {3, 0, gdi::kWhite},
                    {0, 3, gdi::kWhite}});
  // No height: the top colour.
  gdi::MemoryDC flat(4, 3, gdi::kWhite);
  ButtonPainter::GradientFill(flat, {0, 1, 4, 1}, Rgb(9, 9, 9), Rgb(200, 0, 0));
  ExpectPixels(flat, {{2, 1, Rgb(9, 9, 9)}, {2, 2, gdi::kWhite}});
}

TEST(ButtonPainter, ButtonsLowerThanSevenPixelsDrawFlatFaces) {
  for (int32_t h = 1; h < 7; ++h) {
    gdi::MemoryDC dc(40, 10, kBack);
    for (int32_t look = 0; look <= 4; ++look)
      ButtonPainter::DrawButton(dc, look, {30, h, 2, 1}, "x", nullptr, false);
  }
  // A 3-pixel disabled button fills one face row, of no height: top colour.
  gdi::MemoryDC dc(40, 10, kBack);
  ButtonPainter::DrawButton(dc, ButtonPainter::kDisabled, {30, 3, 2, 1}, "", nullptr, false);
  EXPECT_COLOUR(dc.GetPixel(7, 2), Rgb(245, 244, 234));
}

TEST(ButtonPainter, DisabledAndPressedLooks) {
  const gdi::MemoryDC disabled = Drawn(ButtonPainter::kDisabled, "Cancel");
  constexpr gdi::COLORREF kFace = Rgb(245, 244, 234);
  ExpectPixels(disabled, {{8, 0, Rgb(201, 199, 186)}, {10, 5, kFace}, {10, 22, kFace},
                          {5, 1, Rgb(206, 199, 189)}, {7, 0, Rgb(196, 177, 140)}});
  EXPECT_GE(DarkestRed(disabled, {8, 3, 74, 21}), 161);  // never darker than the grey text
  EXPECT_LE(DarkestRed(disabled, {8, 3, 74, 21}), 190);

  const gdi::MemoryDC pressed = Drawn(ButtonPainter::kPressed, "Cancel");
  ExpectPixels(pressed, {{8, 0, Rgb(0, 60, 116)}, {10, 1, Rgb(231, 227, 222)}, {10, 5, Rgb(231, 227, 222)}});
  EXPECT_LE(DarkestRed(pressed, {8, 3, 74, 21}), 60);  // black text
}

TEST(ButtonPainter, ImageSitsAtTheLeftAndItsWhiteIsSeeThrough) {
  clsBitmap floppy;
  floppy.LoadResImage(144);
  gdi::MemoryDC dc(90, 30, kBack);
  dc.SetBkMode(gdi::BkMode::kTransparent);
  ButtonPainter::DrawButton(dc, ButtonPainter::kNormal, {72, 24, 5, 0}, "", &floppy, true);
  // image at x = L + 4, y = (24 - 16) / 2 = 4; its white pixels are see-through
  kdtest::ExpectResourceAt(dc, 144, 9, 4, true);
  EXPECT_COLOUR(dc.GetPixel(9, 4), Drawn(ButtonPainter::kNormal, "").GetPixel(9, 4));
}

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
