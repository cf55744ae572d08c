#include "documents/basDisplayKeywords.h"

#include "platform/runtime/Text.h"

namespace basDisplayKeywords {

std::string ReplaceDisplayKeywords(std::string_view text, const KeywordValues& values) {
  using runtime::ReplaceAll;
  using runtime::Trim;
  std::string out = ReplaceAll(text, "[Year]", std::to_string(values.year));
  out = ReplaceAll(out, "[Pos]", Trim(values.positionAbbreviation));
  out = ReplaceAll(out, "[Position]", Trim(values.positionName));
  out = ReplaceAll(out, "[KDP]", " " + Trim(values.projectFileName));
  out = ReplaceAll(out, "[Date]", runtime::FormatLongDate(values.today));
  if (values.teamName) out = ReplaceAll(out, "[MockTeam]", Trim(*values.teamName));
  if (values.teamStrategyFile) out = ReplaceAll(out, "[DraftStrategy]", Trim(*values.teamStrategyFile));
  return " " + out;
}

}  // namespace basDisplayKeywords
