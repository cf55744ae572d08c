#include "database/clsApplyScoring.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>
#include <span>
#include <tuple>
#include <string>
#include <vector>

#include "core/Seams.h"
#include "core/basMockItUp.h"
#include "core/clsStatusPlain.h"
#include "database/basFieldRead.h"
#include "database/clsCategoryControl.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/ScoringRuleRecord.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/jet/Database.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/Statement.h"
#include "platform/jet/TableInfo.h"
#include "platform/jet/Transaction.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Rounding.h"

namespace {

constexpr int kPlayerIDField = clsKickwellDB::kStatPlayerIDField;
constexpr int kWeekField = clsKickwellDB::kStatWeekField;
constexpr int kPointsField = clsKickwellDB::kStat0PointsField;

// Scoring plays in tblStat1: the play type and the play's yardage.
constexpr int32_t kPlayTable = 1;
constexpr int kPlayTypeField = 3;
constexpr int kPlayYardsField = 4;
// A category whose type filter reads the play type is scored play by play.
constexpr uint8_t kPerPlayTypeField = 3;
// The highest position id a rule's position flags hold.
constexpr int32_t kMaxRulePosition = 30;

// The value as the rule's range sees it: rounded to a Single. A value that
// no Single can hold is an overflow, as converting it would be.
float AsSingle(double value) {
  if (std::isfinite(value) && std::fabs(value) > static_cast<double>(FLT_MAX)) {
    throw runtime::OverflowError("Overflow: the value " + runtime::ShortNumber(value) + " cannot be scored");
  }
  return static_cast<float>(value);
}

}  // namespace

clsApplyScoring::clsApplyScoring(clsKickwellDB& db) : db_(db) {}

void clsApplyScoring::pSbMapScoringRules(clsScoringIsolate& scoring) {
  clsCategoryControl& catalogue = db_.StatCon();
  catalogue.ClearScoringOrder();
  if (scoring.RecordCount() > 0) {
    int32_t n = 0;
    for (scoring.MoveFirst(); !scoring.IsEOF(); scoring.MoveNext()) {
      const int32_t catID = scoring.CatID();
      if (catalogue.DoesIDExist(catID)) catalogue.SetScoringOrder(catID, ++n);
    }
  }
  catalogue.UpdateScoringNdx();
}

void clsApplyScoring::pSbSeekStatTables(int32_t playerID, int32_t week, int32_t year) {
  db_.StatCon().PositionStatTables(playerID, week, year);
}

double clsApplyScoring::pSbScoreCurrentStatRow(clsScoringIsolate& scoring, int32_t modifiedScoring) {
  clsCategoryControl& catalogue = db_.StatCon();
  jet::Recordset& stat0 = db_.StatCursor(0);
  catalogue.LoadCurrentRow(0);
  const int32_t playerID = stat0.Field(kPlayerIDField).AsLong();
  const int32_t week = stat0.Field(kWeekField).AsLong();
  const int32_t year = stat0.Field(stat0.FieldCount() - 1).AsLong();
  pSbSeekStatTables(playerID, week, year);
  catalogue.ExtractScoringValues();
  return pFnGetPlayerWeekPoints(scoring, true, modifiedScoring);
}

double clsApplyScoring::pFnGetPlayerWeekPoints(clsScoringIsolate& scoring, bool write,
                                               int32_t modifiedScoring) {
  jet::Recordset& stat0 = db_.StatCursor(0);
  const int32_t position = db_.pFnGetPosIDwPlaID(stat0.Field(kPlayerIDField).AsLong());
  const double total = PlayerWeekPoints(PrepareRules(scoring), scoring, position, modifiedScoring);
  if (write && stat0.Field(kPointsField).AsDouble() != total) {
    stat0.Edit();
    try {
      stat0.SetField(kPointsField, jet::Value(total));
      stat0.Update();
    } catch (...) {
      stat0.CancelUpdate();
      throw;
    }
  }
  return total;
}

std::vector<clsApplyScoring::PreparedRule> clsApplyScoring::PrepareRules(clsScoringIsolate& scoring) const {
  clsCategoryControl& catalogue = db_.StatCon();
  std::vector<PreparedRule> rules;
  rules.reserve(static_cast<std::size_t>(scoring.RecordCount()));
  int32_t index = 0;
  for (scoring.MoveFirst(); !scoring.IsEOF(); scoring.MoveNext(), ++index) {
    PreparedRule& rule = rules.emplace_back();
    rule.fields = scoring.Record();
    rule.index = index;
    for (int32_t p = 0; p <= kMaxRulePosition; ++p)
      if (scoring.UsePos(p)) rule.positions |= 1u << p;
    rule.scored = catalogue.DoesIDExist(rule.fields.CatID);
    if (rule.scored) {
      rule.perPlay = catalogue.TypeField(rule.fields.CatID) == kPerPlayTypeField;
      rule.playType = catalogue.TypeValue(rule.fields.CatID);
    }
  }
  return rules;
}

double clsApplyScoring::PlayerWeekPoints(std::span<const PreparedRule> rules, clsScoringIsolate& scoring,
                                         int32_t position, int32_t modifiedScoring) {
  if (rules.empty()) return 0;
  clsCategoryControl& catalogue = db_.StatCon();
  const int32_t plays = catalogue.RecordCount(kPlayTable);
  // Ids beyond the rules' position flags are in no rule.
  const uint32_t at = position >= 0 && position <= kMaxRulePosition ? 1u << position : 0u;
  double total = 0;
  for (const PreparedRule& rule : rules) {
    if (!(rule.positions & at) || !rule.scored) continue;
    const double value = catalogue.DoubleValue(rule.fields.CatID);
    if (rule.perPlay && plays > 1 && value != 0) {
      // Several plays: each play of the category's type is scored on its
      // own yardage (a 45- and a 52-yard field goal are two scores, not
      // one score of the last play's length).
      for (int32_t r = 0; r < plays; ++r) {
        if (catalogue.RowValue(kPlayTable, r, kPlayTypeField) == rule.playType) {
          total += ValuePoints(catalogue.RowValue(kPlayTable, r, kPlayYardsField), rule, scoring, modifiedScoring);
        }
      }
    } else {
      total += ValuePoints(value, rule, scoring, modifiedScoring);
    }
  }
  // The cursor ends after the last rule, as a walk over the rules leaves it.
  scoring.Move(scoring.RecordCount());
  return total;
}

double clsApplyScoring::ValuePoints(double value, const PreparedRule& rule, clsScoringIsolate& scoring,
                                    int32_t modifiedScoring) {
  if (rule.fields.FDM == 0) return PointsOfOne(value, rule.fields, modifiedScoring);
  scoring.Move(rule.index);
  return pFnGetValuePoints(value, scoring, modifiedScoring);
}

double clsApplyScoring::pFnGetValuePoints(double value, clsScoringIsolate& scoring, int32_t modifiedScoring) {
  const ScoringRuleRecord rule = scoring.Record();
  if (rule.FDM == 0) return PointsOfOne(value, rule, modifiedScoring);
  const int32_t upper = scoring.GetFDMap(value, mapped_);
  double total = 0;
  for (int32_t i = 0; i <= upper; ++i) {
    total += PointsOfOne(mapped_[static_cast<std::size_t>(i)], rule, modifiedScoring);
  }
  return total;
}

double clsApplyScoring::PointsOfOne(double value, const ScoringRuleRecord& rule, int32_t modifiedScoring) {
  // The range is compared in Single precision, the units are worked out in Double.
  const float v = AsSingle(value);
  const float rangeMin = rule.RangeMin;
  const float rangeMax = rule.RangeMax;
  const float fieldVal = rule.FieldVal;
  if (v < rangeMin) return 0;
  if (fieldVal == kThresholdRule) return v <= rangeMax ? static_cast<double>(rule.Points) : 0;
  if (fieldVal == 0) return 0;

  double lo = 0;
  double hi = 0;
  bool whole = true;
  if (rangeMin >= 0) {
    lo = rangeMin;
    if (v <= rangeMax) {
      hi = value;
      whole = modifiedScoring != 1;
    } else {
      hi = rangeMax;  // the range cuts the value: whole units only
    }
  } else {
    // A negative range counts down from RangeMax: values at or below it
    // score negative units, values above it nothing.
    if (v > rangeMax) return 0;
    lo = rangeMax;
    hi = value;
    whole = modifiedScoring != 1;
  }
  double units = (hi - lo) / static_cast<double>(fieldVal);
  if (whole) units = std::trunc(units);
  return units * static_cast<double>(rule.Points);
}

namespace {

// A player-week as the stat tables key it.
struct PlayerWeek {
  int64_t playerID = 0;
  int64_t week = 0;
  int64_t year = 0;
  auto operator<=>(const PlayerWeek&) const = default;
};

using basFieldRead::WholeNumber;

// The rows of one stat table in the week range, by player-week, each group
// in the order the table's player-week index holds them (row-id order
// within a player-week).
struct StatTableRows {
  int32_t table = 0;
  int32_t fieldCount = 0;
  std::vector<double> values;  // row-major
  // Every row's player-week and row number, sorted (a sorted list, not a
  // map: no allocation per player-week).
  std::vector<std::pair<PlayerWeek, int32_t>> keys;

  // The rows of the player-week, in row-id order.
  std::span<const std::pair<PlayerWeek, int32_t>> RowsOf(const PlayerWeek& key) const {
    const auto first = std::lower_bound(keys.begin(), keys.end(), key,
                                        [](const auto& entry, const PlayerWeek& k) { return entry.first < k; });
    auto last = first;
    while (last != keys.end() && last->first == key) ++last;
    return {first, last};
  }
};

// A tblStat0 row of the pass, as read.
struct Stat0Row {
  jet::Value rowid;
  std::size_t firstValue = 0;  // its fields in the pass's list of values
  jet::Value playerID;
  int32_t week = 0;
  int32_t year = 0;
  jet::Value position;  // the player's PosID, as the player table holds it
  double points = 0;
};

std::string StatTableName(int32_t table) { return "tblStat" + std::to_string(table); }

// The fields of a stat table the pass reads, by ordinal: the player-week's
// keys first (PlayerID, Week and Year, the last field), then `extra`, then
// every other field the scoring order's categories read (the others stay
// 0). Empty when the table is too narrow for its keys.
std::vector<int32_t> FieldsToRead(const clsCategoryControl& catalogue, int32_t table, int32_t fieldCount,
                                  std::initializer_list<int32_t> extra) {
  const int32_t yearField = fieldCount - 1;
  if (std::max({kPlayerIDField, kWeekField, extra.size() ? std::max(extra) : 0}) >= yearField) return {};
  std::vector<int32_t> read{kPlayerIDField, kWeekField, yearField};
  read.insert(read.end(), extra.begin(), extra.end());
  std::vector<uint8_t> used = catalogue.ScoringFields(table);
  used.resize(std::max(used.size(), static_cast<std::size_t>(fieldCount)), 0);
  for (int32_t k = 0; k < fieldCount; ++k)
    if (used[static_cast<std::size_t>(k)] && std::find(read.begin(), read.end(), k) == read.end()) read.push_back(k);
  return read;
}

// Those fields as the column list of a SELECT.
std::string ColumnList(const std::vector<jet::FieldInfo>& info, const std::vector<int32_t>& ordinals) {
  std::string columns;
  for (int32_t k : ordinals) {
    if (!columns.empty()) columns += ", ";
    columns += jet::QuoteIdentifier(info[static_cast<std::size_t>(k)].name);
  }
  return columns;
}

// The last pass this program ran to its end: every row of its week range of
// the file then held the points its rules give. The same pass over the file
// as it still is changes nothing.
struct CompletedPass {
  uint64_t generation = 0;  // the file's change generation after the pass
  uint8_t weekFrom = 0;
  uint8_t weekTo = 0;
  int32_t modifiedScoring = 0;
  std::vector<ScoringRuleRecord> rules;
  int32_t count = 0;  // rows in the week range
};

std::optional<CompletedPass>& LastCompletedPass() {
  static std::optional<CompletedPass> pass;
  return pass;
}

std::vector<ScoringRuleRecord> RulesOf(clsScoringIsolate& scoring) {
  std::vector<ScoringRuleRecord> rules;
  if (scoring.RecordCount() == 0) return rules;
  rules.reserve(static_cast<std::size_t>(scoring.RecordCount()));
  for (scoring.MoveFirst(); !scoring.IsEOF(); scoring.MoveNext()) rules.push_back(scoring.Record());
  return rules;
}

}  // namespace

int32_t clsApplyScoring::UpdatePlayerPoints(clsStatusPlain& status, uint8_t weekFrom, uint8_t weekTo,
                                            clsScoringIsolate& scoring, int32_t modifiedScoring) {
  status.ClearAll();
  status.StatusCaption(0, 0, "Applying Scoring System to Projected Stats");
  status.StatusListCaption("Applying Scoring System to Projected Stats...");
  jet::Database& database = db_.Database();
  database.NoticeOtherWriters();
  const std::vector<ScoringRuleRecord> rules = RulesOf(scoring);
  // Rules with distribution maps also read files besides the database:
  // their passes always run.
  const bool reusable =
      std::none_of(rules.begin(), rules.end(), [](const ScoringRuleRecord& r) { return r.FDM != 0; });
  const std::optional<CompletedPass>& last = LastCompletedPass();
  if (reusable && last && last->generation == database.ChangeGeneration() && last->weekFrom == weekFrom &&
      last->weekTo == weekTo && last->modifiedScoring == modifiedScoring && last->rules == rules) {
    // Nothing was written to the file since that pass ran with these rules:
    // every row holds its points already.
    scoring.BuildMaps(DefaultsFolder);
    status.SetSegmentRange(4, 1, last->count);
    status.SetSegmentValue(4, last->count);
    DoEvents();
    return 0;
  }
  // The rows are read under one read lock, given up before they are scored.
  std::optional<jet::ReadScope> readLock(std::in_place, database);
  int64_t allRows = 0;
  database.ForEachRow("SELECT COUNT(*) FROM tblStat0;", {},
                      [&](const jet::Statement& row) { allRows = row.Column(0).AsInt64(); });
  if (allRows == 0 || scoring.RecordCount() == 0) return 0;

  scoring.BuildMaps(DefaultsFolder);
  const std::vector<jet::Value> range{jet::Value(static_cast<int>(weekFrom)), jet::Value(static_cast<int>(weekTo))};
  // The rows of the range with each player's position, as the player
  // table's cursor finds it by his id (the first record with it), taken in
  // the order of the player-week index: sorted here when every key is a
  // whole number, else by SQLite, which orders text and fractions its own way.
  clsCategoryControl& catalogue = db_.StatCon();
  const std::vector<jet::FieldInfo> stat0Info = database.TableFields("tblStat0");
  const int fields = static_cast<int>(stat0Info.size());
  const std::vector<int32_t> stat0Read = FieldsToRead(catalogue, 0, fields, {kPointsField});
  // A tblStat0 too narrow for its keys and points has no row to score.
  if (stat0Read.empty()) return 0;
  const int positionColumn = 1 + static_cast<int>(stat0Read.size());
  const std::string rowsSql =
      "SELECT rowid, " + ColumnList(stat0Info, stat0Read) +
      ", (SELECT PosID FROM tblPlayers WHERE tblPlayers.ID = tblStat0.PlayerID ORDER BY tblPlayers.rowid LIMIT 1) "
      "FROM tblStat0 WHERE Week >= ? AND Week <= ?";
  std::vector<Stat0Row> stat0;
  std::vector<double> stat0Values;
  bool integerKeys = true;
  const auto readRows = [&](const std::string& sql) {
    stat0.clear();
    stat0Values.clear();
    database.ForEachRow(sql, range, [&](const jet::Statement& row) {
      Stat0Row& r = stat0.emplace_back();
      r.rowid = row.Column(0);
      r.firstValue = stat0Values.size();
      stat0Values.resize(r.firstValue + static_cast<std::size_t>(fields), 0.0);
      for (std::size_t c = 0; c < stat0Read.size(); ++c)
        stat0Values[r.firstValue + static_cast<std::size_t>(stat0Read[c])] =
            row.Column(1 + static_cast<int>(c)).AsDouble();
      r.playerID = row.Column(1);
      const jet::Value week = row.Column(2);
      const jet::Value year = row.Column(3);
      integerKeys = integerKeys && r.playerID.GetKind() == jet::Value::Kind::kInteger &&
                    week.GetKind() == jet::Value::Kind::kInteger && year.GetKind() == jet::Value::Kind::kInteger;
      r.week = week.AsLong();
      r.year = year.AsLong();
      r.position = row.Column(positionColumn);
      r.points = row.Column(4).AsDouble();
    });
  };
  readRows(rowsSql + ";");
  if (integerKeys) {
    std::sort(stat0.begin(), stat0.end(), [](const Stat0Row& a, const Stat0Row& b) {
      const auto ka = std::make_tuple(a.playerID.Integer(), a.week, a.year, a.rowid.Integer());
      const auto kb = std::make_tuple(b.playerID.Integer(), b.week, b.year, b.rowid.Integer());
      return ka < kb;
    });
  } else {
    readRows(rowsSql + " ORDER BY PlayerID, Week, Year, rowid;");
  }
  const int32_t count = static_cast<int32_t>(stat0.size());
  status.SetSegmentRange(4, 1, count);

  // Only the rows of the week range are read, each table once, through
  // prepared statements: the table cursors would read every week of every
  // table and sort it.
  std::vector<StatTableRows> tables;
  for (int32_t slot = 0; slot < catalogue.RecordsetRefCount(); ++slot) {
    const int32_t table = catalogue.RecordsetRefID(slot);
    if (table == 0) continue;
    // A table the file does not have gives no rows.
    catalogue.ClearRows(table);
    if (!catalogue.RecordsetRef(table)) continue;
    StatTableRows& rows = tables.emplace_back();
    rows.table = table;
    const std::vector<jet::FieldInfo> info = database.TableFields(StatTableName(table));
    const int32_t fieldCount = static_cast<int32_t>(info.size());
    std::vector<int32_t> read = table == kPlayTable
                                    ? FieldsToRead(catalogue, table, fieldCount, {kPlayTypeField, kPlayYardsField})
                                    : FieldsToRead(catalogue, table, fieldCount, {});
    // A table too narrow for its keys gives no row a player-week.
    if (read.empty()) continue;
    rows.fieldCount = fieldCount;
    const std::string columns = ColumnList(info, read);
    int32_t n = 0;
    database.ForEachRow(
        "SELECT " + columns + " FROM " + StatTableName(table) + " WHERE Week >= ? AND Week <= ? ORDER BY rowid;",
        range, [&](const jet::Statement& row) {
          PlayerWeek key;
          const jet::Value playerID = row.Column(0);
          const jet::Value week = row.Column(1);
          const jet::Value year = row.Column(2);
          const bool keyed = WholeNumber(playerID, key.playerID) && WholeNumber(week, key.week) &&
                             WholeNumber(year, key.year);
          if (!keyed) return;
          const std::size_t at = rows.values.size();
          rows.values.resize(at + static_cast<std::size_t>(fieldCount), 0.0);
          const auto value = [&](int32_t k) -> double& { return rows.values[at + static_cast<std::size_t>(k)]; };
          value(read[0]) = playerID.AsDouble();
          value(read[1]) = week.AsDouble();
          value(read[2]) = year.AsDouble();
          for (std::size_t c = 3; c < read.size(); ++c) value(read[c]) = row.Column(static_cast<int>(c)).AsDouble();
          rows.keys.emplace_back(key, n++);
        });
    // Row numbers rise with the row id, so a player-week's rows stay in that order.
    std::sort(rows.keys.begin(), rows.keys.end());
  }

  readLock.reset();

  int32_t done = 0;
  bool stop = false;
  std::vector<double> picked;
  // Row id and new points of every row whose points change.
  std::vector<std::pair<jet::Value, double>> changed;
  const std::vector<PreparedRule> prepared = PrepareRules(scoring);
  for (const Stat0Row& row : stat0) {
    ++done;
    status.SetSegmentValue(4, done);
    catalogue.SetRows(0, 1, fields,
                      std::span<const double>(stat0Values).subspan(row.firstValue, static_cast<std::size_t>(fields)));
    const int32_t playerID = row.playerID.AsLong();
    const PlayerWeek key{playerID, row.week, row.year};
    for (const StatTableRows& t : tables) {
      const auto found = t.RowsOf(key);
      if (found.empty()) {
        catalogue.ClearRows(t.table);
        continue;
      }
      // tblStat1 holds a row per scoring play, the others one row.
      const std::size_t n = t.table == 1 ? found.size() : 1;
      picked.clear();
      for (std::size_t r = 0; r < n; ++r) {
        const auto from = t.values.begin() + static_cast<std::ptrdiff_t>(found[r].second) * t.fieldCount;
        picked.insert(picked.end(), from, from + t.fieldCount);
      }
      catalogue.SetRows(t.table, static_cast<int32_t>(n), t.fieldCount, picked);
    }
    catalogue.ExtractScoringValues();
    // Only a whole-number id is matched as the cursor's seek matches it.
    const int32_t position = row.playerID.GetKind() == jet::Value::Kind::kInteger
                                 ? basFieldRead::LongOrZero(row.position)
                                 : db_.pFnGetPosIDwPlaID(playerID);
    const double total = PlayerWeekPoints(prepared, scoring, position, modifiedScoring);
    if (row.points != total) changed.emplace_back(row.rowid, total);
    DoEvents();
    if (CancelFlag) {
      stop = true;
      break;
    }
  }
  // The walk yields once for every row of the table, also those outside
  // the range, so the window stays live for as long as the pass lasts.
  for (int64_t k = done; k < allRows && !stop; ++k) {
    DoEvents();
    stop = CancelFlag;
  }
  if (!changed.empty()) {
    // One transaction for the writes, so the file is synced once; a
    // cancelled pass writes what it scored, a failed one leaves the file as
    // it was.
    jet::Transaction transaction(database);
    for (const auto& [rowid, total] : changed)
      database.ExecuteOn("tblStat0", "UPDATE tblStat0 SET Points = ? WHERE rowid = ?;", {jet::Value(total), rowid});
    transaction.Commit();
  }
  // Remembered only when nobody else committed to the file meanwhile: the
  // generation then stands for what this pass read and wrote.
  if (!stop && reusable && !database.NoticeOtherWriters())
    LastCompletedPass() = CompletedPass{database.ChangeGeneration(), weekFrom, weekTo, modifiedScoring, rules, count};
  return done;
}

void clsApplyScoring::AssignNewScoringSystem(clsStatusPlain& status, clsScoringIsolate& scoring,
                                             const std::string& name, clsScoringIsolate& own,
                                             int32_t modifiedScoring) {
  status.ClearAll();
  status.SetFormCaption("Applying New Scoring System");
  status.StatusCaption(1, 0, "Applying " + name);
  jet::Recordset& stat0 = db_.StatCursor(0);
  if (stat0.RecordCount() == 0 || scoring.RecordCount() == 0) return;

  stat0.MoveLast();
  stat0.MoveFirst();
  status.SetRange(1, 1, stat0.RecordCount());
  // The catalogue computes what the given system scores for this run only;
  // afterwards it computes the database's own system again, also after a failure.
  pSbMapScoringRules(scoring);
  scoring.BuildMaps(DefaultsFolder);
  struct RestoreMapping {
    clsApplyScoring& self;
    clsScoringIsolate& own;
    ~RestoreMapping() { self.pSbMapScoringRules(own); }
  } restore{*this, own};

  jet::Transaction transaction(db_.Database());
  for (int32_t i = 1; !stat0.Eof(); ++i) {
    status.SetValue(1, i);
    pSbScoreCurrentStatRow(scoring, modifiedScoring);
    stat0.MoveNext();
  }
  transaction.Commit();
}
