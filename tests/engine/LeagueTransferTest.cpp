#include <gtest/gtest.h>

#include <vector>

#include "LeagueFixtures.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/LeagueTransfer.h"
#include "engine/clsMockDraft.h"

namespace {

using Order = std::vector<int32_t>;
using kdtest::LeagueWithOrder;

TEST(ApplyLeagueToMockDraft, StoredOrderOfTheLeaguesSizeIsCopied) {
  const clsLeagueIsolate league = LeagueWithOrder(2, 2, {2, 1, 1, 2}, 2, 2);
  clsMockDraft mock;
  Order order;
  basLGPFileControl::ApplyLeagueToMockDraft(mock, order, league);
  EXPECT_FALSE(mock.CreateDraftOrder());
  EXPECT_EQ(order, (Order{2, 1, 1, 2}));
  EXPECT_EQ(mock.OwnerCount(), 2);
  EXPECT_EQ(mock.DraftRounds(), 2);
  EXPECT_EQ(mock.DraftStyle(), 0);
  EXPECT_EQ(mock.OwnerName(2), league.TeamName(2));
  EXPECT_EQ(mock.DraftStrategyFile(1), league.Strategy(1));
}

// Whether the stored picks are usable is clsLeagueIsolate's rule, tested
// there; here only that a created order for another size is not used.
TEST(ApplyLeagueToMockDraft, StoredOrderThatDoesNotFitIsNotUsed) {
  const struct {
    const char* why;
    clsLeagueIsolate league;
  } cases[] = {
      {"built for other rounds", LeagueWithOrder(2, 3, {2, 1, 1, 2}, 2, 2)},
      {"built for another team count", LeagueWithOrder(2, 2, {1, 2, 3, 3, 2, 1}, 3, 2)},
      {"a pick of a team the league lacks", LeagueWithOrder(2, 2, {1, 2, 3, 1}, 2, 2)},
  };
  for (const auto& c : cases) {
    clsMockDraft mock;
    Order order{5};
    basLGPFileControl::ApplyLeagueToMockDraft(mock, order, c.league);
    EXPECT_TRUE(mock.CreateDraftOrder()) << c.why;
    EXPECT_EQ(order, Order{5}) << c.why;
    EXPECT_EQ(mock.OwnerCount(), 2) << c.why;
  }
}

}  // namespace
