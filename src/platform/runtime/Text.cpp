#include "platform/runtime/Text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace runtime {

namespace {
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string LTrim(std::string_view text) {
  std::size_t b = text.find_first_not_of(' ');
  return b == std::string_view::npos ? std::string() : std::string(text.substr(b));
}

std::string RTrim(std::string_view text) {
  std::size_t e = text.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string() : std::string(text.substr(0, e + 1));
}

std::string Trim(std::string_view text) {
  std::size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  std::size_t e = text.find_last_not_of(' ');
  return std::string(text.substr(b, e - b + 1));
}

std::string UCase(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = Upper(c);
  return s;
}

std::string LCase(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = Lower(c);
  return s;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(Lower(a[i]));
    unsigned char cb = static_cast<unsigned char>(Lower(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

double Val(std::string_view text) {
  // Val skips blanks, tabs and line feeds anywhere in the number; the
  // program only relies on leading ones, which is all we skip.
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
  if (i + 1 < text.size() && text[i] == '&') {
    char kind = Upper(text[i + 1]);
    int base = kind == 'H' ? 16 : (kind == 'O' ? 8 : 0);
    if (base != 0) {
      i += 2;
      double v = 0;
      bool any = false;
      while (i < text.size()) {
        char c = Upper(text[i]);
        int d = IsDigit(c) ? c - '0' : (c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99);
        if (d >= base) break;
        v = v * base + d;
        any = true;
        ++i;
      }
      return any ? v : 0.0;
    }
  }
  std::string num;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) num += text[i++];
  bool digits = false;
  while (i < text.size() && IsDigit(text[i])) {
    num += text[i++];
    digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    num += text[i++];
    while (i < text.size() && IsDigit(text[i])) {
      num += text[i++];
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp += text[j++];
    bool expDigits = false;
    while (j < text.size() && IsDigit(text[j])) {
      exp += text[j++];
      expDigits = true;
    }
    if (expDigits) num += exp;
  }
  return std::strtod(num.c_str(), nullptr);
}

bool IsNumeric(std::string_view text) {
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  while (i < n && IsDigit(text[i])) {
    ++i;
    digits = true;
  }
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) {
      ++i;
      digits = true;
    }
  }
  if (!digits) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool expDigits = false;
    while (i < n && IsDigit(text[i])) {
      ++i;
      expDigits = true;
    }
    if (!expDigits) return false;
  }
  return i == n;
}

std::string TrimAtNul(std::string_view text) {
  std::size_t p = text.find('\0');
  return std::string(p == std::string_view::npos ? text : text.substr(0, p));
}

std::string OneLineField(std::string_view text) {
  std::string out(text);
  for (char& ch : out)
    if (ch == '\t' || ch == '\r' || ch == '\n') ch = ' ';
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  std::size_t pos = 0;
  while (true) {
    std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

std::size_t Utf8CharLength(std::string_view text, std::size_t i) {
  if (i >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t k = 1;
  while (k < n && i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80) ++k;
  return k;
}

std::vector<std::string> Utf8Characters(std::string_view text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t k = Utf8CharLength(text, i);
    out.emplace_back(text.substr(i, k));
    i += k;
  }
  return out;
}

void FixedLine::Put(std::size_t column, std::string_view text) {
  std::size_t cell = column - 1;
  for (std::size_t i = 0; i < text.size() && cell < cells_.size();) {
    const std::size_t k = Utf8CharLength(text, i);
    cells_[cell++] = std::string(text.substr(i, k));
    i += k;
  }
}

void FixedLine::PutRight(std::size_t column, std::size_t width, std::string_view text) {
  const std::size_t length = Utf8Characters(text).size();
  Put(length < width ? column + width - length : column, text);
}

std::string FixedLine::Text() const {
  std::string out;
  for (const std::string& ch : cells_) out += ch;
  return out;
}

std::string FirstLines(const std::vector<std::string>& lines, std::size_t shown) {
  std::string text;
  for (std::size_t i = 0; i < lines.size() && i < shown; ++i) {
    if (i > 0) text += kCrLf;
    text += lines[i];
  }
  if (lines.size() > shown) text += std::string(kCrLf) + "... and " + std::to_string(lines.size() - shown) + " more.";
  return text;
}

}  // namespace runtime
