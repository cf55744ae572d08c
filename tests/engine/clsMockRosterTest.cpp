#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "LeagueBuilder.h"
#include "TempDir.h"
#include "engine/clsMockRoster.h"

namespace {

using namespace kdtest;

const RowsByPosition kDozen{
    {kQB,
     {{101, 300.0, 12.0, 5},
      {102, 280.0, 20.0, 6},
      {103, 250.0, 31.0, 7},
      {104, 200.0, 0.0, 9},
      {105, 150.0, 0.0, 10}}},
    {kRB, {{201, 220.0, 2.0, 5}, {202, 200.0, 4.0, 7}, {203, 180.0, 9.0, 7}, {204, 150.0, 16.0, 11}}},
    {kWR, {{301, 190.0, 3.0, 6}, {302, 170.0, 5.0, 9}, {303, 160.0, 8.0, 9}}},
    {kK, {{401, 140.0, 0.0, 5}}},
};

// Three teams: a roster of 5 with one QB, one or two RBs (one starts), two WRs
// who both start; kickers get no roster place.
const std::vector<PositionSize> kThreeTeamLeague{
    {kAll, 0, 5, 0, 4}, {kQB, 1, 1, 1, 1}, {kRB, 1, 2, 1, 1}, {kWR, 0, 2, 2, 2}, {kK, 0, 0, 0, 0}};

// The small league worked by hand: 3 teams, player buffer 1.
clsMockRoster SmallLeague(std::vector<PositionSize> sizes = kThreeTeamLeague,
                          const RowsByPosition& rows = kDozen, FillLog* log = nullptr) {
  return BuildTeamRoster(sizes, 3, rows, 1, log);
}

std::vector<int32_t> StackIDs(const clsMockRoster& roster, int32_t slot) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < roster.StackPlayerCount(slot); ++i)
    ids.push_back(roster.StackPlayerMasterID(slot, i));
  return ids;
}

using PickList = std::vector<std::pair<int32_t, int32_t>>;

PickList Picks(const clsMockRoster& roster) {
  PickList picks;
  for (int32_t k = 0; k < roster.PlayerCount(); ++k)
    picks.emplace_back(roster.MasterID(k), roster.Position(k));
  return picks;
}

TEST(MockRoster, SlotsFollowTheOrderPositionsAreAddedAndRecordsKeepTheirFieldOrder) {
  clsMockRoster roster;
  EXPECT_EQ(roster.ActivePositions(), -1);
  roster.AddRosterPositionSize(0, 1, 15, 0, 9, 0);
  // mergeAs, pos, rosterMax, rosterMin, starterMax, starterMin
  roster.AddRosterPositionSize(7, 3, 4, 2, 3, 1);
  roster.AddRosterPositionSize(0, 2, 2, 1, 1, 1);
  EXPECT_EQ(roster.ActivePositions(), 2);
  EXPECT_EQ(roster.pFnGetPositionStackArwPosID(1), 0);
  EXPECT_EQ(roster.pFnGetPositionStackArwPosID(3), 1);
  EXPECT_EQ(roster.pFnGetPositionStackArwPosID(2), 2);
  EXPECT_EQ(roster.pFnGetPositionStackArwPosID(0), -1);
  EXPECT_EQ(roster.RosterSize(1), (clsMockRoster::RosterSizeRecord{3, 7, 2, 4, 1, 3}));
  EXPECT_EQ(roster.RosterMax(3), 4);
  EXPECT_EQ(roster.StarterMax(3), 3);
}

TEST(MockRoster, PositionsWithoutASlotReadZeroAndIgnoreWrites) {
  clsMockRoster roster = SmallLeague();
  // Kickers have no roster place; 1003 and 2003 are strategy marks on RB.
  for (int32_t posID : {kK, 1003, 2003, -1, 0, 99999}) {
    SCOPED_TRACE(posID);
    EXPECT_EQ(roster.pFnGetPositionStackArwPosID(posID), -1);
    EXPECT_EQ(roster.RosterMax(posID) + roster.StarterMax(posID), 0);
    roster.SetRBL(posID, 5.0);
    roster.SetSBL(posID, 5.0);
    roster.SetLeaguePosDraftCount(posID, 3);
    roster.SetLeaguePosDraftMax(posID, 3);
    EXPECT_EQ(roster.RBL(posID), 0.0);
    EXPECT_EQ(roster.SBL(posID), 0.0);
    EXPECT_EQ(roster.LeaguePosDraftCount(posID) + roster.LeaguePosDraftMax(posID), 0);
    double value = -1.0;
    EXPECT_FALSE(roster.GetPPwMasIDPosID(201, posID, value));
    EXPECT_FALSE(roster.GetRBLwMasIDPosID(201, posID, value));
    EXPECT_EQ(value, -1.0);
    roster.MarkPlayerAsDrafted(201, posID, true);
    roster.NashDraftPlayer(201, posID);
    roster.NashReleasePlayer(201, posID);
  }
  EXPECT_EQ(roster.PlayerCount(), 0);
  EXPECT_FALSE(roster.StackPlayerDrafted(2, 0));
  EXPECT_FALSE(roster.SetPositionFactor(kAll, 2.0));  // the whole-roster slot has no stack
  EXPECT_FALSE(roster.SetPositionFactor(kK, 2.0));
  EXPECT_TRUE(roster.SetPositionFactor(kRB, 1.25));
  EXPECT_EQ(roster.Stack(2).Factor(), 1.25);
}

TEST(MockRoster, SlotAndPickIndexesOutsideTheRosterThrow) {
  clsMockRoster roster = SmallLeague();
  EXPECT_THROW(roster.StackPlayerCount(0), std::out_of_range);  // the whole-roster slot has no stack
  EXPECT_THROW(roster.StackPlayerCount(4), std::out_of_range);
  EXPECT_THROW(roster.RosterSize(-1), std::out_of_range);
  EXPECT_THROW(roster.DraftedAtSlot(4), std::out_of_range);
  EXPECT_THROW(roster.MasterID(1), std::out_of_range);
  EXPECT_THROW(roster.SetPlayerCount(-1), std::out_of_range);
  EXPECT_THROW(roster.AddStackPlayer(1, 1.0, false, 0, 1), std::out_of_range);
}

TEST(MockRoster, StacksAndBaselinesOfTheSmallLeague) {
  FillLog log;
  clsMockRoster roster = SmallLeague(kThreeTeamLeague, kDozen, &log);
  ASSERT_EQ(roster.ActivePositions(), 3);  // All, QB, RB, WR; no kicker
  ASSERT_EQ(roster.StackMax(), 3);
  EXPECT_EQ(log, (FillLog{{kQB, 4}, {kRB, 7}, {kWR, 7}}));  // RosterMax x 3 + 1
  EXPECT_EQ(StackIDs(roster, 1), (std::vector<int32_t>{101, 102, 103, 104}));
  EXPECT_EQ(StackIDs(roster, 2), (std::vector<int32_t>{201, 202, 203, 204}));
  EXPECT_EQ(StackIDs(roster, 3), (std::vector<int32_t>{301, 302, 303}));
  EXPECT_EQ(roster.StackPosition(1), kQB);
  EXPECT_EQ(roster.StackPlayerPosition(3), kWR);
  EXPECT_EQ(roster.Stack(2).ByeWeek(3), 11);
  EXPECT_EQ(roster.Stack(1).ADP(3), 99999.0);

  // QB: 1 x 3 - 1 = 2 for both pointers: 103's 250. RB: roster pointer
  // 2 x 3 - 1 = 5 is lowered to the fourth and last back; starter 1 x 3 - 1.
  // WR: both 5 on a stack of three; the stack keeps them at its last player,
  // but the starter baseline is read at 5, beyond the stack.
  struct Baseline {
    int32_t slot, posID, rosterPointer, starterPointer;
    double rbl, sbl;
  };
  for (const Baseline& b :
       {Baseline{1, kQB, 2, 2, 250, 250}, Baseline{2, kRB, 3, 2, 150, 180}, Baseline{3, kWR, 2, 2, 160, 0}}) {
    SCOPED_TRACE(b.posID);
    EXPECT_EQ(roster.Stack(b.slot).RosterBaselinePointer(), b.rosterPointer);
    EXPECT_EQ(roster.Stack(b.slot).StarterBaselinePointer(), b.starterPointer);
    EXPECT_EQ(roster.RBL(b.posID), b.rbl);
    EXPECT_EQ(roster.SBL(b.posID), b.sbl);
  }
  EXPECT_EQ(roster.StackPlayerRosterBaseline(1, 0), 50.0);   // 300 - 250
  EXPECT_EQ(roster.StackPlayerRosterBaseline(1, 3), -50.0);  // 200 - 250
  EXPECT_EQ(roster.StackPlayerRosterBaseline(2, 0), 70.0);   // 220 - 150
  EXPECT_EQ(roster.StackPlayerStarterBaseline(2, 0), 40.0);  // 220 - 180
  EXPECT_EQ(roster.StackPlayerRosterBaseline(3, 1), 10.0);   // 170 - 160
  double value = 0;
  ASSERT_TRUE(roster.GetRBLwMasIDPosID(202, kRB, value));
  EXPECT_EQ(value, 50.0);
  ASSERT_TRUE(roster.GetPPwMasIDPosID(202, kRB, value));
  EXPECT_EQ(value, 200.0);
  EXPECT_FALSE(roster.GetPPwMasIDPosID(202, kQB, value));

  // The baseline mode reaches every stack.
  for (const auto& [mode, expected] : {std::pair{0, 220.0}, {1, 70.0}, {2, 40.0}, {3, 0.0}}) {
    roster.SetBaselineMode(mode);
    EXPECT_EQ(roster.StackPlayerBaseline(2, 0), expected) << mode;
  }
  EXPECT_EQ(roster.StackPlayerBaseline(1, 0), 0.0);
  EXPECT_EQ(roster.StackPlayerBaseline(3, 0), 0.0);
}

TEST(MockRoster, BaselinePointersFromTheLeagueDepth) {
  struct Case {
    const char* name;
    int32_t rosterMax, starterMax, players;
    int32_t rosterPointer, starterPointer;
    double rbl, sbl;
  };
  // Twelve teams; backs scoring 1000, 990, 980, ...
  for (const Case& c :
       {Case{"thirty deep", 2, 1, 30, 23, 11, 770.0, 890.0},
        Case{"twenty players for twenty-four places", 2, 1, 20, 19, 11, 810.0, 890.0},
        Case{"fewer players than starters", 2, 1, 10, 9, 9, 910.0, 0.0},
        Case{"no starters", 2, 0, 20, 19, -1, 810.0, 0.0}, Case{"empty stack", 2, 1, 0, -1, -1, 0.0, 0.0}}) {
    SCOPED_TRACE(c.name);
    RowsByPosition rows;
    for (int32_t i = 0; i < c.players; ++i) rows[kRB].push_back({1000 + i, 1000.0 - 10.0 * i, 0.0, 1});
    clsMockRoster roster =
        BuildTeamRoster({{kAll, 0, 20, 0, 9}, {kRB, 0, c.rosterMax, 0, c.starterMax}}, 12, rows);
    EXPECT_EQ(roster.Stack(1).RosterBaselinePointer(), c.rosterPointer);
    EXPECT_EQ(roster.Stack(1).StarterBaselinePointer(), c.starterPointer);
    EXPECT_EQ(roster.RBL(kRB), c.rbl);
    EXPECT_EQ(roster.SBL(kRB), c.sbl);
  }
}

TEST(MockRoster, ThePickListStartsWithOneEmptyPickAndGrowsKeepingEntries) {
  clsMockRoster roster;
  EXPECT_EQ(roster.PlayerCount(), 1);
  roster.SetMasterID(0, 77);
  roster.SetPlayerCount(5);
  EXPECT_EQ(roster.PlayerCount(), 5);
  EXPECT_EQ(roster.MasterID(0), 77);
  EXPECT_EQ(roster.MasterID(4), 0);
  roster.SetPlayerCount(2);  // never shrinks the list itself
  EXPECT_EQ(roster.PlayerCount(), 2);
  EXPECT_NO_THROW(roster.MasterID(4));
  roster.ClearRoster();
  EXPECT_EQ(roster.PlayerCount(), 0);
}

TEST(MockRoster, DraftingRecordsThePlayerAtHisStack) {
  clsMockRoster roster = SmallLeague();
  double points = 0, value = 0;
  int32_t posID = 0;
  ASSERT_TRUE(roster.ManualDraftPlayer(202, points, value, posID));
  EXPECT_EQ(points, 200.0);
  EXPECT_EQ(value, 50.0);  // roster baseline mode: 200 - 150
  EXPECT_EQ(posID, kRB);
  // Drafting does not mark the stack; the draft loop does that for every team.
  EXPECT_FALSE(roster.StackPlayerDrafted(2, 1));
  EXPECT_FALSE(roster.ManualDraftPlayer(999, points, value, posID));
  // Nash drafting records at the position even for an unknown player.
  roster.NashDraftPlayer(303, kWR);
  roster.NashDraftPlayer(555, kQB);
  EXPECT_EQ(Picks(roster), (PickList{{202, kRB}, {303, kWR}, {555, kQB}}));
  EXPECT_EQ((std::vector<int32_t>{roster.DraftedAtSlot(1), roster.DraftedAtSlot(2), roster.DraftedAtSlot(3)}),
            (std::vector<int32_t>{1, 1, 1}));
}

TEST(MockRoster, ReleasingTakesThePlayersLatestPickAndKeepsTheOthersInOrder) {
  clsMockRoster roster = SmallLeague();
  roster.NashDraftPlayer(101, kQB);
  roster.NashDraftPlayer(201, kRB);
  roster.NashDraftPlayer(301, kWR);
  roster.NashDraftPlayer(101, kQB);
  roster.NashReleasePlayer(101, kQB);
  int32_t posID = 0;
  ASSERT_TRUE(roster.ManualReleasePlayer(201, posID));
  EXPECT_EQ(posID, kRB);
  EXPECT_EQ(Picks(roster), (PickList{{101, kQB}, {301, kWR}}));
  EXPECT_EQ(roster.DraftedAtSlot(1), 1);
  EXPECT_EQ(roster.DraftedAtSlot(2), 0);

  // A player not on the roster changes nothing.
  roster.NashReleasePlayer(102, kQB);
  posID = -5;
  EXPECT_TRUE(roster.ManualReleasePlayer(201, posID));  // in a stack, no longer drafted
  EXPECT_EQ(posID, kRB);
  EXPECT_FALSE(roster.ManualReleasePlayer(999, posID));
  EXPECT_EQ(Picks(roster), (PickList{{101, kQB}, {301, kWR}}));

  roster.NashReleasePlayer(301, kWR);
  roster.NashReleasePlayer(101, kQB);
  EXPECT_EQ(roster.PlayerCount(), 0);
  EXPECT_EQ(roster.DraftedAtSlot(1), 0);
}

TEST(MockRoster, ClearRosterKeepsStacksAndLeagueCountsAddingAPositionResetsCounts) {
  clsMockRoster roster = SmallLeague();
  roster.NashDraftPlayer(101, kQB);
  roster.SetLeaguePosDraftCount(kQB, 4);
  roster.ClearRoster();
  EXPECT_EQ(roster.PlayerCount(), 0);
  EXPECT_EQ(roster.DraftedAtSlot(1), 0);
  EXPECT_EQ(roster.MasterID(0), 0);
  EXPECT_EQ(roster.LeaguePosDraftCount(kQB), 4);
  EXPECT_EQ(roster.RBL(kQB), 250.0);
  EXPECT_EQ(roster.StackPlayerCount(1), 4);

  roster.NashDraftPlayer(101, kQB);
  roster.SetLeaguePosDraftMax(kRB, 6);
  roster.AddRosterPositionSize(0, 7, 1, 0, 1, 0);
  EXPECT_EQ(roster.DraftedAtSlot(1), 0);
  EXPECT_EQ(roster.LeaguePosDraftCount(kQB), 0);
  EXPECT_EQ(roster.LeaguePosDraftMax(kRB), 0);
  EXPECT_EQ(roster.PlayerCount(), 1);  // the picks themselves stay
}

TEST(MockRoster, FindingAndMarkingStackPlayers) {
  // A flex position listing a back and a receiver after their own slots.
  RowsByPosition rows = kDozen;
  rows[7] = {{301, 190.0, 3.0, 6}, {202, 200.0, 4.0, 7}};
  std::vector<PositionSize> sizes = kThreeTeamLeague;
  sizes.push_back({7, 0, 1, 0, 1});
  clsMockRoster roster = SmallLeague(sizes, rows);
  int32_t slot = -1, index = -1;
  ASSERT_TRUE(roster.FindStackPlayer(202, slot, index));  // the lower slot
  EXPECT_EQ(slot, 2);
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(roster.FindStackPlayer(401, slot, index));  // kickers have no stack

  roster.MarkPlayerAsDrafted(203, kRB, true, 2);
  EXPECT_TRUE(roster.StackPlayerDrafted(2, 2));
  roster.MarkPlayerAsDrafted(204, kRB, true, 0);    // wrong hint
  roster.MarkPlayerAsDrafted(203, kRB, false, 99);  // hint beyond the stack
  roster.MarkPlayerAsDrafted(101, kRB, true);       // not in that stack
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(roster.StackPlayerDrafted(2, i), i == 3) << i;
  EXPECT_FALSE(roster.StackPlayerDrafted(1, 0));
}

// The teams of a draft share their marks: one pick marked in all of them is
// seen by all, once; a copy, or a roster changed on its own, marks alone.
TEST(MockRoster, LinkedRostersMarkTogetherAndACopyOrALoneChangeMarksAlone) {
  std::vector<clsMockRoster> rosters(4, SmallLeague());
  rosters[3].MarkPlayerAsDrafted(104, kQB, true);  // differs: stays out of the league
  clsMockRoster::LinkLeague(rosters);
  clsMockRoster::MarkLeaguePickInAll(rosters, 201, kRB, true, 1);
  for (std::size_t t = 1; t < rosters.size(); ++t) {
    EXPECT_TRUE(rosters[t].StackPlayerDrafted(2, 0)) << t;
    EXPECT_EQ(rosters[t].LeaguePosDraftCount(kRB), 1) << t;  // counted once
  }
  const clsMockRoster copy = rosters[1];
  rosters[2].MarkPlayerAsDrafted(101, kQB, true);
  rosters[2].SetLeaguePosDraftCount(kRB, 5);
  clsMockRoster::MarkLeaguePickInAll(rosters, 202, kRB, true, 1);
  EXPECT_TRUE(rosters[2].StackPlayerDrafted(1, 0));
  EXPECT_FALSE(rosters[1].StackPlayerDrafted(1, 0));
  EXPECT_EQ(rosters[1].LeaguePosDraftCount(kRB), 2);
  EXPECT_EQ(rosters[2].LeaguePosDraftCount(kRB), 6);
  EXPECT_TRUE(rosters[3].StackPlayerDrafted(2, 1));
  EXPECT_FALSE(copy.StackPlayerDrafted(2, 1));
  EXPECT_EQ(copy.LeaguePosDraftCount(kRB), 1);
}

TEST(MockRoster, StackBuildersAppendToASlot) {
  clsMockRoster roster = SmallLeague();
  roster.AddStackPlayer(305, 40.0, true, 3, 12);
  roster.AddMissingMasterID(306, 30.0, false, 3);
  EXPECT_EQ(StackIDs(roster, 3), (std::vector<int32_t>{301, 302, 303, 305, 306}));
  EXPECT_TRUE(roster.StackPlayerDrafted(3, 3));
  EXPECT_EQ(roster.Stack(3).ByeWeek(3), 12);
  EXPECT_EQ(roster.Stack(3).ByeWeek(4), 0);

  clsMockRoster bare;
  bare.SizePositionStacks();
  EXPECT_EQ(bare.StackMax(), -1);
  bare.AddRosterPositionSize(0, kAll, 5, 0, 4, 0);
  bare.SizePositionStacks();
  EXPECT_EQ(bare.StackMax(), 0);  // only the whole-roster slot, which has no stack
}

TEST(MockRoster, LoadDraftStrategyOfAMissingFileIsFalse) {
  TempDir dir;
  clsMockRoster roster;
  EXPECT_FALSE(roster.LoadDraftStrategy(dir.Path(), "none.stg"));
  EXPECT_EQ(roster.Strategy().FilePath(), dir.Path());
  EXPECT_EQ(roster.Strategy().FileName(), "none.stg");
  EXPECT_EQ(roster.Strategy().Count(), 0);
}

// A team in the middle of a draft: two picks, marks, a strategy read from a
// file, a factor and a buffer.
TEST(MockRosterSpawn, CopiesSizesStacksPicksAndStrategyButNotWhatTheCallerSets) {
  TempDir dir;
  std::vector<PositionSize> sizes = kThreeTeamLeague;
  sizes[2] = {kRB, 1, 2, 1, 2};
  clsMockRoster source = SmallLeague(sizes);
  GiveStrategy(source, dir.File("team.stg"), {{}, {.method = 4, .compare = 2}});
  source.SetDraftStrategy(3);
  source.SetPlayersDrafted(2);
  source.SetPlayerBuffer(4);
  source.SetStackFactor(2, 0.9);
  source.SetBaselineMode(2);
  source.SetLeaguePosDraftCount(kRB, 2);
  source.NashDraftPlayer(201, kRB);
  source.NashDraftPlayer(301, kWR);
  source.MarkPlayerAsDrafted(201, kRB, true);
  source.MarkPlayerAsDrafted(102, kQB, true);

  clsMockRoster copy;
  source.Spawn(copy);
  std::remove(dir.File("team.stg").c_str());  // the copy must not need the file
  EXPECT_EQ(copy.Teams(), 3);
  EXPECT_EQ(copy.OwnerCount(), 3);
  EXPECT_EQ(copy.DraftStrategy(), 3);
  ASSERT_EQ(copy.ActivePositions(), source.ActivePositions());
  for (int32_t slot = 0; slot <= source.ActivePositions(); ++slot) {
    EXPECT_EQ(copy.RosterSize(slot), source.RosterSize(slot)) << slot;
    EXPECT_EQ(copy.DraftedAtSlot(slot), source.DraftedAtSlot(slot)) << slot;
  }
  EXPECT_EQ(copy.RosterSize(2).StarterMin, 1);
  ASSERT_EQ(copy.StackMax(), source.StackMax());
  for (int32_t slot = 1; slot <= source.StackMax(); ++slot)
    EXPECT_EQ(StackText(copy.Stack(slot)), StackText(source.Stack(slot))) << slot;
  EXPECT_EQ(copy.Stack(1).BaselineMode(), 2);
  EXPECT_EQ(copy.Stack(2).Factor(), 0.9);
  EXPECT_TRUE(copy.StackPlayerDrafted(2, 0));
  EXPECT_EQ(Picks(copy), Picks(source));
  EXPECT_EQ(copy.Strategy().Count(), 2);
  EXPECT_EQ(copy.StrategyMethod(1), 4);
  EXPECT_EQ(copy.StrategyCompare(1), 2);
  EXPECT_EQ(copy.Strategy().FileName(), "team.stg");

  // Left to the caller: baselines, league counts, players drafted and the
  // buffer, back at 10: refilled stacks are RosterMax x 3 + 10 deep.
  EXPECT_EQ(copy.RBL(kRB), 0.0);
  EXPECT_EQ(copy.SBL(kQB), 0.0);
  EXPECT_EQ(copy.LeaguePosDraftCount(kRB), 0);
  EXPECT_EQ(copy.PlayersDrafted(), 0);
  clsMockRoster refilled;
  source.Spawn(refilled);
  FillLog log;
  refilled.FillPositionStacks(FillFromRows(kDozen, &log));
  EXPECT_EQ(log, (FillLog{{kQB, 13}, {kRB, 16}, {kWR, 16}}));

  // Copy and source are independent.
  copy.NashDraftPlayer(103, kQB);
  copy.MarkPlayerAsDrafted(103, kQB, true);
  source.NashReleasePlayer(301, kWR);
  EXPECT_EQ(Picks(copy), (PickList{{201, kRB}, {301, kWR}, {103, kQB}}));
  EXPECT_EQ(Picks(source), (PickList{{201, kRB}}));
  EXPECT_FALSE(source.StackPlayerDrafted(1, 2));
  EXPECT_EQ(copy.DraftedAtSlot(3), 1);

  // A fresh roster spawns a fresh roster over whatever the copy held.
  clsMockRoster fresh;
  fresh.Spawn(copy);
  EXPECT_EQ(copy.ActivePositions(), -1);
  EXPECT_EQ(copy.StackMax(), -1);
  EXPECT_EQ(copy.PlayerCount(), 1);
}

TEST(MockRosterSpawn, KeepsAPickMadeAtTheLaterOfTwoStacks) {
  // Receiver 301 is also listed at the flex position and was drafted there.
  RowsByPosition rows = kDozen;
  rows[7] = {{301, 190.0, 3.0, 6}};
  std::vector<PositionSize> sizes = kThreeTeamLeague;
  sizes.push_back({7, 0, 1, 0, 1});
  clsMockRoster source = SmallLeague(sizes, rows);
  source.NashDraftPlayer(301, 7);
  clsMockRoster copy;
  source.Spawn(copy);
  EXPECT_EQ(Picks(source), (PickList{{301, 7}}));
  EXPECT_EQ(Picks(copy), (PickList{{301, 7}}));
  EXPECT_EQ(copy.DraftedAtSlot(4), 1);
  EXPECT_EQ(copy.DraftedAtSlot(3), 0);
}

}  // namespace
