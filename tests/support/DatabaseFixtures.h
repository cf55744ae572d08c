#pragma once
// Projected-stats databases for tests, built from the same SQL scripts as
// the bundled def/Default.pro (data/projected-stats), so a fixture always
// has the schema and reference rows the program ships with.

#include <string>

#include "TempDir.h"

namespace kdtest {

// Builds the template database (schema and reference rows, no players) at
// `path`; fails the test when it cannot.
void WriteTemplateDatabase(const std::string& path);

// The template in `dir` under `name`; returns its path.
std::string MakeTemplateDatabase(const TempDir& dir, const std::string& name = "Default.pro");

// Runs one or more SQL statements on a database file (test set-up and
// inspection only); fails the test on error.
void ExecuteSql(const std::string& path, const std::string& sql);

// The first column of the first row of a query as text ("" for no row or
// Null); fails the test on error.
std::string QueryText(const std::string& path, const std::string& sql);

// Adds a player with a tblStat0 row for a player-week, all through SQL:
// returns the new tblPlayers.ID.
int AddTestPlayer(const std::string& path, int masterID, const std::string& backName, int teamID, int posID);
void AddTestStat0(const std::string& path, int playerID, int week, int year, double points, int teamID,
                  int dnu = 0, double adp = 0, int injuryStatus = 0);

}  // namespace kdtest
