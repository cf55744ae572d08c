#pragma once
// Placeholders in display-grid titles and document headings ("[Year]",
// "[Pos]", "[Position]", "[KDP]", "[Date]", "[MockTeam]",
// "[DraftStrategy]"), replaced when a heading is shown or written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/DateTime.h"

namespace basDisplayKeywords {

// What the keywords stand for in one heading: the database's season year and
// the position's names, the project's file name, today's date, and, when a
// draft board is given, the team's name and strategy file. Texts are taken
// as the database and board hold them; they are trimmed on use.
struct KeywordValues {
  int32_t year = 0;
  std::string positionAbbreviation;
  std::string positionName;
  std::string projectFileName;
  runtime::DateTime today = runtime::Now();
  // Both set when a board is given; without one the team keywords stay.
  std::optional<std::string> teamName;
  std::optional<std::string> teamStrategyFile;
};

// Every keyword replaced everywhere, exact case, in the order listed above
// (so a replacement may itself hold a later keyword); the result starts with
// a blank.
std::string ReplaceDisplayKeywords(std::string_view text, const KeywordValues& values);

}  // namespace basDisplayKeywords
