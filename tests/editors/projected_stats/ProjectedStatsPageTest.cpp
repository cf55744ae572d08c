// The projected-stats page's grid headless: tabs, sorting, corrections,
// their rescoring and undo.

#include <algorithm>
#include <filesystem>
#include <limits>

#include "FakeSeams.h"
#include "HostileFiles.h"
#include "ProjectedStatsFixture.h"
#include "shell/basCheatSheetMenu.h"

namespace {

using namespace pstest;

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
  // Rescored at once as the jobs score him: the project's system, a point a yard.
  EXPECT_EQ(Value("SELECT Points FROM tblStat0 WHERE Week = 250 AND PlayerID = " + player), 50);
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

// A correction that had to make the player's season rows used to leave them
// behind after undo, so that the cheat sheet then ranked him with 0 points.
TEST_F(ProjectedStatsPageTest, UndoAndDontSaveDeleteTheSeasonRowsACorrectionMade) {
  for (const bool dontSave : {false, true}) {
    SCOPED_TRACE(dontSave ? "Don't Save" : "undo");
    const std::string name = dontSave ? "Aaron, Zed" : "Aaron, Yul";
    const std::string id = std::to_string(kdtest::AddTestPlayer(project.databasePath, dontSave ? 106 : 105, name, 1, 2));
    const std::string rows = "SELECT (SELECT COUNT(*) FROM tblStat0 WHERE PlayerID = " + id +
                             ") || '/' || (SELECT COUNT(*) FROM tblStat3 WHERE PlayerID = " + id + ");";
    ASSERT_EQ(Stored(rows), "0/0");
    Open();
    Correct(name, kRushYards, "50");
    Correct(name, kRushYards, "60");
    ASSERT_EQ(Stored(rows), "1/1");
    if (dontSave) {
      project.seams.messages.Answer("nosave");
      ASSERT_TRUE(page->QueryUnload());
    } else {
      page->UndoStatChanges();
      EXPECT_EQ(Grid().TextMatrix(RowOf(name), 1), "");
    }
    EXPECT_EQ(Stored(rows), "0/0");
    page.reset();
  }
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
  // Every position a tab, not only the league's.
  basMockDraftSettings::GlobalSettings().SetBoolVal(kSetUseMergeAs, false);
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

// The league's file used to be read as a text file, which gave every
// position no place: all sixteen tabs, and the fullbacks on a tab of their own.
TEST_F(ProjectedStatsPageTest, WithTheSettingOnTheTabsAreTheLeaguesPositions) {
  Open();
  EXPECT_EQ(view.tabs, (std::vector<std::string>{"QB", "RB", "WR", "K"}));
  page->mTab_Click(1);
  EXPECT_EQ(Grid().Rows(), 2 + 4);  // with the fullback merged into the running backs
}

// A saved "Use Merge As positions" setting used to reach the tabs only when
// the page was opened again.
TEST_F(ProjectedStatsPageTest, ASavedMergeAsSettingRebuildsTheTabsKeepingTheFileItsCorrectionsAndTheTab) {
  Open();
  page->mTab_Click(1);
  Correct("Ellis", kRushYards, "50");
  const int32_t corrections = page->StatChangeMax();
  const struct {
    bool useMergeAs;
    std::string click;  // the tab chosen before the save
    std::size_t tabs;
    std::string shown;
    int32_t players;
  } cases[] = {
      {false, "RB", 16, "RB", 3},  // the fullback on a tab of his own
      {false, "FB", 16, "FB", 1},  // a save that changes nothing leaves the page
      {true, "FB", 4, "QB", 4},    // his tab is gone: the first
      {true, "WR", 4, "WR", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.click);
    const auto at = std::find(view.tabs.begin(), view.tabs.end(), c.click);
    ASSERT_NE(at, view.tabs.end());
    page->mTab_Click(static_cast<int32_t>(at - view.tabs.begin()));
    basMockDraftSettings::GlobalSettings().SetBoolVal(kSetUseMergeAs, c.useMergeAs);
    page->SettingsSaved();
    EXPECT_EQ(view.tabs.size(), c.tabs);
    EXPECT_EQ(view.tabs.at(static_cast<std::size_t>(page->CurrentTab())), c.shown);
    EXPECT_EQ(Grid().Rows(), 2 + c.players);
  }
  EXPECT_EQ(page->FileName(), "Season.pro");
  EXPECT_EQ(page->StatChangeMax(), corrections);
  EXPECT_EQ(Value("SELECT Fld4 FROM tblStat3 WHERE Week = 250 AND PlayerID = "
                  "(SELECT ID FROM tblPlayers WHERE MasterID = 201)"),
            50);
}

// A tab the grid cannot hold ("Invalid grid size") and a file with a name
// longer than the database layer reads used to end the program from a
// tab's click.
TEST_F(ProjectedStatsPageTest, ATabOrAFileThePageCannotShowIsOneMessageAndThePageStaysUsable) {
  const std::string longName = FileTypeFolder[kPageProjectedStats] + "Long.pro";
  std::filesystem::copy_file(project.databasePath, longName);
  kdtest::ExecuteSql(longName, "UPDATE tblPlayers SET BackName = printf('%.*c', 100000, 'x') WHERE MasterID = 202;");
  // The running backs' grid of 16 columns and the two of the page holds 4,000,000 / 18 - 2 players.
  WriteGrid(FileTypeFolder[kPageDisplayGrids] + "Wide.dis",
            {kName, 116, 50, 84, kPoints, 3, kPassTD, 5, kRushYards, kRushTD, 20, 21, 22, 68, 71, 75});
  basMockDraftSettings::GlobalSettings().SetStringVal(kSetFirstDisplayGrid + 2, "Wide.dis");
  kdtest::ExecuteSql(project.databasePath,
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 230000)"
                     " INSERT INTO tblPlayers (MasterID, BackName, PosID) SELECT 1000 + i, 'Extra', 3 FROM n;");
  Open();
  const auto& told = project.seams.messages.messages;
  ASSERT_TRUE(told.empty());
  EXPECT_TRUE(page->mTab_Click(0));
  EXPECT_FALSE(page->mTab_Click(1));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].caption, "Projected Stats File");
  EXPECT_EQ(told[0].text,
            " The Running Back tab would list 230004 players, more than the page can show (at most 222220 with this"
            " display grid).");
  EXPECT_EQ(Grid().Rows(), 2);

  // File > Open of the file with the long name: refused, the file shown before stays.
  project.seams.files.AnswerOwn("Long.pro");
  page->FileCommand(basCheatSheetMenu::kOpenDocument);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[1].text, " The table 'tblPlayers' of '" + longName +
                              "' holds a value of more than 64 KB; the file is damaged or was not made by this program.");
  EXPECT_EQ(page->FileName(), "Season.pro");
  EXPECT_TRUE(page->mTab_Click(2));
  EXPECT_EQ(Grid().Rows(), 2 + 4);  // the wide receivers
  EXPECT_EQ(told.size(), 2u);
}

// ---- Rescoring a correction as the jobs score

// The project's system with a per-yard rule, a per-touchdown rule and a
// rule scored through the passing touchdowns' distribution map, and the
// QBs' touchdowns: Able 10 passing and 2 rushing, Baker 10 passing, Cole 3
// passing. The map (classes 0..3) spreads 10 touchdowns as five games of
// 2, which the 2+ touchdown game rule scores 5 x 5 = 25; 3 touchdowns as
// three games of 1, which score nothing.
class RescoredCorrectionTest : public ProjectedStatsPageTest {
 protected:
  RescoredCorrectionTest() {
    WriteGrid(FileTypeFolder[kPageDisplayGrids] + "Test.dis", {kName, kPoints, kRushYards, kRushTD, kPassTD});
    std::filesystem::create_directories(DefaultsFolder);
    kdtest::WriteFile(DefaultsFolder + "4-FDM.txt", "0.5\r\n0,40\r\n1,30\r\n2,20\r\n3,10\r\n");
    clsScoringIsolate rules;
    constexpr int32_t kAllPositions = 1 << 1;
    AddRule(rules, 1, kRushYards, 10, 0, 99999, 0, kAllPositions, 0);
    AddRule(rules, 6, kRushTD, 1, 0, 99999, 0, kAllPositions, 0);
    AddRule(rules, 5, kPassTD, kThresholdRule, 2, 99999, 0, kAllPositions, -1);
    EXPECT_TRUE(basSCOFileControl::WriteScoFile(project.scoringPath, rules));
    kdtest::ExecuteSql(project.databasePath,
                       "UPDATE tblStat3 SET Fld5 = 2 WHERE Week = 250 AND PlayerID = 1;"
                       "INSERT INTO tblStat2 (PlayerID, Week, Fld6, Year) VALUES"
                       " (1, 250, 10, 2024), (2, 250, 10, 2024), (3, 250, 3, 2024);");
  }

  std::string PointsShown(const std::string& name) { return Grid().TextMatrix(RowOf(name), ColOf(kPoints)); }
  // Every stat table's season rows of the player, each value as SQLite quotes it.
  std::string SeasonRowBytes(int32_t playerID) {
    std::string bytes;
    for (int t = 0; t <= 11; ++t) {
      const std::string table = "tblStat" + std::to_string(t);
      const std::string values = Stored("SELECT group_concat('quote(' || name || ')', '||'',''||') FROM "
                                        "pragma_table_info('" + table + "');");
      bytes += table + ":" +
               Stored("SELECT group_concat(" + values + ", ';') FROM " + table +
                      " WHERE Week = 250 AND PlayerID = " + std::to_string(playerID) + ";") +
               "\n";
    }
    return bytes;
  }
};

TEST_F(RescoredCorrectionTest, ACorrectionShowsThePointsTheCheatSheetRanksThePlayerWith) {
  const struct {
    const char* name;
    int32_t masterID;
    int32_t cat;
    const char* text;
    double points;
    const char* shown;
  } cases[] = {
      // 305 yards count 30.5 points, as the jobs count partial units.
      {"Able", 101, kRushYards, "305", 30.5 + 12 + 25, "67.5"},
      {"Baker", 102, kRushTD, "1", 29 + 6 + 25, "60.0"},
      // Through the map 10 touchdowns score 25, where their total would score 5 once.
      {"Cole", 103, kPassTD, "10", 20 + 25, "45.0"},
      {"Dunn", 104, kRushYards, "107", 10.7, "10.7"},
  };
  Open();
  std::vector<double> stored;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Correct(c.name, c.cat, c.text);
    stored.push_back(page->KickwellDB().pSbKickwellSQL(
        "SELECT tblStat0.Points FROM tblStat0, tblPlayers WHERE tblPlayers.ID = tblStat0.PlayerID AND "
        "tblStat0.Week = 250 AND tblPlayers.MasterID = ?;", {c.masterID})->Field(0).AsDouble());
    EXPECT_NEAR(stored.back(), c.points, 1e-9);
    EXPECT_EQ(PointsShown(c.name), c.shown);
  }
  project.seams.messages.Answer("save");
  ASSERT_TRUE(page->QueryUnload());
  page.reset();

  clsMockDraft mock;
  clsMockRoster roster;
  clsKickwellDB db;
  ASSERT_TRUE(basMockDraftCalculation::CalculateCheatSheet(project.Status(), mock, roster, db));
  int32_t slot = 0;
  int32_t index = 0;
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(cases[k].name);
    ASSERT_TRUE(roster.FindStackPlayer(cases[k].masterID, slot, index));
    EXPECT_EQ(roster.StackPlayerPoints(slot, index), stored[k]);
  }
}

TEST_F(RescoredCorrectionTest, UndoAndDontSaveGiveBackTheStoredPointsAndBytes) {
  for (const bool dontSave : {false, true}) {
    SCOPED_TRACE(dontSave ? "Don't Save" : "undo");
    Open();
    const std::string player = Grid().TextMatrix(RowOf("Able"), 0);
    const std::string before = SeasonRowBytes(std::stoi(player));
    const std::string shown = PointsShown("Able");
    // The file shown is scored as the page scores: 30 + 12 + 25.
    ASSERT_EQ(Value("SELECT Points FROM tblStat0 WHERE Week = 250 AND PlayerID = " + player), 67);
    Correct("Able", kRushYards, "305");
    Correct("Able", kPassTD, "3");
    ASSERT_NE(PointsShown("Able"), shown);
    if (dontSave) {
      project.seams.messages.Answer("nosave");
      ASSERT_TRUE(page->QueryUnload());
    } else {
      page->UndoStatChanges();
    }
    EXPECT_EQ(SeasonRowBytes(std::stoi(player)), before);
    EXPECT_EQ(PointsShown("Able"), shown);
    EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), 1), "");
    page.reset();
  }
}

TEST_F(RescoredCorrectionTest, WithoutAProjectSystemTheStoredRulesAreScoredAsTheJobsScore) {
  GlobalProject().SetValue(kProjScoringSystemFile, "");
  kdtest::ExecuteSql(project.databasePath, "DELETE FROM tblScoringSystem;"
                                           "INSERT INTO tblScoringSystem (Points, CatID, FieldVal, RangeMin,"
                                           " RangeMax, RangeRestrict, ApplyToPos) VALUES (1, 14, 10, 0, 99999, 0, 2);");
  Open();
  Correct("Able", kRushYards, "305");
  EXPECT_EQ(Value("SELECT Points FROM tblStat0 WHERE Week = 250 AND PlayerID = 1"), 30.5);
}

// With no rules at all a value typed over itself used to score 0 points.
TEST_F(RescoredCorrectionTest, WithoutAnyRulesACorrectionKeepsTheStoredPoints) {
  GlobalProject().SetValue(kProjScoringSystemFile, "");
  kdtest::ExecuteSql(project.databasePath, "DELETE FROM tblScoringSystem;");
  Open();
  const std::string shown = PointsShown("Able");
  Correct("Able", kRushYards, Grid().TextMatrix(RowOf("Able"), ColOf(kRushYards)));
  EXPECT_EQ(PointsShown("Able"), shown);
}

// A value no Single holds used to stop the program in the rescoring.
TEST_F(RescoredCorrectionTest, AValueBeyondScoringIsRefusedWithOneMessage) {
  Open();
  const std::string shown = Grid().TextMatrix(RowOf("Able"), ColOf(kRushYards));
  Correct("Able", kRushYards, "1e39");
  EXPECT_EQ(Grid().TextMatrix(RowOf("Able"), ColOf(kRushYards)), shown);
  ASSERT_EQ(project.seams.messages.messages.size(), 1U);
  EXPECT_EQ(project.seams.messages.messages[0].caption, "Projected Stats Correction");
  EXPECT_EQ(project.seams.messages.messages[0].text, " 1e39 is out of range.");
  EXPECT_EQ(page->StatChangeMax(), -1);
  EXPECT_EQ(Value("SELECT Fld4 FROM tblStat3 WHERE Week = 250 AND PlayerID = 1"), 300);
}

// What the page must survive from its files: rules that are not finite
// numbers (in the project's scoring system or stored in the database), a
// correction that no field can hold once scored, and an undo that cannot be
// written. Each is one message; the page stays usable and never aborts.
TEST_F(RescoredCorrectionTest, StoredRulesThatAreNotFiniteRefuseTheDatabaseWithOneMessage) {
  std::filesystem::copy_file(project.databasePath, DefaultsFolder + "Default.pro");
  GlobalProject().SetValue(kProjScoringSystemFile, "");
  kdtest::ExecuteSql(project.databasePath, "UPDATE tblScoringSystem SET Points = 9e999;");
  const kdtest::PathSnapshot before = kdtest::Snapshot(project.databasePath);
  ASSERT_NO_THROW(Open());
  EXPECT_EQ(project.seams.messages.captions, (std::vector<std::string>{"Open File Error"}));
  EXPECT_EQ(page->FileName(), "");
  project.seams.messages.Answer("nosave");
  EXPECT_TRUE(page->QueryUnload());
  EXPECT_EQ(kdtest::Snapshot(project.databasePath), before);
}

// A projected-stats file named by the project that is no regular file (a
// FIFO would hold the page until something wrote into it): one message,
// and the page shows the default database.
TEST_F(RescoredCorrectionTest, ADatabaseThatIsNoRegularFileIsRefusedOnceWithoutWaiting) {
  std::filesystem::copy_file(project.databasePath, DefaultsFolder + "Default.pro");
  for (const kdtest::HostileDocument& kind : kdtest::NotAFileDocuments()) {
    SCOPED_TRACE(kind.name);
    kind.make(project.databasePath, "");
    const kdtest::PathSnapshot before = kdtest::Snapshot(project.databasePath);
    project.seams.messages.captions.clear();
    ASSERT_NO_THROW(Open());
    // A dangling link is a missing file, which says so in its own words.
    EXPECT_EQ(project.seams.messages.captions.size(), 1u);
    EXPECT_EQ(page->FileName(), "");
    EXPECT_TRUE(page->QueryUnload());
    EXPECT_EQ(kdtest::Snapshot(project.databasePath), before);
    page.reset();
  }
}

// The project file names a database outside the projected-stats folder:
// refused where the project is read, so the page neither opens it (which
// writes) nor takes corrections into it.
TEST_F(RescoredCorrectionTest, ADatabaseNamedByAPathInTheProjectFileIsNotOpened) {
  std::filesystem::copy_file(project.databasePath, DefaultsFolder + "Default.pro");
  const std::string victim = FileTypeFolder[kPageProjectedStats] + "../victim.pro";
  std::filesystem::rename(project.databasePath, victim);
  const kdtest::PathSnapshot before = kdtest::Snapshot(victim);
  kdtest::WriteFile(clsCheatIsolate::ProjectFolder() + "P.kdp",
                    "[Kickwell Draftyard Project]\r\nProjected Stats File=../victim.pro\r\n");
  ASSERT_TRUE(GlobalProject().OpenFile("P.kdp"));
  EXPECT_EQ(project.seams.messages.captions, (std::vector<std::string>{"Project File Error"}));
  ASSERT_NO_THROW(Open());
  EXPECT_EQ(page->FileName(), "");
  EXPECT_EQ(kdtest::Snapshot(victim), before);
}

TEST_F(RescoredCorrectionTest, AProjectSystemThatIsNotFiniteIsRefusedOnceByACorrectionAndByApplyScoring) {
  clsScoringIsolate rules;
  AddRule(rules, std::numeric_limits<float>::quiet_NaN(), kRushYards, 10, 0, 99999, 0, 1 << 1, 0);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(project.scoringPath, rules));
  Open();
  // The file shown and then the correction are scored by the rules the database holds.
  EXPECT_EQ(project.seams.messages.captions, (std::vector<std::string>{"Open File Error"}));
  project.seams.messages.captions.clear();
  const double points = Value("SELECT Points FROM tblStat0 WHERE Week = 250 AND PlayerID = 2");
  ASSERT_NO_THROW(Correct("Able", kRushYards, "305"));
  EXPECT_EQ(project.seams.messages.captions, (std::vector<std::string>{"Open File Error"}));
  EXPECT_EQ(page->StatChangeMax(), 1);  // the value and the DNU mark
  project.seams.messages.captions.clear();
  ASSERT_NO_THROW(page->mOP_Click(0));
  EXPECT_EQ(project.seams.messages.captions, (std::vector<std::string>{"Open File Error"}));
  EXPECT_EQ(Value("SELECT Points FROM tblStat0 WHERE Week = 250 AND PlayerID = 2"), points);
}

// The file cut off under the page (another program, a full disk): the undo
// of a correction cannot be written.
TEST_F(RescoredCorrectionTest, AnUndoThatCannotBeWrittenIsShownOnceAndKeepsThePage) {
  Open();
  Correct("Able", kRushYards, "305");
  ASSERT_EQ(page->StatChangeMax(), 1);
  std::filesystem::resize_file(project.databasePath, 0);
  project.seams.messages.Answer("nosave");
  bool leaves = true;
  ASSERT_NO_THROW(leaves = page->QueryUnload());
  EXPECT_FALSE(leaves);
  ASSERT_EQ(project.seams.messages.captions.size(), 2u);  // the question, then the failure
  EXPECT_EQ(project.seams.messages.captions[1], "Projected Stats File");
  // Save keeps what the file holds and leaves.
  project.seams.messages.Answer("save");
  EXPECT_TRUE(page->QueryUnload());
}

}  // namespace

namespace {

// ---- The option bar

TEST_F(ProjectedStatsPageTest, ApplyScoringReplacesStalePointsAndWithoutASystemAsksForOne) {
  GlobalProject().SetValue(kProjScoringSystemFile, "");
  Open();
  const auto dunn = [this] { return std::stod(Grid().TextMatrix(RowOf("Dunn"), ColOf(kPoints))); };
  // Shown by the database's own rules, a point for ten yards, not the stale 999.
  ASSERT_DOUBLE_EQ(dunn(), 10);
  project.seams.messages.Answer(seams::kAnswerNoSave);
  page->mOP_Click(0);
  ASSERT_EQ(project.seams.messages.messages.size(), 1U);
  EXPECT_EQ(project.seams.messages.messages[0].caption, "No Scoring System File");
  EXPECT_EQ(project.seams.messages.messages[0].text,
            " No Scoring System File in project.\r\n  Would you like to choose a Scoring System File?");
  EXPECT_DOUBLE_EQ(dunn(), 10);

  project.seams.messages.Answer(seams::kAnswerSave);
  project.seams.files.AnswerOwn("Rushing.sco");
  page->mOP_Click(0);
  EXPECT_EQ(GlobalProject().Value(kProjScoringSystemFile), "Rushing.sco");
  EXPECT_DOUBLE_EQ(dunn(), 100);  // one point a rushing yard
  EXPECT_DOUBLE_EQ(project.StoredPoints(104), 100);
}

TEST_F(ProjectedStatsPageTest, AnotherDisplayGridShowsItsColumns) {
  WriteGrid(FileTypeFolder[kPageDisplayGrids] + "Short.dis", {kName, kPoints});
  Open();
  ASSERT_GE(ColOf(kRushYards), 0);
  project.seams.files.AnswerOwn("Short.dis");
  page->mOP_Click(1);
  EXPECT_EQ(ColOf(kRushYards), -1);
  EXPECT_GE(ColOf(kPoints), 0);
  EXPECT_GT(RowOf("Able"), 1);
}

}  // namespace
