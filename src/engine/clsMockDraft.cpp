#include "engine/clsMockDraft.h"

#include <stdexcept>

#include "platform/runtime/CheckedIndex.h"

using runtime::Element;

clsMockDraft::clsMockDraft() : rosterSizes_(1), rbl_(1, 0.0), sbl_(1, 0.0) {}

clsMockDraft::PickRecord& clsMockDraft::At(int32_t pick) { return Element(picks_, pick); }

const clsMockDraft::PickRecord& clsMockDraft::At(int32_t pick) const { return Element(picks_, pick); }

std::size_t clsMockDraft::RosterRecordIndex(int32_t posID) const {
  for (std::size_t i = 0; i < rosterSizes_.size(); ++i) {
    if (rosterSizes_[i].PosID == posID) return i;
  }
  return 0;
}

int32_t clsMockDraft::MergeAsID(int32_t posID) const {
  return rosterSizes_[RosterRecordIndex(posID)].MergeAsID;
}

int32_t clsMockDraft::RosterMax(int32_t posID) const {
  return rosterSizes_[RosterRecordIndex(posID)].RosterMax;
}

int32_t clsMockDraft::StarterMax(int32_t posID) const {
  return rosterSizes_[RosterRecordIndex(posID)].StarterMax;
}

double clsMockDraft::RBL(int32_t posID) const { return rbl_[RosterRecordIndex(posID)]; }

void clsMockDraft::SetRBL(int32_t posID, double value) { rbl_[RosterRecordIndex(posID)] = value; }

double clsMockDraft::SBL(int32_t posID) const { return sbl_[RosterRecordIndex(posID)]; }

void clsMockDraft::SetSBL(int32_t posID, double value) { sbl_[RosterRecordIndex(posID)] = value; }

int32_t clsMockDraft::PosID(int32_t index) const { return Element(rosterSizes_, index).PosID; }

void clsMockDraft::AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax,
                                         int32_t rosterMin, int32_t starterMax, int32_t starterMin) {
  ++activePositionMax_;
  rosterSizes_.push_back({posID, mergeAsID, rosterMin, rosterMax, starterMin, starterMax});
  rbl_.push_back(0.0);
  sbl_.push_back(0.0);
}

int32_t clsMockDraft::AddPlayer(int32_t masterID, double points) {
  PickRecord pick;
  pick.MasterID = masterID;
  pick.Points = points;
  picks_.push_back(std::move(pick));
  return Count();
}

void clsMockDraft::SetCount(int32_t n) { picks_.resize(n < 0 ? 0 : static_cast<std::size_t>(n) + 1); }

void clsMockDraft::SetOwnerCount(int32_t n) {
  ownerCount_ = n < 0 ? 0 : n;
  const std::size_t size = static_cast<std::size_t>(ownerCount_) + 1;
  ownerNames_.resize(size, FixedLengthText("", kOwnerNameWidth));
  strategyFiles_.resize(size);
}

const std::string& clsMockDraft::OwnerName(int32_t team) const { return Element(ownerNames_, team); }

void clsMockDraft::SetOwnerName(int32_t team, std::string_view name) {
  Element(ownerNames_, team) = FixedLengthText(name, kOwnerNameWidth);
}

const std::string& clsMockDraft::DraftStrategyFile(int32_t team) const {
  return Element(strategyFiles_, team);
}

void clsMockDraft::SetDraftStrategyFile(int32_t team, std::string_view fileName) {
  Element(strategyFiles_, team) = std::string(fileName);
}

void clsMockDraft::SetPlayerName(int32_t pick, std::string_view name) {
  AssignFixedLengthText(At(pick).PlayerName, name, kPlayerNameWidth);
}

const std::string& clsMockDraft::BlankPlayerName() {
  static const std::string blank = FixedLengthText("", kPlayerNameWidth);
  return blank;
}

int32_t clsMockDraft::PlayerDraftNdx(int32_t masterID) const {
  for (std::size_t i = 0; i < picks_.size(); ++i) {
    if (picks_[i].MasterID == masterID) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t clsMockDraft::TeamPick(int32_t pick) const {
  const int32_t owner = At(pick).DraftOwner;
  int32_t number = 0;
  for (int32_t i = 0; i <= pick; ++i) {
    if (picks_[static_cast<std::size_t>(i)].DraftOwner == owner) ++number;
  }
  return number;
}
