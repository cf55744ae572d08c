#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "ArchiveFixtures.h"
#include "FakeSeams.h"
#include "TempDir.h"
#include "WorkTree.h"
#include "player_data/clsVCZ.h"

using kdtest::ArchiveEntryFixture;
using kdtest::BuildArchive;
using kdtest::PutLong;
using kdtest::ReadFile;
using kdtest::WriteFile;

namespace {

// One entry "a.txt" holding "hi", worked out by hand: the body is a zlib
// stream with a single stored block (78 01 | final stored block, LEN 2,
// NLEN ~2 | "hi" | Adler-32 0x013B00D2 big-endian).
const std::string kHandBody("\x78\x01\x01\x02\x00\xFD\xFF" "hi" "\x01\x3B\x00\xD2", 13);
const std::string kHandArchive(
    "VCZ"
    "\x01\x00\x00\x00"   // version 1
    "\x01\x00\x00\x00"   // one entry
    "\x05\x00\x00\x00"   // name length 5
    "\x20\x00\x00\x00"   // name at position 32 (20 * 1 + 12)
    "\x25\x00\x00\x00"   // body at position 37
    "\x0D\x00\x00\x00"   // 13 compressed bytes
    "\x02\x00\x00\x00"   // 2 bytes expanded
    "a.txt"
    "\x78\x01\x01\x02\x00\xFD\xFF" "hi" "\x01\x3B\x00\xD2",
    49);

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

class VCZTest : public ::testing::Test {
 protected:
  kdtest::ScopedFakeSeams seams_;
  kdtest::TempDir dir_;
  std::string Out() const { return dir_.File("out/"); }
  void SetUp() override { std::filesystem::create_directories(Out()); }
  std::string Write(const std::string& bytes, const std::string& name = "test.vcz") {
    WriteFile(dir_.File(name), bytes);
    return dir_.File(name);
  }
};

TEST_F(VCZTest, HandMadeArchiveOpensAndExtractsExactContent) {
  std::string path = Write(kHandArchive);
  clsVCZ vcz;
  EXPECT_EQ(vcz.FileCount(), 0);
  ASSERT_EQ(vcz.OpenHeader(path), 1);
  EXPECT_EQ(vcz.FileCount(), 1);
  EXPECT_EQ(vcz.Version(), 1);
  EXPECT_EQ(vcz.FileName(0), "a.txt");
  const VCZArchiveEntry e = vcz.Entry(0);
  EXPECT_EQ((std::vector<int64_t>{e.NameLength, e.NamePosition, e.DataPosition, e.CompressedLength,
                                  e.UncompressedLength}),
            (std::vector<int64_t>{5, 32, 37, 13, 2}));
  // Over a longer file: exactly the new content is left.
  WriteFile(Out() + "a.txt", std::string(5000, 'z'));
  EXPECT_TRUE(vcz.ExtractFile(path, Out()));
  EXPECT_EQ(ReadFile(Out() + "a.txt"), "hi");
  EXPECT_TRUE(seams_.messages.plain.empty());
  EXPECT_EQ(BuildArchive({{"a.txt", "hi", kHandBody, std::nullopt}}), kHandArchive);
}

TEST_F(VCZTest, EveryEntryOfSeveralIsExtracted) {
  std::string big(100000, 'x');
  for (std::size_t i = 0; i < big.size(); i += 7) big[i] = static_cast<char>('a' + i % 26);
  std::string path = Write(BuildArchive({{"2024 Master 0001.kwr", "master"},
                                         {"big.bin", big},
                                         {"c", std::string("\0\1\2", 3)}}));
  clsVCZ vcz;
  ASSERT_EQ(vcz.OpenHeader(path), 3);
  EXPECT_EQ(vcz.FileName(0), "2024 Master 0001.kwr");
  EXPECT_EQ(vcz.FileName(1), "big.bin");
  EXPECT_EQ(vcz.FileName(2), "c");
  EXPECT_EQ(vcz.FileName(3), "");
  EXPECT_EQ(vcz.FileName(-1), "");
  EXPECT_TRUE(vcz.ExtractFile(path, Out()));
  EXPECT_EQ(ReadFile(Out() + "2024 Master 0001.kwr"), "master");
  EXPECT_EQ(ReadFile(Out() + "big.bin"), big);
  EXPECT_EQ(ReadFile(Out() + "c"), std::string("\0\1\2", 3));
}

TEST_F(VCZTest, ExtractEntryWritesOnlyThatEntryAndUnZipReadsTheHeaderItself) {
  std::string path = Write(BuildArchive({{"one.sco", "1"}, {"two.sco", "22"}}));
  clsVCZ vcz;
  ASSERT_EQ(vcz.OpenHeader(path), 2);
  EXPECT_TRUE(vcz.ExtractEntry(path, 1, Out()));
  EXPECT_FALSE(Exists(Out() + "one.sco"));
  EXPECT_EQ(ReadFile(Out() + "two.sco"), "22");
  EXPECT_FALSE(vcz.ExtractEntry(path, 2, Out()));
  EXPECT_FALSE(vcz.ExtractEntry(path, -1, Out()));
  clsVCZ fresh;
  EXPECT_TRUE(fresh.UnZip(path, Out()));
  EXPECT_EQ(fresh.FileCount(), 2);
  EXPECT_EQ(ReadFile(Out() + "one.sco"), "1");
}

TEST_F(VCZTest, Windows1252NameBecomesUtf8AndAnyVersionIsAccepted) {
  std::string path = Write(BuildArchive({{"caf\xE9.txt", "x"}}, 7));
  clsVCZ vcz;
  ASSERT_EQ(vcz.OpenHeader(path), 1);
  EXPECT_EQ(vcz.Version(), 7);
  EXPECT_EQ(vcz.FileName(0), "caf\xC3\xA9.txt");
  EXPECT_TRUE(vcz.ExtractFile(path, Out()));
  EXPECT_EQ(ReadFile(Out() + "caf\xC3\xA9.txt"), "x");
}

std::string WithCount(int32_t count) {
  std::string bytes = BuildArchive({{"a.txt", "hi"}});
  PutLong(bytes, 7, count);
  return bytes;
}

TEST_F(VCZTest, RejectedHeaderIsUnusableWithoutAMessageAndKeepsTheDirectoryInMemory) {
  const std::string good = Write(BuildArchive({{"a.txt", "hi"}}), "good.vcz");
  // Three entries whose names all cover the same 200 bytes: 600 name bytes
  // from a file of about 300.
  std::string sharedNames = BuildArchive({{std::string(200, 'n'), "1"}, {"b", "2"}, {"c", "3"}});
  for (int i = 1; i < 3; ++i) {
    PutLong(sharedNames, kdtest::ArchiveFieldOffset(i, 0), 200);
    PutLong(sharedNames, kdtest::ArchiveFieldOffset(i, 1), 72);
  }
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"ten bytes", std::string("VCZ\1\0\0\0\1\0\0", 10)},
      {"wrong signature", "VCY" + BuildArchive({{"a.txt", "hi"}}).substr(3)},
      {"lower-case signature", "vcz" + BuildArchive({{"a.txt", "hi"}}).substr(3)},
      {"count zero", WithCount(0)},
      {"count negative", WithCount(-1)},
      {"count largest", WithCount(INT32_MAX)},
      {"count smallest", WithCount(INT32_MIN)},
      {"directory cut short", BuildArchive({{"a.txt", "hi"}}).substr(0, 30)},
      {"directory longer than the file", WithCount(3)},
      {"header-only empty archive", std::string("VCZ\1\0\0\0\0\0\0\0", 11)},
      {"names together larger than the file", sharedNames},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Write(c.bytes);
    clsVCZ vcz;
    EXPECT_EQ(vcz.OpenHeader(path), -1);
    EXPECT_EQ(vcz.FileCount(), 0);
    EXPECT_FALSE(vcz.UnZip(path, Out()));
    EXPECT_FALSE(vcz.ExtractFile(path, Out()));
    ASSERT_EQ(vcz.OpenHeader(good), 1);
    EXPECT_EQ(vcz.OpenHeader(path), -1);
    EXPECT_EQ(vcz.FileCount(), 1);
    EXPECT_EQ(vcz.FileName(0), "a.txt");
  }
  clsVCZ vcz;
  EXPECT_EQ(vcz.OpenHeader(dir_.File("none.vcz")), -1);
  EXPECT_FALSE(vcz.UnZip(dir_.File("none.vcz"), Out()));
  EXPECT_EQ(vcz.OpenHeader(Out()), -1);  // a folder is no archive
  EXPECT_TRUE(std::filesystem::is_empty(Out()));
  EXPECT_TRUE(seams_.messages.plain.empty());
}

// Stated lengths that do not match the body: the entry is refused, nothing is
// written for it (an older file of its name stays), and the entries around it
// are still extracted.
TEST_F(VCZTest, EntryWhoseDirectoryDoesNotMatchItsBodyIsRefusedAlone) {
  const struct {
    const char* name;
    int32_t field;  // directory field to patch in the middle entry
    int32_t value;
  } cases[] = {
      {"uncompressed length too long", 4, 11},
      {"uncompressed length too short", 4, 9},
      {"uncompressed length zero", 4, 0},
      {"uncompressed length negative", 4, -10},
      {"uncompressed length above the cap", 4, 256 * 1024 * 1024 + 1},
      {"uncompressed length largest", 4, INT32_MAX},
      {"body past the end", 2, 100000},
      {"body runs past the end", 3, 100000},
      {"body length largest", 3, INT32_MAX},
      {"body length zero", 3, 0},
      {"body length negative", 3, -1},
      {"body position zero", 2, 0},
      {"body position negative", 2, INT32_MIN},
      {"body points at the names", 2, 72},
      {"name past the end", 1, 100000},
      {"name position zero", 1, 0},
      {"name length zero", 0, 0},
      {"name length negative", 0, -5},
      {"name length largest", 0, INT32_MAX},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(Out());
    std::filesystem::create_directories(Out());
    WriteFile(Out() + "two.txt", "good old content");
    std::string bytes = BuildArchive({{"one.txt", "first"}, {"two.txt", "0123456789"}, {"three.txt", "last"}});
    PutLong(bytes, kdtest::ArchiveFieldOffset(1, c.field), c.value);
    std::string path = Write(bytes);
    clsVCZ vcz;
    ASSERT_EQ(vcz.OpenHeader(path), 3);
    EXPECT_FALSE(vcz.ExtractFile(path, Out()));
    EXPECT_EQ(ReadFile(Out() + "one.txt"), "first");
    EXPECT_EQ(ReadFile(Out() + "three.txt"), "last");
    EXPECT_EQ(ReadFile(Out() + "two.txt"), "good old content");
    EXPECT_EQ(EntryCount(Out()), 3);
  }
  EXPECT_TRUE(seams_.messages.plain.empty());
}

TEST_F(VCZTest, CorruptOrOversizedBodyIsRefused) {
  std::string corrupt = BuildArchive({{"a.txt", std::string(1000, 'a')}});
  corrupt[corrupt.size() - 1] ^= 0x55;  // Adler-32 no longer matches
  // A body far larger than any zlib stream of 2 bytes could be.
  const std::string oversized = BuildArchive({{"a.txt", "hi", kHandBody + std::string(1000, '\0'), std::nullopt}});
  for (const std::string& bytes : {corrupt, oversized}) {
    clsVCZ vcz;
    EXPECT_FALSE(vcz.UnZip(Write(bytes), Out()));
    EXPECT_FALSE(Exists(Out() + "a.txt"));
  }
}

TEST_F(VCZTest, MissingDestinationFolderFailsTheEntry) {
  std::string path = Write(kHandArchive);
  clsVCZ vcz;
  EXPECT_FALSE(vcz.UnZip(path, dir_.File("nowhere/")));
  EXPECT_FALSE(Exists(dir_.File("nowhere")));
  ASSERT_EQ(seams_.messages.plain.size(), 1u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "Open File Error");
}

// A destination that is a file, not a folder, made an extraction that
// keeps existing files say no free name was left beside the entry.
TEST_F(VCZTest, ADestinationThatIsAFileIsGivenAsTheReason) {
  const std::string path = Write(kHandArchive);
  WriteFile(dir_.File("plain"), "a file");
  clsVCZ vcz;
  vcz.CollectProblems();
  ASSERT_EQ(vcz.OpenHeader(path), 1);
  EXPECT_FALSE(vcz.ExtractFile(path, dir_.File("plain/"), clsVCZ::Existing::kKeep));
  EXPECT_EQ(vcz.ProblemText(), "Cannot create file: Not a directory (" + dir_.File("plain/a.txt") + ")");
}

// A write that failed half-way (a full disk) left the entries written
// before it. Every entry is now written beside its target first and put in
// place only when all are written.
TEST_F(VCZTest, AFailedWriteLeavesTheFolderAsItWas) {
  WriteFile(Out() + "one.txt", "old one");
  WriteFile(Out() + "two.txt", "read-only two");
  ASSERT_EQ(::chmod((Out() + "two.txt").c_str(), 0444), 0);
  const std::string path = Write(BuildArchive({{"one.txt", "new one"}, {"two.txt", "new two"}, {"three.txt", "3"}}));
  clsVCZ vcz;
  EXPECT_FALSE(vcz.UnZip(path, Out()));
  EXPECT_EQ(ReadFile(Out() + "one.txt"), "old one");
  EXPECT_EQ(ReadFile(Out() + "two.txt"), "read-only two");
  EXPECT_FALSE(Exists(Out() + "three.txt"));
  EXPECT_EQ(EntryCount(Out()), 2);  // no temporary file is left
  ASSERT_EQ(seams_.messages.plain.size(), 1u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "Open File Error");
}

TEST_F(VCZTest, HostileNamesAreListedButNeverWritten) {
  std::filesystem::create_directories(Out() + "sub");
  std::string path = Write(BuildArchive({{"../escaped.txt", "x"},
                                         {"..", "x"},
                                         {".", "x"},
                                         {"sub/inner.txt", "x"},
                                         {"..\\win.txt", "x"},
                                         {"C:evil.txt", "x"},
                                         {std::string("nul\0.txt", 8), "x"},
                                         {"tab\t.txt", "x"},
                                         {"*.txt", "x"},
                                         {"c1\x81.txt", "x"},
                                         {std::string(256, 'L'), "x"},
                                         {"fine.txt", "ok"}}));
  clsVCZ vcz;
  ASSERT_EQ(vcz.OpenHeader(path), 12);
  EXPECT_EQ(vcz.FileName(0), "../escaped.txt");
  EXPECT_EQ(vcz.FileName(10), "");  // longer than any saved name: not even read
  EXPECT_FALSE(vcz.ExtractFile(path, Out()));
  for (int i = 0; i < 11; ++i) EXPECT_FALSE(vcz.ExtractEntry(path, i, Out())) << i;
  EXPECT_EQ(ReadFile(Out() + "fine.txt"), "ok");
  EXPECT_FALSE(Exists(dir_.File("escaped.txt")));
  EXPECT_FALSE(Exists(Out() + "sub/inner.txt"));
  // Only the folder made above and the one sound entry.
  EXPECT_EQ(EntryCount(Out()), 2);
}

// Two entries of one name both went to the same file: the later replaced
// the earlier, or, kept beside it, was called the update's copy of a file
// of the user's. The later one is now refused with the reason; names that
// differ only in case count as one, as a folder without case takes them.
TEST_F(VCZTest, AnEntryNamedLikeAnEarlierOneIsRefused) {
  const std::string path = Write(BuildArchive({{"a.txt", "one"}, {"b.txt", "b"}, {"a.txt", "two"}, {"A.TXT", "3"}}));
  for (const auto existing : {clsVCZ::Existing::kReplace, clsVCZ::Existing::kKeep}) {
    SCOPED_TRACE(static_cast<int>(existing));
    std::filesystem::remove_all(Out());
    std::filesystem::create_directories(Out());
    clsVCZ vcz;
    vcz.CollectProblems();
    ASSERT_EQ(vcz.OpenHeader(path), 4);
    std::vector<clsVCZ::Written> written;
    EXPECT_FALSE(vcz.ExtractFile(path, Out(), existing, &written));
    EXPECT_EQ(ReadFile(Out() + "a.txt"), "one");
    EXPECT_EQ(ReadFile(Out() + "b.txt"), "b");
    EXPECT_EQ(EntryCount(Out()), 2);
    EXPECT_EQ(vcz.ProblemText(), "'a.txt' has the name of an earlier entry");
  }
}

TEST(VCZNames, BareFileNames) {
  struct Case {
    std::string name;
    bool bare;
  };
  const Case cases[] = {
      {"2024 Master 0003.kwr", true}, {"a", true},       {".hidden", true},      {"caf\xC3\xA9", true},
      {"...", true},                  {"", false},       {".", false},           {"..", false},
      {"a/b", false},                 {"/abs", false},   {"a\\b", false},        {"c:", false},
      {std::string("a\0b", 3), false}, {"a\nb", false},  {"a\x7F", false},       {"\xC2\x81", false},
      {"*.kwr", false},               {"a?.kwr", false},
      {std::string(247, 'n'), true},  {std::string(248, 'n'), false},
  };
  for (const auto& c : cases) EXPECT_EQ(clsVCZ::IsBareFileName(c.name), c.bare) << c.name;
}

TEST(VCZExpand, NeedsExactlyTheStatedLength) {
  std::string body = kdtest::Compress("hello");
  std::string out;
  EXPECT_TRUE(clsVCZ::Expand(body, 5, out));
  EXPECT_EQ(out, "hello");
  out = "untouched";
  EXPECT_FALSE(clsVCZ::Expand(body, 4, out));
  EXPECT_FALSE(clsVCZ::Expand(body, 6, out));
  EXPECT_FALSE(clsVCZ::Expand(body, 0, out));
  EXPECT_FALSE(clsVCZ::Expand(body, clsVCZ::kMaxUncompressedLength + 1, out));
  EXPECT_FALSE(clsVCZ::Expand("", 5, out));
  EXPECT_FALSE(clsVCZ::Expand("not zlib at all", 5, out));
  EXPECT_EQ(out, "untouched");
}

// A body of a few bytes stating 256 MB used to have the whole 256 MB made
// (and filled) before zlib said the stream was short. A stated length no
// zlib stream of the body's length can reach is now refused before any of
// it is reserved.
TEST(VCZExpand, StatedLengthTheBodyCannotFillIsRefusedWithoutReservingIt) {
  const std::string body = kdtest::Compress("hello");
  const auto peakKilobytes = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const long before = peakKilobytes();
  std::string out = "untouched";
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(clsVCZ::Expand(body, clsVCZ::kMaxUncompressedLength, out));
  EXPECT_LT(peakKilobytes() - before, 32 * 1024);
  EXPECT_EQ(out, "untouched");

  // A stream that really is long expands whole, however far it grows.
  const std::string big(3'000'000, 'x');
  EXPECT_TRUE(clsVCZ::Expand(kdtest::Compress(big), static_cast<int64_t>(big.size()), out));
  EXPECT_EQ(out, big);
  EXPECT_FALSE(clsVCZ::Expand(kdtest::Compress(big), static_cast<int64_t>(big.size()) - 1, out));
}

// A sparse file of a gigabyte claiming fifty million entries took gigabytes
// to list. The entry count has a ceiling, checked before the directory is
// read; a directory at the ceiling still opens.
TEST_F(VCZTest, EntryCountAboveTheCeilingIsRefusedBeforeTheDirectoryIsRead) {
  for (const int32_t count : {clsVCZ::kMaxEntries, clsVCZ::kMaxEntries + 1, 50'000'000}) {
    SCOPED_TRACE(count);
    std::string bytes = BuildArchive({{"a.txt", "hi"}});
    PutLong(bytes, 7, count);
    const std::string path = Write(bytes);
    // Sparse: as long as the directory claims, without the bytes on disk.
    std::filesystem::resize_file(path, 11 + 20 * std::min<int64_t>(count, 1'000'000) + 64);
    clsVCZ vcz;
    EXPECT_EQ(vcz.OpenHeader(path), count == clsVCZ::kMaxEntries ? count : -1);
  }
}

TEST_F(VCZTest, DirectoryWithMoreNameBytesThanTheCeilingIsRefused) {
  std::vector<ArchiveEntryFixture> entries;
  const int32_t perName = static_cast<int32_t>(clsVCZ::kMaxNameLength);
  const int32_t n = static_cast<int32_t>(clsVCZ::kMaxNameBytes / perName) + 1;
  for (int32_t i = 0; i < n; ++i) {
    std::string name = std::to_string(i);
    entries.push_back({name + std::string(static_cast<std::size_t>(perName) - name.size(), 'n'), "x"});
  }
  clsVCZ vcz;
  EXPECT_EQ(vcz.OpenHeader(Write(BuildArchive(entries))), -1);
  entries.pop_back();
  EXPECT_EQ(vcz.OpenHeader(Write(BuildArchive(entries))), n - 1);
}

// Eight entries on one body of a quarter megabyte wrote two gigabytes.
TEST_F(VCZTest, EntriesSharingBodyBytesRefuseTheWholeArchive) {
  const std::string sound = BuildArchive({{"a.bin", std::string(1000, 'a')}, {"b.bin", std::string(1000, 'b')}});
  int32_t firstBody = 0;
  std::memcpy(&firstBody, sound.data() + kdtest::ArchiveFieldOffset(0, 2), 4);
  // The second entry on the first body, on its second byte, and ending on its first byte.
  for (const int32_t position : {firstBody, firstBody + 1, firstBody - 10}) {
    SCOPED_TRACE(position);
    std::string bytes = sound;
    PutLong(bytes, kdtest::ArchiveFieldOffset(1, 2), position);
    clsVCZ vcz;
    EXPECT_EQ(vcz.OpenHeader(Write(bytes)), -1);
    EXPECT_FALSE(vcz.UnZip(Write(bytes), Out()));
  }
  EXPECT_TRUE(std::filesystem::is_empty(Out()));
}

TEST_F(VCZTest, ArchiveClaimingMoreThanTheTotalOutputCeilingIsRefused) {
  // Stated lengths a body of that size could stand for; the bodies need not
  // be there for the claim to be refused.
  const auto claiming = [&](int n) {
    std::vector<ArchiveEntryFixture> entries;
    for (int i = 0; i < n; ++i) entries.push_back({"e" + std::to_string(i), "x"});
    std::string bytes = BuildArchive(entries);
    for (int i = 0; i < n; ++i) {
      PutLong(bytes, kdtest::ArchiveFieldOffset(i, 2), 100000 + i * 300000);
      PutLong(bytes, kdtest::ArchiveFieldOffset(i, 3), 300000);
      PutLong(bytes, kdtest::ArchiveFieldOffset(i, 4), static_cast<int32_t>(clsVCZ::kMaxUncompressedLength));
    }
    return Write(bytes);
  };
  clsVCZ vcz;
  EXPECT_EQ(vcz.OpenHeader(claiming(4)), 4);  // exactly the ceiling
  EXPECT_EQ(vcz.OpenHeader(claiming(5)), -1);
}

// Names of 248 to 255 bytes were read, and their files then always failed
// "File name too long" at the save.
TEST_F(VCZTest, EntryNameTooLongToSaveIsRefusedWithTheReasonOnce) {
  const std::string path =
      Write(BuildArchive({{std::string(248, 'L'), "x"}, {std::string(255, 'M'), "y"}, {"fine.txt", "ok"}}));
  clsVCZ vcz;
  ASSERT_EQ(vcz.OpenHeader(path), 3);
  ASSERT_EQ(seams_.messages.plain.size(), 1u);
  EXPECT_EQ(seams_.messages.plain[0].caption, "VCZ OpenHeader Error");
  EXPECT_NE(seams_.messages.plain[0].text.find("2 entries are skipped: a file name may have at most 247 bytes"),
            std::string::npos)
      << seams_.messages.plain[0].text;
  EXPECT_FALSE(vcz.ExtractFile(path, Out()));
  EXPECT_EQ(ReadFile(Out() + "fine.txt"), "ok");
  EXPECT_EQ(EntryCount(Out()), 1);
}

}  // namespace
