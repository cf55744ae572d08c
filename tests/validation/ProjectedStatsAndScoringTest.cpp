#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "ProjectFixture.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"

namespace {

using Lines = std::vector<std::string>;

void AddRule(clsScoringIsolate& s, int32_t cat, float points, float every, float lo, float hi, int32_t mask) {
  s.AddNew();
  s.SetCatID(cat);
  s.SetPoints(points);
  s.SetFieldVal(every);
  s.SetRangeMin(lo);
  s.SetRangeMax(hi);
  s.SetApplyToPos(mask);
}

class ProjectedStatsCheck : public kdtest::ProjectTest {
 protected:
  clsKickwellDB db;
};

TEST_F(ProjectedStatsCheck, FileWithPlayersPasses) {
  WriteProjectedStats("Season.pro", 3);
  Name(kProjProjectedStatsFile, "Season.pro");
  EXPECT_EQ(validation.ValidateProjectedStats(db), 0);
  EXPECT_EQ(lines.valid,
            (Lines{"", " * PROJECTED STATS VALIDATION", "PRO [" + Work("pro/Season.pro") + "] found.",
                   "PRO loaded.", "PRO Player Count = 3."}));
  EXPECT_TRUE(db.IsOpen());
}

TEST_F(ProjectedStatsCheck, EachFailingStepEndsTheCheck) {
  WriteProjectedStats("Bare.pro", 0);
  kdtest::WriteFile(Work("pro/Text.pro"), "not a database at all");
  struct Case {
    const char* name;
    std::string error;
    std::size_t validLines;
  };
  const Case cases[] = {
      {"", "Error PRO no file selected.", 2},
      {"Gone.pro", "Error PRO [" + Work("pro/Gone.pro") + "] not found.", 2},
      {"Text.pro", "Error PRO  could not load.", 3},
      {"Bare.pro", "Error PRO Player Count = 0.", 4},
  };
  for (const Case& c : cases) {
    lines = {};
    lines.Attach(validation);
    Name(kProjProjectedStatsFile, c.name);
    EXPECT_EQ(validation.ValidateProjectedStats(db), 2) << c.name;
    EXPECT_EQ(lines.error, Lines{c.error}) << c.name;
    EXPECT_EQ(lines.valid.size(), c.validLines) << c.name;
  }
  EXPECT_TRUE(fakes.messages.captions.empty());
}

class ScoringCheck : public kdtest::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    WriteDefaultDatabase();
    ASSERT_TRUE(db.InitializeKickwellDB(Work("def/Default.pro")));
  }
  clsKickwellDB db;
};

TEST_F(ScoringCheck, UnnamedMissingOrUnreadableFileIsAnError) {
  std::filesystem::create_directories(Work("sco/Folder.sco"));
  struct Case {
    const char* name;
    std::string error;
  };
  const Case cases[] = {
      {"", "Error SCO no file selected."},
      {"Gone.sco", "Error SCO [" + Work("sco/Gone.sco") + "] not found."},
      {"Folder.sco", "Error SCO could not load."},
  };
  for (const Case& c : cases) {
    lines = {};
    lines.Attach(validation);
    Name(kProjScoringSystemFile, c.name);
    EXPECT_EQ(validation.ValidateScoringSystem(db), 2) << c.name;
    EXPECT_EQ(lines.error, Lines{c.error}) << c.name;
  }
}

TEST_F(ScoringCheck, FileWithoutWholeRuleIsASystemOfNoRules) {
  for (const std::string& bytes : {std::string(), std::string(20, '\x01')}) {
    lines = {};
    lines.Attach(validation);
    kdtest::WriteFile(Work("sco/None.sco"), bytes);
    Name(kProjScoringSystemFile, "None.sco");
    EXPECT_EQ(validation.ValidateScoringSystem(db), 1) << bytes.size();
    EXPECT_EQ(lines.warning, (Lines{"Warning SCO 0 scoring rules."}));
    EXPECT_EQ(lines.valid,
              (Lines{"", " * SCORING SYSTEM VALIDATION", "SCO [" + Work("sco/None.sco") + "] found.",
                     "SCO loaded.", "SCO checking for zero values in Points/For Every X."}));
    EXPECT_TRUE(lines.error.empty());
  }
}

TEST_F(ScoringCheck, EveryRuleIsListedWithItsZeroValuesAndUnknownCategories) {
  // Passing Yards, a sound rule; Passing Touchdowns, every field 0; a
  // category the database does not know.
  clsScoringIsolate scoring;
  AddRule(scoring, 3, 0.04f, 1.0f, -99999.0f, 99999.0f, 1 << 2);
  AddRule(scoring, 4, 0, 0, 0, 0, 0);
  AddRule(scoring, 9999, 6.0f, 1.0f, 0, 0, 2);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(Work("sco/Std.sco"), scoring));
  Name(kProjScoringSystemFile, "Std.sco");

  EXPECT_EQ(validation.ValidateScoringSystem(db), 2);
  EXPECT_EQ(
      lines.valid,
      (Lines{"", " * SCORING SYSTEM VALIDATION", "SCO [" + Work("sco/Std.sco") + "] found.", "SCO loaded.",
             "SCO 3 scoring rules.", "SCO checking for zero values in Points/For Every X.",
             "SCO Rule Passing Yards [0.04 Pts For Every 1 In Range No Limit to No Limit {QB}].",
             "SCO Rule Passing Touchdowns [0 Pts For Every 0 In Range 0 to 0 {}]."}));
  EXPECT_EQ(lines.warning,
            (Lines{"Warning SCO Rule Passing Touchdowns Points = 0",
                   "Warning SCO Rule Passing Touchdowns Apply To Pos = No Positon(s) Selected.",
                   "Warning SCO  - PRO Scoring Category [9999] not found in PRO."}));
  EXPECT_EQ(lines.error, (Lines{"Error SCO Rule Passing Touchdowns For Every X = 0."}));
}

TEST_F(ScoringCheck, RuleTextShowsOpenEndsAndPositions) {
  clsScoringIsolate rules;
  AddRule(rules, 0, 0.1f, 10.0f, -99999.0f, 99999.0f, (1 << 1) | (1 << 3) | (1 << 17));
  EXPECT_EQ(clsProjectValidation::ScoringRuleText(rules, db),
            "0.1 Pts For Every 10 In Range No Limit to No Limit {All RB DST}");
  AddRule(rules, 0, -2.5f, -99999.0f, 100.0f, 199.5f, 0);
  EXPECT_EQ(clsProjectValidation::ScoringRuleText(rules, db), "-2.5 Pts For Value In Range 100 to 199.5 {}");
}

// A projected-stats file that shows only four categories to the min/max
// check: passing yards past the high limit in two rows of one player, an
// ordinary rushing yardage, extra points exactly at the high limit and
// points allowed past the low limit.
// 2 to the 128th, just beyond the largest Single: no rule can score it.
const std::string kBeyondSingle = "340282366920938463463374607431768211456";

class StatChecks : public kdtest::ProjectTest {
 protected:
  void OpenStats(const std::string& extraSql = "") {
    const std::string path = Work("pro/Season.pro");
    kdtest::WriteTemplateDatabase(path);
    kdtest::ExecuteSql(path, R"sql(
UPDATE tblStatCategories SET DisplayType = 0 WHERE ID NOT IN (3, 14, 31, 99);
INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
  (1, 1001, 'Passer, Quinn', 0, 3, 2), (2, 1002, 'Wall, Dee', 0, 3, 7);
INSERT INTO tblStat2 (PlayerID, Week, Fld5, Year) VALUES (1, 250, 25000.5, 2024), (1, 1, 21000, 2024);
INSERT INTO tblStat3 (PlayerID, Week, Fld4, Year) VALUES (1, 250, -12, 2024), (1, 1, 12, 2024);
INSERT INTO tblStat6 (PlayerID, Week, Fld3, Year) VALUES (2, 250, 20000, 2024);
INSERT INTO tblStat11 (PlayerID, Week, Fld3, Year) VALUES (2, 250, -15000, 2024);
)sql");
    if (!extraSql.empty()) kdtest::ExecuteSql(path, extraSql);
    Name(kProjProjectedStatsFile, "Season.pro");
    ASSERT_TRUE(db.InitializeKickwellDB(path));
  }

  // Rules of `points` per unit from 0 up, one per category.
  void WriteRules(const std::string& name, const std::vector<std::pair<int32_t, float>>& rules) {
    clsScoringIsolate scoring;
    for (const auto& [catID, points] : rules) AddRule(scoring, catID, points, 1.0f, 0.0f, 99999.0f, 2);
    ASSERT_TRUE(basSCOFileControl::WriteScoFile(Work("sco/" + name), scoring));
    Name(kProjScoringSystemFile, name);
  }

  clsKickwellDB db;
};

TEST_F(StatChecks, MinMaxWarnsAboutExtremesAndListsEveryRowPastALimit) {
  OpenStats();
  EXPECT_EQ(validation.ValidateStatMinMax(db), 1);
  // A whole number keeps its point; a maximum of exactly 20000 is warned
  // about, but nobody is listed above it.
  EXPECT_EQ(lines.valid, (Lines{"", " * PROJECTED STATS MIN MAX VALIDATION",
                                "PRO Rushing Yards Min / Max Value = -12. / 12."}));
  EXPECT_EQ(lines.warning,
            (Lines{"Warning PRO Passing Yards Min / Max Value = 0. / 25000.5 Low/High Value Warning",
                   "Warning PRO Passer, Quinn Passing Yards Value [25000.5] High Value Warning.",
                   "Warning PRO Passer, Quinn Passing Yards Value [21000] High Value Warning.",
                   "Warning PRO Extra Points Made Min / Max Value = 0. / 20000. Low/High Value Warning",
                   "Warning PRO Points Allowed Min / Max Value = -15000. / 0. Low/High Value Warning",
                   "Warning PRO Wall, Dee Points Allowed Value [-15000] Low Value Warning."}));
  EXPECT_TRUE(lines.error.empty());
}

TEST_F(StatChecks, ScoredValuesUseEachRulesOwnExtremesAndAFailureIsAnError) {
  OpenStats("UPDATE tblStat6 SET Fld3 = " + kBeyondSingle + ";");
  // The unknown category keeps its place: the rules after it score their
  // own category's extremes.
  WriteRules("Std.sco", {{9999, 1.0f}, {14, 0.1f}, {3, 10.0f}, {31, 1.0f}});
  EXPECT_EQ(validation.ValidateScoringApplied(db), 2);
  EXPECT_EQ(lines.valid,
            (Lines{"", " * SCORING SYSTEM APPLIED TO PROJECTED STATS VALIDATION",
                   "PRO Rushing Yards Min / Max Values = -12. / 12. /w Scoring = 0.000 / 1.200.",
                   "PRO Passing Yards Min / Max Values = 0. / 25000.5 /w Scoring = 0.000 / 250000.000."}));
  EXPECT_EQ(lines.warning, (Lines{"Warning SCO Rule Passing Yards Large Max Value /w Scoring 250000.000"}));
  EXPECT_EQ(lines.error, (Lines{"Error PRO Extra Points Made Min / Max Values = 0. / " + kBeyondSingle +
                                ". /w Scoring = 0.000 / Error."}));
  EXPECT_EQ(fakes.yield.count, 1);

  // A large score alone is only a note.
  WriteRules("Big.sco", {{3, 10.0f}});
  EXPECT_EQ(validation.ValidateScoringApplied(db), 0);
  EXPECT_EQ(lines.warning.size(), 2u);
}

TEST_F(StatChecks, ScoredValueCheckOfAnUnreadableFileEndsAfterItsHeading) {
  OpenStats();
  std::filesystem::create_directories(Work("sco/Folder.sco"));
  Name(kProjScoringSystemFile, "Folder.sco");
  EXPECT_EQ(validation.ValidateScoringApplied(db), 0);
  EXPECT_EQ(lines.valid, (Lines{"", " * SCORING SYSTEM APPLIED TO PROJECTED STATS VALIDATION"}));
  EXPECT_EQ(fakes.yield.count, 0);
}

TEST_F(StatChecks, RunsPlaceTheChecksAndCountScoringFailures) {
  WriteDefaultDatabase();
  OpenStats("UPDATE tblStat6 SET Fld3 = " + kBeyondSingle + ";");
  WriteRules("Std.sco", {{31, 1.0f}});
  const Lines headings = {" * PROJECTED STATS VALIDATION", " * PROJECTED STATS MIN MAX VALIDATION",
                          " * SCORING SYSTEM VALIDATION",
                          " * SCORING SYSTEM APPLIED TO PROJECTED STATS VALIDATION",
                          " * LEAGUE PROPERTIES VALIDATION"};
  const auto runHeadings = [this] {
    Lines found;
    for (const std::string& line : lines.valid)
      if (line.rfind(" * ", 0) == 0) found.push_back(line);
    return found;
  };
  EXPECT_EQ(validation.ValidateProject(false, false, false), 2);
  EXPECT_EQ(runHeadings(), headings);
  const std::string scoringError = "Error PRO Extra Points Made Min / Max Values = 0. / " + kBeyondSingle +
                                   ". /w Scoring = 0.000 / Error.";
  EXPECT_EQ(lines.error, (Lines{scoringError, "Error LGP no file selected."}));

  // The file's extreme values only warn: it still serves the scoring checks,
  // whose failure to score them is the scoring system's error.
  lines = {};
  lines.Attach(validation);
  int32_t league = 0, scoring = 0, projected = 0, userMock = 0;
  validation.ModularValidation(league, scoring, projected, userMock);
  EXPECT_EQ(projected, 1);
  EXPECT_EQ(scoring, 2);
  EXPECT_EQ(lines.error.front(), scoringError);
}

}  // namespace
