#pragma once
// The player-data writers of one open projected-stats file: player rows,
// player-week stat rows and scoring-play rows, and the import log
// ProError.txt. clsKickwellDB owns one and hands its writer operations to
// it; the season totals build on its row writers.
//
// The writers go through the table cursors the database keeps open and fill
// most columns by position (docs/projected-stats-schema.md): position 0 is
// the row id, PlayerID and Week stand at 1 and 2 and Year last in every stat
// table, and the stat values of tblStat2..N at 3 .. field count - 2. Opening
// the file checks that layout, so the writers rely on it.
//
// Every public writer runs inside a transaction (WriteScope). Cursor
// failures raise jet::JetError with any pending edit dropped.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/jet/Transaction.h"
#include "platform/jet/Value.h"

class clsKickwellDB;
class clsKWRData;

namespace jet {
class Recordset;
}

class clsPlayerDataWriters {
 public:
  // The import log keeps at most kMaxProErrorBytes: lines that would take
  // it further cut it to its newest kKeptProErrorBytes, under one line that
  // says so.
  static constexpr std::size_t kMaxProErrorBytes = 4u * 1024 * 1024;
  static constexpr std::size_t kKeptProErrorBytes = kMaxProErrorBytes / 2;

  explicit clsPlayerDataWriters(clsKickwellDB& db) : db_(db) {}
  // Writes the log lines still waiting (FlushProError).
  ~clsPlayerDataWriters();
  clsPlayerDataWriters(const clsPlayerDataWriters&) = delete;
  clsPlayerDataWriters& operator=(const clsPlayerDataWriters&) = delete;

  void pSbAddPla(int32_t masterID, const std::string& backName, int32_t dob, int32_t teamID, int32_t posID);
  void pSbAddPlaManual(int32_t masterID, const std::string& backName, int32_t dob, int32_t teamID,
                       int32_t posID);
  void pSbAddStatZeroYear(int32_t masterID, int32_t teamID, uint8_t week, int16_t year);
  void pSbClearWeekScoringYardage(int16_t year, uint8_t week);
  void pSbAddScY(const clsKWRData& kwrData, int16_t year, int32_t from, int32_t to);
  void pSbAddPSt(const clsKWRData& kwrData, int16_t year, int32_t from, int32_t to, bool keepModified);
  void pSbAddPStwPlaID(int32_t playerID, uint8_t week, int16_t year, int32_t catID, double value,
                       bool recalcRating);

  // One writer call, inside a transaction. A call outside any transaction
  // is one; a per-run writer called inside the caller's transaction adds no
  // savepoint of its own (one per run would cost more than the run): its
  // failure drops any edit left pending on a cursor and leaves the rollback
  // to the caller. Whole-file operations always nest (kAlways).
  class WriteScope {
   public:
    enum class Nesting { kUnlessNested, kAlways };
    explicit WriteScope(clsKickwellDB& db, Nesting nesting = Nesting::kUnlessNested);
    ~WriteScope();
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;
    void Commit();

   private:
    clsKickwellDB& db_;
    std::optional<jet::Transaction> tx_;
    bool committed_ = false;
  };

  // ---- Row writers (inside the caller's transaction)

  // Fixed table 1..8: a new row when id < 1, else the row with that id;
  // values go to positions 1, 2, ...; returns the row's id.
  int32_t pFnWriteRow(int32_t tableNo, int32_t id, const std::vector<jet::Value>& values);
  // The same on stat table 0..N, with Year written by name.
  int32_t pFnWriteStatRow(int32_t table, int32_t id, int16_t year, const std::vector<jet::Value>& values);
  // Values into consecutive positions from `firstPos` of an existing stat
  // row (id >= 1); returns the id.
  int32_t pFnWriteStatFields(int32_t table, int32_t id, int32_t firstPos,
                             const std::vector<jet::Value>& values);

  // Adds a line "yyyy/mm/dd HH:MM:SS message" for ProError.txt in the work
  // folder (docs/file-format-proerror.md), preceded by the database's path
  // the first time the object logs for that file. Nothing when no work
  // folder is set. The lines wait in memory (at most kMaxProErrorBytes of
  // the newest) until FlushProError: a file of unknown players logs millions
  // of them, and the file is opened once for them all.
  void pSbWriteProError(const std::string& message);
  // Writes the waiting lines to ProError.txt. While the log stays within
  // kMaxProErrorBytes they are appended; otherwise the log is replaced, as
  // a save is, by a line saying it was cut and its newest
  // kKeptProErrorBytes of lines. A log that cannot be written shows the
  // reason once ("Open File Error") and loses the lines. Called after each
  // imported block and the season-totals merge, when the file closes, and
  // at the latest by the destructor.
  void FlushProError();

  // Where a category's value is stored: its table and field position, when
  // the category exists, is stored as it is (one operation) and sits in a
  // value column of tblStat0 or tblStat2..N. False for anything else.
  bool StoredField(int32_t catID, int32_t& table, int32_t& field);

 private:
  // The player-week's tblStat0 row rescored with the database's own scoring system.
  void RescorePlayerWeek(int32_t playerID, uint8_t week, int16_t year);
  // The passer rating of the tblStat2 row being edited, into the rating's field.
  void RecalcPasserRating(jet::Recordset& passing);
  bool SeekStatID(int32_t table, int32_t id);

  clsKickwellDB& db_;
  bool logHeaderWritten_ = false;
  std::string logHeaderPath_;
  std::string pendingLog_;  // whole lines not yet written
  bool logDropped_ = false;  // lines older than pendingLog_ were dropped
  bool logErrorShown_ = false;
};
