#include <gtest/gtest.h>

#include "core/clsHighPrecisionTimer.h"
#include "core/clsLongTimer.h"

TEST(HighPrecisionTimer, CounterModeRemovesItsOverheadFromTheTotalOnly) {
  clsHighPrecisionTimer timer;
  ASSERT_TRUE(timer.UsePerformance());
  EXPECT_GE(timer.Overhead(), 0.0);
  double differentials = 0;
  for (int i = 0; i < 50; ++i) {
    timer.StartTimer();
    timer.StopTimer();
    differentials += timer.Differential();
  }
  EXPECT_EQ(timer.Stops(), 50.0);
  EXPECT_NEAR(timer.Accumulated(), differentials - timer.Overhead() * 50 * 1000, 1e-6);
  EXPECT_LE(timer.Accumulated(), differentials + 1e-9);

  clsHighPrecisionTimer ticks(false);
  EXPECT_EQ(ticks.Overhead(), 0.0);
  ticks.StartTimer();
  ticks.StopTimer();
  EXPECT_EQ(ticks.Accumulated(), ticks.Differential());
}

TEST(HighPrecisionTimer, StoppingAgainRepeatsTheIntervalFromTheLastStart) {
  clsHighPrecisionTimer timer;
  timer.StartTimer();
  timer.StopTimer();
  const double first = timer.Differential();
  timer.StopTimer();
  EXPECT_GE(timer.Differential(), first);
  EXPECT_EQ(timer.Stops(), 2.0);
  timer.ZeroTimer();
  EXPECT_EQ(timer.Stops(), 0.0);
  EXPECT_EQ(timer.Average(), 0.0);
  EXPECT_EQ(timer.Accumulated(), 0.0);
}

TEST(LongTimer, FiresOnAScheduleThatDoesNotDriftWithLateTicks) {
  struct Source : clsLongTimer::TickSource {
    void SetInterval(int32_t ms) override { interval = ms; }
    void SetRunning(bool on) override { running = on; }
    int32_t interval = 0;
    bool running = false;
  } source;
  int64_t now = 5000;
  clsLongTimer timer([&] { return now; });
  timer.SetFireTimer(&source);
  EXPECT_EQ(source.interval, 1000);
  int fired = 0;
  timer.Fire = [&] { ++fired; };
  timer.SetFireInterval(3000);
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Enabled());  // reading the flag hands it to the tick source
  EXPECT_TRUE(source.running);
  EXPECT_EQ(timer.NextFire(), 3000);
  now = 7999;
  timer.Tick();
  EXPECT_EQ(fired, 0);
  now = 8700;  // a late tick
  timer.Tick();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(timer.NextFire(), 11000 - 8700);
  now = 11000;
  timer.Tick();
  EXPECT_EQ(fired, 2);
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(source.running);
  now = 20000;
  timer.Tick();
  EXPECT_EQ(fired, 2);
}
