#pragma once
// Positions of records by their numeric id, for the lists that are loaded
// from a projected-stats file (categories, display formats). Ids are small
// in practice and looked up once per cell or scoring rule, so they live in a
// dense array; an id far beyond any real one (a damaged or hostile file) goes
// to a side map instead of sizing the array by a number read from the file.

#include <cstdint>
#include <unordered_map>
#include <vector>

class IdPositionMap {
 public:
  static constexpr int32_t kDenseLimit = 1 << 16;

  void Clear() {
    dense_.clear();
    sparse_.clear();
  }

  // Records the position of id (a later call for the same id replaces it).
  // Negative ids are not recorded.
  void Set(int32_t id, int32_t position) {
    if (id < 0) return;
    if (id < kDenseLimit) {
      const auto at = static_cast<std::size_t>(id);
      if (at >= dense_.size()) dense_.resize(at + 1, -1);
      dense_[at] = position;
    } else {
      sparse_[id] = position;
    }
  }

  // The position of id, -1 when it was never recorded.
  int32_t Find(int32_t id) const {
    if (id < 0) return -1;
    if (id < kDenseLimit) {
      const auto at = static_cast<std::size_t>(id);
      return at < dense_.size() ? dense_[at] : -1;
    }
    auto it = sparse_.find(id);
    return it == sparse_.end() ? -1 : it->second;
  }

 private:
  std::vector<int32_t> dense_;
  std::unordered_map<int32_t, int32_t> sparse_;
};
