#pragma once
// Text helpers: trimming, case, number parsing and replacing, with the rules
// the stored files and typed values are read by. Strings are UTF-8; case
// folding is ASCII-only, as the stored names are.

#include <string>
#include <string_view>
#include <vector>

namespace runtime {

// Blanks (U+0020) only: tabs, CR and LF are kept, unlike QString::trimmed.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, comparing without ASCII case.
int CompareNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

// Val: the numeric prefix of the text (leading blanks, tabs and line feeds
// skipped, sign, digits, one point, exponent); 0 when there is none.
// "12abc" -> 12, " -3.5e2x" -> -350, "abc" -> 0. Also "&H1F" / "&O17" prefixes.
double Val(std::string_view text);

// A strict IsNumeric in the C locale: optional surrounding blanks, optional
// sign, digits with at most one decimal point, optional exponent. Rejects
// "", "1,2", "&H10", "1e", ".", "--1".
bool IsNumeric(std::string_view text);

// Text up to, not including, the first NUL; the whole text when it has none.
std::string TrimAtNul(std::string_view text);

// Replace every occurrence (exact, case-sensitive); empty `from` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

constexpr std::string_view kCrLf = "\r\n";

// The text as one field of a tab-separated line (a grid's clip, a display
// row): every tab, carriage return and line feed becomes a blank, so that
// the field cannot end early or break its line.
std::string OneLineField(std::string_view text);

// For a message that lists what went wrong: the first `shown` lines, one
// per line (CR LF between), then "... and N more." for the rest.
std::string FirstLines(const std::vector<std::string>& lines, std::size_t shown = 5);

// Bytes of the UTF-8 character starting at byte i (a stray continuation
// byte, or a sequence cut short, counts as what is there); 0 past the end.
std::size_t Utf8CharLength(std::string_view text, std::size_t i);
// The text's characters, each as its bytes.
std::vector<std::string> Utf8Characters(std::string_view text);

// A line of blanks of fixed width whose columns are characters, not bytes,
// so that a name with accents keeps the columns after it in place.
class FixedLine {
 public:
  explicit FixedLine(std::size_t width) : cells_(width, " ") {}

  // Overwrites from the 1-based column; what passes the last column is cut.
  void Put(std::size_t column, std::string_view text);
  // Right-aligned in a field of `width` columns; a text too wide for the
  // field is written whole from the field's start rather than cut.
  void PutRight(std::size_t column, std::size_t width, std::string_view text);
  std::string Text() const;

 private:
  std::vector<std::string> cells_;
};

}  // namespace runtime
