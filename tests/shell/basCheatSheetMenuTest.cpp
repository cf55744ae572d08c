// The project's own File commands, headless: the names asked through the
// own file dialog's fake, the questions through the message box's.

#include <gtest/gtest.h>

#include <filesystem>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "shell/basCheatSheetMenu.h"

namespace fs = std::filesystem;
using Menu = basCheatSheetMenu::FileItem;

namespace {

class ProjectCommands : public ::testing::Test {
 protected:
  ProjectCommands() {
    basMockItUp::InitFileTypeTable(work.Path());
    fs::create_directories(Folder());
    ReleaseGlobalProject();
  }
  ~ProjectCommands() override { ReleaseGlobalProject(); }

  static std::string Folder() { return clsCheatIsolate::ProjectFolder(); }

  kdtest::TempDir work;
  kdtest::ScopedFakeSeams seams;
};

TEST_F(ProjectCommands, SavingAnUnnamedProjectAsksItsNameAndWritesIt) {
  GlobalProject().SetValue(kProjAdditionalPlayers, "12");
  seams.files.AnswerOwn(std::nullopt);  // cancelled: nothing written
  EXPECT_FALSE(basCheatSheetMenu::ProjectFileCommand(Menu::kSaveProject));
  EXPECT_TRUE(fs::is_empty(Folder()));

  seams.files.AnswerOwn("Office.kdp");
  EXPECT_TRUE(basCheatSheetMenu::ProjectFileCommand(Menu::kSaveProject));
  EXPECT_EQ(GlobalProject().FileName(), "Office.kdp");
  EXPECT_FALSE(GlobalProject().pFnWereChangesMade());
  EXPECT_NE(kdtest::ReadFile(Folder() + "Office.kdp").find("Additional Players=12"), std::string::npos);
  // Named, it saves without asking.
  GlobalProject().SetValue(kProjAdditionalPlayers, "13");
  EXPECT_TRUE(basCheatSheetMenu::ProjectFileCommand(Menu::kSaveProject));
  EXPECT_EQ(seams.files.ownRequests.size(), 2u);
  EXPECT_NE(kdtest::ReadFile(Folder() + "Office.kdp").find("Additional Players=13"), std::string::npos);
}

TEST_F(ProjectCommands, SaveAsWritesUnderTheNewNameAndAFailedWriteIsTold) {
  seams.files.AnswerOwn("Office.kdp");
  ASSERT_TRUE(basCheatSheetMenu::ProjectFileCommand(Menu::kSaveProjectAs));
  seams.files.AnswerOwn("Copy.kdp");
  EXPECT_TRUE(basCheatSheetMenu::ProjectFileCommand(Menu::kSaveProjectAs));
  EXPECT_EQ(GlobalProject().FileName(), "Copy.kdp");
  EXPECT_TRUE(fs::exists(Folder() + "Office.kdp"));
  EXPECT_TRUE(fs::exists(Folder() + "Copy.kdp"));

  fs::remove_all(Folder());
  GlobalProject().SetValue(kProjAdditionalPlayers, "12");
  EXPECT_FALSE(basCheatSheetMenu::ProjectFileCommand(Menu::kSaveProject));
  ASSERT_EQ(seams.messages.messages.size(), 1u);
  EXPECT_EQ(seams.messages.messages[0].caption, "Kickwell Draftyard Project File");
  EXPECT_EQ(seams.messages.messages[0].text, GlobalProject().LastError());
  EXPECT_FALSE(GlobalProject().LastError().empty());
  EXPECT_TRUE(GlobalProject().pFnWereChangesMade());
}

TEST_F(ProjectCommands, NewAsksAboutAChangedProjectFirst) {
  seams.files.AnswerOwn("Office.kdp");
  ASSERT_TRUE(basCheatSheetMenu::ProjectFileCommand(Menu::kSaveProjectAs));
  GlobalProject().SetValue(kProjAdditionalPlayers, "12");
  seams.messages.Answer("cancel");
  EXPECT_FALSE(basCheatSheetMenu::ProjectFileCommand(Menu::kNewProject));
  EXPECT_EQ(GlobalProject().FileName(), "Office.kdp");
  EXPECT_EQ(seams.files.ownRequests.size(), 1u);

  seams.messages.Answer("nosave");
  seams.files.AnswerOwn("Fresh.kdp");
  EXPECT_TRUE(basCheatSheetMenu::ProjectFileCommand(Menu::kNewProject));
  EXPECT_EQ(GlobalProject().FileName(), "Fresh.kdp");
  EXPECT_FALSE(GlobalProject().pFnWereChangesMade());
  EXPECT_EQ(kdtest::ReadFile(Folder() + "Office.kdp").find("Additional Players=12"), std::string::npos);
}

}  // namespace
