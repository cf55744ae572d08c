#include "platform/jet/Transaction.h"

#include "platform/jet/JetError.h"

namespace jet {

Transaction::Transaction(Database& database) : database_(database) {
  database_.BeginTrans();
  active_ = true;
}

Transaction::~Transaction() {
  if (!active_) return;
  try {
    database_.Rollback();
  } catch (const JetError&) {
    // Nothing more can be done from a destructor; the file keeps its last commit.
  }
}

void Transaction::Commit() {
  if (!active_) throw JetError("The transaction has already ended.");
  active_ = false;
  database_.CommitTrans();
}

void Transaction::Rollback() {
  if (!active_) throw JetError("The transaction has already ended.");
  active_ = false;
  database_.Rollback();
}

ReadScope::ReadScope(Database& database) : database_(database) { active_ = database_.BeginRead(); }

ReadScope::~ReadScope() {
  if (!active_) return;
  try {
    database_.EndRead();
  } catch (const JetError&) {
    // A read lock that cannot be given up now goes with the connection.
  }
}

}  // namespace jet
