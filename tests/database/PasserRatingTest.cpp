#include <gtest/gtest.h>

#include <cmath>

#include "database/basNFLQBRating.h"

using basNFLQBRating::PasserRating;

namespace {

TEST(PasserRating, MatchesTheHandWorkedRatings) {
  const struct {
    const char* name;
    float attempts, completions, yards, touchdowns, interceptions;
    double expected;  // to two places
  } cases[] = {
      {"NoAttempts", 0, 3, 50, 1, 0, 0},
      {"NegativeAttempts", -5, 3, 50, 1, 0, 0},
      // Every term at its cap of 2.375: 9.5 / 6 x 100.
      {"PerfectLine", 20, 20, 400, 5, 0, 158.33},
      // a = (0.2 - 0.3) x 5 < 0 -> 0; b = (2 - 3) / 4 < 0 -> 0; c = 0; d = 2.375 - 10 < 0 -> 0.
      {"EveryTermAtItsFloor", 10, 2, 20, 0, 4, 0},
      // a = 1.5, b = 1.0, c = 1.0, d = 2.375 - 0.625 = 1.75: 5.25 / 6 x 100.
      {"OrdinaryLine", 20, 12, 140, 1, 0.5f, 87.5},
      // c is capped only from above, d only from below.
      {"TouchdownTermCapped", 10, 3, 30, 5, 0, 79.17},
      // 2024 season of a league MVP: 474 att, 316 cmp, 4172 yds, 41 TD, 4 INT.
      {"SeasonLine", 474, 316, 4172, 41, 4, 119.63},
      // Summed counts of a perfect week (10, 10, 200, 2, 0) and a poor one
      // (30, 12, 150, 0, 3): a = 1.25, b = 1.4375, c = 1, d = 0.5.
      {"SeasonFromSummedCounts", 40, 22, 350, 2, 3, 69.79},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(PasserRating(c.attempts, c.completions, c.yards, c.touchdowns, c.interceptions), c.expected,
                0.005)
        << c.name;
  }
  // Not the average of the weekly ratings.
  EXPECT_GT(std::abs(PasserRating(40, 22, 350, 2, 3) -
                     (PasserRating(10, 10, 200, 2, 0) + PasserRating(30, 12, 150, 0, 3)) / 2),
            10.0f);
}

}  // namespace
