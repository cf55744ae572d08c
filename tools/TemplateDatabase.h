#pragma once
// Builds the template projected-stats database (def/Default.pro) from the
// SQL scripts under data/projected-stats: the schema and the reference rows.
// The build runs it through kd_make_template; test fixtures call it to make
// fresh databases from the same scripts.

#include <string>
#include <vector>

namespace templatedb {

// The scripts of a folder (*.sql), in the order they run: by file name.
std::vector<std::string> ScriptPaths(const std::string& folder);

// The folder of the template's scripts in this source tree.
std::string SourceScriptFolder();

// Runs the scripts into a new database and puts it at `path`, replacing any
// file there only when the whole build succeeded. False with `error` set
// otherwise.
bool Build(const std::string& path, const std::vector<std::string>& scripts, std::string* error);

}  // namespace templatedb
