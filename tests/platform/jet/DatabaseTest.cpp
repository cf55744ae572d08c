#include <gtest/gtest.h>

#include <filesystem>

#include "DatabaseFixtures.h"
#include "HostileFiles.h"
#include "TempDir.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "platform/jet/Transaction.h"

namespace fs = std::filesystem;
using jet::Database;
using jet::JetError;
using jet::Value;

TEST(JetDatabase, MissingForeignAndTruncatedFilesAreRefusedAndLeftAsTheyWere) {
  kdtest::TempDir dir;
  const std::string missing = dir.File("missing.pro");
  EXPECT_THROW(Database::Open(missing), JetError);
  EXPECT_THROW(Database::Open(missing, Database::Access::kReadOnly), JetError);
  EXPECT_TRUE(fs::is_empty(dir.Path()));

  const std::string notes = dir.File("notes.pro");
  const std::string text = "This is a text file, not a projected-stats database.\n";
  kdtest::WriteFile(notes, text);
  EXPECT_THROW(Database::Open(notes), JetError);
  EXPECT_EQ(kdtest::ReadFile(notes), text);

  const std::string path = kdtest::MakeTemplateDatabase(dir);
  const std::string bytes = kdtest::ReadFile(path);
  ASSERT_GT(bytes.size(), 8192u);
  kdtest::WriteFile(path, bytes.substr(0, bytes.size() / 2));
  EXPECT_THROW(Database::Open(path, Database::Access::kReadWrite, true), JetError);
}

// A FIFO opened for reading waits for a writer, and a device never ends:
// what is not a regular file is refused before it is opened.
TEST(JetDatabase, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
  kdtest::TempDir dir;
  for (const kdtest::HostileDocument& kind : kdtest::NotAFileDocuments()) {
    SCOPED_TRACE(kind.name);
    const std::string path = dir.File(std::string(kind.name) + ".pro");
    kind.make(path, "");
    const kdtest::PathSnapshot before = kdtest::Snapshot(path);
    EXPECT_THROW(Database::Open(path, Database::Access::kReadOnly), JetError);
    EXPECT_THROW(Database::Open(path), JetError);
    EXPECT_EQ(kdtest::Snapshot(path), before);
  }
}

// A sound file is not checked again on every open, but damage done to it
// from outside, after the program last wrote it, is still refused.
TEST(JetDatabase, AFileDamagedAfterItsLastCheckedOpenIsRefused) {
  kdtest::TempDir dir;
  const std::string path = kdtest::MakeTemplateDatabase(dir);
  for (int pass = 0; pass < 2; ++pass) {
    auto db = Database::Open(path, Database::Access::kReadWrite, true);
    db->Execute("UPDATE tblSettings SET MasterVersion = ?", {Value(pass)});
  }
  std::string bytes = kdtest::ReadFile(path);
  ASSERT_GT(bytes.size(), 3 * 4096u);
  bytes.replace(2 * 4096, 64, std::string(64, '\xff'));
  kdtest::WriteFile(path, bytes);
  EXPECT_THROW(Database::Open(path, Database::Access::kReadWrite, true), JetError);
}

// A file's modification time moves in steps of the clock's tick: another
// program's change and damage right after the program's last checked open,
// leaving the size and the modification time as they read then, is still
// checked and refused; also when many files opened since let go of the
// connection that watched it (a new one counts its versions afresh), and
// when the change was made while the program had the file open (its close
// took the changed file for its own work).
TEST(JetDatabase, AFileChangedWithoutANewStampIsCheckedAgain) {
  const struct {
    int othersOpened;
    bool whileOpen;
  } cases[] = {{0, false}, {20, false}, {0, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.othersOpened << (c.whileOpen ? " while open" : ""));
    kdtest::TempDir dir;
    const std::string path = kdtest::MakeTemplateDatabase(dir);
    auto open = Database::Open(path, Database::Access::kReadWrite, true);
    if (!c.whileOpen) open->Close();
    for (int i = 0; i < c.othersOpened; ++i) {
      kdtest::WriteFile(dir.File(std::to_string(i) + ".pro"), "");
      Database::Open(dir.File(std::to_string(i) + ".pro"), Database::Access::kReadOnly)->Close();
    }
    const auto stamp = std::filesystem::last_write_time(path);
    kdtest::ExecuteSql(path, "UPDATE tblSettings SET MasterVersion = MasterVersion + 1");  // another program
    std::string bytes = kdtest::ReadFile(path);
    bytes.replace(2 * 4096, 64, std::string(64, '\xff'));
    kdtest::WriteFile(path, bytes);
    if (!c.whileOpen) std::filesystem::last_write_time(path, stamp);
    open->Close();
    EXPECT_THROW(Database::Open(path, Database::Access::kReadWrite, true), JetError);
  }
}

// The generation stands for the file's content as far as the program can
// tell: it holds while nobody writes, and moves with a write from any of
// the program's connections or from elsewhere, open or closed.
TEST(JetDatabase, TheChangeGenerationMovesWithEveryWriteFromAnywhere) {
  kdtest::TempDir dir;
  const std::string path = kdtest::MakeTemplateDatabase(dir);
  uint64_t seen = 0;
  {
    auto db = Database::Open(path);
    seen = db->ChangeGeneration();
    db->OpenSnapshot("SELECT * FROM tblSettings");
    EXPECT_EQ(db->ChangeGeneration(), seen);
    db->Execute("UPDATE tblSettings SET MasterVersion = 3");
    EXPECT_NE(db->ChangeGeneration(), seen);
    seen = db->ChangeGeneration();
  }
  auto db = Database::Open(path);
  EXPECT_EQ(db->ChangeGeneration(), seen);  // as this program left it
  EXPECT_FALSE(db->NoticeOtherWriters());

  auto second = Database::Open(path);
  second->Execute("UPDATE tblSettings SET MasterVersion = 4");
  EXPECT_NE(db->ChangeGeneration(), seen);
  seen = db->ChangeGeneration();
  second->Close();

  kdtest::ExecuteSql(path, "UPDATE tblSettings SET MasterVersion = MasterVersion + 1");  // another program
  EXPECT_EQ(db->ChangeGeneration(), seen);  // until it is noticed
  EXPECT_TRUE(db->NoticeOtherWriters());
  EXPECT_NE(db->ChangeGeneration(), seen);
  seen = db->ChangeGeneration();
  db->Close();

  kdtest::ExecuteSql(path, "UPDATE tblSettings SET MasterVersion = MasterVersion + 1");  // another program
  EXPECT_NE(Database::Open(path)->ChangeGeneration(), seen);
}

// Another file at the same path is another file, whatever its inode and
// size.
TEST(JetDatabase, AFileMadeAnewAtAKnownPathHasANewGeneration) {
  kdtest::TempDir dir;
  const std::string path = kdtest::MakeTemplateDatabase(dir);
  const uint64_t first = Database::Open(path)->ChangeGeneration();
  const std::string bytes = kdtest::ReadFile(path);
  fs::remove(path);
  kdtest::WriteFile(path, bytes);
  EXPECT_NE(Database::Open(path)->ChangeGeneration(), first);
}

TEST(JetDatabase, AnEmptyFileHasNoTablesAndStaysEmpty) {
  kdtest::TempDir dir;
  std::string path = dir.File("empty.pro");
  kdtest::WriteFile(path, "");
  auto db = Database::Open(path);
  EXPECT_FALSE(db->TableExists("tblSettings"));
  EXPECT_THROW(db->OpenTable("tblSettings"), JetError);
  db->Close();
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST(JetDatabase, TheFileIsKeptInRollbackJournalMode) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  kdtest::ExecuteSql(path, "PRAGMA journal_mode = WAL;");
  ASSERT_EQ(kdtest::QueryText(path, "PRAGMA journal_mode;"), "wal");
  {
    auto db = Database::Open(path);
    db->Execute("UPDATE tblSettings SET MasterVersion = 3");
  }
  EXPECT_EQ(kdtest::QueryText(path, "PRAGMA journal_mode;"), "delete");
  EXPECT_FALSE(fs::exists(path + "-wal"));
  EXPECT_EQ(kdtest::QueryText(path, "SELECT MasterVersion FROM tblSettings;"), "3");
}

TEST(JetDatabase, AReadOnlyOpenRefusesEveryWrite) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  auto db = Database::Open(path, Database::Access::kReadOnly);
  EXPECT_TRUE(db->ReadOnly());
  auto rs = db->OpenTable("tblSettings");
  EXPECT_FALSE(rs->Updatable());
  EXPECT_THROW(rs->Edit(), JetError);
  EXPECT_THROW(db->Execute("UPDATE tblSettings SET Year = 1999"), JetError);
  EXPECT_THROW(db->AppendTextField("tblSettings", "Extra", 50), JetError);
  EXPECT_THROW(db->BeginTrans(), JetError);
  EXPECT_EQ(kdtest::QueryText(path, "SELECT Year FROM tblSettings;"), "2024");
}

TEST(JetDatabase, TriggersStoredInAFileDoNotRun) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  kdtest::ExecuteSql(path,
                     "CREATE TRIGGER wipe AFTER UPDATE ON tblSettings BEGIN DELETE FROM tblTeams; END;");
  auto db = Database::Open(path);
  db->Execute("UPDATE tblSettings SET MasterVersion = 1");
  auto teams = db->OpenSnapshot("SELECT COUNT(*) FROM tblTeams");
  EXPECT_EQ(teams->Field(0).AsLong(), 36);
}

TEST(JetDatabase, TextGoesIntoQueriesAsBoundParameters) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  auto db = Database::Open(path);
  db->Execute("INSERT INTO tblPlayers (MasterID, BackName) VALUES (?, ?)", {Value(7), Value("O'Brien, Pat")});
  auto rs = db->OpenSnapshot("SELECT MasterID FROM tblPlayers WHERE BackName = ?", {Value("o'brien, PAT")});
  ASSERT_FALSE(rs->Eof());
  EXPECT_EQ(rs->Field("MasterID").AsLong(), 7);
  EXPECT_THROW(db->OpenSnapshot("SELECT 1 FROM tblPlayers WHERE ID = ?"), JetError);
  EXPECT_THROW(db->Execute("DELETE FROM tblPlayers; DELETE FROM tblTeams"), JetError);
  EXPECT_EQ(kdtest::QueryText(path, "SELECT COUNT(*) FROM tblTeams;"), "36");
}

TEST(JetDatabase, AppendedTextFieldsComeLastAndHoldFiftyCharacters) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  kdtest::ExecuteSql(path, "ALTER TABLE tblSettings DROP COLUMN ADPURL;");
  auto db = Database::Open(path);
  auto settings = db->OpenTable("tblSettings");
  EXPECT_EQ(settings->FieldIndex("ADPURL"), -1);
  int before = settings->FieldCount();

  db->AppendTextField("tblSettings", "ADPURL", 50);
  EXPECT_THROW(db->AppendTextField("tblSettings", "adpurl", 50), JetError);
  auto fields = db->TableFields("tblSettings");
  ASSERT_EQ(static_cast<int>(fields.size()), before + 1);
  EXPECT_EQ(fields.back().name, "ADPURL");
  EXPECT_EQ(fields.back().type, jet::FieldType::kText);
  EXPECT_EQ(fields.back().size, 50);

  // The open cursor learns of the new field and reads Null from the old row.
  EXPECT_EQ(settings->FieldCount(), before + 1);
  EXPECT_TRUE(settings->Field("ADPURL").IsNull());
  settings->Edit();
  EXPECT_THROW(settings->SetField("ADPURL", std::string(51, 'x')), JetError);
  settings->SetField("ADPURL", std::string(50, 'x'));
  settings->Update();
  EXPECT_EQ(kdtest::QueryText(path, "SELECT length(ADPURL) FROM tblSettings;"), "50");
}

TEST(JetDatabase, ARolledBackTransactionLeavesNoTraceInFileOrCursor) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  auto db = Database::Open(path);
  auto teams = db->OpenTable("tblTeams");
  teams->SetIndex("IDNdx");
  {
    jet::Transaction tx(*db);
    ASSERT_TRUE(teams->Seek({Value(4)}));
    teams->Edit();
    teams->SetField("AbrvA", "XXX");
    teams->Update();
    EXPECT_EQ(teams->Field("AbrvA").AsText(), "XXX");
  }  // not committed
  EXPECT_EQ(db->TransactionDepth(), 0);
  ASSERT_TRUE(teams->Seek({Value(4)}));
  EXPECT_EQ(teams->Field("AbrvA").AsText(), "BUF");
  EXPECT_EQ(kdtest::QueryText(path, "SELECT AbrvA FROM tblTeams WHERE ID = 4;"), "BUF");
}

TEST(JetDatabase, NestedTransactionsRollBackOnlyTheInnerWork) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  auto db = Database::Open(path);
  jet::Transaction outer(*db);
  db->Execute("UPDATE tblSettings SET MasterVersion = 5");
  {
    jet::Transaction inner(*db);
    db->Execute("UPDATE tblSettings SET StrainVersion = 9");
    inner.Rollback();
  }
  outer.Commit();
  EXPECT_EQ(kdtest::QueryText(path, "SELECT MasterVersion || '/' || StrainVersion FROM tblSettings;"), "5/0");
}

// A read scope shares one read lock among its statements: a transaction
// begun inside it still commits or rolls back on its own, and a scope begun
// inside a transaction leaves the transaction's rollback whole.
TEST(JetDatabase, AReadScopeKeepsTheTransactionsInsideAndAroundItWhole) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  auto db = Database::Open(path);
  const std::string versions = "SELECT MasterVersion || '/' || StrainVersion FROM tblSettings;";
  {
    jet::ReadScope read(*db);
    {
      jet::Transaction kept(*db);
      db->Execute("UPDATE tblSettings SET MasterVersion = 5");
      kept.Commit();
    }
    {
      jet::Transaction dropped(*db);
      db->Execute("UPDATE tblSettings SET StrainVersion = 9");
    }
  }
  EXPECT_EQ(db->TransactionDepth(), 0);
  EXPECT_EQ(kdtest::QueryText(path, versions), "5/0");
  {
    jet::Transaction dropped(*db);
    db->Execute("UPDATE tblSettings SET MasterVersion = 7");
    const jet::ReadScope read(*db);
  }
  EXPECT_EQ(db->TransactionDepth(), 0);
  EXPECT_EQ(kdtest::QueryText(path, versions), "5/0");
}

TEST(JetDatabase, RecordsetsOfAClosedDatabaseFailCleanly) {
  kdtest::TempDir dir;
  std::string path = kdtest::MakeTemplateDatabase(dir);
  auto db = Database::Open(path);
  auto rs = db->OpenTable("tblPositions");
  EXPECT_EQ(rs->RecordCount(), 17);
  db->Close();
  EXPECT_FALSE(db->IsOpen());
  EXPECT_THROW(rs->MoveFirst(), JetError);
  EXPECT_THROW(db->OpenTable("tblPositions"), JetError);
  rs->Close();
  db->Close();  // twice does nothing
}

// Rows are addressed by their row id: a table without one, or with a
// column hiding it, is refused by name instead of edited in the wrong place.
TEST(JetDatabase, TablesThatHideTheirRowIdsAreRefusedByName) {
  kdtest::TempDir dir;
  const std::string path = dir.File("hostile.pro");
  kdtest::WriteFile(path, "");
  kdtest::ExecuteSql(path, "CREATE TABLE noIds (ID INTEGER PRIMARY KEY, n LONG) WITHOUT ROWID;"
                           "CREATE TABLE hidden (rowid TEXT, n LONG);"
                           "CREATE TABLE aliased (rowid INTEGER PRIMARY KEY, n LONG);");
  auto db = Database::Open(path);
  const struct {
    const char* table;
    const char* error;
  } cases[] = {{"noIds", "The table 'noIds' has no row ids and cannot be opened."},
               {"hidden", "The table 'hidden' has a column named rowid."}};
  for (const auto& c : cases) {
    try {
      db->OpenTable(c.table);
      ADD_FAILURE() << c.table << " opened";
    } catch (const JetError& e) {
      EXPECT_STREQ(e.what(), c.error);
    }
  }
  // An INTEGER column of that name is the row id itself.
  EXPECT_NO_THROW(db->OpenTable("aliased"));
}
