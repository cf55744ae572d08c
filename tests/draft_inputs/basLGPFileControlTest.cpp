#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeSeams.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/clsMockDraft.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

using Order = std::vector<int32_t>;

TEST(DraftOrder, FollowsTheStyle) {
  const struct {
    int32_t teams, rounds, style;
    Order expected;
  } cases[] = {
      {3, 3, 0, {1, 2, 3, 3, 2, 1, 1, 2, 3}}, {3, 3, 1, {1, 2, 3, 1, 2, 3, 1, 2, 3}},
      {2, 3, 0, {1, 2, 2, 1, 1, 2}},          {1, 3, 0, {1, 1, 1}},
      {1, 3, 1, {1, 1, 1}},                   {4, 1, 0, {1, 2, 3, 4}},
      // A style no editor writes must not hand out team numbers past the last team.
      {2, 2, 7, {1, 2, 1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.teams << "x" << c.rounds << " style " << c.style);
    Order order{99};
    EXPECT_EQ(basLGPFileControl::BuildDraftOrder(order, c.teams, c.rounds, c.style),
              static_cast<int32_t>(c.expected.size()) - 1);
    EXPECT_EQ(order, c.expected);
  }
}

TEST(DraftOrder, TwelveTeamsOverFifteenRoundsEndAtPick179) {
  Order order;
  EXPECT_EQ(basLGPFileControl::BuildDraftOrder(order, 12, 15, 0), 179);
  ASSERT_EQ(order.size(), 180u);
  EXPECT_EQ(order[11], 12);
  EXPECT_EQ(order[12], 12);
  EXPECT_EQ(order[23], 1);
  EXPECT_EQ(order[24], 1);
}

TEST(DraftOrder, RefusedSizesLeaveTheOrderUntouched) {
  const struct {
    int32_t teams, rounds;
  } refused[] = {{0, 5}, {5, 0}, {-2, -3}, {-1, 4}, {101, 100}, {INT32_MAX, INT32_MAX}};
  for (const auto& r : refused) {
    Order order{7, 8};
    EXPECT_EQ(basLGPFileControl::BuildDraftOrder(order, r.teams, r.rounds, 0), -1)
        << r.teams << "x" << r.rounds;
    EXPECT_EQ(order, (Order{7, 8}));
  }
  Order order;
  EXPECT_EQ(basLGPFileControl::BuildDraftOrder(order, 100, 100, 1), 9999);
}

// A league with a stored order, built for its own size unless told otherwise.
clsLeagueIsolate LeagueWithOrder(int32_t teams, int32_t rounds, const Order& stored, int32_t createdTeams,
                                 int32_t createdRounds) {
  clsLeagueIsolate league;
  league.SetFileName("Home.lgp");
  league.SetTeamCount(teams);
  for (int32_t t = 1; t <= teams; ++t) {
    league.SetTeamName(t, "Team " + std::to_string(t));
    league.SetStrategy(t, "S" + std::to_string(t) + ".stg");
  }
  league.SetDraftRounds(rounds);
  league.SetDraftStyle(0);
  league.SetCreatedTeamCount(createdTeams);
  league.SetCreatedDraftRounds(createdRounds);
  league.SetPickCount(static_cast<int32_t>(stored.size()));
  for (std::size_t k = 0; k < stored.size(); ++k) league.SetPick(static_cast<int32_t>(k), stored[k]);
  return league;
}

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

TEST(ApplyLeagueToMockDraft, StoredOrderThatDoesNotFitIsNotUsed) {
  const struct {
    const char* why;
    clsLeagueIsolate league;
  } cases[] = {
      {"built for other rounds", LeagueWithOrder(2, 3, {2, 1, 1, 2}, 2, 2)},
      {"built for another team count", LeagueWithOrder(2, 2, {1, 2, 3, 3, 2, 1}, 3, 2)},
      {"fewer picks than teams x rounds", LeagueWithOrder(2, 2, {1, 2, 2}, 2, 2)},
      {"a pick of a team the league lacks", LeagueWithOrder(2, 2, {1, 2, 3, 1}, 2, 2)},
      {"a pick of team 0", LeagueWithOrder(2, 2, {1, 0, 2, 1}, 2, 2)},
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

class DraftOrderToUserMock : public ::testing::Test {
 protected:
  kdtest::ScopedFakeSeams fakes;
  clsUserMockIsolate ugm;
};

TEST_F(DraftOrderToUserMock, MatchingStoredOrderBecomesTheBoard) {
  const clsLeagueIsolate league = LeagueWithOrder(2, 3, {1, 2, 2, 1, 1, 2}, 2, 3);
  ugm.SetBoardCount(2);
  ugm.SetBoardMasterID(1, 444);
  basLGPFileControl::ApplyDraftOrderToUserMock(ugm, league);
  ASSERT_EQ(ugm.BoardCount(), 6);
  EXPECT_EQ(ugm.DraftRounds(), 3);
  for (int32_t k = 0; k < 6; ++k) EXPECT_EQ(ugm.BoardOwnerID(k), league.Pick(k));
  EXPECT_EQ(ugm.BoardMasterID(1), 444);
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(DraftOrderToUserMock, NoStoredRoundsOtherRoundsOrADamagedOrderChangeNothingQuietly) {
  for (const clsLeagueIsolate& league :
       {LeagueWithOrder(2, 2, {}, 0, 0), LeagueWithOrder(2, 3, {1, 2, 2, 1}, 2, 2),
        LeagueWithOrder(2, 2, {1, 2, 9, 1}, 2, 2), LeagueWithOrder(2, 2, {1, 2}, 2, 2)}) {
    basLGPFileControl::ApplyDraftOrderToUserMock(ugm, league);
    EXPECT_EQ(ugm.BoardCount(), 0);
    EXPECT_EQ(ugm.DraftRounds(), 0);
  }
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(DraftOrderToUserMock, OtherTeamCountShowsLGPConflictAndChangesNothing) {
  const clsLeagueIsolate league = LeagueWithOrder(3, 2, {1, 2, 2, 1}, 2, 2);
  basLGPFileControl::ApplyDraftOrderToUserMock(ugm, league);
  EXPECT_EQ(ugm.BoardCount(), 0);
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "LGP Conflict");
  EXPECT_EQ(fakes.messages.messages[0].text,
            "The created draft order in Home.lgp is not compatible with the current Team Count.  A new "
            "draft order will be created using the selected LGP draft style inside of the UGM.  No changes "
            "will be made to the LGP.");
  EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kOk);
  EXPECT_TRUE(fakes.messages.messages[0].modal);
}

TEST(CopyTeamsToUserMock, OwnersAreZeroBasedWithTeamNumbersAsIDs) {
  const clsLeagueIsolate league = LeagueWithOrder(3, 4, {}, 0, 0);
  clsUserMockIsolate ugm;
  basLGPFileControl::CopyTeamsToUserMock(ugm, league);
  ASSERT_EQ(ugm.OwnerCount(), 3);
  EXPECT_EQ(ugm.DraftRounds(), 4);
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(ugm.OwnerID(i), i + 1);
    EXPECT_EQ(ugm.OwnerName(i), league.TeamName(i + 1));
    EXPECT_EQ(ugm.OwnerStrategy(i), league.Strategy(i + 1));
  }
}

TEST(CopyRosterSizesToUserMock, RecordsArriveInIndexOrderWithFieldsInPlace) {
  const std::vector<LGPRosterSizeRecord> records = {{}, {1, 1, 0, 16, 0, 9}, {3, 9, 1, 2, 0, 1}};
  clsUserMockIsolate ugm;
  ugm.AddRosterPositionSize(5, 5, 5, 5, 5, 5);
  basLGPFileControl::CopyRosterSizesToUserMock(records, ugm);
  ASSERT_EQ(ugm.RosterSizeCount(), 3);
  EXPECT_EQ(ugm.PosID(0) + ugm.RosterMax(0), 0);
  EXPECT_EQ((std::vector<int32_t>{ugm.PosID(2), ugm.MergeAsID(2), ugm.RosterMin(2), ugm.RosterMax(2),
                                  ugm.StarterMin(2), ugm.StarterMax(2)}),
            (std::vector<int32_t>{3, 9, 1, 2, 0, 1}));
}

TEST(HasAllRosterMax, NeedsAWholeRosterMaximumAboveZero) {
  using R = LGPRosterSizeRecord;
  EXPECT_FALSE(basLGPFileControl::HasAllRosterMax({}));
  EXPECT_FALSE(basLGPFileControl::HasAllRosterMax({R{}, R{1, 1, 0, 0, 0, 0}, R{2, 2, 1, 3, 1, 1}}));
  EXPECT_TRUE(basLGPFileControl::HasAllRosterMax({R{}, R{2, 2, 1, 3, 1, 1}, R{1, 1, 0, 15, 0, 9}}));
}

}  // namespace
