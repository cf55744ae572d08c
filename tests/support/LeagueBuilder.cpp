#include "LeagueBuilder.h"

#include <gtest/gtest.h>

#include <sstream>

#include "draft_inputs/clsDraftStrategy.h"

namespace kdtest {

clsMockRoster::StackFiller FillFromRows(RowsByPosition rows, FillLog* log) {
  return [rows = std::move(rows), log](clsMockDraftPositionStack& stack, int32_t posID, int32_t maximum) {
    if (log) log->emplace_back(posID, maximum);
    auto it = rows.find(posID);
    if (it != rows.end()) basMockDraftCalculation::FillPositionStackFromRows(stack, it->second, maximum);
  };
}

clsMockRoster BuildTeamRoster(const std::vector<PositionSize>& sizes, int32_t teams,
                              const RowsByPosition& rows, int32_t buffer, FillLog* log) {
  clsMockRoster roster;
  for (const PositionSize& s : sizes)
    if (s.rosterMax > 0)
      roster.AddRosterPositionSize(0, s.posID, s.rosterMax, s.rosterMin, s.starterMax, s.starterMin);
  roster.ClearRoster();
  roster.SetOwnerCount(teams);
  roster.SetPlayerBuffer(buffer);
  roster.FillPositionStacks(FillFromRows(rows, log));
  roster.SetTeams(teams);
  roster.AssignBaselinePointers();
  return roster;
}

std::string StackText(const clsMockDraftPositionStack& stack) {
  std::ostringstream out;
  out.precision(17);
  out << " position " << stack.Position() << " factor " << stack.Factor() << " mode " << stack.BaselineMode()
      << " pointers " << stack.RosterBaselinePointer() << "/" << stack.StarterBaselinePointer() << ":";
  for (int32_t i = 0; i < stack.Count(); ++i)
    out << " " << stack.MasterID(i) << (stack.Drafted(i) ? "*" : "") << "@" << stack.Points(i) << "/"
        << stack.ADP(i) << "/" << int{stack.ByeWeek(i)};
  return out.str();
}

void GiveStrategy(clsMockRoster& roster, const std::string& path, const std::vector<RulePlan>& rules,
                  const std::vector<FactorPlan>& factors) {
  clsDraftStrategy strategy;
  const std::size_t slash = path.rfind('/');
  strategy.SetFilePath(path.substr(0, slash + 1));
  strategy.SetFileName(path.substr(slash + 1));
  if (!rules.empty()) strategy.SetStrategyMax(static_cast<int32_t>(rules.size()) - 1);
  for (std::size_t k = 0; k < rules.size(); ++k) {
    const int32_t r = static_cast<int32_t>(k);
    const RulePlan& plan = rules[k];
    strategy.SetBegPick(r, plan.beg);
    strategy.SetEndPick(r, plan.end);
    strategy.SetMethod(r, plan.method);
    strategy.SetCompare(r, plan.compare);
    strategy.SetUsingFactor(r, 0, plan.lrtr);
    strategy.SetUsingFactor(r, 1, plan.injury);
    strategy.SetUsingFactor(r, 2, plan.x);
    strategy.SetInclusion(r, plan.inclusion);
    strategy.SetNoByeConflict(r, plan.noByeConflict);
    for (int32_t id : plan.ids) strategy.AddPositionID(r, id);
  }
  for (int32_t kind = 0; kind <= 2; ++kind) {
    bool any = false;
    for (const FactorPlan& f : factors) any = any || f.kind == kind;
    if (!any) continue;
    strategy.AddFactor(kind);
    for (const FactorPlan& f : factors)
      if (f.kind == kind) strategy.SetFactor(kind, f.posID, f.factor);
  }
  ASSERT_TRUE(strategy.SaveDraftStrategy());
  ASSERT_TRUE(roster.LoadDraftStrategy(strategy.FilePath(), strategy.FileName()));
}

std::string TableNames::pFnGetPosAbrv(int32_t posID, bool allFlag) {
  static const std::map<int32_t, std::string> kAbbreviations{{kAll, "-"}, {kQB, "QB"}, {kRB, "RB"},
                                                             {kWR, "WR"}, {kTE, "TE"}, {kK, "K"}};
  if (posID == kAll && allFlag) return "All";
  auto it = kAbbreviations.find(posID);
  return it == kAbbreviations.end() ? "N/A" : it->second;
}

std::string TableNames::pFnGetPlayerNamewMasID(int32_t masterID) {
  auto it = players.find(masterID);
  return it == players.end() ? "P" + std::to_string(masterID) : it->second;
}

std::string TableNames::pFnGetPlayerNamewMasIDDisID(int32_t masterID, int32_t displayID) {
  displayIDs.push_back(displayID);
  return pFnGetPlayerNamewMasID(masterID).substr(0, 18);
}

std::string TableNames::pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) {
  teamWeeks.push_back(week);
  EXPECT_EQ(year, 2024);
  return "T" + std::to_string(playerID - 5000);
}

}  // namespace kdtest
