#include "draft_inputs/basLGPFileControl.h"

#include <memory>
#include <string>

#include "core/Seams.h"
#include "core/basMockDraftSettings.h"
#include "core/clsINIFile.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/clsMockDraft.h"
#include "platform/jet/Transaction.h"
#include "user_mock/CompatibilityView.h"
#include "user_mock/clsUserMockIsolate.h"

namespace basLGPFileControl {

namespace {

// A created order is used only when it covers teams x rounds picks and every
// pick belongs to one of the league's teams: a damaged file must not hand
// picks to teams that do not exist.
bool IsCreatedOrderUsable(const clsLeagueIsolate& league, int32_t teams, int32_t rounds) {
  if (teams < 1 || rounds < 1) return false;
  const int64_t picks = static_cast<int64_t>(teams) * rounds;
  if (picks > league.PickCount()) return false;
  for (int32_t k = 0; k < picks; ++k) {
    const int32_t owner = league.Pick(k);
    if (owner < 1 || owner > league.TeamCount()) return false;
  }
  return true;
}

// The first teams x rounds picks of the league's created order (checked usable).
std::vector<int32_t> CreatedOrder(const clsLeagueIsolate& league, int32_t teams, int32_t rounds) {
  std::vector<int32_t> order(static_cast<std::size_t>(teams) * static_cast<std::size_t>(rounds));
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = league.Pick(static_cast<int32_t>(k));
  return order;
}

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

void WriteLimits(jet::Recordset& row, int32_t rosterMin, int32_t rosterMax, int32_t starterMin,
                 int32_t starterMax, int32_t mergeAsID) {
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

void CopyOrderToBoard(clsUserMockIsolate& ugm, const std::vector<int32_t>& order) {
  ugm.SetBoardCount(static_cast<int32_t>(order.size()));
  for (std::size_t k = 0; k < order.size(); ++k) ugm.SetBoardOwnerID(static_cast<int32_t>(k), order[k]);
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
      records[i] = {id,
                    league.MergeAsID(id),
                    league.RosterMin(id),
                    league.RosterMax(id),
                    league.StarterMin(id),
                    league.StarterMax(id)};
    }
  }
  positions->Close();
}

int32_t BuildDraftOrder(std::vector<int32_t>& order, int32_t teams, int32_t rounds, int32_t style) {
  if (teams < 1 || rounds < 1) return -1;
  const int64_t picks = static_cast<int64_t>(teams) * rounds;
  if (picks > kMaxDraftOrderPicks) return -1;

  order.assign(static_cast<std::size_t>(picks), 0);
  int32_t team = 1;
  int32_t step = 1;
  for (auto& owner : order) {
    owner = team;
    team += step;
    if (team > teams) {
      if (style == 0) {
        step = -1;
        team = teams;
      } else {
        // Every style but serpentine runs cyclic, so no pick ever names a
        // team the league does not have.
        step = 1;
        team = 1;
      }
    } else if (team < 1) {
      step = 1;
      team = 1;
    }
  }
  return static_cast<int32_t>(picks - 1);
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
      IsCreatedOrderUsable(league, teams, rounds)) {
    mock.SetCreateDraftOrder(false);
    order = CreatedOrder(league, teams, rounds);
  }
}

void ApplyDraftOrderToUserMock(clsUserMockIsolate& ugm, const clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  const int32_t createdTeams = league.CreatedTeamCount();
  const int32_t createdRounds = league.CreatedDraftRounds();
  const int32_t rounds = league.DraftRounds();
  if (createdRounds < 1 || rounds != createdRounds) return;
  if (teams != createdTeams) {
    seams::MessageBox().ShowMessage(
        "LGP Conflict",
        "The created draft order in " + league.FileName() + " is not " +
            "compatible with the current Team Count.  A new draft order will be created using " +
            "the selected LGP draft style inside of the UGM.  No changes will be made to the LGP.",
        seams::kOk, true);
    return;
  }
  if (!IsCreatedOrderUsable(league, createdTeams, createdRounds)) return;
  CopyOrderToBoard(ugm, CreatedOrder(league, createdTeams, createdRounds));
  ugm.SetDraftRounds(rounds);
}

void ApplyLeagueToUserMock(clsUserMockIsolate& ugm, clsKickwellDB& db, int32_t& status,
                           const clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  if (teams != ugm.OwnerCount()) {
    // The user is told that nothing of the league is imported: keep to that.
    status = -teams;
    return;
  }
  for (int32_t team = 1; team <= teams; ++team) {
    if (LGPTransferFlags[kTransferTeamNames]) ugm.SetOwnerName(team - 1, league.TeamName(team));
    if (LGPTransferFlags[kTransferTeamStrategies]) ugm.SetOwnerStrategy(team - 1, league.Strategy(team));
  }
  if (LGPTransferFlags[kTransferDraftOrder]) {
    const int32_t createdRounds = league.CreatedDraftRounds();
    std::vector<int32_t> order;
    if (league.CreatedTeamCount() == teams && IsCreatedOrderUsable(league, teams, createdRounds)) {
      CopyOrderToBoard(ugm, CreatedOrder(league, teams, createdRounds));
      ugm.SetDraftRounds(createdRounds);
    } else if (BuildDraftOrder(order, teams, league.DraftRounds(), league.DraftStyle()) >= 0) {
      CopyOrderToBoard(ugm, order);
      ugm.SetDraftRounds(league.DraftRounds());
    }
  }
  if (LGPTransferFlags[kTransferRosterSizes]) ApplyRosterSizesToUserMock(db, ugm, league);
}

void CopyTeamsToUserMock(clsUserMockIsolate& ugm, const clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  ugm.SetOwnerCount(teams);
  ugm.SetDraftRounds(league.DraftRounds());
  for (int32_t team = 1; team <= teams; ++team) {
    ugm.SetOwnerID(team - 1, team);
    ugm.SetOwnerName(team - 1, league.TeamName(team));
    ugm.SetOwnerStrategy(team - 1, league.Strategy(team));
  }
}

void ApplyRosterSizesToUserMock(clsKickwellDB& db, clsUserMockIsolate& ugm, const clsLeagueIsolate& league) {
  std::vector<LGPRosterSizeRecord> records;
  ReadRosterSizes(records, db, league);
  CopyRosterSizesToUserMock(records, ugm);
}

void CopyRosterSizesToUserMock(const std::vector<LGPRosterSizeRecord>& records, clsUserMockIsolate& ugm) {
  ugm.ClearRosterPositions();
  for (const LGPRosterSizeRecord& r : records) {
    ugm.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
  }
}

bool HasAllRosterMax(const std::vector<LGPRosterSizeRecord>& records) {
  for (const LGPRosterSizeRecord& r : records) {
    if (r.PosID == 1 && r.RosterMax > 0) return true;
  }
  return false;
}

}  // namespace basLGPFileControl
