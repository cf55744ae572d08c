#pragma once
// The draftable players of one roster position, best projected points first,
// with the two baseline pointers that turn points into value over the
// position's roster or starter baseline.
//
// Reads of Points, MasterID and ADP outside the list (negative indexes
// included) answer 0, 0 and 99999.0: an empty stack's baseline pointer is -1,
// and those reads are how a baseline falls back to zero. Every other read or
// write outside the list throws std::out_of_range.

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "engine/Linked.h"

class clsMockDraftPositionStack {
 public:
  // What an ADP read answers for a player without one (stored ADP 0).
  static constexpr double kNoADP = 99999.0;

  // Baseline modes (a strategy rule's compare code): 3 and any other value
  // make BaseLine answer 0.
  static constexpr int32_t kRawPoints = 0;
  static constexpr int32_t kRosterBaseline = 1;
  static constexpr int32_t kStarterBaseline = 2;

  int32_t BaselineMode() const { return baselineMode_; }
  void SetBaselineMode(int32_t mode) { baselineMode_ = mode; }

  // Lets store the smaller of the value and the highest index, so the last
  // player of a short stack is its baseline.
  int32_t RosterBaselinePointer() const { return rosterPointer_; }
  void SetRosterBaselinePointer(int32_t pointer);
  int32_t StarterBaselinePointer() const { return starterPointer_; }
  void SetStarterBaselinePointer(int32_t pointer);

  double Factor() const { return factor_; }
  void SetFactor(double factor) { factor_ = factor; }

  // Appends at the end; the caller adds players in ranking order.
  void AddPlayer(int32_t masterID, double points, uint8_t byeWeek, bool drafted);

  // Number of players. SetCount(n) makes n the highest index (n + 1 players,
  // keeping those already there); -1 empties the stack, below -1 throws.
  int32_t Count() const { return count_; }
  void SetCount(int32_t highestIndex);

  // The position id the stack serves, -1 until set.
  int32_t Position() const { return position_; }
  void SetPosition(int32_t posID) { position_ = posID; }

  uint8_t ByeWeek(int32_t i) const;
  void SetByeWeek(int32_t i, uint8_t week);
  int32_t MasterID(int32_t i) const;
  void SetMasterID(int32_t i, int32_t masterID);
  bool Drafted(int32_t i) const;
  void SetDrafted(int32_t i, bool drafted);
  double Points(int32_t i) const;
  void SetPoints(int32_t i, double points);
  double ADP(int32_t i) const;
  void SetADP(int32_t i, double adp);

  // Sets the drafted mark of the player at index `hint` when he has that
  // MasterID (every team's copy of a stack holds him at the same index),
  // else of the first player with it. False when the stack lacks him.
  bool MarkDrafted(int32_t masterID, bool drafted, int32_t hint) {
    // Inline: a draft marks every pick in every team's stack.
    if (hint >= 0 && hint < Count() && (*players_)[static_cast<std::size_t>(hint)].MasterID == masterID) {
      MarkAt(hint, drafted);
      return true;
    }
    const int32_t i = IndexOfMasterID(masterID);
    if (i >= 0) MarkAt(i, drafted);
    return i >= 0;
  }

  // Index of the first player not drafted (Count() when every one is).
  int32_t FirstUndrafted() const;

  // Makes this stack mark its players drafted together with `model`: every
  // mark either sets from then on is the other's too. Only for copies of the
  // model that hold the same marks (false, and nothing linked, otherwise).
  // A copy of a linked stack has marks of its own again, and so has a
  // linked stack whose players change.
  bool ShareMarks(const clsMockDraftPositionStack& model);
  // True when ShareMarks(model) would link.
  bool MarksMatch(const clsMockDraftPositionStack& model) const;
  // Gives a linked stack marks of its own (the same marks, no longer shared).
  void OwnMarks() { marks_.Own(); }

  // The undrafted player with the smallest ADP strictly above minimum (the
  // first in stack order on ties); -1 when there is none.
  int32_t GetBestADPAvailable(double minimum) const;

  double RosterBaseLine(int32_t i) const { return Points(i) - Points(rosterPointer_); }
  double StarterBaseLine(int32_t i) const { return Points(i) - Points(starterPointer_); }
  // By BaselineMode: points, roster baseline value, starter baseline value, else 0.
  double BaseLine(int32_t i) const;

  // Bye week of the first player with that MasterID; 0 when none.
  uint8_t GetByeWeekwMasID(int32_t masterID) const;

  // Index of the first player with that MasterID, -1 when none. Found
  // through an index of the stack's MasterIDs, made on the first lookup
  // after the players changed and shared by copies of the stack.
  int32_t IndexOfMasterID(int32_t masterID) const;
  // Makes that index now, so that copies made afterwards share it.
  void IndexPlayers() const { Index(); }

 private:
  // A player as every copy of the stack sees him; the drafted marks are
  // each copy's own, unless linked.
  struct Player {
    int32_t MasterID = 0;
    uint8_t ByeWeek = 0;
    double Points = 0;
    double ADP = 0;
  };
  using Players = std::vector<Player>;

  bool Holds(int32_t i) const { return i >= 0 && i < Count(); }
  // A player for reading / for changing (which gives this copy a list of
  // its own first, when it shares one).
  const Player& At(int32_t i) const;
  Player& MutableAt(int32_t i);
  Players& MutablePlayers();
  // SetDrafted for an index known to hold a player.
  void MarkAt(int32_t i, bool drafted) {
    Marks& marks = *marks_;
    marks.drafted[static_cast<std::size_t>(i)] = drafted ? 1 : 0;
    if (!drafted && i < marks.firstOpen) marks.firstOpen = i;
  }

  // (MasterID, index) of every player, sorted: the first of equal ids first.
  using MasterIndex = std::vector<std::pair<int32_t, int32_t>>;
  const MasterIndex& Index() const;
  void Changed() {
    index_.reset();
    lastLookup_.reset();
  }

  // The drafted mark of every player, and an index below which none is
  // undrafted (the top of a stack fills with drafted players as a draft goes
  // on).
  struct Marks {
    std::vector<uint8_t> drafted;
    int32_t firstOpen = 0;
  };

  // The players, shared by copies of the stack until one of them changes a
  // player (teams' stacks are copies, and look-ahead searches copy every
  // team's roster): a copy costs its drafted marks, one byte a player.
  std::shared_ptr<Players> players_;
  Linked<Marks> marks_;
  int32_t count_ = 0;
  mutable std::shared_ptr<const MasterIndex> index_;
  // The last IndexOfMasterID answer (MasterID, index): a pick asks for the
  // same player several times in a row.
  mutable std::optional<std::pair<int32_t, int32_t>> lastLookup_;
  int32_t position_ = -1;
  double factor_ = 1.0;
  int32_t rosterPointer_ = 0;
  int32_t starterPointer_ = 0;
  int32_t baselineMode_ = kRosterBaseline;
};
