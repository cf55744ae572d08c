#pragma once
// One team of a draft (or the league template of a cheat sheet): the roster
// size of each position, one ranked position stack per position, the roster
// and starter baselines, the team's draft strategy and the players it drafted.
//
// Slots are numbered in the order positions are added. Slot 0 is the
// whole-roster record (position 1, whose RosterMax is the total roster size)
// and has no stack; slots 1..ActivePositions() are the real positions. A
// PosID belongs to the latest slot added for it.
//
// Lookups by PosID that the roster does not hold (also ids carrying a
// strategy's starter or bench marks) read 0 / False and write nothing. A slot
// or pick index outside the roster is a caller error: std::out_of_range.
//
// Look-ahead searches copy rosters with Spawn and then simulate and undo
// picks on the copies, so drafting, releasing and marking are kept cheap.
//
// Choosing a player: the team's strategy rules are tried in order from the
// rule index the caller hands in; the first rule whose pick window covers the
// team's pick (the last rule always) turns into a pool of roster slots the
// pick may come from, each slot offers its best available player, and the
// best value wins. The answer is a pick code: a MasterID above 0, 0 for no
// player, or one of the look-ahead codes below, which hand the pick back to
// the draft engine. A strategy without rules behaves as one all-zero rule.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/Seams.h"
#include "draft_inputs/LGPRecords.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "engine/Linked.h"
#include "engine/clsMockDraftPositionStack.h"

class clsPossiblePicks;
class PickLogNames;

class clsMockRoster {
 public:
  // A position's limits, the league file's record.
  using RosterSizeRecord = LGPRosterSizeRecord;

  // Stack depth beyond what the league rosters, until PlayerBuffer is set.
  static constexpr int32_t kDefaultPlayerBuffer = 10;

  clsMockRoster();

  // Makes target an independent copy of this roster: sizes, stacks (players
  // with their drafted marks, bye weeks and ADP; pointers and factors), the
  // strategy, the team's picks and per-slot counts, Teams, OwnerCount and the
  // DraftStrategy tag. Not carried, for the caller to set: RBL and SBL, the
  // league-wide arrays, PlayerBuffer and PlayersDrafted.
  void Spawn(clsMockRoster& target) const;

  // Pick codes besides a MasterID: no player, and the three look-aheads.
  static constexpr int32_t kNoPick = 0;
  static constexpr int32_t kPickEquilibrium = -1;
  static constexpr int32_t kPickRosterPotGL = -2;
  static constexpr int32_t kPickStarterPotGL = -3;

  // Pick methods and compare values of a strategy rule.
  enum PickMethod : int32_t {
    kOpenRoster = 0,
    kStartersOnly = 1,
    kMatchPosRatio = 2,
    kEquilibrium = 3,
    kRosterPotGL = 4,
    kStarterMinPlus1 = 5,
    kStarterMinPlus2 = 6,
    kStarterPotGL = 7,
  };
  enum CompareValue : int32_t { kFullPoints = 0, kRosterValue = 1, kStarterValue = 2, kADP = 3 };

  // The strategy rule's pick method and compare value.
  int32_t StrategyMethod(int32_t rule) const { return RuleAt(rule).method; }
  int32_t StrategyCompare(int32_t rule) const { return RuleAt(rule).compare; }
  // Rules the pick search can use: the strategy's, at least one.
  int32_t StrategyRuleCount() const;

  // The whole pick search for the team's pick number `teamPick` (1 for its
  // first), starting at rule index `rule`. Returns the pick code; `rule`
  // comes back as the rule that decided. A player sets points, value (the
  // factor-adjusted compare value, or his ADP), posID and slot; code 0 sets
  // value and slot only; a look-ahead code sets nothing but the rule. With a
  // trace list every step is written into it; `names` then supplies the
  // names (without it the names print empty).
  int32_t RecommendedNextPlayer(double& points, double& value, int32_t& posID, int32_t& slot,
                                int32_t teamPick, int32_t& rule, seams::TraceListView* trace = nullptr,
                                PickLogNames* names = nullptr);
  // The search without trace; a player (code > 0) is then recorded as the
  // team's pick. No player and the look-ahead codes record nothing.
  int32_t DraftNextPlayer(double& points, double& value, int32_t& posID, int32_t teamPick, int32_t& rule);
  // The first rule from rule 0 whose window covers the pick, else the last.
  int32_t StrategyArToUse(int32_t pick) const;
  // Empties the list, then adds one candidate per slot of the open-roster
  // pool (for rule method 7 the starters-only pool when there is one) with
  // `extra` places beyond each RosterMax; the rule's positions limit the pool
  // only when useFilter. Entries stand for draft index `draftIndex`.
  void SetPickWithAllPossiblePositions(clsPossiblePicks& list, int32_t draftIndex, bool useFilter,
                                       int32_t rule, int32_t extra);
  // The value adjusted by the factors the rule uses for the position; the
  // factors used come back in x, inj and lrtr (the others are left alone).
  // A position without a slot keeps its value.
  double ApplyDraftFactors(int32_t rule, int32_t posID, double value, double& x, double& inj,
                           double& lrtr) const;
  // True when the open-roster pool, every position allowed, lacks the slot.
  bool iFnIsPosFull(int32_t slot) const;

  void SetPlayerBuffer(int32_t buffer) { playerBuffer_ = buffer; }
  int32_t Teams() const { return teams_; }
  void SetTeams(int32_t teams) { teams_ = teams; }
  int32_t DraftStrategy() const { return draftStrategyTag_; }
  void SetDraftStrategy(int32_t tag) { draftStrategyTag_ = tag; }
  int32_t PlayersDrafted() const { return playersDrafted_; }
  void SetPlayersDrafted(int32_t n) { playersDrafted_ = n; }

  // Picks of the team, 0..PlayerCount() - 1 in the order recorded. A new
  // roster holds one empty pick until ClearRoster. SetPlayerCount(n) grows
  // the pick list to hold n entries when needed (never shrinking it).
  int32_t PlayerCount() const { return pickUpper_ + 1; }
  void SetPlayerCount(int32_t n);
  int32_t MasterID(int32_t pick) const;
  void SetMasterID(int32_t pick, int32_t masterID);
  int32_t Position(int32_t pick) const;
  void SetPosition(int32_t pick, int32_t posID);

  // Highest stack slot, -1 before the stacks are sized.
  int32_t StackMax() const { return static_cast<int32_t>(stacks_.size()) - 1; }

  int32_t OwnerCount() const { return ownerCount_; }
  void SetOwnerCount(int32_t n) { ownerCount_ = n; }

  // Gives every stack the mode (0 points, 1 roster, 2 starter baseline; 3 or
  // other values make BaseLine 0) and keeps it.
  void SetBaselineMode(int32_t mode);
  int32_t BaselineMode() const { return baselineMode_; }

  // Per stack slot (1..StackMax()); i is the player's index in the stack.
  const clsMockDraftPositionStack& Stack(int32_t slot) const;
  void SetStackFactor(int32_t slot, double factor) { StackAt(slot).SetFactor(factor); }
  int32_t StackPosition(int32_t slot) const { return Stack(slot).Position(); }
  void SetStackPosition(int32_t slot, int32_t posID) { StackAt(slot).SetPosition(posID); }
  int32_t StackPlayerMasterID(int32_t slot, int32_t i) const { return Stack(slot).MasterID(i); }
  double StackPlayerPoints(int32_t slot, int32_t i) const { return Stack(slot).Points(i); }
  void SetStackRosterBaselinePointer(int32_t slot, int32_t p) { StackAt(slot).SetRosterBaselinePointer(p); }
  void SetStackStarterBaselinePointer(int32_t slot, int32_t p) { StackAt(slot).SetStarterBaselinePointer(p); }
  double StackPlayerRosterBaseline(int32_t slot, int32_t i) const { return Stack(slot).RosterBaseLine(i); }
  double StackPlayerStarterBaseline(int32_t slot, int32_t i) const { return Stack(slot).StarterBaseLine(i); }
  double StackPlayerBaseline(int32_t slot, int32_t i) const { return Stack(slot).BaseLine(i); }
  int32_t StackPlayerCount(int32_t slot) const { return Stack(slot).Count(); }
  int32_t StackPlayerPosition(int32_t slot) const { return Stack(slot).Position(); }
  bool StackPlayerDrafted(int32_t slot, int32_t i) const { return Stack(slot).Drafted(i); }

  // League-wide values per position, kept for the mock-draft loop.
  int32_t LeaguePosDraftMax(int32_t posID) const;
  void SetLeaguePosDraftMax(int32_t posID, int32_t value);
  int32_t LeaguePosDraftCount(int32_t posID) const;
  void SetLeaguePosDraftCount(int32_t posID, int32_t value);

  // Sets the strategy's file and reads it; False leaves the strategy as it was.
  bool LoadDraftStrategy(const std::string& folder, const std::string& fileName);
  const clsDraftStrategy& Strategy() const { return strategy_; }

  int32_t RosterMax(int32_t posID) const;
  int32_t StarterMax(int32_t posID) const;
  double RBL(int32_t posID) const;
  void SetRBL(int32_t posID, double value);
  double SBL(int32_t posID) const;
  void SetSBL(int32_t posID, double value);

  // The slot of a position, -1 when the roster has none for it.
  int32_t pFnGetPositionStackArwPosID(int32_t posID) const;
  // Highest slot, -1 while the roster has no positions.
  int32_t ActivePositions() const { return static_cast<int32_t>(slots_.size()) - 1; }
  // The record of a slot (0..ActivePositions()).
  const RosterSizeRecord& RosterSize(int32_t slot) const;
  // How many of the team's picks count against the slot.
  int32_t DraftedAtSlot(int32_t slot) const;

  // Adds a slot. Arguments in this order; the record keeps its own field
  // order. Resets every slot's drafted and league-wide counts to 0.
  void AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax, int32_t rosterMin,
                             int32_t starterMax, int32_t starterMin);

  // The first stack (slot 1 up) serving the position gets the factor.
  bool SetPositionFactor(int32_t posID, double factor);

  // Fills stack `slot` with the best players of `posID`, at most `maximum`.
  using StackFiller = std::function<void(clsMockDraftPositionStack& stack, int32_t posID, int32_t maximum)>;
  // New stacks, each filled to RosterMax x OwnerCount + PlayerBuffer players.
  void FillPositionStacks(const StackFiller& fill);
  // The stacks of a roster with the same slots, owners and buffer, as
  // FillPositionStacks would fill them: copies of the model's players.
  void CopyPositionStacks(const clsMockRoster& model);
  // New, empty stacks for slots 1 up, each serving its slot's position.
  void SizePositionStacks();

  void AddMissingMasterID(int32_t masterID, double points, bool drafted, int32_t slot);
  void AddStackPlayer(int32_t masterID, double points, bool drafted, int32_t slot, uint8_t byeWeek);

  // Per slot: roster pointer RosterMax x OwnerCount - 1 (lowered to the
  // stack's last player), RBL its points; starter pointer StarterMax x
  // OwnerCount - 1, SBL the points there (0 beyond the stack).
  void AssignBaselinePointers();

  // Empties the team's picks and per-slot counts; stacks and baselines stay.
  void ClearRoster();

  // Sets the player's drafted mark in the position's stack, trying the
  // index hint first. Unknown positions and players change nothing.
  void MarkPlayerAsDrafted(int32_t masterID, int32_t posID, bool drafted, int32_t indexHint = -1);
  // MarkPlayerAsDrafted, and the position's league-wide count moved by
  // countChange (for any position with a slot), with one slot lookup.
  void MarkLeaguePick(int32_t masterID, int32_t posID, bool drafted, int32_t countChange, int32_t indexHint = -1);

  // ---- The league's marks
  // Every pick of a draft is marked in every team's roster alike, so the
  // rosters of a draft can share their drafted marks and league-wide
  // counts: marking one marks all. Copies never share; LinkLeague links the
  // rosters that agree with rosters[1] (same slots, same players, same
  // marks and counts). A change to one roster alone (its own marks, counts,
  // slots or stacks) gives it marks and counts of its own again first.
  static void LinkLeague(std::span<clsMockRoster> rosters);
  // MarkLeaguePick in every roster 1.. (entry 0 is unused), once for the
  // rosters that share their marks.
  static void MarkLeaguePickInAll(std::span<clsMockRoster> rosters, int32_t masterID, int32_t posID, bool drafted,
                                  int32_t countChange, int32_t indexHint = -1);

  // Records the player at the first stack holding him; points and value
  // (BaseLine by the current mode) and PosID out. False when no stack does.
  bool ManualDraftPlayer(int32_t masterID, double& points, double& value, int32_t& posID);
  // Records the player at the position's slot, whether or not its stack
  // holds him; nothing for a position without a slot.
  void NashDraftPlayer(int32_t masterID, int32_t posID);
  // Removes the player's latest pick and lowers the position's count; nothing
  // when the position has no slot or the player is not on the pick list.
  void NashReleasePlayer(int32_t masterID, int32_t posID);
  // Releases the player from the slot of the first stack holding him; PosID
  // out. False when no stack holds him.
  bool ManualReleasePlayer(int32_t masterID, int32_t& posID);
  // The first stack (slot 1 up) holding the player, and his index there.
  bool FindStackPlayer(int32_t masterID, int32_t& slot, int32_t& index) const;

  // The player's points / roster-baseline value in the position's stack;
  // False when the position has no slot or its stack lacks him.
  bool GetPPwMasIDPosID(int32_t masterID, int32_t posID, double& points) const;
  bool GetRBLwMasIDPosID(int32_t masterID, int32_t posID, double& value) const;

 private:
  struct RosterPickEntry {
    int32_t MasterID = 0;
    int32_t PosID = 0;
  };

  // One strategy rule as the search reads it.
  struct StrategyRule {
    int32_t begPick = 0;
    int32_t endPick = 0;
    int32_t method = 0;
    int32_t compare = 0;
    std::array<bool, 3> usingFactor{};
    int32_t inclusion = 0;
    bool noByeConflict = false;
    clsDraftStrategy::PositionIDs ids{};
  };
  // One flag per slot 0..ActivePositions(), read from slot 1.
  using SlotFlags = std::vector<uint8_t>;
  // Where the search writes its trace, when it has one.
  struct PickTrace;
  // A candidate as the pick log shows it.
  struct LoggedCandidate;

  // Rule 0 of a strategy without rules reads as all zero.
  const StrategyRule& RuleAt(int32_t rule) const;
  StrategyRule ReadRule(int32_t rule) const;

  SlotFlags BuildPositionFilter(const StrategyRule& rule) const;
  // The rule's position filter (BuildPositionFilter), made once per rule.
  const SlotFlags& FilterOf(int32_t rule) const;
  bool BuildSelectionPool(const StrategyRule& rule, int32_t ruleIndex, bool lastRule, SlotFlags& pool,
                          SlotFlags& filter, PickTrace* trace);
  bool OpenRosterPool(SlotFlags& pool, const SlotFlags& filter, int32_t extra) const;
  bool StartersOnlyPool(SlotFlags& pool, const SlotFlags& filter) const;
  bool StarterMinPool(SlotFlags& pool, const SlotFlags& filter, int32_t extra) const;
  bool MinimumsPool(SlotFlags& pool, const SlotFlags& filter) const;
  bool RestrictPoolToMinimums(SlotFlags& pool, const SlotFlags& filter) const;
  // Marks the slots below their RosterMin; true when the team's open places
  // are all needed for those minimums.
  bool MinimumsSqueeze(SlotFlags& belowMinimum) const;
  bool IsFixedRoster() const;
  void ClearPositionFlags(SlotFlags& flags) const;
  int32_t ComparePoolPlayers(const StrategyRule& rule, bool lastRule, const SlotFlags& pool,
                             bool checkBalance, PickTrace* trace, double& points, double& value,
                             int32_t& winner);
  int32_t ComparePoolADP(const StrategyRule& rule, const SlotFlags& pool, bool checkBalance, PickTrace* trace,
                         double& points, double& value, int32_t& winner);
  // The stack index of the slot's candidate, -1 when nobody is available.
  int32_t PoolCandidate(int32_t slot, bool ruleFlag, bool checkBalance, PickTrace* trace) const;
  // How many of the team's picks at the slot's position have each bye week
  // (as the slot's stack gives them), valid until the roster next changes.
  using ByeCounts = std::array<uint32_t, 256>;
  const ByeCounts& PickedByeCounts(int32_t slot) const;
  // Drops what PickedByeCounts knows: the picks or the stacks changed.
  void ForgetPickedByes() { pickedByesKnown_ = false; }
  // sameBye: the team's picks at the slot's position with that bye week.
  bool HasByeConflict(int32_t slot, uint32_t sameBye, uint8_t byeWeek, bool ruleFlag, bool checkBalance) const;
  double ApplyFactors(const StrategyRule& rule, int32_t slot, double value, double& x, double& inj,
                      double& lrtr) const;
  static double DraftFactorAdjustment(double factor, double value);
  double LeagueTeamRatio(int32_t slot) const;
  bool IsStarterNeeded(int32_t posID) const;

  // Per slot, everything but the stack.
  struct Slot {
    RosterSizeRecord size;
    // No later slot serves the same PosID: the slot pFnGetPositionStackArwPosID finds.
    bool latest = true;
    double rbl = 0;
    double sbl = 0;
    int32_t drafted = 0;
    int32_t leagueDraftMax = 0;
  };

  clsMockDraftPositionStack& StackAt(int32_t slot);
  Slot& SlotAt(int32_t slot);
  const Slot& SlotAt(int32_t slot) const;
  // The slot record of a PosID, nullptr when the roster has none.
  Slot* SlotOfPosID(int32_t posID);
  const Slot* SlotOfPosID(int32_t posID) const;
  RosterPickEntry& PickAt(int32_t pick);
  const RosterPickEntry& PickAt(int32_t pick) const;

  // Records a pick at a slot; its PosID is the slot's.
  int32_t RecordPick(int32_t slot, int32_t masterID);
  // Removes the latest pick of the player; False when he has none.
  bool RemovePick(int32_t masterID, int32_t slot);
  void MarkInSlot(int32_t slot, int32_t masterID, bool drafted, int32_t indexHint);
  // MarkLeaguePick through shared marks and counts; slotHint: the slot
  // expected to serve the position.
  void MarkShared(int32_t masterID, int32_t posID, bool drafted, int32_t countChange, int32_t indexHint,
                  int32_t slotHint);
  // Marks and counts of this roster's own (see LinkLeague).
  void OwnLeague();
  bool LinkableTo(const clsMockRoster& model) const;
  int32_t& LeagueCount(int32_t slot) const;
  // Index of the player in the slot's stack, -1 when absent (or slot < 1).
  int32_t FindInStack(int32_t masterID, int32_t slot) const;
  // Ensures the pick list can hold index upper.
  void EnsurePickCapacity(int32_t upper);

  std::vector<RosterPickEntry> picks_;  // capacity = size; used 0..pickUpper_
  int32_t pickUpper_ = 0;
  int32_t playersDrafted_ = 0;
  int32_t ownerCount_ = 0;
  std::vector<Slot> slots_;
  int32_t draftStrategyTag_ = 0;
  int32_t teams_ = 0;
  int32_t baselineMode_ = clsMockDraftPositionStack::kRosterBaseline;
  std::vector<clsMockDraftPositionStack> stacks_;  // index 0 unused
  clsDraftStrategy strategy_;
  // The strategy's rules as the search reads them, and per rule its
  // position filter over the slots; made when first asked.
  mutable std::vector<StrategyRule> rules_;
  mutable std::vector<SlotFlags> filters_;
  int32_t playerBuffer_ = kDefaultPlayerBuffer;
  // The league-wide count of every slot's position.
  Linked<std::vector<int32_t>> leagueCounts_;
  // PickedByeCounts per slot: made on the first call after a change, then
  // kept up to date as picks are recorded (a draft asks for every pick).
  mutable std::vector<ByeCounts> pickedByeCounts_;
  mutable bool pickedByesKnown_ = false;
  // The flag sets of the pick search, reused from pick to pick.
  SlotFlags pool_;
  SlotFlags filter_;
  mutable SlotFlags belowMinimum_;
};
