// The projection-strain file dialog's rules headless, on the job project's
// database: the strain written from it and imported again, and a file it
// cannot write leaving the one there as it was.

#include <gtest/gtest.h>

#include <filesystem>

#include "DatabaseFixtures.h"
#include "JobProject.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "database/clsKickwellDB.h"
#include "player_data/basCreateSingleSeasonDB.h"
#include "player_data/dialogs/clsUIStrain.h"

namespace {

namespace fs = std::filesystem;

class StrainFileTest : public ::testing::Test {
 protected:
  StrainFileTest() { fs::create_directories(FileTypeFolder[kPageProjectedStatStrain]); }

  // The season's rushing yards of a player, as stored.
  std::string Yards(int32_t masterID) {
    return kdtest::QueryText(project.databasePath,
                             "SELECT printf('%g', Fld4) FROM tblStat3 s JOIN tblPlayers p ON p.ID = s.PlayerID"
                             " WHERE p.MasterID = " + std::to_string(masterID) + " AND s.Week = 250;");
  }
  void SetYards(int32_t masterID, const std::string& yards) {
    kdtest::ExecuteSql(project.databasePath, "UPDATE tblStat3 SET Fld4 = " + yards +
                                                 " WHERE Week = 250 AND PlayerID = (SELECT ID FROM tblPlayers"
                                                 " WHERE MasterID = " + std::to_string(masterID) + ");");
  }
  // The dialog's source (the job project's database, by Browse) and its
  // destination in the strain folder, typed into the save dialog.
  void ChooseStrainFiles(clsUIStrain& strain, const std::string& typed) {
    project.seams.files.AnswerOwn("Season.pro");
    strain.mSt_Click();
    seams::SystemFileDialogResult chosen;
    chosen.cancelled = false;
    chosen.path = FileTypeFolder[kPageProjectedStatStrain];
    chosen.files = {typed};
    project.seams.files.AnswerSystem(chosen);
    strain.picDs_Click();
  }

  kdtest::JobProject project;
};

TEST_F(StrainFileTest, AStrainFileWrittenAndImportedAgainRestoresTheCorrections) {
  SetYards(101, "555");
  SetYards(104, "44.5");

  clsUIStrain strain;
  ChooseStrainFiles(strain, "Mine 0001");
  EXPECT_EQ(strain.DestinationLabel(), FileTypeFolder[kPageProjectedStatStrain] + "Mine 0001.kwr");
  strain.SetSourceSite("example.org");
  strain.mOK_Click(0);
  EXPECT_TRUE(strain.Closed());
  ASSERT_EQ(project.seams.messages.messages.size(), 1U);
  EXPECT_EQ(project.seams.messages.messages[0].caption, "Projection Strain File Created");

  // Back to the old values; the strain gives the corrections again.
  kdtest::ExecuteSql(project.databasePath, "UPDATE tblStat3 SET Fld4 = 300 WHERE Fld4 = 555;"
                                           "UPDATE tblStat3 SET Fld4 = 100 WHERE Fld4 = 44.5;");
  clsKickwellDB db;
  ASSERT_TRUE(db.InitializeKickwellDB(project.databasePath));
  EXPECT_EQ(basCreateSingleSeasonDB::ApplyStrain(db, "Mine", 0, true, false), 1);
  EXPECT_EQ(db.StrainURL(), "example.org");
  db.pSbCloseKickwellDB();
  EXPECT_EQ(Yards(101), "555");
  EXPECT_EQ(Yards(104), "44.5");
}

TEST_F(StrainFileTest, TheStrainDialogRefusesATeamBeyondAByteAndKeepsTheFileThere) {
  kdtest::ExecuteSql(project.databasePath, "UPDATE tblPlayers SET TeamID = 300 WHERE MasterID = 102;");
  const std::string destination = FileTypeFolder[kPageProjectedStatStrain] + "Mine 0001.kwr";
  kdtest::WriteFile(destination, "the old strain");
  clsUIStrain strain;
  ChooseStrainFiles(strain, "Mine 0001.kwr");
  project.seams.messages.Answer("save");  // overwrite it
  strain.mOK_Click(0);
  EXPECT_FALSE(strain.Closed());
  ASSERT_EQ(project.seams.messages.messages.size(), 2U);
  EXPECT_EQ(project.seams.messages.messages[1].caption, "Projection Strain File Error");
  EXPECT_NE(project.seams.messages.messages[1].text.find("master ID 102 has team 300"), std::string::npos);
  EXPECT_EQ(kdtest::ReadFile(destination), "the old strain");
}

// Without a source chosen the path is the projected-stats folder itself,
// which the existence check reports in the program's own words.
TEST_F(StrainFileTest, OKWithoutASourceSaysTheFolderIsNotFoundAndTheWindowStays) {
  clsUIStrain strain;
  strain.mOK_Click(0);
  EXPECT_FALSE(strain.Closed());
  EXPECT_TRUE(project.seams.messages.messages.empty());
  ASSERT_EQ(project.seams.messages.plain.size(), 1U);
  EXPECT_EQ(project.seams.messages.plain[0].caption, "File Error");
  EXPECT_EQ(project.seams.messages.plain[0].text,
            "File Not Found:  '" + FileTypeFolder[kPageProjectedStats] + "'");
}

}  // namespace
