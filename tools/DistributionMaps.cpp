#include "tools/DistributionMaps.h"

#include <algorithm>

#include "platform/runtime/FileIO.h"
#include "platform/runtime/Rounding.h"
#include "tools/WeeklyStatFiles.h"

namespace bundle {

namespace {

constexpr std::string_view kQB[] = {"QB"};
constexpr std::string_view kRB[] = {"RB"};
constexpr std::string_view kReceivers[] = {"RB", "WR", "TE"};
constexpr std::string_view kOffense[] = {"QB", "RB", "WR", "TE"};
constexpr std::string_view kK[] = {"K"};

constexpr std::string_view kPassingYards[] = {"PassingYDS"};
constexpr std::string_view kPassingTD[] = {"PassingTD"};
constexpr std::string_view kInterceptions[] = {"PassingInt"};
constexpr std::string_view kRushingYards[] = {"RushingYDS"};
constexpr std::string_view kRushingTD[] = {"RushingTD"};
constexpr std::string_view kReceptions[] = {"ReceivingRec"};
constexpr std::string_view kReceivingYards[] = {"ReceivingYDS"};
constexpr std::string_view kReceivingTD[] = {"ReceivingTD"};
constexpr std::string_view kExtraPoints[] = {"PatMade"};
constexpr std::string_view kFieldGoals[] = {"FgMade_0-19", "FgMade_20-29", "FgMade_30-39", "FgMade_40-49",
                                            "FgMade_50"};
constexpr std::string_view kFumblesLost[] = {"Fum"};

constexpr DistributionMapPlan kPlans[] = {
    {3, kQB, kPassingYards},
    {4, kQB, kPassingTD},
    {5, kQB, kInterceptions},
    {14, kRB, kRushingYards},
    {15, kRB, kRushingTD},
    {20, kReceivers, kReceptions},
    {21, kReceivers, kReceivingYards},
    {22, kReceivers, kReceivingTD},
    {31, kK, kExtraPoints},
    {43, kK, kFieldGoals},
    {71, kOffense, kFumblesLost},
};

constexpr double kMaxGameValue = 10000.0;

// Columns that are not the player's own stats: who and where he played, the
// opposing team's points against the position, and the source's scoring.
bool IsStatColumn(std::string_view name) {
  static constexpr std::string_view kOther[] = {
      "PlayerName", "PlayerId", "Pos", "Team", "PlayerOpponent", "Rank", "TotalPoints", "FanPtsAgainst-pts"};
  return std::find(std::begin(kOther), std::end(kOther), name) == std::end(kOther);
}

}  // namespace

std::span<const DistributionMapPlan> DistributionMapPlans() { return kPlans; }

const DistributionMapPlan* FindDistributionMapPlan(int32_t catID) {
  for (const DistributionMapPlan& plan : kPlans) {
    if (plan.catID == catID) return &plan;
  }
  return nullptr;
}

bool CountGames(const std::string& dataFolder, const DistributionMapPlan& plan,
                std::vector<int64_t>& frequency, std::string* error) {
  std::vector<int64_t> counts;
  const std::vector<int32_t> weeks = WeeksPresent(dataFolder, "actual");
  for (int32_t week : weeks) {
    for (std::string_view pos : plan.positions) {
      const std::string path = WeeklyFilePath(dataFolder, "actual", week, pos);
      CsvTable table;
      if (!ReadCsvTable(path, table, error)) return false;
      std::vector<int> valueCells;
      for (std::string_view column : plan.columns) {
        const int cell = table.Column(column);
        if (cell < 0) {
          if (error) *error = path + ": no column " + std::string(column);
          return false;
        }
        valueCells.push_back(cell);
      }
      std::vector<int> statCells;
      for (std::size_t c = 0; c < table.header.size(); ++c) {
        if (IsStatColumn(table.header[c])) statCells.push_back(static_cast<int>(c));
      }
      for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        auto Bad = [&](int cell) {
          if (error) {
            *error = path + " line " + std::to_string(r + 2) + ": " +
                     table.header[static_cast<std::size_t>(cell)] + " is not a number";
          }
          return false;
        };
        bool played = false;
        for (int cell : statCells) {
          double value = 0;
          if (!ParseStatCell(row[static_cast<std::size_t>(cell)], value)) return Bad(cell);
          if (value != 0) played = true;
        }
        if (!played) continue;
        double total = 0;
        for (int cell : valueCells) {
          double value = 0;
          if (!ParseStatCell(row[static_cast<std::size_t>(cell)], value)) return Bad(cell);
          total += value;
        }
        // A class per unit: a value beyond any real game would only make a
        // huge file of empty classes.
        if (total > kMaxGameValue) {
          if (error) {
            *error = path + " line " + std::to_string(r + 2) + ": a game value of " + std::to_string(total) +
                     " is beyond " + std::to_string(kMaxGameValue);
          }
          return false;
        }
        const int32_t cls = total <= 0 ? 0 : runtime::CLng(total);
        if (static_cast<std::size_t>(cls) >= counts.size())
          counts.resize(static_cast<std::size_t>(cls) + 1, 0);
        ++counts[static_cast<std::size_t>(cls)];
      }
    }
  }
  if (counts.empty()) {
    if (error) *error = dataFolder + ": no game counts for category " + std::to_string(plan.catID);
    return false;
  }
  frequency = std::move(counts);
  return true;
}

int64_t InterquartileRange(const std::vector<int64_t>& frequency) {
  int64_t total = 0;
  for (int64_t f : frequency) total += f;
  // The smallest class whose cumulative count reaches quarters/4 of the total.
  auto Quartile = [&](int64_t quarters) -> int64_t {
    int64_t running = 0;
    for (std::size_t c = 0; c < frequency.size(); ++c) {
      running += frequency[c];
      if (running * 4 >= total * quarters) return static_cast<int64_t>(c);
    }
    return static_cast<int64_t>(frequency.size()) - 1;
  };
  return Quartile(3) - Quartile(1);
}

std::string DistributionMapText(const std::vector<int64_t>& frequency) {
  std::string text = std::to_string(InterquartileRange(frequency)) + "\r\n";
  for (std::size_t c = 0; c < frequency.size(); ++c) {
    text += std::to_string(c) + "," + std::to_string(frequency[c]) + "\r\n";
  }
  return text;
}

bool WriteDistributionMaps(const std::string& dataFolder, const std::string& defFolder,
                           std::span<const int32_t> catIDs, std::string* error) {
  for (int32_t catID : catIDs) {
    const DistributionMapPlan* plan = FindDistributionMapPlan(catID);
    if (plan == nullptr) {
      if (error) *error = "no distribution map is defined for category " + std::to_string(catID);
      return false;
    }
    std::vector<int64_t> frequency;
    if (!CountGames(dataFolder, *plan, frequency, error)) return false;
    std::string path = defFolder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += std::to_string(catID) + "-FDM.txt";
    std::string saveError;
    if (!runtime::SaveFileAtomically(path, DistributionMapText(frequency), &saveError)) {
      if (error) *error = path + ": " + saveError;
      return false;
    }
  }
  return true;
}

}  // namespace bundle
