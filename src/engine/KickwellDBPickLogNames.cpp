#include "engine/KickwellDBPickLogNames.h"

#include "database/clsKickwellDB.h"
#include "engine/clsMockRoster.h"

std::string KickwellDBPickLogNames::pFnGetPosAbrv(int32_t posID, bool allFlag) {
  return db_.pFnGetPosAbrv(posID, allFlag);
}

std::string KickwellDBPickLogNames::pFnGetPlayerNamewMasID(int32_t masterID) {
  const auto known = remembered_.find(masterID);
  return known != remembered_.end() ? known->second : db_.pFnGetPlayerNamewMasID(masterID);
}

void KickwellDBPickLogNames::RememberStackPlayers(const clsMockRoster& roster) {
  for (int32_t slot = 1; slot <= roster.StackMax(); ++slot) {
    for (int32_t i = 0; i < roster.StackPlayerCount(slot); ++i) {
      const int32_t masterID = roster.StackPlayerMasterID(slot, i);
      if (!remembered_.contains(masterID)) remembered_.emplace(masterID, db_.pFnGetPlayerNamewMasID(masterID));
    }
  }
}

std::string KickwellDBPickLogNames::pFnGetPlayerNamewMasIDDisID(int32_t masterID, int32_t displayID) {
  return db_.pFnGetPlayerNamewMasIDDisID(masterID, displayID);
}

int32_t KickwellDBPickLogNames::pFnGetPlaIDwMasID(int32_t masterID) {
  return db_.pFnGetPlaIDwMasID(masterID);
}

int16_t KickwellDBPickLogNames::pFnGetYear() { return db_.pFnGetYear(); }

std::string KickwellDBPickLogNames::pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) {
  return db_.pFnGetTeamAbrvwPlaID(playerID, week, year);
}
