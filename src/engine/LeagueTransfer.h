#pragma once
// Carries a league's properties into the engine's places: its limits and
// Merge As positions into the projected-stats file's position table, its
// roster sizes into the records a ranking reads, and its teams, rounds,
// style and created order onto a mock draft's board.

#include <cstdint>
#include <string>
#include <vector>

#include "draft_inputs/LGPRecords.h"

class clsKickwellDB;
class clsLeagueIsolate;
class clsMockDraft;

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
// values with their limits bounded for a draft (BoundedRosterLimits); entry
// 0 stays as it was (all zero in a new list). An empty position table leaves
// records alone.
void ReadRosterSizes(std::vector<LGPRosterSizeRecord>& records, clsKickwellDB& db,
                     const clsLeagueIsolate& league);

// Teams, rounds and style into the board; the league's created order into
// order (and CreateDraftOrder False) only when it was built for the league's
// current teams and rounds and is usable; otherwise order and
// CreateDraftOrder stay as they are and the run builds its own.
void ApplyLeagueToMockDraft(clsMockDraft& mock, std::vector<int32_t>& order, const clsLeagueIsolate& league);

}  // namespace basLGPFileControl
