#pragma once
// The program's one door to a projected-stats file (.pro). Each job that
// needs projected stats makes its own clsKickwellDB, opens the file, works
// and closes it; there is no shared instance.
//
// Opening keeps every fixed table and every stat table open as a table
// cursor, so the lookups below are index seeks, not queries. Lookups never
// fail on a missing row: they answer "N/A" (team and position texts), ""
// (names, injury status) or 0 (ids, bye weeks, flags).
//
// The schema is docs/projected-stats-schema.md; the layer underneath is
// platform/jet (docs/database-layer.md).

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "database/clsCategoryControl.h"
#include "database/clsDisplayFormatIsolate.h"
#include "database/clsDisplayGridIsolate.h"
#include "database/clsDisplayRows.h"
#include "database/clsMockCheatData.h"
#include "platform/jet/Database.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/Value.h"

class clsApplyScoring;
class clsKWRData;
class clsPlayerDataWriters;
class clsScoringIsolate;
class clsSeasonTotals;
class clsStatusPlain;

class clsKickwellDB {
 public:
  // Fixed-table cursors, numbered as the program numbers them.
  enum FixedTable : int32_t {
    kPlayers = 1,
    kPositions = 2,
    kSchedule = 3,
    kScoringSystem = 4,
    kSettings = 5,
    kTeams = 6,
    kPlayersTeam = 7,
    kByeWeeks = 8,
  };
  static constexpr int32_t kFixedTableCount = 8;
  // The week that holds a player's season row.
  static constexpr uint8_t kSeasonWeek = 250;
  // Stat-table fields by position, as the open checks them: the row id,
  // PlayerID, Week, then the values, with Year the last field. tblStat0's
  // values begin with Points and TeamID.
  static constexpr int kStatPlayerIDField = 1;
  static constexpr int kStatWeekField = 2;
  static constexpr int kStatFirstValueField = 3;
  static constexpr int kStat0PointsField = 3;
  static constexpr int kStat0TeamIDField = 4;

  clsKickwellDB();
  ~clsKickwellDB();
  clsKickwellDB(const clsKickwellDB&) = delete;
  clsKickwellDB& operator=(const clsKickwellDB&) = delete;

  // ---- Opening and closing

  // Opens a file; True when it is open. A missing file shows "File Not
  // Found:  '<path>'" titled "File Error" and creates nothing. A file that
  // cannot be opened as a projected-stats database leaves the object closed
  // and answers False; LastError() then says why. An open object is closed
  // first. Both openings add the text fields StrainURL and ADPURL to
  // tblSettings when the file lacks them.
  bool InitializeKickwellDB(const std::string& path);
  // The same, reporting on segment 3 of the caller's progress (0..4).
  bool InitializeKickwellDBwStatus(const std::string& path, clsStatusPlain& status);
  // Closes every cursor and the file; nothing when not open.
  void pSbCloseKickwellDB();
  // Closes and releases everything the object holds.
  void Terminate();

  bool IsOpen() const { return open_; }
  // The path of the last open call.
  const std::string& FilePath() const { return filePath_; }
  // Why the last open failed; "" after a successful one and after a missing
  // file, which the open has shown already.
  const std::string& LastError() const { return lastError_; }

  // ---- Queries (the file must be open; failures raise jet::JetError)

  // A read-only snapshot of a SELECT. Values go in as bound parameters.
  std::unique_ptr<jet::Recordset> pSbKickwellSQL(const std::string& sql,
                                                 const std::vector<jet::Value>& params = {});
  // An editable row set of a SELECT over one table.
  std::unique_ptr<jet::Recordset> pSbEditableKickwellSQL(const std::string& sql,
                                                         const std::vector<jet::Value>& params = {});
  // The exact row count of fixed-table cursor 1..8, leaving it on its first
  // row; 0 for another number or when no file is open.
  int32_t RecordCount(int32_t tableNo);
  // The open file, for action queries and the transactions jobs group
  // their writes in (jet::Transaction).
  jet::Database& Database();

  // Table cursors: fixed tables 1..8 and stat tables 0..StatTableMax().
  jet::Recordset& FixedCursor(int32_t tableNo);
  jet::Recordset& StatCursor(int32_t table);
  // N: the highest stat-table number, MAX(Table) of tblStatProperties.
  uint8_t StatTableMax() const { return statTableMax_; }
  // Read once at open from tblSettings.
  int32_t PlayerDisplayGridID() const { return playerDisplayGridID_; }

  // Stat-table index selections requested, and those that changed a cursor.
  int32_t StatNdxCalls() const { return statNdxCalls_; }
  int32_t StatNdxChanges() const { return statNdxChanges_; }

  // ---- Sub-categories and units (read at open)

  // The highest sub-category id (upper bound of the name list); -1 before any open.
  int32_t StatSubCatMax() const { return static_cast<int32_t>(statSubCatNames_.size()) - 1; }
  // The sub-category's name; "" for an id without one.
  std::string StatSubCatName(int32_t subCatID) const;
  // The text of a unit id of tblStatUnits; "" for an id without one.
  std::string StatUnitText(int32_t unitID) const;

  // ---- Stat-category catalogue, display formats and the current grid
  // Loaded at open: the catalogue with its cursors, the display formats and
  // the default grid (GridID 1) as the display order. Each open makes new
  // ones; the references stay valid until the next open or Terminate.

  clsCategoryControl& StatCon() { return *statCon_; }
  clsDisplayFormatIsolate& DSF() { return *dsf_; }
  clsDisplayGridIsolate& Display() { return *display_; }
  // The name of the category's sub-category (its default column title).
  std::string StatCategoryDefaultTitle(int32_t catID) const;
  std::string StatCategoryUnit(int32_t catID) const;
  std::string StatCategoryName(int32_t catID) const { return statCon_->Name(catID); }
  uint8_t StatCategoryFormatType(int32_t catID) const { return statCon_->FormatType(catID); }
  uint8_t StatCatDefaultFormat(int32_t catID) const { return statCon_->DefaultFormat(catID); }
  // Reads a grid file into the current grid and makes it the display order;
  // False (nothing changed) when the file is refused.
  bool LoadDisplay(const std::string& path);
  // Copies the caller's grid into the current grid and makes it the display order.
  bool PassDisplay(const clsDisplayGridIsolate& grid);
  // Positions tblStat0 and tblStat1..N on the player-week for the catalogue's extractions.
  void pSbSetStatCatExtract(int32_t playerID, uint8_t week, int16_t year);

  // ---- Display rows (one text row per player-week through the display order)

  void pSbSetStatDisplayOrder(const clsDisplayGridIsolate& grid);
  void pSbMCExtractDisplayValues(int32_t playerID, uint8_t week, int16_t year);
  // From the values already extracted; each cell followed by a Tab.
  std::string pFnMCGetPlayerDisplayRow(int32_t playerID, uint8_t week, int16_t year);
  std::string pFnGetPlayerDisplayRow(int32_t playerID, uint8_t week, int16_t year);
  std::string pFnGetPlayerDisplayCol(int32_t playerID, uint8_t week, int16_t year, int32_t column);
  // OrderNumber of the current grid's first column showing the category; 0 when none.
  uint8_t pFnGetDisplayCol(int32_t catID) const { return display_->OrderNumberWTableFieldID(catID); }

  // ---- The scoring system and applying it
  // The database owns one scoring system: the rules of tblScoringSystem
  // after every open, or a .sco file loaded in their place. Points are
  // computed from the catalogue's category values and written into
  // tblStat0.Points only where they change.

  clsScoringIsolate& ScoringIsolate() { return *scoring_; }
  // 1 while partial units inside a rule's range count as fractions; any
  // other value truncates them to whole units. 0 at creation.
  int32_t ModifiedScoring() const { return modifiedScoring_; }
  void SetModifiedScoring(int32_t value) { modifiedScoring_ = value; }
  // The rules of tblScoringSystem become the scoring system (an empty table
  // an empty one), mapped onto the catalogue.
  void pSbUpdateScoringSystem();
  // Reads a .sco file into the scoring system, maps it and loads its
  // distribution maps; False, changing nothing, when the file has no rules
  // or is refused (basSCOFileControl::ReadScoRecords, `refused` as there).
  bool pFnLoadScoringSystem(const std::string& scoPath, std::string* refused = nullptr);
  // Maps another system's rules onto the catalogue (the scoring order)
  // without making it the database's own.
  void pSbSetScoringIsolate(clsScoringIsolate& scoring);
  // Scores every tblStat0 row whose Week lies in weekFrom..weekTo, of every
  // year (year is not a filter), on progress segment 4 (which the caller
  // adds), yielding after every row. A cancel keeps the rows scored so far;
  // a database error rolls the whole pass back and is raised. Returns the
  // rows the pass scored: 0 when the last pass left them as they must be.
  int32_t pSbUpdatePlayerPointswStatus(clsStatusPlain& status, uint8_t weekFrom, uint8_t weekTo, int16_t year);
  // The points the rule under the given system's cursor gives one value
  // (through its distribution map when the rule has FDM set and BuildMaps
  // has run). Throws for a rule-less cursor or a value beyond a Single.
  double pFnGetIsoScoringPoints(double value, clsScoringIsolate& scoring);
  // Rescores every tblStat0 row with the given system on the total bar; the
  // catalogue then computes the database's own system again.
  void pSbAssignNewScoringSystemWStatus(clsStatusPlain& status, clsScoringIsolate& scoring,
                                        const std::string& name);
  // Adds (id < 1) or rewrites one tblScoringSystem row.
  void pSbAddSco(int32_t id, float points, int32_t catID, float fieldVal, float rangeMin, float rangeMax,
                 bool rangeRestrict, int32_t applyToPos);
  // Positions tblStat1..N on a player-week (tblStat0 is left where it is).
  void pSbSeekStatTables(int32_t playerID, uint8_t week, int16_t year);
  // Scores the row under the tblStat0 cursor with the given system and
  // writes its Points when they change; returns them.
  double pSbScoreCurrentStatRow(clsScoringIsolate& scoring);

  // ---- Texts that the document builders supply by key

  clsMockCheatData& MockCheatData() { return *mockCheatData_; }
  void SetMockCheatData(int32_t key, const std::string& text);

  // ---- The properties record (the one row of tblSettings)
  // Gets answer 0 or "" when no file is open and read a Null as 0 or "";
  // Lets need the file open and raise jet::JetError when the write fails
  // (a name longer than its 50-character field, a read-only file).

  int16_t pFnGetYear();
  int32_t StrainVersion();
  void SetStrainVersion(int32_t value);
  int32_t StrainMaxOffer();
  void SetStrainMaxOffer(int32_t value);
  int32_t MasterVersion();
  void SetMasterVersion(int32_t value);
  // Get trims; Let stores the value trimmed.
  std::string StrainName();
  void SetStrainName(const std::string& value);
  // LeagueName, the ADP source's name: Get trims and answers "None" for a
  // Null or when no file is open; Let stores the value as given.
  std::string ADPName();
  void SetADPName(const std::string& value);
  // Let trims; a value longer than 50 characters keeps the trimmed first 50.
  std::string StrainURL();
  void SetStrainURL(const std::string& value);
  // Let stores "None" for an empty value or one starting with character
  // code 0; otherwise trimmed, and cut to its trimmed first 50 characters.
  std::string ADPURL();
  void SetADPURL(const std::string& value);

  // ---- Player, team, position and bye-week lookups

  std::string pFnGetPlayerName(int32_t playerID);
  std::string pFnGetPlayerNamewMasID(int32_t masterID);
  // pFnGetPlayerNamewMasID of each of these players, each read through the
  // table's index: for a few hundred names, cheaper than reading the whole
  // player table into its cursor.
  std::unordered_map<int32_t, std::string> PlayerNamesOf(std::span<const int32_t> masterIDs);
  // The name in a display style: 13 "Last, First" as stored, 18 "Last, F.",
  // 19 "F. Last", 20 "First Last"; "" for other styles. A name without a
  // comma shows unchanged in every style.
  std::string pFnGetPlayerNamewMasIDDisID(int32_t masterID, int32_t displayID);
  int32_t pFnGetPosIDwPlaID(int32_t playerID);
  // The player's position abbreviation, never "All"; "N/A" for an unknown player.
  std::string pFnGetPosAbrvwPlaID(int32_t playerID);
  // Pos of the position; "All" for position 1 when allFlag is set; "N/A" when unknown.
  std::string pFnGetPosAbrv(int32_t posID, bool allFlag);
  std::string pFnGetPosFull(int32_t posID);
  // The abbreviation (with "All") of the position shown at displayOrder,
  // whose id is put in posID; "" and posID unchanged when none. A posID above
  // 0 passed in and not replaced still yields that position's abbreviation.
  std::string pFnGetPosAbrvWDisOrder(int32_t displayOrder, int32_t& posID);
  int32_t pFnGetMaxPosID();
  std::string pFnGetTeamAbrv(int32_t teamID);
  std::string pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year);
  std::string pFnGetInjStatuswPlaID(int32_t playerID, uint8_t week, int16_t year);
  // 0 "", 1 "PRB", 2 "QST", 3 "DBT", 4 "OUT", 5 "PUP", 6 "IR", 7 "SUS"; "" otherwise.
  static std::string pFnGetInjStatus(int32_t code);
  uint8_t pFnGetByeWeek(int32_t teamID, int16_t year);
  // The bye week of the player's team in his player-week's first row.
  uint8_t pFnGetByeWeekwPlaID(int32_t playerID, uint8_t week, int16_t year);
  // While one lives, pFnGetByeWeekwPlaID answers from the teams of every
  // player's row of the asked week, read in one query at the first
  // question, instead of a query per player (each under a lock of its
  // own): for filling or writing a page's grid or a document, which ask it
  // for every player and write nothing meanwhile. A write through this
  // program makes the next question read again; one from elsewhere is seen
  // after the last holder ends.
  class HeldWeekTeams {
   public:
    explicit HeldWeekTeams(clsKickwellDB& db);
    ~HeldWeekTeams();
    HeldWeekTeams(const HeldWeekTeams&) = delete;
    HeldWeekTeams& operator=(const HeldWeekTeams&) = delete;

   private:
    clsKickwellDB& db_;
  };
  // The bye week of the player's team in the week's row of his first player
  // record, read through the indexes (not the player table's cursor).
  uint8_t pFnGetByeWeekwMasID(int32_t masterID, uint8_t week, int16_t year);
  // Writes the bye week of a team in a season: one row per team and season.
  void pSbSetByeWeek(int32_t teamID, int16_t year, uint8_t byeWeek);
  // The positions merged into posID as an SQL condition on tblPlayers.PosID
  // (" tblPlayers.PosID = 3 OR tblPlayers.PosID = 9"); " 1 = 0", which
  // selects nothing, when no position merges into it.
  std::string pFnGetSQLPosMerges(int32_t posID);
  // Maps the given system's rules onto the catalogue (it replaces the
  // database's own scoring order) and leaves in it, for each category the
  // rules name, the extreme value over every stored row: the largest for
  // direction 1, the smallest for -1. Every row counts, whatever its year: a
  // projected-stats file holds one season, so year (0 for the file's own)
  // selects nothing. The stat cursors are left at their ends.
  void pSbExtractMaxStatValues(int16_t year, clsScoringIsolate& scoring, int32_t direction);
  // The value the last extraction left for the category; 0 for an unknown one.
  double pFnGetMaxStatValue(int32_t catID) const { return statCon_->DoubleValue(catID); }

  // ---- Player and player-week lookups by index

  int32_t pFnGetPlaIDwMasID(int32_t masterID);
  int32_t pFnGetMasIDwPlaID(int32_t playerID);
  int32_t pFnGetPlayerTeamID(int32_t playerID, uint8_t week, int16_t year);
  // True when the player-week's tblStat0.DNU is not 0 (1 marks a player the
  // user edited); False for a missing row or a Null.
  bool pFnGetDNU(int32_t playerID, uint8_t week, int16_t year);

  // ==== Player-data writers and the import log (clsPlayerDataWriters)
  // Each call is one transaction (a savepoint inside the caller's), so a
  // failure leaves nothing half-written; importers that write many runs wrap
  // a whole block in a jet::Transaction of their own. Writers of a MasterID
  // that has no player write nothing and log the MasterID to ProError.txt in
  // the work folder; so do stat records of an unknown category, of one that
  // is not a stored value or not editable (EditType other than 1), and stat
  // or yardage records whose value is not finite. Database failures raise
  // jet::JetError.

  // Adds the player's tblPlayers row, or rewrites name (trimmed), DOB, team
  // and position of the row that has the MasterID. year and week are not used.
  void pSbAddPla(int16_t year, int32_t masterID, const std::string& backName, int32_t dob, int32_t teamID,
                 int32_t posID, uint8_t week);
  // The same, finding the player by name and DOB first, then by MasterID.
  void pSbAddPlaManual(int32_t unused, int32_t masterID, const std::string& backName, int32_t dob,
                       int32_t teamID, int32_t posID);
  // Writes the player's tblStat0 row of the week and year with the team; a
  // new row starts with 0 points, an existing one keeps its points.
  void pSbAddStatZeroYear(int32_t masterID, int32_t teamID, uint8_t week, int16_t year);
  // Writes the import-log lines gathered so far (clsPlayerDataWriters::FlushProError).
  void pSbFlushProError();
  // Deletes every scoring-play row (tblStat1) of the week and year.
  void pSbClearWeekScoringYardage(int16_t year, uint8_t week);
  void pSbClearYearWeekScoringYardage(int16_t year, uint8_t week);
  // Replaces the scoring plays of one player-week by the yardage records
  // from..to, all of the player and week of record `from`.
  void pSbAddScY(const clsKWRData& kwrData, int16_t year, int32_t from, int32_t to);
  // Writes the stat records from..to of one player-week (player, week and
  // team of record `from`) into tblStat0..N and rescores the week. A run
  // with values outside tblStat0 replaces the player-week's rows: tables
  // it writes are cleared first, and tables it does not write lose their
  // row. With keepModified, a player-week marked DNU keeps its values
  // unless every record belongs to tblStat0; only its team is written.
  void pSbAddPSt(const clsKWRData& kwrData, int16_t year, int32_t from, int32_t to, bool keepModified);
  // Writes one category value of one player-week (the projected-stats
  // editor), making the tblStat0 row when there is none. recalcRating
  // recomputes the passer rating after a passing value. Points and DNU are
  // left alone. A category that is not a stored value writes nothing.
  void pSbAddPStwPlaID(int32_t playerID, uint8_t week, int16_t year, int32_t catID, double value,
                       bool recalcRating);
  // (pSbAddSco, the scoring-rule writer, stands with the scoring system above.)

  // ==== Season totals and whole-file operations (clsSeasonTotals)

  // Builds every player's season row (week 250) of the year from the
  // weekly rows (weeks below 18): summed stats, the passer rating of the
  // summed passing counts, summed points, and the team of the latest week.
  // One transaction: an error leaves the file as it was.
  void pSbSumPlayerStatsForYear(int16_t year, clsStatusPlain& status);
  // Copies the season rows of another projected-stats file into the
  // season rows of the year, matching players by MasterID. The other file
  // is opened read-only; a missing one shows "File Not Found:  '<path>'"
  // titled "File Error" and answers False. Players this file does not
  // have are logged and skipped. One transaction.
  bool pSbAddSumPStFromAlternateDb(const std::string& path, int16_t year);
  // Moves every stat row and the settings record to another season, in one
  // transaction: rows of two seasons that would collide leave it unchanged.
  void FullStatYearChange(int16_t newYear);
  // ADP 0 on every tblStat0 row of the year and week.
  void pSbClearADPValues(int16_t year, uint8_t week);
  // TeamID and InjuryStatus of an existing player-week; nothing otherwise.
  void pSbUpdatePlayerStatus(int16_t year, uint8_t week, int32_t masterID, int32_t teamID,
                             int32_t injuryStatus);
  // The team valid in the year with the abbreviation (AbrvA, B or C, exact
  // case); 0 when none.
  int32_t pFnGetTeamIDwAbrv(const std::string& abrv, int16_t year);

 private:
  friend class clsPlayerDataWriters;
  friend class clsSeasonTotals;
  // The writers and whole-file operations, made on first use; both raise
  // jet::JetError when no file is open.
  clsPlayerDataWriters& Writers();
  clsSeasonTotals& SeasonTotals();
  class RowLookups;

  bool OpenFile(const std::string& path, clsStatusPlain* status);
  // New, empty catalogue, formats, grid and display rows.
  void MakeCatalogueObjects();
  // The catalogue from the file, each of its tables handed its cursor.
  void pSbLoadStatCategories();
  void CloseAll();
  void CheckSchema();
  void pSbUpgradeSettings();
  void pSbLoadStatUnits();
  void pSbLoadStatSubCategories();
  // Texts by id from a query answering (ID, text) for ids 0..255; ids
  // without a row read "".
  void LoadIdTexts(const std::string& sql, std::vector<std::string>& texts);

  // Select an index on a cursor unless it is already selected.
  void pSbSetTableIndex(int32_t tableNo, std::string_view index);
  void pSbSetStatIndex(int32_t table, std::string_view index);
  // Seek "=" on an index of a fixed table / a stat table; True on a match.
  bool SeekTable(int32_t tableNo, std::string_view index, const std::vector<jet::Value>& keys);
  bool SeekStatPlayerWeek(int32_t table, int32_t playerID, uint8_t week, int16_t year);

  int32_t pFnSeekPlayerIDwMasID(int32_t masterID);
  // The team of the player-week's first row from the held week (read now
  // unless it is held already for the file as it is).
  int32_t HeldTeamOf(int32_t playerID, uint8_t week, int16_t year);
  int32_t pFnGetStat0RowID(int32_t playerID, uint8_t week, int16_t year);
  int32_t pFnGetStat0TeamID(int32_t playerID, uint8_t week, int16_t year);
  int32_t pFnGetStatRowID(int32_t playerID, uint8_t week, int16_t year, int32_t table);
  std::string pFnGetPlayerNameWStyle(int32_t formatID, int32_t playerID);

  jet::Recordset& Settings();
  int32_t SettingsLong(const char* field);
  std::string SettingsText(const char* field, bool* isNull = nullptr);
  void SetSettingsField(const char* field, const jet::Value& value);

  std::unique_ptr<jet::Database> db_;
  std::string filePath_;
  std::string lastError_;
  bool open_ = false;

  std::vector<std::unique_ptr<jet::Recordset>> fixed_;  // 1..8; 0 unused
  std::vector<std::unique_ptr<jet::Recordset>> stat_;   // 0..N
  uint8_t statTableMax_ = 0;
  int32_t playerDisplayGridID_ = 0;
  int32_t statNdxCalls_ = 0;
  int32_t statNdxChanges_ = 0;

  std::vector<std::string> statUnits_;
  std::vector<std::string> statSubCatNames_;
  std::unique_ptr<clsMockCheatData> mockCheatData_;

  std::unique_ptr<clsCategoryControl> statCon_;
  std::unique_ptr<clsDisplayFormatIsolate> dsf_;
  std::unique_ptr<clsDisplayGridIsolate> display_;
  std::unique_ptr<RowLookups> rowLookups_;
  std::unique_ptr<clsDisplayRows> displayRows_;

  std::unique_ptr<clsScoringIsolate> scoring_;
  std::unique_ptr<clsApplyScoring> applyScoring_;
  int32_t modifiedScoring_ = 0;
  // Player-data writers and whole-file operations.
  std::unique_ptr<clsPlayerDataWriters> writers_;
  std::unique_ptr<clsSeasonTotals> seasonTotals_;
  // The teams of one week's rows by player id, while a HeldWeekTeams lives;
  // read at the file's change generation `generation`.
  struct WeekTeams {
    bool read = false;
    uint64_t generation = 0;
    uint8_t week = 0;
    int16_t year = 0;
    std::unordered_map<int32_t, int32_t> teamOf;
  };
  int32_t weekTeamsHolders_ = 0;
  WeekTeams weekTeams_;
};
