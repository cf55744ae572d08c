#pragma once
// The pick log's names from an open projected-stats database.

#include <unordered_map>

#include "engine/PickLogNames.h"

class clsKickwellDB;
class clsMockRoster;

class KickwellDBPickLogNames final : public PickLogNames {
 public:
  explicit KickwellDBPickLogNames(clsKickwellDB& db) : db_(db) {}

  std::string pFnGetPosAbrv(int32_t posID, bool allFlag) override;
  std::string pFnGetPlayerNamewMasID(int32_t masterID) override;
  std::string pFnGetPlayerNamewMasIDDisID(int32_t masterID, int32_t displayID) override;
  int32_t pFnGetPlaIDwMasID(int32_t masterID) override;
  int16_t pFnGetYear() override;
  std::string pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) override;

  // Reads the name of every player in the roster's stacks now, once, so
  // that a draft's picks find their names without a database lookup each.
  // For use while nothing writes the players' names.
  void RememberStackPlayers(const clsMockRoster& roster);

 private:
  clsKickwellDB& db_;
  std::unordered_map<int32_t, std::string> remembered_;
};
