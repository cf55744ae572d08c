#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <stdexcept>

#include "FakeSeams.h"
#include "KwrFixtures.h"
#include "TempDir.h"
#include "platform/runtime/Rounding.h"
#include "player_data/basKWRFileControl.h"

using namespace basKWRFileControl;
using kwrtest::Describe;

namespace {

std::string Bytes(const char* data, std::size_t n) { return std::string(data, n); }

// A master file worked out by hand: season 2024, text "Strain A", two
// blocks. Week 0 registers John Doe (master 1234, team 12, position 3);
// week 250 holds two of his season stats and team 12's bye in week 9.
const std::string kHeader = Bytes(
    "Vellacorn KWR  "    // signature, blank-padded to 15
    "\x04\x00\x00\x00"   // version 4
    "\x01\x00\x00\x00"   // count 1: index entries 0 and 1
    "\xE8\x07",          // year 2024
    25);
const std::string kText = "Strain A" + std::string(52, ' ');  // offset 25
const std::string kIndex = Bytes(                              // offset 85
    "\x00\x00\x00\x00" "\x66\x00\x00\x00"   // week 0 at position 102
    "\xFA\x00\x00\x00" "\xAF\x00\x00\x00",  // week 250 at position 175
    16);
const std::string kRegistration =  // offset 101, 73 bytes
    Bytes("\x04"                     // block version 4
          "\x01\x00\x00\x00"         // 1 biography
          "\x00\x00\x00\x00"         // no stats
          "\x00\x00\x00\x00"         // no yardage
          "\x00\x00\x00\x00"         // no modifications
          "\xD2\x04\x00\x00",        // MasID 1234
          21) +
    "Doe, John" + std::string(31, ' ') +  // BackName
    Bytes("\x5F\x89\x00\x00"               // DOB 35167
          "\x0C\x00\x00\x00"               // TeaID 12
          "\x03\x00\x00\x00",              // PosID 3
          12);
const std::string kSeason = Bytes(  // offset 174, 50 bytes
    "\x04"
    "\x00\x00\x00\x00"                               // no biography
    "\x02\x00\x00\x00"                               // 2 stats
    "\x00\x00\x00\x00"                               // no yardage
    "\x01\x00\x00\x00"                               // 1 modification
    "\xD2\x04\x00\x00" "\x0C" "\xFA" "\x07" "\x00\x50\x9C\x44"   // 1234, team 12, week 250, cat 7, 1250.5
    "\xD2\x04\x00\x00" "\x0C" "\xFA" "\x09" "\x00\x00\x00\x41"   // 1234, team 12, week 250, cat 9, 8
    "\xFE\xFF\xFF\xFF" "\x0C" "\x09" "\x00" "\x00\x00\xFD\x44",  // bye: team 12, week 9, year 2024
    50);

std::string HandMadeFile() { return kHeader + kText + kIndex + kRegistration + kSeason; }

void PutLong(std::string& bytes, std::size_t offset, int32_t value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

struct KwrFileTest : ::testing::Test {
  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
  std::string path = dir.File("2024 Master 0001.kwr");

  void Write(const std::string& bytes) { kdtest::WriteFile(path, bytes); }
  std::vector<std::string> PlainTexts() const {
    std::vector<std::string> out;
    for (const auto& call : fakes.messages.plain) out.push_back(call.caption + ": " + call.text);
    return out;
  }
};

const std::vector<std::string> kBadBlock = {"KWR Import Aborted: Incorrect KWR Version."};

}  // namespace

TEST_F(KwrFileTest, ReadsHandMadeMasterFileExactly) {
  ASSERT_EQ(HandMadeFile().size(), 224u);
  Write(HandMadeFile());

  std::vector<KWRIndexEntry> index;
  std::string text;
  ASSERT_EQ(ReadKwrHeader(path, index, text), 1);
  EXPECT_EQ(text, kText);
  ASSERT_EQ(index.size(), 2u);
  EXPECT_EQ(std::to_string(index[0].Week) + "@" + std::to_string(index[0].Position) + " " +
                std::to_string(index[1].Week) + "@" + std::to_string(index[1].Position),
            "0@102 250@175");

  KWRBlock block;
  int32_t position = index[0].Position;
  ASSERT_TRUE(ReadKwrBlock(path, block, position));
  EXPECT_EQ(position, 175);
  EXPECT_EQ(Describe(block),
            "v4 bios[1234 'Doe, John" + std::string(31, ' ') + "' 35167 12 3] stats[] yds[] mods[]");
  ASSERT_TRUE(ReadKwrBlock(path, block, position));
  EXPECT_EQ(position, 225);
  EXPECT_EQ(Describe(block), "v4 bios[] stats[1234/12/250/7=1250.5 1234/12/250/9=8] yds[] mods[-2/12/9/0=2024]");
  int16_t year = 0;
  ASSERT_TRUE(KwrByeWeekYear(block.Modifications[0], year));
  EXPECT_EQ(year, 2024);
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST_F(KwrFileTest, WritesSeasonAndRegistrationFilesExactly) {
  // One week: count 0, one index entry at offset 85, the block at position 94.
  WriteKwrWeeks(path, 250, 250, 2024, "Strain A", [](uint8_t week, KWRBlock& block) {
    AddStatRecord(block, 1234, 12, week, 7, 1250.5f);
    AddStatRecord(block, 1234, 12, week, 9, 8.0f);
  });
  const std::string expected =
      Bytes("Vellacorn KWR  " "\x04\x00\x00\x00" "\x00\x00\x00\x00" "\xE8\x07", 25) + kText +
      Bytes("\xFA\x00\x00\x00" "\x5E\x00\x00\x00", 8) +
      Bytes("\x04" "\x00\x00\x00\x00" "\x02\x00\x00\x00" "\x00\x00\x00\x00" "\x00\x00\x00\x00"
            "\xD2\x04\x00\x00" "\x0C" "\xFA" "\x07" "\x00\x50\x9C\x44"
            "\xD2\x04\x00\x00" "\x0C" "\xFA" "\x09" "\x00\x00\x00\x41",
            39);
  EXPECT_EQ(kdtest::ReadFile(path), expected);

  // The registration block as hand-made.
  WriteKwrWeeks(path, 0, 0, 2024, "Strain A", [](uint8_t, KWRBlock& block) {
    block.Bios.push_back(KWRBioRecord{1234, "Doe, John", 35167, 12, 3});
  });
  const std::string file = kdtest::ReadFile(path);
  ASSERT_EQ(file.size(), 85u + 8u + kRegistration.size());
  EXPECT_EQ(file.substr(93), kRegistration);
}

TEST_F(KwrFileTest, RoundTripKeepsEveryRecordAndChainsPositions) {
  // Names padded to 40 characters as they read back; "Müller, Jörg" is 12
  // Windows-1252 bytes.
  KWRBlock weeks[3];
  weeks[0].Bios = {{7, "Smith, Al" + std::string(31, ' '), 30000, 4, 2},
                   {0, std::string(40, ' '), 0, 0, 0},
                   {9, "Müller, Jörg" + std::string(28, ' '), -1, 31, 5}};
  weeks[1].Stats = {{7, 4, 1, 3, 12.25f}, {7, 4, 1, 4, -3.5f}, {9, 31, 1, 3, 1e-7f}};
  weeks[1].Yardage = {{9, 31, 1, 2, 47.0f}};
  weeks[2].Modifications = {{-2, 4, 7, 0, 2025.0f}, {5, 1, 2, 3, 4.0f}};
  WriteKwrWeeks(path, 0, 2, 2025, "é", [&](uint8_t week, KWRBlock& block) { block = weeks[week]; });

  std::vector<KWRIndexEntry> index;
  std::string text;
  ASSERT_EQ(ReadKwrHeader(path, index, text), 2);
  EXPECT_EQ(text, "é" + std::string(59, ' '));
  int32_t chained = index[0].Position;
  for (int w = 0; w < 3; ++w) {
    SCOPED_TRACE(w);
    EXPECT_EQ(index[w].Week, w);
    EXPECT_EQ(index[w].Position, chained);
    KWRBlock read;
    ASSERT_TRUE(ReadKwrBlock(path, read, chained));
    weeks[w].Version = 4;
    EXPECT_EQ(Describe(read), Describe(weeks[w]));
  }
  EXPECT_EQ(static_cast<std::size_t>(chained), kdtest::ReadFile(path).size() + 1);
}

TEST_F(KwrFileTest, HeaderTextIsCutOrPaddedToSixtyBytes) {
  for (const std::string& written : {std::string(70, 'x'), std::string()}) {
    WriteKwrWeeks(path, 1, 1, 2024, written, [](uint8_t, KWRBlock&) {});
    std::vector<KWRIndexEntry> index;
    std::string text;
    ASSERT_EQ(ReadKwrHeader(path, index, text), 0);
    EXPECT_EQ(text, std::string(60, written.empty() ? ' ' : 'x'));
  }
}

TEST_F(KwrFileTest, OlderHeaderVersionsHaveNoTextAndIndexAtOffset25) {
  // The same blocks behind a version-N header without text: every position
  // moves 60 bytes down.
  for (int32_t version = 0; version <= 3; ++version) {
    SCOPED_TRACE(version);
    std::string header = kHeader;
    PutLong(header, 15, version);
    std::string index = kIndex;
    PutLong(index, 4, 102 - 60);
    PutLong(index, 12, 175 - 60);
    Write(header + index + kRegistration + kSeason);

    std::vector<KWRIndexEntry> entries;
    std::string text = "old";
    ASSERT_EQ(ReadKwrHeader(path, entries, text), 1);
    EXPECT_EQ(text, std::string(60, '\0'));
    int32_t position = entries[1].Position;
    KWRBlock block;
    ASSERT_TRUE(ReadKwrBlock(path, block, position));
    EXPECT_EQ(block.Stats.size(), 2u);
  }
}

TEST_F(KwrFileTest, BlockVersionsUpToFourAreRead) {
  for (uint8_t version = 0; version <= 4; ++version) {
    std::string file = HandMadeFile();
    file[174] = static_cast<char>(version);
    Write(file);
    KWRBlock block;
    int32_t position = 175;
    EXPECT_TRUE(ReadKwrBlock(path, block, position)) << int(version);
    EXPECT_EQ(block.Version, version);
  }
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST_F(KwrFileTest, RejectedHeaderReturnsMinusOneAndKeepsOutputs) {
  struct Case {
    const char* name;
    std::function<void(std::string&)> spoil;
  };
  const Case cases[] = {
      {"header version 5", [](std::string& f) { PutLong(f, 15, 5); }},
      {"negative header version", [](std::string& f) { PutLong(f, 15, -1); }},
      {"signature in other case", [](std::string& f) { f.replace(0, 9, "VELLACORN"); }},
      {"foreign signature", [](std::string& f) { f.replace(0, 15, "Vellacorn Zip  "); }},
      {"signature padded with NUL", [](std::string& f) { f[13] = '\0'; }},
      {"count below -1", [](std::string& f) { PutLong(f, 19, -2); }},
      // 139 bytes follow offset 85: room for 17 entries, and count 17 asks for 18.
      {"count one entry past the file", [](std::string& f) { PutLong(f, 19, 17); }},
      {"count at the Long maximum",
       [](std::string& f) { PutLong(f, 19, std::numeric_limits<int32_t>::max()); }},
      {"count at the Long minimum",
       [](std::string& f) { PutLong(f, 19, std::numeric_limits<int32_t>::min()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string file = HandMadeFile();
    c.spoil(file);
    Write(file);
    std::vector<KWRIndexEntry> index = {{5, 6}};
    std::string text = "kept";
    EXPECT_EQ(ReadKwrHeader(path, index, text), -1);
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index[0].Week, 5);
    EXPECT_EQ(text, "kept");
  }
  EXPECT_TRUE(fakes.messages.plain.empty());
}

// A sparse 4 GiB file claiming 536 million index entries was read whole.
// The count now has a ceiling, checked before the index is sized or read.
TEST_F(KwrFileTest, IndexCountAboveTheCeilingIsRefusedBeforeTheIndexIsRead) {
  for (const int64_t entries : {kKwrMaxIndexEntries, kKwrMaxIndexEntries + 1, int64_t{536'870'912}}) {
    SCOPED_TRACE(entries);
    std::string file = HandMadeFile();
    PutLong(file, 19, static_cast<int32_t>(entries - 1));
    Write(file);
    // Sparse: long enough for the index it claims, with nothing on disk.
    std::filesystem::resize_file(path, 85 + 8 * static_cast<uintmax_t>(entries) + 64);
    std::vector<KWRIndexEntry> index;
    std::string text;
    const int32_t count = ReadKwrHeader(path, index, text);
    if (entries == kKwrMaxIndexEntries) {
      EXPECT_GE(count, 1);  // read; the blocks' bytes read as entries are sorted out later
    } else {
      EXPECT_EQ(count, -1);
      EXPECT_TRUE(index.empty());
    }
  }
}

TEST_F(KwrFileTest, SignatureBlanksAreTrimmedAndAnEmptyIndexGivesTextAndNoEntries) {
  std::string file = HandMadeFile();
  file.replace(0, 15, "  Vellacorn KWR");
  Write(file);
  std::vector<KWRIndexEntry> index = {{5, 6}};
  std::string text;
  EXPECT_EQ(ReadKwrHeader(path, index, text), 1);
  PutLong(file, 19, -1);
  Write(file);
  EXPECT_EQ(ReadKwrHeader(path, index, text), -1);
  EXPECT_TRUE(index.empty());
  EXPECT_EQ(text, kText);
}

TEST_F(KwrFileTest, IndexWeeksOutsideByteRangeAreSkipped) {
  // Four entries: weeks 0, 256, -1 and 250; the file holds them in place of
  // the two of the hand-made file, which moves the blocks 16 bytes on.
  std::string file = HandMadeFile();
  PutLong(file, 19, 3);
  std::string index = Bytes(
      "\x00\x00\x00\x00" "\x76\x00\x00\x00"
      "\x00\x01\x00\x00" "\x76\x00\x00\x00"
      "\xFF\xFF\xFF\xFF" "\x76\x00\x00\x00"
      "\xFA\x00\x00\x00" "\xBF\x00\x00\x00",
      32);
  file.replace(85, 16, index);
  Write(file);

  std::vector<KWRIndexEntry> entries;
  std::string text;
  ASSERT_EQ(ReadKwrHeader(path, entries, text), 1);
  EXPECT_EQ(std::to_string(entries[0].Week) + " " + std::to_string(entries[1].Week), "0 250");
  KWRBlock block;
  int32_t position = entries[1].Position;
  ASSERT_TRUE(ReadKwrBlock(path, block, position));
  EXPECT_EQ(block.Modifications.size(), 1u);
}

TEST_F(KwrFileTest, TruncatedFileAtEveryLength) {
  const std::string whole = HandMadeFile();
  for (std::size_t length = 0; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    Write(whole.substr(0, length));
    fakes.messages.plain.clear();
    std::vector<KWRIndexEntry> index;
    std::string text;
    const int32_t count = ReadKwrHeader(path, index, text);
    if (length < 101) {
      EXPECT_EQ(count, -1);
      continue;
    }
    ASSERT_EQ(count, 1);
    const std::size_t ends[] = {174, 224};
    std::size_t bad = 0;
    for (int i = 0; i <= count; ++i) {
      KWRBlock block;
      block.Bios.push_back(KWRBioRecord{99, "untouched", 0, 0, 0});
      int32_t position = index[i].Position;
      const int32_t before = position;
      const bool wholeBlock = length >= ends[i];
      EXPECT_EQ(ReadKwrBlock(path, block, position), wholeBlock);
      if (!wholeBlock) {
        ++bad;
        EXPECT_EQ(position, before);
        ASSERT_EQ(block.Bios.size(), 1u);
        EXPECT_EQ(block.Bios[0].MasID, 99);
      }
    }
    EXPECT_EQ(fakes.messages.plain.size(), bad);
  }
}

TEST_F(KwrFileTest, BadBlockOrPositionIsRefusedAndTheNextBlockStillReads) {
  struct Case {
    const char* name;
    std::size_t offset;  // of the first block's field to spoil
    int32_t value;
  };
  // The first block (offset 101) holds one biography and ends at 174; the
  // file ends at 224, so each spoiled count below reaches past it.
  const Case cases[] = {
      {"bios inflated", 101 + 1, 2},
      {"bios at the Long maximum", 101 + 1, std::numeric_limits<int32_t>::max()},
      {"stats inflated", 101 + 5, 12},
      {"yardage at the Long maximum", 101 + 9, std::numeric_limits<int32_t>::max()},
      {"modifications negative", 101 + 13, -1},
      {"stats at the Long minimum", 101 + 5, std::numeric_limits<int32_t>::min()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string file = HandMadeFile();
    PutLong(file, c.offset, c.value);
    Write(file);
    fakes.messages.plain.clear();
    KWRBlock block;
    int32_t position = 102;
    EXPECT_FALSE(ReadKwrBlock(path, block, position));
    EXPECT_EQ(position, 102);
    EXPECT_TRUE(block.Bios.empty());
    EXPECT_EQ(PlainTexts(), kBadBlock);
  }

  // With the whole file in place, a spoiled first block leaves the second intact.
  std::string file = HandMadeFile();
  file[101] = 5;
  Write(file);
  fakes.messages.plain.clear();
  std::vector<KWRIndexEntry> index;
  std::string text;
  ASSERT_EQ(ReadKwrHeader(path, index, text), 1);
  KWRBlock first, second;
  int32_t p0 = index[0].Position, p1 = index[1].Position;
  EXPECT_FALSE(ReadKwrBlock(path, first, p0));
  EXPECT_TRUE(ReadKwrBlock(path, second, p1));
  EXPECT_EQ(second.Stats.size(), 2u);
  EXPECT_EQ(PlainTexts(), kBadBlock);

  // So are positions outside the file.
  Write(HandMadeFile());
  for (int32_t position : {0, -5, 209, 224, 225, 10000, std::numeric_limits<int32_t>::max(),
                           std::numeric_limits<int32_t>::min()}) {
    SCOPED_TRACE(position);
    fakes.messages.plain.clear();
    KWRBlock block;
    int32_t p = position;
    EXPECT_FALSE(ReadKwrBlock(path, block, p));
    EXPECT_EQ(p, position);
    EXPECT_EQ(PlainTexts(), kBadBlock);
  }
}

// A block of more than 64 MiB of records, all of them in the file: read
// whole it took about twice its size in memory, so it is a bad block.
TEST_F(KwrFileTest, BlockLargerThanTheCeilingIsABadBlockEvenWhenItFits) {
  const int64_t records = kKwrMaxBlockBytes / kKwrStatBytes + 1;
  std::string block(static_cast<std::size_t>(kKwrBlockHeadBytes + records * kKwrStatBytes), '\0');
  block[0] = 4;
  PutLong(block, 5, static_cast<int32_t>(records));  // stats
  Write(block);
  KWRBlock read;
  int32_t position = 1;
  EXPECT_FALSE(ReadKwrBlock(path, read, position));
  EXPECT_EQ(position, 1);
  EXPECT_TRUE(read.Stats.empty());
  EXPECT_EQ(PlainTexts(), kBadBlock);

  // One record fewer is read.
  PutLong(block, 5, static_cast<int32_t>(records - 1));
  Write(block);
  EXPECT_TRUE(ReadKwrBlock(path, read, position));
  EXPECT_EQ(read.Stats.size(), static_cast<std::size_t>(records - 1));
}

TEST_F(KwrFileTest, MissingFileGivesTheCoreNotices) {
  std::vector<KWRIndexEntry> index;
  std::string text;
  EXPECT_EQ(ReadKwrHeader(path, index, text), -1);
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");

  fakes.messages.plain.clear();
  KWRBlock block;
  int32_t position = 102;
  EXPECT_FALSE(ReadKwrBlock(path, block, position));
  EXPECT_EQ(PlainTexts(), std::vector<std::string>{"File Error: File Not Found:  '" + path + "'"});
}

TEST(KwrByeWeek, OnlyWholeYearsOfByeRecordsCount) {
  struct Case {
    int32_t masID;
    float value;
    bool accepted;
    int16_t year;
  };
  const float inf = std::numeric_limits<float>::infinity();
  const Case cases[] = {
      {-2, 2024.0f, true, 2024},
      {-2, 2024.5f, true, 2024},  // halves to the even year
      {-2, 2025.5f, true, 2026},
      {-2, 32767.0f, true, 32767},
      {-2, 32768.0f, false, 0},
      {-2, -32769.0f, false, 0},
      {-2, std::nanf(""), false, 0},
      {-2, inf, false, 0},
      {-2, -inf, false, 0},
      {-1, 2024.0f, false, 0},
      {0, 2024.0f, false, 0},
      {1234, 2024.0f, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.masID) + " " + std::to_string(c.value));
    int16_t year = 0;
    EXPECT_EQ(KwrByeWeekYear(KWRStatRecord{c.masID, 12, 9, 0, c.value}, year), c.accepted);
    EXPECT_EQ(year, c.year);
  }
}

TEST(KwrWriter, StatRecordTeamAndCategoryMustBeBytes) {
  KWRBlock block;
  AddStatRecord(block, 1, 255, 3, 0, 1.0f);
  EXPECT_EQ(Describe(block), "v0 bios[] stats[1/255/3/0=1] yds[] mods[]");
  EXPECT_THROW(AddStatRecord(block, 1, 256, 3, 1, 1.0f), runtime::OverflowError);
  EXPECT_THROW(AddStatRecord(block, 1, -1, 3, 1, 1.0f), runtime::OverflowError);
  EXPECT_THROW(AddStatRecord(block, 1, 1, 3, 300, 1.0f), runtime::OverflowError);
  EXPECT_EQ(block.Stats.size(), 1u);

  ClearKwrArrays(block);
  EXPECT_TRUE(block.Stats.empty());
}

TEST(KwrWriter, BlockIsWrittenAtItsPositionKeepingTheRest) {
  std::string image = "abcdef";
  KWRBlock block;
  int32_t position = 3;
  WriteKwrBlock(image, block, position);
  EXPECT_EQ(position, 20);
  EXPECT_EQ(image, std::string("ab\x04", 3) + std::string(16, '\0'));

  image = std::string(30, 'z');
  position = 2;
  WriteKwrBlock(image, block, position);
  EXPECT_EQ(image.substr(0, 2), std::string("z\x04", 2));
  EXPECT_EQ(image.substr(18), std::string(12, 'z'));

  position = 0;
  EXPECT_THROW(WriteKwrBlock(image, block, position), std::invalid_argument);
}

TEST_F(KwrFileTest, RefusedOrFailedWriteLeavesTheOldFile) {
  auto none = [](uint8_t, KWRBlock&) {};
  EXPECT_THROW(WriteKwrWeeks(path, 3, 2, 2024, "", none), std::invalid_argument);
  EXPECT_THROW(WriteKwrWeeks(path, 250, 255, 2024, "", none), std::invalid_argument);
  EXPECT_EQ(kdtest::ReadFile(path), "");
  Write(HandMadeFile());
  EXPECT_THROW(WriteKwrWeeks(path, 0, 3, 2024, "",
                             [](uint8_t week, KWRBlock& block) {
                               AddStatRecord(block, 1, week == 2 ? 999 : 1, week, 1, 1.0f);
                             }),
               runtime::OverflowError);
  EXPECT_EQ(kdtest::ReadFile(path), HandMadeFile());

  EXPECT_THROW(WriteKwrWeeks(dir.File("no such folder/x.kwr"), 0, 0, 2024, "",
                             [](uint8_t, KWRBlock&) {}),
               std::runtime_error);
}
