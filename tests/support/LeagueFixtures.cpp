#include "LeagueFixtures.h"

namespace kdtest::lgp {

std::string Long(int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[static_cast<std::size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
  return out;
}

std::string Text(std::string_view bytes, std::size_t width) {
  std::string out(bytes.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string Team(int32_t ownerID, std::string_view name, std::string_view strategy) {
  return Long(ownerID) + Text(name, 50) + Text(strategy, 50);
}

std::string Pick(int32_t ownerID, int32_t masterID, int32_t posID) {
  return Long(ownerID) + Long(masterID) + Long(posID);
}

std::string RosterSize(int32_t posID, int32_t mergeAsID, int32_t rosterMin, int32_t rosterMax,
                       int32_t starterMin, int32_t starterMax) {
  return Long(posID) + Long(mergeAsID) + Long(rosterMin) + Long(rosterMax) + Long(starterMin) +
         Long(starterMax);
}

std::string LeagueHeader(int32_t teamCount, int32_t boardCount, int32_t rosterSizeCount, int32_t keeperCount,
                         int32_t draftRounds, int32_t draftStyle, int32_t createdDraftRounds,
                         int32_t createdTeamCount) {
  return std::string("Vellacorn League Properties") + Long(1) + Long(teamCount) + Long(boardCount) +
         Long(rosterSizeCount) + Long(keeperCount) + Long(draftRounds) + Long(draftStyle) +
         Long(createdDraftRounds) + Long(createdTeamCount);
}

std::string UserMockHeader(int32_t ownerCount, int32_t boardCount, int32_t rosterSizeCount,
                           int32_t keeperCount, int32_t draftRounds) {
  return std::string("Vellacorn User Mock") + Long(1) + Long(ownerCount) + Long(boardCount) +
         Long(rosterSizeCount) + Long(keeperCount) + Long(draftRounds);
}

}  // namespace kdtest::lgp

namespace kdtest {

clsLeagueIsolate LeagueWithOrder(int32_t teams, int32_t rounds, const std::vector<int32_t>& stored,
                                 int32_t createdTeams, int32_t createdRounds) {
  clsLeagueIsolate league;
  league.SetFileName("Home.lgp");
  league.SetTeamCount(teams);
  for (int32_t t = 1; t <= teams; ++t) {
    league.SetTeamName(t, "Team " + std::to_string(t));
    league.SetStrategy(t, "S" + std::to_string(t) + ".stg");
  }
  league.SetDraftRounds(rounds);
  league.SetDraftStyle(0);
  league.SetCreatedTeamCount(createdTeams);
  league.SetCreatedDraftRounds(createdRounds);
  league.SetPickCount(static_cast<int32_t>(stored.size()));
  for (std::size_t k = 0; k < stored.size(); ++k) league.SetPick(static_cast<int32_t>(k), stored[k]);
  return league;
}

}  // namespace kdtest
