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

// One read lock for the reads of a scope. Outside a transaction SQLite
// takes and gives up its lock, looks for a journal and reads the file's
// header again for every statement; a job that asks hundreds of small
// questions pays for that hundreds of times. The statements of the scope
// see the file as it was at the first of them. For reads only: a write in
// the scope is committed when it ends. Inside a transaction it does nothing.
class ReadScope {
 public:
  explicit ReadScope(Database& database);
  ~ReadScope();
  ReadScope(const ReadScope&) = delete;
  ReadScope& operator=(const ReadScope&) = delete;

 private:
  Database& database_;
  bool active_ = false;
};

}  // namespace jet
