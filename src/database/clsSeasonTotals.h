#pragma once
// Whole-file operations of one open projected-stats file that do not fit
// the per-player writers: season rows built from the weekly rows, season
// rows copied from another file, moving the file to another season,
// clearing ADP values, a player-week's team and injury status, and a team
// by abbreviation. clsKickwellDB owns one and hands these operations to it.
//
// Each operation that writes is one transaction: an error rolls back what
// it had written and reaches the caller as jet::JetError.

#include <cstdint>
#include <string>

class clsKickwellDB;
class clsPlayerDataWriters;
class clsStatusPlain;

class clsSeasonTotals {
 public:
  clsSeasonTotals(clsKickwellDB& db, clsPlayerDataWriters& writers) : db_(db), writers_(writers) {}
  clsSeasonTotals(const clsSeasonTotals&) = delete;
  clsSeasonTotals& operator=(const clsSeasonTotals&) = delete;

  void pSbSumPlayerStatsForYear(int16_t year, clsStatusPlain& status);
  bool pSbAddSumPStFromAlternateDb(const std::string& path, int16_t year);
  void FullStatYearChange(int16_t newYear);
  void pSbClearADPValues(int16_t year, uint8_t week);
  void pSbUpdatePlayerStatus(int16_t year, uint8_t week, int32_t masterID, int32_t teamID,
                             int32_t injuryStatus);
  int32_t pFnGetTeamIDwAbrv(const std::string& abrv, int16_t year);

  // The highest field position each operation handles in tblStat2..11
  // (0 for other tables); a table with fewer value fields is handled up to
  // its last one.
  static int32_t SumFieldMax(int32_t table);
  static int32_t MergeFieldMax(int32_t table);

 private:
  // The TeamID of the player's latest week from 17 down to 0; 0 when none.
  int32_t pFnGetStat0TeamIDChecked(int32_t playerID, uint8_t week, int16_t year);
  // Finds or adds the player's tblStat0 season row: PlayerID, 250, the
  // points and the team of its season row or, for a new row, of its latest week.
  void WriteSeasonRow0(int32_t playerID, int16_t year, double points);
  // The id of the player's season row in a stat table, added when missing.
  int32_t SeasonRowID(int32_t table, int32_t playerID, int16_t year);

  clsKickwellDB& db_;
  clsPlayerDataWriters& writers_;
};
