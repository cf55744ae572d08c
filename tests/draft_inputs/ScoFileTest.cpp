#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>
#include <sstream>

#include "FakeSeams.h"
#include "HostileFiles.h"
#include "ScoringRules.h"
#include "TempDir.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"

namespace {

// Rule 1: 1.5 points for every 10 units of category 44 from 0 to 99999,
// range restricted, positions "All" and 3, through the distribution map.
const std::string kRuleOne(
    "\x00\x00\xC0\x3F"   // Points 1.5
    "\x2C\x00\x00\x00"   // CatID 44
    "\x00\x00\x20\x41"   // FieldVal 10
    "\x00\x00\x00\x00"   // RangeMin 0
    "\x80\x4F\xC3\x47"   // RangeMax 99999
    "\xFF\xFF"           // RangeRestrict True
    "\x0A\x00\x00\x00"   // ApplyToPos bits 1 and 3
    "\xFF\xFF"           // FDM True
    "\x00\x00\x00\x00\x00\x00\x00\x00",
    36);

// Rule 2: a threshold rule, -2 points for a value of 40 to 49 of category 7,
// position 1.
const std::string kRuleTwo(
    "\x00\x00\x00\xC0"   // Points -2
    "\x07\x00\x00\x00"   // CatID 7
    "\x80\x4F\xC3\xC7"   // FieldVal -99999
    "\x00\x00\x20\x42"   // RangeMin 40
    "\x00\x00\x44\x42"   // RangeMax 49
    "\x00\x00"           // RangeRestrict False
    "\x02\x00\x00\x00"   // ApplyToPos bit 1
    "\x00\x00"           // FDM False
    "\x00\x00\x00\x00\x00\x00\x00\x00",
    36);

// The rule at the cursor as "points cat fieldVal min max restrict mask fdm".
std::string Fields(const clsScoringIsolate& s) {
  std::ostringstream out;
  out << s.Points() << ' ' << s.CatID() << ' ' << s.FieldVal() << ' ' << s.RangeMin() << ' ' << s.RangeMax() << ' '
      << s.RangeRestrict() << ' ' << s.ApplyToPos() << ' ' << s.FDM();
  return out.str();
}

class ScoFile : public ::testing::Test {
 protected:
  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
};

}  // namespace

TEST_F(ScoFile, WritesPackedRecordsExactly) {
  clsScoringIsolate s;
  AddRule(s, 1.5f, 44, 10.0f, 0.0f, 99999.0f, -1, 10, -1);
  AddRule(s, -2.0f, 7, kThresholdRule, 40.0f, 49.0f, 0, 2, 0);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir.File("a.sco"), s));
  EXPECT_EQ(kdtest::ReadFile(dir.File("a.sco")), kRuleOne + kRuleTwo);
  EXPECT_TRUE(s.IsEOF());
}

TEST_F(ScoFile, ReadsEveryFieldOfEachRecord) {
  kdtest::WriteFile(dir.File("a.sco"), kRuleOne + kRuleTwo);
  clsScoringIsolate s;
  ASSERT_TRUE(basSCOFileControl::ReadScoFileToIsolate(dir.File("a.sco"), s));
  ASSERT_EQ(s.RecordCount(), 2);
  EXPECT_TRUE(s.IsEOF());
  s.MoveFirst();
  EXPECT_EQ(Fields(s), "1.5 44 10 0 99999 -1 10 -1");
  EXPECT_TRUE(s.UsePos(17));  // "All"
  s.MoveNext();
  EXPECT_EQ(Fields(s), "-2 7 -99999 40 49 0 2 0");
  EXPECT_EQ(s.FieldVal(), kThresholdRule);
}

TEST_F(ScoFile, RoundTripsByteForByteIncludingOddSingles) {
  // Singles that a detour through Double or text would change: the largest
  // Single, a denormal, negative zero, and an odd 16-bit flag value.
  std::string odd = kRuleOne;
  const uint32_t maxBits = 0x7F7FFFFFu, denormBits = 0x00000001u, negZeroBits = 0x80000000u;
  std::memcpy(odd.data() + 0, &maxBits, 4);
  std::memcpy(odd.data() + 8, &denormBits, 4);
  std::memcpy(odd.data() + 12, &negZeroBits, 4);
  odd[20] = '\x05';
  odd[21] = '\x00';
  const std::string original = odd + kRuleTwo;
  kdtest::WriteFile(dir.File("in.sco"), original);
  clsScoringIsolate s;
  ASSERT_TRUE(basSCOFileControl::ReadScoFileToIsolate(dir.File("in.sco"), s));
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir.File("out.sco"), s));
  EXPECT_EQ(kdtest::ReadFile(dir.File("out.sco")), original);
}

TEST_F(ScoFile, RecordCountIsTheNumberOfWholeRecords) {
  struct Case {
    std::size_t bytes;
    int32_t count;
  } cases[] = {{72, 2}, {54, 1}, {71, 1}, {36, 1}, {35, -1}, {18, -1}, {0, -1}};
  const std::string two = kRuleOne + kRuleTwo;
  for (const Case& c : cases) {
    kdtest::WriteFile(dir.File("c.sco"), two.substr(0, c.bytes));
    std::vector<ScoringRuleRecord> records;
    EXPECT_EQ(basSCOFileControl::ReadScoRecords(dir.File("c.sco"), records), c.count) << c.bytes;
    if (c.count > 0) {
      ASSERT_EQ(records.size(), static_cast<std::size_t>(c.count));
      EXPECT_EQ(records[0].CatID, 44);
      // A trailing partial record is ignored, not padded into a rule.
      clsScoringIsolate s;
      ASSERT_TRUE(basSCOFileControl::ReadScoFileToIsolate(dir.File("c.sco"), s));
      EXPECT_EQ(s.RecordCount(), c.count);
    }
  }
}

TEST_F(ScoFile, MissingOrEmptyFileHoldsNoRulesAndLeavesSystemUnchanged) {
  clsScoringIsolate s;
  AddRule(s, 3.0f, 5, 1.0f, 0.0f, 10.0f, 0, 2, 0);
  std::vector<ScoringRuleRecord> records;
  EXPECT_EQ(basSCOFileControl::ReadScoRecords(dir.File("none.sco"), records), -1);
  EXPECT_FALSE(basSCOFileControl::ReadScoFileToIsolate(dir.File("none.sco"), s));
  kdtest::WriteFile(dir.File("short.sco"), std::string(18, '\x01'));
  EXPECT_FALSE(basSCOFileControl::ReadScoFileToIsolate(dir.File("short.sco"), s));
  ASSERT_EQ(s.RecordCount(), 1);
  s.MoveFirst();
  EXPECT_EQ(s.CatID(), 5);
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST_F(ScoFile, UnreadablePathShowsOpenFileError) {
  std::vector<ScoringRuleRecord> records;
  // A folder exists but is not a file.
  EXPECT_EQ(basSCOFileControl::ReadScoRecords(dir.Path() + ".", records), -1);
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  EXPECT_NE(fakes.messages.plain[0].text.find("\r\n" + dir.Path() + "."), std::string::npos);
}

TEST_F(ScoFile, RulesWithNegativeCategoryAreNotSavedAndWithoutAnyTheFileIsEmpty) {
  clsScoringIsolate s;
  AddRule(s, 9.0f, -1, 1.0f, 0.0f, 1.0f, 0, 2, 0);
  AddRule(s, 1.5f, 44, 10.0f, 0.0f, 99999.0f, -1, 10, -1);
  AddRule(s, 9.0f, -7, 1.0f, 0.0f, 1.0f, 0, 2, 0);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir.File("a.sco"), s));
  EXPECT_EQ(kdtest::ReadFile(dir.File("a.sco")), kRuleOne);

  kdtest::WriteFile(dir.File("a.sco"), kRuleOne + kRuleTwo);
  s.Clear();
  AddRule(s, 9.0f, -1, 1.0f, 0.0f, 1.0f, 0, 2, 0);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir.File("a.sco"), s));
  EXPECT_EQ(std::filesystem::file_size(dir.File("a.sco")), 0u);
  clsScoringIsolate empty;
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir.File("b.sco"), empty));
  EXPECT_EQ(std::filesystem::file_size(dir.File("b.sco")), 0u);
}

TEST_F(ScoFile, FailedSaveLeavesWhatWasThereAndSaysSo) {
  // The target is a folder with a file in it, so the final rename must fail.
  const std::string target = dir.Path() + "a.sco";
  kdtest::WriteFile(target + "/keep.sco", kRuleOne);
  clsScoringIsolate s;
  AddRule(s, -2.0f, 7, kThresholdRule, 40.0f, 49.0f, 0, 2, 0);
  EXPECT_FALSE(basSCOFileControl::WriteScoFile(target, s));
  EXPECT_EQ(kdtest::ReadFile(target + "/keep.sco"), kRuleOne);
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  EXPECT_NE(fakes.messages.plain[0].text.find("\r\n" + target), std::string::npos);
}

// No database field and no score can hold a value that is not a finite
// number (SQLite keeps a NaN as Null): the file is refused where it is read.
TEST_F(ScoFile, ARuleHoldingANonFiniteValueRefusesTheFileWithOneMessage) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    std::size_t offset;  // Points, FieldVal, RangeMin, RangeMax
    float value;
  } cases[] = {{0, nan}, {8, nan}, {12, nan}, {16, nan}, {0, inf}, {8, -inf}, {16, inf}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.offset);
    fakes.messages.plain.clear();
    std::string bad = kRuleTwo;
    std::memcpy(bad.data() + c.offset, &c.value, 4);
    kdtest::WriteFile(dir.File("bad.sco"), kRuleOne + bad);
    clsScoringIsolate s;
    AddRule(s, 3.0f, 5, 1.0f, 0.0f, 10.0f, 0, 2, 0);
    EXPECT_FALSE(basSCOFileControl::ReadScoFileToIsolate(dir.File("bad.sco"), s));
    EXPECT_EQ(s.RecordCount(), 1);
    ASSERT_EQ(fakes.messages.plain.size(), 1u);
    EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
    EXPECT_EQ(fakes.messages.plain[0].text,
              "Scoring rule 2 holds a value that is not a finite number\r\n" + dir.File("bad.sco"));
    // A reader that only looks hears why instead.
    std::vector<ScoringRuleRecord> records;
    std::string refused;
    EXPECT_EQ(basSCOFileControl::ReadScoRecords(dir.File("bad.sco"), records, &refused), -1);
    EXPECT_EQ(refused, "Scoring rule 2 holds a value that is not a finite number");
    EXPECT_EQ(fakes.messages.plain.size(), 1u);
  }
}

TEST_F(ScoFile, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
  for (const auto kind : {kdtest::NotAFile::kFifo, kdtest::NotAFile::kDevZero, kdtest::NotAFile::kFolder}) {
    SCOPED_TRACE(kdtest::NotAFileName(kind));
    fakes.messages.plain.clear();
    kdtest::MakeNotAFile(dir.File("odd.sco"), kind);
    std::vector<ScoringRuleRecord> records;
    EXPECT_EQ(basSCOFileControl::ReadScoRecords(dir.File("odd.sco"), records), -1);
    ASSERT_EQ(fakes.messages.plain.size(), 1u);
    EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  }
}

// Files beyond the ceiling would hold millions of rules (and as many maps to
// build); they are refused like an unreadable file and change nothing.
TEST_F(ScoFile, FileLargerThanTheCeilingIsRefusedWithOpenFileError) {
  std::string bytes;
  while (bytes.size() <= basSCOFileControl::kMaxScoFileBytes) bytes += kRuleOne;
  kdtest::WriteFile(dir.File("huge.sco"), bytes);
  clsScoringIsolate s;
  s.AddNew();
  EXPECT_FALSE(basSCOFileControl::ReadScoFileToIsolate(dir.File("huge.sco"), s));
  EXPECT_EQ(s.RecordCount(), 1);
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");

  bytes.resize(basSCOFileControl::kMaxScoFileBytes / 36 * 36);
  kdtest::WriteFile(dir.File("full.sco"), bytes);
  std::vector<ScoringRuleRecord> records;
  EXPECT_EQ(basSCOFileControl::ReadScoRecords(dir.File("full.sco"), records),
            static_cast<int32_t>(basSCOFileControl::kMaxScoFileBytes / 36));
}
