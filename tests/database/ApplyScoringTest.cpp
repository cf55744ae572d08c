#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "TemplateFixture.h"
#include "core/clsStatusPlain.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/runtime/Rounding.h"

namespace {

constexpr int32_t kAll = 1 << 1;
constexpr int32_t kQB = 1 << 2;
constexpr int32_t kRB = 1 << 3;
constexpr int32_t kWR = 1 << 4;
constexpr int32_t kK = 1 << 6;

struct Rule {
  float points;
  int32_t catID;
  float fieldVal;
  float rangeMin;
  float rangeMax;
  int32_t mask;
  int16_t fdm = 0;
};

void AddRule(clsScoringIsolate& s, const Rule& r) {
  s.AddNew();
  s.SetPoints(r.points);
  s.SetCatID(r.catID);
  s.SetFieldVal(r.fieldVal);
  s.SetRangeMin(r.rangeMin);
  s.SetRangeMax(r.rangeMax);
  s.SetApplyToPos(r.mask);
  s.SetFDM(r.fdm);
}

std::string RulesSql(const std::vector<Rule>& rules) {
  std::string sql = "DELETE FROM tblScoringSystem;";
  for (const Rule& r : rules) {
    sql +=
        "INSERT INTO tblScoringSystem (Points, CatID, FieldVal, RangeMin, RangeMax, RangeRestrict, "
        "ApplyToPos) "
        "VALUES (" +
        std::to_string(r.points) + ", " + std::to_string(r.catID) + ", " + std::to_string(r.fieldVal) + ", " +
        std::to_string(r.rangeMin) + ", " + std::to_string(r.rangeMax) + ", 0, " + std::to_string(r.mask) +
        ");";
  }
  return sql;
}

// A quarterback (player 1) and a kicker (player 2). Every tblStat0 row
// starts with 99 points, so a row the run leaves alone is easy to see.
// In index order the rows are (1, 1, 2024), (1, 250, 2023), (1, 250, 2024)
// and (2, 250, 2024).
const char* const kPlayersSql = R"sql(
INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
  (1, 1001, 'Passer, Quinn', 0, 3, 2), (2, 1002, 'Kicker, Kim', 0, 3, 6);
INSERT INTO tblStat0 (PlayerID, Week, Points, ADP, Year) VALUES
  (1, 250, 99, 14.5, 2024), (1, 1, 99, 0, 2024), (1, 250, 99, 0, 2023), (2, 250, 99, 160, 2024);
INSERT INTO tblStat2 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Fld7, Year) VALUES
  (1, 250, 30, 20, 257, 2, 1, 2024), (1, 1, 5, 3, 60, 0, 0, 2024), (1, 250, 12, 8, 100, 0, 0, 2023);
INSERT INTO tblStat3 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Year) VALUES (1, 250, 8, -17, 0, 0, 2024);
INSERT INTO tblStat6 (PlayerID, Week, Fld3, Year) VALUES (2, 250, 3, 2024);
)sql";

// Hand-worked for the quarterback's 2024 season (257 passing yards, 2 TD,
// 1 interception, -17 rushing yards):
//   1 per 25 passing yards           257 / 25 = 10.28 -> 10 whole
//   4 per passing TD                  8
//   -2 per interception              -2
//   1 per 10 rushing yards, 0 up      -17 is below RangeMin: 0
//   1 per 10 rushing yards, -100..0   (-17 - 0) / 10 = -1.7 -> -1 whole
//   3 for 250+ passing yards          3 (a second rule on the category)
//   100 per passing TD, RB and WR     the quarterback is not in the mask: 0
//   1 per extra point, kickers only   0
//   100 for a category that does not exist: 0
// Whole units: 18. Fractional units: 10.28 + 8 - 2 - 1.7 + 3 = 17.58.
// The kicker: 3 extra points = 3. The 2023 season (100 yards) = 4; week 1
// (60 yards) = 2.
std::vector<Rule> StandardRules() {
  return {
      {1, 3, 25, 0, 99999, kAll},       {4, 4, 1, 0, 99999, kAll},  {-2, 5, 1, 0, 99999, kAll},
      {1, 14, 10, 0, 99999, kAll},      {1, 14, 10, -100, 0, kAll}, {3, 3, kThresholdRule, 250, 99999, kAll},
      {100, 4, 1, 0, 99999, kRB | kWR}, {1, 31, 1, 0, 99999, kK},   {100, 999, 1, 0, 99999, kAll},
  };
}

// Points the defaults folder (where the distribution maps are) at a test's
// own folder for its lifetime.
class ScopedDefaultsFolder {
 public:
  explicit ScopedDefaultsFolder(const std::string& folder) : saved_(DefaultsFolder) {
    DefaultsFolder = folder;
  }
  ~ScopedDefaultsFolder() { DefaultsFolder = saved_; }

 private:
  std::string saved_;
};

class ApplyScoring : public kdtest::TemplateFixture {
 protected:
  void Open(const std::string& extraSql = "") {
    TemplateFixture::Open(kPlayersSql + RulesSql(StandardRules()) + extraSql);
  }

  double Points(int player, int week, int year) {
    return std::stod(Query("SELECT Points FROM tblStat0 WHERE PlayerID = " + std::to_string(player) +
                           " AND Week = " + std::to_string(week) + " AND Year = " + std::to_string(year)));
  }

  // The four-byte change counter of the file's header: it moves with every
  // transaction that changed the file.
  std::string ChangeCounter() { return kdtest::ReadFile(path_).substr(24, 4); }
};

}  // namespace

// ------------------------------------------------------------------ one value

TEST(ValuePoints, FollowTheRuleKind) {
  const struct {
    const char* name;
    Rule rule;
    int32_t modified;
    double value;
    double points;
  } cases[] = {
      {"PerUnitWholeUnits", {1, 3, 10, 0, 99999, kAll}, 0, 57, 5},
      {"PerUnitFractionalUnits", {1, 3, 10, 0, 99999, kAll}, 1, 57, 5.7},
      {"OnlyModifiedScoringOneIsFractional", {1, 3, 10, 0, 99999, kAll}, 2, 57, 5},
      {"UnitsCountFromRangeMin", {2, 3, 10, 20, 99999, kAll}, 0, 57, 6},
      {"RangeCutsTheValue", {1, 3, 10, 0, 100, kAll}, 0, 157, 10},
      {"RangeCutsTheValueToWholeUnitsEvenWhenFractional", {1, 3, 10, 0, 95, kAll}, 1, 157, 9},
      {"ValueOnRangeMaxIsInside", {1, 3, 10, 0, 95, kAll}, 1, 95, 9.5},
      {"BelowRangeMinScoresNothing", {1, 3, 10, 20, 99999, kAll}, 1, 19.5, 0},
      {"ThresholdOnRangeMin", {4, 39, kThresholdRule, 40, 49, kAll}, 0, 40, 4},
      {"ThresholdOnRangeMax", {4, 39, kThresholdRule, 40, 49, kAll}, 0, 49, 4},
      {"ThresholdAboveRange", {4, 39, kThresholdRule, 40, 49, kAll}, 0, 49.5, 0},
      {"ThresholdBelowRange", {4, 39, kThresholdRule, 40, 49, kAll}, 0, 39.99, 0},
      // 49.000001 is 49 as a Single, so it is inside the range.
      {"RangeComparedInSinglePrecision", {4, 39, kThresholdRule, 40, 49, kAll}, 0, 49.000001, 4},
      {"FieldValZeroScoresNothing", {5, 3, 0, 0, 99999, kAll}, 1, 57, 0},
      {"NegativePointsPerUnit", {-2, 5, 1, 0, 99999, kAll}, 0, 3, -6},
      {"NegativeRangeCountsDownFromRangeMax", {2, 14, 1, -10, 0, kAll}, 0, -5, -10},
      {"NegativeRangeTruncatesTowardZero", {2, 14, 5, -10, 0, kAll}, 0, -7, -2},
      {"NegativeRangeFractional", {2, 14, 5, -10, 0, kAll}, 1, -7, -2.8},
      {"NegativeRangeAboveRangeMaxScoresNothing", {2, 14, 1, -10, 0, kAll}, 0, 3, 0},
      {"NegativeRangeBelowRangeMinScoresNothing", {2, 14, 1, -10, 0, kAll}, 0, -12, 0},
  };
  for (const auto& c : cases) {
    clsKickwellDB db;
    clsScoringIsolate scoring;
    AddRule(scoring, c.rule);
    db.SetModifiedScoring(c.modified);
    EXPECT_DOUBLE_EQ(db.pFnGetIsoScoringPoints(c.value, scoring), c.points) << c.name;
  }
}

TEST(ValuePointsErrors, AValueNoSingleCanHoldIsAnOverflow) {
  clsKickwellDB db;
  clsScoringIsolate scoring;
  AddRule(scoring, {1, 3, 10, 0, 99999, kAll});
  EXPECT_THROW(db.pFnGetIsoScoringPoints(1e39, scoring), runtime::OverflowError);
  scoring.MoveNext();  // EOF: no rule under the cursor
  EXPECT_THROW(db.pFnGetIsoScoringPoints(5, scoring), std::out_of_range);
}

// ------------------------------------------------------------------ week range

TEST_F(ApplyScoring, ModifiedScoringCountsPartialUnits) {
  Open();
  clsStatusPlain status;
  db_.SetModifiedScoring(1);
  db_.pSbUpdatePlayerPointswStatus(status, 1, 250, 2024);
  EXPECT_NEAR(Points(1, 250, 2024), 17.58, 1e-9);
  EXPECT_DOUBLE_EQ(Points(1, 1, 2024), 2.4);
  EXPECT_DOUBLE_EQ(Points(2, 250, 2024), 3);
}

TEST_F(ApplyScoring, SeasonRowsOfEveryYearAreScoredInWholeUnitsReportingOnSegmentFour) {
  Open();
  kdtest::ScopedFakeSeams fakes;
  clsStatusPlain status;
  status.AddSegment(4, 98);
  status.SetStatusList(fakes.progress);
  db_.pSbUpdatePlayerPointswStatus(status, 250, 250, 2024);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 18);
  EXPECT_DOUBLE_EQ(Points(2, 250, 2024), 3);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2023), 4);  // the year is no filter
  EXPECT_DOUBLE_EQ(Points(1, 1, 2024), 99);   // outside the week range
  EXPECT_EQ(fakes.progress.bottomText, "Applying Scoring System to Projected Stats");
  EXPECT_EQ(fakes.progress.listItems,
            std::vector<std::string>{"Applying Scoring System to Projected Stats..."});
  const StatusSegment& segment = status.Segments().at(1);
  EXPECT_EQ(segment.MinValue, 1);
  EXPECT_EQ(segment.MaxValue, 3);
  EXPECT_EQ(segment.CurValue, 3);
  // One yield for the caption, one after every row of the table.
  EXPECT_EQ(fakes.yield.count, 1 + 4);
}

TEST_F(ApplyScoring, AWeekRangeWithoutRowsChangesNothing) {
  Open();
  const std::string before = ChangeCounter();
  clsStatusPlain status;
  status.AddSegment(4, 98);
  db_.pSbUpdatePlayerPointswStatus(status, 18, 200, 2024);
  EXPECT_EQ(status.Segments().at(1).MinValue, 1);
  EXPECT_EQ(status.Segments().at(1).MaxValue, 0);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 99);
  EXPECT_EQ(ChangeCounter(), before);
}

TEST_F(ApplyScoring, NoRulesTouchesNoRowAndSetsNoRange) {
  Open(RulesSql({}));
  ASSERT_EQ(db_.ScoringIsolate().RecordCount(), 0);
  clsStatusPlain status;
  status.AddSegment(4, 98);
  db_.pSbUpdatePlayerPointswStatus(status, 1, 250, 2024);
  EXPECT_EQ(status.Segments().at(1).MaxValue, 0);
  EXPECT_EQ(status.Segments().at(1).MinValue, 0);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 99);
}

TEST_F(ApplyScoring, CancelEndsThePassAfterTheCurrentRowAndKeepsWhatWasScored) {
  Open();
  kdtest::ScopedFakeSeams fakes;
  fakes.yield.cancelAfter = 3;  // the caption, the first row, the second row
  clsStatusPlain status;
  db_.pSbUpdatePlayerPointswStatus(status, 1, 250, 2024);
  EXPECT_EQ(fakes.yield.count, 3);
  EXPECT_DOUBLE_EQ(Points(1, 1, 2024), 2);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2023), 4);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 99);
  EXPECT_DOUBLE_EQ(Points(2, 250, 2024), 99);
}

TEST_F(ApplyScoring, ACancelledPassWithAFractionalPlayerIdScoredTheRowsFirstInIndexOrder) {
  // Player 0.5 sorts before player 1 in the player-week index; being no
  // whole number, he matches no stat row and scores 0.
  Open("INSERT INTO tblStat0 (PlayerID, Week, Points, ADP, Year) VALUES (0.5, 250, 99, 0, 2024);");
  kdtest::ScopedFakeSeams fakes;
  fakes.yield.cancelAfter = 3;  // the caption, the first row, the second row
  clsStatusPlain status;
  db_.pSbUpdatePlayerPointswStatus(status, 1, 250, 2024);
  EXPECT_DOUBLE_EQ(std::stod(Query("SELECT Points FROM tblStat0 WHERE PlayerID = 0.5")), 0);
  EXPECT_DOUBLE_EQ(Points(1, 1, 2024), 2);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2023), 99);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 99);
}

TEST_F(ApplyScoring, AFailedPassLeavesTheFileAsItWas) {
  // The kicker's row holds a value no Single can hold; the quarterback's
  // rows, scored before it, are rolled back with the rest.
  Open("INSERT INTO tblStat2 (PlayerID, Week, Fld5, Year) VALUES (2, 250, 1e39, 2024);");
  clsStatusPlain status;
  EXPECT_THROW(db_.pSbUpdatePlayerPointswStatus(status, 1, 250, 2024), runtime::OverflowError);
  EXPECT_DOUBLE_EQ(Points(1, 1, 2024), 99);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 99);
  // The object is still usable and in step with the file.
  EXPECT_DOUBLE_EQ(db_.StatCursor(0).Field("Points").AsDouble(), 99);
}

TEST_F(ApplyScoring, APassOverTheFileAsTheLastPassLeftItReadsAndWritesNothing) {
  Open();
  kdtest::ScopedFakeSeams fakes;
  clsStatusPlain status;
  status.AddSegment(4, 98);
  EXPECT_EQ(db_.pSbUpdatePlayerPointswStatus(status, 250, 250, 2024), 3);
  const std::string counter = ChangeCounter();
  fakes.yield.count = 0;
  EXPECT_EQ(db_.pSbUpdatePlayerPointswStatus(status, 250, 250, 2024), 0);  // no row scored
  EXPECT_EQ(fakes.yield.count, 1 + 1);  // the caption and the pass, not one per row
  EXPECT_EQ(status.Segments().at(1).MaxValue, 3);
  EXPECT_EQ(status.Segments().at(1).CurValue, 3);
  EXPECT_EQ(ChangeCounter(), counter);
  EXPECT_DOUBLE_EQ(Points(2, 250, 2024), 3);
}

TEST_F(ApplyScoring, AWriteFromAnywhereOrOtherRulesMakeThePassScoreAgain) {
  // The kicker's season row scores a point for each unit of category 31,
  // tblStat6.Fld3.
  Open();
  clsStatusPlain status;
  const auto rescore = [&] {
    db_.pSbUpdatePlayerPointswStatus(status, 250, 250, 2024);
    return Points(2, 250, 2024);
  };
  EXPECT_DOUBLE_EQ(rescore(), 3);
  kdtest::ExecuteSql(path_, "UPDATE tblStat6 SET Fld3 = 5 WHERE PlayerID = 2;");  // another program
  EXPECT_DOUBLE_EQ(rescore(), 5);
  db_.Database().Execute("UPDATE tblStat6 SET Fld3 = 6 WHERE PlayerID = 2;");
  EXPECT_DOUBLE_EQ(rescore(), 6);
  db_.pSbCloseKickwellDB();
  kdtest::ExecuteSql(path_, "UPDATE tblStat6 SET Fld3 = 7 WHERE PlayerID = 2;");
  TemplateFixture::Open();
  EXPECT_DOUBLE_EQ(rescore(), 7);
  clsScoringIsolate& rules = db_.ScoringIsolate();
  for (rules.MoveFirst(); !rules.IsEOF(); rules.MoveNext())
    if (rules.CatID() == 31) rules.SetPoints(2);
  EXPECT_DOUBLE_EQ(rescore(), 14);
}

// ------------------------------------------------------------------ per-play scoring

TEST_F(ApplyScoring, SeveralPlaysAreScoredOneByOneAndASinglePlayByTheCategoryValue) {
  // Category 52 is the field-goal length: play type 4 of tblStat1, its value
  // the yardage of the last field goal of the player-week.
  Open(RulesSql({{4, 52, kThresholdRule, 40, 49, kAll},
                 {5, 52, kThresholdRule, 50, 99999, kAll},
                 {-1, 52, kThresholdRule, 0, 0, kAll},
                 {1, 52, 10, 0, 99999, kAll}}) +
       R"sql(
INSERT INTO tblStat0 (PlayerID, Week, Points, Year) VALUES (2, 1, 99, 2024), (2, 2, 99, 2024), (2, 3, 99, 2024);
INSERT INTO tblStat1 (PlayerID, Week, Fld3, Fld4, Year) VALUES
  (2, 250, 4, 45, 2024), (2, 250, 4, 52, 2024), (2, 250, 5, 30, 2024),
  (2, 1, 4, 45, 2024),
  (2, 2, 5, 30, 2024),
  (2, 3, 5, 30, 2024), (2, 3, 5, 12, 2024);
)sql");
  clsStatusPlain status;
  db_.pSbUpdatePlayerPointswStatus(status, 1, 250, 2024);
  // 45 and 52 yards: 4 + 5 from the thresholds, 4 + 5 per 10 yards; the
  // return play adds nothing. The last field goal alone would give 5 + 5.
  EXPECT_DOUBLE_EQ(Points(2, 250, 2024), 18);
  // One play: the category value 45.
  EXPECT_DOUBLE_EQ(Points(2, 1, 2024), 8);
  // One play of another type: the category value 0 meets the 0..0 threshold.
  EXPECT_DOUBLE_EQ(Points(2, 2, 2024), -1);
  // Two plays, none a field goal: a value of 0 is scored as the value.
  EXPECT_DOUBLE_EQ(Points(2, 3, 2024), -1);
}

TEST_F(ApplyScoring, ASinglePlayIsScoredByTheCategoryValueNotByItsYardage) {
  // A category of this file counting field goals (operator 5 over the
  // plays of type 4): one field goal is the value 1, two are scored play by
  // play on their yardage.
  Open(RulesSql({{1, 200, 1, 0, 99999, kAll}}) + R"sql(
INSERT INTO tblStatCategories (ID, SubCatID, Name, Abrv, Operations, Unit, DisplayType, FormatType,
                               DefaultFormat, ZeroDisplay, EditType, Sort)
  VALUES (200, 4, 'Field Goals Counted', 'FGC', 1, 11, 1, 1, 2, 0, 0, 4);
INSERT INTO tblStatProperties (CatID, OperationOrder, "Table", Field, Operator, OperatorValue, OperatorRef,
                               TypeValue, TypeField, CheckRange, MinValue, MaxValue)
  VALUES (200, 1, 1, 4, 5, 1, 0, 4, 3, 0, 0, 0);
INSERT INTO tblStat0 (PlayerID, Week, Points, Year) VALUES (2, 1, 99, 2024);
INSERT INTO tblStat1 (PlayerID, Week, Fld3, Fld4, Year) VALUES
  (2, 250, 4, 45, 2024), (2, 250, 4, 52, 2024), (2, 1, 4, 45, 2024);
)sql");
  clsStatusPlain status;
  db_.pSbUpdatePlayerPointswStatus(status, 1, 250, 2024);
  EXPECT_DOUBLE_EQ(Points(2, 1, 2024), 1);
  EXPECT_DOUBLE_EQ(Points(2, 250, 2024), 97);
}

// ------------------------------------------------------------------ distribution maps

TEST_F(ApplyScoring, AnFdmRuleScoresEachOccurrenceOfTheMappedValue) {
  // Passing touchdowns spread over 16 games by a small-value map (classes
  // 0..3): W(1) = 30 / 60 x 16 x 1 = 8, W(2) = 20 / 60 x 16 x 2 = 10.67.
  // 10 touchdowns reach the class-2 threshold W(1) - 0.5 = 7.5, so five
  // games of 2 fill the top positions and the rest stay 0. A threshold rule
  // of 5 points for a 2+ touchdown game then scores 5 x 5 = 25, where the
  // season total would score 5 once.
  Open("UPDATE tblStat2 SET Fld6 = 10 WHERE PlayerID = 1 AND Week = 250 AND Year = 2024;");
  ScopedDefaultsFolder defaults(dir_.Path());
  kdtest::WriteFile(dir_.File("4-FDM.txt"), "0.5\r\n0,40\r\n1,30\r\n2,20\r\n3,10\r\n");
  clsScoringIsolate rules;
  AddRule(rules, {5, 4, kThresholdRule, 2, 99999, kAll, -1});
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir_.File("fdm.sco"), rules));

  ASSERT_TRUE(db_.pFnLoadScoringSystem(dir_.File("fdm.sco")));
  clsStatusPlain status;
  db_.pSbUpdatePlayerPointswStatus(status, 250, 250, 2024);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 25);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2023), 0);
  EXPECT_DOUBLE_EQ(Points(2, 250, 2024), 0);
}

// ------------------------------------------------------------------ the stored system

TEST_F(ApplyScoring, OpeningMapsTheStoredRulesOntoTheCatalogueAndAFileWithoutRulesKeepsThem) {
  Open(RulesSql({{1, 3, 25, 0, 99999, kAll},
                 {4, 4, 1, 0, 99999, kAll},
                 {1, 999, 1, 0, 99999, kAll},
                 {3, 3, kThresholdRule, 250, 99999, kAll}}));
  clsScoringIsolate& scoring = db_.ScoringIsolate();
  ASSERT_EQ(scoring.RecordCount(), 4);
  scoring.Move(3);
  EXPECT_EQ(scoring.CatID(), 3);
  EXPECT_FLOAT_EQ(scoring.FieldVal(), kThresholdRule);
  EXPECT_EQ(scoring.FDM(), 0);
  // A category named twice keeps the number of its last rule; the unknown
  // category takes no number.
  EXPECT_EQ(db_.StatCon().ScoringOrder(3), 3);
  EXPECT_EQ(db_.StatCon().ScoringOrder(4), 2);
  EXPECT_EQ(db_.StatCon().ScoringCount(), 3);

  // Loading a file without rules keeps the system.
  kdtest::WriteFile(dir_.File("short.sco"), std::string(20, '\x01'));
  EXPECT_FALSE(db_.pFnLoadScoringSystem(dir_.File("short.sco")));
  EXPECT_FALSE(db_.pFnLoadScoringSystem(dir_.File("missing.sco")));
  EXPECT_EQ(db_.ScoringIsolate().RecordCount(), 4);
}

TEST_F(ApplyScoring, AssigningAnotherSystemScoresWithItAndRestoresTheMapping) {
  Open();
  kdtest::ScopedFakeSeams fakes;
  clsScoringIsolate other;
  AddRule(other, {1, 4, 1, 0, 99999, kAll});   // 1 per passing TD
  AddRule(other, {2, 31, 1, 0, 99999, kAll});  // 2 per extra point
  clsStatusPlain status;
  db_.pSbAssignNewScoringSystemWStatus(status, other, "TD Only");
  EXPECT_EQ(fakes.progress.caption, "Applying New Scoring System");
  EXPECT_EQ(fakes.progress.totalBottomText, "Applying TD Only");
  EXPECT_EQ(status.MaxRange(1), 4);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 2);
  EXPECT_DOUBLE_EQ(Points(1, 1, 2024), 0);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2023), 0);
  EXPECT_DOUBLE_EQ(Points(2, 250, 2024), 6);
  // The catalogue computes the database's own system again.
  EXPECT_EQ(db_.StatCon().ScoringOrder(31), 8);
  EXPECT_EQ(db_.StatCon().ScoringOrder(14), 5);
  db_.pSbUpdatePlayerPointswStatus(status, 250, 250, 2024);
  EXPECT_DOUBLE_EQ(Points(1, 250, 2024), 18);
}

TEST_F(ApplyScoring, StatCatExtractPositionsTblStat0WithTheOtherTables) {
  Open();
  clsScoringIsolate adp;
  AddRule(adp, {1, 88, 1, 0, 99999, kAll});  // ADP, a tblStat0 field
  AddRule(adp, {1, 3, 1, 0, 99999, kAll});   // passing yards, tblStat2
  db_.pSbSetScoringIsolate(adp);
  // Only the scoring order changes; the database keeps its own rules.
  EXPECT_EQ(db_.StatCon().ScoringCount(), 2);
  EXPECT_EQ(db_.ScoringIsolate().RecordCount(), 9);
  db_.pSbSetStatCatExtract(1, 250, 2024);
  db_.StatCon().ExtractScoringValues();
  EXPECT_DOUBLE_EQ(db_.StatCon().DoubleValue(88), 14.5);
  EXPECT_DOUBLE_EQ(db_.StatCon().DoubleValue(3), 257);
  db_.pSbSetStatCatExtract(2, 250, 2024);
  db_.StatCon().ExtractScoringValues();
  EXPECT_DOUBLE_EQ(db_.StatCon().DoubleValue(88), 160);
  EXPECT_DOUBLE_EQ(db_.StatCon().DoubleValue(3), 0);
}

TEST_F(ApplyScoring, ExtremeValuesCoverEveryStoredRowOfTheRulesCategories) {
  // The 2023 season row holds the largest passing yardage: every year counts.
  Open("UPDATE tblStat2 SET Fld5 = 400 WHERE Year = 2023;");
  clsScoringIsolate rules;
  AddRule(rules, {1, 3, 1, 0, 99999, kAll});    // passing yards: 400, 60, 257
  AddRule(rules, {1, 14, 1, 0, 99999, kAll});   // rushing yards: -17
  AddRule(rules, {1, 31, 1, 0, 99999, kAll});   // extra points: 3
  AddRule(rules, {1, 999, 1, 0, 99999, kAll});  // unknown: ignored
  db_.pSbExtractMaxStatValues(0, rules, 1);
  EXPECT_DOUBLE_EQ(db_.pFnGetMaxStatValue(3), 400);
  EXPECT_DOUBLE_EQ(db_.pFnGetMaxStatValue(14), 0);  // nothing above 0
  EXPECT_DOUBLE_EQ(db_.pFnGetMaxStatValue(31), 3);
  EXPECT_DOUBLE_EQ(db_.pFnGetMaxStatValue(999), 0);
  db_.pSbExtractMaxStatValues(0, rules, -1);
  EXPECT_DOUBLE_EQ(db_.pFnGetMaxStatValue(3), 0);  // nothing below 0
  EXPECT_DOUBLE_EQ(db_.pFnGetMaxStatValue(14), -17);
  EXPECT_DOUBLE_EQ(db_.pFnGetMaxStatValue(31), 0);
  EXPECT_EQ(db_.StatCon().ScoringCount(), 3);
}
