#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeCompatibility.h"
#include "JobProject.h"
#include "LeagueBuilder.h"
#include "database/clsKickwellDB.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/runtime/Text.h"
#include "user_mock/UserMockPreparation.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

using namespace kdtest;
namespace calc = basMockDraftCalculation;

class UserMockPreparation : public ::testing::Test {
 protected:
  bool Run(bool applyLeague) {
    return calc::PrepareUserMockDraft(project.Status(), mock, db, rosters, ugm, applyLeague);
  }

  // A user mock of `owners` teams over two rounds with the league's roster
  // sizes, a board in serpentine order and nothing drafted.
  void SavedUserMock(int32_t owners) {
    ugm.SetOwnerCount(owners);
    ugm.SetDraftRounds(2);
    for (int32_t i = 0; i < owners; ++i) {
      ugm.SetOwnerID(i, i + 1);
      ugm.SetOwnerName(i, "Owner " + std::to_string(i + 1));
      ugm.SetOwnerStrategy(i, "points.stg");
    }
    for (const LGPRosterSizeRecord& r : LeaguePlan{}.sizes)
      ugm.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
    calc::LoadUGMBoard(ugm, 0);
  }

  std::vector<int32_t> BoardOwners() const {
    std::vector<int32_t> owners;
    for (int32_t j = 0; j < ugm.BoardCount(); ++j) owners.push_back(ugm.BoardOwnerID(j));
    return owners;
  }

  JobProject project;
  ScopedFakeCompatibility compatibility;
  clsMockDraft mock;
  clsKickwellDB db;
  std::vector<clsMockRoster> rosters;
  clsUserMockIsolate ugm;
};

TEST_F(UserMockPreparation, AnEmptyUserMockTakesTheLeagueAndABoardInItsStyle) {
  ASSERT_TRUE(Run(true));
  EXPECT_TRUE(compatibility.window.calls.empty());
  ASSERT_EQ(ugm.OwnerCount(), 3);
  EXPECT_EQ(runtime::Trim(ugm.OwnerName(1)), "Bravo");
  EXPECT_EQ(runtime::Trim(ugm.OwnerStrategy(2)), "receiver.stg");
  EXPECT_EQ(ugm.DraftRounds(), 2);
  // The league drafts serpentine, so the new board does too.
  EXPECT_EQ(BoardOwners(), (std::vector<int32_t>{1, 2, 3, 3, 2, 1}));
  // One roster-size record per position of the table, after the empty one.
  EXPECT_EQ(ugm.RosterSizeCount(), 18);
  EXPECT_EQ(ugm.PosID(0), 0);
  EXPECT_EQ(ugm.RosterMax(1), 2);

  EXPECT_EQ(mock.OwnerCount(), 3);
  EXPECT_EQ(mock.Count(), 5);
  EXPECT_EQ(mock.DraftOwner(3), 3);
  EXPECT_EQ(mock.MasterID(3), 0);
  ASSERT_EQ(rosters.size(), 4u);
  for (int32_t t = 1; t <= 3; ++t) {
    EXPECT_EQ(rosters[static_cast<std::size_t>(t)].ActivePositions(), 4);  // All, QB, RB, WR, K
    EXPECT_EQ(rosters[static_cast<std::size_t>(t)].PlayerCount(), 0);
  }
  EXPECT_EQ(rosters[2].StrategyCompare(0), clsMockRoster::kRosterValue);
  EXPECT_EQ(project.StoredPoints(104), 100);
  EXPECT_TRUE(project.seams.messages.messages.empty());
}

TEST_F(UserMockPreparation, AConflictingCreatedOrderGivesWayToTheLeaguesStyle) {
  LeaguePlan plan;
  plan.style = 1;
  plan.createdTeams = 2;
  plan.createdOrder = {2, 1, 1, 2};
  project.WriteLeague(plan);
  ASSERT_TRUE(Run(true));
  ASSERT_EQ(project.seams.messages.messages.size(), 1u);
  EXPECT_EQ(project.seams.messages.messages[0].caption, "LGP Conflict");
  EXPECT_EQ(BoardOwners(), (std::vector<int32_t>{1, 2, 3, 1, 2, 3}));
}

TEST_F(UserMockPreparation, PicksAlreadyMadeAreReplayedIntoTheirRosters) {
  SavedUserMock(3);
  ugm.SetBoardMasterID(0, 101);
  ugm.SetBoardMasterID(1, 203);  // the fullback, among the backs
  ugm.SetBoardMasterID(2, 301);
  ASSERT_TRUE(Run(false));
  EXPECT_EQ(compatibility.window.calls, (std::vector<std::string>{"PopulateTeamChanges", "Unload"}));
  EXPECT_TRUE(project.seams.messages.messages.empty());

  EXPECT_EQ(mock.Count(), 5);
  EXPECT_EQ(runtime::Trim(mock.OwnerName(1)), "Owner 1");
  EXPECT_EQ(mock.MasterID(1), 203);
  EXPECT_EQ(mock.DraftOwner(1), 2);
  EXPECT_EQ(mock.Position(1), kRB);
  EXPECT_EQ(mock.Points(1), 150);
  EXPECT_EQ(runtime::Trim(mock.PlayerName(1)), "Gray, Gus");
  EXPECT_EQ(mock.MasterID(3), 0);

  ASSERT_EQ(rosters.size(), 4u);
  EXPECT_EQ(rosters[1].PlayerCount(), 1);
  EXPECT_EQ(rosters[1].MasterID(0), 101);
  EXPECT_EQ(rosters[2].MasterID(0), 203);
  EXPECT_EQ(rosters[3].MasterID(0), 301);
  for (std::size_t t = 1; t <= 3; ++t) {
    EXPECT_TRUE(rosters[t].StackPlayerDrafted(1, 0));  // 101
    EXPECT_TRUE(rosters[t].StackPlayerDrafted(2, 2));  // 203
    EXPECT_EQ(rosters[t].LeaguePosDraftCount(kRB), 1);
  }
}

TEST_F(UserMockPreparation, TheTransferWindowOffersWhatDiffersWhenTheTeamsMatch) {
  SavedUserMock(3);
  compatibility.window.differences = {false, true, false, false};
  compatibility.window.choice = std::array<bool, 4>{false, true, false, false};
  ASSERT_TRUE(Run(false));
  EXPECT_EQ(compatibility.window.calls,
            (std::vector<std::string>{"PopulateTeamChanges", "ActivateGrid", "ShowModal", "Unload"}));
  EXPECT_EQ(runtime::Trim(ugm.OwnerName(0)), "Alpha");
  EXPECT_EQ(runtime::Trim(ugm.OwnerStrategy(1)), "points.stg");  // not chosen
  EXPECT_EQ(runtime::Trim(mock.OwnerName(1)), "Alpha");
}

TEST_F(UserMockPreparation, DifferentTeamCountsImportNothingAndSaySo) {
  SavedUserMock(2);
  compatibility.window.differences = {true, true, true, true};
  ASSERT_TRUE(Run(false));
  EXPECT_EQ(compatibility.window.calls, (std::vector<std::string>{"PopulateTeamChanges", "Unload"}));
  ASSERT_EQ(project.seams.messages.messages.size(), 1u);
  const MessageCall& m = project.seams.messages.messages[0];
  EXPECT_EQ(m.caption, "UGM / LGP Compatibility");
  EXPECT_EQ(m.text,
            "LGP Team Count = 3 / UGM Team Count = 2\r\n"
            "The current UGM can be used but will not import any League Properties from the LGP.  "
            "You must create a new UGM file to use the League Properties file.");
  EXPECT_EQ(m.buttonSet, 2);
  EXPECT_EQ(runtime::Trim(ugm.OwnerName(0)), "Owner 1");
  EXPECT_EQ(BoardOwners(), (std::vector<int32_t>{1, 2, 2, 1}));
  EXPECT_EQ(ugm.RosterSizeCount(), 7);
  // The draft goes on with the user mock's own two teams.
  EXPECT_EQ(mock.OwnerCount(), 2);
  EXPECT_EQ(rosters.size(), 3u);
  EXPECT_EQ(rosters[1].Teams(), 2);
}

TEST_F(UserMockPreparation, RosterSizesGetTheLeagueChecks) {
  struct Case {
    std::vector<LGPRosterSizeRecord> sizes;
    std::string text;
  };
  const Case cases[] = {
      {{}, "'All Roster Max' value required in League Properties File."},
      {{{1, 1, 0, 2, 0, 2}, {2, 2, 0, 0, 0, 0}}, "No positions are selected in League Properties File."},
  };
  for (const Case& c : cases) {
    SavedUserMock(3);
    ugm.ClearRosterPositions();
    for (const LGPRosterSizeRecord& r : c.sizes)
      ugm.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
    project.seams.messages.messages.clear();
    rosters.clear();
    clsKickwellDB fresh;
    EXPECT_FALSE(calc::PrepareUserMockDraft(project.Status(), mock, fresh, rosters, ugm, false));
    ASSERT_EQ(project.seams.messages.messages.size(), 1u);
    EXPECT_EQ(project.seams.messages.messages[0].caption, "League Properties Error");
    EXPECT_EQ(project.seams.messages.messages[0].text, c.text);
    EXPECT_TRUE(rosters.empty());
  }
}

TEST_F(UserMockPreparation, ACancelAFailedScoringLoadOrAnUnreadableLeagueAnswersFalse) {
  SavedUserMock(3);
  // A cancel at the very end, with the board and rosters made.
  project.seams.yield.onYield = [this](int) {
    if (mock.Count() == 5) CancelFlag = true;
  };
  EXPECT_FALSE(Run(false));
  EXPECT_EQ(rosters.size(), 4u);
  project.seams.yield.onYield = nullptr;
  CancelFlag = false;

  WriteFile(project.scoringPath, "");
  rosters.clear();
  clsKickwellDB fresh;
  EXPECT_FALSE(calc::PrepareUserMockDraft(project.Status(), mock, fresh, rosters, ugm, false));
  ASSERT_FALSE(project.seams.messages.captions.empty());
  EXPECT_EQ(project.seams.messages.captions.back(), "Scoring System Error");
  EXPECT_TRUE(rosters.empty());

  project.WriteScoring();
  WriteFile(project.leaguePath, "");
  compatibility.window.calls.clear();
  clsKickwellDB unread;
  EXPECT_FALSE(calc::PrepareUserMockDraft(project.Status(), mock, unread, rosters, ugm, true));
  EXPECT_EQ(runtime::Trim(ugm.OwnerName(0)), "Owner 1");
  EXPECT_TRUE(compatibility.window.calls.empty());
}

TEST(UserMockBoard, AnEmptyBoardInDraftOrder) {
  clsUserMockIsolate ugm;
  ugm.SetOwnerCount(2);
  ugm.SetDraftRounds(3);
  ugm.SetBoardCount(1);
  ugm.SetBoardMasterID(0, 77);
  ugm.SetBoardPosID(0, 3);
  calc::LoadUGMBoard(ugm, 0);
  ASSERT_EQ(ugm.BoardCount(), 6);
  const int32_t serpentine[] = {1, 2, 2, 1, 1, 2};
  for (int32_t j = 0; j < 6; ++j) {
    EXPECT_EQ(ugm.BoardOwnerID(j), serpentine[j]);
    EXPECT_EQ(ugm.BoardMasterID(j), 0);
    EXPECT_EQ(ugm.BoardPosID(j), 0);
  }
  calc::LoadUGMBoard(ugm, 1);
  EXPECT_EQ(ugm.BoardOwnerID(2), 1);
  ugm.SetDraftRounds(0);
  calc::LoadUGMBoard(ugm, 1);
  EXPECT_EQ(ugm.BoardCount(), 0);
}

TEST(UserMockBoard, RosterSizesAreReadFromIndexZero) {
  clsUserMockIsolate ugm;
  std::vector<LGPRosterSizeRecord> records{{9, 9, 9, 9, 9, 9}};
  calc::ReadUGMRosterSizes(ugm, records);  // none: left as they were
  EXPECT_EQ(records.size(), 1u);
  ugm.AddRosterPositionSize(1, 1, 15, 14, 9, 8);
  ugm.AddRosterPositionSize(3, 9, 0, 0, 0, 0);
  calc::ReadUGMRosterSizes(ugm, records);
  EXPECT_EQ(records, (std::vector<LGPRosterSizeRecord>{{1, 1, 14, 15, 8, 9}, {9, 3, 0, 0, 0, 0}}));
}

}  // namespace
