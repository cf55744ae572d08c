#include <gtest/gtest.h>

#include <string>

#include "DraftResultFixtures.h"
#include "core/basColourScheme.h"
#include "engine/clsMockDraft.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "user_mock/basBoardMode.h"

namespace {

using basBoardMode::PickFromBoardCell;
using basBoardMode::PickToCell;
using basBoardMode::SetUpDraftBoardGrid;

clsMockDraft EmptyBoard(int32_t teams, int32_t picks) {
  clsMockDraft board;
  board.SetOwnerCount(teams);
  board.SetCount(picks - 1);
  return board;
}

TEST(DraftBoardGrid, TenTeamsOfSixteenRoundsWithAndWithoutHeading) {
  const clsMockDraft board = EmptyBoard(10, 160);
  FlexGridModel grid;
  SetUpDraftBoardGrid(grid, board, false);
  EXPECT_EQ(grid.Rows(), 16);
  EXPECT_EQ(grid.Cols(), 11);
  EXPECT_EQ(grid.FixedRows(), 0);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_TRUE(grid.WordWrap());
  EXPECT_EQ(grid.BackColorFixed(), PaletteColour[basColourScheme::kHeadingColour]);
  EXPECT_EQ(grid.ColWidth(0), 400);
  EXPECT_EQ(grid.ColAlignment(0), FlexGridModel::kAlignCenterCenter);
  EXPECT_EQ(grid.ColWidth(10), 1800);
  EXPECT_EQ(grid.ColAlignment(10), FlexGridModel::kAlignLeftCenter);
  EXPECT_EQ(grid.RowHeight(15), 700);
  EXPECT_EQ(grid.TextMatrix(0, 0), "RND\r\n1");
  EXPECT_EQ(grid.TextMatrix(15, 0), "RND\r\n16");

  SetUpDraftBoardGrid(grid, board, true);
  EXPECT_EQ(grid.Rows(), 17);
  EXPECT_TRUE(grid.MergeRow(0));
  EXPECT_EQ(grid.TextMatrix(1, 0), "RND\r\n1");
  EXPECT_EQ(grid.TextMatrix(0, 0).rfind("MOCK DRAFT ", 0), 0u);
  EXPECT_EQ(grid.TextMatrix(0, 10), grid.TextMatrix(0, 0));
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.Col(), 1);
}

TEST(DraftBoardGrid, PicksMapToRoundAndSlotAndBack) {
  const clsMockDraft board = EmptyBoard(10, 160);
  struct Case {
    int32_t pick, round, slot;
  };
  for (const Case& c : {Case{0, 0, 1}, Case{9, 0, 10}, Case{10, 1, 1}, Case{159, 15, 10}}) {
    SCOPED_TRACE(c.pick);
    int32_t round = 0, slot = 0;
    ASSERT_TRUE(PickToCell(c.pick, round, slot, board));
    EXPECT_EQ(round, c.round);
    EXPECT_EQ(slot, c.slot);
    EXPECT_EQ(PickFromBoardCell(round, slot, board, false), c.pick);
    EXPECT_EQ(PickFromBoardCell(round + 1, slot, board, true), c.pick);
  }
  // No pick, or a board without teams: no cell.
  for (const auto& [teams, pick] : {std::pair{10, -1}, std::pair{0, 3}}) {
    int32_t round = 0, slot = 0;
    EXPECT_FALSE(PickToCell(pick, round, slot, EmptyBoard(teams, 5)));
    EXPECT_EQ(round, -1);
    EXPECT_EQ(slot, -1);
  }
  FlexGridModel grid;
  SetUpDraftBoardGrid(grid, EmptyBoard(0, 5), true);
  EXPECT_EQ(grid.Rows() + grid.Cols(), 0);
  EXPECT_EQ(PickFromBoardCell(0, 1, EmptyBoard(0, 5), false), -1);
}

// A board whose pick count is not rounds x teams still gets a row for its
// last, partly filled round; cells past the last pick stand for no pick.
TEST(DraftBoardGrid, APartlyFilledLastRoundGetsItsRowAndItsEmptyCellsMapToNothing) {
  const clsMockDraft board = EmptyBoard(12, 25);
  FlexGridModel grid;
  SetUpDraftBoardGrid(grid, board, false);
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(PickFromBoardCell(2, 1, board, false), 24);
  EXPECT_EQ(PickFromBoardCell(2, 2, board, false), -1);
  EXPECT_EQ(PickFromBoardCell(0, 0, board, false), -1) << "round labels";
  EXPECT_EQ(PickFromBoardCell(0, 13, board, false), -1);
  EXPECT_EQ(PickFromBoardCell(0, 1, board, true), -1) << "heading";
  EXPECT_EQ(PickFromBoardCell(-1, 1, board, false), -1);
}

TEST(DraftBoardGrid, CellsNameThePickTheTeamAndThePlayerTaken) {
  kdtest::DraftResultFixture fixture;
  clsKickwellDB& db = fixture.Database();
  // Picks 0 and 1 made, 2 open; 3 names a player the database lacks.
  clsMockDraft board = fixture.Board(2, 2, {}, {101, 201});
  board.SetMasterID(3, 999);
  board.SetOwnerName(2, "  Second  Team ");
  FlexGridModel grid;
  SetUpDraftBoardGrid(grid, board, true);
  for (int32_t p = 0; p <= board.Count(); ++p) {
    basBoardMode::FillBoardCell(grid, p, board, db, db.pFnGetPlaIDwMasID(board.MasterID(p)),
                                board.MasterID(p), true);
  }
  EXPECT_EQ(grid.TextMatrix(1, 1), " 1 Team 1\r\n QB - BAL\r\n QB1, Test");
  EXPECT_EQ(grid.TextMatrix(1, 2), " 2 Second  Team\r\n RB - BUF\r\n RB1, Test");
  EXPECT_EQ(grid.TextMatrix(2, 1), " 3 Second  Team\r\n\r\n ");
  EXPECT_EQ(grid.TextMatrix(2, 2), " 4 Team 1\r\n N/A - N/A\r\n ");

  // A pick the board does not hold writes nothing.
  basBoardMode::FillBoardCell(grid, 4, board, db, 1, 101, true);
  basBoardMode::FillBoardCell(grid, -1, board, db, 1, 101, true);
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.TextMatrix(0, 0).rfind("MOCK DRAFT ", 0), 0u);
}

}  // namespace
