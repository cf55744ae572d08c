#pragma once
// A prepared SQLite statement on loan from the connection's cache. It is
// reset and its bindings cleared when the loan ends, so a cached statement
// never carries a value from one use into the next.

#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/jet/Value.h"

namespace jet {

class Connection;

class Statement {
 public:
  Statement(Connection& connection, sqlite3_stmt* stmt, bool cached);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Parameters are numbered from 1.
  void Bind(int index, const Value& value);
  void BindAll(const std::vector<Value>& params);
  // True while a row is available; throws JetError on failure.
  bool Step();
  // Runs the statement to completion and returns the rows it changed.
  int64_t Run();

  // True when the statement cannot change the database.
  bool ReadOnly() const;
  int ColumnCount() const;
  Value Column(int index) const;
  // The bytes a text or blob column holds (0 for numbers and Null), known
  // before the value is copied.
  int ColumnBytes(int index) const;
  std::string ColumnName(int index) const;
  // The table and column a result column comes from; "" for expressions.
  std::string ColumnTable(int index) const;
  std::string ColumnOrigin(int index) const;

 private:
  Connection& connection_;
  sqlite3_stmt* stmt_;
  bool cached_;
};

}  // namespace jet
