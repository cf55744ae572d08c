#pragma once
// One kind of draft factor of a strategy: a multiplier per position. A
// position without an entry has the factor 1.0, so an empty table changes
// nothing.

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

class clsDraftFactor {
 public:
  // The three kinds; the same numbers are a rule's factor flags.
  static constexpr int32_t kLRTR = 0;
  static constexpr int32_t kInjury = 1;
  static constexpr int32_t kX = 2;
  // The largest magnitude a factor may have: the most the factor column
  // takes in its seven typed characters without an exponent. The draft
  // multiplies factors together; far larger ones would overflow to
  // infinities whose product is not a number.
  static constexpr double kMaxMagnitude = 9999999.0;

  clsDraftFactor() = default;

  void Clear() { entries_.clear(); }

  int32_t FactorCount() const { return static_cast<int32_t>(entries_.size()); }

  // Entries by their index from 0, in the order they were added. An index
  // outside 0..FactorCount() - 1 throws std::out_of_range.
  int32_t PositionByNdx(int32_t ndx) const;
  void SetPositionByNdx(int32_t ndx, int32_t posID);
  double FactorByNdx(int32_t ndx) const;
  void SetFactorByNdx(int32_t ndx, double factor);

  int32_t FactorType() const { return factorType_; }
  void SetFactorType(int32_t factorType) { factorType_ = factorType; }

  // The factor of a position: the first entry holding posID, else 1.0.
  double Factor(int32_t posID) const;
  // Updates the first entry holding posID, or appends one.
  void SetFactor(int32_t posID, double factor);
  // Replaces every entry with what SetFactor for each pair in turn would
  // leave, in time linear in the number of pairs (a file's table can be
  // long).
  void AssignFactors(std::span<const std::pair<int32_t, double>> pairs);

 private:
  struct Entry {
    int32_t posID = 0;
    double factor = 1.0;
  };
  Entry& At(int32_t ndx);
  const Entry& At(int32_t ndx) const;

  int32_t factorType_ = 0;
  std::vector<Entry> entries_;
};
