#include "engine/clsMockRoster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "draft_inputs/basSTGFileControl.h"
#include "engine/PickLogNames.h"
#include "engine/clsPossiblePicks.h"
#include "platform/runtime/Text.h"

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
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  return slot < 0 ? 0 : LeagueCount(slot);
}

void clsMockRoster::SetLeaguePosDraftCount(int32_t posID, int32_t value) {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  if (slot < 0) return;
  OwnLeague();
  LeagueCount(slot) = value;
}

int32_t& clsMockRoster::LeagueCount(int32_t slot) const {
  std::vector<int32_t>& counts = *leagueCounts_;
  if (counts.size() < slots_.size()) counts.resize(slots_.size(), 0);
  return counts[static_cast<std::size_t>(slot)];
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
void clsMockRoster::SetMasterID(int32_t pick, int32_t masterID) {
  PickAt(pick).MasterID = masterID;
  ForgetPickedByes();
}
int32_t clsMockRoster::Position(int32_t pick) const { return PickAt(pick).PosID; }
void clsMockRoster::SetPosition(int32_t pick, int32_t posID) {
  PickAt(pick).PosID = posID;
  ForgetPickedByes();
}

void clsMockRoster::EnsurePickCapacity(int32_t upper) {
  if (upper >= static_cast<int32_t>(picks_.size())) picks_.resize(static_cast<std::size_t>(upper) + 1);
}

void clsMockRoster::SetPlayerCount(int32_t n) {
  if (n < 0) throw std::out_of_range("roster pick count below 0");
  pickUpper_ = n - 1;
  EnsurePickCapacity(pickUpper_);
  ForgetPickedByes();
}

int32_t clsMockRoster::RecordPick(int32_t slot, int32_t masterID) {
  Slot& s = SlotAt(slot);
  ++s.drafted;
  ++pickUpper_;
  EnsurePickCapacity(pickUpper_);
  picks_[static_cast<std::size_t>(pickUpper_)] = RosterPickEntry{masterID, s.size.PosID};
  if (pickedByesKnown_) {
    // Every slot of the position counts the new pick, by its own stack.
    for (int32_t k = 1; k <= std::min(ActivePositions(), StackMax()); ++k) {
      const std::size_t at = static_cast<std::size_t>(k);
      if (slots_[at].size.PosID != s.size.PosID) continue;
      ++pickedByeCounts_[at][stacks_[at].GetByeWeekwMasID(masterID)];
    }
  }
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
    ForgetPickedByes();
    return true;
  }
  return false;
}

void clsMockRoster::ClearRoster() {
  for (Slot& s : slots_) s.drafted = 0;
  std::fill(picks_.begin(), picks_.end(), RosterPickEntry{});
  pickUpper_ = -1;
  ForgetPickedByes();
}

// ---------------------------------------------------------------- building

void clsMockRoster::AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax,
                                          int32_t rosterMin, int32_t starterMax, int32_t starterMin) {
  Slot s;
  s.size = RosterSizeRecord{posID, mergeAsID, rosterMin, rosterMax, starterMin, starterMax};
  for (Slot& earlier : slots_)
    if (earlier.size.PosID == posID) earlier.latest = false;
  OwnLeague();
  slots_.push_back(s);
  filters_.clear();
  ForgetPickedByes();
  for (Slot& each : slots_) {
    each.drafted = 0;
    each.leagueDraftMax = 0;
  }
  leagueCounts_->assign(slots_.size(), 0);
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
  OwnLeague();
  stacks_.assign(slots_.size(), clsMockDraftPositionStack());
  ForgetPickedByes();
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

void clsMockRoster::CopyPositionStacks(const clsMockRoster& model) {
  if (model.slots_.size() != slots_.size())
    throw std::logic_error("stacks copied between rosters of different positions");
  for (const clsMockDraftPositionStack& stack : model.stacks_) stack.IndexPlayers();
  OwnLeague();
  stacks_ = model.stacks_;
  ForgetPickedByes();
}

void clsMockRoster::AddMissingMasterID(int32_t masterID, double points, bool drafted, int32_t slot) {
  OwnLeague();
  StackAt(slot).AddPlayer(masterID, points, 0, drafted);
  ForgetPickedByes();
}

void clsMockRoster::AddStackPlayer(int32_t masterID, double points, bool drafted, int32_t slot, uint8_t byeWeek) {
  OwnLeague();
  StackAt(slot).AddPlayer(masterID, points, byeWeek, drafted);
  ForgetPickedByes();
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
  rules_.clear();
  filters_.clear();
  const bool loaded = strategy_.LoadDraftStrategy();
  // The rules and their position filters are read here, once, rather than
  // at a team's first pick.
  for (int32_t r = 0; r < StrategyRuleCount(); ++r) FilterOf(r);
  return loaded;
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
    c.latest = s.latest;
    c.drafted = s.drafted;
    copy.slots_.push_back(c);
  }
  copy.leagueCounts_->assign(copy.slots_.size(), 0);
  copy.baselineMode_ = baselineMode_;
  copy.stacks_ = stacks_;
  if (copy.stacks_.empty()) copy.SizePositionStacks();
  copy.strategy_ = strategy_;
  copy.rules_ = rules_;
  copy.filters_ = filters_;
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
  OwnLeague();
  MarkInSlot(pFnGetPositionStackArwPosID(posID), masterID, drafted, indexHint);
}

void clsMockRoster::MarkInSlot(int32_t slot, int32_t masterID, bool drafted, int32_t indexHint) {
  if (slot < 1 || slot > StackMax()) return;
  stacks_[static_cast<std::size_t>(slot)].MarkDrafted(masterID, drafted, indexHint);
}

void clsMockRoster::MarkLeaguePick(int32_t masterID, int32_t posID, bool drafted, int32_t countChange,
                                   int32_t indexHint) {
  OwnLeague();
  MarkShared(masterID, posID, drafted, countChange, indexHint, -1);
}

void clsMockRoster::MarkShared(int32_t masterID, int32_t posID, bool drafted, int32_t countChange,
                               int32_t indexHint, int32_t slotHint) {
  const bool hinted = slotHint >= 0 && slotHint <= ActivePositions() &&
                      slots_[static_cast<std::size_t>(slotHint)].size.PosID == posID &&
                      slots_[static_cast<std::size_t>(slotHint)].latest;
  const int32_t slot = hinted ? slotHint : pFnGetPositionStackArwPosID(posID);
  MarkInSlot(slot, masterID, drafted, indexHint);
  if (slot >= 0) LeagueCount(slot) += countChange;
}

void clsMockRoster::OwnLeague() {
  leagueCounts_.Own();
  for (clsMockDraftPositionStack& stack : stacks_) stack.OwnMarks();
}

bool clsMockRoster::LinkableTo(const clsMockRoster& model) const {
  if (slots_.size() != model.slots_.size() || stacks_.size() != model.stacks_.size()) return false;
  for (std::size_t s = 0; s < slots_.size(); ++s)
    if (slots_[s].size.PosID != model.slots_[s].size.PosID) return false;
  for (std::size_t s = 0; s < stacks_.size(); ++s)
    if (!stacks_[s].MarksMatch(model.stacks_[s])) return false;
  for (std::size_t s = 0; s < slots_.size(); ++s)
    if (LeagueCount(static_cast<int32_t>(s)) != model.LeagueCount(static_cast<int32_t>(s))) return false;
  return true;
}

void clsMockRoster::LinkLeague(std::span<clsMockRoster> rosters) {
  if (rosters.size() < 3) return;
  clsMockRoster& model = rosters[1];
  for (std::size_t t = 2; t < rosters.size(); ++t) {
    clsMockRoster& roster = rosters[t];
    if (roster.leagueCounts_.LinkedTo(model.leagueCounts_) || !roster.LinkableTo(model)) continue;
    roster.leagueCounts_.Link(model.leagueCounts_);
    for (std::size_t s = 0; s < roster.stacks_.size(); ++s) roster.stacks_[s].ShareMarks(model.stacks_[s]);
  }
}

void clsMockRoster::MarkLeaguePickInAll(std::span<clsMockRoster> rosters, int32_t masterID, int32_t posID,
                                        bool drafted, int32_t countChange, int32_t indexHint) {
  if (rosters.size() < 2) return;
  // Rosters built alike serve a position from the same slot: found once.
  const int32_t slot = rosters[1].pFnGetPositionStackArwPosID(posID);
  // The first roster of each group sharing its marks marks the group. The
  // groups met so far are few (a draft's teams are one): each roster is
  // compared with their first rosters, not with every roster before it.
  constexpr std::size_t kKnownGroups = 8;
  std::array<const clsMockRoster*, kKnownGroups> groups{};
  std::size_t known = 0;
  for (std::size_t t = 1; t < rosters.size(); ++t) {
    clsMockRoster& roster = rosters[t];
    bool shared = false;
    if (known < kKnownGroups) {
      for (std::size_t g = 0; g < known && !shared; ++g) shared = roster.leagueCounts_.LinkedTo(groups[g]->leagueCounts_);
    } else {
      for (std::size_t u = 1; u < t && !shared; ++u) shared = roster.leagueCounts_.LinkedTo(rosters[u].leagueCounts_);
    }
    if (shared) continue;
    roster.MarkShared(masterID, posID, drafted, countChange, indexHint, slot);
    if (known < kKnownGroups) groups[known++] = &roster;
  }
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

// ---------------------------------------------------------------- choosing a player

namespace {

// The week whose team the recommended line names: the season row.
constexpr uint8_t kSeasonWeek = 250;
// Start values of the comparisons: every real value beats them.
constexpr double kNoValue = -999999999.0;
constexpr double kNoADPValue = 1000000.0;
// An ADP at or above this (a player without one) never wins.
constexpr double kADPLimit = 9999.0;

}  // namespace

struct clsMockRoster::LoggedCandidate {
  int32_t masterID = 0;
  int32_t posID = 0;
  double cal = 0;
  double pp = 0;
  double cv = 0;
  double lrtr = 0;
  double x = 0;
  double inj = 0;
};

// The trace list and the names it prints; `list` is never null.
struct clsMockRoster::PickTrace {
  seams::TraceListView* list;
  PickLogNames* names;

  void Add(const std::string& line) const { list->AddItem(line); }
  std::string PosAbrv(int32_t posID) const {
    return names ? names->pFnGetPosAbrv(posID, false) : std::string();
  }
  std::string Name(int32_t masterID) const {
    return names ? names->pFnGetPlayerNamewMasID(masterID) : std::string();
  }
  std::string ShortName(int32_t masterID) const {
    return names ? names->pFnGetPlayerNamewMasIDDisID(masterID, kPickLogNameFormat) : std::string();
  }
  std::string Team(int32_t masterID) const {
    if (!names) return std::string();
    const int32_t playerID = names->pFnGetPlaIDwMasID(masterID);
    return names->pFnGetTeamAbrvwPlaID(playerID, kSeasonWeek, names->pFnGetYear());
  }
  // The line of one candidate's bye-week check.
  void AddByeCheck(const clsMockDraftPositionStack& stack, int32_t i, bool conflict) const {
    Add(basSTGFileControl::ByeTraceLine(PosAbrv(stack.Position()), Name(stack.MasterID(i)),
                                        std::to_string(stack.ByeWeek(i))) +
        (conflict ? " [CONFLICT]" : " [OK]"));
  }  // The candidates compared and the one recommended (code above 0, at
  // posID), as the pick log shows them.
  void AddComparison(const std::vector<LoggedCandidate>& logged, int32_t code, int32_t posID) const {
    // The lines are gathered as one text and added piece by piece, so the
    // last line's CR LF leaves an empty line behind it.
    std::string lines;
    for (const LoggedCandidate& c : logged)
      lines += basSTGFileControl::PickLogLine(
          {ShortName(c.masterID), c.cal, PosAbrv(c.posID), c.pp, c.cv, c.lrtr, c.x, c.inj});
    Add("");
    Add("POINT COMPARISON");
    Add(basSTGFileControl::PickLogHeader());
    if (!lines.empty()) {
      std::size_t from = 0;
      for (;;) {
        const std::size_t end = lines.find(runtime::kCrLf, from);
        if (end == std::string::npos) {
          Add(lines.substr(from));
          break;
        }
        Add(lines.substr(from, end - from));
        from = end + runtime::kCrLf.size();
      }
    }
    Add(basSTGFileControl::PickLogLegend());
    Add("");
    Add("RECOMMENDED PLAYER");
    if (code > 0) Add(" " + PosAbrv(posID) + " " + Name(code) + " [" + Team(code) + "]");
    Add("");
  }
};

namespace {

std::string EnabledText(bool enabled) { return enabled ? " [Enabled]" : " [Disabled]"; }

}  // namespace

int32_t clsMockRoster::StrategyRuleCount() const { return std::max(strategy_.Count(), 1); }

const clsMockRoster::StrategyRule& clsMockRoster::RuleAt(int32_t rule) const {
  // The search reads its rules for every pick: read from the strategy once.
  if (rules_.empty()) {
    const int32_t count = StrategyRuleCount();
    rules_.reserve(static_cast<std::size_t>(count));
    for (int32_t r = 0; r < count; ++r) rules_.push_back(ReadRule(r));
  }
  if (rule < 0 || rule >= static_cast<int32_t>(rules_.size())) {
    static StrategyRule none;
    none = ReadRule(rule);  // the strategy's own error for a rule it lacks
    return none;
  }
  return rules_[static_cast<std::size_t>(rule)];
}

clsMockRoster::StrategyRule clsMockRoster::ReadRule(int32_t rule) const {
  StrategyRule r;
  // A strategy that lost its rules (or never had any) still lets the team
  // pick: its one rule is all zero, which ends in the default pool.
  if (strategy_.Count() == 0 && rule == 0) return r;
  r.begPick = strategy_.BegPick(rule);
  r.endPick = strategy_.EndPick(rule);
  r.method = strategy_.Method(rule);
  r.compare = strategy_.Compare(rule);
  for (int32_t k = 0; k < 3; ++k) r.usingFactor[static_cast<std::size_t>(k)] = strategy_.UsingFactor(rule, k);
  r.inclusion = strategy_.Inclusion(rule);
  r.noByeConflict = strategy_.NoByeConflict(rule);
  r.ids = strategy_.PosInclusionIDs(rule);
  return r;
}

int32_t clsMockRoster::StrategyArToUse(int32_t pick) const {
  const int32_t last = StrategyRuleCount() - 1;
  for (int32_t r = 0; r <= last; ++r) {
    const StrategyRule& rule = RuleAt(r);
    if (rule.begPick <= pick && pick <= rule.endPick) return r;
  }
  return last;
}

int32_t clsMockRoster::RecommendedNextPlayer(double& points, double& value, int32_t& posID, int32_t& slot,
                                             int32_t teamPick, int32_t& rule, seams::TraceListView* trace,
                                             PickLogNames* names) {
  if (rule < 0) throw std::out_of_range("pick search from rule " + std::to_string(rule));
  const int32_t last = StrategyRuleCount() - 1;
  // A retry beyond the last rule (after a look-ahead there found nobody)
  // searches the last rule once more, never as a look-ahead again.
  const bool beyondLast = rule > last;
  const int32_t start = beyondLast ? last : rule;
  const bool checkBalance = basMockDraftSettings::GlobalSettings().BoolVal(kSetCheckByeConflicts);
  PickTrace log{trace, names};
  PickTrace* out = trace ? &log : nullptr;

  int32_t code = kNoPick;
  for (int32_t r = start; r <= last; ++r) {
    const StrategyRule& current = RuleAt(r);
    const bool lastRule = r == last;
    if (!lastRule && !(current.begPick <= teamPick && teamPick <= current.endPick)) continue;

    if (out) {
      out->Add("STRATEGY RULE " + std::to_string(r + 1));
      out->Add("  Team Pick: " + basSTGFileControl::PickNumberText(current.begPick) + " - " +
               basSTGFileControl::PickNumberText(current.endPick));
      out->Add("  Method: " + basSTGFileControl::MethodText(current.method));
      out->Add("  Compare: " + basSTGFileControl::CompareText(current.compare));
      out->Add("  Factors: " +
               (strategy_.Count() == 0 ? std::string() : basSTGFileControl::FactorFlagsText(strategy_, r)));
      out->Add(
          "  " + basSTGFileControl::InclusionText(current.inclusion) + ": " +
          basSTGFileControl::PositionSetText(current.ids, [&log](int32_t id) { return log.PosAbrv(id); }));
      out->Add("  ");
    }

    const int32_t method = beyondLast ? kOpenRoster : current.method;
    if (method == kEquilibrium || method == kRosterPotGL || method == kStarterPotGL) {
      rule = r;
      return method == kEquilibrium   ? kPickEquilibrium
             : method == kRosterPotGL ? kPickRosterPotGL
                                      : kPickStarterPotGL;
    }

    if (!BuildSelectionPool(current, r, lastRule, pool_, filter_, out)) continue;
    if (out) {
      std::string line = " ";
      for (int32_t s = 1; s <= ActivePositions(); ++s)
        if (pool_[static_cast<std::size_t>(s)]) line += out->PosAbrv(SlotAt(s).size.PosID) + "  ";
      out->Add("POSITION SELECTION POOL");
      out->Add(line);
      out->Add("");
    }

    int32_t winner = 0;
    code = ComparePoolPlayers(current, lastRule, pool_, checkBalance, out, points, value, winner);
    rule = r;
    slot = winner;
    if (code > 0) {
      posID = SlotAt(winner).size.PosID;
      break;
    }
  }
  return code;
}

int32_t clsMockRoster::DraftNextPlayer(double& points, double& value, int32_t& posID, int32_t teamPick,
                                       int32_t& rule) {
  int32_t slot = 0;
  const int32_t code = RecommendedNextPlayer(points, value, posID, slot, teamPick, rule);
  // Only a player is recorded: no player leaves the roster as it was, so a
  // search that finds nobody does not use up a place of the roster.
  if (code > 0) RecordPick(slot, code);
  return code;
}

clsMockRoster::SlotFlags clsMockRoster::BuildPositionFilter(const StrategyRule& rule) const {
  // True marks a slot the rule does not allow: Include starts with every slot
  // barred and frees the listed ones, Exclude the other way round.
  const bool include = rule.inclusion == 0;
  SlotFlags filter(static_cast<std::size_t>(ActivePositions() + 1), include ? 1 : 0);
  if (rule.ids[0] == clsDraftStrategy::kAnyPositionID) {
    for (uint8_t& flag : filter) flag = include ? 0 : 1;
    return filter;
  }
  // A listed position decides its slot; one listed twice stays decided.
  // Ids with no roster slot (positions without a roster place, ids carrying
  // the starter or bench mark) leave the filter as it is.
  for (int32_t id : rule.ids) {
    const int32_t s = pFnGetPositionStackArwPosID(id);
    if (s > -1) filter[static_cast<std::size_t>(s)] = include ? 0 : 1;
  }
  return filter;
}

const clsMockRoster::SlotFlags& clsMockRoster::FilterOf(int32_t rule) const {
  const StrategyRule& current = RuleAt(rule);
  if (rule < 0 || rule >= static_cast<int32_t>(rules_.size())) {
    static SlotFlags none;
    none = BuildPositionFilter(current);
    return none;
  }
  if (filters_.size() != rules_.size()) filters_.assign(rules_.size(), SlotFlags());
  SlotFlags& filter = filters_[static_cast<std::size_t>(rule)];
  if (filter.empty()) filter = BuildPositionFilter(current);
  return filter;
}

void clsMockRoster::ClearPositionFlags(SlotFlags& flags) const {
  flags.assign(static_cast<std::size_t>(ActivePositions() + 1), 0);
}

bool clsMockRoster::BuildSelectionPool(const StrategyRule& rule, int32_t ruleIndex, bool lastRule,
                                       SlotFlags& pool, SlotFlags& filter, PickTrace* trace) {
  filter = FilterOf(ruleIndex);
  SetBaselineMode(rule.compare);
  bool made = false;
  switch (rule.method) {
    case kStartersOnly:
      made = StartersOnlyPool(pool, filter);
      break;
    case kStarterMinPlus1:
      made = StarterMinPool(pool, filter, 1);
      break;
    case kStarterMinPlus2:
      made = StarterMinPool(pool, filter, 2);
      break;
    default:
      made = OpenRosterPool(pool, filter, 0);
      break;
  }
  if (!made && lastRule) {
    if (trace) {
      trace->Add("DRAFT STRATEGY TO DEFAULT");
      trace->Add(" Position selection pool could not be made.");
      trace->Add(" Defaulting to any open roster.");
      trace->Add("");
    }
    ClearPositionFlags(filter);
    made = OpenRosterPool(pool, filter, 0);
  }
  return made;
}

bool clsMockRoster::OpenRosterPool(SlotFlags& pool, const SlotFlags& filter, int32_t extra) const {
  if (MinimumsPool(pool, filter)) return true;
  ClearPositionFlags(pool);
  bool any = false;
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    if (filter[static_cast<std::size_t>(s)]) continue;
    if (static_cast<int64_t>(slot.drafted) < static_cast<int64_t>(slot.size.RosterMax) + extra) {
      pool[static_cast<std::size_t>(s)] = 1;
      any = true;
    }
  }
  return any;
}

bool clsMockRoster::StartersOnlyPool(SlotFlags& pool, const SlotFlags& filter) const {
  ClearPositionFlags(pool);
  bool any = false;
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    if (!filter[static_cast<std::size_t>(s)] && slot.drafted < slot.size.StarterMax) {
      pool[static_cast<std::size_t>(s)] = 1;
      any = true;
    }
  }
  return any && !RestrictPoolToMinimums(pool, filter);
}

bool clsMockRoster::StarterMinPool(SlotFlags& pool, const SlotFlags& filter, int32_t extra) const {
  ClearPositionFlags(pool);
  bool any = false;
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    if (!filter[static_cast<std::size_t>(s)] && slot.drafted < slot.size.RosterMax &&
        static_cast<int64_t>(slot.drafted) < static_cast<int64_t>(slot.size.StarterMin) + extra) {
      pool[static_cast<std::size_t>(s)] = 1;
      any = true;
    }
  }
  return any && !RestrictPoolToMinimums(pool, filter);
}

bool clsMockRoster::IsFixedRoster() const {
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    const RosterSizeRecord& size = slots_[static_cast<std::size_t>(s)].size;
    if (size.RosterMin != size.RosterMax) return false;
  }
  return true;
}

bool clsMockRoster::MinimumsSqueeze(SlotFlags& belowMinimum) const {
  ClearPositionFlags(belowMinimum);
  int64_t need = 0;
  int64_t total = 0;
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    total += slot.drafted;
    if (slot.drafted < slot.size.RosterMin) {
      need += static_cast<int64_t>(slot.size.RosterMin) - slot.drafted;
      belowMinimum[static_cast<std::size_t>(s)] = 1;
    }
  }
  return need >= static_cast<int64_t>(slots_[0].size.RosterMax) - total;
}

bool clsMockRoster::MinimumsPool(SlotFlags& pool, const SlotFlags& filter) const {
  ClearPositionFlags(pool);
  if (IsFixedRoster()) return false;
  if (!MinimumsSqueeze(pool)) {
    ClearPositionFlags(pool);
    return false;
  }
  // Every place left goes to a minimum: the rule's positions among them if
  // it allows any, else all of them.
  bool anyAllowed = false;
  for (int32_t s = 1; s <= ActivePositions(); ++s)
    if (pool[static_cast<std::size_t>(s)] && !filter[static_cast<std::size_t>(s)]) anyAllowed = true;
  if (anyAllowed)
    for (int32_t s = 1; s <= ActivePositions(); ++s)
      if (filter[static_cast<std::size_t>(s)]) pool[static_cast<std::size_t>(s)] = 0;
  return true;
}

bool clsMockRoster::RestrictPoolToMinimums(SlotFlags& pool, const SlotFlags& filter) const {
  if (IsFixedRoster()) return false;
  SlotFlags& belowMinimum = belowMinimum_;
  if (!MinimumsSqueeze(belowMinimum)) return false;
  bool anyLeft = false;
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    const std::size_t i = static_cast<std::size_t>(s);
    if (pool[i] && !filter[i] && !belowMinimum[i]) pool[i] = 0;
    if (pool[i] && !filter[i] && belowMinimum[i]) anyLeft = true;
  }
  if (anyLeft) return false;
  ClearPositionFlags(pool);
  return true;
}

const clsMockRoster::ByeCounts& clsMockRoster::PickedByeCounts(int32_t slot) const {
  SlotAt(slot);
  Stack(slot);
  if (!pickedByesKnown_) {
    pickedByeCounts_.assign(slots_.size(), ByeCounts{});
    for (int32_t k = 0; k <= pickUpper_; ++k) {
      const RosterPickEntry& pick = picks_[static_cast<std::size_t>(k)];
      for (int32_t s = 1; s <= std::min(ActivePositions(), StackMax()); ++s) {
        const std::size_t at = static_cast<std::size_t>(s);
        if (slots_[at].size.PosID != pick.PosID) continue;
        ++pickedByeCounts_[at][stacks_[at].GetByeWeekwMasID(pick.MasterID)];
      }
    }
    pickedByesKnown_ = true;
  }
  return pickedByeCounts_[static_cast<std::size_t>(slot)];
}

bool clsMockRoster::HasByeConflict(int32_t slot, uint32_t sameBye, uint8_t byeWeek, bool ruleFlag,
                                   bool checkBalance) const {
  if (byeWeek == 0 || (!ruleFlag && !checkBalance)) return false;
  const RosterSizeRecord& size = SlotAt(slot).size;
  if (checkBalance) {
    // The bench of the position may hold players sharing a bye week, but
    // one place stays free for a player who can cover that week.
    const int64_t allowed = std::max<int64_t>(0, static_cast<int64_t>(size.RosterMax) - size.StarterMax - 1);
    if (static_cast<int64_t>(sameBye) > allowed) return true;
  }
  return ruleFlag && sameBye > 0;
}

int32_t clsMockRoster::PoolCandidate(int32_t slot, bool ruleFlag, bool checkBalance, PickTrace* trace) const {
  const clsMockDraftPositionStack& stack = Stack(slot);
  // The team's picks do not change while its candidates are checked.
  static const ByeCounts kNoByes{};
  const ByeCounts& pickedByes = ruleFlag || checkBalance ? PickedByeCounts(slot) : kNoByes;
  int32_t first = -1;
  for (int32_t i = stack.FirstUndrafted(); i < stack.Count(); ++i) {
    if (stack.Drafted(i)) continue;
    if (first < 0) first = i;
    const uint8_t bye = stack.ByeWeek(i);
    const bool conflict = HasByeConflict(slot, pickedByes[bye], bye, ruleFlag, checkBalance);
    if (trace && checkBalance) trace->AddByeCheck(stack, i, conflict);
    if (!conflict) return i;
  }
  return first;
}

double clsMockRoster::DraftFactorAdjustment(double factor, double value) {
  const double adjustment = std::fabs((1.0 - factor) * value);
  return factor < 1.0 ? -adjustment : adjustment;
}

double clsMockRoster::LeagueTeamRatio(int32_t slot) const {
  const Slot& s = SlotAt(slot);
  const double rosterMax = s.size.RosterMax;
  const double leagueQuota = rosterMax * static_cast<double>(teams_);
  // A position without places (or a league without teams) has no ratio.
  const double league = leagueQuota == 0.0 ? 0.0 : LeagueCount(slot) / leagueQuota;
  const double team = rosterMax == 0.0 ? 0.0 : s.drafted / rosterMax;
  return 1.0 + league - team;
}

double clsMockRoster::ApplyFactors(const StrategyRule& rule, int32_t slot, double value, double& x,
                                   double& inj, double& lrtr) const {
  const int32_t posID = SlotAt(slot).size.PosID;
  double adjustments = 0.0;
  if (rule.usingFactor[clsDraftFactor::kX]) {
    x = strategy_.Factor(clsDraftFactor::kX, posID);
    adjustments += DraftFactorAdjustment(x, value);
  }
  if (rule.usingFactor[clsDraftFactor::kInjury]) {
    inj = strategy_.Factor(clsDraftFactor::kInjury, posID);
    adjustments += DraftFactorAdjustment(inj, value);
  }
  if (rule.usingFactor[clsDraftFactor::kLRTR]) {
    lrtr = LeagueTeamRatio(slot);
    adjustments += DraftFactorAdjustment(lrtr, value);
  }
  return value + adjustments;
}

double clsMockRoster::ApplyDraftFactors(int32_t rule, int32_t posID, double value, double& x, double& inj,
                                        double& lrtr) const {
  const int32_t slot = pFnGetPositionStackArwPosID(posID);
  if (slot < 1) return value;
  return ApplyFactors(RuleAt(rule), slot, value, x, inj, lrtr);
}

int32_t clsMockRoster::ComparePoolPlayers(const StrategyRule& rule, bool lastRule, const SlotFlags& pool,
                                          bool checkBalance, PickTrace* trace, double& points, double& value,
                                          int32_t& winner) {
  if (trace) {
    trace->Add("BALANCED ROSTER BYE WEEK CONFLICTS" + EnabledText(checkBalance));
    trace->Add("STRATEGY RULE BYE WEEK CONFLICTS" + EnabledText(rule.noByeConflict));
  }
  if (rule.compare == kADP) {
    const int32_t code = ComparePoolADP(rule, pool, checkBalance, trace, points, value, winner);
    if (code != kNoPick || !lastRule) return code;
    // Nobody with an ADP: the last rule still finds a player by value.
    SetBaselineMode(kRosterValue);
  }

  std::vector<LoggedCandidate> logged;
  double best = kNoValue;
  int32_t code = kNoPick;
  winner = 0;
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    if (!pool[static_cast<std::size_t>(s)]) continue;
    const int32_t i = PoolCandidate(s, rule.noByeConflict, checkBalance, trace);
    if (i < 0) continue;
    const clsMockDraftPositionStack& stack = Stack(s);
    LoggedCandidate c;
    c.masterID = stack.MasterID(i);
    c.posID = SlotAt(s).size.PosID;
    c.pp = stack.Points(i);
    c.cv = stack.BaseLine(i);
    c.cal = ApplyFactors(rule, s, c.cv, c.x, c.inj, c.lrtr);
    // Strictly greater: on a tie the lower slot keeps the pick.
    if (c.cal > best) {
      best = c.cal;
      winner = s;
      code = c.masterID;
      points = c.pp;
    }
    if (trace) logged.push_back(c);
  }
  value = best;

  if (trace) trace->AddComparison(logged, code, code > 0 ? SlotAt(winner).size.PosID : 0);
  return code;
}

int32_t clsMockRoster::ComparePoolADP(const StrategyRule& rule, const SlotFlags& pool, bool checkBalance,
                                      PickTrace* trace, double& points, double& value, int32_t& winner) {
  const bool checkByes = checkBalance || rule.noByeConflict;
  std::vector<LoggedCandidate> logged;
  double best = kNoADPValue;
  int32_t code = kNoPick;
  winner = 0;
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    if (!pool[static_cast<std::size_t>(s)]) continue;
    const clsMockDraftPositionStack& stack = Stack(s);
    static const ByeCounts kNoByes{};
    const ByeCounts& pickedByes = checkByes ? PickedByeCounts(s) : kNoByes;
    // Walk up the ADP ranking; players sharing the ADP of one in conflict
    // are passed over with him.
    int32_t first = -1;
    int32_t chosen = -1;
    double floor = 0.0;
    for (;;) {
      const int32_t i = stack.GetBestADPAvailable(floor);
      if (i < 0) break;
      if (first < 0) first = i;
      if (!checkByes) {
        chosen = i;
        break;
      }
      const uint8_t bye = stack.ByeWeek(i);
      const bool conflict = HasByeConflict(s, pickedByes[bye], bye, rule.noByeConflict, checkBalance);
      if (trace && checkBalance) trace->AddByeCheck(stack, i, conflict);
      if (!conflict) {
        chosen = i;
        break;
      }
      floor = stack.ADP(i);
    }
    if (chosen < 0) chosen = first;
    if (chosen < 0) continue;
    LoggedCandidate c;
    c.masterID = stack.MasterID(chosen);
    c.posID = SlotAt(s).size.PosID;
    c.pp = stack.Points(chosen);
    c.cv = stack.BaseLine(chosen);
    c.cal = stack.ADP(chosen);
    if (c.cal < best && c.cal < kADPLimit) {
      best = c.cal;
      winner = s;
      code = c.masterID;
      points = c.pp;
    }
    if (trace) logged.push_back(c);
  }
  value = best;

  if (trace) trace->AddComparison(logged, code, code > 0 ? SlotAt(winner).size.PosID : 0);
  return code;
}

bool clsMockRoster::IsStarterNeeded(int32_t posID) const {
  const Slot* s = SlotOfPosID(posID);
  return s && s->drafted < s->size.StarterMax;
}

void clsMockRoster::SetPickWithAllPossiblePositions(clsPossiblePicks& list, int32_t draftIndex,
                                                    bool useFilter, int32_t rule, int32_t extra) {
  const StrategyRule& current = RuleAt(rule);
  SlotFlags pool;
  SlotFlags filter;
  ClearPositionFlags(pool);
  ClearPositionFlags(filter);
  if (useFilter) filter = FilterOf(rule);
  bool made = false;
  if (current.method == kStarterPotGL) made = StartersOnlyPool(pool, filter);
  if (!made) made = OpenRosterPool(pool, filter, extra);
  list.Clear();
  if (!made) return;

  const bool checkBalance = basMockDraftSettings::GlobalSettings().BoolVal(kSetCheckByeConflicts);
  for (int32_t s = 1; s <= ActivePositions(); ++s) {
    if (!pool[static_cast<std::size_t>(s)]) continue;
    const int32_t i = PoolCandidate(s, false, checkBalance, nullptr);
    if (i < 0) continue;
    const clsMockDraftPositionStack& stack = Stack(s);
    const int32_t posID = SlotAt(s).size.PosID;
    list.AddPlayer();
    list.SetMasID(stack.MasterID(i));
    list.SetPosID(posID);
    list.SetDraftNdx(draftIndex);
    list.SetPP(stack.Points(i));
    list.SetRBL(stack.RosterBaseLine(i));
    list.SetSBL(stack.StarterBaseLine(i));
    // A re-used entry keeps the values of an earlier candidate; every value
    // a search may read is set here.
    list.SetADP(stack.ADP(i));
    list.SetFactorLRTR(0.0);
    list.SetFactorX(0.0);
    list.SetFactorINJ(0.0);
    list.SetPickPlus(0.0);
    list.SetPosDrafted(false);
    list.SetStarter(IsStarterNeeded(posID));
    list.HoldInitialCV();
  }
}

bool clsMockRoster::iFnIsPosFull(int32_t slot) const {
  SlotFlags pool;
  SlotFlags filter;
  ClearPositionFlags(filter);
  const bool made = OpenRosterPool(pool, filter, 0);
  if (slot < 0 || slot > ActivePositions())
    throw std::out_of_range("roster has no slot " + std::to_string(slot));
  return !made || !pool[static_cast<std::size_t>(slot)];
}
