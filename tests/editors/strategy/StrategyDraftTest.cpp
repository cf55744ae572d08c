// A strategy made and saved on the draft-strategy page plays one team of an
// automatic mock draft (JobProject's league and players), which picks as
// its rules say.

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "DatabaseFixtures.h"
#include "FakeStrategyView.h"
#include "JobProject.h"
#include "core/basMockItUp.h"
#include "database/clsKickwellDB.h"
#include "editors/strategy/clsUIStrategy.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"

namespace {

using Col = clsUIStrategy::Column;

class StrategyDraftTest : public ::testing::Test {
 protected:
  StrategyDraftTest() {
    std::filesystem::create_directories(DefaultsFolder);
    kdtest::WriteTemplateDatabase(DefaultsFolder + "Default.pro");
  }

  void Edit(int32_t row, int32_t col, const std::string& text) {
    view.grid.ClickCell(row, col);
    view.grid.Type(text);
    view.grid.Key(kdtest::kKeyEnter);
  }
  // Clicks a cell's check-box list item, as the person ticks or unticks it.
  void Tick(int32_t row, int32_t col, int32_t item) {
    view.grid.ClickCell(row, col);
    view.grid.ClickListItem(view.grid.multiList, item);
    view.grid.multiList.Click();
  }

  kdtest::JobProject project;
  kdtest::FakeStrategyView view;
};

// Team 1 plays the strategy made here; teams 2 and 3 take the most points.
// Serpentine, two rounds: picks go to teams 1, 2, 3, 3, 2, 1.
//  1 T1, rule 1 (X doubles backs): RB 201 (260 x 2) over QB 101 (300).
//  2 T2: QB 101 300.   3 T3: QB 102 290.   4 T3: RB 202 250 (its QB is in).
//  5 T2: WR 301 240 over RB 203 150.
//  6 T1, rule 2 (kickers only): K 601 120, where points alone take WR 302 230.
TEST_F(StrategyDraftTest, StrategySavedByTheEditorDrivesTheMockDraftToItsRulesPicks) {
  {
    clsUIStrategy page(view);
    ASSERT_TRUE(page.ActivateForm());
    page.mAR_Click(clsUIStrategy::kAddRule);
    Edit(2, Col::kColBegin, "1");
    Edit(2, Col::kColEnd, "1");
    Tick(2, Col::kColFactors, 2);  // X
    page.mAR_Click(clsUIStrategy::kAddRule);
    Edit(3, Col::kColBegin, "2");
    Edit(3, Col::kColEnd, "l");
    Tick(3, Col::kColPositions, 0);  // not All
    Tick(3, Col::kColPositions, 5);  // K
    page.mTab_Click(clsUIStrategy::kTabFactors);
    Edit(3, 2, "2");  // X of RB
    project.seams.files.AnswerOwn("Editor.stg");
    page.FileCommand(10);
    ASSERT_EQ(page.FileName(), "Editor.stg");
    ASSERT_FALSE(page.ChangesMade());
  }

  kdtest::LeaguePlan plan;
  plan.strategies = {"Editor.stg", "points.stg", "points.stg"};
  project.WriteLeague(plan);
  clsMockDraft mock;
  clsKickwellDB db;
  ASSERT_TRUE(basMockDraftCalculation::CalculateMockDraft(project.Status(), mock, db));
  std::vector<std::pair<int32_t, int32_t>> board;
  for (int32_t k = 0; k <= mock.Count(); ++k) board.emplace_back(mock.MasterID(k), mock.DraftOwner(k));
  const std::vector<std::pair<int32_t, int32_t>> expected = {{201, 1}, {101, 2}, {102, 3},
                                                             {202, 3}, {301, 2}, {601, 1}};
  EXPECT_EQ(board, expected);
}

}  // namespace
