#include "user_mock/clsUserMockSession.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "core/Seams.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/basStatusControl.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "draft_inputs/basSTGFileControl.h"
#include "engine/KickwellDBPickLogNames.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsPossiblePicks.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "user_mock/UserMockPreparation.h"
#include "user_mock/basUGMFileControl.h"

namespace calc = basMockDraftCalculation;

namespace {

// Whether the list's cursor stands on an entry of its look-ahead's draft
// array.
bool InDraftArray(const clsPossiblePicks& list) {
  return list.Pnt() >= 0 && list.Pnt() < list.Count() && list.DraftNdx() >= list.BegDraftAr() &&
         list.DraftNdx() <= list.EndDraftAr();
}

// Visits the entries of the list's draft array, at most limit + 1 of them.
// The draft array runs from the searched pick to the end of its window; its
// last entry may be the list's last one and is visited too.
template <typename Visit>
void ForEachInDraftArray(clsPossiblePicks& list, int32_t limit, Visit visit) {
  if (list.Count() == 0) return;
  list.MoveTo(list.BegDraftAr());
  for (int32_t written = 0; written <= limit && InDraftArray(list); ++written) {
    visit();
    if (list.IsEOF()) break;
    list.MoveNext();
  }
}

// A trace list that keeps its lines.
class LinesTrace final : public seams::TraceListView {
 public:
  explicit LinesTrace(std::vector<std::string>& lines) : lines_(lines) {}
  void AddItem(const std::string& line) override { lines_.push_back(line); }
  void Clear() override { lines_.clear(); }

 private:
  std::vector<std::string>& lines_;
};

void Replay(const std::vector<std::string>& lines, seams::TraceListView& list) {
  list.Clear();
  for (const std::string& line : lines) list.AddItem(line);
}

}  // namespace

clsUserMockSession::clsUserMockSession()
    : db_(std::make_unique<clsKickwellDB>()), names_(std::make_unique<KickwellDBPickLogNames>(*db_)) {
  SetProjectionDepth(basMockDraftSettings::GlobalSettings().LongVal(kSetUserMockDepth) - 1);
}

clsUserMockSession::~clsUserMockSession() = default;

const clsMockRoster& clsUserMockSession::Roster(int32_t team) const {
  if (team < 1 || static_cast<std::size_t>(team) >= rosters_.size())
    throw std::out_of_range("no roster for team " + std::to_string(team));
  return rosters_[static_cast<std::size_t>(team)];
}

bool clsUserMockSession::HasRoster(int32_t team) const {
  return team >= 1 && static_cast<std::size_t>(team) < rosters_.size();
}

clsMockRoster& clsUserMockSession::RosterOf(int32_t team) {
  return const_cast<clsMockRoster&>(std::as_const(*this).Roster(team));
}

// ---------------------------------------------------------------- opening and saving

void clsUserMockSession::Reset() {
  // The names speak for the database, so both go together.
  names_.reset();
  db_ = std::make_unique<clsKickwellDB>();
  names_ = std::make_unique<KickwellDBPickLogNames>(*db_);
  board_ = clsMockDraft();
  rosters_.clear();
  clsUserMockIsolate fresh;
  fresh.SetFilePath(ugm_.FilePath());
  fresh.SetFileName(ugm_.FileName());
  ugm_ = std::move(fresh);
  activePick_ = activeTeam_ = activePlayer_ = -1;
  activeSlot_ = 0;
  std::fill(projectedPlayers_.begin(), projectedPlayers_.end(), 0);
}

bool clsUserMockSession::Open(bool applyLeague) {
  basStatusControl::JobProgress progress("Opening User Generated Mock Draft Files");
  clsStatusPlain* status = &progress.Status();
  for (const auto& [id, weight] : {std::pair{2, 2.0f}, {3, 6.0f}, {4, 68.0f}, {8, 12.0f}, {7, 12.0f}})
    status->AddSegment(id, weight);
  if (!calc::PrepareUserMockDraft(*status, board_, *db_, rosters_, ugm_, applyLeague)) return false;
  // A pick of a team the draft does not have is not replayed into any
  // roster; its player is still gone, or a team would pick him twice.
  for (int32_t p = 0; p <= board_.Count(); ++p) {
    const int32_t masterID = board_.MasterID(p);
    int32_t slot = 0;
    int32_t index = 0;
    if (masterID <= 0 || HasRoster(board_.DraftOwner(p)) || rosters_.size() < 2 ||
        !rosters_[1].FindStackPlayer(masterID, slot, index) || rosters_[1].StackPlayerDrafted(slot, index))
      continue;
    calc::MarkDraftedInAllRosters(rosters_, rosters_[1].StackPosition(slot), masterID, true, 1, index);
  }
  return true;
}

bool clsUserMockSession::Save() {
  basUGMFileControl::CopyMockBoardToUserMock(ugm_, board_);
  if (!ugm_.SaveUserMock()) return false;
  GlobalProject().SetValue(kProjUserMockDraftFile, ugm_.FileName());
  changesMade_ = false;
  return true;
}

// ---------------------------------------------------------------- drafting primitives

void clsUserMockSession::DraftPlayerAtPick(int32_t masterID, int32_t team, int32_t pick) {
  // A damaged file may give a pick to a team the draft does not have.
  if (masterID <= 0 || !HasRoster(team)) return;
  double points = 0;
  double baseline = 0;
  int32_t posID = 0;
  if (!RosterOf(team).ManualDraftPlayer(masterID, points, baseline, posID)) return;
  calc::RecordMockPick(masterID, points, team, posID, baseline, names_->pFnGetPlayerNamewMasID(masterID),
                       pick, board_, rosters_);
}

void clsUserMockSession::ReleasePlayer(int32_t masterID, int32_t team, int32_t pick) {
  // Only the player the pick holds: the roster would release anyone its
  // stacks hold, and the pick would then lose a player nobody released.
  if (masterID <= 0 || !HasRoster(team) || board_.MasterID(pick) != masterID) return;
  int32_t posID = 0;
  if (!RosterOf(team).ManualReleasePlayer(masterID, posID)) return;
  calc::ClearMockPick(masterID, team, posID, pick, board_, rosters_);
}

void clsUserMockSession::ReleasePickedPlayer(int32_t team, int32_t pick) {
  const int32_t masterID = board_.MasterID(pick);
  if (masterID >= 1) ReleasePlayer(masterID, team, pick);
}

// ---------------------------------------------------------------- the active pick

int32_t clsUserMockSession::SlotOf(int32_t masterID) const {
  int32_t slot = 0;
  int32_t index = 0;
  // Where a player stands does not depend on the team.
  if (masterID > 0 && rosters_.size() > 1 && Roster(1).FindStackPlayer(masterID, slot, index)) return slot;
  return 0;
}

bool clsUserMockSession::ReleaseEnabled() const { return !draftEnabled_ && activePlayer_ != 0; }

int32_t clsUserMockSession::FirstOpenPickFrom(int32_t start) const {
  for (int32_t p = std::max(start, 0); p <= board_.Count(); ++p)
    if (board_.MasterID(p) == 0) return p;
  return board_.Count();
}

void clsUserMockSession::SetActiveFromBoard() {
  activeTeam_ = board_.DraftOwner(activePick_);
  activePlayer_ = board_.MasterID(activePick_);
  activeSlot_ = SlotOf(activePlayer_);
}

void clsUserMockSession::MoveActivePick(int32_t direction) {
  if (board_.Count() < 0) return;
  if (direction != 1) {
    if (activePick_ >= 1) --activePick_;
  } else if (activePick_ < board_.Count()) {
    ++activePick_;
  }
  activePick_ = std::clamp(activePick_, 0, board_.Count());
  SetActiveFromBoard();
  RefreshRecommendation(0);
}

void clsUserMockSession::GoToFirstOpenPick() {
  if (board_.Count() < 0) return;
  activePick_ = FirstOpenPickFrom(0);
  SetActiveFromBoard();
  RefreshRecommendation(0);
}

void clsUserMockSession::ChoosePick(int32_t pick) {
  if (pick < 0 || pick > board_.Count()) return;
  activePick_ = pick;
  SetActiveFromBoard();
  RefreshRecommendation(0);
}

bool clsUserMockSession::ChoosePlayer(int32_t masterID) {
  if (masterID <= 0 || activePick_ < 0 || board_.PlayerDraftNdx(masterID) >= 0) return false;
  activePlayer_ = masterID;
  activeSlot_ = SlotOf(masterID);
  RefreshRecommendation(masterID);
  EnableDraftButtons(CheckDraftAllowed(masterID, activeTeam_, activePick_));
  return true;
}

bool clsUserMockSession::CheckDraftAllowed(int32_t masterID, int32_t team, int32_t pick) const {
  int32_t slot = 0;
  int32_t index = 0;
  if (!HasRoster(team)) return false;
  const clsMockRoster& roster = Roster(team);
  if (!roster.FindStackPlayer(masterID, slot, index)) return false;
  if (!roster.iFnIsPosFull(slot)) return true;
  // A full slot takes him only in place of the player drafted at the pick.
  const int32_t current = board_.MasterID(pick);
  int32_t currentSlot = 0;
  return current > 0 && roster.FindStackPlayer(current, currentSlot, index) && currentSlot == slot;
}

void clsUserMockSession::RefreshRecommendation(int32_t candidate) {
  if (activePlayer_ == 0) {
    ProjectNextPicks(candidate);
    EnableDraftButtons(activePlayer_ != 0);
  } else {
    const int32_t depth = basMockDraftSettings::GlobalSettings().LongVal(kSetUserMockDepth);
    if (depth >= 1)
      ProjectNextPicks(candidate);
    else
      // Switched off: an earlier projection would no longer match the board.
      SetProjectionDepth(depth - 1);
    EnableDraftButtons(candidate != 0);
  }
}

void clsUserMockSession::Draft() {
  if (activePick_ < 0) return;
  changesMade_ = true;
  ReleasePickedPlayer(activeTeam_, activePick_);
  DraftPlayerAtPick(activePlayer_, activeTeam_, activePick_);
  MoveActivePick(1);
}

void clsUserMockSession::Release() {
  if (activePick_ < 0) return;
  changesMade_ = true;
  // Whoever is drafted at the pick: the active player may be one the user
  // only chose there.
  ReleasePickedPlayer(activeTeam_, activePick_);
  activePlayer_ = 0;
  RefreshRecommendation(0);
}

std::string clsUserMockSession::ActivePickStatus(int32_t label) {
  if (label == 0) {
    // The name as the board stores it, padding and all.
    const bool known = activeTeam_ >= 1 && activeTeam_ <= board_.OwnerCount();
    return "Active Pick # " + std::to_string(activePick_ + 1) + "  Team # " + std::to_string(activeTeam_) +
           " " + (known ? board_.OwnerName(activeTeam_) : std::string());
  }
  if (label == 1)
    return "Player: " + db_->pFnGetPlayerNamewMasID(activePlayer_) + "  " +
           db_->pFnGetPosAbrvwPlaID(db_->pFnGetPlaIDwMasID(activePlayer_));
  throw std::out_of_range("no status label " + std::to_string(label));
}

// ---------------------------------------------------------------- projections

void clsUserMockSession::SetProjectionDepth(int32_t n) {
  const std::size_t size = n < 0 ? 0 : static_cast<std::size_t>(n) + 1;
  projectedPicks_.resize(size, 0);
  projectedPlayers_.resize(size, 0);
  projectedSlots_.resize(size, 0);
}

int32_t clsUserMockSession::ProjectedPlayerAt(int32_t pick) const {
  for (std::size_t i = 0; i < projectedPicks_.size(); ++i)
    if (projectedPicks_[i] == pick && projectedPlayers_[i] > 0) return projectedPlayers_[i];
  return 0;
}

bool clsUserMockSession::SelectProjectedPicks() {
  if (projectedPicks_.empty()) return true;
  int32_t previous = -1;
  for (int32_t& pick : projectedPicks_) {
    pick = FirstOpenPickFrom(previous + 1);
    previous = pick;
  }
  if (projectedPicks_.back() < activePick_) projectedPicks_.back() = activePick_;
  return true;
}

void clsUserMockSession::ProjectNextPicks(int32_t candidate) {
  basStatusControl::JobProgress progress("Calculating UGM Projections");
  clsStatusPlain* status = &progress.Status();

  // A change made in the settings window counts from the next run.
  const int32_t setting = basMockDraftSettings::GlobalSettings().LongVal(kSetUserMockDepth);
  if (std::max(setting, 0) != ProjectionDepth()) SetProjectionDepth(setting - 1);
  const int32_t depth = ProjectionDepth();
  // What the last run projected goes, whether or not this one can run.
  std::fill(projectedPlayers_.begin(), projectedPlayers_.end(), 0);
  std::fill(projectedSlots_.begin(), projectedSlots_.end(), 0);

  std::vector<int32_t> ownerByPick(static_cast<std::size_t>(std::max(ugm_.BoardCount(), 0)));
  for (std::size_t p = 0; p < ownerByPick.size(); ++p)
    ownerByPick[p] = ugm_.BoardOwnerID(static_cast<int32_t>(p));
  const bool orderPlayable =
      std::all_of(ownerByPick.begin(), ownerByPick.end(), [this](int32_t owner) { return HasRoster(owner); });

  for (int32_t i = 0; i < depth; ++i) {
    status->AddSegment(i, 100.0f / static_cast<float>(depth));
    status->SetSegmentRange(i, 0, 1);
  }
  status->StatusCaption(clsStatusPlain::kTotalBar, 0,
                        "Calculating Next " + std::to_string(depth) + " Projected Players.");
  // A trace kept from before holds only while the active pick stays where
  // it was and open but for the user's candidate (decided below).
  const int32_t tracedBefore = std::exchange(tracedPick_, -1);
  if (depth == 0 || board_.Count() < 0 || activePick_ < 0) return;
  // The look-ahead plays the board's own order; a document whose board
  // differs from the board in memory cannot be projected.
  if (static_cast<int32_t>(ownerByPick.size()) != board_.Count() + 1) return;

  SelectProjectedPicks();
  // A tentative pick is drafted for the document's owner, which need not be
  // the board's; the board gets its own owners back at the end.
  std::vector<int32_t> boardOwners;
  for (int32_t pick : projectedPicks_) boardOwners.push_back(board_.DraftOwner(pick));
  // A candidate is tried at an open active pick only: a drafted player there
  // stays on the board and the projection runs with him.
  const bool activeOpen = board_.MasterID(activePick_) == 0;
  if (candidate > 0 && activeOpen && board_.PlayerDraftNdx(candidate) < 0)
    DraftPlayerAtPick(candidate, activeTeam_, activePick_);
  // A player the team's stacks lack stays off the board.
  const bool candidateTaken = candidate > 0 && activeOpen && board_.MasterID(activePick_) == candidate;
  if (candidateTaken)
    for (std::size_t i = 0; i < projectedPicks_.size(); ++i)
      if (projectedPicks_[i] == activePick_) projectedPlayers_[i] = candidate;
  // The user's candidate fills the pick, so this run has no trace of it:
  // the one from before, of the pick still open under the candidate, stays.
  if (candidateTaken && tracedBefore == activePick_) tracedPick_ = activePick_;
  LinesTrace record(activeTrace_);

  int32_t rule = 0;
  for (int32_t i = 0; i < depth; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    const int32_t p = projectedPicks_[k];
    const int32_t owner = ownerByPick[static_cast<std::size_t>(p)];
    if (board_.MasterID(p) != 0) {
      if (!(candidateTaken && p == activePick_)) projectedPlayers_[k] = 0;
    } else if (!HasRoster(owner)) {
      // Nobody can pick for a team the draft does not have.
      if (p == activePick_) {
        activePlayer_ = 0;
        activeSlot_ = 0;
      }
      projectedPlayers_[k] = 0;
    } else {
      clsMockRoster& roster = RosterOf(owner);
      const int32_t teamPick = board_.TeamPick(p);
      double points = 0;
      double baseline = 0;
      int32_t posID = 0;
      int32_t slot = 0;
      seams::TraceListView* trace = nullptr;
      if (p == activePick_) {
        WriteLogicHeading(record);
        trace = &record;
        tracedPick_ = activePick_;
      }
      int32_t result = roster.RecommendedNextPlayer(points, baseline, posID, slot, teamPick, rule, trace,
                                                    trace ? names_.get() : nullptr);
      bool lookedAhead = false;
      if (result < 0) {
        // Fresh lists per search: what one search leaves must not answer
        // for the next.
        std::vector<clsPossiblePicks> lists(2);
        int32_t team = owner;
        int32_t at = p;
        // The search plays every later pick by its team; a pick of a team
        // without a roster cannot be played.
        lookedAhead = orderPlayable && calc::RunLookAheadPick(team, at, result, ownerByPick, board_, rosters_,
                                                              lists, calc::kUserMockMode, rule, status);
        if (lookedAhead && p == activePick_) WriteLogicReport(record, lists[0], lists[1]);
        result = 0;
        points = baseline = 0;
        posID = 0;
        if (lookedAhead && calc::MoveToPick(lists[0], p)) {
          result = lists[0].MasID();
          posID = lists[0].PosID();
          points = lists[0].PP();
          baseline = lists[0].RBL();
        }
        // Never a player somebody holds already.
        if (result > 0 && board_.PlayerDraftNdx(result) >= 0) result = 0;
        slot = SlotOf(result);
        if (lookedAhead && result == 0 && rule + 1 < roster.StrategyRuleCount()) {
          // The search chose nobody: the same pick from the team's next rule.
          ++rule;
          --i;
          continue;
        }
      }
      DraftPlayerAtPick(result, owner, p);
      if (p == activePick_) {
        activeTeam_ = owner;
        activePlayer_ = result;
        activeSlot_ = slot;
      }
      projectedSlots_[k] = slot;
      // Only a player who made it onto the board is undone later.
      projectedPlayers_[k] = result > 0 && board_.MasterID(p) == result ? result : 0;
      rule = 0;
    }
    status->SetSegmentRange(i, 0, 1);
    status->SetSegmentValue(i, 1);
  }

  if (logic_ && tracedPick_ == activePick_) Replay(activeTrace_, *logic_);

  for (int32_t i = depth - 1; i >= 0; --i) {
    const std::size_t k = static_cast<std::size_t>(i);
    if (projectedPlayers_[k] > 0)
      ReleasePlayer(projectedPlayers_[k], board_.DraftOwner(projectedPicks_[k]), projectedPicks_[k]);
  }
  for (std::size_t k = 0; k < boardOwners.size(); ++k)
    board_.SetDraftOwner(projectedPicks_[k], boardOwners[k]);
}

// ---------------------------------------------------------------- the logic report

void clsUserMockSession::ShowLogic(seams::TraceListView& list) {
  if (activePick_ < 0 || activePick_ > board_.Count()) return;
  if (tracedPick_ == activePick_) {
    Replay(activeTrace_, list);
    return;
  }
  const int32_t teamPick = board_.TeamPick(activePick_);
  WriteLogicHeading(list);
  if (!HasRoster(activeTeam_)) return;
  double points = 0;
  double baseline = 0;
  int32_t posID = 0;
  int32_t slot = 0;
  int32_t rule = 0;
  RosterOf(activeTeam_)
      .RecommendedNextPlayer(points, baseline, posID, slot, teamPick, rule, &list, names_.get());
}

void clsUserMockSession::WriteLogicHeading(seams::TraceListView& list) const {
  list.Clear();
  // A team the board does not have has neither name nor strategy.
  const bool known = activeTeam_ >= 1 && activeTeam_ <= board_.OwnerCount();
  const std::string name = known ? runtime::Trim(board_.OwnerName(activeTeam_)) : std::string();
  const std::string strategy = known ? runtime::Trim(board_.DraftStrategyFile(activeTeam_)) : std::string();
  list.AddItem("PICK #" + std::to_string(activePick_ + 1) + " " + name + " [" + strategy + "]");
  list.AddItem("");
}

std::string clsUserMockSession::UsePicksText(clsPossiblePicks& list, int32_t limit) {
  std::string text;
  ForEachInDraftArray(list, limit, [&] {
    if (!text.empty()) text += ", ";
    text += std::to_string(list.DraftNdx() + 1);
  });
  return text;
}

void clsUserMockSession::WriteLogicReport(seams::TraceListView& list, clsPossiblePicks& result,
                                          clsPossiblePicks& compared) {
  const int32_t method = result.Method();
  const bool equilibrium = method == clsMockRoster::kEquilibrium;
  const int32_t depth =
      equilibrium ? basMockDraftSettings::GlobalSettings().LongVal(kSetEquilibriumDepth) : 1;
  list.AddItem(runtime::UCase(basSTGFileControl::MethodText(method)) + " METHOD");
  list.AddItem(std::string(equilibrium ? "  Equilibrium" : "  Potential") +
               " Depth: " + std::to_string(depth));
  list.AddItem("  Use Picks: " + UsePicksText(result, depth));
  list.AddItem("  Draft Permutations Checked: " + runtime::Format(result.Canidates(), "0"));
  // The search keeps its time in milliseconds.
  list.AddItem("  CPU Time: " + runtime::Format(result.RunTime() / 1000.0, "0.0000") + " seconds");
  list.AddItem(" ");
  list.AddItem(equilibrium ? "RECOMMENDED SELECTION" : "POTENTIAL POINT COMPARISON");
  list.AddItem(basSTGFileControl::PickLogHeader());

  auto line = [&](clsPossiblePicks& entries, double calculated) {
    basSTGFileControl::PickLogValues v;
    v.name = names_->pFnGetPlayerNamewMasIDDisID(entries.MasID(), kPickLogNameFormat);
    v.cal = calculated;
    v.tag = names_->pFnGetPosAbrv(entries.PosID(), false);
    v.pp = entries.PP();
    v.cv = entries.InitialCV();
    v.lrtr = entries.FactorLRTR();
    v.x = entries.FactorX();
    v.inj = entries.FactorINJ();
    list.AddItem(basSTGFileControl::PickLogLine(v));
  };

  if (equilibrium) {
    ForEachInDraftArray(result, depth, [&] { line(result, result.CompareValue()); });
    list.AddItem(" ");
    list.AddItem(basSTGFileControl::PickLogLegend());
    return;
  }

  calc::ForEachEntry(compared, [&] { line(compared, compared.PickPlus()); });
  list.AddItem(" ");
  list.AddItem(basSTGFileControl::PickLogLegend());
  list.AddItem(" ");
  list.AddItem("RECOMMENDED PLAYER");
  if (result.Count() == 0) return;
  result.MoveTo(result.BegDraftAr());
  const int32_t masterID = result.MasID();
  const int16_t year = names_->pFnGetYear();
  list.AddItem(
      "  " + names_->pFnGetPosAbrv(result.PosID(), false) + " " + names_->pFnGetPlayerNamewMasID(masterID) +
      " [" +
      names_->pFnGetTeamAbrvwPlaID(names_->pFnGetPlaIDwMasID(masterID), clsKickwellDB::kSeasonWeek, year) +
      "]");
}
