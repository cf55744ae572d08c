#include "draft_inputs/basSTGFileControl.h"

#include <string_view>
#include <vector>

#include "draft_inputs/clsDraftStrategy.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"

namespace basSTGFileControl {

namespace {

using runtime::FixedLine;

std::string Number(double value) { return runtime::Format(value, "0.00"); }
std::string FactorNumber(double value) { return value == 0 ? "-" : Number(value); }

}  // namespace

std::string PickLogHeader() {
  return "     CAL Player                        PP      CV   LR-TR       X     INJ";
}

std::string PickLogLegend() { return "* CAL - Calculated Value  PP - Projected Points  CV - Compare Value"; }

std::string PickLogLine(const PickLogValues& values) {
  FixedLine line(80);
  line.PutRight(2, 7, Number(values.cal));
  line.Put(10, values.tag);
  line.Put(14, values.name);
  line.PutRight(35, 7, Number(values.pp));
  line.PutRight(43, 7, Number(values.cv));
  line.PutRight(51, 7, FactorNumber(values.lrtr));
  line.PutRight(59, 7, FactorNumber(values.x));
  line.PutRight(67, 7, FactorNumber(values.inj));
  return line.Text() + std::string(runtime::kCrLf);
}

std::string ByeTraceLine(const std::string& position, const std::string& name, const std::string& bye) {
  FixedLine line(37);
  line.Put(2, position);
  line.Put(6, name);
  line.PutRight(6, 31, bye);
  return line.Text();
}

std::string CompareText(int32_t compare) {
  switch (compare) {
    case 0: return "Full Points";
    case 1: return "Roster Value";
    case 2: return "Starter Value";
    case 3: return "ADP";
    default: return "Unknown";
  }
}

std::string MethodText(int32_t method) {
  switch (method) {
    case 0: return "Open Roster";
    case 1: return "Starters Only";
    case 2: return "Match Pos Ratio";
    case 3: return "Equilibrium";
    case 4: return "Roster Pot G-L";
    case 5: return "Starter Min + 1";
    case 6: return "Starter Min + 2";
    case 7: return "Start Pot G-L";
    default: return "Unknown";
  }
}

std::string PickNumberText(int32_t pick) {
  return pick == clsDraftStrategy::kLastPick ? "Last" : std::to_string(pick);
}

std::string PositionSetText(std::span<const int32_t> ids, const PositionAbbreviation& posAbrv) {
  std::string text;
  for (int32_t id : ids) {
    if (id <= 0) continue;
    const char* ending = "]";
    if (id > clsDraftStrategy::kBenchMark) {
      id -= clsDraftStrategy::kBenchMark;
      ending = "-B]";
    } else if (id > clsDraftStrategy::kStarterMark) {
      id -= clsDraftStrategy::kStarterMark;
      ending = "-S]";
    }
    text += "[" + posAbrv(id) + ending + " ";
  }
  // Position 1 is abbreviated "-" in the position table; a strategy calls it "Any".
  return runtime::ReplaceAll(text, "[-", "[Any");
}

std::string InclusionText(int32_t inclusion) {
  switch (inclusion) {
    case 0: return "Include";
    case 1: return "Exclude";
    default: return "Unknown";
  }
}

std::string FactorFlagsText(const clsDraftStrategy& strategy, int32_t rule) {
  std::string text;
  for (int32_t flag = 0; flag <= 2; ++flag)
    if (strategy.UsingFactor(rule, flag)) text += "[" + FactorFlagText(flag) + "] ";
  return text;
}

std::string FactorFlagText(int32_t flag) {
  switch (flag) {
    case 0: return "LR-TR";
    case 1: return "INJURY";
    case 2: return "X";
    default: return "Unknown";
  }
}

bool IsValidMethod(int32_t method) { return method >= 0 && method < 8; }
bool IsValidCompare(int32_t compare) { return compare >= 0 && compare < 4; }

}  // namespace basSTGFileControl
