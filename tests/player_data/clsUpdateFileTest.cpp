#include <gtest/gtest.h>

#include <sys/stat.h>

#include "ArchiveFixtures.h"
#include "FakeSeams.h"
#include "TempDir.h"
#include "WorkTree.h"
#include "player_data/clsUpdateFile.h"

#include <algorithm>
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
      // A server's index of 229,000 entries took gigabytes and hours to offer.
      {"count above the ceiling", BuildUpdateIndex(std::vector<IndexEntryFixture>(clsUpdateFile::kMaxEntries + 1,
                                                                                   IndexEntryFixture{"a.vcz"}))},
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
  // Puts an archive of `files` into upd/ as `name`; its index entry, into `dest`.
  IndexEntryFixture Publish(const std::string& name, const std::vector<kdtest::ArchiveEntryFixture>& files,
                            const std::string& dest = "mas") {
    const std::string archive = BuildArchive(files);
    WriteFile(Upd() + name, archive);
    return kdtest::IndexEntryFor(name, archive, dest);
  }
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
  UnpackReport report_;
};

TEST_F(UnzipRequestedTest, UnpacksMarksAndDeletesEachArchiveAndSkipsAMissingOne) {
  IndexEntryFixture m = Publish("m.vcz", {{"2024 Master 0002.kwr", "records"}});
  clsUpdateFile index;
  Load(index, {m, {"s.vcz", 1, 10, 7, false, "str"}});
  index.SetRequestFile(0, true);
  index.SetRequestFile(1, true);
  EXPECT_FALSE(index.UnzipRequested(report_));  // the last one failed
  EXPECT_EQ(ReadFile(tree_.Sub("mas") + "2024 Master 0002.kwr"), "records");
  EXPECT_FALSE(std::filesystem::exists(Upd() + "m.vcz"));
  EXPECT_TRUE(index.FileDownloaded(0));
  EXPECT_FALSE(index.FileDownloaded(1));
  EXPECT_TRUE(DownloadedOnDisk(0));
  EXPECT_FALSE(DownloadedOnDisk(1));
  // The run reports what failed, once for all (the player update's tests).
  EXPECT_TRUE(seams_.messages.plain.empty());
  EXPECT_EQ(report_.skipped, std::vector<std::string>{"Unable to GET 'upd/s.vcz'."});
  // The index on disk differs from the published one only in that mark.
  m.downloaded = true;
  EXPECT_EQ(ReadFile(Upd() + "20240002.dat"), BuildUpdateIndex({m, {"s.vcz", 1, 10, 7, false, "str"}}));
}

TEST_F(UnzipRequestedTest, ResultIsThatOfTheLastArchive) {
  const IndexEntryFixture s = Publish("s.vcz", {{"Strain 0001.kwr", "strain"}}, "STR");
  clsUpdateFile index;
  Load(index, {{"m.vcz"}, s});
  index.SetRequestFile(0, true);
  index.SetRequestFile(1, true);
  EXPECT_TRUE(index.UnzipRequested(report_));
  // A destination given in capitals goes to the folder as it is spelled on disk.
  EXPECT_EQ(ReadFile(tree_.Sub("str") + "Strain 0001.kwr"), "strain");
  EXPECT_FALSE(DownloadedOnDisk(0));
  EXPECT_TRUE(DownloadedOnDisk(1));
}

TEST_F(UnzipRequestedTest, OnlyRequestedEntriesAreUnpacked) {
  clsUpdateFile index;
  Load(index, {Publish("a.vcz", {{"a.kwr", "a"}}), Publish("b.vcz", {{"b.kwr", "b"}})});
  EXPECT_FALSE(index.UnzipRequested(report_));
  EXPECT_TRUE(report_.skipped.empty());
  index.SetRequestFile(1, true);
  EXPECT_TRUE(index.UnzipRequested(report_));
  EXPECT_TRUE(std::filesystem::exists(Upd() + "a.vcz"));
  EXPECT_FALSE(std::filesystem::exists(tree_.Sub("mas") + "a.kwr"));
  EXPECT_EQ(ReadFile(tree_.Sub("mas") + "b.kwr"), "b");
}

TEST_F(UnzipRequestedTest, TwoOfThreeUnpackedStayMarkedWhenTheThirdFails) {
  const IndexEntryFixture one = Publish("1.vcz", {{"one.kwr", "1"}});
  const IndexEntryFixture two = Publish("2.vcz", {{"two.kwr", "2"}});
  std::string broken = BuildArchive({{"three.kwr", "3"}});
  const IndexEntryFixture three = kdtest::IndexEntryFor("3.vcz", broken);
  broken.resize(broken.size() - 2);  // body cut short
  WriteFile(Upd() + "3.vcz", broken);
  clsUpdateFile index;
  Load(index, {one, two, three});
  for (int i = 0; i < 3; ++i) index.SetRequestFile(i, true);
  EXPECT_FALSE(index.UnzipRequested(report_));
  EXPECT_TRUE(DownloadedOnDisk(0));
  EXPECT_TRUE(DownloadedOnDisk(1));
  EXPECT_FALSE(DownloadedOnDisk(2));
  // The broken archive is kept, to be fetched again next time.
  EXPECT_TRUE(std::filesystem::exists(Upd() + "3.vcz"));
  EXPECT_FALSE(std::filesystem::exists(tree_.Sub("mas") + "three.kwr"));
  EXPECT_EQ(report_.skipped,
            std::vector<std::string>{"Unable to unpack 'upd/3.vcz': 'three.kwr' lies outside the archive."});
}

// The archive used to be deleted before the index was saved, and a failed
// save went unnoticed: the archive was lost and the index left unmarked.
TEST_F(UnzipRequestedTest, IndexThatCannotBeSavedKeepsTheArchiveAndIsReported) {
  clsUpdateFile index;
  Load(index, {Publish("m.vcz", {{"2024 Master 0002.kwr", "records"}})});
  index.SetRequestFile(0, true);
  ASSERT_EQ(::chmod((Upd() + "20240002.dat").c_str(), 0444), 0);
  EXPECT_FALSE(index.UnzipRequested(report_));
  EXPECT_TRUE(std::filesystem::exists(Upd() + "m.vcz"));
  EXPECT_FALSE(index.FileDownloaded(0));
  EXPECT_FALSE(DownloadedOnDisk(0));
  ASSERT_EQ(report_.skipped.size(), 1u);
  EXPECT_EQ(report_.skipped[0].rfind("Unable to save the update index after unpacking 'upd/m.vcz'.", 0), 0u)
      << report_.skipped[0];
  EXPECT_NE(report_.skipped[0].find("read-only"), std::string::npos);
}

// An entry name of 248 to 255 bytes was reported by the header read, and
// its archive again by the unpacking.
TEST_F(UnzipRequestedTest, AnArchiveWithANameTooLongToSaveIsReportedOnceWithTheReason) {
  clsUpdateFile index;
  Load(index, {Publish("long.vcz", {{std::string(250, 'L') + ".kwr", "x"}, {"fine.kwr", "ok"}})});
  index.SetRequestFile(0, true);
  EXPECT_FALSE(index.UnzipRequested(report_));
  EXPECT_TRUE(seams_.messages.plain.empty());
  EXPECT_EQ(report_.skipped,
            std::vector<std::string>{"Unable to unpack 'upd/long.vcz': 1 entry is skipped: a file name may have at "
                                     "most 247 bytes here, so that it can be saved."});
  EXPECT_FALSE(DownloadedOnDisk(0));
}

// An index could send an archive's files over the user's own documents,
// and say nothing of the archive's size: now an archive unpacks only when
// it holds what its entry states, and never replaces a document of the
// user's, which stays while the update's copy is saved beside it.
TEST_F(UnzipRequestedTest, AnArchiveMustMatchItsEntryAndNeverReplacesTheUsersDocuments) {
  WriteFile(tree_.Sub("kdp") + "Mine.kdp", "my project");
  WriteFile(tree_.Sub("kdp") + "Mine (update).kdp", "an older copy");
  WriteFile(tree_.Sub("pro") + "2024.pro", "old database");
  IndexEntryFixture lying = Publish("lying.vcz", {{"2024.pro", "lying"}}, "pro");
  lying.uncompressedSize += 1;
  clsUpdateFile index;
  Load(index, {Publish("kdp.vcz", {{"Mine.kdp", "theirs"}, {"New.kdp", "new"}}, "kdp"),
               Publish("pro.vcz", {{"2024.pro", "new database"}}, "pro"), lying});
  for (int i = 0; i < 3; ++i) index.SetRequestFile(i, true);
  EXPECT_FALSE(index.UnzipRequested(report_));
  EXPECT_EQ(ReadFile(tree_.Sub("kdp") + "Mine.kdp"), "my project");
  EXPECT_EQ(ReadFile(tree_.Sub("kdp") + "Mine (update).kdp"), "an older copy");
  EXPECT_EQ(ReadFile(tree_.Sub("kdp") + "Mine (update 2).kdp"), "theirs");
  EXPECT_EQ(ReadFile(tree_.Sub("kdp") + "New.kdp"), "new");
  // The projected-stats databases are the user's too.
  EXPECT_EQ(ReadFile(tree_.Sub("pro") + "2024.pro"), "old database");
  EXPECT_EQ(ReadFile(tree_.Sub("pro") + "2024 (update).pro"), "new database");
  EXPECT_EQ(report_.kept,
            (std::vector<std::string>{
                "kdp/Mine.kdp is yours and was kept; the update's copy is kdp/Mine (update 2).kdp.",
                "pro/2024.pro is yours and was kept; the update's copy is pro/2024 (update).pro."}));
  EXPECT_EQ(report_.skipped, std::vector<std::string>{"Unable to unpack 'upd/lying.vcz': it holds 13 bytes packed from 5, "
                                                      "and its index states 13 from 6."});
  EXPECT_TRUE(std::filesystem::exists(Upd() + "lying.vcz"));
}

// An archive with one entry that did not unpack put its other files in
// place, stayed offered and was fetched again at every start-up: each run
// added another "(update N)" copy beside the user's file, named nowhere.
// A copy whose bytes are there already is now not written again, and every
// copy in place is named, also when another entry failed.
TEST_F(UnzipRequestedTest, AnArchiveUnpackedAgainAndAgainAddsNoCopyAndNamesTheOneItKept) {
  const std::string mine(243, 'M');  // "<243 bytes>.pro" leaves no room for " (update)"
  std::string theirs(5000, 't');
  for (std::size_t i = 0; i < theirs.size(); i += 3) theirs[i] = static_cast<char>('a' + i % 26);
  std::string flipped = kdtest::Compress("other");
  flipped.back() ^= 0x01;
  const struct {
    const char* name;
    std::string folder, userFile;
    std::vector<kdtest::ArchiveEntryFixture> files;
    std::vector<std::string> expectedFiles;
    std::vector<std::string> kept, skipped;
  } cases[] = {
      {"a broken entry beside the user's database",
       "pro",
       "Mine.pro",
       {{"Mine.pro", theirs}, {"Other.pro", "other", flipped, std::nullopt}},
       {"Mine (update).pro", "Mine.pro"},
       {"pro/Mine.pro is yours and was kept; the update's copy is pro/Mine (update).pro."},
       {"Unable to unpack 'upd/a.vcz': 'Other.pro' does not unpack to its stated length."}},
      {"a broken entry beside the user's project",
       "kdp",
       "Mine.kdp",
       {{"Other.kdp", "other", flipped, std::nullopt}, {"Mine.kdp", theirs}, {"New.kdp", "new"}},
       {"Mine (update).kdp", "Mine.kdp", "New.kdp"},
       {"kdp/Mine.kdp is yours and was kept; the update's copy is kdp/Mine (update).kdp."},
       {"Unable to unpack 'upd/a.vcz': 'Other.kdp' does not unpack to its stated length."}},
      {"an entry without a free name for its copy",
       "pro",
       mine + ".pro",
       {{mine + ".pro", theirs}, {"Fine.pro", "fine"}},
       {"Fine.pro", mine + ".pro"},
       {},
       {"Unable to unpack 'upd/a.vcz': no free name is left beside '" + mine + ".pro' for the update's copy."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string folder = tree_.Sub(c.folder);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    WriteFile(folder + c.userFile, "my own");
    for (int run = 1; run <= 3; ++run) {
      SCOPED_TRACE(run);
      // Fetched afresh, unpacked, and deleted at the run's end.
      clsUpdateFile index;
      Load(index, {Publish("a.vcz", c.files, c.folder)});
      index.SetRequestFile(0, true);
      report_ = {};
      EXPECT_FALSE(index.UnzipRequested(report_));
      std::filesystem::remove(Upd() + "a.vcz");
      EXPECT_EQ(report_.kept, c.kept);
      EXPECT_EQ(report_.skipped, c.skipped);
      EXPECT_FALSE(DownloadedOnDisk(0));
      std::vector<std::string> files;
      for (const auto& e : std::filesystem::directory_iterator(folder)) files.push_back(e.path().filename());
      std::sort(files.begin(), files.end());
      EXPECT_EQ(files, c.expectedFiles);
    }
    EXPECT_EQ(ReadFile(folder + c.userFile), "my own");
    if (!c.kept.empty()) {
      EXPECT_EQ(ReadFile(folder + c.expectedFiles[0]), theirs);
    }
  }
  EXPECT_TRUE(seams_.messages.plain.empty());
}

}  // namespace
