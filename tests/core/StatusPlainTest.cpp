#include <gtest/gtest.h>

#include "FakeSeams.h"
#include "core/basStatusControl.h"
#include "core/clsStatusPlain.h"

namespace {

// A status window whose creation has left no trace in the fake.
class StatusPlainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    status = basStatusControl::CreateStatusWindow("Job", false);
    fakes.progress.percents.clear();
    fakes.progress.totalPercents.clear();
    fakes.progress.log.clear();
  }
  kdtest::ScopedFakeSeams fakes;
  std::unique_ptr<clsStatusPlain> status;
};

}  // namespace

TEST(StatusPlain, CreateStatusWindowLoadsWithoutShowingAndClearsTheCancelFlag) {
  kdtest::ScopedFakeSeams fakes;
  CancelFlag = true;
  auto status = basStatusControl::CreateStatusWindow("Creating Work Directory", true);
  EXPECT_FALSE(CancelFlag);
  EXPECT_EQ(fakes.progress.loads, 1);
  EXPECT_EQ(fakes.progress.shows, 0);
  EXPECT_EQ(fakes.progress.caption, "Creating Work Directory");
  EXPECT_EQ(fakes.progress.showListCalls, 1);
  status->StatusListCaption("line");
  EXPECT_EQ(fakes.progress.listItems, std::vector<std::string>{"line"});
}

TEST_F(StatusPlainTest, WeightedSegmentsAddUpOnTheTotalBar) {
  status->AddSegment(1, 2);
  status->AddSegment(2, 98);
  status->SetSegmentRange(1, 0, 1);
  status->SetSegmentValue(1, 1);
  EXPECT_EQ(fakes.progress.percents, std::vector<int32_t>{100});
  EXPECT_EQ(fakes.progress.totalPercents, std::vector<int32_t>{2});
  status->SetSegmentRange(2, 0, 999);
  status->SetSegmentValue(2, 499);
  EXPECT_EQ(fakes.progress.percents, (std::vector<int32_t>{100, 50}));
  EXPECT_EQ(fakes.progress.totalPercents, (std::vector<int32_t>{2, 51}));
}

TEST_F(StatusPlainTest, LongRangesRedrawAboutOncePerWholePercent) {
  status->AddSegment(5, 100);
  status->SetSegmentRange(5, 0, 999);
  std::vector<int32_t> drawnAt;
  for (int32_t v = 0; v <= 40; ++v) {
    const std::size_t before = fakes.progress.percents.size();
    status->SetSegmentValue(5, v);
    if (fakes.progress.percents.size() != before) drawnAt.push_back(v);
  }
  EXPECT_EQ(drawnAt, (std::vector<int32_t>{10, 21, 32}));
  EXPECT_EQ(fakes.progress.percents, (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(StatusPlainTest, ShortRangesRedrawEveryValueButTheFirst) {
  status->AddSegment(1, 50);
  status->SetSegmentRange(1, 0, 9);
  for (int32_t v = 0; v <= 9; ++v) status->SetSegmentValue(1, v);
  EXPECT_EQ(fakes.progress.percents, (std::vector<int32_t>{20, 30, 40, 50, 60, 70, 80, 90, 100}));
  EXPECT_EQ(fakes.progress.totalPercents.back(), 50);
}

TEST_F(StatusPlainTest, ElevenSegmentsOfWeightNineEndAt99) {
  for (int32_t id = 1; id <= 11; ++id) status->AddSegment(id, static_cast<float>(100 / 11));
  for (int32_t id = 1; id <= 11; ++id) {
    status->SetSegmentRange(id, 0, 1);
    status->SetSegmentValue(id, 1);
  }
  EXPECT_EQ(fakes.progress.totalPercents.back(), 99);
}

TEST_F(StatusPlainTest, UnknownAndCurrentSegmentsAddressTheFallbackPhase) {
  status->AddSegment(1, 100);
  status->SetSegmentRange(-1, 0, 3);  // right after creation: the fallback phase
  EXPECT_EQ(status->CurrentSegment(), 0);
  EXPECT_EQ(status->Segments()[0].MaxValue, 3);
  status->SetSegmentValue(77, 1);  // never added: current bar only
  EXPECT_EQ(fakes.progress.percents, std::vector<int32_t>{50});
  EXPECT_EQ(fakes.progress.totalPercents, std::vector<int32_t>{0});
}

TEST_F(StatusPlainTest, AnyIdFindsTheFirstPhaseAddedWithIt) {
  for (int32_t id : {12, 3'000'000, -5, 12}) status->AddSegment(id, 10);
  status->SetSegmentValue(12, 4);
  status->SetSegmentValue(3'000'000, 5);
  status->SetSegmentValue(-5, 6);
  const std::vector<StatusSegment>& s = status->Segments();
  EXPECT_EQ(s[1].CurValue, 4);
  EXPECT_EQ(s[2].CurValue, 5);
  EXPECT_EQ(s[3].CurValue, 6);
  EXPECT_EQ(s[4].CurValue, 0);
}

TEST_F(StatusPlainTest, TheFirstValueDrawsNothingAndAZeroWidthRangeShowsZero) {
  status->AddSegment(1, 100);
  status->SetSegmentRange(1, 0, 0);
  status->SetSegmentValue(1, 0);
  EXPECT_TRUE(fakes.progress.percents.empty());
  status->SetSegmentRange(1, 5, 4);
  status->SetSegmentValue(1, 6);
  EXPECT_EQ(fakes.progress.percents, std::vector<int32_t>{0});
  EXPECT_EQ(fakes.progress.totalPercents, std::vector<int32_t>{0});
}

TEST_F(StatusPlainTest, SegmentRangeClearsTheCurrentBarAndKeepsTheOldShareUntilRedrawn) {
  status->AddSegment(1, 40);
  status->AddSegment(2, 60);
  status->SetSegmentRange(1, 0, 1);
  status->SetSegmentValue(1, 1);
  status->SetSegmentRange(1, 0, 9);  // the earlier 40 % still counts
  EXPECT_EQ(fakes.progress.log.back(), "ClearCurrent");
  status->SetSegmentRange(2, 0, 1);
  status->SetSegmentValue(2, 1);
  EXPECT_EQ(fakes.progress.totalPercents.back(), 100);
}

TEST_F(StatusPlainTest, PlainBarsDrawOnTheirOwnBar) {
  status->SetRange(1, 0, 3);
  EXPECT_TRUE(fakes.progress.totalPercents.empty());
  status->SetValue(1, 1);
  EXPECT_EQ(fakes.progress.totalPercents, std::vector<int32_t>{50});
  EXPECT_EQ(status->Value(1), 1);
  status->SetRange(0, 10, 11);
  status->SetValue(0, 11);
  EXPECT_EQ(fakes.progress.percents, std::vector<int32_t>{100});
  EXPECT_THROW(status->SetValue(2, 1), std::out_of_range);
  EXPECT_THROW(status->MinRange(-1), std::out_of_range);
  status->ClearAll();
  EXPECT_EQ(fakes.progress.percents.back(), 0);
  EXPECT_EQ(fakes.progress.totalPercents.back(), 0);
}

TEST_F(StatusPlainTest, CaptionsGoToTheirLinesAndEachYieldsOnce) {
  status->StatusCaption(0, 1, "top");
  status->StatusCaption(0, 0, "bottom");
  status->StatusCaption(1, 1, "total top");
  status->StatusCaption(1, 0, "total bottom");
  status->StatusCaption(7, 0, "ignored");
  EXPECT_EQ(fakes.progress.topText, "top");
  EXPECT_EQ(fakes.progress.bottomText, "bottom");
  EXPECT_EQ(fakes.progress.totalTopText, "total top");
  EXPECT_EQ(fakes.progress.totalBottomText, "total bottom");
  EXPECT_EQ(fakes.yield.count, 5);
}

TEST_F(StatusPlainTest, CancelPressedDuringACaptionYieldIsSeenAfterIt) {
  fakes.yield.cancelAfter = 3;
  int steps = 0;
  for (int i = 0; i < 10; ++i) {
    status->StatusCaption(0, 1, "step " + std::to_string(i));
    ++steps;
    if (CancelFlag) break;
  }
  EXPECT_EQ(steps, 3);
  EXPECT_TRUE(CancelFlag);
}
