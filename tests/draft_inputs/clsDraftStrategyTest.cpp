#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "TempDir.h"
#include "draft_inputs/clsDraftStrategy.h"

namespace {

using kdtest::Hex;
using kdtest::PokeLong;

// Offsets in the small strategy's file.
constexpr std::size_t kVersionAt = 24, kDescLenAt = 28, kRuleCountAt = 32, kFactorCountAt = 36;
constexpr std::size_t kRuleAt = 46;  // after the 6-byte description
constexpr std::size_t kPosCountAt = kRuleAt + 26;
constexpr std::size_t kSecondFactorCountAt = kRuleAt + 192 + 20 + 4;

// "Top RB": one rule (picks 1..Last, Match Pos Ratio, Roster Value, factors
// LR-TR and X, Include QB and RB-S, no bye conflicts), an INJURY table with
// position 3 at 0.8 and an X table with position 4 at 1.25. Version 1 has
// no bye-conflict field.
std::string SmallStrategyFile(bool noByeConflict = true, int32_t version = 2) {
  const std::string bye = version == 1 ? "" : noByeConflict ? Hex("ff ff") : Hex("00 00");
  return "Vellacorn Draft Strategy" +
         Hex("0" + std::to_string(version) + " 00 00 00  06 00 00 00  01 00 00 00  02 00 00 00") + "Top RB" +
         Hex("01 00 00 00  e7 03 00 00  02 00 00 00  01 00 00 00  ff ff 00 00 ff ff  00 00 00 00  02 00 00 00") +
         bye + Hex("03 00 00 00  ec 03 00 00") + std::string(38 * 4, '\0') +
         Hex("01 00 00 00  01 00 00 00  03 00 00 00  9a 99 99 99 99 99 e9 3f") +
         Hex("02 00 00 00  01 00 00 00  04 00 00 00  00 00 00 00 00 00 f4 3f");
}

// A rule as "beg-end method compare inclusion factors bye [used slots]".
std::string Rule(const clsDraftStrategy& s, int32_t r) {
  std::string out = std::to_string(s.BegPick(r)) + "-" + std::to_string(s.EndPick(r)) + " " +
                    std::to_string(s.Method(r)) + " " + std::to_string(s.Compare(r)) + " " +
                    std::to_string(s.Inclusion(r)) + " ";
  for (int32_t f = 0; f < 3; ++f) out += s.UsingFactor(r, f) ? '1' : '0';
  out += s.NoByeConflict(r) ? " bye [" : " - [";
  for (int32_t id : s.PosInclusionIDs(r))
    if (id != 0) out += std::to_string(id) + " ";
  return out + "]";
}

class DraftStrategyFile : public ::testing::Test {
 protected:
  clsDraftStrategy At(const std::string& name) {
    clsDraftStrategy s;
    s.SetFilePath(dir.Path());
    s.SetFileName(name);
    return s;
  }
  clsDraftStrategy Loaded(const std::string& name, const std::string& bytes) {
    kdtest::WriteFile(dir.File(name), bytes);
    clsDraftStrategy s = At(name);
    EXPECT_TRUE(s.LoadDraftStrategy());
    return s;
  }
  kdtest::TempDir dir;
};

TEST_F(DraftStrategyFile, NewStrategySavedAtOnceIsTheHeaderAndOneBlankEvenOverALongerFile) {
  kdtest::WriteFile(dir.File("new.stg"), std::string(1000, 'z'));
  clsDraftStrategy s = At("new.stg");
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("new.stg")),
            "Vellacorn Draft Strategy" + Hex("02 00 00 00  01 00 00 00  00 00 00 00  00 00 00 00") + " ");
  EXPECT_EQ(s.Description(), " ");
}

TEST_F(DraftStrategyFile, SmallStrategyWithFactorTablesHasExactBytes) {
  clsDraftStrategy s = At("small.stg");
  s.SetDescription("Top RB");
  s.SetCount(1);
  s.SetBegPick(0, 1);
  s.SetEndPick(0, 999);
  s.SetMethod(0, 2);
  s.SetCompare(0, 1);
  s.SetUsingFactor(0, 0, true);
  s.SetUsingFactor(0, 2, true);
  s.AddPositionID(0, 3);
  s.AddPositionID(0, 1004);
  s.SetNoByeConflict(0, true);
  s.AddFactor(clsDraftFactor::kInjury);
  s.SetFactor(clsDraftFactor::kInjury, 3, 0.8);
  s.AddFactor(clsDraftFactor::kX);
  s.SetFactor(clsDraftFactor::kX, 4, 1.25);
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("small.stg")), SmallStrategyFile());
  EXPECT_EQ(SmallStrategyFile().size(), 40u + 6 + 192 + 20 + 20);
}

TEST_F(DraftStrategyFile, LoadReadsEveryFieldAndSavesTheSameBytesWithoutAnyTail) {
  for (const std::string tail : {"", "left over from a longer file"}) {
    SCOPED_TRACE(tail);
    clsDraftStrategy s = Loaded("small.stg", SmallStrategyFile() + tail);
    EXPECT_EQ(s.Description(), "Top RB");
    ASSERT_EQ(s.Count(), 1);
    EXPECT_EQ(Rule(s, 0), "1-999 2 1 0 101 bye [3 1004 ]");
    EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kInjury, 3), 0.8);
    EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kInjury, 4), 1.0);
    EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 4), 1.25);
    EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kLRTR, 3), 1.0);
    s.SetFileName("copy.stg");
    ASSERT_TRUE(s.SaveDraftStrategy());
    EXPECT_EQ(kdtest::ReadFile(dir.File("copy.stg")), SmallStrategyFile());
  }
}

TEST_F(DraftStrategyFile, Version1LoadsWithoutByeCheckAndSavesAsVersion2) {
  clsDraftStrategy s = Loaded("old.stg", SmallStrategyFile(false, 1));
  ASSERT_EQ(s.Count(), 1);
  EXPECT_EQ(Rule(s, 0), "1-999 2 1 0 101 - [3 1004 ]");
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 4), 1.25);
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("old.stg")), SmallStrategyFile(/*noByeConflict=*/false));
}

TEST_F(DraftStrategyFile, RepeatedPositionInAFactorTableKeepsTheLastValue) {
  std::string bytes = SmallStrategyFile();
  bytes.resize(bytes.size() - 20);
  bytes += Hex("02 00 00 00  02 00 00 00  04 00 00 00  00 00 00 00 00 00 f4 3f  04 00 00 00  00 00 00 00 00 00 00 40");
  EXPECT_DOUBLE_EQ(Loaded("dup.stg", bytes).Factor(clsDraftFactor::kX, 4), 2.0);
}

// A factor table of a hundred thousand positions: each entry used to be
// looked up among those read before it, so loading took minutes. The table
// keeps the first place of each position with its last value.
TEST_F(DraftStrategyFile, FactorTableOfAHundredThousandPositionsLoadsInOnePass) {
  constexpr int32_t kEntries = 100000;
  std::string bytes = SmallStrategyFile();
  bytes.resize(bytes.size() - 20);
  bytes += Hex("02 00 00 00") + std::string(4, '\0');
  PokeLong(bytes, bytes.size() - 4, kEntries + 1);
  for (int32_t pos = 0; pos < kEntries; ++pos) {
    bytes += std::string(4, '\0') + Hex("00 00 00 00 00 00 f8 3f");  // 1.5
    PokeLong(bytes, bytes.size() - 12, pos);
  }
  bytes += Hex("07 00 00 00  00 00 00 00 00 00 00 40");  // position 7 again: 2.0
  clsDraftStrategy s = Loaded("long.stg", bytes);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 6), 1.5);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 7), 2.0);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, kEntries - 1), 1.5);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, kEntries), 1.0);
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("long.stg")).size(), bytes.size() - 12);
}

TEST_F(DraftStrategyFile, FileLargerThanTheCeilingIsRefusedAndChangesNothing) {
  std::string bytes = SmallStrategyFile();
  bytes.resize(clsDraftStrategy::kMaxFileBytes + 1, '\0');  // a long tail, otherwise valid
  kdtest::WriteFile(dir.File("huge.stg"), bytes);
  clsDraftStrategy s = At("huge.stg");
  s.SetDescription("kept");
  std::string error;
  EXPECT_FALSE(s.LoadDraftStrategy(&error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(s.Description(), "kept");
  bytes.resize(clsDraftStrategy::kMaxFileBytes);
  kdtest::WriteFile(dir.File("huge.stg"), bytes);
  EXPECT_TRUE(s.LoadDraftStrategy());
  EXPECT_EQ(s.Description(), "Top RB");
}

// A league or draft file names each team's strategy; a name that is a
// path would read a file outside the strategy folder.
TEST_F(DraftStrategyFile, ANameThatIsAPathIsRefusedWithoutReadingIt) {
  kdtest::WriteFile(dir.File("good.stg"), SmallStrategyFile());
  const std::string folder = std::filesystem::path(dir.Path()).parent_path().filename().string();
  for (const std::string& name : {"../" + folder + "/good.stg", dir.File("good.stg"), std::string("..")}) {
    SCOPED_TRACE(name);
    clsDraftStrategy s = At(name);
    s.SetDescription("kept");
    std::string error;
    EXPECT_FALSE(s.LoadDraftStrategy(&error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(s.Description(), "kept");
  }
  EXPECT_TRUE(At("good.stg").LoadDraftStrategy());
}

TEST_F(DraftStrategyFile, PositionCountIsClampedToTheFortySlots) {
  std::string bytes = SmallStrategyFile();
  PokeLong(bytes, kPosCountAt, 99);
  clsDraftStrategy s = Loaded("many.stg", bytes);
  EXPECT_THROW(s.AddPositionID(0, 5), std::out_of_range);
  s.RemovePositionID(0, 3);  // walks only the 40 slots
  EXPECT_EQ(s.PosInclusionIDs(0)[0], 1004);
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("many.stg")).substr(kPosCountAt, 4), Hex("27 00 00 00"));

  PokeLong(bytes, kPosCountAt, -3);
  std::string message;
  EXPECT_FALSE(Loaded("none.stg", bytes).IsPositionValid(0, message));
  EXPECT_EQ(message, "No positions selected.");
}

std::string WithLong(std::size_t offset, int32_t value) {
  std::string bytes = SmallStrategyFile();
  PokeLong(bytes, offset, value);
  return bytes;
}

// The small strategy with the X table's one factor replaced by these bytes.
std::string WithLastFactor(const std::string& hex) {
  std::string bytes = SmallStrategyFile();
  return bytes.replace(bytes.size() - 8, 8, Hex(hex));
}

TEST_F(DraftStrategyFile, LargestFactorTheEditorTakesStillReads) {
  clsDraftStrategy s = Loaded("big.stg", WithLastFactor("00 00 00 e0 cf 12 63 c1"));
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 4), -9999999.0);
}

TEST_F(DraftStrategyFile, DamagedFileIsRejectedAndChangesNothing) {
  // A finite factor too large used to be called "not a number".
  const std::string kOutOfRange = "A draft factor is out of range: it may be at most 9,999,999 in magnitude.";
  std::string foreign = SmallStrategyFile();
  foreign[0] = 'X';
  const struct {
    const char* name;
    std::string bytes;
    std::string error;  // when given, the reason word for word
  } cases[] = {
      {"empty", ""},
      {"shorter than the header", SmallStrategyFile().substr(0, 39)},
      {"foreign signature", foreign},
      {"version 0", WithLong(kVersionAt, 0)},
      {"version 3", WithLong(kVersionAt, 3)},
      {"negative description length", WithLong(kDescLenAt, -1)},
      {"negative rule count", WithLong(kRuleCountAt, -1)},
      {"negative factor count", WithLong(kFactorCountAt, -2)},
      {"description past the end", WithLong(kDescLenAt, 100000)},
      {"rule count inflated", WithLong(kRuleCountAt, 2)},
      {"huge rule count", WithLong(kRuleCountAt, INT32_MAX)},
      {"rules cut short", SmallStrategyFile().substr(0, kRuleAt + 100)},
      {"factor count inflated", WithLong(kFactorCountAt, 3)},
      {"factor entries inflated", WithLong(kSecondFactorCountAt, 5)},
      {"negative factor entries", WithLong(kSecondFactorCountAt, -1)},
      {"last factor cut short", SmallStrategyFile().substr(0, SmallStrategyFile().size() - 1)},
      {"factor not a number", WithLastFactor("00 00 00 00 00 00 f8 7f"), "A draft factor is not a number."},
      {"infinite factor", WithLastFactor("00 00 00 00 00 00 f0 ff"), "A draft factor is not a number."},
      // Two such factors multiplied in the draft give a value that is not a number.
      {"factor 1e300", WithLastFactor("9c 75 00 88 3c e4 37 7e"), kOutOfRange},
      {"factor -1e300", WithLastFactor("9c 75 00 88 3c e4 37 fe"), kOutOfRange},
      {"factor 10,000,000", WithLastFactor("00 00 00 00 d0 12 63 41"), kOutOfRange},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    kdtest::WriteFile(dir.File("bad.stg"), c.bytes);
    clsDraftStrategy s = At("bad.stg");
    s.SetDescription("Keep me");
    s.SetCount(2);
    s.SetMethod(1, 5);
    s.AddFactor(clsDraftFactor::kLRTR);
    s.SetFactor(clsDraftFactor::kLRTR, 7, 0.5);
    std::string error;
    EXPECT_FALSE(s.LoadDraftStrategy(&error));
    EXPECT_FALSE(error.empty());
    if (!c.error.empty()) {
      EXPECT_EQ(error, c.error);
    }
    EXPECT_EQ(s.Description(), "Keep me");
    ASSERT_EQ(s.Count(), 2);
    EXPECT_EQ(s.Method(1), 5);
    EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kLRTR, 7), 0.5);
    EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 4), 1.0);
  }
}

TEST_F(DraftStrategyFile, MissingFileIsQuietButASaveIntoAMissingFolderShowsTheSaveError) {
  kdtest::ScopedFakeSeams fakes;
  EXPECT_FALSE(At("absent.stg").LoadDraftStrategy());
  EXPECT_TRUE(fakes.messages.captions.empty());
  clsDraftStrategy s;
  s.SetFilePath(dir.File("no-such-folder/"));
  s.SetFileName("x.stg");
  EXPECT_FALSE(s.SaveDraftStrategy());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Draft Strategy Save Error");
  EXPECT_EQ(fakes.messages.plain[0].buttons, seams::PlainButtons::kOk);
  EXPECT_FALSE(fakes.messages.plain[0].text.empty());
}

TEST_F(DraftStrategyFile, DescriptionIsStoredAsWindows1252) {
  clsDraftStrategy s = At("d.stg");
  s.SetDescription("Café");
  ASSERT_TRUE(s.SaveDraftStrategy());
  const std::string bytes = kdtest::ReadFile(dir.File("d.stg"));
  EXPECT_EQ(bytes.substr(kDescLenAt, 4), Hex("04 00 00 00"));
  EXPECT_EQ(bytes.substr(40), "Caf\xE9");
  EXPECT_EQ(Loaded("d.stg", bytes).Description(), "Café");
}

// --- Rules -----------------------------------------------------------------

TEST(DraftStrategyRules, ResizingKeepsTheFirstRulesAndAddsEmptyOnes) {
  clsDraftStrategy s;
  s.SetCount(1);
  s.SetBegPick(0, 4);
  s.SetStrategyMax(2);
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(Rule(s, 0), "4-0 0 0 0 000 - []");
  EXPECT_EQ(Rule(s, 2), "0-0 0 0 0 000 - []");
  s.SetStrategyMax(0);
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.BegPick(0), 4);
  s.SetStrategyMax(-1);
  EXPECT_EQ(s.Count(), 0);
  s.SetCount(2);
  s.SetCount(0);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_THROW(s.SetStrategyMax(-2), std::out_of_range);
}

TEST(DraftStrategyRules, DeleteMovesLaterRulesDownAndSwapExchangesWholeRules) {
  clsDraftStrategy s;
  s.SetCount(3);
  for (int32_t i = 0; i < 3; ++i) s.SetBegPick(i, 10 + i);
  s.SetMethod(0, 3);
  s.AddPositionID(0, 4);
  s.SetNoByeConflict(2, true);
  s.SetUsingFactor(2, 1, true);
  s.DeleteStrategy(1);
  ASSERT_EQ(s.Count(), 2);
  s.SwapRuleIndex(0, 1);
  EXPECT_EQ(Rule(s, 0), "12-0 0 0 0 010 bye []");
  EXPECT_EQ(Rule(s, 1), "10-0 3 0 0 000 - [4 ]");
  s.DeleteStrategy(1);
  s.DeleteStrategy(0);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_THROW(s.DeleteStrategy(0), std::out_of_range);
}

TEST(DraftStrategyRules, CallerErrorsThrow) {
  clsDraftStrategy s;
  s.SetCount(1);
  EXPECT_THROW(s.BegPick(1), std::out_of_range);
  EXPECT_THROW(s.SetMethod(-1, 0), std::out_of_range);
  EXPECT_THROW(s.UsingFactor(0, 3), std::out_of_range);
  EXPECT_THROW(s.SetUsingFactor(0, -1, true), std::out_of_range);
  EXPECT_THROW(s.SetPosInclusionIDs(0, std::vector<int32_t>(41, 2)), std::out_of_range);
  for (int32_t i = 0; i < 40; ++i) s.AddPositionID(0, 100 + i);
  EXPECT_EQ(s.PosInclusionIDs(0)[39], 139);
  EXPECT_THROW(s.AddPositionID(0, 7), std::out_of_range);
}

TEST(DraftStrategyRules, PositionSlotsTrackTheirOwnCount) {
  clsDraftStrategy s;
  s.SetCount(1);
  for (int32_t id : {3, 4, 3, 5}) s.AddPositionID(0, id);
  s.RemovePositionID(0, 3);  // only the first occurrence
  s.RemovePositionID(0, 9);  // absent
  EXPECT_EQ(Rule(s, 0), "0-0 0 0 0 000 - [4 3 5 ]");
  s.AddPositionID(0, 6);  // the count went down by one
  EXPECT_EQ(Rule(s, 0), "0-0 0 0 0 000 - [4 3 5 6 ]");
  // Setting ids leaves the count and the later slots.
  s.SetPosInclusionIDs(0, std::vector<int32_t>{7, 8});
  s.AddPositionID(0, 9);
  EXPECT_EQ(Rule(s, 0), "0-0 0 0 0 000 - [7 8 5 6 9 ]");
}

TEST(DraftStrategyRules, ClearDropsRulesAndFactorsButKeepsNamesAndDescription) {
  clsDraftStrategy s;
  s.SetFilePath("/x/");
  s.SetFileName("a.stg");
  s.SetDescription("d");
  s.SetCount(2);
  s.AddFactor(clsDraftFactor::kX);
  s.SetFactor(clsDraftFactor::kX, 3, 2.0);
  s.Clear();
  EXPECT_EQ(s.Count(), 0);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 3), 1.0);
  EXPECT_EQ(s.FilePath() + s.FileName() + s.Description(), "/x/a.stgd");
}

TEST(DraftStrategyRules, IsPositionValidGivesTheMessage) {
  const struct {
    int32_t inclusion;
    std::vector<int32_t> ids;
    bool valid;
    const char* message;
  } cases[] = {
      {0, {3}, true, "unchanged"},
      {0, {1}, true, "unchanged"},
      {1, {3}, true, "unchanged"},
      {1, {1}, false, " = No position."},
      {1, {1, 3}, false, " - [Any] used with other selected positions."},
      {0, {3, 1}, false, " - [Any] used with other selected positions."},
      {0, {}, false, "No positions selected."},
      {1, {}, false, "No positions selected."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.inclusion << " " << c.ids.size());
    clsDraftStrategy s;
    s.SetCount(1);
    s.SetInclusion(0, c.inclusion);
    for (int32_t id : c.ids) s.AddPositionID(0, id);
    std::string message = "unchanged";
    EXPECT_EQ(s.IsPositionValid(0, message), c.valid);
    EXPECT_EQ(message, c.message);
  }
}

// --- Factors -------------------------------------------------------------------

TEST(DraftStrategyFactors, TheLastTableOfAKindCountsAndWithoutOneEveryFactorIsOne) {
  clsDraftStrategy s;
  s.SetFactor(clsDraftFactor::kX, 3, 0.5);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 3), 1.0);
  s.AddFactor(clsDraftFactor::kX);
  s.SetFactor(clsDraftFactor::kX, 3, 0.9);
  s.AddFactor(clsDraftFactor::kInjury);
  s.AddFactor(clsDraftFactor::kX);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 3), 1.0);
  s.SetFactor(clsDraftFactor::kX, 3, 1.1);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 3), 1.1);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kInjury, 3), 1.0);
}

TEST(DraftFactor, SetUpdatesTheEntryOrAppendsOne) {
  clsDraftFactor f;
  EXPECT_DOUBLE_EQ(f.Factor(3), 1.0);
  f.SetFactor(3, 0.8);
  f.SetFactor(5, 1.2);
  f.SetFactor(3, 0.7);
  ASSERT_EQ(f.FactorCount(), 2);
  EXPECT_EQ(f.PositionByNdx(0), 3);
  EXPECT_DOUBLE_EQ(f.FactorByNdx(0), 0.7);
  EXPECT_EQ(f.PositionByNdx(1), 5);
  f.SetPositionByNdx(1, 6);
  f.SetFactorByNdx(1, 1.5);
  EXPECT_DOUBLE_EQ(f.Factor(6), 1.5);
  EXPECT_DOUBLE_EQ(f.Factor(5), 1.0);
  EXPECT_THROW(f.FactorByNdx(2), std::out_of_range);
  EXPECT_THROW(f.SetPositionByNdx(-1, 0), std::out_of_range);
  f.Clear();
  EXPECT_EQ(f.FactorCount(), 0);
}

}  // namespace
