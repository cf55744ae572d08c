#include "core/basStringDelimiter_001.h"

#include "core/Seams.h"
#include "platform/runtime/Text.h"

namespace basStringDelimiter_001 {

namespace {

constexpr const char* kApplicationTitle = "Kickwell Draftyard";

bool Matches(const std::string& text, std::size_t at, const std::string& delimiter, int16_t compare) {
  std::string_view there(text.data() + at, delimiter.size());
  return compare == kCompareNoCase ? runtime::EqualsNoCase(there, delimiter) : there == delimiter;
}

void Complain(const std::string& text) {
  seams::MessageBox().PlainMessage(text, seams::PlainButtons::kOk, seams::PlainIcon::kNone, kApplicationTitle);
}

}  // namespace

bool SplitAtDelimiter(const std::string& text, std::string& left, std::string& right,
                      const std::string& delimiter, int16_t compare, int16_t side, int16_t include) {
  if (side != kSideFirst && side != kSideLast) {
    Complain("Start Side Constant Invalid " + std::to_string(side));
    return false;
  }
  if (include < kIncludeNone || include > kIncludeBoth) {
    Complain("Delim Include Constant Invalid " + std::to_string(include));
    return false;
  }
  if (delimiter.size() > text.size()) return false;
  // 0-based start positions 0 .. text.size() - delimiter.size().
  const std::size_t last = text.size() - delimiter.size();
  std::size_t found = std::string::npos;
  if (side == kSideFirst) {
    for (std::size_t p = 0; p <= last; ++p) {
      if (Matches(text, p, delimiter, compare)) {
        found = p;
        break;
      }
    }
  } else {
    for (std::size_t p = last + 1; p-- > 0;) {
      if (Matches(text, p, delimiter, compare)) {
        found = p;
        break;
      }
    }
  }
  if (found == std::string::npos) return false;
  const bool leftKeeps = include == kIncludeLeft || include == kIncludeBoth;
  const bool rightKeeps = include == kIncludeRight || include == kIncludeBoth;
  std::size_t leftEnd = leftKeeps ? found + delimiter.size() : found;
  std::size_t rightStart = rightKeeps ? found : found + delimiter.size();
  left = text.substr(0, leftEnd);
  right = text.substr(rightStart);
  return true;
}

}  // namespace basStringDelimiter_001
