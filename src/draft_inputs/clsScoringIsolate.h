#pragma once
// One scoring system in memory: an ordered list of scoring rules with a
// cursor in the manner of a record set. Every field accessor works on the
// rule under the cursor; reading or writing a field while the cursor stands
// before the first or after the last rule throws std::out_of_range.
//
// Rules with the FDM flag score through their category's distribution map;
// BuildMaps loads those maps and must run before GetFDMap.

#include <cstdint>
#include <string>
#include <vector>

#include "draft_inputs/ScoringRuleRecord.h"
#include "draft_inputs/clsFreqDistribution.h"
#include "draft_inputs/clsScoringPosApply.h"

class clsScoringIsolate {
 public:
  // Name is the path without its last four characters (the extension).
  const std::string& FilePath() const { return filePath_; }
  void SetFilePath(const std::string& path);

  // Every cursor move goes through the same rule: a target from -1 to
  // RecordCount() is accepted (BOF before the first rule, EOF after the
  // last); any other target shows "Scoring Isolate Error - Out of Range"
  // and changes nothing.
  void MoveNext();
  void MovePrevious();
  void MoveFirst();
  void MoveLast();
  void Move(int32_t index);

  // No rules, no maps, cursor 0, BOF and EOF true.
  void Clear();
  // Appends an empty rule and moves the cursor to it.
  void AddNew();
  // Resizes to n rules keeping the first ones; a cursor beyond the new last
  // rule moves to it.
  void SetRecordCount(int32_t n);
  int32_t RecordCount() const { return static_cast<int32_t>(rules_.size()); }
  bool IsEOF() const { return eof_; }
  bool IsBOF() const { return bof_; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  // The values to score for one stat value under the current rule: the
  // value itself, or the whole-number occurrence values of its distribution
  // map. Returns the upper index of mapped.
  int32_t GetFDMap(double value, std::vector<double>& mapped);
  // Loads the distribution maps of the rules with FDM set from
  // mapFolder + CatID + "-FDM.txt"; maps built earlier are reused by
  // category until Clear.
  void BuildMaps(const std::string& mapFolder);

  int32_t Index() const { return cursor_; }
  // The rule under the cursor, every field at once.
  const ScoringRuleRecord& Record() const { return Current(); }

  int16_t FDM() const { return Current().FDM; }
  void SetFDM(int16_t value) { Current().FDM = value; }
  bool UsePos(int32_t PosID) const;
  int32_t ApplyToPos() const { return Current().ApplyToPos; }
  void SetApplyToPos(int32_t mask);
  float Points() const { return Current().Points; }
  void SetPoints(float value) { Current().Points = value; }
  int32_t CatID() const { return Current().CatID; }
  void SetCatID(int32_t value) { Current().CatID = value; }
  // FieldVal read where it means "for every X units".
  float ForEveryX() const { return Current().FieldVal; }
  float FieldVal() const { return Current().FieldVal; }
  void SetFieldVal(float value) { Current().FieldVal = value; }
  float RangeMin() const { return Current().RangeMin; }
  void SetRangeMin(float value) { Current().RangeMin = value; }
  float RangeMax() const { return Current().RangeMax; }
  void SetRangeMax(float value) { Current().RangeMax = value; }
  int16_t RangeRestrict() const { return Current().RangeRestrict; }
  void SetRangeRestrict(int16_t value) { Current().RangeRestrict = value; }

 private:
  struct Rule {
    ScoringRuleRecord fields;
    clsScoringPosApply positions;
  };

  ScoringRuleRecord& Current();
  const ScoringRuleRecord& Current() const;
  const Rule& CurrentRule() const;

  std::vector<Rule> rules_;
  std::vector<clsFreqDistribution> maps_;
  std::vector<int32_t> mapIndex_;  // per rule, -1 when the rule has no map
  int32_t cursor_ = 0;
  bool bof_ = true;
  bool eof_ = true;
  std::string filePath_;
  std::string name_;
};
