#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "TempDir.h"
#include "draft_inputs/clsDraftStrategy.h"

namespace {

// Bytes from hand-written hex ("01 00 ff").
std::string Hex(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i + 1 < text.size();) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    out += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    i += 2;
  }
  return out;
}

std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

// Little-endian Long written into a byte string at an offset.
void PokeLong(std::string& bytes, std::size_t offset, int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

// Offsets in the small strategy's file.
constexpr std::size_t kVersionAt = 24, kDescLenAt = 28, kRuleCountAt = 32, kFactorCountAt = 36;
constexpr std::size_t kRuleAt = 46;  // after the 6-byte description
constexpr std::size_t kPosCountAt = kRuleAt + 26;
constexpr std::size_t kSecondFactorCountAt = kRuleAt + 192 + 20 + 4;

// "Top RB": one rule (picks 1..Last, Match Pos Ratio, Roster Value, factors
// LR-TR and X, Include QB and RB-S, no bye conflicts), an INJURY table with
// position 3 at 0.8 and an X table with position 4 at 1.25.
std::string SmallStrategyHead(int32_t version) {
  return "Vellacorn Draft Strategy" + Hex("0" + std::to_string(version) + " 00 00 00  06 00 00 00  01 00 00 00  02 00 00 00") +
         "Top RB";
}
std::string SmallStrategyRuleStart() {
  return Hex("01 00 00 00  e7 03 00 00  02 00 00 00  01 00 00 00  ff ff 00 00 ff ff  00 00 00 00  02 00 00 00");
}
std::string SmallStrategyRuleIDs() { return Hex("03 00 00 00  ec 03 00 00") + Zeros(38 * 4); }
std::string SmallStrategyFactors() {
  return Hex("01 00 00 00  01 00 00 00  03 00 00 00  9a 99 99 99 99 99 e9 3f") +
         Hex("02 00 00 00  01 00 00 00  04 00 00 00  00 00 00 00 00 00 f4 3f");
}
std::string SmallStrategyFile(bool noByeConflict = true) {
  return SmallStrategyHead(2) + SmallStrategyRuleStart() + (noByeConflict ? Hex("ff ff") : Hex("00 00")) +
         SmallStrategyRuleIDs() + SmallStrategyFactors();
}
std::string SmallStrategyFileVersion1() {
  return SmallStrategyHead(1) + SmallStrategyRuleStart() + SmallStrategyRuleIDs() + SmallStrategyFactors();
}

void BuildSmallStrategy(clsDraftStrategy& s) {
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
}

class DraftStrategyFile : public ::testing::Test {
 protected:
  clsDraftStrategy At(const std::string& name) {
    clsDraftStrategy s;
    s.SetFilePath(dir.Path());
    s.SetFileName(name);
    return s;
  }
  kdtest::TempDir dir;
};

TEST_F(DraftStrategyFile, NewStrategySavedAtOnceIsTheHeaderAndOneBlank) {
  clsDraftStrategy s = At("new.stg");
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("new.stg")),
            "Vellacorn Draft Strategy" + Hex("02 00 00 00  01 00 00 00  00 00 00 00  00 00 00 00") + " ");
  EXPECT_EQ(s.Description(), " ");
}

TEST_F(DraftStrategyFile, SmallStrategyWithFactorTablesHasExactBytes) {
  clsDraftStrategy s = At("small.stg");
  BuildSmallStrategy(s);
  ASSERT_TRUE(s.SaveDraftStrategy());
  const std::string bytes = kdtest::ReadFile(dir.File("small.stg"));
  EXPECT_EQ(bytes.size(), 40u + 6 + 192 + 20 + 20);
  EXPECT_EQ(bytes, SmallStrategyFile());
}

TEST_F(DraftStrategyFile, LoadReadsEveryField) {
  kdtest::WriteFile(dir.File("small.stg"), SmallStrategyFile());
  clsDraftStrategy s = At("small.stg");
  ASSERT_TRUE(s.LoadDraftStrategy());
  EXPECT_EQ(s.Description(), "Top RB");
  ASSERT_EQ(s.Count(), 1);
  EXPECT_EQ(s.BegPick(0), 1);
  EXPECT_EQ(s.EndPick(0), 999);
  EXPECT_EQ(s.Method(0), 2);
  EXPECT_EQ(s.Compare(0), 1);
  EXPECT_TRUE(s.UsingFactor(0, 0));
  EXPECT_FALSE(s.UsingFactor(0, 1));
  EXPECT_TRUE(s.UsingFactor(0, 2));
  EXPECT_EQ(s.Inclusion(0), 0);
  EXPECT_TRUE(s.NoByeConflict(0));
  clsDraftStrategy::PositionIDs ids{};
  ids[0] = 3;
  ids[1] = 1004;
  EXPECT_EQ(s.PosInclusionIDs(0), ids);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kInjury, 3), 0.8);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kInjury, 4), 1.0);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 4), 1.25);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kLRTR, 3), 1.0);
}

TEST_F(DraftStrategyFile, RoundTripKeepsTheBytes) {
  kdtest::WriteFile(dir.File("small.stg"), SmallStrategyFile());
  clsDraftStrategy s = At("small.stg");
  ASSERT_TRUE(s.LoadDraftStrategy());
  s.SetFileName("copy.stg");
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("copy.stg")), SmallStrategyFile());
}

TEST_F(DraftStrategyFile, Version1LoadsWithoutByeCheckAndSavesAsVersion2) {
  kdtest::WriteFile(dir.File("old.stg"), SmallStrategyFileVersion1());
  clsDraftStrategy s = At("old.stg");
  ASSERT_TRUE(s.LoadDraftStrategy());
  ASSERT_EQ(s.Count(), 1);
  EXPECT_FALSE(s.NoByeConflict(0));
  EXPECT_EQ(s.PosInclusionIDs(0)[1], 1004);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 4), 1.25);
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("old.stg")), SmallStrategyFile(/*noByeConflict=*/false));
}

TEST_F(DraftStrategyFile, BytesAfterTheLastFactorAreIgnored) {
  kdtest::WriteFile(dir.File("tail.stg"), SmallStrategyFile() + "left over from a longer file");
  clsDraftStrategy s = At("tail.stg");
  ASSERT_TRUE(s.LoadDraftStrategy());
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("tail.stg")), SmallStrategyFile());
}

TEST_F(DraftStrategyFile, RepeatedPositionInAFactorTableKeepsTheLastValue) {
  std::string bytes = SmallStrategyFile();
  bytes.resize(bytes.size() - 20);
  bytes += Hex("02 00 00 00  02 00 00 00  04 00 00 00  00 00 00 00 00 00 f4 3f  04 00 00 00  00 00 00 00 00 00 00 40");
  kdtest::WriteFile(dir.File("dup.stg"), bytes);
  clsDraftStrategy s = At("dup.stg");
  ASSERT_TRUE(s.LoadDraftStrategy());
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 4), 2.0);
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
  kdtest::WriteFile(dir.File("long.stg"), bytes);
  clsDraftStrategy s = At("long.stg");
  ASSERT_TRUE(s.LoadDraftStrategy());
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

TEST_F(DraftStrategyFile, PositionCountIsClampedToTheFortySlots) {
  std::string bytes = SmallStrategyFile();
  PokeLong(bytes, kPosCountAt, 99);
  kdtest::WriteFile(dir.File("many.stg"), bytes);
  clsDraftStrategy s = At("many.stg");
  ASSERT_TRUE(s.LoadDraftStrategy());
  EXPECT_THROW(s.AddPositionID(0, 5), std::out_of_range);
  s.RemovePositionID(0, 3);  // walks only the 40 slots
  EXPECT_EQ(s.PosInclusionIDs(0)[0], 1004);
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("many.stg")).substr(kPosCountAt, 4), Hex("27 00 00 00"));

  PokeLong(bytes, kPosCountAt, -3);
  kdtest::WriteFile(dir.File("none.stg"), bytes);
  clsDraftStrategy t = At("none.stg");
  ASSERT_TRUE(t.LoadDraftStrategy());
  std::string message;
  EXPECT_FALSE(t.IsPositionValid(0, message));
  EXPECT_EQ(message, "No positions selected.");
}

struct Damage {
  const char* name;
  std::string (*make)();
};

std::string WithLong(std::size_t offset, int32_t value) {
  std::string bytes = SmallStrategyFile();
  PokeLong(bytes, offset, value);
  return bytes;
}

const Damage kDamages[] = {
    {"Empty", [] { return std::string(); }},
    {"ShorterThanTheHeader", [] { return SmallStrategyFile().substr(0, 39); }},
    {"ForeignSignature", [] { std::string b = SmallStrategyFile(); b[0] = 'X'; return b; }},
    {"VersionZero", [] { return WithLong(kVersionAt, 0); }},
    {"VersionThree", [] { return WithLong(kVersionAt, 3); }},
    {"NegativeDescriptionLength", [] { return WithLong(kDescLenAt, -1); }},
    {"NegativeRuleCount", [] { return WithLong(kRuleCountAt, -1); }},
    {"NegativeFactorCount", [] { return WithLong(kFactorCountAt, -2); }},
    {"DescriptionPastTheEnd", [] { return WithLong(kDescLenAt, 100000); }},
    {"RuleCountInflated", [] { return WithLong(kRuleCountAt, 2); }},
    {"HugeRuleCount", [] { return WithLong(kRuleCountAt, INT32_MAX); }},
    {"RulesCutShort", [] { return SmallStrategyFile().substr(0, kRuleAt + 100); }},
    {"FactorCountInflated", [] { return WithLong(kFactorCountAt, 3); }},
    {"FactorEntriesInflated", [] { return WithLong(kSecondFactorCountAt, 5); }},
    {"NegativeFactorEntries", [] { return WithLong(kSecondFactorCountAt, -1); }},
    {"LastFactorCutShort", [] { std::string b = SmallStrategyFile(); b.pop_back(); return b; }},
};

void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }

class DraftStrategyDamagedFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DraftStrategyDamagedFile, IsRejectedAndChangesNothing) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("bad.stg"), GetParam().make());
  clsDraftStrategy s;
  s.SetFilePath(dir.Path());
  s.SetFileName("bad.stg");
  s.SetDescription("Keep me");
  s.SetCount(2);
  s.SetMethod(1, 5);
  s.AddFactor(clsDraftFactor::kLRTR);
  s.SetFactor(clsDraftFactor::kLRTR, 7, 0.5);

  std::string error;
  EXPECT_FALSE(s.LoadDraftStrategy(&error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(s.Description(), "Keep me");
  ASSERT_EQ(s.Count(), 2);
  EXPECT_EQ(s.Method(1), 5);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kLRTR, 7), 0.5);
  EXPECT_DOUBLE_EQ(s.Factor(clsDraftFactor::kX, 4), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Stg, DraftStrategyDamagedFile, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& p) { return p.param.name; });

TEST_F(DraftStrategyFile, MissingFileIsFalseWithoutAMessage) {
  kdtest::ScopedFakeSeams fakes;
  clsDraftStrategy s = At("absent.stg");
  EXPECT_FALSE(s.LoadDraftStrategy());
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(DraftStrategyFile, SaveIntoAMissingFolderShowsTheSaveError) {
  kdtest::ScopedFakeSeams fakes;
  clsDraftStrategy s;
  s.SetFilePath(dir.File("no-such-folder/"));
  s.SetFileName("x.stg");
  EXPECT_FALSE(s.SaveDraftStrategy());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Draft Strategy Save Error");
  EXPECT_EQ(fakes.messages.plain[0].buttons, seams::PlainButtons::kOk);
  EXPECT_FALSE(fakes.messages.plain[0].text.empty());
}

TEST_F(DraftStrategyFile, SaveOverALongerFileLeavesNoTail) {
  kdtest::WriteFile(dir.File("s.stg"), std::string(1000, 'z'));
  clsDraftStrategy s = At("s.stg");
  ASSERT_TRUE(s.SaveDraftStrategy());
  EXPECT_EQ(kdtest::ReadFile(dir.File("s.stg")).size(), 41u);
}

TEST_F(DraftStrategyFile, DescriptionIsStoredAsWindows1252) {
  clsDraftStrategy s = At("d.stg");
  s.SetDescription("Café");
  ASSERT_TRUE(s.SaveDraftStrategy());
  const std::string bytes = kdtest::ReadFile(dir.File("d.stg"));
  EXPECT_EQ(bytes.substr(kDescLenAt, 4), Hex("04 00 00 00"));
  EXPECT_EQ(bytes.substr(40), "Caf\xE9");
  clsDraftStrategy t = At("d.stg");
  ASSERT_TRUE(t.LoadDraftStrategy());
  EXPECT_EQ(t.Description(), "Café");
}

// --- Rules -----------------------------------------------------------------

TEST(DraftStrategyRules, NewRulesAreAllZeroAndResizingKeepsTheFirst) {
  clsDraftStrategy s;
  EXPECT_EQ(s.Count(), 0);
  s.SetCount(1);
  s.SetBegPick(0, 4);
  s.SetStrategyMax(2);
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.BegPick(0), 4);
  EXPECT_EQ(s.BegPick(2), 0);
  EXPECT_EQ(s.EndPick(2), 0);
  EXPECT_EQ(s.Method(2), 0);
  EXPECT_EQ(s.Compare(2), 0);
  EXPECT_EQ(s.Inclusion(2), 0);
  EXPECT_FALSE(s.UsingFactor(2, 0));
  EXPECT_FALSE(s.NoByeConflict(2));
  EXPECT_EQ(s.PosInclusionIDs(2), clsDraftStrategy::PositionIDs{});
  s.SetStrategyMax(0);
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.BegPick(0), 4);
}

TEST(DraftStrategyRules, StrategyMaxMinusOneAndCountZeroEmptyTheRules) {
  clsDraftStrategy s;
  s.SetCount(3);
  s.SetStrategyMax(-1);
  EXPECT_EQ(s.Count(), 0);
  s.SetCount(2);
  s.SetCount(0);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_THROW(s.SetStrategyMax(-2), std::out_of_range);
}

TEST(DraftStrategyRules, DeleteMovesLaterRulesDown) {
  clsDraftStrategy s;
  s.SetCount(3);
  for (int32_t i = 0; i < 3; ++i) s.SetBegPick(i, 10 + i);
  s.DeleteStrategy(1);
  ASSERT_EQ(s.Count(), 2);
  EXPECT_EQ(s.BegPick(0), 10);
  EXPECT_EQ(s.BegPick(1), 12);
  s.DeleteStrategy(1);
  s.DeleteStrategy(0);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_THROW(s.DeleteStrategy(0), std::out_of_range);
}

TEST(DraftStrategyRules, SwapExchangesWholeRules) {
  clsDraftStrategy s;
  s.SetCount(2);
  s.SetBegPick(0, 1);
  s.SetMethod(0, 3);
  s.AddPositionID(0, 4);
  s.SetNoByeConflict(1, true);
  s.SetUsingFactor(1, 1, true);
  s.SwapRuleIndex(0, 1);
  EXPECT_EQ(s.BegPick(1), 1);
  EXPECT_EQ(s.Method(1), 3);
  EXPECT_EQ(s.PosInclusionIDs(1)[0], 4);
  EXPECT_TRUE(s.NoByeConflict(0));
  EXPECT_TRUE(s.UsingFactor(0, 1));
  EXPECT_EQ(s.PosInclusionIDs(0)[0], 0);
}

TEST(DraftStrategyRules, CallerErrorsThrow) {
  clsDraftStrategy s;
  s.SetCount(1);
  EXPECT_THROW(s.BegPick(1), std::out_of_range);
  EXPECT_THROW(s.SetMethod(-1, 0), std::out_of_range);
  EXPECT_THROW(s.UsingFactor(0, 3), std::out_of_range);
  EXPECT_THROW(s.SetUsingFactor(0, -1, true), std::out_of_range);
  std::vector<int32_t> tooMany(41, 2);
  EXPECT_THROW(s.SetPosInclusionIDs(0, tooMany), std::out_of_range);
}

TEST(DraftStrategyRules, FortyPositionsFitAndTheFortyFirstThrows) {
  clsDraftStrategy s;
  s.SetCount(1);
  for (int32_t i = 0; i < 40; ++i) s.AddPositionID(0, 100 + i);
  EXPECT_EQ(s.PosInclusionIDs(0)[39], 139);
  EXPECT_THROW(s.AddPositionID(0, 7), std::out_of_range);
}

TEST(DraftStrategyRules, RemovePositionTakesOnlyTheFirstOccurrence) {
  clsDraftStrategy s;
  s.SetCount(1);
  for (int32_t id : {3, 4, 3, 5}) s.AddPositionID(0, id);
  s.RemovePositionID(0, 3);
  clsDraftStrategy::PositionIDs expected{};
  expected[0] = 4;
  expected[1] = 3;
  expected[2] = 5;
  EXPECT_EQ(s.PosInclusionIDs(0), expected);
  s.RemovePositionID(0, 9);  // absent
  EXPECT_EQ(s.PosInclusionIDs(0), expected);
  s.AddPositionID(0, 6);  // the count went down by one
  EXPECT_EQ(s.PosInclusionIDs(0)[3], 6);
}

TEST(DraftStrategyRules, SettingPositionIdsLeavesCountAndLaterSlots) {
  clsDraftStrategy s;
  s.SetCount(1);
  for (int32_t id : {3, 4, 5}) s.AddPositionID(0, id);
  const std::vector<int32_t> ids{7, 8};
  s.SetPosInclusionIDs(0, ids);
  clsDraftStrategy::PositionIDs expected{};
  expected[0] = 7;
  expected[1] = 8;
  expected[2] = 5;
  EXPECT_EQ(s.PosInclusionIDs(0), expected);
  s.AddPositionID(0, 9);  // count still 3
  EXPECT_EQ(s.PosInclusionIDs(0)[3], 9);
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
  EXPECT_EQ(s.FilePath(), "/x/");
  EXPECT_EQ(s.FileName(), "a.stg");
  EXPECT_EQ(s.Description(), "d");
}

// --- Position set checks -----------------------------------------------------

struct PositionCase {
  const char* name;
  int32_t inclusion;
  std::vector<int32_t> ids;
  bool valid;
  const char* message;
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class DraftStrategyPositionSet : public ::testing::TestWithParam<PositionCase> {};

TEST_P(DraftStrategyPositionSet, IsPositionValidGivesTheMessage) {
  const PositionCase& c = GetParam();
  clsDraftStrategy s;
  s.SetCount(1);
  s.SetInclusion(0, c.inclusion);
  for (int32_t id : c.ids) s.AddPositionID(0, id);
  std::string message = "unchanged";
  EXPECT_EQ(s.IsPositionValid(0, message), c.valid);
  EXPECT_EQ(message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DraftStrategyPositionSet,
    ::testing::Values(
        PositionCase{"IncludeOnePosition", 0, {3}, true, "unchanged"},
        PositionCase{"IncludeAny", 0, {1}, true, "unchanged"},
        PositionCase{"ExcludeOnePosition", 1, {3}, true, "unchanged"},
        PositionCase{"ExcludeAnyAlone", 1, {1}, false, " = No position."},
        PositionCase{"ExcludeAnyWithOthers", 1, {1, 3}, false, " - [Any] used with other selected positions."},
        PositionCase{"IncludeAnyWithOthers", 0, {3, 1}, false, " - [Any] used with other selected positions."},
        PositionCase{"NoPositions", 0, {}, false, "No positions selected."},
        PositionCase{"ExcludeNoPositions", 1, {}, false, "No positions selected."}),
    [](const ::testing::TestParamInfo<PositionCase>& p) { return p.param.name; });

// --- Factors -------------------------------------------------------------------

TEST(DraftStrategyFactors, WithoutATableEveryFactorIsOneAndSettingDoesNothing) {
  clsDraftStrategy s;
  EXPECT_DOUBLE_EQ(s.Factor(0, 3), 1.0);
  s.SetFactor(0, 3, 0.5);
  EXPECT_DOUBLE_EQ(s.Factor(0, 3), 1.0);
}

TEST(DraftStrategyFactors, TheLastTableOfAKindCounts) {
  clsDraftStrategy s;
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
  EXPECT_EQ(f.FactorCount(), 0);
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
