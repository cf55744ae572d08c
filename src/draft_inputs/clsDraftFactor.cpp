#include "draft_inputs/clsDraftFactor.h"

#include <stdexcept>
#include <string>
#include <unordered_map>

clsDraftFactor::Entry& clsDraftFactor::At(int32_t ndx) {
  if (ndx < 0 || ndx >= FactorCount())
    throw std::out_of_range("draft factor entry " + std::to_string(ndx) + " does not exist");
  return entries_[static_cast<std::size_t>(ndx)];
}

const clsDraftFactor::Entry& clsDraftFactor::At(int32_t ndx) const {
  if (ndx < 0 || ndx >= FactorCount())
    throw std::out_of_range("draft factor entry " + std::to_string(ndx) + " does not exist");
  return entries_[static_cast<std::size_t>(ndx)];
}

int32_t clsDraftFactor::PositionByNdx(int32_t ndx) const { return At(ndx).posID; }
void clsDraftFactor::SetPositionByNdx(int32_t ndx, int32_t posID) { At(ndx).posID = posID; }
double clsDraftFactor::FactorByNdx(int32_t ndx) const { return At(ndx).factor; }
void clsDraftFactor::SetFactorByNdx(int32_t ndx, double factor) { At(ndx).factor = factor; }

double clsDraftFactor::Factor(int32_t posID) const {
  for (const Entry& e : entries_)
    if (e.posID == posID) return e.factor;
  return 1.0;
}

void clsDraftFactor::SetFactor(int32_t posID, double factor) {
  for (Entry& e : entries_) {
    if (e.posID == posID) {
      e.factor = factor;
      return;
    }
  }
  entries_.push_back(Entry{posID, factor});
}

void clsDraftFactor::AssignFactors(std::span<const std::pair<int32_t, double>> pairs) {
  entries_.clear();
  std::unordered_map<int32_t, std::size_t> at;  // posID -> its entry
  for (const auto& [posID, factor] : pairs) {
    auto [it, added] = at.emplace(posID, entries_.size());
    if (added) {
      entries_.push_back(Entry{posID, factor});
    } else {
      entries_[it->second].factor = factor;
    }
  }
}
