#pragma once
// One user mock draft in memory and its file (".ugm",
// docs/file-format-ugm.md): the owners with their names and strategy files,
// the board (owning team, player and position per pick), the roster-size
// records, keepers carried through load and save, and the draft rounds.
//
// Owners, picks, roster-size records and keepers are indexed from 0 (the
// draft board and the league number teams from 1). An index outside a list
// throws std::out_of_range.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draft_inputs/LGPRecords.h"

class clsMockDraft;

using UGMOwnerRecord = LGPTeamRecord;
using UGMPickRecord = LGPPickRecord;

class clsUserMockIsolate {
 public:
  static constexpr std::string_view kSignature = "Vellacorn User Mock";
  static constexpr int32_t kVersion = 1;
  // Largest file read: far above any league's owners, picks and keepers.
  // A larger one would take about twice its size in memory.
  static constexpr uint64_t kMaxFileBytes = 4ull * 1024 * 1024;

  const std::string& FilePath() const { return filePath_; }
  void SetFilePath(std::string path) { filePath_ = std::move(path); }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string name) { fileName_ = std::move(name); }

  int32_t DraftRounds() const { return draftRounds_; }
  void SetDraftRounds(int32_t rounds) { draftRounds_ = rounds; }

  // Let n >= 1 resizes keeping the owners there; n <= 0 makes the count 0
  // and keeps the storage.
  int32_t OwnerCount() const { return ownerCount_; }
  void SetOwnerCount(int32_t n);
  int32_t OwnerID(int32_t owner) const;
  void SetOwnerID(int32_t owner, int32_t id);
  // 50 characters, blank-padded (callers trim); Let pads or cuts.
  const std::string& OwnerName(int32_t owner) const;
  void SetOwnerName(int32_t owner, std::string_view name);
  const std::string& OwnerStrategy(int32_t owner) const;
  void SetOwnerStrategy(int32_t owner, std::string_view fileName);

  // Let n >= 1 resizes keeping the picks there; n <= 0 empties the board.
  int32_t BoardCount() const { return static_cast<int32_t>(board_.size()); }
  void SetBoardCount(int32_t n);
  int32_t BoardOwnerID(int32_t pick) const;
  void SetBoardOwnerID(int32_t pick, int32_t team);
  int32_t BoardMasterID(int32_t pick) const;
  void SetBoardMasterID(int32_t pick, int32_t masterID);
  int32_t BoardPosID(int32_t pick) const;
  void SetBoardPosID(int32_t pick, int32_t posID);

  // Let n >= 1 resizes keeping the keepers there; n <= 0 empties the list.
  int32_t KeeperCount() const { return static_cast<int32_t>(keepers_.size()); }
  void SetKeeperCount(int32_t n);
  int32_t KeeperOwnerID(int32_t keeper) const;
  void SetKeeperOwnerID(int32_t keeper, int32_t team);
  int32_t KeeperMasterID(int32_t keeper) const;
  void SetKeeperMasterID(int32_t keeper, int32_t masterID);
  int32_t KeeperPosID(int32_t keeper) const;
  void SetKeeperPosID(int32_t keeper, int32_t posID);

  // Roster-size record by index.
  int32_t PosID(int32_t index) const;
  int32_t MergeAsID(int32_t index) const;
  int32_t RosterMin(int32_t index) const;
  int32_t RosterMax(int32_t index) const;
  int32_t StarterMin(int32_t index) const;
  int32_t StarterMax(int32_t index) const;
  int32_t RosterSizeCount() const { return static_cast<int32_t>(rosterSizes_.size()); }
  // Index of the first record of the position; -1 when it has none.
  int32_t RosterIndex(int32_t posID) const;
  void AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax, int32_t rosterMin,
                             int32_t starterMax, int32_t starterMin);
  void ClearRosterPositions() { rosterSizes_.clear(); }
  // Every roster-size record, from index 0 up, into the board.
  void TransferRosterSizeToMock(clsMockDraft& mock) const;

  // Reads FilePath & FileName. A file below 20 bytes answers False quietly;
  // a missing, foreign or damaged file is reported under "Load User Mock
  // Error", an unreadable one or one above kMaxFileBytes under "Open File
  // Error", and answers False. A failed load changes nothing.
  bool LoadUserMock();
  // Writes FilePath & FileName atomically; "Save User Mock Error" on failure.
  bool SaveUserMock();

 private:
  std::string FileBytes() const;
  UGMOwnerRecord& Owner(int32_t owner);
  const UGMOwnerRecord& Owner(int32_t owner) const;
  const LGPRosterSizeRecord& RosterSize(int32_t index) const;

  std::string filePath_;
  std::string fileName_;
  std::vector<UGMOwnerRecord> owners_;
  int32_t ownerCount_ = 0;
  std::vector<UGMPickRecord> board_;
  std::vector<LGPRosterSizeRecord> rosterSizes_;
  std::vector<UGMPickRecord> keepers_;
  int32_t draftRounds_ = 0;
};
