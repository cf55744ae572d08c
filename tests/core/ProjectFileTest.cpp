#include <gtest/gtest.h>

#include <string>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basColourScheme.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"

namespace {

class ProjectFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    basColourScheme::SetColourScheme();
    basMockDraftSettings::TerminateSettings();
    basMockItUp::InitFileTypeTable(dir.Path());
    basMockDraftSettings::GlobalSettings().SetStringVal(kSetExportFolder, "/home/u/Documents/");
    kdtest::WriteFile(dir.File("kdp/.keep"), "");
  }
  void TearDown() override { basMockDraftSettings::TerminateSettings(); }
  std::string ProjectPath(const std::string& name) const { return dir.File("kdp/" + name); }

  kdtest::TempDir dir;
};

const char* const kNewProjectFile =
    "[Kickwell Draftyard Project]\r\n"
    "Additional Players=10\r\n"
    "Cheat Sheet Display Grid=Cheat Sheet - Default.dis\r\n"
    "Use Color=1\r\n"
    "File Type=0\r\n"
    "Heading Back Color=12243138\r\n"
    "Row Back Color A=16777215\r\n"
    "Row Back Colour B=15331820\r\n"
    "League Properties File=\r\n"
    "Scoring System File=\r\n"
    "Projected Stats File=\r\n"
    "Cheat Sheet Target=/home/u/Documents/CheatSheet\r\n"
    "Mock Draft Targer=/home/u/Documents/MockDraft\r\n"
    "Use Grid Lines=1\r\n"
    "Mock Draft Display Grid=Mock Draft - Default.dis\r\n"
    "User Generated Mock Draft File=\r\n"
    "Mock Draft Type=0\r\n"
    "Export File Target=/home/u/Documents/ExportGrid\r\n";

}  // namespace

TEST_F(ProjectFileTest, NewFileWritesThe17KeysInOrderWithTheirOldSpellings) {
  clsCheatIsolate project;
  EXPECT_EQ(project.FileName(), "");
  ASSERT_TRUE(project.NewFile("Mine.kdp"));
  EXPECT_EQ(kdtest::ReadFile(ProjectPath("Mine.kdp")), kNewProjectFile);
  EXPECT_FALSE(project.pFnWereChangesMade());
  EXPECT_EQ(project.FileName(), "Mine.kdp");
}

TEST_F(ProjectFileTest, NewFileOverAnExistingFileKeepsItsOtherSections) {
  kdtest::WriteFile(ProjectPath("Old.kdp"), "[Notes]\r\nA=1\r\n[Kickwell Draftyard Project]\r\nUse Color=0\r\n");
  clsCheatIsolate project;
  ASSERT_TRUE(project.NewFile("Old.kdp"));
  const std::string text = kdtest::ReadFile(ProjectPath("Old.kdp"));
  // The key already there is rewritten in place; the others follow it.
  EXPECT_EQ(text.rfind("[Notes]\r\nA=1\r\n[Kickwell Draftyard Project]\r\nUse Color=1\r\nAdditional Players=10\r\n"
                       "Cheat Sheet Display Grid=",
                       0),
            0u);
  EXPECT_NE(text.find("\r\nExport File Target=/home/u/Documents/ExportGrid\r\n"), std::string::npos);
}

TEST_F(ProjectFileTest, OpenGivesDefaultsForMissingKeysAndReportsNoChanges) {
  kdtest::WriteFile(ProjectPath("P.kdp"),
                    "[kickwell draftyard project]\nuse color = 0\nLeague Properties File=12 Team.lgp\n"
                    "Scoring System File=\n");
  clsCheatIsolate project;
  ASSERT_TRUE(project.OpenFile("P.kdp"));
  EXPECT_EQ(project.FileName(), "P.kdp");
  EXPECT_EQ(project.Value(kProjUseColor), "0");
  EXPECT_EQ(project.Value(kProjLeaguePropertiesFile), "12 Team.lgp");
  EXPECT_EQ(project.Value(kProjScoringSystemFile), "");
  EXPECT_EQ(project.Value(kProjAdditionalPlayers), "10");
  EXPECT_EQ(project.Value(kProjMockDraftTarget), "/home/u/Documents/MockDraft");
  EXPECT_FALSE(project.pFnWereChangesMade());
}

TEST_F(ProjectFileTest, OpeningAMissingFileChangesNothing) {
  clsCheatIsolate project;
  ASSERT_TRUE(project.NewFile("A.kdp"));
  project.SetValue(kProjUseColor, "0");
  EXPECT_FALSE(project.OpenFile("Missing.kdp"));
  EXPECT_FALSE(project.OpenFile(""));
  EXPECT_EQ(project.FileName(), "A.kdp");
  EXPECT_EQ(project.Value(kProjUseColor), "0");
  EXPECT_TRUE(project.pFnWereChangesMade());
}

TEST_F(ProjectFileTest, ChangeDetectionIsExactAndCaseSensitiveAndSavedValuesReadBackWhole) {
  clsCheatIsolate project;
  ASSERT_TRUE(project.NewFile("C.kdp"));
  project.SetValue(kProjCheatSheetDisplayGrid, "cheat sheet - default.dis");
  EXPECT_TRUE(project.pFnWereChangesMade());
  project.SetValue(kProjCheatSheetDisplayGrid, "Cheat Sheet - Default.dis");
  EXPECT_FALSE(project.pFnWereChangesMade());
  project.SetValue(kProjMockDraftType, "1");
  const std::string target = "/home/u/" + std::string(400, 'x') + "/CheatSheet";
  project.SetValue(kProjCheatSheetTarget, target);
  EXPECT_TRUE(project.pFnWereChangesMade());
  ASSERT_TRUE(project.SaveFile());
  EXPECT_FALSE(project.pFnWereChangesMade());
  clsCheatIsolate reader;
  ASSERT_TRUE(reader.OpenFile("C.kdp"));
  EXPECT_EQ(reader.Value(kProjMockDraftType), "1");
  EXPECT_EQ(reader.Value(kProjCheatSheetTarget), target);
}

TEST_F(ProjectFileTest, FailedSaveKeepsTheChangesUnsaved) {
  clsCheatIsolate project;
  ASSERT_TRUE(project.NewFile("F.kdp"));
  project.SetValue(kProjScoringSystemFile, "line\r\nbreak.sco");
  EXPECT_FALSE(project.SaveFile());
  EXPECT_FALSE(project.LastError().empty());
  EXPECT_TRUE(project.pFnWereChangesMade());
  EXPECT_EQ(kdtest::ReadFile(ProjectPath("F.kdp")), kNewProjectFile);
  project.SetValue(kProjScoringSystemFile, "");
  EXPECT_TRUE(project.pFnWereChangesMade());  // the failed write still stands
  ASSERT_TRUE(project.SaveFile());
  EXPECT_FALSE(project.pFnWereChangesMade());
}

TEST_F(ProjectFileTest, AnUnnamedProjectIsNeverWrittenAndStaysUnsaved) {
  clsCheatIsolate project;
  ASSERT_TRUE(project.NewFile("N.kdp"));
  project.SetValue(kProjUseColor, "0");
  ASSERT_TRUE(project.NewFile(""));
  EXPECT_EQ(project.FileName(), "");
  EXPECT_EQ(project.Value(kProjUseColor), "1");
  EXPECT_FALSE(project.pFnWereChangesMade());
  project.SetValue(kProjUseColor, "0");
  EXPECT_FALSE(project.SaveFile());
  EXPECT_TRUE(project.pFnWereChangesMade());
  EXPECT_THROW(project.Value(17), std::out_of_range);
  EXPECT_THROW(project.SetValue(-1, ""), std::out_of_range);
}

// Names are joined to their work sub-folder: a path would read, and a save
// would replace, a file anywhere.
TEST_F(ProjectFileTest, DocumentNamesThatAreNotBareFileNamesAreRefusedWithOneMessage) {
  kdtest::ScopedFakeSeams seams;
  kdtest::WriteFile(ProjectPath("P.kdp"),
                    "[Kickwell Draftyard Project]\r\n"
                    "League Properties File=../../../../victim.txt\r\n"
                    "Scoring System File=/etc/passwd\r\n"
                    "Projected Stats File=..\r\n"
                    "Cheat Sheet Display Grid=dis\\..\\x.dis\r\n"
                    "User Generated Mock Draft File=Mine.ugm\r\n"
                    "Cheat Sheet Target=/home/u/Elsewhere/Sheet\r\n");
  clsCheatIsolate project;
  ASSERT_TRUE(project.OpenFile("P.kdp"));
  EXPECT_EQ(project.Value(kProjLeaguePropertiesFile), "");
  EXPECT_EQ(project.Value(kProjScoringSystemFile), "");
  EXPECT_EQ(project.Value(kProjProjectedStatsFile), "");
  EXPECT_EQ(project.Value(kProjCheatSheetDisplayGrid), "Cheat Sheet - Default.dis");
  EXPECT_EQ(project.Value(kProjUserMockDraftFile), "Mine.ugm");
  // Targets are paths by nature.
  EXPECT_EQ(project.Value(kProjCheatSheetTarget), "/home/u/Elsewhere/Sheet");
  EXPECT_FALSE(project.pFnWereChangesMade());
  ASSERT_EQ(seams.messages.messages.size(), 1u);
  EXPECT_EQ(seams.messages.messages[0].caption, "Project File Error");
  EXPECT_EQ(seams.messages.messages[0].text,
            " P.kdp names documents outside their folders; they are not used:\r\n"
            "  Cheat Sheet Display Grid=dis\\..\\x.dis\r\n"
            "  League Properties File=../../../../victim.txt\r\n"
            "  Scoring System File=/etc/passwd\r\n"
            "  Projected Stats File=..");
}
