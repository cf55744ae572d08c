#pragma once
// The open SQLite handle shared by a Database and its recordsets: the
// statement cache, the cached table descriptions, and the write counters
// that tell a table cursor when rows it holds in memory have gone stale.

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/jet/Statement.h"
#include "platform/jet/TableInfo.h"

namespace jet {

// What this program knows of one file's changes, shared by all its
// connections to the file: the generation moves on every write any of them
// makes and on every change from elsewhere that one of them notices. What
// was read of the file's structure at a generation holds while it stays.
struct FileChanges {
  uint64_t generation = 0;
  // Table descriptions (by lower-case name) read at tablesGeneration.
  uint64_t tablesGeneration = 0;
  std::unordered_map<std::string, std::shared_ptr<const TableInfo>> tables;
  // The generation at which no table was found too wide.
  uint64_t widthChecked = 0;
};
// A generation no file has had yet (one counter for every file).
uint64_t NextFileGeneration();

class Connection {
 public:
  Connection(sqlite3* db, std::string path, bool readOnly);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool IsOpen() const { return db_ != nullptr; }
  bool ReadOnly() const { return readOnly_; }
  const std::string& Path() const { return path_; }
  sqlite3* Handle() const;  // throws JetError once closed
  void Close();

  // A statement from the cache (prepared on first use). Throws JetError on a
  // syntax error or when the text holds more than one statement.
  std::unique_ptr<Statement> Prepare(std::string_view sql);
  void Release(sqlite3_stmt* stmt, bool cached);
  // Runs SQL without results (pragmas, DDL); throws JetError.
  void Exec(const std::string& sql);
  [[noreturn]] void Fail(int code, const std::string& context = {}) const;

  // The table's description; throws JetError when the table does not exist.
  std::shared_ptr<const TableInfo> Table(std::string_view name);
  bool TableExists(std::string_view name);

  // Write bookkeeping: a serial that moves on every write, and one
  // generation per table (lower-case name) that moves when that table is
  // written. Schema changes and rollbacks move everything.
  uint64_t WriteSerial() const { return writeSerial_; }
  uint64_t TableGeneration(const std::string& lowerName) const;
  uint64_t SchemaSerial() const { return schemaSerial_; }
  void MarkWritten(const std::string& lowerName);
  void MarkAllWritten();
  void MarkSchemaChanged();
  // The file's shared change record, which every write then moves.
  void ShareFileChanges(std::shared_ptr<FileChanges> changes) { fileChanges_ = std::move(changes); }

  // The highest row id handed out by AddNew per table (lower-case name), so
  // that two pending AddNews never get the same id.
  int64_t ReservedRowId(const std::string& lowerName) const;
  void ReserveRowId(const std::string& lowerName, int64_t rowid) { reservedRowId_[lowerName] = rowid; }

  int TransactionDepth() const { return transactionDepth_; }
  void BeginTransaction();
  void CommitTransaction();
  void RollbackTransaction();
  // A read transaction (BEGIN DEFERRED) as the outermost transaction, so
  // that those begun inside it are savepoints. False, and nothing begun,
  // inside a transaction. EndRead commits it (a read gives up its lock).
  bool BeginRead();
  void EndRead();

 private:
  // Finalizes every cached statement no row set is using.
  void DropIdleStatements();
  struct CachedStatement {
    sqlite3_stmt* stmt = nullptr;
    bool inUse = false;
  };

  sqlite3* db_;
  std::string path_;
  bool readOnly_;
  std::unordered_map<std::string, CachedStatement> cache_;
  std::unordered_map<sqlite3_stmt*, std::string> cacheKeyOf_;
  std::unordered_map<std::string, std::shared_ptr<const TableInfo>> tables_;
  std::unordered_map<std::string, uint64_t> tableGeneration_;
  std::unordered_map<std::string, int64_t> reservedRowId_;
  uint64_t writeSerial_ = 1;
  uint64_t allGeneration_ = 1;
  uint64_t schemaSerial_ = 1;
  int transactionDepth_ = 0;
  std::shared_ptr<FileChanges> fileChanges_;
};

}  // namespace jet
