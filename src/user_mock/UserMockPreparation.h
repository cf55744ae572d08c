#pragma once
// Prepares a loaded user mock draft for the engine, and the pieces of a
// user mock draft that the preparation reads and builds. Progress goes to
// segment 7 of the status as the engine's jobs describe
// (engine/basMockDraftCalculation.h).

#include <cstdint>
#include <vector>

#include "draft_inputs/LGPRecords.h"
#include "engine/clsMockRoster.h"

class clsKickwellDB;
class clsMockDraft;
class clsStatusPlain;
class clsUserMockIsolate;

namespace basMockDraftCalculation {

// Brings a loaded user mock draft into line with the project's league and
// into the engine: with applyLeague the league's teams, roster sizes and
// usable created order are copied into it (an empty board then follows the
// league's draft style); without it the transfer window offers what differs
// and differing team counts import nothing (and say so). Then its roster
// sizes go into tblPositions, its owners into mock, the scoring system is
// applied, rosters are built (indexed by team, entry 0 unused) and the picks
// already made are replayed. False when the database, the league or the
// scoring system cannot be loaded, its roster sizes have no whole-roster
// maximum or no position, or the user cancelled.
bool PrepareUserMockDraft(clsStatusPlain& status, clsMockDraft& mock, clsKickwellDB& db,
                          std::vector<clsMockRoster>& rosters, clsUserMockIsolate& ugm, bool applyLeague);

// The roster-size records of the user mock, its entry k at index k, their
// limits bounded for a draft (BoundedRosterLimits); a user mock without any
// leaves records as they are.
void ReadUGMRosterSizes(const clsUserMockIsolate& ugm, std::vector<LGPRosterSizeRecord>& records);

// An empty board in draft order for the user mock's owners and rounds
// (style 0 serpentine, else cyclic); no picks when either is below 1.
void LoadUGMBoard(clsUserMockIsolate& ugm, int32_t style);

}  // namespace basMockDraftCalculation
