#include "platform/runtime/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace runtime {

std::string GeneralNumber(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  if (value == 0) return "0";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string s(buf, res.ptr);
  // to_chars may choose exponent form for large or tiny values; expand it so
  // that documents never show "1e+20".
  auto e = s.find('e');
  if (e == std::string::npos) return s;
  res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return std::string(buf, res.ptr);
}

std::string ShortNumber(double value) {
  if (!std::isfinite(value)) return GeneralNumber(value);
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string s(buf, res.ptr);
  const auto digits = std::count_if(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (s.find('e') == std::string::npos && digits <= 15) return s;
  res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  s.assign(buf, res.ptr);
  std::replace(s.begin(), s.end(), 'e', 'E');
  return s;
}

namespace {

// The decimal digits of |value| as an integer digit string and a fraction
// digit string, taken from the shortest round-trip text of the value.
struct Decimal {
  std::string intDigits;   // no leading zeros except "0"
  std::string fracDigits;  // may be empty
};

Decimal ToDecimal(double absValue) {
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, absValue, std::chars_format::fixed);
  std::string fixed(buf, res.ptr);
  // Shortest round-trip fraction: to_chars(fixed) without precision already
  // gives the shortest representation that reads back exactly.
  Decimal d;
  auto dot = fixed.find('.');
  d.intDigits = dot == std::string::npos ? fixed : fixed.substr(0, dot);
  d.fracDigits = dot == std::string::npos ? "" : fixed.substr(dot + 1);
  if (d.intDigits.empty()) d.intDigits = "0";
  return d;
}

// Rounds to `decimals` places, half away from zero on the digits.
void RoundDecimal(Decimal& d, std::size_t decimals) {
  if (d.fracDigits.size() <= decimals) {
    d.fracDigits.append(decimals - d.fracDigits.size(), '0');
    return;
  }
  bool up = d.fracDigits[decimals] >= '5';
  d.fracDigits.resize(decimals);
  if (!up) return;
  std::string all = d.intDigits + d.fracDigits;
  int i = static_cast<int>(all.size()) - 1;
  while (i >= 0) {
    if (all[static_cast<std::size_t>(i)] == '9') {
      all[static_cast<std::size_t>(i)] = '0';
      --i;
    } else {
      ++all[static_cast<std::size_t>(i)];
      break;
    }
  }
  if (i < 0) all.insert(all.begin(), '1');
  std::size_t intLen = all.size() - decimals;
  d.intDigits = all.substr(0, intLen);
  d.fracDigits = all.substr(intLen);
}

struct Token {
  enum Kind { kLiteral, kNumber } kind;
  std::string text;
};

struct Section {
  std::vector<Token> tokens;  // literals around one number token
  int intZeros = 0;           // '0' placeholders before the point
  int intHashes = 0;          // '#' placeholders before the point
  bool grouping = false;
  bool hasPoint = false;
  int fracZeros = 0;          // leading required decimals
  int fracTotal = 0;          // all decimal placeholders
  bool percent = false;
  bool hasNumber = false;
};

Section ParseSection(std::string_view p) {
  Section s;
  std::string literal;
  bool inNumber = false, numberDone = false, afterPoint = false;
  auto flushLiteral = [&] {
    if (!literal.empty()) {
      s.tokens.push_back({Token::kLiteral, literal});
      literal.clear();
    }
  };
  for (std::size_t i = 0; i < p.size(); ++i) {
    char c = p[i];
    bool placeholder = (c == '0' || c == '#');
    bool numberChar = placeholder || (inNumber && (c == ',' || (c == '.' && !afterPoint))) ||
                      (!numberDone && !inNumber && c == '.');
    if (numberChar && !numberDone) {
      if (!inNumber) {
        flushLiteral();
        s.tokens.push_back({Token::kNumber, ""});
        inNumber = true;
        s.hasNumber = true;
      }
      if (c == '.') {
        afterPoint = true;
        s.hasPoint = true;
      } else if (c == ',') {
        if (!afterPoint) s.grouping = true;
      } else if (!afterPoint) {
        (c == '0' ? s.intZeros : s.intHashes)++;
      } else {
        if (c == '0' && s.fracTotal == s.fracZeros) s.fracZeros++;
        s.fracTotal++;
      }
      continue;
    }
    if (inNumber) {
      inNumber = false;
      numberDone = true;
    }
    if (c == '"') {
      std::size_t end = p.find('"', i + 1);
      if (end == std::string_view::npos) end = p.size();
      literal.append(p.substr(i + 1, end - i - 1));
      i = end;
    } else if (c == '\\' && i + 1 < p.size()) {
      literal += p[++i];
    } else {
      if (c == '%') s.percent = true;
      literal += c;
    }
  }
  flushLiteral();
  return s;
}

std::string Group(const std::string& digits) {
  std::string out;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    out += digits[static_cast<std::size_t>(i)];
    int left = n - 1 - i;
    if (left > 0 && left % 3 == 0) out += ',';
  }
  return out;
}

std::string FormatSection(const Section& s, double absValue, bool minus) {
  std::string number;
  if (s.hasNumber) {
    double v = s.percent ? absValue * 100.0 : absValue;
    Decimal d = ToDecimal(v);
    RoundDecimal(d, static_cast<std::size_t>(s.fracTotal));
    std::string intPart = d.intDigits;
    if (intPart == "0" && s.intZeros == 0) intPart.clear();
    while (static_cast<int>(intPart.size()) < s.intZeros) intPart.insert(intPart.begin(), '0');
    if (s.grouping) intPart = Group(intPart);
    std::string frac = d.fracDigits;
    while (static_cast<int>(frac.size()) > s.fracZeros && !frac.empty() && frac.back() == '0') frac.pop_back();
    number = intPart;
    if (s.hasPoint) number += "." + frac;
  }
  std::string out = minus ? "-" : "";
  for (const Token& t : s.tokens) out += t.kind == Token::kNumber ? number : t.text;
  return out;
}

}  // namespace

std::string Format(double value, std::string_view pattern) {
  if (pattern.empty()) return GeneralNumber(value);
  if (!std::isfinite(value)) return GeneralNumber(value);
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '"') quoted = !quoted;
    if (pattern[i] == ';' && !quoted) {
      parts.push_back(pattern.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(pattern.substr(start));
  double absValue = std::fabs(value);
  if (value == 0 && parts.size() >= 3 && !parts[2].empty()) return FormatSection(ParseSection(parts[2]), 0, false);
  if (value < 0 && parts.size() >= 2 && !parts[1].empty()) return FormatSection(ParseSection(parts[1]), absValue, false);
  return FormatSection(ParseSection(parts[0]), absValue, value < 0);
}

}  // namespace runtime
