#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "database/clsKickwellDB.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Text.h"

namespace {

constexpr int32_t kQB = 2, kRB = 3, kK = 6;

// Two teams; team 1 starts one QB, two RBs and one K and drafted, in this
// order, a QB, an RB, a K, two more RBs (the best of them last); team 2
// drafted nobody.
class TeamSummary : public testing::Test {
 protected:
  void SetUp() override {
    path_ = kdtest::MakeTemplateDatabase(dir_);
    ASSERT_TRUE(db_.InitializeKickwellDB(path_)) << db_.LastError();
    board_.SetOwnerCount(2);
    board_.SetOwnerName(1, "Sharks");
    board_.SetOwnerName(2, "Jets");
    board_.AddRosterPositionSize(1, 1, 6, 0, 4, 0);
    board_.AddRosterPositionSize(kQB, kQB, 1, 0, 1, 0);
    board_.AddRosterPositionSize(kRB, kRB, 4, 0, 2, 0);
    board_.AddRosterPositionSize(kK, kK, 1, 0, 1, 0);
    const std::vector<std::pair<int32_t, double>> picks{
        {kQB, 160}, {kRB, 50.8}, {kK, 2.4}, {kRB, 20}, {kRB, 100}};
    board_.SetCount(static_cast<int32_t>(picks.size()) - 1);
    for (std::size_t k = 0; k < picks.size(); ++k) {
      const int32_t p = static_cast<int32_t>(k);
      board_.SetDraftOwner(p, 1);
      board_.SetPosition(p, picks[k].first);
      board_.SetPoints(p, picks[k].second);
    }
  }

  kdtest::TempDir dir_;
  std::string path_;
  clsKickwellDB db_;
  clsMockDraft board_;
};

TEST_F(TeamSummary, StartersAreTheFirstDraftedAtEachPositionNotTheBest) {
  double bench = 0;
  EXPECT_DOUBLE_EQ(basMockDraftCalculation::SumTeamStarterPoints(board_, 1, bench), 160 + 50.8 + 20 + 2.4);
  EXPECT_DOUBLE_EQ(bench, 100);
  EXPECT_DOUBLE_EQ(basMockDraftCalculation::SumTeamPoints(board_, 1), 333.2);
  EXPECT_DOUBLE_EQ(basMockDraftCalculation::SumTeamPositionPoints(board_, 1, kRB), 170.8);
  EXPECT_DOUBLE_EQ(basMockDraftCalculation::SumTeamStarterPoints(board_, 2, bench), 0);
  EXPECT_DOUBLE_EQ(bench, 0);
}

TEST_F(TeamSummary, GridHoldsWeeklyAveragesRoundedHalfAwayFromZero) {
  FlexGridModel grid;
  basMockDraftCalculation::FillTeamSummaryGrid(grid, board_, db_);
  ASSERT_EQ(grid.Rows(), 4);
  ASSERT_EQ(grid.Cols(), 7);
  EXPECT_EQ(grid.FixedRows(), 2);
  for (int32_t c = 0; c < 7; ++c) EXPECT_EQ(grid.TextMatrix(0, c), "Average Points Per Week");
  const std::vector<std::string> headings{"Team Name", "Starters", "Bench", "Full", "QB", "RB", "K"};
  const std::vector<std::string> sharks{"Sharks", "14.6", "6.3", "20.8", "10.0", "10.7", "0.2"};
  const std::vector<std::string> jets{"Jets", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"};
  for (int32_t c = 0; c < 7; ++c) {
    const std::size_t k = static_cast<std::size_t>(c);
    EXPECT_EQ(grid.TextMatrix(1, c), headings[k]);
    // 100 / 16 = 6.25 and 2.4 / 16 = 0.15 round up, as the decimal texts do.
    EXPECT_EQ(runtime::Trim(grid.TextMatrix(2, c)), sharks[k]) << c;
    EXPECT_EQ(runtime::Trim(grid.TextMatrix(3, c)), jets[k]) << c;
  }
  EXPECT_EQ(grid.ColWidth(0), 1500);
  EXPECT_EQ(grid.ColAlignment(0), FlexGridModel::kAlignLeftCenter);
  EXPECT_EQ(grid.ColWidth(2), 800);
  EXPECT_EQ(grid.ColAlignment(6), FlexGridModel::kAlignRightCenter);
}

}  // namespace
