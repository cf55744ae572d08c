#include "draft_inputs/clsScoringIsolate.h"

#include <stdexcept>
#include <unordered_map>

#include "core/Seams.h"
#include "platform/runtime/Rounding.h"

namespace {
// Drops the last n characters (not bytes) of UTF-8 text; "" when it is shorter.
std::string DropLastCharacters(const std::string& text, int n) {
  std::size_t end = text.size();
  while (n > 0 && end > 0) {
    --end;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    --n;
  }
  return n > 0 ? std::string() : text.substr(0, end);
}
}  // namespace

void clsScoringIsolate::SetFilePath(const std::string& path) {
  filePath_ = path;
  name_ = DropLastCharacters(path, 4);
}

void clsScoringIsolate::Move(int32_t index) {
  const int32_t last = RecordCount() - 1;
  if (index < -1 || index > last + 1) {
    seams::MessageBox().PlainMessage("Scoring Isolate Error - Out of Range", seams::PlainButtons::kOk,
                                     seams::PlainIcon::kNone, "Kickwell Draftyard");
    return;
  }
  bof_ = index < 0;
  eof_ = index > last;
  cursor_ = index;
}

void clsScoringIsolate::MoveNext() { Move(cursor_ + 1); }
void clsScoringIsolate::MovePrevious() { Move(cursor_ - 1); }
void clsScoringIsolate::MoveFirst() { Move(0); }
void clsScoringIsolate::MoveLast() { Move(RecordCount() - 1); }

void clsScoringIsolate::Clear() {
  rules_.clear();
  maps_.clear();
  mapIndex_.clear();
  cursor_ = 0;
  bof_ = true;
  eof_ = true;
}

void clsScoringIsolate::AddNew() {
  rules_.push_back(Rule{});
  Move(RecordCount() - 1);
}

void clsScoringIsolate::SetRecordCount(int32_t n) {
  if (n <= 0) {
    rules_.clear();
    cursor_ = 0;
    bof_ = true;
    eof_ = true;
    return;
  }
  rules_.resize(static_cast<std::size_t>(n));
  if (cursor_ > n - 1) cursor_ = n - 1;
  Move(cursor_);
}

bool clsScoringIsolate::UsePos(int32_t PosID) const { return CurrentRule().positions.UsePos(PosID); }

void clsScoringIsolate::SetApplyToPos(int32_t mask) {
  Current().ApplyToPos = mask;
  rules_[static_cast<std::size_t>(cursor_)].positions.Refresh(mask);
}

const clsScoringIsolate::Rule& clsScoringIsolate::CurrentRule() const {
  if (cursor_ < 0 || cursor_ >= RecordCount()) {
    throw std::out_of_range("Scoring system: no rule under the cursor");
  }
  return rules_[static_cast<std::size_t>(cursor_)];
}

const ScoringRuleRecord& clsScoringIsolate::Current() const { return CurrentRule().fields; }
ScoringRuleRecord& clsScoringIsolate::Current() {
  CurrentRule();
  return rules_[static_cast<std::size_t>(cursor_)].fields;
}

void clsScoringIsolate::BuildMaps(const std::string& mapFolder) {
  mapIndex_.assign(rules_.size(), -1);
  // The first map of each category, looked up by category: a file can hold
  // many thousands of mapped rules, and searching the list for each one made
  // building the maps take minutes.
  std::unordered_map<int32_t, int32_t> byCategory;
  for (std::size_t m = 0; m < maps_.size(); ++m) byCategory.emplace(maps_[m].id(), static_cast<int32_t>(m));
  for (std::size_t r = 0; r < rules_.size(); ++r) {
    const ScoringRuleRecord& rule = rules_[r].fields;
    if (rule.FDM == 0) continue;
    const auto known = byCategory.find(rule.CatID);
    int32_t found = known == byCategory.end() ? -1 : known->second;
    if (found < 0) {
      // A map whose file is missing or refused stays empty: its rules then
      // score the plain value.
      clsFreqDistribution map;
      map.SetId(rule.CatID);
      if (map.LoadDistribution(mapFolder + std::to_string(rule.CatID) + "-FDM.txt")) {
        map.CreateBaseMap(16.0, 1.0);
      }
      maps_.push_back(std::move(map));
      found = static_cast<int32_t>(maps_.size()) - 1;
      byCategory.emplace(rule.CatID, found);
    }
    mapIndex_[r] = found;
  }
}

int32_t clsScoringIsolate::GetFDMap(double value, std::vector<double>& mapped) {
  CurrentRule();
  const std::size_t rule = static_cast<std::size_t>(cursor_);
  const int32_t at = rule < mapIndex_.size() ? mapIndex_[rule] : -1;
  if (at < 0 || at >= static_cast<int32_t>(maps_.size()) ||
      !maps_[static_cast<std::size_t>(at)].MapDistribution(value)) {
    mapped.assign(1, value);
    return 0;
  }
  const clsFreqDistribution& map = maps_[static_cast<std::size_t>(at)];
  int32_t k = runtime::CLng(map.Occurances() - 1.0);
  mapped.clear();
  for (int32_t i = 0; i <= k; ++i) mapped.push_back(runtime::RoundHalfEven(map.MapValue(i)));
  return k;
}
