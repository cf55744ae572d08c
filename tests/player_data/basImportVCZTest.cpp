#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "ArchiveFixtures.h"
#include "FakeSeams.h"
#include "WorkTree.h"
#include "player_data/basImportVCZ.h"

using kdtest::BuildArchive;
using kdtest::ReadFile;
using kdtest::WriteFile;

namespace {

TEST(DestFolderForFile, RoutesByExtensionAndName) {
  basMockItUp::InitFileTypeTable("/w/");
  struct Case {
    const char* name;
    const char* folder;
  };
  const Case cases[] = {
      {"2012 Master 0003.kwr", "/w/mas/"},
      {"2012-ADP-0001.kwr", "/w/adp/"},
      {"Strain.KWR", "/w/str/"},
      {"2012 master 0003.kwr", "/w/str/"},  // the word's case matters
      {"2012Master0003.kwr", "/w/str/"},    // so do its blanks
      {"x-adp-1.kwr", "/w/str/"},
      {"Master -ADP- both.kwr", "/w/adp/"},
      {"A Master -ADP- both.kwr", "/w/mas/"},
      {"league.LGP", "/w/lgp/"},
      {"points.sco", "/w/sco/"},
      {"grid.dis", "/w/dis/"},
      {"KD-RBL Default.stg", "/w/stg/"},
      {"2024.pro", "/w/pro/"},
      {"archive.kwr.txt", ""},
      {"notes.txt", ""},
      {"mock.ugm", ""},
      {"kwr", ""},
      {"trailing.", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(basImportVCZ::DestFolderForFile(c.name), c.folder) << c.name;
}

class ImportTest : public ::testing::Test {
 protected:
  kdtest::ScopedFakeSeams seams_;
  WorkTree tree_;
  std::string Chosen() const { return tree_.Root() + "chosen/"; }
  void Choose(std::vector<std::string> files) {
    seams_.files.AnswerSystem({false, tree_.Root() + "chosen", std::move(files)});
  }
};

TEST_F(ImportTest, AsksForArchivesWithTheVczFilter) {
  seams_.files.AnswerSystem({});  // cancelled
  basImportVCZ::ImportArchiveFile();
  ASSERT_EQ(seams_.files.systemRequests.size(), 1u);
  const auto& r = seams_.files.systemRequests[0];
  EXPECT_EQ(r.title, "Import Vellacorn Zip File");
  EXPECT_EQ(r.extension, "vcz");
  EXPECT_EQ(r.description, "Vellacorn Zip");
  EXPECT_EQ(r.initialFolder, "");
  EXPECT_EQ(r.fileName, "");
  EXPECT_FALSE(r.save);
  EXPECT_TRUE(r.multiSelect);
  EXPECT_TRUE(seams_.messages.captions.empty());
}

TEST_F(ImportTest, EachEntryGoesToTheFolderOfItsType) {
  // The routing itself is pinned above; here one entry of each kind of folder.
  WriteFile(Chosen() + "season.vcz", BuildArchive({{"2012 Master 0003.kwr", "master"},
                                                   {"2012-ADP-0001.kwr", "adp"},
                                                   {"2012 master 0003.kwr", "lower"},
                                                   {"points.sco", "sco"},
                                                   {"notes.txt", "notes"},
                                                   {"../escape.kwr", "escape"},
                                                   {"sub/inner.sco", "inner"}}));
  Choose({"season.vcz"});
  basImportVCZ::ImportArchiveFile();
  const char* placed[][3] = {{"mas", "2012 Master 0003.kwr", "master"},
                             {"adp", "2012-ADP-0001.kwr", "adp"},
                             {"str", "2012 master 0003.kwr", "lower"},
                             {"sco", "points.sco", "sco"}};
  for (const auto& p : placed) EXPECT_EQ(ReadFile(tree_.Sub(p[0]) + p[1]), p[2]) << p[1];
  // Nothing else anywhere: not the text file, not the hostile names.
  long files = 0;
  for (const char* sub : {"mas", "adp", "str", "sco", "dis", "stg", "pro", "lgp", "upd", "def", "ugm", "kdp"})
    files += EntryCount(tree_.Sub(sub));
  EXPECT_EQ(files, 4);
  EXPECT_EQ(EntryCount(tree_.Work()), 12);
  EXPECT_FALSE(std::filesystem::exists(tree_.Work() + "escape.kwr"));
  EXPECT_TRUE(seams_.messages.captions.empty());
}

TEST_F(ImportTest, AFileThatIsNoArchiveIsReportedAndTheOthersImported) {
  WriteFile(Chosen() + "bad.vcz", "not an archive");
  WriteFile(Chosen() + "empty.vcz", std::string("VCZ\1\0\0\0\0\0\0\0", 11));
  WriteFile(Chosen() + "good.vcz", BuildArchive({{"points.sco", "sco"}}));
  Choose({"bad.vcz", "missing.vcz", "good.vcz", "empty.vcz"});
  basImportVCZ::ImportArchiveFile();
  ASSERT_EQ(seams_.messages.plain.size(), 3u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "File Import Failed");
  EXPECT_EQ(seams_.messages.plain[0].text, "Could not import " + Chosen() + "bad.vcz");
  EXPECT_EQ(seams_.messages.plain[0].buttons, seams::PlainButtons::kOk);
  EXPECT_EQ(seams_.messages.plain[1].text, "Could not import " + Chosen() + "missing.vcz");
  EXPECT_EQ(seams_.messages.plain[2].text, "Could not import " + Chosen() + "empty.vcz");
  EXPECT_EQ(ReadFile(tree_.Sub("sco") + "points.sco"), "sco");
}

TEST_F(ImportTest, AnsweringNoKeepsTheFileAndStillImportsTheOthers) {
  WriteFile(tree_.Sub("sco") + "points.sco", "mine");
  WriteFile(tree_.Sub("lgp") + "league.lgp", "old league");
  WriteFile(Chosen() + "a.vcz",
            BuildArchive({{"points.sco", "theirs"}, {"grid.dis", "dis"}, {"league.lgp", "new league"}}));
  Choose({"a.vcz"});
  seams_.messages.AnswerPlain(seams::PlainAnswer::kNo);
  seams_.messages.AnswerPlain(seams::PlainAnswer::kYes);
  basImportVCZ::ImportArchiveFile();
  ASSERT_EQ(seams_.messages.plain.size(), 2u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "File Exists");
  EXPECT_EQ(seams_.messages.plain[0].text, "Do you want to overwrite:\r\n" + tree_.Sub("sco") + "points.sco?");
  EXPECT_EQ(seams_.messages.plain[0].buttons, seams::PlainButtons::kYesNo);
  EXPECT_EQ(seams_.messages.plain[1].text, "Do you want to overwrite:\r\n" + tree_.Sub("lgp") + "league.lgp?");
  EXPECT_EQ(ReadFile(tree_.Sub("sco") + "points.sco"), "mine");
  EXPECT_EQ(ReadFile(tree_.Sub("dis") + "grid.dis"), "dis");
  EXPECT_EQ(ReadFile(tree_.Sub("lgp") + "league.lgp"), "new league");
}

TEST_F(ImportTest, MissingDestinationFolderSkipsTheEntryWithPathNotFound) {
  std::filesystem::remove(tree_.Sub("dis"));
  WriteFile(Chosen() + "a.vcz", BuildArchive({{"grid.dis", "dis"}, {"points.sco", "sco"}}));
  Choose({"a.vcz"});
  basImportVCZ::ImportArchiveFile();
  ASSERT_EQ(seams_.messages.plain.size(), 1u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "Path Error");
  EXPECT_EQ(seams_.messages.plain[0].text, "Path Not Found:  '" + tree_.Sub("dis") + "'");
  EXPECT_FALSE(std::filesystem::exists(tree_.Sub("dis")));
  EXPECT_EQ(ReadFile(tree_.Sub("sco") + "points.sco"), "sco");
}

TEST_F(ImportTest, BrokenEntryIsSkippedAndTheRestImported) {
  std::string bytes = BuildArchive({{"one.sco", "1"}, {"two.sco", "22"}});
  kdtest::PutLong(bytes, kdtest::ArchiveFieldOffset(0, 4), 5);  // wrong expanded length
  WriteFile(Chosen() + "a.vcz", bytes);
  Choose({"a.vcz"});
  basImportVCZ::ImportArchiveFile();
  EXPECT_FALSE(std::filesystem::exists(tree_.Sub("sco") + "one.sco"));
  EXPECT_EQ(ReadFile(tree_.Sub("sco") + "two.sco"), "22");
  // The entry left out is told, once: it used to go unmentioned.
  ASSERT_EQ(seams_.messages.plain.size(), 1u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "VCZ ExtractFile Error");
  EXPECT_EQ(seams_.messages.plain[0].text,
            "Not extracted: 'one.sco' does not unpack to its stated length.\r\n" + Chosen() + "a.vcz");
}

// A name of 248 to 255 bytes was reported on its own, and every entry that
// could not be written had a box of its own: now one message per archive.
TEST_F(ImportTest, WhatWentWrongWithAnArchiveIsToldOnce) {
  WriteFile(tree_.Sub("sco") + "locked.sco", "mine");
  ASSERT_EQ(::chmod((tree_.Sub("sco") + "locked.sco").c_str(), 0444), 0);
  WriteFile(Chosen() + "a.vcz",
            BuildArchive({{std::string(250, 'L') + ".sco", "x"}, {"locked.sco", "theirs"}, {"fine.sco", "fine"}}));
  Choose({"a.vcz"});
  seams_.messages.AnswerPlain(seams::PlainAnswer::kYes);
  basImportVCZ::ImportArchiveFile();
  ASSERT_EQ(seams_.messages.plain.size(), 2u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "File Exists");
  EXPECT_EQ(seams_.messages.plain[1].caption, "VCZ OpenHeader Error");
  EXPECT_NE(seams_.messages.plain[1].text.find("at most 247 bytes"), std::string::npos);
  EXPECT_NE(seams_.messages.plain[1].text.find("read-only"), std::string::npos);
  EXPECT_EQ(ReadFile(tree_.Sub("sco") + "locked.sco"), "mine");
  EXPECT_EQ(ReadFile(tree_.Sub("sco") + "fine.sco"), "fine");
}

}  // namespace
