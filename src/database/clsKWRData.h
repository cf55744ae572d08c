#pragma once
// One player-record block's stat and scoring-yardage records, handed by the
// import to the database's stat and yardage writers, which read them by
// record number in runs of one player.
//
// Both lists are numbered from 1, as the writers address them; entry 0
// exists but is not used. Each list's upper bound starts at -1 (no entry).
// A record number outside the list is the caller's fault and throws
// std::out_of_range.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "database/KWRRecords.h"

class clsKWRData {
 public:
  int32_t StatMax() const { return static_cast<int32_t>(stats_.size()) - 1; }
  int32_t ScoYMax() const { return static_cast<int32_t>(yardage_.size()) - 1; }

  // Reallocates the list as entries 0 to n, all empty; n = -1 empties it.
  void SetStatMax(int32_t n) { Resize(stats_, n); }
  void SetScoYMax(int32_t n) { Resize(yardage_, n); }

  void SetStat(int32_t i, int32_t masID, uint8_t teaID, uint8_t week, uint8_t field, float newValue) {
    At(stats_, i, "Stat") = KWRStatRecord{masID, teaID, week, field, newValue};
  }
  void SetScoY(int32_t i, int32_t masID, uint8_t teaID, uint8_t week, uint8_t type, float yards) {
    At(yardage_, i, "ScoY") = KWRStatRecord{masID, teaID, week, type, yards};
  }

  int32_t StatMasID(int32_t i) const { return At(stats_, i, "Stat").MasID; }
  uint8_t StatTeaID(int32_t i) const { return At(stats_, i, "Stat").TeaID; }
  uint8_t StatWeek(int32_t i) const { return At(stats_, i, "Stat").Week; }
  uint8_t StatField(int32_t i) const { return At(stats_, i, "Stat").Field; }
  float StatNewValue(int32_t i) const { return At(stats_, i, "Stat").NewValue; }

  int32_t ScoYMasID(int32_t i) const { return At(yardage_, i, "ScoY").MasID; }
  uint8_t ScoYWeek(int32_t i) const { return At(yardage_, i, "ScoY").Week; }
  uint8_t ScoYType(int32_t i) const { return At(yardage_, i, "ScoY").Field; }
  float ScoYYards(int32_t i) const { return At(yardage_, i, "ScoY").NewValue; }

 private:
  static void Resize(std::vector<KWRStatRecord>& list, int32_t n) {
    if (n < -1) throw std::out_of_range("clsKWRData: upper bound " + std::to_string(n));
    list.assign(static_cast<std::size_t>(static_cast<int64_t>(n) + 1), KWRStatRecord{});
  }
  static const KWRStatRecord& At(const std::vector<KWRStatRecord>& list, int32_t i, const char* kind) {
    if (i < 0 || static_cast<std::size_t>(i) >= list.size()) {
      throw std::out_of_range(std::string("clsKWRData: ") + kind + " record " + std::to_string(i) +
                              " outside 0.." + std::to_string(static_cast<int64_t>(list.size()) - 1));
    }
    return list[static_cast<std::size_t>(i)];
  }
  static KWRStatRecord& At(std::vector<KWRStatRecord>& list, int32_t i, const char* kind) {
    return const_cast<KWRStatRecord&>(At(std::as_const(list), i, kind));
  }

  std::vector<KWRStatRecord> stats_;
  std::vector<KWRStatRecord> yardage_;
};
