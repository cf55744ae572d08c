#include <gtest/gtest.h>

#include <cstdio>

#include "TempDir.h"
#include "draft_inputs/clsFreqDistribution.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/runtime/Rounding.h"

namespace {

// Classes 0..9, one each; MidPoint 4 (the relative cumulative frequency is
// exactly 0.5 at class 4).
const char* kUniformTen = "4\r\n0,1\r\n1,1\r\n2,1\r\n3,1\r\n4,1\r\n5,1\r\n6,1\r\n7,1\r\n8,1\r\n9,1\r\n";

// Classes 0..7, two each, with an average range wide enough to keep every
// class: the base map is 0, 0, 0, 0.5, 1, 1.5, ..., 6.5.
const char* kUniformEight = "100\n0,2\n1,2\n2,2\n3,2\n4,2\n5,2\n6,2\n7,2\n";

// A small-value map (largest class below 5).
const char* kSmall = "1\n0,10\n1,20\n2,30\n3,40\n";

class Distribution : public ::testing::Test {
 protected:
  clsFreqDistribution Loaded(const char* text) {
    kdtest::WriteFile(dir.File("m.txt"), text);
    clsFreqDistribution map;
    EXPECT_TRUE(map.LoadDistribution(dir.File("m.txt")));
    map.CreateBaseMap(16.0, 1.0);
    return map;
  }
  static std::vector<double> Values(const clsFreqDistribution& map) {
    std::vector<double> v;
    for (int i = 0; i < 16; ++i) v.push_back(map.MapValue(i));
    return v;
  }
  static double WholeSum(const clsFreqDistribution& map) {
    double sum = 0;
    for (int i = 0; i < 16; ++i) sum += runtime::RoundHalfEven(map.MapValue(i));
    return sum;
  }
  kdtest::TempDir dir;
};

TEST_F(Distribution, LoadComputesRelativeCumulativeFrequencyAndMidPoint) {
  clsFreqDistribution map = Loaded("2.5, 0, 10\r\n1, 20, 2\n30\n3,40\n\n");
  EXPECT_EQ(map.Count(), 4);
  EXPECT_EQ(map.AvgRange(), 2.5);
  EXPECT_DOUBLE_EQ(map.RelCumFrequency(0), 0.1);
  EXPECT_DOUBLE_EQ(map.RelCumFrequency(1), 0.3);
  EXPECT_DOUBLE_EQ(map.RelCumFrequency(2), 0.6);
  EXPECT_DOUBLE_EQ(map.RelCumFrequency(3), 1.0);
  EXPECT_NEAR(map.MidPoint(), 1.0 + 0.2 / 0.3, 1e-12);
  EXPECT_EQ(map.Frequency(3), 40.0);
  EXPECT_EQ(map.Range(2), 2.0);
  // The first class holding the median, and a class with exactly half.
  EXPECT_DOUBLE_EQ(Loaded("1\n0,80\n1,20\n").MidPoint(), 0.625);
  EXPECT_EQ(Loaded(kUniformTen).MidPoint(), 4.0);
  const clsFreqDistribution empty = Loaded("3\r\n");
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_EQ(empty.AvgRange(), 3.0);
}

TEST_F(Distribution, MalformedFilesAreRefusedAndChangeNothing) {
  const struct {
    const char* name;
    const char* text;
  } cases[] = {
      {"empty", ""},
      {"class without frequency", "1\n0,5\n1\n"},
      {"classes skip a value", "1\n0,5\n2,5\n"},
      {"classes not starting at 0", "1\n1,5\n2,5\n"},
      {"fractional class", "1\n0,5\n1.5,5\n"},
      {"word", "1\n0,five\n"},
      {"empty field", "1\n0,,5\n"},
      {"hex", "1\n0,&H10\n"},
      {"infinite", "1\n0,1e999\n"},
      {"frequencies adding past a double", "1\n4,1e308\n5,1e308\n"},
  };
  for (const auto& c : cases) {
    clsFreqDistribution map = Loaded(kSmall);
    kdtest::WriteFile(dir.File("bad.txt"), c.text);
    EXPECT_FALSE(map.LoadDistribution(dir.File("bad.txt"))) << c.name;
    EXPECT_EQ(map.Count(), 4) << c.name;
    EXPECT_EQ(map.AvgRange(), 1.0) << c.name;
  }
  clsFreqDistribution fresh;
  EXPECT_FALSE(fresh.LoadDistribution(dir.File("missing.txt")));
  EXPECT_FALSE(fresh.LoadDistribution(dir.Path()));
}

TEST_F(Distribution, SecondLoadAppendsContinuingClasses) {
  kdtest::WriteFile(dir.File("a.txt"), "1\n0,1\n1,1\n");
  kdtest::WriteFile(dir.File("b.txt"), "2\n2,1\n3,1\n");
  clsFreqDistribution map;
  ASSERT_TRUE(map.LoadDistribution(dir.File("a.txt")));
  ASSERT_TRUE(map.LoadDistribution(dir.File("b.txt")));
  EXPECT_EQ(map.Count(), 4);
  EXPECT_EQ(map.AvgRange(), 2.0);
  EXPECT_DOUBLE_EQ(map.RelCumFrequency(1), 0.5);
  EXPECT_FALSE(map.LoadDistribution(dir.File("a.txt")));  // classes restart at 0
}

TEST_F(Distribution, LargeMapSpreadsAndAdjustsDownToTheValueAndSkipsARepeat) {
  clsFreqDistribution map = Loaded(kUniformTen);
  // Base map 1.008, 1.5, 2, ..., 8.5; the spread of 64 sums to 76 whole
  // units, so positions 15 down to 4 each give one back.
  ASSERT_TRUE(map.MapDistribution(64.0));
  const double expected[16] = {1.008, 1.508, 1.508, 2.008, 2.008, 2.508, 2.508, 3.008,
                               4.008, 4.508, 4.508, 5.008, 6.008, 6.508, 6.508, 7.008};
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(map.MapValue(i), expected[i], 1e-9) << i;
  EXPECT_EQ(WholeSum(map), 64.0);
  EXPECT_EQ(map.LastMapRequest(), 64.0);
  map.SetMapValue(0, 99.0);
  EXPECT_TRUE(map.MapDistribution(64.0));
  EXPECT_EQ(map.MapValue(0), 99.0);
  ASSERT_TRUE(map.MapDistribution(100.0));
  EXPECT_EQ(WholeSum(map), 100.0);
  // A value that cannot be reached still ends.
  ASSERT_TRUE(map.MapDistribution(-500.0));
  EXPECT_EQ(Values(map), std::vector<double>(16, 0.0));
  // One beyond the Long range is not mapped.
  clsFreqDistribution fresh = Loaded(kUniformTen);
  EXPECT_FALSE(fresh.MapDistribution(1e12));
  EXPECT_EQ(fresh.LastMapRequest(), -9898989898.0);
}

TEST_F(Distribution, LargeMapAdjustsUpAndCountsEachStepAsOneUnit) {
  clsFreqDistribution map = Loaded(kUniformEight);
  // Spread of 48 over 0,0,0,.5,...,6.5 gives 45 whole units; positions 15,
  // 14 and 13 each get one more.
  ASSERT_TRUE(map.MapDistribution(48.0));
  EXPECT_EQ(Values(map), (std::vector<double>{0, 0, 0, 0.5, 1.5, 1, 2, 2.5, 3.5, 3, 4, 4.5, 5.5, 6, 7, 7.5}));
}

TEST_F(Distribution, MapWithoutClassesOrWithOnlyClassZeroNeverMaps) {
  EXPECT_FALSE(Loaded("3\n").MapDistribution(10.0));
  EXPECT_FALSE(clsFreqDistribution().MapDistribution(-9898989898.0));
  clsFreqDistribution zero = Loaded("1\n0,5\n1,0\n2,0\n");
  EXPECT_FALSE(zero.MapDistribution(3.0));
  EXPECT_EQ(zero.LastMapRequest(), -9898989898.0);
}

TEST_F(Distribution, SmallMapFillsHighestPositionsWithLargestClassesFirstEachTime) {
  clsFreqDistribution map = Loaded(kSmall);
  // W = 3.556, 10.667, 21.333 for classes 1, 2, 3; thresholds 13.222
  // (class 3), 2.556 (class 2), -1 (class 1).
  const struct {
    double value;
    std::vector<double> expected;
  } cases[] = {
      {10, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 2}},
      {7, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 2}},
      {20, {0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 3, 3, 3, 3, 3, 3}},
      {30, {0, 0, 0, 0, 1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3}},
      {0, std::vector<double>(16, 0.0)},
      {-2, std::vector<double>(16, 0.0)},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(map.MapDistribution(c.value)) << c.value;
    EXPECT_EQ(Values(map), c.expected) << c.value;
  }
  // Recomputed even for the same value.
  ASSERT_TRUE(map.MapDistribution(10.0));
  map.SetMapValue(15, 99.0);
  ASSERT_TRUE(map.MapDistribution(10.0));
  EXPECT_EQ(map.MapValue(15), 2.0);
}

// A damaged stats row can hold a season value of two billion; the map is
// adjusted up to it in whole passes instead of one unit at a time (which
// took minutes per value), with the same result: after the classes are
// placed (four 1s, five 2s, seven 3s: 35), every position rises by the
// same count and the last 13 units go to the lowest positions in order.
TEST_F(Distribution, HugeSeasonValueIsReachedWithoutSteppingUnitByUnit) {
  clsFreqDistribution map = Loaded(kSmall);
  ASSERT_TRUE(map.MapDistribution(2.0e9));
  const double p = 124999997;
  const std::vector<double> expected = {p + 2, p + 2, p + 2, p + 2, p + 3, p + 3, p + 3, p + 3,
                                        p + 3, p + 4, p + 4, p + 4, p + 4, p + 3, p + 3, p + 3};
  EXPECT_EQ(Values(map), expected);
  EXPECT_EQ(WholeSum(map), 2.0e9);
}

class ScoringMapsTest : public ::testing::Test {
 protected:
  void SetUp() override { kdtest::WriteFile(dir.File("44-FDM.txt"), kUniformEight); }
  void AddRule(int32_t cat, int16_t fdm) {
    s.AddNew();
    s.SetCatID(cat);
    s.SetFDM(fdm);
  }
  std::vector<double> Mapped(int rule, double value) {
    s.Move(rule);
    std::vector<double> mapped;
    const int32_t upper = s.GetFDMap(value, mapped);
    EXPECT_EQ(upper, static_cast<int32_t>(mapped.size()) - 1);
    return mapped;
  }
  kdtest::TempDir dir;
  clsScoringIsolate s;
};

TEST_F(ScoringMapsTest, MappedValuesAreRoundedHalfToEven) {
  AddRule(44, -1);
  s.BuildMaps(dir.Path());
  // The map's 2.5 is handed on as 2, 3.5 as 4, 4.5 as 4 and 7.5 as 8.
  EXPECT_EQ(Mapped(0, 48.0), (std::vector<double>{0, 0, 0, 0, 2, 1, 2, 2, 4, 3, 4, 4, 6, 6, 7, 8}));
}

TEST_F(ScoringMapsTest, RuleWithoutMapScoresThePlainValue) {
  AddRule(44, 0);   // no FDM flag
  AddRule(45, -1);  // no file for category 45
  s.BuildMaps(dir.Path());
  AddRule(44, -1);  // added after the maps were built
  for (int rule = 0; rule < 3; ++rule) EXPECT_EQ(Mapped(rule, 48.0), std::vector<double>{48.0}) << rule;
}

TEST_F(ScoringMapsTest, MapsAreReusedByCategoryUntilClear) {
  AddRule(44, -1);
  s.BuildMaps(dir.Path());
  std::remove(dir.File("44-FDM.txt").c_str());
  AddRule(7, 0);
  AddRule(44, -1);  // a second rule on the same category shares the map
  s.BuildMaps(dir.Path());
  EXPECT_EQ(Mapped(0, 48.0).size(), 16u);
  EXPECT_EQ(Mapped(2, 48.0).size(), 16u);

  s.Clear();
  AddRule(44, -1);
  s.BuildMaps(dir.Path());
  EXPECT_EQ(Mapped(0, 48.0), std::vector<double>{48.0});
}

// A file of tens of thousands of mapped rules, each on its own category:
// every rule used to search the list of maps built so far, which took
// minutes. Each category still gets one map, shared by its later rules.
TEST_F(ScoringMapsTest, TensOfThousandsOfMappedCategoriesBuildOneMapEach) {
  constexpr int32_t kRules = 40000;
  for (int32_t cat = 100; cat < 100 + kRules; ++cat) AddRule(cat, -1);
  AddRule(44, -1);
  AddRule(44, -1);
  s.BuildMaps(dir.Path());
  EXPECT_EQ(Mapped(0, 48.0), std::vector<double>{48.0});
  EXPECT_EQ(Mapped(kRules - 1, 48.0), std::vector<double>{48.0});
  EXPECT_EQ(Mapped(kRules, 48.0).size(), 16u);
  std::remove(dir.File("44-FDM.txt").c_str());
  s.BuildMaps(dir.Path());  // maps built earlier are kept
  EXPECT_EQ(Mapped(kRules + 1, 48.0).size(), 16u);
}

}  // namespace
