#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "FakeCompatibility.h"
#include "JobProject.h"
#include "LeagueBuilder.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "engine/clsPossiblePicks.h"
#include "user_mock/clsUserMockSession.h"

namespace {

using namespace kdtest;
using Picks = std::vector<int32_t>;
constexpr int32_t kQB = 2;

// The engine fixture's three teams over two serpentine rounds (owners 1 2 3
// 3 2 1). Drafting by their strategies, the six picks are QB 101, RB 201,
// WR 301, QB 102, WR 302, RB 202 (see the automatic draft's tests).
class UserMockSession : public ::testing::Test {
 protected:
  void SetUp() override { Settings().SetLongVal(kSetUserMockDepth, 10); }

  static clsSettingsKD& Settings() { return basMockDraftSettings::GlobalSettings(); }

  // A new user mock from the league, at its first open pick.
  void OpenNew() {
    std::filesystem::create_directories(FileTypeFolder.at(static_cast<std::size_t>(kPageUserMockDraft)));
    session = std::make_unique<clsUserMockSession>();
    session->Document().SetFilePath(FileTypeFolder.at(static_cast<std::size_t>(kPageUserMockDraft)));
    session->Document().SetFileName("Mine.ugm");
    ASSERT_TRUE(session->Open(true));
    session->GoToFirstOpenPick();
  }

  // The saved document opened again, at its first open pick.
  void Reopen() {
    ScopedFakeCompatibility compatibility;
    session = std::make_unique<clsUserMockSession>();
    session->Document().SetFilePath(FileTypeFolder.at(static_cast<std::size_t>(kPageUserMockDraft)));
    session->Document().SetFileName("Mine.ugm");
    ASSERT_TRUE(session->Document().LoadUserMock());
    ASSERT_TRUE(session->Open(false));
    session->GoToFirstOpenPick();
  }

  Picks BoardPlayers() const {
    Picks players;
    for (int32_t p = 0; p <= session->Board().Count(); ++p) players.push_back(session->Board().MasterID(p));
    return players;
  }

  int32_t RosterPlayers() const {
    int32_t n = 0;
    for (int32_t t = 1; t <= 3; ++t) n += session->Roster(t).PlayerCount();
    return n;
  }

  // Team 1 decides its first pick by `method`, then takes the most points.
  void FirstPickOfTeamOneBy(int32_t method) {
    clsMockRoster scratch;
    GiveStrategy(scratch, FileTypeFolder.at(static_cast<std::size_t>(kPageDraftStrategies)) + "points.stg",
                 {{.beg = 1, .end = 1, .method = method}, {.beg = 2}});
  }

  JobProject project;
  std::unique_ptr<clsUserMockSession> session;
};

TEST_F(UserMockSession, ProjectsTheOpenPicksByTheStrategiesAndLeavesTheBoardAsItWas) {
  OpenNew();
  EXPECT_EQ(session->ActivePick(), 0);
  EXPECT_EQ(session->ActiveTeam(), 1);
  // Past the last open pick every slot holds the last pick, drafted by then.
  EXPECT_EQ(session->ProjectedPicks(), (Picks{0, 1, 2, 3, 4, 5, 5, 5, 5, 5}));
  EXPECT_EQ(session->ProjectedPlayers(), (Picks{101, 201, 301, 102, 302, 202, 0, 0, 0, 0}));
  EXPECT_EQ(session->ProjectedPlayerAt(3), 102);
  EXPECT_EQ(session->ActivePlayer(), 101);
  EXPECT_EQ(session->ActiveSlot(), session->ProjectedSlots()[0]);
  EXPECT_TRUE(session->DraftEnabled());
  EXPECT_FALSE(session->ReleaseEnabled());
  EXPECT_FALSE(session->PrevPickEnabled());
  EXPECT_TRUE(session->NextPickEnabled());

  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RosterPlayers(), 0);
  EXPECT_EQ(project.seams.progress.caption, "Calculating UGM Projections");
  EXPECT_EQ(project.seams.progress.totalBottomText, "Calculating Next 10 Projected Players.");

  // "Draft" without a choice takes the recommendation; the next pick is
  // active and projected without him.
  session->Draft();
  EXPECT_EQ(BoardPlayers(), (Picks{101, 0, 0, 0, 0, 0}));
  EXPECT_EQ(session->ActivePick(), 1);
  EXPECT_EQ(session->ActivePlayer(), 201);
  EXPECT_EQ(session->ProjectedPicks(), (Picks{1, 2, 3, 4, 5, 5, 5, 5, 5, 5}));
  EXPECT_TRUE(session->ChangesMade());
  EXPECT_EQ(RosterPlayers(), 1);
}

TEST_F(UserMockSession, TheStatusLinesNameThePickTheTeamAsStoredAndThePlayer) {
  OpenNew();
  session->ChoosePick(2);
  EXPECT_EQ(session->ActivePickStatus(0), "Active Pick # 3  Team # 3 Charlie" + std::string(43, ' '));
  EXPECT_EQ(session->ActivePickStatus(1), "Player: Ives, Ike  WR");
  Settings().SetLongVal(kSetUserMockDepth, 0);
  session->ChoosePick(3);
  EXPECT_EQ(session->ActivePickStatus(1), "Player:   N/A");
}

TEST_F(UserMockSession, AnEmptyBoardHasNoActivePickAndNothingToDo) {
  clsUserMockSession empty;
  empty.GoToFirstOpenPick();
  empty.MoveActivePick(1);
  empty.MoveActivePick(-1);
  empty.ChoosePick(0);
  EXPECT_FALSE(empty.ChoosePlayer(101));
  empty.Draft();
  empty.Release();
  FakeTraceList logic;
  empty.ShowLogic(logic);
  EXPECT_EQ(empty.ActivePick(), -1);
  EXPECT_FALSE(empty.DraftEnabled());
  EXPECT_FALSE(empty.PrevPickEnabled());
  EXPECT_FALSE(empty.NextPickEnabled());
  EXPECT_TRUE(logic.lines.empty());
  EXPECT_FALSE(empty.ChangesMade());
  EXPECT_EQ(empty.ActivePickStatus(0), "Active Pick # 0  Team # -1 ");
  EXPECT_EQ(empty.ActivePickStatus(1), "Player:   N/A");
}

TEST_F(UserMockSession, AChosenPlayerIsProjectedAtTheActivePickAndOnlyDraftedOnDraft) {
  OpenNew();
  ASSERT_TRUE(session->ChoosePlayer(102));
  // Team 3 then finds QB 101 free for its second pick.
  EXPECT_EQ(session->ProjectedPlayers(), (Picks{102, 201, 301, 101, 302, 202, 0, 0, 0, 0}));
  EXPECT_EQ(session->ActivePlayer(), 102);
  EXPECT_TRUE(session->DraftEnabled());
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));

  // At the last pick, which fills every slot past the open picks, he is
  // taken off once.
  session->ChoosePick(5);
  ASSERT_TRUE(session->ChoosePlayer(103));
  EXPECT_EQ(session->ProjectedPicks(), (Picks{0, 1, 2, 3, 4, 5, 5, 5, 5, 5}));
  EXPECT_EQ(session->ProjectedPlayerAt(5), 103);
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RosterPlayers(), 0);
  EXPECT_EQ(session->Roster(2).LeaguePosDraftCount(kQB), 0);

  session->GoToFirstOpenPick();
  ASSERT_TRUE(session->ChoosePlayer(102));
  session->Draft();
  EXPECT_EQ(BoardPlayers(), (Picks{102, 0, 0, 0, 0, 0}));
  // A player on the board cannot be chosen again.
  EXPECT_FALSE(session->ChoosePlayer(102));
}

TEST_F(UserMockSession, ADraftedPickCanBeReplacedInItsSlotOrReleased) {
  OpenNew();
  session->Draft();  // QB 101 for team 1
  // The logic list is rewritten only while the active pick is open.
  FakeTraceList logic;
  logic.lines = {"kept"};
  session->SetLogicList(&logic);
  session->ChoosePick(0);
  EXPECT_EQ(logic.lines, (std::vector<std::string>{"kept"}));
  session->SetLogicList(nullptr);
  EXPECT_EQ(session->ActivePlayer(), 101);
  EXPECT_FALSE(session->DraftEnabled());
  EXPECT_TRUE(session->ReleaseEnabled());
  // The projection runs with the drafted player in place.
  EXPECT_EQ(session->ProjectedPicks(), (Picks{1, 2, 3, 4, 5, 5, 5, 5, 5, 5}));
  EXPECT_EQ(session->ProjectedPlayers(), (Picks{201, 301, 102, 302, 202, 0, 0, 0, 0, 0}));
  EXPECT_EQ(BoardPlayers(), (Picks{101, 0, 0, 0, 0, 0}));

  // Another quarterback replaces him: the full slot frees up.
  ASSERT_TRUE(session->ChoosePlayer(103));
  EXPECT_TRUE(session->DraftEnabled());
  EXPECT_EQ(BoardPlayers(), (Picks{101, 0, 0, 0, 0, 0}));
  session->Draft();
  EXPECT_EQ(BoardPlayers(), (Picks{103, 0, 0, 0, 0, 0}));
  EXPECT_EQ(session->ActivePick(), 1);

  // Team 1's last pick: its quarterback place is taken.
  session->ChoosePick(5);
  ASSERT_TRUE(session->ChoosePlayer(101));
  EXPECT_FALSE(session->DraftEnabled());
  EXPECT_FALSE(session->CheckDraftAllowed(101, 1, 5));
  EXPECT_TRUE(session->CheckDraftAllowed(202, 1, 5));
  // "Release" of a player who was only chosen takes nobody off and leaves
  // the quarterback count alone.
  ASSERT_TRUE(session->ReleaseEnabled());
  session->Release();
  EXPECT_EQ(BoardPlayers(), (Picks{103, 0, 0, 0, 0, 0}));
  EXPECT_EQ(session->Roster(2).LeaguePosDraftCount(kQB), 1);
  EXPECT_EQ(session->ActivePick(), 5);

  session->ChoosePick(0);
  session->Release();
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(session->ActivePick(), 0);
  EXPECT_EQ(session->ActivePlayer(), 101);
  EXPECT_EQ(RosterPlayers(), 0);
}

TEST_F(UserMockSession, ReleaseTakesOffThePlayerAtThePickEvenWhileAnotherIsChosen) {
  OpenNew();
  session->Draft();  // QB 101 for team 1
  session->ChoosePick(5);
  session->Draft();  // and its second player
  ASSERT_EQ(BoardPlayers(), (Picks{101, 0, 0, 0, 0, 202}));
  // Team 1's roster is full: a receiver cannot replace its quarterback.
  session->ChoosePick(0);
  ASSERT_TRUE(session->ChoosePlayer(301));
  ASSERT_FALSE(session->DraftEnabled());
  ASSERT_TRUE(session->ReleaseEnabled());
  session->Release();
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 202}));
  EXPECT_EQ(RosterPlayers(), 1);
  EXPECT_EQ(session->Roster(2).LeaguePosDraftCount(kQB), 0);
  // The open pick gets a recommendation again.
  EXPECT_EQ(session->ActivePlayer(), 101);
  EXPECT_TRUE(session->DraftEnabled());
}

TEST_F(UserMockSession, DepthAndTheActivePickDecideWhichPicksAreProjected) {
  Settings().SetLongVal(kSetUserMockDepth, 2);
  OpenNew();
  // Pick 4 lies beyond the first two open picks: it takes the last slot,
  // with picks 1 to 3 still open when team 2 decides.
  session->ChoosePick(4);
  EXPECT_EQ(session->ProjectedPicks(), (Picks{0, 4}));
  EXPECT_EQ(session->ProjectedPlayers(), (Picks{101, 201}));
  EXPECT_EQ(session->ActivePlayer(), 201);

  // Off: nothing projected, no recommendation, "Draft" waits for a choice.
  Settings().SetLongVal(kSetUserMockDepth, 0);
  session->ChoosePick(1);
  EXPECT_EQ(session->ProjectionDepth(), 0);
  EXPECT_EQ(session->ActivePlayer(), 0);
  EXPECT_FALSE(session->DraftEnabled());
  EXPECT_FALSE(session->ReleaseEnabled());
  session->Draft();
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));

  // Switched off while a drafted pick becomes active: nothing projected
  // earlier stays on show.
  Settings().SetLongVal(kSetUserMockDepth, 10);
  session->GoToFirstOpenPick();
  session->Draft();
  ASSERT_EQ(session->ProjectedPlayerAt(2), 301);
  Settings().SetLongVal(kSetUserMockDepth, 0);
  session->ChoosePick(0);
  EXPECT_EQ(session->ProjectedPlayerAt(2), 0);
  session->Release();
  ASSERT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));

  // A full board: "First Open Pick" stops at the last pick.
  Settings().SetLongVal(kSetUserMockDepth, 10);
  session->GoToFirstOpenPick();
  for (int i = 0; i < 6; ++i) session->Draft();
  EXPECT_EQ(BoardPlayers(), (Picks{101, 201, 301, 102, 302, 202}));
  session->GoToFirstOpenPick();
  EXPECT_EQ(session->ActivePick(), 5);
  EXPECT_FALSE(session->NextPickEnabled());
  session->MoveActivePick(1);
  EXPECT_EQ(session->ActivePick(), 5);
  // A board cell past the last pick, or a roster line of nobody drafted.
  session->ChoosePick(6);
  session->ChoosePick(-1);
  EXPECT_EQ(session->ActivePick(), 5);
}

TEST_F(UserMockSession, LookAheadsRunOnlyWhereTheSettingsAllow) {
  FirstPickOfTeamOneBy(clsMockRoster::kEquilibrium);
  OpenNew();
  // Equilibrium is off by default: team 1's first pick stays open, and the
  // others are projected around it.
  EXPECT_EQ(session->ProjectedPlayers()[0], 0);
  EXPECT_EQ(session->ActivePlayer(), 0);
  EXPECT_FALSE(session->DraftEnabled());
  EXPECT_EQ(session->ProjectedPlayers()[1], 201);
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));

  Settings().SetBoolVal(kSetEnableEquilibrium, true);
  FakeTraceList logic;
  session->SetLogicList(&logic);
  session->GoToFirstOpenPick();
  EXPECT_GT(session->ActivePlayer(), 0);
  EXPECT_TRUE(session->DraftEnabled());
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RosterPlayers(), 0);
  ASSERT_GE(logic.lines.size(), 3u);
  EXPECT_EQ(logic.lines[0], "PICK #1 Alpha [points.stg]");
  EXPECT_EQ(logic.lines[1], "");
  const auto has = [&](const std::string& line) {
    return std::find(logic.lines.begin(), logic.lines.end(), line) != logic.lines.end();
  };
  EXPECT_TRUE(has("EQUILIBRIUM METHOD"));
  EXPECT_TRUE(has("  Equilibrium Depth: 4"));
  EXPECT_TRUE(has("RECOMMENDED SELECTION"));

  // Nothing is written for a pick other than the active one.
  session->ChoosePick(1);
  EXPECT_EQ(logic.lines[0], "PICK #2 Bravo [value.stg]");
  EXPECT_FALSE(has("EQUILIBRIUM METHOD"));
}

TEST_F(UserMockSession, ViewLogicAtALookAheadPickShowsTheWholeTraceOfThatPick) {
  FirstPickOfTeamOneBy(clsMockRoster::kEquilibrium);
  Settings().SetBoolVal(kSetEnableEquilibrium, true);
  OpenNew();  // the logic window closed
  const int32_t recommended = session->ActivePlayer();
  ASSERT_GT(recommended, 0);
  FakeTraceList logic;
  // Opened at once, and after the user chose another player for the pick.
  for (const int32_t chosen : {0, 201}) {
    SCOPED_TRACE(chosen);
    if (chosen > 0) {
      ASSERT_TRUE(session->ChoosePlayer(chosen));
    }
    session->ShowLogic(logic);
    ASSERT_GE(logic.lines.size(), 3u);
    EXPECT_EQ(logic.lines[0], "PICK #1 Alpha [points.stg]");
    for (const char* line : {"EQUILIBRIUM METHOD", "  Equilibrium Depth: 4", "RECOMMENDED SELECTION"}) {
      EXPECT_NE(std::find(logic.lines.begin(), logic.lines.end(), line), logic.lines.end()) << line;
    }
  }
}

TEST_F(UserMockSession, APotentialLookAheadReportsItsComparisonAndRecommendation) {
  FirstPickOfTeamOneBy(clsMockRoster::kRosterPotGL);
  OpenNew();
  FakeTraceList logic;
  session->SetLogicList(&logic);
  session->GoToFirstOpenPick();
  ASSERT_GT(session->ActivePlayer(), 0);
  const auto at = std::find(logic.lines.begin(), logic.lines.end(), "ROSTER POT G-L METHOD");
  ASSERT_NE(at, logic.lines.end());
  EXPECT_EQ(at[1], "  Potential Depth: 1");
  EXPECT_EQ(at[2].rfind("  Use Picks: 1", 0), 0u);
  EXPECT_EQ(at[6], "POTENTIAL POINT COMPARISON");
  const auto recommended = std::find(at, logic.lines.end(), "RECOMMENDED PLAYER");
  ASSERT_NE(recommended, logic.lines.end());
  ASSERT_NE(recommended + 1, logic.lines.end());
  EXPECT_EQ(recommended[1].rfind("  ", 0), 0u);
  EXPECT_NE(recommended[1].find(" ["), std::string::npos);
}

TEST_F(UserMockSession, TheEquilibriumReportListsItsDraftArray) {
  OpenNew();
  // A search from team 1's pick 0 whose window ends at pick 5.
  clsPossiblePicks result;
  clsPossiblePicks compared;
  result.SetMethod(clsMockRoster::kEquilibrium);
  result.SetCanidates(125);
  result.SetRunTime(250);  // milliseconds
  result.SetBegDraftAr(0);
  result.SetEndDraftAr(5);
  result.SetCompare(clsMockRoster::kFullPoints);
  for (const auto& [pick, player, points] : {std::tuple{0, 101, 300.0}, {5, 202, 250.0}, {8, 303, 220.0}}) {
    result.AddPlayer();
    result.SetDraftNdx(pick);
    result.SetMasID(player);
    result.SetPosID(player / 100 + 1);
    result.SetPP(points);
  }
  result.CreateNdx();
  Settings().SetLongVal(kSetEquilibriumDepth, 4);

  FakeTraceList list;
  session->WriteLogicReport(list, result, compared);
  ASSERT_EQ(list.lines.size(), 12u);
  EXPECT_EQ(list.lines[0], "EQUILIBRIUM METHOD");
  EXPECT_EQ(list.lines[1], "  Equilibrium Depth: 4");
  // Pick 9 lies beyond the window: not part of the draft array.
  EXPECT_EQ(list.lines[2], "  Use Picks: 1, 6");
  EXPECT_EQ(list.lines[3], "  Draft Permutations Checked: 125");
  EXPECT_EQ(list.lines[4], "  CPU Time: 0.2500 seconds");
  EXPECT_EQ(list.lines[5], " ");
  EXPECT_EQ(list.lines[6], "RECOMMENDED SELECTION");
  EXPECT_NE(list.lines[8].find("Able"), std::string::npos);
  EXPECT_NE(list.lines[9].find("Ford"), std::string::npos);
  EXPECT_EQ(list.lines[10], " ");
  EXPECT_EQ(clsUserMockSession::UsePicksText(result, 0), "1");
}

TEST_F(UserMockSession, APickOwnedByATeamWithoutARosterIsLeftOpen) {
  FirstPickOfTeamOneBy(clsMockRoster::kEquilibrium);
  Settings().SetBoolVal(kSetEnableEquilibrium, true);
  OpenNew();
  session->ChoosePick(4);
  ASSERT_TRUE(session->ChoosePlayer(301));
  session->Draft();
  ASSERT_TRUE(session->Save());
  // A damaged file gives pick 2 to team 9 and pick 4, with its receiver, to
  // team 8 of three.
  session->Document().SetBoardOwnerID(2, 9);
  session->Document().SetBoardOwnerID(4, 8);
  ASSERT_TRUE(session->Document().SaveUserMock());
  Reopen();
  ASSERT_EQ(session->Board().DraftOwner(2), 9);
  ASSERT_EQ(session->Board().MasterID(4), 301);
  // A player on the board is nobody's to pick again.
  const Picks& projected = session->ProjectedPlayers();
  EXPECT_EQ(std::count(projected.begin(), projected.end(), 301), 0);
  // No search can play team 9's pick, and none complains about it; the
  // others pick as usual.
  EXPECT_EQ(session->ActivePlayer(), 0);
  EXPECT_EQ(project.seams.messages.captions, std::vector<std::string>{});
  EXPECT_EQ(session->ProjectedPlayers()[1], 201);
  EXPECT_EQ(session->ProjectedPlayers()[2], 0);
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 301, 0}));

  session->ChoosePick(2);
  EXPECT_EQ(session->ActivePlayer(), 0);
  EXPECT_FALSE(session->DraftEnabled());
  ASSERT_TRUE(session->ChoosePlayer(302));
  EXPECT_FALSE(session->DraftEnabled());
  session->Draft();
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 301, 0}));
  EXPECT_EQ(session->ActivePick(), 3);

  session->ChoosePick(2);
  FakeTraceList logic;
  session->ShowLogic(logic);
  EXPECT_EQ(logic.lines, (std::vector<std::string>{"PICK #3  []", ""}));
}

TEST_F(UserMockSession, AProjectionLeavesTheBoardAsItWasWhenTheDocumentDisagrees) {
  OpenNew();
  // The document gives pick 1 to team 3; the board keeps team 2 there.
  session->Document().SetBoardOwnerID(1, 3);
  session->GoToFirstOpenPick();
  EXPECT_EQ(session->Board().DraftOwner(1), 2);
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RosterPlayers(), 0);

  // A document with fewer picks than the board cannot be projected: what
  // the last run projected must not stay on show.
  ASSERT_EQ(session->ProjectedPlayerAt(0), 101);
  session->Document().SetBoardCount(4);
  session->ChoosePick(1);
  EXPECT_EQ(session->ProjectedPlayers(), Picks(10, 0));
  EXPECT_EQ(session->ProjectedPlayerAt(0), 0);
  EXPECT_EQ(session->ActivePlayer(), 0);
  EXPECT_FALSE(session->DraftEnabled());
}

TEST_F(UserMockSession, ALookAheadThatChoosesNobodyIsRetriedFromTheNextRuleUpToTheLast) {
  Settings().SetBoolVal(kSetEnableEquilibrium, true);
  // Every search is cancelled at its first yield and so chooses nobody.
  FirstPickOfTeamOneBy(clsMockRoster::kEquilibrium);
  OpenNew();
  project.seams.yield.onYield = [](int) { CancelFlag = true; };
  session->GoToFirstOpenPick();
  // The next rule takes the most points.
  EXPECT_EQ(session->ActivePlayer(), 101);
  EXPECT_EQ(session->ProjectedPlayers()[0], 101);

  // The last rule looks ahead as well: the pick stays without a player.
  clsMockRoster scratch;
  GiveStrategy(scratch, FileTypeFolder.at(static_cast<std::size_t>(kPageDraftStrategies)) + "points.stg",
               {{.beg = 1, .end = 1, .method = clsMockRoster::kEquilibrium},
                {.beg = 2, .method = clsMockRoster::kEquilibrium}});
  project.seams.yield.onYield = nullptr;
  OpenNew();
  project.seams.yield.onYield = [](int) { CancelFlag = true; };
  session->GoToFirstOpenPick();
  EXPECT_EQ(session->ActivePlayer(), 0);
  EXPECT_EQ(session->ProjectedPlayers()[0], 0);
  EXPECT_EQ(session->ProjectedPlayers()[1], 201);
  EXPECT_EQ(BoardPlayers(), (Picks{0, 0, 0, 0, 0, 0}));
  CancelFlag = false;
}

TEST_F(UserMockSession, SavingNamesTheDraftInTheProjectAndReopeningReplaysIt) {
  OpenNew();
  session->Draft();
  session->Draft();
  ASSERT_TRUE(session->Save());
  EXPECT_FALSE(session->ChangesMade());
  EXPECT_EQ(GlobalProject().Value(kProjUserMockDraftFile), "Mine.ugm");

  ScopedFakeCompatibility compatibility;
  clsUserMockSession reopened;
  reopened.Document().SetFilePath(FileTypeFolder.at(static_cast<std::size_t>(kPageUserMockDraft)));
  reopened.Document().SetFileName("Mine.ugm");
  ASSERT_TRUE(reopened.Document().LoadUserMock());
  ASSERT_TRUE(reopened.Open(false));
  reopened.GoToFirstOpenPick();
  EXPECT_EQ(reopened.ActivePick(), 2);
  EXPECT_EQ(reopened.Board().MasterID(1), 201);
  EXPECT_EQ(reopened.ActivePlayer(), 301);
  EXPECT_EQ(reopened.Roster(2).PlayerCount(), 1);
}

}  // namespace
