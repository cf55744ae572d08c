#pragma once
// One scoring rule appended with every field given, for the scoring-file tests.

#include <cstdint>

#include "draft_inputs/clsScoringIsolate.h"

inline void AddRule(clsScoringIsolate& s, float points, int32_t cat, float fieldVal, float lo, float hi,
                    int16_t restrict, int32_t mask, int16_t fdm) {
  s.AddNew();
  s.SetPoints(points);
  s.SetCatID(cat);
  s.SetFieldVal(fieldVal);
  s.SetRangeMin(lo);
  s.SetRangeMax(hi);
  s.SetRangeRestrict(restrict);
  s.SetApplyToPos(mask);
  s.SetFDM(fdm);
}
