#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProjectFixture.h"
#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/clsMockRoster.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kEquilibrium = 3;
constexpr int32_t kRosterPotGainLoss = 4;

class StrategyConflicts : public kdtest::ProjectTest {
 protected:
  clsLeagueIsolate League(const std::vector<kdtest::TeamPlan>& teams, int32_t rounds,
                          const std::vector<int32_t>& order) {
    WriteLeague("L.lgp", teams, rounds, order, {{1, 1, 0, 2, 0, 1}});
    clsLeagueIsolate league;
    league.SetFilePath(Work("lgp/"));
    league.SetFileName("L.lgp");
    EXPECT_TRUE(league.LoadLeagueProps());
    return league;
  }
  // A team's roster holding a strategy of these rules, read from its file.
  clsMockRoster Strategy(const std::vector<kdtest::RulePlan>& rules) {
    const std::string name = "S" + std::to_string(++written_) + ".stg";
    WriteStrategy(name, rules);
    clsMockRoster roster;
    EXPECT_TRUE(roster.LoadDraftStrategy(Work("stg/"), name));
    return roster;
  }

  int written_ = 0;
};

TEST_F(StrategyConflicts, TwoEquilibriumPicksInARowAreReportedOnce) {
  WriteStrategy("Eq.stg", {{1, 999, kEquilibrium}});
  const clsLeagueIsolate league = League({{"Alpha ", "Eq.stg"}, {"Bravo", "Eq.stg"}}, 2, {1, 2, 2, 1});
  EXPECT_EQ(validation.CheckLeagueStrategyConflicts(league, false), 1);
  EXPECT_EQ(lines.valid,
            (Lines{"", " * LEAGUE PROPERTIES DRAFT STRATEGY CONFLICTS", "LGP Alpha Strategy [Eq.stg] loaded.",
                   "LGP Bravo Strategy [Eq.stg] loaded."}));
  EXPECT_EQ(lines.warning, (Lines{"Warning LGP Strategy Conflict - Team [1] Pick [1] Equilibrium and Team "
                                  "[2] Pick [2] Equilibrium * Mock",
                                  "Warning LGP Strategy Conflict - Potential exists for more conflicts."}));
  EXPECT_TRUE(lines.error.empty());

  // In a mock run the conflict is an error.
  clsProjectValidation mock;
  EXPECT_EQ(mock.CheckLeagueStrategyConflicts(league, true), 2);
  EXPECT_EQ(mock.ErrorMessage(),
            "Error LGP Strategy Conflict - Team [1] Pick [1] Equilibrium and Team [2] Pick [2] Equilibrium * "
            "Mock\r\n"
            "Error LGP Strategy Conflict - Potential exists for more conflicts.\r\n");
}

TEST_F(StrategyConflicts, RosterPotentialWindowEndsAtTheTeamsNextPick) {
  // Team 1 looks ahead to its next pick (index 5); teams 2 and 3 pick by
  // methods without a look-ahead until their last picks.
  WriteStrategy("Pot.stg", {{1, 999, kRosterPotGainLoss}});
  WriteStrategy("Plain.stg", {{1, 1, 0}, {2, 999, 5}});
  WriteStrategy("Late.stg", {{1, 1, 7}, {2, 999, kEquilibrium}});
  const clsLeagueIsolate league =
      League({{"A", "Pot.stg"}, {"B", "Plain.stg"}, {"C", "Late.stg"}}, 2, {1, 2, 3, 3, 2, 1});
  // C's second pick (index 3) uses Equilibrium and lies inside team 1's
  // window: that is a conflict, found from team 1's first pick.
  EXPECT_EQ(validation.CheckLeagueStrategyConflicts(league, false), 1);
  EXPECT_EQ(lines.warning.front(),
            "Warning LGP Strategy Conflict - Team [1] Pick [1] Roster Pot G-L and Team [3] Pick [4] "
            "Equilibrium * Mock");

  // With C never looking ahead there is none.
  WriteStrategy("Late.stg", {{1, 999, 6}});
  lines = {};
  lines.Attach(validation);
  EXPECT_EQ(validation.CheckLeagueStrategyConflicts(league, false), 0);
  EXPECT_TRUE(lines.warning.empty());
}

TEST_F(StrategyConflicts, EquilibriumWindowFollowsTheDepthSetting) {
  // Team 1 looks ahead from its first pick only; team 2's look-ahead pick
  // is its second, at index 5, after team 1's second pick.
  const std::vector<int32_t> order = {1, 2, 3, 1, 3, 2};
  std::vector<clsMockRoster> strategies(4);
  strategies[1] = Strategy({{1, 1, kEquilibrium}, {2, 999, 0}});
  strategies[2] = Strategy({{1, 1, 0}, {2, 999, kRosterPotGainLoss}});
  strategies[3] = Strategy({{1, 999, 0}});
  basMockDraftSettings::GlobalSettings().SetLongVal(kSetEquilibriumDepth, 1);
  EXPECT_EQ(validation.FindStrategyConflict(3, order, strategies, false), 0);
  // Two picks deep: team 1 has no second later pick, so the window runs to
  // the end of the draft.
  basMockDraftSettings::GlobalSettings().SetLongVal(kSetEquilibriumDepth, 2);
  EXPECT_EQ(validation.FindStrategyConflict(3, order, strategies, false), 1);
  EXPECT_EQ(lines.warning.front(),
            "Warning LGP Strategy Conflict - Team [1] Pick [1] Equilibrium and Team [2] Pick [6] Roster Pot "
            "G-L * Mock");
}

TEST_F(StrategyConflicts, PickNoRuleCoversUsesTheLastRuleAsTheDraftDoes) {
  WriteStrategy("Eq.stg", {{1, 999, kEquilibrium}});
  // Bravo's first own pick is covered by no rule; the draft then uses the
  // last rule, a look-ahead.
  WriteStrategy("Gap.stg", {{2, 999, 0}, {50, 60, kRosterPotGainLoss}});
  const clsLeagueIsolate league = League({{"Alpha", "Eq.stg"}, {"Bravo", "Gap.stg"}}, 2, {1, 2, 2, 1});
  EXPECT_EQ(validation.CheckLeagueStrategyConflicts(league, false), 1);
  EXPECT_EQ(lines.warning.front(),
            "Warning LGP Strategy Conflict - Team [1] Pick [1] Equilibrium and Team [2] Pick [2] "
            "Roster Pot G-L * Mock");
}

TEST_F(StrategyConflicts, RuleMethodAtPick) {
  const std::vector<int32_t> order = {1, 2, 2, 1, 1, 2};
  const clsMockRoster s = Strategy({{1, 1, 5}, {2, 2, 6}, {9, 9, 7}});
  EXPECT_EQ(clsProjectValidation::RuleMethodAtPick(s, 0, order), 5);  // team 1's pick 1
  EXPECT_EQ(clsProjectValidation::RuleMethodAtPick(s, 3, order), 6);  // its pick 2
  EXPECT_EQ(clsProjectValidation::RuleMethodAtPick(s, 4, order), 7);  // pick 3: the last rule
  EXPECT_EQ(clsProjectValidation::RuleMethodAtPick(clsMockRoster(), 4, order), 0);
  // The first covering rule wins over a later one.
  const clsMockRoster overlap = Strategy({{1, 999, 1}, {1, 999, 3}});
  EXPECT_EQ(clsProjectValidation::RuleMethodAtPick(overlap, 2, order), 1);
}

TEST_F(StrategyConflicts, OrderEntriesWithoutATeamTakePartInNoConflict) {
  const std::vector<int32_t> order = {1, 0, 7, -3, 2};
  std::vector<clsMockRoster> strategies(3);
  strategies[1] = Strategy({{1, 999, kEquilibrium}});
  strategies[2] = Strategy({{1, 999, kEquilibrium}});
  EXPECT_EQ(validation.FindStrategyConflict(2, order, strategies, true), 2);
  EXPECT_EQ(
      lines.error.front(),
      "Error LGP Strategy Conflict - Team [1] Pick [1] Equilibrium and Team [2] Pick [5] Equilibrium * Mock");

  // Picks but no teams at all: the scan ends without a finding.
  lines = {};
  lines.Attach(validation);
  EXPECT_EQ(validation.FindStrategyConflict(0, order, std::vector<clsMockRoster>(1), true), 0);
  EXPECT_TRUE(lines.error.empty());
}

TEST_F(StrategyConflicts, StrategyThatDoesNotLoadIsAWarningAndStopsTheScan) {
  WriteStrategy("Eq.stg", {{1, 999, kEquilibrium}});
  const clsLeagueIsolate league = League({{"Alpha", "Eq.stg"}, {"Bravo", "Gone.stg"}}, 2, {1, 2, 2, 1});
  EXPECT_EQ(validation.CheckLeagueStrategyConflicts(league, true), 1);
  EXPECT_EQ(lines.warning, (Lines{"Warning LGP Bravo Strategy [Gone.stg] not loaded."}));
  EXPECT_TRUE(lines.error.empty());

  // Without a draft order only the heading is added.
  lines = {};
  lines.Attach(validation);
  EXPECT_EQ(validation.CheckLeagueStrategyConflicts(League({{"Alpha", "Eq.stg"}}, 2, {}), true), 0);
  EXPECT_EQ(lines.valid, (Lines{"", " * LEAGUE PROPERTIES DRAFT STRATEGY CONFLICTS"}));
  EXPECT_TRUE(lines.warning.empty());
}

}  // namespace
