#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "draft_inputs/basSTGFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"

using namespace basSTGFileControl;

namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

TEST(PickLog, HeaderAndLegendAreFixed) {
  EXPECT_EQ(PickLogHeader(), "     CAL Player                        PP      CV   LR-TR       X     INJ");
  EXPECT_EQ(PickLogLegend(), "* CAL - Calculated Value  PP - Projected Points  CV - Compare Value");
}

TEST(PickLog, LinePlacesEveryFieldInItsColumns) {
  const std::string line = PickLogLine(
      {.name = "Smith, John", .cal = 123.456, .tag = "RB", .pp = 250.5, .cv = 80, .lrtr = 1.5, .x = 0, .inj = 0.9});
  const std::string expected = " " + std::string(" 123.46") + " " + "RB  " + "Smith, John" + Blanks(10) +  // to col 34
                               " 250.50" + " " + "  80.00" + " " + "   1.50" + " " + "      -" + " " + "   0.90" +
                               Blanks(7) + "\r\n";
  EXPECT_EQ(line, expected);
  EXPECT_EQ(line.size(), 82u);
}

TEST(PickLog, NumbersEndUnderTheirHeadings) {
  const std::string header = PickLogHeader();
  const std::string line =
      PickLogLine({.name = "A", .cal = 1, .tag = "QB", .pp = 2, .cv = 3, .lrtr = 4, .x = 5, .inj = 6});
  for (const char* heading : {"CAL", "PP", "CV", "LR-TR", "X", "INJ"}) {
    // 0-based index of the heading's last character.
    const std::size_t last = header.find(std::string(" ") + heading) + std::string(heading).size();
    EXPECT_EQ(line.substr(last - 2, 3), ".00") << heading;
    EXPECT_EQ(line[last + 1], ' ') << heading;
  }
}

TEST(PickLog, ZeroFactorsShowADashButZeroPointsShowTheNumberAndWideValuesAreNotCut) {
  const std::string zero = PickLogLine({.name = "B", .cal = 0, .tag = "K", .pp = 0, .cv = 0});
  EXPECT_EQ(zero.substr(1, 7) + "|" + zero.substr(34, 39), "   0.00|   0.00    0.00       -       -       -");
  const std::string wide = PickLogLine({.name = "C", .cal = -22, .tag = "WR", .pp = 12345.678, .cv = -1234.5});
  EXPECT_EQ(wide.substr(1, 7) + "|" + wide.substr(34, 16), " -22.00|12345.68-1234.50");
}

TEST(PickLog, AccentedNamesKeepTheColumnsInCharacters) {
  const std::string line = PickLogLine({.name = "Désiré, Zoë", .cal = 1, .tag = "TE", .pp = 2, .cv = 3});
  const std::string plain = PickLogLine({.name = "Desire, Zoe", .cal = 1, .tag = "TE", .pp = 2, .cv = 3});
  EXPECT_EQ(line.size(), plain.size() + 3);  // three two-byte characters
  EXPECT_EQ(line.substr(line.size() - 50), plain.substr(plain.size() - 50));
}

TEST(PickLog, NothingPassesColumnEighty) {
  EXPECT_EQ(PickLogLine({.name = std::string(100, 'n'), .cal = 1, .tag = "QB", .pp = 2, .cv = 3}).size(), 82u);
}

TEST(ByeTrace, PositionNameAndByeInTheirColumns) {
  EXPECT_EQ(ByeTraceLine("RB", "Smith, John", "7"), " RB  Smith, John" + Blanks(19) + "7 ");
  EXPECT_EQ(ByeTraceLine("QB", "Lee, Al", "10"), " QB  Lee, Al" + Blanks(22) + "10 ");
  EXPECT_EQ(ByeTraceLine("WR", std::string(40, 'n'), "9").size(), 37u);
  EXPECT_EQ(ByeTraceLine("WR", std::string(40, 'n'), "9").substr(34), "n9n");  // the name runs to the end
}

TEST(StrategyTexts, CodesAndTheirTexts) {
  const std::vector<std::string> methods{"Open Roster",    "Starters Only",   "Match Pos Ratio", "Equilibrium",
                                         "Roster Pot G-L", "Starter Min + 1", "Starter Min + 2", "Start Pot G-L"};
  for (int32_t i = 0; i < 8; ++i) EXPECT_EQ(MethodText(i), methods[static_cast<std::size_t>(i)]);
  const std::vector<std::string> compares{"Full Points", "Roster Value", "Starter Value", "ADP"};
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(CompareText(i), compares[static_cast<std::size_t>(i)]);
  EXPECT_EQ(InclusionText(0) + InclusionText(1) + InclusionText(2), "IncludeExcludeUnknown");
  EXPECT_EQ(FactorFlagText(0) + FactorFlagText(1) + FactorFlagText(2) + FactorFlagText(3), "LR-TRINJURYXUnknown");
  EXPECT_EQ(MethodText(8) + MethodText(-1) + CompareText(4), "UnknownUnknownUnknown");
  EXPECT_EQ(PickNumberText(999) + " " + PickNumberText(0) + " " + PickNumberText(12) + " " + PickNumberText(1000),
            "Last 0 12 1000");
  for (int32_t code = -1; code <= 8; ++code) {
    EXPECT_EQ(IsValidMethod(code), code >= 0 && code <= 7) << code;
    EXPECT_EQ(IsValidCompare(code), code >= 0 && code <= 3) << code;
  }
}

TEST(StrategyTexts, PositionSetShowsMarksAndAny) {
  const std::map<int32_t, std::string> table{{1, "-"}, {3, "QB"}, {4, "RB"}};
  std::vector<int32_t> asked;
  auto abbreviation = [&](int32_t id) {
    asked.push_back(id);
    auto it = table.find(id);
    return it == table.end() ? std::string("N/A") : it->second;
  };
  const std::vector<int32_t> ids{1, 1003, 0, 2004, 3, 9, -4};
  EXPECT_EQ(PositionSetText(ids, abbreviation), "[Any] [QB-S] [RB-B] [QB] [N/A] ");
  EXPECT_EQ(asked, (std::vector<int32_t>{1, 3, 4, 3, 9}));
  EXPECT_EQ(PositionSetText(std::vector<int32_t>{}, abbreviation), "");
  EXPECT_EQ(PositionSetText(std::vector<int32_t>{1001}, abbreviation), "[Any-S] ");
  EXPECT_EQ(PositionSetText(std::vector<int32_t>{2000}, abbreviation), "[N/A-S] ");  // 2000 is 1000 + starter
}

TEST(StrategyTexts, FactorFlagsOfARule) {
  clsDraftStrategy s;
  s.SetCount(2);
  s.SetUsingFactor(0, 0, true);
  s.SetUsingFactor(0, 2, true);
  EXPECT_EQ(FactorFlagsText(s, 0), "[LR-TR] [X] ");
  EXPECT_EQ(FactorFlagsText(s, 1), "");
  s.SetUsingFactor(1, 1, true);
  EXPECT_EQ(FactorFlagsText(s, 1), "[INJURY] ");
}

}  // namespace
