#include "draft_inputs/clsDraftStrategy.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <stdexcept>
#include <utility>

#include "core/Seams.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/Encoding.h"
#include "platform/runtime/FileIO.h"

// File layout: docs/file-format-stg.md.
namespace {

constexpr std::string_view kSignature = "Vellacorn Draft Strategy";
constexpr int32_t kVersion = 2;
constexpr uint64_t kHeaderBytes = 40;
constexpr uint64_t kRuleBytesV1 = 190;
constexpr uint64_t kRuleBytesV2 = 192;
constexpr uint64_t kFactorHeaderBytes = 8;
constexpr uint64_t kFactorEntryBytes = 12;

std::out_of_range RuleError(int32_t rule) {
  return std::out_of_range("strategy rule " + std::to_string(rule) + " does not exist");
}

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

}  // namespace

clsDraftStrategy::clsDraftStrategy() { Clear(); }

void clsDraftStrategy::Clear() {
  rules_.clear();
  factors_.clear();
}

clsDraftStrategy::Rule& clsDraftStrategy::At(int32_t rule) {
  if (rule < 0 || rule >= Count()) throw RuleError(rule);
  return rules_[static_cast<std::size_t>(rule)];
}

const clsDraftStrategy::Rule& clsDraftStrategy::At(int32_t rule) const {
  if (rule < 0 || rule >= Count()) throw RuleError(rule);
  return rules_[static_cast<std::size_t>(rule)];
}

void clsDraftStrategy::DeleteStrategy(int32_t rule) {
  At(rule);
  rules_.erase(rules_.begin() + rule);
}

void clsDraftStrategy::AddFactor(int32_t factorType) {
  clsDraftFactor factor;
  factor.SetFactorType(factorType);
  factors_.push_back(std::move(factor));
}

int32_t clsDraftStrategy::LastFactorOfType(int32_t factorType) const {
  for (int32_t i = static_cast<int32_t>(factors_.size()) - 1; i >= 0; --i)
    if (factors_[static_cast<std::size_t>(i)].FactorType() == factorType) return i;
  return -1;
}

double clsDraftStrategy::Factor(int32_t factorType, int32_t posID) const {
  const int32_t i = LastFactorOfType(factorType);
  return i < 0 ? 1.0 : factors_[static_cast<std::size_t>(i)].Factor(posID);
}

void clsDraftStrategy::SetFactor(int32_t factorType, int32_t posID, double value) {
  const int32_t i = LastFactorOfType(factorType);
  if (i >= 0) factors_[static_cast<std::size_t>(i)].SetFactor(posID, value);
}

bool clsDraftStrategy::UsingFactor(int32_t rule, int32_t flag) const {
  if (flag < 0 || flag > 2) throw std::out_of_range("factor flag " + std::to_string(flag));
  return At(rule).usingFactor[static_cast<std::size_t>(flag)];
}

void clsDraftStrategy::SetUsingFactor(int32_t rule, int32_t flag, bool value) {
  if (flag < 0 || flag > 2) throw std::out_of_range("factor flag " + std::to_string(flag));
  At(rule).usingFactor[static_cast<std::size_t>(flag)] = value;
}

int32_t clsDraftStrategy::BegPick(int32_t rule) const { return At(rule).begPick; }
void clsDraftStrategy::SetBegPick(int32_t rule, int32_t value) { At(rule).begPick = value; }
bool clsDraftStrategy::NoByeConflict(int32_t rule) const { return At(rule).noByeConflict; }
void clsDraftStrategy::SetNoByeConflict(int32_t rule, bool value) { At(rule).noByeConflict = value; }
int32_t clsDraftStrategy::EndPick(int32_t rule) const { return At(rule).endPick; }
void clsDraftStrategy::SetEndPick(int32_t rule, int32_t value) { At(rule).endPick = value; }
int32_t clsDraftStrategy::Method(int32_t rule) const { return At(rule).method; }
void clsDraftStrategy::SetMethod(int32_t rule, int32_t value) { At(rule).method = value; }
int32_t clsDraftStrategy::Compare(int32_t rule) const { return At(rule).compare; }
void clsDraftStrategy::SetCompare(int32_t rule, int32_t value) { At(rule).compare = value; }
int32_t clsDraftStrategy::Inclusion(int32_t rule) const { return At(rule).inclusion; }
void clsDraftStrategy::SetInclusion(int32_t rule, int32_t value) { At(rule).inclusion = value; }

clsDraftStrategy::PositionIDs clsDraftStrategy::PosInclusionIDs(int32_t rule) const {
  return At(rule).posInclusionIDs;
}

bool clsDraftStrategy::IsPositionValid(int32_t rule, std::string& message) const {
  const Rule& r = At(rule);
  bool any = false;
  int32_t others = 0;
  for (int32_t id : r.posInclusionIDs) {
    if (id == kAnyPositionID)
      any = true;
    else if (id != 0)
      ++others;
  }
  // Each later finding replaces the message of an earlier one.
  bool valid = true;
  if (r.inclusion == 1 && any) {
    valid = false;
    message = " = No position.";
  }
  if (any && others > 0) {
    valid = false;
    message = " - [Any] used with other selected positions.";
  }
  if (r.positionCount < 1) {
    valid = false;
    message = "No positions selected.";
  }
  return valid;
}

void clsDraftStrategy::SetPosInclusionIDs(int32_t rule, std::span<const int32_t> ids) {
  Rule& r = At(rule);
  if (ids.size() > r.posInclusionIDs.size())
    throw std::out_of_range("a rule holds at most 40 position ids");
  std::copy(ids.begin(), ids.end(), r.posInclusionIDs.begin());
}

void clsDraftStrategy::AddPositionID(int32_t rule, int32_t posID) {
  Rule& r = At(rule);
  if (r.positionCount >= kMaxPositionIDs) throw std::out_of_range("a rule holds at most 40 position ids");
  r.posInclusionIDs[static_cast<std::size_t>(r.positionCount)] = posID;
  ++r.positionCount;
}

void clsDraftStrategy::RemovePositionID(int32_t rule, int32_t posID) {
  Rule& r = At(rule);
  auto used = r.posInclusionIDs.begin() + r.positionCount;
  auto found = std::find(r.posInclusionIDs.begin(), used, posID);
  if (found == used) return;
  std::copy(found + 1, used, found);
  *(used - 1) = 0;
  --r.positionCount;
}

void clsDraftStrategy::SetCount(int32_t count) { SetStrategyMax(count - 1); }

void clsDraftStrategy::SetStrategyMax(int32_t lastIndex) {
  if (lastIndex < -1) throw std::out_of_range("strategy rule index " + std::to_string(lastIndex));
  rules_.resize(static_cast<std::size_t>(lastIndex + 1));
}

void clsDraftStrategy::SwapRuleIndex(int32_t a, int32_t b) { std::swap(At(a), At(b)); }

bool clsDraftStrategy::LoadDraftStrategy(std::string* error) {
  // Teams name their strategies in league and draft files: a path there
  // must not lead out of the strategy folder.
  if (!runtime::IsBareFileName(fileName_)) return Fail(error, "The name is no file name of the strategy folder.");
  std::string readError;
  std::optional<std::string> bytes = runtime::ReadFileBytes(filePath_ + fileName_, &readError, kMaxFileBytes);
  if (!bytes) {
    if (error) *error = readError;
    return false;
  }
  runtime::ByteReader in(*bytes);
  if (!in.CanRead(kHeaderBytes)) return Fail(error, "The file is too short for a draft strategy.");
  if (in.Raw(kSignature.size()) != kSignature) return Fail(error, "The file is not a draft strategy.");
  const int32_t version = in.Long();
  const int32_t descriptionLength = in.Long();
  const int32_t ruleCount = in.Long();
  const int32_t factorCount = in.Long();
  if (version != 1 && version != kVersion) return Fail(error, "Unknown draft strategy version.");
  if (descriptionLength < 0 || ruleCount < 0 || factorCount < 0)
    return Fail(error, "The draft strategy header holds a negative count.");

  const uint64_t ruleBytes = version == 1 ? kRuleBytesV1 : kRuleBytesV2;
  if (!in.CanRead(static_cast<uint64_t>(descriptionLength) + static_cast<uint64_t>(ruleCount) * ruleBytes +
                  static_cast<uint64_t>(factorCount) * kFactorHeaderBytes))
    return Fail(error, "The draft strategy runs past the end of the file.");

  // Everything is read into locals first so that a damaged file changes nothing.
  std::string description = runtime::Cp1252ToUtf8(in.Raw(static_cast<std::size_t>(descriptionLength)));

  std::vector<Rule> rules(static_cast<std::size_t>(ruleCount));
  for (Rule& r : rules) {
    r.begPick = in.Long();
    r.endPick = in.Long();
    r.method = in.Long();
    r.compare = in.Long();
    for (bool& flag : r.usingFactor) flag = in.Boolean();
    r.inclusion = in.Long();
    // A count outside the 40 slots would let the slot edits run off the list.
    r.positionCount = std::clamp(in.Long(), 0, kMaxPositionIDs);
    r.noByeConflict = version == 1 ? false : in.Boolean();
    for (int32_t& id : r.posInclusionIDs) id = in.Long();
  }

  std::vector<clsDraftFactor> factors(static_cast<std::size_t>(factorCount));
  for (clsDraftFactor& factor : factors) {
    if (!in.CanRead(kFactorHeaderBytes)) return Fail(error, "The draft strategy runs past the end of the file.");
    factor.SetFactorType(in.Long());
    const int32_t entries = in.Long();
    if (entries < 0) return Fail(error, "A draft factor holds a negative count.");
    if (!in.CanRead(static_cast<uint64_t>(entries) * kFactorEntryBytes))
      return Fail(error, "The draft strategy runs past the end of the file.");
    std::vector<std::pair<int32_t, double>> pairs(static_cast<std::size_t>(entries));
    for (auto& [posID, value] : pairs) {
      posID = in.Long();
      value = in.Double();
      // A factor multiplies a player's value in the draft: one that is not a
      // number, or so large that a product of factors is not, would make
      // every comparison of its position meaningless.
      if (!std::isfinite(value)) return Fail(error, "A draft factor is not a number.");
      if (std::fabs(value) > clsDraftFactor::kMaxMagnitude)
        return Fail(error, "A draft factor is out of range: it may be at most 9,999,999 in magnitude.");
    }
    factor.AssignFactors(pairs);
  }
  if (!in.Ok()) return Fail(error, "The draft strategy runs past the end of the file.");

  // Bytes after the last factor are ignored: earlier saves could leave the
  // tail of a longer file behind.
  description_ = std::move(description);
  rules_ = std::move(rules);
  factors_ = std::move(factors);
  return true;
}

bool clsDraftStrategy::SaveDraftStrategy() {
  if (description_.empty()) description_ = " ";
  const std::string description = runtime::Utf8ToCp1252(description_);

  runtime::ByteWriter out;
  out.Raw(kSignature);
  out.Long(kVersion);
  out.Long(static_cast<int32_t>(description.size()));
  out.Long(Count());
  out.Long(static_cast<int32_t>(factors_.size()));
  out.Raw(description);
  for (const Rule& r : rules_) {
    out.Long(r.begPick);
    out.Long(r.endPick);
    out.Long(r.method);
    out.Long(r.compare);
    for (bool flag : r.usingFactor) out.Boolean(flag);
    out.Long(r.inclusion);
    out.Long(r.positionCount);
    out.Boolean(r.noByeConflict);
    for (int32_t id : r.posInclusionIDs) out.Long(id);
  }
  for (const clsDraftFactor& factor : factors_) {
    out.Long(factor.FactorType());
    out.Long(factor.FactorCount());
    for (int32_t i = 0; i < factor.FactorCount(); ++i) {
      out.Long(factor.PositionByNdx(i));
      out.Double(factor.FactorByNdx(i));
    }
  }

  std::string error;
  if (!runtime::SaveFileAtomically(filePath_ + fileName_, out.Data(), &error)) {
    seams::MessageBox().PlainMessage(error, seams::PlainButtons::kOk, seams::PlainIcon::kNone,
                                     "Draft Strategy Save Error");
    return false;
  }
  return true;
}
