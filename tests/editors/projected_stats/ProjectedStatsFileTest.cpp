// The projected-stats page's files headless: New through the new-file
// dialog, Open, Save As and the properties window, played by scripts on the
// job project's database.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "HostileFiles.h"
#include "ProjectedStatsFixture.h"
#include "core/basMessage.h"
#include "database/KWRRecords.h"
#include "player_data/basCreateSingleSeasonDB.h"
#include "player_data/basKWRFileControl.h"

namespace {

using namespace pstest;
namespace fs = std::filesystem;

constexpr int32_t kNew = 6;
constexpr int32_t kOpenFile = 7;
constexpr int32_t kSave = 9;
constexpr int32_t kSaveAs = 10;

class ProjectedStatsFileTest : public ProjectedStatsPageTest {
 protected:
  ProjectedStatsFileTest() {
    for (const int32_t type : {kPagePlayerMasterRegistry, kPageProjectedStatStrain})
      fs::create_directories(FileTypeFolder[static_cast<std::size_t>(type)]);
    kdtest::WriteTemplateDatabase(DefaultsFolder + "Default.pro");
  }

  static std::string Pro(const std::string& name) { return FileTypeFolder[kPageProjectedStats] + name; }
  // Able's season rushing yards in a file of the projected-stats folder.
  static std::string AbleYards(const std::string& file) {
    return kdtest::QueryText(Pro(file), "SELECT printf('%g', Fld4) FROM tblStat3 s JOIN tblPlayers p ON p.ID = s.PlayerID"
                                        " WHERE p.MasterID = 101 AND s.Week = 250;");
  }
  // A master file of the season in the player master registry: Able
  // registered, and his season's rushing yards.
  static void WriteMaster(int16_t year, float yards) {
    basKWRFileControl::WriteKwrWeeks(
        FileTypeFolder[kPagePlayerMasterRegistry] + basCreateSingleSeasonDB::MasterPrefix(year) + " 0001.kwr", 0,
        1, year, "master", [&](uint8_t week, KWRBlock& block) {
          if (week == 0) {
            block.Bios.push_back(KWRBioRecord{101, "Able, Al", 0, 1, 2});
          } else {
            basKWRFileControl::AddStatRecord(block, 101, 1, clsKickwellDB::kSeasonWeek, kRushYards, yards);
          }
        });
  }
  // The new-file dialog, answered: the season, the source and the name.
  void AnswerNewDialog(int32_t season, int32_t source, const std::string& name) {
    basMockDraftSettings::GlobalSettings().SetStringVal(kSetActiveSeason, std::to_string(season));
    view.newDialog = [source](clsUINewProjected& dialog) {
      dialog.Option1_Click(source);
      if (source == clsUINewProjected::kStatic) dialog.mStatic_Click();
      dialog.mOK_Click(0);
      ASSERT_TRUE(dialog.Closed());
    };
    if (source == clsUINewProjected::kStatic) project.seams.files.AnswerOwn("Season.pro");
    project.seams.files.AnswerOwn(name);
  }
  std::vector<std::string> Captions() const { return project.seams.messages.captions; }
};

// ---- Save As and Open

// Save As used to copy the file the project named, not the one shown.
TEST_F(ProjectedStatsFileTest, SaveAsCopiesTheFileShownWithTheCorrectionsAndGivesItsOldValuesBack) {
  Open();
  GlobalProject().SetValue(kProjProjectedStatsFile, "Elsewhere.pro");
  Correct("Able", kRushYards, "120");
  project.seams.files.AnswerOwn("Copy");
  page->FileCommand(kSaveAs);
  EXPECT_EQ(AbleYards("Copy.pro"), "120");
  EXPECT_EQ(AbleYards("Season.pro"), "300");
  EXPECT_EQ(page->FileName(), "Copy.pro");
  EXPECT_EQ(GlobalProject().Value(kProjProjectedStatsFile), "Copy.pro");
  EXPECT_EQ(page->StatChangeMax(), -1);
  EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), ColOf(kRushYards)), "120");
  EXPECT_TRUE(Captions().empty());
}

// Under the name shown it used to copy the file onto itself and undo the
// corrections in it.
TEST_F(ProjectedStatsFileTest, SaveAsUnderTheNameShownKeepsTheCorrectionsAsSaveDoes) {
  Open();
  Correct("Able", kRushYards, "120");
  project.seams.files.AnswerOwn("Season.pro");
  project.seams.messages.Answer("save");  // overwrite it
  page->FileCommand(kSaveAs);
  EXPECT_EQ(AbleYards("Season.pro"), "120");
  EXPECT_EQ(page->StatChangeMax(), -1);
  EXPECT_EQ(page->FileName(), "Season.pro");
  // Nothing left to ask about.
  EXPECT_TRUE(page->QueryUnload());
}

TEST_F(ProjectedStatsFileTest, ACopyThatCannotBeMadeKeepsTheFileShownAndItsCorrections) {
  fs::create_directories(Pro("Blocked.pro"));
  Open();
  Correct("Able", kRushYards, "120");
  project.seams.files.AnswerOwn("Blocked.pro");
  project.seams.messages.Answer("save");  // overwrite it
  page->FileCommand(kSaveAs);
  ASSERT_EQ(project.seams.messages.messages.size(), 2U);
  EXPECT_EQ(project.seams.messages.messages[1].caption, "Save Projected File Error");
  EXPECT_EQ(page->FileName(), "Season.pro");
  EXPECT_TRUE(page->Loaded());
  EXPECT_EQ(page->StatChangeMax(), 1);
  // The page goes on working on its file.
  Correct("Baker", kRushYards, "7");
  page->UndoStatChanges();
  EXPECT_EQ(AbleYards("Season.pro"), "300");
}

TEST_F(ProjectedStatsFileTest, SaveWithoutAFileShownSaysSoAndClearsTheGrid) {
  GlobalProject().SetValue(kProjProjectedStatsFile, "");
  Open();
  ASSERT_FALSE(page->Loaded());
  page->FileCommand(kSave);
  ASSERT_EQ(project.seams.messages.messages.size(), 1U);
  EXPECT_EQ(project.seams.messages.messages[0].caption, "Save Projected File Cancelled");
  EXPECT_EQ(project.seams.messages.messages[0].text, "No Projected Stats in Loaded.");
  EXPECT_EQ(Grid().Cols(), 1);
}

// A file that did not open used to leave the page with no database at all.
TEST_F(ProjectedStatsFileTest, AFileThatDoesNotOpenLeavesTheFileShownOrTheTemplatesPositions) {
  kdtest::WriteFile(Pro("Broken.pro"), "not a database");
  for (const std::string shown : {"Season.pro", ""}) {
    SCOPED_TRACE("shown: " + shown);
    GlobalProject().SetValue(kProjProjectedStatsFile, shown);
    Open();
    project.seams.files.AnswerOwn("Broken.pro");
    page->FileCommand(kOpenFile);
    EXPECT_FALSE(Captions().empty());
    EXPECT_EQ(page->FileName(), shown);
    EXPECT_EQ(page->Loaded(), !shown.empty());
    EXPECT_TRUE(page->KickwellDB().IsOpen());
    EXPECT_EQ(GlobalProject().Value(kProjProjectedStatsFile), shown);
    EXPECT_EQ(Grid().Rows() > 2, !shown.empty());
    page.reset();
    project.seams.messages.captions.clear();
  }
}

TEST_F(ProjectedStatsFileTest, OpenShowsTheFileAndNamesItInTheProject) {
  fs::copy_file(project.databasePath, Pro("Other.pro"));
  kdtest::ExecuteSql(Pro("Other.pro"), "UPDATE tblStat3 SET Fld4 = 77 WHERE Fld4 = 300;");
  Open();
  Correct("Able", kRushYards, "120");
  project.seams.messages.Answer("nosave");
  project.seams.files.AnswerOwn("Other.pro");
  page->FileCommand(kOpenFile);
  EXPECT_EQ(AbleYards("Season.pro"), "300");
  EXPECT_EQ(page->FileName(), "Other.pro");
  EXPECT_EQ(GlobalProject().Value(kProjProjectedStatsFile), "Other.pro");
  EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), ColOf(kRushYards)), "77");
}

// ---- New

TEST_F(ProjectedStatsFileTest, NewBuildsTheSeasonFromItsMasterFilesAndKeepsTheProjectsFile) {
  WriteMaster(2023, 812);
  Open();
  AnswerNewDialog(2023, clsUINewProjected::kNone, "Fresh");
  page->FileCommand(kNew);
  EXPECT_EQ(page->FileName(), "Fresh.pro");
  EXPECT_TRUE(page->Loaded());
  EXPECT_EQ(page->Year(), 2023);
  EXPECT_EQ(page->KickwellDB().MasterVersion(), 1);
  EXPECT_EQ(page->KickwellDB().StrainName(), "None");
  EXPECT_EQ(Grid().Rows(), 3);
  EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), ColOf(kRushYards)), "812");
  EXPECT_EQ(GlobalProject().Value(kProjProjectedStatsFile), "Season.pro");
}

// With source None and no master file of the season nothing used to be built.
TEST_F(ProjectedStatsFileTest, NoneWithoutMasterFilesBuildsTheTemplatesEmptySeason) {
  Open();
  AnswerNewDialog(1999, clsUINewProjected::kNone, "Empty");
  page->FileCommand(kNew);
  ASSERT_TRUE(fs::exists(Pro("Empty.pro")));
  EXPECT_EQ(page->FileName(), "Empty.pro");
  EXPECT_TRUE(page->Loaded());
  EXPECT_EQ(page->Year(), 1999);
  EXPECT_EQ(Grid().Rows(), 2);
}

// The old file of the name used to be deleted before the new one was built.
TEST_F(ProjectedStatsFileTest, ACancelledBuildKeepsTheOldFileOfTheNameAndShowsTheFileShownBefore) {
  WriteMaster(2023, 812);
  kdtest::WriteFile(Pro("Fresh.pro"), "the old file");
  Open();
  AnswerNewDialog(2023, clsUINewProjected::kNone, "Fresh");
  project.seams.messages.Answer("save");  // overwrite it
  project.seams.yield.cancelAfter = 1;
  page->FileCommand(kNew);
  EXPECT_EQ(kdtest::ReadFile(Pro("Fresh.pro")), "the old file");
  EXPECT_EQ(page->FileName(), "Season.pro");
  EXPECT_TRUE(page->Loaded());
  EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), ColOf(kRushYards)), "300");
}

TEST_F(ProjectedStatsFileTest, AStaticCopyFollowsNoStrain) {
  kdtest::ExecuteSql(project.databasePath, "UPDATE tblSettings SET StrainName = 'Alpha', StrainVersion = 3;");
  Open();
  AnswerNewDialog(2024, clsUINewProjected::kStatic, "Copy");
  page->FileCommand(kNew);
  EXPECT_EQ(page->FileName(), "Copy.pro");
  EXPECT_EQ(page->KickwellDB().StrainName(), "None");
  EXPECT_EQ(AbleYards("Copy.pro"), "300");
  EXPECT_EQ(kdtest::QueryText(project.databasePath, "SELECT StrainName FROM tblSettings;"), "Alpha");
}

// A built or reapplied file used to show the points its import stored (the
// database's own rules: whole tens of yards, 81), and typing the yards
// again then changed them to the project's 812.5.
TEST_F(ProjectedStatsFileTest, ABuiltOrReappliedFileShowsTheProjectsPointsAndRetypingChangesNothing) {
  for (const bool reapply : {false, true}) {
    SCOPED_TRACE(reapply ? "Reapply" : "New");
    WriteMaster(reapply ? 2024 : 2023, 812.5f);
    Open();
    if (reapply) {
      view.properties = [](clsUIProInfo& window) {
        window.mMV_Click();
        window.mBtn_Click();
      };
      page->mOP_Click(3);
    } else {
      AnswerNewDialog(2023, clsUINewProjected::kNone, "Fresh");
      page->FileCommand(kNew);
    }
    // A point a yard, halves counted, as the cheat sheet counts them.
    EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), ColOf(kPoints)), "812.5");
    Correct("Able", kRushYards, "812.5");
    EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), ColOf(kPoints)), "812.5");
    page.reset();
  }
}

// ---- The properties window

TEST_F(ProjectedStatsFileTest, ThePropertiesWindowMovesTheFileToAnotherSeasonWithItsMasterFiles) {
  struct Case {
    const char* name;
    bool masterThere;
    const char* version;
    const char* yards;
  };
  for (const Case& c : {Case{"with the season's master", true, "1", "812"},
                        Case{"without one", false, "0", "300"}}) {
    SCOPED_TRACE(c.name);
    fs::remove(FileTypeFolder[kPagePlayerMasterRegistry] + "2025 Master 0001.kwr");
    if (c.masterThere) WriteMaster(2025, 812);
    kdtest::ExecuteSql(project.databasePath, "UPDATE tblSettings SET Year = 2024, MasterVersion = 7;"
                                             "UPDATE tblStat0 SET Year = 2024; UPDATE tblStat3 SET Year = 2024;"
                                             "UPDATE tblStat3 SET Fld4 = 300 WHERE Fld4 = 812;");
    Open();
    std::string year;
    view.properties = [&year](clsUIProInfo& window) {
      window.mMY_Click();
      year = window.Value(clsUIProInfo::kMasterYear);
      window.mBtn_Click();
    };
    project.seams.files.AnswerOwn("2025 Master 0001.kwr");
    page->mOP_Click(3);
    EXPECT_EQ(year, "2025");
    EXPECT_EQ(page->Year(), 2025);
    EXPECT_EQ(Stored("SELECT Year || '/' || MasterVersion FROM tblSettings;"), std::string("2025/") + c.version);
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM tblStat3 WHERE Year <> 2025;"), "0");
    EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), ColOf(kRushYards)), c.yards);
    page.reset();
  }
}

}  // namespace

namespace {

TEST_F(ProjectedStatsFileTest, ThePropertiesWindowRemovesTheADPDataOnlyWhenConfirmed) {
  kdtest::ExecuteSql(project.databasePath, "UPDATE tblStat0 SET ADP = 12; UPDATE tblSettings SET LeagueName = 'Early';");
  // No file is named ".kwr": the bare extension typed into the dialog is
  // the answer for "no ADP file".
  fs::create_directories(FileTypeFolder[kPageAverageDraftPosition]);
  Open();
  std::vector<std::string> shown;
  view.properties = [&shown](clsUIProInfo& window) {
    shown.push_back(window.Value(clsUIProInfo::kADPFile));
    window.mADP_Click();  // declined
    shown.push_back(window.Value(clsUIProInfo::kADPFile));
    window.mADP_Click();  // confirmed
    shown.push_back(window.Value(clsUIProInfo::kADPFile));
    window.mBtn_Click();
  };
  for (int i = 0; i < 2; ++i) project.seams.files.AnswerOwn(".kwr");  // the bare extension: no ADP file
  project.seams.messages.Answer(seams::kAnswerNoSave);
  project.seams.messages.Answer(seams::kAnswerSave);
  page->mOP_Click(3);
  EXPECT_EQ(shown, (std::vector<std::string>{"Early", "Early", "None"}));
  ASSERT_EQ(project.seams.messages.messages.size(), 2U);
  EXPECT_EQ(project.seams.messages.messages[0].caption, "Average Draft Position");
  EXPECT_EQ(project.seams.messages.messages[0].text, "Are you sure you want to remove all ADP data?");
  EXPECT_EQ(Stored("SELECT COUNT(*) FROM tblStat0 WHERE Week = 250 AND ADP <> 0;"), "0");
  EXPECT_TRUE(project.seams.messages.plain.empty());  // no "File Not Found"
}

TEST_F(ProjectedStatsFileTest, ThePropertiesWindowDropsTheStrainOnlyWhenConfirmed) {
  kdtest::ExecuteSql(project.databasePath, "UPDATE tblSettings SET StrainName = 'Mine';");
  kdtest::WriteFile(FileTypeFolder[kPageProjectedStatStrain] + ".kwr", "");
  Open();
  std::vector<std::string> shown;
  view.properties = [&shown](clsUIProInfo& window) {
    window.mSN_Click();  // declined
    shown.push_back(window.Value(clsUIProInfo::kStrainName));
    window.mSN_Click();  // confirmed
    shown.push_back(window.Value(clsUIProInfo::kStrainName));
    window.mBtn_Click();
  };
  for (int i = 0; i < 2; ++i) project.seams.files.AnswerOwn(".kwr");
  project.seams.messages.Answer(seams::kAnswerNoSave);
  project.seams.messages.Answer(seams::kAnswerSave);
  page->mOP_Click(3);
  EXPECT_EQ(shown, (std::vector<std::string>{"Mine", "None"}));
  ASSERT_GE(project.seams.messages.messages.size(), 2U);
  EXPECT_EQ(project.seams.messages.messages[0].caption, "Projection Strain");
  EXPECT_EQ(project.seams.messages.messages[0].text, "Are you sure you want to remove projection strain reference?");
}

}  // namespace

namespace {

using namespace pstest;
namespace fs = std::filesystem;

class OpeningScoreTest : public ProjectedStatsPageTest {
 protected:
  OpeningScoreTest() { kdtest::WriteTemplateDatabase(DefaultsFolder + "Default.pro"); }
  double StoredPoints(int32_t masterID) {
    return Value("SELECT s.Points FROM tblStat0 s JOIN tblPlayers p ON p.ID = s.PlayerID WHERE s.Week = 250 AND "
                 "p.MasterID = " + std::to_string(masterID));
  }
};

// A scoring the page runs when it opens a file, cancelled or failed, left
// rows on their old points and showed them as if scored.
TEST_F(OpeningScoreTest, AScoringNotFinishedIsSaidOnceAndTheCheatSheetStillScoresEveryRow) {
  const std::string later =
      "\r\n Not all of the points shown are scored with the project's scoring system; they will be when the file "
      "is opened again or Apply Scoring System runs.";
  const struct {
    const char* name;
    bool cancel;
    const char* sql;
    std::string told;
  } cases[] = {
      {"cancelled after the first row", true, "", " The scoring was cancelled." + later},
      {"a value no Single holds", false, "UPDATE tblStat3 SET Fld4 = 1.7e308 WHERE PlayerID = 4;",
       " Overflow: the value 1.7E+308 cannot be scored" + later},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    kdtest::ExecuteSql(project.databasePath, "UPDATE tblStat0 SET Points = 1 WHERE Week = 250;");
    kdtest::ExecuteSql(project.databasePath, c.sql);
    project.seams.messages.messages.clear();
    project.seams.yield.onYield = [&](int) {
      if (c.cancel && project.seams.progress.caption == "Apply Scoring System") CancelFlag = true;
    };
    Open();
    project.seams.yield.onYield = nullptr;
    ASSERT_EQ(project.seams.messages.messages.size(), 1u);
    EXPECT_EQ(project.seams.messages.messages[0].caption, "Apply Scoring System");
    EXPECT_EQ(project.seams.messages.messages[0].text, c.told);
    // Baker's row was not scored; the page shows the file all the same.
    EXPECT_EQ(StoredPoints(102), 1);
    EXPECT_EQ(page->FileName(), "Season.pro");
    page.reset();
    if (!c.cancel) continue;
    // The cancelled pass counts as no finished one: the cheat sheet scores
    // every row with the project's system (a point a yard).
    clsMockDraft mock;
    clsMockRoster roster;
    clsKickwellDB db;
    ASSERT_TRUE(basMockDraftCalculation::CalculateCheatSheet(project.Status(), mock, roster, db));
    const std::pair<int32_t, double> ranked[] = {{101, 300}, {102, 290}, {103, 200}, {104, 100}, {201, 260}, {301, 240}};
    for (const auto& [masterID, points] : ranked) {
      int32_t slot = 0;
      int32_t index = 0;
      ASSERT_TRUE(roster.FindStackPlayer(masterID, slot, index)) << masterID;
      EXPECT_EQ(roster.StackPlayerPoints(slot, index), points) << masterID;
    }
  }
}

// SQLite's own words ("no such table: tblStat2") named no file: the page's
// message after another program changed the file under it said nothing
// of which file.
TEST_F(OpeningScoreTest, WhatTheDatabaseSaysOfAFileChangedUnderThePageNamesTheFile) {
  const struct {
    const char* name;
    std::function<void()> change;
    std::string told;
  } cases[] = {
      {"a stat table dropped", [&] { kdtest::ExecuteSql(project.databasePath, "DROP TABLE tblStat3;"); },
       " no such table: tblStat3 in '" + project.databasePath + "'"},
      {"the file cut short", [&] { fs::resize_file(project.databasePath, 8192); },
       " database disk image is malformed in '" + project.databasePath + "'"},
  };
  const std::string good = kdtest::ReadFile(project.databasePath);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    kdtest::WriteFile(project.databasePath, good);
    Open();
    c.change();
    project.seams.messages.messages.clear();
    Correct("Able", kRushYards, "305");
    ASSERT_EQ(project.seams.messages.messages.size(), 1u);
    EXPECT_EQ(project.seams.messages.messages[0].caption, "Projected Stats File");
    EXPECT_EQ(project.seams.messages.messages[0].text, c.told);
    page.reset();
  }
}

// As an ordinary user, a writable database in a folder that refuses writes
// (so that no journal can be made beside it) failed at the page's first
// write with SQLite's words, then again, and left the main window on no page.
TEST_F(OpeningScoreTest, ADatabaseInAReadOnlyFolderIsRefusedOnceAsAnOrdinaryUser) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root writes into a read-only folder; ctest runs this test again as the user nobody";
  }
  const std::string folder = FileTypeFolder[kPageProjectedStats];
  const kdtest::PathSnapshot before = kdtest::Snapshot(project.databasePath);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  Open();  // the page opens all the same, with no file
  ASSERT_EQ(project.seams.messages.plain.size(), 1u);
  EXPECT_EQ(project.seams.messages.captions, std::vector<std::string>{"Open File Error"});
  EXPECT_EQ(project.seams.messages.plain[0].text,
            "The file is read-only: the Stats page writes the points and corrections it shows into its file.\r\n" +
                project.databasePath);
  EXPECT_EQ(page->FileName(), "");
  EXPECT_EQ(kdtest::Snapshot(project.databasePath), before);
}

}  // namespace
