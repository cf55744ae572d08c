#pragma once
// Carries a league's properties into a user mock-draft document: its teams,
// roster sizes and created draft order, wholesale or as the transfer window
// chose.

#include <cstdint>
#include <vector>

#include "draft_inputs/LGPRecords.h"

class clsKickwellDB;
class clsLeagueIsolate;
class clsUserMockIsolate;

namespace basLGPFileControl {

// The league's created order onto the user mock's board when it was built
// for the league's rounds and team count ("LGP Conflict" when only the team
// count differs). An unusable created order is left out, so the caller builds
// the board from the draft style.
void ApplyDraftOrderToUserMock(clsUserMockIsolate& ugm, const clsLeagueIsolate& league);

// Applies the categories chosen in the transfer window (LGPTransferFlags).
// When the league's team count differs from the user mock's owner count,
// status becomes -TeamCount and nothing is transferred; otherwise status is
// left alone. A chosen draft order takes the league's created order when it
// is usable, else one built from the league's draft style.
void ApplyLeagueToUserMock(clsUserMockIsolate& ugm, clsKickwellDB& db, int32_t& status,
                           const clsLeagueIsolate& league);

// Owner count, rounds, owner IDs 1..n, names and strategy files.
void CopyTeamsToUserMock(clsUserMockIsolate& ugm, const clsLeagueIsolate& league);

// ReadRosterSizes into the user mock, entry 0 included.
void ApplyRosterSizesToUserMock(clsKickwellDB& db, clsUserMockIsolate& ugm, const clsLeagueIsolate& league);

// Replaces the user mock's roster sizes with records, from index 0 up.
void CopyRosterSizesToUserMock(const std::vector<LGPRosterSizeRecord>& records, clsUserMockIsolate& ugm);

}  // namespace basLGPFileControl
