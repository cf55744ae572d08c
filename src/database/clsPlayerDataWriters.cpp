#include "database/clsPlayerDataWriters.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <string_view>
#include <utility>

#include "core/basAssociatedFiles.h"
#include "core/basMockItUp.h"
#include "database/basNFLQBRating.h"
#include "database/clsKWRData.h"
#include "database/clsKickwellDB.h"
#include "platform/jet/JetError.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/Transaction.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"

using jet::JetError;
using jet::Value;

namespace {

const char* const kIDNdx = "IDNdx";
constexpr int32_t kPasserRatingCategory = 46;
constexpr int kPlayerIDPos = clsKickwellDB::kStatPlayerIDField;
constexpr int kWeekPos = clsKickwellDB::kStatWeekField;
constexpr int kFirstValuePos = clsKickwellDB::kStatFirstValueField;
constexpr int kPointsPos = clsKickwellDB::kStat0PointsField;
constexpr int kTeamIDPos = clsKickwellDB::kStat0TeamIDField;
// The passing counts the rating is computed from: attempts, completions,
// yards, touchdowns, interceptions.
constexpr int kPassingFirstPos = 3;
constexpr int kPassingLastPos = 7;

bool SameNumber(const Value& v, double n) { return v.AsDouble() == n; }

// Starts the edit of a player-week's row: the row found, or a new one with
// the player-week's keys.
void EditOrAddPlayerWeekRow(jet::Recordset& rs, bool found, int32_t playerID, uint8_t week, int16_t year) {
  if (found) {
    rs.Edit();
    return;
  }
  rs.AddNew();
  rs.SetField(kPlayerIDPos, Value(playerID));
  rs.SetField(kWeekPos, Value(static_cast<int>(week)));
  rs.SetField(rs.FieldCount() - 1, Value(static_cast<int>(year)));
}

}  // namespace

// ------------------------------------------------------------------ one writer call

clsPlayerDataWriters::WriteScope::WriteScope(clsKickwellDB& db, Nesting nesting) : db_(db) {
  jet::Database& file = db.Database();
  if (nesting == Nesting::kAlways || file.TransactionDepth() == 0) tx_.emplace(file);
}

clsPlayerDataWriters::WriteScope::~WriteScope() {
  if (committed_) return;
  // A failure part-way may leave an AddNew or Edit pending on some cursor;
  // it must not be written by a later Update.
  for (auto& cursor : db_.fixed_) {
    if (cursor && cursor->IsOpen()) cursor->CancelUpdate();
  }
  for (auto& cursor : db_.stat_) {
    if (cursor && cursor->IsOpen()) cursor->CancelUpdate();
  }
  // tx_, when there is one, rolls back as it goes.
}

void clsPlayerDataWriters::WriteScope::Commit() {
  if (tx_) tx_->Commit();
  committed_ = true;
}

// ------------------------------------------------------------------ row writers

int32_t clsPlayerDataWriters::pFnWriteRow(int32_t tableNo, int32_t id, const std::vector<Value>& values) {
  jet::Recordset& rs = db_.FixedCursor(tableNo);
  if (id < 1) {
    rs.AddNew();
  } else {
    if (!db_.SeekTable(tableNo, kIDNdx, {Value(id)})) {
      throw JetError("There is no row " + std::to_string(id) + " in " + rs.Source() + ".");
    }
    rs.Edit();
  }
  for (std::size_t k = 0; k < values.size(); ++k) rs.SetField(static_cast<int>(k + 1), values[k]);
  const int32_t rowID = rs.Field("ID").AsLong();
  rs.Update();
  return rowID;
}

bool clsPlayerDataWriters::SeekStatID(int32_t table, int32_t id) {
  db_.pSbSetStatIndex(table, kIDNdx);
  return db_.StatCursor(table).Seek({Value(id)});
}

int32_t clsPlayerDataWriters::pFnWriteStatRow(int32_t table, int32_t id, int16_t year,
                                              const std::vector<Value>& values) {
  jet::Recordset& rs = db_.StatCursor(table);
  if (id < 1) {
    rs.AddNew();
  } else {
    if (!SeekStatID(table, id)) {
      throw JetError("There is no row " + std::to_string(id) + " in " + rs.Source() + ".");
    }
    rs.Edit();
  }
  for (std::size_t k = 0; k < values.size(); ++k) rs.SetField(static_cast<int>(k + 1), values[k]);
  rs.SetField(rs.FieldCount() - 1, Value(static_cast<int>(year)));
  const int32_t rowID = rs.Field("ID").AsLong();
  rs.Update();
  return rowID;
}

int32_t clsPlayerDataWriters::pFnWriteStatFields(int32_t table, int32_t id, int32_t firstPos,
                                                 const std::vector<Value>& values) {
  jet::Recordset& rs = db_.StatCursor(table);
  if (!SeekStatID(table, id)) {
    throw JetError("There is no row " + std::to_string(id) + " in " + rs.Source() + ".");
  }
  rs.Edit();
  for (std::size_t k = 0; k < values.size(); ++k) {
    rs.SetField(firstPos + static_cast<int>(k), values[k]);
  }
  rs.Update();
  return id;
}

// ------------------------------------------------------------------ categories

bool clsPlayerDataWriters::StoredField(int32_t catID, int32_t& table, int32_t& field) {
  clsCategoryControl& catalogue = db_.StatCon();
  // A category computed from several fields, or from scoring plays, has no
  // one field its value could be written to.
  if (!catalogue.DoesIDExist(catID) || catalogue.Ops(catID) != 1 || catalogue.TypeField(catID) != 0) {
    return false;
  }
  table = catalogue.Table(catID);
  field = catalogue.Field(catID);
  // tblStat1 holds scoring plays, written by the yardage writer only.
  if (table == 1 || table > db_.StatTableMax()) return false;
  return field >= kFirstValuePos && field <= db_.StatCursor(table).FieldCount() - 2;
}

// ------------------------------------------------------------------ players

void clsPlayerDataWriters::pSbAddPla(int32_t masterID, const std::string& backName, int32_t dob,
                                     int32_t teamID, int32_t posID) {
  WriteScope scope(db_);
  const int32_t playerID = db_.pFnGetPlaIDwMasID(masterID);
  pFnWriteRow(clsKickwellDB::kPlayers, playerID,
              {Value(masterID), Value(runtime::Trim(backName)), Value(dob), Value(teamID), Value(posID)});
  scope.Commit();
}

void clsPlayerDataWriters::pSbAddPlaManual(int32_t masterID, const std::string& backName, int32_t dob,
                                           int32_t teamID, int32_t posID) {
  const std::string name = runtime::Trim(backName);
  WriteScope scope(db_);
  int32_t playerID = 0;
  {
    auto rs = db_.pSbKickwellSQL("SELECT ID FROM tblPlayers WHERE BackName = ? AND DOB = ? ORDER BY ID;",
                                 {Value(name), Value(dob)});
    if (!rs->Eof()) playerID = rs->Field(0).AsLong();
  }
  if (playerID == 0 && masterID != 0) playerID = db_.pFnGetPlaIDwMasID(masterID);
  pFnWriteRow(clsKickwellDB::kPlayers, playerID,
              {Value(masterID), Value(name), Value(dob), Value(teamID), Value(posID)});
  scope.Commit();
}

// ------------------------------------------------------------------ season and scoring-play rows

void clsPlayerDataWriters::pSbAddStatZeroYear(int32_t masterID, int32_t teamID, uint8_t week, int16_t year) {
  const int32_t playerID = db_.pFnGetPlaIDwMasID(masterID);
  if (playerID == 0) {
    pSbWriteProError("pSbAddStatZeroYear - MasterID " + std::to_string(masterID) + " not found.");
    return;
  }
  WriteScope scope(db_);
  const int32_t rowID = db_.pFnGetStat0RowID(playerID, week, year);
  if (rowID == 0) {
    pFnWriteStatRow(0, 0, year, {Value(playerID), Value(static_cast<int>(week)), Value(0), Value(teamID)});
  } else {
    // The row's points belong to its stats, which this does not change.
    pFnWriteStatFields(0, rowID, kTeamIDPos, {Value(teamID)});
  }
  scope.Commit();
}

void clsPlayerDataWriters::pSbClearWeekScoringYardage(int16_t year, uint8_t week) {
  if (db_.StatTableMax() < 1) return;
  WriteScope scope(db_);
  jet::Recordset& rs = db_.StatCursor(1);
  const int yearPos = rs.FieldCount() - 1;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    // After a Delete, MoveNext lands on the row that followed the deleted one.
    if (SameNumber(rs.Field(kWeekPos), week) && SameNumber(rs.Field(yearPos), year)) rs.Delete();
  }
  scope.Commit();
}

void clsPlayerDataWriters::pSbAddScY(const clsKWRData& kwrData, int16_t year, int32_t from, int32_t to) {
  if (to < from || db_.StatTableMax() < 1) return;
  const int32_t masterID = kwrData.ScoYMasID(from);
  const int32_t playerID = db_.pFnGetPlaIDwMasID(masterID);
  if (playerID == 0) {
    pSbWriteProError("pSbAddScY - MasterID " + std::to_string(masterID) + " not found.");
    return;
  }
  const uint8_t week = kwrData.ScoYWeek(from);
  WriteScope scope(db_);
  jet::Recordset& rs = db_.StatCursor(1);
  if (db_.SeekStatPlayerWeek(1, playerID, week, year)) {
    const int yearPos = rs.FieldCount() - 1;
    while (!rs.Eof() && SameNumber(rs.Field(kPlayerIDPos), playerID) &&
           SameNumber(rs.Field(kWeekPos), week) && SameNumber(rs.Field(yearPos), year)) {
      rs.Delete();
      rs.MoveNext();
    }
  }
  for (int32_t i = from; i <= to; ++i) {
    if (!std::isfinite(kwrData.ScoYYards(i))) {
      pSbWriteProError("pSbAddScY - MasterID " + std::to_string(masterID) + ": a play has no finite yardage.");
      continue;
    }
    pFnWriteStatRow(1, 0, year,
                    {Value(playerID), Value(static_cast<int>(kwrData.ScoYWeek(i))),
                     Value(static_cast<int>(kwrData.ScoYType(i))), Value(kwrData.ScoYYards(i))});
  }
  scope.Commit();
}

// ------------------------------------------------------------------ stat rows of a player-week

void clsPlayerDataWriters::RecalcPasserRating(jet::Recordset& passing) {
  int32_t table = 0;
  int32_t field = 0;
  if (!StoredField(kPasserRatingCategory, table, field) || table != 2) return;
  if (passing.FieldCount() - 2 < kPassingLastPos) return;
  float counts[kPassingLastPos - kPassingFirstPos + 1];
  for (int k = kPassingFirstPos; k <= kPassingLastPos; ++k)
    counts[k - kPassingFirstPos] = passing.Field(k).AsSingle();
  passing.SetField(
      field, Value(basNFLQBRating::PasserRating(counts[0], counts[1], counts[2], counts[3], counts[4])));
}

void clsPlayerDataWriters::pSbAddPSt(const clsKWRData& kwrData, int16_t year, int32_t from, int32_t to,
                                     bool keepModified) {
  if (to < from) return;
  const int32_t masterID = kwrData.StatMasID(from);
  const int32_t playerID = db_.pFnGetPlaIDwMasID(masterID);
  const std::string who = "pSbAddPSt - MasterID " + std::to_string(masterID);
  if (playerID == 0) {
    pSbWriteProError(who + " not found.");
    return;
  }
  const uint8_t week = kwrData.StatWeek(from);
  const int32_t teamID = kwrData.StatTeaID(from);

  struct Item {
    int32_t table;
    int32_t field;
    float value;
  };
  std::vector<Item> items;
  items.reserve(static_cast<std::size_t>(to - from + 1));
  bool onlyTable0 = true;
  for (int32_t i = from; i <= to; ++i) {
    const int32_t catID = kwrData.StatField(i);
    Item item{0, 0, kwrData.StatNewValue(i)};
    // Player records carry only the categories the editor may change; any
    // other stored one is a value the program keeps itself (the edited
    // mark, the team).
    const char* refused = nullptr;
    if (!db_.StatCon().DoesIDExist(catID)) {
      refused = " not found.";
    } else if (!StoredField(catID, item.table, item.field)) {
      refused = " is not a stored value.";
    } else if (db_.StatCon().EditType(catID) != 1) {
      refused = " is not editable.";
    } else if (!std::isfinite(item.value)) {
      refused = " has no finite value.";
    }
    if (refused) {
      pSbWriteProError(who + ": category " + std::to_string(catID) + refused);
      continue;
    }
    if (item.table != 0) onlyTable0 = false;
    items.push_back(item);
  }

  WriteScope scope(db_);
  // The player-week's tblStat0 row with the team (and 0 points until it is
  // rescored), together with the run's tblStat0 values unless the row keeps
  // its values: an edited player-week, when keepModified, keeps them unless
  // every record belongs to tblStat0.
  jet::Recordset& stat0 = db_.StatCursor(0);
  const bool exists0 = db_.SeekStatPlayerWeek(0, playerID, week, year);
  const bool keep = exists0 && keepModified && !onlyTable0 && stat0.Field("DNU").AsDouble() != 0.0;
  EditOrAddPlayerWeekRow(stat0, exists0, playerID, week, year);
  stat0.SetField(kPointsPos, Value(0));
  stat0.SetField(kTeamIDPos, Value(teamID));
  if (!keep) {
    for (const Item& item : items) {
      if (item.table == 0) stat0.SetField(item.field, Value(item.value));
    }
  }
  stat0.Update();
  if (keep) {
    // Still rescored: the row was just written with 0 points.
    RescorePlayerWeek(playerID, week, year);
    scope.Commit();
    return;
  }

  const int32_t n = db_.StatTableMax();
  std::vector<bool> writes(static_cast<std::size_t>(n) + 1, false);
  for (const Item& item : items) writes[static_cast<std::size_t>(item.table)] = true;

  if (!onlyTable0) {
    // The run replaces the player-week: tables it writes start from zeros,
    // tables it does not write keep no row.
    for (int32_t t = 2; t <= n; ++t) {
      jet::Recordset& rs = db_.StatCursor(t);
      const bool exists = db_.SeekStatPlayerWeek(t, playerID, week, year);
      if (!writes[static_cast<std::size_t>(t)]) {
        if (exists) rs.Delete();
        continue;
      }
      EditOrAddPlayerWeekRow(rs, exists, playerID, week, year);
      if (exists) {
        for (int k = kFirstValuePos; k <= rs.FieldCount() - 2; ++k) rs.SetField(k, Value(0));
      }
      for (const Item& item : items) {
        if (item.table == t) rs.SetField(item.field, Value(item.value));
      }
      if (t == 2) RecalcPasserRating(rs);
      rs.Update();
    }
  }
  RescorePlayerWeek(playerID, week, year);
  scope.Commit();
}

void clsPlayerDataWriters::pSbAddPStwPlaID(int32_t playerID, uint8_t week, int16_t year, int32_t catID,
                                           double value, bool recalcRating) {
  int32_t table = 0;
  int32_t field = 0;
  if (!StoredField(catID, table, field)) return;
  WriteScope scope(db_);
  if (db_.pFnGetStat0RowID(playerID, week, year) == 0) {
    pFnWriteStatRow(
        0, 0, year,
        {Value(playerID), Value(static_cast<int>(week)), Value(0), Value(0), Value(0), Value(0), Value(0)});
  }
  jet::Recordset& rs = db_.StatCursor(table);
  EditOrAddPlayerWeekRow(rs, db_.SeekStatPlayerWeek(table, playerID, week, year), playerID, week, year);
  rs.SetField(field, Value(value));
  if (recalcRating && table == 2) RecalcPasserRating(rs);
  rs.Update();
  scope.Commit();
}

void clsPlayerDataWriters::RescorePlayerWeek(int32_t playerID, uint8_t week, int16_t year) {
  if (!db_.SeekStatPlayerWeek(0, playerID, week, year)) return;
  db_.pSbScoreCurrentStatRow(db_.ScoringIsolate());
}

// ------------------------------------------------------------------ the import log

namespace {

// The newest whole lines of `text` that fit in `budget` bytes.
std::string_view NewestLines(std::string_view text, std::size_t budget) {
  if (text.size() <= budget) return text;
  text.remove_prefix(text.size() - budget);
  const std::size_t lineStart = text.find('\n');
  return lineStart == std::string_view::npos ? std::string_view() : text.substr(lineStart + 1);
}

// The newest whole lines of the file that fit in `budget` bytes; "" when
// it is missing or unreadable (what cannot be read cannot be kept).
std::string NewestLinesOfFile(const std::string& path, std::size_t budget) {
  if (budget == 0) return {};
  struct stat st {};
  bool notAFile = false;
  const int fd = runtime::OpenRegularFile(path, st, notAFile);
  if (fd < 0) return {};
  const auto size = static_cast<std::size_t>(st.st_size);
  const std::size_t from = size > budget ? size - budget - 1 : 0;  // one byte more: was a line ending there?
  std::string bytes(size - from, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(from + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return std::string(from == 0 ? std::string_view(bytes) : NewestLines(bytes, bytes.size() - 1));
}

// The log's size; false when something other than a file has its name (a
// FIFO would hold an append until something reads it, for ever).
bool LogSize(const std::string& path, std::size_t& size) {
  struct stat st {};
  size = 0;
  if (::stat(path.c_str(), &st) != 0) return true;
  if (!S_ISREG(st.st_mode)) return false;
  size = static_cast<std::size_t>(st.st_size);
  return true;
}

}  // namespace

clsPlayerDataWriters::~clsPlayerDataWriters() {
  try {
    FlushProError();
  } catch (...) {
    // A log that cannot be written loses its lines; nothing more.
  }
}

void clsPlayerDataWriters::pSbWriteProError(const std::string& message) {
  if (WorkFolder.empty()) return;
  // The path heads the lines of each file this object logs for.
  if (!logHeaderWritten_ || logHeaderPath_ != db_.FilePath()) {
    pendingLog_ += db_.FilePath() + '\n';
    logHeaderWritten_ = true;
    logHeaderPath_ = db_.FilePath();
  }
  pendingLog_ += runtime::FormatLogStamp(runtime::Now()) + ' ' + message + '\n';
  // Only the newest kMaxProErrorBytes can reach the file: older lines are
  // dropped now and then, so memory stays bounded whatever is logged.
  // The path heads the kept lines again, so that they are not read as the
  // lines of the file named above them in the log.
  if (pendingLog_.size() > kMaxProErrorBytes) {
    pendingLog_ = logHeaderPath_ + '\n' + std::string(NewestLines(pendingLog_, kKeptProErrorBytes));
    logDropped_ = true;
  }
}

void clsPlayerDataWriters::FlushProError() {
  if (pendingLog_.empty() || WorkFolder.empty()) return;
  const std::string path = WorkFolder + "ProError.txt";
  const std::string lines = std::exchange(pendingLog_, {});
  const bool dropped = std::exchange(logDropped_, false);
  std::string error;
  bool written = false;
  std::size_t size = 0;
  if (!LogSize(path, size)) {
    error = "Not a file";
  } else if (!dropped && size + lines.size() <= kMaxProErrorBytes) {
    std::fstream log;
    errno = 0;
    if (basAssociatedFiles::OpenFileByMode(path, log, basAssociatedFiles::kTextAppend, false)) {
      log << lines;
      log.flush();
      written = static_cast<bool>(log);
    }
    if (!written) error = errno != 0 ? std::strerror(errno) : "Cannot write the file";
  } else {
    // The newest lines, old and new, under one that says the log was cut;
    // cut to half the ceiling, so that the next imports append again.
    const std::string cut = runtime::FormatLogStamp(runtime::Now()) + " The log was cut to its newest " +
                            std::to_string(kKeptProErrorBytes / (1024 * 1024)) + " MB; older lines were dropped.\n";
    const std::size_t budget = kKeptProErrorBytes - cut.size();
    std::string_view newest = NewestLines(lines, budget);
    std::string content = cut;
    if (newest.size() == lines.size()) {
      content += NewestLinesOfFile(path, budget - lines.size());
    } else {
      // Cut below their header: the path heads them again.
      const std::string header = logHeaderPath_ + '\n';
      newest = NewestLines(lines, budget - header.size());
      content += header;
    }
    content += newest;
    written = runtime::SaveFileAtomically(path, content, &error);
  }
  if (written) return;
  // The lost lines took the path with them: the next line that is written is headed by it again.
  logHeaderWritten_ = false;
  // Said once: an import can flush many times.
  if (logErrorShown_) return;
  logErrorShown_ = true;
  basAssociatedFiles::ShowOpenFileError(error, path);
}
