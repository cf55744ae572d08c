#include <gtest/gtest.h>

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
