#pragma once
// A draft board laid out in a grid: one row per round, one column per pick
// slot of a round (column 0 holds the round labels), each cell naming the
// pick number, the team that owns it and, once made, the player taken. The
// slot is the pick's place within its round, not the team: in a serpentine
// draft the team of a column changes from round to round, so every cell
// names its team.
//
// With a heading, row 0 is the heading and round r (from 1) is row r;
// without one, round r is row r - 1.

#include <cstdint>

class FlexGridModel;
class clsKickwellDB;
class clsMockDraft;

namespace basBoardMode {

// Sizes in twips.
inline constexpr int32_t kBoardRowHeight = 700;
inline constexpr int32_t kRoundColumnWidth = 400;
inline constexpr int32_t kPickColumnWidth = 1800;

// Clears the grid and lays it out for the board: as many rows as rounds the
// picks fill (a last round only partly filled still gets its row), plus the
// heading; one column per team plus the round labels. A board without teams
// leaves an empty grid.
void SetUpDraftBoardGrid(FlexGridModel& grid, const clsMockDraft& board, bool withHeading);

// Writes the cell of pick `pick` (from 0): the pick number and team, and for
// a pick made (masterID above 0) the player's position, team and name, read
// from the database by playerID / masterID. A pick the board does not hold
// writes nothing.
void FillBoardCell(FlexGridModel& grid, int32_t pick, const clsMockDraft& board, clsKickwellDB& db,
                   int32_t playerID, int32_t masterID, bool withHeading);

// The round (from 0) and slot (from 1) of a pick index. False, with both -1,
// for a board without teams or a negative pick.
bool PickToCell(int32_t pick, int32_t& round, int32_t& slot, const clsMockDraft& board);

// The pick index shown in a cell of the board, or -1 for the round labels,
// the heading, and cells past the board's last pick.
int32_t PickFromBoardCell(int32_t row, int32_t col, const clsMockDraft& board, bool withHeading);

}  // namespace basBoardMode
