#pragma once
// The texts of draft-strategy codes as the strategy editor, the project
// validation and the pick log show them. Every unknown code gives "Unknown".

#include <cstdint>
#include <functional>
#include <span>
#include <string>

class clsDraftStrategy;

namespace basSTGFileControl {

// "     CAL Player                        PP      CV   LR-TR       X     INJ"
std::string PickLogHeader();
// "* CAL - Calculated Value  PP - Projected Points  CV - Compare Value"
std::string PickLogLegend();

// One candidate of the pick log. The fields are named, not positional,
// because the numbers share a type and their order differs between callers.
struct PickLogValues {
  std::string name;  // callers pass at most 18 characters
  double cal = 0;    // calculated value
  std::string tag;   // position abbreviation
  double pp = 0;     // projected points
  double cv = 0;     // compare value
  double lrtr = 0;   // the three factors show "-" when 0
  double x = 0;
  double inj = 0;
};

// An 80-column line ending in CR LF whose numbers end under the headings of
// PickLogHeader.
std::string PickLogLine(const PickLogValues& values);

// The 37-column line of the bye-week check in the pick log: position from
// column 2, name from column 6, bye text ending in column 36.
std::string ByeTraceLine(const std::string& position, const std::string& name, const std::string& bye);

std::string CompareText(int32_t compare);
std::string MethodText(int32_t method);
// "Last" for 999, else the number.
std::string PickNumberText(int32_t pick);

// The position's abbreviation from the database's position table
// (clsKickwellDB::pFnGetPosAbrv with the all-flag off).
using PositionAbbreviation = std::function<std::string(int32_t posID)>;

// "[" abbreviation "] " for each id above 0 in slot order; starter and bench
// marks show as "-S]" and "-B]"; position 1 (abbreviated "-") shows as "Any".
std::string PositionSetText(std::span<const int32_t> ids, const PositionAbbreviation& posAbrv);

std::string InclusionText(int32_t inclusion);
// "[" & FactorFlagText & "] " for each factor flag the rule uses; "" for none.
std::string FactorFlagsText(const clsDraftStrategy& strategy, int32_t rule);
std::string FactorFlagText(int32_t flag);

bool IsValidMethod(int32_t method);
bool IsValidCompare(int32_t compare);

}  // namespace basSTGFileControl
