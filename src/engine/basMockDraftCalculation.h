#pragma once
// The mock-draft engine's procedures: the cheat-sheet ranking and the
// automatic mock draft over the project's files, filling position stacks,
// and the bookkeeping of a draft's picks. A user mock draft is prepared
// over them in user_mock/UserMockPreparation.h.
//
// The jobs report through a clsStatusPlain whose segments the caller has
// added: 1 league properties, 2 scoring system, 3 opening the database,
// 4 rescoring the season rows, 7 user mock preparation, 8 position stacks;
// an automatic draft adds 10 + pick itself. A failure a
// job detects is shown in an OK box before it answers False; a cancelled job
// answers False without a message and keeps what it finished.
//
// A draft order holds, per pick from 0, the team (from 1) that owns it.
// Team rosters are indexed by team; entry 0 is unused.
//
// A board holds the picks in the order they were recorded; a pick for which
// the team found nobody leaves no entry, so a draft keeps a table from draft
// index to board index (-1 for a pick without an entry). An empty table
// means every pick has its entry at its own index, as on a user's board.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "draft_inputs/LGPRecords.h"
#include "engine/clsMockRoster.h"

class FlexGridModel;
class clsKickwellDB;
class clsLeagueIsolate;
class clsMockDraft;
class clsMockDraftPositionStack;
class clsPossiblePicks;
class clsStatusPlain;
class PickLogNames;

namespace basMockDraftCalculation {

// One season row of a position query, in ranking order.
struct StackRow {
  int32_t MasterID = 0;
  double Points = 0;
  double ADP = 0;
  uint8_t ByeWeek = 0;
};

// Puts the first rows (at most `maximum`, no limit when it is negative) at
// the top of the stack in the order given, which then holds exactly those.
// No rows leave the stack as it was.
void FillPositionStackFromRows(clsMockDraftPositionStack& stack, std::span<const StackRow> rows,
                               int32_t maximum);

// Fills the stack with the position's season rows (week `week` of the
// database's own year) of every position merged into it, best points first
// (ties by player id), at most `maximum` players (no limit when negative),
// each with his team's bye week and his ADP. No rows leave the stack as it
// was. Database errors reach the caller as jet::JetError. The season rows
// of all positions are read in one query, and kept (with the bye weeks
// looked up) while nothing changes the file.
void FillPositionStack(clsMockDraftPositionStack& stack, clsKickwellDB& db, int32_t posID, uint8_t week,
                       int32_t maximum);
// FillPositionStack over an open database, as team rosters fill their
// stacks: one reading of the season rows serves every stack.
clsMockRoster::StackFiller DatabaseStackFiller(clsKickwellDB& db, uint8_t week);

// ---- Jobs

// The cheat-sheet ranking: opens the project's database into db, loads the
// league (teams into mock), applies the project's scoring system to the
// season rows and makes roster a new league template: a slot per position
// whose RosterMax is above 0, stacks of the best players by season points,
// roster baselines. False when the database or the scoring system cannot be
// loaded, the league has no whole-roster maximum or no position to roster,
// or the user cancelled.
bool CalculateCheatSheet(clsStatusPlain& status, clsMockDraft& mock, clsMockRoster& roster,
                         clsKickwellDB& db);

// The automatic mock draft of the project's league into the new board mock:
// every team picks by its own strategy over the league's draft order. The
// league's errors are shown together, once. False when the database, the
// league or the scoring system is unusable, a look-ahead failed or the user
// cancelled (the picks made stay on the board).
bool CalculateMockDraft(clsStatusPlain& status, clsMockDraft& mock, clsKickwellDB& db);

// The stand-alone "Apply Scoring System" job: the scoring-system file of
// that name (in its work folder) rescores every season row of the open
// database under its own progress window. An empty name or a scoring system
// that cannot be loaded is reported and changes nothing. True when every row
// was rescored.
bool ApplyScoringSystem(const std::string& file, clsKickwellDB& db);

// A corrected season row (week 250 of the year; the row must exist) scored
// as the jobs will score it, so that the projected-stats page shows the
// points the cheat sheet and the mock draft rank the player with: with the
// scoring-system file of that name (the project's, in its work folder), its
// distribution maps, and partial units inside a rule's range as fractions.
// With no name, or a file that gives no rules, the rules stored in the
// database are scored the same way; with no rules at all the row keeps its
// Points. Writes the row's Points when they change and returns them;
// database errors and a value no Single can hold (runtime::OverflowError)
// reach the caller.
double RescoreSeasonRow(clsKickwellDB& db, const std::string& file, int32_t playerID, int16_t year);
// Every season row of the open database scored as RescoreSeasonRow scores
// one, under the progress window "Apply Scoring System": the projected-stats
// page runs it on every file it shows, so that the points it shows are those
// a correction gives. False when the user cancelled (the rows scored so far
// keep their new points); database errors reach the caller.
bool RescoreShownSeason(const std::string& file, clsKickwellDB& db);

// ---- Steps of the jobs

// Opens the project's projected-stats file (project key 9) in its work
// folder, with a list line on the status. True when the file exists and
// opened as a projected-stats database; otherwise the reason is shown.
bool OpenProjectedStatsDB(clsStatusPlain& status, clsKickwellDB& db);

// Reads the project's league-properties file (project key 7) into league.
// A failure the reader did not show is put in `unreported` when given.
bool LoadProjectLeague(clsLeagueIsolate& league, std::string* unreported = nullptr);

// Shows text in an OK box titled "League Properties Error".
void ShowLeagueError(const std::string& text);

// Reads the project's league-properties file (project key 7): its limits and
// Merge As positions into tblPositions, its teams, rounds and style (and its
// created order, when usable, into order) into mock, and one roster-size
// record per position of tblPositions into records (entry 0 empty).
// Progress on segment 1. False, with nothing changed, when the file cannot
// be read.
bool LoadLeagueProperties(clsStatusPlain& status, clsKickwellDB& db, clsMockDraft& mock,
                          std::vector<LGPRosterSizeRecord>& records, std::vector<int32_t>& order);

// Loads the project's scoring system (project key 8) into tblScoringSystem
// and the database, and rewrites the points of every season row with it.
// Progress on segment 2. False when the user cancelled, or when the scoring
// system could not be loaded (after a message): points would otherwise be
// ranked as some earlier scoring left them.
bool ApplyProjectScoring(clsStatusPlain& status, clsKickwellDB& db);

// The league errors that stop a ranking from roster-size records: a
// missing whole-roster maximum, else no position with roster places; "" when
// there is none. The line does not end in CR LF.
std::string LeagueRosterError(const std::vector<LGPRosterSizeRecord>& records);

// True when the project names its league-properties, scoring-system and
// projected-stats files and each exists in its work folder. Otherwise, with
// showMessage, one OK box under `caption` lists what is missing, a line each.
bool CheckRequiredProjectFiles(bool showMessage, const std::string& caption);

// Checks the file named by project property `key` in the work folder of
// `pageCode`: when it is not named or missing, appends a line to message and
// sets ok False.
void CheckProjectFile(int32_t key, int32_t pageCode, std::string& message, bool& ok);

// The owning team's own pick number at pick `pick` (1 at its first pick).
int32_t TeamPickNumber(int32_t pick, std::span<const int32_t> order);
// TeamPickNumber of every pick of the order, counted in one pass.
std::vector<int32_t> TeamPickNumbers(std::span<const int32_t> order);

// The index of the n-th pick after `pick` owned by the same team; the last
// index of the order when the team has fewer later picks (or n < 1).
int32_t FindTeamNthNextPick(std::span<const int32_t> order, int32_t pick, int32_t n);

// Marks the player drafted (or free again) in the position's stack of every
// team 1.. and moves each team's league-wide count of the position by
// `countChange`. indexHint: where the stacks are expected to hold him.
void MarkDraftedInAllRosters(std::span<clsMockRoster> rosters, int32_t posID, int32_t masterID, bool drafted,
                             int32_t countChange, int32_t indexHint = -1);

// Pick modes of RunLookAheadPick: the user's own draft gates the searches
// by settings 42 and 43; the automatic draft always runs them.
inline constexpr int32_t kUserMockMode = 1;
inline constexpr int32_t kAutomaticMode = 2;

// The board index of the pick at draft index `pick`: table[pick], or the
// pick itself when the table is empty; -1 when the table has no such pick.
int32_t BoardIndexOfPick(std::span<const int32_t> table, int32_t pick);

// The league errors that stop an automatic draft, each line ending in CR LF
// in the order the user reads them: LeagueRosterError, rounds, teams, too
// many picks; "" when the league can be drafted.
std::string MockDraftLeagueErrors(const std::vector<LGPRosterSizeRecord>& records, const clsMockDraft& mock);

// One roster per team 1..OwnerCount of the board, each with a slot per
// position whose RosterMax is above 0, the whole roster's record first
// wherever `records` hold it (the board gets the same positions),
// stacks filled by `fill`, baselines, the project's player buffer and the
// team's strategy from the draft-strategy folder; then the board's RBL and
// SBL per position from team 1. Progress on segment 8.
bool BuildTeamRosters(clsStatusPlain& status, const clsMockRoster::StackFiller& fill, clsMockDraft& mock,
                      std::vector<clsMockRoster>& rosters, const std::vector<LGPRosterSizeRecord>& records);

// The pick loop of an automatic draft over the whole order: each team picks
// by its strategy, look-ahead codes go to RunLookAheadPick, and every player
// is written to the board and marked as gone in every roster. One progress
// segment per pick (10 + pick); yields before every pick. False when the
// user cancelled (the picks made stay on the board) or a look-ahead failed.
// boardIndex comes back with one entry per pick of the order.
bool RunMockDraftPicks(clsStatusPlain& status, clsMockDraft& mock, std::span<const int32_t> order,
                       std::span<clsMockRoster> rosters, std::span<clsPossiblePicks> lists,
                       PickLogNames& names, std::vector<int32_t>& boardIndex);

// Runs the look-ahead that pick code -1, -2 or -3 asks for at draft index
// `pick` (team = the team on the clock). True when it chose a player, which
// it leaves in lists[0] for that pick; `pick` then steps back one so that the
// caller's next pass records him. The search's time goes to lists[0].
bool RunLookAheadPick(int32_t& team, int32_t& pick, int32_t code, std::span<const int32_t> order,
                      clsMockDraft& mock, std::span<clsMockRoster> rosters, std::span<clsPossiblePicks> lists,
                      int32_t mode, int32_t& rule, clsStatusPlain* status,
                      std::span<const int32_t> boardIndex = {});

// Puts the list's cursor on the entry standing for draft index d; False
// when the list has none (MoveTo would leave it on some other entry).
bool MoveToPick(clsPossiblePicks& list, int32_t d);

// Calls handle with the cursor on each entry of a candidate list, first to
// last. The end flag is read before the entry is handled, as the lists'
// cursor calls for; the cursor is left on the last entry.
template <typename List, typename Handle>
void ForEachEntry(List& list, Handle handle) {
  if (list.Count() == 0) return;
  list.MoveFirst();
  for (;;) {
    const bool done = list.IsEOF();
    handle();
    if (done) return;
    list.MoveNext();
  }
}

// Writes the pick at board index `index` and marks the player drafted in
// every roster.
void RecordMockPick(int32_t masterID, double points, int32_t team, int32_t posID, double baseline,
                    const std::string& name, int32_t index, clsMockDraft& mock,
                    std::span<clsMockRoster> rosters);
// Empties the pick at board index `index` (it keeps its owner) and frees the
// player in every roster.
void ClearMockPick(int32_t masterID, int32_t team, int32_t posID, int32_t index, clsMockDraft& mock,
                   std::span<clsMockRoster> rosters);

// ---- Team summary of a finished draft
// A pick belongs to a team when its DraftOwner is the team, and is at a
// position when its Position is the PosID; the sums walk the board's picks
// in order.

// Points of the team's picks at the position.
double SumTeamPositionPoints(const clsMockDraft& mock, int32_t team, int32_t posID);
// Points of all the team's picks.
double SumTeamPoints(const clsMockDraft& mock, int32_t team);
// The starters' points; bench gets the rest. A team's starters at a position
// are its first StarterMax picks there in the order they were drafted (not
// its best), for every roster-size record of the board.
double SumTeamStarterPoints(const clsMockDraft& mock, int32_t team, double& bench);

// The summary table: two heading rows, then one row per team with its
// average points per week (a season of 16 weeks) for starters, bench, the
// whole roster and each position of the board but the whole-roster record,
// each formatted "0.0".
void FillTeamSummaryGrid(FlexGridModel& grid, const clsMockDraft& mock, clsKickwellDB& db);

// ---- Look-ahead searches
// Both searches play the draft forward on copies of every team's roster (made
// once per search) and undo simulated picks by draft index; the rosters and
// the board passed in are only read. lists needs two entries: for every pick
// of the team in the order, each gets a new entry (made picks carry their
// player); lists[0] then holds the choice at the pick on the clock (no
// player when the search chose nobody or was cancelled), lists[1] the
// candidates for the report. Both answer True when the search ran (also
// when it was cancelled or chose nobody) and False after a strategy conflict
// or an error, each shown in a message box.

// Potential gain-loss: for every candidate of the pick on the clock, the
// drop-off at its own position minus the drop-offs at the others until the
// team's window-th next pick; starter: a position that runs dry counts its
// starter value instead of its roster value. A team without a later pick
// takes the candidate of the highest such value without simulating.
bool PotentialLookAhead(clsMockDraft& mock, std::span<clsMockRoster> rosters,
                        std::span<clsPossiblePicks> lists, std::span<const int32_t> order, int32_t pick,
                        int32_t window, bool flag, int32_t& rule, bool starter, clsStatusPlain* status,
                        std::span<const int32_t> boardIndex);
// Equilibrium: every combination of candidates for the team's picks up to
// its depth-th next pick (depth below 1 counts as 1); the path whose total
// compare value is the largest (the smallest for ADP) wins, the first of
// equal ones. Progress on the status' current segment, caption per pass.
bool EquilibriumLookAhead(clsMockDraft& mock, std::span<clsMockRoster> rosters,
                          std::span<clsPossiblePicks> lists, std::span<const int32_t> order, int32_t pick,
                          int32_t depth, bool flag, int32_t& rule, clsStatusPlain* status,
                          std::span<const int32_t> boardIndex);

// ---- Their building blocks
// mids / pids hold, per draft index, the MasterID and PosID of the simulated
// pick there (0 for a pick without a player).

// Copies of every team's roster (entry t for team t, entry 0 empty) with the
// league-wide position counts of every board entry made before `pick`.
void ReplayPicksIntoRoster(const clsMockDraft& mock, std::span<const clsMockRoster> rosters,
                           std::vector<clsMockRoster>& copies, int32_t pick);

// Appends to lists[0] and lists[1] one entry per pick of the team on the
// clock at `pick`, in draft order; picks already made carry their board
// player with his points and baselines from the team's roster. Rebuilds both
// lists' draft-index maps.
void BuildPossiblePicks(const clsMockDraft& mock, std::span<const clsMockRoster> rosters,
                        std::span<clsPossiblePicks> lists, std::span<const int32_t> order, int32_t pick,
                        std::span<const int32_t> boardIndex = {});

// One empty list per slot of team 1's roster (0..ActivePositions).
void CreatePossiblePicksPerPosition(std::span<const clsMockRoster> rosters,
                                    std::vector<clsPossiblePicks>& lists);

// The list whose candidates stand for draft index d; a new list (NeedPicks
// set) is appended when none does. -1 when none does and an empty list
// exists, which then stands for a pick not yet filled.
int32_t FindOrAddPickSlot(std::vector<clsPossiblePicks>& lists, int32_t d);

// Refills the list with the roster's candidates for draft index d under the
// rule (one per position of its pool), cursor on the first, NeedPicks off.
// True when there is a candidate.
bool PrepareTeamStrategy(clsMockRoster& roster, clsPossiblePicks& list, int32_t d, int32_t rule,
                         bool useFilter, int32_t extra);

// Applies the rule's draft factors to every candidate's roster and starter
// values (a changed roster value moves the points by as much) and keeps the
// factors on the candidate. The cursor ends on the first candidate.
void ApplyFactorsToPossiblePicks(clsPossiblePicks& list, const clsMockRoster& roster, int32_t rule);

// For the candidate under slotNow's cursor: next gets, per entry of slotNow,
// the best points still open at that position at the team's next pick
// (slotNext; 0 when it has none). At the candidate's own position that is
// the candidate himself unless a simulated pick between from and to took a
// player of the position worth less than him and more than what is left.
// True when such a pick was found. Both cursors are kept.
bool BuildPositionCandidates(clsPossiblePicks& next, clsPossiblePicks& slotNext, clsPossiblePicks& slotNow,
                             std::span<const clsMockRoster> rosters, std::span<const int32_t> mids,
                             std::span<const int32_t> pids, int32_t from, int32_t to);

// The gain-loss value of now's current candidate against next: its own
// position's drop-off (when that position runs dry, its roster or starter
// value) minus the drop-offs of the other positions. Both cursors are kept.
double PermutationPoints(clsPossiblePicks& now, clsPossiblePicks& next, bool starter);

// Chooses the candidate with the highest PickPlus (the first of equal ones)
// and writes him into `result` at his draft index. The candidate list's
// cursor ends on its last entry. False when the list is empty.
bool SetInitialCompareValues(clsPossiblePicks& candidates, clsPossiblePicks& result);

// The index of the better of (best, bestIndex) and (value, index); without a
// best yet (index -1) the value wins. Equal values keep the best.
int32_t KeepBetterCandidate(double& best, int32_t bestIndex, double value, int32_t index);

// Records the pick at draft index d and marks the player drafted in every
// roster; the player joins `team`'s roster when d is that team's pick (other
// teams record their own picks as they choose them).
void SimulateDraftPlayer(std::span<clsMockRoster> rosters, std::span<int32_t> mids, std::span<int32_t> pids,
                         std::span<const int32_t> order, int32_t d, int32_t team, int32_t posID,
                         int32_t masterID);
// Undoes the simulated picks from draft index `from` down to `to`, latest
// first; nothing when from < to.
void SimulateReleasePlayer(std::span<clsMockRoster> rosters, std::span<const int32_t> mids,
                           std::span<const int32_t> pids, std::span<const int32_t> order, int32_t from,
                           int32_t to);

// Totals of both lists under `compare` from draft index d on; the path
// replaces the best when its total is larger (smaller for ADP).
void CalculateSpawnTotals(clsPossiblePicks& best, clsPossiblePicks& path, int32_t compare, int32_t d);

}  // namespace basMockDraftCalculation
