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
  const gdi::MemoryDC dc = Drawn(ButtonPainter::kNormal);
  const int L = 5, T = 0, W = 72, H = 24;
  EXPECT_COLOUR(dc.GetPixel(L + 3, T), Rgb(0, 60, 116));
  EXPECT_COLOUR(dc.GetPixel(L + W - 4, T), Rgb(0, 60, 116));
  EXPECT_COLOUR(dc.GetPixel(L, T + 3), Rgb(0, 60, 116));
  EXPECT_COLOUR(dc.GetPixel(L + W - 1, T + H - 4), Rgb(0, 60, 116));
  EXPECT_COLOUR(dc.GetPixel(L + 10, T + H - 1), Rgb(0, 60, 116));
  // the very corner pixels keep the bar's colour
  EXPECT_COLOUR(dc.GetPixel(L, T), kBack);
  EXPECT_COLOUR(dc.GetPixel(L + W - 1, T + H - 1), kBack);
  // top-left corner: middle, outer, inner
  EXPECT_COLOUR(dc.GetPixel(L, T + 1), Rgb(123, 150, 173));
  EXPECT_COLOUR(dc.GetPixel(L + 1, T), Rgb(123, 150, 173));
  EXPECT_COLOUR(dc.GetPixel(L, T + 2), Rgb(33, 85, 132));
  EXPECT_COLOUR(dc.GetPixel(L + 2, T), Rgb(33, 85, 132));
  EXPECT_COLOUR(dc.GetPixel(L + 1, T + 1), Rgb(82, 125, 165));
  // bottom-right corner
  EXPECT_COLOUR(dc.GetPixel(L + W - 1, T + H - 2), Rgb(123, 150, 173));
  EXPECT_COLOUR(dc.GetPixel(L + W - 3, T + H - 1), Rgb(33, 85, 132));
  EXPECT_COLOUR(dc.GetPixel(L + W - 2, T + H - 2), Rgb(82, 125, 165));
  // nothing right of or below the button
  EXPECT_COLOUR(dc.GetPixel(L + W, 10), kBack);
  EXPECT_COLOUR(dc.GetPixel(L + 10, T + H), kBack);
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
    const gdi::MemoryDC dc = Drawn(c.look);
    EXPECT_COLOUR(dc.GetPixel(5 + 5, 1), c.top1);
    EXPECT_COLOUR(dc.GetPixel(5 + 5, 2), c.top2);
    EXPECT_COLOUR(dc.GetPixel(5 + 5, 21), c.bottom1);
    EXPECT_COLOUR(dc.GetPixel(5 + 5, 22), c.bottom2);
    // the coloured ring shows in the two columns at each side of the face
    EXPECT_COLOUR(dc.GetPixel(5 + 1, 3), c.ringTop);
    EXPECT_COLOUR(dc.GetPixel(5 + 2, 3), c.ringTop);
    EXPECT_COLOUR(dc.GetPixel(5 + 69, 3), c.ringTop);
    // the face itself is the same for the three looks
    EXPECT_COLOUR(dc.GetPixel(5 + 3, 3), Rgb(252, 252, 251));
    EXPECT_COLOUR(dc.GetPixel(5 + 3, 20), Rgb(237, 236, 231));
  }
}

TEST(ButtonPainter, HotRingGradientIsInterpolatedAndRoundedHalfToEven) {
  // ring rows 3..22, h = 19; row 12 is i = 10 rows up from the bottom:
  // 255 - 30*10/19 = 239.2, 182 + 41*10/19 = 203.6, 48 + 108*10/19 = 104.8
  const gdi::MemoryDC dc = Drawn(ButtonPainter::kHot);
  EXPECT_COLOUR(dc.GetPixel(6, 12), Rgb(239, 204, 105));
  EXPECT_COLOUR(dc.GetPixel(6, 21), Rgb(255, 178, 49));  // bottom 1 line over the ring
}

TEST(ButtonPainter, GradientFillRunsFromTopColourToTheRowPastTheRectangle) {
  gdi::MemoryDC dc(4, 4, gdi::kWhite);
  ButtonPainter::GradientFill(dc, {0, 0, 3, 2}, Rgb(1, 0, 10), Rgb(2, 1, 20));
  EXPECT_COLOUR(dc.GetPixel(0, 0), Rgb(1, 0, 10));
  EXPECT_COLOUR(dc.GetPixel(2, 1), Rgb(2, 0, 15));  // 1.5 -> 2, 0.5 -> 0, 15
  EXPECT_COLOUR(dc.GetPixel(0, 2), Rgb(2, 1, 20));
  EXPECT_COLOUR(dc.GetPixel(3, 0), gdi::kWhite);  // right edge left out
  EXPECT_COLOUR(dc.GetPixel(0, 3), gdi::kWhite);
}

TEST(ButtonPainter, GradientOfNoHeightUsesTheTopColour) {
  gdi::MemoryDC dc(4, 3, gdi::kWhite);
  ButtonPainter::GradientFill(dc, {0, 1, 4, 1}, Rgb(9, 9, 9), Rgb(200, 0, 0));
  EXPECT_COLOUR(dc.GetPixel(2, 1), Rgb(9, 9, 9));
  EXPECT_COLOUR(dc.GetPixel(2, 2), gdi::kWhite);
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
  EXPECT_COLOUR(disabled.GetPixel(5 + 3, 0), Rgb(201, 199, 186));
  EXPECT_COLOUR(disabled.GetPixel(5 + 5, 5), Rgb(245, 244, 234));
  EXPECT_COLOUR(disabled.GetPixel(5 + 5, 22), Rgb(245, 244, 234));
  EXPECT_COLOUR(disabled.GetPixel(5, 1), Rgb(206, 199, 189));
  EXPECT_COLOUR(disabled.GetPixel(5 + 2, 0), Rgb(196, 177, 140));
  EXPECT_GE(DarkestRed(disabled, {8, 3, 74, 21}), 161);  // never darker than the grey text
  EXPECT_LE(DarkestRed(disabled, {8, 3, 74, 21}), 190);

  const gdi::MemoryDC pressed = Drawn(ButtonPainter::kPressed, "Cancel");
  EXPECT_COLOUR(pressed.GetPixel(5 + 3, 0), Rgb(0, 60, 116));
  EXPECT_COLOUR(pressed.GetPixel(5 + 5, 1), Rgb(231, 227, 222));
  EXPECT_COLOUR(pressed.GetPixel(5 + 5, 5), Rgb(231, 227, 222));
  EXPECT_LE(DarkestRed(pressed, {8, 3, 74, 21}), 60);  // black text
}

TEST(ButtonPainter, CaptionIsCentredAndImageSitsAtTheLeft) {
  clsBitmap floppy;
  floppy.LoadResImage(144);
  gdi::MemoryDC dc(90, 30, kBack);
  dc.SetBkMode(gdi::BkMode::kTransparent);
  ButtonPainter::DrawButton(dc, ButtonPainter::kNormal, {72, 24, 5, 0}, "", &floppy, true);
  // image at x = L + 4, y = (24 - 16) / 2 = 4; its white pixels are see-through
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const gdi::COLORREF src = floppy.hDC().GetPixel(x, y);
      if (src != gdi::kWhite) {
        EXPECT_COLOUR(dc.GetPixel(9 + x, 4 + y), src);
      }
    }
  }
  EXPECT_COLOUR(dc.GetPixel(9, 4), Drawn(ButtonPainter::kNormal, "").GetPixel(9, 4));
}

class ButtonBar : public ::testing::Test {
 protected:
  void SetUp() override {
    picture = host.AddPicture(10, 10, 300, 30, kBack);
    basButtonMocks::SetUpSaveCancelButtons(bar, picture, &timer);
    QObject::connect(&bar, &clsButton::Click, [this](int32_t i) { clicks.push_back(i); });
  }
  void At(int x, int y, bool down) {
    kdtest::PointAt(fakes.pointer, picture, x, y, down);
    bar.Tick();
  }
  void Away(bool down) {
    kdtest::PointAway(fakes.pointer, down);
    bar.Tick();
  }
  gdi::COLORREF Px(int x, int y) const { return picture->hDC().GetPixel(x, y); }

  kdtest::ScopedFakeSeams fakes;
  kdtest::WidgetHost host;
  PictureBox* picture = nullptr;
  QTimer timer;
  clsButton bar;
  std::vector<int32_t> clicks;
};

TEST_F(ButtonBar, TwoButtonsOfWidth72SitFiveAndEightySixPixelsIn) {
  EXPECT_EQ(bar.Buttons(), 2);
  EXPECT_EQ(bar.Rect(0), (ButtonRect{72, 24, 5, 0}));
  EXPECT_EQ(bar.Rect(1), (ButtonRect{72, 24, 86, 0}));
  EXPECT_EQ(bar.TabText(0), "Save");
  EXPECT_EQ(bar.TabText(1), "Cancel");
  EXPECT_EQ(timer.interval(), 10);
  EXPECT_TRUE(bar.Enabled());
  EXPECT_COLOUR(Px(5 + 3, 0), Rgb(0, 60, 116));
  EXPECT_COLOUR(Px(86 + 3, 0), Rgb(0, 60, 116));
  EXPECT_COLOUR(Px(80, 10), kBack);  // the gap between them
  kdtest::SaveScreenshot(picture, "button_bar_save_cancel");
}

TEST_F(ButtonBar, SaveButtonShowsTheFloppyDisk) {
  clsBitmap floppy;
  floppy.LoadResImage(144);
  EXPECT_COLOUR(Px(9 + 4, 4 + 6), floppy.hDC().GetPixel(4, 6));
}

TEST_F(ButtonBar, OpenCaptionWithImageGetsTheOpenFolder) {
  clsButton other;
  PictureBox* p = host.AddPicture(10, 60, 300, 30, gdi::kWhite);
  QTimer t;
  basButtonMocks::SetUpButtonBar(other, p, &t, 72, {"Open", "Cancel"}, true);
  clsBitmap folder;
  folder.LoadResImage(150);
  int compared = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (folder.hDC().GetPixel(x, y) != gdi::kWhite) {
        EXPECT_COLOUR(p->hDC().GetPixel(9 + x, 4 + y), folder.hDC().GetPixel(x, y));
        ++compared;
      }
  EXPECT_GT(compared, 50);
  // and a white picture gives a white bar
  EXPECT_COLOUR(other.BackColor(), gdi::kWhite);
  EXPECT_COLOUR(p->hDC().GetPixel(2, 10), gdi::kWhite);
  kdtest::SaveScreenshot(p, "button_bar_open_cancel_white");
}

TEST_F(ButtonBar, AnyOtherPictureColourKeepsTheButtonFace) {
  EXPECT_COLOUR(bar.BackColor(), Rgb(236, 233, 216));
  clsButton other;
  PictureBox* p = host.AddPicture(10, 60, 300, 30, Rgb(200, 10, 10));
  QTimer t;
  basButtonMocks::SetUpOKCancelButtons(other, p, &t);
  EXPECT_COLOUR(other.BackColor(), Rgb(236, 233, 216));
  EXPECT_COLOUR(p->hDC().GetPixel(2, 10), Rgb(236, 233, 216));
  EXPECT_EQ(other.ImageCount(), 2);
  EXPECT_EQ(other.TabText(0), "OK");
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

TEST_F(ButtonBar, PressOnOneButtonReleasedOnTheOtherDoesNotClick) {
  At(20, 10, false);
  At(20, 10, true);
  At(100, 10, true);  // slide to button 1 holding the button
  EXPECT_EQ(bar.State(0), 0);
  EXPECT_EQ(bar.State(1), 0);
  At(100, 10, false);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonBar, LeavingTheBarWithTheButtonDownCancelsThePress) {
  At(20, 10, true);
  EXPECT_EQ(bar.State(0), 3);
  Away(true);
  EXPECT_EQ(bar.State(0), 0);
  At(20, 10, true);
  At(20, 10, false);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonBar, PressStartedElsewhereNeverClicks) {
  Away(true);
  At(20, 10, true);
  EXPECT_EQ(bar.State(0), 0);
  At(20, 10, false);
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(bar.State(0), 0);
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
  bar.SetButtonEnabled(1, true);
  EXPECT_EQ(bar.State(1), 0);
  EXPECT_COLOUR(Px(86 + 5, 1), Rgb(255, 255, 255));
}

TEST_F(ButtonBar, FullRedrawShowsADisabledButtonNormalUntilItsStateIsApplied) {
  bar.SetButtonEnabled(0, false);
  bar.DrawFullToolbar();
  EXPECT_COLOUR(Px(5 + 5, 1), Rgb(255, 255, 255));
  EXPECT_EQ(bar.State(0), 4);
  bar.ForceState(0, 4);
  EXPECT_COLOUR(Px(5 + 5, 1), Rgb(245, 244, 234));
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

TEST_F(ButtonBar, ItsOwnTimerPollsThePointer) {
  kdtest::PointAt(fakes.pointer, picture, 20, 10, false);
  EXPECT_TRUE(QTest::qWaitFor([this] { return bar.State(0) == 1; }, 5000));
  bar.SetEnabled(false);
  EXPECT_FALSE(bar.Enabled());
}
