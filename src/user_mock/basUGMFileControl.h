#pragma once
// Moves a user mock draft into the database and the engine's draft board
// and team rosters, and back. Owners are 0-based in the user mock and
// numbered from 1 on the board; rosters are indexed by team number (entry 0
// unused).

#include <cstdint>
#include <span>
#include <vector>

#include "draft_inputs/LGPRecords.h"

class clsKickwellDB;
class clsMockDraft;
class clsMockRoster;
class clsUserMockIsolate;

namespace basUGMFileControl {

// The user mock's limits and Merge As positions into tblPositions, for every
// position the user mock has a record of; other positions keep theirs.
void ApplyUserMockRosterSizes(const clsUserMockIsolate& ugm, clsKickwellDB& db);

// Owner count, rounds, and each owner's name and strategy file (as the
// 50-character texts they are held in) into teams 1..n of the board.
void CopyUserMockOwnersToMock(const clsUserMockIsolate& ugm, clsMockDraft& mock);

// The board's picks (player and owner) and rounds into the user mock before
// it is saved. Each pick's PosID in the user mock is left as it was.
void CopyMockBoardToUserMock(clsUserMockIsolate& ugm, const clsMockDraft& mock);

// The user mock's board into the draft board (owner, player and pick number
// of every pick, picks 0..BoardCount - 1), then every made pick (MasterID
// above 0) replayed into its team's roster. The board need not hold rounds x
// owners picks.
void CopyUserMockBoardToMock(const clsUserMockIsolate& ugm, clsMockDraft& mock,
                             std::span<clsMockRoster> rosters, clsKickwellDB& db,
                             const std::vector<LGPRosterSizeRecord>& records);

// Drafts one made pick into the owner's roster and records it on the board.
// A player missing from every stack but with a season row is first added,
// undrafted, to the stack of his merged position in every roster. A pick is
// left as it is (no roster has the player) when he has no season row, his
// position has no slot, or the owner has no roster.
void ReplayUserMockPick(int32_t masterID, int32_t owner, int32_t pick, clsMockDraft& mock, clsKickwellDB& db,
                        std::span<clsMockRoster> rosters, const std::vector<LGPRosterSizeRecord>& records);

}  // namespace basUGMFileControl
