#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/clsPossiblePicks.h"

namespace {

struct Candidate {
  int32_t masID;
  int32_t posID;
  int32_t draftNdx;
  double pp, rbl, sbl, adp;
};

void Fill(clsPossiblePicks& list, const std::vector<Candidate>& candidates) {
  for (const Candidate& c : candidates) {
    list.AddPlayer();
    list.SetMasID(c.masID);
    list.SetPosID(c.posID);
    list.SetDraftNdx(c.draftNdx);
    list.SetPP(c.pp);
    list.SetRBL(c.rbl);
    list.SetSBL(c.sbl);
    list.SetADP(c.adp);
  }
}

// The walk the look-ahead searches use: the end flag is read before the entry.
std::vector<int32_t> WalkMasIDs(clsPossiblePicks& list) {
  std::vector<int32_t> seen;
  list.MoveFirst();
  for (;;) {
    const bool done = list.IsEOF();
    seen.push_back(list.MasID());
    if (done) break;
    list.MoveNext();
  }
  return seen;
}

const std::vector<Candidate> kThree{
    {101, 3, 10, 250.0, 5.0, 40.0, 12.0},
    {102, 4, 11, 200.0, 3.0, 30.0, 20.0},
    {103, 5, 12, 150.0, 2.0, 20.0, 33.0},
};

TEST(PossiblePicks, NewListIsEmptyWithBothEndsTrueAndNoTotals) {
  clsPossiblePicks list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Pnt(), -1);
  EXPECT_EQ(list.DraftNdx(), -1);
  EXPECT_TRUE(list.IsBOF());
  EXPECT_TRUE(list.IsEOF());
  EXPECT_FALSE(list.NeedPicks());
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(list.Total(i), -99999999.0);
}

TEST(PossiblePicks, OneEntryIsBothFirstAndLastAndWalkedOnce) {
  clsPossiblePicks list;
  Fill(list, {kThree[0]});
  list.MoveFirst();
  EXPECT_TRUE(list.IsBOF());
  EXPECT_TRUE(list.IsEOF());
  EXPECT_EQ(WalkMasIDs(list), std::vector<int32_t>{101});
}

TEST(PossiblePicks, WalkVisitsEveryEntryOnceAndMovesClampAtTheEnds) {
  clsPossiblePicks list;
  Fill(list, kThree);
  EXPECT_EQ(list.Pnt(), 2);  // AddPlayer leaves the cursor on the new entry
  EXPECT_EQ(WalkMasIDs(list), (std::vector<int32_t>{101, 102, 103}));
  EXPECT_EQ(list.Pnt(), 2);
  list.MoveNext();
  EXPECT_EQ(list.Pnt(), 2);
  list.MoveFirst();
  EXPECT_TRUE(list.IsBOF());
  EXPECT_FALSE(list.IsEOF());
  list.MovePrev();
  EXPECT_EQ(list.Pnt(), 0);
  list.MoveNext();
  EXPECT_FALSE(list.IsBOF());
  EXPECT_FALSE(list.IsEOF());
  list.MoveLast();
  EXPECT_EQ(list.Pnt(), 2);
  EXPECT_TRUE(list.IsEOF());
}

TEST(PossiblePicks, MoveToPosIdFindsTheFirstEntryOrStopsPastTheEnd) {
  clsPossiblePicks list;
  bool found = true;
  list.MoveToPosID(3, found);
  EXPECT_FALSE(found);
  EXPECT_EQ(list.Pnt(), 0);

  Fill(list, kThree);
  Fill(list, {{104, 4, 13, 1, 1, 1, 1}});
  list.MoveToPosID(4, found);
  EXPECT_TRUE(found);
  EXPECT_EQ(list.Pnt(), 1);
  list.MoveToPosID(9, found);
  EXPECT_FALSE(found);
  EXPECT_EQ(list.Pnt(), list.Count());
}

TEST(PossiblePicks, MoveToFollowsTheDraftIndexMap) {
  clsPossiblePicks list;
  Fill(list, {{1, 3, 2, 0, 0, 0, 0}, {2, 3, 7, 0, 0, 0, 0}, {3, 3, 5, 0, 0, 0, 0}});
  list.CreateNdx();
  list.MoveTo(7);  // larger than Count, still the entry with that index
  EXPECT_EQ(list.MasID(), 2);
  list.MoveTo(5);
  EXPECT_EQ(list.Pnt(), 2);
  list.MoveTo(8);  // beyond every draft index: the cursor stays
  EXPECT_EQ(list.Pnt(), 2);
  list.MoveTo(4);  // no entry has it: entry 0
  EXPECT_EQ(list.Pnt(), 0);
  EXPECT_THROW(list.MoveTo(-1), std::out_of_range);
}

TEST(PossiblePicks, SharedDraftIndexMapsToTheLastEntry) {
  clsPossiblePicks list;
  Fill(list, {{1, 3, 4, 0, 0, 0, 0}, {2, 4, 4, 0, 0, 0, 0}});
  list.CreateNdx();
  list.MoveTo(4);
  EXPECT_EQ(list.MasID(), 2);
}

TEST(PossiblePicks, LargestDraftIndexIsNeverLowered) {
  clsPossiblePicks list;
  Fill(list, {{1, 3, 9, 0, 0, 0, 0}});
  list.CreateNdx();
  list.Clear();
  Fill(list, {{2, 3, 1, 0, 0, 0, 0}, {3, 3, 2, 0, 0, 0, 0}});
  list.CreateNdx();
  list.MoveLast();
  list.MoveTo(6);  // still inside the map: entry 0, not "stay"
  EXPECT_EQ(list.Pnt(), 0);
}

struct CalculateCase {
  int32_t compare;
  int32_t draftNdx;
  double total;
};

class PossiblePicksCalculate : public ::testing::TestWithParam<CalculateCase> {};

TEST_P(PossiblePicksCalculate, SumsFromThePicksEntryToTheEnd) {
  clsPossiblePicks list;
  Fill(list, kThree);
  list.CreateNdx();
  list.Calculate(GetParam().compare, GetParam().draftNdx);
  EXPECT_DOUBLE_EQ(list.Total(GetParam().compare), GetParam().total);
  for (int32_t other = 0; other < 4; ++other) {
    if (other != GetParam().compare) {
      EXPECT_EQ(list.Total(other), -99999999.0);
    }
  }
}

void PrintTo(const CalculateCase& c, std::ostream* os) {
  *os << "compare " << c.compare << " from draft index " << c.draftNdx;
}

INSTANTIATE_TEST_SUITE_P(ByCompareCode, PossiblePicksCalculate,
                         ::testing::Values(CalculateCase{0, 10, 600.0}, CalculateCase{0, 12, 150.0},
                                           CalculateCase{1, 10, 10.0}, CalculateCase{1, 11, 5.0},
                                           CalculateCase{1, 12, 2.0}, CalculateCase{2, 11, 50.0},
                                           CalculateCase{3, 10, 65.0}, CalculateCase{3, 0, 65.0}),
                         [](const ::testing::TestParamInfo<CalculateCase>& p) {
                           return "Compare" + std::to_string(p.param.compare) + "FromDraftIndex" +
                                  std::to_string(p.param.draftNdx);
                         });

TEST(PossiblePicks, CalculateStartsFromZeroEveryTime) {
  clsPossiblePicks list;
  Fill(list, kThree);
  list.CreateNdx();
  list.Calculate(1, 10);
  list.Calculate(1, 10);
  EXPECT_DOUBLE_EQ(list.Total(1), 10.0);
}

TEST(PossiblePicks, CompareValueAndInitialValueFollowTheCompareCode) {
  clsPossiblePicks list;
  Fill(list, {kThree[1]});
  const double expected[] = {200.0, 3.0, 30.0, 20.0};
  for (int32_t code = 0; code < 4; ++code) {
    list.SetCompare(code);
    EXPECT_DOUBLE_EQ(list.CompareValue(), expected[code]);
    list.HoldInitialCV();
    EXPECT_DOUBLE_EQ(list.InitialCV(), expected[code]);
  }
  list.SetCompare(4);
  EXPECT_DOUBLE_EQ(list.CompareValue(), 0.0);
  list.HoldInitialCV();
  EXPECT_DOUBLE_EQ(list.InitialCV(), 20.0);  // unchanged
}

TEST(PossiblePicks, ReusedEntryStartsAtZeroInsteadOfAnEarlierPlayer) {
  clsPossiblePicks list;
  Fill(list, kThree);
  list.SetPickPlus(7);
  list.SetStarter(true);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Pnt(), -1);
  list.AddPlayer();
  EXPECT_EQ(list.MasID(), 0);
  EXPECT_EQ(list.PosID(), 0);
  EXPECT_EQ(list.DraftNdx(), 0);
  EXPECT_EQ(list.PP(), 0.0);
  EXPECT_EQ(list.RBL(), 0.0);
  EXPECT_EQ(list.ADP(), 0.0);
  list.AddPlayer();
  list.AddPlayer();
  EXPECT_EQ(list.PickPlus(), 0.0);
  EXPECT_FALSE(list.Starter());
}

TEST(PossiblePicks, ClearKeepsTheTotals) {
  clsPossiblePicks list;
  Fill(list, kThree);
  list.CreateNdx();
  list.Calculate(0, 10);
  list.Clear();
  EXPECT_DOUBLE_EQ(list.Total(0), 600.0);
}

TEST(PossiblePicks, CallerErrorsThrowInsteadOfReadingOffTheList) {
  clsPossiblePicks list;
  EXPECT_THROW(list.PP(), std::out_of_range);
  EXPECT_THROW(list.SetMasID(1), std::out_of_range);
  Fill(list, kThree);
  list.SetPnt(3);
  EXPECT_THROW(list.RBL(), std::out_of_range);
  EXPECT_THROW(list.DraftNdx(), std::out_of_range);
  EXPECT_THROW(list.Total(4), std::out_of_range);
  EXPECT_THROW(list.Total(-1), std::out_of_range);
  list.CreateNdx();
  EXPECT_THROW(list.Calculate(4, 10), std::out_of_range);
  EXPECT_THROW(list.Calculate(0, 13), std::out_of_range);
}

TEST(PossiblePicks, SpawnCopiesEntriesAndTotalsButKeepsItsOwnSettings) {
  clsPossiblePicks source;
  Fill(source, kThree);
  source.MoveFirst();
  source.SetInitialCV(11);
  source.SetFactorX(1.1);
  source.SetFactorINJ(0.9);
  source.SetFactorLRTR(1.5);
  source.SetStarter(true);
  source.SetPickPlus(-4.5);
  source.SetPosDrafted(true);
  source.CreateNdx();
  source.Calculate(2, 11);
  source.SetCompare(2);
  source.SetMethod(4);

  clsPossiblePicks copy;
  copy.SetCompare(1);
  copy.SetMethod(3);
  copy.SetStrategyAr(5);
  copy.SetCanidates(42);
  copy.SetRunTime(3.5);
  copy.SetBegDraftAr(8);
  copy.SetEndDraftAr(20);
  copy.SetNeedPicks(true);
  Fill(copy, {{9, 9, 99, 9, 9, 9, 9}, {8, 8, 98, 8, 8, 8, 8}, {7, 7, 97, 7, 7, 7, 7}, {6, 6, 96, 6, 6, 6, 6}});

  source.MoveFirst();
  copy.Spawn(source);
  EXPECT_EQ(source.Pnt(), 2);
  EXPECT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Pnt(), 2);
  EXPECT_EQ(WalkMasIDs(copy), (std::vector<int32_t>{101, 102, 103}));

  copy.MoveTo(10);
  EXPECT_EQ(copy.MasID(), 101);
  EXPECT_EQ(copy.PosID(), 3);
  EXPECT_EQ(copy.DraftNdx(), 10);
  EXPECT_EQ(copy.PP(), 250.0);
  EXPECT_EQ(copy.RBL(), 5.0);
  EXPECT_EQ(copy.SBL(), 40.0);
  EXPECT_EQ(copy.ADP(), 12.0);
  EXPECT_EQ(copy.InitialCV(), 11.0);
  EXPECT_EQ(copy.FactorX(), 1.1);
  EXPECT_EQ(copy.FactorINJ(), 0.9);
  EXPECT_EQ(copy.FactorLRTR(), 1.5);
  EXPECT_TRUE(copy.Starter());
  EXPECT_EQ(copy.PickPlus(), -4.5);
  EXPECT_TRUE(copy.PosDrafted());
  copy.MoveTo(12);
  EXPECT_EQ(copy.MasID(), 103);
  EXPECT_FALSE(copy.Starter());

  EXPECT_DOUBLE_EQ(copy.Total(2), 50.0);
  EXPECT_EQ(copy.Total(0), -99999999.0);
  EXPECT_EQ(copy.Compare(), 1);
  EXPECT_EQ(copy.Method(), 3);
  EXPECT_EQ(copy.StrategyAr(), 5);
  EXPECT_EQ(copy.Canidates(), 42.0);
  EXPECT_EQ(copy.RunTime(), 3.5);
  EXPECT_EQ(copy.BegDraftAr(), 8);
  EXPECT_EQ(copy.EndDraftAr(), 20);
  EXPECT_TRUE(copy.NeedPicks());
}

TEST(PossiblePicks, SpawnFromAnEmptyListGivesAnEmptyList) {
  clsPossiblePicks source;
  clsPossiblePicks copy;
  Fill(copy, kThree);
  copy.Spawn(source);
  EXPECT_EQ(copy.Count(), 0);
  EXPECT_EQ(copy.Total(0), -99999999.0);
}

}  // namespace
