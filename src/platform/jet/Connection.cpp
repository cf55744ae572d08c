#include "platform/jet/Connection.h"

#include <algorithm>

#include "platform/jet/JetError.h"
#include "platform/runtime/Text.h"

namespace jet {

namespace {
// Statements are never held across calls, so the cache only saves preparing;
// it is emptied when it grows past this many distinct texts.
constexpr std::size_t kMaxCachedStatements = 512;

bool OnlyBlanksAndSemicolons(const char* tail) {
  for (; tail && *tail; ++tail) {
    char c = *tail;
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != ';') return false;
  }
  return true;
}
}  // namespace

uint64_t NextFileGeneration() {
  static uint64_t last = 0;
  return ++last;
}

Connection::Connection(sqlite3* db, std::string path, bool readOnly)
    : db_(db), path_(std::move(path)), readOnly_(readOnly) {}

Connection::~Connection() { Close(); }

sqlite3* Connection::Handle() const {
  if (db_ == nullptr) throw JetError("The database has been closed.");
  return db_;
}

void Connection::Close() {
  if (db_ == nullptr) return;
  for (auto& [sql, cached] : cache_) sqlite3_finalize(cached.stmt);
  cache_.clear();
  cacheKeyOf_.clear();
  tables_.clear();
  if (transactionDepth_ > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  transactionDepth_ = 0;
  sqlite3_close_v2(db_);
  db_ = nullptr;
  // Closing changes no file: only this connection's own bookkeeping.
  fileChanges_.reset();
  MarkSchemaChanged();
}

void Connection::Fail(int code, const std::string& context) const {
  std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
  if (!context.empty()) message += " (" + context + ")";
  throw JetError(message, code, path_);
}

std::unique_ptr<Statement> Connection::Prepare(std::string_view sql) {
  sqlite3* db = Handle();
  std::string key(sql);
  auto it = cache_.find(key);
  if (it != cache_.end() && !it->second.inUse) {
    it->second.inUse = true;
    return std::make_unique<Statement>(*this, it->second.stmt, true);
  }
  sqlite3_stmt* stmt = nullptr;
  const char* tail = nullptr;
  bool cache = it == cache_.end();
  int rc = sqlite3_prepare_v3(db, key.data(), static_cast<int>(key.size()),
                              cache ? SQLITE_PREPARE_PERSISTENT : 0, &stmt, &tail);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(stmt);
    Fail(rc);
  }
  if (stmt == nullptr) throw JetError("The query text is empty.");
  if (!OnlyBlanksAndSemicolons(tail)) {
    sqlite3_finalize(stmt);
    throw JetError("Characters found after the end of the SQL statement.");
  }
  if (cache) {
    if (cache_.size() >= kMaxCachedStatements) DropIdleStatements();
    cache_[key] = CachedStatement{stmt, true};
    cacheKeyOf_[stmt] = key;
  }
  return std::make_unique<Statement>(*this, stmt, cache);
}

void Connection::Release(sqlite3_stmt* stmt, bool cached) {
  if (!cached || db_ == nullptr) {
    if (!cached) sqlite3_finalize(stmt);
    return;
  }
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  auto key = cacheKeyOf_.find(stmt);
  if (key != cacheKeyOf_.end()) cache_[key->second].inUse = false;
}

void Connection::Exec(const std::string& sql) {
  char* error = nullptr;
  int rc = sqlite3_exec(Handle(), sql.c_str(), nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    std::string message = error ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    throw JetError(message, rc, path_);
  }
}

bool Connection::TableExists(std::string_view name) {
  auto stmt = Prepare("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ? COLLATE NOCASE");
  stmt->Bind(1, Value(name));
  return stmt->Step();
}

std::shared_ptr<const TableInfo> Connection::Table(std::string_view name) {
  std::string lower = runtime::LCase(name);
  auto found = tables_.find(lower);
  if (found != tables_.end()) return found->second;
  // Another connection may have read it from the file as it still is.
  if (fileChanges_ && fileChanges_->tablesGeneration == fileChanges_->generation) {
    auto shared = fileChanges_->tables.find(lower);
    if (shared != fileChanges_->tables.end()) return tables_[lower] = shared->second;
  }

  auto info = std::make_shared<TableInfo>();
  std::string createSql;
  {
    auto stmt =
        Prepare("SELECT name, sql FROM sqlite_schema WHERE type = 'table' AND name = ? COLLATE NOCASE");
    stmt->Bind(1, Value(name));
    if (!stmt->Step()) throw JetError("Cannot find the table '" + std::string(name) + "'.");
    info->name = stmt->Column(0).AsText();
    createSql = runtime::UCase(stmt->Column(1).AsText());
  }
  if (createSql.find("WITHOUT ROWID") != std::string::npos) {
    throw JetError("The table '" + info->name + "' has no row ids and cannot be opened.");
  }
  int pkCount = 0;
  int pkColumn = -1;
  {
    auto stmt = Prepare("SELECT name, type, pk FROM pragma_table_info(?) ORDER BY cid");
    stmt->Bind(1, Value(info->name));
    while (stmt->Step()) {
      FieldInfo field = ParseDeclaredType(stmt->Column(1).AsText());
      field.name = stmt->Column(0).AsText();
      if (stmt->Column(2).AsInt64() > 0) {
        ++pkCount;
        pkColumn = static_cast<int>(info->fields.size());
      }
      std::string lowerField = runtime::LCase(field.name);
      if (lowerField == "rowid" || lowerField == "oid" || lowerField == "_rowid_") {
        // Those names would hide the row id the layer addresses rows by.
        bool alias = runtime::UCase(field.declaredType) == "INTEGER";
        if (!alias) throw JetError("The table '" + info->name + "' has a column named " + field.name + ".");
      }
      info->byLowerName.emplace(lowerField, static_cast<int>(info->fields.size()));
      info->fields.push_back(std::move(field));
    }
  }
  if (info->fields.empty()) throw JetError("Cannot read the fields of the table '" + info->name + "'.");
  if (info->fields.size() > static_cast<std::size_t>(kMaxFields)) {
    throw JetError("The table '" + info->name + "' has " + std::to_string(info->fields.size()) +
                   " fields, more than the " + std::to_string(kMaxFields) + " any table of this program has.");
  }
  if (pkCount == 1 && runtime::UCase(info->fields[pkColumn].declaredType) == "INTEGER") {
    info->fields[pkColumn].autoNumber = true;
    info->fields[pkColumn].type = FieldType::kLong;
    info->autoNumberColumn = pkColumn;
  }
  {
    auto stmt = Prepare("SELECT name, \"unique\", origin FROM pragma_index_list(?) ORDER BY seq DESC");
    stmt->Bind(1, Value(info->name));
    std::vector<IndexInfo> indexes;
    while (stmt->Step()) {
      if (stmt->Column(2).AsText() != "c") continue;
      IndexInfo index;
      index.storedName = stmt->Column(0).AsText();
      index.unique = stmt->Column(1).AsInt64() != 0;
      std::string prefix = info->name + "_";
      index.name =
          runtime::StartsWithNoCase(index.storedName, prefix) && index.storedName.size() > prefix.size()
              ? index.storedName.substr(prefix.size())
              : index.storedName;
      indexes.push_back(std::move(index));
    }
    stmt.reset();
    for (IndexInfo& index : indexes) {
      auto cols = Prepare("SELECT cid FROM pragma_index_info(?) ORDER BY seqno");
      cols->Bind(1, Value(index.storedName));
      bool usable = true;
      while (cols->Step()) {
        int64_t cid = cols->Column(0).AsInt64();
        if (cid == -1 && info->autoNumberColumn >= 0) cid = info->autoNumberColumn;
        if (cid < 0 || cid >= static_cast<int64_t>(info->fields.size())) usable = false;
        index.columns.push_back(static_cast<int>(cid));
      }
      if (usable && !index.columns.empty()) info->indexes.push_back(std::move(index));
    }
  }
  tables_[lower] = info;
  if (fileChanges_) {
    if (fileChanges_->tablesGeneration != fileChanges_->generation) {
      fileChanges_->tables.clear();
      fileChanges_->tablesGeneration = fileChanges_->generation;
    }
    fileChanges_->tables[lower] = info;
  }
  return info;
}

int64_t Connection::ReservedRowId(const std::string& lowerName) const {
  auto it = reservedRowId_.find(lowerName);
  return it == reservedRowId_.end() ? 0 : it->second;
}

uint64_t Connection::TableGeneration(const std::string& lowerName) const {
  auto it = tableGeneration_.find(lowerName);
  uint64_t own = it == tableGeneration_.end() ? 0 : it->second;
  return std::max(own, allGeneration_);
}

void Connection::MarkWritten(const std::string& lowerName) {
  ++writeSerial_;
  tableGeneration_[lowerName] = writeSerial_;
  if (fileChanges_) fileChanges_->generation = NextFileGeneration();
}

void Connection::MarkAllWritten() {
  ++writeSerial_;
  allGeneration_ = writeSerial_;
  if (fileChanges_) fileChanges_->generation = NextFileGeneration();
}

void Connection::DropIdleStatements() {
  for (auto c = cache_.begin(); c != cache_.end();) {
    if (c->second.inUse) {
      ++c;
      continue;
    }
    cacheKeyOf_.erase(c->second.stmt);
    sqlite3_finalize(c->second.stmt);
    c = cache_.erase(c);
  }
}

void Connection::MarkSchemaChanged() {
  tables_.clear();
  // Statements prepared before the change may expand "*" to the old fields.
  DropIdleStatements();
  ++schemaSerial_;
  MarkAllWritten();
}

void Connection::BeginTransaction() {
  if (readOnly_) throw JetError("The database is open read-only.");
  if (transactionDepth_ == 0) {
    Exec("BEGIN IMMEDIATE");
  } else {
    Exec("SAVEPOINT kd_" + std::to_string(transactionDepth_));
  }
  ++transactionDepth_;
}

bool Connection::BeginRead() {
  if (transactionDepth_ != 0 || sqlite3_get_autocommit(Handle()) == 0) return false;
  Exec("BEGIN DEFERRED");
  ++transactionDepth_;
  return true;
}

void Connection::EndRead() {
  if (transactionDepth_ != 1) throw JetError("A read ended inside a transaction.");
  transactionDepth_ = 0;
  // SQLite may have ended it already, after an error.
  if (sqlite3_get_autocommit(Handle()) != 0) return;
  try {
    Exec("COMMIT");
  } catch (const JetError&) {
    // The connection must not stay inside a transaction it no longer counts.
    sqlite3_exec(Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void Connection::CommitTransaction() {
  if (transactionDepth_ == 0) throw JetError("Commit without a transaction.");
  if (sqlite3_get_autocommit(Handle()) != 0) {
    // SQLite already rolled the transaction back after an error.
    transactionDepth_ = 0;
    MarkAllWritten();
    throw JetError("The transaction was rolled back after an earlier error.");
  }
  if (transactionDepth_ == 1) {
    Exec("COMMIT");
  } else {
    Exec("RELEASE kd_" + std::to_string(transactionDepth_ - 1));
  }
  --transactionDepth_;
}

void Connection::RollbackTransaction() {
  if (transactionDepth_ == 0) throw JetError("Rollback without a transaction.");
  if (sqlite3_get_autocommit(Handle()) != 0) {
    transactionDepth_ = 0;
    MarkAllWritten();
    return;
  }
  if (transactionDepth_ == 1) {
    Exec("ROLLBACK");
  } else {
    std::string name = "kd_" + std::to_string(transactionDepth_ - 1);
    Exec("ROLLBACK TO " + name + "; RELEASE " + name);
  }
  --transactionDepth_;
  // Rows held in memory may show what was rolled back.
  MarkAllWritten();
}

}  // namespace jet
