#include "platform/jet/Recordset.h"

#include <algorithm>
#include <unordered_set>

#include "platform/jet/Connection.h"
#include "platform/jet/JetError.h"
#include "platform/runtime/Text.h"

namespace jet {

namespace {

// Ceilings on what one recordset holds, so that a small hostile file cannot
// make the program allocate without bound: a column's DEFAULT costs the file
// nothing and every row read in memory. A season's largest table holds a
// few tens of thousands of rows and a few MB in memory; the schema's text
// fields hold at most 255 characters.
constexpr std::size_t kMaxRows = 1000000;
constexpr std::size_t kMaxRowSetBytes = 256u * 1024 * 1024;
constexpr int kMaxValueBytes = 64 * 1024;
// A row's own memory beside its values: the row, its slot in the row map
// and in the natural order.
constexpr std::size_t kRowOverhead = 96;
// Text up to this length lives inside its Value.
constexpr int kInlineTextBytes = 15;

// Counts what the rows of one load take, before each row's values are
// copied, and refuses the load once a ceiling is passed.
class RowBudget {
 public:
  RowBudget(const Connection& connection, std::string what) : path_(connection.Path()), what_(std::move(what)) {}

  // The statement's current row, columns first .. columns - 1.
  void Admit(const Statement& stmt, int first, int columns) {
    if (++rows_ > kMaxRows) Refuse("has more than " + std::to_string(kMaxRows) + " rows");
    std::size_t bytes = kRowOverhead + static_cast<std::size_t>(columns - first) * sizeof(Value);
    for (int i = first; i < columns; ++i) {
      const int n = stmt.ColumnBytes(i);
      if (n > kMaxValueBytes) Refuse("holds a value of more than " + std::to_string(kMaxValueBytes / 1024) + " KB");
      if (n > kInlineTextBytes) bytes += static_cast<std::size_t>(n) + 1;
    }
    bytes_ += bytes;
    if (bytes_ > kMaxRowSetBytes) {
      Refuse("needs more than " + std::to_string(kMaxRowSetBytes / (1024 * 1024)) + " MB of memory");
    }
  }

 private:
  [[noreturn]] void Refuse(const std::string& why) const {
    throw JetError(what_ + " of '" + path_ + "' " + why + "; the file is damaged or was not made by this program.");
  }

  std::string path_;
  std::string what_;
  std::size_t rows_ = 0;
  std::size_t bytes_ = 0;
};

[[noreturn]] void NoCurrentRecord() { throw JetError("No current record."); }

std::string_view LeftTrimSql(std::string_view sql) {
  std::size_t i = 0;
  while (i < sql.size() && (sql[i] == ' ' || sql[i] == '\t' || sql[i] == '\r' || sql[i] == '\n')) ++i;
  return sql.substr(i);
}

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// True when the query groups or aggregates rows, or combines queries: its
// rows then stand for no single table row that could be written back.
bool GroupsRows(std::string_view sql) {
  static const char* const kWords[] = {"GROUP",  "HAVING", "DISTINCT",    "UNION", "INTERSECT",
                                       "EXCEPT", "COUNT",  "SUM",         "AVG",   "MIN",
                                       "MAX",    "TOTAL",  "GROUP_CONCAT"};
  std::size_t i = 0;
  while (i < sql.size()) {
    char c = sql[i];
    if (c == '\'' || c == '"' || c == '[' || c == '`') {
      char close = c == '[' ? ']' : c;
      for (++i; i < sql.size() && sql[i] != close; ++i) {
      }
      ++i;
      continue;
    }
    if (!IsWordChar(c)) {
      ++i;
      continue;
    }
    std::size_t start = i;
    while (i < sql.size() && IsWordChar(sql[i])) ++i;
    std::string_view word = sql.substr(start, i - start);
    for (const char* w : kWords) {
      if (runtime::EqualsNoCase(word, w)) return true;
    }
  }
  return false;
}

// "SELECT x ..." -> "SELECT rowid AS kd_rowid, x ...", so that the rows of a
// one-table query can be written back; "" when that cannot work.
std::string WithRowid(std::string_view sql) {
  std::string_view s = LeftTrimSql(sql);
  if (s.size() < 7 || !runtime::StartsWithNoCase(s, "SELECT") || IsWordChar(s[6])) return {};
  if (GroupsRows(s)) return {};
  return "SELECT rowid AS kd_rowid, " + std::string(LeftTrimSql(s.substr(6)));
}

}  // namespace

Recordset::Recordset(std::shared_ptr<Connection> connection, Type type, std::string source)
    : connection_(std::move(connection)), type_(type), source_(std::move(source)) {}

Recordset::~Recordset() { Close(); }

std::unique_ptr<Recordset> Recordset::OpenTable(std::shared_ptr<Connection> connection,
                                                std::string_view table) {
  std::unique_ptr<Recordset> rs(new Recordset(connection, Type::kTable, std::string(table)));
  rs->AdoptTable(*connection, table);
  rs->source_ = rs->table_->name;
  rs->tableLower_ = runtime::LCase(rs->table_->name);
  rs->updatable_ = !connection->ReadOnly();
  return rs;
}

std::unique_ptr<Recordset> Recordset::OpenQuery(std::shared_ptr<Connection> connection, std::string_view sql,
                                                const std::vector<Value>& params, Type type) {
  if (type == Type::kTable) throw JetError("A query cannot open a table recordset.");
  std::unique_ptr<Recordset> rs(new Recordset(std::move(connection), type, std::string(sql)));
  WithMemoryErrors([&] { return rs->Describe(); }, [&] { rs->LoadQuery(params); });
  return rs;
}

void Recordset::Close() {
  connection_.reset();
  rows_.clear();
  orders_.clear();
  current_ = nullptr;
  CancelUpdate();
}

Connection& Recordset::Conn() const {
  if (!connection_) throw JetError("Object invalid or no longer set.");
  if (!connection_->IsOpen()) throw JetError("The database has been closed.");
  return *connection_;
}

bool Recordset::Updatable() const { return updatable_ && type_ != Type::kSnapshot; }

// ---------------------------------------------------------------- loading

void Recordset::AdoptTable(Connection& connection, std::string_view name) {
  table_ = connection.Table(name);
  schemaSerial_ = connection.SchemaSerial();
  names_.clear();
  for (const FieldInfo& f : table_->fields) names_.push_back(f.name);
  byLowerName_ = table_->byLowerName;
}

void Recordset::LoadRowsInto(std::unordered_map<int64_t, std::unique_ptr<Row>>& rows,
                             std::vector<Row*>& order) {
  Connection& c = Conn();
  auto stmt = c.Prepare("SELECT rowid, * FROM " + QuoteIdentifier(table_->name) + " ORDER BY rowid");
  int columns = static_cast<int>(table_->fields.size()) + 1;
  RowBudget budget(c, "The table '" + table_->name + "'");
  while (stmt->Step()) {
    if (stmt->ColumnCount() != columns) throw JetError("The fields of '" + table_->name + "' changed.");
    budget.Admit(*stmt, 1, columns);
    auto row = std::make_unique<Row>();
    row->rowid = stmt->Column(0).AsInt64();
    row->values.reserve(static_cast<std::size_t>(columns - 1));
    for (int i = 1; i < columns; ++i) row->values.push_back(stmt->Column(i));
    order.push_back(row.get());
    rows[row->rowid] = std::move(row);
  }
}

void Recordset::LoadTable() {
  Connection& c = Conn();
  if (c.SchemaSerial() != schemaSerial_) {
    AdoptTable(c, table_->name);
    CancelUpdate();
  }
  bool hadRow = loaded_ && current_ && pos_ >= 0 && pos_ < static_cast<int64_t>(current_->rows.size());
  int64_t rowid = hadRow ? current_->rows[static_cast<std::size_t>(pos_)]->rowid : 0;
  int64_t oldPos = pos_;

  std::unordered_map<int64_t, std::unique_ptr<Row>> rows;
  std::vector<Row*> natural;
  LoadRowsInto(rows, natural);
  rows_ = std::move(rows);
  orders_.clear();
  orders_[""] = Order{nullptr, std::move(natural)};
  const IndexInfo* index = indexName_.empty() ? nullptr : table_->FindIndex(indexName_);
  if (!index) indexName_.clear();
  current_ = &BuildOrder(runtime::LCase(indexName_), index);
  loaded_ = true;
  generation_ = c.TableGeneration(tableLower_);
  seenSerial_ = c.WriteSerial();

  auto found = hadRow ? rows_.find(rowid) : rows_.end();
  if (found != rows_.end()) {
    Reposition(found->second.get(), oldPos);
  } else {
    pos_ = std::clamp<int64_t>(oldPos, -1, static_cast<int64_t>(current_->rows.size()));
  }
}

void Recordset::LoadQuery(const std::vector<Value>& params) {
  Connection& c = Conn();
  std::unique_ptr<Statement> stmt;
  bool injected = false;
  if (type_ == Type::kDynaset) {
    std::string withRowid = WithRowid(source_);
    if (!withRowid.empty()) {
      try {
        stmt = c.Prepare(withRowid);
        injected = true;
      } catch (const JetError&) {
        stmt.reset();  // not a one-table query: the rows stay read-only
      }
    }
  }
  if (!stmt) stmt = c.Prepare(source_);
  if (!stmt->ReadOnly() || stmt->ColumnCount() == 0) {
    throw JetError("Only a SELECT query can open a recordset.");
  }
  stmt->BindAll(params);

  int first = injected ? 1 : 0;
  int columns = stmt->ColumnCount();
  for (int i = first; i < columns; ++i) {
    std::string name = stmt->ColumnName(i);
    int ordinal = static_cast<int>(names_.size());
    byLowerName_.emplace(runtime::LCase(name), ordinal);
    std::string table = stmt->ColumnTable(i);
    if (!table.empty()) byLowerName_.emplace(runtime::LCase(table + "." + name), ordinal);
    names_.push_back(std::move(name));
  }

  std::string baseTable = injected ? stmt->ColumnTable(0) : std::string();
  if (!baseTable.empty()) {
    bool oneTable = true;
    for (int i = first; i < columns; ++i) {
      std::string t = stmt->ColumnTable(i);
      if (!t.empty() && !runtime::EqualsNoCase(t, baseTable)) oneTable = false;
    }
    if (oneTable) {
      table_ = c.Table(baseTable);
      tableLower_ = runtime::LCase(table_->name);
      for (int i = first; i < columns; ++i) {
        bool fromBase = runtime::EqualsNoCase(stmt->ColumnTable(i), baseTable);
        int col = fromBase ? table_->FieldIndex(stmt->ColumnOrigin(i)) : -1;
        baseColumn_.push_back(col);
      }
      updatable_ = !c.ReadOnly();
    }
  }

  std::vector<std::unique_ptr<Row>> loaded;
  std::unordered_set<int64_t> seen;
  RowBudget budget(c, "The query '" + source_ + "'");
  while (stmt->Step()) {
    budget.Admit(*stmt, first, columns);
    auto row = std::make_unique<Row>();
    if (injected) {
      Value id = stmt->Column(0);
      // Grouped or aggregated rows have no single row id to write back to.
      if (id.IsNull() || !seen.insert(id.AsInt64()).second) updatable_ = false;
      row->rowid = id.AsInt64();
    }
    row->values.reserve(static_cast<std::size_t>(columns - first));
    for (int i = first; i < columns; ++i) row->values.push_back(stmt->Column(i));
    loaded.push_back(std::move(row));
  }
  if (!updatable_) {
    table_.reset();
    baseColumn_.clear();
  }
  Order order;
  for (auto& row : loaded) {
    if (!updatable_) row->rowid = nextQueryRowid_++;
    order.rows.push_back(row.get());
    rows_[row->rowid] = std::move(row);
  }
  orders_[""] = std::move(order);
  current_ = &orders_[""];
  pos_ = 0;
  loaded_ = true;
  seenSerial_ = c.WriteSerial();
}

std::string Recordset::Describe() const {
  return "'" + source_ + "' of '" + (connection_ ? connection_->Path() : std::string()) + "'";
}

void Recordset::Refresh() {
  Connection& c = Conn();
  if (loaded_ && c.WriteSerial() == seenSerial_) return;
  WithMemoryErrors([this] { return Describe(); }, [&] { Reload(c); });
}

void Recordset::Reload(Connection& c) {
  if (type_ != Type::kTable) {
    seenSerial_ = c.WriteSerial();
    return;
  }
  if (!loaded_ || c.SchemaSerial() != schemaSerial_ || c.TableGeneration(tableLower_) != generation_) {
    LoadTable();
  } else {
    seenSerial_ = c.WriteSerial();
  }
}

// ---------------------------------------------------------------- orders

bool Recordset::Less(const Order& order, const Row* a, const Row* b) const {
  if (order.index) {
    for (int col : order.index->columns) {
      int cmp =
          CompareForIndex(a->values[static_cast<std::size_t>(col)], b->values[static_cast<std::size_t>(col)]);
      if (cmp != 0) return cmp < 0;
    }
  }
  return a->rowid < b->rowid;
}

int Recordset::CompareKeys(const Order& order, const Row* row, const std::vector<Value>& keys) const {
  for (std::size_t i = 0; i < keys.size(); ++i) {
    int col = order.index->columns[i];
    int cmp = CompareForIndex(row->values[static_cast<std::size_t>(col)], keys[i]);
    if (cmp != 0) return cmp;
  }
  return 0;
}

Recordset::Order& Recordset::BuildOrder(const std::string& key, const IndexInfo* index) {
  auto it = orders_.find(key);
  if (it != orders_.end()) return it->second;
  Order order{index, orders_[""].rows};
  if (index) {
    std::sort(order.rows.begin(), order.rows.end(), LessIn(order));
  }
  return orders_[key] = std::move(order);
}

void Recordset::InsertInto(Order& order, Row* row) {
  if (!Sorted(order)) {
    order.rows.push_back(row);
    return;
  }
  order.rows.insert(std::upper_bound(order.rows.begin(), order.rows.end(), row, LessIn(order)), row);
}

void Recordset::EraseFrom(Order& order, Row* row) {
  auto at = order.rows.end();
  if (Sorted(order)) {
    at = std::lower_bound(order.rows.begin(), order.rows.end(), row, LessIn(order));
    if (at != order.rows.end() && *at != row) at = order.rows.end();
  }
  if (at == order.rows.end()) at = std::find(order.rows.begin(), order.rows.end(), row);
  if (at != order.rows.end()) order.rows.erase(at);
}

void Recordset::InsertIntoOrders(Row* row) {
  for (auto& [key, order] : orders_) InsertInto(order, row);
}

void Recordset::EraseFromOrders(Row* row) {
  for (auto& [key, order] : orders_) EraseFrom(order, row);
}

int64_t Recordset::FindInCurrent(const Row* row) const {
  const std::vector<Row*>& rows = current_->rows;
  if (Sorted(*current_)) {
    auto at = std::lower_bound(rows.begin(), rows.end(), row, LessIn(*current_));
    if (at != rows.end() && *at == row) return at - rows.begin();
  }
  auto at = std::find(rows.begin(), rows.end(), row);
  return at == rows.end() ? -1 : at - rows.begin();
}

void Recordset::Reposition(const Row* row, int64_t fallback) {
  int64_t p = FindInCurrent(row);
  pos_ = p >= 0 ? p : std::clamp<int64_t>(fallback, -1, static_cast<int64_t>(current_->rows.size()));
}

Recordset::Row* Recordset::CurrentRow() {
  Refresh();
  if (afterDelete_) throw JetError("Record is deleted.");
  if (pos_ < 0 || pos_ >= static_cast<int64_t>(current_->rows.size())) NoCurrentRecord();
  return current_->rows[static_cast<std::size_t>(pos_)];
}

// ---------------------------------------------------------------- navigation

void Recordset::MoveFirst() {
  Refresh();
  CancelUpdate();
  afterDelete_ = false;
  pos_ = 0;
}

void Recordset::MoveLast() {
  Refresh();
  CancelUpdate();
  afterDelete_ = false;
  pos_ = static_cast<int64_t>(current_->rows.size()) - 1;
}

void Recordset::MoveNext() {
  Refresh();
  CancelUpdate();
  if (afterDelete_) {
    afterDelete_ = false;  // the row after the deleted one already stands at pos_
    return;
  }
  if (current_->rows.empty() || pos_ >= static_cast<int64_t>(current_->rows.size())) NoCurrentRecord();
  ++pos_;
}

void Recordset::MovePrevious() {
  Refresh();
  CancelUpdate();
  if (afterDelete_) {
    afterDelete_ = false;
    --pos_;
    return;
  }
  if (current_->rows.empty() || pos_ < 0) NoCurrentRecord();
  --pos_;
}

void Recordset::Move(int64_t rows) {
  Refresh();
  CancelUpdate();
  int64_t base = pos_;
  if (afterDelete_ && rows > 0) base = pos_ - 1;
  afterDelete_ = false;
  int64_t size = static_cast<int64_t>(current_->rows.size());
  int64_t target = base + rows;
  pos_ = std::clamp<int64_t>(target, -1, size);
}

bool Recordset::Eof() {
  Refresh();
  return current_->rows.empty() || pos_ >= static_cast<int64_t>(current_->rows.size());
}

bool Recordset::Bof() {
  Refresh();
  return current_->rows.empty() || pos_ < 0;
}

int32_t Recordset::RecordCount() {
  Refresh();
  return static_cast<int32_t>(current_->rows.size());
}

void Recordset::SetIndex(std::string_view index) {
  if (type_ != Type::kTable) throw JetError("Operation is not supported for this type of object.");
  if (!loaded_) {
    // The rows are read, in this order, when they are first needed.
    Conn();
    const IndexInfo* info = index.empty() ? nullptr : table_->FindIndex(index);
    if (!index.empty() && !info) throw JetError("'" + std::string(index) + "' isn't an index in this table.");
    indexName_ = info ? info->name : std::string();
    pos_ = 0;
    return;
  }
  Refresh();
  CancelUpdate();
  if (index.empty()) {
    current_ = &orders_[""];
    indexName_.clear();
  } else {
    const IndexInfo* info = table_->FindIndex(index);
    if (!info) throw JetError("'" + std::string(index) + "' isn't an index in this table.");
    current_ = WithMemoryErrors([this] { return Describe(); },
                                [&] { return &BuildOrder(runtime::LCase(info->name), info); });
    indexName_ = info->name;
  }
  afterDelete_ = false;
  pos_ = 0;
}

bool Recordset::Seek(const std::vector<Value>& keys) { return SeekCount(keys) > 0; }

int32_t Recordset::SeekCount(const std::vector<Value>& keys) {
  if (type_ != Type::kTable) throw JetError("Operation is not supported for this type of object.");
  Refresh();
  CancelUpdate();
  if (!current_->index) throw JetError("Operation invalid without a current index.");
  if (keys.empty() || keys.size() > current_->index->columns.size()) {
    throw JetError("Seek needs 1 to " + std::to_string(current_->index->columns.size()) + " key values.");
  }
  afterDelete_ = false;
  const std::vector<Row*>& rows = current_->rows;
  auto first = std::lower_bound(
      rows.begin(), rows.end(), keys,
      [this](const Row* row, const std::vector<Value>& k) { return CompareKeys(*current_, row, k) < 0; });
  auto last = first;
  while (last != rows.end() && CompareKeys(*current_, *last, keys) == 0) ++last;
  noMatch_ = first == last;
  pos_ = noMatch_ ? static_cast<int64_t>(rows.size()) : first - rows.begin();
  return static_cast<int32_t>(last - first);
}

// ---------------------------------------------------------------- fields

int Recordset::FieldCount() {
  if (type_ == Type::kTable) Refresh();
  return static_cast<int>(names_.size());
}

const std::string& Recordset::FieldName(int ordinal) {
  if (type_ == Type::kTable) Refresh();
  if (ordinal < 0 || ordinal >= FieldCount()) throw JetError("Item not found in this collection.");
  return names_[static_cast<std::size_t>(ordinal)];
}

int Recordset::FieldIndex(std::string_view name) {
  if (type_ == Type::kTable) Refresh();
  auto it = byLowerName_.find(runtime::LCase(name));
  return it == byLowerName_.end() ? -1 : it->second;
}

const Value& Recordset::Field(int ordinal) {
  if (ordinal < 0 || ordinal >= FieldCount()) throw JetError("Item not found in this collection.");
  if (mode_ != EditMode::kNone) return buffer_[static_cast<std::size_t>(ordinal)];
  return CurrentRow()->values[static_cast<std::size_t>(ordinal)];
}

const Value& Recordset::Field(std::string_view name) {
  int ordinal = FieldIndex(name);
  if (ordinal < 0) throw JetError("Item not found in this collection: '" + std::string(name) + "'.");
  return Field(ordinal);
}

FieldInfo Recordset::FieldDescription(int ordinal) {
  if (type_ == Type::kTable) Refresh();
  if (ordinal < 0 || ordinal >= FieldCount()) throw JetError("Item not found in this collection.");
  if (type_ == Type::kTable) return table_->fields[static_cast<std::size_t>(ordinal)];
  if (table_ && baseColumn_[static_cast<std::size_t>(ordinal)] >= 0) {
    FieldInfo info = table_->fields[static_cast<std::size_t>(baseColumn_[static_cast<std::size_t>(ordinal)])];
    info.name = names_[static_cast<std::size_t>(ordinal)];
    return info;
  }
  FieldInfo info;
  info.name = names_[static_cast<std::size_t>(ordinal)];
  return info;
}

// ---------------------------------------------------------------- editing

void Recordset::RequireUpdatable() const {
  if (!Updatable()) throw JetError("Database or object is read-only.");
}

void Recordset::Edit() {
  RequireUpdatable();
  Row* row = CurrentRow();
  mode_ = EditMode::kEdit;
  buffer_ = row->values;
  dirty_.assign(buffer_.size(), false);
  addRowid_ = row->rowid;
}

int64_t Recordset::NextRowId() {
  Connection& c = Conn();
  auto stmt = c.Prepare("SELECT max(rowid) FROM " + QuoteIdentifier(table_->name));
  int64_t top = stmt->Step() ? stmt->Column(0).AsInt64() : 0;
  stmt.reset();
  // Another recordset may have handed out ids it has not written yet.
  top = std::max(top, c.ReservedRowId(tableLower_));
  if (top == INT64_MAX) throw JetError("The table '" + table_->name + "' has no free row id.");
  c.ReserveRowId(tableLower_, top + 1);
  return top + 1;
}

void Recordset::AddNew() {
  RequireUpdatable();
  Refresh();
  CancelUpdate();
  buffer_.assign(names_.size(), Value());
  dirty_.assign(names_.size(), false);
  addRowid_ = 0;
  if (table_->autoNumberColumn >= 0) {
    addRowid_ = NextRowId();
    for (std::size_t i = 0; i < names_.size(); ++i) {
      int col = type_ == Type::kTable ? static_cast<int>(i) : baseColumn_[i];
      if (col == table_->autoNumberColumn) buffer_[i] = Value(static_cast<long long>(addRowid_));
    }
  }
  mode_ = EditMode::kAdd;
}

const FieldInfo& Recordset::WritableField(int ordinal) const {
  if (type_ == Type::kTable) return table_->fields[static_cast<std::size_t>(ordinal)];
  int col = baseColumn_[static_cast<std::size_t>(ordinal)];
  if (col < 0) throw JetError("Field '" + names_[static_cast<std::size_t>(ordinal)] + "' cannot be updated.");
  return table_->fields[static_cast<std::size_t>(col)];
}

void Recordset::SetField(int ordinal, const Value& value) {
  if (mode_ == EditMode::kNone) throw JetError("Update or CancelUpdate without AddNew or Edit.");
  if (ordinal < 0 || ordinal >= FieldCount()) throw JetError("Item not found in this collection.");
  buffer_[static_cast<std::size_t>(ordinal)] = CoerceToField(WritableField(ordinal), value);
  dirty_[static_cast<std::size_t>(ordinal)] = true;
}

void Recordset::SetField(std::string_view name, const Value& value) {
  int ordinal = FieldIndex(name);
  if (ordinal < 0) throw JetError("Item not found in this collection: '" + std::string(name) + "'.");
  SetField(ordinal, value);
}

void Recordset::CancelUpdate() {
  if (mode_ == EditMode::kNone) return;
  mode_ = EditMode::kNone;
  buffer_.clear();
  dirty_.clear();
}

void Recordset::MarkOwnWrite() {
  Connection& c = Conn();
  // Rows that were already stale before this write must still be re-read.
  bool fresh = type_ != Type::kTable || (loaded_ && generation_ == c.TableGeneration(tableLower_));
  c.MarkWritten(tableLower_);
  if (!fresh) return;
  if (type_ == Type::kTable) generation_ = c.TableGeneration(tableLower_);
  seenSerial_ = c.WriteSerial();
}

std::unique_ptr<Recordset::Row> Recordset::ReadBackRow(int64_t rowid) {
  auto stmt = Conn().Prepare("SELECT rowid, * FROM " + QuoteIdentifier(table_->name) + " WHERE rowid = ?");
  stmt->Bind(1, Value(static_cast<long long>(rowid)));
  auto row = std::make_unique<Row>();
  row->rowid = rowid;
  if (!stmt->Step()) throw JetError("The new row of '" + table_->name + "' cannot be read back.");
  std::vector<Value> base;
  for (int i = 1; i < stmt->ColumnCount(); ++i) base.push_back(stmt->Column(i));
  if (type_ == Type::kTable) {
    row->values = std::move(base);
  } else {
    for (int col : baseColumn_)
      row->values.push_back(col >= 0 ? base[static_cast<std::size_t>(col)] : Value());
  }
  return row;
}

void Recordset::Update() {
  WithMemoryErrors([this] { return Describe(); }, [this] { WriteBuffer(); });
}

void Recordset::WriteBuffer() {
  if (mode_ == EditMode::kNone) throw JetError("Update or CancelUpdate without AddNew or Edit.");
  Connection& c = Conn();
  std::vector<int> columns;  // base table columns written
  std::vector<Value> values;
  for (std::size_t i = 0; i < buffer_.size(); ++i) {
    if (!dirty_[i]) continue;
    columns.push_back(type_ == Type::kTable ? static_cast<int>(i) : baseColumn_[i]);
    values.push_back(buffer_[i]);
  }
  const std::string table = QuoteIdentifier(table_->name);

  if (mode_ == EditMode::kEdit) {
    if (!columns.empty()) {
      std::string sql = "UPDATE " + table + " SET ";
      for (std::size_t k = 0; k < columns.size(); ++k) {
        if (k) sql += ", ";
        sql += QuoteIdentifier(table_->fields[static_cast<std::size_t>(columns[k])].name) + " = ?";
      }
      sql += " WHERE rowid = ?";
      auto stmt = c.Prepare(sql);
      for (std::size_t k = 0; k < values.size(); ++k) stmt->Bind(static_cast<int>(k + 1), values[k]);
      stmt->Bind(static_cast<int>(values.size() + 1), Value(static_cast<long long>(addRowid_)));
      if (stmt->Run() == 0) throw JetError("Record is deleted.");

      auto found = rows_.find(addRowid_);
      if (found != rows_.end()) {
        Row* row = found->second.get();
        // Orders keyed on a written field (index orders: tables only) must be
        // re-sorted around the row.
        std::vector<Order*> moved;
        for (auto& [key, order] : orders_) {
          if (!order.index) continue;
          for (int col : order.index->columns) {
            if (std::find(columns.begin(), columns.end(), col) != columns.end()) {
              moved.push_back(&order);
              break;
            }
          }
        }
        for (Order* order : moved) EraseFrom(*order, row);
        for (std::size_t i = 0; i < buffer_.size(); ++i) {
          if (dirty_[i]) row->values[i] = buffer_[i];
        }
        for (Order* order : moved) InsertInto(*order, row);
        if (type_ == Type::kTable) Reposition(row, pos_);
      }
      MarkOwnWrite();
    }
    lastModified_ = addRowid_;
  } else {
    if (table_->autoNumberColumn >= 0 && addRowid_ > 0 &&
        std::find(columns.begin(), columns.end(), table_->autoNumberColumn) == columns.end()) {
      columns.insert(columns.begin(), table_->autoNumberColumn);
      values.insert(values.begin(), Value(static_cast<long long>(addRowid_)));
    }
    std::string sql;
    if (columns.empty()) {
      sql = "INSERT INTO " + table + " DEFAULT VALUES";
    } else {
      sql = "INSERT INTO " + table + " (";
      std::string marks;
      for (std::size_t k = 0; k < columns.size(); ++k) {
        if (k) {
          sql += ", ";
          marks += ", ";
        }
        sql += QuoteIdentifier(table_->fields[static_cast<std::size_t>(columns[k])].name);
        marks += "?";
      }
      sql += ") VALUES (" + marks + ")";
    }
    auto stmt = c.Prepare(sql);
    for (std::size_t k = 0; k < values.size(); ++k) stmt->Bind(static_cast<int>(k + 1), values[k]);
    stmt->Run();
    stmt.reset();
    int64_t rowid = sqlite3_last_insert_rowid(c.Handle());

    int64_t oldSize = static_cast<int64_t>(current_->rows.size());
    int64_t oldPos = pos_;
    Row* keep = (pos_ >= 0 && pos_ < oldSize) ? current_->rows[static_cast<std::size_t>(pos_)] : nullptr;
    std::unique_ptr<Row> row = ReadBackRow(rowid);
    Row* added = row.get();
    rows_[rowid] = std::move(row);
    InsertIntoOrders(added);
    if (keep) {
      Reposition(keep, oldPos);
    } else if (oldPos >= oldSize) {
      pos_ = static_cast<int64_t>(current_->rows.size());
    }
    lastModified_ = rowid;
    MarkOwnWrite();
  }
  CancelUpdate();
}

void Recordset::Delete() {
  RequireUpdatable();
  Row* row = CurrentRow();
  CancelUpdate();
  auto stmt = Conn().Prepare("DELETE FROM " + QuoteIdentifier(table_->name) + " WHERE rowid = ?");
  stmt->Bind(1, Value(static_cast<long long>(row->rowid)));
  stmt->Run();
  stmt.reset();
  int64_t at = pos_;
  int64_t rowid = row->rowid;
  EraseFromOrders(row);
  rows_.erase(rowid);
  pos_ = at;
  afterDelete_ = true;
  MarkOwnWrite();
}

int64_t Recordset::Bookmark() { return CurrentRow()->rowid; }

void Recordset::SetBookmark(int64_t rowid) {
  Refresh();
  CancelUpdate();
  auto found = rows_.find(rowid);
  if (found == rows_.end()) throw JetError("Not a valid bookmark.");
  afterDelete_ = false;
  Reposition(found->second.get(), pos_);
}

}  // namespace jet
