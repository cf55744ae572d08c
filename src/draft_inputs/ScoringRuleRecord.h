#pragma once
// One scoring rule as the scoring system holds it and as a .sco file stores
// it (docs/file-format-sco.md). The numeric fields stay Singles so that a
// rule read from a file is written back bit for bit.

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>

struct ScoringRuleRecord {
  float Points = 0.0f;        // points per unit, or the points of a threshold rule
  int32_t CatID = 0;          // stat category; the editor marks a removed rule with -1
  float FieldVal = 0.0f;      // units per point step; -99999 marks a threshold rule
  float RangeMin = 0.0f;
  float RangeMax = 0.0f;
  int16_t RangeRestrict = 0;  // 16-bit Boolean, kept as stored
  int32_t ApplyToPos = 0;     // position mask, bit i for position ID i
  int16_t FDM = 0;            // 16-bit Boolean: score through the distribution map
  bool operator==(const ScoringRuleRecord&) const = default;
};

// The first of Points, FieldVal, RangeMin and RangeMax (by that name) that
// is not a finite number, nullptr when all are: scored, such a value would
// give points no field or database can hold.
inline const char* NonFiniteField(const ScoringRuleRecord& r) {
  for (const auto& [field, value] :
       {std::pair{"Points", r.Points}, std::pair{"FieldVal", r.FieldVal}, std::pair{"RangeMin", r.RangeMin},
        std::pair{"RangeMax", r.RangeMax}})
    if (!std::isfinite(value)) return field;
  return nullptr;
}

// FieldVal of a threshold rule.
inline constexpr float kThresholdRule = -99999.0f;
