#include "engine/clsMockDraftPositionStack.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>

namespace {

std::out_of_range PlayerError(int32_t i) {
  return std::out_of_range("position stack has no player " + std::to_string(i));
}

}  // namespace

const clsMockDraftPositionStack::Player& clsMockDraftPositionStack::At(int32_t i) const {
  if (!Holds(i)) throw PlayerError(i);
  return (*players_)[static_cast<std::size_t>(i)];
}

clsMockDraftPositionStack::Players& clsMockDraftPositionStack::MutablePlayers() {
  // Stacks that mark together hold the same players at the same indexes.
  marks_.Own();
  if (!players_) {
    players_ = std::make_shared<Players>();
  } else if (players_.use_count() > 1) {
    players_ = std::make_shared<Players>(*players_);
  }
  return *players_;
}

clsMockDraftPositionStack::Player& clsMockDraftPositionStack::MutableAt(int32_t i) {
  if (!Holds(i)) throw PlayerError(i);
  return MutablePlayers()[static_cast<std::size_t>(i)];
}

void clsMockDraftPositionStack::SetRosterBaselinePointer(int32_t pointer) {
  rosterPointer_ = std::min(pointer, Count() - 1);
}

void clsMockDraftPositionStack::SetStarterBaselinePointer(int32_t pointer) {
  starterPointer_ = std::min(pointer, Count() - 1);
}

void clsMockDraftPositionStack::AddPlayer(int32_t masterID, double points, uint8_t byeWeek, bool drafted) {
  Player p;
  p.MasterID = masterID;
  p.Points = points;
  p.ByeWeek = byeWeek;
  MutablePlayers().push_back(p);
  marks_->drafted.push_back(drafted ? 1 : 0);
  ++count_;
  Changed();
}

void clsMockDraftPositionStack::SetCount(int32_t highestIndex) {
  if (highestIndex < -1) throw std::out_of_range("position stack count below 0");
  const std::size_t n = static_cast<std::size_t>(highestIndex) + 1;
  MutablePlayers().resize(n);
  marks_->drafted.resize(n, 0);
  count_ = static_cast<int32_t>(n);
  marks_->firstOpen = std::min(marks_->firstOpen, Count());
  Changed();
}

uint8_t clsMockDraftPositionStack::ByeWeek(int32_t i) const { return At(i).ByeWeek; }
void clsMockDraftPositionStack::SetByeWeek(int32_t i, uint8_t week) { MutableAt(i).ByeWeek = week; }

int32_t clsMockDraftPositionStack::MasterID(int32_t i) const {
  return Holds(i) ? (*players_)[static_cast<std::size_t>(i)].MasterID : 0;
}
void clsMockDraftPositionStack::SetMasterID(int32_t i, int32_t masterID) {
  MutableAt(i).MasterID = masterID;
  Changed();
}

bool clsMockDraftPositionStack::Drafted(int32_t i) const {
  At(i);
  return marks_->drafted[static_cast<std::size_t>(i)] != 0;
}
void clsMockDraftPositionStack::SetDrafted(int32_t i, bool drafted) {
  At(i);
  MarkAt(i, drafted);
}

int32_t clsMockDraftPositionStack::FirstUndrafted() const {
  Marks& marks = *marks_;
  marks.firstOpen = std::min(marks.firstOpen, Count());
  while (marks.firstOpen < Count() && marks.drafted[static_cast<std::size_t>(marks.firstOpen)]) ++marks.firstOpen;
  return marks.firstOpen;
}

bool clsMockDraftPositionStack::MarksMatch(const clsMockDraftPositionStack& model) const {
  return players_ == model.players_ && count_ == model.count_ && marks_->drafted == model.marks_->drafted;
}

bool clsMockDraftPositionStack::ShareMarks(const clsMockDraftPositionStack& model) {
  if (!MarksMatch(model)) return false;
  marks_.Link(model.marks_);
  return true;
}

double clsMockDraftPositionStack::Points(int32_t i) const {
  return Holds(i) ? (*players_)[static_cast<std::size_t>(i)].Points : 0.0;
}
void clsMockDraftPositionStack::SetPoints(int32_t i, double points) { MutableAt(i).Points = points; }

double clsMockDraftPositionStack::ADP(int32_t i) const {
  if (!Holds(i)) return kNoADP;
  const double adp = (*players_)[static_cast<std::size_t>(i)].ADP;
  return adp == 0.0 ? kNoADP : adp;
}
void clsMockDraftPositionStack::SetADP(int32_t i, double adp) { MutableAt(i).ADP = adp; }

int32_t clsMockDraftPositionStack::GetBestADPAvailable(double minimum) const {
  int32_t best = -1;
  double bestADP = 100000.0;
  for (int32_t i = 0; i < Count(); ++i) {
    if (marks_->drafted[static_cast<std::size_t>(i)]) continue;
    const double adp = ADP(i);
    if (adp > minimum && adp < bestADP) {
      best = i;
      bestADP = adp;
    }
  }
  return best;
}

double clsMockDraftPositionStack::BaseLine(int32_t i) const {
  switch (baselineMode_) {
    case kRawPoints:
      return Points(i);
    case kRosterBaseline:
      return RosterBaseLine(i);
    case kStarterBaseline:
      return StarterBaseLine(i);
    default:
      return 0.0;
  }
}

uint8_t clsMockDraftPositionStack::GetByeWeekwMasID(int32_t masterID) const {
  const int32_t i = IndexOfMasterID(masterID);
  return i < 0 ? 0 : (*players_)[static_cast<std::size_t>(i)].ByeWeek;
}

const clsMockDraftPositionStack::MasterIndex& clsMockDraftPositionStack::Index() const {
  if (!index_) {
    auto index = std::make_shared<MasterIndex>();
    index->reserve(static_cast<std::size_t>(count_));
    for (std::size_t i = 0; i < static_cast<std::size_t>(count_); ++i)
      index->emplace_back((*players_)[i].MasterID, static_cast<int32_t>(i));
    std::sort(index->begin(), index->end());
    index_ = std::move(index);
  }
  return *index_;
}

int32_t clsMockDraftPositionStack::IndexOfMasterID(int32_t masterID) const {
  if (lastLookup_ && lastLookup_->first == masterID) return lastLookup_->second;
  const MasterIndex& index = Index();
  const auto it = std::lower_bound(index.begin(), index.end(), std::make_pair(masterID, INT32_MIN));
  const int32_t found = it != index.end() && it->first == masterID ? it->second : -1;
  lastLookup_.emplace(masterID, found);
  return found;
}
