#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "FakeSeams.h"
#include "LeagueBuilder.h"
#include "TempDir.h"
#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "draft_inputs/basSTGFileControl.h"
#include "engine/clsPossiblePicks.h"

namespace {

using namespace kdtest;

// Two teams; rosters of five without minimums. Baselines (2 teams):
// QB roster and starter 280; RB roster 120, starter 180; WR both 210.
const std::vector<PositionSize> kOpenLeague{
    {kAll, 0, 5, 0, 5}, {kQB, 0, 1, 1, 1}, {kRB, 0, 2, 1, 1}, {kWR, 0, 2, 1, 2}};

// MasterID, points, ADP (0: none), bye week.
const RowsByPosition kRows{
    {kQB, {{101, 300, 12, 5}, {102, 280, 20, 6}, {103, 200, 31, 7}, {104, 150, 0, 9}}},
    {kRB, {{201, 250, 2, 7}, {202, 180, 4, 7}, {203, 170, 9, 9}, {204, 120, 16, 10}, {205, 100, 0, 0}}},
    {kWR, {{301, 240, 0, 6}, {302, 230, 5, 9}, {303, 220, 8, 9}, {304, 210, 1.5, 6}}},
};

struct Pick {
  int32_t code = 0;
  double points = -1;
  double value = -1;
  int32_t posID = -1;
  int32_t slot = -1;
  int32_t rule = 0;
  bool operator==(const Pick&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pick& p) {
  return out << "{" << p.code << ", " << p.points << ", " << p.value << ", pos " << p.posID << ", slot "
             << p.slot << ", rule " << p.rule << "}";
}

// Code and rule of a recommendation.
std::pair<int32_t, int32_t> CodeRule(const Pick& p) { return {p.code, p.rule}; }

class PickSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    basMockDraftSettings::TerminateSettings();
    SetByeCheck(false);
  }
  void TearDown() override { basMockDraftSettings::TerminateSettings(); }

  static void SetByeCheck(bool on) {
    basMockDraftSettings::GlobalSettings().SetBoolVal(kSetCheckByeConflicts, on);
  }

  clsMockRoster Team(const std::vector<RulePlan>& rules, const std::vector<FactorPlan>& factors = {},
                     const std::vector<PositionSize>& sizes = kOpenLeague,
                     const RowsByPosition& rows = kRows) {
    clsMockRoster roster = BuildTeamRoster(sizes, 2, rows);
    GiveStrategy(roster, dir.File("s" + std::to_string(++files) + ".stg"), rules, factors);
    return roster;
  }

  static Pick Recommend(clsMockRoster& roster, int32_t teamPick, int32_t rule = 0,
                        seams::TraceListView* trace = nullptr, PickLogNames* names = nullptr) {
    Pick p;
    p.rule = rule;
    p.code = roster.RecommendedNextPlayer(p.points, p.value, p.posID, p.slot, teamPick, p.rule, trace, names);
    return p;
  }

  // The team's own pick, taken off the board as the draft loop does.
  static void Take(clsMockRoster& roster, int32_t masterID, int32_t posID) {
    roster.NashDraftPlayer(masterID, posID);
    roster.MarkPlayerAsDrafted(masterID, posID, true);
  }
  // Another team's pick.
  static void Gone(clsMockRoster& roster, int32_t masterID, int32_t posID) {
    roster.MarkPlayerAsDrafted(masterID, posID, true);
  }

  // The line after "POSITION SELECTION POOL" of the last rule traced.
  std::string PoolLine() const {
    const std::vector<std::string>& lines = seams.trace.lines;
    auto it = std::find(lines.rbegin(), lines.rend(), "POSITION SELECTION POOL");
    return it == lines.rend() ? "<no pool>" : *(it - 1);
  }
  bool Traced(const std::string& line) const {
    return std::find(seams.trace.lines.begin(), seams.trace.lines.end(), line) != seams.trace.lines.end();
  }

  TempDir dir;
  ScopedFakeSeams seams;
  TableNames names;
  int files = 0;
};

// ---------------------------------------------------------------- compare values

TEST_F(PickSelection, OpenRosterTakesTheBestCandidateByTheRulesValue) {
  // Candidates QB 101, RB 201, WR 301 (WR 304 by ADP: 301 has none).
  for (const auto& [compare, expected] : {std::pair{0, Pick{101, 300, 300, kQB, 1}},  // 300 / 250 / 240
                                          {1, Pick{201, 250, 130, kRB, 2}},           // 20 / 130 / 30
                                          {2, Pick{201, 250, 70, kRB, 2}},            // 20 / 70 / 30
                                          {3, Pick{304, 210, 1.5, kWR, 3}}}) {        // 12 / 2 / 1.5
    clsMockRoster roster = Team({{.compare = compare}});
    EXPECT_EQ(Recommend(roster, 1), expected);
    EXPECT_EQ(roster.BaselineMode(), compare);
  }
}

// ---------------------------------------------------------------- pools, minimums, bye weeks

constexpr int32_t kAnyCode = -99;

// Five places; minimums QB 1, RB 2, WR 1.
const std::vector<PositionSize> kMinimumsLeague{
    {kAll, 0, 5, 0, 5}, {kQB, 1, 2, 1, 1}, {kRB, 2, 3, 1, 2}, {kWR, 1, 3, 1, 3}};

RowsByPosition WithBacks(std::vector<basMockDraftCalculation::StackRow> backs, bool noReceiverADP = false) {
  RowsByPosition rows = kRows;
  rows[kRB] = std::move(backs);
  if (noReceiverADP)
    for (auto& row : rows[kWR]) row.ADP = 0;
  return rows;
}

struct Scenario {
  const char* name;
  std::vector<RulePlan> rules;
  std::vector<int32_t> taken;  // the team's own picks; 1xx are QBs, 2xx RBs, 3xx WRs
  int32_t teamPick = 1;
  int32_t code = kAnyCode;
  int32_t rule = 0;
  std::string pool = "";  // the pool traced, when given
  std::vector<int32_t> gone = {};
  std::vector<PositionSize> sizes = kOpenLeague;
  RowsByPosition rows = kRows;
  bool byeCheck = false;
};

TEST_F(PickSelection, RulesPoolsMinimumsAndByeWeeksDecideThePick) {
  using R = clsMockRoster;
  // Drafted QB 1, RB 2, WR 1 of maxima 2, 3, 3 and starter minima 1, 1, 2.
  const std::vector<PositionSize> starterMinimums{
      {kAll, 0, 8, 0, 5}, {kQB, 0, 2, 1, 1}, {kRB, 0, 3, 1, 2}, {kWR, 0, 3, 2, 2}};
  const std::vector<int32_t> fourTaken{101, 201, 202, 301};
  const std::vector<PositionSize> fixed{
      {kAll, 0, 3, 0, 3}, {kQB, 1, 1, 1, 1}, {kRB, 1, 1, 1, 1}, {kWR, 1, 1, 1, 1}};
  // Three backs, one starter: one pick may share the candidate's bye.
  const std::vector<PositionSize> threeBacks{
      {kAll, 0, 6, 0, 4}, {kQB, 0, 1, 1, 1}, {kRB, 0, 3, 1, 1}, {kWR, 0, 2, 1, 2}};
  const RowsByPosition byeSevens =
      WithBacks({{201, 250, 2, 7}, {202, 180, 4, 7}, {203, 170, 9, 7}, {204, 120, 16, 10}});
  // clang-format off
  const Scenario scenarios[] = {
      // The team has its starting back; by roster value the second back (60)
      // beats WR 301 (30) and QB 101 (20) wherever backs are allowed.
      {"open roster", {{.method = R::kOpenRoster, .compare = R::kRosterValue}}, {201}, 2, 202, 0,
       " QB  RB  WR  "},
      {"match ratio", {{.method = R::kMatchPosRatio, .compare = R::kRosterValue}}, {201}, 2, 202, 0,
       " QB  RB  WR  "},
      {"starters only", {{.method = R::kStartersOnly, .compare = R::kRosterValue}}, {201}, 2, 301, 0,
       " QB  WR  "},
      {"starter min + 1", {{.method = R::kStarterMinPlus1, .compare = R::kRosterValue}}, {201}, 2, 202, 0,
       " QB  RB  WR  "},
      // One or two beyond the starter minimum.
      {"min + 1 of four", {{.method = R::kStarterMinPlus1}}, fourTaken, 5, kAnyCode, 0, " QB  WR  ", {},
       starterMinimums},
      {"min + 2 of four", {{.method = R::kStarterMinPlus2}}, fourTaken, 5, kAnyCode, 0, " QB  RB  WR  ", {},
       starterMinimums},
      {"starters of four", {{.method = R::kStartersOnly}}, fourTaken, 5, kAnyCode, 0, " WR  ", {},
       starterMinimums},
      // Include and exclude; a starter-marked id and a position without a
      // place are passed over; an empty pool passes to the next rule.
      {"include any", {{.ids = {kAll}}}, {}, 1, 101},
      {"include RB WR", {{.ids = {kRB, kWR}}}, {}, 1, 201},
      {"include WR", {{.ids = {kWR}}}, {}, 1, 301},
      {"exclude QB", {{.inclusion = 1, .ids = {kQB}}}, {}, 1, 201},
      {"exclude QB RB", {{.inclusion = 1, .ids = {kQB, kRB}}}, {}, 1, 301},
      {"starter mark", {{.ids = {1000 + kQB, kWR, kTE}}}, {}, 1, 301},
      {"nobody left", {{.ids = {kQB}}, {.compare = R::kRosterValue}}, {}, 1, 201, 1, "",
       {101, 102, 103, 104}},
      {"exclude any before the last rule", {{.inclusion = 1, .ids = {kAll}}, {.ids = {kWR}}}, {}, 1, 301, 1},
      {"no ADP before the last rule", {{.compare = R::kADP, .ids = {kWR}}, {.ids = {kRB}}}, {}, 1, 201, 1, "",
       {}, kOpenLeague, WithBacks(kRows.at(kRB), true)},
      // Two receivers taken: 3 places left, QB 1 + RB 2 still needed; no
      // position below its minimum is allowed: the rule's positions give way.
      {"squeeze any", {{.ids = {kAll}}}, {301, 302}, 3, 101, 0, " QB  RB  ", {}, kMinimumsLeague},
      {"squeeze RB WR", {{.ids = {kRB, kWR}}}, {301, 302}, 3, 201, 0, " RB  ", {}, kMinimumsLeague},
      {"squeeze WR", {{.ids = {kWR}}}, {301, 302}, 3, 101, 0, " QB  RB  ", {}, kMinimumsLeague},
      {"four places for three", {{.ids = {kWR}}}, {301}, 2, 302, 0, "", {}, kMinimumsLeague},
      {"squeeze starters RB WR", {{.method = R::kStartersOnly, .ids = {kRB, kWR}}}, {301, 302}, 3, 201, 0, "",
       {}, kMinimumsLeague},
      {"fixed roster", {{.ids = {kWR}}, {.ids = {kRB}}}, {301}, 2, 201, 1, "", {}, fixed},
      // Backs: two places, one starter, so no two backs may share a bye when
      // the balanced-roster check is on. The team has 201 (bye 7); 202 shares it.
      {"no bye check", {{.ids = {kRB}}}, {201}, 2, 202},
      {"balanced roster check", {{.ids = {kRB}}}, {201}, 2, 203, 0, "", {}, kOpenLeague, kRows, true},
      {"rule check", {{.ids = {kRB}, .noByeConflict = true}}, {201}, 2, 203},
      {"both checks", {{.ids = {kRB}, .noByeConflict = true}}, {201}, 2, 203, 0, "", {}, kOpenLeague, kRows,
       true},
      {"bench shares one bye", {{.ids = {kRB}}}, {201}, 2, 202, 0, "", {}, threeBacks, byeSevens, true},
      {"bench shares no second", {{.ids = {kRB}}}, {201, 202}, 3, 204, 0, "", {}, threeBacks, byeSevens,
       true},
      {"bye week zero", {{.ids = {kRB}, .noByeConflict = true}}, {201}, 2, 202, 0, "", {}, kOpenLeague,
       WithBacks({{201, 250, 2, 0}, {202, 180, 4, 0}}), true},
  };
  // clang-format on
  for (const Scenario& c : scenarios) {
    SCOPED_TRACE(c.name);
    SetByeCheck(c.byeCheck);
    clsMockRoster roster = Team(c.rules, {}, c.sizes, c.rows);
    for (int32_t id : c.taken) Take(roster, id, id / 100 + 1);
    for (int32_t id : c.gone) Gone(roster, id, id / 100 + 1);
    seams.trace.lines.clear();
    const Pick p = Recommend(roster, c.teamPick, 0, &seams.trace, &names);
    if (c.code != kAnyCode) {
      EXPECT_EQ(CodeRule(p), std::pair(c.code, c.rule));
    }
    if (!c.pool.empty()) {
      EXPECT_EQ(PoolLine(), c.pool);
    }
  }
}

// ---------------------------------------------------------------- rules

TEST_F(PickSelection, TheFirstRuleCoveringThePickDecidesAndTheLastCatchesTheRest) {
  clsMockRoster roster = Team({{.beg = 1, .end = 3, .compare = clsMockRoster::kFullPoints},
                               {.beg = 4, .end = 999, .compare = clsMockRoster::kRosterValue}});
  EXPECT_EQ(CodeRule(Recommend(roster, 2)), std::pair(101, 0));
  EXPECT_EQ(CodeRule(Recommend(roster, 4)), std::pair(201, 1));
  // The search only moves forward: from rule 1 pick 2 falls to the last rule.
  EXPECT_EQ(CodeRule(Recommend(roster, 2, 1)), std::pair(201, 1));
  EXPECT_EQ(roster.StrategyArToUse(2), 0);
  EXPECT_EQ(roster.StrategyArToUse(4), 1);
  EXPECT_EQ(roster.StrategyArToUse(0), 1);
  EXPECT_THROW(Recommend(roster, 1, -1), std::out_of_range);

  clsMockRoster late =
      Team({{.beg = 3, .end = 5}, {.beg = 6, .end = 8, .compare = clsMockRoster::kRosterValue}});
  EXPECT_EQ(CodeRule(Recommend(late, 1)), std::pair(201, 1));
  EXPECT_EQ(late.StrategyArToUse(1), 1);
}

TEST_F(PickSelection, LookAheadMethodsHandThePickBackUntouched) {
  for (const auto& [method, code] : {std::pair{clsMockRoster::kEquilibrium, clsMockRoster::kPickEquilibrium},
                                     {clsMockRoster::kRosterPotGL, clsMockRoster::kPickRosterPotGL},
                                     {clsMockRoster::kStarterPotGL, clsMockRoster::kPickStarterPotGL}}) {
    clsMockRoster roster = Team({{.beg = 1, .end = 2}, {.beg = 3, .end = 999, .method = method}});
    EXPECT_EQ(Recommend(roster, 3), (Pick{code, -1, -1, -1, -1, 1}));
    double points = 0, value = 0;
    int32_t posID = 0, rule = 0;
    EXPECT_EQ(roster.DraftNextPlayer(points, value, posID, 3, rule), code);
    EXPECT_EQ(roster.PlayerCount(), 0);
    // The retry after a look-ahead on the last rule found nobody.
    EXPECT_EQ(CodeRule(Recommend(roster, 3, 2)), std::pair(101, 1));
  }
}

TEST_F(PickSelection, ExcludeAnyFallsBackToTheDefaultPoolOnTheLastRule) {
  clsMockRoster roster = Team({{.inclusion = 1, .ids = {kAll}}});
  EXPECT_EQ(Recommend(roster, 1, 0, &seams.trace, &names).code, 101);
  const std::vector<std::string> expected{"STRATEGY RULE 1",
                                          "  Team Pick: 1 - Last",
                                          "  Method: Open Roster",
                                          "  Compare: Full Points",
                                          "  Factors: ",
                                          "  Exclude: [Any] ",
                                          "  ",
                                          "DRAFT STRATEGY TO DEFAULT",
                                          " Position selection pool could not be made.",
                                          " Defaulting to any open roster.",
                                          "",
                                          "POSITION SELECTION POOL",
                                          " QB  RB  WR  ",
                                          ""};
  ASSERT_GE(seams.trace.lines.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(seams.trace.lines.begin(), seams.trace.lines.begin() + 14), expected);
}

TEST_F(PickSelection, AStrategyWithoutRulesPicksFromTheDefaultPool) {
  clsMockRoster roster = Team({});
  ASSERT_EQ(roster.Strategy().Count(), 0);
  EXPECT_EQ(roster.StrategyRuleCount(), 1);
  EXPECT_EQ(roster.StrategyMethod(0), 0);
  EXPECT_EQ(roster.StrategyArToUse(7), 0);
  EXPECT_EQ(CodeRule(Recommend(roster, 7, 0, &seams.trace, &names)), std::pair(101, 0));
  EXPECT_TRUE(Traced("  Team Pick: 0 - 0"));
  EXPECT_TRUE(Traced("DRAFT STRATEGY TO DEFAULT"));
  double points = 0, value = 0;
  int32_t posID = 0, rule = 0;
  EXPECT_EQ(roster.DraftNextPlayer(points, value, posID, 1, rule), 101);
}

// ---------------------------------------------------------------- minimums

TEST_F(PickSelection, StarterPoolsWithoutAPositionBelowItsMinimumGiveWayInASqueeze) {
  clsMockRoster roster = Team({{.method = clsMockRoster::kStartersOnly, .ids = {kWR}}}, {}, kMinimumsLeague);
  Take(roster, 301, kWR);
  Take(roster, 302, kWR);
  EXPECT_EQ(Recommend(roster, 3, 0, &seams.trace, &names).code, 101);
  EXPECT_TRUE(Traced("DRAFT STRATEGY TO DEFAULT"));
  EXPECT_EQ(PoolLine(), " QB  RB  ");
}

TEST_F(PickSelection, AFullRosterComparesNobodyAndRecordsNothing) {
  const std::vector<PositionSize> two{
      {kAll, 0, 2, 0, 2}, {kQB, 0, 1, 1, 1}, {kRB, 0, 2, 1, 1}, {kWR, 0, 2, 1, 2}};
  for (int32_t method : {clsMockRoster::kOpenRoster, clsMockRoster::kStartersOnly}) {
    clsMockRoster roster = Team({{.method = method}}, {}, two);
    double points = 0, value = 0;
    int32_t posID = 0, rule = 0;
    EXPECT_EQ(roster.DraftNextPlayer(points, value, posID, 1, rule), 101);
    EXPECT_EQ(roster.DraftNextPlayer(points, value, posID, 2, rule), 201);
    Gone(roster, 101, kQB);
    Gone(roster, 201, kRB);
    const Pick p = Recommend(roster, 3);
    EXPECT_EQ(std::tuple(p.code, p.slot, p.posID), std::tuple(0, 0, -1));
    EXPECT_EQ(roster.DraftNextPlayer(points, value, posID, 3, rule), 0);
    EXPECT_EQ(roster.PlayerCount(), 2);
    EXPECT_EQ(roster.DraftedAtSlot(0), 0);
    EXPECT_EQ(roster.DraftedAtSlot(1) + roster.DraftedAtSlot(2) + roster.DraftedAtSlot(3), 2);
  }
}

// ---------------------------------------------------------------- factors

TEST_F(PickSelection, FactorsAddFMinusOneTimesTheSizeOfTheValue) {
  clsMockRoster roster = Team(
      {{.injury = true, .x = true}, {.lrtr = true}, {}},
      {{clsDraftFactor::kX, kQB, 0.9}, {clsDraftFactor::kInjury, kQB, 1.5}, {clsDraftFactor::kX, kRB, 1.1}});
  struct Case {
    int32_t rule;
    int32_t posID;
    double value;
    double adjusted;
  };
  for (const Case& c : {Case{0, kQB, -20, -12},   // -2 for X, +10 for INJURY
                        Case{0, kRB, 50, 55},     // X 1.1, INJURY 1.0
                        Case{0, kWR, 50, 50},     // no table entry: 1.0
                        Case{2, kQB, -20, -20},   // a rule without factors
                        Case{0, kTE, 80, 80}}) {  // a position without a slot
    double x = -7, inj = -7, lrtr = -7;
    EXPECT_DOUBLE_EQ(roster.ApplyDraftFactors(c.rule, c.posID, c.value, x, inj, lrtr), c.adjusted) << c.posID;
    EXPECT_EQ(lrtr, -7);  // unused kinds leave their output alone
  }
  double x = -7, inj = -7, lrtr = -7;
  roster.ApplyDraftFactors(0, kQB, 10, x, inj, lrtr);
  EXPECT_EQ(x, 0.9);
  EXPECT_EQ(inj, 1.5);

  // LR-TR: the league has drafted 2 of its 4 backs, the team none: f = 1.5.
  roster.SetLeaguePosDraftCount(kRB, 2);
  x = inj = lrtr = -7;
  EXPECT_DOUBLE_EQ(roster.ApplyDraftFactors(1, kRB, 130, x, inj, lrtr), 195);
  EXPECT_EQ(lrtr, 1.5);
  EXPECT_EQ(x, -7);
  // The team has one back as well: 1 + 2/4 - 1/2 = 1.
  roster.NashDraftPlayer(201, kRB);
  EXPECT_DOUBLE_EQ(roster.ApplyDraftFactors(1, kRB, 130, x, inj, lrtr), 130);
}

TEST_F(PickSelection, FactorsCanTurnThePick) {
  // Roster values QB 20, RB 130, WR 30. X 0.2 on backs: 130 - 104 = 26;
  // INJURY 2.0 on quarterbacks: 40; LR-TR on receivers, 2 of 4 gone: 45.
  clsMockRoster roster =
      Team({{.compare = clsMockRoster::kRosterValue, .lrtr = true, .injury = true, .x = true}},
           {{clsDraftFactor::kX, kRB, 0.2}, {clsDraftFactor::kInjury, kQB, 2.0}});
  roster.SetLeaguePosDraftCount(kWR, 2);
  EXPECT_EQ(Recommend(roster, 1), (Pick{301, 240, 45, kWR, 3}));
}

TEST_F(PickSelection, EqualValuesKeepTheLowerSlot) {
  RowsByPosition rows = kRows;
  rows[kRB][0].Points = 300;  // as good as QB 101
  rows[kRB][0].ADP = 12;      // and as early, the earliest back
  for (std::size_t i = 1; i < rows[kRB].size(); ++i) rows[kRB][i].ADP = 0;
  for (int32_t compare : {clsMockRoster::kFullPoints, clsMockRoster::kADP}) {
    clsMockRoster roster = Team({{.compare = compare, .ids = {kQB, kRB}}}, {}, kOpenLeague, rows);
    const Pick p = Recommend(roster, 1);
    EXPECT_EQ(std::pair(p.code, p.slot), std::pair(101, 1)) << compare;
  }
}

// ---------------------------------------------------------------- ADP

TEST_F(PickSelection, PlayersWithoutAnADPNeverWinTheADPComparison) {
  // Receivers only, and 301 (no ADP) is the best one by points.
  RowsByPosition rows = kRows;
  for (auto& row : rows[kWR]) row.ADP = 0;
  clsMockRoster last = Team({{.compare = clsMockRoster::kADP, .ids = {kWR}}}, {}, kOpenLeague, rows);
  // On the last rule the comparison falls back to roster value.
  EXPECT_EQ(Recommend(last, 1), (Pick{301, 240, 30, kWR, 3}));
  EXPECT_EQ(last.BaselineMode(), clsMockRoster::kRosterValue);
}

TEST_F(PickSelection, ADPComparisonPassesOverByeConflictsAndTheirADP) {
  RowsByPosition rows = kRows;
  rows[kRB] = {{201, 250, 2, 7}, {202, 180, 4, 7}, {203, 170, 4, 9}, {204, 120, 16, 10}};
  struct Case {
    bool setting39;
    bool ruleFlag;
    int32_t code;
  };
  // 202 shares 201's bye; 203 shares 202's ADP and goes with him.
  for (const Case& c : {Case{false, false, 202}, Case{true, false, 204}, Case{false, true, 204}}) {
    SetByeCheck(c.setting39);
    clsMockRoster roster = Team({{.compare = clsMockRoster::kADP, .ids = {kRB}, .noByeConflict = c.ruleFlag}},
                                {}, kOpenLeague, rows);
    Take(roster, 201, kRB);
    const Pick p = Recommend(roster, 2);
    EXPECT_EQ(std::pair(p.code, p.value), std::pair(c.code, c.code == 202 ? 4.0 : 16.0))
        << c.setting39 << c.ruleFlag;
  }
}

// ---------------------------------------------------------------- bye weeks

TEST_F(PickSelection, WhenAllAreInConflictTheFirstIsTaken) {
  SetByeCheck(true);
  RowsByPosition rows = kRows;
  rows[kRB] = {{201, 250, 2, 7}, {202, 180, 4, 7}, {203, 170, 9, 7}};
  clsMockRoster all = Team({{.ids = {kRB}}}, {}, kOpenLeague, rows);
  Take(all, 201, kRB);
  names.players = {{202, "Second Back"}, {203, "Third Back"}};
  EXPECT_EQ(Recommend(all, 2, 0, &seams.trace, &names).code, 202);
  EXPECT_TRUE(Traced(" RB  Second Back                   7  [CONFLICT]"));
  EXPECT_TRUE(Traced(" RB  Third Back                    7  [CONFLICT]"));
}

TEST_F(PickSelection, ByeConflictsFollowTheTeamsPicksAsTheyComeAndGo) {
  RowsByPosition rows = kRows;
  rows[kRB] = {{201, 250, 2, 7}, {202, 180, 4, 9}, {203, 170, 9, 9}, {204, 120, 16, 10}};
  clsMockRoster roster = Team({{.ids = {kRB}, .noByeConflict = true}}, {}, kOpenLeague, rows);
  EXPECT_EQ(Recommend(roster, 1).code, 201);
  Take(roster, 202, kRB);
  Gone(roster, 201, kRB);
  EXPECT_EQ(Recommend(roster, 2).code, 204);  // 203 shares 202's bye
  roster.NashReleasePlayer(202, kRB);
  EXPECT_EQ(Recommend(roster, 2).code, 203);
}

// ---------------------------------------------------------------- trace

TEST_F(PickSelection, TheTraceOfARecommendation) {
  SetByeCheck(true);
  clsMockRoster roster = Team({{.compare = clsMockRoster::kRosterValue, .x = true, .ids = {kQB, kRB, kWR}}},
                              {{clsDraftFactor::kX, kRB, 0.5}});
  names.players = {{101, "Quinn Alpha"}, {201, "Robby Baker-Longname Jr."}, {301, "Wes Cole"}};
  // Roster values 20, 130 and 30; X halves the back's: 65.
  EXPECT_EQ(Recommend(roster, 1, 0, &seams.trace, &names), (Pick{201, 250, 65, kRB, 2}));
  const std::string blank = " ";
  const std::string dash = "      -";
  const std::vector<std::string> expected{
      "STRATEGY RULE 1",
      "  Team Pick: 1 - Last",
      "  Method: Open Roster",
      "  Compare: Roster Value",
      "  Factors: [X] ",
      "  Include: [QB] [RB] [WR] ",
      "  ",
      "POSITION SELECTION POOL",
      " QB  RB  WR  ",
      "",
      "BALANCED ROSTER BYE WEEK CONFLICTS [Enabled]",
      "STRATEGY RULE BYE WEEK CONFLICTS [Disabled]",
      " QB  Quinn Alpha                   5  [OK]",
      " RB  Robby Baker-Longname Jr.      7  [OK]",
      " WR  Wes Cole                      6  [OK]",
      "",
      "POINT COMPARISON",
      "     CAL Player                        PP      CV   LR-TR       X     INJ",
      "   20.00 QB  Quinn Alpha           300.00   20.00" + blank + dash + "    1.00" + blank + dash +
          "       ",
      "   65.00 RB  Robby Baker-Longna    250.00  130.00" + blank + dash + "    0.50" + blank + dash +
          "       ",
      "   30.00 WR  Wes Cole              240.00   30.00" + blank + dash + "    1.00" + blank + dash +
          "       ",
      "",
      "* CAL - Calculated Value  PP - Projected Points  CV - Compare Value",
      "",
      "RECOMMENDED PLAYER",
      " RB Robby Baker-Longname Jr. [T201]",
      "",
  };
  EXPECT_EQ(seams.trace.lines, expected);
  EXPECT_EQ(names.displayIDs, (std::vector<int32_t>{18, 18, 18}));
  EXPECT_EQ(names.teamWeeks, (std::vector<int32_t>{250}));
}

TEST_F(PickSelection, TheTraceOfAnADPComparisonShowsTheADPAsItsValue) {
  clsMockRoster roster = Team({{.compare = clsMockRoster::kADP, .ids = {kRB, kWR}}});
  EXPECT_EQ(Recommend(roster, 1, 0, &seams.trace, &names).code, 304);
  const std::vector<std::string>& lines = seams.trace.lines;
  auto heading = std::find(lines.begin(), lines.end(), basSTGFileControl::PickLogHeader());
  ASSERT_NE(heading, lines.end());
  EXPECT_EQ(*(heading + 1),
            "    2.00 RB  P201                  250.00    0.00       -       -       -       ");
  EXPECT_EQ(*(heading + 2),
            "    1.50 WR  P304                  210.00    0.00       -       -       -       ");
  EXPECT_EQ(*(heading + 3), "");
  EXPECT_EQ(lines[lines.size() - 2], " WR P304 [T304]");
  // No bye lines while the balanced-roster check is off.
  EXPECT_TRUE(Traced("BALANCED ROSTER BYE WEEK CONFLICTS [Disabled]"));
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.find("[OK]") != std::string::npos; }),
            0);
}

TEST_F(PickSelection, ATraceWithoutCandidatesHasNoCandidateLines) {
  clsMockRoster roster = Team({{.ids = {kQB}}});
  for (int32_t id : {101, 102, 103, 104}) Gone(roster, id, kQB);
  EXPECT_EQ(Recommend(roster, 1, 0, &seams.trace, &names).code, 0);
  const std::vector<std::string> tail(seams.trace.lines.end() - 6, seams.trace.lines.end());
  EXPECT_EQ(tail,
            (std::vector<std::string>{"POINT COMPARISON", basSTGFileControl::PickLogHeader(),
                                      basSTGFileControl::PickLogLegend(), "", "RECOMMENDED PLAYER", ""}));
}

// ---------------------------------------------------------------- look-ahead services

TEST_F(PickSelection, LookAheadCandidatesOnePerOpenPosition) {
  clsMockRoster roster = Team({{.method = clsMockRoster::kStarterPotGL, .ids = {kRB, kWR}}, {}});
  Take(roster, 201, kRB);
  clsPossiblePicks list;
  list.SetCompare(clsMockRoster::kRosterValue);
  // Starters only, the rule's positions: the starting back is in, so receivers.
  roster.SetPickWithAllPossiblePositions(list, 6, true, 0, 0);
  ASSERT_EQ(list.Count(), 1);
  list.MoveFirst();
  EXPECT_EQ((std::vector<double>{1.0 * list.MasID(), 1.0 * list.PosID(), 1.0 * list.DraftNdx(), list.PP(),
                                 list.RBL(), list.SBL(), list.ADP(), list.InitialCV()}),
            (std::vector<double>{301, kWR, 6, 240, 30, 30, 99999, 30}));
  EXPECT_TRUE(list.Starter());

  // Without the filter the starters-only pool takes every position too.
  roster.SetPickWithAllPossiblePositions(list, 7, false, 0, 0);
  ASSERT_EQ(list.Count(), 2);
  list.MoveFirst();
  EXPECT_EQ(list.MasID(), 101);
  list.MoveNext();
  EXPECT_EQ(list.MasID(), 301);

  // An open-roster rule: every open position, the back as a bench player.
  roster.SetPickWithAllPossiblePositions(list, 7, false, 1, 0);
  ASSERT_EQ(list.Count(), 3);
  list.MoveFirst();
  EXPECT_EQ(list.MasID(), 101);
  list.MoveNext();
  EXPECT_EQ(list.MasID(), 202);
  EXPECT_FALSE(list.Starter());
  EXPECT_EQ(list.RBL(), 60);
  EXPECT_EQ(list.SBL(), 0);
}

TEST_F(PickSelection, ExtraPlacesReopenAFullPosition) {
  clsMockRoster roster = Team({{.ids = {kRB}}});
  Take(roster, 201, kRB);
  Take(roster, 202, kRB);
  clsPossiblePicks list;
  roster.SetPickWithAllPossiblePositions(list, 0, true, 0, 0);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(roster.iFnIsPosFull(2));
  EXPECT_FALSE(roster.iFnIsPosFull(1));
  roster.SetPickWithAllPossiblePositions(list, 0, true, 0, 1);
  ASSERT_EQ(list.Count(), 1);
  list.MoveFirst();
  EXPECT_EQ(list.MasID(), 203);
}

TEST_F(PickSelection, DraftNextPlayerRecordsThePickAtItsSlot) {
  clsMockRoster roster = Team({{.compare = clsMockRoster::kRosterValue}});
  double points = 0, value = 0;
  int32_t posID = 0, rule = 0;
  EXPECT_EQ(roster.DraftNextPlayer(points, value, posID, 1, rule), 201);
  EXPECT_EQ((Pick{201, points, value, posID, 2}), (Pick{201, 250, 130, kRB, 2}));
  EXPECT_EQ(roster.PlayerCount(), 1);
  EXPECT_EQ(std::pair(roster.MasterID(0), roster.Position(0)), std::pair(201, kRB));
  EXPECT_EQ(roster.DraftedAtSlot(2), 1);
  // Drafting does not mark the stack; the draft loop does that for every team.
  EXPECT_FALSE(roster.StackPlayerDrafted(2, 0));
}

}  // namespace
