#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "JobProject.h"
#include "LeagueBuilder.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/runtime/Text.h"

namespace {

using namespace kdtest;
namespace calc = basMockDraftCalculation;

class CheatSheetJob : public ::testing::Test {
 protected:
  bool Run() { return calc::CalculateCheatSheet(project.Status(), mock, roster, db); }

  static std::vector<int32_t> StackIDs(const clsMockRoster& r, int32_t slot) {
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < r.StackPlayerCount(slot); ++i) ids.push_back(r.StackPlayerMasterID(slot, i));
    return ids;
  }

  const MessageCall* OnlyMessage() const {
    EXPECT_EQ(project.seams.messages.messages.size(), 1u);
    return project.seams.messages.messages.empty() ? nullptr : &project.seams.messages.messages[0];
  }

  JobProject project;
  clsMockDraft mock;
  clsMockRoster roster;
  clsKickwellDB db;
};

TEST_F(CheatSheetJob, RanksTheRescoredSeasonRowsOfEveryRosteredPosition) {
  ASSERT_TRUE(Run());
  EXPECT_TRUE(project.seams.messages.messages.empty());
  EXPECT_TRUE(db.IsOpen());  // left open for the document
  EXPECT_EQ(mock.OwnerCount(), 3);
  EXPECT_EQ(runtime::Trim(mock.OwnerName(2)), "Bravo");

  // All, QB, RB, WR, K: tight ends (RosterMax 0) and fullbacks (merged) get
  // no slot, and the whole roster has no stack.
  ASSERT_EQ(roster.ActivePositions(), 4);
  EXPECT_EQ(roster.RosterSize(0).PosID, kAll);
  std::vector<int32_t> positions;
  for (int32_t slot = 1; slot <= roster.StackMax(); ++slot) positions.push_back(roster.StackPosition(slot));
  EXPECT_EQ(positions, (std::vector<int32_t>{kQB, kRB, kWR, kK}));

  // The stale 999 of 104 has been replaced by his 100 yards; the fullback
  // ranks among the backs.
  EXPECT_EQ(StackIDs(roster, 1), (std::vector<int32_t>{101, 102, 103, 104}));
  EXPECT_EQ(StackIDs(roster, 2), (std::vector<int32_t>{201, 202, 203, 204}));
  EXPECT_EQ(StackIDs(roster, 3), (std::vector<int32_t>{301, 302, 303, 304}));
  EXPECT_EQ(StackIDs(roster, 4), (std::vector<int32_t>{601}));
  EXPECT_EQ(project.StoredPoints(104), 100);
  EXPECT_EQ(project.StoredPoints(501), 400);  // every season row is rescored
  EXPECT_EQ(QueryText(project.databasePath, "SELECT CatID FROM tblScoringSystem;"), "14");

  // Roster baselines at the third player (1 place x 3 teams); the kicker's
  // pointer is lowered to the end of his one-player stack.
  EXPECT_EQ(roster.RBL(kQB), 200);
  EXPECT_EQ(roster.RBL(kRB), 150);
  EXPECT_EQ(roster.RBL(kWR), 220);
  EXPECT_EQ(roster.RBL(kK), 120);
  EXPECT_EQ(roster.StackPlayerBaseline(1, 0), 100);   // 300 - 200
  EXPECT_EQ(roster.StackPlayerBaseline(1, 3), -100);  // 100 - 200
  EXPECT_EQ(roster.StackPlayerBaseline(2, 2), 0);
  EXPECT_EQ(roster.StackPlayerBaseline(4, 0), 0);
  EXPECT_EQ(roster.BaselineMode(), 1);

  // The league's limits and merges went into the position table.
  EXPECT_EQ(QueryText(project.databasePath, "SELECT MergeAsID FROM tblPositions WHERE ID = 9;"), "3");
  EXPECT_EQ(QueryText(project.databasePath, "SELECT FullRosterMax FROM tblPositions WHERE ID = 1;"), "2");
  EXPECT_EQ(project.seams.progress.listItems,
            (std::vector<std::string>{"Opening Season.pro", "Opening Three.lgp", "Opening Rushing.sco",
                                      "Applying Scoring System to Projected Stats...",
                                      "Generating Postion Stacks..."}));
  EXPECT_EQ(project.seams.progress.totalBottomText, "Generating Cheat Sheet");
}

TEST_F(CheatSheetJob, LeagueRosterErrorsStopBeforeTheScoringRun) {
  struct Case {
    std::vector<LGPRosterSizeRecord> sizes;
    std::string text;
    std::string fileBytes;  // written over the league when not empty
  };
  const std::string noAllMax = "'All Roster Max' value required in League Properties File.";
  const Case cases[] = {
      // Positions with limits but no whole-roster maximum.
      {{{1, 1, 0, 0, 0, 0}, {2, 2, 0, 1, 1, 1}, {3, 3, 0, 1, 1, 1}}, noAllMax, ""},
      // A whole-roster maximum and nothing to fill it with.
      {{{1, 1, 0, 2, 0, 2}, {2, 2, 0, 0, 0, 0}}, "No positions are selected in League Properties File.", ""},
      // An unreadable league reads as one without roster sizes.
      {{}, noAllMax, "not a league"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + c.fileBytes);
    LeaguePlan plan;
    plan.sizes = c.sizes;
    project.WriteLeague(plan);
    if (!c.fileBytes.empty()) WriteFile(project.leaguePath, c.fileBytes);
    project.seams.messages.messages.clear();
    mock = clsMockDraft();
    clsKickwellDB fresh;
    EXPECT_FALSE(calc::CalculateCheatSheet(project.Status(), mock, roster, fresh));
    if (const MessageCall* m = OnlyMessage()) {
      EXPECT_EQ(m->caption, "League Properties Error");
      EXPECT_EQ(m->text, c.text);
      EXPECT_EQ(m->buttonSet, 2);
      EXPECT_TRUE(m->modal);
    }
    EXPECT_EQ(roster.ActivePositions(), -1);
    EXPECT_EQ(project.StoredPoints(104), 999);
  }
  EXPECT_EQ(mock.OwnerCount(), 0);
}

TEST_F(CheatSheetJob, ADatabaseThatDoesNotOpenStopsTheJob) {
  {
    clsKickwellDB opened;
    EXPECT_TRUE(calc::OpenProjectedStatsDB(project.Status(), opened));
    EXPECT_TRUE(opened.IsOpen());
  }
  WriteFile(project.databasePath, "SQLite format 3 but not really");
  EXPECT_FALSE(Run());
  const MessageCall* m = OnlyMessage();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->caption, "File Error");
  EXPECT_FALSE(m->text.empty());
  EXPECT_FALSE(db.IsOpen());
  EXPECT_EQ(roster.ActivePositions(), -1);

  GlobalProject().SetValue(kProjProjectedStatsFile, "Gone.pro");
  clsKickwellDB missing;
  EXPECT_FALSE(calc::CalculateCheatSheet(project.Status(), mock, roster, missing));
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_EQ(project.seams.progress.listItems.back(), "Opening Gone.pro");
  ASSERT_EQ(project.seams.messages.plain.size(), 1u);
  EXPECT_EQ(project.seams.messages.plain[0].caption, "File Error");
  EXPECT_EQ(project.seams.messages.plain[0].text,
            "File Not Found:  '" + project.work.Path() + "pro/Gone.pro'");
}

TEST_F(CheatSheetJob, AScoringSystemWithoutRulesStopsTheJobAndKeepsTheStoredRules) {
  const std::string storedRules = QueryText(project.databasePath, "SELECT COUNT(*) FROM tblScoringSystem;");
  WriteFile(project.scoringPath, std::string(35, '\0'));  // not one whole rule
  EXPECT_FALSE(Run());
  const MessageCall* m = OnlyMessage();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->caption, "Scoring System Error");
  EXPECT_EQ(m->text, "Unable to load the scoring rules of Scoring System File: Rushing.sco.");
  EXPECT_EQ(project.StoredPoints(104), 999);
  EXPECT_EQ(QueryText(project.databasePath, "SELECT COUNT(*) FROM tblScoringSystem;"), storedRules);
  EXPECT_EQ(roster.ActivePositions(), -1);
}

TEST_F(CheatSheetJob, ARunThatChangesNothingLeavesTheFileAsItWasAndAChangedLeagueOrScoringReachesIt) {
  ASSERT_TRUE(Run());
  db.pSbCloseKickwellDB();
  const std::string bytes = ReadFile(project.databasePath);
  ASSERT_TRUE(Run());
  db.pSbCloseKickwellDB();
  EXPECT_EQ(ReadFile(project.databasePath), bytes);

  LeaguePlan plan;
  plan.sizes[1].RosterMax = 3;  // quarterbacks
  project.WriteLeague(plan);
  project.WriteScoring(2);
  ASSERT_TRUE(Run());
  EXPECT_EQ(QueryText(project.databasePath, "SELECT FullRosterMax FROM tblPositions WHERE ID = 2;"), "3");
  EXPECT_EQ(project.StoredPoints(101), 150);
}

TEST_F(CheatSheetJob, ChangesBetweenRunsReachTheNextRankingFromThisProgramOrAnother) {
  ASSERT_TRUE(Run());
  EXPECT_EQ(roster.Stack(1).ByeWeek(0), 11);  // Able, ARI
  // Another program moves ARI's bye week and gives Able an ADP.
  ExecuteSql(project.databasePath,
             "UPDATE tblByeWeeks SET ByeWeek = 5 WHERE TeamID = 1 AND Year = 2024;"
             "UPDATE tblStat0 SET ADP = 3 WHERE PlayerID = (SELECT ID FROM tblPlayers WHERE MasterID = 101);");
  ASSERT_TRUE(Run());
  EXPECT_EQ(roster.Stack(1).ByeWeek(0), 5);
  EXPECT_EQ(roster.Stack(1).ADP(0), 3);
  // This program makes Dunn a running back.
  db.Database().Execute("UPDATE tblPlayers SET PosID = 3 WHERE MasterID = 104;");
  ASSERT_TRUE(Run());
  EXPECT_EQ(StackIDs(roster, 1), (std::vector<int32_t>{101, 102, 103}));
  EXPECT_EQ(StackIDs(roster, 2), (std::vector<int32_t>{201, 202, 203, 204, 104}));
}

TEST_F(CheatSheetJob, CancelDuringTheScoringRunStopsTheJob) {
  // Cancel at the first row the scoring run yields after.
  project.seams.yield.onYield = [this](int) {
    if (project.seams.progress.bottomText == "Applying Scoring System to Projected Stats") CancelFlag = true;
  };
  EXPECT_FALSE(Run());
  EXPECT_TRUE(project.seams.messages.messages.empty());
  EXPECT_EQ(roster.ActivePositions(), -1);
}

TEST_F(CheatSheetJob, ApplyScoringSystemRescoresUnderItsOwnWindow) {
  ASSERT_TRUE(db.InitializeKickwellDB(project.databasePath)) << db.LastError();
  project.WriteScoring(40);  // partial units count: 300 / 40 = 7.5
  EXPECT_TRUE(calc::ApplyScoringSystem("Rushing.sco", db));
  EXPECT_EQ(project.StoredPoints(101), 7.5);
  EXPECT_EQ(project.StoredPoints(102), 7.25);
  EXPECT_EQ(db.ModifiedScoring(), 0);
  const std::vector<std::string>& log = project.seams.progress.log;
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(log[0], "Load");
  EXPECT_EQ(log[1], "Caption Apply Scoring System");
  EXPECT_EQ(log.back(), "Unload");
  EXPECT_EQ(project.seams.progress.shows, 1);
  EXPECT_EQ(project.seams.progress.totalBottomText, "Applying Scoring System to Projected Stats");
  EXPECT_TRUE(project.seams.messages.captions.empty());
}

TEST_F(CheatSheetJob, ApplyScoringSystemRefusesAMissingNameOrAFileWithoutRules) {
  ASSERT_TRUE(db.InitializeKickwellDB(project.databasePath)) << db.LastError();
  EXPECT_FALSE(calc::ApplyScoringSystem("", db));
  ASSERT_EQ(project.seams.messages.plain.size(), 1u);
  EXPECT_EQ(project.seams.messages.plain[0].text, "Scoring System File required.");
  EXPECT_EQ(project.seams.messages.plain[0].caption, "Apply Scoring System Canceled");
  EXPECT_EQ(project.seams.messages.plain[0].buttons, seams::PlainButtons::kOk);
  EXPECT_EQ(project.seams.progress.loads, 0);

  EXPECT_FALSE(calc::ApplyScoringSystem("Gone.sco", db));
  ASSERT_EQ(project.seams.messages.plain.size(), 2u);
  EXPECT_EQ(project.seams.messages.plain[1].text,
            "File Not Found:  '" + project.work.Path() + "sco/Gone.sco'");

  WriteFile(project.scoringPath, "short");
  EXPECT_FALSE(calc::ApplyScoringSystem("Rushing.sco", db));
  EXPECT_EQ(project.seams.messages.captions.back(), "Scoring System Error");
  EXPECT_EQ(project.seams.progress.unloads, 2);
  EXPECT_EQ(project.StoredPoints(104), 999);
}

}  // namespace
