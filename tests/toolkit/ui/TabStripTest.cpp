#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "WidgetHarness.h"
#include "toolkit/ui/clsTabStrip.h"

using gdi::Rgb;

namespace {

constexpr gdi::COLORREF kBack = Rgb(236, 233, 216);
constexpr gdi::COLORREF kFrame = Rgb(151, 157, 155);
constexpr gdi::COLORREF kOrange = Rgb(230, 139, 44);
const std::vector<std::string> kCaptions{" Files", " Document Properties", " Cheat Sheet Preview",
                                         " Mock Draft Preview"};

}  // namespace

class TabStrip : public kdtest::BarFixture<clsTabStrip> {
 protected:
  void SetUp() override {
    host.Window()->resize(600, 200);
    picture = host.AddPicture(10, 10, 560, 21, kBack);
    border = host.AddPicture(10, 31, 560, 120, gdi::kWhite);
    Watch();
  }
  void Init(const std::vector<std::string>& captions = kCaptions) {
    strip.InitializeTab(picture, border, &timer, captions);
  }
  void OnTab(int32_t i, bool down) {  // the middle of tab i
    const ButtonRect r = strip.ScreenRect(i);
    At(r.Left + r.Width / 2, 10, down);
  }

  PictureBox* border = nullptr;
  clsTabStrip& strip = bar;
};

TEST_F(TabStrip, TabsAreAsWideAsTheirCaptionsPlusBothEdgesAndTouch) {
  Init();
  ASSERT_EQ(strip.Tabs(), 4);
  int32_t left = 1;
  for (int32_t i = 0; i < 4; ++i) {
    const int32_t text = picture->hDC().GetTextExtent(kCaptions[static_cast<size_t>(i)]).cx;
    const ButtonRect r = strip.ScreenRect(i);
    EXPECT_EQ(r, (ButtonRect{text + 6 + 6, 21, left, 0})) << i;
    left += r.Width;
  }
  EXPECT_TRUE(strip.Enabled());
  // The first tab starts selected, without a click.
  EXPECT_TRUE(strip.TabSelected(0));
  EXPECT_EQ(strip.State(1), 0);
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(strip.TabText(2), " Cheat Sheet Preview");
  kdtest::SaveScreenshot(host.Window(), "tab_strip_initial");
}

TEST_F(TabStrip, EachStateHasItsOwnLookAndAFrameRunsAroundTheBorder) {
  Init();
  const ButtonRect t0 = strip.ScreenRect(0);
  const ButtonRect t1 = strip.ScreenRect(1);
  // selected: the orange band along the top row, white face open at the bottom
  EXPECT_COLOUR(Px(t0.Left + 3, 0), kOrange);
  EXPECT_COLOUR(Px(t0.Left + 3, 20), Rgb(250, 250, 246));
  EXPECT_NE(Px(t0.Left + 4, 20), kFrame);
  // normal: two rows of the strip's colour above its frame line, which also
  // runs along its bottom row and on along the strip
  EXPECT_COLOUR(Px(t1.Left + 3, 0), kBack);
  EXPECT_COLOUR(Px(t1.Left + 3, 1), kBack);
  EXPECT_COLOUR(Px(t1.Left + 3, 2), kFrame);
  EXPECT_COLOUR(Px(t1.Left + 3, 20), kFrame);
  EXPECT_COLOUR(Px(0, 20), kBack);
  EXPECT_COLOUR(Px(559, 20), kFrame);
  EXPECT_COLOUR(border->hDC().GetPixel(0, 0), kFrame);
  EXPECT_COLOUR(border->hDC().GetPixel(559, 119), kFrame);
  EXPECT_COLOUR(border->hDC().GetPixel(5, 5), gdi::kWhite);
  // hover: the selected band copied two rows lower
  OnTab(1, false);
  EXPECT_EQ(strip.State(1), 1);
  EXPECT_COLOUR(Px(t1.Left + 3, 2), kOrange);
  EXPECT_COLOUR(Px(t1.Left + 3, 0), kBack);
  EXPECT_COLOUR(Px(t1.Left + t1.Width - 4, 2), kOrange);
  kdtest::SaveScreenshot(host.Window(), "tab_strip_hover");
}

TEST_F(TabStrip, PiecesAreComposedOverTheBackColourInForce) {
  strip.SetBackColor(Rgb(10, 200, 10));
  Init();
  EXPECT_COLOUR(Px(strip.ScreenRect(1).Left + 3, 0), Rgb(10, 200, 10));
  EXPECT_COLOUR(picture->BackColor(), Rgb(10, 200, 10));
}

TEST_F(TabStrip, OneCaptionGivesOneSelectedTabAndNoSeparator) {
  Init({" Only"});
  EXPECT_EQ(strip.Tabs(), 1);
  EXPECT_TRUE(strip.TabSelected(0));
  const ButtonRect r = strip.ScreenRect(0);
  EXPECT_COLOUR(Px(r.Left + r.Width, 10), kBack);
}

TEST_F(TabStrip, PressingOrDraggingOntoATabSelectsItAtOnceAndRaisesClick) {
  Init();
  Away(true);  // a press started outside still counts
  OnTab(1, true);
  OnTab(2, true);
  OnTab(3, true);
  EXPECT_EQ(clicks, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(strip.State(0), 0);
  EXPECT_EQ(strip.State(1), 0);
  EXPECT_EQ(strip.State(2), 0);
  EXPECT_TRUE(strip.TabSelected(3));
  // holding still over it changes nothing more; a selected tab never shows hover
  OnTab(3, true);
  OnTab(3, false);
  EXPECT_EQ(clicks.size(), 3u);
  EXPECT_EQ(strip.State(3), 2);
  kdtest::SaveScreenshot(host.Window(), "tab_strip_last_selected");
  OnTab(1, true);
  EXPECT_EQ(clicks.back(), 1);
  // the shared edge belongs to the left tab, already selected: no click
  const ButtonRect t2 = strip.ScreenRect(2);
  At(t2.Left, 10, true);
  EXPECT_EQ(clicks.size(), 4u);
  EXPECT_TRUE(strip.TabSelected(1));
  At(t2.Left + 1, 10, true);
  EXPECT_EQ(clicks.back(), 2);
}

TEST_F(TabStrip, LeavingForTheEmptyAreaClearsHoverAndToolTip) {
  Init();
  strip.SetToolTipText(1, "Document properties");  // kept, but never shown
  picture->SetToolTipText("something");
  OnTab(0, false);  // selected: no hover, nothing changes
  EXPECT_EQ(strip.State(0), 2);
  OnTab(1, false);
  EXPECT_EQ(strip.State(1), 1);
  EXPECT_NE(picture->ToolTipText(), "Document properties");
  At(550, 10, false);  // right of the last tab
  EXPECT_EQ(strip.State(1), 0);
  EXPECT_TRUE(strip.TabSelected(0));
  EXPECT_EQ(picture->ToolTipText(), "");
  OnTab(1, false);
  Away(false);
  EXPECT_EQ(strip.State(1), 0);
}

// A second click 30 ms after the first comes while the first's handler
// still works (a page refreshing, yielding to the event loop): it counts,
// once that handler is done. A poll meanwhile, which sees the button still
// down where the pointer has moved on, selects nothing.
TEST_F(TabStrip, APressDuringTheLastClicksHandlerCountsOnceThatHandlerEnds) {
  Init();
  const auto middle = [this](int32_t i) {
    const ButtonRect r = strip.ScreenRect(i);
    return QPoint(r.Left + r.Width / 2, 10);
  };
  std::vector<int32_t> handled;
  QObject::connect(&strip, &clsTabStrip::Click, [&](int32_t i) {
    handled.push_back(i);
    if (handled.size() > 1) return;
    kdtest::PointAt(fakes.pointer, picture, middle(3).x(), 10, true);
    strip.Tick();
    QTest::mousePress(picture, Qt::LeftButton, {}, middle(2));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, middle(2));
    EXPECT_EQ(handled.size(), 1u);  // not inside this handler
  });
  QTest::mousePress(picture, Qt::LeftButton, {}, middle(1));
  QTest::mouseRelease(picture, Qt::LeftButton, {}, middle(1));
  EXPECT_EQ(handled, (std::vector<int32_t>{1, 2}));
  EXPECT_TRUE(strip.TabSelected(2));
  EXPECT_FALSE(strip.TabSelected(1));
  EXPECT_FALSE(strip.TabSelected(3));
}

TEST_F(TabStrip, SelectingFromCodeLeavesTheOtherTabAlone) {
  Init();
  strip.SetTabSelected(2, true);
  EXPECT_TRUE(strip.TabSelected(0));
  EXPECT_TRUE(strip.TabSelected(2));
  EXPECT_TRUE(clicks.empty());
  strip.SetTabSelected(0, false);
  EXPECT_EQ(strip.State(0), 0);
  strip.RedrawBorder(3);
  EXPECT_TRUE(strip.TabSelected(3));
}

// Set up again (the user mock page's team tabs when another draft opens),
// the strip shows the first tab selected and no other.
TEST_F(TabStrip, SettingUpAgainLeavesOnlyTheFirstTabSelected) {
  Init();
  strip.SetTabSelected(0, false);
  strip.SetTabSelected(1, true);
  Init();
  EXPECT_TRUE(strip.TabSelected(0));
  for (int32_t i = 1; i < strip.Tabs(); ++i) EXPECT_EQ(strip.State(i), 0) << i;
  EXPECT_COLOUR(Px(strip.ScreenRect(1).Left + 3, 0), kBack);
}

TEST_F(TabStrip, SpacerOpensAGapWhereTheSeparatorShows) {
  strip.SetTimer(&timer);
  strip.SetPictureControl(picture);
  strip.SetPictureBorder(border);
  strip.SetTabs(2);
  strip.SetImageCount(12);
  for (int32_t i = 0; i < 12; ++i) strip.Image(i, 109 + i);
  strip.SetTabText(0, " One");
  strip.SetTabText(1, " Two");
  strip.CreateButtons();
  strip.AddSpacerAfterButton(0, 6);
  strip.DrawFullToolbar();
  const ButtonRect t0 = strip.ScreenRect(0);
  EXPECT_EQ(strip.ScreenRect(1).Left, t0.Left + t0.Width + 6);
  const clsBitmap* sep = strip.Piece(11);
  ASSERT_NE(sep, nullptr);
  for (int y = 0; y < 21; ++y) EXPECT_COLOUR(Px(t0.Left + t0.Width, y), sep->hDC().GetPixel(0, y));
  EXPECT_COLOUR(Px(t0.Left + t0.Width + 1, 10), kBack);
  kdtest::SaveScreenshot(picture, "tab_strip_spacer");
}

TEST_F(TabStrip, VeryWideStripsAreLaidOutWithoutOverflow) {
  Init({std::string(3000, 'W'), " B"});
  EXPECT_GT(strip.BackBuffer().Width(), 32767);
  const ButtonRect t1 = strip.ScreenRect(1);
  EXPECT_EQ(t1.Left, 1 + strip.ScreenRect(0).Width);
  EXPECT_EQ(strip.SourceRect(1, 2).Left, 3 * strip.ScreenRect(0).Width + 2 * t1.Width);
}

TEST_F(TabStrip, ClickHandlerMayDestroyTheStrip) {
  auto* doomed = new clsTabStrip();
  doomed->InitializeTab(picture, border, &timer, kCaptions);
  int seen = 0;
  QObject::connect(doomed, &clsTabStrip::Click, [&](int32_t) {
    ++seen;
    delete doomed;
  });
  const ButtonRect r = doomed->ScreenRect(1);
  kdtest::PointAt(fakes.pointer, picture, r.Left + 5, 10, true);
  doomed->Tick();
  EXPECT_EQ(seen, 1);
}
