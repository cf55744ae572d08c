#include "engine/clsPossiblePicks.h"

#include <stdexcept>
#include <string>

namespace {

std::size_t CheckedCompare(int32_t compare) {
  if (compare < 0 || compare > 3) throw std::out_of_range("compare code " + std::to_string(compare));
  return static_cast<std::size_t>(compare);
}

}  // namespace

std::size_t clsPossiblePicks::Cell() const {
  // Within the capacity, not only the count: a cleared list still answers
  // with what its storage holds, as the look-ahead's readers expect.
  if (pnt_ < 0 || pnt_ > capacity_)
    throw std::out_of_range("candidate cursor " + std::to_string(pnt_) + " is off the list");
  return static_cast<std::size_t>(pnt_);
}

double clsPossiblePicks::CompareValue() const {
  switch (compare_) {
    case 0: return PP();
    case 1: return RBL();
    case 2: return SBL();
    case 3: return ADP();
    default: return 0;
  }
}

void clsPossiblePicks::Calculate(int32_t compare, int32_t draftNdx) {
  const std::size_t code = CheckedCompare(compare);
  if (draftNdx < 0 || draftNdx > maxDraftNdx_)
    throw std::out_of_range("draft index " + std::to_string(draftNdx) + " is not in the candidate map");
  const std::vector<double>& values = code == 0 ? pp_ : code == 1 ? rbl_ : code == 2 ? sbl_ : adp_;
  double total = 0;
  for (int32_t i = draftIndex_[static_cast<std::size_t>(draftNdx)]; i <= last_; ++i)
    total += values[static_cast<std::size_t>(i)];
  totals_[code] = total;
}

void clsPossiblePicks::HoldInitialCV() {
  if (compare_ < 0 || compare_ > 3) return;
  SetInitialCV(CompareValue());
}

void clsPossiblePicks::CreateNdx() {
  for (int32_t i = 0; i <= last_; ++i)
    if (draftNdx_[static_cast<std::size_t>(i)] > maxDraftNdx_) maxDraftNdx_ = draftNdx_[static_cast<std::size_t>(i)];
  draftIndex_.assign(static_cast<std::size_t>(maxDraftNdx_ + 1), 0);
  // Where entries share a draft index the last one wins; an entry with a
  // negative index cannot be addressed and is left out.
  for (int32_t i = 0; i <= last_; ++i) {
    const int32_t ndx = draftNdx_[static_cast<std::size_t>(i)];
    if (ndx >= 0) draftIndex_[static_cast<std::size_t>(ndx)] = i;
  }
}

double clsPossiblePicks::Total(int32_t compare) const { return totals_[CheckedCompare(compare)]; }

bool clsPossiblePicks::Starter() const { return starter_[Cell()] != 0; }
void clsPossiblePicks::SetStarter(bool v) { starter_[Cell()] = v ? 1 : 0; }
bool clsPossiblePicks::PosDrafted() const { return posDrafted_[Cell()] != 0; }
void clsPossiblePicks::SetPosDrafted(bool v) { posDrafted_[Cell()] = v ? 1 : 0; }
int32_t clsPossiblePicks::DraftNdx() const { return pnt_ == -1 ? -1 : draftNdx_[Cell()]; }
void clsPossiblePicks::SetDraftNdx(int32_t v) { draftNdx_[Cell()] = v; }
double clsPossiblePicks::RBL() const { return rbl_[Cell()]; }
void clsPossiblePicks::SetRBL(double v) { rbl_[Cell()] = v; }
double clsPossiblePicks::FactorLRTR() const { return factorLRTR_[Cell()]; }
void clsPossiblePicks::SetFactorLRTR(double v) { factorLRTR_[Cell()] = v; }
double clsPossiblePicks::FactorX() const { return factorX_[Cell()]; }
void clsPossiblePicks::SetFactorX(double v) { factorX_[Cell()] = v; }
double clsPossiblePicks::FactorINJ() const { return factorINJ_[Cell()]; }
void clsPossiblePicks::SetFactorINJ(double v) { factorINJ_[Cell()] = v; }
double clsPossiblePicks::InitialCV() const { return initialCV_[Cell()]; }
void clsPossiblePicks::SetInitialCV(double v) { initialCV_[Cell()] = v; }
double clsPossiblePicks::PickPlus() const { return pickPlus_[Cell()]; }
void clsPossiblePicks::SetPickPlus(double v) { pickPlus_[Cell()] = v; }
double clsPossiblePicks::SBL() const { return sbl_[Cell()]; }
void clsPossiblePicks::SetSBL(double v) { sbl_[Cell()] = v; }
double clsPossiblePicks::PP() const { return pp_[Cell()]; }
void clsPossiblePicks::SetPP(double v) { pp_[Cell()] = v; }
double clsPossiblePicks::ADP() const { return adp_[Cell()]; }
void clsPossiblePicks::SetADP(double v) { adp_[Cell()] = v; }
int32_t clsPossiblePicks::PosID() const { return posID_[Cell()]; }
void clsPossiblePicks::SetPosID(int32_t v) { posID_[Cell()] = v; }
int32_t clsPossiblePicks::MasID() const { return masID_[Cell()]; }
void clsPossiblePicks::SetMasID(int32_t v) { masID_[Cell()] = v; }

void clsPossiblePicks::MoveTo(int32_t n) {
  if (n < 0) throw std::out_of_range("draft index " + std::to_string(n));
  if (n > maxDraftNdx_) return;
  pnt_ = draftIndex_[static_cast<std::size_t>(n)];
}

void clsPossiblePicks::MoveToPosID(int32_t posID, bool& found) {
  for (pnt_ = 0; pnt_ <= last_; ++pnt_) {
    if (posID_[static_cast<std::size_t>(pnt_)] == posID) {
      found = true;
      return;
    }
  }
  found = false;
}

void clsPossiblePicks::AddPlayer() {
  ++last_;
  pnt_ = last_;
  const auto size = static_cast<std::size_t>(last_ + 1);
  if (last_ > capacity_) {
    ForEachColumn([size](auto& column) { column.resize(size); });
    capacity_ = last_;
    return;
  }
  // A reused entry starts clean: a value a caller forgets to set must not be
  // a player left over from an earlier fill of the list.
  ForEachColumn([i = size - 1](auto& column) { column[i] = 0; });
}

void clsPossiblePicks::Spawn(clsPossiblePicks& source) {
  if (&source == this) {
    pnt_ = last_;
    CreateNdx();
    return;
  }
  Clear();
  for (int32_t i = 0; i <= source.last_; ++i) {
    AddPlayer();
    const auto from = static_cast<std::size_t>(i);
    const auto to = static_cast<std::size_t>(pnt_);
    masID_[to] = source.masID_[from];
    posID_[to] = source.posID_[from];
    rbl_[to] = source.rbl_[from];
    sbl_[to] = source.sbl_[from];
    pp_[to] = source.pp_[from];
    adp_[to] = source.adp_[from];
    initialCV_[to] = source.initialCV_[from];
    factorX_[to] = source.factorX_[from];
    factorINJ_[to] = source.factorINJ_[from];
    factorLRTR_[to] = source.factorLRTR_[from];
    draftNdx_[to] = source.draftNdx_[from];
    starter_[to] = source.starter_[from];
    pickPlus_[to] = source.pickPlus_[from];
    posDrafted_[to] = source.posDrafted_[from];
  }
  source.pnt_ = source.last_;
  totals_ = source.totals_;
  CreateNdx();
}
