#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "EnvironmentFixtures.h"
#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basMockItUp.h"
#include "core/clsStatusPlain.h"
#include "platform/win32/FileSystem.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kSubFolders = {"sco", "pro", "lgp", "stg", "dis", "kdp",
                                              "ugm", "def", "str", "mas", "adp"};

constexpr int64_t kSecond = 1'000'000'000;
constexpr int64_t kOld = 1'500'000'000 * kSecond;
constexpr int64_t kNew = 1'700'000'000 * kSecond;

// Two matching files in every sub-folder of the all-users tree, plus a file
// in "sco" whose name does not end in "sco".
void FillSourceTree(const kdtest::TempHome& home) {
  for (const std::string& name : kSubFolders) {
    for (const char* stem : {"First.", "Second."}) {
      const std::string path = home.SourceTree() + name + "/" + stem + name;
      kdtest::WriteFile(path, "all-users " + name);
      win32::SetModificationTime(path, kOld);
    }
  }
  kdtest::WriteFile(home.SourceTree() + "sco/notes.txt", "notes");
}

std::vector<std::string> TotalCaptions(const kdtest::FakeProgress& progress) {
  std::vector<std::string> out;
  for (const std::string& line : progress.log) {
    if (line.rfind("TotalBottomText ", 0) == 0) out.push_back(line.substr(16));
  }
  return out;
}

}  // namespace

TEST(InitWorkDirectory, FirstStartInAnEmptyHomeCopiesTheAllUsersTree) {
  kdtest::TempHome home;
  FillSourceTree(home);
  kdtest::ScopedFakeSeams fakes;
  ASSERT_TRUE(basMockItUp::InitWorkDirectory());

  EXPECT_TRUE(fs::is_directory(home.Home() + "Documents/Vellacorn/Kickwell Draftyard"));
  for (const std::string& name : kSubFolders) {
    EXPECT_EQ(kdtest::ReadFile(home.WorkFolder() + name + "/First." + name), "all-users " + name) << name;
    EXPECT_TRUE(fs::exists(home.WorkFolder() + name + "/Second." + name)) << name;
  }
  EXPECT_TRUE(fs::is_directory(home.WorkFolder() + "upd"));
  // Skipped by the first-run copy, brought by the refresh that follows it.
  EXPECT_EQ(kdtest::ReadFile(home.WorkFolder() + "sco/notes.txt"), "notes");

  EXPECT_EQ(fakes.progress.caption, "Creating Work Directory");
  EXPECT_EQ(fakes.progress.shows, 1);
  EXPECT_EQ(fakes.progress.unloads, 1);
  std::vector<std::string> expected;
  for (const std::string& name : kSubFolders) expected.push_back("Transfering Files in " + name);
  EXPECT_EQ(TotalCaptions(fakes.progress), expected);
  EXPECT_EQ(fakes.progress.totalPercents.back(), 99);
  EXPECT_EQ(fakes.progress.bottomText, "adp/Second.adp");
  EXPECT_TRUE(fakes.messages.messages.empty());

  EXPECT_EQ(WorkFolder, home.WorkFolder());
  EXPECT_EQ(DefaultsFolder, home.WorkFolder() + "def/");
  EXPECT_EQ(FileTypeFolder[kPageScoringSystem], home.WorkFolder() + "sco/");
}

TEST(InitWorkDirectory, FoldersOfNoOrOneFileStillCountSoTheFirstStartEndsAt99Percent) {
  kdtest::TempHome home;
  // Every other folder empty, the rest with one file each.
  for (std::size_t i = 0; i < kSubFolders.size(); ++i) {
    const std::string& name = kSubFolders[i];
    fs::create_directories(home.SourceTree() + name);
    if (i % 2 == 1) kdtest::WriteFile(home.SourceTree() + name + "/Only." + name, name);
  }
  kdtest::ScopedFakeSeams fakes;
  ASSERT_TRUE(basMockItUp::InitWorkDirectory());
  const std::vector<int32_t>& total = fakes.progress.totalPercents;
  ASSERT_FALSE(total.empty());
  EXPECT_TRUE(std::is_sorted(total.begin(), total.end()));
  EXPECT_EQ(total.back(), 99);
  EXPECT_EQ(fakes.progress.bottomText, "mas/Only.mas");
}

TEST(InitWorkDirectory, LaterStartRefreshesOnlyTheInstallationsFolders) {
  kdtest::TempHome home;
  FillSourceTree(home);
  {
    kdtest::ScopedFakeSeams fakes;
    ASSERT_TRUE(basMockItUp::InitWorkDirectory());
  }
  const std::string work = home.WorkFolder();
  fs::remove(work + "pro/First.pro");
  for (const char* name : {"pro", "def", "str"}) {
    kdtest::WriteFile(work + name + "/Second." + name, "user's own");
    win32::SetModificationTime(work + name + "/Second." + name, kOld);
    win32::SetModificationTime(home.SourceTree() + name + "/Second." + name, kNew);
  }
  kdtest::WriteFile(work + "mas/First.mas", "user's own");
  win32::SetModificationTime(work + "mas/First.mas", kOld);  // equal time: kept

  kdtest::ScopedFakeSeams fakes;
  ASSERT_TRUE(basMockItUp::InitWorkDirectory());
  EXPECT_EQ(kdtest::ReadFile(work + "pro/First.pro"), "all-users pro");  // deleted, comes back
  EXPECT_EQ(kdtest::ReadFile(work + "pro/Second.pro"), "user's own");    // the user's document stays
  EXPECT_EQ(kdtest::ReadFile(work + "def/Second.def"), "all-users def");
  EXPECT_EQ(kdtest::ReadFile(work + "str/Second.str"), "all-users str");
  EXPECT_EQ(win32::ModificationTime(work + "def/Second.def"), kNew);
  EXPECT_EQ(kdtest::ReadFile(work + "mas/First.mas"), "user's own");
  EXPECT_EQ(fakes.progress.loads, 0);  // no progress window after the first run
}

TEST(InitWorkDirectory, WithoutAnAllUsersTreeTheWorkTreeIsStillMade) {
  kdtest::TempHome home;
  kdtest::ScopedFakeSeams fakes;
  ASSERT_TRUE(basMockItUp::InitWorkDirectory());
  for (const std::string& name : kSubFolders) EXPECT_TRUE(fs::is_directory(home.WorkFolder() + name)) << name;
  EXPECT_TRUE(fs::is_directory(home.WorkFolder() + "upd"));
  EXPECT_EQ(WorkFolder, home.WorkFolder());
  EXPECT_EQ(fakes.progress.loads, 0);
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST(InitWorkDirectory, MissingSubFoldersOfAnExistingWorkFolderAreMade) {
  kdtest::TempHome home;
  kdtest::WriteFile(home.WorkFolder() + "sco/Mine.sco", "mine");
  kdtest::ScopedFakeSeams fakes;
  ASSERT_TRUE(basMockItUp::InitWorkDirectory());
  EXPECT_TRUE(fs::is_directory(home.WorkFolder() + "kdp"));
  EXPECT_EQ(kdtest::ReadFile(home.WorkFolder() + "sco/Mine.sco"), "mine");
}

TEST(InitWorkDirectory, UnreachableDocumentsOrWorkFolderStopsTheStart) {
  for (const char* blocker : {"Documents", ".local/share/Vellacorn"}) {
    SCOPED_TRACE(blocker);
    kdtest::TempHome home;
    kdtest::WriteFile(home.Home() + blocker, "a file where the folder should be");
    kdtest::ScopedFakeSeams fakes;
    EXPECT_FALSE(basMockItUp::InitWorkDirectory());
    ASSERT_EQ(fakes.messages.messages.size(), 1u);
    EXPECT_EQ(fakes.messages.messages[0].caption, "Work Directory Error");
    EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kOk);
    EXPECT_TRUE(fakes.messages.messages[0].modal);
    if (blocker[0] == 'D') {
      EXPECT_EQ(fakes.messages.messages[0].text,
                " Unable to access work directory\r\n  " + home.Home() + "Documents/Vellacorn/Kickwell Draftyard.");
    }
  }
}

namespace {

class TransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string& name : kSubFolders) {
      fs::create_directories(source.Path() + name);
      fs::create_directories(destination.Path() + name);
    }
  }
  std::string Src() const { return source.Path().substr(0, source.Path().size() - 1); }
  std::string Dst() const { return destination.Path().substr(0, destination.Path().size() - 1); }

  kdtest::TempDir source;
  kdtest::TempDir destination;
};

}  // namespace

TEST_F(TransferTest, YesToAllStopsTheQuestionsForTheRestOfTheTransfer) {
  for (const char* f : {"sco/A.sco", "sco/B.sco", "lgp/C.lgp"}) {
    kdtest::WriteFile(source.File(f), "new");
    kdtest::WriteFile(destination.File(f), "old");
  }
  kdtest::ScopedFakeSeams fakes;
  fakes.messages.Answer("nosave");  // Yes
  fakes.messages.Answer("save");    // Yes To All
  clsStatusPlain status;
  ASSERT_TRUE(basMockItUp::CopyAllUsersTree(Src(), Dst(), status));
  ASSERT_EQ(fakes.messages.messages.size(), 2u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "File Already Exists");
  EXPECT_EQ(fakes.messages.messages[0].text, " Would you like to overwrite:\r\n  " + destination.File("sco/A.sco"));
  EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kYesToAllYesNo);
  EXPECT_EQ(fakes.messages.messages[1].text, " Would you like to overwrite:\r\n  " + destination.File("sco/B.sco"));
  for (const char* f : {"sco/A.sco", "sco/B.sco", "lgp/C.lgp"}) EXPECT_EQ(kdtest::ReadFile(destination.File(f)), "new");
}

TEST_F(TransferTest, NoKeepsThatFileButMissingFilesAreStillCopied) {
  kdtest::WriteFile(source.File("sco/A.sco"), "new");
  kdtest::WriteFile(destination.File("sco/A.sco"), "old");
  kdtest::WriteFile(source.File("sco/B.sco"), "only in source");
  kdtest::WriteFile(source.File("stg/C.stg"), "new");
  kdtest::WriteFile(destination.File("stg/C.stg"), "old");
  kdtest::ScopedFakeSeams fakes;
  fakes.messages.Answer("cancel");  // No
  fakes.messages.Answer("");        // box closed
  clsStatusPlain status;
  ASSERT_TRUE(basMockItUp::CopyAllUsersTree(Src(), Dst(), status));
  EXPECT_EQ(fakes.messages.messages.size(), 2u);
  EXPECT_EQ(kdtest::ReadFile(destination.File("sco/A.sco")), "old");
  EXPECT_EQ(kdtest::ReadFile(destination.File("sco/B.sco")), "only in source");
  EXPECT_EQ(kdtest::ReadFile(destination.File("stg/C.stg")), "old");
}

TEST_F(TransferTest, FoldersInsideASourceSubFolderAreLeftAlone) {
  fs::create_directories(source.File("def/Folder.def"));
  kdtest::WriteFile(source.File("def/Real.pro"), "db");
  kdtest::ScopedFakeSeams fakes;
  clsStatusPlain status;
  ASSERT_TRUE(basMockItUp::CopyAllUsersTree(Src(), Dst(), status));
  ASSERT_TRUE(basMockItUp::RefreshFromAllUsers(Src(), Dst()));
  EXPECT_FALSE(fs::exists(destination.File("def/Folder.def")));
  EXPECT_EQ(kdtest::ReadFile(destination.File("def/Real.pro")), "db");
}

TEST_F(TransferTest, MissingRootsCopyNothing) {
  kdtest::ScopedFakeSeams fakes;
  clsStatusPlain status;
  EXPECT_FALSE(basMockItUp::CopyAllUsersTree(Src() + "/nope", Dst(), status));
  EXPECT_FALSE(basMockItUp::RefreshSubFolder(Src() + "/nope", Dst(), "sco", 1, false));
  EXPECT_FALSE(basMockItUp::CreateWorkSubFolders(Dst() + "/nope"));
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].text, "Path Not Found:  '" + Dst() + "/nope'");
}
