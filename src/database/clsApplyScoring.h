#pragma once
// Turns scoring rules into fantasy points for the database that owns it:
// maps the rules onto the stat-category catalogue (the scoring order),
// positions the stat tables on a player-week, lets the catalogue compute the
// category values, scores each value with every rule that applies to the
// player's position and writes the sum into tblStat0.Points.
//
// The database object forwards its scoring operations here; everything is
// read through its public surface (catalogue, stat cursors, lookups), so the
// object must be open for the operations that touch rows.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "draft_inputs/ScoringRuleRecord.h"

class clsKickwellDB;
class clsScoringIsolate;
class clsStatusPlain;

class clsApplyScoring {
 public:
  explicit clsApplyScoring(clsKickwellDB& db);
  clsApplyScoring(const clsApplyScoring&) = delete;
  clsApplyScoring& operator=(const clsApplyScoring&) = delete;

  // The scoring order from the rules: each rule whose category exists
  // numbers its category, so a category named twice keeps the later number.
  void pSbMapScoringRules(clsScoringIsolate& scoring);

  // tblStat1 with every row of the player-week, tblStat2..N with one.
  void pSbSeekStatTables(int32_t playerID, int32_t week, int32_t year);

  // Scores the row under the tblStat0 cursor: positions the stat tables on
  // its player-week, extracts the scoring values and writes Points when the
  // total differs from the stored value. Returns the total.
  double pSbScoreCurrentStatRow(clsScoringIsolate& scoring, int32_t modifiedScoring);

  // The points of the player-week on which the tables stand (tblStat0 on its
  // row); written into Points when write is set and they differ.
  double pFnGetPlayerWeekPoints(clsScoringIsolate& scoring, bool write, int32_t modifiedScoring);

  // The points the rule under the scoring system's cursor gives one value:
  // each of its distribution-map values when the rule has FDM set, else the
  // value itself. A value beyond the range of a Single cannot be compared
  // with the rule's range and throws runtime::OverflowError.
  double pFnGetValuePoints(double value, clsScoringIsolate& scoring, int32_t modifiedScoring);

  // Scores every tblStat0 row whose Week lies in weekFrom..weekTo, in one
  // pass inside a transaction, reporting on segment 4 and yielding after
  // every row. Only the rows of the range are read (no table cursor is
  // loaded) and only changed points are written. A cancel ends the pass
  // after the current row and keeps the rows already scored; a database
  // error rolls the pass back and is raised. When the last pass this
  // program finished over the file had the same week range and rules (none
  // with a distribution map) and nothing was written to the file since,
  // every row holds its points already and the pass reads nothing.
  // Returns the rows it read and scored (0 when it read nothing).
  int32_t UpdatePlayerPoints(clsStatusPlain& status, uint8_t weekFrom, uint8_t weekTo,
                             clsScoringIsolate& scoring, int32_t modifiedScoring);

  // Scores every tblStat0 row with the given system (mapped for the run),
  // reporting on the total bar, then maps `own` again.
  void AssignNewScoringSystem(clsStatusPlain& status, clsScoringIsolate& scoring, const std::string& name,
                              clsScoringIsolate& own, int32_t modifiedScoring);

 private:
  // A rule as the scoring of a row reads it: read from the system and the
  // catalogue once, not for every row.
  struct PreparedRule {
    ScoringRuleRecord fields;
    int32_t index = 0;        // in the scoring system
    uint32_t positions = 0;   // bit p: the rule applies to position id p (0..30)
    bool scored = false;      // its category exists
    bool perPlay = false;     // its category's type filter reads the play type
    double playType = 0;
  };
  std::vector<PreparedRule> PrepareRules(clsScoringIsolate& scoring) const;
  // The points of the player-week whose rows the catalogue holds, for a
  // player at that position.
  double PlayerWeekPoints(std::span<const PreparedRule> rules, clsScoringIsolate& scoring, int32_t position,
                          int32_t modifiedScoring);
  double ValuePoints(double value, const PreparedRule& rule, clsScoringIsolate& scoring, int32_t modifiedScoring);
  static double PointsOfOne(double value, const ScoringRuleRecord& rule, int32_t modifiedScoring);

  clsKickwellDB& db_;
  std::vector<double> mapped_;  // reused by every distribution-map lookup
};
