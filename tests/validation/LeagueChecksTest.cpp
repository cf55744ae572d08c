#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "ProjectFixture.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"

namespace {

using Lines = std::vector<std::string>;

class LeagueChecks : public kdtest::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    WriteDefaultDatabase();
    ASSERT_TRUE(db.InitializeKickwellDB(Work("def/Default.pro")));
  }
  clsLeagueIsolate Load(const std::string& name) {
    clsLeagueIsolate league;
    league.SetFilePath(Work("lgp/"));
    league.SetFileName(name);
    EXPECT_TRUE(league.LoadLeagueProps());
    return league;
  }

  clsKickwellDB db;
};

TEST_F(LeagueChecks, LoadedLeagueLinesInOrder) {
  WriteLeague("Two.lgp", {{"Alpha", ""}, {"Bravo", ""}}, 2, {1, 2, 2, 1}, {{1, 1, 0, 4, 0, 2}});
  Name(kProjLeaguePropertiesFile, "Two.lgp");
  clsLeagueIsolate league;
  EXPECT_EQ(validation.ValidateLeagueProperties(db, league, false, false), 0);
  EXPECT_EQ(lines.valid,
            (Lines{"", " * LEAGUE PROPERTIES VALIDATION", "LGP [" + Work("lgp/Two.lgp") + "] found.",
                   "LGP  loaded.", "LGP Team Count = 2.", "LGP Draft Rounds = 2.",
                   "LGP Draft Order Team IDs are Valid.", "", " * LEAGUE PROPERTIES ROSTER SIZE VALIDATION",
                   "LGP POS - MAP - RMin - RMax - SMin - SMax", "LGP All   All    0      4      0      2  ",
                   "LGP All Roster Max = 4."}));
  EXPECT_TRUE(lines.warning.empty());
  EXPECT_TRUE(lines.error.empty());
  EXPECT_EQ(league.TeamCount(), 2);  // the caller's object holds the loaded league

  // A league without a draft order has no draft-order line.
  WriteLeague("NoOrder.lgp", {{"Alpha", ""}}, 3, {}, {{1, 1, 0, 2, 0, 1}});
  Name(kProjLeaguePropertiesFile, "NoOrder.lgp");
  lines = {};
  lines.Attach(validation);
  EXPECT_EQ(validation.ValidateLeagueProperties(db, league, false, false), 0);
  for (const std::string& line : lines.valid) EXPECT_EQ(line.find("Draft Order"), std::string::npos) << line;
}

TEST_F(LeagueChecks, MissingOrUnreadableLeagueEndsTheCheckWithAnError) {
  kdtest::WriteFile(Work("lgp/Short.lgp"), "Vellacorn");
  struct Case {
    const char* name;
    std::string error;
  };
  const Case cases[] = {
      {"", "Error LGP no file selected."},
      {"Gone.lgp", "Error LGP [" + Work("lgp/Gone.lgp") + "] not found."},
      {"Short.lgp", "Error LGP  unable to load."},
  };
  for (const Case& c : cases) {
    lines = {};
    lines.Attach(validation);
    Name(kProjLeaguePropertiesFile, c.name);
    clsLeagueIsolate league;
    EXPECT_EQ(validation.ValidateLeagueProperties(db, league, true, false), 2) << c.name;
    EXPECT_EQ(lines.error, Lines{c.error}) << c.name;
    // No roster or strategy-file check; the conflict check finds no picks.
    EXPECT_EQ(Lines(lines.valid.end() - 2, lines.valid.end()),
              (Lines{"", " * LEAGUE PROPERTIES DRAFT STRATEGY CONFLICTS"}))
        << c.name;
  }
}

TEST_F(LeagueChecks, MockOnlyProblemsAreWarningsOrErrorsBySeverity) {
  // No rounds, an order built for three teams, no whole-roster maximum.
  WriteLeague("Odd.lgp", {{"Alpha", ""}, {"Bravo", ""}}, 0, {1, 2}, {{2, 2, 0, 1, 0, 1}}, 3, 1);
  Name(kProjLeaguePropertiesFile, "Odd.lgp");
  const Lines texts = {"LGP Draft Rounds = 0. * Mock.", "LGP Draft Order Team IDs are Invalid - * Mock.",
                       "LGP All Roster Max = 0. * Mock."};
  {
    clsLeagueIsolate league;
    EXPECT_EQ(validation.ValidateLeagueProperties(db, league, false, false), 1);
    EXPECT_EQ(lines.warning, (Lines{"Warning " + texts[0], "Warning " + texts[1], "Warning " + texts[2]}));
    EXPECT_TRUE(lines.error.empty());
  }
  lines = {};
  lines.Attach(validation);
  clsLeagueIsolate league;
  EXPECT_EQ(validation.ValidateLeagueProperties(db, league, false, true), 2);
  EXPECT_EQ(lines.error, (Lines{"Error " + texts[0], "Error " + texts[1], "Error " + texts[2]}));
}

TEST_F(LeagueChecks, RosterLimitsThatConflict) {
  WriteLeague("Limits.lgp", {{"Alpha", ""}}, 1, {},
              {
                  {1, 1, 0, 15, 0, 9},
                  {2, 2, 3, 2, 0, 1},        // QB: more required than allowed
                  {3, 3, 0, 2, 0, 1234567},  // RB: a starter maximum too wide for its column
                  {6, 6, 0, 0, 0, 0},        // K: not in use, merges into nothing
                  {9, 3, 0, 0, 0, 0},        // FB: not in use, merges into RB
              });
  clsLeagueIsolate league = Load("Limits.lgp");
  EXPECT_EQ(validation.ValidateRosterSizes(league, db, false), 2);
  EXPECT_EQ(lines.error,
            (Lines{
                "Error LGP Quarterback RosterMin = 3 RosterMax = 2 RosterMin must be <= RosterMax.",
                "Error LGP QB    QB     3      2      0      1   Conflict.",
                "Error LGP Running Back StarterMax = 1234567 RosterMax = 2 StarterMax must be <= RosterMax.",
                "Error LGP RB    RB     0      2      0      123 Conflict.",
            }));
  EXPECT_EQ(lines.valid,
            (Lines{"", " * LEAGUE PROPERTIES ROSTER SIZE VALIDATION",
                   "LGP POS - MAP - RMin - RMax - SMin - SMax", "LGP All   All    0      15     0      9  ",
                   "LGP FB    RB     0      0      0      0  ", "LGP All Roster Max = 15."}));
  EXPECT_TRUE(lines.warning.empty());
}

TEST_F(LeagueChecks, EveryFailingLimitTestAddsItsOwnLine) {
  WriteLeague("Bad.lgp", {{"Alpha", ""}}, 1, {}, {{1, 1, 0, 5, 0, 5}, {5, 5, -1, 0, 3, -2}});
  clsLeagueIsolate league = Load("Bad.lgp");
  EXPECT_EQ(validation.ValidateRosterSizes(league, db, false), 2);
  EXPECT_EQ(lines.error,
            (Lines{
                "Error LGP Tight End RosterMax = 0 must be > 0.",
                "Error LGP Tight End RosterMin = -1 must be > -1.",
                "Error LGP Tight End StarterMax = -2 must be > 0.",
                "Error LGP Tight End StarterMin = 3 RosterMax = 0 StarterMin must be <= RosterMax.",
                "Error LGP Tight End StarterMin = 3 StarterMax = -2 StarterMin must be <= StarterMax.",
                "Error LGP TE    TE     -1     0      3      -2  Conflict.",
            }));
}

TEST_F(LeagueChecks, HugeHighestPositionIDCostsNothing) {
  db.pSbCloseKickwellDB();
  kdtest::ExecuteSql(Work("def/Default.pro"),
                     "INSERT INTO tblPositions (ID, Pos, PosFullName, DisplayOrder, MergeAsID) "
                     "VALUES (2147483000, 'XX', 'Far Away', 99, 2147483000);");
  ASSERT_TRUE(db.InitializeKickwellDB(Work("def/Default.pro")));
  ASSERT_EQ(db.pFnGetMaxPosID(), 2147483000);
  WriteLeague("Far.lgp", {{"Alpha", ""}}, 1, {}, {{1, 1, 0, 3, 0, 2}, {2147483000, 2147483000, 0, 1, 0, 1}});
  clsLeagueIsolate league = Load("Far.lgp");
  EXPECT_EQ(validation.ValidateRosterSizes(league, db, false), 0);
  EXPECT_EQ(lines.valid.size(), 6u);
  EXPECT_EQ(lines.valid[4], "LGP XX    XX     0      1      0      1  ");
}

TEST_F(LeagueChecks, StrategyFilesAreListedOnceAndEachRuleIsChecked) {
  WriteStrategy("Safe.stg", {
                                {5, 3, 0, 0, {2}},
                                {6, 999, 9, 1, {1, 3}},
                            });
  WriteLeague("Three.lgp", {{"Alpha", "Safe.stg"}, {"Bravo", " Safe.stg "}, {"Charlie", "Bold.stg"}}, 1, {},
              {{1, 1, 0, 2, 0, 1}});
  clsLeagueIsolate league = Load("Three.lgp");
  EXPECT_EQ(validation.ValidateStrategyFiles(league, db, false), 1);
  EXPECT_EQ(validation.StrategyFileList(), (Lines{"Safe.stg", "Bold.stg"}));
  EXPECT_EQ(validation.StrategyFiles(), "Draft Strategy File [" + Work("stg/Safe.stg") +
                                            "]\r\nDraft Strategy File [" + Work("stg/Bold.stg") + "]");
  EXPECT_EQ(lines.valid, (Lines{
                             "",
                             " * STRATEGY FILE VALIDATION",
                             "LGP [" + Work("stg/Safe.stg") + "] loaded.",
                             "LGP Safe.stg Rule 1 Method Open Roster.",
                             "LGP Safe.stg Rule 1 Compare Full Points.",
                             "LGP Safe.stg Rule 1 Factors .",
                             "LGP Safe.stg Rule 1 Include Positions [QB] .",
                             "LGP Safe.stg Rule 2 Draft Round Range 6 to Last.",
                             "LGP Safe.stg Rule 2 Compare Roster Value.",
                             "LGP Safe.stg Rule 2 Factors .",
                         }));
  EXPECT_EQ(lines.warning, (Lines{
                               "Warning LGP Safe.stg Rule 1 Draft Round Range 5 to 3 Invalid * Mock.",
                               "Warning LGP Safe.stg Rule 2 Method Unknown * Mock.",
                               "Warning LGP Safe.stg Rule 2 Include Positions [ROS] [RB]  - [Any] used with "
                               "other selected positions.",
                               "Warning LGP [" + Work("stg/Bold.stg") + "] not found. * Mock",
                           }));
  EXPECT_TRUE(lines.error.empty());

  // In a mock run a strategy file that does not load is an error.
  EXPECT_EQ(validation.ValidateStrategyFile("Gone.stg", db, true), 2);
  EXPECT_EQ(lines.error, (Lines{"Error LGP [" + Work("stg/Gone.stg") + "] not found. * Mock"}));
}

}  // namespace
