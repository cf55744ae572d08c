#include "user_mock/basBoardMode.h"

#include <cstdint>
#include <string>

#include "core/basColourScheme.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "engine/clsMockDraft.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/Text.h"

namespace basBoardMode {

namespace {

const std::string kNewLine(runtime::kCrLf);

int32_t Offset(bool withHeading) { return withHeading ? 1 : 0; }

// Blanks trimmed; "" for a team the board does not have.
std::string TeamName(const clsMockDraft& board, int32_t team) {
  if (team < 0 || team > board.OwnerCount()) return {};
  return runtime::Trim(board.OwnerName(team));
}

}  // namespace

void SetUpDraftBoardGrid(FlexGridModel& grid, const clsMockDraft& board, bool withHeading) {
  const int32_t offset = Offset(withHeading);
  grid.Clear();
  grid.SetRowHeightMin(kBoardRowHeight);
  const int32_t teams = board.OwnerCount();
  if (teams < 1) {
    // Nothing can be placed on a board without teams.
    grid.SetRows(0);
    grid.SetCols(0);
    return;
  }
  // Every pick needs its row, also when the last round is only partly
  // filled: rounded up, not to the nearest.
  const int64_t picks = static_cast<int64_t>(board.Count()) + 1;
  const int64_t rounds = (picks + teams - 1) / teams;
  grid.SetCols(static_cast<int32_t>(static_cast<int64_t>(teams) + 1));
  grid.SetRows(static_cast<int32_t>(rounds + offset));

  grid.SetBackColorFixed(PaletteColour[basColourScheme::kHeadingColour]);
  grid.SetFixedRows(0);
  grid.SetFixedCols(1);
  grid.SetWordWrap(true);

  grid.SetColAlignment(-1, FlexGridModel::kAlignLeftCenter);
  grid.SetColWidth(-1, kPickColumnWidth);
  grid.SetColWidth(0, kRoundColumnWidth);
  grid.SetColAlignment(0, FlexGridModel::kAlignCenterCenter);

  for (int32_t r = offset; r < grid.Rows(); ++r) {
    grid.SetRowHeight(r, kBoardRowHeight);
    grid.SetTextMatrix(r, 0, "RND" + kNewLine + std::to_string(r - offset + 1));
  }

  if (withHeading) {
    grid.SetMergeRow(0, true);
    const std::string heading =
        "MOCK DRAFT " + GlobalProject().FileName() + " " + runtime::FormatLongDate(runtime::Now());
    for (int32_t c = 0; c < grid.Cols(); ++c) grid.SetTextMatrix(0, c, heading);
  }

  grid.SetRow(0);
  grid.SetCol(1);
}

bool PickToCell(int32_t pick, int32_t& round, int32_t& slot, const clsMockDraft& board) {
  const int32_t teams = board.OwnerCount();
  if (teams < 1 || pick < 0) {
    round = -1;
    slot = -1;
    return false;
  }
  round = pick / teams;
  slot = pick % teams + 1;
  return true;
}

void FillBoardCell(FlexGridModel& grid, int32_t pick, const clsMockDraft& board, clsKickwellDB& db,
                   int32_t playerID, int32_t masterID, bool withHeading) {
  int32_t round = -1;
  int32_t slot = -1;
  if (!PickToCell(pick, round, slot, board) || pick > board.Count()) return;
  const int32_t row = round + Offset(withHeading);

  std::string text =
      " " + std::to_string(pick + 1) + " " + TeamName(board, board.DraftOwner(pick)) + kNewLine;
  if (masterID < 1) {
    text += kNewLine + " ";
  } else {
    text += " " + runtime::Trim(db.pFnGetPosAbrvwPlaID(playerID)) + " - " +
            runtime::Trim(db.pFnGetTeamAbrvwPlaID(playerID, clsKickwellDB::kSeasonWeek, db.pFnGetYear())) +
            kNewLine + " " + runtime::Trim(db.pFnGetPlayerNamewMasID(masterID));
  }
  grid.SetTextMatrix(row, slot, text);
}

int32_t PickFromBoardCell(int32_t row, int32_t col, const clsMockDraft& board, bool withHeading) {
  const int32_t teams = board.OwnerCount();
  const int32_t offset = Offset(withHeading);
  if (teams < 1 || col < 1 || col > teams || row < offset) return -1;
  const int64_t pick = static_cast<int64_t>(row - offset) * teams + col - 1;
  return pick > board.Count() ? -1 : static_cast<int32_t>(pick);
}

}  // namespace basBoardMode
