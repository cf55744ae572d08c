#include "tools/TemplateDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace templatedb {

std::vector<std::string> ScriptPaths(const std::string& folder) {
  std::vector<std::string> paths;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.is_regular_file() && entry.path().extension() == ".sql") paths.push_back(entry.path().string());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::string SourceScriptFolder() { return KD_TEMPLATE_SCRIPTS; }

namespace {

bool ReadText(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  text = ss.str();
  return true;
}

bool Exec(sqlite3* db, const std::string& sql, const std::string& what, std::string* error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  if (error) *error = what + ": " + (message ? message : sqlite3_errmsg(db));
  sqlite3_free(message);
  return false;
}

}  // namespace

bool Build(const std::string& path, const std::vector<std::string>& scripts, std::string* error) {
  if (scripts.empty()) {
    if (error) *error = "no scripts to build the template from";
    return false;
  }
  fs::path target(path);
  std::error_code ec;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  fs::path temp = target;
  temp += ".building";
  fs::remove(temp, ec);

  sqlite3* db = nullptr;
  if (sqlite3_open_v2(temp.string().c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    if (error) *error = "cannot create " + temp.string() + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_close(db);
    return false;
  }
  bool ok = Exec(db, "PRAGMA journal_mode = DELETE; PRAGMA page_size = 4096; BEGIN", "starting", error);
  for (const std::string& script : scripts) {
    if (!ok) break;
    std::string sql;
    if (!ReadText(script, sql)) {
      if (error) *error = "cannot read " + script;
      ok = false;
      break;
    }
    ok = Exec(db, sql, script, error);
  }
  ok = ok && Exec(db, "COMMIT", "committing", error);
  sqlite3_close(db);
  if (ok) {
    fs::rename(temp, target, ec);
    if (ec) {
      if (error) *error = "cannot move the template to " + path + ": " + ec.message();
      ok = false;
    }
  }
  if (!ok) fs::remove(temp, ec);
  return ok;
}

}  // namespace templatedb
