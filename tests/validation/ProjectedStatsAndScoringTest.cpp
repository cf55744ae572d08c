#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProjectFixture.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"

namespace {

using Lines = std::vector<std::string>;

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
  clsScoringIsolate scoring;
  scoring.AddNew();  // Passing Yards, a sound rule
  scoring.SetCatID(3);
  scoring.SetPoints(0.04f);
  scoring.SetFieldVal(1.0f);
  scoring.SetRangeMin(-99999.0f);
  scoring.SetRangeMax(99999.0f);
  scoring.SetApplyToPos(1 << 2);
  scoring.AddNew();  // Passing Touchdowns, every field 0
  scoring.SetCatID(4);
  scoring.AddNew();  // a category the database does not know
  scoring.SetCatID(9999);
  scoring.SetPoints(6.0f);
  scoring.SetFieldVal(1.0f);
  scoring.SetApplyToPos(2);
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
  rules.AddNew();
  rules.SetPoints(0.1f);
  rules.SetFieldVal(10.0f);
  rules.SetRangeMin(-99999.0f);
  rules.SetRangeMax(99999.0f);
  rules.SetApplyToPos((1 << 1) | (1 << 3) | (1 << 17));
  EXPECT_EQ(clsProjectValidation::ScoringRuleText(rules, db),
            "0.1 Pts For Every 10 In Range No Limit to No Limit {All RB DST}");
  rules.SetPoints(-2.5f);
  rules.SetFieldVal(-99999.0f);
  rules.SetRangeMin(100.0f);
  rules.SetRangeMax(199.5f);
  rules.SetApplyToPos(0);
  EXPECT_EQ(clsProjectValidation::ScoringRuleText(rules, db), "-2.5 Pts For Value In Range 100 to 199.5 {}");
}

}  // namespace
