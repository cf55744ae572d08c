#include "DatabaseFixtures.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "tools/TemplateDatabase.h"

namespace kdtest {

void WriteTemplateDatabase(const std::string& path) {
  std::string error;
  ASSERT_TRUE(templatedb::Build(path, templatedb::ScriptPaths(templatedb::SourceScriptFolder()), &error))
      << error;
}

std::string MakeTemplateDatabase(const TempDir& dir, const std::string& name) {
  std::string path = dir.File(name);
  WriteTemplateDatabase(path);
  return path;
}

namespace {

struct Handle {
  explicit Handle(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << "cannot open " << path << ": " << (db ? sqlite3_errmsg(db) : "");
      sqlite3_close(db);
      db = nullptr;
    }
  }
  ~Handle() { sqlite3_close(db); }
  sqlite3* db = nullptr;
};

}  // namespace

void ExecuteSql(const std::string& path, const std::string& sql) {
  Handle h(path);
  if (!h.db) return;
  char* message = nullptr;
  if (sqlite3_exec(h.db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    ADD_FAILURE() << "SQL failed: " << (message ? message : "") << "\n" << sql;
  }
  sqlite3_free(message);
}

std::string QueryText(const std::string& path, const std::string& sql) {
  Handle h(path);
  if (!h.db) return {};
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(h.db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(h.db) << "\n" << sql;
    return {};
  }
  std::string out;
  int rc = sqlite3_step(stmt);
  if (rc == SQLITE_ROW) {
    const unsigned char* text = sqlite3_column_text(stmt, 0);
    if (text) out = reinterpret_cast<const char*>(text);
  } else if (rc != SQLITE_DONE) {
    ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(h.db) << "\n" << sql;
  }
  sqlite3_finalize(stmt);
  return out;
}

int AddTestPlayer(const std::string& path, int masterID, const std::string& backName, int teamID, int posID) {
  std::string quoted;
  for (char c : backName) {
    if (c == '\'') quoted += '\'';
    quoted += c;
  }
  ExecuteSql(path, "INSERT INTO tblPlayers (MasterID, BackName, DOB, TeamID, PosID) VALUES (" +
                       std::to_string(masterID) + ", '" + quoted + "', 0, " + std::to_string(teamID) + ", " +
                       std::to_string(posID) + ");");
  return std::stoi("0" + QueryText(path, "SELECT max(ID) FROM tblPlayers;"));
}

void AddTestStat0(const std::string& path, int playerID, int week, int year, double points, int teamID,
                  int dnu, double adp, int injuryStatus) {
  ExecuteSql(path,
             "INSERT INTO tblStat0 (PlayerID, Week, Points, TeamID, DNU, ADP, InjuryStatus, Year) VALUES (" +
                 std::to_string(playerID) + ", " + std::to_string(week) + ", " + std::to_string(points) +
                 ", " + std::to_string(teamID) + ", " + std::to_string(dnu) + ", " + std::to_string(adp) +
                 ", " + std::to_string(injuryStatus) + ", " + std::to_string(year) + ");");
}

}  // namespace kdtest
