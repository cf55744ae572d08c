#include "database/clsSeasonTotals.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/basFileExists_001.h"
#include "core/clsStatusPlain.h"
#include "database/basFieldRead.h"
#include "database/basNFLQBRating.h"
#include "database/clsKickwellDB.h"
#include "database/clsPlayerDataWriters.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "platform/jet/Recordset.h"

using jet::Value;

namespace {

constexpr uint8_t kSeasonWeek = clsKickwellDB::kSeasonWeek;
constexpr int32_t kFirstSeasonTable = 2;
constexpr int32_t kLastSeasonTable = 11;
constexpr int32_t kFirstValuePos = clsKickwellDB::kStatFirstValueField;
// Where the season totals put the passer rating of tblStat2, computed from
// the summed attempts, completions, yards, touchdowns and interceptions
// (positions 3 to 7).
constexpr int32_t kRatingPos = 9;
// The latest weekly row decides a new season row's team.
constexpr uint8_t kLastWeek = 17;

// Whole-file operations are all or nothing, also inside a caller's transaction.
constexpr auto kWhole = clsPlayerDataWriters::WriteScope::Nesting::kAlways;

std::string StatTableName(int32_t table) { return "tblStat" + std::to_string(table); }

}  // namespace

// tblStat2 sums its counts up to the rating (Fld9) but copies every field;
// tblStat4 sums all its fields but copies only the first four.
int32_t clsSeasonTotals::SumFieldMax(int32_t table) {
  static const int32_t kMax[] = {0, 0, 9, 6, 11, 7, 18, 9, 4, 11, 5, 17};
  return table >= 0 && table <= kLastSeasonTable ? kMax[table] : 0;
}

int32_t clsSeasonTotals::MergeFieldMax(int32_t table) {
  static const int32_t kMax[] = {0, 0, 11, 6, 6, 7, 18, 9, 4, 11, 5, 17};
  return table >= 0 && table <= kLastSeasonTable ? kMax[table] : 0;
}

// ------------------------------------------------------------------ season rows

int32_t clsSeasonTotals::pFnGetStat0TeamIDChecked(int32_t playerID, uint8_t week, int16_t year) {
  for (int32_t w = week; w >= 0; --w) {
    if (db_.SeekStatPlayerWeek(0, playerID, static_cast<uint8_t>(w), year)) {
      return basFieldRead::Long(db_.StatCursor(0), "TeamID");
    }
  }
  return 0;
}

void clsSeasonTotals::WriteSeasonRow0(int32_t playerID, int16_t year, double points) {
  const int32_t seasonID = db_.pFnGetStat0RowID(playerID, kSeasonWeek, year);
  const int32_t teamID = seasonID != 0 ? db_.pFnGetStat0TeamID(playerID, kSeasonWeek, year)
                                       : pFnGetStat0TeamIDChecked(playerID, kLastWeek, year);
  writers_.pFnWriteStatRow(
      0, seasonID, year,
      {Value(playerID), Value(static_cast<int>(kSeasonWeek)), Value(points), Value(teamID)});
}

int32_t clsSeasonTotals::SeasonRowID(int32_t table, int32_t playerID, int16_t year) {
  const int32_t id = db_.pFnGetStatRowID(playerID, kSeasonWeek, year, table);
  if (id != 0) return id;
  return writers_.pFnWriteStatRow(table, 0, year, {Value(playerID), Value(static_cast<int>(kSeasonWeek))});
}

void clsSeasonTotals::pSbSumPlayerStatsForYear(int16_t year, clsStatusPlain& status) {
  const std::vector<Value> yearKey{Value(static_cast<int>(year))};
  const std::string yearText = std::to_string(year);
  clsPlayerDataWriters::WriteScope scope(db_, kWhole);

  status.Clear(0);
  status.SetRange(0, 2, 12);
  status.StatusCaption(0, 0, "Calculating Player Stat Totals");
  {
    auto rs = db_.pSbKickwellSQL("SELECT COUNT(*) FROM tblStat0 WHERE Year = ?;", yearKey);
    const int64_t count = rs->Eof() ? 0 : rs->Field(0).AsInt64();
    if (count > 0) {
      status.StatusListCaption("Calculating " + yearText + " Player Stat Totals / " + std::to_string(count) +
                               " Records");
    }
  }

  // Every table's pass writes the same tblStat0 season row; once per player is enough.
  std::unordered_set<int32_t> seasonRows;
  const int32_t lastTable = std::min<int32_t>(kLastSeasonTable, db_.StatTableMax());
  for (int32_t t = kFirstSeasonTable; t <= kLastSeasonTable; ++t) {
    status.SetValue(0, t);
    if (t > lastTable) continue;
    jet::Recordset& cursor = db_.StatCursor(t);
    const int32_t fieldMax = std::min(SumFieldMax(t), cursor.FieldCount() - 2);
    if (fieldMax < kFirstValuePos) continue;
    std::string sql = "SELECT PlayerID";
    for (int32_t k = kFirstValuePos; k <= fieldMax; ++k) {
      sql += ", SUM(" + jet::QuoteIdentifier(cursor.FieldName(k)) + ")";
    }
    sql += " FROM " + StatTableName(t) + " WHERE Year = ? AND Week < 18 GROUP BY PlayerID ORDER BY PlayerID;";
    auto rs = db_.pSbKickwellSQL(sql, yearKey);
    for (; !rs->Eof(); rs->MoveNext()) {
      const int32_t playerID = basFieldRead::Long(*rs, "PlayerID");
      std::vector<Value> sums;
      sums.reserve(static_cast<std::size_t>(fieldMax - kFirstValuePos + 1));
      for (int32_t k = kFirstValuePos; k <= fieldMax; ++k) sums.emplace_back(rs->Field(k - 2).AsDouble());
      if (t == 2 && fieldMax >= kRatingPos) {
        auto single = [&sums](int32_t pos) {
          return static_cast<float>(sums[pos - kFirstValuePos].AsDouble());
        };
        const float rating =
            basNFLQBRating::PasserRating(single(3), single(4), single(5), single(6), single(7));
        sums[kRatingPos - kFirstValuePos] = Value(static_cast<double>(rating));
      }
      if (seasonRows.insert(playerID).second) WriteSeasonRow0(playerID, year, 0.0);
      writers_.pFnWriteStatFields(t, SeasonRowID(t, playerID, year), kFirstValuePos, sums);
    }
  }

  status.StatusCaption(0, 0, "Calculating Player Point Totals");
  {
    auto rs = db_.pSbKickwellSQL(
        "SELECT PlayerID, SUM(Points) FROM tblStat0 WHERE Year = ? AND Week < 18 GROUP BY PlayerID ORDER BY "
        "PlayerID;",
        yearKey);
    if (!rs->Eof()) {
      status.StatusListCaption("Calculating " + yearText + " Player Point Totals / " +
                               std::to_string(rs->RecordCount()) + " Records");
    }
    for (; !rs->Eof(); rs->MoveNext()) {
      WriteSeasonRow0(basFieldRead::Long(*rs, "PlayerID"), year, rs->Field(1).AsDouble());
    }
  }
  status.SetValue(0, 12);
  scope.Commit();
}

bool clsSeasonTotals::pSbAddSumPStFromAlternateDb(const std::string& path, int16_t year) {
  if (!basFileExists_001::FileExists(path, true)) return false;

  // The other file is read whole first and closed before this one is
  // written. Its PlayerIDs mean nothing here: players are matched by MasterID.
  struct SeasonRow {
    int32_t masterID = 0;
    std::vector<Value> values;  // positions 3 .. the table's field maximum
  };
  std::vector<std::vector<SeasonRow>> rows(kLastSeasonTable + 1);
  {
    auto other = jet::Database::Open(path, jet::Database::Access::kReadOnly, true);
    std::unordered_map<int32_t, int32_t> masterOf;
    {
      auto rs = other->OpenSnapshot("SELECT ID, MasterID FROM tblPlayers;");
      for (; !rs->Eof(); rs->MoveNext()) {
        masterOf[basFieldRead::Long(*rs, "ID")] = basFieldRead::Long(*rs, "MasterID");
      }
    }
    const int32_t lastTable = std::min<int32_t>(kLastSeasonTable, db_.StatTableMax());
    for (int32_t t = kFirstSeasonTable; t <= lastTable; ++t) {
      const std::string name = StatTableName(t);
      if (!other->TableExists(name)) continue;
      const std::vector<jet::FieldInfo> fields = other->TableFields(name);
      const int32_t fieldMax = std::min(
          {MergeFieldMax(t), db_.StatCursor(t).FieldCount() - 2, static_cast<int32_t>(fields.size()) - 2});
      if (fieldMax < kFirstValuePos) continue;
      std::string sql = "SELECT PlayerID";
      for (int32_t k = kFirstValuePos; k <= fieldMax; ++k) {
        sql += ", " + jet::QuoteIdentifier(fields[static_cast<std::size_t>(k)].name);
      }
      sql += " FROM " + name + " WHERE Week = 250 ORDER BY ID;";
      auto rs = other->OpenSnapshot(sql);
      for (; !rs->Eof(); rs->MoveNext()) {
        SeasonRow row;
        auto found = masterOf.find(basFieldRead::Long(*rs, "PlayerID"));
        row.masterID = found == masterOf.end() ? 0 : found->second;
        for (int32_t k = kFirstValuePos; k <= fieldMax; ++k)
          row.values.emplace_back(rs->Field(k - 2).AsDouble());
        rows[static_cast<std::size_t>(t)].push_back(std::move(row));
      }
    }
  }

  clsPlayerDataWriters::WriteScope scope(db_, kWhole);
  std::unordered_map<int32_t, int32_t> playerOf;  // MasterID -> PlayerID here, 0 for none
  std::unordered_set<int32_t> seasonRows;
  for (int32_t t = kFirstSeasonTable; t <= kLastSeasonTable; ++t) {
    for (const SeasonRow& row : rows[static_cast<std::size_t>(t)]) {
      auto known = playerOf.find(row.masterID);
      if (known == playerOf.end()) {
        const int32_t playerID = row.masterID > 0 ? db_.pFnGetPlaIDwMasID(row.masterID) : 0;
        known = playerOf.emplace(row.masterID, playerID).first;
        if (playerID == 0) {
          writers_.pSbWriteProError("pSbAddSumPStFromAlternateDb - MasterID " + std::to_string(row.masterID) +
                                    " not found.");
        }
      }
      const int32_t playerID = known->second;
      if (playerID == 0) continue;
      if (seasonRows.insert(playerID).second) WriteSeasonRow0(playerID, year, 0.0);
      writers_.pFnWriteStatFields(t, SeasonRowID(t, playerID, year), kFirstValuePos, row.values);
    }
  }
  scope.Commit();
  writers_.FlushProError();
  return true;
}

// ------------------------------------------------------------------ whole file

void clsSeasonTotals::FullStatYearChange(int16_t newYear) {
  const std::vector<Value> yearValue{Value(static_cast<int>(newYear))};
  clsPlayerDataWriters::WriteScope scope(db_, kWhole);
  for (int32_t t = 0; t <= db_.StatTableMax(); ++t) {
    db_.Database().Execute("UPDATE " + StatTableName(t) + " SET Year = ?;", yearValue);
  }
  jet::Recordset& settings = db_.Settings();
  settings.Edit();
  settings.SetField("Year", yearValue[0]);
  settings.Update();
  scope.Commit();
}

void clsSeasonTotals::pSbClearADPValues(int16_t year, uint8_t week) {
  clsPlayerDataWriters::WriteScope scope(db_, kWhole);
  db_.Database().Execute("UPDATE tblStat0 SET ADP = 0 WHERE Year = ? AND Week = ?;",
                         {Value(static_cast<int>(year)), Value(static_cast<int>(week))});
  scope.Commit();
}

void clsSeasonTotals::pSbUpdatePlayerStatus(int16_t year, uint8_t week, int32_t masterID, int32_t teamID,
                                            int32_t injuryStatus) {
  const int32_t playerID = db_.pFnGetPlaIDwMasID(masterID);
  if (playerID == 0 || db_.pFnGetStat0RowID(playerID, week, year) == 0) return;
  clsPlayerDataWriters::WriteScope scope(db_, kWhole);
  jet::Recordset& stat0 = db_.StatCursor(0);
  stat0.Edit();
  stat0.SetField("TeamID", Value(teamID));
  stat0.SetField("InjuryStatus", Value(injuryStatus));
  stat0.Update();
  scope.Commit();
}

int32_t clsSeasonTotals::pFnGetTeamIDwAbrv(const std::string& abrv, int16_t year) {
  jet::Recordset& rs = db_.FixedCursor(clsKickwellDB::kTeams);
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    bool named = false;
    for (const char* field : {"AbrvA", "AbrvB", "AbrvC"}) {
      const Value& v = rs.Field(field);
      if (!v.IsNull() && v.AsText() == abrv) named = true;
    }
    if (named && rs.Field("StartYear").AsDouble() <= year && rs.Field("EndYear").AsDouble() >= year) {
      return basFieldRead::Long(rs, "ID");
    }
  }
  return 0;
}
