#pragma once
// Scoring distribution maps (def/<CatID>-FDM.txt, docs/file-format-sco.md)
// for the main per-game categories, counted from the actual weekly stats of
// data/nfl-2024: how many games of the category's positions ended with each
// whole value 0, 1, 2, ... A game counts when the player's row has any stat;
// the files list every player of the pool, and a row without any stat is a
// game he did not play. A negative game (rushing for -3 yards) counts as 0,
// because the classes start at 0.
//
// The map's first number, its average range, is the interquartile range of
// the games: the base map then leaves out the games below about the lower
// quartile, the ones a player left early, so that a season total is spread
// over full games.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bundle {

struct DistributionMapPlan {
  int32_t catID;
  std::span<const std::string_view> positions;  // the files counted
  std::span<const std::string_view> columns;    // summed into the game's value
};

std::span<const DistributionMapPlan> DistributionMapPlans();
// nullptr when the category has no map.
const DistributionMapPlan* FindDistributionMapPlan(int32_t catID);

// frequency[c] = the number of games that ended with the value c; the last
// class is the largest value seen. False with `error` set when a file is
// missing or malformed, or no game was found.
bool CountGames(const std::string& dataFolder, const DistributionMapPlan& plan,
                std::vector<int64_t>& frequency, std::string* error);

// Q3 - Q1 of the games, where Qp is the smallest class whose cumulative
// frequency reaches p of all games.
int64_t InterquartileRange(const std::vector<int64_t>& frequency);

// The file's text: the average range, then one "class,frequency" line per
// class, lines ending in CR LF.
std::string DistributionMapText(const std::vector<int64_t>& frequency);

// Writes <defFolder><CatID>-FDM.txt for each category, each file replaced
// atomically. False with `error` set at the first failure.
bool WriteDistributionMaps(const std::string& dataFolder, const std::string& defFolder,
                           std::span<const int32_t> catIDs, std::string* error);

}  // namespace bundle
