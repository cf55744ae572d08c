#pragma once
// A user mock draft while it is open on its page: the document, the draft
// board, one roster per team, the projected-stats database, the active pick,
// the projection of the next open picks and the recommendation for the
// active pick. The page's windows drive it and draw what it holds; it owns
// no widget, so the whole drafting logic runs headless.
//
// Picks are 0-based board indexes; teams are owner IDs from 1 (rosters are
// indexed by owner ID, entry 0 unused). The active pick is -1 until the
// first move.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/clsKickwellDB.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "user_mock/clsUserMockIsolate.h"

class clsPossiblePicks;
class clsStatusPlain;
class PickLogNames;

namespace seams {
class TraceListView;
}

class clsUserMockSession {
 public:
  clsUserMockSession();
  ~clsUserMockSession();
  clsUserMockSession(const clsUserMockSession&) = delete;
  clsUserMockSession& operator=(const clsUserMockSession&) = delete;

  clsUserMockIsolate& Document() { return ugm_; }
  const clsMockDraft& Board() const { return board_; }
  const clsMockRoster& Roster(int32_t team) const;
  // Whether the draft has a roster for the team (owner ID from 1).
  bool HasRoster(int32_t team) const;
  clsKickwellDB& Database() { return *db_; }

  // ---- Opening and saving

  // A new database, board and document (keeping the document's folder and
  // file name); the rosters are discarded.
  void Reset();
  // Brings the document into the engine under the progress window "Opening
  // User Generated Mock Draft Files": with applyLeague the document takes
  // the teams, roster sizes and draft order of the project's league (a new
  // user mock), without it it is checked against them. False when the
  // database, the league or the scoring system cannot be used, or the user
  // cancelled.
  bool Open(bool applyLeague);
  // The board into the document, the document saved, its name kept as the
  // project's user mock draft. False when the file could not be written
  // (the project then keeps its old name).
  bool Save();

  bool ChangesMade() const { return changesMade_; }
  void SetChangesMade(bool changed) { changesMade_ = changed; }

  // ---- The active pick

  int32_t ActivePick() const { return activePick_; }
  int32_t ActiveTeam() const { return activeTeam_; }
  int32_t ActivePlayer() const { return activePlayer_; }
  int32_t ActiveSlot() const { return activeSlot_; }
  // The state last given to "Draft"; "Release" is enabled exactly when
  // ReleaseEnabled answers True.
  bool DraftEnabled() const { return draftEnabled_; }
  bool ReleaseEnabled() const;
  bool PrevPickEnabled() const { return activePick_ > 0; }
  bool NextPickEnabled() const { return activePick_ < board_.Count(); }

  // The first pick from `start` on whose player is 0; the board's last
  // index when there is none.
  int32_t FirstOpenPickFrom(int32_t start) const;
  // "Prev Pick" (direction other than 1) or "Next Pick" (1); at either end
  // the pick stays. Then the pick's team, player and slot, and a fresh
  // recommendation.
  void MoveActivePick(int32_t direction);
  // "First Open Pick": the first open pick of the board (the last pick when
  // the board is full).
  void GoToFirstOpenPick();
  // A pick chosen on the picks or roster grid becomes active with the
  // player drafted there (0 for an open pick). A pick off the board is
  // ignored.
  void ChoosePick(int32_t pick);
  // A player chosen in the available grid becomes the candidate for the
  // active pick: projections as if he were taken there, and "Draft" enabled
  // when the team may draft him. A player already on the board is ignored
  // (False).
  bool ChoosePlayer(int32_t masterID);
  // The page's status labels: 0 the active pick and its team, 1 the active
  // player and his position.
  std::string ActivePickStatus(int32_t label);
  // Whether the team may draft the player at the pick: his slot has an
  // open place, or the player drafted at the pick sits in the same slot.
  bool CheckDraftAllowed(int32_t masterID, int32_t team, int32_t pick) const;
  // Projects the coming picks with `candidate` (0: none) at the active pick
  // and sets the state of "Draft".
  void RefreshRecommendation(int32_t candidate);

  // "Draft": the player at the active pick is replaced by ActivePlayer and
  // the next pick becomes active. "Release": the player at the active pick
  // is taken off and the pick gets a recommendation.
  void Draft();
  void Release();

  // ---- Drafting primitives

  // Drafts the player into the team's roster and onto the board at the
  // pick; nothing when the team's stacks do not hold him.
  void DraftPlayerAtPick(int32_t masterID, int32_t team, int32_t pick);
  // Takes the player off the team's roster and empties the pick (its owner
  // stays); nothing when the roster does not hold him.
  void ReleasePlayer(int32_t masterID, int32_t team, int32_t pick);
  // ReleasePlayer of whoever is drafted at the pick.
  void ReleasePickedPlayer(int32_t team, int32_t pick);

  // ---- Projections

  // Number of picks projected (setting 29 when last read); 0 for none.
  int32_t ProjectionDepth() const { return static_cast<int32_t>(projectedPicks_.size()); }
  // Sizes the projection to n + 1 picks keeping what it holds; n below 0
  // switches projections off.
  void SetProjectionDepth(int32_t n);
  const std::vector<int32_t>& ProjectedPicks() const { return projectedPicks_; }
  const std::vector<int32_t>& ProjectedPlayers() const { return projectedPlayers_; }
  const std::vector<int32_t>& ProjectedSlots() const { return projectedSlots_; }
  // The projected player of an open pick, 0 when the pick is not projected.
  int32_t ProjectedPlayerAt(int32_t pick) const;

  // The first open picks of the whole board, one per projected slot; the
  // last slot becomes the active pick when that lies beyond them.
  bool SelectProjectedPicks();
  // One projection run: every projected pick is drafted tentatively by its
  // team's strategy (look-aheads as settings 42 and 43 allow) and undone at
  // the end, so the board and rosters are as before. The active pick's
  // player becomes the recommendation when it is open. A candidate above 0
  // is taken at an open active pick first. The active pick's trace and
  // look-ahead report are kept for "View Logic", and with the logic window
  // open its list gets them.
  void ProjectNextPicks(int32_t candidate);

  // ---- The logic report

  // The logic window's list while the window is open; nullptr when closed.
  void SetLogicList(seams::TraceListView* list) { logic_ = list; }
  seams::TraceListView* LogicList() const { return logic_; }
  // "View Logic": the whole trace of the active pick as the last projection
  // run made it (heading, rule trace and look-ahead report); for a pick the
  // run did not project (a drafted one), the heading and the active team's
  // rule trace, without any look-ahead.
  void ShowLogic(seams::TraceListView& list);
  void WriteLogicHeading(seams::TraceListView& list) const;
  // The report of the look-ahead whose result is lists[0] and whose
  // compared candidates are lists[1].
  void WriteLogicReport(seams::TraceListView& list, clsPossiblePicks& result, clsPossiblePicks& compared);
  // The 1-based pick numbers of the look-ahead's draft array, at most
  // limit + 1, separated by ", ".
  static std::string UsePicksText(clsPossiblePicks& list, int32_t limit);

 private:
  clsMockRoster& RosterOf(int32_t team);
  int32_t SlotOf(int32_t masterID) const;
  void SetActiveFromBoard();
  void EnableDraftButtons(bool enabled) { draftEnabled_ = enabled; }

  clsUserMockIsolate ugm_;
  clsMockDraft board_;
  std::vector<clsMockRoster> rosters_;
  std::unique_ptr<clsKickwellDB> db_;
  std::unique_ptr<PickLogNames> names_;

  int32_t activePick_ = -1;
  int32_t activeTeam_ = -1;
  int32_t activePlayer_ = -1;
  int32_t activeSlot_ = 0;
  bool draftEnabled_ = false;
  bool changesMade_ = false;

  std::vector<int32_t> projectedPicks_;
  std::vector<int32_t> projectedPlayers_;
  std::vector<int32_t> projectedSlots_;
  seams::TraceListView* logic_ = nullptr;
  // The whole trace of pick `tracedPick_` from the last run that projected
  // it; -1 when the active pick has none.
  std::vector<std::string> activeTrace_;
  int32_t tracedPick_ = -1;
};
