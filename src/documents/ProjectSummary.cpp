#include "documents/ProjectSummary.h"

#include <exception>

namespace {

ProjectSummaryReaders& Readers() {
  static ProjectSummaryReaders readers;
  return readers;
}

}  // namespace

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
