#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "DraftResultFixtures.h"
#include "FakeSeams.h"
#include "documents/DocumentOptions.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/FlexGridModel.h"

namespace {

using kdtest::kPosAll;
using kdtest::kPosK;
using kdtest::kPosQB;
using kdtest::kPosRB;
using kdtest::kPosWR;

// Sets the shared mock-draft view for one test.
class ScopedMockView {
 public:
  explicit ScopedMockView(int32_t view) : old_(MockDisplayView) { MockDisplayView = view; }
  ~ScopedMockView() { MockDisplayView = old_; }

 private:
  int32_t old_;
};

std::vector<std::string> RowTexts(const FlexGridModel& grid, int32_t row) {
  std::vector<std::string> texts;
  for (int32_t c = 0; c < grid.Cols(); ++c) texts.push_back(grid.TextMatrix(row, c));
  return texts;
}

// Two teams rostering one QB, two RBs, two WRs and one K; the stacks hold
// every player of the fixture (4 QB, 8 RB, 8 WR, 3 K).
class ResultGrids : public testing::Test {
 protected:
  void SetUp() override {
    roster_ = fixture_.CheatSheetRoster(
        {{kPosAll, 6, 5}, {kPosQB, 1, 1}, {kPosRB, 2, 1}, {kPosWR, 2, 2}, {kPosK, 1, 1}}, 2);
    options_.rowBackColorA = 0x111111;
    options_.rowBackColorB = 0x222222;
    options_.headingBackColor = 0x333333;
  }
  clsKickwellDB& Db() { return fixture_.Database(); }
  void LayOut(const std::string& displayGrid) {
    ASSERT_TRUE(Db().LoadDisplay(fixture_.DisplayGridFolder() + displayGrid));
    basFlexGridHTML::SetupResultGridHeadings(grid_, Db());
  }
  void FillCheatSheet(int32_t additionalPlayers) {
    options_.additionalPlayers = additionalPlayers;
    LayOut("Cheat Sheet - Default.dis");
    basFlexGridHTML::FillCheatSheetGrid(grid_, roster_, Db(), options_);
  }
  // Picks 1..3 made (QB1, RB1, RB2), pick 4 open, in a serpentine draft of
  // two teams.
  clsMockDraft TwoRoundBoard() {
    return fixture_.Board(2, 2, {{kPosAll, 6, 5}, {kPosQB, 1, 1}, {kPosRB, 2, 1}}, {101, 201, 202, 0},
                          {{kPosQB, 280}, {kPosRB, 230}}, {{kPosQB, 260}, {kPosRB, 190}});
  }

  kdtest::DraftResultFixture fixture_;
  clsMockRoster roster_;
  DocumentOptions options_;
  FlexGridModel grid_;
};

TEST_F(ResultGrids, EachPositionShowsRosterMaxTimesTeamsPlusTheAdditionalPlayers) {
  struct Case {
    int32_t additional;
    std::vector<int32_t> blockRows;  // players shown per position: QB, RB, WR, K
  };
  const int32_t most = std::numeric_limits<int32_t>::max();
  for (const Case& c : {Case{0, {2, 4, 4, 2}}, Case{1, {3, 5, 5, 3}},
                        // Never more than the stacks hold, however many are asked for.
                        Case{1000, {4, 8, 8, 3}}, Case{most, {4, 8, 8, 3}}}) {
    FillCheatSheet(c.additional);
    int32_t row = 0;
    const char* names[] = {" Quarterback", " Running Back", " Wide Receiver", " Kicker"};
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(grid_.TextMatrix(row, 0), names[k]) << c.additional;
      EXPECT_EQ(grid_.TextMatrix(row + 1, 0), " Rank");
      EXPECT_EQ(grid_.TextMatrix(row + 2, 0), "1") << "each block ranks from 1";
      row += 2 + c.blockRows[k];
      EXPECT_EQ(grid_.TextMatrix(row - 1, 0), std::to_string(c.blockRows[k]));
    }
    EXPECT_EQ(grid_.Rows(), row) << "no row after the last block, additional " << c.additional;
  }
}

TEST_F(ResultGrids, CheatSheetRowsShowThePlayerAndHisValuesOverTheBaselines) {
  FillCheatSheet(0);
  EXPECT_EQ(RowTexts(grid_, 0), (std::vector<std::string>{" Quarterback", " Quarterback", " Quarterback",
                                                          " Quarterback", " Value", " Value", " Value"}));
  EXPECT_TRUE(grid_.MergeRow(0));
  EXPECT_EQ(grid_.CellAlignmentAt(0, 0), FlexGridModel::kAlignLeftCenter);
  EXPECT_EQ(RowTexts(grid_, 1), (std::vector<std::string>{" Rank", " Player", " Team", " Bye", " Points",
                                                          " Roster", " Starter"}));
  // Baselines of two teams: the second QB (280) for both; the fourth RB
  // (190) for the roster, the second (230) for the starters.
  EXPECT_EQ(RowTexts(grid_, 2),
            (std::vector<std::string>{"1", "QB1, Test ", "BAL ", "14", "300.0", "20.0", "20.0"}));
  EXPECT_EQ(RowTexts(grid_, 3),
            (std::vector<std::string>{"2", "QB2, Test ", "BUF ", "12", "280.0", "0.0", "0.0"}));
  EXPECT_EQ(RowTexts(grid_, 6),
            (std::vector<std::string>{"1", "RB1, Test ", "BUF ", "12", "250.0", "60.0", "20.0"}));
}

TEST_F(ResultGrids, HeadingsTakeTheHeadingColourAndPlayerRowsAlternateFromEachBlock) {
  FillCheatSheet(1);
  const int32_t heading = 0x333333, a = 0x111111, b = 0x222222;
  // QB block rows 0..4, RB block from 5.
  const std::vector<int32_t> expected{heading, heading, a, b, a, heading, heading, a, b, a, b, a};
  for (std::size_t r = 0; r < expected.size(); ++r) {
    for (int32_t c : {0, 6}) EXPECT_EQ(grid_.CellBackColorAt(static_cast<int32_t>(r), c), expected[r]) << r;
  }

  options_.useColor = false;
  FillCheatSheet(1);
  EXPECT_EQ(grid_.CellBackColorAt(0, 3), 0xFFFFFF);
  EXPECT_EQ(grid_.CellBackColorAt(6, 3), 0xFFFFFF);
  EXPECT_EQ(grid_.CellBackColorAt(2, 3), grid_.BackColor()) << "player rows keep the grid's colour";
}

TEST_F(ResultGrids, APositionWhoseStackRunsOutIsFollowedDirectlyByTheNext) {
  // Eight teams want 8 QBs (+0); the fixture has four.
  roster_ = fixture_.CheatSheetRoster({{kPosAll, 3, 2}, {kPosQB, 1, 1}, {kPosK, 1, 1}}, 8, 0);
  FillCheatSheet(0);
  EXPECT_EQ(grid_.TextMatrix(5, 0), "4");
  EXPECT_EQ(grid_.TextMatrix(6, 0), " Kicker");
  EXPECT_EQ(grid_.Rows(), 6 + 2 + 3);
}

TEST(PickRound, RoundOfAnOverallPick) {
  struct Case {
    int32_t pick, teams, round;
  };
  for (const Case& c : {Case{1, 12, 1}, Case{12, 12, 1}, Case{13, 12, 2}, Case{192, 12, 16}, Case{0, 12, 1},
                        Case{5, 1, 5}, Case{5, 0, -1}, Case{5, -3, -1}}) {
    EXPECT_EQ(basFlexGridHTML::PickRound(c.pick, c.teams), c.round) << c.pick << " of " << c.teams;
  }
  EXPECT_EQ(basFlexGridHTML::PickRoundText(13, 12), "2");
  EXPECT_EQ(basFlexGridHTML::PickRoundText(13, -1), "N/A");
}

TEST_F(ResultGrids, PickListShowsEveryPickWithRoundOwnerAndValues) {
  ScopedMockView view(0);
  const clsMockDraft board = TwoRoundBoard();
  LayOut("Mock Draft - Default.dis");
  basFlexGridHTML::FillMockDraftGrid(grid_, board, Db(), true, options_);
  ASSERT_EQ(grid_.Rows(), 6);
  EXPECT_EQ(RowTexts(grid_, 1)[2], " Team");
  using Row = std::vector<std::string>;
  EXPECT_EQ(RowTexts(grid_, 2),
            (Row{"1", "1", " Team 1", "QB1, Test ", "QB ", "BAL ", "14", "300.0", "40.0", "20.0"}));
  EXPECT_EQ(RowTexts(grid_, 3),
            (Row{"1", "2", " Team 2", "RB1, Test ", "RB ", "BUF ", "12", "250.0", "60.0", "20.0"}));
  EXPECT_EQ(RowTexts(grid_, 4),
            (Row{"2", "3", " Team 2", "RB2, Test ", "RB ", "CHI ", "7", "230.0", "40.0", "0.0"}));
  EXPECT_EQ(RowTexts(grid_, 5), (Row{"2", "4", " Team 1", " ", "N/A ", "N/A ", "0", "0.0", "0.0", "0.0"}));
  const std::vector<int32_t> colours{0x333333, 0x333333, 0x111111, 0x222222, 0x111111, 0x222222};
  for (int32_t r = 0; r < 6; ++r)
    EXPECT_EQ(grid_.CellBackColorAt(r, 9), colours[static_cast<std::size_t>(r)]);
}

// A name that holds a tab or a line break (a damaged or hostile league,
// draft or player file) stays in its own cell: the columns after it keep
// their values.
TEST(ResultGridNames, ATabOrLineBreakInANameShiftsNoColumn) {
  std::vector<kdtest::FixturePlayer> players = kdtest::StandardPlayers();
  players[0].name = "QB1,\tTest\r\nJr";
  kdtest::DraftResultFixture fixture(players);
  clsMockDraft board = fixture.Board(2, 2, {{kPosAll, 6, 5}, {kPosQB, 1, 1}, {kPosRB, 2, 1}}, {101, 201},
                                     {{kPosQB, 280}, {kPosRB, 230}}, {{kPosQB, 260}, {kPosRB, 190}});
  board.SetOwnerName(1, "Tab\tTeam\rOne");
  ScopedMockView view(0);
  FlexGridModel grid;
  ASSERT_TRUE(fixture.Database().LoadDisplay(fixture.DisplayGridFolder() + "Mock Draft - Default.dis"));
  basFlexGridHTML::SetupResultGridHeadings(grid, fixture.Database());
  basFlexGridHTML::FillMockDraftGrid(grid, board, fixture.Database(), true, DocumentOptions{});
  using Row = std::vector<std::string>;
  EXPECT_EQ(RowTexts(grid, 2),
            (Row{"1", "1", " Tab Team One", "QB1, Test  Jr ", "QB ", "BAL ", "14", "300.0", "40.0", "20.0"}));
  EXPECT_EQ(RowTexts(grid, 3),
            (Row{"1", "2", " Team 2", "RB1, Test ", "RB ", "BUF ", "12", "250.0", "60.0", "20.0"}));
}

TEST_F(ResultGrids, BoardViewLaysTheDraftOutByRound) {
  ScopedMockView view(1);
  const clsMockDraft board = TwoRoundBoard();
  LayOut("Mock Draft - Default.dis");
  basFlexGridHTML::FillMockDraftGrid(grid_, board, Db(), false, options_);
  ASSERT_EQ(grid_.Rows(), 2);
  ASSERT_EQ(grid_.Cols(), 3);
  EXPECT_EQ(grid_.TextMatrix(0, 1), " 1 Team 1\r\n QB - BAL\r\n QB1, Test");
  EXPECT_EQ(grid_.TextMatrix(1, 1), " 3 Team 2\r\n RB - CHI\r\n RB2, Test");
  EXPECT_EQ(grid_.TextMatrix(1, 2), " 4 Team 1\r\n\r\n ");
}

TEST_F(ResultGrids, SectionRowsOfPicksAndOfEmptyPlaces) {
  const clsMockDraft board = TwoRoundBoard();
  ASSERT_TRUE(basFlexGridHTML::LoadSectionDisplay("UserMock - Small Roster.dis", Db(), grid_, 10));
  EXPECT_EQ(grid_.Rows(), 2);
  EXPECT_EQ(grid_.TextMatrix(0, 0), " [MockTeam]");
  EXPECT_EQ(grid_.ColWidth(1), 160 * 15);
  EXPECT_EQ(grid_.CellAlignmentAt(0, 0), FlexGridModel::kAlignLeftCenter) << "equal first titles";

  basFlexGridHTML::SetTeamHeadings(grid_, 2, 0, 0, Db(), board);
  EXPECT_EQ(grid_.TextMatrix(0, 5), "  Team 2");

  grid_.SetRows(5);
  basFlexGridHTML::FillPickRow(2, 1, grid_, board, Db(), false);
  basFlexGridHTML::FillPickRow(3, -1, grid_, board, Db(), false);
  basFlexGridHTML::FillPickRow(4, 0, grid_, board, Db(), true);
  using Row = std::vector<std::string>;
  EXPECT_EQ(RowTexts(grid_, 2), (Row{"RB ", "RB1, Test ", "BUF ", "12", "1", "250.0"}));
  EXPECT_EQ(RowTexts(grid_, 3), (Row{"N/A ", " ", "N/A ", "0", "0", "0.0"}));
  EXPECT_EQ(RowTexts(grid_, 4), (Row{"101", "QB ", "QB1, Test ", "BAL ", "14", "1"}))
      << "the key, then the row";
}

TEST_F(ResultGrids, ARefusedSectionGridFallsBackToTheDefaultOfItsKind) {
  kdtest::ScopedFakeSeams fakes;
  kdtest::SaveDisplayGrid(fixture_.DisplayGridFolder() + "Twice.dis",
                          {{51, 100, "A", "Name", 13, 1}, {51, 100, "A", "Again", 13, 1}});
  ASSERT_TRUE(basFlexGridHTML::LoadSectionDisplay("Twice.dis", Db(), grid_, 10));
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "Error Loading Twice.dis");
  EXPECT_EQ(fakes.messages.messages[0].text,
            " Default display will be loaded.\r\n  Category ID [51] found multiple times.\r\n");
  EXPECT_EQ(Db().Display().FilePath(), fixture_.DefaultsFolder() + "UserMock - Small Roster.dis");
  EXPECT_EQ(grid_.Cols(), 6);

  std::filesystem::remove(fixture_.DefaultsFolder() + "UserMock - Small Roster.dis");
  grid_.SetCols(2);
  EXPECT_FALSE(basFlexGridHTML::LoadSectionDisplay("Missing.dis", Db(), grid_, 10));
  EXPECT_EQ(fakes.messages.messages.back().text,
            " Default display will be loaded.\r\n  Could not open display grid.");
  EXPECT_EQ(grid_.Cols(), 2) << "nothing loaded, nothing laid out";
}

// The page's result grid puts its cursor on column 2 of the first result
// row; display grids of one or two columns have no column 2.
TEST_F(ResultGrids, ResultHeadingsOfNarrowDisplayGrids) {
  for (int32_t columns : {1, 2, 3}) {
    std::vector<kdtest::GridColumn> grid{{51, 160, "Who", "Name", 13, 1}};
    if (columns > 1) grid.push_back({44, 60, "Who", "Pts", 2, 7});
    if (columns > 2) grid.push_back({116, 45, "Team", "", 9, 4});
    kdtest::SaveDisplayGrid(fixture_.DisplayGridFolder() + "Narrow.dis", grid);
    LayOut("Narrow.dis");
    EXPECT_EQ(grid_.Cols(), columns);
    EXPECT_EQ(grid_.Rows(), 2);
    EXPECT_EQ(grid_.Col(), std::min(columns - 1, 2));
    EXPECT_EQ(grid_.CellAlignmentAt(0, 0), columns > 1 ? FlexGridModel::kAlignLeftCenter : 0);
    options_.additionalPlayers = 0;
    basFlexGridHTML::FillCheatSheetGrid(grid_, roster_, Db(), options_);
    EXPECT_EQ(grid_.TextMatrix(2, 0), "QB1, Test ");
  }
}

}  // namespace
