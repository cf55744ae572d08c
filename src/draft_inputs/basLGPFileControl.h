#pragma once
// Draft orders of a league-properties file, and the checks of its
// roster-size records. Carrying a league into the places that use it lives
// with each of them: the position table and the mock draft's board in
// engine/LeagueTransfer.h, a user mock-draft document in
// user_mock/UserMockLeagueTransfer.h.
//
// Draft orders are 0-based lists with one team number (1..teams) per pick.

#include <cstdint>
#include <vector>

#include "draft_inputs/LGPRecords.h"

namespace basLGPFileControl {

// Orders longer than this are refused (the league file holds at most as many picks).
inline constexpr int32_t kMaxDraftOrderPicks = 10000;

// Fills order with teams x rounds picks: style 0 serpentine (the order turns
// at each end, so the team there picks twice in a row), any other style
// cyclic. Returns the last pick index, or -1 (order untouched) when teams or
// rounds is below 1 or the order would exceed kMaxDraftOrderPicks.
int32_t BuildDraftOrder(std::vector<int32_t>& order, int32_t teams, int32_t rounds, int32_t style);

// True when some record of position 1 (the whole roster) has RosterMax > 0.
bool HasAllRosterMax(const std::vector<LGPRosterSizeRecord>& records);

}  // namespace basLGPFileControl
