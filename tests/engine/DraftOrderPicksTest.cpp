#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "engine/basMockDraftCalculation.h"

namespace {

using basMockDraftCalculation::FindTeamNthNextPick;
using basMockDraftCalculation::TeamPickNumber;

// Three teams, three rounds, serpentine.
const std::vector<int32_t> kSnake = {1, 2, 3, 3, 2, 1, 1, 2, 3};

TEST(DraftOrderPicks, TeamPickNumberCountsTheTeamsOwnPicksUpToThePick) {
  const std::vector<int32_t> expected = {1, 1, 1, 2, 2, 2, 3, 3, 3};
  for (int32_t i = 0; i < 9; ++i) EXPECT_EQ(TeamPickNumber(i, kSnake), expected[static_cast<std::size_t>(i)]) << i;
}

TEST(DraftOrderPicks, NthNextPickOfTheSameTeam) {
  struct Case {
    int32_t pick, n, expected;
  };
  const Case cases[] = {
      {0, 1, 5},  // team 1's next pick
      {0, 2, 6},  // and the one after
      {2, 1, 3},  // back to back at the turn
      {0, 3, 8},  // no third later pick: the last index
      {8, 1, 8},  // the last pick has nothing later
      {1, 0, 8},  // a count never reached runs to the end
      {1, -2, 8},
  };
  for (const Case& c : cases) EXPECT_EQ(FindTeamNthNextPick(kSnake, c.pick, c.n), c.expected) << c.pick << "/" << c.n;
}

TEST(DraftOrderPicks, PickOutsideTheOrderIsACallerError) {
  EXPECT_THROW(TeamPickNumber(9, kSnake), std::out_of_range);
  EXPECT_THROW(TeamPickNumber(-1, kSnake), std::out_of_range);
  EXPECT_THROW(FindTeamNthNextPick(std::vector<int32_t>{}, 0, 1), std::out_of_range);
}

}  // namespace
