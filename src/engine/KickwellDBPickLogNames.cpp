#include "engine/KickwellDBPickLogNames.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "database/clsKickwellDB.h"
#include "engine/clsMockRoster.h"
#include "platform/jet/Database.h"

std::string KickwellDBPickLogNames::pFnGetPosAbrv(int32_t posID, bool allFlag) {
  return db_.pFnGetPosAbrv(posID, allFlag);
}

std::string KickwellDBPickLogNames::pFnGetPlayerNamewMasID(int32_t masterID) {
  const auto known = remembered_.find(masterID);
  return known != remembered_.end() ? known->second : db_.pFnGetPlayerNamewMasID(masterID);
}

namespace {

// Names read for earlier drafts, kept while the file stays as it was then
// (its change generation).
struct ReadNames {
  uint64_t generation = 0;
  std::unordered_map<int32_t, std::string> names;
};

ReadNames& NamesRead() {
  static ReadNames read;
  return read;
}

}  // namespace

void KickwellDBPickLogNames::RememberStackPlayers(const clsMockRoster& roster) {
  ReadNames& read = NamesRead();
  db_.Database().NoticeOtherWriters();
  if (read.generation != db_.Database().ChangeGeneration()) read = ReadNames{db_.Database().ChangeGeneration(), {}};
  std::vector<int32_t> unread;
  for (int32_t slot = 1; slot <= roster.StackMax(); ++slot) {
    for (int32_t i = 0; i < roster.StackPlayerCount(slot); ++i) {
      const int32_t masterID = roster.StackPlayerMasterID(slot, i);
      const auto known = read.names.find(masterID);
      if (known == read.names.end())
        unread.push_back(masterID);
      else
        remembered_.emplace(masterID, known->second);
    }
  }
  if (unread.empty()) return;
  for (const auto& [masterID, name] : db_.PlayerNamesOf(unread)) {
    read.names.emplace(masterID, name);
    remembered_.emplace(masterID, name);
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
