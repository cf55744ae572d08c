#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "TempDir.h"
#include "platform/win32/PrivateProfile.h"

using win32::ApplyProfileWrites;
using win32::FindProfileValue;
using win32::GetPrivateProfileString;
using win32::WritePrivateProfileString;
using win32::WritePrivateProfileStrings;

TEST(PrivateProfileRead, FindsTheKeyOfItsSectionWithoutCaseAndTrimsTheValue) {
  const std::string longValue(300, 'x');
  const struct {
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"[S]\r\nkey =  a=b c  \r\n", "S", "key", "a=b c"},
      {"[Kickwell Draftyard Settings]\r\nUse Color=1\r\n", "kickwell DRAFTYARD settings", "use color", "1"},
      {"[S]\r\nempty=\r\nother=1\r\n", "S", "empty", ""},
      {"[S]\r\nempty=\r\nother=1\r\n", "S", "missing", std::nullopt},
      {"[S]\r\nempty=\r\nother=1\r\n", "T", "other", std::nullopt},
      {"[S]\nA=1\nB=2", "S", "B", "2"},
      {"[S]\nA=1\n", "S", "A", "1"},
      {"k=0\r\n[A]\r\nk=1\r\n[B]\r\nj=2\r\n", "B", "k", std::nullopt},
      {"k=0\r\n[A]\r\nk=1\r\n[B]\r\nj=2\r\n", "A", "k", "1"},
      {"\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "v"},
      {"[S]\r\nk=" + longValue + "\r\n", "S", "k", longValue},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40) + " / " + c.section + " / " + c.key);
    EXPECT_EQ(FindProfileValue(c.text, c.section, c.key), c.value);
  }
}

TEST(PrivateProfileWrite, ReplacesTheKeyLineInPlaceAndKeepsEveryOtherByte) {
  const std::string before = "; notes\n[A]\nx = 1\ny=2\n\n[B]\nx=3\n";
  EXPECT_EQ(ApplyProfileWrites(before, "a", {{"X", "5"}}), "; notes\n[A]\nX=5\ny=2\n\n[B]\nx=3\n");
  EXPECT_EQ(ApplyProfileWrites(before, "A", {{"new", "6"}}), "; notes\n[A]\nx = 1\ny=2\nnew=6\n\n[B]\nx=3\n");
  EXPECT_EQ(ApplyProfileWrites("[A]\nx=1\n", "C", {{"k", "v"}}), "[A]\nx=1\n[C]\nk=v\n");
}

TEST(PrivateProfileWrite, NewKeysAndSectionsGoWhereTheyBelong) {
  // After the section's last line, before its blank lines.
  EXPECT_EQ(ApplyProfileWrites("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", {{"z", "9"}}),
            "[A]\r\nx=1\r\nz=9\r\n\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(ApplyProfileWrites("[A]\r\nx=1", "B", {{"y", "2"}}), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(ApplyProfileWrites("", "B", {{"y", "2"}, {"z", ""}}), "[B]\r\ny=2\r\nz=\r\n");
  EXPECT_EQ(ApplyProfileWrites("[A]\r\n[B]\r\n", "A", {{"k", "v"}}), "[A]\r\nk=v\r\n[B]\r\n");
  EXPECT_EQ(ApplyProfileWrites("\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", {{"k", "2"}}), "\xEF\xBB\xBF[A]\r\nk=2\r\n");
}

// A file whose last line ends in a CR without its LF: the CR is that
// line's end when reading, so a write that adds a line after it completes
// the CR LF instead of leaving the CR inside the other key's value.
TEST(PrivateProfileWrite, BareCarriageReturnAtEndOfFileStaysALineEndWhenLinesAreAdded) {
  const std::string before = "[A]\r\nx=1\r";
  ASSERT_EQ(FindProfileValue(before, "A", "x"), "1");
  const std::string otherSection = ApplyProfileWrites(before, "B", {{"k", "v"}});
  EXPECT_EQ(otherSection, "[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
  EXPECT_EQ(FindProfileValue(otherSection, "A", "x"), "1");
  EXPECT_EQ(ApplyProfileWrites(before, "A", {{"k", "v"}}), "[A]\r\nx=1\r\nk=v\r\n");
  EXPECT_EQ(ApplyProfileWrites(before, "A", {{"x", "2"}}), "[A]\r\nx=2\r\n");
  EXPECT_EQ(ApplyProfileWrites("[A]\r\nx=1\r\n\r", "A", {{"k", "v"}}), "[A]\r\nx=1\r\nk=v\r\n\r");
}

TEST(PrivateProfileFile, MissingFileReadsDefaultAndWriteCreatesIt) {
  kdtest::TempDir dir;
  const std::string path = dir.File("kd_settings.ini");
  EXPECT_EQ(GetPrivateProfileString("Kickwell Draftyard Settings", "0", "dflt", path), "dflt");
  ASSERT_TRUE(WritePrivateProfileString("Kickwell Draftyard Settings", "0", "abc", path));
  EXPECT_EQ(kdtest::ReadFile(path), "[Kickwell Draftyard Settings]\r\n0=abc\r\n");
  ASSERT_TRUE(WritePrivateProfileStrings("Kickwell Draftyard Settings", {{"1", "True"}, {"0", "x"}}, path));
  EXPECT_EQ(kdtest::ReadFile(path), "[Kickwell Draftyard Settings]\r\n0=x\r\n1=True\r\n");
  EXPECT_EQ(GetPrivateProfileString("Kickwell Draftyard Settings", "1", "", path), "True");
}

TEST(PrivateProfileFile, ValueWithLineBreakIsRefusedAndFileUnchanged) {
  kdtest::TempDir dir;
  const std::string path = dir.File("p.kdp");
  kdtest::WriteFile(path, "[P]\r\na=1\r\n");
  std::string error;
  EXPECT_FALSE(WritePrivateProfileString("P", "a", "x\r\n[Q]", path, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(WritePrivateProfileString("P", "b=c", "x", path));
  EXPECT_FALSE(WritePrivateProfileString("P", "", "x", path));
  EXPECT_FALSE(WritePrivateProfileString("P]", "a", "x", path));
  EXPECT_EQ(kdtest::ReadFile(path), "[P]\r\na=1\r\n");
}

TEST(PrivateProfileFile, AnUnreadablePathIsNeverReplacedAndAnOversizedFileReadsDefaults) {
  kdtest::TempDir dir;
  const std::string path = dir.File("folder.ini");
  std::filesystem::create_directory(path);
  EXPECT_EQ(GetPrivateProfileString("S", "k", "d", path), "d");
  EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", path));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  kdtest::WriteFile(dir.File("big.ini"), "[S]\r\nk=v\r\n" + std::string(win32::kMaxProfileBytes, ' '));
  EXPECT_EQ(GetPrivateProfileString("S", "k", "d", dir.File("big.ini")), "d");
}

// A file just under the read limit that a save would push over it: the
// save is refused, so the program never writes a file it then cannot open.
TEST(PrivateProfileFile, SaveThatWouldGrowPastTheReadLimitIsRefusedAndFileKept) {
  kdtest::TempDir dir;
  const std::string path = dir.File("full.kdp");
  const std::string before = "[P]\r\na=1\r\n;" + std::string(win32::kMaxProfileBytes - 13, 'x') + "\r\n";
  ASSERT_EQ(before.size(), win32::kMaxProfileBytes);
  kdtest::WriteFile(path, before);
  std::string error;
  EXPECT_FALSE(WritePrivateProfileString("P", "b", "2", path, &error));
  EXPECT_NE(error.find("4 MiB"), std::string::npos);
  EXPECT_EQ(kdtest::ReadFile(path), before);
  EXPECT_TRUE(WritePrivateProfileString("P", "a", "2", path));  // same size: fine
  EXPECT_EQ(GetPrivateProfileString("P", "a", "", path), "2");
}

// A file of millions of lines (within the read limit) used to be split into
// one object per line and rewritten once per key, which took seconds and
// hundreds of megabytes for a save of the settings' 44 keys.
TEST(PrivateProfileWrite, ManyKeysIntoAFileOfMillionsOfLinesAreWrittenInOnePass) {
  const std::string blank(3'000'000, '\n');
  const std::string before = "[S]\nk0=old\n" + blank + "[T]\nk1=t\n";
  win32::ProfileEntries entries;
  for (int i = 0; i < 44; ++i) entries.emplace_back("k" + std::to_string(i), std::to_string(i));
  std::string added;
  for (int i = 1; i < 44; ++i) added += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  EXPECT_EQ(ApplyProfileWrites(before, "S", entries), "[S]\nk0=0\n" + added + blank + "[T]\nk1=t\n");
}

// Several writes of one key in one save: the key keeps one line, holding
// the last value under the last spelling, placed where the key first was
// (or first went).
TEST(PrivateProfileWrite, RepeatedKeyInOneSaveKeepsOneLineWithTheLastValue) {
  EXPECT_EQ(ApplyProfileWrites("[S]\r\na=0\r\n", "S", {{"b", "1"}, {"A", "2"}, {"B", "3"}}),
            "[S]\r\nA=2\r\nB=3\r\n");
  EXPECT_EQ(ApplyProfileWrites("x=1", "S", {{"k", "1"}, {"j", "2"}, {"K", "3"}}), "x=1\r\n[S]\r\nK=3\r\nj=2\r\n");
}
