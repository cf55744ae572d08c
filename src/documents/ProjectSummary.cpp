#include "documents/ProjectSummary.h"

#include <exception>
#include <filesystem>
#include <vector>

#include "draft_inputs/ScoringRuleRecord.h"
#include "draft_inputs/basSCOFileControl.h"
#include "platform/runtime/FileIO.h"

namespace {

int32_t CountScoringRules(const std::string& path) {
  // The scoring reader reports a file it cannot read with a message; the
  // summary must stay silent, so such a file is turned away here first.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || !runtime::ReadFileBytes(path)) return -1;
  std::vector<ScoringRuleRecord> records;
  return basSCOFileControl::ReadScoRecords(path, records);
}

ProjectSummaryReaders& Readers() {
  static ProjectSummaryReaders readers = DefaultProjectSummaryReaders();
  return readers;
}

}  // namespace

ProjectSummaryReaders DefaultProjectSummaryReaders() {
  ProjectSummaryReaders readers;
  readers.scoring = CountScoringRules;
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
