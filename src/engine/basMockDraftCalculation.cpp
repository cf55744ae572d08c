#include "engine/basMockDraftCalculation.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basDirExists_001.h"
#include "core/basFileExists_001.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsHighPrecisionTimer.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basLGPFileControl.h"
#include "engine/PickLogNames.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockDraftPositionStack.h"
#include "engine/clsMockRoster.h"
#include "engine/clsPossiblePicks.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"

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

void FillPositionStack(clsMockDraftPositionStack& stack, clsKickwellDB& db, int32_t posID, uint8_t week,
                       int32_t maximum) {
  const int16_t year = db.pFnGetYear();
  // The merge condition holds only position ids the database itself lists.
  std::string sql =
      "SELECT tblPlayers.MasterID, tblStat0.Points, tblStat0.ADP FROM tblStat0, tblPlayers WHERE "
      "tblStat0.Week = ? AND tblStat0.Year = ? AND tblPlayers.ID = tblStat0.PlayerID AND (" +
      db.pFnGetSQLPosMerges(posID) + " ) ORDER BY tblStat0.Points DESC, tblStat0.PlayerID";
  std::vector<jet::Value> params{jet::Value(static_cast<int>(week)), jet::Value(static_cast<int>(year))};
  if (maximum >= 0) {
    sql += " LIMIT ?";
    params.emplace_back(maximum);
  }
  std::vector<StackRow> rows;
  {
    auto rs = db.pSbKickwellSQL(sql + ";", params);
    for (; !rs->Eof(); rs->MoveNext()) {
      StackRow row;
      row.MasterID = rs->Field(0).AsLong();
      row.Points = rs->Field(1).AsDouble();
      row.ADP = rs->Field(2).AsDouble();
      rows.push_back(row);
    }
  }
  // The bye-week lookups move the database's own cursors: done after the
  // query is read.
  for (StackRow& row : rows) row.ByeWeek = db.pFnGetByeWeekwMasID(row.MasterID, week, year);
  FillPositionStackFromRows(stack, rows, maximum);
}

clsMockRoster::StackFiller DatabaseStackFiller(clsKickwellDB& db, uint8_t week) {
  return [&db, week](clsMockDraftPositionStack& stack, int32_t posID, int32_t maximum) {
    FillPositionStack(stack, db, posID, week, maximum);
  };
}

bool OpenProjectedStatsDB(clsStatusPlain& status, clsKickwellDB& db) {
  const std::string& name = GlobalProject().Value(kProjProjectedStatsFile);
  status.StatusListCaption("Opening " + name);
  const std::string path = FileTypeFolder.at(static_cast<std::size_t>(kPageProjectedStats)) + name;
  if (!basDirExists_001::PathExists(path)) return false;
  // A file that is not a projected-stats database is no better than none.
  return db.InitializeKickwellDBwStatus(path, status);
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

int32_t BoardIndexOfPick(std::span<const int32_t> table, int32_t pick) {
  if (table.empty()) return pick;
  if (pick < 0 || static_cast<std::size_t>(pick) >= table.size()) return -1;
  return table[static_cast<std::size_t>(pick)];
}

std::string MockDraftLeagueErrors(const std::vector<LGPRosterSizeRecord>& records, const clsMockDraft& mock) {
  std::string errors;
  if (!basLGPFileControl::HasAllRosterMax(records))
    errors += "'All Roster Max' value required in League Properties File.\r\n";
  if (mock.DraftRounds() < 1) errors += "Draft Rounds < 1 in League Properties File.\r\n";
  // A league without teams has no picks to make and no rosters to build.
  if (mock.OwnerCount() < 1) errors += "Team Count < 1 in League Properties File.\r\n";
  return errors;
}

bool BuildTeamRosters(clsStatusPlain& status, const clsMockRoster::StackFiller& fill, clsMockDraft& mock,
                      std::vector<clsMockRoster>& rosters, const std::vector<LGPRosterSizeRecord>& records) {
  const int32_t teams = mock.OwnerCount();
  status.StatusCaption(clsStatusPlain::kCurrentBar, 0, "Generating Postion Stacks");
  status.StatusListCaption("Generating Postion Stacks...");
  status.Clear(clsStatusPlain::kCurrentBar);
  status.SetSegmentRange(8, 0, teams + 2);

  rosters.assign(static_cast<std::size_t>(teams) + 1, clsMockRoster());
  status.SetSegmentValue(8, 1);

  for (const LGPRosterSizeRecord& r : records) {
    if (r.RosterMax <= 0) continue;
    for (int32_t t = 1; t <= teams; ++t)
      rosters[static_cast<std::size_t>(t)].AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax,
                                                                 r.RosterMin, r.StarterMax, r.StarterMin);
    mock.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
  }
  status.SetSegmentValue(8, 2);

  bool numeric = false;
  const int32_t buffer =
      basMockDraftSettings::ValidLong(GlobalProject().Value(kProjAdditionalPlayers), numeric);
  const std::string& strategyFolder = FileTypeFolder.at(static_cast<std::size_t>(kPageDraftStrategies));
  for (int32_t t = 1; t <= teams; ++t) {
    clsMockRoster& roster = rosters[static_cast<std::size_t>(t)];
    roster.ClearRoster();
    roster.SetOwnerCount(teams);
    roster.SetPlayerBuffer(buffer);
    roster.FillPositionStacks(fill);
    roster.SetTeams(teams);
    roster.AssignBaselinePointers();
    // League files keep names blank-padded to their field.
    roster.LoadDraftStrategy(strategyFolder, runtime::Trim(mock.DraftStrategyFile(t)));
    status.SetSegmentValue(8, t + 2);
  }

  if (teams >= 1) {
    const clsMockRoster& first = rosters[1];
    for (const LGPRosterSizeRecord& r : records) {
      if (r.RosterMax <= 0) continue;
      mock.SetRBL(r.PosID, first.RBL(r.PosID));
      mock.SetSBL(r.PosID, first.SBL(r.PosID));
    }
  }
  return true;
}

void RecordMockPick(int32_t masterID, double points, int32_t team, int32_t posID, double baseline,
                    const std::string& name, int32_t index, clsMockDraft& mock,
                    std::span<clsMockRoster> rosters) {
  mock.SetMasterID(index, masterID);
  mock.SetPoints(index, points);
  mock.SetDraftOwner(index, team);
  mock.SetPosition(index, posID);
  mock.SetBaseLine(index, baseline);
  mock.SetPlayerName(index, name);
  mock.SetDraftPosition(index, index);
  MarkDraftedInAllRosters(rosters, posID, masterID, true, 1);
}

void ClearMockPick(int32_t masterID, int32_t team, int32_t posID, int32_t index, clsMockDraft& mock,
                   std::span<clsMockRoster> rosters) {
  mock.SetMasterID(index, 0);
  mock.SetPoints(index, 0);
  mock.SetDraftOwner(index, team);
  mock.SetPosition(index, 0);
  mock.SetBaseLine(index, 0);
  mock.SetPlayerName(index, "");
  mock.SetDraftPosition(index, index);
  MarkDraftedInAllRosters(rosters, posID, masterID, false, -1);
}

// ---- Team summary

namespace {

// The summary averages season points over a season of this many weeks.
constexpr double kSeasonWeeks = 16.0;
constexpr int32_t kTeamNameWidth = 1500;
constexpr int32_t kValueWidth = 800;

std::string WeeklyAverage(double seasonPoints) { return runtime::Format(seasonPoints / kSeasonWeeks, "0.0"); }

}  // namespace

double SumTeamPositionPoints(const clsMockDraft& mock, int32_t team, int32_t posID) {
  double sum = 0;
  for (int32_t p = 0; p <= mock.Count(); ++p)
    if (mock.DraftOwner(p) == team && mock.Position(p) == posID) sum += mock.Points(p);
  return sum;
}

double SumTeamPoints(const clsMockDraft& mock, int32_t team) {
  double sum = 0;
  for (int32_t p = 0; p <= mock.Count(); ++p)
    if (mock.DraftOwner(p) == team) sum += mock.Points(p);
  return sum;
}

double SumTeamStarterPoints(const clsMockDraft& mock, int32_t team, double& bench) {
  double starters = 0;
  bench = 0;
  for (int32_t k = 0; k <= mock.ActivePositionMax(); ++k) {
    const int32_t posID = mock.PosID(k);
    const int32_t limit = mock.StarterMax(posID);
    int32_t taken = 0;
    for (int32_t p = 0; p <= mock.Count(); ++p) {
      if (mock.DraftOwner(p) != team || mock.Position(p) != posID) continue;
      if (taken < limit) {
        starters += mock.Points(p);
        ++taken;
      } else {
        bench += mock.Points(p);
      }
    }
  }
  return starters;
}

void FillTeamSummaryGrid(FlexGridModel& grid, const clsMockDraft& mock, clsKickwellDB& db) {
  const int32_t teams = std::max(mock.OwnerCount(), 0);
  const int32_t records = mock.ActivePositionMax();
  grid.SetRows(teams + 2);
  grid.SetFixedRows(2);
  grid.SetCols(records + 3);

  grid.SetTextMatrix(1, 0, "Team Name");
  grid.SetColWidth(0, kTeamNameWidth);
  grid.SetColAlignment(0, FlexGridModel::kAlignLeftCenter);
  for (int32_t c = 0; c < grid.Cols(); ++c) {
    grid.SetTextMatrix(0, c, "Average Points Per Week");
    if (c >= 2) {
      grid.SetColWidth(c, kValueWidth);
      grid.SetColAlignment(c, FlexGridModel::kAlignRightCenter);
    }
  }
  grid.SetTextMatrix(1, 1, "Starters");
  grid.SetTextMatrix(1, 2, "Bench");
  grid.SetTextMatrix(1, 3, "Full");
  // Record 1 is the whole roster, which has no column of its own.
  for (int32_t p = 2; p <= records; ++p) grid.SetTextMatrix(1, p + 2, db.pFnGetPosAbrv(mock.PosID(p), false));

  for (int32_t t = 1; t <= teams; ++t) {
    const int32_t row = t + 1;
    double bench = 0;
    const double starters = SumTeamStarterPoints(mock, t, bench);
    grid.SetTextMatrix(row, 0, mock.OwnerName(t));
    grid.SetTextMatrix(row, 1, WeeklyAverage(starters));
    grid.SetTextMatrix(row, 2, WeeklyAverage(bench));
    grid.SetTextMatrix(row, 3, WeeklyAverage(SumTeamPoints(mock, t)));
    for (int32_t p = 2; p <= records; ++p)
      grid.SetTextMatrix(row, p + 2, WeeklyAverage(SumTeamPositionPoints(mock, t, mock.PosID(p))));
  }
}

bool RunLookAheadPick(int32_t& team, int32_t& pick, int32_t code, std::span<const int32_t> order,
                      clsMockDraft& mock, std::span<clsMockRoster> rosters, std::span<clsPossiblePicks> lists,
                      int32_t mode, int32_t& rule, clsStatusPlain* status,
                      std::span<const int32_t> boardIndex) {
  if (lists.empty()) throw std::out_of_range("look-ahead without candidate lists");
  clsHighPrecisionTimer timer;
  timer.StartTimer();
  CheckPick(order, pick);
  team = order[static_cast<std::size_t>(pick)];
  const clsSettingsKD& settings = basMockDraftSettings::GlobalSettings();
  bool result = false;
  switch (code) {
    case clsMockRoster::kPickStarterPotGL:
    case clsMockRoster::kPickRosterPotGL:
      if (mode != kUserMockMode || settings.BoolVal(kSetEnablePotentialGainLoss))
        result = PotentialLookAhead(mock, rosters, lists, order, pick, 1, false, rule,
                                    code == clsMockRoster::kPickStarterPotGL, status, boardIndex);
      break;
    case clsMockRoster::kPickEquilibrium:
      if (mode != kUserMockMode || settings.BoolVal(kSetEnableEquilibrium)) {
        if (status && !status->Visible()) {
          status->SetVisible(true);
          status->Refresh(-1);
        }
        result =
            EquilibriumLookAhead(mock, rosters, lists, order, pick, settings.LongVal(kSetEquilibriumDepth),
                                 false, rule, status, boardIndex);
      }
      break;
    default:
      break;
  }
  if (result) --pick;
  timer.StopTimer();
  lists[0].SetRunTime(timer.Differential());
  return result;
}

bool RunMockDraftPicks(clsStatusPlain& status, clsMockDraft& mock, std::span<const int32_t> order,
                       std::span<clsMockRoster> rosters, std::span<clsPossiblePicks> lists,
                       PickLogNames& names, std::vector<int32_t>& boardIndex) {
  const int32_t last = static_cast<int32_t>(order.size()) - 1;
  boardIndex.assign(order.size(), -1);
  status.StatusCaption(clsStatusPlain::kCurrentBar, 0, "Running Mock Draft");
  status.StatusListCaption("Running Mock Draft...");
  // The picks share a fifth of the total bar (a one-pick draft has it whole).
  const float pickWeight = last > 0 ? 20.0f / static_cast<float>(last) : 20.0f;
  for (int32_t i = 0; i <= last; ++i) {
    status.AddSegment(10 + i, pickWeight);
    status.SetSegmentRange(10 + i, 0, 1);
  }
  status.SetSegmentRange(7, 0, last);

  int32_t forcedTeam = 0;
  int32_t rule = 0;
  for (int32_t i = 0; i <= last; ++i) {
    DoEvents();
    if (CancelFlag) break;
    status.StatusCaption(
        clsStatusPlain::kCurrentBar, 0,
        "Running Mock Draft Pick " + std::to_string(i + 1) + " of " + std::to_string(last + 1));
    status.SetSegmentValue(10 + i, 0);

    const int32_t team = order[static_cast<std::size_t>(i)];
    if (team < 1 || static_cast<std::size_t>(team) >= rosters.size())
      throw std::out_of_range("draft order names team " + std::to_string(team));
    clsMockRoster& roster = rosters[static_cast<std::size_t>(team)];
    double points = 0;
    double baseline = 0;
    int32_t posID = 0;
    int32_t code = clsMockRoster::kNoPick;
    if (team == forcedTeam) {
      // The look-ahead's choice for this pick.
      clsPossiblePicks& chosen = lists[0];
      chosen.MoveTo(i);
      code = chosen.MasID();
      posID = chosen.PosID();
      points = chosen.PP();
      baseline = chosen.RBL();
      if (code > 0) {
        roster.NashDraftPlayer(code, posID);
      } else {
        // Nobody chosen: the pick again, from the team's next rule.
        code = clsMockRoster::kNoPick;
        ++rule;
        --i;
      }
      forcedTeam = -1;
    } else {
      code = roster.DraftNextPlayer(points, baseline, posID, TeamPickNumber(i, order), rule);
    }

    if (code < 0) {
      if (!RunLookAheadPick(forcedTeam, i, code, order, mock, rosters, lists, kAutomaticMode, rule, &status,
                            boardIndex))
        return false;
    } else if (code > 0) {
      const int32_t index = mock.AddPlayer(code, points);
      double value = 0;
      if (roster.GetRBLwMasIDPosID(code, posID, value)) baseline = value;
      if (roster.GetPPwMasIDPosID(code, posID, value)) points = value;
      RecordMockPick(code, points, team, posID, baseline, names.pFnGetPlayerNamewMasID(code), index, mock,
                     rosters);
      boardIndex[static_cast<std::size_t>(i)] = index;
      status.SetSegmentRange(10 + i, 0, 1);
      status.SetSegmentValue(10 + i, 1);
      rule = 0;
    }
  }
  return !CancelFlag;
}

// ---------------------------------------------------------------- look-ahead stand-ins

namespace {

// What both stand-ins leave behind: an entry for the pick without a player.
bool NoLookAheadChoice(std::span<clsPossiblePicks> lists, int32_t pick) {
  clsPossiblePicks& result = lists[0];
  result.AddPlayer();
  result.SetDraftNdx(pick);
  result.SetMasID(0);
  result.SetPosID(0);
  result.SetPP(0);
  result.SetRBL(0);
  result.SetSBL(0);
  result.CreateNdx();
  return true;
}

}  // namespace

bool PotentialLookAhead(clsMockDraft& /*mock*/, std::span<clsMockRoster> /*rosters*/,
                        std::span<clsPossiblePicks> lists, std::span<const int32_t> /*order*/, int32_t pick,
                        int32_t /*window*/, bool /*flag*/, int32_t& /*rule*/, bool /*starter*/,
                        clsStatusPlain* /*status*/, std::span<const int32_t> /*boardIndex*/) {
  return NoLookAheadChoice(lists, pick);
}

bool EquilibriumLookAhead(clsMockDraft& /*mock*/, std::span<clsMockRoster> /*rosters*/,
                          std::span<clsPossiblePicks> lists, std::span<const int32_t> /*order*/, int32_t pick,
                          int32_t /*depth*/, bool /*flag*/, int32_t& /*rule*/, clsStatusPlain* /*status*/,
                          std::span<const int32_t> /*boardIndex*/) {
  return NoLookAheadChoice(lists, pick);
}

}  // namespace basMockDraftCalculation
