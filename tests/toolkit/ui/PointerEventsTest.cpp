// The owner-drawn widgets take Qt's own press and release events as well as
// their polling, and poll only while the pointer is over them.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>
#include <QTimer>
#include <functional>

#include "WidgetHarness.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"

namespace {

// One window with a button bar, a mini bar and a tab strip, as a page has them.
class Widgets : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Window()->resize(600, 200);
    buttonPicture = host.AddPicture(10, 10, 300, 30, gdi::kWhite);
    basButtonMocks::SetUpOKCancelButtons(buttons, buttonPicture, &buttonTimer);
    miniPicture = host.AddPicture(10, 50, 10, 10, gdi::kWhite);
    basButtonMocks::SetUpMiniBar(mini, miniPicture, &miniTimer, 25, 0);
    tabPicture = host.AddPicture(10, 90, 500, 21, gdi::kWhite);
    tabBorder = host.AddPicture(10, 111, 500, 60, gdi::kWhite);
    tabs.InitializeTab(tabPicture, tabBorder, &tabTimer, {" Files", " Properties"});
    kdtest::PointAway(fakes.pointer, false);
  }

  int ActiveTimers() const {
    int active = 0;
    for (const QTimer* t : {&buttonTimer, &miniTimer, &tabTimer}) active += t->isActive() ? 1 : 0;
    return active;
  }

  kdtest::ScopedFakeSeams fakes;
  kdtest::WidgetHost host;
  PictureBox* buttonPicture = nullptr;
  PictureBox* miniPicture = nullptr;
  PictureBox* tabPicture = nullptr;
  PictureBox* tabBorder = nullptr;
  QTimer buttonTimer, miniTimer, tabTimer;
  clsButton buttons;
  clsMiniBar mini;
  clsTabStrip tabs;
};

}  // namespace

TEST_F(Widgets, PressAndReleaseBetweenTwoPollsClickExactlyOnce) {
  struct Case {
    const char* name;
    PictureBox* picture;
    QPoint at;
    int32_t expected;
    std::function<QMetaObject::Connection(std::function<void(int32_t)>)> watch;
  };
  const Case cases[] = {
      {"button bar", buttonPicture, QPoint(100, 12), 1,
       [&](auto f) { return QObject::connect(&buttons, &clsButton::Click, f); }},
      {"mini bar", miniPicture, QPoint(60, 12), 2,
       [&](auto f) { return QObject::connect(&mini, &clsMiniBar::Click, f); }},
      {"tab strip", tabPicture, QPoint(tabs.ScreenRect(1).Left + 5, 10), 1,
       [&](auto f) { return QObject::connect(&tabs, &clsTabStrip::Click, f); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<int32_t> clicks;
    const QMetaObject::Connection connection = c.watch([&](int32_t i) { clicks.push_back(i); });
    // The poll sees the pointer resting over the widget with the button up,
    // before and after a tap it never saw.
    kdtest::PointAt(fakes.pointer, c.picture, c.at.x(), c.at.y(), false);
    QTest::mousePress(c.picture, Qt::LeftButton, {}, c.at);
    QTest::mouseRelease(c.picture, Qt::LeftButton, {}, c.at);
    buttons.Tick();
    mini.Tick();
    tabs.Tick();
    EXPECT_EQ(clicks, std::vector<int32_t>{c.expected});
    QObject::disconnect(connection);
  }
}

TEST_F(Widgets, ADoubleClickOnAButtonClicksTwice) {
  std::vector<int32_t> clicks;
  QObject::connect(&buttons, &clsButton::Click, [&](int32_t i) { clicks.push_back(i); });
  // Through the window, as the platform delivers it: press, release, press
  // (reported as a double-click), release.
  QTest::mouseDClick(host.Window()->windowHandle(), Qt::LeftButton, {},
                     buttonPicture->mapTo(host.Window(), QPoint(20, 12)));
  EXPECT_EQ(clicks, (std::vector<int32_t>{0, 0}));
}

TEST_F(Widgets, AnIdleWindowRunsNoTimerAndEnteringAWidgetPollsUntilThePointerLeaves) {
  // The first poll of each widget finds nobody there, and nothing starts
  // them again while nobody comes.
  EXPECT_TRUE(QTest::qWaitFor([this] { return ActiveTimers() == 0; }, 5000));
  QTest::qWait(50);
  EXPECT_EQ(ActiveTimers(), 0);
  EXPECT_TRUE(buttons.Enabled());
  EXPECT_TRUE(mini.Enabled());
  EXPECT_TRUE(tabs.Enabled());

  kdtest::PointAt(fakes.pointer, miniPicture, 30, 10, false);
  QEnterEvent enter(QPointF(30, 10), QPointF(30, 10), QPointF(miniPicture->mapToGlobal(QPoint(30, 10))));
  QCoreApplication::sendEvent(miniPicture, &enter);
  EXPECT_TRUE(miniTimer.isActive());
  EXPECT_TRUE(QTest::qWaitFor([this] { return mini.State(1) == 1; }, 5000));  // hover drawn by the polling

  kdtest::PointAway(fakes.pointer, false);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(miniPicture, &leave);
  EXPECT_TRUE(QTest::qWaitFor([this] { return ActiveTimers() == 0; }, 5000));
  EXPECT_EQ(mini.State(1), 0);

  // A disarmed widget ignores the pointer altogether.
  buttons.SetEnabled(false);
  QCoreApplication::sendEvent(buttonPicture, &enter);
  EXPECT_FALSE(buttonTimer.isActive());
}

// Runs under QT_SCALE_FACTOR (see CMakeLists.txt); skipped on an unscaled screen.
TEST(HighDpi, ButtonsAreDrawnAtTheScreensDevicePixelRatio) {
  const double wanted = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
  if (wanted <= 1.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR above 1";
  kdtest::ScopedFakeSeams fakes;
  kdtest::WidgetHost host;
  PictureBox* picture = host.AddPicture(10, 10, 200, 30, gdi::kWhite);
  QTimer timer;
  clsButton bar;
  basButtonMocks::SetUpOKCancelButtons(bar, picture, &timer);
  ASSERT_DOUBLE_EQ(picture->devicePixelRatioF(), wanted);
  const QImage image = picture->hDC().Image();
  EXPECT_EQ(image.size(), (QSizeF(picture->size()) * wanted).toSize());
  EXPECT_DOUBLE_EQ(image.devicePixelRatio(), wanted);
  // The captions are drawn at the device resolution, not scaled up: some
  // device pixel of a caption differs from its neighbour within the same
  // logical pixel.
  const ButtonRect r = bar.Rect(0);
  bool finer = false;
  for (int y = static_cast<int>((r.Top + 5) * wanted); y < static_cast<int>((r.Top + r.Height - 5) * wanted); ++y) {
    for (int lx = r.Left + 5; lx < r.Left + r.Width - 5 && !finer; ++lx) {
      const int x = static_cast<int>(lx * wanted);
      finer = image.pixel(x, y) != image.pixel(x + 1, y) && static_cast<int>((x + 1) / wanted) == lx;
    }
  }
  EXPECT_TRUE(finer);
  kdtest::SaveScreenshot(picture, "button_bar_scaled_" + std::to_string(static_cast<int>(wanted * 10)));
}
