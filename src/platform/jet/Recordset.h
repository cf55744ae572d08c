#pragma once
// A recordset over one SQLite table or query.
//
// Three kinds:
// - Table: every row of one table, in the order of the selected index (or
//   row-id order with none), with Seek "=" on up to all the index's keys.
// - Dynaset: the rows of a SELECT over one table, which may be edited,
//   added to and deleted from.
// - Snapshot: the rows of any SELECT, read-only.
//
// Rows are read into memory once and navigation, Seek and field reads are
// then memory operations; writes go to SQLite at once (inside the caller's
// transaction when one is open) and keep the rows in memory in step. A table
// recordset re-reads its table when another recordset or query wrote to it.
// Field references returned by Field() stay valid until the next call that
// moves, edits or re-reads.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/jet/TableInfo.h"
#include "platform/jet/Value.h"

namespace jet {

class Connection;

class Recordset {
 public:
  enum class Type { kTable = 1, kDynaset = 2, kSnapshot = 4 };
  enum class EditMode { kNone, kEdit, kAdd };

  // Created through Database::OpenTable / OpenDynaset / OpenSnapshot.
  static std::unique_ptr<Recordset> OpenTable(std::shared_ptr<Connection> connection, std::string_view table);
  static std::unique_ptr<Recordset> OpenQuery(std::shared_ptr<Connection> connection, std::string_view sql,
                                              const std::vector<Value>& params, Type type);
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  Type GetType() const { return type_; }
  bool IsOpen() const { return connection_ != nullptr; }
  // Ends the recordset; any pending edit is dropped. Never throws.
  void Close();
  // The table name, or the SQL text of a query.
  const std::string& Source() const { return source_; }

  // Navigation. MoveFirst and MoveLast on an empty recordset leave it at
  // BOF and EOF; MoveNext at EOF and MovePrevious at BOF are errors. Move
  // is relative to the current row and stops at BOF or EOF.
  void MoveFirst();
  void MoveLast();
  void MoveNext();
  void MovePrevious();
  void Move(int64_t rows);
  bool Eof();
  bool Bof();
  // The exact number of rows.
  int32_t RecordCount();

  // Table recordsets: selects an index by its name ("" for row-id order) and
  // moves to the first row in that order. Unknown names are an error.
  void SetIndex(std::string_view index);
  const std::string& Index() const { return indexName_; }
  // Seek "=": the first row (in index order) whose leading index fields
  // equal the keys. On a miss NoMatch() is true and the recordset is at EOF.
  bool Seek(const std::vector<Value>& keys);
  // As Seek, and also the number of consecutive rows with those keys (0 on a miss).
  int32_t SeekCount(const std::vector<Value>& keys);
  bool NoMatch() const { return noMatch_; }

  // Fields, in column order.
  int FieldCount();
  const std::string& FieldName(int ordinal);
  // Ordinal of a field by name (case-insensitive; "table.field" also works
  // for query columns); -1 when there is none.
  int FieldIndex(std::string_view name);
  // The field of the current row, or of the row being edited or added.
  const Value& Field(int ordinal);
  const Value& Field(std::string_view name);
  // The declared type of a table or dynaset field (kVariant for expressions).
  FieldInfo FieldDescription(int ordinal);

  // Editing (table and updatable dynaset recordsets only).
  void Edit();
  // Starts a new row; its row id (the AutoNumber field) is readable at once.
  void AddNew();
  // Sets a field of the row being edited; the value is converted to the
  // field's type and must fit it (JetError otherwise).
  void SetField(int ordinal, const Value& value);
  void SetField(std::string_view name, const Value& value);
  // Writes the edited or new row. After an AddNew the row that was current
  // before stays current; LastModified() is the new row's id.
  void Update();
  void CancelUpdate();
  // Deletes the current row; MoveNext then moves to the row after it.
  void Delete();
  EditMode GetEditMode() const { return mode_; }

  // Row ids: of the current row, and of the last row added or changed.
  int64_t Bookmark();
  void SetBookmark(int64_t rowid);
  int64_t LastModified() const { return lastModified_; }

  // True for dynasets over one table and for table recordsets on a writable file.
  bool Updatable() const;

 private:
  struct Row {
    int64_t rowid = 0;
    std::vector<Value> values;
  };
  struct Order {
    const IndexInfo* index = nullptr;  // nullptr: row-id order (tables) or query order
    std::vector<Row*> rows;
  };

  Recordset(std::shared_ptr<Connection> connection, Type type, std::string source);

  Connection& Conn() const;
  // Takes the table's current description and its field names.
  void AdoptTable(Connection& connection, std::string_view name);
  // Re-reads the rows when they are stale; an allocation failure becomes a JetError.
  void Refresh();
  void Reload(Connection& connection);
  // The source and file, for messages.
  std::string Describe() const;
  void WriteBuffer();
  void LoadTable();
  void LoadQuery(const std::vector<Value>& params);
  void LoadRowsInto(std::unordered_map<int64_t, std::unique_ptr<Row>>& rows, std::vector<Row*>& order);
  Order& BuildOrder(const std::string& key, const IndexInfo* index);
  bool Less(const Order& order, const Row* a, const Row* b) const;
  auto LessIn(const Order& order) const {
    return [this, &order](const Row* a, const Row* b) { return Less(order, a, b); };
  }
  // Every order of a table, and a query's index orders, are kept sorted and
  // searched by halving; a query's own order is the order its rows came in.
  bool Sorted(const Order& order) const { return type_ == Type::kTable || order.index != nullptr; }
  void InsertInto(Order& order, Row* row);
  void EraseFrom(Order& order, Row* row);
  int CompareKeys(const Order& order, const Row* row, const std::vector<Value>& keys) const;
  void InsertIntoOrders(Row* row);
  void EraseFromOrders(Row* row);
  int64_t FindInCurrent(const Row* row) const;
  Row* CurrentRow();
  void Reposition(const Row* row, int64_t fallback);
  void RequireUpdatable() const;
  void StartEdit(EditMode mode);
  const FieldInfo& WritableField(int ordinal) const;
  void MarkOwnWrite();
  int64_t NextRowId();
  std::unique_ptr<Row> ReadBackRow(int64_t rowid);

  std::shared_ptr<Connection> connection_;
  Type type_;
  std::string source_;

  std::vector<std::string> names_;
  std::unordered_map<std::string, int> byLowerName_;

  // The table (table recordsets) or the one base table (updatable dynasets).
  std::shared_ptr<const TableInfo> table_;
  std::string tableLower_;
  std::vector<int> baseColumn_;  // dynasets: result column -> base table column, -1 read-only
  bool updatable_ = false;

  bool loaded_ = false;
  uint64_t generation_ = 0;
  uint64_t seenSerial_ = 0;
  uint64_t schemaSerial_ = 0;

  std::unordered_map<int64_t, std::unique_ptr<Row>> rows_;
  std::unordered_map<std::string, Order> orders_;  // by lower-case index name, "" for the natural order
  Order* current_ = nullptr;
  std::string indexName_;
  int64_t pos_ = 0;
  bool afterDelete_ = false;
  bool noMatch_ = false;

  EditMode mode_ = EditMode::kNone;
  std::vector<Value> buffer_;
  std::vector<bool> dirty_;
  int64_t addRowid_ = 0;
  int64_t lastModified_ = 0;
  int64_t nextQueryRowid_ = 1;
};

}  // namespace jet
