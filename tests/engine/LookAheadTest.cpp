#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "DraftHarness.h"
#include "engine/basMockDraftCalculation.h"

namespace {

using namespace kdtest;
namespace calc = basMockDraftCalculation;

// Two teams, each a quarterback and a running back. With one extra player
// every stack holds three; roster and starter baselines are the second
// player's points: QB 280, RB 120.
const std::vector<LGPRosterSizeRecord> kPair{
    {kAll, 0, 0, 2, 0, 2}, {kQB, 0, 0, 1, 1, 1}, {kRB, 0, 0, 1, 1, 1}, {kTE, 0, 0, 0, 0, 0}};

// MasterID, points, ADP, bye week.
const RowsByPosition kSteepBacks{
    {kQB, {{101, 300, 5, 4}, {102, 280, 3, 5}, {103, 100, 9, 6}}},
    {kRB, {{201, 250, 1, 7}, {202, 120, 8, 8}, {203, 100, 12, 9}}},
};

// The order 1 2 2 1.
const std::vector<int32_t> kSnake{1, 2, 2, 1};

// A rule for the team's first pick, then points for every later one.
std::vector<RulePlan> FirstPickBy(int32_t method, int32_t compare = clsMockRoster::kFullPoints,
                                  std::vector<int32_t> ids = {kAll}) {
  return {{.beg = 1, .end = 1, .method = method, .compare = compare, .ids = std::move(ids)}, {.beg = 2}};
}

// Everything a search could disturb, as text.
std::string Snapshot(const std::vector<clsMockRoster>& rosters, const clsMockDraft& mock) {
  std::ostringstream out;
  out.precision(17);
  for (std::size_t t = 1; t < rosters.size(); ++t) {
    const clsMockRoster& r = rosters[t];
    out << "team " << t << " picks";
    for (int32_t k = 0; k < r.PlayerCount(); ++k) out << " " << r.MasterID(k) << "/" << r.Position(k);
    out << " mode " << r.BaselineMode() << "\n";
    for (int32_t s = 0; s <= r.ActivePositions(); ++s) {
      const clsMockRoster::RosterSizeRecord& size = r.RosterSize(s);
      out << " slot " << s << " drafted " << r.DraftedAtSlot(s) << " league "
          << r.LeaguePosDraftCount(size.PosID) << " RBL " << r.RBL(size.PosID) << " SBL " << r.SBL(size.PosID)
          << "\n";
    }
    for (int32_t s = 1; s <= r.StackMax(); ++s) out << " stack " << s << StackText(r.Stack(s)) << "\n";
  }
  out << "board";
  for (int32_t k = 0; k <= mock.Count(); ++k)
    out << " " << mock.MasterID(k) << "/" << mock.DraftOwner(k) << "/" << mock.Position(k) << "/"
        << mock.Points(k) << "/" << mock.BaseLine(k) << "/" << mock.PlayerName(k);
  return out.str();
}

using Owners = std::vector<std::pair<int32_t, int32_t>>;

class LookAhead : public DraftHarness {
 protected:
  void SetUp() override {
    DraftHarness::SetUp();
    Settings().SetLongVal(kSetEquilibriumDepth, 1);
  }

  // Team 1 plays `first`, every other team by points.
  void League(const std::vector<RulePlan>& first, const RowsByPosition& rows = kSteepBacks,
              const std::vector<LGPRosterSizeRecord>& records = kPair, int32_t teams = 2) {
    WriteStrategy("first.stg", first);
    std::vector<std::string> files{"first.stg"};
    files.resize(static_cast<std::size_t>(teams), "points.stg");
    DraftHarness::League(files, rows, records);
  }

  bool Potential(const std::vector<int32_t>& order, int32_t pick, bool starter, int32_t rule = 0) {
    return calc::PotentialLookAhead(mock, rosters, lists, order, pick, 1, false, rule, starter, nullptr, {});
  }
  bool Equilibrium(const std::vector<int32_t>& order, int32_t pick, int32_t depth,
                   clsStatusPlain* progress = nullptr, int32_t rule = 0) {
    return calc::EquilibriumLookAhead(mock, rosters, lists, order, pick, depth, false, rule, progress, {});
  }

  // The player the search left for the pick.
  int32_t Chosen(int32_t pick) {
    lists[0].MoveTo(pick);
    EXPECT_EQ(lists[0].DraftNdx(), pick);
    return lists[0].MasID();
  }
};

// ---------------------------------------------------------------- hand-worked drafts

// Taking the quarterback first costs the back: team 2 takes the other good
// quarterback and the good back, leaving team 1 the 100 and 120 players.
// Taking the back first, team 2 takes the best quarterback and the 120 back,
// and team 1 still gets the 280 quarterback.
//   QB first: QB drop 300 - 100 = 200, RB drop 250 - 120 = 130: 70.
//   RB first: RB drop 250 - 100 = 150, QB drop 300 - 280 = 20:  130.
// Equilibrium, depth 1: 300 + 120 = 420 against 250 + 280 = 530.
TEST_F(LookAhead, EachMethodTurnsTheGreedyQuarterbackIntoTheBack) {
  for (int32_t method : {clsMockRoster::kOpenRoster, clsMockRoster::kRosterPotGL,
                         clsMockRoster::kStarterPotGL, clsMockRoster::kEquilibrium}) {
    SCOPED_TRACE(method);
    mock = clsMockDraft();
    League(FirstPickBy(method));
    ASSERT_TRUE(Run(kSnake));
    EXPECT_EQ(PlayersAndOwners(), method == clsMockRoster::kOpenRoster
                                      ? (Owners{{101, 1}, {102, 2}, {201, 2}, {202, 1}})
                                      : (Owners{{201, 1}, {101, 2}, {202, 2}, {102, 1}}));
    EXPECT_TRUE(seams.messages.messages.empty());
  }
  // The look-ahead's pick carries the team's points and roster value.
  EXPECT_EQ(mock.Points(0), 250);
  EXPECT_EQ(mock.BaseLine(0), 130);
  EXPECT_EQ(CaptionCount("Running Mock Draft Pick 1 of 4 [Equilibrium Pass 1]"), 1);
}

TEST_F(LookAhead, GainLossReportsEveryCandidateOfThePick) {
  League(FirstPickBy(clsMockRoster::kRosterPotGL));
  ASSERT_TRUE(Potential(kSnake, 0, false));
  EXPECT_EQ(Chosen(0), 201);
  EXPECT_EQ(lists[0].PickPlus(), 130);
  EXPECT_EQ(lists[0].PP(), 250);
  EXPECT_EQ(lists[0].Canidates(), 2);
  EXPECT_EQ(lists[0].Method(), clsMockRoster::kRosterPotGL);
  EXPECT_EQ(lists[0].EndDraftAr(), 3);
  // List 1 holds the candidates of the pick on the clock for the report.
  clsPossiblePicks& report = lists[1];
  ASSERT_EQ(report.Count(), 2);
  EXPECT_EQ(report.Canidates(), 2);
  report.MoveFirst();
  EXPECT_EQ(report.MasID(), 101);
  EXPECT_EQ(report.PickPlus(), 70);
  EXPECT_TRUE(report.PosDrafted());
  report.MoveNext();
  EXPECT_EQ(report.MasID(), 201);
  EXPECT_EQ(report.PickPlus(), 130);
}

TEST_F(LookAhead, EqualValuesKeepTheFirstCandidate) {
  // Gain-loss: QB first 200 - 100, RB first 110 - 10; both 100.
  const RowsByPosition gainLossTie{{kQB, {{101, 300, 0, 0}, {102, 290, 0, 0}, {103, 100, 0, 0}}},
                                   {kRB, {{201, 250, 0, 0}, {202, 150, 0, 0}, {203, 140, 0, 0}}}};
  League(FirstPickBy(clsMockRoster::kRosterPotGL), gainLossTie);
  ASSERT_TRUE(Potential(kSnake, 0, false));
  EXPECT_EQ(Chosen(0), 101);
  EXPECT_EQ(lists[0].PickPlus(), 100);

  // Equilibrium: 300 + 120 and 250 + 170 are both 420.
  const RowsByPosition pathTie{{kQB, {{101, 300, 0, 0}, {102, 170, 0, 0}, {103, 100, 0, 0}}},
                               {kRB, {{201, 250, 0, 0}, {202, 120, 0, 0}, {203, 100, 0, 0}}}};
  mock = clsMockDraft();
  League(FirstPickBy(clsMockRoster::kEquilibrium), pathTie);
  ASSERT_TRUE(Equilibrium(kSnake, 0, 1));
  EXPECT_EQ(Chosen(0), 101);
  EXPECT_EQ(lists[0].Canidates(), 2);
  lists[0].MoveTo(3);
  EXPECT_EQ(lists[0].MasID(), 202);
}

TEST_F(LookAhead, EquilibriumByADPKeepsTheSmallerTotal) {
  // QB first: ADP 5 + 8 (the 120 back) = 13; RB first: 1 + 3 = 4.
  League(FirstPickBy(clsMockRoster::kEquilibrium, clsMockRoster::kADP));
  ASSERT_TRUE(Equilibrium(kSnake, 0, 1));
  EXPECT_EQ(Chosen(0), 201);
  EXPECT_EQ(lists[0].ADP(), 1);
  EXPECT_EQ(lists[0].Total(clsMockRoster::kADP), 4);
  lists[0].MoveTo(3);
  EXPECT_EQ(lists[0].MasID(), 102);
  EXPECT_EQ(lists[0].ADP(), 3);
}

// ---------------------------------------------------------------- mended faults

// Team 1's last pick of the draft (one round): no simulation, each candidate
// is worth its value over the baseline. Backs go three deep, so the roster
// baseline of the 250 back is 120 and its starter baseline 240.
TEST_F(LookAhead, ATeamWithoutALaterPickTakesItsBestValueOverTheBaseline) {
  const std::vector<LGPRosterSizeRecord> records{
      {kAll, 0, 0, 3, 0, 3}, {kQB, 0, 0, 1, 1, 1}, {kRB, 0, 0, 2, 1, 1}};
  const RowsByPosition rows{{kQB, {{101, 300, 0, 0}, {102, 280, 0, 0}}},
                            {kRB, {{201, 250, 0, 0}, {202, 240, 0, 0}, {203, 150, 0, 0}, {204, 120, 0, 0}}}};
  for (const auto& [starter, chosen, value] : {std::tuple{false, 201, 130.0}, {true, 101, 20.0}}) {
    SCOPED_TRACE(starter);
    mock = clsMockDraft();
    League(FirstPickBy(starter ? clsMockRoster::kStarterPotGL : clsMockRoster::kRosterPotGL), rows, records);
    const std::string before = Snapshot(rosters, mock);
    const int yields = seams.yield.count;
    ASSERT_TRUE(Potential({1, 2}, 0, starter));
    EXPECT_EQ(Chosen(0), chosen);
    EXPECT_EQ(lists[0].PickPlus(), value);
    EXPECT_EQ(lists[0].Canidates(), 2);
    EXPECT_EQ(seams.yield.count - yields, 1);
    EXPECT_EQ(Snapshot(rosters, mock), before);
  }
}

// Team 2 takes both other quarterbacks, so team 1's next pick has none: the
// quarterback is still valued, by what is lost when the position runs dry.
// Three quarterbacks, two places each, one starter: roster baseline 200,
// starter baseline 280.
TEST_F(LookAhead, AnEmptyLaterPickStillValuesTheCandidate) {
  const std::vector<LGPRosterSizeRecord> records{
      {kAll, 0, 0, 3, 0, 3}, {kQB, 0, 0, 2, 1, 1}, {kRB, 0, 0, 1, 1, 1}};
  const RowsByPosition rows{{kQB, {{101, 300, 0, 0}, {102, 280, 0, 0}, {103, 200, 0, 0}}},
                            {kRB, {{201, 90, 0, 0}, {202, 80, 0, 0}}}};
  for (const auto& [method, value] :
       {std::pair{clsMockRoster::kRosterPotGL, 100.0}, {clsMockRoster::kStarterPotGL, 20.0}}) {
    SCOPED_TRACE(method);
    mock = clsMockDraft();
    WriteStrategy("points.stg", {{.ids = {kQB}}, {.beg = 3}});
    League(FirstPickBy(method, clsMockRoster::kFullPoints, {kQB}), rows, records);
    ASSERT_TRUE(Run(kSnake));
    EXPECT_EQ(PlayersAndOwners(), (Owners{{101, 1}, {102, 2}, {103, 2}, {201, 1}}));
    EXPECT_EQ(lists[1].Count(), 1);
    lists[1].MoveFirst();
    EXPECT_EQ(lists[1].PickPlus(), value);
    EXPECT_TRUE(lists[1].PosDrafted());
    EXPECT_TRUE(seams.messages.messages.empty());
  }
}

TEST_F(LookAhead, ASearchThatChoosesNobodyLetsTheNextRulePick) {
  // The rule allows only tight ends, who have no place in the league.
  for (int32_t method : {clsMockRoster::kRosterPotGL, clsMockRoster::kEquilibrium}) {
    mock = clsMockDraft();
    seams.progress.log.clear();
    League(FirstPickBy(method, clsMockRoster::kFullPoints, {kTE}));
    ASSERT_TRUE(Run(kSnake));
    EXPECT_EQ(PlayersAndOwners(), (Owners{{101, 1}, {102, 2}, {201, 2}, {202, 1}}));
    // The search, its empty answer, then the next rule.
    EXPECT_EQ(CaptionCount("Running Mock Draft Pick 1 of 4"), 3) << method;
    EXPECT_EQ(lists[0].Canidates(), 0);
  }
}

TEST_F(LookAhead, EquilibriumDepthIsAtLeastOne) {
  // Three rounds: depth 1 ends at team 1's second pick; the whole draft would
  // reach its third.
  const std::vector<LGPRosterSizeRecord> records{
      {kAll, 0, 0, 3, 0, 3}, {kQB, 0, 0, 2, 1, 1}, {kRB, 0, 0, 2, 1, 1}};
  const std::vector<int32_t> order{1, 2, 2, 1, 1, 2};
  League(FirstPickBy(clsMockRoster::kEquilibrium), kSteepBacks, records);
  for (const std::string depth : {"1", "0", "-3", "deep"}) {
    Settings().SetStringVal(kSetEquilibriumDepth, depth);
    int32_t team = 0, pick = 0, rule = 0;
    ASSERT_TRUE(calc::RunLookAheadPick(team, pick, clsMockRoster::kPickEquilibrium, order, mock, rosters,
                                       lists, calc::kAutomaticMode, rule, nullptr));
    EXPECT_EQ(lists[0].EndDraftAr(), 3) << depth;
    EXPECT_EQ(lists[0].Canidates(), 4) << depth;
  }
}

TEST_F(LookAhead, EquilibriumProgressRangeAndPassCaptions) {
  League(FirstPickBy(clsMockRoster::kEquilibrium));
  struct Case {
    int32_t depth;
    int32_t range;
    int captions;  // passes 0 and 1 of the two
  };
  for (const Case& c :
       {Case{1, 32, 2}, Case{4, 3125, 1}, Case{100, std::numeric_limits<int32_t>::max(), 1}}) {
    seams.progress.log.clear();
    clsStatusPlain progress;
    ASSERT_TRUE(Equilibrium(kSnake, 0, c.depth, &progress));
    EXPECT_EQ(progress.Segments()[static_cast<std::size_t>(progress.CurrentSegment())].MaxValue, c.range);
    EXPECT_EQ(progress.Segments()[static_cast<std::size_t>(progress.CurrentSegment())].CurValue, 2);
    EXPECT_EQ(CaptionCount("Running Mock Draft Pick 1 of 4 [Equilibrium Pass 0]"), 1) << c.depth;
    EXPECT_EQ(CaptionCount("Running Mock Draft Pick 1 of 4 [Equilibrium Pass 1]"), c.captions - 1);
    EXPECT_EQ(Chosen(0), 201);
  }
}

// ---------------------------------------------------------------- rosters, board, cancel, conflicts

TEST_F(LookAhead, RostersAndBoardAreUntouchedBySearches) {
  const std::vector<LGPRosterSizeRecord> records{
      {kAll, 0, 0, 3, 0, 3}, {kQB, 0, 0, 1, 1, 1}, {kRB, 0, 0, 1, 1, 1}, {kWR, 0, 0, 1, 1, 1}};
  const RowsByPosition rows{{kQB, {{101, 300, 4, 4}, {102, 290, 6, 5}, {103, 200, 9, 6}, {104, 100, 0, 6}}},
                            {kRB, {{201, 260, 2, 7}, {202, 250, 3, 7}, {203, 150, 8, 9}, {204, 140, 0, 10}}},
                            {kWR, {{301, 240, 1, 6}, {302, 230, 7, 9}, {303, 220, 5, 9}, {304, 100, 0, 6}}}};
  const std::vector<int32_t> order{1, 2, 3, 3, 2, 1, 1, 2, 3};
  League(FirstPickBy(clsMockRoster::kRosterPotGL), rows, records, 3);
  // Two picks made: a quarterback by team 1 and a back by team 2.
  rosters[1].NashDraftPlayer(101, kQB);
  calc::RecordMockPick(101, 300, 1, kQB, 10, "One", mock.AddPlayer(101, 300), mock, rosters);
  rosters[2].NashDraftPlayer(201, kRB);
  calc::RecordMockPick(201, 260, 2, kRB, 110, "Two", mock.AddPlayer(201, 260), mock, rosters);
  const std::string before = Snapshot(rosters, mock);
  for (bool starter : {false, true}) {
    ASSERT_TRUE(Potential(order, 2, starter));
    EXPECT_GT(Chosen(2), 0);
    EXPECT_EQ(Snapshot(rosters, mock), before);
  }
  for (int32_t depth : {1, 2, 4}) {
    ASSERT_TRUE(Equilibrium(order, 2, depth));
    EXPECT_GT(Chosen(2), 0);
    EXPECT_EQ(Snapshot(rosters, mock), before);
  }
  EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(LookAhead, ACancelledSearchChoosesNobody) {
  for (int32_t method : {clsMockRoster::kRosterPotGL, clsMockRoster::kEquilibrium}) {
    mock = clsMockDraft();
    League(FirstPickBy(method));
    const std::string before = Snapshot(rosters, mock);
    // The fourth step of the walk: after the first candidate and team 2's
    // two picks, before team 1's next pick.
    seams.yield.cancelAfter = seams.yield.count + 4;
    const bool ran =
        method == clsMockRoster::kEquilibrium ? Equilibrium(kSnake, 0, 1) : Potential(kSnake, 0, false);
    EXPECT_TRUE(ran);
    EXPECT_EQ(Chosen(0), 0) << method;
    EXPECT_EQ(lists[0].Canidates(), 0);
    EXPECT_EQ(Snapshot(rosters, mock), before);
    CancelFlag = false;
    seams.yield.cancelAfter = 0;
  }
}

TEST_F(LookAhead, CancelDuringASearchEndsTheDraft) {
  League(FirstPickBy(clsMockRoster::kEquilibrium));
  // The job caption, the pick's yield and caption, then three steps of the walk.
  seams.yield.cancelAfter = seams.yield.count + 6;
  EXPECT_FALSE(Run(kSnake));
  EXPECT_EQ(mock.Count(), -1);
  EXPECT_EQ(rosters[1].PlayerCount(), 0);
  EXPECT_FALSE(rosters[2].StackPlayerDrafted(1, 0));
}

TEST_F(LookAhead, TwoLookAheadsMeetingIsAStrategyConflict) {
  for (int32_t method : {clsMockRoster::kRosterPotGL, clsMockRoster::kEquilibrium}) {
    mock = clsMockDraft();
    seams.messages.messages.clear();
    WriteStrategy("points.stg", {{.method = clsMockRoster::kStarterPotGL}});
    League(FirstPickBy(method));
    EXPECT_FALSE(Run(kSnake));
    ASSERT_EQ(seams.messages.messages.size(), 1u);
    const MessageCall& call = seams.messages.messages[0];
    EXPECT_EQ(call.caption, "Mock Draft Strategy Conflict");
    EXPECT_EQ(call.text,
              "Strategy Conflict - Team 1 Pick 1 and Team 2 Pick 2.\r\n"
              "See Project Validation Details for more information.");
    EXPECT_EQ(call.buttonSet, seams::kOk);
    EXPECT_EQ(mock.Count(), -1);
  }
}

// ---------------------------------------------------------------- building blocks

TEST(LookAheadSlots, FindOrAddPickSlot) {
  std::vector<clsPossiblePicks> slots;
  EXPECT_EQ(calc::FindOrAddPickSlot(slots, 7), 0);
  ASSERT_EQ(slots.size(), 1u);
  EXPECT_TRUE(slots[0].NeedPicks());
  // Its only list is still empty: it stands for a pick not yet filled.
  EXPECT_EQ(calc::FindOrAddPickSlot(slots, 7), -1);
  EXPECT_EQ(slots.size(), 1u);
  slots[0].AddPlayer();
  slots[0].SetDraftNdx(7);
  EXPECT_EQ(calc::FindOrAddPickSlot(slots, 7), 0);
  EXPECT_EQ(calc::FindOrAddPickSlot(slots, 12), 1);
  EXPECT_EQ(slots.size(), 2u);
}

TEST(LookAheadSlots, KeepBetterCandidate) {
  double best = 0;
  EXPECT_EQ(calc::KeepBetterCandidate(best, -1, -5, 3), 3);  // nothing yet: even a loss counts
  EXPECT_EQ(best, -5);
  EXPECT_EQ(calc::KeepBetterCandidate(best, 3, -5, 4), 3);  // a tie keeps the earlier
  EXPECT_EQ(calc::KeepBetterCandidate(best, 3, 2, 5), 5);
  EXPECT_EQ(best, 2);
}

TEST_F(LookAhead, ReplayAndPossiblePicksTakeEveryMadePick) {
  League(FirstPickBy(clsMockRoster::kEquilibrium));
  // Team 1's second pick of three found nobody, so the board has no entry
  // for draft index 1.
  const std::vector<int32_t> order{1, 1, 2, 1};
  calc::RecordMockPick(101, 300, 1, kQB, 20, "", mock.AddPlayer(101, 300), mock, rosters);
  calc::RecordMockPick(201, 250, 2, kRB, 130, "", mock.AddPlayer(201, 250), mock, rosters);
  const std::vector<int32_t> table{0, -1, 1, -1};
  std::vector<clsMockRoster> copies;
  calc::ReplayPicksIntoRoster(mock, rosters, copies, 3);
  // The latest board entry counts too.
  EXPECT_EQ(copies[1].LeaguePosDraftCount(kRB), 1);
  EXPECT_EQ(copies[2].LeaguePosDraftCount(kQB), 1);
  EXPECT_TRUE(copies[2].StackPlayerDrafted(1, 0));

  calc::BuildPossiblePicks(mock, copies, lists, order, 3, table);
  calc::BuildPossiblePicks(mock, copies, lists, order, 3, table);  // a second search appends
  EXPECT_EQ(lists[0].Count(), 6);
  lists[1].MoveTo(0);
  EXPECT_EQ(lists[1].Pnt(), 3);
  EXPECT_EQ(lists[1].MasID(), 101);
  EXPECT_EQ(lists[1].PP(), 300);
  EXPECT_EQ(lists[1].RBL(), 20);
  EXPECT_EQ(lists[1].PosID(), kQB);
  lists[1].MoveTo(1);
  EXPECT_EQ(lists[1].MasID(), 0);
  lists[1].MoveTo(3);
  EXPECT_EQ(lists[1].MasID(), 0);
  EXPECT_EQ(lists[1].Pnt(), 5);
}

TEST_F(LookAhead, FactorsMovePointsOnlyWithTheRosterValue) {
  clsMockRoster roster = BuildTeamRoster({{kAll, 0, 2, 0, 2}, {kQB, 0, 1, 0, 1}}, 2, kSteepBacks);
  GiveStrategy(roster, work.File("x.stg"), {{.x = true}}, {{.kind = 2, .posID = kQB, .factor = 1.1}});
  clsPossiblePicks list;
  struct Entry {
    double rbl, sbl, pp;
  };
  for (const Entry& e : {Entry{0, 20, 280}, Entry{50, 50, 300}}) {
    list.AddPlayer();
    list.SetPosID(kQB);
    list.SetRBL(e.rbl);
    list.SetSBL(e.sbl);
    list.SetPP(e.pp);
  }
  calc::ApplyFactorsToPossiblePicks(list, roster, 0);
  EXPECT_EQ(list.Pnt(), 0);
  EXPECT_EQ(list.PP(), 280);
  EXPECT_EQ(list.RBL(), 0);
  EXPECT_DOUBLE_EQ(list.SBL(), 22);
  EXPECT_DOUBLE_EQ(list.FactorX(), 1.1);
  list.MoveNext();
  EXPECT_DOUBLE_EQ(list.RBL(), 55);
  EXPECT_DOUBLE_EQ(list.PP(), 305);
}

}  // namespace
