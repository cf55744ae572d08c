#include "platform/jet/Value.h"

#include <cmath>

#include "platform/runtime/Format.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

namespace jet {

int64_t Value::AsInt64() const {
  switch (GetKind()) {
    case Kind::kNull:
      return 0;
    case Kind::kInteger:
      return Integer();
    case Kind::kReal:
    case Kind::kText: {
      double d = GetKind() == Kind::kReal ? Real() : runtime::Val(Text());
      double r = runtime::RoundHalfEven(d);
      // 2^63 is exactly representable; anything at or beyond it does not fit.
      if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) {
        throw runtime::OverflowError("Overflow");
      }
      return static_cast<int64_t>(r);
    }
  }
  return 0;
}

int32_t Value::AsLong() const {
  int64_t v = AsInt64();
  if (v < INT32_MIN || v > INT32_MAX) throw runtime::OverflowError("Overflow");
  return static_cast<int32_t>(v);
}

double Value::AsDouble() const {
  switch (GetKind()) {
    case Kind::kNull:
      return 0.0;
    case Kind::kInteger:
      return static_cast<double>(Integer());
    case Kind::kReal:
      return Real();
    case Kind::kText:
      return runtime::Val(Text());
  }
  return 0.0;
}

std::string Value::AsText() const {
  switch (GetKind()) {
    case Kind::kNull:
      return {};
    case Kind::kInteger:
      return std::to_string(Integer());
    case Kind::kReal:
      return runtime::GeneralNumber(Real());
    case Kind::kText:
      return Text();
  }
  return {};
}

bool Value::operator==(const Value& other) const {
  if (IsNumber() && other.IsNumber()) return CompareForIndex(*this, other) == 0;
  if (GetKind() != other.GetKind()) return false;
  if (IsNull()) return true;
  return Text() == other.Text();
}

namespace {

int Rank(const Value& v) {
  switch (v.GetKind()) {
    case Value::Kind::kNull:
      return 0;
    case Value::Kind::kInteger:
    case Value::Kind::kReal:
      return 1;
    case Value::Kind::kText:
      return 2;
  }
  return 0;
}

template <typename T>
int Sign(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

int CompareForIndex(const Value& a, const Value& b) {
  int ra = Rank(a), rb = Rank(b);
  if (ra != rb) return ra < rb ? -1 : 1;
  if (ra == 0) return 0;
  if (ra == 2) return runtime::CompareNoCase(a.Text(), b.Text());
  if (a.GetKind() == Value::Kind::kInteger && b.GetKind() == Value::Kind::kInteger) {
    return Sign(a.Integer(), b.Integer());
  }
  // Mixed or real: long double holds every int64 exactly on this platform.
  long double x = a.GetKind() == Value::Kind::kInteger ? static_cast<long double>(a.Integer()) : a.Real();
  long double y = b.GetKind() == Value::Kind::kInteger ? static_cast<long double>(b.Integer()) : b.Real();
  if (std::isnan(static_cast<double>(x)) || std::isnan(static_cast<double>(y))) {
    return Sign(std::isnan(static_cast<double>(x)) ? 0 : 1, std::isnan(static_cast<double>(y)) ? 0 : 1);
  }
  return Sign(x, y);
}

}  // namespace jet
