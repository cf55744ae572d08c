#pragma once
// The draft board of one mock draft, automatic or user generated: the teams
// with their names and strategy files, the draft settings, the league's
// roster-size record per position with its roster and starter baselines, and
// the picks in the order they were made.
//
// A plain container: it validates nothing. Teams are numbered 1..OwnerCount,
// picks from 0 to Count. An index outside a list throws std::out_of_range.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draft_inputs/LGPRecords.h"

class clsMockDraft {
 public:
  static constexpr std::size_t kPlayerNameWidth = 45;
  static constexpr std::size_t kOwnerNameWidth = 50;

  clsMockDraft();

  // True: the run builds its draft order from DraftStyle.
  bool CreateDraftOrder() const { return createDraftOrder_; }
  void SetCreateDraftOrder(bool create) { createDraftOrder_ = create; }
  int32_t DraftStyle() const { return draftStyle_; }
  void SetDraftStyle(int32_t style) { draftStyle_ = style; }
  int32_t DraftRounds() const { return draftRounds_; }
  void SetDraftRounds(int32_t rounds) { draftRounds_ = rounds; }

  // Position lookups take the first record of the position; a position that
  // was never added reads (and writes the baselines of) the empty record 0.
  int32_t MergeAsID(int32_t posID) const;
  int32_t RosterMax(int32_t posID) const;
  int32_t StarterMax(int32_t posID) const;
  double RBL(int32_t posID) const;
  void SetRBL(int32_t posID, double value);
  double SBL(int32_t posID) const;
  void SetSBL(int32_t posID, double value);
  // PosID of a record by index (0 is the empty record).
  int32_t PosID(int32_t index) const;
  // Number of records added, which is the highest record index.
  int32_t ActivePositionMax() const { return activePositionMax_; }
  void AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax, int32_t rosterMin,
                             int32_t starterMax, int32_t starterMin);

  // Appends a pick holding only the player and his points; returns its index.
  int32_t AddPlayer(int32_t masterID, double points);
  // Makes room for n more picks at once (a draft knows how many it makes).
  void ReservePicks(int32_t n) { picks_.reserve(picks_.size() + static_cast<std::size_t>(std::max(n, 0))); }
  // Highest pick index, -1 when empty. Let n keeps the picks there and adds
  // empty ones up to index n.
  int32_t Count() const { return static_cast<int32_t>(picks_.size()) - 1; }
  void SetCount(int32_t n);

  // Let n keeps names and strategy files of teams 1..n.
  int32_t OwnerCount() const { return ownerCount_; }
  void SetOwnerCount(int32_t n);
  // 50 characters, blank-padded.
  const std::string& OwnerName(int32_t team) const;
  void SetOwnerName(int32_t team, std::string_view name);
  const std::string& DraftStrategyFile(int32_t team) const;
  void SetDraftStrategyFile(int32_t team, std::string_view fileName);

  int32_t MasterID(int32_t pick) const { return At(pick).MasterID; }
  void SetMasterID(int32_t pick, int32_t masterID) { At(pick).MasterID = masterID; }
  double Points(int32_t pick) const { return At(pick).Points; }
  void SetPoints(int32_t pick, double points) { At(pick).Points = points; }
  int32_t Position(int32_t pick) const { return At(pick).Position; }
  void SetPosition(int32_t pick, int32_t posID) { At(pick).Position = posID; }
  int32_t DraftPosition(int32_t pick) const { return At(pick).DraftPosition; }
  void SetDraftPosition(int32_t pick, int32_t number) { At(pick).DraftPosition = number; }
  int32_t DraftOwner(int32_t pick) const { return At(pick).DraftOwner; }
  void SetDraftOwner(int32_t pick, int32_t team) { At(pick).DraftOwner = team; }
  // 45 characters, blank-padded.
  const std::string& PlayerName(int32_t pick) const { return At(pick).PlayerName; }
  void SetPlayerName(int32_t pick, std::string_view name);
  double BaseLine(int32_t pick) const { return At(pick).BaseLine; }
  void SetBaseLine(int32_t pick, double value) { At(pick).BaseLine = value; }

  // The first pick holding the player; -1 when he is on no pick.
  int32_t PlayerDraftNdx(int32_t masterID) const;
  // The owning team's own pick number at that pick (1 for its first).
  int32_t TeamPick(int32_t pick) const;

 private:
  struct PickRecord {
    int32_t MasterID = 0;
    std::string PlayerName = BlankPlayerName();
    int32_t Position = 0;
    double Points = 0;
    double BaseLine = 0;
    int32_t DraftPosition = 0;
    int32_t DraftOwner = 0;
  };

  // A name field with no name: kPlayerNameWidth blanks.
  static const std::string& BlankPlayerName();
  PickRecord& At(int32_t pick);
  const PickRecord& At(int32_t pick) const;
  std::size_t RosterRecordIndex(int32_t posID) const;

  std::vector<PickRecord> picks_;
  int32_t ownerCount_ = 0;
  std::vector<std::string> ownerNames_;           // 0..OwnerCount
  std::vector<std::string> strategyFiles_;        // 0..OwnerCount
  std::vector<LGPRosterSizeRecord> rosterSizes_;  // 0 is the empty record
  std::vector<double> rbl_;
  std::vector<double> sbl_;
  int32_t activePositionMax_ = 0;
  int32_t draftRounds_ = 0;
  int32_t draftStyle_ = 0;
  bool createDraftOrder_ = true;
};
