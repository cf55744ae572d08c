#pragma once
// Placeholders in display-grid titles and document headings ("[Year]",
// "[Pos]", "[Position]", "[KDP]", "[Date]", "[MockTeam]",
// "[DraftStrategy]"), replaced when a heading is shown or written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/DateTime.h"

class clsKickwellDB;
class clsMockDraft;

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

// The values of a heading of the given position: the season year and the
// position's abbreviation and full name from the open database, the open
// project's file name and today's date; with a board, also the name and
// strategy file of its team teamIndex (1..OwnerCount; an index past the
// board's teams throws std::out_of_range).
KeywordValues KeywordValuesFor(int32_t teamIndex, int32_t positionID, clsKickwellDB& database,
                               const clsMockDraft* board);

// KeywordValuesFor, then the replacement.
std::string ReplaceDisplayKeywords(std::string_view text, int32_t teamIndex, int32_t positionID,
                                   clsKickwellDB& database, const clsMockDraft* board);

// A heading without a board: the team keywords stay.
KeywordValues KeywordValuesFor(int32_t positionID, clsKickwellDB& database);
std::string ReplaceDisplayKeywords(std::string_view text, int32_t positionID, clsKickwellDB& database);

}  // namespace basDisplayKeywords
