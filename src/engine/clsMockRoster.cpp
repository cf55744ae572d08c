#include "engine/clsMockRoster.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

// RosterMax x teams and the like come from league files; kept in range
// rather than wrapped.
int32_t ClampToLong(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

clsMockRoster::clsMockRoster() : picks_(1) {}

// ---------------------------------------------------------------- lookups

clsMockRoster::Slot& clsMockRoster::SlotAt(int32_t slot) {
  if (slot < 0 || slot > ActivePositions()) throw std::out_of_range("roster has no slot " + std::to_string(slot));
  return slots_[static_cast<std::size_t>(slot)];
}

const clsMockRoster::Slot& clsMockRoster::SlotAt(int32_t slot) const {
  if (slot < 0 || slot > ActivePositions()) throw std::out_of_range("roster has no slot " + std::to_string(slot));
  return slots_[static_cast<std::size_t>(slot)];
}

const clsMockDraftPositionStack& clsMockRoster::Stack(int32_t slot) const {
  if (slot < 1 || slot > StackMax()) throw std::out_of_range("roster has no stack " + std::to_string(slot));
  return stacks_[static_cast<std::size_t>(slot)];
}

clsMockDraftPositionStack& clsMockRoster::StackAt(int32_t slot) {
  if (slot < 1 || slot > StackMax()) throw std::out_of_range("roster has no stack " + std::to_string(slot));
  return stacks_[static_cast<std::size_t>(slot)];
}

int32_t clsMockRoster::pFnGetPositionStackArwPosID(int32_t posID) const {
  // The latest slot added for the id; a roster holds a dozen slots at most,
  // and ids from files need no table sized by their value.
  for (int32_t slot = ActivePositions(); slot >= 0; --slot)
    if (slots_[static_cast<std::size_t>(slot)].size.PosID == posID) return slot;
  return -1;
}

clsMockRoster::Slot* clsMockRoster::SlotOfPosID(int32_t posID) {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  return slot < 0 ? nullptr : &slots_[static_cast<std::size_t>(slot)];
}

const clsMockRoster::Slot* clsMockRoster::SlotOfPosID(int32_t posID) const {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  return slot < 0 ? nullptr : &slots_[static_cast<std::size_t>(slot)];
}

const clsMockRoster::RosterSizeRecord& clsMockRoster::RosterSize(int32_t slot) const { return SlotAt(slot).size; }

int32_t clsMockRoster::DraftedAtSlot(int32_t slot) const { return SlotAt(slot).drafted; }

int32_t clsMockRoster::RosterMax(int32_t posID) const {
  const Slot* s = SlotOfPosID(posID);
  return s ? s->size.RosterMax : 0;
}

int32_t clsMockRoster::StarterMax(int32_t posID) const {
  const Slot* s = SlotOfPosID(posID);
  return s ? s->size.StarterMax : 0;
}

double clsMockRoster::RBL(int32_t posID) const {
  const Slot* s = SlotOfPosID(posID);
  return s ? s->rbl : 0.0;
}

void clsMockRoster::SetRBL(int32_t posID, double value) {
  if (Slot* s = SlotOfPosID(posID)) s->rbl = value;
}

double clsMockRoster::SBL(int32_t posID) const {
  const Slot* s = SlotOfPosID(posID);
  return s ? s->sbl : 0.0;
}

void clsMockRoster::SetSBL(int32_t posID, double value) {
  if (Slot* s = SlotOfPosID(posID)) s->sbl = value;
}

int32_t clsMockRoster::LeaguePosDraftMax(int32_t posID) const {
  const Slot* s = SlotOfPosID(posID);
  return s ? s->leagueDraftMax : 0;
}

void clsMockRoster::SetLeaguePosDraftMax(int32_t posID, int32_t value) {
  if (Slot* s = SlotOfPosID(posID)) s->leagueDraftMax = value;
}

int32_t clsMockRoster::LeaguePosDraftCount(int32_t posID) const {
  const Slot* s = SlotOfPosID(posID);
  return s ? s->leagueDraftCount : 0;
}

void clsMockRoster::SetLeaguePosDraftCount(int32_t posID, int32_t value) {
  if (Slot* s = SlotOfPosID(posID)) s->leagueDraftCount = value;
}

// ---------------------------------------------------------------- picks

clsMockRoster::RosterPickEntry& clsMockRoster::PickAt(int32_t pick) {
  if (pick < 0 || pick >= static_cast<int32_t>(picks_.size()))
    throw std::out_of_range("roster has no pick " + std::to_string(pick));
  return picks_[static_cast<std::size_t>(pick)];
}

const clsMockRoster::RosterPickEntry& clsMockRoster::PickAt(int32_t pick) const {
  if (pick < 0 || pick >= static_cast<int32_t>(picks_.size()))
    throw std::out_of_range("roster has no pick " + std::to_string(pick));
  return picks_[static_cast<std::size_t>(pick)];
}

int32_t clsMockRoster::MasterID(int32_t pick) const { return PickAt(pick).MasterID; }
void clsMockRoster::SetMasterID(int32_t pick, int32_t masterID) { PickAt(pick).MasterID = masterID; }
int32_t clsMockRoster::Position(int32_t pick) const { return PickAt(pick).PosID; }
void clsMockRoster::SetPosition(int32_t pick, int32_t posID) { PickAt(pick).PosID = posID; }

void clsMockRoster::EnsurePickCapacity(int32_t upper) {
  if (upper >= static_cast<int32_t>(picks_.size())) picks_.resize(static_cast<std::size_t>(upper) + 1);
}

void clsMockRoster::SetPlayerCount(int32_t n) {
  if (n < 0) throw std::out_of_range("roster pick count below 0");
  pickUpper_ = n - 1;
  EnsurePickCapacity(pickUpper_);
}

int32_t clsMockRoster::RecordPick(int32_t slot, int32_t masterID) {
  Slot& s = SlotAt(slot);
  ++s.drafted;
  ++pickUpper_;
  EnsurePickCapacity(pickUpper_);
  picks_[static_cast<std::size_t>(pickUpper_)] = RosterPickEntry{masterID, s.size.PosID};
  return s.size.PosID;
}

bool clsMockRoster::RemovePick(int32_t masterID, int32_t slot) {
  Slot& s = SlotAt(slot);
  // The latest pick of the player goes; a release of someone the team never
  // drafted must not lower its counts.
  for (int32_t k = pickUpper_; k >= 0; --k) {
    if (picks_[static_cast<std::size_t>(k)].MasterID != masterID) continue;
    std::copy(picks_.begin() + k + 1, picks_.begin() + pickUpper_ + 1, picks_.begin() + k);
    --pickUpper_;
    --s.drafted;
    return true;
  }
  return false;
}

void clsMockRoster::ClearRoster() {
  for (Slot& s : slots_) s.drafted = 0;
  std::fill(picks_.begin(), picks_.end(), RosterPickEntry{});
  pickUpper_ = -1;
}

// ---------------------------------------------------------------- building

void clsMockRoster::AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax,
                                          int32_t rosterMin, int32_t starterMax, int32_t starterMin) {
  Slot s;
  s.size = RosterSizeRecord{posID, mergeAsID, rosterMin, rosterMax, starterMin, starterMax};
  slots_.push_back(s);
  for (Slot& each : slots_) {
    each.drafted = 0;
    each.leagueDraftMax = 0;
    each.leagueDraftCount = 0;
  }
}

bool clsMockRoster::SetPositionFactor(int32_t posID, double factor) {
  for (int32_t slot = 1; slot <= StackMax(); ++slot) {
    clsMockDraftPositionStack& stack = stacks_[static_cast<std::size_t>(slot)];
    if (stack.Position() == posID) {
      stack.SetFactor(factor);
      return true;
    }
  }
  return false;
}

void clsMockRoster::SizePositionStacks() {
  if (ActivePositions() < 0) return;
  stacks_.assign(slots_.size(), clsMockDraftPositionStack());
  for (int32_t slot = 1; slot <= ActivePositions(); ++slot)
    stacks_[static_cast<std::size_t>(slot)].SetPosition(slots_[static_cast<std::size_t>(slot)].size.PosID);
}

void clsMockRoster::FillPositionStacks(const StackFiller& fill) {
  SizePositionStacks();
  for (int32_t slot = 1; slot <= StackMax(); ++slot) {
    const RosterSizeRecord& size = slots_[static_cast<std::size_t>(slot)].size;
    const int32_t depth =
        ClampToLong(static_cast<int64_t>(size.RosterMax) * ownerCount_ + static_cast<int64_t>(playerBuffer_));
    clsMockDraftPositionStack& stack = stacks_[static_cast<std::size_t>(slot)];
    fill(stack, stack.Position(), depth);
  }
}

void clsMockRoster::AddMissingMasterID(int32_t masterID, double points, bool drafted, int32_t slot) {
  StackAt(slot).AddPlayer(masterID, points, 0, drafted);
}

void clsMockRoster::AddStackPlayer(int32_t masterID, double points, bool drafted, int32_t slot, uint8_t byeWeek) {
  StackAt(slot).AddPlayer(masterID, points, byeWeek, drafted);
}

void clsMockRoster::SetBaselineMode(int32_t mode) {
  for (int32_t slot = 1; slot <= StackMax(); ++slot) stacks_[static_cast<std::size_t>(slot)].SetBaselineMode(mode);
  baselineMode_ = mode;
}

void clsMockRoster::AssignBaselinePointers() {
  for (int32_t slot = 1; slot <= StackMax(); ++slot) {
    clsMockDraftPositionStack& stack = stacks_[static_cast<std::size_t>(slot)];
    Slot& s = slots_[static_cast<std::size_t>(slot)];
    const int32_t rosterPointer =
        std::min(ClampToLong(static_cast<int64_t>(s.size.RosterMax) * ownerCount_ - 1), stack.Count() - 1);
    stack.SetRosterBaselinePointer(rosterPointer);
    s.rbl = stack.Points(rosterPointer);
    // The starter baseline is read at the unlowered pointer: a league that
    // starts more players than the stack holds has a starter baseline of 0.
    const int32_t starterPointer = ClampToLong(static_cast<int64_t>(s.size.StarterMax) * ownerCount_ - 1);
    stack.SetStarterBaselinePointer(starterPointer);
    s.sbl = stack.Points(starterPointer);
  }
}

bool clsMockRoster::LoadDraftStrategy(const std::string& folder, const std::string& fileName) {
  strategy_.SetFilePath(folder);
  strategy_.SetFileName(fileName);
  return strategy_.LoadDraftStrategy();
}

void clsMockRoster::Spawn(clsMockRoster& target) const {
  clsMockRoster copy;
  copy.teams_ = teams_;
  copy.ownerCount_ = ownerCount_;
  copy.draftStrategyTag_ = draftStrategyTag_;
  copy.slots_.reserve(slots_.size());
  for (const Slot& s : slots_) {
    Slot c;
    c.size = s.size;
    c.drafted = s.drafted;
    copy.slots_.push_back(c);
  }
  copy.baselineMode_ = baselineMode_;
  copy.stacks_ = stacks_;
  if (copy.stacks_.empty()) copy.SizePositionStacks();
  copy.strategy_ = strategy_;
  copy.picks_.assign(picks_.begin(), picks_.begin() + std::max(pickUpper_ + 1, 1));
  copy.pickUpper_ = pickUpper_;
  target = std::move(copy);
}

// ---------------------------------------------------------------- drafting

int32_t clsMockRoster::FindInStack(int32_t masterID, int32_t slot) const {
  if (slot < 1 || slot > StackMax()) return -1;
  return stacks_[static_cast<std::size_t>(slot)].IndexOfMasterID(masterID);
}

bool clsMockRoster::FindStackPlayer(int32_t masterID, int32_t& slot, int32_t& index) const {
  for (int32_t s = 1; s <= StackMax(); ++s) {
    const int32_t i = FindInStack(masterID, s);
    if (i >= 0) {
      slot = s;
      index = i;
      return true;
    }
  }
  return false;
}

void clsMockRoster::MarkPlayerAsDrafted(int32_t masterID, int32_t posID, bool drafted, int32_t indexHint) {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  if (slot < 1 || slot > StackMax()) return;
  clsMockDraftPositionStack& stack = stacks_[static_cast<std::size_t>(slot)];
  int32_t i = indexHint;
  if (i < 0 || i >= stack.Count() || stack.MasterID(i) != masterID) i = stack.IndexOfMasterID(masterID);
  if (i >= 0) stack.SetDrafted(i, drafted);
}

bool clsMockRoster::ManualDraftPlayer(int32_t masterID, double& points, double& value, int32_t& posID) {
  int32_t slot = 0;
  int32_t i = 0;
  if (!FindStackPlayer(masterID, slot, i)) return false;
  const clsMockDraftPositionStack& stack = stacks_[static_cast<std::size_t>(slot)];
  points = stack.Points(i);
  value = stack.BaseLine(i);
  posID = RecordPick(slot, masterID);
  return true;
}

void clsMockRoster::NashDraftPlayer(int32_t masterID, int32_t posID) {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  if (slot >= 0) RecordPick(slot, masterID);
}

void clsMockRoster::NashReleasePlayer(int32_t masterID, int32_t posID) {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  if (slot >= 0) RemovePick(masterID, slot);
}

bool clsMockRoster::ManualReleasePlayer(int32_t masterID, int32_t& posID) {
  int32_t slot = 0;
  int32_t i = 0;
  if (!FindStackPlayer(masterID, slot, i)) return false;
  posID = slots_[static_cast<std::size_t>(slot)].size.PosID;
  RemovePick(masterID, slot);
  return true;
}

bool clsMockRoster::GetPPwMasIDPosID(int32_t masterID, int32_t posID, double& points) const {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  const int32_t i = FindInStack(masterID, slot);
  if (i < 0) return false;
  points = stacks_[static_cast<std::size_t>(slot)].Points(i);
  return true;
}

bool clsMockRoster::GetRBLwMasIDPosID(int32_t masterID, int32_t posID, double& value) const {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  const int32_t i = FindInStack(masterID, slot);
  if (i < 0) return false;
  value = stacks_[static_cast<std::size_t>(slot)].RosterBaseLine(i);
  return true;
}
