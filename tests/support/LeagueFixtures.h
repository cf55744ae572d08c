#pragma once
// Hand-made bytes of league-properties and user mock-draft files, for tests
// that pin exact file contents without going through the writers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draft_inputs/clsLeagueIsolate.h"

namespace kdtest::lgp {

// A little-endian 32-bit Long.
std::string Long(int32_t value);
// Text as a fixed field: the bytes as given, blank-padded to width.
std::string Text(std::string_view bytes, std::size_t width);
// A 104-byte team (or owner) record.
std::string Team(int32_t ownerID, std::string_view name, std::string_view strategy);
// A 12-byte pick or keeper record.
std::string Pick(int32_t ownerID, int32_t masterID, int32_t posID);
// A 24-byte roster-size record, in file order.
std::string RosterSize(int32_t posID, int32_t mergeAsID, int32_t rosterMin, int32_t rosterMax,
                       int32_t starterMin, int32_t starterMax);
// The 63 bytes before the first record of a league-properties file.
std::string LeagueHeader(int32_t teamCount, int32_t boardCount, int32_t rosterSizeCount, int32_t keeperCount,
                         int32_t draftRounds, int32_t draftStyle, int32_t createdDraftRounds,
                         int32_t createdTeamCount);
// The 43 bytes before the first record of a user mock-draft file.
std::string UserMockHeader(int32_t ownerCount, int32_t boardCount, int32_t rosterSizeCount,
                           int32_t keeperCount, int32_t draftRounds);

}  // namespace kdtest::lgp

namespace kdtest {

// A league with a stored order, built for its own size unless told otherwise.
clsLeagueIsolate LeagueWithOrder(int32_t teams, int32_t rounds, const std::vector<int32_t>& stored,
                                 int32_t createdTeams, int32_t createdRounds);

}  // namespace kdtest
