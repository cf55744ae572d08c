#pragma once
// The pick log's names from an open projected-stats database.

#include "engine/PickLogNames.h"

class clsKickwellDB;

class KickwellDBPickLogNames final : public PickLogNames {
 public:
  explicit KickwellDBPickLogNames(clsKickwellDB& db) : db_(db) {}

  std::string pFnGetPosAbrv(int32_t posID, bool allFlag) override;
  std::string pFnGetPlayerNamewMasID(int32_t masterID) override;
  std::string pFnGetPlayerNamewMasIDDisID(int32_t masterID, int32_t displayID) override;
  int32_t pFnGetPlaIDwMasID(int32_t masterID) override;
  int16_t pFnGetYear() override;
  std::string pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) override;

 private:
  clsKickwellDB& db_;
};
