#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "database/clsKickwellDB.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "user_mock/basUGMFileControl.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

constexpr int kQB = 2, kRB = 3, kK = 6, kFB = 9;
constexpr int kQBSlot = 1, kRBSlot = 2;
constexpr int kBuffalo = 4;

// Two teams whose rosters take quarterbacks and running backs; fullbacks
// merge into running backs. The stacks hold one quarterback (502) and one
// running back (501) each.
class UserMockReplay : public ::testing::Test {
 protected:
  void SetUp() override {
    path = kdtest::MakeTemplateDatabase(dir);
    ASSERT_TRUE(db.InitializeKickwellDB(path)) << db.LastError();
    year = db.pFnGetYear();
    AddPlayer(501, "Back, Running", kRB, 200);
    AddPlayer(502, "Passer, Quarter", kQB, 300);
    AddPlayer(503, "Full, Back", kFB, 50);
    AddPlayer(504, "Kick, Er", kK, 100);
    kdtest::AddTestPlayer(path, 505, "Rookie, No Season", kBuffalo, kRB);
    db.pSbSetByeWeek(kBuffalo, year, 7);

    records = {{1, 1, 0, 4, 0, 2}, {kQB, kQB, 0, 1, 0, 1}, {kRB, kRB, 0, 2, 0, 1}, {kFB, kRB, 0, 0, 0, 0}};
    rosters.resize(3);
    for (int t = 1; t <= 2; ++t) {
      clsMockRoster& r = rosters[static_cast<std::size_t>(t)];
      r.AddRosterPositionSize(1, 1, 4, 0, 2, 0);
      r.AddRosterPositionSize(kQB, kQB, 1, 0, 1, 0);
      r.AddRosterPositionSize(kRB, kRB, 2, 0, 1, 0);
      r.SetOwnerCount(2);
      r.SizePositionStacks();
      r.AddStackPlayer(502, 300, false, kQBSlot, 7);
      r.AddStackPlayer(501, 200, false, kRBSlot, 7);
    }
    mock.SetOwnerCount(2);
  }
  void AddPlayer(int masterID, const std::string& name, int posID, double points) {
    const int id = kdtest::AddTestPlayer(path, masterID, name, kBuffalo, posID);
    kdtest::AddTestStat0(path, id, 250, year, points, kBuffalo);
  }
  void Board(const std::vector<std::pair<int32_t, int32_t>>& picks) {
    ugm.SetBoardCount(static_cast<int32_t>(picks.size()));
    for (std::size_t k = 0; k < picks.size(); ++k) {
      ugm.SetBoardOwnerID(static_cast<int32_t>(k), picks[k].first);
      ugm.SetBoardMasterID(static_cast<int32_t>(k), picks[k].second);
    }
  }
  void Replay() { basUGMFileControl::CopyUserMockBoardToMock(ugm, mock, rosters, db, records); }
  bool DraftedInEveryRoster(int32_t slot, int32_t index) {
    return rosters[1].StackPlayerDrafted(slot, index) && rosters[2].StackPlayerDrafted(slot, index);
  }

  kdtest::TempDir dir;
  std::string path;
  clsKickwellDB db;
  int16_t year = 0;
  std::vector<LGPRosterSizeRecord> records;
  std::vector<clsMockRoster> rosters;
  clsMockDraft mock;
  clsUserMockIsolate ugm;
};

TEST_F(UserMockReplay, MadePickOfAStackedPlayerIsDraftedAndRecorded) {
  mock.SetCount(3);
  Replay();
  EXPECT_EQ(mock.Count(), -1) << "an empty board empties the draft board";

  Board({{2, 502}, {1, 0}});
  Replay();
  ASSERT_EQ(mock.Count(), 1);
  EXPECT_EQ(mock.MasterID(0), 502);
  EXPECT_EQ(mock.DraftOwner(0), 2);
  EXPECT_EQ(mock.Position(0), kQB);
  EXPECT_EQ(mock.Points(0), 300.0);
  EXPECT_EQ(mock.PlayerName(0), "Passer, Quarter" + std::string(30, ' '));
  EXPECT_EQ(mock.DraftPosition(0), 0);
  EXPECT_TRUE(DraftedInEveryRoster(kQBSlot, 0));
  EXPECT_EQ(rosters[2].DraftedAtSlot(kQBSlot), 1);
  EXPECT_EQ(rosters[1].DraftedAtSlot(kQBSlot), 0);
  // The open pick keeps only its owner and number.
  EXPECT_EQ(mock.MasterID(1), 0);
  EXPECT_EQ(mock.DraftOwner(1), 1);
  EXPECT_EQ(mock.DraftPosition(1), 1);
}

TEST_F(UserMockReplay, PlayerMissingFromEveryStackJoinsHisMergedPositionEverywhere) {
  Board({{1, 503}});
  Replay();
  for (clsMockRoster& r : {std::ref(rosters[1]), std::ref(rosters[2])}) {
    ASSERT_EQ(r.StackPlayerCount(kRBSlot), 2);
    EXPECT_EQ(r.StackPlayerMasterID(kRBSlot, 1), 503);
    EXPECT_EQ(r.StackPlayerPoints(kRBSlot, 1), 50.0);
    EXPECT_EQ(r.Stack(kRBSlot).ByeWeek(1), 7);
  }
  EXPECT_TRUE(DraftedInEveryRoster(kRBSlot, 1));
  EXPECT_EQ(rosters[1].DraftedAtSlot(kRBSlot), 1);
  EXPECT_EQ(mock.Position(0), kRB);
  EXPECT_EQ(mock.Points(0), 50.0);
  EXPECT_EQ(mock.PlayerName(0).substr(0, 11), "Full, Back ");
}

TEST_F(UserMockReplay, PicksThatCannotBeReplayedKeepOnlyOwnerPlayerAndNumber) {
  // 504: a kicker, a position no record maps to a slot; 505: no season row;
  // 501 for team 7: an owner without a roster (a damaged file). Five picks
  // for two teams: the board need not be rounds x teams.
  Board({{1, 504}, {2, 505}, {7, 501}, {1, 0}, {2, 0}});
  Replay();
  ASSERT_EQ(mock.Count(), 4);
  EXPECT_EQ(mock.MasterID(0), 504);
  EXPECT_EQ(mock.DraftOwner(0), 1);
  EXPECT_EQ(mock.Position(0), 0);
  EXPECT_EQ(mock.Points(0), 0.0);
  EXPECT_EQ(mock.MasterID(1), 505);
  EXPECT_EQ(mock.DraftOwner(2), 7);
  EXPECT_EQ(mock.DraftPosition(2), 2);
  EXPECT_EQ(rosters[1].StackPlayerCount(kRBSlot), 1);
  EXPECT_FALSE(rosters[1].StackPlayerDrafted(kRBSlot, 0));
  EXPECT_EQ(rosters[1].DraftedAtSlot(kRBSlot) + rosters[2].DraftedAtSlot(kRBSlot), 0);
}

}  // namespace
