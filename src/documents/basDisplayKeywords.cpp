#include "documents/basDisplayKeywords.h"

#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "engine/clsMockDraft.h"
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

KeywordValues KeywordValuesFor(int32_t teamIndex, int32_t positionID, clsKickwellDB& database,
                               const clsMockDraft* board) {
  KeywordValues values;
  values.year = database.pFnGetYear();
  values.positionAbbreviation = database.pFnGetPosAbrv(positionID, false);
  values.positionName = database.pFnGetPosFull(positionID);
  values.projectFileName = GlobalProject().FileName();
  values.today = runtime::Now();
  if (board) {
    values.teamName = board->OwnerName(teamIndex);
    values.teamStrategyFile = board->DraftStrategyFile(teamIndex);
  }
  return values;
}

std::string ReplaceDisplayKeywords(std::string_view text, int32_t teamIndex, int32_t positionID,
                                   clsKickwellDB& database, const clsMockDraft* board) {
  return ReplaceDisplayKeywords(text, KeywordValuesFor(teamIndex, positionID, database, board));
}

KeywordValues KeywordValuesFor(int32_t positionID, clsKickwellDB& database) {
  return KeywordValuesFor(0, positionID, database, nullptr);
}

std::string ReplaceDisplayKeywords(std::string_view text, int32_t positionID, clsKickwellDB& database) {
  return ReplaceDisplayKeywords(text, KeywordValuesFor(positionID, database));
}

}  // namespace basDisplayKeywords
