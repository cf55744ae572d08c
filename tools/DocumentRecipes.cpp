#include "tools/DocumentRecipes.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "core/clsCheatIsolate.h"
#include "core/clsINIFile.h"
#include "database/clsDisplayGridIsolate.h"
#include "documents/basGridValidation.h"
#include "draft_inputs/ScoringRuleRecord.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/basSTGFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"

namespace bundle {

namespace {

// The recipe's lines that carry something, with their line numbers.
struct RecipeLine {
  int number;
  std::string text;
};

bool ReadRecipeLines(const std::string& path, std::vector<RecipeLine>& lines, std::string* error) {
  std::string readError;
  auto bytes = runtime::ReadFileBytes(path, &readError);
  if (!bytes) {
    if (error) *error = path + ": " + readError;
    return false;
  }
  int number = 0;
  std::size_t start = 0;
  while (start < bytes->size()) {
    std::size_t end = bytes->find('\n', start);
    if (end == std::string::npos) end = bytes->size();
    std::string line = bytes->substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = runtime::Trim(line);
    if (line.empty() || line.front() == '#') continue;
    lines.push_back({number, line});
  }
  return true;
}

std::vector<std::string> Fields(std::string_view text, char separator) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    fields.push_back(runtime::Trim(text.substr(start, end - start)));
    if (end == text.size()) return fields;
    start = end + 1;
  }
}

// Words separated by blanks, none empty.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  for (std::string& word : Fields(text, ' ')) {
    if (!word.empty()) words.push_back(std::move(word));
  }
  return words;
}

bool Number(const std::string& text, double& value) {
  if (!runtime::IsNumeric(text)) return false;
  value = runtime::Val(text);
  return true;
}

bool WholeNumber(const std::string& text, int32_t& value) {
  double number = 0;
  if (!Number(text, number) || number != static_cast<double>(static_cast<int32_t>(number))) return false;
  value = static_cast<int32_t>(number);
  return true;
}

bool YesNo(const std::string& text, bool& value) {
  if (text == "Yes" || text == "No") {
    value = text == "Yes";
    return true;
  }
  return false;
}

// The code in 0..last whose text is `text`.
bool CodeOf(const std::string& text, int32_t last, const std::function<std::string(int32_t)>& textOf,
            int32_t& code) {
  for (int32_t c = 0; c <= last; ++c) {
    if (textOf(c) == text) {
      code = c;
      return true;
    }
  }
  return false;
}

class RecipeErrors {
 public:
  RecipeErrors(const std::string& path, std::string* error) : path_(path), error_(error) {}
  bool Fail(const RecipeLine& line, const std::string& why) const {
    if (error_) *error_ = path_ + " line " + std::to_string(line.number) + ": " + why;
    return false;
  }

 private:
  const std::string& path_;
  std::string* error_;
};

// Position IDs of a positions field; `anyWord` ("All" or "Any") stands for
// position 1, the whole roster.
bool PositionIDs(const std::string& field, const std::string& anyWord, const TemplateLookups& lookups,
                 std::vector<int32_t>& ids, std::string& unknown) {
  for (const std::string& word : Words(field)) {
    const int32_t id = word == anyWord ? 1 : lookups.PositionID(word);
    if (id <= 0) {
      unknown = word;
      return false;
    }
    ids.push_back(id);
  }
  if (ids.empty()) unknown = "(none)";
  return !ids.empty();
}

bool SaveAfterParse(const std::string& outPath, std::string* error, const std::function<bool()>& save) {
  std::error_code ec;
  const std::filesystem::path parent = std::filesystem::path(outPath).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  if (save()) return true;
  if (error) *error = outPath + ": cannot be saved";
  return false;
}

}  // namespace

bool ReadScoringRecipe(const std::string& recipePath, const TemplateLookups& lookups,
                       clsScoringIsolate& scoring, std::string* error) {
  std::vector<RecipeLine> lines;
  if (!ReadRecipeLines(recipePath, lines, error)) return false;
  const RecipeErrors errors(recipePath, error);

  std::vector<ScoringRuleRecord> rules;
  for (const RecipeLine& line : lines) {
    const std::vector<std::string> f = Fields(line.text, ',');
    if (f.size() != 7) return errors.Fail(line, "a rule has 7 fields");
    ScoringRuleRecord rule;
    double points = 0, forEvery = 0, rangeMin = 0, rangeMax = 0;
    if (!Number(f[0], points)) return errors.Fail(line, "points '" + f[0] + "' is not a number");
    if (!WholeNumber(f[1], rule.CatID) || !lookups.IsCategory(rule.CatID)) {
      return errors.Fail(line, "'" + f[1] + "' is not a stat category of the template");
    }
    if (f[2] == "Threshold") {
      forEvery = kThresholdRule;
    } else if (!Number(f[2], forEvery)) {
      return errors.Fail(line, "for every '" + f[2] + "' is neither a number nor Threshold");
    }
    if (!Number(f[3], rangeMin) || !Number(f[4], rangeMax))
      return errors.Fail(line, "the range needs two numbers");
    std::vector<int32_t> ids;
    std::string unknown;
    if (!PositionIDs(f[5], "All", lookups, ids, unknown))
      return errors.Fail(line, "unknown position " + unknown);
    for (int32_t id : ids) {
      if (id > 30)
        return errors.Fail(line, "position " + std::to_string(id) + " does not fit a position mask");
      rule.ApplyToPos |= int32_t{1} << id;
    }
    bool map = false;
    if (!YesNo(f[6], map)) return errors.Fail(line, "map is Yes or No");
    rule.Points = static_cast<float>(points);
    rule.FieldVal = static_cast<float>(forEvery);
    rule.RangeMin = static_cast<float>(rangeMin);
    rule.RangeMax = static_cast<float>(rangeMax);
    rule.FDM = map ? -1 : 0;
    rules.push_back(rule);
  }
  if (rules.empty()) {
    if (error) *error = recipePath + ": no rules";
    return false;
  }

  scoring.Clear();
  for (const ScoringRuleRecord& rule : rules) {
    scoring.AddNew();
    scoring.SetPoints(rule.Points);
    scoring.SetCatID(rule.CatID);
    scoring.SetFieldVal(rule.FieldVal);
    scoring.SetRangeMin(rule.RangeMin);
    scoring.SetRangeMax(rule.RangeMax);
    scoring.SetRangeRestrict(rule.RangeRestrict);
    scoring.SetApplyToPos(rule.ApplyToPos);
    scoring.SetFDM(rule.FDM);
  }
  return true;
}

bool ReadStrategyRecipe(const std::string& recipePath, const TemplateLookups& lookups,
                        clsDraftStrategy& strategy, std::string* error) {
  std::vector<RecipeLine> lines;
  if (!ReadRecipeLines(recipePath, lines, error)) return false;
  const RecipeErrors errors(recipePath, error);

  clsDraftStrategy parsed;
  parsed.Clear();
  for (const RecipeLine& line : lines) {
    const std::size_t colon = line.text.find(':');
    const std::string key = colon == std::string::npos ? "" : line.text.substr(0, colon);
    const std::string rest = colon == std::string::npos ? "" : runtime::Trim(line.text.substr(colon + 1));
    if (key == "Description") {
      parsed.SetDescription(rest);
    } else if (key == "Rule") {
      const std::vector<std::string> f = Fields(rest, ',');
      if (f.size() != 8) return errors.Fail(line, "a rule has 8 fields");
      int32_t first = 0, last = 0, method = 0, compare = 0, inclusion = 0;
      if (!WholeNumber(f[0], first) || first < 1) return errors.Fail(line, "first pick '" + f[0] + "'");
      if (f[1] == "Last") {
        last = clsDraftStrategy::kLastPick;
      } else if (!WholeNumber(f[1], last) || last < first) {
        return errors.Fail(line, "last pick '" + f[1] + "'");
      }
      if (!CodeOf(f[2], 7, basSTGFileControl::MethodText, method))
        return errors.Fail(line, "method '" + f[2] + "'");
      if (!CodeOf(f[3], 3, basSTGFileControl::CompareText, compare)) {
        return errors.Fail(line, "compare '" + f[3] + "'");
      }
      std::vector<int32_t> flags;
      if (f[4] != "None") {
        for (const std::string& word : Words(f[4])) {
          int32_t flag = 0;
          if (!CodeOf(word, 2, basSTGFileControl::FactorFlagText, flag)) {
            return errors.Fail(line, "factor '" + word + "'");
          }
          flags.push_back(flag);
        }
      }
      if (!CodeOf(f[5], 1, basSTGFileControl::InclusionText, inclusion)) {
        return errors.Fail(line, "inclusion '" + f[5] + "'");
      }
      std::vector<int32_t> ids;
      std::string unknown;
      if (!PositionIDs(f[6], "Any", lookups, ids, unknown))
        return errors.Fail(line, "unknown position " + unknown);
      if (ids.size() > static_cast<std::size_t>(clsDraftStrategy::kMaxPositionIDs)) {
        return errors.Fail(line, "more than 40 positions");
      }
      bool noBye = false;
      if (!YesNo(f[7], noBye)) return errors.Fail(line, "avoid bye conflicts is Yes or No");

      const int32_t r = parsed.Count();
      parsed.SetStrategyMax(r);
      parsed.SetBegPick(r, first);
      parsed.SetEndPick(r, last);
      parsed.SetMethod(r, method);
      parsed.SetCompare(r, compare);
      for (int32_t flag : flags) parsed.SetUsingFactor(r, flag, true);
      parsed.SetInclusion(r, inclusion);
      for (int32_t id : ids) parsed.AddPositionID(r, id);
      parsed.SetNoByeConflict(r, noBye);
      std::string message;
      if (!parsed.IsPositionValid(r, message))
        return errors.Fail(line, "positions: " + runtime::Trim(message));
    } else if (key == "Factor") {
      const std::vector<std::string> f = Fields(rest, ',');
      int32_t kind = 0;
      if (!CodeOf(f[0], 2, basSTGFileControl::FactorFlagText, kind))
        return errors.Fail(line, "factor '" + f[0] + "'");
      parsed.AddFactor(kind);
      for (std::size_t i = 1; i < f.size(); ++i) {
        const std::vector<std::string> entry = Words(f[i]);
        double factor = 0;
        const int32_t posID = entry.size() == 2 ? lookups.PositionID(entry[0]) : 0;
        if (posID <= 0 || !Number(entry[1], factor)) {
          return errors.Fail(line, "'" + f[i] + "' is not a position and a factor");
        }
        parsed.SetFactor(kind, posID, factor);
      }
    } else {
      return errors.Fail(line, "expected Description:, Rule: or Factor:");
    }
  }
  if (parsed.Count() == 0) {
    if (error) *error = recipePath + ": no rules";
    return false;
  }
  parsed.SetFilePath(strategy.FilePath());
  parsed.SetFileName(strategy.FileName());
  strategy = parsed;
  return true;
}

bool ReadLeagueRecipe(const std::string& recipePath, const TemplateLookups& lookups, clsLeagueIsolate& league,
                      std::string* error) {
  std::vector<RecipeLine> lines;
  if (!ReadRecipeLines(recipePath, lines, error)) return false;
  const RecipeErrors errors(recipePath, error);

  struct Limits {
    int32_t mergeAs = 0, rosterMin = 0, rosterMax = 0, starterMin = 0, starterMax = 0;
  };
  std::map<int32_t, Limits> limits;
  std::vector<std::pair<std::string, std::string>> teams;
  int32_t rounds = 0;
  int32_t style = -1;
  for (const RecipeLine& line : lines) {
    const std::size_t colon = line.text.find(':');
    const std::string key = colon == std::string::npos ? "" : line.text.substr(0, colon);
    const std::string rest = colon == std::string::npos ? "" : runtime::Trim(line.text.substr(colon + 1));
    if (key == "Rounds") {
      if (!WholeNumber(rest, rounds) || rounds < 1) return errors.Fail(line, "rounds '" + rest + "'");
    } else if (key == "Style") {
      if (rest == "Serpentine") {
        style = 0;
      } else if (rest == "Cyclic") {
        style = 1;
      } else {
        return errors.Fail(line, "style '" + rest + "' is Serpentine or Cyclic");
      }
    } else if (key == "Roster") {
      const std::vector<std::string> f = Fields(rest, ',');
      if (f.size() != 6) return errors.Fail(line, "a roster line has 6 fields");
      const int32_t posID = lookups.PositionID(f[0]);
      Limits l;
      l.mergeAs = lookups.PositionID(f[1]);
      if (posID <= 0 || l.mergeAs <= 0)
        return errors.Fail(line, "unknown position " + (posID <= 0 ? f[0] : f[1]));
      int32_t* values[] = {&l.rosterMin, &l.rosterMax, &l.starterMin, &l.starterMax};
      for (std::size_t i = 0; i < 4; ++i) {
        // The league editor takes 0 to 255.
        if (!WholeNumber(f[i + 2], *values[i]) || *values[i] < 0 || *values[i] > 255) {
          return errors.Fail(line, "limit '" + f[i + 2] + "' is not a whole number from 0 to 255");
        }
      }
      if (l.rosterMin > l.rosterMax || l.starterMin > l.starterMax || l.starterMax > l.rosterMax) {
        return errors.Fail(line, "the limits of " + f[0] + " contradict each other");
      }
      if (!limits.emplace(posID, l).second) return errors.Fail(line, f[0] + " has two roster lines");
    } else if (key == "Team") {
      const std::vector<std::string> f = Fields(rest, ',');
      if (f.size() != 2 || f[0].empty() || f[1].empty())
        return errors.Fail(line, "a team has a name and a strategy");
      teams.emplace_back(f[0], f[1]);
    } else {
      return errors.Fail(line, "expected Rounds:, Style:, Roster: or Team:");
    }
  }
  if (teams.empty() || rounds < 1 || style < 0 || limits.count(1) == 0) {
    if (error) *error = recipePath + ": a league needs teams, rounds, a style and the whole roster (ROS)";
    return false;
  }

  std::vector<int32_t> order;
  const int32_t last =
      basLGPFileControl::BuildDraftOrder(order, static_cast<int32_t>(teams.size()), rounds, style);
  if (last < 0) {
    if (error) *error = recipePath + ": no draft order for so many picks";
    return false;
  }

  clsLeagueIsolate parsed;
  parsed.SetFilePath(league.FilePath());
  parsed.SetFileName(league.FileName());
  parsed.SetTeamCount(static_cast<int32_t>(teams.size()));
  for (std::size_t i = 0; i < teams.size(); ++i) {
    parsed.SetTeamName(static_cast<int32_t>(i + 1), teams[i].first);
    parsed.SetStrategy(static_cast<int32_t>(i + 1), teams[i].second);
  }
  parsed.SetDraftRounds(rounds);
  parsed.SetDraftStyle(style);
  parsed.SetPickCount(last + 1);
  for (int32_t p = 0; p <= last; ++p) parsed.SetPick(p, order[static_cast<std::size_t>(p)]);
  parsed.SetCreatedTeamCount(static_cast<int32_t>(teams.size()));
  parsed.SetCreatedDraftRounds(rounds);
  parsed.ClearRosterPositions();
  parsed.AddRosterPositionSize(0, 0, 0, 0, 0, 0);
  for (int32_t posID : lookups.positionOrder) {
    auto it = limits.find(posID);
    const Limits l = it == limits.end() ? Limits{posID, 0, 0, 0, 0} : it->second;
    parsed.AddRosterPositionSize(l.mergeAs, posID, l.rosterMax, l.rosterMin, l.starterMax, l.starterMin);
  }
  league = parsed;
  return true;
}

bool ReadDisplayGridRecipe(const std::string& recipePath, const TemplateLookups& lookups,
                           clsDisplayGridIsolate& grid, std::string* error) {
  std::vector<RecipeLine> lines;
  if (!ReadRecipeLines(recipePath, lines, error)) return false;
  const RecipeErrors errors(recipePath, error);

  struct ColumnRecipe {
    int32_t catID = 0, width = 0, format = 0, align = 0;
    std::string title1, title2;
  };
  std::vector<ColumnRecipe> columns;
  std::vector<basGridValidation::DisplayGridColumn> checked;
  for (const RecipeLine& line : lines) {
    const std::size_t colon = line.text.find(':');
    if (colon == std::string::npos || line.text.substr(0, colon) != "Column") {
      return errors.Fail(line, "expected Column:");
    }
    const std::vector<std::string> f = Fields(line.text.substr(colon + 1), ',');
    if (f.size() != 6) return errors.Fail(line, "a column has 6 fields");
    ColumnRecipe c;
    if (!WholeNumber(f[0], c.catID) || !lookups.IsCategory(c.catID)) {
      return errors.Fail(line, "'" + f[0] + "' is not a stat category of the template");
    }
    if (!WholeNumber(f[1], c.width) || c.width < 0 || c.width > INT16_MAX) {
      return errors.Fail(line, "width '" + f[1] + "'");
    }
    c.title1 = f[2];
    c.title2 = f[3];
    if (f[4] == "Default") {
      c.format = lookups.DefaultFormat(c.catID);
    } else if (!WholeNumber(f[4], c.format) || c.format < 0 || c.format > 255) {
      return errors.Fail(line, "'" + f[4] + "' is not a display format of the template");
    }
    if (!lookups.IsFormatOf(c.format, c.catID)) {
      return errors.Fail(line, "format " + std::to_string(c.format) + " is not one category " +
                                   std::to_string(c.catID) + " can be shown in");
    }
    if (f[5] == "Left") {
      c.align = 1;
    } else if (f[5] == "Center") {
      c.align = 4;
    } else if (f[5] == "Right") {
      c.align = 7;
    } else {
      return errors.Fail(line, "align '" + f[5] + "' is Left, Center or Right");
    }
    checked.push_back({c.catID, c.width});
    columns.push_back(std::move(c));
  }
  std::string message;
  if (!basGridValidation::CheckDisplayGridColumns(checked, message)) {
    if (error) *error = recipePath + ": " + runtime::ReplaceAll(message, "\r\n", " ");
    return false;
  }

  grid.SetColumnMax(-1);
  grid.SetColumnMax(static_cast<int32_t>(columns.size()) - 1);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int32_t col = static_cast<int32_t>(i);
    const ColumnRecipe& c = columns[i];
    grid.SetTableFieldID(col, c.catID);
    grid.SetOrderNumber(col, static_cast<uint8_t>(i + 1));
    grid.SetColumnWidth(col, static_cast<int16_t>(c.width));
    grid.SetTitle1(col, c.title1);
    grid.SetTitle2(col, c.title2);
    grid.SetDecimals(col, static_cast<uint8_t>(c.format));
    grid.SetAlign(col, static_cast<uint8_t>(c.align));
  }
  return true;
}

bool ReadProjectRecipe(const std::string& recipePath,
                       std::vector<std::pair<std::string, std::string>>& entries, std::string* error) {
  std::vector<RecipeLine> lines;
  if (!ReadRecipeLines(recipePath, lines, error)) return false;
  const RecipeErrors errors(recipePath, error);
  const auto& keys = clsCheatIsolate::Keys();
  std::vector<std::optional<std::string>> values(keys.size());
  for (const RecipeLine& line : lines) {
    const std::size_t colon = line.text.find(':');
    const std::string key = colon == std::string::npos ? "" : runtime::Trim(line.text.substr(0, colon));
    const auto it = std::find(keys.begin(), keys.end(), key);
    if (it == keys.end()) return errors.Fail(line, "'" + key + "' is not a key of the project file");
    auto& value = values[static_cast<std::size_t>(it - keys.begin())];
    if (value) return errors.Fail(line, key + " is given twice");
    value = runtime::Trim(line.text.substr(colon + 1));
  }
  entries.clear();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (values[i]) entries.emplace_back(keys[i], *values[i]);
  }
  return true;
}

bool WriteScoringSystem(const std::string& recipePath, const TemplateLookups& lookups,
                        const std::string& outPath, std::string* error) {
  clsScoringIsolate scoring;
  if (!ReadScoringRecipe(recipePath, lookups, scoring, error)) return false;
  return SaveAfterParse(outPath, error, [&] { return basSCOFileControl::WriteScoFile(outPath, scoring); });
}

bool WriteDraftStrategy(const std::string& recipePath, const TemplateLookups& lookups,
                        const std::string& outPath, std::string* error) {
  clsDraftStrategy strategy;
  if (!ReadStrategyRecipe(recipePath, lookups, strategy, error)) return false;
  const std::filesystem::path out(outPath);
  std::string folder = out.parent_path().string();
  if (!folder.empty()) folder += '/';
  strategy.SetFilePath(folder);
  strategy.SetFileName(out.filename().string());
  return SaveAfterParse(outPath, error, [&] { return strategy.SaveDraftStrategy(); });
}

bool WriteLeagueProperties(const std::string& recipePath, const TemplateLookups& lookups,
                           const std::string& outPath, std::string* error) {
  clsLeagueIsolate league;
  const std::filesystem::path out(outPath);
  std::string folder = out.parent_path().string();
  if (!folder.empty()) folder += '/';
  league.SetFilePath(folder);
  league.SetFileName(out.filename().string());
  if (!ReadLeagueRecipe(recipePath, lookups, league, error)) return false;
  return SaveAfterParse(outPath, error, [&] { return league.SaveLeagueProps(); });
}

bool WriteDisplayGrid(const std::string& recipePath, const TemplateLookups& lookups,
                      const std::vector<std::string>& outPaths, std::string* error) {
  clsDisplayGridIsolate grid;
  if (!ReadDisplayGridRecipe(recipePath, lookups, grid, error)) return false;
  if (grid.ColumnMax() >= 255) {
    if (error) *error = recipePath + ": more columns than a display position can number";
    return false;
  }
  for (const std::string& outPath : outPaths) {
    grid.SetFilePath(outPath);
    grid.SetGridName(std::filesystem::path(outPath).filename().string());
    if (!SaveAfterParse(outPath, error, [&] { return grid.SaveFile(); })) return false;
  }
  return true;
}

bool WriteProjectFile(const std::string& recipePath, const std::string& outPath, std::string* error) {
  std::vector<std::pair<std::string, std::string>> entries;
  if (!ReadProjectRecipe(recipePath, entries, error)) return false;
  const std::filesystem::path out(outPath);
  std::string folder = out.parent_path().string();
  if (!folder.empty()) folder += '/';
  std::error_code ec;
  // A fresh file: the INI writer keeps whatever else an old one held.
  std::filesystem::remove(out, ec);
  clsINIFile ini;
  ini.SetFilePath(folder);
  ini.SetFileName(out.filename().string());
  ini.SetHeader("Kickwell Draftyard Project");
  return SaveAfterParse(outPath, error, [&] { return ini.SetValues(entries); });
}

}  // namespace bundle
