#include "database/clsKickwellDB.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "core/basFileExists_001.h"
#include "core/basMockItUp.h"
#include "core/clsStatusPlain.h"
#include "database/ScoringFileTransfer.h"
#include "database/basFieldRead.h"
#include "database/clsApplyScoring.h"
#include "database/clsPlayerDataWriters.h"
#include "database/clsSeasonTotals.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/jet/JetError.h"
#include "platform/jet/Statement.h"
#include "platform/jet/Transaction.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

using jet::JetError;
using jet::Value;

namespace {

const char* const kFixedTableNames[clsKickwellDB::kFixedTableCount + 1] = {
    "",         "tblPlayers",     "tblPositions", "tblSchedule", "tblScoringSystem", "tblSettings",
    "tblTeams", "tblPlayersTeam", "tblByeWeeks"};

const char* const kIDNdx = "IDNdx";
const char* const kMasterIDNdx = "MasterIDNdx";
const char* const kPlayerIDWeekYearNdx = "PlayerIDWeekYearNdx";
const char* const kYearTeamIDNdx = "YearTeamIDNdx";

// The text fields the settings upgrade adds, in the order it adds them.
const char* const kUpgradeFields[] = {"StrainURL", "ADPURL"};
constexpr int32_t kUrlLength = 50;

// What the program reads by name or writes by position: a file that lacks
// any of it is not a projected-stats database. Columns with a position must
// stand at that position.
struct ColumnRule {
  const char* name;
  int position;  // -1: anywhere
};
struct TableRule {
  const char* table;
  std::vector<ColumnRule> columns;
  std::vector<const char*> indexes;
};

const std::vector<TableRule>& FixedTableRules() {
  static const std::vector<TableRule> rules = {
      {"tblPlayers",
       {{"ID", 0}, {"MasterID", 1}, {"BackName", 2}, {"DOB", 3}, {"TeamID", 4}, {"PosID", 5}},
       {kIDNdx, kMasterIDNdx}},
      {"tblPositions",
       {{"ID", -1},
        {"Pos", -1},
        {"PosFullName", -1},
        {"DisplayOrder", -1},
        {"MergeAsID", -1},
        {"RosterMin", -1},
        {"RosterMax", -1},
        {"FullRosterMin", -1},
        {"FullRosterMax", -1},
        {"StartMin", -1},
        {"StartMax", -1},
        {"StartRosterMin", -1},
        {"StartRosterMax", -1}},
       {kIDNdx}},
      {"tblSchedule", {}, {}},
      {"tblScoringSystem",
       {{"ID", 0},
        {"Points", 1},
        {"CatID", 2},
        {"FieldVal", 3},
        {"RangeMin", 4},
        {"RangeMax", 5},
        {"RangeRestrict", 6},
        {"ApplyToPos", 7}},
       {kIDNdx}},
      {"tblSettings",
       {{"Year", -1},
        {"PlayerDisplayGridID", -1},
        {"MasterVersion", -1},
        {"StrainName", -1},
        {"StrainVersion", -1},
        {"StrainMaxOffer", -1},
        {"LeagueName", -1}},
       {}},
      {"tblTeams",
       {{"ID", -1}, {"AbrvA", -1}, {"AbrvB", -1}, {"AbrvC", -1}, {"StartYear", -1}, {"EndYear", -1}},
       {kIDNdx}},
      {"tblPlayersTeam", {}, {}},
      {"tblByeWeeks", {{"Year", -1}, {"TeamID", -1}, {"ByeWeek", -1}}, {kYearTeamIDNdx}},
  };
  return rules;
}

// Field and index names compare without case, as the engine compares them.
// FieldPosition: the field's position in the table; -1 when it has none.
int FieldPosition(const std::vector<jet::FieldInfo>& fields, const char* name) {
  auto at = std::find_if(fields.begin(), fields.end(),
                         [name](const jet::FieldInfo& f) { return runtime::EqualsNoCase(f.name, name); });
  return at == fields.end() ? -1 : static_cast<int>(at - fields.begin());
}

bool HasIndex(const std::vector<jet::IndexInfo>& indexes, const char* name) {
  return std::any_of(indexes.begin(), indexes.end(),
                     [name](const jet::IndexInfo& i) { return runtime::EqualsNoCase(i.name, name); });
}

std::string MissingColumn(const std::string& table, const char* column) {
  return "The table " + table + " has no field " + column + "; the file is not a projected-stats database.";
}

int32_t LongOf(const Value& v) { return basFieldRead::LongOrZero(v); }

// The first n characters of UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t n) {
  std::size_t end = 0;
  for (std::size_t c = 0; c < n && end < text.size(); ++c) end += runtime::Utf8CharLength(text, end);
  return text.substr(0, end);
}

// A URL as its settings field keeps it: trimmed, and a longer one cut to its
// trimmed first kUrlLength characters.
std::string StoredUrl(const std::string& value) {
  std::string url = runtime::Trim(value);
  if (url.size() > static_cast<std::size_t>(kUrlLength))
    url = runtime::Trim(FirstCharacters(url, kUrlLength));
  return url;
}

}  // namespace

// What a display row asks of the database.
class clsKickwellDB::RowLookups final : public clsDisplayRows::Lookups {
 public:
  explicit RowLookups(clsKickwellDB& db) : db_(db) {}
  std::string pFnGetPlayerName(int32_t playerID) override { return db_.pFnGetPlayerName(playerID); }
  std::string pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) override {
    return db_.pFnGetTeamAbrvwPlaID(playerID, week, year);
  }
  std::string pFnGetPosAbrvwPlaID(int32_t playerID) override { return db_.pFnGetPosAbrvwPlaID(playerID); }
  std::string pFnGetInjStatuswPlaID(int32_t playerID, uint8_t week, int16_t year) override {
    return db_.pFnGetInjStatuswPlaID(playerID, week, year);
  }
  uint8_t pFnGetByeWeekwPlaID(int32_t playerID, uint8_t week, int16_t year) override {
    return db_.pFnGetByeWeekwPlaID(playerID, week, year);
  }
  std::string MockCheatText(int32_t key) override { return db_.mockCheatData_->DataValue(key); }

 private:
  clsKickwellDB& db_;
};

clsKickwellDB::clsKickwellDB()
    : mockCheatData_(std::make_unique<clsMockCheatData>()),
      scoring_(std::make_unique<clsScoringIsolate>()),
      applyScoring_(std::make_unique<clsApplyScoring>(*this)) {
  MakeCatalogueObjects();
}

void clsKickwellDB::MakeCatalogueObjects() {
  // The display rows refer to the other three, so they go first and come last.
  displayRows_.reset();
  statCon_ = std::make_unique<clsCategoryControl>();
  dsf_ = std::make_unique<clsDisplayFormatIsolate>();
  display_ = std::make_unique<clsDisplayGridIsolate>();
  if (!rowLookups_) rowLookups_ = std::make_unique<RowLookups>(*this);
  displayRows_ = std::make_unique<clsDisplayRows>(*statCon_, *dsf_, *display_, *rowLookups_);
}

clsKickwellDB::~clsKickwellDB() { Terminate(); }

// ------------------------------------------------------------------ opening

bool clsKickwellDB::InitializeKickwellDB(const std::string& path) { return OpenFile(path, nullptr); }

bool clsKickwellDB::InitializeKickwellDBwStatus(const std::string& path, clsStatusPlain& status) {
  return OpenFile(path, &status);
}

bool clsKickwellDB::OpenFile(const std::string& path, clsStatusPlain* status) {
  // Opening again without closing would leave the first file open behind the second.
  pSbCloseKickwellDB();
  filePath_ = path;
  lastError_.clear();
  // A missing file has been told; LastError stays for what was not told.
  if (!basFileExists_001::FileExists(path, true)) return false;
  MakeCatalogueObjects();
  if (status) status->SetSegmentRange(3, 0, 4);
  try {
    db_ = jet::Database::Open(path, jet::Database::Access::kReadWrite, true);
    if (status) {
      status->SetSegmentValue(3, 1);
      status->StatusCaption(0, 0, "Loading Projected Stats tables");
    }
    // The open asks the file a few hundred small questions (its tables,
    // fields and indexes, the catalogue): under one read lock, not one each.
    std::optional<jet::ReadScope> read(std::in_place, *db_);
    CheckSchema();

    fixed_.clear();
    fixed_.resize(kFixedTableCount + 1);
    for (int32_t t = 1; t <= kFixedTableCount; ++t)
      fixed_[static_cast<std::size_t>(t)] = db_->OpenTable(kFixedTableNames[t]);

    Value top;
    {
      auto spare = pSbKickwellSQL("SELECT MAX(\"Table\") FROM tblStatProperties;");
      if (!spare->Eof()) top = spare->Field(0);
    }
    if (top.IsNull()) {
      throw JetError(
          "The file has no stat categories (tblStatProperties is empty); it is not a projected-stats "
          "database.");
    }
    int64_t n = top.IsNumber() ? top.AsInt64() : -1;
    if (n < 0 || n > 255) {
      throw JetError("The highest stat table " + top.AsText() +
                     " is outside 0 to 255; the file is not a projected-stats database.");
    }
    statTableMax_ = static_cast<uint8_t>(n);
    stat_.clear();
    stat_.resize(static_cast<std::size_t>(n) + 1);
    for (int32_t t = 0; t <= n; ++t) {
      std::string name = "tblStat" + std::to_string(t);
      auto fields = db_->TableFields(name);  // a missing table raises here
      for (const char* f : {"ID", "PlayerID", "Week", "Year"}) {
        if (FieldPosition(fields, f) < 0) throw JetError(MissingColumn(name, f));
      }
      if (!runtime::EqualsNoCase(fields[kStatPlayerIDField].name, "PlayerID") ||
          !runtime::EqualsNoCase(fields[kStatWeekField].name, "Week") ||
          !runtime::EqualsNoCase(fields.back().name, "Year")) {
        throw JetError("The fields of " + name + " are not in the order PlayerID, Week, ..., Year.");
      }
      if (t == 0) {
        const char* stat0[] = {"ID", "PlayerID", "Week", "Points", "TeamID", "DNU", "ADP", "InjuryStatus"};
        for (int k = 0; k < 8; ++k) {
          if (fields.size() < 9 ||
              !runtime::EqualsNoCase(fields[static_cast<std::size_t>(k)].name, stat0[k])) {
            throw JetError(
                "The fields of tblStat0 are not ID, PlayerID, Week, Points, TeamID, DNU, ADP, "
                "InjuryStatus, ..., Year.");
          }
        }
      }
      stat_[static_cast<std::size_t>(t)] = db_->OpenTable(name);
      pSbSetStatIndex(t, kPlayerIDWeekYearNdx);
      // IDNdx is selected by the writers; a file without it is refused now, not half-way through an import.
      if (!HasIndex(db_->TableIndexes(name), kIDNdx))
        throw JetError("The table " + name + " has no index IDNdx.");
    }

    jet::Recordset& settings = Settings();
    if (settings.Eof()) throw JetError("tblSettings has no row; the file is not a projected-stats database.");
    playerDisplayGridID_ = LongOf(settings.Field("PlayerDisplayGridID"));
    // Last of the checks, so that a file refused above is left as it was.
    // A field it adds is written outside the read lock.
    read.reset();
    pSbUpgradeSettings();
    read.emplace(*db_);

    if (status) {
      status->SetSegmentValue(3, 2);
      status->StatusCaption(0, 0, "Loading Projected Stats categories");
    }
    pSbLoadStatCategories();
    pSbLoadStatUnits();
    pSbLoadStatSubCategories();
    if (status) {
      status->SetSegmentValue(3, 3);
      status->StatusCaption(0, 0, "Loading Display Formats");
    }
    displayRows_->LoadAtOpen(*db_);
    scoring_ = std::make_unique<clsScoringIsolate>();
    pSbUpdateScoringSystem();
    if (status) status->SetSegmentValue(3, 4);
    open_ = true;
    return true;
  } catch (const std::exception& e) {
    lastError_ = e.what();
    CloseAll();
    // Nothing half-loaded stays behind, nor a catalogue holding the closed cursors.
    MakeCatalogueObjects();
    return false;
  }
}

void clsKickwellDB::CheckSchema() {
  for (const TableRule& rule : FixedTableRules()) {
    if (!db_->TableExists(rule.table)) {
      throw JetError(std::string("The file has no table ") + rule.table +
                     "; it is not a projected-stats database.");
    }
    auto fields = db_->TableFields(rule.table);
    for (const ColumnRule& column : rule.columns) {
      const int at = FieldPosition(fields, column.name);
      if (at < 0) throw JetError(MissingColumn(rule.table, column.name));
      if (column.position >= 0 && at != column.position) {
        throw JetError(std::string("The field ") + column.name + " of " + rule.table +
                       " is not at position " + std::to_string(column.position) + ".");
      }
    }
    auto indexes = db_->TableIndexes(rule.table);
    for (const char* index : rule.indexes) {
      if (!HasIndex(indexes, index)) {
        throw JetError(std::string("The table ") + rule.table + " has no index " + index + ".");
      }
    }
  }
}

void clsKickwellDB::pSbUpgradeSettings() {
  auto fields = db_->TableFields("tblSettings");
  for (const char* name : kUpgradeFields) {
    // A field that differs only in case already serves and cannot be added twice.
    if (FieldPosition(fields, name) >= 0) continue;
    // A file that cannot be written stays as it is; its URL fields read "".
    if (db_->ReadOnly()) continue;
    db_->AppendTextField("tblSettings", name, kUrlLength);
  }
}

void clsKickwellDB::pSbLoadStatCategories() {
  statCon_->LoadFromDatabase(*db_);
  for (int32_t slot = 0; slot < statCon_->RecordsetRefCount(); ++slot) {
    const int32_t table = statCon_->RecordsetRefID(slot);
    // N is the highest table any operation names, so every registered table has its cursor.
    statCon_->SetRecordsetRef(table, &StatCursor(table));
  }
  // Positioning selects the index through the database, which remembers
  // each cursor's index and counts the selections.
  statCon_->SetIndexSelector([this](int32_t table) { pSbSetStatIndex(table, kPlayerIDWeekYearNdx); });
}

void clsKickwellDB::LoadIdTexts(const std::string& sql, std::vector<std::string>& texts) {
  texts.clear();
  auto rs = pSbKickwellSQL(sql);
  for (; !rs->Eof(); rs->MoveNext()) {
    const int32_t id = LongOf(rs->Field(0));
    if (static_cast<int32_t>(texts.size()) <= id) texts.resize(static_cast<std::size_t>(id) + 1);
    texts[static_cast<std::size_t>(id)] = rs->Field(1).AsText();
  }
}

void clsKickwellDB::pSbLoadStatUnits() {
  LoadIdTexts("SELECT ID, Unit FROM tblStatUnits WHERE ID >= 0 AND ID <= 255 ORDER BY ID;", statUnits_);
}

void clsKickwellDB::pSbLoadStatSubCategories() {
  LoadIdTexts("SELECT ID, Name FROM tblStatSubCategories WHERE ID >= 0 AND ID <= 255 ORDER BY ID ASC;",
              statSubCatNames_);
}

// ------------------------------------------------------------------ closing

void clsKickwellDB::CloseAll() {
  for (auto& cursor : fixed_) {
    if (cursor) cursor->Close();
  }
  for (auto& cursor : stat_) {
    if (cursor) cursor->Close();
  }
  if (db_) db_->Close();
  open_ = false;
  weekTeams_ = WeekTeams{};
}

void clsKickwellDB::pSbCloseKickwellDB() {
  if (!open_) return;
  pSbFlushProError();
  CloseAll();
}

void clsKickwellDB::Terminate() {
  pSbCloseKickwellDB();
  CloseAll();
  fixed_.clear();
  stat_.clear();
  db_.reset();
  statUnits_.clear();
  statSubCatNames_.clear();
  statTableMax_ = 0;
  mockCheatData_ = std::make_unique<clsMockCheatData>();
  scoring_ = std::make_unique<clsScoringIsolate>();
  MakeCatalogueObjects();
}

// ------------------------------------------------------------------ queries and cursors

jet::Database& clsKickwellDB::Database() {
  if (!open_ || !db_) throw JetError("No projected-stats file is open.");
  return *db_;
}

std::unique_ptr<jet::Recordset> clsKickwellDB::pSbKickwellSQL(const std::string& sql,
                                                              const std::vector<Value>& params) {
  if (!db_ || !db_->IsOpen()) throw JetError("No projected-stats file is open.");
  return db_->OpenSnapshot(sql, params);
}

std::unique_ptr<jet::Recordset> clsKickwellDB::pSbEditableKickwellSQL(const std::string& sql,
                                                                      const std::vector<Value>& params) {
  if (!db_ || !db_->IsOpen()) throw JetError("No projected-stats file is open.");
  return db_->OpenDynaset(sql, params);
}

jet::Recordset& clsKickwellDB::FixedCursor(int32_t tableNo) {
  if (tableNo < 1 || tableNo >= static_cast<int32_t>(fixed_.size()) ||
      !fixed_[static_cast<std::size_t>(tableNo)] || !fixed_[static_cast<std::size_t>(tableNo)]->IsOpen()) {
    throw JetError("There is no open table cursor " + std::to_string(tableNo) + ".");
  }
  return *fixed_[static_cast<std::size_t>(tableNo)];
}

jet::Recordset& clsKickwellDB::StatCursor(int32_t table) {
  if (table < 0 || table >= static_cast<int32_t>(stat_.size()) || !stat_[static_cast<std::size_t>(table)] ||
      !stat_[static_cast<std::size_t>(table)]->IsOpen()) {
    throw JetError("There is no open stat table " + std::to_string(table) + ".");
  }
  return *stat_[static_cast<std::size_t>(table)];
}

int32_t clsKickwellDB::RecordCount(int32_t tableNo) {
  if (!open_ || tableNo < 1 || tableNo > kFixedTableCount) return 0;
  jet::Recordset& rs = *fixed_[static_cast<std::size_t>(tableNo)];
  int32_t count = rs.RecordCount();
  rs.MoveFirst();
  return count;
}

void clsKickwellDB::pSbSetTableIndex(int32_t tableNo, std::string_view index) {
  jet::Recordset& rs = FixedCursor(tableNo);
  if (!runtime::EqualsNoCase(rs.Index(), index)) rs.SetIndex(index);
}

void clsKickwellDB::pSbSetStatIndex(int32_t table, std::string_view index) {
  ++statNdxCalls_;
  jet::Recordset& rs = StatCursor(table);
  if (!runtime::EqualsNoCase(rs.Index(), index)) {
    rs.SetIndex(index);
    ++statNdxChanges_;
  }
}

bool clsKickwellDB::SeekTable(int32_t tableNo, std::string_view index, const std::vector<Value>& keys) {
  if (!open_) return false;
  pSbSetTableIndex(tableNo, index);
  return FixedCursor(tableNo).Seek(keys);
}

bool clsKickwellDB::SeekStatPlayerWeek(int32_t table, int32_t playerID, uint8_t week, int16_t year) {
  if (!open_ || table < 0 || table > statTableMax_) return false;
  pSbSetStatIndex(table, kPlayerIDWeekYearNdx);
  return StatCursor(table).Seek(
      {Value(playerID), Value(static_cast<int>(week)), Value(static_cast<int>(year))});
}

// ------------------------------------------------------------------ sub-categories, units, keyed texts

std::string clsKickwellDB::StatSubCatName(int32_t subCatID) const {
  if (subCatID < 0 || subCatID >= static_cast<int32_t>(statSubCatNames_.size())) return {};
  return statSubCatNames_[static_cast<std::size_t>(subCatID)];
}

std::string clsKickwellDB::StatUnitText(int32_t unitID) const {
  if (unitID < 0 || unitID >= static_cast<int32_t>(statUnits_.size())) return {};
  return statUnits_[static_cast<std::size_t>(unitID)];
}

std::string clsKickwellDB::StatCategoryDefaultTitle(int32_t catID) const {
  return StatSubCatName(statCon_->SubCatID(catID));
}

std::string clsKickwellDB::StatCategoryUnit(int32_t catID) const {
  return StatUnitText(statCon_->Unit(catID));
}

// ------------------------------------------------------------------ display grids and rows

bool clsKickwellDB::LoadDisplay(const std::string& path) {
  if (!display_->OpenFile(path)) return false;
  pSbSetStatDisplayOrder(*display_);
  return true;
}

bool clsKickwellDB::PassDisplay(const clsDisplayGridIsolate& grid) {
  grid.Spawn(*display_);
  pSbSetStatDisplayOrder(*display_);
  return true;
}

void clsKickwellDB::pSbSetStatCatExtract(int32_t playerID, uint8_t week, int16_t year) {
  // The player-record export reads tblStat0's own categories (team, ADP,
  // injury status) as well, so it is positioned with the others.
  statCon_->PositionTable(0, playerID, week, year, false);
  statCon_->PositionStatTables(playerID, week, year);
}

void clsKickwellDB::pSbSetStatDisplayOrder(const clsDisplayGridIsolate& grid) {
  displayRows_->pSbSetStatDisplayOrder(grid);
}

void clsKickwellDB::pSbMCExtractDisplayValues(int32_t playerID, uint8_t week, int16_t year) {
  displayRows_->pSbMCExtractDisplayValues(playerID, week, year);
}

std::string clsKickwellDB::pFnMCGetPlayerDisplayRow(int32_t playerID, uint8_t week, int16_t year) {
  return displayRows_->pFnMCGetPlayerDisplayRow(playerID, week, year);
}

std::string clsKickwellDB::pFnGetPlayerDisplayRow(int32_t playerID, uint8_t week, int16_t year) {
  return displayRows_->pFnGetPlayerDisplayRow(playerID, week, year);
}

std::string clsKickwellDB::pFnGetPlayerDisplayCol(int32_t playerID, uint8_t week, int16_t year,
                                                  int32_t column) {
  return displayRows_->pFnGetPlayerDisplayCol(playerID, week, year, column);
}

void clsKickwellDB::SetMockCheatData(int32_t key, const std::string& text) {
  mockCheatData_->SetDataValue(key, text);
}

// ------------------------------------------------------------------ scoring system

void clsKickwellDB::pSbUpdateScoringSystem() {
  // An empty table leaves no rules behind: the system always mirrors the table.
  if (!basSCOFileControl::RecordsetToScoringIsolate(FixedCursor(kScoringSystem), *scoring_)) {
    scoring_->Clear();
  }
  applyScoring_->pSbMapScoringRules(*scoring_);
}

bool clsKickwellDB::pFnLoadScoringSystem(const std::string& scoPath, std::string* refused) {
  if (!basSCOFileControl::ReadScoFileToIsolate(scoPath, *scoring_, refused)) return false;
  applyScoring_->pSbMapScoringRules(*scoring_);
  scoring_->BuildMaps(DefaultsFolder);
  return true;
}

void clsKickwellDB::pSbSetScoringIsolate(clsScoringIsolate& scoring) {
  applyScoring_->pSbMapScoringRules(scoring);
}

int32_t clsKickwellDB::pSbUpdatePlayerPointswStatus(clsStatusPlain& status, uint8_t weekFrom, uint8_t weekTo,
                                                    int16_t /*year*/) {
  return applyScoring_->UpdatePlayerPoints(status, weekFrom, weekTo, *scoring_, modifiedScoring_);
}

double clsKickwellDB::pFnGetIsoScoringPoints(double value, clsScoringIsolate& scoring) {
  return applyScoring_->pFnGetValuePoints(value, scoring, modifiedScoring_);
}

void clsKickwellDB::pSbAssignNewScoringSystemWStatus(clsStatusPlain& status, clsScoringIsolate& scoring,
                                                     const std::string& name) {
  applyScoring_->AssignNewScoringSystem(status, scoring, name, *scoring_, modifiedScoring_);
}

void clsKickwellDB::pSbAddSco(int32_t id, float points, int32_t catID, float fieldVal, float rangeMin,
                              float rangeMax, bool rangeRestrict, int32_t applyToPos) {
  jet::Recordset& rs = FixedCursor(kScoringSystem);
  if (id < 1) {
    rs.AddNew();
  } else {
    if (!SeekTable(kScoringSystem, kIDNdx, {Value(id)})) {
      throw JetError("tblScoringSystem has no rule with ID " + std::to_string(id) + ".");
    }
    rs.Edit();
  }
  try {
    // By position, as the open checked them: Points, CatID, FieldVal,
    // RangeMin, RangeMax, RangeRestrict, ApplyToPos.
    rs.SetField(1, Value(points));
    rs.SetField(2, Value(catID));
    rs.SetField(3, Value(fieldVal));
    rs.SetField(4, Value(rangeMin));
    rs.SetField(5, Value(rangeMax));
    rs.SetField(6, Value(rangeRestrict));
    rs.SetField(7, Value(applyToPos));
    rs.Update();
  } catch (...) {
    rs.CancelUpdate();
    throw;
  }
}

void clsKickwellDB::pSbSeekStatTables(int32_t playerID, uint8_t week, int16_t year) {
  applyScoring_->pSbSeekStatTables(playerID, week, year);
}

double clsKickwellDB::pSbScoreCurrentStatRow(clsScoringIsolate& scoring) {
  return applyScoring_->pSbScoreCurrentStatRow(scoring, modifiedScoring_);
}

// ------------------------------------------------------------------ properties record

jet::Recordset& clsKickwellDB::Settings() {
  jet::Recordset& rs = FixedCursor(kSettings);
  if (rs.Eof() || rs.Bof()) rs.MoveFirst();
  return rs;
}

int32_t clsKickwellDB::SettingsLong(const char* field) {
  if (!open_) return 0;
  return LongOf(Settings().Field(field));
}

std::string clsKickwellDB::SettingsText(const char* field, bool* isNull) {
  if (isNull) *isNull = true;
  if (!open_) return {};
  jet::Recordset& rs = Settings();
  int ordinal = rs.FieldIndex(field);
  if (ordinal < 0) return {};
  const Value& v = rs.Field(ordinal);
  if (isNull) *isNull = v.IsNull();
  return v.AsText();
}

void clsKickwellDB::SetSettingsField(const char* field, const Value& value) {
  jet::Recordset& rs = Settings();
  rs.Edit();
  try {
    rs.SetField(field, value);
    rs.Update();
  } catch (...) {
    rs.CancelUpdate();
    throw;
  }
}

int16_t clsKickwellDB::pFnGetYear() {
  int32_t year = SettingsLong("Year");
  return (year < INT16_MIN || year > INT16_MAX) ? 0 : static_cast<int16_t>(year);
}

int32_t clsKickwellDB::StrainVersion() { return SettingsLong("StrainVersion"); }
void clsKickwellDB::SetStrainVersion(int32_t value) { SetSettingsField("StrainVersion", Value(value)); }
int32_t clsKickwellDB::StrainMaxOffer() { return SettingsLong("StrainMaxOffer"); }
void clsKickwellDB::SetStrainMaxOffer(int32_t value) { SetSettingsField("StrainMaxOffer", Value(value)); }
int32_t clsKickwellDB::MasterVersion() { return SettingsLong("MasterVersion"); }
void clsKickwellDB::SetMasterVersion(int32_t value) { SetSettingsField("MasterVersion", Value(value)); }

std::string clsKickwellDB::StrainName() { return runtime::Trim(SettingsText("StrainName")); }
void clsKickwellDB::SetStrainName(const std::string& value) {
  SetSettingsField("StrainName", Value(runtime::Trim(value)));
}

std::string clsKickwellDB::ADPName() {
  bool isNull = true;
  std::string name = SettingsText("LeagueName", &isNull);
  return isNull ? "None" : runtime::Trim(name);
}
void clsKickwellDB::SetADPName(const std::string& value) { SetSettingsField("LeagueName", Value(value)); }

std::string clsKickwellDB::StrainURL() { return SettingsText("StrainURL"); }
void clsKickwellDB::SetStrainURL(const std::string& value) {
  SetSettingsField("StrainURL", Value(StoredUrl(value)));
}

std::string clsKickwellDB::ADPURL() { return SettingsText("ADPURL"); }
void clsKickwellDB::SetADPURL(const std::string& value) {
  const bool none = value.empty() || value[0] == '\0';
  SetSettingsField("ADPURL", Value(none ? std::string("None") : StoredUrl(value)));
}

// ------------------------------------------------------------------ player, team, position, bye week

std::string clsKickwellDB::pFnGetPlayerName(int32_t playerID) {
  if (!SeekTable(kPlayers, kIDNdx, {Value(playerID)})) return {};
  return FixedCursor(kPlayers).Field("BackName").AsText();
}

std::string clsKickwellDB::pFnGetPlayerNamewMasID(int32_t masterID) {
  if (!SeekTable(kPlayers, kMasterIDNdx, {Value(masterID)})) return {};
  return FixedCursor(kPlayers).Field("BackName").AsText();
}

std::unordered_map<int32_t, std::string> clsKickwellDB::PlayerNamesOf(std::span<const int32_t> masterIDs) {
  std::unordered_map<int32_t, std::string> names;
  // One read lock for the whole list, not one per player.
  std::optional<jet::ReadScope> read;
  for (int32_t masterID : masterIDs) {
    if (names.contains(masterID)) continue;
    std::string& name = names[masterID];
    // The record first in MasterID index order, as the cursor's seek finds it.
    if (!open_) continue;
    if (!read) read.emplace(*db_);
    db_->ForEachRow("SELECT BackName FROM tblPlayers WHERE MasterID = ? ORDER BY rowid LIMIT 1;", {Value(masterID)},
                    [&](const jet::Statement& row) { name = row.Column(0).AsText(); });
  }
  return names;
}

std::string clsKickwellDB::pFnGetPlayerNamewMasIDDisID(int32_t masterID, int32_t displayID) {
  return pFnGetPlayerNameWStyle(displayID, pFnSeekPlayerIDwMasID(masterID));
}

std::string clsKickwellDB::pFnGetPlayerNameWStyle(int32_t formatID, int32_t playerID) {
  return clsDisplayRows::NameInStyle(formatID, pFnGetPlayerName(playerID));
}

int32_t clsKickwellDB::pFnGetPosIDwPlaID(int32_t playerID) {
  if (!SeekTable(kPlayers, kIDNdx, {Value(playerID)})) return 0;
  return LongOf(FixedCursor(kPlayers).Field("PosID"));
}

std::string clsKickwellDB::pFnGetPosAbrvwPlaID(int32_t playerID) {
  if (!SeekTable(kPlayers, kIDNdx, {Value(playerID)})) return "N/A";
  return pFnGetPosAbrv(LongOf(FixedCursor(kPlayers).Field("PosID")), false);
}

std::string clsKickwellDB::pFnGetPosAbrv(int32_t posID, bool allFlag) {
  if (!SeekTable(kPositions, kIDNdx, {Value(posID)})) return "N/A";
  if (allFlag && posID == 1) return "All";
  return FixedCursor(kPositions).Field("Pos").AsText();
}

std::string clsKickwellDB::pFnGetPosFull(int32_t posID) {
  if (!SeekTable(kPositions, kIDNdx, {Value(posID)})) return "N/A";
  return FixedCursor(kPositions).Field("PosFullName").AsText();
}

std::string clsKickwellDB::pFnGetPosAbrvWDisOrder(int32_t displayOrder, int32_t& posID) {
  if (!open_) return {};
  jet::Recordset& rs = FixedCursor(kPositions);
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (LongOf(rs.Field("DisplayOrder")) == displayOrder) {
      posID = LongOf(rs.Field("ID"));
      break;
    }
  }
  return posID > 0 ? pFnGetPosAbrv(posID, true) : std::string();
}

int32_t clsKickwellDB::pFnGetMaxPosID() {
  if (!open_) return 0;
  int32_t top = 0;
  jet::Recordset& rs = FixedCursor(kPositions);
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) top = std::max(top, LongOf(rs.Field("ID")));
  return top;
}

std::string clsKickwellDB::pFnGetTeamAbrv(int32_t teamID) {
  if (!SeekTable(kTeams, kIDNdx, {Value(teamID)})) return "N/A";
  return FixedCursor(kTeams).Field("AbrvA").AsText();
}

std::string clsKickwellDB::pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) {
  if (!SeekStatPlayerWeek(0, playerID, week, year)) return "N/A";
  return pFnGetTeamAbrv(LongOf(StatCursor(0).Field("TeamID")));
}

std::string clsKickwellDB::pFnGetInjStatuswPlaID(int32_t playerID, uint8_t week, int16_t year) {
  if (!SeekStatPlayerWeek(0, playerID, week, year)) return {};
  return pFnGetInjStatus(LongOf(StatCursor(0).Field("InjuryStatus")));
}

std::string clsKickwellDB::pFnGetInjStatus(int32_t code) {
  static const char* const kTexts[] = {"", "PRB", "QST", "DBT", "OUT", "PUP", "IR", "SUS"};
  return (code >= 0 && code <= 7) ? kTexts[code] : "";
}

uint8_t clsKickwellDB::pFnGetByeWeek(int32_t teamID, int16_t year) {
  if (!SeekTable(kByeWeeks, kYearTeamIDNdx, {Value(static_cast<int>(year)), Value(teamID)})) return 0;
  int32_t bye = LongOf(FixedCursor(kByeWeeks).Field("ByeWeek"));
  return (bye < 0 || bye > 255) ? 0 : static_cast<uint8_t>(bye);
}

clsKickwellDB::HeldWeekTeams::HeldWeekTeams(clsKickwellDB& db) : db_(db) { ++db_.weekTeamsHolders_; }

clsKickwellDB::HeldWeekTeams::~HeldWeekTeams() {
  if (--db_.weekTeamsHolders_ == 0) db_.weekTeams_ = WeekTeams{};
}

int32_t clsKickwellDB::HeldTeamOf(int32_t playerID, uint8_t week, int16_t year) {
  WeekTeams& held = weekTeams_;
  const uint64_t generation = db_->ChangeGeneration();
  if (!held.read || held.generation != generation || held.week != week || held.year != year) {
    held = WeekTeams{true, generation, week, year, {}};
    // Row-id order, so that a player-week's first row is the one kept; only
    // a whole number can equal the Long a lookup of one player asks for.
    const std::vector<Value> keys{Value(static_cast<int>(week)), Value(static_cast<int>(year))};
    db_->ForEachRow("SELECT PlayerID, TeamID FROM tblStat0 WHERE Week = ? AND Year = ? ORDER BY rowid;", keys,
                    [&](const jet::Statement& row) {
                      int64_t id = 0;
                      if (basFieldRead::WholeNumber(row.Column(0), id))
                        held.teamOf.emplace(static_cast<int32_t>(id), LongOf(row.Column(1)));
                    });
  }
  const auto found = held.teamOf.find(playerID);
  return found == held.teamOf.end() ? 0 : found->second;
}

uint8_t clsKickwellDB::pFnGetByeWeekwPlaID(int32_t playerID, uint8_t week, int16_t year) {
  // The player-week's first row, as the index seek finds it, read through
  // the index: the tblStat0 cursor would load and sort every row of the
  // table for a job that asks only this.
  int32_t teamID = 0;
  if (open_ && weekTeamsHolders_ > 0) {
    teamID = HeldTeamOf(playerID, week, year);
  } else if (open_) {
    db_->ForEachRow(
        "SELECT TeamID FROM tblStat0 WHERE PlayerID = ? AND Week = ? AND Year = ? ORDER BY rowid LIMIT 1;",
        {Value(playerID), Value(static_cast<int>(week)), Value(static_cast<int>(year))},
        [&](const jet::Statement& row) { teamID = LongOf(row.Column(0)); });
  }
  return pFnGetByeWeek(teamID, year);
}

uint8_t clsKickwellDB::pFnGetByeWeekwMasID(int32_t masterID, uint8_t week, int16_t year) {
  // pFnGetByeWeekwPlaID of pFnGetPlaIDwMasID in one indexed query: the
  // player record first in MasterID index order (0 when there is none),
  // then his player-week's first row.
  int32_t teamID = 0;
  if (open_) {
    db_->ForEachRow(
        "SELECT TeamID FROM tblStat0 WHERE PlayerID = COALESCE((SELECT ID FROM tblPlayers WHERE MasterID = ? "
        "ORDER BY rowid LIMIT 1), 0) AND Week = ? AND Year = ? ORDER BY rowid LIMIT 1;",
        {Value(masterID), Value(static_cast<int>(week)), Value(static_cast<int>(year))},
        [&](const jet::Statement& row) { teamID = LongOf(row.Column(0)); });
  }
  return pFnGetByeWeek(teamID, year);
}

void clsKickwellDB::pSbSetByeWeek(int32_t teamID, int16_t year, uint8_t byeWeek) {
  jet::Recordset& rs = FixedCursor(kByeWeeks);
  if (SeekTable(kByeWeeks, kYearTeamIDNdx, {Value(static_cast<int>(year)), Value(teamID)})) {
    rs.Edit();
  } else {
    rs.AddNew();
    rs.SetField("TeamID", Value(teamID));
    rs.SetField("Year", Value(static_cast<int>(year)));
  }
  rs.SetField("ByeWeek", Value(static_cast<int>(byeWeek)));
  rs.Update();
}

std::string clsKickwellDB::pFnGetSQLPosMerges(int32_t posID) {
  auto rs = pSbKickwellSQL("SELECT ID FROM tblPositions WHERE MergeAsID = ? ORDER BY ID;", {Value(posID)});
  std::string condition;
  for (; !rs->Eof(); rs->MoveNext()) {
    if (!condition.empty()) condition += " OR";
    condition += " tblPlayers.PosID = " + std::to_string(LongOf(rs->Field(0)));
  }
  // The callers put the condition inside "AND ( ... )": an empty text would break their SQL.
  return condition.empty() ? " 1 = 0" : condition;
}

void clsKickwellDB::pSbExtractMaxStatValues(int16_t /*year*/, clsScoringIsolate& scoring, int32_t direction) {
  applyScoring_->pSbMapScoringRules(scoring);
  statCon_->ExtractScoringMaxValues(direction);
}

// ------------------------------------------------------------------ player and player-week by index

int32_t clsKickwellDB::pFnSeekPlayerIDwMasID(int32_t masterID) {
  if (!SeekTable(kPlayers, kMasterIDNdx, {Value(masterID)})) return 0;
  return LongOf(FixedCursor(kPlayers).Field("ID"));
}

int32_t clsKickwellDB::pFnGetPlaIDwMasID(int32_t masterID) { return pFnSeekPlayerIDwMasID(masterID); }

int32_t clsKickwellDB::pFnGetMasIDwPlaID(int32_t playerID) {
  if (!SeekTable(kPlayers, kIDNdx, {Value(playerID)})) return 0;
  return LongOf(FixedCursor(kPlayers).Field("MasterID"));
}

int32_t clsKickwellDB::pFnGetPlayerTeamID(int32_t playerID, uint8_t week, int16_t year) {
  if (!SeekStatPlayerWeek(0, playerID, week, year)) return 0;
  return LongOf(StatCursor(0).Field("TeamID"));
}

bool clsKickwellDB::pFnGetDNU(int32_t playerID, uint8_t week, int16_t year) {
  if (!SeekStatPlayerWeek(0, playerID, week, year)) return false;
  return StatCursor(0).Field("DNU").AsDouble() != 0.0;
}

int32_t clsKickwellDB::pFnGetStat0RowID(int32_t playerID, uint8_t week, int16_t year) {
  if (!SeekStatPlayerWeek(0, playerID, week, year)) return 0;
  return LongOf(StatCursor(0).Field("ID"));
}

int32_t clsKickwellDB::pFnGetStat0TeamID(int32_t playerID, uint8_t week, int16_t year) {
  return pFnGetPlayerTeamID(playerID, week, year);
}

int32_t clsKickwellDB::pFnGetStatRowID(int32_t playerID, uint8_t week, int16_t year, int32_t table) {
  if (!SeekStatPlayerWeek(table, playerID, week, year)) return 0;
  return LongOf(StatCursor(table).Field("ID"));
}

// ------------------------------------------------------------------ writers and whole-file operations

clsPlayerDataWriters& clsKickwellDB::Writers() {
  if (!open_) throw JetError("No projected-stats file is open.");
  if (!writers_) writers_ = std::make_unique<clsPlayerDataWriters>(*this);
  return *writers_;
}

clsSeasonTotals& clsKickwellDB::SeasonTotals() {
  clsPlayerDataWriters& writers = Writers();
  if (!seasonTotals_) seasonTotals_ = std::make_unique<clsSeasonTotals>(*this, writers);
  return *seasonTotals_;
}

void clsKickwellDB::pSbAddPla(int16_t /*year*/, int32_t masterID, const std::string& backName, int32_t dob,
                              int32_t teamID, int32_t posID, uint8_t /*week*/) {
  Writers().pSbAddPla(masterID, backName, dob, teamID, posID);
}

void clsKickwellDB::pSbAddPlaManual(int32_t /*unused*/, int32_t masterID, const std::string& backName,
                                    int32_t dob, int32_t teamID, int32_t posID) {
  Writers().pSbAddPlaManual(masterID, backName, dob, teamID, posID);
}

void clsKickwellDB::pSbAddStatZeroYear(int32_t masterID, int32_t teamID, uint8_t week, int16_t year) {
  Writers().pSbAddStatZeroYear(masterID, teamID, week, year);
}

void clsKickwellDB::pSbFlushProError() {
  if (writers_) writers_->FlushProError();
}

void clsKickwellDB::pSbClearWeekScoringYardage(int16_t year, uint8_t week) {
  Writers().pSbClearWeekScoringYardage(year, week);
}

void clsKickwellDB::pSbClearYearWeekScoringYardage(int16_t year, uint8_t week) {
  Writers().pSbClearWeekScoringYardage(year, week);
}

void clsKickwellDB::pSbAddScY(const clsKWRData& kwrData, int16_t year, int32_t from, int32_t to) {
  Writers().pSbAddScY(kwrData, year, from, to);
}

void clsKickwellDB::pSbAddPSt(const clsKWRData& kwrData, int16_t year, int32_t from, int32_t to,
                              bool keepModified) {
  Writers().pSbAddPSt(kwrData, year, from, to, keepModified);
}

void clsKickwellDB::pSbAddPStwPlaID(int32_t playerID, uint8_t week, int16_t year, int32_t catID, double value,
                                    bool recalcRating) {
  Writers().pSbAddPStwPlaID(playerID, week, year, catID, value, recalcRating);
}

void clsKickwellDB::pSbSumPlayerStatsForYear(int16_t year, clsStatusPlain& status) {
  SeasonTotals().pSbSumPlayerStatsForYear(year, status);
}

bool clsKickwellDB::pSbAddSumPStFromAlternateDb(const std::string& path, int16_t year) {
  return SeasonTotals().pSbAddSumPStFromAlternateDb(path, year);
}

void clsKickwellDB::FullStatYearChange(int16_t newYear) { SeasonTotals().FullStatYearChange(newYear); }

void clsKickwellDB::pSbClearADPValues(int16_t year, uint8_t week) {
  SeasonTotals().pSbClearADPValues(year, week);
}

void clsKickwellDB::pSbUpdatePlayerStatus(int16_t year, uint8_t week, int32_t masterID, int32_t teamID,
                                          int32_t injuryStatus) {
  SeasonTotals().pSbUpdatePlayerStatus(year, week, masterID, teamID, injuryStatus);
}

int32_t clsKickwellDB::pFnGetTeamIDwAbrv(const std::string& abrv, int16_t year) {
  return SeasonTotals().pFnGetTeamIDwAbrv(abrv, year);
}
