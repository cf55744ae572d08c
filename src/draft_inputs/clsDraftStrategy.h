#pragma once
// One draft strategy: the ordered rules by which a team picks, each valid for
// a window of the team's picks, and the per-position draft factors. Reads and
// writes the ".stg" file; the layout is in docs/file-format-stg.md.
//
// Rules are addressed by their index from 0; an index outside 0..Count() - 1
// (and any other caller error named below) throws std::out_of_range.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "draft_inputs/clsDraftFactor.h"

class clsDraftStrategy {
 public:
  static constexpr int32_t kMaxPositionIDs = 40;
  static constexpr int32_t kLastPick = 999;  // EndPick shown as "Last"
  // Position ids in a rule: 1 is "Any"; +1000 marks a starter, +2000 the bench.
  static constexpr int32_t kAnyPositionID = 1;
  static constexpr int32_t kStarterMark = 1000;
  static constexpr int32_t kBenchMark = 2000;
  // Largest file read: thousands of rules and factors, where a real
  // strategy holds a few dozen.
  static constexpr uint64_t kMaxFileBytes = 4ull * 1024 * 1024;

  // Slot k of a rule's position list is element k - 1.
  using PositionIDs = std::array<int32_t, kMaxPositionIDs>;

  clsDraftStrategy();

  // No rules and no factors. Description, FilePath and
  // FileName stay as they are.
  void Clear();

  // Removes one rule; the later rules move down one place.
  void DeleteStrategy(int32_t rule);

  // Appends an empty factor table of that kind.
  void AddFactor(int32_t factorType);

  // The factor of a position in the strategy's table of that kind, 1.0 when
  // the strategy has no such table. With several tables of one kind the last
  // one counts; setting a factor of a kind without a table does nothing.
  double Factor(int32_t factorType, int32_t posID) const;
  // Whether the strategy holds a table of that kind.
  bool HasFactor(int32_t factorType) const { return LastFactorOfType(factorType) >= 0; }
  void SetFactor(int32_t factorType, int32_t posID, double factor);

  // Flags 0 "LR-TR", 1 "INJURY", 2 "X"; a flag outside 0..2 throws.
  bool UsingFactor(int32_t rule, int32_t flag) const;
  void SetUsingFactor(int32_t rule, int32_t flag, bool value);

  int32_t BegPick(int32_t rule) const;
  void SetBegPick(int32_t rule, int32_t value);
  bool NoByeConflict(int32_t rule) const;
  void SetNoByeConflict(int32_t rule, bool value);
  int32_t EndPick(int32_t rule) const;
  void SetEndPick(int32_t rule, int32_t value);
  int32_t Method(int32_t rule) const;
  void SetMethod(int32_t rule, int32_t value);
  int32_t Compare(int32_t rule) const;
  void SetCompare(int32_t rule, int32_t value);
  int32_t Inclusion(int32_t rule) const;
  void SetInclusion(int32_t rule, int32_t value);

  // A copy of the rule's 40 position slots.
  PositionIDs PosInclusionIDs(int32_t rule) const;

  // Checks the rule's position set. False with the reason in `message`;
  // True leaves `message` as it was.
  bool IsPositionValid(int32_t rule, std::string& message) const;

  // Copies ids into slots 1..ids.size(); the rule's position count and the
  // slots beyond stay as they are. More than 40 ids throws.
  void SetPosInclusionIDs(int32_t rule, std::span<const int32_t> ids);

  // Puts the id into the next slot; a 41st id throws.
  void AddPositionID(int32_t rule, int32_t posID);
  // Removes the first of the used slots that holds the id; nothing when absent.
  void RemovePositionID(int32_t rule, int32_t posID);

  const std::string& FilePath() const { return filePath_; }
  void SetFilePath(const std::string& path) { filePath_ = path; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name; }

  int32_t Count() const { return static_cast<int32_t>(rules_.size()); }
  // SetStrategyMax(n - 1).
  void SetCount(int32_t count);

  const std::string& Description() const { return description_; }
  void SetDescription(const std::string& text) { description_ = text; }

  // Resizes the rules to 0..lastIndex keeping the first ones; new rules are
  // all zero. -1 leaves no rules; below -1 throws.
  void SetStrategyMax(int32_t lastIndex);

  // Exchanges two whole rules (their order is the order they are tried in).
  void SwapRuleIndex(int32_t a, int32_t b);

  // Reads FilePath & FileName. False, with the object unchanged, for a
  // missing, short, foreign, damaged or too large (kMaxFileBytes) file;
  // `error` then says why.
  bool LoadDraftStrategy(std::string* error = nullptr);

  // Writes FilePath & FileName through a temporary file. On failure shows
  // the reason with the caption "Draft Strategy Save Error" and returns False.
  bool SaveDraftStrategy();

 private:
  struct Rule {
    int32_t begPick = 0;
    int32_t endPick = 0;
    int32_t method = 0;
    int32_t compare = 0;
    std::array<bool, 3> usingFactor{};
    int32_t inclusion = 0;
    int32_t positionCount = 0;
    bool noByeConflict = false;
    PositionIDs posInclusionIDs{};
  };

  Rule& At(int32_t rule);
  const Rule& At(int32_t rule) const;
  // Index of the last factor table of that kind, -1 when there is none.
  int32_t LastFactorOfType(int32_t factorType) const;

  std::string filePath_;
  std::string fileName_;
  std::string description_;
  std::vector<Rule> rules_;
  std::vector<clsDraftFactor> factors_;
};
