#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basAssociatedFiles.h"
#include "core/basDirExists_001.h"
#include "core/basDirToTextFile.h"
#include "core/basFileExists_001.h"

using basDirExists_001::CheckFolderOfPath;
using basDirExists_001::DirExists;
using basFileExists_001::FileExists;

TEST(FileExists, FindsFilesAndFoldersAndShowsTheFileErrorNoticeOnlyWhenAsked) {
  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("a.kdp"), "");
  EXPECT_TRUE(FileExists(dir.File("a.kdp"), true));
  EXPECT_TRUE(FileExists(dir.File("*.KDP"), true));
  EXPECT_TRUE(FileExists(dir.Path().substr(0, dir.Path().size() - 1), true));
  EXPECT_FALSE(FileExists(dir.Path(), false));  // a path ending in a slash
  EXPECT_FALSE(FileExists("", false));
  EXPECT_FALSE(FileExists("/no/such/file.pro", false));
  EXPECT_TRUE(fakes.messages.plain.empty());
  EXPECT_FALSE(FileExists("/no/such/file.pro", true));
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].text, "File Not Found:  '/no/such/file.pro'");
  EXPECT_EQ(fakes.messages.plain[0].caption, "File Error");
  EXPECT_EQ(fakes.messages.plain[0].icon, seams::PlainIcon::kExclamation);
  EXPECT_EQ(fakes.messages.plain[0].buttons, seams::PlainButtons::kOk);
}

TEST(DirExists, MissingFolderShowsThePathErrorNotice) {
  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("file"), "");
  EXPECT_TRUE(DirExists(dir.Path(), true));
  EXPECT_FALSE(DirExists(dir.File("file"), false));
  EXPECT_FALSE(DirExists(dir.File("nope"), true));
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].text, "Path Not Found:  '" + dir.File("nope") + "'");
  EXPECT_EQ(fakes.messages.plain[0].caption, "Path Error");
  EXPECT_EQ(fakes.messages.plain[0].icon, seams::PlainIcon::kExclamation);
}

TEST(CheckFolderOfPath, SplitsAtTheLastSlashAndTestsTheFolder) {
  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
  std::string name = "unchanged";
  EXPECT_TRUE(CheckFolderOfPath(dir.File("x.html"), name, true));
  EXPECT_EQ(name, "x.html");
  EXPECT_TRUE(CheckFolderOfPath(dir.Path(), name, true));
  EXPECT_EQ(name, "");
  name = "unchanged";
  EXPECT_FALSE(CheckFolderOfPath("no-slash.html", name, true));
  EXPECT_EQ(name, "unchanged");
  EXPECT_TRUE(fakes.messages.plain.empty());
  EXPECT_FALSE(CheckFolderOfPath(dir.File("gone/x.html"), name, true));
  EXPECT_EQ(name, "x.html");
  EXPECT_EQ(fakes.messages.plain.size(), 1u);
}

TEST(ListFolderEntries, ListsEverythingSortedWithoutCase) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("b.sco"), "");
  kdtest::WriteFile(dir.File("A.sco"), "");
  std::filesystem::create_directory(dir.File("Sub"));
  std::vector<std::string> names;
  EXPECT_EQ(basDirToTextFile::ListFolderEntries(dir.Path(), names), 4);
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "A.sco", "b.sco", "Sub"}));
}

TEST(ListFolderEntries, UnlistableFolderGivesOneEmptyName) {
  std::vector<std::string> names = {"old"};
  EXPECT_EQ(basDirToTextFile::ListFolderEntries("/no/such/folder/", names), 0);
  EXPECT_EQ(names, std::vector<std::string>{""});
  EXPECT_EQ(basDirToTextFile::ListFolderEntriesEx("/no/such/folder/", names, "dis"), -1);
  EXPECT_TRUE(names.empty());
}

TEST(ListFolderEntriesEx, KeepsNamesLongerThanFourCharactersEndingWithTheEndingInAnyCase) {
  kdtest::TempDir dir;
  // "\xC3\xA9dis" is four characters in five bytes: too short.
  for (const char* n : {"Stats - Offensive.dis", "AB.DIS", ".dis", "readme.txt", "xdis", "\xC3\xA9.dis",
                        "\xC3\xA9" "dis"}) {
    kdtest::WriteFile(dir.File(n), "");
  }
  std::vector<std::string> names;
  EXPECT_EQ(basDirToTextFile::ListFolderEntriesEx(dir.Path(), names, "dis"), 2);
  EXPECT_EQ(names, (std::vector<std::string>{"AB.DIS", "Stats - Offensive.dis", "\xC3\xA9.dis"}));
}

TEST(OpenFileByMode, EachModeOpensAsItsNameSays) {
  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
  const std::string path = dir.File("f.txt");
  std::fstream f;
  ASSERT_TRUE(basAssociatedFiles::OpenFileByMode(path, f, basAssociatedFiles::kTextOutput, true));
  f << "hello";
  f.close();
  ASSERT_TRUE(basAssociatedFiles::OpenFileByMode(path, f, basAssociatedFiles::kBinaryWrite, true));
  f << "J";
  f.close();
  EXPECT_EQ(kdtest::ReadFile(path), "Jello");
  ASSERT_TRUE(basAssociatedFiles::OpenFileByMode(path, f, basAssociatedFiles::kTextAppend, true));
  f << "!";
  f.close();
  EXPECT_EQ(kdtest::ReadFile(path), "Jello!");
  ASSERT_TRUE(basAssociatedFiles::OpenFileByMode(path, f, basAssociatedFiles::kBinaryRead, true));
  std::string word;
  f >> word;
  EXPECT_EQ(word, "Jello!");
  ASSERT_TRUE(basAssociatedFiles::OpenFileByMode(dir.File("new.bin"), f, basAssociatedFiles::kBinaryWrite, true));
  f.close();
  EXPECT_TRUE(std::filesystem::exists(dir.File("new.bin")));
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST(OpenFileByMode, FailureShowsTheErrorAndThePathTitledOpenFileErrorUnknownModesNothing) {
  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
  std::fstream f;
  EXPECT_FALSE(basAssociatedFiles::OpenFileByMode(dir.File("x"), f, 6, true));
  EXPECT_FALSE(basAssociatedFiles::OpenFileByMode(dir.File("x"), f, 0, true));
  EXPECT_FALSE(std::filesystem::exists(dir.File("x")));
  EXPECT_FALSE(basAssociatedFiles::OpenFileByMode("/no/such/dir/f.txt", f, basAssociatedFiles::kTextInput, false));
  EXPECT_TRUE(fakes.messages.plain.empty());
  EXPECT_FALSE(basAssociatedFiles::OpenFileByMode("/no/such/dir/f.txt", f, basAssociatedFiles::kTextInput, true));
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  EXPECT_EQ(fakes.messages.plain[0].text, "No such file or directory\r\n/no/such/dir/f.txt");
}
