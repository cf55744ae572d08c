#pragma once
// One field value as the database layer hands it out: Null, a whole number,
// a floating-point number or text (UTF-8). Conversions are lenient the way
// the program reads fields: Null reads as 0, "" or false; a Double read as
// a whole number rounds half to even; text read as a number goes through Val.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace jet {

class Value {
 public:
  enum class Kind : uint8_t { kNull, kInteger, kReal, kText };

  Value() = default;
  Value(std::nullptr_t) {}
  Value(bool v) : data_(static_cast<int64_t>(v ? 1 : 0)) {}
  Value(int v) : data_(static_cast<int64_t>(v)) {}
  Value(long v) : data_(static_cast<int64_t>(v)) {}
  Value(long long v) : data_(static_cast<int64_t>(v)) {}
  Value(unsigned v) : data_(static_cast<int64_t>(v)) {}
  Value(double v) : data_(v) {}
  Value(float v) : data_(static_cast<double>(v)) {}
  Value(const char* v) : data_(std::string(v)) {}
  Value(std::string v) : data_(std::move(v)) {}
  Value(std::string_view v) : data_(std::string(v)) {}

  Kind GetKind() const { return static_cast<Kind>(data_.index()); }
  bool IsNull() const { return data_.index() == 0; }
  bool IsNumber() const { return data_.index() == 1 || data_.index() == 2; }

  // The value as a 64-bit whole number (reals round half to even; a real
  // outside the range throws runtime::OverflowError).
  int64_t AsInt64() const;
  // Long: as AsInt64, but a value outside 32 bits throws runtime::OverflowError.
  int32_t AsLong() const;
  double AsDouble() const;
  float AsSingle() const { return static_cast<float>(AsDouble()); }
  // Non-zero numbers are true; text is true when its Val is non-zero.
  bool AsBool() const { return AsDouble() != 0.0; }
  // Numbers as their shortest decimal text; Null as "".
  std::string AsText() const;

  // The raw alternatives, for callers that switch on GetKind().
  int64_t Integer() const { return std::get<int64_t>(data_); }
  double Real() const { return std::get<double>(data_); }
  const std::string& Text() const { return std::get<std::string>(data_); }

  // Exact equality of kind and content (1 and 1.0 are equal, "a" and "A" are not).
  bool operator==(const Value& other) const;

 private:
  std::variant<std::monostate, int64_t, double, std::string> data_;
};

// Index order: Null first, then numbers by value, then text without ASCII
// case (the order of the schema's COLLATE NOCASE). <0, 0, >0.
int CompareForIndex(const Value& a, const Value& b);

}  // namespace jet
