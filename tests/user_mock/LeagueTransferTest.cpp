#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "FakeCompatibility.h"
#include "FakeSeams.h"
#include "LeagueFixtures.h"
#include "TempDir.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/LeagueTransfer.h"
#include "user_mock/UserMockLeagueTransfer.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

constexpr int kTemplatePositions = 17;

// The template database (positions 1..17) opened, and a league that uses
// the whole roster, quarterbacks and running backs, with fullbacks merged
// into running backs.
class LeagueTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    path = kdtest::MakeTemplateDatabase(dir);
    ASSERT_TRUE(db.InitializeKickwellDB(path)) << db.LastError();
    league.SetFilePath(dir.Path());
    league.SetFileName("Home.lgp");
    league.SetTeamCount(2);
    league.SetTeamName(1, "Alpha");
    league.SetStrategy(1, "A.stg");
    league.SetTeamName(2, "Bravo");
    league.SetStrategy(2, "B.stg");
    league.SetDraftRounds(2);
    league.SetDraftStyle(0);
    league.AddRosterPositionSize(1, 1, 15, 0, 9, 0);
    league.AddRosterPositionSize(2, 2, 3, 1, 1, 1);
    league.AddRosterPositionSize(3, 3, 5, 2, 2, 2);
    league.AddRosterPositionSize(3, 9, 0, 0, 0, 0);
  }

  // "FullRosterMin FullRosterMax StartRosterMin StartRosterMax MergeAsID" of a position.
  std::string Limits(int id) {
    return kdtest::QueryText(
        path,
        "SELECT FullRosterMin || ' ' || FullRosterMax || ' ' || StartRosterMin || ' ' || "
        "StartRosterMax || ' ' || MergeAsID FROM tblPositions WHERE ID = " +
            std::to_string(id));
  }
  void ExpectResetTable() {
    for (int id = 1; id <= kTemplatePositions; ++id) EXPECT_EQ(Limits(id), "0 0 0 0 " + std::to_string(id));
  }

  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
  std::string path;
  clsKickwellDB db;
  clsLeagueIsolate league;
};

TEST_F(LeagueTransfer, CopyRosterSizesToDBWritesEveryPosition) {
  basLGPFileControl::CopyRosterSizesToDB(db, league);
  EXPECT_EQ(Limits(1), "0 15 0 9 1");
  EXPECT_EQ(Limits(2), "1 3 1 1 2");
  EXPECT_EQ(Limits(3), "2 5 2 2 3");
  EXPECT_EQ(Limits(9), "0 0 0 0 3");
  EXPECT_EQ(Limits(4), "0 0 0 0 4");
}

TEST_F(LeagueTransfer, ResetAndImportFromABinaryLeagueFileGiveZeroLimitsAndOwnIDs) {
  basLGPFileControl::CopyRosterSizesToDB(db, league);
  basLGPFileControl::ResetRosterSizesInDB(db);
  ExpectResetTable();
  basLGPFileControl::CopyRosterSizesToDB(db, league);
  ASSERT_TRUE(league.SaveLeagueProps());
  basLGPFileControl::ImportRosterSizesFromINI(dir.Path(), "Home.lgp", db);
  ExpectResetTable();
}

TEST_F(LeagueTransfer, ImportReadsKeysThatBeginWithThePositionID) {
  kdtest::WriteFile(dir.File("old.lgp"),
                    "[League Properties]\r\n3RosterMin=2\r\n3RosterMax=6\r\n3StartMin=1\r\n3StartMax=2\r\n"
                    "9MergeAsID=3\r\n4RosterMax=lots\r\n4MergeAsID=?\r\n");
  basLGPFileControl::ImportRosterSizesFromINI(dir.Path(), "old.lgp", db);
  EXPECT_EQ(Limits(3), "2 6 1 2 3");
  EXPECT_EQ(Limits(9), "0 0 0 0 3");
  EXPECT_EQ(Limits(4), "0 0 0 0 4");
}

TEST_F(LeagueTransfer, ReadRosterSizesGivesOneEntryPerPositionAfterAnEmptyOne) {
  std::vector<LGPRosterSizeRecord> records;
  basLGPFileControl::ReadRosterSizes(records, db, league);
  ASSERT_EQ(records.size(), kTemplatePositions + 1u);
  EXPECT_EQ(records[0], LGPRosterSizeRecord{});
  EXPECT_EQ(records[3], (LGPRosterSizeRecord{3, 3, 2, 5, 2, 2}));
  EXPECT_EQ(records[9], (LGPRosterSizeRecord{9, 3, 0, 0, 0, 0}));
  EXPECT_EQ(records[17], (LGPRosterSizeRecord{17, 17, 0, 0, 0, 0}));
  EXPECT_TRUE(basLGPFileControl::HasAllRosterMax(records));

  clsUserMockIsolate ugm;
  basLGPFileControl::CopyRosterSizesToUserMock(records, ugm);
  EXPECT_EQ(ugm.RosterSizeCount(), kTemplatePositions + 1);
  EXPECT_EQ(ugm.PosID(0), 0);
  EXPECT_EQ(ugm.RosterIndex(2), 2);
}

TEST_F(LeagueTransfer, ReadRosterSizesLeavesTheListAloneWithoutPositions) {
  kdtest::ExecuteSql(path, "DELETE FROM tblPositions;");
  std::vector<LGPRosterSizeRecord> records{{5, 5, 5, 5, 5, 5}};
  basLGPFileControl::ReadRosterSizes(records, db, league);
  EXPECT_EQ(records, (std::vector<LGPRosterSizeRecord>{{5, 5, 5, 5, 5, 5}}));
}

// --- applying the transfer window's choices ---

class ApplyLeagueToUserMock : public LeagueTransfer {
 protected:
  void SetUp() override {
    LeagueTransfer::SetUp();
    ugm.SetOwnerCount(2);
    ugm.SetOwnerName(0, "Mine");
    ugm.SetOwnerName(1, "Yours");
    ugm.SetOwnerStrategy(0, "M.stg");
    ugm.SetDraftRounds(3);
    ugm.SetBoardCount(6);
    for (int32_t k = 0; k < 6; ++k) ugm.SetBoardOwnerID(k, k % 2 + 1);
    ugm.SetBoardMasterID(0, 4242);
    ugm.AddRosterPositionSize(1, 1, 20, 0, 10, 0);
  }
  void Choose(bool rosterSizes, bool names, bool strategies, bool order) {
    LGPTransferFlags = {rosterSizes, names, strategies, order};
  }

  kdtest::ScopedFakeCompatibility window;
  clsUserMockIsolate ugm;
  int32_t status = 7;
};

TEST_F(ApplyLeagueToUserMock, OtherTeamCountTransfersNothingAndReportsTheLeaguesCount) {
  league.SetTeamCount(3);
  league.SetTeamName(3, "Charlie");
  Choose(true, true, true, true);
  basLGPFileControl::ApplyLeagueToUserMock(ugm, db, status, league);
  EXPECT_EQ(status, -3);
  EXPECT_EQ(ugm.OwnerName(0).substr(0, 5), "Mine ");
  EXPECT_EQ(ugm.BoardCount(), 6);
  EXPECT_EQ(ugm.DraftRounds(), 3);
  EXPECT_EQ(ugm.RosterSizeCount(), 1);
}

TEST_F(ApplyLeagueToUserMock, OnlyTheChosenCategoriesAreCarried) {
  Choose(false, true, false, false);
  basLGPFileControl::ApplyLeagueToUserMock(ugm, db, status, league);
  EXPECT_EQ(status, 7);
  EXPECT_EQ(ugm.OwnerName(1), league.TeamName(2));
  EXPECT_EQ(ugm.OwnerStrategy(0).substr(0, 6), "M.stg ");
  EXPECT_EQ(ugm.BoardCount(), 6);
  EXPECT_EQ(ugm.RosterSizeCount(), 1);

  Choose(false, false, true, false);
  basLGPFileControl::ApplyLeagueToUserMock(ugm, db, status, league);
  EXPECT_EQ(ugm.OwnerStrategy(0), league.Strategy(1));
}

TEST_F(ApplyLeagueToUserMock, RosterSizesArriveWithTheEmptyEntryFirst) {
  Choose(true, false, false, false);
  basLGPFileControl::ApplyLeagueToUserMock(ugm, db, status, league);
  ASSERT_EQ(ugm.RosterSizeCount(), kTemplatePositions + 1);
  EXPECT_EQ(ugm.PosID(0), 0);
  EXPECT_EQ(ugm.RosterMax(1), 15);
  EXPECT_EQ(ugm.MergeAsID(9), 3);
}

TEST_F(ApplyLeagueToUserMock, UsableCreatedOrderReplacesTheBoardOwnersAndADamagedOneGivesWayToTheStyle) {
  // Teams 5 are teams the league does not have.
  const struct {
    int32_t rounds;
    std::vector<int32_t> created, board;
  } cases[] = {{2, {2, 1, 1, 2}, {2, 1, 1, 2}}, {3, {5, 5, 5, 5, 5, 5}, {1, 2, 2, 1, 1, 2}}};
  for (const auto& c : cases) {
    league.SetDraftRounds(c.rounds);
    league.SetCreatedTeamCount(2);
    league.SetCreatedDraftRounds(c.rounds);
    league.SetPickCount(static_cast<int32_t>(c.created.size()));
    for (std::size_t k = 0; k < c.created.size(); ++k) league.SetPick(static_cast<int32_t>(k), c.created[k]);
    Choose(false, false, false, true);
    basLGPFileControl::ApplyLeagueToUserMock(ugm, db, status, league);
    EXPECT_EQ(ugm.DraftRounds(), c.rounds);
    std::vector<int32_t> board;
    for (int32_t k = 0; k < ugm.BoardCount(); ++k) board.push_back(ugm.BoardOwnerID(k));
    EXPECT_EQ(board, c.board);
    EXPECT_EQ(ugm.BoardMasterID(0), 4242);  // made picks stay where they were
  }
}

using kdtest::LeagueWithOrder;

class DraftOrderToUserMock : public ::testing::Test {
 protected:
  kdtest::ScopedFakeSeams fakes;
  clsUserMockIsolate ugm;
};

TEST_F(DraftOrderToUserMock, MatchingStoredOrderBecomesTheBoard) {
  const clsLeagueIsolate league = LeagueWithOrder(2, 3, {1, 2, 2, 1, 1, 2}, 2, 3);
  ugm.SetBoardCount(2);
  ugm.SetBoardMasterID(1, 444);
  basLGPFileControl::ApplyDraftOrderToUserMock(ugm, league);
  ASSERT_EQ(ugm.BoardCount(), 6);
  EXPECT_EQ(ugm.DraftRounds(), 3);
  for (int32_t k = 0; k < 6; ++k) EXPECT_EQ(ugm.BoardOwnerID(k), league.Pick(k));
  EXPECT_EQ(ugm.BoardMasterID(1), 444);
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(DraftOrderToUserMock, NoStoredRoundsOtherRoundsOrADamagedOrderChangeNothingQuietly) {
  for (const clsLeagueIsolate& league :
       {LeagueWithOrder(2, 2, {}, 0, 0), LeagueWithOrder(2, 3, {1, 2, 2, 1}, 2, 2),
        LeagueWithOrder(2, 2, {1, 2, 9, 1}, 2, 2)}) {
    basLGPFileControl::ApplyDraftOrderToUserMock(ugm, league);
    EXPECT_EQ(ugm.BoardCount(), 0);
    EXPECT_EQ(ugm.DraftRounds(), 0);
  }
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(DraftOrderToUserMock, OtherTeamCountShowsLGPConflictAndChangesNothing) {
  const clsLeagueIsolate league = LeagueWithOrder(3, 2, {1, 2, 2, 1}, 2, 2);
  basLGPFileControl::ApplyDraftOrderToUserMock(ugm, league);
  EXPECT_EQ(ugm.BoardCount(), 0);
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "LGP Conflict");
  EXPECT_EQ(fakes.messages.messages[0].text,
            "The created draft order in Home.lgp is not compatible with the current Team Count.  A new "
            "draft order will be created using the selected LGP draft style inside of the UGM.  No changes "
            "will be made to the LGP.");
  EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kOk);
  EXPECT_TRUE(fakes.messages.messages[0].modal);
}

TEST(CopyTeamsToUserMock, OwnersAreZeroBasedWithTeamNumbersAsIDs) {
  const clsLeagueIsolate league = LeagueWithOrder(3, 4, {}, 0, 0);
  clsUserMockIsolate ugm;
  basLGPFileControl::CopyTeamsToUserMock(ugm, league);
  ASSERT_EQ(ugm.OwnerCount(), 3);
  EXPECT_EQ(ugm.DraftRounds(), 4);
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(ugm.OwnerID(i), i + 1);
    EXPECT_EQ(ugm.OwnerName(i), league.TeamName(i + 1));
    EXPECT_EQ(ugm.OwnerStrategy(i), league.Strategy(i + 1));
  }
}

TEST(CopyRosterSizesToUserMock, RecordsArriveInIndexOrderWithFieldsInPlace) {
  const std::vector<LGPRosterSizeRecord> records = {{}, {1, 1, 0, 16, 0, 9}, {3, 9, 1, 2, 0, 1}};
  clsUserMockIsolate ugm;
  ugm.AddRosterPositionSize(5, 5, 5, 5, 5, 5);
  basLGPFileControl::CopyRosterSizesToUserMock(records, ugm);
  ASSERT_EQ(ugm.RosterSizeCount(), 3);
  EXPECT_EQ(ugm.PosID(0) + ugm.RosterMax(0), 0);
  EXPECT_EQ((std::vector<int32_t>{ugm.PosID(2), ugm.MergeAsID(2), ugm.RosterMin(2), ugm.RosterMax(2),
                                  ugm.StarterMin(2), ugm.StarterMax(2)}),
            (std::vector<int32_t>{3, 9, 1, 2, 0, 1}));
}

}  // namespace
