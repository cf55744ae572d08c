#pragma once
// A transaction for the life of a scope: jobs that write many rows open one
// so that SQLite syncs the file once, not once per row. Unless Commit() is
// called, the destructor rolls back what the scope wrote.

#include "platform/jet/Database.h"

namespace jet {

class Transaction {
 public:
  explicit Transaction(Database& database);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Commit();
  void Rollback();
  bool Active() const { return active_; }

 private:
  Database& database_;
  bool active_ = false;
};

}  // namespace jet
