#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "LeagueBuilder.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "draft_inputs/basLGPFileControl.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsPossiblePicks.h"
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

struct BoardPick {
  int32_t masterID;
  int32_t owner;
  int32_t posID;
  double points;
  double baseline;
  bool operator==(const BoardPick&) const = default;
};

std::ostream& operator<<(std::ostream& out, const BoardPick& p) {
  return out << "{" << p.masterID << ", team " << p.owner << ", pos " << p.posID << ", " << p.points << ", "
             << p.baseline << "}";
}

class MockDraftLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    basMockDraftSettings::TerminateSettings();
    basMockDraftSettings::GlobalSettings().SetBoolVal(kSetCheckByeConflicts, false);
    basMockItUp::InitFileTypeTable(work.Path());
    ReleaseGlobalProject();
    GlobalProject().SetValue(kProjAdditionalPlayers, "1");
    strategies = FileTypeFolder.at(static_cast<std::size_t>(kPageDraftStrategies));
    std::filesystem::create_directories(strategies);
    // Team 1 by points, team 2 by roster value, team 3 a receiver first.
    WriteStrategy("points.stg", {{}});
    WriteStrategy("value.stg", {{.compare = clsMockRoster::kRosterValue}});
    WriteStrategy("receiver.stg", {{.beg = 1, .end = 1, .ids = {kWR}}, {.beg = 2}});
    for (int32_t id : {1, 2, 3, 4, 5, 6, 8, 10}) status.AddSegment(id, 10.0f);
  }
  void TearDown() override {
    ReleaseGlobalProject();
    basMockDraftSettings::TerminateSettings();
  }

  void WriteStrategy(const std::string& name, const std::vector<RulePlan>& rules) {
    clsMockRoster scratch;
    GiveStrategy(scratch, strategies + name, rules);
  }

  // The board's teams as the league gives them; strategy names come
  // blank-padded from the league file.
  void League(int32_t style, int32_t rounds, const std::vector<std::string>& files) {
    mock.SetOwnerCount(static_cast<int32_t>(files.size()));
    mock.SetDraftRounds(rounds);
    mock.SetDraftStyle(style);
    for (std::size_t t = 0; t < files.size(); ++t)
      mock.SetDraftStrategyFile(static_cast<int32_t>(t) + 1, FixedLengthText(files[t], 50));
    ASSERT_TRUE(calc::BuildTeamRosters(status, Filler(), mock, rosters, kRecords));
  }

  static clsMockRoster::StackFiller Filler() {
    return [](clsMockDraftPositionStack& stack, int32_t posID, int32_t maximum) {
      auto it = kRows.find(posID);
      if (it != kRows.end()) calc::FillPositionStackFromRows(stack, it->second, maximum);
    };
  }

  bool Run(const std::vector<int32_t>& order) {
    return calc::RunMockDraftPicks(status, mock, order, rosters, lists, names, boardIndex);
  }

  std::vector<BoardPick> Board() const {
    std::vector<BoardPick> out;
    for (int32_t k = 0; k <= mock.Count(); ++k)
      out.push_back(
          {mock.MasterID(k), mock.DraftOwner(k), mock.Position(k), mock.Points(k), mock.BaseLine(k)});
    return out;
  }

  int CaptionCount(const std::string& text) const {
    return static_cast<int>(
        std::count(seams.progress.log.begin(), seams.progress.log.end(), "BottomText " + text));
  }

  TempDir work;
  ScopedFakeSeams seams;
  std::string strategies;
  clsStatusPlain status;
  clsMockDraft mock;
  std::vector<clsMockRoster> rosters;
  std::array<clsPossiblePicks, 2> lists;
  TableNames names;
  std::vector<int32_t> boardIndex;
};

TEST_F(MockDraftLoop, SerpentineDraftWithAStrategyPerTeam) {
  League(0, 2, {"points.stg", "value.stg", "receiver.stg"});
  std::vector<int32_t> order;
  ASSERT_EQ(basLGPFileControl::BuildDraftOrder(order, 3, 2, 0), 5);  // 1 2 3 3 2 1
  names.players = {{101, "Quarter Back"}};
  ASSERT_TRUE(Run(order));
  // Pick by pick: T1 takes the most points; T2 the most over the roster
  // baseline (RB 110 > QB 90 > WR 20); T3 a receiver, then points; T2 with
  // its back has QB 0 against WR 10; T1 with its QB the better back.
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

TEST_F(MockDraftLoop, CyclicDraftWithTheSameStrategies) {
  League(1, 2, {"points.stg", "value.stg", "receiver.stg"});
  std::vector<int32_t> order;
  ASSERT_EQ(basLGPFileControl::BuildDraftOrder(order, 3, 2, 1), 5);  // 1 2 3 1 2 3
  ASSERT_TRUE(Run(order));
  const std::vector<BoardPick> expected{{101, 1, kQB, 300, 100}, {201, 2, kRB, 260, 110},
                                        {301, 3, kWR, 240, 20},  {202, 1, kRB, 250, 100},
                                        {102, 2, kQB, 290, 90},  {103, 3, kQB, 200, 0}};
  EXPECT_EQ(Board(), expected);
}

TEST_F(MockDraftLoop, APickWithoutAPlayerLeavesNoBoardEntry) {
  League(0, 2, {"points.stg", "value.stg", "receiver.stg"});
  // A stored order in which team 1 picks three times running: its third
  // pick finds the roster full.
  const std::vector<int32_t> order{1, 1, 1, 2, 3, 2, 3};
  ASSERT_TRUE(Run(order));
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
  League(0, 2, {"points.stg", "value.stg", "receiver.stg"});
  std::vector<int32_t> order;
  basLGPFileControl::BuildDraftOrder(order, 3, 2, 0);
  // One yield for the job's caption, then two per pick (before it and its
  // caption): the sixth yield comes before the third pick.
  seams.yield.cancelAfter = seams.yield.count + 6;
  EXPECT_FALSE(Run(order));
  EXPECT_EQ(mock.Count(), 1);
  EXPECT_EQ(mock.MasterID(1), 201);
  EXPECT_EQ(boardIndex, (std::vector<int32_t>{0, 1, -1, -1, -1, -1}));
  EXPECT_TRUE(rosters[3].StackPlayerDrafted(2, 0));
  EXPECT_EQ(CaptionCount("Running Mock Draft Pick 3 of 6"), 0);
}

TEST_F(MockDraftLoop, ALookAheadPickComesBackToTheSamePick) {
  WriteStrategy("ahead.stg", {{.beg = 1, .end = 1, .method = clsMockRoster::kEquilibrium}, {.beg = 2}});
  League(0, 2, {"ahead.stg", "value.stg", "receiver.stg"});
  std::vector<int32_t> order;
  basLGPFileControl::BuildDraftOrder(order, 3, 2, 0);
  ASSERT_TRUE(Run(order));
  // The pick is visited again to record the look-ahead's choice.
  EXPECT_EQ(CaptionCount("Running Mock Draft Pick 1 of 6"), 2);
  EXPECT_EQ(mock.MasterID(0), 101);
  EXPECT_EQ(mock.Count(), 5);
  EXPECT_GE(lists[0].RunTime(), 0.0);
}

TEST_F(MockDraftLoop, TheUserMockRunsLookAheadsOnlyWhereTheSettingsAllowThem) {
  League(0, 2, {"points.stg", "value.stg", "receiver.stg"});
  std::vector<int32_t> order;
  basLGPFileControl::BuildDraftOrder(order, 3, 2, 0);
  clsSettingsKD& settings = basMockDraftSettings::GlobalSettings();
  struct Case {
    int32_t code;
    int32_t setting;
  };
  for (const Case& c : {Case{clsMockRoster::kPickEquilibrium, kSetEnableEquilibrium},
                        Case{clsMockRoster::kPickRosterPotGL, kSetEnablePotentialGainLoss},
                        Case{clsMockRoster::kPickStarterPotGL, kSetEnablePotentialGainLoss}}) {
    for (bool enabled : {false, true}) {
      settings.SetBoolVal(c.setting, enabled);
      for (int32_t mode : {calc::kUserMockMode, calc::kAutomaticMode}) {
        int32_t team = 0, pick = 4, rule = 0;
        const bool ran =
            calc::RunLookAheadPick(team, pick, c.code, order, mock, rosters, lists, mode, rule, nullptr);
        const bool expected = enabled || mode == calc::kAutomaticMode;
        EXPECT_EQ(ran, expected) << c.code << enabled << mode;
        EXPECT_EQ(pick, expected ? 3 : 4);
        EXPECT_EQ(team, 2);
      }
    }
  }
}

TEST_F(MockDraftLoop, RostersTakeTheLeaguesPositionsBufferAndStrategies) {
  GlobalProject().SetValue(kProjAdditionalPlayers, "0");
  League(0, 2, {"points.stg", "value.stg", "receiver.stg"});
  ASSERT_EQ(rosters.size(), 4u);
  EXPECT_EQ(rosters[0].ActivePositions(), -1);
  for (int32_t t = 1; t <= 3; ++t) {
    const clsMockRoster& roster = rosters[static_cast<std::size_t>(t)];
    EXPECT_EQ(roster.ActivePositions(), 3);    // All, QB, RB, WR; no tight end
    EXPECT_EQ(roster.StackPlayerCount(1), 3);  // 1 x 3 teams + no extra players
    EXPECT_EQ(roster.Teams(), 3);
    EXPECT_EQ(roster.PlayerCount(), 0);
  }
  EXPECT_EQ(rosters[2].StrategyCompare(0), clsMockRoster::kRosterValue);
  EXPECT_EQ(rosters[3].Strategy().Count(), 2);
  EXPECT_EQ(mock.RBL(kQB), 200);
  EXPECT_EQ(mock.RBL(kWR), 220);
  EXPECT_EQ(mock.SBL(kRB), 150);
  EXPECT_EQ(mock.RosterMax(kAll), 2);
  EXPECT_EQ(mock.RosterMax(kTE), 0);
  EXPECT_EQ(CaptionCount("Generating Postion Stacks"), 1);
}

TEST_F(MockDraftLoop, ClearingAPickFreesThePlayerEverywhere) {
  League(0, 2, {"points.stg", "value.stg", "receiver.stg"});
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

TEST(MockDraftLeague, ErrorsAreGatheredInOrder) {
  clsMockDraft mock;
  std::vector<LGPRosterSizeRecord> records{{0, 0, 0, 0, 0, 0}, {kAll, 0, 0, 0, 0, 0}, {kQB, 0, 0, 1, 1, 1}};
  EXPECT_EQ(calc::MockDraftLeagueErrors(records, mock),
            "'All Roster Max' value required in League Properties File.\r\n"
            "Draft Rounds < 1 in League Properties File.\r\n"
            "Team Count < 1 in League Properties File.\r\n");
  records[1].RosterMax = 15;
  mock.SetDraftRounds(15);
  mock.SetOwnerCount(12);
  EXPECT_EQ(calc::MockDraftLeagueErrors(records, mock), "");
}

}  // namespace
