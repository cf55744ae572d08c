#include <gtest/gtest.h>

#include <filesystem>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "shell/basFileDialog.h"

using basFileDialog::kNew;
using basFileDialog::kOpen;
using basFileDialog::kSave;
using basFileDialog::kSelect;

namespace {

class FileDialogWrappers : public ::testing::Test {
 protected:
  void SetUp() override {
    basMockItUp::InitFileTypeTable(dir.Path());
    sco = dir.Path() + "sco/";
    std::filesystem::create_directories(sco);
    FileDialogChosenName.clear();
    FileDialogCancelled = false;
  }
  void TearDown() override { basFileDialog::SetClickHoldOffTimer(nullptr); }

  // The user types or picks `typed` in a scoring-system dialog.
  bool Choose(const std::string& typed, int32_t mode, bool askOverwrite = true, bool seriesOnly = false) {
    fakes.files.AnswerOwn(typed);
    return basFileDialog::ShowFileDialog("", kPageScoringSystem, mode, askOverwrite, seriesOnly, false);
  }

  kdtest::TempDir dir;
  std::string sco;
  kdtest::ScopedFakeSeams fakes;
};

}  // namespace

TEST_F(FileDialogWrappers, EachFileTypeHasItsDescriptionExtensionAndWorkFolder) {
  struct Row {
    int32_t code;
    const char* description;
    const char* extension;
    const char* folder;
  };
  for (const Row& r : {Row{0, "Kickwell Draftyard Project", "kdp", "kdp/"}, Row{1, "Projected Stat", "pro", "pro/"},
                       Row{2, "Scoring System", "sco", "sco/"}, Row{3, "League Properties", "lgp", "lgp/"},
                       Row{4, "Draft Strategies", "stg", "stg/"}, Row{5, "Project", "kdp", "kdp/"},
                       Row{7, "Display Grid", "dis", "dis/"}, Row{9, "User Generated Mock Draft", "ugm", "ugm/"},
                       Row{11, "Projected Stat Strain", "kwr", "str/"},
                       Row{12, "Player Master Registry", "kwr", "mas/"},
                       Row{13, "Average Draft Position", "kwr", "adp/"}}) {
    SCOPED_TRACE(r.code);
    basFileDialog::FileType type;
    ASSERT_TRUE(basFileDialog::FileTypeOf(r.code, type));
    EXPECT_EQ(type.description, r.description);
    EXPECT_EQ(type.extension, r.extension);
    EXPECT_EQ(type.folder, dir.Path() + r.folder);
  }
  // Codes without a row cancel without showing the dialog.
  for (const int32_t code : {-1, 6, 8, 10, 14, 15}) {
    SCOPED_TRACE(code);
    basFileDialog::FileType type;
    EXPECT_FALSE(basFileDialog::FileTypeOf(code, type));
    EXPECT_TRUE(basFileDialog::ShowFileDialog("x", code, kOpen, true, false, false));
    EXPECT_TRUE(FileDialogCancelled);
  }
  EXPECT_TRUE(fakes.files.ownRequests.empty());
}

TEST_F(FileDialogWrappers, TheDialogIsAskedForTheTypesFolderModeAndFilters) {
  fakes.files.AnswerOwn(std::nullopt);
  EXPECT_TRUE(basFileDialog::ShowFileDialog("Start", kPageUserMockDraft, kNew, true, true, false));
  ASSERT_EQ(fakes.files.ownRequests.size(), 1u);
  const seams::OwnFileDialogRequest& r = fakes.files.ownRequests[0];
  EXPECT_EQ(r.folder, dir.Path() + "ugm/");
  EXPECT_EQ(r.extension, "ugm");
  EXPECT_EQ(r.description, "User Generated Mock Draft");
  EXPECT_EQ(r.mode, kNew);
  EXPECT_EQ(r.name, "Start");
  EXPECT_EQ(r.fileType, kPageUserMockDraft);
  EXPECT_TRUE(r.seriesOnly);
  EXPECT_FALSE(r.prefixFilter);
  // Cancelled: the shared name keeps what the caller started from.
  EXPECT_TRUE(FileDialogCancelled);
  EXPECT_EQ(FileDialogChosenName, "Start");
}

TEST_F(FileDialogWrappers, SavedNamesKeepTheirLastPartAndGetTheExtension) {
  struct Case {
    const char* typed;
    const char* chosen;
  };
  for (const Case c : {Case{"Mine", "Mine.sco"}, Case{"Mine.SCO", "Mine.SCO"},
                       Case{"C:\\Leagues\\Office\\Mine", "Mine.sco"}, Case{"../../etc/Mine.sco", "Mine.sco"},
                       Case{"a/b\\Mine", "Mine.sco"}, Case{"Mine.sco.bak", "Mine.sco.bak.sco"},
                       Case{" Mine ", " Mine .sco"}}) {
    SCOPED_TRACE(c.typed);
    EXPECT_FALSE(Choose(c.typed, kSave));
    EXPECT_FALSE(FileDialogCancelled);
    EXPECT_EQ(FileDialogChosenName, c.chosen);
  }
  EXPECT_TRUE(fakes.messages.messages.empty());
}

TEST_F(FileDialogWrappers, SaveAndNewRefuseANameThatIsEmptyOrBlank) {
  for (const int32_t mode : {kSave, kNew}) {
    for (const char* typed : {"", "   ", "folder\\", "a/ "}) {
      SCOPED_TRACE(std::string(typed) + " mode " + std::to_string(mode));
      EXPECT_TRUE(Choose(typed, mode));
      EXPECT_TRUE(FileDialogCancelled);
      ASSERT_FALSE(fakes.messages.messages.empty());
      EXPECT_EQ(fakes.messages.messages.back().caption, "File Name Error");
      EXPECT_EQ(fakes.messages.messages.back().text, " Please enter a name for the file.");
      EXPECT_EQ(fakes.messages.messages.back().buttonSet, seams::kOk);
    }
  }
}

TEST_F(FileDialogWrappers, NamesWithControlCharactersAreRefusedInEveryMode) {
  kdtest::WriteFile(sco + "Tab\tName.sco", "x");
  for (const int32_t mode : {kSave, kOpen, kNew, kSelect}) {
    SCOPED_TRACE(mode);
    EXPECT_TRUE(Choose("Tab\tName.sco", mode));
    EXPECT_EQ(fakes.messages.messages.back().text, " A file name cannot contain control characters.");
  }
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST_F(FileDialogWrappers, OpenTakesOnlyAnExistingRegularFile) {
  kdtest::WriteFile(sco + "Office.Sco", "x");
  EXPECT_FALSE(Choose("Office.Sco", kOpen));
  EXPECT_EQ(FileDialogChosenName, "Office.Sco");
  EXPECT_TRUE(fakes.messages.plain.empty());

  kdtest::WriteFile(sco + "Real.sco", "x");
  std::filesystem::create_directories(sco + "Folder.sco");
  // An empty name is looked for as the bare extension; folders and wildcards never match.
  for (const auto& [typed, path] : {std::pair{"Gone", "Gone.sco"}, std::pair{"", ".sco"},
                                    std::pair{"Folder.sco", ""}, std::pair{"*", ""}, std::pair{"R?al", ""}}) {
    SCOPED_TRACE(typed);
    EXPECT_TRUE(Choose(typed, kOpen));
    EXPECT_TRUE(FileDialogCancelled);
    if (*path) { EXPECT_EQ(fakes.messages.plain.back().text, "File Not Found:  '" + sco + path + "'"); }
    EXPECT_EQ(fakes.messages.plain.back().caption, "File Error");
  }
  EXPECT_EQ(fakes.messages.plain.size(), 5u);
  // A series selection accepts a typed name that does not exist, but not an empty one.
  EXPECT_FALSE(Choose("Week0001", kSelect, true, true));
  EXPECT_EQ(FileDialogChosenName, "Week0001.sco");
  EXPECT_TRUE(Choose("", kSelect, true, true));
  EXPECT_EQ(fakes.messages.plain.size(), 6u);
}

TEST_F(FileDialogWrappers, SavingOverAnExistingFileAsksFirst) {
  kdtest::WriteFile(sco + "Mine.sco", "x");
  struct Case {
    const char* answer;
    bool cancelled;
  };
  for (const Case c : {Case{"save", false}, Case{"nosave", true}, Case{"", true}}) {
    SCOPED_TRACE(c.answer);
    fakes.messages.Answer(c.answer);
    EXPECT_EQ(Choose("Mine", kSave), c.cancelled);
    EXPECT_EQ(FileDialogCancelled, c.cancelled);
    const kdtest::MessageCall& call = fakes.messages.messages.back();
    EXPECT_EQ(call.caption, "File Already Exists");
    EXPECT_EQ(call.text, " Do you wish to overwrite Mine.sco?");
    EXPECT_EQ(call.buttonSet, seams::kYesNo);
    EXPECT_TRUE(call.modal);
  }
  // Not when the caller does not ask, nor for a new file.
  const std::size_t asked = fakes.messages.messages.size();
  EXPECT_FALSE(Choose("Mine", kNew, false));
  EXPECT_FALSE(Choose("Other", kSave, true));
  EXPECT_EQ(fakes.messages.messages.size(), asked);
}

TEST_F(FileDialogWrappers, ByModeStartsFromTheNameOnlyWhenSaving) {
  kdtest::WriteFile(sco + "Picked.sco", "x");
  std::string name = "Current.sco";
  fakes.files.AnswerOwn("Renamed");
  EXPECT_FALSE(basFileDialog::ShowFileDialogByMode(name, kSave, kPageScoringSystem));
  EXPECT_EQ(fakes.files.ownRequests.back().name, "Current.sco");
  EXPECT_EQ(name, "Renamed.sco");

  fakes.files.AnswerOwn("Picked.sco");
  EXPECT_FALSE(basFileDialog::ShowFileDialogByMode(name, kOpen, kPageScoringSystem));
  EXPECT_EQ(fakes.files.ownRequests.back().name, "");
  EXPECT_EQ(name, "Picked.sco");

  fakes.files.AnswerOwn(std::nullopt);
  EXPECT_TRUE(basFileDialog::ShowFileDialogByMode(name, kOpen, kPageScoringSystem));
  EXPECT_EQ(name, "");
}

TEST_F(FileDialogWrappers, SelectWrappersAnswerTheNameOrNothing) {
  std::filesystem::create_directories(dir.Path() + "str/");
  kdtest::WriteFile(dir.Path() + "str/Strain0001.kwr", "x");
  fakes.files.AnswerOwn("Strain0001.kwr");
  EXPECT_EQ(basFileDialog::SelectFileDialog(kPageProjectedStatStrain, true), "Strain0001.kwr");
  EXPECT_EQ(fakes.files.ownRequests.back().mode, kSelect);
  EXPECT_TRUE(fakes.files.ownRequests.back().seriesOnly);

  fakes.files.AnswerOwn(std::nullopt);
  EXPECT_EQ(basFileDialog::SelectFileDialog(kPageProjectedStatStrain, false), "");

  fakes.files.AnswerOwn("Strain0001");
  EXPECT_EQ(basFileDialog::SelectFileDialogNamed(kPageProjectedStatStrain, "Strain"), "Strain0001.kwr");
  const seams::OwnFileDialogRequest& named = fakes.files.ownRequests.back();
  EXPECT_TRUE(named.prefixFilter);
  EXPECT_FALSE(named.seriesOnly);
  EXPECT_EQ(named.name, "Strain");
}

TEST_F(FileDialogWrappers, TheBareExtensionAnswersOnlyWhereItMeansNone) {
  const std::string adp = FileTypeFolder[kPageAverageDraftPosition];
  std::filesystem::create_directories(adp);
  fakes.files.AnswerOwn(".KWR");
  EXPECT_EQ(basFileDialog::SelectFileDialogOrNone(kPageAverageDraftPosition), ".KWR");
  EXPECT_FALSE(fakes.files.ownRequests.back().seriesOnly);  // every file listed
  EXPECT_TRUE(fakes.messages.plain.empty());

  // Any other name must exist; elsewhere the bare extension is no file.
  fakes.files.AnswerOwn("Missing.kwr");
  EXPECT_EQ(basFileDialog::SelectFileDialogOrNone(kPageAverageDraftPosition), "");
  fakes.files.AnswerOwn(".kwr");
  EXPECT_EQ(basFileDialog::SelectFileDialog(kPageAverageDraftPosition, false), "");
  ASSERT_EQ(fakes.messages.plain.size(), 2U);
  EXPECT_EQ(fakes.messages.plain[0].text, "File Not Found:  '" + adp + "Missing.kwr'");
  EXPECT_EQ(fakes.messages.plain[1].text, "File Not Found:  '" + adp + ".kwr'");
}

TEST_F(FileDialogWrappers, DialogTitlesNameTheModeAndType) {
  EXPECT_EQ(basFileDialog::DialogTitle("Scoring System", kSave), "Save Scoring System File");
  EXPECT_EQ(basFileDialog::DialogTitle("Display Grid", kOpen), "Open Display Grid File");
  EXPECT_EQ(basFileDialog::DialogTitle("Draft Strategies", kNew), "New Draft Strategies File");
  EXPECT_EQ(basFileDialog::DialogTitle("Projected Stat Strain", kSelect), "Select Projected Stat Strain File");
}

TEST_F(FileDialogWrappers, ClickHoldOffLastsUntilItsTimerFires) {
  basFileDialog::ArmClickHoldOff();
  EXPECT_TRUE(ClicksAccepted);  // no timer headless: over at once

  std::function<void()> fire;
  basFileDialog::SetClickHoldOffTimer([&] { fire = [] { ClicksAccepted = true; }; });
  basFileDialog::ArmClickHoldOff();
  EXPECT_FALSE(ClicksAccepted);
  fire();
  EXPECT_TRUE(ClicksAccepted);
}
