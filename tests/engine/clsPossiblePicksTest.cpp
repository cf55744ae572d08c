#include <gtest/gtest.h>

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

constexpr double kNoTotal = -99999999.0;

TEST(PossiblePicks, WalkVisitsEveryEntryOnceAndMovesClampAtTheEnds) {
  clsPossiblePicks list;
  EXPECT_EQ(list.Pnt(), -1);
  EXPECT_EQ(list.DraftNdx(), -1);
  EXPECT_TRUE(list.IsBOF() && list.IsEOF());
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(list.Total(i), kNoTotal);
  Fill(list, {kThree[0]});
  list.MoveFirst();
  EXPECT_TRUE(list.IsBOF() && list.IsEOF());
  EXPECT_EQ(WalkMasIDs(list), std::vector<int32_t>{101});

  list.Clear();
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
  EXPECT_FALSE(list.IsBOF() || list.IsEOF());
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
  Fill(list, {{1, 3, 2, 0, 0, 0, 0}, {2, 3, 7, 0, 0, 0, 0}, {3, 3, 5, 0, 0, 0, 0}, {4, 3, 5, 0, 0, 0, 0}});
  list.CreateNdx();
  list.MoveTo(7);  // larger than Count, still the entry with that index
  EXPECT_EQ(list.MasID(), 2);
  list.MoveTo(5);  // a shared index maps to the last entry
  EXPECT_EQ(list.Pnt(), 3);
  list.MoveTo(8);  // beyond every draft index: the cursor stays
  EXPECT_EQ(list.Pnt(), 3);
  list.MoveTo(4);  // no entry has it: entry 0
  EXPECT_EQ(list.Pnt(), 0);
  EXPECT_THROW(list.MoveTo(-1), std::out_of_range);

  // The largest draft index is never lowered.
  list.Clear();
  Fill(list, {{2, 3, 1, 0, 0, 0, 0}, {3, 3, 2, 0, 0, 0, 0}});
  list.CreateNdx();
  list.MoveLast();
  list.MoveTo(6);  // still inside the map: entry 0, not "stay"
  EXPECT_EQ(list.Pnt(), 0);
}

TEST(PossiblePicks, CalculateSumsFromThePicksEntryToTheEndAfreshEachTime) {
  struct Case {
    int32_t compare, draftNdx;
    double total;
  };
  for (const Case& c : {Case{0, 10, 600.0}, Case{0, 12, 150.0}, Case{1, 10, 10.0}, Case{1, 11, 5.0},
                        Case{1, 12, 2.0}, Case{2, 11, 50.0}, Case{3, 10, 65.0}, Case{3, 0, 65.0}}) {
    SCOPED_TRACE(testing::Message() << "compare " << c.compare << " from " << c.draftNdx);
    clsPossiblePicks list;
    Fill(list, kThree);
    list.CreateNdx();
    list.Calculate(c.compare, c.draftNdx);
    list.Calculate(c.compare, c.draftNdx);
    EXPECT_DOUBLE_EQ(list.Total(c.compare), c.total);
    for (int32_t other = 0; other < 4; ++other) {
      if (other != c.compare) {
        EXPECT_EQ(list.Total(other), kNoTotal);
      }
    }
    list.Clear();  // keeps the totals
    EXPECT_DOUBLE_EQ(list.Total(c.compare), c.total);
  }
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
  EXPECT_EQ((std::vector<double>{1.0 * list.MasID(), 1.0 * list.PosID(), 1.0 * list.DraftNdx(), list.PP(),
                                 list.RBL(), list.ADP()}),
            std::vector<double>(6, 0.0));
  list.AddPlayer();
  list.AddPlayer();
  EXPECT_EQ(list.PickPlus(), 0.0);
  EXPECT_FALSE(list.Starter());
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
  Fill(copy,
       {{9, 9, 99, 9, 9, 9, 9}, {8, 8, 98, 8, 8, 8, 8}, {7, 7, 97, 7, 7, 7, 7}, {6, 6, 96, 6, 6, 6, 6}});

  source.MoveFirst();
  copy.Spawn(source);
  EXPECT_EQ(source.Pnt(), 2);
  EXPECT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Pnt(), 2);
  EXPECT_EQ(WalkMasIDs(copy), (std::vector<int32_t>{101, 102, 103}));

  copy.MoveTo(10);
  EXPECT_EQ((std::vector<double>{1.0 * copy.MasID(), 1.0 * copy.PosID(), 1.0 * copy.DraftNdx(), copy.PP(),
                                 copy.RBL(), copy.SBL(), copy.ADP(), copy.InitialCV(), copy.FactorX(),
                                 copy.FactorINJ(), copy.FactorLRTR(), copy.PickPlus(), 1.0 * copy.Starter(),
                                 1.0 * copy.PosDrafted()}),
            (std::vector<double>{101, 3, 10, 250, 5, 40, 12, 11, 1.1, 0.9, 1.5, -4.5, 1, 1}));
  copy.MoveTo(12);
  EXPECT_EQ(copy.MasID(), 103);
  EXPECT_FALSE(copy.Starter());

  EXPECT_DOUBLE_EQ(copy.Total(2), 50.0);
  EXPECT_EQ(copy.Total(0), kNoTotal);
  // The copy's own settings stay.
  EXPECT_EQ((std::vector<double>{1.0 * copy.Compare(), 1.0 * copy.Method(), 1.0 * copy.StrategyAr(),
                                 copy.Canidates(), copy.RunTime(), 1.0 * copy.BegDraftAr(),
                                 1.0 * copy.EndDraftAr(), 1.0 * copy.NeedPicks()}),
            (std::vector<double>{1, 3, 5, 42, 3.5, 8, 20, 1}));

  clsPossiblePicks empty;
  copy.Spawn(empty);  // an empty source gives an empty list
  EXPECT_EQ(copy.Count(), 0);
  EXPECT_EQ(copy.Total(2), kNoTotal);
}

}  // namespace
