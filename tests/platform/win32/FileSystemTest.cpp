#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "EnvironmentFixtures.h"
#include "TempDir.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/SpecialFolders.h"

using kdtest::ScopedEnv;

TEST(FileSystem, CopyCarriesTheSourceModificationTimeAndReplacesTheTarget) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("src.pro"), "new bytes");
  kdtest::WriteFile(dir.File("dst.pro"), "old");
  const int64_t when = 1'600'000'000'000'000'000;
  ASSERT_TRUE(win32::SetModificationTime(dir.File("src.pro"), when));
  ASSERT_TRUE(win32::CopyFileKeepingTime(dir.File("src.pro"), dir.File("dst.pro")));
  EXPECT_EQ(kdtest::ReadFile(dir.File("dst.pro")), "new bytes");
  EXPECT_EQ(win32::ModificationTime(dir.File("dst.pro")), when);
}

TEST(FileSystem, FailedCopyLeavesTheTargetAndNoTemporaryFile) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("dst.pro"), "keep me");
  std::string error;
  EXPECT_FALSE(win32::CopyFileKeepingTime(dir.File("missing.pro"), dir.File("dst.pro"), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(win32::CopyFileKeepingTime(dir.Path(), dir.File("dst.pro")));
  EXPECT_EQ(kdtest::ReadFile(dir.File("dst.pro")), "keep me");
  auto names = win32::ListFolder(dir.Path());
  ASSERT_TRUE(names.has_value());
  EXPECT_EQ(names->size(), 3u);  // ".", ".." and dst.pro
}

TEST(FileSystem, ListingHoldsDotEntriesAndFoldersAndFailsForMissingFolder) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("a.sco"), "");
  std::filesystem::create_directory(dir.File("sub"));
  auto names = win32::ListFolder(dir.Path());
  ASSERT_TRUE(names.has_value());
  std::sort(names->begin(), names->end());
  EXPECT_EQ(*names, (std::vector<std::string>{".", "..", "a.sco", "sub"}));
  EXPECT_FALSE(win32::ListFolder(dir.File("nowhere/")).has_value());
}

TEST(FileSystem, FolderTreeIsMadeWithItsParentsAndDeleteRemovesOnlyFiles) {
  kdtest::TempDir dir;
  EXPECT_FALSE(win32::CreateFolder(dir.File("a/b")));
  EXPECT_TRUE(win32::CreateFolderTree(dir.File("a/b/c/")));
  EXPECT_TRUE(win32::IsFolder(dir.File("a/b/c")));
  EXPECT_TRUE(win32::CreateFolder(dir.File("a/b/c")));  // already there
  kdtest::WriteFile(dir.File("x.txt"), "1");
  EXPECT_TRUE(win32::DeleteFile(dir.File("x.txt")));
  EXPECT_FALSE(win32::EntryExists(dir.File("x.txt")));
  EXPECT_FALSE(win32::DeleteFile(dir.File("a")));
  EXPECT_FALSE(win32::DeleteFile(dir.File("x.txt")));
}

TEST(FileSystem, WildcardsMatchTheLastComponentWithoutCase) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("Stats - Offensive.DIS"), "");
  EXPECT_TRUE(win32::AnyEntryMatches(dir.File("*.dis")));
  EXPECT_TRUE(win32::AnyEntryMatches(dir.File("stats - ?ffensive.dis")));
  EXPECT_FALSE(win32::AnyEntryMatches(dir.File("*.sco")));
}

TEST(SpecialFolders, DocumentsAndLocalDataComeFromXdgOrHome) {
  kdtest::TempDir dir;
  {
    ScopedEnv home("HOME", dir.Path().c_str());
    ScopedEnv docs("XDG_DOCUMENTS_DIR", nullptr);
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    ScopedEnv data("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(win32::SpecialFolder(win32::kFolderDocuments), dir.Path() + "Documents/");
    EXPECT_EQ(win32::SpecialFolder(win32::kFolderLocalAppData), dir.Path() + ".local/share/");
  }
  {
    ScopedEnv docs("XDG_DOCUMENTS_DIR", (dir.Path() + "Docs").c_str());
    ScopedEnv data("XDG_DATA_HOME", (dir.Path() + "data/").c_str());
    EXPECT_EQ(win32::SpecialFolder(win32::kFolderDocuments), dir.Path() + "Docs/");
    EXPECT_EQ(win32::SpecialFolder(win32::kFolderLocalAppData), dir.Path() + "data/");
  }
  {
    ScopedEnv home("HOME", nullptr);
    ScopedEnv docs("XDG_DOCUMENTS_DIR", nullptr);
    EXPECT_EQ(win32::SpecialFolder(win32::kFolderDocuments), "");
  }
  EXPECT_EQ(win32::SpecialFolder(7), "");
}

TEST(SpecialFolders, DocumentsFollowTheUsersLocalisedUserDirsFile) {
  kdtest::TempDir dir;
  ScopedEnv home("HOME", dir.Path().c_str());
  ScopedEnv docs("XDG_DOCUMENTS_DIR", nullptr);
  ScopedEnv config("XDG_CONFIG_HOME", nullptr);
  struct Case {
    const char* line;
    std::string expected;
  };
  const Case cases[] = {
      {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", dir.Path() + "Dokumente/"},
      {"XDG_DOCUMENTS_DIR=\"/srv/Bel\\\"ge\"", "/srv/Bel\"ge/"},
      {"XDG_DOCUMENTS_DIR=\"$HOME\"", dir.Path()},
      // Neither $HOME nor absolute: not valid, so the fallback holds.
      {"XDG_DOCUMENTS_DIR=\"Dokumente\"", dir.Path() + "Documents/"},
      {"# XDG_DOCUMENTS_DIR=\"$HOME/Commented\"", dir.Path() + "Documents/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    kdtest::WriteFile(dir.Path() + ".config/user-dirs.dirs",
                      std::string("# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n") +
                          c.line + "\n");
    EXPECT_EQ(win32::SpecialFolder(win32::kFolderDocuments), c.expected);
  }
  // XDG_CONFIG_HOME moves the file; the variable itself still goes first.
  kdtest::WriteFile(dir.Path() + "cfg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n");
  ScopedEnv movedConfig("XDG_CONFIG_HOME", (dir.Path() + "cfg").c_str());
  EXPECT_EQ(win32::SpecialFolder(win32::kFolderDocuments), dir.Path() + "Documentos/");
  ScopedEnv explicitDocs("XDG_DOCUMENTS_DIR", "/explicit");
  EXPECT_EQ(win32::SpecialFolder(win32::kFolderDocuments), "/explicit/");
}

TEST(SpecialFolders, AllUsersDataIsTheFirstExistingDataFolder) {
  kdtest::TempDir dir;
  std::filesystem::create_directory(dir.File("second"));
  const std::string dirs = dir.Path() + "first:relative:" + dir.Path() + "second";
  ScopedEnv data("XDG_DATA_DIRS", dirs.c_str());
  EXPECT_EQ(win32::SpecialFolder(win32::kFolderCommonAppData), dir.Path() + "second/");
}
