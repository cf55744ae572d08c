#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "DraftHarness.h"
#include "core/basMockDraftSettings.h"
#include "core/clsCheatIsolate.h"
#include "draft_inputs/basLGPFileControl.h"
#include "engine/basMockDraftCalculation.h"
#include "platform/runtime/Text.h"

namespace {

using namespace kdtest;
namespace calc = basMockDraftCalculation;

// Three teams, a roster of two from one QB, one RB and one WR place; tight
// ends have no place. Roster baselines (3 teams): QB 200, RB 150, WR 220.
const std::vector<LGPRosterSizeRecord> kRecords{{0, 0, 0, 0, 0, 0},  // entry 0 of a league's records is empty
                                                {kAll, 0, 0, 2, 0, 2}, {kQB, 0, 0, 1, 1, 1},
                                                {kRB, 0, 0, 1, 1, 1},  {kWR, 0, 0, 1, 1, 1},
                                                {kTE, 0, 0, 0, 0, 0}};

const RowsByPosition kRows{
    {kQB, {{101, 300, 0, 5}, {102, 290, 0, 6}, {103, 200, 0, 7}, {104, 100, 0, 9}}},
    {kRB, {{201, 260, 0, 7}, {202, 250, 0, 7}, {203, 150, 0, 9}, {204, 140, 0, 10}}},
    {kWR, {{301, 240, 0, 6}, {302, 230, 0, 9}, {303, 220, 0, 9}, {304, 100, 0, 6}}},
    {kTE, {{501, 400, 0, 5}}},
};

class MockDraftLoop : public DraftHarness {
 protected:
  void ThreeTeams(const std::string& first = "points.stg") {
    League({first, "value.stg", "receiver.stg"}, kRows, kRecords);
    ASSERT_EQ(basLGPFileControl::BuildDraftOrder(serpentine, 3, 2, 0), 5);
  }
  std::vector<int32_t> serpentine;
};

TEST_F(MockDraftLoop, SerpentineDraftWithAStrategyPerTeam) {
  GlobalProject().SetValue(kProjAdditionalPlayers, "0");
  ThreeTeams();
  ASSERT_EQ(serpentine, (std::vector<int32_t>{1, 2, 3, 3, 2, 1}));
  EXPECT_EQ(rosters[0].ActivePositions(), -1);
  for (int32_t t = 1; t <= 3; ++t) {
    EXPECT_EQ(rosters[static_cast<std::size_t>(t)].ActivePositions(), 3);    // All, QB, RB, WR; no tight end
    EXPECT_EQ(rosters[static_cast<std::size_t>(t)].StackPlayerCount(1), 3);  // 1 x 3 teams + no extra players
    EXPECT_EQ(rosters[static_cast<std::size_t>(t)].Teams(), 3);
  }
  EXPECT_EQ(rosters[2].StrategyCompare(0), clsMockRoster::kRosterValue);
  EXPECT_EQ(rosters[3].Strategy().Count(), 2);
  EXPECT_EQ(mock.RBL(kQB), 200);
  EXPECT_EQ(mock.RBL(kWR), 220);
  EXPECT_EQ(mock.SBL(kRB), 150);
  EXPECT_EQ(mock.RosterMax(kAll), 2);
  EXPECT_EQ(mock.RosterMax(kTE), 0);
  EXPECT_EQ(CaptionCount("Generating Postion Stacks"), 1);

  names.players = {{101, "Quarter Back"}};
  ASSERT_TRUE(Run(serpentine));
  // T1 takes the most points; T2 the most over the roster baseline (RB 110
  // > QB 90 > WR 20); T3 a receiver, then points; T2 with its back has QB 0
  // against WR 10; T1 with its QB the better back.
  const std::vector<BoardPick> expected{{101, 1, kQB, 300, 100}, {201, 2, kRB, 260, 110},
                                        {301, 3, kWR, 240, 20},  {102, 3, kQB, 290, 90},
                                        {302, 2, kWR, 230, 10},  {202, 1, kRB, 250, 100}};
  EXPECT_EQ(Board(), expected);
  EXPECT_EQ(boardIndex, (std::vector<int32_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(runtime::Trim(mock.PlayerName(0)), "Quarter Back");
  EXPECT_EQ(mock.DraftPosition(4), 4);
  // Every roster knows every pick; each team holds its own two.
  for (int32_t t = 1; t <= 3; ++t) {
    const clsMockRoster& roster = rosters[static_cast<std::size_t>(t)];
    EXPECT_EQ(roster.LeaguePosDraftCount(kQB), 2);
    EXPECT_EQ(roster.LeaguePosDraftCount(kWR), 2);
    EXPECT_TRUE(roster.StackPlayerDrafted(3, 1));  // 302
    EXPECT_EQ(roster.PlayerCount(), 2);
  }
  EXPECT_EQ(rosters[3].MasterID(0), 301);
  EXPECT_EQ(rosters[3].MasterID(1), 102);
  EXPECT_EQ(CaptionCount("Running Mock Draft Pick 6 of 6"), 1);
}

TEST_F(MockDraftLoop, APickWithoutAPlayerLeavesNoBoardEntry) {
  ThreeTeams();
  // A stored order in which team 1 picks three times running: its third
  // pick finds the roster full.
  ASSERT_TRUE(Run({1, 1, 1, 2, 3, 2, 3}));
  const std::vector<BoardPick> expected{{101, 1, kQB, 300, 100}, {201, 1, kRB, 260, 110},
                                        {202, 2, kRB, 250, 100}, {301, 3, kWR, 240, 20},
                                        {102, 2, kQB, 290, 90},  {103, 3, kQB, 200, 0}};
  EXPECT_EQ(Board(), expected);
  EXPECT_EQ(boardIndex, (std::vector<int32_t>{0, 1, -1, 2, 3, 4, 5}));
  EXPECT_EQ(calc::BoardIndexOfPick(boardIndex, 3), 2);
  EXPECT_EQ(calc::BoardIndexOfPick({}, 3), 3);
  EXPECT_EQ(calc::BoardIndexOfPick(boardIndex, 7), -1);
  EXPECT_EQ(rosters[1].PlayerCount(), 2);
  EXPECT_EQ(CaptionCount("Running Mock Draft Pick 4 of 7"), 1);
}

TEST_F(MockDraftLoop, CancelKeepsThePicksMade) {
  ThreeTeams();
  // One yield for the job's caption, then two per pick (before it and its
  // caption): the sixth yield comes before the third pick.
  seams.yield.cancelAfter = seams.yield.count + 6;
  EXPECT_FALSE(Run(serpentine));
  EXPECT_EQ(mock.Count(), 1);
  EXPECT_EQ(mock.MasterID(1), 201);
  EXPECT_EQ(boardIndex, (std::vector<int32_t>{0, 1, -1, -1, -1, -1}));
  EXPECT_TRUE(rosters[3].StackPlayerDrafted(2, 0));
  EXPECT_EQ(CaptionCount("Running Mock Draft Pick 3 of 6"), 0);
}

TEST_F(MockDraftLoop, ALookAheadPickComesBackToTheSamePick) {
  WriteStrategy("ahead.stg", {{.beg = 1, .end = 1, .method = clsMockRoster::kEquilibrium}, {.beg = 2}});
  ThreeTeams("ahead.stg");
  ASSERT_TRUE(Run(serpentine));
  // The pick is visited again to record the look-ahead's choice.
  EXPECT_EQ(CaptionCount("Running Mock Draft Pick 1 of 6"), 2);
  EXPECT_EQ(mock.MasterID(0), 101);
  EXPECT_EQ(mock.Count(), 5);
  EXPECT_GE(lists[0].RunTime(), 0.0);
}

TEST_F(MockDraftLoop, TheUserMockRunsLookAheadsOnlyWhereTheSettingsAllowThem) {
  ThreeTeams();
  for (const auto& [code, setting] : {std::pair{clsMockRoster::kPickEquilibrium, kSetEnableEquilibrium},
                                      {clsMockRoster::kPickRosterPotGL, kSetEnablePotentialGainLoss},
                                      {clsMockRoster::kPickStarterPotGL, kSetEnablePotentialGainLoss}}) {
    for (bool enabled : {false, true}) {
      Settings().SetBoolVal(setting, enabled);
      for (int32_t mode : {calc::kUserMockMode, calc::kAutomaticMode}) {
        SCOPED_TRACE(testing::Message() << code << enabled << mode);
        int32_t team = 0, pick = 4, rule = 0;
        const bool expected = enabled || mode == calc::kAutomaticMode;
        EXPECT_EQ(
            calc::RunLookAheadPick(team, pick, code, serpentine, mock, rosters, lists, mode, rule, nullptr),
            expected);
        EXPECT_EQ(pick, expected ? 3 : 4);
        EXPECT_EQ(team, 2);
      }
    }
  }
}

TEST_F(MockDraftLoop, ClearingAPickFreesThePlayerEverywhere) {
  ThreeTeams();
  const int32_t index = mock.AddPlayer(202, 250);
  calc::RecordMockPick(202, 250, 2, kRB, 100, "Second Back", index, mock, rosters);
  EXPECT_TRUE(rosters[1].StackPlayerDrafted(2, 1));
  EXPECT_EQ(rosters[3].LeaguePosDraftCount(kRB), 1);
  calc::ClearMockPick(202, 2, kRB, index, mock, rosters);
  EXPECT_EQ(Board(), (std::vector<BoardPick>{{0, 2, 0, 0, 0}}));
  EXPECT_EQ(runtime::Trim(mock.PlayerName(0)), "");
  EXPECT_EQ(mock.DraftPosition(0), 0);
  EXPECT_FALSE(rosters[1].StackPlayerDrafted(2, 1));
  EXPECT_EQ(rosters[3].LeaguePosDraftCount(kRB), 0);
}

// Three teams, three rounds, serpentine.
TEST(DraftBookkeeping, TeamPickNumbersAndNextPicks) {
  const std::vector<int32_t> order{1, 2, 3, 3, 2, 1, 1, 2, 3};
  const std::vector<int32_t> expected{1, 1, 1, 2, 2, 2, 3, 3, 3};
  for (int32_t i = 0; i < 9; ++i)
    EXPECT_EQ(calc::TeamPickNumber(i, order), expected[static_cast<std::size_t>(i)]) << i;
  EXPECT_THROW(calc::TeamPickNumber(9, order), std::out_of_range);
  // The n-th next pick of the team on the clock ends at the last pick.
  for (const auto& [pick, n, next] :
       {std::tuple{0, 1, 5}, {0, 2, 6}, {0, 3, 8}, {2, 1, 3}, {3, 1, 8}, {8, 1, 8}, {0, 0, 8}, {0, -1, 8}}) {
    EXPECT_EQ(calc::FindTeamNthNextPick(order, pick, n), next) << pick << " " << n;
  }
  EXPECT_THROW(calc::FindTeamNthNextPick(order, -1, 1), std::out_of_range);
}

TEST(DraftBookkeeping, MarkDraftedInAllRostersMarksEveryTeamAndMovesItsCount) {
  const std::vector<PositionSize> sizes{{kAll, 0, 3, 0, 3}, {kQB, 0, 1, 1, 1}, {kRB, 0, 2, 1, 1}};
  const RowsByPosition rows{{kQB, {{101, 300, 0, 5}}}, {kRB, {{201, 250, 0, 7}, {202, 180, 0, 9}}}};
  std::vector<clsMockRoster> rosters{clsMockRoster(), BuildTeamRoster(sizes, 2, rows),
                                     BuildTeamRoster(sizes, 2, rows)};
  calc::MarkDraftedInAllRosters(rosters, kRB, 202, true, 1);
  for (std::size_t t : {1u, 2u}) {
    const clsMockRoster& r = rosters[t];
    EXPECT_TRUE(r.StackPlayerDrafted(2, 1));
    EXPECT_FALSE(r.StackPlayerDrafted(2, 0));
    EXPECT_EQ(r.LeaguePosDraftCount(kRB), 1);
    EXPECT_EQ(r.LeaguePosDraftCount(kQB), 0);
  }
  calc::MarkDraftedInAllRosters(rosters, kRB, 202, false, -1);
  for (std::size_t t : {1u, 2u}) {
    const clsMockRoster& r = rosters[t];
    EXPECT_FALSE(r.StackPlayerDrafted(2, 1));
    EXPECT_EQ(r.LeaguePosDraftCount(kRB), 0);
  }
  EXPECT_EQ(rosters[0].ActivePositions(), -1);  // entry 0 stays empty
}

}  // namespace
