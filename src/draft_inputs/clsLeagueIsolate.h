#pragma once
// One league-properties document in memory and its file (".lgp",
// docs/file-format-lgp.md): the teams with their names and draft-strategy
// files, rounds and draft style, the stored ("created") draft order, the
// roster and starter limits per position, and keepers that are carried from
// load to save untouched.
//
// Teams are addressed 1..TeamCount, picks and roster-size records from 0. An
// index outside a list throws std::out_of_range.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draft_inputs/LGPRecords.h"

// The eight Longs of the file header. The four counts hold the file's values
// after a load and are recomputed from the lists on save.
struct LGPFileHeader {
  int32_t TeamCount = 0;
  int32_t BoardCount = 0;
  int32_t RosterSizeCount = 0;
  int32_t KeeperCount = 0;
  int32_t DraftRounds = 0;
  int32_t DraftStyle = 0;  // 0 serpentine, 1 cyclic
  int32_t CreatedDraftRounds = 0;
  int32_t CreatedTeamCount = 0;
};

class clsLeagueIsolate {
 public:
  static constexpr std::string_view kSignature = "Vellacorn League Properties";
  static constexpr int32_t kVersion = 1;
  static constexpr int32_t kMaxTeamCount = 256;
  static constexpr int32_t kMaxBoardCount = 10000;
  static constexpr int32_t kMaxRosterSizeCount = 30;
  static constexpr int32_t kMaxKeeperCount = 10000;

  const std::string& FilePath() const { return filePath_; }
  void SetFilePath(std::string path) { filePath_ = std::move(path); }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string name) { fileName_ = std::move(name); }

  // Let n >= 1 resizes keeping the teams there; n <= 0 makes the count 0 and
  // keeps the storage, so a later Let n brings earlier teams back.
  int32_t TeamCount() const { return teamCount_; }
  void SetTeamCount(int32_t n);
  // 50 characters as stored (blank-padded); Let pads or cuts.
  const std::string& TeamName(int32_t team) const;
  void SetTeamName(int32_t team, std::string_view name);
  const std::string& Strategy(int32_t team) const;
  void SetStrategy(int32_t team, std::string_view fileName);

  int32_t DraftStyle() const { return header_.DraftStyle; }
  void SetDraftStyle(int32_t style) { header_.DraftStyle = style; }
  int32_t DraftRounds() const { return header_.DraftRounds; }
  void SetDraftRounds(int32_t rounds) { header_.DraftRounds = rounds; }
  int32_t CreatedDraftRounds() const { return header_.CreatedDraftRounds; }
  void SetCreatedDraftRounds(int32_t rounds) { header_.CreatedDraftRounds = rounds; }
  int32_t CreatedTeamCount() const { return header_.CreatedTeamCount; }
  void SetCreatedTeamCount(int32_t teams) { header_.CreatedTeamCount = teams; }
  // A created order is used only when it covers teams x rounds picks and
  // every pick belongs to one of the league's teams: a damaged file must not
  // hand picks to teams that do not exist.
  bool IsCreatedOrderUsable(int32_t teams, int32_t rounds) const;
  // The first teams x rounds picks of the created order (checked usable).
  std::vector<int32_t> CreatedOrder(int32_t teams, int32_t rounds) const;

  // The created draft order: the team owning each pick.
  int32_t Pick(int32_t pick) const;
  void SetPick(int32_t pick, int32_t owner);
  int32_t PickCount() const { return pickCount_; }
  void SetPickCount(int32_t n);

  // Roster-size records by index.
  int32_t RosterPosID(int32_t index) const;
  void SetRosterPosID(int32_t index, int32_t posID);
  int32_t RosterSizeCount() const { return rosterSizeCount_; }
  void SetRosterSizeCount(int32_t n);
  // Index of the first record of the position; -1 when it has none.
  int32_t RosterIndex(int32_t posID) const;

  // Limits of the first record of the position; 0 when it has none.
  int32_t RosterMax(int32_t posID) const;
  int32_t RosterMin(int32_t posID) const;
  int32_t StarterMax(int32_t posID) const;
  int32_t StarterMin(int32_t posID) const;
  // The position itself when it has no record.
  int32_t MergeAsID(int32_t posID) const;

  // Appends a record without looking for one of the same position.
  void AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax, int32_t rosterMin,
                             int32_t starterMax, int32_t starterMin);
  void ClearRosterPositions();

  // Reads FilePath & FileName. False, and the document unchanged, when the
  // file is missing, shorter than a header or damaged; counts out of range
  // are reported under "LGPHeader Corrupt" first unless silent (readers that
  // only look, such as a document's summary, must not pop a message).
  // `unreported`, when given, receives why a failure that showed no message
  // failed, so that a page can say it once; "" after the message above.
  bool LoadLeagueProps(bool silent = false, std::string* unreported = nullptr);
  // Writes FilePath & FileName atomically; "Open File Error" on failure.
  bool SaveLeagueProps();
  // Checks the four counts of the header as last read. With collect, one
  // line per failing count is appended to message. True when all are in range.
  bool VerifyHeaderValues(std::string& message, bool collect) const;

 private:
  std::string FileBytes() const;
  const LGPRosterSizeRecord* FindRosterSize(int32_t posID) const;

  std::string filePath_;
  std::string fileName_;
  LGPFileHeader header_;
  std::vector<LGPTeamRecord> teams_;
  int32_t teamCount_ = 0;
  std::vector<LGPPickRecord> picks_;
  int32_t pickCount_ = 0;
  std::vector<LGPRosterSizeRecord> rosterSizes_;
  int32_t rosterSizeCount_ = 0;
  std::vector<LGPPickRecord> keepers_;
  int32_t keeperCount_ = 0;
};
