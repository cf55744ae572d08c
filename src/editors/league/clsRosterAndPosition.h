#pragma once
// The positions of the league-properties page: one slot per row of the
// database's position table, numbered by display order from 1, with the
// league's roster and starter limits, the position each one is merged into
// and whether the league uses it. Slot 0 is an empty entry (position 0,
// nothing set); the saved roster-size list starts with it.
//
// Access by position ID finds the first slot holding that ID; an ID no slot
// holds reads as slot 0 and is not written.

#include <cstdint>
#include <string>
#include <vector>

class clsRosterAndPosition {
 public:
  // Slots 0..n, all cleared.
  void SetPositionMax(int32_t n);
  // Every slot: merged into itself, all four limits 0, not in use.
  void ClearRosterAndPositon();
  // The last slot (the number of positions); 0 when there are none.
  int32_t MaxArray() const { return static_cast<int32_t>(slots_.size()) - 1; }

  int32_t PosID(int32_t slot) const;
  void SetPosID(int32_t slot, int32_t posID);
  // The position ID at a display order (a slot); 0 when none.
  int32_t DisplayOrder(int32_t order) const { return PosID(order); }

  bool InUse(int32_t posID) const { return Find(posID).inUse; }
  void SetInUse(int32_t posID, bool inUse);
  const std::string& PosAbr(int32_t posID) const { return Find(posID).abr; }
  void SetPosAbr(int32_t posID, const std::string& text);
  const std::string& PosFull(int32_t posID) const { return Find(posID).full; }
  void SetPosFull(int32_t posID, const std::string& text);
  int32_t MergeAsID(int32_t posID) const { return Find(posID).mergeAs; }
  void SetMergeAsID(int32_t posID, int32_t mergeAs);
  int32_t RosterMin(int32_t posID) const { return Find(posID).rosterMin; }
  void SetRosterMin(int32_t posID, int32_t value);
  int32_t RosterMax(int32_t posID) const { return Find(posID).rosterMax; }
  void SetRosterMax(int32_t posID, int32_t value);
  int32_t StartMin(int32_t posID) const { return Find(posID).startMin; }
  void SetStartMin(int32_t posID, int32_t value);
  int32_t StartMax(int32_t posID) const { return Find(posID).startMax; }
  void SetStartMax(int32_t posID, int32_t value);

  // Position 1 (the whole roster) is in use; every other position exactly
  // when it is merged into another one or has a limit above 0.
  void MarkInUse();
  // Before a save: positions of slots 2..N that are not in use are merged
  // into themselves with all limits 0.
  void ResetUnused();

 private:
  struct Slot {
    int32_t posID = 0;
    std::string abr;
    std::string full;
    int32_t mergeAs = 0;
    int32_t rosterMin = 0;
    int32_t rosterMax = 0;
    int32_t startMin = 0;
    int32_t startMax = 0;
    bool inUse = false;
  };
  const Slot& Find(int32_t posID) const;
  Slot* FindForWrite(int32_t posID);
  static void Reset(Slot& slot);

  std::vector<Slot> slots_{Slot{}};
};
