#pragma once
// Access to one projected-stats file over SQLite: table descriptions,
// action queries, recordsets and transactions.
//
// Open never creates a file: a missing path is an error. The file stays in
// rollback-journal mode so that it is always one file that can be copied
// whole; it is opened in defensive mode with untrusted schema, triggers and
// views off, because databases also arrive from the update server. Values go
// into SQL as bound parameters only.
//
// Every failure is raised as a JetError.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/jet/JetError.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/TableInfo.h"
#include "platform/jet/Value.h"

namespace jet {

class Connection;
class Statement;
struct FileChanges;

class Database {
 public:
  enum class Access { kReadWrite, kReadOnly };

  // Opens an existing file. With `verify`, the file's structure is checked
  // first (PRAGMA quick_check), so a damaged file is refused at the door
  // rather than half-way through a job. A file that passed the check, or
  // that a verified connection of this program closed, is not checked again
  // while its identity, size and modification time stay as they were then
  // and no connection committed to it since (PRAGMA data_version of a
  // connection that watches it): only a change from outside the program
  // can have damaged it. A connection that saw another's commit (or a file
  // copied over its own) while it was open does not vouch for the file at
  // its close: the next open checks it.
  static std::unique_ptr<Database> Open(const std::string& path, Access access = Access::kReadWrite,
                                        bool verify = false);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Closes the file (rolling back an open transaction); recordsets still
  // held fail from then on. Never throws.
  void Close();
  bool IsOpen() const;
  const std::string& Path() const { return path_; }
  bool ReadOnly() const;

  // dbOpenTable: every row of one table, with indexes and Seek.
  std::unique_ptr<Recordset> OpenTable(std::string_view table);
  // dbOpenDynaset: an editable SELECT over one table.
  std::unique_ptr<Recordset> OpenDynaset(std::string_view sql, const std::vector<Value>& params = {});
  // dbOpenSnapshot: a read-only SELECT.
  std::unique_ptr<Recordset> OpenSnapshot(std::string_view sql, const std::vector<Value>& params = {});
  // An action query (UPDATE, DELETE, INSERT); returns the rows it changed.
  int64_t Execute(std::string_view sql, const std::vector<Value>& params = {});
  // An action query that writes only `table`: the cursors of other tables
  // keep the rows they hold. The statement stays prepared for the next call.
  int64_t ExecuteOn(std::string_view table, std::string_view sql, const std::vector<Value>& params);
  // Runs a SELECT and hands `row` the statement on each result row as it is
  // read; no rows are kept in memory. The statement stays prepared.
  void ForEachRow(std::string_view sql, const std::vector<Value>& params,
                  const std::function<void(const Statement& row)>& row);

  bool TableExists(std::string_view table);
  // TableDef.Fields and TableDef.Indexes.
  std::vector<FieldInfo> TableFields(std::string_view table);
  std::vector<IndexInfo> TableIndexes(std::string_view table);
  // CreateField(name, dbText, size) + Fields.Append: adds a text field at the
  // end of the table. Existing rows hold Null in it.
  void AppendTextField(std::string_view table, std::string_view field, int32_t size);

  // A number that stays the same for as long as the file's content does, as
  // far as this program can tell: every write through any of its
  // connections to the file moves it, and so does a change from elsewhere
  // found by NoticeOtherWriters or when the file is opened (its size or
  // modification time is not what it was when this program last closed it).
  // Numbers are never reused, also across files.
  uint64_t ChangeGeneration() const;
  // Moves the generation when another connection (of this program or any
  // other) committed to the file since this connection last asked or
  // opened it; true then.
  bool NoticeOtherWriters();

  // Transactions nest: the outermost commits or rolls back the file, inner
  // ones are savepoints.
  void BeginTrans();
  void CommitTrans();
  void Rollback();
  // See ReadScope (Transaction.h).
  bool BeginRead();
  void EndRead();
  int TransactionDepth() const;

 private:
  Database(std::shared_ptr<Connection> connection, std::string path, bool verified);
  Connection& Conn() const;
  // PRAGMA data_version: moves when another connection commits.
  int64_t DataVersion();

  std::shared_ptr<Connection> connection_;
  std::string path_;
  // Opened with the check (passed or known good): its state at close is
  // remembered as checked, unless another connection committed to the file
  // (or it was copied over) while this one had it open.
  bool verified_ = false;
  std::shared_ptr<FileChanges> changes_;
  int64_t dataVersion_ = 0;
  bool othersWrote_ = false;
};

}  // namespace jet
