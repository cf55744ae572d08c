#include "platform/jet/Database.h"

#include <sqlite3.h>

#include "platform/jet/Connection.h"
#include "platform/jet/JetError.h"

namespace jet {

namespace {
// The longest text or blob a field may hold; far above anything the program
// stores, low enough that a hostile file cannot make it allocate gigabytes.
constexpr int kMaxFieldBytes = 16 * 1024 * 1024;
constexpr int kBusyTimeoutMs = 5000;
}  // namespace

Database::Database(std::shared_ptr<Connection> connection, std::string path)
    : connection_(std::move(connection)), path_(std::move(path)) {}

Database::~Database() { Close(); }

std::unique_ptr<Database> Database::Open(const std::string& path, Access access, bool verify) {
  if (path.empty()) throw JetError("No database file was named.");
  // A leading "file:" would otherwise be read as a URI.
  std::string name = path.rfind("file:", 0) == 0 ? "./" + path : path;
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
  try {
    // The first read of the schema is where a file that is not a database fails.
    connection->Exec("SELECT count(*) FROM sqlite_schema");
    if (!readOnly) connection->Exec("PRAGMA journal_mode = DELETE");
    if (verify) {
      auto check = connection->Prepare("PRAGMA quick_check(1)");
      std::string result = check->Step() ? check->Column(0).AsText() : std::string();
      if (result != "ok") throw JetError("The file is damaged: " + result, SQLITE_CORRUPT);
    }
    // Fields cost the file nothing with a DEFAULT and every row in memory:
    // a table far wider than any of the program's is refused at the door.
    auto wide = connection->Prepare(
        "SELECT m.name, count(*) FROM sqlite_schema AS m, pragma_table_info(m.name) AS f"
        " WHERE m.type = 'table' GROUP BY m.name HAVING count(*) > ? LIMIT 1");
    wide->Bind(1, Value(kMaxFields));
    if (wide->Step()) {
      throw JetError("The table '" + wide->Column(0).AsText() + "' has " + wide->Column(1).AsText() +
                     " fields, more than the " + std::to_string(kMaxFields) + " any table of this program has.");
    }
  } catch (const JetError& e) {
    connection->Close();
    throw JetError("Cannot open '" + path + "': " + e.what(), e.Code());
  } catch (const std::bad_alloc&) {
    connection->Close();
    throw JetError("Cannot open '" + path + "': not enough memory.", SQLITE_NOMEM);
  }
  return std::unique_ptr<Database>(new Database(std::move(connection), path));
}

void Database::Close() {
  if (connection_) connection_->Close();
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
void Database::Rollback() { Conn().RollbackTransaction(); }
int Database::TransactionDepth() const { return connection_ ? connection_->TransactionDepth() : 0; }

}  // namespace jet
