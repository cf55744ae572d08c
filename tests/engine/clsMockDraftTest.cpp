#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "engine/clsMockDraft.h"

namespace {

TEST(MockDraft, RosterSizesLandFromIndexOneAndUnknownPositionsUseTheEmptyRecord) {
  clsMockDraft mock;
  EXPECT_TRUE(mock.CreateDraftOrder());
  mock.AddRosterPositionSize(9, 3, 2, 1, 1, 0);
  mock.AddRosterPositionSize(1, 1, 16, 0, 9, 0);
  EXPECT_EQ(mock.ActivePositionMax(), 2);
  EXPECT_EQ(mock.PosID(0), 0);
  EXPECT_EQ(mock.PosID(1), 3);
  EXPECT_EQ(mock.PosID(2), 1);
  EXPECT_EQ(mock.MergeAsID(3), 9);
  EXPECT_EQ(mock.RosterMax(3), 2);
  EXPECT_EQ(mock.StarterMax(3), 1);
  EXPECT_EQ(mock.RosterMax(1), 16);

  EXPECT_EQ(mock.RosterMax(8), 0);
  EXPECT_EQ(mock.MergeAsID(8), 0);
  mock.SetRBL(8, 12.5);
  mock.SetSBL(3, 40.25);
  EXPECT_EQ(mock.RBL(0), 12.5);  // position 8 has no record: record 0 took it
  EXPECT_EQ(mock.RBL(3), 0.0);
  EXPECT_EQ(mock.SBL(3), 40.25);
}

TEST(MockDraft, PicksAreAddedCountedAndFound) {
  clsMockDraft mock;
  EXPECT_EQ(mock.Count(), -1);
  EXPECT_EQ(mock.AddPlayer(5, 250.5), 0);
  EXPECT_EQ(mock.AddPlayer(6, 199.0), 1);
  EXPECT_EQ(mock.AddPlayer(5, 1), 2);
  EXPECT_EQ(mock.Points(1), 199.0);
  EXPECT_EQ(mock.DraftOwner(1), 0);
  EXPECT_EQ(mock.PlayerName(1), std::string(45, ' '));
  EXPECT_EQ(mock.PlayerDraftNdx(5), 0);  // the first pick of a player
  EXPECT_EQ(mock.PlayerDraftNdx(6), 1);
  EXPECT_EQ(mock.PlayerDraftNdx(7), -1);
  mock.SetCount(8);  // keeps the picks, adds empty ones
  EXPECT_EQ(mock.MasterID(1), 6);
  EXPECT_EQ(mock.MasterID(8), 0);
  mock.SetCount(-1);
  EXPECT_EQ(mock.Count(), -1);
}

TEST(MockDraft, TeamPickCountsOnlyTheOwnersPicks) {
  clsMockDraft mock;
  const int32_t owners[] = {1, 2, 3, 3, 2, 1, 1, 2, 3, 3};  // one pick more than rounds x teams
  mock.SetCount(9);
  for (int32_t k = 0; k <= 9; ++k) mock.SetDraftOwner(k, owners[k]);
  EXPECT_EQ(mock.TeamPick(0), 1);
  EXPECT_EQ(mock.TeamPick(5), 2);
  EXPECT_EQ(mock.TeamPick(6), 3);
  EXPECT_EQ(mock.TeamPick(8), 3);
  EXPECT_EQ(mock.TeamPick(9), 4);
}

TEST(MockDraft, NamesAreFixedLengthText) {
  clsMockDraft mock;
  mock.SetCount(0);
  mock.SetPlayerName(0, std::string(50, 'p'));
  EXPECT_EQ(mock.PlayerName(0), std::string(45, 'p'));
  mock.SetPlayerName(0, "Josh Allen");
  EXPECT_EQ(mock.PlayerName(0), "Josh Allen" + std::string(35, ' '));
  mock.SetOwnerCount(2);
  EXPECT_EQ(mock.OwnerName(2), std::string(50, ' '));
  mock.SetOwnerName(1, "Sharks");
  mock.SetDraftStrategyFile(2, "Value.stg");
  mock.SetOwnerCount(3);  // growing keeps what the teams had
  EXPECT_EQ(mock.OwnerName(1), "Sharks" + std::string(44, ' '));
  EXPECT_EQ(mock.DraftStrategyFile(2), "Value.stg");
}

// The lists run from 0 to their count (SetCount(1): picks 0 and 1; two
// owners: teams 0 to 2); the checked access itself is CheckedIndex's.
TEST(MockDraft, IndexesOutsideTheListsThrow) {
  clsMockDraft mock;
  mock.SetOwnerCount(2);
  mock.SetCount(1);
  EXPECT_NO_THROW((void)mock.MasterID(1));
  EXPECT_NO_THROW((void)mock.OwnerName(2));
  EXPECT_THROW((void)mock.MasterID(2), std::out_of_range);
  EXPECT_THROW(mock.SetDraftOwner(-1, 1), std::out_of_range);
  EXPECT_THROW((void)mock.OwnerName(3), std::out_of_range);
  EXPECT_THROW((void)mock.TeamPick(2), std::out_of_range);
  EXPECT_THROW((void)mock.PosID(1), std::out_of_range);
}

}  // namespace
