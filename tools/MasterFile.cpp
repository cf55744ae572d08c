#include "tools/MasterFile.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

#include "platform/runtime/Text.h"
#include "player_data/basKWRFileControl.h"
#include "tools/WeeklyStatFiles.h"

namespace bundle {

namespace {

bool IsSuffix(std::string_view word) {
  static constexpr std::string_view kSuffixes[] = {"Jr.", "Jr", "Sr.", "Sr", "II", "III", "IV", "V"};
  return std::find(std::begin(kSuffixes), std::end(kSuffixes), word) != std::end(kSuffixes);
}

bool IsParticle(std::string_view word) {
  static constexpr std::string_view kParticles[] = {"St.", "Van", "Von", "Vander", "De",
                                                    "Del", "Da",  "Di",  "La",     "Le"};
  return std::find(std::begin(kParticles), std::end(kParticles), word) != std::end(kParticles);
}

// Family names of two words that no rule can tell from a middle name.
bool IsCompoundFamilyName(std::string_view first, std::string_view second) {
  return first == "Oginni" && second == "Hassan";
}

std::string Join(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) {
    if (!text.empty()) text += ' ';
    text += words[i];
  }
  return text;
}

constexpr uint8_t kSeasonWeek = 250;

struct WeekLine {
  int32_t teamID = 0;
  std::vector<std::pair<int32_t, float>> stats;  // category, value
};

struct Player {
  std::string sourceID;
  std::string backName;
  int32_t posID = 0;
  int32_t posOrder = 0;
  int32_t teamID = 0;  // of the latest week that lists him
  std::map<int32_t, WeekLine> weeks;
  int32_t masID = 0;
};

struct Bye {
  int32_t teamID = 0;
  int32_t week = 0;
};

bool ReadByes(const std::string& dataFolder, const TemplateLookups& lookups, int16_t year,
              std::vector<Bye>& byes, std::string* error) {
  std::string path = dataFolder;
  if (!path.empty() && path.back() != '/') path += '/';
  path += "byes-" + std::to_string(year) + ".csv";
  CsvTable table;
  if (!ReadCsvTable(path, table, error)) return false;
  const int team = table.Column("team");
  const int week = table.Column("bye_week");
  if (team < 0 || week < 0) {
    if (error) *error = path + ": the columns team and bye_week are needed";
    return false;
  }
  for (const auto& row : table.rows) {
    Bye bye;
    bye.teamID = lookups.TeamID(row[static_cast<std::size_t>(team)]);
    double value = 0;
    if (bye.teamID == 0 || !ParseStatCell(row[static_cast<std::size_t>(week)], value) || value < 1 ||
        value > 17 || value != static_cast<int32_t>(value)) {
      if (error) *error = path + ": bad bye week of " + row[static_cast<std::size_t>(team)];
      return false;
    }
    bye.week = static_cast<int32_t>(value);
    byes.push_back(bye);
  }
  std::sort(byes.begin(), byes.end(), [](const Bye& a, const Bye& b) { return a.teamID < b.teamID; });
  return true;
}

bool ReadWeek(const std::string& dataFolder, const TemplateLookups& lookups, int32_t week,
              std::string_view pos, int32_t posOrder, std::map<std::string, Player>& players,
              std::string* error) {
  const std::string path = WeeklyFilePath(dataFolder, "projected", week, pos);
  CsvTable table;
  if (!ReadCsvTable(path, table, error)) return false;
  const int nameCol = table.Column("PlayerName");
  const int idCol = table.Column("PlayerId");
  const int teamCol = table.Column("Team");
  if (nameCol < 0 || idCol < 0 || teamCol < 0) {
    if (error) *error = path + ": PlayerName, PlayerId and Team are needed";
    return false;
  }
  std::vector<std::pair<int, int32_t>> columns;  // cell, category
  for (const StatColumn& stat : StatColumns(pos)) {
    const int cell = table.Column(stat.column);
    if (cell < 0) {
      if (error) *error = path + ": no column " + std::string(stat.column);
      return false;
    }
    columns.emplace_back(cell, stat.catID);
  }
  const int32_t posID = lookups.PositionID(std::string(pos));
  if (posID == 0) {
    if (error) *error = "the template has no position " + std::string(pos);
    return false;
  }

  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const auto& row = table.rows[r];
    const std::string where = path + " line " + std::to_string(r + 2);
    const std::string& id = row[static_cast<std::size_t>(idCol)];
    const std::string& teamAbrv = row[static_cast<std::size_t>(teamCol)];
    const int32_t teamID = lookups.TeamID(teamAbrv);
    if (id.empty() || teamID == 0) {
      if (error) *error = where + ": no player id, or a team the template lacks (" + teamAbrv + ")";
      return false;
    }
    Player& player = players[id];
    if (player.sourceID.empty()) {
      player.sourceID = id;
      player.posID = posID;
      player.posOrder = posOrder;
    } else if (player.posID != posID) {
      if (error) *error = where + ": player " + id + " is listed under two positions";
      return false;
    }
    // Files are read in week order, so the latest week's name and team win.
    player.backName = BackName(row[static_cast<std::size_t>(nameCol)]);
    player.teamID = teamID;

    WeekLine line;
    line.teamID = teamID;
    for (const auto& [cell, catID] : columns) {
      double value = 0;
      if (!ParseStatCell(row[static_cast<std::size_t>(cell)], value)) {
        if (error) *error = where + ": " + table.header[static_cast<std::size_t>(cell)] + " is not a number";
        return false;
      }
      if (value > 0) line.stats.emplace_back(catID, static_cast<float>(value));
    }
    player.weeks[week] = std::move(line);
  }
  return true;
}

}  // namespace

std::string BackName(std::string_view displayName) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < displayName.size()) {
    std::size_t end = displayName.find(' ', start);
    if (end == std::string_view::npos) end = displayName.size();
    if (end > start) words.emplace_back(displayName.substr(start, end - start));
    start = end + 1;
  }
  if (words.size() < 2) return runtime::Trim(displayName);

  std::size_t family = words.size() - 1;
  if (IsSuffix(words[family]) && family >= 2) --family;
  if (family >= 2 &&
      (IsParticle(words[family - 1]) || IsCompoundFamilyName(words[family - 1], words[family]))) {
    --family;
  }
  return Join(words, family, words.size()) + ", " + Join(words, 0, family);
}

bool WriteMasterFile(const std::string& dataFolder, const TemplateLookups& lookups, int16_t year,
                     const std::string& outPath, std::string* error) {
  for (std::string_view pos : kWeeklyPositions) {
    for (const StatColumn& stat : StatColumns(pos)) {
      if (!lookups.IsEditableCategory(stat.catID)) {
        if (error)
          *error = "category " + std::to_string(stat.catID) + " is not a stored field of the template";
        return false;
      }
    }
  }
  std::vector<Bye> byes;
  if (!ReadByes(dataFolder, lookups, year, byes, error)) return false;

  const std::vector<int32_t> weeks = WeeksPresent(dataFolder, "projected");
  if (weeks.empty() || weeks.back() > 17) {
    if (error) *error = dataFolder + ": the projections must cover weeks 1 to at most 17";
    return false;
  }
  std::map<std::string, Player> byID;
  for (int32_t week : weeks) {
    int32_t posOrder = 0;
    for (std::string_view pos : kWeeklyPositions) {
      if (!ReadWeek(dataFolder, lookups, week, pos, posOrder++, byID, error)) return false;
    }
  }

  std::vector<Player*> players;
  for (auto& [id, player] : byID) players.push_back(&player);
  std::sort(players.begin(), players.end(), [](const Player* a, const Player* b) {
    if (a->posOrder != b->posOrder) return a->posOrder < b->posOrder;
    if (int c = runtime::CompareNoCase(a->backName, b->backName); c != 0) return c < 0;
    if (a->sourceID.size() != b->sourceID.size()) return a->sourceID.size() < b->sourceID.size();
    return a->sourceID < b->sourceID;
  });
  for (std::size_t i = 0; i < players.size(); ++i) players[i]->masID = static_cast<int32_t>(i + 1);

  // Registration, the weeks, and the season totals the projected-stats page
  // and the cheat sheet read.
  std::vector<uint8_t> blocks;
  for (int32_t week = 0; week <= weeks.back(); ++week) blocks.push_back(static_cast<uint8_t>(week));
  blocks.push_back(kSeasonWeek);
  try {
    basKWRFileControl::WriteKwrBlocks(
        outPath, blocks, year, "", [&](uint8_t week, KWRBlock& block) {
          if (week == kSeasonWeek) {
            for (const Player* player : players) {
              // Summed as the season totals of the database sum them, in
              // double, and stored as a Single.
              std::map<int32_t, double> season;
              for (const auto& [w, line] : player->weeks)
                for (const auto& [catID, value] : line.stats) season[catID] += value;
              for (const auto& [catID, value] : season) {
                basKWRFileControl::AddStatRecord(block, player->masID, player->teamID, week, catID,
                                                 static_cast<float>(value));
              }
            }
            return;
          }
          if (week == 0) {
            for (const Player* player : players) {
              block.Bios.push_back(
                  KWRBioRecord{player->masID, player->backName, 0, player->teamID, player->posID});
            }
            for (const Bye& bye : byes) {
              block.Modifications.push_back(KWRStatRecord{kKwrByeWeekMasID, static_cast<uint8_t>(bye.teamID),
                                                          static_cast<uint8_t>(bye.week), 0,
                                                          static_cast<float>(year)});
            }
            return;
          }
          for (const Player* player : players) {
            auto it = player->weeks.find(week);
            if (it == player->weeks.end()) continue;
            for (const auto& [catID, value] : it->second.stats) {
              basKWRFileControl::AddStatRecord(block, player->masID, it->second.teamID, week, catID, value);
            }
          }
        });
  } catch (const std::exception& e) {
    if (error) *error = outPath + ": " + e.what();
    return false;
  }
  return true;
}

}  // namespace bundle
