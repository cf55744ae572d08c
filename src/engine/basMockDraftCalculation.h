#pragma once
// The mock-draft engine's procedures: filling position stacks, the
// cheat-sheet ranking job and the bookkeeping of a draft's picks.
//
// A draft order holds, per pick from 0, the team (from 1) that owns it.
// Team rosters are indexed by team; entry 0 is unused.

#include <cstdint>
#include <span>
#include <string>

class clsMockDraftPositionStack;
class clsMockRoster;

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

// The index of the n-th pick after `pick` owned by the same team; the last
// index of the order when the team has fewer later picks (or n < 1).
int32_t FindTeamNthNextPick(std::span<const int32_t> order, int32_t pick, int32_t n);

// Marks the player drafted (or free again) in the position's stack of every
// team 1.. and moves each team's league-wide count of the position by
// `countChange`.
void MarkDraftedInAllRosters(std::span<clsMockRoster> rosters, int32_t posID, int32_t masterID, bool drafted,
                             int32_t countChange);

}  // namespace basMockDraftCalculation
