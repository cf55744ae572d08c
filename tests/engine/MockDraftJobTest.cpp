#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "JobProject.h"
#include "LeagueBuilder.h"
#include "database/clsKickwellDB.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "platform/runtime/Text.h"

namespace {

using namespace kdtest;
namespace calc = basMockDraftCalculation;

struct Pick {
  int32_t masterID;
  int32_t owner;
  int32_t posID;
  double points;
  double baseline;
  std::string name;
  bool operator==(const Pick&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pick& p) {
  return out << "{" << p.masterID << ", team " << p.owner << ", pos " << p.posID << ", " << p.points << ", "
             << p.baseline << ", " << p.name << "}";
}

class MockDraftJob : public ::testing::Test {
 protected:
  bool Run() { return calc::CalculateMockDraft(project.Status(), mock, db); }

  std::vector<Pick> Board() const {
    std::vector<Pick> out;
    for (int32_t k = 0; k <= mock.Count(); ++k)
      out.push_back({mock.MasterID(k), mock.DraftOwner(k), mock.Position(k), mock.Points(k), mock.BaseLine(k),
                     runtime::Trim(mock.PlayerName(k))});
    return out;
  }

  JobProject project;
  clsMockDraft mock;
  clsKickwellDB db;
};

// Team 1 takes the most points, team 2 the most over the roster baseline,
// team 3 a receiver with its first pick and then the most points. Values
// over the baselines (QB 200, RB 150, WR 220, K 120) in brackets.
TEST_F(MockDraftJob, TheDraftFollowsTheLeaguesStyleOrItsCreatedOrder) {
  const Pick qb1{101, 1, kQB, 300, 100, "Able, Al"}, qb2{102, 0, kQB, 290, 90, "Baker, Bo"},
      qb3{103, 3, kQB, 200, 0, "Cole, Cy"}, rb1{201, 2, kRB, 260, 110, "Ellis, Ed"},
      rb2{202, 1, kRB, 250, 100, "Ford, Fay"}, wr1{301, 3, kWR, 240, 20, "Ives, Ike"},
      wr2{302, 2, kWR, 230, 10, "Jones, Jo"};
  const auto by = [](Pick p, int32_t owner) {
    p.owner = owner;
    return p;
  };
  struct Case {
    const char* name;
    int32_t style;
    std::vector<int32_t> createdOrder;
    std::vector<Pick> expected;
  };
  const Case cases[] = {
      // 4: T3 again, QB 102 290 over RB 202 250. 5: T2 with its back: WR 302
      // [10] over QB 103 [0] and K 601 [0]. 6: T1 with its quarterback: RB
      // 202 250 over WR 303 220 and K 601 120.
      {"serpentine", 0, {}, {qb1, rb1, wr1, by(qb2, 3), wr2, rb2}},
      // 4: T1 with its quarterback: RB 202. 5: T2 with its back: QB 102 [90]
      // over WR 302 [10]. 6: T3 with its receiver: QB 103 200 over RB 203
      // 150 (the merged fullback) and K 601 120.
      {"cyclic", 1, {}, {qb1, rb1, wr1, rb2, by(qb2, 2), qb3}},
      // The league's created order is used as it is.
      {"created", 0, {3, 1, 2, 2, 1, 3}, {wr1, qb1, rb1, by(qb2, 2), rb2, qb3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LeaguePlan plan;
    plan.style = c.style;
    plan.createdOrder = c.createdOrder;
    plan.createdTeams = c.createdOrder.empty() ? 0 : 3;
    project.WriteLeague(plan);
    mock = clsMockDraft();
    clsKickwellDB fresh;
    ASSERT_TRUE(calc::CalculateMockDraft(project.Status(), mock, fresh));
    EXPECT_EQ(Board(), c.expected);
    EXPECT_EQ(mock.CreateDraftOrder(), c.createdOrder.empty());
  }
  EXPECT_EQ(mock.OwnerCount(), 3);
  EXPECT_EQ(runtime::Trim(mock.OwnerName(3)), "Charlie");
  EXPECT_EQ(mock.RBL(kK), 120);
  EXPECT_TRUE(project.seams.messages.messages.empty());
  EXPECT_EQ(project.seams.progress.totalBottomText, "Generating Mock Draft");
  EXPECT_EQ(project.seams.progress.bottomText, "Running Mock Draft Pick 6 of 6");
}

TEST_F(MockDraftJob, ANameChangedElsewhereBetweenDraftsReachesTheNextBoard) {
  ASSERT_TRUE(Run());
  EXPECT_EQ(runtime::Trim(mock.PlayerName(0)), "Able, Al");
  ExecuteSql(project.databasePath, "UPDATE tblPlayers SET BackName = 'Able, Alan' WHERE MasterID = 101;");
  mock = clsMockDraft();
  ASSERT_TRUE(Run());
  EXPECT_EQ(runtime::Trim(mock.PlayerName(0)), "Able, Alan");
}

// The current bar follows the draft: at each pick's caption it shows the
// share of picks already made, never the last pick's own 100 % (the first
// pick, like any phase's first value, draws nothing).
TEST_F(MockDraftJob, TheCurrentBarShowsHowFarTheDraftHasCome) {
  project.WriteLeague(LeaguePlan{});
  ASSERT_TRUE(Run());
  std::vector<std::string> atCaption;
  std::string shown = "none";
  for (const std::string& line : project.seams.progress.log) {
    if (line.rfind("Percent ", 0) == 0) shown = line.substr(8);
    if (line == "ClearCurrent") shown = "0";
    if (line.rfind("BottomText Running Mock Draft Pick ", 0) == 0) atCaption.push_back(shown);
  }
  EXPECT_EQ(atCaption, (std::vector<std::string>{"0", "0", "33", "50", "67", "83"}));
  EXPECT_EQ(project.seams.progress.percents.back(), 100);
}

TEST_F(MockDraftJob, CancelAfterThreePicksKeepsThem) {
  project.seams.yield.onYield = [this](int) {
    if (mock.Count() == 2) CancelFlag = true;
  };
  EXPECT_FALSE(Run());
  ASSERT_EQ(mock.Count(), 2);
  EXPECT_EQ(mock.MasterID(2), 301);
  EXPECT_TRUE(project.seams.messages.messages.empty());
  EXPECT_EQ(project.seams.progress.bottomText, "Running Mock Draft Pick 3 of 6");
}

TEST_F(MockDraftJob, LeagueErrorsAreShownOnceTogetherAndAFailedScoringLoadStopsTheDraft) {
  LeaguePlan plan;
  plan.rounds = 0;
  plan.sizes = {{1, 1, 0, 0, 0, 0}, {2, 2, 0, 1, 1, 1}};
  project.WriteLeague(plan);
  EXPECT_FALSE(Run());
  ASSERT_EQ(project.seams.messages.messages.size(), 1u);
  EXPECT_EQ(project.seams.messages.messages[0].caption, "League Properties Error");
  EXPECT_EQ(project.seams.messages.messages[0].text,
            "'All Roster Max' value required in League Properties File.\r\n"
            "Draft Rounds < 1 in League Properties File.\r\n");
  EXPECT_EQ(mock.Count(), -1);
  EXPECT_EQ(project.StoredPoints(104), 999);  // stopped before the scoring run

  project.WriteLeague(LeaguePlan{});
  WriteFile(project.scoringPath, "");
  clsKickwellDB fresh;
  EXPECT_FALSE(calc::CalculateMockDraft(project.Status(), mock, fresh));
  ASSERT_EQ(project.seams.messages.messages.size(), 2u);
  EXPECT_EQ(project.seams.messages.messages[1].caption, "Scoring System Error");
  EXPECT_EQ(mock.Count(), -1);
}

TEST(MockDraftLeague, ErrorsComeInOrderRosterErrorsOneAtATime) {
  clsMockDraft mock;
  const std::vector<LGPRosterSizeRecord> noAllMax{
      {0, 0, 0, 0, 0, 0}, {kAll, 0, 0, 0, 0, 0}, {kQB, 0, 0, 1, 1, 1}};
  EXPECT_EQ(calc::MockDraftLeagueErrors(noAllMax, mock),
            "'All Roster Max' value required in League Properties File.\r\n"
            "Draft Rounds < 1 in League Properties File.\r\n"
            "Team Count < 1 in League Properties File.\r\n");
  mock.SetDraftRounds(2);
  mock.SetOwnerCount(3);
  const std::vector<LGPRosterSizeRecord> allOnly{{0, 0, 0, 0, 0, 0}, {kAll, 1, 0, 2, 0, 2}};
  EXPECT_EQ(calc::MockDraftLeagueErrors(allOnly, mock),
            "No positions are selected in League Properties File.\r\n");
  const std::vector<LGPRosterSizeRecord> none{{kQB, 2, 0, 1, 1, 1}};
  EXPECT_EQ(calc::MockDraftLeagueErrors(none, mock),
            "'All Roster Max' value required in League Properties File.\r\n");
  // No draft order is made for more than 10000 picks.
  const std::vector<LGPRosterSizeRecord> fine{{kAll, 1, 0, 2, 0, 2}, {kQB, 2, 0, 1, 1, 1}};
  mock.SetOwnerCount(101);
  mock.SetDraftRounds(100);
  EXPECT_EQ(calc::MockDraftLeagueErrors(fine, mock),
            "Team Count x Draft Rounds > 10000 in League Properties File.\r\n");
  mock.SetOwnerCount(100);
  EXPECT_EQ(calc::MockDraftLeagueErrors(fine, mock), "");
}

}  // namespace
