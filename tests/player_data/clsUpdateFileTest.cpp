#include <gtest/gtest.h>

#include <sys/stat.h>

#include "ArchiveFixtures.h"
#include "FakeSeams.h"
#include "TempDir.h"
#include "WorkTree.h"
#include "player_data/clsUpdateFile.h"

#include <filesystem>

using kdtest::BuildArchive;

using kdtest::BuildUpdateIndex;
using kdtest::IndexEntryFixture;
using kdtest::PutLong;
using kdtest::ReadFile;
using kdtest::WriteFile;

namespace {

// One entry, worked out by hand: "20240001m.vcz", Master, 13 bytes packed
// from 2, not yet downloaded, into "mas".
const std::string kHandIndex =
    std::string("Vellacorn Update"
                "\x01\x00\x00\x00"   // version 1
                "\x01\x00\x00\x00",  // one entry
                24) +
    "20240001m.vcz" + std::string(41, ' ') +  // 54-byte file name
    std::string("\x00\x00\x00\x00"            // FileType 0 Master
                "\x0D\x00\x00\x00"            // FileSize 13
                "\x02\x00\x00\x00"            // 2 bytes unpacked
                "\x00\x00"                    // not downloaded
                "\x00\x00"                    // reserved
                "mas",
                19);

class UpdateFileTest : public ::testing::Test {
 protected:
  kdtest::ScopedFakeSeams seams_;
  kdtest::TempDir dir_;
  std::string Write(const std::string& bytes, const std::string& name = "20240001.dat") {
    WriteFile(dir_.File(name), bytes);
    return name;
  }
};

TEST_F(UpdateFileTest, HandMadeIndexReadsAndWritesBackTheSameBytes) {
  ASSERT_EQ(kHandIndex.size(), 97u);
  EXPECT_EQ(BuildUpdateIndex({{"20240001m.vcz", 0, 13, 2, false, "mas"}}), kHandIndex);
  clsUpdateFile index;
  EXPECT_EQ(index.HeaderFileID(), -1);
  ASSERT_TRUE(index.OpenUpdateFile(dir_.Path(), Write(kHandIndex)));
  EXPECT_EQ(index.UpdateFilePath() + index.UpdateFileName(), dir_.Path() + "20240001.dat");
  ASSERT_EQ(index.FileCount(), 1);
  EXPECT_EQ(index.FileName(0) + " " + index.DestDir(0), "20240001m.vcz mas");
  EXPECT_EQ((std::vector<int64_t>{index.FileType(0), index.FileSize(0), index.UncompressedSize(0),
                                  index.FileDownloaded(0), index.RequestFile(0)}),
            (std::vector<int64_t>{0, 13, 2, 0, 0}));
  EXPECT_EQ(index.Serialize(), kHandIndex);
}

TEST_F(UpdateFileTest, SaveWritesVersionOneAndZeroesTheReservedField) {
  std::string bytes = BuildUpdateIndex({{"a.vcz", 0, 10, 20, false, "mas"}, {"b.vcz", 1, 30, 40, false, "str"}}, 9);
  bytes[24 + 73 + 68] = 5;  // a reserved field that is not 0
  clsUpdateFile index;
  ASSERT_TRUE(index.OpenUpdateFile(dir_.Path(), Write(bytes)));
  ASSERT_TRUE(index.SaveUpdateFile());
  std::string saved = ReadFile(dir_.File("20240001.dat"));
  std::string expected = BuildUpdateIndex({{"a.vcz", 0, 10, 20, false, "mas"}, {"b.vcz", 1, 30, 40, false, "str"}});
  EXPECT_EQ(saved, expected);
}

TEST_F(UpdateFileTest, NamesOfFiftyFourCharactersAreUsedWholeAndDestDirIsComparedWithoutCase) {
  std::string longName = std::string(50, 'n') + ".vcz";
  clsUpdateFile index;
  ASSERT_TRUE(index.OpenUpdateFile(
      dir_.Path(), Write(BuildUpdateIndex({{longName}, {"  padded.vcz  ", 0, 1, 1, false, "MaS"}}))));
  EXPECT_EQ(index.FileName(0), longName);
  EXPECT_EQ(index.FileName(1), "padded.vcz");
  EXPECT_EQ(index.DestDir(1), "MaS");
  EXPECT_EQ(clsUpdateFile::WorkSubFolderFor("MaS"), "mas");
  EXPECT_EQ(clsUpdateFile::WorkSubFolderFor("adp"), "adp");
  EXPECT_EQ(clsUpdateFile::WorkSubFolderFor("upd"), "");
  EXPECT_EQ(clsUpdateFile::WorkSubFolderFor(".."), "");
  EXPECT_EQ(clsUpdateFile::WorkSubFolderFor(""), "");
}

TEST_F(UpdateFileTest, DownloadRequestedListsRequestedNamesInOrder) {
  clsUpdateFile index;
  ASSERT_TRUE(index.OpenUpdateFile(dir_.Path(), Write(BuildUpdateIndex({{"a.vcz"}, {"b.vcz"}, {"c.vcz"}}))));
  std::vector<std::string> names{"stale"};
  EXPECT_EQ(index.DownloadRequested(names), -1);
  EXPECT_TRUE(names.empty());
  index.SetRequestFile(2, true);
  index.SetRequestFile(0, true);
  index.SetRequestFile(3, true);  // out of range: ignored
  EXPECT_EQ(index.DownloadRequested(names), 1);
  EXPECT_EQ(names, (std::vector<std::string>{"a.vcz", "c.vcz"}));
}

TEST_F(UpdateFileTest, SetFileCountClearsEntriesAndRequests) {
  clsUpdateFile index;
  ASSERT_TRUE(index.OpenUpdateFile(dir_.Path(), Write(BuildUpdateIndex({{"a.vcz"}}))));
  index.SetRequestFile(0, true);
  index.SetFileCount(2);
  EXPECT_EQ(index.FileCount(), 2);
  EXPECT_EQ(index.FileName(0), "");
  EXPECT_FALSE(index.RequestFile(0));
  index.SetFileCount(-3);
  EXPECT_EQ(index.FileCount(), 0);
}

std::string IndexWithCount(int32_t count) {
  std::string bytes = BuildUpdateIndex({{"a.vcz"}, {"b.vcz"}});
  PutLong(bytes, 20, count);
  return bytes;
}

TEST_F(UpdateFileTest, RefusedIndexFailsAndKeepsWhatWasRead) {
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"short header", BuildUpdateIndex({{"a.vcz"}}).substr(0, 23)},
      {"foreign signature", "Vellacorn Updatf" + BuildUpdateIndex({{"a.vcz"}}).substr(16)},
      {"count zero", IndexWithCount(0)},
      {"count negative", IndexWithCount(-1)},
      {"count past the end", IndexWithCount(3)},
      {"count largest", IndexWithCount(INT32_MAX)},
      {"last entry cut short", BuildUpdateIndex({{"a.vcz"}, {"b.vcz"}}).substr(0, 24 + 73 + 72)},
      {"name climbs out", BuildUpdateIndex({{"a.vcz"}, {"../a.vcz"}})},
      {"name with folder", BuildUpdateIndex({{"x/a.vcz"}})},
      {"name with backslash", BuildUpdateIndex({{"x\\a.vcz"}})},
      {"name with colon", BuildUpdateIndex({{"c:a.vcz"}})},
      {"name empty", BuildUpdateIndex({{""}})},
      {"name ..", BuildUpdateIndex({{".."}})},
      {"name with control", BuildUpdateIndex({{"a\r.vcz"}})},
      {"name is the index itself", BuildUpdateIndex({{"a.vcz"}, {"20240001.DAT"}})},
      {"dest dir unknown", BuildUpdateIndex({{"a.vcz", 0, 1, 1, false, "xyz"}})},
      {"dest dir the update folder", BuildUpdateIndex({{"a.vcz", 0, 1, 1, false, "upd"}})},
      {"dest dir climbs out", BuildUpdateIndex({{"a.vcz", 0, 1, 1, false, "../"}})},
      {"dest dir blank", BuildUpdateIndex({{"a.vcz", 0, 1, 1, false, ""}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    clsUpdateFile index;
    ASSERT_TRUE(index.OpenUpdateFile(dir_.Path(), Write(BuildUpdateIndex({{"kept.vcz"}}), "20240000.dat")));
    index.SetRequestFile(0, true);
    EXPECT_FALSE(index.OpenUpdateFile(dir_.Path(), Write(c.bytes)));
    EXPECT_EQ(index.UpdateFileName(), "20240001.dat");
    ASSERT_EQ(index.FileCount(), 1);
    EXPECT_EQ(index.FileName(0), "kept.vcz");
    EXPECT_TRUE(index.RequestFile(0));
  }
  EXPECT_TRUE(seams_.messages.plain.empty());
}

TEST_F(UpdateFileTest, MissingIndexFailsButKeepsItsNameAndASaveIntoAMissingFolderFails) {
  clsUpdateFile index;
  EXPECT_FALSE(index.OpenUpdateFile(dir_.Path(), "20249999.dat"));
  EXPECT_EQ(index.UpdateFilePath() + index.UpdateFileName(), dir_.Path() + "20249999.dat");
  EXPECT_EQ(index.FileCount(), 0);
  ASSERT_TRUE(index.OpenUpdateFile(dir_.Path(), Write(BuildUpdateIndex({{"a.vcz"}}))));
  index.SetUpdateFilePath(dir_.File("gone/"));
  EXPECT_FALSE(index.SaveUpdateFile());
}

}  // namespace

namespace {

class UnzipRequestedTest : public ::testing::Test {
 protected:
  kdtest::ScopedFakeSeams seams_;
  WorkTree tree_;
  std::string Upd() const { return tree_.Sub("upd"); }
  // Writes the index into upd/ and reads it back.
  void Load(clsUpdateFile& index, const std::vector<IndexEntryFixture>& entries) {
    WriteFile(Upd() + "20240002.dat", BuildUpdateIndex(entries));
    ASSERT_TRUE(index.OpenUpdateFile(Upd(), "20240002.dat"));
  }
  bool DownloadedOnDisk(int32_t i) {
    clsUpdateFile saved;
    EXPECT_TRUE(saved.OpenUpdateFile(Upd(), "20240002.dat"));
    return saved.FileDownloaded(i);
  }
};

TEST_F(UnzipRequestedTest, UnpacksMarksAndDeletesEachArchiveAndSkipsAMissingOne) {
  WriteFile(Upd() + "m.vcz", BuildArchive({{"2024 Master 0002.kwr", "records"}}));
  clsUpdateFile index;
  Load(index, {{"m.vcz", 0, 10, 7, false, "mas"}, {"s.vcz", 1, 10, 7, false, "str"}});
  index.SetRequestFile(0, true);
  index.SetRequestFile(1, true);
  EXPECT_FALSE(index.UnzipRequested());  // the last one failed
  EXPECT_EQ(ReadFile(tree_.Sub("mas") + "2024 Master 0002.kwr"), "records");
  EXPECT_FALSE(std::filesystem::exists(Upd() + "m.vcz"));
  EXPECT_TRUE(index.FileDownloaded(0));
  EXPECT_FALSE(index.FileDownloaded(1));
  EXPECT_TRUE(DownloadedOnDisk(0));
  EXPECT_FALSE(DownloadedOnDisk(1));
  ASSERT_EQ(seams_.messages.plain.size(), 1u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "Update File Skipped");
  EXPECT_EQ(seams_.messages.plain[0].text, "Unable to GET 'upd/s.vcz'.");
  // The index on disk differs from the published one only in that mark.
  std::string expected = BuildUpdateIndex({{"m.vcz", 0, 10, 7, true, "mas"}, {"s.vcz", 1, 10, 7, false, "str"}});
  EXPECT_EQ(ReadFile(Upd() + "20240002.dat"), expected);
}

TEST_F(UnzipRequestedTest, ResultIsThatOfTheLastArchive) {
  WriteFile(Upd() + "s.vcz", BuildArchive({{"Strain 0001.kwr", "strain"}}));
  clsUpdateFile index;
  Load(index, {{"m.vcz"}, {"s.vcz", 1, 10, 6, false, "STR"}});
  index.SetRequestFile(0, true);
  index.SetRequestFile(1, true);
  EXPECT_TRUE(index.UnzipRequested());
  // A destination given in capitals goes to the folder as it is spelled on disk.
  EXPECT_EQ(ReadFile(tree_.Sub("str") + "Strain 0001.kwr"), "strain");
  EXPECT_FALSE(DownloadedOnDisk(0));
  EXPECT_TRUE(DownloadedOnDisk(1));
}

TEST_F(UnzipRequestedTest, OnlyRequestedEntriesAreUnpacked) {
  WriteFile(Upd() + "a.vcz", BuildArchive({{"a.kwr", "a"}}));
  WriteFile(Upd() + "b.vcz", BuildArchive({{"b.kwr", "b"}}));
  clsUpdateFile index;
  Load(index, {{"a.vcz"}, {"b.vcz"}});
  EXPECT_FALSE(index.UnzipRequested());
  EXPECT_TRUE(seams_.messages.captions.empty());
  index.SetRequestFile(1, true);
  EXPECT_TRUE(index.UnzipRequested());
  EXPECT_TRUE(std::filesystem::exists(Upd() + "a.vcz"));
  EXPECT_FALSE(std::filesystem::exists(tree_.Sub("mas") + "a.kwr"));
  EXPECT_EQ(ReadFile(tree_.Sub("mas") + "b.kwr"), "b");
}

TEST_F(UnzipRequestedTest, TwoOfThreeUnpackedStayMarkedWhenTheThirdFails) {
  WriteFile(Upd() + "1.vcz", BuildArchive({{"one.kwr", "1"}}));
  WriteFile(Upd() + "2.vcz", BuildArchive({{"two.kwr", "2"}}));
  std::string broken = BuildArchive({{"three.kwr", "3"}});
  broken.resize(broken.size() - 2);  // body cut short
  WriteFile(Upd() + "3.vcz", broken);
  clsUpdateFile index;
  Load(index, {{"1.vcz"}, {"2.vcz"}, {"3.vcz"}});
  for (int i = 0; i < 3; ++i) index.SetRequestFile(i, true);
  EXPECT_FALSE(index.UnzipRequested());
  EXPECT_TRUE(DownloadedOnDisk(0));
  EXPECT_TRUE(DownloadedOnDisk(1));
  EXPECT_FALSE(DownloadedOnDisk(2));
  // The broken archive is kept, to be fetched again next time.
  EXPECT_TRUE(std::filesystem::exists(Upd() + "3.vcz"));
  EXPECT_FALSE(std::filesystem::exists(tree_.Sub("mas") + "three.kwr"));
}

// The archive used to be deleted before the index was saved, and a failed
// save went unnoticed: the archive was lost and the index left unmarked.
TEST_F(UnzipRequestedTest, IndexThatCannotBeSavedKeepsTheArchiveAndIsReported) {
  WriteFile(Upd() + "m.vcz", BuildArchive({{"2024 Master 0002.kwr", "records"}}));
  clsUpdateFile index;
  Load(index, {{"m.vcz"}});
  index.SetRequestFile(0, true);
  ASSERT_EQ(::chmod((Upd() + "20240002.dat").c_str(), 0444), 0);
  EXPECT_FALSE(index.UnzipRequested());
  EXPECT_TRUE(std::filesystem::exists(Upd() + "m.vcz"));
  EXPECT_FALSE(index.FileDownloaded(0));
  EXPECT_FALSE(DownloadedOnDisk(0));
  ASSERT_EQ(seams_.messages.plain.size(), 1u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "Update File Skipped");
  EXPECT_EQ(seams_.messages.plain[0].text.rfind("Unable to save the update index after unpacking 'upd/m.vcz'.", 0),
            0u)
      << seams_.messages.plain[0].text;
  EXPECT_NE(seams_.messages.plain[0].text.find("read-only"), std::string::npos);
}

}  // namespace
