#include "documents/DocumentOptions.h"

#include <cmath>
#include <optional>

#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

namespace {

// The entry as a whole number within min .. max, or nothing.
std::optional<int32_t> WholeNumber(const std::string& text, int32_t min, int32_t max) {
  if (!runtime::IsNumeric(text)) return std::nullopt;
  const double value = runtime::RoundHalfEven(runtime::Val(text));
  if (!std::isfinite(value) || value < min || value > max) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t Code(const std::string& text, int32_t max, int32_t fallback) {
  return WholeNumber(text, 0, max).value_or(fallback);
}

int32_t Colour(const std::string& text, int32_t fallback) {
  return WholeNumber(text, 0, 0xFFFFFF).value_or(fallback);
}

}  // namespace

DocumentOptions ReadDocumentOptions(const std::function<std::string(int32_t index)>& entry,
                                    const std::string& projectFileName,
                                    const std::function<std::string(int32_t pageCode)>& folderOf) {
  DocumentOptions o;
  const std::string players = entry(kProjAdditionalPlayers);
  if (runtime::IsNumeric(players)) {
    const double value = runtime::RoundHalfEven(runtime::Val(players));
    if (std::isfinite(value)) {
      o.additionalPlayers = value < 0                         ? 0
                            : value > o.kMaxAdditionalPlayers ? o.kMaxAdditionalPlayers
                                                              : static_cast<int32_t>(value);
    }
  }
  o.useColor = Code(entry(kProjUseColor), 1, 1) == 1;
  o.fileType = Code(entry(kProjFileType), kExportCsv, kExportHtml);
  o.headingBackColor = Colour(entry(kProjHeadingBackColor), o.kDefaultHeadingBackColor);
  o.rowBackColorA = Colour(entry(kProjRowBackColorA), o.kDefaultRowBackColorA);
  o.rowBackColorB = Colour(entry(kProjRowBackColorB), o.kDefaultRowBackColorB);
  o.leagueFile = entry(kProjLeaguePropertiesFile);
  o.scoringFile = entry(kProjScoringSystemFile);
  o.projectedFile = entry(kProjProjectedStatsFile);
  o.useGridLines = Code(entry(kProjUseGridLines), 1, 1) == 1;
  o.mockType = Code(entry(kProjMockDraftType), 1, 0);
  o.projectFileName = projectFileName;
  auto path = [&](int32_t pageCode, const std::string& name) {
    return name.empty() ? std::string() : folderOf(pageCode) + name;
  };
  o.summaryFiles = {path(kPageLeagueProperties, o.leagueFile), path(kPageScoringSystem, o.scoringFile),
                    path(kPageProjectedStats, o.projectedFile)};
  return o;
}

DocumentOptions ReadDocumentOptions(const clsCheatIsolate& project) {
  return ReadDocumentOptions(
      [&](int32_t index) { return project.Value(index); }, project.FileName(),
      [](int32_t pageCode) { return FileTypeFolder[static_cast<std::size_t>(pageCode)]; });
}
