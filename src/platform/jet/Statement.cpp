#include "platform/jet/Statement.h"

#include <cmath>

#include "platform/jet/Connection.h"
#include "platform/jet/JetError.h"

namespace jet {

Statement::Statement(Connection& connection, sqlite3_stmt* stmt, bool cached)
    : connection_(connection), stmt_(stmt), cached_(cached) {}

Statement::~Statement() { connection_.Release(stmt_, cached_); }

void Statement::Bind(int index, const Value& value) {
  int rc = SQLITE_OK;
  switch (value.GetKind()) {
    case Value::Kind::kNull:
      rc = sqlite3_bind_null(stmt_, index);
      break;
    case Value::Kind::kInteger:
      rc = sqlite3_bind_int64(stmt_, index, value.Integer());
      break;
    case Value::Kind::kReal:
      // SQLite would store a NaN as Null, which a NOT NULL field then
      // refuses with a message naming the constraint, not the value.
      if (std::isnan(value.Real())) throw JetError("A value that is not a number cannot be stored.");
      rc = sqlite3_bind_double(stmt_, index, value.Real());
      break;
    case Value::Kind::kText:
      rc = sqlite3_bind_text64(stmt_, index, value.Text().data(), value.Text().size(), SQLITE_TRANSIENT,
                               SQLITE_UTF8);
      break;
  }
  if (rc != SQLITE_OK) connection_.Fail(rc, "binding a parameter");
}

void Statement::BindAll(const std::vector<Value>& params) {
  if (static_cast<int>(params.size()) != sqlite3_bind_parameter_count(stmt_)) {
    throw JetError("The query expects " + std::to_string(sqlite3_bind_parameter_count(stmt_)) +
                   " parameters but was given " + std::to_string(params.size()) + ".");
  }
  for (std::size_t i = 0; i < params.size(); ++i) Bind(static_cast<int>(i + 1), params[i]);
}

bool Statement::Step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  connection_.Fail(rc);
}

int64_t Statement::Run() {
  while (Step()) {
  }
  return sqlite3_changes64(connection_.Handle());
}

bool Statement::ReadOnly() const { return sqlite3_stmt_readonly(stmt_) != 0; }

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

Value Statement::Column(int index) const {
  switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER:
      return Value(static_cast<long long>(sqlite3_column_int64(stmt_, index)));
    case SQLITE_FLOAT:
      return Value(sqlite3_column_double(stmt_, index));
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
      const char* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
      int n = sqlite3_column_bytes(stmt_, index);
      return Value(std::string(p ? p : "", p ? static_cast<std::size_t>(n) : 0));
    }
    default:
      return Value();
  }
}

int Statement::ColumnBytes(int index) const {
  // Asking a number for its bytes would turn it into text first.
  const int type = sqlite3_column_type(stmt_, index);
  return type == SQLITE_TEXT || type == SQLITE_BLOB ? sqlite3_column_bytes(stmt_, index) : 0;
}

std::string Statement::ColumnName(int index) const {
  const char* n = sqlite3_column_name(stmt_, index);
  return n ? n : "";
}

std::string Statement::ColumnTable(int index) const {
  const char* n = sqlite3_column_table_name(stmt_, index);
  return n ? n : "";
}

std::string Statement::ColumnOrigin(int index) const {
  const char* n = sqlite3_column_origin_name(stmt_, index);
  return n ? n : "";
}

}  // namespace jet
