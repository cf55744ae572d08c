#include "engine/basMockDraftCalculation.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basFileExists_001.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "engine/clsMockDraftPositionStack.h"
#include "engine/clsMockRoster.h"

namespace basMockDraftCalculation {

void FillPositionStackFromRows(clsMockDraftPositionStack& stack, std::span<const StackRow> rows,
                               int32_t maximum) {
  std::size_t taken = rows.size();
  if (maximum >= 0) taken = std::min(taken, static_cast<std::size_t>(maximum));
  if (taken == 0) return;
  stack.SetCount(static_cast<int32_t>(taken) - 1);
  for (std::size_t k = 0; k < taken; ++k) {
    const int32_t i = static_cast<int32_t>(k);
    stack.SetMasterID(i, rows[k].MasterID);
    stack.SetPoints(i, rows[k].Points);
    stack.SetByeWeek(i, rows[k].ByeWeek);
    stack.SetADP(i, rows[k].ADP);
    stack.SetDrafted(i, false);
  }
}

bool CheckRequiredProjectFiles(bool showMessage, const std::string& caption) {
  std::string message;
  bool ok = true;
  CheckProjectFile(kProjLeaguePropertiesFile, kPageLeagueProperties, message, ok);
  CheckProjectFile(kProjScoringSystemFile, kPageScoringSystem, message, ok);
  CheckProjectFile(kProjProjectedStatsFile, kPageProjectedStats, message, ok);
  if (!ok && showMessage) seams::MessageBox().ShowMessage(caption, message, seams::kOk, true);
  return ok;
}

void CheckProjectFile(int32_t key, int32_t pageCode, std::string& message, bool& ok) {
  const std::size_t page = static_cast<std::size_t>(pageCode);
  const std::string& name = GlobalProject().Value(key);
  std::string problem;
  if (name.empty())
    problem = " is required.";
  else if (!basFileExists_001::FileExists(FileTypeFolder.at(page) + name, false))
    problem = ": " + name + " does not exist.";
  if (problem.empty()) return;
  // Every line after the first starts with two blanks.
  if (!message.empty()) message += " ";
  message += " " + FileTypeDescription.at(page) + problem + "\r\n";
  ok = false;
}

namespace {

void CheckPick(std::span<const int32_t> order, int32_t pick) {
  if (pick < 0 || static_cast<std::size_t>(pick) >= order.size())
    throw std::out_of_range("draft order has no pick " + std::to_string(pick));
}

}  // namespace

int32_t TeamPickNumber(int32_t pick, std::span<const int32_t> order) {
  CheckPick(order, pick);
  const int32_t team = order[static_cast<std::size_t>(pick)];
  return static_cast<int32_t>(std::count(order.begin(), order.begin() + pick + 1, team));
}

int32_t FindTeamNthNextPick(std::span<const int32_t> order, int32_t pick, int32_t n) {
  CheckPick(order, pick);
  const int32_t team = order[static_cast<std::size_t>(pick)];
  const int32_t last = static_cast<int32_t>(order.size()) - 1;
  int32_t count = 0;
  for (int32_t j = pick + 1; j <= last; ++j)
    if (order[static_cast<std::size_t>(j)] == team && ++count == n) return j;
  return last;
}

void MarkDraftedInAllRosters(std::span<clsMockRoster> rosters, int32_t posID, int32_t masterID, bool drafted,
                             int32_t countChange) {
  for (std::size_t t = 1; t < rosters.size(); ++t) {
    clsMockRoster& roster = rosters[t];
    roster.MarkPlayerAsDrafted(masterID, posID, drafted);
    roster.SetLeaguePosDraftCount(posID, roster.LeaguePosDraftCount(posID) + countChange);
  }
}

}  // namespace basMockDraftCalculation
