#pragma once
// Carries league properties into the places that use them: the draft board
// of a mock draft, a user mock-draft document and (with the database) the
// position table; builds draft orders.
//
// Draft orders are 0-based lists with one team number (1..teams) per pick.

#include <cstdint>
#include <string>
#include <vector>

#include "draft_inputs/LGPRecords.h"

class clsKickwellDB;
class clsLeagueIsolate;
class clsMockDraft;
class clsUserMockIsolate;

namespace basLGPFileControl {

// Position-table procedures work on tblPositions in ID order through one
// editable query, inside one transaction.

// Limits and Merge As positions from the "League Properties" section of an
// INI file into every position; keys are the position ID followed by
// "RosterMin", "RosterMax", "StartMin", "StartMax", "MergeAsID". Missing or
// non-numeric values give 0 limits and the position's own ID.
void ImportRosterSizesFromINI(const std::string& folder, const std::string& fileName, clsKickwellDB& db);
// The league's limits and Merge As positions into every position; positions
// without a league record get 0 limits and their own ID.
void CopyRosterSizesToDB(clsKickwellDB& db, const clsLeagueIsolate& league);
// 0 limits and the position's own ID for every position.
void ResetRosterSizesInDB(clsKickwellDB& db);
// One record per position in ID order at entries 1..N, carrying the league's
// values; entry 0 stays as it was (all zero in a new list). An empty position
// table leaves records alone.
void ReadRosterSizes(std::vector<LGPRosterSizeRecord>& records, clsKickwellDB& db,
                     const clsLeagueIsolate& league);

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

// True when some record of position 1 (the whole roster) has RosterMax > 0.
bool HasAllRosterMax(const std::vector<LGPRosterSizeRecord>& records);

}  // namespace basLGPFileControl
