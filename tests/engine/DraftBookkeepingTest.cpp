#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "LeagueBuilder.h"
#include "engine/basMockDraftCalculation.h"

namespace {

using namespace kdtest;
using basMockDraftCalculation::FindTeamNthNextPick;
using basMockDraftCalculation::TeamPickNumber;

// Three teams, three rounds, serpentine.
const std::vector<int32_t> kOrder{1, 2, 3, 3, 2, 1, 1, 2, 3};

TEST(DraftBookkeeping, TeamPickNumberCountsTheTeamsPicksSoFar) {
  const std::vector<int32_t> expected{1, 1, 1, 2, 2, 2, 3, 3, 3};
  for (int32_t i = 0; i < 9; ++i)
    EXPECT_EQ(TeamPickNumber(i, kOrder), expected[static_cast<std::size_t>(i)]) << i;
  EXPECT_THROW(TeamPickNumber(9, kOrder), std::out_of_range);
}

TEST(DraftBookkeeping, FindTeamNthNextPickEndsAtTheLastPick) {
  struct Case {
    int32_t pick, n, expected;
  };
  for (const Case& c : {Case{0, 1, 5}, Case{0, 2, 6}, Case{0, 3, 8}, Case{2, 1, 3}, Case{3, 1, 8},
                        Case{8, 1, 8}, Case{0, 0, 8}, Case{0, -1, 8}}) {
    EXPECT_EQ(FindTeamNthNextPick(kOrder, c.pick, c.n), c.expected) << c.pick << " " << c.n;
  }
  EXPECT_THROW(FindTeamNthNextPick(kOrder, -1, 1), std::out_of_range);
}

TEST(DraftBookkeeping, MarkDraftedInAllRostersMarksEveryTeamAndMovesItsCount) {
  const std::vector<PositionSize> sizes{{kAll, 0, 3, 0, 3}, {kQB, 0, 1, 1, 1}, {kRB, 0, 2, 1, 1}};
  const RowsByPosition rows{{kQB, {{101, 300, 0, 5}}}, {kRB, {{201, 250, 0, 7}, {202, 180, 0, 9}}}};
  std::vector<clsMockRoster> rosters(3);
  rosters[1] = BuildTeamRoster(sizes, 2, rows);
  rosters[2] = BuildTeamRoster(sizes, 2, rows);
  basMockDraftCalculation::MarkDraftedInAllRosters(rosters, kRB, 202, true, 1);
  for (int32_t t : {1, 2}) {
    EXPECT_TRUE(rosters[static_cast<std::size_t>(t)].StackPlayerDrafted(2, 1));
    EXPECT_FALSE(rosters[static_cast<std::size_t>(t)].StackPlayerDrafted(2, 0));
    EXPECT_EQ(rosters[static_cast<std::size_t>(t)].LeaguePosDraftCount(kRB), 1);
    EXPECT_EQ(rosters[static_cast<std::size_t>(t)].LeaguePosDraftCount(kQB), 0);
  }
  basMockDraftCalculation::MarkDraftedInAllRosters(rosters, kRB, 202, false, -1);
  for (int32_t t : {1, 2}) {
    EXPECT_FALSE(rosters[static_cast<std::size_t>(t)].StackPlayerDrafted(2, 1));
    EXPECT_EQ(rosters[static_cast<std::size_t>(t)].LeaguePosDraftCount(kRB), 0);
  }
  EXPECT_EQ(rosters[0].ActivePositions(), -1);  // entry 0 stays empty
}

}  // namespace
