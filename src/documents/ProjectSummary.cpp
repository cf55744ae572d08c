#include "documents/ProjectSummary.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "draft_inputs/ScoringRuleRecord.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "platform/jet/Database.h"
#include "platform/runtime/FileIO.h"

namespace {

bool ReadLeagueSummary(const std::string& path, int32_t& teams, int32_t& rounds) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  clsLeagueIsolate league;
  league.SetFilePath(path.substr(0, nameStart));
  league.SetFileName(path.substr(nameStart));
  if (!league.LoadLeagueProps(true)) return false;
  teams = league.TeamCount();
  rounds = league.DraftRounds();
  return true;
}

int32_t CountScoringRules(const std::string& path) {
  // The summary only looks: a refused file is told, not shown.
  std::vector<ScoringRuleRecord> records;
  std::string refused;
  return basSCOFileControl::ReadScoRecords(path, records, &refused);
}

// The database is opened directly and read-only: the summary only looks.
// Each value is read on its own, so a missing field (older files lack the
// address fields) or table leaves only that value unset.
void ReadProjectedStatsSummary(const std::string& path, ProjectSummaryValues& values) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return;
  std::unique_ptr<jet::Database> db = jet::Database::Open(path, jet::Database::Access::kReadOnly);
  try {
    std::unique_ptr<jet::Recordset> settings = db->OpenSnapshot("SELECT * FROM tblSettings;");
    if (!settings->Eof()) {
      values.hasSettingsRow = true;
      const auto text = [&](std::string_view field) -> std::optional<std::string> {
        try {
          const jet::Value& value = settings->Field(field);
          if (value.IsNull()) return std::nullopt;
          return value.AsText();
        } catch (const std::exception&) {
          return std::nullopt;
        }
      };
      values.strainName = text("StrainName");
      values.strainVersion = text("StrainVersion");
      values.leagueName = text("LeagueName");
      values.adpUrl = text("ADPURL");
      values.strainUrl = text("StrainURL");
    }
  } catch (const std::exception&) {
  }
  try {
    std::unique_ptr<jet::Recordset> mods = db->OpenSnapshot("SELECT COUNT(*) FROM tblStat0 WHERE DNU = 1;");
    if (!mods->Eof()) values.modsCount = mods->Field(0).AsInt64();
  } catch (const std::exception&) {
  }
}

ProjectSummaryReaders& Readers() {
  static ProjectSummaryReaders readers = DefaultProjectSummaryReaders();
  return readers;
}

}  // namespace

ProjectSummaryReaders DefaultProjectSummaryReaders() {
  ProjectSummaryReaders readers;
  readers.league = ReadLeagueSummary;
  readers.scoring = CountScoringRules;
  readers.projectedStats = ReadProjectedStatsSummary;
  return readers;
}

void InstallProjectSummaryReaders(ProjectSummaryReaders readers) { Readers() = std::move(readers); }

const ProjectSummaryReaders& InstalledProjectSummaryReaders() { return Readers(); }

ProjectSummaryValues ReadProjectSummaryValues(const ProjectSummaryFiles& files) {
  const ProjectSummaryReaders& readers = Readers();
  ProjectSummaryValues values;
  // Each file is gathered on its own: a failure in one leaves the others.
  if (!files.leaguePath.empty() && readers.league) {
    try {
      int32_t teams = 0, rounds = 0;
      if (readers.league(files.leaguePath, teams, rounds)) {
        values.teamCount = teams;
        values.draftRounds = rounds;
      }
    } catch (const std::exception&) {
    }
  }
  if (!files.scoringPath.empty() && readers.scoring) {
    try {
      const int32_t rules = readers.scoring(files.scoringPath);
      if (rules >= 0) values.scoringRuleCount = rules;
    } catch (const std::exception&) {
    }
  }
  if (!files.projectedPath.empty() && readers.projectedStats) {
    // What the reader gathered before a failure still counts.
    try {
      readers.projectedStats(files.projectedPath, values);
    } catch (const std::exception&) {
    }
  }
  return values;
}
