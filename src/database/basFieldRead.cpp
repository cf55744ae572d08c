#include "database/basFieldRead.h"

#include <cmath>
#include <limits>
#include <string>

#include "platform/jet/JetError.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/Value.h"
#include "platform/runtime/Rounding.h"

namespace basFieldRead {

namespace {

int64_t Whole(jet::Recordset& rs, const char* field, int64_t lo, int64_t hi) {
  const jet::Value& value = rs.Field(field);
  const double rounded = runtime::RoundHalfEven(value.AsDouble());
  if (!(rounded >= static_cast<double>(lo) && rounded <= static_cast<double>(hi))) {
    throw jet::JetError("The field " + std::string(field) + " of " + rs.Source() + " holds " +
                        value.AsText() + ", outside " + std::to_string(lo) + " to " + std::to_string(hi) +
                        ".");
  }
  return static_cast<int64_t>(rounded);
}

}  // namespace

int32_t LongOrZero(const jet::Value& value) {
  try {
    return value.AsLong();
  } catch (const runtime::OverflowError&) {
    return 0;
  }
}

uint8_t Byte(jet::Recordset& rs, const char* field) { return static_cast<uint8_t>(Whole(rs, field, 0, 255)); }

int16_t Integer(jet::Recordset& rs, const char* field) {
  return static_cast<int16_t>(
      Whole(rs, field, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

int32_t Long(jet::Recordset& rs, const char* field) {
  return static_cast<int32_t>(
      Whole(rs, field, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

bool WholeNumber(const jet::Value& value, int64_t& out) {
  if (!value.IsNumber()) return false;
  const double d = value.AsDouble();
  if (!(d >= -2147483648.0 && d <= 2147483647.0) || d != std::trunc(d)) return false;
  out = static_cast<int64_t>(d);
  return true;
}

}  // namespace basFieldRead
