#include "engine/basMockDraftCalculation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basAssociatedFiles.h"
#include "core/basDirExists_001.h"
#include "core/basFileExists_001.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/basStatusControl.h"
#include "core/clsCheatIsolate.h"
#include "core/clsHighPrecisionTimer.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "database/ScoringFileTransfer.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "engine/KickwellDBPickLogNames.h"
#include "engine/LeagueTransfer.h"
#include "engine/PickLogNames.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockDraftPositionStack.h"
#include "engine/clsMockRoster.h"
#include "engine/clsPossiblePicks.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/jet/Database.h"
#include "platform/jet/Statement.h"
#include "platform/jet/Transaction.h"
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

namespace {

// A season row and the position of its player.
struct PositionedRow {
  StackRow row;
  jet::Value posID;
};

// The season rows (week `week` of the database's own year) of every
// position, best points first (ties by player id), and the bye weeks
// looked up for them: kept while the file stays as it was when they were
// read (its change generation), so every job ranks from the same reading.
struct SeasonRows {
  uint64_t generation = 0;
  uint8_t week = 0;
  int16_t year = 0;
  std::shared_ptr<const std::vector<PositionedRow>> rows;
  std::unordered_map<int32_t, uint8_t> byes;
};

SeasonRows& LastSeasonRows() {
  static SeasonRows last;
  return last;
}

// True when `last` was read from the database's file as it still is.
bool StillHolds(const SeasonRows& last, clsKickwellDB& db, uint8_t week, int16_t year) {
  return last.rows && last.generation == db.Database().ChangeGeneration() && last.week == week &&
         last.year == year;
}

std::shared_ptr<const std::vector<PositionedRow>> ReadSeasonRows(clsKickwellDB& db, uint8_t week) {
  const int16_t year = db.pFnGetYear();
  db.Database().NoticeOtherWriters();
  SeasonRows& last = LastSeasonRows();
  if (StillHolds(last, db, week, year)) return last.rows;
  auto rows = std::make_shared<std::vector<PositionedRow>>();
  db.Database().ForEachRow(
      "SELECT tblPlayers.MasterID, tblStat0.Points, tblStat0.ADP, tblPlayers.PosID FROM tblStat0, tblPlayers "
      "WHERE tblStat0.Week = ? AND tblStat0.Year = ? AND tblPlayers.ID = tblStat0.PlayerID "
      "ORDER BY tblStat0.Points DESC, tblStat0.PlayerID;",
      {jet::Value(static_cast<int>(week)), jet::Value(static_cast<int>(year))}, [&](const jet::Statement& r) {
        PositionedRow row;
        row.row.MasterID = r.Column(0).AsLong();
        row.row.Points = r.Column(1).AsDouble();
        row.row.ADP = r.Column(2).AsDouble();
        row.posID = r.Column(3);
        rows->push_back(row);
      });
  last = SeasonRows{db.Database().ChangeGeneration(), week, year, rows, {}};
  return rows;
}

// pFnGetByeWeekwMasID, remembered with the season rows.
uint8_t ByeWeekOf(clsKickwellDB& db, int32_t masterID, uint8_t week, int16_t year) {
  SeasonRows& last = LastSeasonRows();
  if (!StillHolds(last, db, week, year)) return db.pFnGetByeWeekwMasID(masterID, week, year);
  const auto known = last.byes.find(masterID);
  if (known != last.byes.end()) return known->second;
  return last.byes[masterID] = db.pFnGetByeWeekwMasID(masterID, week, year);
}

// The stack of posID from rows ReadSeasonRows read: the rows of the
// positions the database merges into it (tblPositions.MergeAsID), in order,
// at most `maximum` (no limit when negative), each with his bye week.
void FillPositionStackFrom(std::span<const PositionedRow> rows, clsMockDraftPositionStack& stack, clsKickwellDB& db,
                           int32_t posID, uint8_t week, int32_t maximum) {
  std::vector<int64_t> merged;
  db.Database().ForEachRow("SELECT ID FROM tblPositions WHERE MergeAsID = ? ORDER BY ID;", {jet::Value(posID)},
                           [&](const jet::Statement& r) { merged.push_back(r.Column(0).AsLong()); });
  std::vector<StackRow> taken;
  for (const PositionedRow& row : rows) {
    if (maximum >= 0 && taken.size() >= static_cast<std::size_t>(maximum)) break;
    // As SQL's tblPlayers.PosID = <id> compares: numbers only.
    const bool inPosition = row.posID.IsNumber() && std::any_of(merged.begin(), merged.end(), [&](int64_t id) {
                              return row.posID.AsDouble() == static_cast<double>(id);
                            });
    if (inPosition) taken.push_back(row.row);
  }
  const int16_t year = db.pFnGetYear();
  for (StackRow& row : taken) row.ByeWeek = ByeWeekOf(db, row.MasterID, week, year);
  FillPositionStackFromRows(stack, taken, maximum);
}

}  // namespace

void FillPositionStack(clsMockDraftPositionStack& stack, clsKickwellDB& db, int32_t posID, uint8_t week,
                       int32_t maximum) {
  // A stack asks the file a question for every player's bye week.
  const jet::ReadScope read(db.Database());
  FillPositionStackFrom(*ReadSeasonRows(db, week), stack, db, posID, week, maximum);
}

clsMockRoster::StackFiller DatabaseStackFiller(clsKickwellDB& db, uint8_t week) {
  // The rows read at the first stack serve every other (ReadSeasonRows keeps them).
  return [&db, week](clsMockDraftPositionStack& stack, int32_t posID, int32_t maximum) {
    FillPositionStack(stack, db, posID, week, maximum);
  };
}

namespace {

// The progress segment of an automatic draft's picks as a whole.
constexpr int32_t kDraftProgressSegment = 7;

// The project's file of a work-folder type, as a full path.
std::string ProjectFilePath(int32_t key, int32_t pageCode) {
  return FileTypeFolder.at(static_cast<std::size_t>(pageCode)) + GlobalProject().Value(key);
}

// A scoring-system file of that name in its work folder.
std::string ScoringFilePath(const std::string& name) {
  return FileTypeFolder.at(static_cast<std::size_t>(kPageScoringSystem)) + name;
}

// Shown once when a scoring-system file yields no rules: going on would
// rank the points some earlier scoring left in the database. A file the
// reader refused says why; a missing one is named.
void ShowScoringNotLoaded(const std::string& name, const std::string& path, const std::string& refused) {
  if (!refused.empty()) {
    basAssociatedFiles::ShowOpenFileError(refused, path);
  } else if (basFileExists_001::FileExists(path, true)) {
    seams::MessageBox().ShowMessage("Scoring System Error",
                                    "Unable to load the scoring rules of Scoring System File: " + name + ".",
                                    seams::kOk, true);
  }
}

// How every season row is scored, by the jobs and by the projected-stats
// page alike: the rules of a scoring-system file with their distribution
// maps become the database's scoring system, and partial units inside a
// rule's range count as fractions for as long as this lives. Without a
// usable file the database's stored rules are scored the same way.
class SeasonScoring {
 public:
  // An empty path loads nothing. `refused` as the reader's.
  SeasonScoring(clsKickwellDB& db, const std::string& path, std::string* refused = nullptr)
      : db_(db), loaded_(!path.empty() && db.pFnLoadScoringSystem(path, refused)) {
    db_.SetModifiedScoring(1);
  }
  ~SeasonScoring() { db_.SetModifiedScoring(0); }
  SeasonScoring(const SeasonScoring&) = delete;
  SeasonScoring& operator=(const SeasonScoring&) = delete;

  bool Loaded() const { return loaded_; }
  // The stored rules in place of a file that did not load (an earlier load
  // may have replaced them in memory).
  void UseStoredRules() { db_.pSbUpdateScoringSystem(); }

 private:
  clsKickwellDB& db_;
  bool loaded_;
};

// Loads the scoring system and rescores the season rows. False when the
// file gave no rules; `refused` then says whether the reader refused it.
bool RescoreSeasonRows(clsStatusPlain& status, clsKickwellDB& db, const std::string& path,
                       std::string& refused) {
  SeasonScoring scoring(db, path, &refused);
  if (!scoring.Loaded()) return false;
  status.SetSegmentValue(2, 1);
  db.pSbUpdatePlayerPointswStatus(status, clsKickwellDB::kSeasonWeek, clsKickwellDB::kSeasonWeek,
                                  db.pFnGetYear());
  return true;
}

}  // namespace

double RescoreSeasonRow(clsKickwellDB& db, const std::string& file, int32_t playerID, int16_t year) {
  SeasonScoring scoring(db, file.empty() ? file : ScoringFilePath(file));
  if (!scoring.Loaded()) scoring.UseStoredRules();
  db.pSbSetStatCatExtract(playerID, clsKickwellDB::kSeasonWeek, year);
  // No rules score nothing: the row keeps the points the last scoring gave
  // it, as the pass over every row (RescoreShownSeason) leaves them, so that
  // a value typed over itself changes nothing.
  if (db.ScoringIsolate().RecordCount() == 0) {
    return db.pSbKickwellSQL("SELECT Points FROM tblStat0 WHERE PlayerID = ? AND Week = ? AND Year = ?;",
                             {playerID, static_cast<int>(clsKickwellDB::kSeasonWeek), static_cast<int>(year)})
        ->Field(0)
        .AsDouble();
  }
  return db.pSbScoreCurrentStatRow(db.ScoringIsolate());
}

bool RescoreShownSeason(const std::string& file, clsKickwellDB& db) {
  basStatusControl::JobProgress progress("Apply Scoring System");
  clsStatusPlain& status = progress.Status();
  status.AddSegment(4, 100.0f);
  status.StatusCaption(clsStatusPlain::kTotalBar, 0, "Applying Scoring System to Projected Stats");
  SeasonScoring scoring(db, file.empty() ? file : ScoringFilePath(file));
  if (!scoring.Loaded()) scoring.UseStoredRules();
  db.pSbUpdatePlayerPointswStatus(status, clsKickwellDB::kSeasonWeek, clsKickwellDB::kSeasonWeek, db.pFnGetYear());
  return !CancelFlag;
}

bool OpenProjectedStatsDB(clsStatusPlain& status, clsKickwellDB& db) {
  const std::string& name = GlobalProject().Value(kProjProjectedStatsFile);
  status.StatusListCaption("Opening " + name);
  const std::string path = ProjectFilePath(kProjProjectedStatsFile, kPageProjectedStats);
  // A job cannot go on without its database, so it says why it stops.
  if (!basDirExists_001::PathExists(path)) return basFileExists_001::FileExists(path, true);
  if (db.InitializeKickwellDBwStatus(path, status)) return true;
  if (!db.LastError().empty()) seams::MessageBox().ShowMessage("File Error", db.LastError(), seams::kOk, true);
  return false;
}

bool LoadProjectLeague(clsLeagueIsolate& league, std::string* unreported) {
  league.SetFilePath(FileTypeFolder.at(static_cast<std::size_t>(kPageLeagueProperties)));
  league.SetFileName(GlobalProject().Value(kProjLeaguePropertiesFile));
  return league.LoadLeagueProps(false, unreported);
}

void ShowLeagueError(const std::string& text) {
  seams::MessageBox().ShowMessage("League Properties Error", text, seams::kOk, true);
}

bool LoadLeagueProperties(clsStatusPlain& status, clsKickwellDB& db, clsMockDraft& mock,
                          std::vector<LGPRosterSizeRecord>& records, std::vector<int32_t>& order) {
  status.SetSegmentRange(1, 0, 3);
  status.StatusListCaption("Opening " + GlobalProject().Value(kProjLeaguePropertiesFile));
  clsLeagueIsolate league;
  if (!LoadProjectLeague(league)) return false;
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
  std::string refused;
  if (basSCOFileControl::ReadScoRecords(path, rules, &refused) < 1) {
    ShowScoringNotLoaded(name, path, refused);
    return false;
  }
  basSCOFileControl::LoadScoFileIntoDb(path, db);
  if (!RescoreSeasonRows(status, db, path, refused)) {
    ShowScoringNotLoaded(name, path, refused);
    return false;
  }
  return !CancelFlag;
}

namespace {

// The records that take a roster slot (RosterMax above 0), the whole
// roster's first: slot 0 is the one without a stack.
std::vector<LGPRosterSizeRecord> RosterSlotRecords(const std::vector<LGPRosterSizeRecord>& records) {
  std::vector<LGPRosterSizeRecord> slots;
  for (const LGPRosterSizeRecord& r : records)
    if (r.RosterMax > 0) slots.push_back(r);
  // A file may store the whole roster after the positions: found by its ID.
  std::stable_partition(slots.begin(), slots.end(),
                        [](const LGPRosterSizeRecord& r) { return r.PosID == kWholeRosterPosID; });
  return slots;
}

}  // namespace

std::string LeagueRosterError(const std::vector<LGPRosterSizeRecord>& records) {
  if (!basLGPFileControl::HasAllRosterMax(records))
    return "'All Roster Max' value required in League Properties File.";
  // The whole-roster record alone gives a ranking without a single stack.
  const bool anyPosition = std::any_of(records.begin(), records.end(), [](const LGPRosterSizeRecord& r) {
    return r.PosID != kWholeRosterPosID && r.RosterMax > 0;
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
  for (const LGPRosterSizeRecord& r : RosterSlotRecords(records))
    roster.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
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
  if (rosters.size() > 1) names.RememberStackPlayers(rosters[1]);
  std::vector<int32_t> boardIndex;
  const bool drafted = RunMockDraftPicks(status, mock, order, rosters, lists, names, boardIndex);
  return ok && drafted && !CancelFlag;
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
  const std::string path = ScoringFilePath(file);
  bool loaded = false;
  bool cancelled = false;
  std::string refused;
  {
    basStatusControl::JobProgress progress("Apply Scoring System");
    clsStatusPlain& status = progress.Status();
    status.AddSegment(2, 2.0f);
    status.AddSegment(4, 98.0f);
    status.StatusCaption(clsStatusPlain::kTotalBar, 0, "Applying Scoring System to Projected Stats");
    status.SetSegmentRange(2, 0, 1);
    loaded = RescoreSeasonRows(status, db, path, refused);
    cancelled = CancelFlag;
  }
  timer.StopTimer();
  // Points left as they were must not pass for rescored ones.
  if (!loaded) ShowScoringNotLoaded(file, path, refused);
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

namespace {

clsMockRoster& RosterOfTeam(std::span<clsMockRoster> rosters, int32_t team) {
  if (team < 1 || static_cast<std::size_t>(team) >= rosters.size())
    throw std::out_of_range("no roster for team " + std::to_string(team));
  return rosters[static_cast<std::size_t>(team)];
}

const clsMockRoster& RosterOfTeam(std::span<const clsMockRoster> rosters, int32_t team) {
  if (team < 1 || static_cast<std::size_t>(team) >= rosters.size())
    throw std::out_of_range("no roster for team " + std::to_string(team));
  return rosters[static_cast<std::size_t>(team)];
}

// The player's index in the stack of his position, -1 when the roster has no
// such position or the stack lacks him.
int32_t StackIndexOf(const clsMockRoster& roster, int32_t masterID, int32_t posID) {
  const int32_t slot = roster.pFnGetPositionStackArwPosID(posID);
  if (slot < 1 || slot > roster.StackMax()) return -1;
  return roster.Stack(slot).IndexOfMasterID(masterID);
}

bool IsMarkedDrafted(const clsMockRoster& roster, int32_t masterID, int32_t posID) {
  const int32_t i = StackIndexOf(roster, masterID, posID);
  return i >= 0 && roster.Stack(roster.pFnGetPositionStackArwPosID(posID)).Drafted(i);
}

}  // namespace

bool MoveToPick(clsPossiblePicks& list, int32_t d) {
  if (list.Count() == 0) return false;
  list.MoveTo(d);
  return list.Pnt() >= 0 && list.Pnt() < list.Count() && list.DraftNdx() == d;
}

int32_t TeamPickNumber(int32_t pick, std::span<const int32_t> order) {
  CheckPick(order, pick);
  const int32_t team = order[static_cast<std::size_t>(pick)];
  return static_cast<int32_t>(std::count(order.begin(), order.begin() + pick + 1, team));
}

std::vector<int32_t> TeamPickNumbers(std::span<const int32_t> order) {
  // An order may hold thousands of picks: one pass, not a count per pick.
  std::unordered_map<int32_t, int32_t> picksSoFar;
  std::vector<int32_t> numbers(order.size());
  for (std::size_t p = 0; p < order.size(); ++p) numbers[p] = ++picksSoFar[order[p]];
  return numbers;
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
                             int32_t countChange, int32_t indexHint) {
  clsMockRoster::MarkLeaguePickInAll(rosters, masterID, posID, drafted, countChange, indexHint);
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

  for (const LGPRosterSizeRecord& r : RosterSlotRecords(records)) {
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
    // Every team ranks the same players to the same depth: the stacks are
    // filled once and the other teams get copies.
    if (t == 1)
      roster.FillPositionStacks(fill);
    else
      roster.CopyPositionStacks(rosters[1]);
    roster.SetTeams(teams);
    roster.AssignBaselinePointers();
    // League files keep names blank-padded to their field.
    roster.LoadDraftStrategy(strategyFolder, runtime::Trim(mock.DraftStrategyFile(t)));
    status.SetSegmentValue(8, t + 2);
  }

  // Every pick is marked in every roster: they share their marks.
  clsMockRoster::LinkLeague(rosters);

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
  // The teams' stacks are copies of one another: one lookup finds him in all.
  const int32_t hint = rosters.size() > 1 ? StackIndexOf(rosters[1], masterID, posID) : -1;
  MarkDraftedInAllRosters(rosters, posID, masterID, true, 1, hint);
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
  // The current bar follows the draft through segment 7, which no caller
  // adds: it counts on the current bar only. A pick's own segment shows
  // there just while a look-ahead searches for it.
  const float pickWeight = last > 0 ? 20.0f / static_cast<float>(last) : 20.0f;
  for (int32_t i = 0; i <= last; ++i) {
    status.AddSegment(10 + i, pickWeight);
    status.SetSegmentRange(10 + i, 0, 1);
  }
  status.SetSegmentRange(kDraftProgressSegment, 0, last);

  const std::vector<int32_t> teamPicks = TeamPickNumbers(order);
  mock.ReservePicks(last + 1);
  const std::string of = " of " + std::to_string(last + 1);
  std::string caption;
  int32_t forcedTeam = 0;
  int32_t rule = 0;
  for (int32_t i = 0; i <= last; ++i) {
    DoEvents();
    if (CancelFlag) break;
    caption.assign("Running Mock Draft Pick ");
    caption += std::to_string(i + 1);
    caption += of;
    status.StatusCaption(clsStatusPlain::kCurrentBar, 0, caption);
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
      // The look-ahead's choice for this pick: only the search's own entry
      // for it, and only a player nobody has taken.
      clsPossiblePicks& chosen = lists[0];
      if (MoveToPick(chosen, i)) {
        code = chosen.MasID();
        posID = chosen.PosID();
        points = chosen.PP();
        baseline = chosen.RBL();
      }
      if (code > 0 && IsMarkedDrafted(roster, code, posID)) code = clsMockRoster::kNoPick;
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
      code = roster.DraftNextPlayer(points, baseline, posID, teamPicks[static_cast<std::size_t>(i)], rule);
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
      status.FinishSegment(10 + i);
      status.SetSegmentValue(kDraftProgressSegment, i);
      rule = 0;
    }
  }
  return !CancelFlag;
}

// ---------------------------------------------------------------- look-ahead building blocks

void ReplayPicksIntoRoster(const clsMockDraft& mock, std::span<const clsMockRoster> rosters,
                           std::vector<clsMockRoster>& copies, int32_t pick) {
  copies.assign(rosters.size(), clsMockRoster());
  for (std::size_t t = 1; t < rosters.size(); ++t) rosters[t].Spawn(copies[t]);
  // The search marks every simulated pick in every copy: they share their
  // marks (the copies of rosters that agree).
  clsMockRoster::LinkLeague(copies);
  // Every entry made before the pick counts, the latest one included; the
  // drafted marks themselves came with the copies.
  if (copies.size() < 2) return;
  const int32_t lastEntry = std::min(pick - 1, mock.Count());
  for (int32_t k = 0; k <= lastEntry; ++k) {
    const int32_t masterID = mock.MasterID(k);
    if (masterID <= 0) continue;  // an open place on a user's board
    const int32_t posID = mock.Position(k);
    // Every copy holds the same stacks, so one lookup finds him in all.
    MarkDraftedInAllRosters(copies, posID, masterID, true, 1, StackIndexOf(copies[1], masterID, posID));
  }
}

void BuildPossiblePicks(const clsMockDraft& mock, std::span<const clsMockRoster> rosters,
                        std::span<clsPossiblePicks> lists, std::span<const int32_t> order, int32_t pick,
                        std::span<const int32_t> boardIndex) {
  CheckPick(order, pick);
  if (lists.size() < 2) throw std::out_of_range("a look-ahead needs two candidate lists");
  const int32_t team = order[static_cast<std::size_t>(pick)];
  const clsMockRoster& roster = RosterOfTeam(rosters, team);
  const int32_t last = static_cast<int32_t>(order.size()) - 1;
  for (std::size_t l = 0; l < 2; ++l) {
    clsPossiblePicks& list = lists[l];
    for (int32_t j = 0; j <= last; ++j) {
      if (order[static_cast<std::size_t>(j)] != team) continue;
      list.AddPlayer();
      list.SetDraftNdx(j);
      if (j >= pick) continue;
      const int32_t b = BoardIndexOfPick(boardIndex, j);
      if (b < 0 || b > mock.Count()) continue;
      const int32_t masterID = mock.MasterID(b);
      list.SetMasID(masterID);
      list.SetPosID(mock.Position(b));
      int32_t slot = 0;
      int32_t i = 0;
      if (masterID > 0 && roster.FindStackPlayer(masterID, slot, i)) {
        list.SetRBL(roster.StackPlayerRosterBaseline(slot, i));
        list.SetSBL(roster.StackPlayerStarterBaseline(slot, i));
        list.SetPP(roster.StackPlayerPoints(slot, i));
      }
    }
    list.CreateNdx();
  }
}

void CreatePossiblePicksPerPosition(std::span<const clsMockRoster> rosters,
                                    std::vector<clsPossiblePicks>& lists) {
  const int32_t n = rosters.size() > 1 ? rosters[1].ActivePositions() : -1;
  lists.assign(static_cast<std::size_t>(std::max(n + 1, 0)), clsPossiblePicks());
}

int32_t FindOrAddPickSlot(std::vector<clsPossiblePicks>& lists, int32_t d) {
  bool emptyMet = false;
  for (std::size_t k = 0; k < lists.size(); ++k) {
    if (lists[k].Count() == 0) {
      emptyMet = true;
      continue;
    }
    if (lists[k].DraftNdx() == d) return static_cast<int32_t>(k);
  }
  if (emptyMet) return -1;
  lists.emplace_back();
  lists.back().SetNeedPicks(true);
  return static_cast<int32_t>(lists.size()) - 1;
}

bool PrepareTeamStrategy(clsMockRoster& roster, clsPossiblePicks& list, int32_t d, int32_t rule,
                         bool useFilter, int32_t extra) {
  list.Clear();
  roster.SetPickWithAllPossiblePositions(list, d, useFilter, rule, extra);
  list.MoveFirst();
  list.SetNeedPicks(false);
  return list.Count() > 0;
}

void ApplyFactorsToPossiblePicks(clsPossiblePicks& list, const clsMockRoster& roster, int32_t rule) {
  ForEachEntry(list, [&] {
    double x = 0;
    double inj = 0;
    double lrtr = 0;
    const int32_t posID = list.PosID();
    const double rbl = roster.ApplyDraftFactors(rule, posID, list.RBL(), x, inj, lrtr);
    const double sbl = roster.ApplyDraftFactors(rule, posID, list.SBL(), x, inj, lrtr);
    // The points move with the roster value, so that the drop-offs the
    // gain-loss search measures carry the factors too.
    if (rbl != list.RBL()) {
      list.SetPP(list.PP() + (rbl - list.RBL()));
      list.SetRBL(rbl);
    }
    if (sbl != list.SBL()) list.SetSBL(sbl);
    list.SetFactorINJ(inj);
    list.SetFactorLRTR(lrtr);
    list.SetFactorX(x);
  });
  if (list.Count() > 0) list.MoveFirst();
}

bool BuildPositionCandidates(clsPossiblePicks& next, clsPossiblePicks& slotNext, clsPossiblePicks& slotNow,
                             std::span<const clsMockRoster> rosters, std::span<const int32_t> mids,
                             std::span<const int32_t> pids, int32_t from, int32_t to) {
  next.Clear();
  if (slotNow.Count() == 0) return false;
  const clsMockRoster& first = RosterOfTeam(rosters, 1);
  const int32_t keepNext = slotNext.Pnt();
  const int32_t keepNow = slotNow.Pnt();
  const int32_t own = slotNow.PosID();
  from = std::max(from, 0);
  to = std::min(to, static_cast<int32_t>(std::min(mids.size(), pids.size())) - 1);
  bool result = false;
  ForEachEntry(slotNow, [&] {
    const int32_t posID = slotNow.PosID();
    next.AddPlayer();
    next.SetPP(slotNow.PP());
    next.SetPosID(posID);
    bool found = false;
    slotNext.MoveToPosID(posID, found);
    const double bestThen = found ? slotNext.PP() : 0.0;
    if (posID != own) {
      next.SetPP(bestThen);
      return;
    }
    // Waiting costs the team at its own position only when others took
    // players of it in between: otherwise the candidate would still be there.
    for (int32_t k = from; k <= to; ++k) {
      if (pids[static_cast<std::size_t>(k)] != own) continue;
      double points = 0;
      if (first.GetPPwMasIDPosID(mids[static_cast<std::size_t>(k)], own, points) && points > bestThen &&
          points < next.PP()) {
        next.SetPP(bestThen);
        result = true;
      }
    }
  });
  slotNext.SetPnt(keepNext);
  slotNow.SetPnt(keepNow);
  return result;
}

double PermutationPoints(clsPossiblePicks& now, clsPossiblePicks& next, bool starter) {
  if (now.Count() == 0) return 0.0;
  const int32_t keepNow = now.Pnt();
  const int32_t keepNext = next.Pnt();
  const int32_t own = now.PosID();
  double total = 0.0;
  ForEachEntry(now, [&] {
    bool found = false;
    next.MoveToPosID(now.PosID(), found);
    double drop = 0.0;
    if (found) {
      drop = now.PP() - next.PP();
      // A position that runs dry loses the whole value of its candidate.
      if (now.PosID() == own && next.PP() == 0.0) drop = starter ? now.SBL() : now.RBL();
    }
    total += now.PosID() == own ? drop : -drop;
  });
  now.SetPnt(keepNow);
  next.SetPnt(keepNext);
  return total;
}

bool SetInitialCompareValues(clsPossiblePicks& candidates, clsPossiblePicks& result) {
  if (candidates.Count() == 0) return false;
  double best = 0.0;
  int32_t bestIndex = -1;
  ForEachEntry(candidates, [&] {
    bestIndex = KeepBetterCandidate(best, bestIndex, candidates.PickPlus(), candidates.Pnt());
  });
  candidates.SetPnt(bestIndex);
  const int32_t d = candidates.DraftNdx();
  if (!MoveToPick(result, d))
    throw std::out_of_range("the result list has no entry for draft index " + std::to_string(d));
  result.SetMasID(candidates.MasID());
  result.SetPosID(candidates.PosID());
  result.SetRBL(candidates.RBL());
  result.SetSBL(candidates.SBL());
  result.SetPP(candidates.PP());
  result.SetADP(candidates.ADP());
  result.SetInitialCV(candidates.InitialCV());
  result.SetPickPlus(candidates.PickPlus());
  candidates.MoveLast();
  return true;
}

int32_t KeepBetterCandidate(double& best, int32_t bestIndex, double value, int32_t index) {
  if (bestIndex > -1 && value <= best) return bestIndex;
  best = value;
  return index;
}

void SimulateDraftPlayer(std::span<clsMockRoster> rosters, std::span<int32_t> mids, std::span<int32_t> pids,
                         std::span<const int32_t> order, int32_t d, int32_t team, int32_t posID,
                         int32_t masterID) {
  CheckPick(order, d);
  const std::size_t at = static_cast<std::size_t>(d);
  mids[at] = masterID;
  pids[at] = posID;
  clsMockRoster& own = RosterOfTeam(rosters, team);
  if (order[at] == team) own.NashDraftPlayer(masterID, posID);
  // Every copy holds the same stacks, so one lookup finds him in all.
  MarkDraftedInAllRosters(rosters, posID, masterID, true, 1, StackIndexOf(own, masterID, posID));
}

void SimulateReleasePlayer(std::span<clsMockRoster> rosters, std::span<const int32_t> mids,
                           std::span<const int32_t> pids, std::span<const int32_t> order, int32_t from,
                           int32_t to) {
  for (int32_t k = from; k >= to; --k) {
    CheckPick(order, k);
    const std::size_t at = static_cast<std::size_t>(k);
    clsMockRoster& owner = RosterOfTeam(rosters, order[at]);
    owner.NashReleasePlayer(mids[at], pids[at]);
    MarkDraftedInAllRosters(rosters, pids[at], mids[at], false, -1, StackIndexOf(owner, mids[at], pids[at]));
  }
}

void CalculateSpawnTotals(clsPossiblePicks& best, clsPossiblePicks& path, int32_t compare, int32_t d) {
  best.Calculate(compare, d);
  path.Calculate(compare, d);
  // An earlier draft position is the better one: ADP totals win small.
  const bool better = compare == clsMockRoster::kADP ? path.Total(compare) < best.Total(compare)
                                                     : path.Total(compare) > best.Total(compare);
  if (better) best.Spawn(path);
}

// ---------------------------------------------------------------- the searches

namespace {

constexpr int32_t kLongMax = std::numeric_limits<int32_t>::max();

int32_t ClampToLong(double value) {
  if (!(value < static_cast<double>(kLongMax))) return kLongMax;
  return value < 0 ? 0 : static_cast<int32_t>(value);
}

// One search: the set-up, the walk over the draft from the pick on the clock
// to the end of its window, and the results. The walk is depth first over
// the team's picks in the window (its slots): at each it takes the slot's
// next candidate, lets the other teams pick in between by their strategies,
// and at the window's end values the path and backs up by undoing the
// simulated picks, latest first.
class LookAheadSearch {
 public:
  enum class Kind { kPotential, kEquilibrium };

  LookAheadSearch(Kind kind, std::span<clsMockRoster> rosters, std::span<clsPossiblePicks> lists,
                  std::span<const int32_t> order, int32_t pick, int32_t window, int32_t rule, bool starter,
                  clsStatusPlain* status)
      : kind_(kind),
        rosters_(rosters),
        lists_(lists),
        best_(lists[0]),
        path_(lists[1]),
        order_(order),
        pick_(pick),
        window_(std::max(window, 1)),
        rule_(rule),
        starter_(starter),
        status_(status) {}

  bool Run(const clsMockDraft& mock, std::span<const int32_t> boardIndex) {
    bool result = true;
    try {
      SetUp(mock, boardIndex);
      if (kind_ == Kind::kPotential && !hasLaterPick_)
        ValueWithoutLaterPick();
      else
        result = Walk();
      Finish(result);
    } catch (const std::exception& e) {
      seams::MessageBox().ShowMessage("Mock Draft Error", e.what(), seams::kOk, true);
      return false;
    }
    return result;
  }

 private:
  bool Potential() const { return kind_ == Kind::kPotential; }

  void SetUp(const clsMockDraft& mock, std::span<const int32_t> boardIndex) {
    CheckPick(order_, pick_);
    team_ = order_[static_cast<std::size_t>(pick_)];
    const clsMockRoster& roster = RosterOfTeam(rosters_, team_);
    compare_ = roster.StrategyCompare(rule_);
    end_ = FindTeamNthNextPick(order_, pick_, window_);
    hasLaterPick_ =
        std::find(order_.begin() + pick_ + 1, order_.begin() + end_ + 1, team_) != order_.begin() + end_ + 1;
    mids_.assign(order_.size(), 0);
    pids_.assign(order_.size(), 0);
    teamPick_ = TeamPickNumbers(order_);

    ReplayPicksIntoRoster(mock, rosters_, copies_, pick_);
    BuildPossiblePicks(mock, copies_, lists_, order_, pick_, boardIndex);
    for (clsPossiblePicks* list : {&best_, &path_}) {
      list->SetCompare(compare_);
      list->SetMethod(roster.StrategyMethod(rule_));
      list->SetBegDraftAr(pick_);
      list->SetEndDraftAr(end_);
      list->SetStrategyAr(rule_);
    }
    if (Potential()) CreatePossiblePicksPerPosition(copies_, gains_);
    // One slot per pick of the team in the window: no slot list moves while
    // the walk holds it.
    slots_.clear();
    slots_.reserve(
        static_cast<std::size_t>(std::count(order_.begin() + pick_, order_.begin() + end_ + 1, team_)));

    if (!Potential()) {
      range_ = ClampToLong(std::pow(static_cast<double>(window_) + 1.0, 5.0));
      if (status_) status_->SetSegmentRange(-1, 0, range_);
    }
  }

  // The slot list of the team's pick at p, with its next candidate under the
  // cursor; backs up to earlier slots (moving p) when a slot is exhausted.
  // False when the search is over.
  bool NextCandidate(int32_t& p, int32_t& s) {
    s = FindOrAddPickSlot(slots_, p);
    if (s < 0) throw std::logic_error("look-ahead lost its pick slot");
    clsMockRoster& roster = copies_[static_cast<std::size_t>(team_)];
    for (;;) {
      clsPossiblePicks& list = slots_[static_cast<std::size_t>(s)];
      if (list.NeedPicks()) {
        list.SetCompare(compare_);
        const bool any = PrepareTeamStrategy(roster, list, p, rule_, true, Potential() ? s : 0);
        if (!any && s == 0) return false;  // nobody to choose at the pick on the clock
        ApplyFactorsToPossiblePicks(list, roster, rule_);
        // A later pick without candidates is played as a pick of nobody, so
        // that the path before it is still valued (it adds nothing, or no
        // ADP).
        if (!any) AddNobody(list, p);
        return true;
      }
      if (list.IsEOF()) {
        if (s == 0) {
          exhausted_ = true;
          return false;
        }
        const int32_t previous = slots_[static_cast<std::size_t>(s) - 1].DraftNdx();
        SimulateReleasePlayer(copies_, mids_, pids_, order_, p - 1, previous);
        list.SetNeedPicks(true);
        --s;
        p = previous;
        continue;
      }
      list.MoveNext();
      p = list.DraftNdx();
      return true;
    }
  }

  void AddNobody(clsPossiblePicks& list, int32_t p) const {
    list.AddPlayer();
    list.SetDraftNdx(p);
    list.SetADP(clsMockDraftPositionStack::kNoADP);
    list.MoveFirst();
  }

  void PutOnPath(clsPossiblePicks& slot, int32_t p) {
    if (!MoveToPick(path_, p)) throw std::logic_error("look-ahead path has no entry for its pick");
    path_.SetMasID(slot.MasID());
    path_.SetPosID(slot.PosID());
    path_.SetRBL(slot.RBL());
    path_.SetSBL(slot.SBL());
    path_.SetPP(slot.PP());
    path_.SetADP(slot.ADP());
    if (Potential()) path_.SetPickPlus(slot.PickPlus());
    path_.SetInitialCV(slot.InitialCV());
    path_.SetFactorINJ(slot.FactorINJ());
    path_.SetFactorLRTR(slot.FactorLRTR());
    path_.SetFactorX(slot.FactorX());
  }

  bool Walk() {
    int32_t p = pick_;
    int32_t s = 0;
    for (;;) {
      DoEvents();
      if (CancelFlag) {
        cancelled_ = true;
        return true;
      }
      const int32_t owner = order_[static_cast<std::size_t>(p)];
      int32_t masterID = 0;
      int32_t posID = 0;
      if (owner == team_) {
        if (!NextCandidate(p, s)) return true;
        clsPossiblePicks& slot = slots_[static_cast<std::size_t>(s)];
        PutOnPath(slot, p);
        if (!Potential() && count_ == 0) best_.Spawn(path_);
        masterID = slot.MasID();
        posID = slot.PosID();
      } else {
        double points = 0;
        double value = 0;
        int32_t rule = 0;
        const int32_t code =
            RosterOfTeam(std::span<clsMockRoster>(copies_), owner)
                .DraftNextPlayer(points, value, posID, teamPick_[static_cast<std::size_t>(p)], rule);
        if (code < 0) {
          ShowConflict(p);
          return false;
        }
        if (code > 0)
          masterID = code;
        else
          posID = 0;
      }
      SimulateDraftPlayer(copies_, mids_, pids_, order_, p, team_, posID, masterID);
      if (p != end_) {
        ++p;
        continue;
      }
      Evaluate(s);
      // Back to the team's last pick of the window, whose slot moves on.
      path_.MoveLast();
      if (path_.DraftNdx() > end_) path_.MoveTo(end_);
      const int32_t back = path_.DraftNdx();
      SimulateReleasePlayer(copies_, mids_, pids_, order_, p, back);
      p = back;
    }
  }

  void Evaluate(int32_t s) {
    if (Potential()) {
      EvaluateGainLoss(s);
    } else {
      if (count_ == 0)
        best_.Spawn(path_);
      else
        CalculateSpawnTotals(best_, path_, compare_, pick_);
    }
    count_ += 1;
    if (!Potential()) ReportPass();
  }

  void EvaluateGainLoss(int32_t s) {
    if (s < 1) return;
    clsPossiblePicks& next = slots_[static_cast<std::size_t>(s)];
    clsPossiblePicks& now = slots_[static_cast<std::size_t>(s) - 1];
    // The team's next pick is not enumerated: the walk backs up from it.
    next.MoveLast();
    const int32_t c = now.Pnt();
    if (static_cast<std::size_t>(c) + 1 >= gains_.size()) gains_.resize(static_cast<std::size_t>(c) + 2);
    clsPossiblePicks& gains = gains_[static_cast<std::size_t>(c) + 1];
    const bool taken = BuildPositionCandidates(gains, next, now, copies_, mids_, pids_, now.DraftNdx() + 1,
                                               next.DraftNdx() - 1);
    now.SetPnt(c);
    const double points = PermutationPoints(now, gains, starter_);
    now.SetPosDrafted(taken);
    now.SetPickPlus(points);
    if (now.IsEOF()) chosen_ = SetInitialCompareValues(now, best_) || chosen_;
  }

  void ReportPass() {
    passesSinceCaption_ += 1;
    if (!status_) return;
    status_->SetSegmentValue(-1, ClampToLong(count_));
    if (passesSinceCaption_ == 1)
      status_->StatusCaption(clsStatusPlain::kCurrentBar, 0,
                             "Running Mock Draft Pick " + std::to_string(pick_ + 1) + " of " +
                                 std::to_string(order_.size()) + " [Equilibrium Pass " +
                                 std::to_string(static_cast<int64_t>(count_ - 1)) + "]");
    if (passesSinceCaption_ >= static_cast<double>(range_) / 100.0) passesSinceCaption_ = 0;
  }

  // The team's last pick of the draft: nothing is left to wait for, so each
  // candidate is worth its own value over the position's baseline.
  void ValueWithoutLaterPick() {
    DoEvents();
    if (CancelFlag) {
      cancelled_ = true;
      return;
    }
    const int32_t s = FindOrAddPickSlot(slots_, pick_);
    clsPossiblePicks& list = slots_[static_cast<std::size_t>(s)];
    clsMockRoster& roster = copies_[static_cast<std::size_t>(team_)];
    list.SetCompare(compare_);
    if (!PrepareTeamStrategy(roster, list, pick_, rule_, true, 0)) return;
    ApplyFactorsToPossiblePicks(list, roster, rule_);
    ForEachEntry(list, [&] {
      list.SetPosDrafted(false);
      list.SetPickPlus(starter_ ? list.SBL() : list.RBL());
    });
    count_ = list.Count();
    chosen_ = SetInitialCompareValues(list, best_);
  }

  void ShowConflict(int32_t p) const {
    seams::MessageBox().ShowMessage(
        "Mock Draft Strategy Conflict",
        "Strategy Conflict - Team " + std::to_string(team_) + " Pick " + std::to_string(pick_ + 1) +
            " and Team " + std::to_string(order_[static_cast<std::size_t>(p)]) + " Pick " +
            std::to_string(p + 1) + ".\r\nSee Project Validation Details for more information.",
        seams::kOk, true);
  }

  void Finish(bool result) {
    const bool haveFirstSlot = !slots_.empty() && slots_[0].Count() > 0;
    // Every candidate of the pick on the clock was played out: the choice
    // is made even when the last evaluation did not make it.
    if (Potential() && exhausted_ && !chosen_ && haveFirstSlot)
      chosen_ = SetInitialCompareValues(slots_[0], best_);
    // A cancelled search forces nobody: the pick goes on as if it had found
    // no player.
    if (cancelled_ && MoveToPick(best_, pick_)) {
      best_.SetMasID(0);
      best_.SetPosID(0);
      best_.SetPP(0);
      best_.SetRBL(0);
      best_.SetSBL(0);
      best_.SetADP(0);
      best_.SetPickPlus(0);
      best_.SetInitialCV(0);
    }
    if (Potential() && !result) return;
    const clsMockRoster& roster = RosterOfTeam(rosters_, team_);
    const int32_t keep = best_.Pnt();
    ForEachEntry(best_, [&] {
      double points = 0;
      if (roster.GetPPwMasIDPosID(best_.MasID(), best_.PosID(), points)) best_.SetPP(points);
    });
    best_.SetPnt(keep);
    if (Potential() && haveFirstSlot) path_.Spawn(slots_[0]);
    best_.SetCanidates(count_);
    path_.SetCanidates(count_);
  }

  const Kind kind_;
  std::span<clsMockRoster> rosters_;
  std::span<clsPossiblePicks> lists_;
  clsPossiblePicks& best_;
  clsPossiblePicks& path_;
  std::span<const int32_t> order_;
  const int32_t pick_;
  const int32_t window_;
  const int32_t rule_;
  const bool starter_;
  clsStatusPlain* status_;

  int32_t team_ = 0;
  int32_t compare_ = 0;
  int32_t end_ = 0;
  bool hasLaterPick_ = false;
  int32_t range_ = 0;
  std::vector<clsMockRoster> copies_;
  std::vector<int32_t> mids_;
  std::vector<int32_t> pids_;
  std::vector<int32_t> teamPick_;
  std::vector<clsPossiblePicks> slots_;
  std::vector<clsPossiblePicks> gains_;
  double count_ = 0;
  int32_t passesSinceCaption_ = 0;
  bool exhausted_ = false;
  bool cancelled_ = false;
  bool chosen_ = false;
};

}  // namespace

bool PotentialLookAhead(clsMockDraft& mock, std::span<clsMockRoster> rosters,
                        std::span<clsPossiblePicks> lists, std::span<const int32_t> order, int32_t pick,
                        int32_t window, bool /*flag*/, int32_t& rule, bool starter, clsStatusPlain* status,
                        std::span<const int32_t> boardIndex) {
  if (lists.size() < 2) throw std::out_of_range("a look-ahead needs two candidate lists");
  LookAheadSearch search(LookAheadSearch::Kind::kPotential, rosters, lists, order, pick, window, rule,
                         starter, status);
  return search.Run(mock, boardIndex);
}

bool EquilibriumLookAhead(clsMockDraft& mock, std::span<clsMockRoster> rosters,
                          std::span<clsPossiblePicks> lists, std::span<const int32_t> order, int32_t pick,
                          int32_t depth, bool /*flag*/, int32_t& rule, clsStatusPlain* status,
                          std::span<const int32_t> boardIndex) {
  if (lists.size() < 2) throw std::out_of_range("a look-ahead needs two candidate lists");
  LookAheadSearch search(LookAheadSearch::Kind::kEquilibrium, rosters, lists, order, pick, depth, rule, false,
                         status);
  return search.Run(mock, boardIndex);
}

}  // namespace basMockDraftCalculation
