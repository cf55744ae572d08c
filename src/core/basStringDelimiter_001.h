#pragma once
// Splitting a text at the first or last occurrence of a delimiter.

#include <cstdint>
#include <string>

namespace basStringDelimiter_001 {

constexpr int16_t kCompareExact = 0;
constexpr int16_t kCompareNoCase = 1;   // ASCII letters only
constexpr int16_t kSideFirst = 1;       // search from the start
constexpr int16_t kSideLast = -1;       // search from the end
constexpr int16_t kIncludeNone = 0;     // neither part keeps the delimiter
constexpr int16_t kIncludeRight = 1;    // the right part starts with it
constexpr int16_t kIncludeLeft = 2;     // the left part ends with it
constexpr int16_t kIncludeBoth = 3;     // both parts keep it

// Splits text at the first (side 1) or last (side -1) match of delimiter
// into left and right. Not found: False, left and right unchanged. An
// include outside 0..3 or a side other than 1 and -1 shows "Delim Include
// Constant Invalid <n>" or "Start Side Constant Invalid <n>" and gives
// False with left and right unchanged. Texts are compared byte by byte,
// which on UTF-8 finds the same places a character search does.
bool SplitAtDelimiter(const std::string& text, std::string& left, std::string& right,
                      const std::string& delimiter, int16_t compare, int16_t side, int16_t include);

}  // namespace basStringDelimiter_001
