#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "TempDir.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockRoster.h"

namespace {

using basMockDraftCalculation::StackRow;

// Position ids of the small league.
constexpr int32_t kAll = 1, kQB = 2, kRB = 3, kWR = 4, kK = 5;

// Season rows per position, best first, as the position query returns them.
using RowsByPosition = std::map<int32_t, std::vector<StackRow>>;

const RowsByPosition kDozen{
    {kQB, {{101, 300.0, 12.0, 5}, {102, 280.0, 20.0, 6}, {103, 250.0, 31.0, 7}, {104, 200.0, 0.0, 9},
           {105, 150.0, 0.0, 10}}},
    {kRB, {{201, 220.0, 2.0, 5}, {202, 200.0, 4.0, 7}, {203, 180.0, 9.0, 7}, {204, 150.0, 16.0, 11}}},
    {kWR, {{301, 190.0, 3.0, 6}, {302, 170.0, 5.0, 9}, {303, 160.0, 8.0, 9}}},
    {kK, {{401, 140.0, 0.0, 5}}},
};

struct FillLog {
  std::vector<int32_t> positions;
  std::vector<int32_t> maximums;
};

clsMockRoster::StackFiller FillFrom(const RowsByPosition& rows, FillLog* log = nullptr) {
  return [&rows, log](clsMockDraftPositionStack& stack, int32_t posID, int32_t maximum) {
    if (log) {
      log->positions.push_back(posID);
      log->maximums.push_back(maximum);
    }
    auto it = rows.find(posID);
    if (it != rows.end()) basMockDraftCalculation::FillPositionStackFromRows(stack, it->second, maximum);
  };
}

struct Size {
  int32_t posID, mergeAs, rosterMin, rosterMax, starterMin, starterMax;
};

// Three teams: a roster of 5 with one QB, one or two RBs (one starts), two WRs
// who both start; kickers get no roster place.
const std::vector<Size> kThreeTeamLeague{
    {kAll, 0, 0, 5, 0, 4}, {kQB, 0, 1, 1, 1, 1}, {kRB, 0, 1, 2, 1, 1}, {kWR, 0, 0, 2, 2, 2}, {kK, 0, 0, 0, 0, 0}};

// The cheat-sheet build order: sizes of positions with a roster place, clear,
// owners, buffer, stacks, baselines.
clsMockRoster BuildRoster(const std::vector<Size>& sizes, int32_t teams, int32_t buffer,
                          const RowsByPosition& rows, FillLog* log = nullptr) {
  clsMockRoster roster;
  for (const Size& s : sizes)
    if (s.rosterMax > 0)
      roster.AddRosterPositionSize(s.mergeAs, s.posID, s.rosterMax, s.rosterMin, s.starterMax, s.starterMin);
  roster.ClearRoster();
  roster.SetOwnerCount(teams);
  roster.SetPlayerBuffer(buffer);
  roster.FillPositionStacks(FillFrom(rows, log));
  roster.SetTeams(teams);
  roster.AssignBaselinePointers();
  return roster;
}

std::vector<int32_t> StackIDs(const clsMockRoster& roster, int32_t slot) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < roster.StackPlayerCount(slot); ++i) ids.push_back(roster.StackPlayerMasterID(slot, i));
  return ids;
}

std::vector<std::pair<int32_t, int32_t>> Picks(const clsMockRoster& roster) {
  std::vector<std::pair<int32_t, int32_t>> picks;
  for (int32_t k = 0; k < roster.PlayerCount(); ++k) picks.emplace_back(roster.MasterID(k), roster.Position(k));
  return picks;
}

// One position with `players` players scoring 1000, 990, 980, ...
RowsByPosition Descending(int32_t posID, int32_t players) {
  RowsByPosition rows;
  for (int32_t i = 0; i < players; ++i) rows[posID].push_back({1000 + i, 1000.0 - 10.0 * i, 0.0, 1});
  return rows;
}

TEST(MockRoster, SlotsFollowTheOrderPositionsAreAdded) {
  clsMockRoster roster;
  EXPECT_EQ(roster.ActivePositions(), -1);
  roster.AddRosterPositionSize(0, 1, 15, 0, 9, 0);
  roster.AddRosterPositionSize(0, 3, 4, 2, 2, 1);
  roster.AddRosterPositionSize(0, 2, 2, 1, 1, 1);
  EXPECT_EQ(roster.ActivePositions(), 2);
  EXPECT_EQ(roster.pFnGetPositionStackArwPosID(1), 0);
  EXPECT_EQ(roster.pFnGetPositionStackArwPosID(3), 1);
  EXPECT_EQ(roster.pFnGetPositionStackArwPosID(2), 2);
  EXPECT_EQ(roster.pFnGetPositionStackArwPosID(0), -1);
}

TEST(MockRoster, RecordKeepsItsOwnFieldOrder) {
  clsMockRoster roster;
  roster.AddRosterPositionSize(/*mergeAs*/ 7, /*pos*/ 3, /*rosterMax*/ 4, /*rosterMin*/ 2, /*starterMax*/ 3,
                               /*starterMin*/ 1);
  const clsMockRoster::RosterSizeRecord expected{3, 7, 2, 4, 1, 3};
  EXPECT_EQ(roster.RosterSize(0), expected);
  EXPECT_EQ(roster.RosterMax(3), 4);
  EXPECT_EQ(roster.StarterMax(3), 3);
}

TEST(MockRoster, PositionsWithoutASlotReadZeroAndIgnoreWrites) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  // Kickers have no roster place; 1003 and 2003 are strategy marks on RB.
  for (int32_t posID : {kK, 1003, 2003, -1, 0, 99999}) {
    EXPECT_EQ(roster.pFnGetPositionStackArwPosID(posID), -1) << posID;
    EXPECT_EQ(roster.RosterMax(posID), 0);
    EXPECT_EQ(roster.StarterMax(posID), 0);
    roster.SetRBL(posID, 5.0);
    roster.SetSBL(posID, 5.0);
    roster.SetLeaguePosDraftCount(posID, 3);
    roster.SetLeaguePosDraftMax(posID, 3);
    EXPECT_EQ(roster.RBL(posID), 0.0);
    EXPECT_EQ(roster.SBL(posID), 0.0);
    EXPECT_EQ(roster.LeaguePosDraftCount(posID), 0);
    EXPECT_EQ(roster.LeaguePosDraftMax(posID), 0);
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
}

TEST(MockRoster, SlotAndPickIndexesOutsideTheRosterThrow) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  EXPECT_THROW(roster.StackPlayerCount(0), std::out_of_range);  // the whole-roster slot has no stack
  EXPECT_THROW(roster.StackPlayerCount(4), std::out_of_range);
  EXPECT_THROW(roster.RosterSize(-1), std::out_of_range);
  EXPECT_THROW(roster.DraftedAtSlot(4), std::out_of_range);
  EXPECT_THROW(roster.MasterID(1), std::out_of_range);
  EXPECT_THROW(roster.SetPlayerCount(-1), std::out_of_range);
}

// The small league worked by hand: 3 teams, player buffer 1.
TEST(MockRoster, StacksHoldTheBestPlayersUpToTheLeagueDepth) {
  FillLog log;
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen, &log);
  ASSERT_EQ(roster.ActivePositions(), 3);  // All, QB, RB, WR; no kicker
  ASSERT_EQ(roster.StackMax(), 3);
  EXPECT_EQ(log.positions, (std::vector<int32_t>{kQB, kRB, kWR}));
  EXPECT_EQ(log.maximums, (std::vector<int32_t>{4, 7, 7}));  // RosterMax x 3 + 1
  EXPECT_EQ(StackIDs(roster, 1), (std::vector<int32_t>{101, 102, 103, 104}));
  EXPECT_EQ(StackIDs(roster, 2), (std::vector<int32_t>{201, 202, 203, 204}));
  EXPECT_EQ(StackIDs(roster, 3), (std::vector<int32_t>{301, 302, 303}));
  EXPECT_EQ(roster.StackPosition(1), kQB);
  EXPECT_EQ(roster.StackPlayerPosition(3), kWR);
  EXPECT_EQ(roster.Stack(2).ByeWeek(3), 11);
  EXPECT_EQ(roster.Stack(1).ADP(3), 99999.0);
}

TEST(MockRoster, BaselinesOfTheSmallLeague) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  // QB: 1 x 3 - 1 = 2 for both pointers: 103's 250.
  EXPECT_EQ(roster.Stack(1).RosterBaselinePointer(), 2);
  EXPECT_EQ(roster.Stack(1).StarterBaselinePointer(), 2);
  EXPECT_EQ(roster.RBL(kQB), 250.0);
  EXPECT_EQ(roster.SBL(kQB), 250.0);
  // RB: roster pointer 2 x 3 - 1 = 5 is lowered to the fourth and last back;
  // starter pointer 1 x 3 - 1 = 2.
  EXPECT_EQ(roster.Stack(2).RosterBaselinePointer(), 3);
  EXPECT_EQ(roster.Stack(2).StarterBaselinePointer(), 2);
  EXPECT_EQ(roster.RBL(kRB), 150.0);
  EXPECT_EQ(roster.SBL(kRB), 180.0);
  // WR: both pointers 5 on a stack of three; the stack keeps them at its last
  // player, but the starter baseline is read at 5, beyond the stack.
  EXPECT_EQ(roster.Stack(3).RosterBaselinePointer(), 2);
  EXPECT_EQ(roster.Stack(3).StarterBaselinePointer(), 2);
  EXPECT_EQ(roster.RBL(kWR), 160.0);
  EXPECT_EQ(roster.SBL(kWR), 0.0);
}

TEST(MockRoster, ValuesOverBaseline) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
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
}

TEST(MockRoster, BaselineModeReachesEveryStack) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.SetBaselineMode(0);
  EXPECT_EQ(roster.StackPlayerBaseline(2, 0), 220.0);
  roster.SetBaselineMode(1);
  EXPECT_EQ(roster.StackPlayerBaseline(2, 0), 70.0);
  roster.SetBaselineMode(2);
  EXPECT_EQ(roster.StackPlayerBaseline(2, 0), 40.0);
  roster.SetBaselineMode(3);
  for (int32_t slot = 1; slot <= 3; ++slot) EXPECT_EQ(roster.StackPlayerBaseline(slot, 0), 0.0);
  EXPECT_EQ(roster.BaselineMode(), 3);
}

struct PointerCase {
  const char* name;
  int32_t teams, rosterMax, starterMax, players;
  int32_t rosterPointer, starterPointer;
  double rbl, sbl;
};

void PrintTo(const PointerCase& c, std::ostream* os) { *os << c.name; }

class BaselinePointers : public testing::TestWithParam<PointerCase> {};

TEST_P(BaselinePointers, FromTheLeagueDepth) {
  const PointerCase& c = GetParam();
  const std::vector<Size> sizes{{kAll, 0, 0, 20, 0, 9}, {kRB, 0, 0, c.rosterMax, 0, c.starterMax}};
  clsMockRoster roster = BuildRoster(sizes, c.teams, 10, Descending(kRB, c.players));
  EXPECT_EQ(roster.Stack(1).RosterBaselinePointer(), c.rosterPointer);
  EXPECT_EQ(roster.Stack(1).StarterBaselinePointer(), c.starterPointer);
  EXPECT_EQ(roster.RBL(kRB), c.rbl);
  EXPECT_EQ(roster.SBL(kRB), c.sbl);
}

INSTANTIATE_TEST_SUITE_P(
    MockRoster, BaselinePointers,
    testing::Values(
        PointerCase{"TwelveTeamsTwoEachThirtyDeep", 12, 2, 1, 30, 23, 11, 770.0, 890.0},
        PointerCase{"TwentyPlayersForTwentyFourPlaces", 12, 2, 1, 20, 19, 11, 810.0, 890.0},
        PointerCase{"FewerPlayersThanStarters", 12, 2, 1, 10, 9, 9, 910.0, 0.0},
        PointerCase{"NoStarters", 12, 2, 0, 20, 19, -1, 810.0, 0.0},
        PointerCase{"EmptyStack", 12, 2, 1, 0, -1, -1, 0.0, 0.0}),
    [](const testing::TestParamInfo<PointerCase>& param) { return std::string(param.param.name); });

TEST(MockRoster, NewRosterHoldsOneEmptyPickUntilCleared) {
  clsMockRoster roster;
  EXPECT_EQ(roster.PlayerCount(), 1);
  EXPECT_EQ(roster.MasterID(0), 0);
  roster.ClearRoster();
  EXPECT_EQ(roster.PlayerCount(), 0);
}

TEST(MockRoster, PlayerCountLetGrowsThePickListKeepingEntries) {
  clsMockRoster roster;
  roster.SetMasterID(0, 77);
  roster.SetPlayerCount(5);
  EXPECT_EQ(roster.PlayerCount(), 5);
  EXPECT_EQ(roster.MasterID(0), 77);
  EXPECT_EQ(roster.MasterID(4), 0);
  roster.SetPlayerCount(2);  // never shrinks the list itself
  EXPECT_EQ(roster.PlayerCount(), 2);
  EXPECT_NO_THROW(roster.MasterID(4));
}

TEST(MockRoster, ManualDraftRecordsThePlayerAtHisStack) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  double points = 0, value = 0;
  int32_t posID = 0;
  ASSERT_TRUE(roster.ManualDraftPlayer(202, points, value, posID));
  EXPECT_EQ(points, 200.0);
  EXPECT_EQ(value, 50.0);  // roster baseline mode: 200 - 150
  EXPECT_EQ(posID, kRB);
  EXPECT_EQ(roster.DraftedAtSlot(2), 1);
  EXPECT_EQ(Picks(roster), (std::vector<std::pair<int32_t, int32_t>>{{202, kRB}}));
  // Drafting does not mark the stack; the draft loop does that for every team.
  EXPECT_FALSE(roster.StackPlayerDrafted(2, 1));
  EXPECT_FALSE(roster.ManualDraftPlayer(999, points, value, posID));
  EXPECT_EQ(roster.PlayerCount(), 1);
}

TEST(MockRoster, NashDraftRecordsAtThePositionEvenForAnUnknownPlayer) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.NashDraftPlayer(303, kWR);
  roster.NashDraftPlayer(555, kQB);
  EXPECT_EQ(Picks(roster), (std::vector<std::pair<int32_t, int32_t>>{{303, kWR}, {555, kQB}}));
  EXPECT_EQ(roster.DraftedAtSlot(1), 1);
  EXPECT_EQ(roster.DraftedAtSlot(3), 1);
}

TEST(MockRoster, ReleasingTheMiddleOfThreePicksKeepsTheOthersInOrder) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.NashDraftPlayer(101, kQB);
  roster.NashDraftPlayer(201, kRB);
  roster.NashDraftPlayer(301, kWR);
  int32_t posID = 0;
  ASSERT_TRUE(roster.ManualReleasePlayer(201, posID));
  EXPECT_EQ(posID, kRB);
  EXPECT_EQ(Picks(roster), (std::vector<std::pair<int32_t, int32_t>>{{101, kQB}, {301, kWR}}));
  EXPECT_EQ(roster.DraftedAtSlot(2), 0);
  EXPECT_EQ(roster.DraftedAtSlot(1), 1);
}

TEST(MockRoster, ReleasingTheOnlyPickEmptiesTheRoster) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.NashDraftPlayer(101, kQB);
  roster.NashReleasePlayer(101, kQB);
  EXPECT_EQ(roster.PlayerCount(), 0);
  EXPECT_EQ(roster.DraftedAtSlot(1), 0);
}

TEST(MockRoster, ReleasingAPlayerNotOnTheRosterChangesNothing) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.NashDraftPlayer(101, kQB);
  roster.NashReleasePlayer(102, kQB);
  int32_t posID = -5;
  EXPECT_TRUE(roster.ManualReleasePlayer(201, posID));  // in a stack, never drafted
  EXPECT_EQ(posID, kRB);
  EXPECT_FALSE(roster.ManualReleasePlayer(999, posID));
  EXPECT_EQ(Picks(roster), (std::vector<std::pair<int32_t, int32_t>>{{101, kQB}}));
  EXPECT_EQ(roster.DraftedAtSlot(1), 1);
  EXPECT_EQ(roster.DraftedAtSlot(2), 0);
}

TEST(MockRoster, ReleaseTakesThePlayersLatestPick) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.NashDraftPlayer(101, kQB);
  roster.NashDraftPlayer(301, kWR);
  roster.NashDraftPlayer(101, kQB);
  roster.NashReleasePlayer(101, kQB);
  EXPECT_EQ(Picks(roster), (std::vector<std::pair<int32_t, int32_t>>{{101, kQB}, {301, kWR}}));
  EXPECT_EQ(roster.DraftedAtSlot(1), 1);
}

TEST(MockRoster, ClearRosterEmptiesPicksAndCountsButKeepsStacksAndBaselines) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.NashDraftPlayer(101, kQB);
  roster.SetLeaguePosDraftCount(kQB, 4);
  roster.ClearRoster();
  EXPECT_EQ(roster.PlayerCount(), 0);
  EXPECT_EQ(roster.DraftedAtSlot(1), 0);
  EXPECT_EQ(roster.MasterID(0), 0);
  EXPECT_EQ(roster.LeaguePosDraftCount(kQB), 4);
  EXPECT_EQ(roster.RBL(kQB), 250.0);
  EXPECT_EQ(roster.StackPlayerCount(1), 4);
}

TEST(MockRoster, AddingAPositionResetsDraftedAndLeagueCounts) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.NashDraftPlayer(101, kQB);
  roster.SetLeaguePosDraftCount(kRB, 2);
  roster.SetLeaguePosDraftMax(kRB, 6);
  roster.AddRosterPositionSize(0, 6, 1, 0, 1, 0);
  EXPECT_EQ(roster.DraftedAtSlot(1), 0);
  EXPECT_EQ(roster.LeaguePosDraftCount(kRB), 0);
  EXPECT_EQ(roster.LeaguePosDraftMax(kRB), 0);
  EXPECT_EQ(roster.PlayerCount(), 1);  // the picks themselves stay
}

TEST(MockRoster, FindStackPlayerAnswersTheLowerSlot) {
  // A flex position listing running backs and receivers after their own slots.
  RowsByPosition rows = kDozen;
  rows[7] = {{301, 190.0, 3.0, 6}, {202, 200.0, 4.0, 7}};
  std::vector<Size> sizes = kThreeTeamLeague;
  sizes.push_back({7, 0, 0, 1, 0, 1});
  clsMockRoster roster = BuildRoster(sizes, 3, 1, rows);
  int32_t slot = -1, index = -1;
  ASSERT_TRUE(roster.FindStackPlayer(202, slot, index));
  EXPECT_EQ(slot, 2);
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(roster.FindStackPlayer(401, slot, index));  // kickers have no stack
}

TEST(MockRoster, MarkPlayerAsDraftedUsesTheHintOrSearches) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.MarkPlayerAsDrafted(203, kRB, true, 2);
  EXPECT_TRUE(roster.StackPlayerDrafted(2, 2));
  roster.MarkPlayerAsDrafted(204, kRB, true, 0);  // wrong hint
  EXPECT_TRUE(roster.StackPlayerDrafted(2, 3));
  EXPECT_FALSE(roster.StackPlayerDrafted(2, 0));
  roster.MarkPlayerAsDrafted(203, kRB, false, 99);  // hint beyond the stack
  EXPECT_FALSE(roster.StackPlayerDrafted(2, 2));
  roster.MarkPlayerAsDrafted(101, kRB, true);  // not in that stack
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(roster.StackPlayerDrafted(2, i), i == 3);
  EXPECT_FALSE(roster.StackPlayerDrafted(1, 0));
}

TEST(MockRoster, PositionFactorGoesToTheFirstStackOfThePosition) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  EXPECT_TRUE(roster.SetPositionFactor(kRB, 1.25));
  EXPECT_EQ(roster.Stack(2).Factor(), 1.25);
  EXPECT_FALSE(roster.SetPositionFactor(kAll, 2.0));  // the whole-roster slot has no stack
  EXPECT_FALSE(roster.SetPositionFactor(kK, 2.0));
}

TEST(MockRoster, StackBuildersAppendToASlot) {
  clsMockRoster roster = BuildRoster(kThreeTeamLeague, 3, 1, kDozen);
  roster.AddStackPlayer(305, 40.0, true, 3, 12);
  roster.AddMissingMasterID(306, 30.0, false, 3);
  EXPECT_EQ(StackIDs(roster, 3), (std::vector<int32_t>{301, 302, 303, 305, 306}));
  EXPECT_TRUE(roster.StackPlayerDrafted(3, 3));
  EXPECT_EQ(roster.Stack(3).ByeWeek(3), 12);
  EXPECT_EQ(roster.Stack(3).ByeWeek(4), 0);
  EXPECT_THROW(roster.AddStackPlayer(1, 1.0, false, 0, 1), std::out_of_range);
}

TEST(MockRoster, SizeStacksWithoutPositionsMakesNone) {
  clsMockRoster roster;
  roster.SizePositionStacks();
  EXPECT_EQ(roster.StackMax(), -1);
  roster.AddRosterPositionSize(0, kAll, 5, 0, 4, 0);
  roster.SizePositionStacks();
  EXPECT_EQ(roster.StackMax(), 0);  // only the whole-roster slot, which has no stack
}

TEST(MockRoster, LoadDraftStrategyOfAMissingFileIsFalse) {
  kdtest::TempDir dir;
  clsMockRoster roster;
  EXPECT_FALSE(roster.LoadDraftStrategy(dir.Path(), "none.stg"));
  EXPECT_EQ(roster.Strategy().FilePath(), dir.Path());
  EXPECT_EQ(roster.Strategy().FileName(), "none.stg");
  EXPECT_EQ(roster.Strategy().Count(), 0);
}

// A team in the middle of a draft: two picks, marks, a strategy read from a
// file, a factor and a buffer.
clsMockRoster TeamInDraft(const kdtest::TempDir& dir) {
  std::vector<Size> sizes = kThreeTeamLeague;
  sizes[2] = {kRB, 0, 1, 2, 1, 2};  // StarterMin 1, StarterMax 2
  clsMockRoster roster = BuildRoster(sizes, 3, 1, kDozen);
  clsDraftStrategy strategy;
  strategy.SetStrategyMax(1);
  strategy.SetMethod(1, 4);
  strategy.SetCompare(1, 2);
  strategy.SetFilePath(dir.Path());
  strategy.SetFileName("team.stg");
  EXPECT_TRUE(strategy.SaveDraftStrategy());
  EXPECT_TRUE(roster.LoadDraftStrategy(dir.Path(), "team.stg"));
  roster.SetDraftStrategy(3);
  roster.SetPlayersDrafted(2);
  roster.SetPlayerBuffer(4);
  roster.SetStackFactor(2, 0.9);
  roster.SetBaselineMode(2);
  roster.SetLeaguePosDraftCount(kRB, 2);
  roster.NashDraftPlayer(201, kRB);
  roster.NashDraftPlayer(301, kWR);
  roster.MarkPlayerAsDrafted(201, kRB, true);
  roster.MarkPlayerAsDrafted(102, kQB, true);
  return roster;
}

TEST(MockRosterSpawn, CopiesSizesStacksPicksAndStrategy) {
  kdtest::TempDir dir;
  const clsMockRoster source = TeamInDraft(dir);
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
  EXPECT_EQ(copy.RosterSize(2).StarterMax, 2);
  ASSERT_EQ(copy.StackMax(), source.StackMax());
  for (int32_t slot = 1; slot <= source.StackMax(); ++slot) {
    const clsMockDraftPositionStack& a = source.Stack(slot);
    const clsMockDraftPositionStack& b = copy.Stack(slot);
    ASSERT_EQ(b.Count(), a.Count());
    EXPECT_EQ(b.Position(), a.Position());
    EXPECT_EQ(b.Factor(), a.Factor());
    EXPECT_EQ(b.BaselineMode(), 2);
    EXPECT_EQ(b.RosterBaselinePointer(), a.RosterBaselinePointer());
    EXPECT_EQ(b.StarterBaselinePointer(), a.StarterBaselinePointer());
    for (int32_t i = 0; i < a.Count(); ++i) {
      EXPECT_EQ(b.MasterID(i), a.MasterID(i));
      EXPECT_EQ(b.Points(i), a.Points(i));
      EXPECT_EQ(b.Drafted(i), a.Drafted(i));
      EXPECT_EQ(b.ByeWeek(i), a.ByeWeek(i));
      EXPECT_EQ(b.ADP(i), a.ADP(i));
    }
  }
  EXPECT_EQ(copy.Stack(2).Factor(), 0.9);
  EXPECT_TRUE(copy.StackPlayerDrafted(2, 0));
  EXPECT_EQ(Picks(copy), Picks(source));
  EXPECT_EQ(copy.Strategy().Count(), 2);
  EXPECT_EQ(copy.StrategyMethod(1), 4);
  EXPECT_EQ(copy.StrategyCompare(1), 2);
  EXPECT_EQ(copy.Strategy().FileName(), "team.stg");
}

TEST(MockRosterSpawn, LeavesWhatTheCallerSetsAtItsStart) {
  kdtest::TempDir dir;
  const clsMockRoster source = TeamInDraft(dir);
  clsMockRoster copy;
  source.Spawn(copy);
  EXPECT_EQ(copy.RBL(kRB), 0.0);
  EXPECT_EQ(copy.SBL(kQB), 0.0);
  EXPECT_EQ(copy.LeaguePosDraftCount(kRB), 0);
  EXPECT_EQ(copy.PlayersDrafted(), 0);
  // The buffer is back at 10: refilled stacks are RosterMax x 3 + 10 deep.
  FillLog log;
  copy.FillPositionStacks(FillFrom(kDozen, &log));
  EXPECT_EQ(log.maximums, (std::vector<int32_t>{13, 16, 16}));
}

TEST(MockRosterSpawn, CopyAndSourceAreIndependent) {
  kdtest::TempDir dir;
  clsMockRoster source = TeamInDraft(dir);
  clsMockRoster copy;
  source.Spawn(copy);
  copy.NashDraftPlayer(103, kQB);
  copy.MarkPlayerAsDrafted(103, kQB, true);
  source.NashReleasePlayer(301, kWR);
  EXPECT_EQ(Picks(copy), (std::vector<std::pair<int32_t, int32_t>>{{201, kRB}, {301, kWR}, {103, kQB}}));
  EXPECT_EQ(Picks(source), (std::vector<std::pair<int32_t, int32_t>>{{201, kRB}}));
  EXPECT_FALSE(source.StackPlayerDrafted(1, 2));
  EXPECT_EQ(copy.DraftedAtSlot(3), 1);
}

TEST(MockRosterSpawn, KeepsAPickMadeAtTheLaterOfTwoStacks) {
  // Receiver 301 is also listed at the flex position and was drafted there.
  RowsByPosition rows = kDozen;
  rows[7] = {{301, 190.0, 3.0, 6}};
  std::vector<Size> sizes = kThreeTeamLeague;
  sizes.push_back({7, 0, 0, 1, 0, 1});
  clsMockRoster source = BuildRoster(sizes, 3, 1, rows);
  source.NashDraftPlayer(301, 7);
  clsMockRoster copy;
  source.Spawn(copy);
  const auto flex = std::vector<std::pair<int32_t, int32_t>>{{301, 7}};
  EXPECT_EQ(Picks(source), flex);
  EXPECT_EQ(Picks(copy), flex);
  EXPECT_EQ(copy.DraftedAtSlot(4), 1);
  EXPECT_EQ(copy.DraftedAtSlot(3), 0);
}

TEST(MockRosterSpawn, OfAFreshRosterIsAFreshRoster) {
  clsMockRoster source;
  clsMockRoster copy;
  copy.AddRosterPositionSize(0, kAll, 5, 0, 4, 0);
  source.Spawn(copy);
  EXPECT_EQ(copy.ActivePositions(), -1);
  EXPECT_EQ(copy.StackMax(), -1);
  EXPECT_EQ(copy.PlayerCount(), 1);
}

}  // namespace
