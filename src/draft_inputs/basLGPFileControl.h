#pragma once
// Carries league properties into the places that use them: the draft board
// of a mock draft, a user mock-draft document and (with the database) the
// position table; builds draft orders.
//
// Draft orders are 0-based lists with one team number (1..teams) per pick.

#include <cstdint>
#include <vector>

#include "draft_inputs/LGPRecords.h"

class clsLeagueIsolate;
class clsMockDraft;
class clsUserMockIsolate;

namespace basLGPFileControl {

// Orders longer than this are refused (the league file holds at most as many picks).
inline constexpr int32_t kMaxDraftOrderPicks = 10000;

// Fills order with teams x rounds picks: style 0 serpentine (the order turns
// at each end, so the team there picks twice in a row), any other style
// cyclic. Returns the last pick index, or -1 (order untouched) when teams or
// rounds is below 1 or the order would exceed kMaxDraftOrderPicks.
int32_t BuildDraftOrder(std::vector<int32_t>& order, int32_t teams, int32_t rounds, int32_t style);

// Teams, rounds and style into the board; the league's created order into
// order (and CreateDraftOrder False) only when it was built for the league's
// current teams and rounds and is usable; otherwise order and
// CreateDraftOrder stay as they are and the run builds its own.
void ApplyLeagueToMockDraft(clsMockDraft& mock, std::vector<int32_t>& order, const clsLeagueIsolate& league);

// The league's created order onto the user mock's board when it was built
// for the league's rounds and team count ("LGP Conflict" when only the team
// count differs). An unusable created order is left out, so the caller builds
// the board from the draft style.
void ApplyDraftOrderToUserMock(clsUserMockIsolate& ugm, const clsLeagueIsolate& league);

// Owner count, rounds, owner IDs 1..n, names and strategy files.
void CopyTeamsToUserMock(clsUserMockIsolate& ugm, const clsLeagueIsolate& league);

// Replaces the user mock's roster sizes with records, from index 0 up.
void CopyRosterSizesToUserMock(const std::vector<LGPRosterSizeRecord>& records, clsUserMockIsolate& ugm);

// True when some record of position 1 (the whole roster) has RosterMax > 0.
bool HasAllRosterMax(const std::vector<LGPRosterSizeRecord>& records);

}  // namespace basLGPFileControl
