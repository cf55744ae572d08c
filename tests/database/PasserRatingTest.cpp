#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "database/basNFLQBRating.h"

using basNFLQBRating::PasserRating;

namespace {

struct RatingCase {
  const char* name;
  float attempts, completions, yards, touchdowns, interceptions;
  double expected;  // to two places
};

void PrintTo(const RatingCase& c, std::ostream* os) { *os << c.name; }

class PasserRatingCases : public testing::TestWithParam<RatingCase> {};

TEST_P(PasserRatingCases, MatchesTheHandWorkedRating) {
  const RatingCase& c = GetParam();
  EXPECT_NEAR(PasserRating(c.attempts, c.completions, c.yards, c.touchdowns, c.interceptions), c.expected,
              0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PasserRatingCases,
    testing::Values(RatingCase{"NoAttempts", 0, 3, 50, 1, 0, 0},
                    RatingCase{"NegativeAttempts", -5, 3, 50, 1, 0, 0},
                    // Every term at its cap of 2.375: 9.5 / 6 x 100.
                    RatingCase{"PerfectLine", 20, 20, 400, 5, 0, 158.33},
                    // a = (0.2 - 0.3) x 5 < 0 -> 0; b = (2 - 3) / 4 < 0 -> 0; c = 0; d = 2.375 - 10 < 0 -> 0.
                    RatingCase{"EveryTermAtItsFloor", 10, 2, 20, 0, 4, 0},
                    // a = 1.5, b = 1.0, c = 1.0, d = 2.375 - 0.625 = 1.75: 5.25 / 6 x 100.
                    RatingCase{"OrdinaryLine", 20, 12, 140, 1, 0.5f, 87.5},
                    // c is capped only from above, d only from below.
                    RatingCase{"TouchdownTermCapped", 10, 3, 30, 5, 0, 79.17},
                    // 2024 season of a league MVP: 474 att, 316 cmp, 4172 yds, 41 TD, 4 INT.
                    RatingCase{"SeasonLine", 474, 316, 4172, 41, 4, 119.63}),
    [](const testing::TestParamInfo<RatingCase>& param) { return std::string(param.param.name); });

TEST(PasserRating, ASeasonIsRatedFromItsSummedCountsNotFromItsWeeklyRatings) {
  // Week 1: 10 att, 10 cmp, 200 yds, 2 TD (perfect); week 2: 30 att, 12 cmp, 150 yds, 0 TD, 3 INT.
  const float week1 = PasserRating(10, 10, 200, 2, 0);
  const float week2 = PasserRating(30, 12, 150, 0, 3);
  const float season = PasserRating(40, 22, 350, 2, 3);
  // Season terms: a = (0.55 - 0.3) x 5 = 1.25, b = (8.75 - 3) / 4 = 1.4375,
  // c = 0.05 x 20 = 1, d = 2.375 - 0.075 x 25 = 0.5: 4.1875 / 6 x 100.
  EXPECT_NEAR(season, 69.79, 0.005);
  EXPECT_GT(std::abs(season - (week1 + week2) / 2), 10.0f);
}

}  // namespace
