// The projected-stats page's controller, headless: the job project's
// database (QBs with rushing yards, one point a yard) under the grid
// editor's fakes, questions answered by the scripted seams.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "DatabaseFixtures.h"
#include "FakeEditFlexGrid.h"
#include "JobProject.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "database/clsDisplayGridIsolate.h"
#include "editors/projected_stats/ProjectedStatsView.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "shell/basUIControl.h"

namespace {

constexpr int32_t kName = 51;
constexpr int32_t kPoints = 44;
constexpr int32_t kRushYards = 14;
constexpr int32_t kADP = 88;

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

  kdtest::FakeEditFlexGrid grid;
  std::vector<std::string> tabs;
  std::string heading;
  std::shared_ptr<const FlexGridPicture> picture = std::make_shared<Picture>();
};

void WriteGrid(const std::string& path, const std::vector<int32_t>& categories) {
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

TEST_F(ProjectedStatsPageTest, ShowsThePlayersOfTheFirstPositionByName) {
  Open();
  ASSERT_TRUE(page->Loaded());
  EXPECT_NE(view.heading.find("  [Test.dis]"), std::string::npos);
  EXPECT_EQ(Grid().Rows(), 6);  // two headings and the four QBs
  EXPECT_NE(Column(kName).front().find("Able"), std::string::npos);
  EXPECT_EQ(Grid().TextMatrix(1, 1), "Mod");
}

// Undo used to write back the rounded text the cell showed.
TEST_F(ProjectedStatsPageTest, UndoRestoresTheExactStoredValueNewestFirst) {
  kdtest::ExecuteSql(project.databasePath, "UPDATE tblStat3 SET Fld4 = 300.375 WHERE Fld4 = 300;");
  Open();
  const int32_t row = RowOf("Able");
  const int32_t col = ColOf(kRushYards);
  const std::string player = Grid().TextMatrix(row, 0);
  page->mFlxProjected_ValidateFlexText(row, col, "120", Grid().TextMatrix(row, col));
  page->mFlxProjected_ValidateFlexText(row, col, "50", Grid().TextMatrix(row, col));
  EXPECT_EQ(Value("SELECT Fld4 FROM tblStat3 WHERE Week = 250 AND PlayerID = " + player), 50);
  // Rescored at once by the database's own system: a point per 10 yards.
  EXPECT_EQ(Value("SELECT Points FROM tblStat0 WHERE Week = 250 AND PlayerID = " + player), 5);
  EXPECT_EQ(Grid().TextMatrix(row, 1), "               X");
  EXPECT_EQ(page->StatChangeMax(), 2);  // two values and the mark

  page->UndoStatChanges();
  EXPECT_EQ(Value("SELECT Fld4 FROM tblStat3 WHERE Week = 250 AND PlayerID = " + player), 300.375);
  EXPECT_EQ(Stored("SELECT DNU FROM tblStat0 WHERE Week = 250 AND PlayerID = " + player), "0");
  EXPECT_EQ(page->StatChangeMax(), -1);
}

TEST_F(ProjectedStatsPageTest, DontSaveOnCloseUndoesAndCancelKeepsThePage) {
  Open();
  const int32_t row = RowOf("Able");
  const std::string player = Grid().TextMatrix(row, 0);
  page->mFlxProjected_ValidateFlexText(row, ColOf(kRushYards), "7", Grid().TextMatrix(row, ColOf(kRushYards)));
  page->mFlxProjected_ValidateFlexText(row, ColOf(kRushYards), "x", "7");
  EXPECT_EQ(Grid().TextMatrix(row, ColOf(kRushYards)), "7");  // refused text: the old one back
  project.seams.messages.Answer("cancel");
  EXPECT_FALSE(page->QueryUnload());
  project.seams.messages.Answer("nosave");
  EXPECT_TRUE(page->QueryUnload());
  EXPECT_EQ(Value("SELECT Fld4 FROM tblStat3 WHERE Week = 250 AND PlayerID = " + player), 300);
}

TEST_F(ProjectedStatsPageTest, HeadingClicksSortDescendingThenAlternate) {
  Open();
  ClickHeading(ColOf(kRushYards));
  EXPECT_EQ(Column(kRushYards).front(), "300");
  ClickHeading(ColOf(kRushYards));
  EXPECT_EQ(Column(kRushYards).front(), "100");
  ClickHeading(ColOf(kPoints));
  EXPECT_EQ(page->SortDirection(), 2);
}

TEST_F(ProjectedStatsPageTest, AscendingADPPutsPlayersWithoutOneLast) {
  kdtest::ExecuteSql(project.databasePath, "UPDATE tblStat0 SET ADP = 20 WHERE PlayerID = 1;"
                                           "UPDATE tblStat0 SET ADP = 5 WHERE PlayerID = 3;");
  Open();
  ClickHeading(ColOf(kADP));
  ClickHeading(ColOf(kADP));
  ASSERT_EQ(page->SortDirection(), 1);
  const auto adp = Column(kADP);
  EXPECT_EQ(std::atof(adp[0].c_str()), 5);
  EXPECT_EQ(std::atof(adp[1].c_str()), 20);
  EXPECT_EQ(std::atof(adp[3].c_str()), 0);
}

TEST_F(ProjectedStatsPageTest, AnInvalidDisplayGridLoadsTheDefaultAfterAMessage) {
  WriteGrid(FileTypeFolder[kPageDisplayGrids] + "Twice.dis", {kName, kPoints, kPoints});
  WriteGrid(DefaultsFolder + "Stats - Offensive.dis", {kName, kPoints});
  basMockDraftSettings::GlobalSettings().SetStringVal(kSetFirstDisplayGrid + 1, "Twice.dis");  // QBs
  Open();
  ASSERT_FALSE(project.seams.messages.messages.empty());
  const auto& shown = project.seams.messages.messages.front();
  EXPECT_EQ(shown.caption, "Error Loading Twice.dis");
  EXPECT_EQ(shown.text.rfind(" Default display will be loaded.\r\n  ", 0), 0U);
  EXPECT_EQ(page->DisplayGridFile(), "Stats - Offensive.dis");
  EXPECT_EQ(Grid().Cols(), 4);
}

// A position without players used to keep the previous position's rows.
TEST_F(ProjectedStatsPageTest, APositionWithoutPlayersShowsNoRows) {
  Open();
  int32_t empty = -1;
  for (std::size_t t = 0; t < view.tabs.size(); ++t)
    if (Stored("SELECT COUNT(*) FROM tblPlayers WHERE PosID = " + std::to_string(page->PositionIDs()[t]) +
               " OR PosID IN (SELECT ID FROM tblPositions WHERE MergeAsID = " +
               std::to_string(page->PositionIDs()[t]) + ")") == "0")
      empty = static_cast<int32_t>(t);
  ASSERT_GE(empty, 0);
  page->mTab_Click(empty);
  EXPECT_EQ(Grid().Rows(), 2);
}

}  // namespace
