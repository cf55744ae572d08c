#include <gtest/gtest.h>

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

}  // namespace
