#include "platform/jet/Database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>

#include "platform/jet/Connection.h"
#include "platform/jet/JetError.h"
#include "platform/jet/Statement.h"
#include "platform/runtime/Text.h"

namespace jet {

namespace {
// The longest text or blob a field may hold; far above anything the program
// stores, low enough that a hostile file cannot make it allocate gigabytes.
constexpr int kMaxFieldBytes = 16 * 1024 * 1024;
constexpr int kBusyTimeoutMs = 5000;

// The name SQLite is given for a path: a leading "file:" would otherwise be
// read as a URI.
std::string SqliteName(const std::string& path) { return path.rfind("file:", 0) == 0 ? "./" + path : path; }

// A file as the file system describes it; any write changes it.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t seconds = 0;
  int64_t nanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};

bool StampOf(const std::string& path, FileStamp& stamp) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  stamp = FileStamp{st.st_dev, st.st_ino, st.st_size, static_cast<int64_t>(st.st_mtim.tv_sec),
                    static_cast<int64_t>(st.st_mtim.tv_nsec)};
  return true;
}

// A file known to be sound, as it was when that was last known: its stamp,
// and the data_version its watching connection read then (below). The
// modification time moves in steps of the system clock's tick, so a write
// soon after may leave the stamp as it was; a commit through SQLite from
// anywhere still moves the version. Versions of two connections cannot be
// compared (each starts at its own count), so the version holds only for
// the watch that read it.
struct SoundFile {
  FileStamp stamp;
  uint64_t watch = 0;
  std::optional<int64_t> version;
};

std::unordered_map<std::string, SoundFile>& CheckedFiles() {
  static std::unordered_map<std::string, SoundFile> files;
  return files;
}

// PRAGMA data_version of a connection: it moves whenever another
// connection (of this program or any other) committed to the file. Empty
// when it cannot be read.
std::optional<int64_t> DataVersionOf(sqlite3* db) {
  sqlite3_stmt* stmt = nullptr;
  std::optional<int64_t> version;
  if (sqlite3_prepare_v2(db, "PRAGMA data_version", -1, &stmt, nullptr) == SQLITE_OK &&
      sqlite3_step(stmt) == SQLITE_ROW)
    version = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  return version;
}

// What this program knows of a file it opened, by device and inode: the
// change record its connections share, and how the file was when one of
// them last closed it. A read-only connection of its own stays open on the
// file and does nothing: it keeps the inode from going to another file, and
// its data_version moves with every commit to the file from anywhere.
struct FileRecord {
  sqlite3* watch = nullptr;
  std::shared_ptr<FileChanges> changes = std::make_shared<FileChanges>(FileChanges{NextFileGeneration()});
  FileStamp closed;
  std::optional<int64_t> closedVersion;
  uint64_t lastUse = 0;
  uint64_t id = 0;  // of this watch: a file let go and watched again has a new one

  FileRecord() = default;
  FileRecord(const FileRecord&) = delete;
  FileRecord& operator=(const FileRecord&) = delete;
  ~FileRecord() { sqlite3_close_v2(watch); }

  std::optional<int64_t> WatchedVersion() const {
    return watch ? DataVersionOf(watch) : std::optional<int64_t>();
  }
};

// Files watched at once; beyond this the longest unused one no connection
// has open is let go.
constexpr std::size_t kWatchedFiles = 8;

struct FileKeyHash {
  std::size_t operator()(const std::pair<dev_t, ino_t>& key) const {
    return std::hash<uint64_t>()(static_cast<uint64_t>(key.first) * 0x9e3779b97f4a7c15ull ^
                                 static_cast<uint64_t>(key.second));
  }
};

using FileRecordMap = std::unordered_map<std::pair<dev_t, ino_t>, std::unique_ptr<FileRecord>, FileKeyHash>;

FileRecordMap& FileRecords() {
  static FileRecordMap records;
  return records;
}

FileRecord& RecordOf(const std::string& path, const FileStamp& stamp) {
  static uint64_t uses = 0;
  static uint64_t watches = 0;
  FileRecordMap& records = FileRecords();
  std::unique_ptr<FileRecord>& record = records[{stamp.device, stamp.inode}];
  if (!record) {
    if (records.size() > kWatchedFiles) {
      auto oldest = records.end();
      for (auto it = records.begin(); it != records.end(); ++it)
        if (it->second && it->second->changes.use_count() == 1 &&
            (oldest == records.end() || it->second->lastUse < oldest->second->lastUse))
          oldest = it;
      if (oldest != records.end()) records.erase(oldest);
    }
    record = std::make_unique<FileRecord>();
    record->id = ++watches;
    if (sqlite3_open_v2(SqliteName(path).c_str(), &record->watch, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
      sqlite3_close_v2(record->watch);
      record->watch = nullptr;
    }
  }
  record->lastUse = ++uses;
  return *record;
}

// The change record of a file being opened; its generation moves unless the
// file is as a connection of this program left it.
std::shared_ptr<FileChanges> ChangesAtOpen(const std::string& path) {
  FileStamp now;
  if (!StampOf(path, now)) return std::make_shared<FileChanges>(FileChanges{NextFileGeneration()});
  FileRecord& record = RecordOf(path, now);
  const std::optional<int64_t> version = record.WatchedVersion();
  if (!version || version != record.closedVersion || !(record.closed == now))
    record.changes->generation = NextFileGeneration();
  return record.changes;
}

void RememberClosed(const std::string& path) {
  FileStamp now;
  if (!StampOf(path, now)) return;
  FileRecord& record = RecordOf(path, now);
  record.closed = now;
  record.closedVersion = record.WatchedVersion();
}

void RememberSound(const std::string& path) {
  FileStamp now;
  if (StampOf(path, now)) {
    const FileRecord& record = RecordOf(path, now);
    CheckedFiles()[path] = SoundFile{now, record.id, record.WatchedVersion()};
  } else {
    CheckedFiles().erase(path);
  }
}

// True when the file is as it was when it was last known sound, by its
// stamp and by its version on the same watch; a file whose version cannot
// be read, or whose watch was let go since, is checked.
bool KnownSound(const std::string& path) {
  FileStamp now;
  auto it = CheckedFiles().find(path);
  if (it == CheckedFiles().end() || !StampOf(path, now) || !(now == it->second.stamp) || !it->second.version)
    return false;
  const FileRecord& record = RecordOf(path, now);
  return record.id == it->second.watch && record.WatchedVersion() == it->second.version;
}

}  // namespace

Database::Database(std::shared_ptr<Connection> connection, std::string path, bool verified)
    : connection_(std::move(connection)), path_(std::move(path)), verified_(verified) {}

Database::~Database() { Close(); }

std::unique_ptr<Database> Database::Open(const std::string& path, Access access, bool verify) {
  if (path.empty()) throw JetError("No database file was named.");
  // SQLite keeps no count of its memory: the program never asks for it, and
  // the count takes a global lock on every allocation. Possible only before
  // SQLite's first use in the process; later it changes nothing.
  static const bool noMemoryCount = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
  (void)noMemoryCount;
  const std::string name = SqliteName(path);
  // A FIFO would hold the open until something writes into it, and a device
  // reads as an endless empty database: only a regular file is a database.
  struct stat st {};
  if (::stat(name.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    throw JetError("Cannot open '" + path + "': not a file");
  }
  int flags = (access == Access::kReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
              SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE;
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close_v2(db);
    throw JetError("Cannot open '" + path + "': " + message, rc);
  }
  sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
  sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxFieldBytes);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);

  bool readOnly = access == Access::kReadOnly || sqlite3_db_readonly(db, "main") == 1;
  auto connection = std::make_shared<Connection>(db, path, readOnly);
  std::shared_ptr<FileChanges> changes;
  try {
    // The first read of the schema is where a file that is not a database fails.
    connection->Exec("SELECT count(*) FROM sqlite_schema");
    if (!readOnly) connection->Exec("PRAGMA journal_mode = DELETE");
    if (verify && !KnownSound(path)) {
      auto check = connection->Prepare("PRAGMA quick_check(1)");
      std::string result = check->Step() ? check->Column(0).AsText() : std::string();
      if (result != "ok") {
        CheckedFiles().erase(path);
        throw JetError("The file is damaged: " + result, SQLITE_CORRUPT);
      }
      RememberSound(path);
    }
    changes = ChangesAtOpen(path);
    // Fields cost the file nothing with a DEFAULT and every row in memory:
    // a table far wider than any of the program's is refused at the door
    // (once for the file as it is).
    if (changes->widthChecked != changes->generation) {
      auto wide = connection->Prepare(
          "SELECT m.name, count(*) FROM sqlite_schema AS m, pragma_table_info(m.name) AS f"
          " WHERE m.type = 'table' GROUP BY m.name HAVING count(*) > ? LIMIT 1");
      wide->Bind(1, Value(kMaxFields));
      if (wide->Step()) {
        throw JetError("The table '" + wide->Column(0).AsText() + "' has " + wide->Column(1).AsText() +
                       " fields, more than the " + std::to_string(kMaxFields) +
                       " any table of this program has.");
      }
      changes->widthChecked = changes->generation;
    }
  } catch (const JetError& e) {
    connection->Close();
    throw JetError("Cannot open '" + path + "': " + e.Reason(), e.Code());
  } catch (const std::bad_alloc&) {
    connection->Close();
    throw JetError("Cannot open '" + path + "': not enough memory.", SQLITE_NOMEM);
  }
  auto database = std::unique_ptr<Database>(new Database(std::move(connection), path, verify));
  database->changes_ = std::move(changes);
  database->connection_->ShareFileChanges(database->changes_);
  database->dataVersion_ = database->DataVersion();
  return database;
}

void Database::Close() {
  if (!connection_ || !connection_->IsOpen()) return;
  // A commit from elsewhere must not pass unnoticed for the state the file
  // is remembered in below.
  try {
    NoticeOtherWriters();
  } catch (const JetError&) {
    if (changes_) changes_->generation = NextFileGeneration();
    othersWrote_ = true;
  }
  connection_->Close();
  // What this connection wrote went through SQLite's own transactions; what
  // another wrote meanwhile, or a file copied over this one, was not
  // checked: the next open checks the file.
  if (othersWrote_) {
    CheckedFiles().erase(path_);
  } else if (verified_) {
    RememberSound(path_);
  }
  RememberClosed(path_);
}

uint64_t Database::ChangeGeneration() const { return changes_ ? changes_->generation : 0; }

bool Database::NoticeOtherWriters() {
  const int64_t now = DataVersion();
  if (now == dataVersion_) return false;
  dataVersion_ = now;
  othersWrote_ = true;
  changes_->generation = NextFileGeneration();
  return true;
}

int64_t Database::DataVersion() {
  auto stmt = Conn().Prepare("PRAGMA data_version");
  return stmt->Step() ? stmt->Column(0).AsInt64() : 0;
}

bool Database::IsOpen() const { return connection_ && connection_->IsOpen(); }

bool Database::ReadOnly() const { return Conn().ReadOnly(); }

Connection& Database::Conn() const {
  if (!connection_ || !connection_->IsOpen()) throw JetError("The database has been closed.");
  return *connection_;
}

std::unique_ptr<Recordset> Database::OpenTable(std::string_view table) {
  Conn();
  return Recordset::OpenTable(connection_, table);
}

std::unique_ptr<Recordset> Database::OpenDynaset(std::string_view sql, const std::vector<Value>& params) {
  Conn();
  return Recordset::OpenQuery(connection_, sql, params, Recordset::Type::kDynaset);
}

std::unique_ptr<Recordset> Database::OpenSnapshot(std::string_view sql, const std::vector<Value>& params) {
  Conn();
  return Recordset::OpenQuery(connection_, sql, params, Recordset::Type::kSnapshot);
}

int64_t Database::Execute(std::string_view sql, const std::vector<Value>& params) {
  Connection& c = Conn();
  auto stmt = c.Prepare(sql);
  stmt->BindAll(params);
  bool writes = !stmt->ReadOnly();
  int64_t changed = 0;
  try {
    changed = stmt->Run();
  } catch (...) {
    if (writes) c.MarkAllWritten();
    throw;
  }
  if (writes) c.MarkAllWritten();
  return writes ? changed : 0;
}

int64_t Database::ExecuteOn(std::string_view table, std::string_view sql, const std::vector<Value>& params) {
  Connection& c = Conn();
  auto stmt = c.Prepare(sql);
  stmt->BindAll(params);
  const std::string lower = runtime::LCase(table);
  int64_t changed = 0;
  try {
    changed = stmt->Run();
  } catch (...) {
    c.MarkWritten(lower);
    throw;
  }
  c.MarkWritten(lower);
  return changed;
}

void Database::ForEachRow(std::string_view sql, const std::vector<Value>& params,
                          const std::function<void(const Statement& row)>& row) {
  auto stmt = Conn().Prepare(sql);
  if (!stmt->ReadOnly()) throw JetError("Only a SELECT can be read row by row.");
  stmt->BindAll(params);
  while (stmt->Step()) row(*stmt);
}

bool Database::TableExists(std::string_view table) { return Conn().TableExists(table); }

std::vector<FieldInfo> Database::TableFields(std::string_view table) { return Conn().Table(table)->fields; }

std::vector<IndexInfo> Database::TableIndexes(std::string_view table) { return Conn().Table(table)->indexes; }

void Database::AppendTextField(std::string_view table, std::string_view field, int32_t size) {
  Connection& c = Conn();
  if (c.ReadOnly()) throw JetError("The database is open read-only.");
  if (size < 1 || size > 255) throw JetError("A text field holds 1 to 255 characters.");
  auto info = c.Table(table);
  if (info->FieldIndex(field) >= 0) {
    throw JetError("The field '" + std::string(field) + "' already exists in '" + info->name + "'.");
  }
  c.Exec("ALTER TABLE " + QuoteIdentifier(info->name) + " ADD COLUMN " + QuoteIdentifier(field) + " TEXT(" +
         std::to_string(size) + ") COLLATE NOCASE");
  c.MarkSchemaChanged();
}

void Database::BeginTrans() { Conn().BeginTransaction(); }
void Database::CommitTrans() { Conn().CommitTransaction(); }
bool Database::BeginRead() { return Conn().BeginRead(); }
void Database::EndRead() { Conn().EndRead(); }
void Database::Rollback() { Conn().RollbackTransaction(); }
int Database::TransactionDepth() const { return connection_ ? connection_->TransactionDepth() : 0; }

}  // namespace jet
