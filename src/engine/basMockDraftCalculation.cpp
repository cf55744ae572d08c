#include "engine/basMockDraftCalculation.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basDirExists_001.h"
#include "core/basFileExists_001.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/basStatusControl.h"
#include "core/clsCheatIsolate.h"
#include "core/clsHighPrecisionTimer.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/KickwellDBPickLogNames.h"
#include "engine/PickLogNames.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockDraftPositionStack.h"
#include "engine/clsMockRoster.h"
#include "engine/clsPossiblePicks.h"
#include "platform/runtime/Text.h"
#include "user_mock/CompatibilityView.h"
#include "user_mock/basUGMFileControl.h"
#include "user_mock/clsUserMockIsolate.h"

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

namespace {

// The project's file of a work-folder type, as a full path.
std::string ProjectFilePath(int32_t key, int32_t pageCode) {
  return FileTypeFolder.at(static_cast<std::size_t>(pageCode)) + GlobalProject().Value(key);
}

void ShowLeagueError(const std::string& text) {
  seams::MessageBox().ShowMessage("League Properties Error", text, seams::kOk, true);
}

// Shown when a scoring-system file that exists yields no rules: going on
// would rank the points some earlier scoring left in the database.
void ShowScoringNotLoaded(const std::string& name) {
  seams::MessageBox().ShowMessage("Scoring System Error",
                                  "Unable to load the scoring rules of Scoring System File: " + name + ".",
                                  seams::kOk, true);
}

// Loads the scoring system and rescores the season rows, with
// ModifiedScoring on only while the rows are rescored. False when the file
// gave no rules.
bool RescoreSeasonRows(clsStatusPlain& status, clsKickwellDB& db, const std::string& path) {
  if (!db.pFnLoadScoringSystem(path)) return false;
  status.SetSegmentValue(2, 1);
  struct ModifiedScoringOn {
    explicit ModifiedScoringOn(clsKickwellDB& d) : db(d) { db.SetModifiedScoring(1); }
    ~ModifiedScoringOn() { db.SetModifiedScoring(0); }
    clsKickwellDB& db;
  } on(db);
  db.pSbUpdatePlayerPointswStatus(status, clsKickwellDB::kSeasonWeek, clsKickwellDB::kSeasonWeek,
                                  db.pFnGetYear());
  return true;
}

}  // namespace

bool OpenProjectedStatsDB(clsStatusPlain& status, clsKickwellDB& db) {
  const std::string& name = GlobalProject().Value(kProjProjectedStatsFile);
  status.StatusListCaption("Opening " + name);
  const std::string path = ProjectFilePath(kProjProjectedStatsFile, kPageProjectedStats);
  // A job cannot go on without its database, so it says why it stops.
  if (!basDirExists_001::PathExists(path)) return basFileExists_001::FileExists(path, true);
  if (db.InitializeKickwellDBwStatus(path, status)) return true;
  seams::MessageBox().ShowMessage("File Error", db.LastError(), seams::kOk, true);
  return false;
}

bool LoadLeagueProperties(clsStatusPlain& status, clsKickwellDB& db, clsMockDraft& mock,
                          std::vector<LGPRosterSizeRecord>& records, std::vector<int32_t>& order) {
  status.SetSegmentRange(1, 0, 3);
  status.StatusListCaption("Opening " + GlobalProject().Value(kProjLeaguePropertiesFile));
  clsLeagueIsolate league;
  league.SetFilePath(FileTypeFolder.at(static_cast<std::size_t>(kPageLeagueProperties)));
  league.SetFileName(GlobalProject().Value(kProjLeaguePropertiesFile));
  if (!league.LoadLeagueProps()) return false;
  basLGPFileControl::CopyRosterSizesToDB(db, league);
  status.SetSegmentValue(1, 1);
  basLGPFileControl::ApplyLeagueToMockDraft(mock, order, league);
  status.SetSegmentValue(1, 2);
  // Entry 0 stays the empty record in front of the positions.
  records.assign(1, LGPRosterSizeRecord{});
  basLGPFileControl::ReadRosterSizes(records, db, league);
  status.SetSegmentValue(1, 3);
  return true;
}

bool ApplyProjectScoring(clsStatusPlain& status, clsKickwellDB& db) {
  status.SetSegmentRange(2, 0, 1);
  const std::string& name = GlobalProject().Value(kProjScoringSystemFile);
  status.StatusListCaption("Opening " + name);
  const std::string path = ProjectFilePath(kProjScoringSystemFile, kPageScoringSystem);
  // A file without rules would empty the rules stored in the database
  // before failing to load: it is turned away first.
  std::vector<ScoringRuleRecord> rules;
  if (basSCOFileControl::ReadScoRecords(path, rules) < 1) {
    if (basFileExists_001::FileExists(path, true)) ShowScoringNotLoaded(name);
    return false;
  }
  basSCOFileControl::LoadScoFileIntoDb(path, db);
  if (!RescoreSeasonRows(status, db, path)) {
    ShowScoringNotLoaded(name);
    return false;
  }
  return !CancelFlag;
}

std::string LeagueRosterError(const std::vector<LGPRosterSizeRecord>& records) {
  if (!basLGPFileControl::HasAllRosterMax(records))
    return "'All Roster Max' value required in League Properties File.";
  // The whole-roster record alone gives a ranking without a single stack.
  const bool anyPosition = std::any_of(records.begin(), records.end(), [](const LGPRosterSizeRecord& r) {
    return r.PosID != 1 && r.RosterMax > 0;
  });
  if (!anyPosition) return "No positions are selected in League Properties File.";
  return "";
}

bool CalculateCheatSheet(clsStatusPlain& status, clsMockDraft& mock, clsMockRoster& roster,
                         clsKickwellDB& db) {
  roster = clsMockRoster();
  status.StatusCaption(clsStatusPlain::kTotalBar, 0, "Generating Cheat Sheet");
  if (CancelFlag) return false;
  if (!OpenProjectedStatsDB(status, db)) return false;
  std::vector<LGPRosterSizeRecord> records;
  std::vector<int32_t> order;
  // An unreadable league leaves no records, which the check below reports.
  LoadLeagueProperties(status, db, mock, records, order);
  // Checked before the scoring run, which a league that cannot be ranked
  // would only make the user wait for.
  const std::string error = LeagueRosterError(records);
  if (!error.empty()) {
    ShowLeagueError(error);
    return false;
  }
  if (!ApplyProjectScoring(status, db)) return false;

  status.StatusCaption(clsStatusPlain::kCurrentBar, 0, "Generating Postion Stacks");
  if (CancelFlag) return false;
  status.StatusListCaption("Generating Postion Stacks...");
  status.Clear(clsStatusPlain::kCurrentBar);
  status.SetSegmentRange(8, 0, 1);
  // The whole-roster record comes first and takes slot 0, which has no
  // stack; the positions follow in ID order.
  for (const LGPRosterSizeRecord& r : records)
    if (r.RosterMax > 0)
      roster.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax,
                                   r.StarterMin);
  roster.ClearRoster();
  roster.SetOwnerCount(mock.OwnerCount());
  roster.FillPositionStacks(DatabaseStackFiller(db, clsKickwellDB::kSeasonWeek));
  roster.SetBaselineMode(clsMockDraftPositionStack::kRosterBaseline);
  status.SetSegmentValue(8, 1);
  roster.AssignBaselinePointers();
  return true;
}

bool CalculateMockDraft(clsStatusPlain& status, clsMockDraft& mock, clsKickwellDB& db) {
  std::array<clsPossiblePicks, 2> lists;
  status.StatusCaption(clsStatusPlain::kTotalBar, 0, "Generating Mock Draft");
  if (CancelFlag) return false;
  if (!OpenProjectedStatsDB(status, db)) return false;
  std::vector<LGPRosterSizeRecord> records;
  std::vector<int32_t> order;
  const bool loaded = LoadLeagueProperties(status, db, mock, records, order);
  // An unreadable league has no records and so always has errors to show.
  const std::string errors = MockDraftLeagueErrors(records, mock);
  if (!loaded || !errors.empty()) {
    if (!errors.empty()) ShowLeagueError(errors);
    return false;
  }
  if (!ApplyProjectScoring(status, db)) return false;
  std::vector<clsMockRoster> rosters;
  const bool ok =
      BuildTeamRosters(status, DatabaseStackFiller(db, clsKickwellDB::kSeasonWeek), mock, rosters, records);
  if (mock.CreateDraftOrder())
    basLGPFileControl::BuildDraftOrder(order, mock.OwnerCount(), mock.DraftRounds(), mock.DraftStyle());
  KickwellDBPickLogNames names(db);
  std::vector<int32_t> boardIndex;
  const bool drafted = RunMockDraftPicks(status, mock, order, rosters, lists, names, boardIndex);
  return ok && drafted && !CancelFlag;
}

void ReadUGMRosterSizes(const clsUserMockIsolate& ugm, std::vector<LGPRosterSizeRecord>& records) {
  const int32_t n = ugm.RosterSizeCount();
  if (n < 1) return;
  records.assign(static_cast<std::size_t>(n), LGPRosterSizeRecord{});
  for (int32_t k = 0; k < n; ++k) {
    LGPRosterSizeRecord& r = records[static_cast<std::size_t>(k)];
    r.PosID = ugm.PosID(k);
    r.MergeAsID = ugm.MergeAsID(k);
    r.RosterMin = ugm.RosterMin(k);
    r.RosterMax = ugm.RosterMax(k);
    r.StarterMin = ugm.StarterMin(k);
    r.StarterMax = ugm.StarterMax(k);
  }
}

void LoadUGMBoard(clsUserMockIsolate& ugm, int32_t style) {
  std::vector<int32_t> order;
  const int32_t last = basLGPFileControl::BuildDraftOrder(order, ugm.OwnerCount(), ugm.DraftRounds(), style);
  ugm.SetBoardCount(last + 1);
  for (int32_t j = 0; j <= last; ++j) {
    ugm.SetBoardOwnerID(j, order[static_cast<std::size_t>(j)]);
    ugm.SetBoardMasterID(j, 0);
    ugm.SetBoardPosID(j, 0);
  }
}

namespace {

// Offers what differs between the league and the user mock in the transfer
// window (shown only when the team counts match) and applies the choice.
// Differing team counts import nothing and say so.
void TransferLeagueToUserMock(clsUserMockIsolate& ugm, clsKickwellDB& db, clsLeagueIsolate& league) {
  seams::CompatibilityView& window = seams::Compatibility();
  window.PopulateTeamChanges(ugm, league, db);
  const bool anyChange =
      std::any_of(LGPTransferFlags.begin(), LGPTransferFlags.end(), [](bool f) { return f; });
  if (anyChange && league.TeamCount() == ugm.OwnerCount()) {
    window.ActivateGrid();
    window.ShowModal();
  }
  window.Unload();
  int32_t result = 0;
  basLGPFileControl::ApplyLeagueToUserMock(ugm, db, result, league);
  if (result < 0) {
    seams::MessageBox().ShowMessage(
        "UGM / LGP Compatibility",
        "LGP Team Count = " + std::to_string(-static_cast<int64_t>(result)) +
            " / UGM Team Count = " + std::to_string(ugm.OwnerCount()) + "\r\n" +
            "The current UGM can be used but will not import any League Properties from the LGP.  " +
            "You must create a new UGM file to use the League Properties file.",
        seams::kOk, true);
  }
}

}  // namespace

bool PrepareUserMockDraft(clsStatusPlain& status, clsMockDraft& mock, clsKickwellDB& db,
                          std::vector<clsMockRoster>& rosters, clsUserMockIsolate& ugm, bool applyLeague) {
  if (!OpenProjectedStatsDB(status, db)) return false;
  clsLeagueIsolate league;
  league.SetFilePath(FileTypeFolder.at(static_cast<std::size_t>(kPageLeagueProperties)));
  league.SetFileName(GlobalProject().Value(kProjLeaguePropertiesFile));
  if (!league.LoadLeagueProps()) return false;

  if (applyLeague) {
    basLGPFileControl::CopyTeamsToUserMock(ugm, league);
    basLGPFileControl::ApplyRosterSizesToUserMock(db, ugm, league);
    basLGPFileControl::ApplyDraftOrderToUserMock(ugm, league);
    // Without a usable created order the board follows the league's style,
    // as the conflict message promises.
    if (ugm.BoardCount() == 0) LoadUGMBoard(ugm, league.DraftStyle());
  } else {
    TransferLeagueToUserMock(ugm, db, league);
  }

  status.SetSegmentRange(7, 0, 4);
  std::vector<LGPRosterSizeRecord> records;
  ReadUGMRosterSizes(ugm, records);
  const std::string error = LeagueRosterError(records);
  if (!error.empty()) {
    ShowLeagueError(error);
    return false;
  }
  basUGMFileControl::ApplyUserMockRosterSizes(ugm, db);
  basUGMFileControl::CopyUserMockOwnersToMock(ugm, mock);
  status.SetSegmentValue(7, 3);

  if (!ApplyProjectScoring(status, db)) return false;
  const bool ok =
      BuildTeamRosters(status, DatabaseStackFiller(db, clsKickwellDB::kSeasonWeek), mock, rosters, records);
  basUGMFileControl::CopyUserMockBoardToMock(ugm, mock, rosters, db, records);
  status.SetSegmentValue(7, 4);
  DoEvents();
  return ok && !CancelFlag;
}

bool ApplyScoringSystem(const std::string& file, clsKickwellDB& db) {
  clsHighPrecisionTimer timer;
  timer.StartTimer();
  if (file == FileTypeDefaultName.at(static_cast<std::size_t>(kPageScoringSystem))) {
    seams::MessageBox().PlainMessage("Scoring System File required.", seams::PlainButtons::kOk,
                                     seams::PlainIcon::kNone, "Apply Scoring System Canceled");
    timer.StopTimer();
    return false;
  }
  const std::string path = FileTypeFolder.at(static_cast<std::size_t>(kPageScoringSystem)) + file;
  bool loaded = false;
  bool cancelled = false;
  {
    std::unique_ptr<clsStatusPlain> status =
        basStatusControl::CreateStatusWindow("Apply Scoring System", false);
    // The window goes again however the run ends.
    struct Unloader {
      ~Unloader() { seams::Progress().Unload(); }
    } unloader;
    seams::Progress().Show();
    status->AddSegment(2, 2.0f);
    status->AddSegment(4, 98.0f);
    status->StatusCaption(clsStatusPlain::kTotalBar, 0, "Applying Scoring System to Projected Stats");
    status->SetSegmentRange(2, 0, 1);
    loaded = RescoreSeasonRows(*status, db, path);
    cancelled = CancelFlag;
  }
  timer.StopTimer();
  // Points left as they were must not pass for rescored ones.
  if (!loaded && basFileExists_001::FileExists(path, true)) ShowScoringNotLoaded(file);
  return loaded && !cancelled;
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
  std::string errors = LeagueRosterError(records);
  if (!errors.empty()) errors += "\r\n";
  if (mock.DraftRounds() < 1) errors += "Draft Rounds < 1 in League Properties File.\r\n";
  // A league without teams has no picks to make and no rosters to build.
  if (mock.OwnerCount() < 1) {
    errors += "Team Count < 1 in League Properties File.\r\n";
  } else if (mock.DraftRounds() >= 1 && static_cast<int64_t>(mock.OwnerCount()) * mock.DraftRounds() >
                                            basLGPFileControl::kMaxDraftOrderPicks) {
    // No draft order is built for so many picks.
    errors += "Team Count x Draft Rounds > " + std::to_string(basLGPFileControl::kMaxDraftOrderPicks) +
              " in League Properties File.\r\n";
  }
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
