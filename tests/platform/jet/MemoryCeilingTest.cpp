// A small file can claim a great deal of memory: a column's DEFAULT costs
// the file nothing and every row read. These pin the ceilings that keep
// such a file a database error, named, instead of gigabytes or a crash.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"

using jet::Database;
using jet::JetError;

namespace {

// Allocations of at least this many bytes fail while it is below SIZE_MAX.
std::atomic<std::size_t> failFrom{SIZE_MAX};

void* Allocate(std::size_t n) {
  if (n >= failFrom.load(std::memory_order_relaxed)) throw std::bad_alloc();
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}

// A table of `rows` rows, each with a `defaultBytes`-byte text that only
// its DEFAULT holds: the file stays a few KB.
std::string TableWithDefault(const kdtest::TempDir& dir, int rows, int defaultBytes) {
  const std::string path = dir.File("hostile.pro");
  kdtest::WriteFile(path, "");
  kdtest::ExecuteSql(path, "CREATE TABLE t (ID INTEGER PRIMARY KEY, n LONG);"
                           "WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i < " +
                               std::to_string(rows) + ") INSERT INTO t (n) SELECT i FROM c;"
                           "ALTER TABLE t ADD COLUMN big TEXT DEFAULT '" + std::string(defaultBytes, 'x') + "';");
  return path;
}

std::string ErrorOf(const std::function<void()>& work) {
  try {
    work();
  } catch (const JetError& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

// 1,000 rows with a 1 MB default took 965 MB; 5,000 rows of 60 KB would take
// 300 MB. Both are refused before the rows are copied.
TEST(JetMemoryCeiling, RowSetBeyondItsByteBudgetIsRefusedNamingTheFile) {
  kdtest::TempDir dir;
  const std::string path = TableWithDefault(dir, 5000, 60000);
  auto db = Database::Open(path);
  auto table = db->OpenTable("t");
  const std::string error = ErrorOf([&] { table->RecordCount(); });
  EXPECT_NE(error.find("The table 't' of '" + path + "' needs more than 256 MB"), std::string::npos) << error;
  EXPECT_NE(ErrorOf([&] { db->OpenSnapshot("SELECT * FROM t"); }).find("256 MB"), std::string::npos);
  // What the file holds itself still reads.
  EXPECT_EQ(db->OpenSnapshot("SELECT n FROM t")->RecordCount(), 5000);
}

TEST(JetMemoryCeiling, ValueLongerThanAnyFieldHoldsIsRefused) {
  kdtest::TempDir dir;
  const std::string path = TableWithDefault(dir, 1, 70000);
  auto db = Database::Open(path);
  EXPECT_NE(ErrorOf([&] { db->OpenTable("t")->MoveFirst(); }).find("holds a value of more than 64 KB"),
            std::string::npos);
}

// A file with about 2,000 fields added to a table took 15 GB once read.
TEST(JetMemoryCeiling, TableWithFarMoreFieldsThanTheProgramsIsRefusedAtOpen) {
  kdtest::TempDir dir;
  const std::string path = kdtest::MakeTemplateDatabase(dir);
  std::string sql;
  for (int i = 0; i < 300; ++i) sql += "ALTER TABLE tblPlayers ADD COLUMN x" + std::to_string(i) + " TEXT DEFAULT 'x';";
  kdtest::ExecuteSql(path, sql);
  const std::string bytes = kdtest::ReadFile(path);
  const std::string error = ErrorOf([&] { Database::Open(path); });
  EXPECT_EQ(error.rfind("Cannot open '" + path + "': The table 'tblPlayers' has 306 fields", 0), 0u) << error;
  EXPECT_EQ(kdtest::ReadFile(path), bytes);
}

// An 8 MB default made std::bad_alloc escape RecordCount.
TEST(JetMemoryCeiling, AllocationFailureWhileReadingRowsIsADatabaseError) {
  kdtest::TempDir dir;
  const std::string path = TableWithDefault(dir, 2000, 20);
  auto db = Database::Open(path);
  auto table = db->OpenTable("t");
  failFrom = 4096;
  const std::string error = ErrorOf([&] { table->RecordCount(); });
  failFrom = SIZE_MAX;
  EXPECT_EQ(error, "Not enough memory to read 't' of '" + path + "'.");
  // Nothing else happened: the rows read once there is memory.
  EXPECT_EQ(table->RecordCount(), 2000);
}
