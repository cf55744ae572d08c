#pragma once
// The projected-stats page's controller, headless: the job project's
// database (QBs with rushing yards, one point a yard) under the grid
// editor's fakes, questions answered by the scripted seams, the page's two
// windows played by the test's scripts.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "DatabaseFixtures.h"
#include "FakeEditFlexGrid.h"
#include "JobProject.h"
#include "ScoringRules.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "database/clsDisplayGridIsolate.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basSCOFileControl.h"
#include "editors/projected_stats/ProjectedStatsView.h"
#include "player_data/dialogs/clsUINewProjected.h"
#include "player_data/dialogs/clsUIProInfo.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "shell/basUIControl.h"

namespace pstest {

constexpr int32_t kName = 51;
constexpr int32_t kPoints = 44;
constexpr int32_t kRushYards = 14;
constexpr int32_t kADP = 88;
constexpr int32_t kPassTD = 4;
constexpr int32_t kRushTD = 15;

struct Picture final : FlexGridPicture {
  int32_t WidthPixels() const override { return 14; }
  int32_t HeightPixels() const override { return 14; }
};

class FakeProjectedView final : public ProjectedStatsView {
 public:
  EditFlexGridView* EditGrid() override { return &grid; }
  EditFlexTextBox* EditText() override { return &grid.text; }
  EditFlexComboBox* EditCombo() override { return &grid.combo; }
  void SetTabs(const std::vector<std::string>& c) override { tabs = c; }
  void SelectTab(int32_t) override {}
  void SetHeading(const std::string& t) override { heading = t; }
  void SetSourceLabels(const std::string&, const std::string&) override {}
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool) override { return picture; }
  std::shared_ptr<const FlexGridPicture> SortArrow(bool) override { return picture; }
  void ShowNewProjected(clsUINewProjected& dialog) override {
    ASSERT_TRUE(newDialog) << "new-file dialog shown without a script";
    newDialog(dialog);
  }
  void ShowProperties(clsUIProInfo& window) override {
    ASSERT_TRUE(properties) << "properties window shown without a script";
    properties(window);
  }

  // What the person does in the page's two windows.
  std::function<void(clsUINewProjected&)> newDialog;
  std::function<void(clsUIProInfo&)> properties;
  kdtest::FakeEditFlexGrid grid;
  std::vector<std::string> tabs;
  std::string heading;
  std::shared_ptr<const FlexGridPicture> picture = std::make_shared<Picture>();
};

inline void WriteGrid(const std::string& path, const std::vector<int32_t>& categories) {
  clsDisplayGridIsolate grid;
  grid.SetColumnMax(static_cast<int32_t>(categories.size()) - 1);
  for (std::size_t i = 0; i < categories.size(); ++i) {
    const auto c = static_cast<int32_t>(i);
    grid.SetTableFieldID(c, categories[i]);
    grid.SetOrderNumber(c, static_cast<uint8_t>(c + 1));
    grid.SetColumnWidth(c, 50);
    grid.SetTitle2(c, "T" + std::to_string(categories[i]));
  }
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  grid.SetFilePath(path);
  ASSERT_TRUE(grid.SaveFile());
}

class ProjectedStatsPageTest : public ::testing::Test {
 protected:
  ProjectedStatsPageTest() {
    WriteGrid(FileTypeFolder[kPageDisplayGrids] + "Test.dis", {kName, kPoints, kRushYards, kADP});
    for (int32_t s = kSetFirstDisplayGrid; s <= kSetLastDisplayGrid; ++s)
      basMockDraftSettings::GlobalSettings().SetStringVal(s, "Test.dis");
    ProjectOpenMode = 1;
  }
  ~ProjectedStatsPageTest() override {
    page.reset();
    ProjectOpenMode = 0;
  }

  clsUIProjectedStats2& Open() {
    page = std::make_unique<clsUIProjectedStats2>(view);
    EXPECT_TRUE(page->ActivateForm());
    return *page;
  }
  FlexGridModel& Grid() { return view.grid.Model(); }
  int32_t ColOf(int32_t cat) {
    for (int32_t c = 0; c < Grid().Cols(); ++c)
      if (page->ColumnCategory(c) == cat) return c;
    return -1;
  }
  int32_t RowOf(const std::string& name) {
    for (int32_t r = 2; r < Grid().Rows(); ++r)
      if (Grid().TextMatrix(r, ColOf(kName)).find(name) != std::string::npos) return r;
    return -1;
  }
  std::vector<std::string> Column(int32_t cat) {
    std::vector<std::string> out;
    for (int32_t r = 2; r < Grid().Rows(); ++r) out.push_back(Grid().TextMatrix(r, ColOf(cat)));
    return out;
  }
  // Types `text` into the player's cell of the category.
  void Correct(const std::string& name, int32_t cat, const std::string& text) {
    const int32_t row = RowOf(name);
    ASSERT_GT(row, 1) << name;
    page->mFlxProjected_ValidateFlexText(row, ColOf(cat), text, Grid().TextMatrix(row, ColOf(cat)));
  }
  void ClickHeading(int32_t col) {
    view.grid.mouseRow = 1;
    view.grid.mouseCol = col;
    page->mFlxProjected_Click();
  }
  std::string Stored(const std::string& sql) { return kdtest::QueryText(project.databasePath, sql); }
  double Value(const std::string& sql) { return std::atof(Stored(sql).c_str()); }

  kdtest::JobProject project;
  FakeProjectedView view;
  std::unique_ptr<clsUIProjectedStats2> page;
};

}  // namespace pstest
