#pragma once
// A template database opened the way the database object opens one for the
// catalogue: the file through the database layer, the stat tables as table
// cursors with PlayerIDWeekYearNdx selected, the catalogue loaded and each
// registered table handed its cursor.

#include <memory>
#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "database/clsCategoryControl.h"
#include "platform/jet/Database.h"
#include "platform/jet/Recordset.h"

namespace kdtest {

class OpenCatalogue {
 public:
  // The template with `setupSql` run on it before it is opened.
  explicit OpenCatalogue(const std::string& setupSql = "") : path_(MakeTemplateDatabase(dir_)) {
    if (!setupSql.empty()) ExecuteSql(path_, setupSql);
  }

  // Opens the file and loads the catalogue (throws what loading throws).
  void Open() {
    db = jet::Database::Open(path_);
    catalogue.LoadFromDatabase(*db);
    for (int t = 0; t <= 11; ++t) {
      tables.push_back(db->OpenTable("tblStat" + std::to_string(t)));
      tables.back()->SetIndex(clsCategoryControl::kPlayerWeekIndex);
    }
    for (int32_t slot = 0; slot < catalogue.RecordsetRefCount(); ++slot) {
      const int32_t table = catalogue.RecordsetRefID(slot);
      catalogue.SetRecordsetRef(table, tables.at(static_cast<std::size_t>(table)).get());
    }
  }

  // Computes every category of the catalogue through the report order.
  void ExtractAll() {
    catalogue.ClearReportOrder();
    for (int32_t id = 1; id <= 118; ++id) catalogue.SetReportOrder(id, id);
    catalogue.UpdateReportNdx();
    catalogue.ExtractReportValues();
  }

  const std::string& Path() const { return path_; }

  std::unique_ptr<jet::Database> db;
  std::vector<std::unique_ptr<jet::Recordset>> tables;
  clsCategoryControl catalogue;

 private:
  TempDir dir_;
  std::string path_;
};

// Player 1, a quarterback, and player 2, a kicker, with season rows (week
// 250 of 2024) and a few weekly rows to show the boundaries of a player-week.
inline std::string TwoPlayersSql() {
  return R"sql(
INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
  (1, 1001, 'Jackson, Lamar', 0, 3, 2), (2, 1002, 'Tucker, Justin', 0, 3, 6);
INSERT INTO tblStat0 (PlayerID, Week, Points, TeamID, DNU, ADP, InjuryStatus, Year) VALUES
  (1, 250, 312.5, 3, 0, 14.2, 2, 2024), (2, 250, 120, 3, 1, 160, 0, 2024), (1, 1, 22.5, 3, 0, 0, 0, 2024);
INSERT INTO tblStat1 (PlayerID, Week, Fld3, Fld4, Year) VALUES
  (1, 250, 1, 25, 2024), (1, 250, 2, 12, 2024), (1, 250, 1, 47, 2024), (1, 250, 1, 9, 2024),
  (1, 1, 1, 80, 2024), (2, 250, 4, 56, 2024);
INSERT INTO tblStat2 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Fld7, Fld8, Fld9, Fld10, Fld11, Year) VALUES
  (1, 250, 474, 316, 4172, 41, 4, 23, 119.6, 145, 65, 2024),
  (1, 1, 30, 20, 300, 2, 1, 2, 100, 10, 40, 2024);
INSERT INTO tblStat3 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Year) VALUES
  (1, 250, 139, 915, 4, 7, 2024), (1, 1, 8, -5, 0, 0, 2024);
INSERT INTO tblStat5 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Fld7, Year) VALUES
  (1, 250, 10, 4, 3, 0, 0, 2024);
INSERT INTO tblStat6 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Fld7, Fld8, Fld9, Fld10, Fld11, Fld12, Fld13, Fld14,
                      Fld15, Fld16, Fld17, Fld18, Year) VALUES
  (2, 250, 40, 2, 1, 0, 8, 1, 10, 1, 9, 2, 5, 3, 80, 60, 1, 0, 2024);
)sql";
}

}  // namespace kdtest
