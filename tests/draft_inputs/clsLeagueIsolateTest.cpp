#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeSeams.h"
#include "LeagueFixtures.h"
#include "TempDir.h"
#include "draft_inputs/clsLeagueIsolate.h"

using namespace kdtest::lgp;

namespace {

class LeagueFile : public ::testing::Test {
 protected:
  clsLeagueIsolate Named(const std::string& name = "league.lgp") {
    clsLeagueIsolate league;
    league.SetFilePath(dir.Path());
    league.SetFileName(name);
    return league;
  }
  std::string Saved(clsLeagueIsolate& league) {
    EXPECT_TRUE(league.SaveLeagueProps());
    return kdtest::ReadFile(league.FilePath() + league.FileName());
  }
  // A two-team league as the editor would save it.
  clsLeagueIsolate SmallLeague() {
    clsLeagueIsolate league = Named();
    league.SetTeamCount(2);
    league.SetTeamName(1, "Alpha");
    league.SetStrategy(1, "Safe.stg");
    league.SetTeamName(2, "Bravo");
    league.SetDraftRounds(2);
    league.SetDraftStyle(0);
    league.SetCreatedDraftRounds(2);
    league.SetCreatedTeamCount(2);
    league.SetPickCount(4);
    const int32_t order[] = {1, 2, 2, 1};
    for (int32_t k = 0; k < 4; ++k) league.SetPick(k, order[k]);
    league.AddRosterPositionSize(1, 1, 16, 0, 9, 0);
    league.AddRosterPositionSize(9, 3, 2, 1, 1, 0);
    return league;
  }

  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
};

TEST_F(LeagueFile, NewDocumentSavesSignatureVersionAndEightZeroLongs) {
  clsLeagueIsolate league = Named();
  const std::string bytes = Saved(league);
  ASSERT_EQ(bytes.size(), 63u);
  EXPECT_EQ(bytes, LeagueHeader(0, 0, 0, 0, 0, 0, 0, 0));
}

TEST_F(LeagueFile, SmallLeagueIsWrittenFieldByFieldFromTheOddHeaderOffset) {
  clsLeagueIsolate league = SmallLeague();
  const std::string expected = LeagueHeader(2, 4, 2, 0, 2, 0, 2, 2) + Team(0, "Alpha", "Safe.stg") +
                               Team(0, "Bravo", "") + Pick(1, 0, 0) + Pick(2, 0, 0) + Pick(2, 0, 0) +
                               Pick(1, 0, 0) + RosterSize(1, 1, 0, 16, 0, 9) + RosterSize(3, 9, 1, 2, 0, 1);
  EXPECT_EQ(Saved(league), expected);
  EXPECT_EQ(expected.size(), 63u + 2 * 104 + 4 * 12 + 2 * 24);
}

TEST_F(LeagueFile, AddRosterPositionSizeTakesMergeFirstAndMaximumBeforeMinimum) {
  clsLeagueIsolate league = Named();
  league.AddRosterPositionSize(9, 3, 2, 1, 1, 0);
  EXPECT_EQ(league.RosterPosID(0), 3);
  EXPECT_EQ((std::vector<int32_t>{league.MergeAsID(3), league.RosterMin(3), league.RosterMax(3),
                                  league.StarterMin(3), league.StarterMax(3)}),
            (std::vector<int32_t>{9, 1, 2, 0, 1}));
  EXPECT_EQ(Saved(league).substr(63), RosterSize(3, 9, 1, 2, 0, 1));
}

TEST_F(LeagueFile, LoadReadsBackWhatWasSavedIncludingKeepers) {
  // Keepers have no editor: they only travel from a file to the next save.
  const std::string original = LeagueHeader(1, 2, 1, 2, 1, 1, 2, 1) + Team(0, "Gamma", "Bold.stg") +
                               Pick(1, 0, 0) + Pick(1, 77, 5) + RosterSize(2, 2, 1, 1, 1, 1) +
                               Pick(1, 4321, 3) + Pick(1, 8765, 9);
  kdtest::WriteFile(dir.File("league.lgp"), original);
  clsLeagueIsolate league = Named();
  ASSERT_TRUE(league.LoadLeagueProps());
  EXPECT_EQ(league.TeamName(1) + league.Strategy(1), Text("Gamma", 50) + Text("Bold.stg", 50));
  EXPECT_EQ((std::vector<int32_t>{league.TeamCount(), league.PickCount(), league.Pick(1), league.DraftRounds(),
                                  league.DraftStyle(), league.CreatedDraftRounds(), league.CreatedTeamCount(),
                                  league.RosterSizeCount(), league.StarterMax(2)}),
            (std::vector<int32_t>{1, 2, 1, 1, 1, 2, 1, 1, 1}));
  EXPECT_EQ(Saved(league), original);
  EXPECT_TRUE(fakes.messages.messages.empty());
}

TEST_F(LeagueFile, SignatureAndBytesAfterTheLastSectionAreNotRead) {
  std::string bytes = LeagueHeader(1, 1, 0, 0, 3, 0, 0, 0) + Team(0, "X", "") + Pick(3, 0, 0) + "tail";
  bytes.replace(0, 9, "Somewhere");
  kdtest::WriteFile(dir.File("league.lgp"), bytes);
  clsLeagueIsolate league = Named();
  ASSERT_TRUE(league.LoadLeagueProps());
  EXPECT_EQ(league.DraftRounds(), 3);
  EXPECT_EQ(league.Pick(0), 3);
}

TEST_F(LeagueFile, NamesAreWindows1252CutToFiftyCharactersOrPaddedWithBlanks) {
  clsLeagueIsolate league = Named();
  league.SetTeamCount(1);
  league.SetTeamName(1, std::string(60, 'n'));
  EXPECT_EQ(league.TeamName(1), std::string(50, 'n'));
  league.SetStrategy(1, "a.stg");
  EXPECT_EQ(league.Strategy(1), Text("a.stg", 50));
  league.SetTeamName(1, "Caf\xC3\xA9");
  EXPECT_EQ(Saved(league).substr(67, 5), "Caf\xE9 ");
  ASSERT_TRUE(league.LoadLeagueProps());
  EXPECT_EQ(league.TeamName(1).substr(0, 6), "Caf\xC3\xA9 ");
}

TEST_F(LeagueFile, TeamCountZeroWritesNoTeams) {
  clsLeagueIsolate league = SmallLeague();
  league.SetTeamCount(0);
  const std::string bytes = Saved(league);
  EXPECT_EQ(bytes.substr(31, 4), Long(0));
  EXPECT_EQ(bytes.size(), 63u + 4 * 12 + 2 * 24);
  // The storage stays: asking for teams again brings the earlier ones back.
  league.SetTeamCount(2);
  EXPECT_EQ(league.TeamName(2), Text("Bravo", 50));
}

TEST_F(LeagueFile, RosterLookupsUseTheFirstRecordAndDefaultForAMissingPosition) {
  clsLeagueIsolate league = Named();
  league.AddRosterPositionSize(4, 4, 3, 1, 2, 1);
  league.AddRosterPositionSize(9, 4, 7, 7, 7, 7);
  EXPECT_EQ(league.RosterMax(4), 3);
  EXPECT_EQ(league.MergeAsID(4), 4);
  EXPECT_EQ(league.RosterIndex(4), 0);
  EXPECT_EQ(league.RosterMax(5), 0);
  EXPECT_EQ(league.StarterMin(5), 0);
  EXPECT_EQ(league.MergeAsID(5), 5);
  EXPECT_EQ(league.RosterIndex(5), -1);
  league.ClearRosterPositions();
  EXPECT_EQ(league.RosterSizeCount(), 0);
  EXPECT_EQ(league.RosterIndex(4), -1);
}

TEST_F(LeagueFile, IndexesOutsideTheListsThrow) {
  clsLeagueIsolate league = SmallLeague();
  EXPECT_THROW((void)league.TeamName(0), std::out_of_range);
  EXPECT_THROW((void)league.TeamName(3), std::out_of_range);
  EXPECT_THROW((void)league.Pick(4), std::out_of_range);
  EXPECT_THROW(league.SetPick(-1, 1), std::out_of_range);
  EXPECT_THROW((void)league.RosterPosID(2), std::out_of_range);
}

TEST_F(LeagueFile, SaveReplacesALongerFileWholeOrReportsOpenFileError) {
  kdtest::WriteFile(dir.File("league.lgp"), std::string(5000, 'x'));
  clsLeagueIsolate fresh = Named();
  EXPECT_EQ(Saved(fresh).size(), 63u);
  clsLeagueIsolate league;
  league.SetFilePath(dir.Path() + "missing/");
  league.SetFileName("league.lgp");
  EXPECT_FALSE(league.SaveLeagueProps());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  EXPECT_NE(fakes.messages.plain[0].text.find("\r\n" + dir.Path() + "missing/league.lgp"), std::string::npos);
}

// --- loading damaged files: false, and the document keeps what it held ---

class DamagedLeagueFile : public LeagueFile {
 protected:
  void SetUp() override {
    loaded = SmallLeague();
    ASSERT_TRUE(loaded.SaveLeagueProps());
    ASSERT_TRUE(loaded.LoadLeagueProps());
    good = kdtest::ReadFile(dir.File("league.lgp"));
  }
  // Loads bytes over the small league and checks nothing changed.
  bool LoadOver(const std::string& bytes) {
    kdtest::WriteFile(dir.File("league.lgp"), bytes);
    const bool ok = loaded.LoadLeagueProps();
    kdtest::WriteFile(dir.File("check.lgp"), "");
    loaded.SetFileName("check.lgp");
    EXPECT_EQ(Saved(loaded), good) << "the document changed";
    loaded.SetFileName("league.lgp");
    return ok;
  }

  clsLeagueIsolate loaded;
  std::string good;
};

TEST_F(DamagedLeagueFile, MissingShortOrCutFileIsFalseWithoutMessage) {
  loaded.SetFileName("absent.lgp");
  EXPECT_FALSE(loaded.LoadLeagueProps());
  loaded.SetFileName("league.lgp");
  const std::size_t sizes[] = {0, 31, 32, 62, good.size() - 1};
  for (std::size_t size : sizes) EXPECT_FALSE(LoadOver(good.substr(0, size))) << size;
  EXPECT_FALSE(LoadOver(LeagueHeader(0, 0, 0, 10000, 0, 0, 0, 0) + Pick(1, 2, 3)));
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(DamagedLeagueFile, CountsOutOfRangeAreListedUnderLGPHeaderCorrupt) {
  EXPECT_FALSE(LoadOver(LeagueHeader(300, 0, 0, -1, 0, 0, 0, 0)));
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "LGPHeader Corrupt");
  EXPECT_EQ(fakes.messages.messages[0].text,
            "LGP FileHeader.TeamCount > 256\r\nLGP FileHeader.KeeperCount < 0\r\n");
  EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kOk);
}

TEST_F(DamagedLeagueFile, ASilentLoadRefusesCountsOutOfRangeWithoutMessage) {
  kdtest::WriteFile(dir.File("league.lgp"), LeagueHeader(300, 0, 0, -1, 0, 0, 0, 0));
  EXPECT_FALSE(loaded.LoadLeagueProps(true));
  EXPECT_TRUE(fakes.messages.captions.empty());
  EXPECT_EQ(loaded.TeamCount(), 2) << "the document changed";
}

TEST_F(LeagueFile, OneCountOverItsLimitGivesOneLine) {
  const struct {
    int32_t teams, picks, rosterSizes, keepers;
    const char* line;
  } cases[] = {
      {257, 0, 0, 0, "LGP FileHeader.TeamCount > 256"},
      {0, 10001, 0, 0, "LGP FileHeader.BoardCount > 10000"},
      {0, 0, 31, 0, "LGP FileHeader.RosterSizeCount > 30"},
      {0, 0, 0, 10001, "LGP FileHeader.KeeperCount > 10000"},
      {0, -5, 0, 0, "LGP FileHeader.BoardCount < 0"},
      {0, 0, INT32_MIN, 0, "LGP FileHeader.RosterSizeCount < 0"},
  };
  for (const auto& c : cases) {
    fakes.messages.messages.clear();
    kdtest::WriteFile(dir.File("league.lgp"),
                      LeagueHeader(c.teams, c.picks, c.rosterSizes, c.keepers, 0, 0, 0, 0));
    clsLeagueIsolate league = Named();
    EXPECT_FALSE(league.LoadLeagueProps());
    ASSERT_EQ(fakes.messages.messages.size(), 1u) << c.line;
    EXPECT_EQ(fakes.messages.messages[0].text, std::string(c.line) + "\r\n");
  }
}

TEST_F(LeagueFile, CountsAtTheirLimitsLoad) {
  std::string bytes = LeagueHeader(256, 10000, 30, 10000, 1, 0, 0, 0);
  for (int i = 0; i < 256; ++i) bytes += Team(0, "T", "");
  for (int i = 0; i < 10000; ++i) bytes += Pick(1, 0, 0);
  for (int i = 0; i < 30; ++i) bytes += RosterSize(i, i, 0, 0, 0, 0);
  for (int i = 0; i < 10000; ++i) bytes += Pick(2, i, 1);
  kdtest::WriteFile(dir.File("league.lgp"), bytes);
  clsLeagueIsolate league = Named();
  ASSERT_TRUE(league.LoadLeagueProps());
  EXPECT_EQ(league.TeamCount(), 256);
  EXPECT_EQ(league.PickCount(), 10000);
  EXPECT_EQ(league.RosterSizeCount(), 30);
  EXPECT_TRUE(fakes.messages.captions.empty());
  EXPECT_EQ(Saved(league), bytes);
}

}  // namespace

// The one rule both drafts apply before using a league's created order.
TEST(CreatedOrder, IsUsableOnlyWhenItCoversTeamsTimesRoundsWithTheLeaguesTeams) {
  const struct {
    const char* why;
    std::vector<int32_t> stored;
    int32_t teams, rounds;
    bool usable;
  } cases[] = {
      {"exactly teams x rounds", {2, 1, 1, 2}, 2, 2, true},
      {"more picks than needed", {2, 1, 1, 2, 1}, 2, 2, true},
      {"fewer picks than teams x rounds", {1, 2, 2}, 2, 2, false},
      {"a pick of a team the league lacks", {1, 2, 3, 1}, 2, 2, false},
      {"a pick of team 0", {1, 0, 2, 1}, 2, 2, false},
      {"no rounds", {1, 2}, 2, 0, false},
  };
  for (const auto& c : cases) {
    const clsLeagueIsolate league = kdtest::LeagueWithOrder(2, 2, c.stored, 2, 2);
    EXPECT_EQ(league.IsCreatedOrderUsable(c.teams, c.rounds), c.usable) << c.why;
    if (c.usable) {
      EXPECT_EQ(league.CreatedOrder(c.teams, c.rounds), (std::vector<int32_t>{2, 1, 1, 2})) << c.why;
    }
  }
}
