#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "FakeSeams.h"
#include "TempDir.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "user_mock/UserMockLeagueTransfer.h"
#include "user_mock/clsCompatibility.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

using Flags = std::array<bool, 4>;

// A league of `teams` cyclic teams named "Team n" with its created order,
// and a user mock that agrees with it in everything for `owners` owners.
class Compatibility : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(db.InitializeKickwellDB(kdtest::MakeTemplateDatabase(dir))); }
  void TearDown() override { LGPTransferFlags.fill(false); }

  void Build(int32_t teams, int32_t owners, int32_t rounds = 2) {
    league.SetFilePath(dir.Path());
    league.SetFileName("league.lgp");
    league.SetTeamCount(teams);
    league.SetDraftRounds(rounds);
    league.SetDraftStyle(1);
    for (int32_t t = 1; t <= teams; ++t) {
      league.SetTeamName(t, "Team " + std::to_string(t));
      league.SetStrategy(t, "s.stg");
    }
    std::vector<int32_t> order;
    const int32_t last = basLGPFileControl::BuildDraftOrder(order, teams, rounds, 1);
    league.SetCreatedDraftRounds(rounds);
    league.SetCreatedTeamCount(teams);
    league.SetPickCount(last + 1);
    for (int32_t p = 0; p <= last; ++p) league.SetPick(p, order[static_cast<std::size_t>(p)]);
    league.AddRosterPositionSize(1, 1, 16, 0, 9, 0);
    league.AddRosterPositionSize(2, 2, 2, 1, 1, 1);

    ugm.SetOwnerCount(owners);
    ugm.SetBoardCount(owners * rounds);
    for (int32_t o = 0; o < owners; ++o) {
      ugm.SetOwnerName(o, "Team " + std::to_string(o + 1));
      ugm.SetOwnerStrategy(o, "s.stg");
    }
    for (int32_t p = 0; p < owners * rounds; ++p) ugm.SetBoardOwnerID(p, p % owners + 1);
    basLGPFileControl::ApplyRosterSizesToUserMock(db, ugm, league);
  }

  Flags FlagsNow() const { return LGPTransferFlags; }

  kdtest::TempDir dir;
  kdtest::ScopedFakeSeams seams;
  clsKickwellDB db;
  clsLeagueIsolate league;
  clsUserMockIsolate ugm;
  clsCompatibility compare;
};

TEST_F(Compatibility, AnAgreeingDraftHasNothingToTransfer) {
  Build(3, 3);
  compare.PopulateTeamChanges(ugm, league, db);
  EXPECT_EQ(FlagsNow(), Flags{});
  for (int32_t c = 0; c < 4; ++c) EXPECT_FALSE(compare.CheckEnabled(c)) << c;
}

TEST_F(Compatibility, ATwelveTeamLeagueAgainstATenOwnerDraftByCategory) {
  Build(12, 10);
  ugm.SetOwnerName(2, "team 3");          // case counts
  ugm.SetOwnerName(4, "Team 5        ");  // trailing blanks do not
  // The draft lacks the whole-roster and quarterback records.
  std::vector<LGPRosterSizeRecord> kept;
  for (int32_t i = 0; i < ugm.RosterSizeCount(); ++i)
    if (ugm.PosID(i) > 2)
      kept.push_back({ugm.PosID(i), ugm.MergeAsID(i), ugm.RosterMin(i), ugm.RosterMax(i), ugm.StarterMin(i),
                      ugm.StarterMax(i)});
  basLGPFileControl::CopyRosterSizesToUserMock(kept, ugm);

  compare.PopulateTeamChanges(ugm, league, db);
  EXPECT_TRUE(seams.messages.messages.empty());  // no draft order check
  EXPECT_EQ(compare.Text(1), " Name 3\t Team 3\t team 3\r Name 11\t Team 11\t \r Name 12\t Team 12\t \r");
  EXPECT_EQ(compare.Text(2), " STG 11\t s.stg\t \r STG 12\t s.stg\t \r");
  EXPECT_EQ(compare.Count(3), 0);
  EXPECT_EQ(compare.Text(0),
            " All\t All-All-0-16-0-9\t ROS-ROS-0-0-0-0\r QB\t QB-QB-1-2-1-1\t QB-QB-0-0-0-0\r");
  EXPECT_EQ(FlagsNow(), (Flags{true, true, true, false}));
  EXPECT_FALSE(compare.CheckEnabled(3));

  FlexGridModel grid;
  compare.ShowCategory(grid, 1);
  EXPECT_EQ(grid.Rows(), 4);
  EXPECT_EQ(grid.TextMatrix(0, 2), " UGM Value (Current)");
  EXPECT_EQ(grid.TextMatrix(2, 0), " Name 11");
  EXPECT_EQ(grid.TextMatrix(2, 1), " Team 11");
  EXPECT_EQ(grid.ColWidth(0), 1000);

  // Each category goes over only while it stays checked.
  compare.SetChecked(2, false);
  compare.Transfer();
  EXPECT_EQ(FlagsNow(), (Flags{true, true, false, false}));
  compare.NoChanges();
  EXPECT_EQ(FlagsNow(), Flags{});
}

// A name holding a tab or a line break (a damaged league or draft file)
// stays in its own cell: the rows after it keep their places.
TEST_F(Compatibility, ATabOrLineBreakInANameKeepsEveryDifferenceInItsRow) {
  Build(3, 3);
  ugm.SetOwnerName(0, "Tab\tbed");
  ugm.SetOwnerName(1, "Two\r\nLines");
  ugm.SetOwnerName(2, "Three");
  compare.PopulateTeamChanges(ugm, league, db);
  FlexGridModel grid;
  compare.ShowCategory(grid, 1);
  ASSERT_EQ(grid.Rows(), 4);
  const std::vector<std::vector<std::string>> rows{{" Name 1", " Team 1", " Tab bed"},
                                                   {" Name 2", " Team 2", " Two  Lines"},
                                                   {" Name 3", " Team 3", " Three"}};
  for (int32_t r = 1; r <= 3; ++r)
    for (int32_t c = 0; c < 3; ++c)
      EXPECT_EQ(grid.TextMatrix(r, c), rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)])
          << r << "," << c;
}

TEST_F(Compatibility, AStoredOrderForOtherRoundsIsRebuiltWhenNoneOrYes) {
  struct Row {
    int32_t storedRounds;
    const char* answer;  // "" asks nothing
    bool rebuilt;
  };
  for (const Row row : {Row{0, "", true}, Row{2, "save", true}, Row{2, "nosave", false}}) {
    SCOPED_TRACE(row.storedRounds);
    league = clsLeagueIsolate();
    ugm = clsUserMockIsolate();
    seams.messages.messages.clear();
    Build(3, 3, 3);
    league.SetCreatedDraftRounds(row.storedRounds);
    std::filesystem::remove(dir.Path() + "league.lgp");
    if (*row.answer) seams.messages.Answer(row.answer);
    clsCompatibility fresh;
    fresh.PopulateTeamChanges(ugm, league, db);
    if (*row.answer) {
      ASSERT_EQ(seams.messages.messages.size(), 1u);
      EXPECT_EQ(seams.messages.messages[0].caption, "LGP Draft Round Change");
      EXPECT_EQ(seams.messages.messages[0].text,
                " Would you like to overwrite the existing LGP draft order?\r\n"
                "  New [Draft Rounds - Team Count]   [3-3]\r\n"
                "  Previous [Draft Rounds - Team Count]   [2-3].");
    } else {
      EXPECT_TRUE(seams.messages.messages.empty());
    }
    EXPECT_EQ(std::filesystem::exists(dir.Path() + "league.lgp"), row.rebuilt);
    EXPECT_EQ(league.CreatedDraftRounds(), row.rebuilt ? 3 : row.storedRounds);
    // The rebuilt order agrees with the draft's board; the kept one claims
    // two rounds, so the third round's picks differ.
    EXPECT_EQ(fresh.Count(3), row.rebuilt ? 0 : 3);
  }
}

}  // namespace
