#pragma once
// What the project summary of an HTML document reports about the project's
// three component files, and how it is gathered. The summary never fails:
// whatever cannot be read stays unset and its cell stays empty.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Full paths of the files the project names; an empty path means the project
// names no file of that kind.
struct ProjectSummaryFiles {
  std::string leaguePath;
  std::string scoringPath;
  std::string projectedPath;
};

struct ProjectSummaryValues {
  // League properties, set when the file loaded.
  std::optional<int32_t> teamCount;
  std::optional<int32_t> draftRounds;
  // Scoring system: the number of rules read, set only when the file was read.
  std::optional<int32_t> scoringRuleCount;
  // Projected stats: the row of tblSettings, when the database has one. An
  // unset field was Null.
  bool hasSettingsRow = false;
  std::optional<std::string> strainName;
  std::optional<std::string> strainVersion;
  std::optional<std::string> leagueName;
  std::optional<std::string> adpUrl;
  std::optional<std::string> strainUrl;
  // The number of players flagged DNU in tblStat0, when the count could be taken.
  std::optional<int64_t> modsCount;
};

// How each file is read for the summary. Each reader fills only its own
// values, opens its file read-only, shows no message and treats any failure
// as "nothing read". A reader left empty reads nothing.
struct ProjectSummaryReaders {
  // True with the team count and draft rounds when the league file loaded.
  std::function<bool(const std::string& path, int32_t& teams, int32_t& rounds)> league;
  // The number of rules read, or -1 when the file could not be read.
  std::function<int32_t(const std::string& path)> scoring;
  // Fills the tblSettings fields and the DNU count of an existing database.
  std::function<void(const std::string& path, ProjectSummaryValues& values)> projectedStats;
};

// The readers of the program's own formats, installed from the start: the
// league-properties file, the scoring-system file and the projected-stats
// database.
ProjectSummaryReaders DefaultProjectSummaryReaders();

// Replaces the readers used by ReadProjectSummaryValues (tests install fakes
// and put DefaultProjectSummaryReaders() back).
void InstallProjectSummaryReaders(ProjectSummaryReaders readers);
const ProjectSummaryReaders& InstalledProjectSummaryReaders();

// Gathers the values through the installed readers. A reader that throws
// leaves its values unset.
ProjectSummaryValues ReadProjectSummaryValues(const ProjectSummaryFiles& files);
