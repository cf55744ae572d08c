#pragma once
// Player rows as display text: one cell per column of a display grid, each
// the value of the column's stat category turned into text by the column's
// display format, by a lookup (name, team, position, injury status, bye
// week) or by a text the document builders keyed to it.
//
// It is the part of the open database (clsKickwellDB) that rendering needs:
// it loads, at open, the display formats and the default grid (GridID 1 of
// tblDisplayGrids), and it works on the database's catalogue, format list
// and current grid, which it is given at construction and which must outlive
// it; a database that makes new ones at open makes a new clsDisplayRows with
// them. The lookups come from the database through Lookups.

#include <cstdint>
#include <string>
#include <vector>

#include "database/clsCategoryControl.h"
#include "database/clsDisplayFormatIsolate.h"
#include "database/clsDisplayGridIsolate.h"

namespace jet {
class Database;
}

class clsDisplayRows {
 public:
  // Display types of the lookup formats (TextType 2).
  static constexpr uint8_t kLookupName = 3;
  static constexpr uint8_t kLookupTeam = 4;
  static constexpr uint8_t kLookupPosition = 5;
  static constexpr uint8_t kLookupPlayerID = 7;
  static constexpr uint8_t kLookupInjury = 12;
  static constexpr uint8_t kLookupByeWeek = 13;
  // Name styles, by display-format id.
  static constexpr int32_t kNameStored = 13;       // "Smith, John"
  static constexpr int32_t kNameLastInitial = 18;  // "Smith, J."
  static constexpr int32_t kNameInitialLast = 19;  // "J. Smith"
  static constexpr int32_t kNameFirstLast = 20;    // "John Smith"

  // What a row needs from the database's player, team and position tables
  // and from its keyed text table; each answers as the database's lookups
  // do for a player or row that does not exist ("N/A", "" or 0).
  class Lookups {
   public:
    virtual ~Lookups() = default;
    virtual std::string pFnGetPlayerName(int32_t playerID) = 0;
    virtual std::string pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) = 0;
    virtual std::string pFnGetPosAbrvwPlaID(int32_t playerID) = 0;
    virtual std::string pFnGetInjStatuswPlaID(int32_t playerID, uint8_t week, int16_t year) = 0;
    virtual uint8_t pFnGetByeWeekwPlaID(int32_t playerID, uint8_t week, int16_t year) = 0;
    // The keyed text table's text of a key; "" when it has none.
    virtual std::string MockCheatText(int32_t key) = 0;
  };

  clsDisplayRows(clsCategoryControl& catalogue, clsDisplayFormatIsolate& formats, clsDisplayGridIsolate& grid,
                 Lookups& lookups);
  clsDisplayRows(const clsDisplayRows&) = delete;
  clsDisplayRows& operator=(const clsDisplayRows&) = delete;

  // ------------------------------------------------------------ at open

  // After the catalogue is loaded, into a fresh format list and grid: the
  // display formats, the default grid (emptied when the file has none), and
  // the display order from it. Database errors and values that do not fit
  // their fields throw jet::JetError.
  void LoadAtOpen(jet::Database& db);
  void pSbLoadDisplayFormats(jet::Database& db);
  void pSbLoadDefaultDisplayGrid(jet::Database& db);

  // ------------------------------------------------------------- rows

  // Makes the grid's columns the catalogue's display order.
  void pSbSetStatDisplayOrder(const clsDisplayGridIsolate& grid);
  // Positions the stat tables on the player-week and computes the display
  // values.
  void pSbMCExtractDisplayValues(int32_t playerID, uint8_t week, int16_t year);
  // The row from the values already computed (callers may force values and
  // key texts in between): every cell followed by a Tab.
  std::string pFnMCGetPlayerDisplayRow(int32_t playerID, uint8_t week, int16_t year);
  // Positions, computes and renders in one call.
  std::string pFnGetPlayerDisplayRow(int32_t playerID, uint8_t week, int16_t year);
  // The one cell at display position `column` (from 1), without a Tab.
  std::string pFnGetPlayerDisplayCol(int32_t playerID, uint8_t week, int16_t year, int32_t column);
  // OrderNumber of the current grid's first column showing the category; 0 when none.
  uint8_t pFnGetDisplayCol(int32_t catID) const { return grid_.OrderNumberWTableFieldID(catID); }

  // The text of one cell. A format id the list does not hold falls back to
  // the category's default format, and without that to the plain number.
  std::string pFnGetValueText(int32_t formatID, int32_t catID, float value, int32_t playerID, uint8_t week,
                              int16_t year);
  // The stored name ("Last, First") in a name style; "" for an id that is
  // not a name style. A name without a comma is shown as stored.
  static std::string NameInStyle(int32_t formatID, const std::string& storedName);
  std::string pFnGetPlayerNameWStyle(int32_t formatID, int32_t playerID);

 private:
  std::string pFnGetLookupText(uint8_t displayType, int32_t formatID, int32_t playerID, uint8_t week,
                               int16_t year);

  clsCategoryControl& catalogue_;
  clsDisplayFormatIsolate& formats_;
  clsDisplayGridIsolate& grid_;
  Lookups& lookups_;
  std::vector<clsCategoryControl::DisplayColumn> columns_;
};
