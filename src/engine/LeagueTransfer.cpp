#include "engine/LeagueTransfer.h"

#include <memory>
#include <string>

#include "core/basMockDraftSettings.h"
#include "core/clsINIFile.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/clsMockDraft.h"
#include "platform/jet/Transaction.h"

namespace basLGPFileControl {

namespace {

constexpr const char* kPositionsSql = "SELECT * FROM tblPositions ORDER BY ID ASC;";

// Hands every row of the position table, in ID order, to `edit` inside one
// transaction; a failure part-way rolls the table back.
template <typename Edit>
void EditEveryPosition(clsKickwellDB& db, Edit&& edit) {
  jet::Transaction transaction(db.Database());
  std::unique_ptr<jet::Recordset> positions = db.pSbEditableKickwellSQL(kPositionsSql);
  if (positions->RecordCount() > 0) {
    for (positions->MoveFirst(); !positions->Eof(); positions->MoveNext()) edit(*positions);
  }
  positions->Close();
  transaction.Commit();
}

// The field holds the number already.
bool Holds(jet::Recordset& row, const char* field, int32_t value) {
  const jet::Value& stored = row.Field(field);
  return stored.IsNumber() && stored.AsDouble() == static_cast<double>(value);
}

void WriteLimits(jet::Recordset& row, int32_t rosterMin, int32_t rosterMax, int32_t starterMin,
                 int32_t starterMax, int32_t mergeAsID) {
  // A row that holds the limits already is not written again: a job does
  // this every run, and an unchanged file stays unchanged.
  if (Holds(row, "FullRosterMin", rosterMin) && Holds(row, "FullRosterMax", rosterMax) &&
      Holds(row, "StartRosterMin", starterMin) && Holds(row, "StartRosterMax", starterMax) &&
      Holds(row, "MergeAsID", mergeAsID))
    return;
  row.Edit();
  row.SetField("FullRosterMin", rosterMin);
  row.SetField("FullRosterMax", rosterMax);
  row.SetField("StartRosterMin", starterMin);
  row.SetField("StartRosterMax", starterMax);
  row.SetField("MergeAsID", mergeAsID);
  row.Update();
}

// A whole number from an INI value; the default for text that is none.
int32_t IniLong(const clsINIFile& ini, const std::string& text, const std::string& key, int32_t fallback) {
  bool ok = false;
  const int32_t value = basMockDraftSettings::ValidLong(ini.ValueIn(text, key, std::to_string(fallback)), ok);
  return ok ? value : fallback;
}

}  // namespace

void ImportRosterSizesFromINI(const std::string& folder, const std::string& fileName, clsKickwellDB& db) {
  clsINIFile ini;
  ini.SetFilePath(folder);
  ini.SetFileName(fileName);
  ini.SetHeader("League Properties");
  const std::string text = ini.ReadFile().value_or("");
  EditEveryPosition(db, [&](jet::Recordset& row) {
    const int32_t id = row.Field("ID").AsLong();
    const std::string prefix = std::to_string(id);
    WriteLimits(row, IniLong(ini, text, prefix + "RosterMin", 0), IniLong(ini, text, prefix + "RosterMax", 0),
                IniLong(ini, text, prefix + "StartMin", 0), IniLong(ini, text, prefix + "StartMax", 0),
                IniLong(ini, text, prefix + "MergeAsID", id));
  });
}

void CopyRosterSizesToDB(clsKickwellDB& db, const clsLeagueIsolate& league) {
  EditEveryPosition(db, [&](jet::Recordset& row) {
    const int32_t id = row.Field("ID").AsLong();
    WriteLimits(row, league.RosterMin(id), league.RosterMax(id), league.StarterMin(id), league.StarterMax(id),
                league.MergeAsID(id));
  });
}

void ResetRosterSizesInDB(clsKickwellDB& db) {
  EditEveryPosition(db, [&](jet::Recordset& row) { WriteLimits(row, 0, 0, 0, 0, row.Field("ID").AsLong()); });
}

void ReadRosterSizes(std::vector<LGPRosterSizeRecord>& records, clsKickwellDB& db,
                     const clsLeagueIsolate& league) {
  std::unique_ptr<jet::Recordset> positions = db.pSbEditableKickwellSQL(kPositionsSql);
  if (positions->RecordCount() > 0) {
    std::size_t i = 0;
    for (positions->MoveFirst(); !positions->Eof(); positions->MoveNext()) {
      ++i;
      const int32_t id = positions->Field("ID").AsLong();
      records.resize(i + 1);
      records[i] = BoundedRosterLimits({id, league.MergeAsID(id), league.RosterMin(id), league.RosterMax(id),
                                        league.StarterMin(id), league.StarterMax(id)});
    }
  }
  positions->Close();
}

void ApplyLeagueToMockDraft(clsMockDraft& mock, std::vector<int32_t>& order, const clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  const int32_t rounds = league.DraftRounds();
  mock.SetDraftRounds(rounds);
  mock.SetDraftStyle(league.DraftStyle());
  mock.SetOwnerCount(teams);
  for (int32_t team = 1; team <= teams; ++team) {
    mock.SetOwnerName(team, league.TeamName(team));
    mock.SetDraftStrategyFile(team, league.Strategy(team));
  }
  if (league.CreatedTeamCount() == teams && league.CreatedDraftRounds() == rounds &&
      league.IsCreatedOrderUsable(teams, rounds)) {
    mock.SetCreateDraftOrder(false);
    order = league.CreatedOrder(teams, rounds);
  }
}

}  // namespace basLGPFileControl
