#include <gtest/gtest.h>

#include <QTimer>

#include "WidgetHarness.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/clsBitmap.h"
#include "toolkit/ui/clsMiniBar.h"

using gdi::Rgb;

class MiniBar : public kdtest::BarFixture<clsMiniBar> {
 protected:
  void SetUp() override {
    picture = host.AddPicture(20, 20, 10, 10, gdi::kWhite);
    Watch();
  }
};

TEST_F(MiniBar, EachKindHasItsButtonsInOrderAndUnknownKindsNone) {
  struct Case {
    int32_t kind;
    std::vector<std::pair<std::string, int32_t>> buttons;  // tool tip, image
  };
  const Case cases[] = {{0,
                         {{"Apply Scoring System", 161},
                          {"Change Display Grid", 159},
                          {"Export Grid To File", 160},
                          {"Projected Stats Properties", 167}}},
                        {1, {{"Change Display Grid", 159}, {"Export Grid To File", 160}}},
                        {2, {{"Export Grid To File", 160}}},
                        {3, {}},
                        {-1, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    clsMiniBar one;
    PictureBox* p = host.AddPicture(20, 60, 10, 10, gdi::kWhite);
    QTimer t;
    basButtonMocks::SetUpMiniBar(one, p, &t, 25, c.kind);
    ASSERT_EQ(one.ButtonCount(), static_cast<int32_t>(c.buttons.size()));
    for (int32_t i = 0; i < one.ButtonCount(); ++i) {
      EXPECT_EQ(one.ToolTipText(i), c.buttons[static_cast<size_t>(i)].first);
      EXPECT_EQ(one.ImageId(i), c.buttons[static_cast<size_t>(i)].second);
      EXPECT_EQ(one.Rect(i), (ButtonRect{25, 25, 25 * i, 0}));
    }
    EXPECT_EQ(p->width(), 25 * one.ButtonCount());
    EXPECT_EQ(p->height(), 25);
    EXPECT_EQ(t.interval(), 1);
  }
  // An empty bar never clicks.
  basButtonMocks::SetUpMiniBar(bar, picture, &timer, 25, 3);
  At(0, 0, true);
  At(0, 0, false);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(MiniBar, ImagesSitFivePixelsIntoWhiteTiles) {
  basButtonMocks::SetUpMiniBar(bar, picture, &timer, 25, 0);
  clsBitmap sigma;
  clsMiniBar::MakeKeyedImage(sigma, 161, gdi::kWhite);
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 15; ++x) EXPECT_COLOUR(Px(5 + x, y), sigma.hDC().GetPixel(x, y));
  EXPECT_COLOUR(Px(2, 5), gdi::kWhite);
  EXPECT_COLOUR(Px(24, 24), gdi::kWhite);
  // no key colour survives the composition
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_NE(Px(x, y), Rgb(227, 15, 215));
  kdtest::SaveScreenshot(picture, "mini_bar_kind0");
}

TEST_F(MiniBar, HoverShowsTheSideBarsAndTheToolTip) {
  basButtonMocks::SetUpMiniBar(bar, picture, &timer, 25, 0);
  clsBitmap left, right;
  clsMiniBar::MakeKeyedImage(left, 168, gdi::kWhite);
  clsMiniBar::MakeKeyedImage(right, 169, gdi::kWhite);
  At(30, 10, false);  // button 1
  EXPECT_EQ(bar.State(1), 1);
  EXPECT_EQ(picture->ToolTipText(), "Change Display Grid");
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_COLOUR(Px(25 + 2 + x, y), left.hDC().GetPixel(x, y));
      EXPECT_COLOUR(Px(25 + 20 + x, y), right.hDC().GetPixel(x, y));
    }
  }
  EXPECT_NE(Px(25 + 3, 8), gdi::kWhite);
  EXPECT_COLOUR(Px(3, 8), gdi::kWhite);  // button 0 plain
  kdtest::SaveScreenshot(picture, "mini_bar_hover");
}

TEST_F(MiniBar, OnlyPressAndReleaseOverTheSameButtonClicks) {
  basButtonMocks::SetUpMiniBar(bar, picture, &timer, 25, 0);
  At(60, 10, false);
  At(60, 10, true);
  EXPECT_EQ(bar.State(2), 3);
  At(60, 10, false);
  EXPECT_EQ(clicks, std::vector<int32_t>{2});
  EXPECT_EQ(bar.State(2), 0);
  EXPECT_COLOUR(Px(50 + 3, 8), gdi::kWhite);
  // press, slide to the next button, release: nothing
  At(10, 10, false);
  At(10, 10, true);
  At(35, 10, true);
  EXPECT_EQ(bar.State(0), 0);
  EXPECT_EQ(bar.State(1), 0);
  At(35, 10, false);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_COLOUR(Px(3, 8), gdi::kWhite);
}

TEST_F(MiniBar, ToolTipStaysAfterTheCursorLeaves) {
  basButtonMocks::SetUpMiniBar(bar, picture, &timer, 25, 0);
  At(80, 10, false);
  Away(false);
  EXPECT_EQ(bar.State(3), 0);
  EXPECT_EQ(picture->ToolTipText(), "Projected Stats Properties");
}
