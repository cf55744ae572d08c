#pragma once
// The candidate players for the picks a look-ahead explores: one entry per
// candidate with its values under every compare code, its draft-factor
// adjustments and the draft-order index of the pick it stands for; a cursor;
// a map from draft-order index to entry; and a running total per compare code.
//
// Values are parallel arrays that grow in place and are not shrunk by Clear,
// because the look-ahead refills these lists for every permutation it tries.
//
// The cursor semantics are those of the searches that walk the lists: IsBOF
// and IsEOF are already True while the cursor stands ON the first / last entry, and
// MoveNext / MovePrev stop at the ends. A full walk reads IsEOF before handling
// the entry and stops after it:
//   list.MoveFirst();
//   for (;;) { bool done = list.IsEOF(); ...handle...; if (done) break; list.MoveNext(); }
//
// Caller errors throw std::out_of_range: an entry read or written with the
// cursor outside the arrays, a compare code outside 0..3 for Total or
// Calculate, a draft index outside the map for Calculate, a negative MoveTo.

#include <array>
#include <cstdint>
#include <vector>

class clsPossiblePicks {
 public:
  static constexpr double kNoTotal = -99999999.0;

  clsPossiblePicks() { totals_.fill(kNoTotal); }

  // List-level values.
  int32_t Compare() const { return compare_; }
  void SetCompare(int32_t v) { compare_ = v; }
  int32_t StrategyAr() const { return strategyAr_; }
  void SetStrategyAr(int32_t v) { strategyAr_ = v; }
  int32_t Method() const { return method_; }
  void SetMethod(int32_t v) { method_ = v; }
  double Canidates() const { return canidates_; }
  void SetCanidates(double v) { canidates_ = v; }
  double RunTime() const { return runTime_; }  // milliseconds
  void SetRunTime(double v) { runTime_ = v; }
  int32_t BegDraftAr() const { return begDraftAr_; }
  void SetBegDraftAr(int32_t v) { begDraftAr_ = v; }
  int32_t EndDraftAr() const { return endDraftAr_; }
  void SetEndDraftAr(int32_t v) { endDraftAr_ = v; }

  // The current entry's value under Compare(): PP, RBL, SBL or ADP; 0 for
  // any other code.
  double CompareValue() const;

  // Total(compare) := the sum of that compare value over the entries from the
  // one standing for draftNdx through the last.
  void Calculate(int32_t compare, int32_t draftNdx);

  // Keeps the current entry's compare value as its InitialCV.
  void HoldInitialCV();

  // Rebuilds the map from draft-order index to entry.
  void CreateNdx();

  int32_t Count() const { return last_ + 1; }

  int32_t Pnt() const { return pnt_; }
  void SetPnt(int32_t v) { pnt_ = v; }

  double Total(int32_t compare) const;

  bool NeedPicks() const { return needPicks_; }
  void SetNeedPicks(bool v) { needPicks_ = v; }

  // Values of the entry at the cursor.
  bool Starter() const;
  void SetStarter(bool v);
  bool PosDrafted() const;
  void SetPosDrafted(bool v);
  int32_t DraftNdx() const;  // -1 while the cursor is at -1
  void SetDraftNdx(int32_t v);
  double RBL() const;
  void SetRBL(double v);
  double FactorLRTR() const;
  void SetFactorLRTR(double v);
  double FactorX() const;
  void SetFactorX(double v);
  double FactorINJ() const;
  void SetFactorINJ(double v);
  double InitialCV() const;
  void SetInitialCV(double v);
  double PickPlus() const;
  void SetPickPlus(double v);
  double SBL() const;
  void SetSBL(double v);
  double PP() const;
  void SetPP(double v);
  double ADP() const;
  void SetADP(double v);
  int32_t PosID() const;
  void SetPosID(int32_t v);
  int32_t MasID() const;
  void SetMasID(int32_t v);

  void MoveFirst() { pnt_ = 0; }
  void MoveNext() {
    if (pnt_ < last_) ++pnt_;
  }
  void MovePrev() {
    if (pnt_ > 0) --pnt_;
  }
  void MoveLast() { pnt_ = last_; }
  // To the entry that stands for draft-order index n (entry 0 when none
  // does); beyond the largest indexed draft index the cursor stays.
  void MoveTo(int32_t n);
  // To the first entry of the position; False leaves the cursor at Count().
  void MoveToPosID(int32_t posID, bool& found);

  // BOF and EOF (named so because <cstdio> defines EOF as a macro).
  bool IsBOF() const { return pnt_ < 1; }
  bool IsEOF() const { return pnt_ >= last_; }

  // Appends an entry with every value zero and puts the cursor on it.
  void AddPlayer();

  // Empties the list; storage, the draft-index map and the totals are kept.
  void Clear() {
    last_ = -1;
    pnt_ = -1;
  }

  // Makes this list a copy of the source's entries and totals and rebuilds
  // the map; its own list-level values stay. Leaves the source's cursor on
  // its last entry.
  void Spawn(clsPossiblePicks& source);

 private:
  std::size_t Cell() const;  // the cursor as an array index, checked
  // Calls f with each per-entry column.
  template <typename F>
  void ForEachColumn(F f) {
    for (auto* v : {&factorLRTR_, &factorX_, &factorINJ_, &rbl_, &sbl_, &pp_, &adp_, &initialCV_, &pickPlus_})
      f(*v);
    for (auto* v : {&posID_, &masID_, &draftNdx_}) f(*v);
    for (auto* v : {&starter_, &posDrafted_}) f(*v);
  }

  int32_t last_ = -1;
  int32_t pnt_ = -1;
  int32_t capacity_ = -1;
  bool needPicks_ = false;
  int32_t maxDraftNdx_ = -1;
  std::vector<int32_t> draftIndex_;  // draft-order index -> entry
  double runTime_ = 0;
  int32_t method_ = 0;
  int32_t compare_ = 0;
  int32_t begDraftAr_ = 0;
  int32_t endDraftAr_ = 0;
  double canidates_ = 0;
  int32_t strategyAr_ = 0;
  std::array<double, 4> totals_{};

  std::vector<double> factorLRTR_, factorX_, factorINJ_, rbl_, sbl_, pp_, adp_, initialCV_, pickPlus_;
  std::vector<int32_t> posID_, masID_, draftNdx_;
  std::vector<uint8_t> starter_, posDrafted_;
};
