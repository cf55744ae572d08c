#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "DatabaseFixtures.h"
#include "FakeEditFlexGrid.h"
#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "shell/clsUISettings.h"

namespace fs = std::filesystem;

namespace {

class SettingsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    basMockItUp::InitFileTypeTable(dir.Path());
    fs::create_directories(dir.Path() + "def/");
    fs::create_directories(dir.Path() + "dis/");
    basMockDraftSettings::FillDefaultSettings();
    basMockDraftSettings::GlobalSettings() = clsSettingsKD();
  }
  void TearDown() override { basMockDraftSettings::GlobalSettings() = clsSettingsKD(); }

  std::string SettingsFile() const { return dir.Path() + "kd_settings.ini"; }
  std::string ReadSettingsFile() const {
    std::ifstream in(SettingsFile(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  kdtest::TempDir dir;
  kdtest::ScopedFakeSeams fakes;
  clsUISettings window;
};

}  // namespace

TEST_F(SettingsWindow, TypedNumbersAreHeldToWhatEachSettingAccepts) {
  window.Load();
  struct Row {
    int32_t key;
    const char* typed;
    const char* shown;
  };
  const Row rows[] = {
      {kSetUserMockDepth, "7", "7"},          {kSetUserMockDepth, "0", "1"},
      {kSetUserMockDepth, "300", "256"},      {kSetUserMockDepth, "12.5", "12"},
      {kSetUserMockDepth, "abc", "12"},       {kSetEquilibriumDepth, "3", "3"},
      {kSetEquilibriumDepth, "0", "3"},       {kSetEquilibriumDepth, "-2", "3"},
      {kSetActiveSeason, "2025", "2025"},     {kSetActiveSeason, "1989", "2025"},
      {kSetActiveSeason, "2101", "2025"},     {kSetActiveSeason, "1990", "1990"},
      {kSetActiveSeason, "2100", "2100"},     {kSetUpdateServer, "example.test", "example.test"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(window.CommitText(r.key, r.typed), r.shown) << r.key << " <- " << r.typed;
  }
}

TEST_F(SettingsWindow, DefaultsResetOnlyTheTabsGroupAndReachTheFileOnlyOnSave) {
  window.Load();
  window.CommitText(kSetUserMockDepth, "40");
  window.SetCheck(kSetEnableEquilibrium, false);
  window.CommitText(kSetActiveSeason, "2020");  // General tab: not reset below
  ASSERT_TRUE(window.SelectTab(clsUISettings::kTabMockDrafts));

  fakes.messages.Answer("nosave");
  EXPECT_FALSE(window.Defaults());
  EXPECT_EQ(window.Settings().LongVal(kSetUserMockDepth), 40);

  fakes.messages.Answer("save");
  EXPECT_TRUE(window.Defaults());
  EXPECT_EQ(fakes.messages.messages.back().caption, "Default Settings");
  EXPECT_EQ(fakes.messages.messages.back().text,
            "Are you sure you want to reset the Mock Drafts to the default settings?");
  const auto& defaults = basMockDraftSettings::DefaultSettings();
  EXPECT_EQ(window.Settings().StringVal(kSetUserMockDepth), defaults[kSetUserMockDepth]);
  EXPECT_EQ(window.Settings().StringVal(kSetEnableEquilibrium), defaults[kSetEnableEquilibrium]);
  EXPECT_EQ(window.Settings().LongVal(kSetActiveSeason), 2020);
  EXPECT_FALSE(fs::exists(SettingsFile()));

  ASSERT_TRUE(window.Save());
  EXPECT_NE(ReadSettingsFile().find("40=2020"), std::string::npos);
  EXPECT_EQ(basMockDraftSettings::GlobalSettings().LongVal(kSetActiveSeason), 2020);
}

TEST_F(SettingsWindow, FailedSaveIsReportedAndKeepsTheEdits) {
  fs::create_directories(SettingsFile());  // a folder where the file should go
  window.Load();
  window.CommitText(kSetUserMockDepth, "9");
  EXPECT_FALSE(window.Save());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  EXPECT_EQ(window.Settings().LongVal(kSetUserMockDepth), 9);
}

TEST_F(SettingsWindow, WithoutTheDefaultDatabaseTheWindowOpensWithAnEmptyGridTable) {
  window.Load();
  EXPECT_TRUE(window.Positions().empty());
  EXPECT_EQ(window.GridRows(), 0);
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(SettingsWindow, DisplayGridRowsStopAtTheTwentySettingsThatHoldThem) {
  const std::string db = kdtest::MakeTemplateDatabase(dir, "def/Default.pro");
  // Twice the template's positions: more than settings 6..25 can hold.
  kdtest::ExecuteSql(db,
                     "CREATE TEMP TABLE t AS SELECT * FROM tblPositions; UPDATE t SET ID = ID + 100;"
                     "INSERT INTO tblPositions SELECT * FROM t;");
  std::ofstream(dir.Path() + "dis/Grid A.dis") << "x";
  std::ofstream(dir.Path() + "dis/Grid B.dis") << "x";
  window.Load();
  ASSERT_GT(window.Positions().size(), 21u);
  EXPECT_EQ(window.Positions()[0].abbreviation, "Any");

  kdtest::FakeEditFlexGrid grid;
  window.GridInitialize(&grid, &grid.text, &grid.normList);
  ASSERT_TRUE(window.SelectTab(clsUISettings::kTabDisplayGrids));
  window.FillGridTable();
  EXPECT_EQ(grid.model.Rows(), 21);
  EXPECT_EQ(grid.model.TextMatrix(1, 0), " Default Display " + window.Positions()[1].abbreviation);

  grid.ClickCell(20, 1);
  grid.ClickListItem(grid.normList, 1);
  EXPECT_EQ(grid.model.TextMatrix(20, 1), " Grid B.dis");
  EXPECT_EQ(window.Settings().StringVal(kSetLastDisplayGrid), "Grid B.dis");
}
