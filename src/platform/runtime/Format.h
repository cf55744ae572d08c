#pragma once
// Number formatting by pattern, the subset of patterns the program uses
// (pages, documents and reports show numbers through it). Rounding is half
// away from zero on the decimal text of the value (10.25 with "0.0" gives
// "10.3"), in the C locale.
//
// Supported: "0", "0.0", "0.00", "0.000" (any number of 0 and # digits
// after the point), "0.##", "#,##0", "#,##0.00", "0000" (zero padding),
// "0%" / "0.0%" (percent: the value times 100), literal text in double
// quotes or after a backslash, and up to three ";" sections (positive,
// negative, zero). An empty pattern gives the shortest general text of
// the value (like Str$ without the leading blank).

#include <string>
#include <string_view>

namespace runtime {

std::string Format(double value, std::string_view pattern);

// The shortest text that reads back as the same double ("10.25", "3", "-0.5").
std::string GeneralNumber(double value);

// A number as a message shows it: the shortest text that reads back as the
// same double, in exponent form ("1.7E+308", "1E-07") when it would take
// more than 15 digits, so that no message runs to hundreds of digits.
std::string ShortNumber(double value);

}  // namespace runtime
