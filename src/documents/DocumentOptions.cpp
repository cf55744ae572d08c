#include "documents/DocumentOptions.h"

#include <cmath>
#include <optional>

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
  const std::string players = entry(0);
  if (runtime::IsNumeric(players)) {
    const double value = runtime::RoundHalfEven(runtime::Val(players));
    if (std::isfinite(value)) {
      o.additionalPlayers = value < 0                         ? 0
                            : value > o.kMaxAdditionalPlayers ? o.kMaxAdditionalPlayers
                                                              : static_cast<int32_t>(value);
    }
  }
  o.useColor = Code(entry(2), 1, 1) == 1;
  o.fileType = Code(entry(3), 2, 0);
  o.headingBackColor = Colour(entry(4), o.kDefaultHeadingBackColor);
  o.rowBackColorA = Colour(entry(5), o.kDefaultRowBackColorA);
  o.rowBackColorB = Colour(entry(6), o.kDefaultRowBackColorB);
  o.leagueFile = entry(7);
  o.scoringFile = entry(8);
  o.projectedFile = entry(9);
  o.useGridLines = Code(entry(12), 1, 1) == 1;
  o.mockType = Code(entry(15), 1, 0);
  o.projectFileName = projectFileName;
  auto path = [&](int32_t pageCode, const std::string& name) {
    return name.empty() ? std::string() : folderOf(pageCode) + name;
  };
  o.summaryFiles = {path(3, o.leagueFile), path(2, o.scoringFile), path(1, o.projectedFile)};
  return o;
}
