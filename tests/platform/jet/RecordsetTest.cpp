#include <gtest/gtest.h>

#include <vector>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "platform/jet/Transaction.h"

using jet::Database;
using jet::JetError;
using jet::Recordset;
using jet::Value;

namespace {

// The template with three players and a few stat rows entered out of key order.
class JetRecordset : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = kdtest::MakeTemplateDatabase(dir_);
    kdtest::ExecuteSql(path_, R"sql(
      INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
        (1, 100, 'Smith, John', 0, 4, 2), (2, 200, 'adams, Bo', 0, 9, 3), (3, 300, 'Baker, Cy', 0, 16, 4);
      INSERT INTO tblStat0 (ID, PlayerID, Week, Points, TeamID, Year) VALUES
        (1, 2, 250, 150.5, 9, 2024), (2, 1, 2, 20, 4, 2024), (3, 1, 1, 10, 4, 2024),
        (4, 1, 250, 300, 4, 2024), (5, 3, 250, 90, 16, 2024);
      INSERT INTO tblStat1 (PlayerID, Week, Fld3, Fld4, Year) VALUES
        (1, 1, 1, 45, 2024), (2, 1, 2, 3, 2024), (1, 1, 1, 12, 2024), (1, 1, 3, 70, 2024), (1, 2, 1, 5, 2024);
    )sql");
    db_ = Database::Open(path_);
  }

  std::vector<int64_t> Column(Recordset& rs, const char* field) {
    std::vector<int64_t> out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) out.push_back(rs.Field(field).AsInt64());
    return out;
  }

  kdtest::TempDir dir_;
  std::string path_;
  std::unique_ptr<Database> db_;
};

}  // namespace

TEST_F(JetRecordset, FieldsAreReadByNameWithoutCaseAndByPosition) {
  auto rs = db_->OpenTable("tblpositions");
  EXPECT_EQ(rs->Source(), "tblPositions");
  EXPECT_EQ(rs->RecordCount(), 17);
  EXPECT_EQ(rs->FieldName(0), "ID");
  EXPECT_EQ(rs->Field("id").AsLong(), 1);
  EXPECT_EQ(rs->Field(1).AsText(), "ROS");
  EXPECT_EQ(rs->FieldIndex("posfullname"), 2);
  EXPECT_EQ(rs->FieldIndex("NoSuchField"), -1);
  EXPECT_THROW(rs->Field("NoSuchField"), JetError);
  EXPECT_THROW(rs->Field(99), JetError);
  EXPECT_THROW(db_->OpenTable("tblNoSuchTable"), JetError);
}

TEST_F(JetRecordset, RowsWalkInRowIdOrderOrByTheIndexKeysThenRowId) {
  auto rs = db_->OpenTable("tblStat0");
  EXPECT_EQ(Column(*rs, "ID"), (std::vector<int64_t>{1, 2, 3, 4, 5}));
  rs->SetIndex("PlayerIDWeekYearNdx");
  EXPECT_EQ(rs->Index(), "PlayerIDWeekYearNdx");
  EXPECT_EQ(Column(*rs, "ID"), (std::vector<int64_t>{3, 2, 4, 1, 5}));
  auto names = db_->OpenTable("tblPlayers");
  names->SetIndex("BackNameNdx");
  std::vector<std::string> order;
  for (names->MoveFirst(); !names->Eof(); names->MoveNext())
    order.push_back(names->Field("BackName").AsText());
  EXPECT_EQ(order, (std::vector<std::string>{"adams, Bo", "Baker, Cy", "Smith, John"}));
  EXPECT_THROW(rs->SetIndex("NoSuchNdx"), JetError);
}

TEST_F(JetRecordset, SeekFindsTheFirstMatchOrSetsNoMatchAndEof) {
  auto rs = db_->OpenTable("tblStat0");
  EXPECT_THROW(rs->Seek({Value(1)}), JetError);  // no index selected
  rs->SetIndex("PlayerIDWeekYearNdx");
  EXPECT_TRUE(rs->Seek({Value(1), Value(250), Value(2024)}));
  EXPECT_FALSE(rs->NoMatch());
  EXPECT_EQ(rs->Field("ID").AsLong(), 4);
  EXPECT_FALSE(rs->Seek({Value(1), Value(250), Value(2023)}));
  EXPECT_TRUE(rs->NoMatch());
  EXPECT_TRUE(rs->Eof());
  EXPECT_THROW(rs->Field("ID"), JetError);
  // Fewer keys than the index has: the first row of that prefix.
  EXPECT_TRUE(rs->Seek({Value(1)}));
  EXPECT_EQ(rs->Field("Week").AsLong(), 1);
  EXPECT_THROW(rs->Seek({Value(1), Value(1), Value(2024), Value(0)}), JetError);
}

TEST_F(JetRecordset, SeekCountCountsTheRowsOfAPlayerWeek) {
  auto plays = db_->OpenTable("tblStat1");
  plays->SetIndex("PlayerIDWeekYearNdx");
  EXPECT_EQ(plays->SeekCount({Value(1), Value(1), Value(2024)}), 3);
  std::vector<int64_t> yards;
  for (int i = 0; i < 3; ++i, plays->MoveNext()) yards.push_back(plays->Field(4).AsInt64());
  EXPECT_EQ(yards, (std::vector<int64_t>{45, 12, 70}));
  plays->Move(-3);
  EXPECT_EQ(plays->Field(4).AsInt64(), 45);
  EXPECT_EQ(plays->SeekCount({Value(3), Value(1), Value(2024)}), 0);
  EXPECT_TRUE(plays->NoMatch());
}

TEST_F(JetRecordset, MovingStopsAtBofAndEof) {
  auto empty = db_->OpenTable("tblSchedule");
  EXPECT_EQ(empty->RecordCount(), 0);
  empty->MoveFirst();
  empty->MoveLast();
  EXPECT_TRUE(empty->Eof());
  EXPECT_TRUE(empty->Bof());
  EXPECT_THROW(empty->MoveNext(), JetError);

  auto rs = db_->OpenTable("tblStat0");
  EXPECT_FALSE(rs->Bof());
  rs->MoveLast();
  EXPECT_EQ(rs->Field("ID").AsLong(), 5);
  rs->MoveNext();
  EXPECT_TRUE(rs->Eof());
  EXPECT_THROW(rs->MoveNext(), JetError);
  rs->Move(-2);
  EXPECT_EQ(rs->Field("ID").AsLong(), 4);
  rs->Move(-10);
  EXPECT_TRUE(rs->Bof());
  EXPECT_THROW(rs->MovePrevious(), JetError);
  rs->Move(10);
  EXPECT_TRUE(rs->Eof());
}

TEST_F(JetRecordset, AddNewGivesTheRowIdAtOnceAndKeepsTheCurrentRow) {
  auto rs = db_->OpenTable("tblStat0");
  rs->SetIndex("PlayerIDWeekYearNdx");
  ASSERT_TRUE(rs->Seek({Value(2), Value(250), Value(2024)}));
  rs->AddNew();
  EXPECT_EQ(rs->Field("ID").AsLong(), 6);
  rs->SetField(1, Value(1));
  rs->SetField(2, Value(3));
  rs->SetField("Year", Value(2024));
  rs->Update();
  EXPECT_EQ(rs->LastModified(), 6);
  EXPECT_EQ(rs->Field("ID").AsLong(), 1);  // still on player 2's season row
  EXPECT_EQ(rs->RecordCount(), 6);
  EXPECT_EQ(Column(*rs, "ID"), (std::vector<int64_t>{3, 2, 6, 4, 1, 5}));
  // Fields not set take the schema's defaults.
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT Points = 0 AND DNU = 0 FROM tblStat0 WHERE ID = 6;"), "1");

  // The unique index refuses a second season row of a player.
  rs->AddNew();
  rs->SetField("PlayerID", Value(1));
  rs->SetField("Week", Value(250));
  rs->SetField("Year", Value(2024));
  EXPECT_THROW(rs->Update(), JetError);
  rs->CancelUpdate();
  EXPECT_EQ(rs->RecordCount(), 6);
}

TEST_F(JetRecordset, EditingAKeyMovesTheRowAndKeepsItCurrent) {
  auto rs = db_->OpenTable("tblStat0");
  rs->SetIndex("PlayerIDWeekYearNdx");
  ASSERT_TRUE(rs->Seek({Value(1), Value(1), Value(2024)}));
  rs->Edit();
  rs->SetField("Week", Value(17));
  EXPECT_EQ(rs->Field("Week").AsLong(), 17);  // the edit buffer
  rs->Update();
  EXPECT_EQ(rs->Field("ID").AsLong(), 3);
  rs->MoveNext();
  EXPECT_EQ(rs->Field("ID").AsLong(), 4);
  EXPECT_EQ(Column(*rs, "ID"), (std::vector<int64_t>{2, 3, 4, 1, 5}));
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT Week FROM tblStat0 WHERE ID = 3;"), "17");
}

TEST_F(JetRecordset, MovingAwayDropsAPendingEdit) {
  auto rs = db_->OpenTable("tblStat0");
  rs->Edit();
  rs->SetField("Points", Value(999));
  rs->MoveNext();
  EXPECT_EQ(rs->GetEditMode(), Recordset::EditMode::kNone);
  EXPECT_THROW(rs->Update(), JetError);
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT Points FROM tblStat0 WHERE ID = 1;"), "150.5");
  EXPECT_THROW(rs->SetField("Points", Value(1)), JetError);
}

TEST_F(JetRecordset, DeletingInAWalkVisitsEveryRowOnce) {
  auto rs = db_->OpenTable("tblStat1");
  std::vector<int64_t> visited;
  rs->MoveFirst();
  while (!rs->Eof()) {
    visited.push_back(rs->Field("ID").AsInt64());
    if (rs->Field("PlayerID").AsLong() == 1) {
      rs->Delete();
      EXPECT_THROW(rs->Field("ID"), JetError);
    }
    rs->MoveNext();
  }
  EXPECT_EQ(visited, (std::vector<int64_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(Column(*rs, "ID"), (std::vector<int64_t>{2}));
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT COUNT(*) FROM tblStat1;"), "1");
}

TEST_F(JetRecordset, ValuesAreConvertedToTheFieldType) {
  auto rs = db_->OpenTable("tblStat0");
  rs->Edit();
  EXPECT_THROW(rs->SetField("Week", Value(256)), JetError);
  EXPECT_THROW(rs->SetField("ID", Value(77)), JetError);
  rs->SetField("TeamID", Value(2.5));
  rs->SetField("ADP", Value(12.3));
  rs->Update();
  EXPECT_EQ(rs->Field("TeamID").AsLong(), 2);
  EXPECT_EQ(rs->Field("ADP").AsDouble(), static_cast<double>(12.3f));
  EXPECT_EQ(rs->FieldDescription(2).type, jet::FieldType::kByte);
}

TEST_F(JetRecordset, ATableCursorSeesWhatOthersWroteAndKeepsItsPlace) {
  auto rs = db_->OpenTable("tblStat0");
  rs->SetIndex("PlayerIDWeekYearNdx");
  ASSERT_TRUE(rs->Seek({Value(1), Value(250), Value(2024)}));
  db_->Execute("UPDATE tblStat0 SET Points = 301 WHERE ID = 4");
  db_->Execute("INSERT INTO tblStat0 (PlayerID, Week, Year) VALUES (0, 0, 2024)");
  EXPECT_EQ(rs->Field("Points").AsDouble(), 301.0);
  EXPECT_EQ(rs->RecordCount(), 6);
  rs->MoveNext();
  EXPECT_EQ(rs->Field("ID").AsLong(), 1);

  auto dyn = db_->OpenDynaset("SELECT * FROM tblStat0 WHERE Week = ? ORDER BY ID", {Value(250)});
  dyn->MoveLast();
  dyn->Edit();
  dyn->SetField("Points", Value(91));
  dyn->Update();
  ASSERT_TRUE(rs->Seek({Value(3), Value(250), Value(2024)}));
  EXPECT_EQ(rs->Field("Points").AsDouble(), 91.0);
}

TEST_F(JetRecordset, ADynasetEditsAddsAndDeletesRowsOfItsTable) {
  auto dyn = db_->OpenDynaset("SELECT ID, Pos, MergeAsID FROM tblPositions WHERE ID > 15 ORDER BY ID");
  EXPECT_TRUE(dyn->Updatable());
  EXPECT_EQ(dyn->RecordCount(), 2);
  dyn->MoveFirst();
  dyn->Edit();
  dyn->SetField("MergeAsID", Value(15));
  dyn->Update();
  dyn->AddNew();
  EXPECT_EQ(dyn->Field("ID").AsLong(), 18);
  dyn->SetField("Pos", "XX");
  dyn->Update();
  EXPECT_EQ(dyn->RecordCount(), 3);
  dyn->MoveLast();
  EXPECT_EQ(dyn->Field("Pos").AsText(), "XX");
  dyn->Delete();
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT MergeAsID FROM tblPositions WHERE ID = 16;"), "15");
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT COUNT(*) FROM tblPositions;"), "17");
}

TEST_F(JetRecordset, QueriesOverSeveralTablesOrGroupsAreReadOnly) {
  auto join = db_->OpenDynaset(
      "SELECT tblPlayers.MasterID, tblStat0.Points FROM tblStat0, tblPlayers "
      "WHERE tblPlayers.ID = tblStat0.PlayerID AND tblStat0.Week = 250 ORDER BY tblStat0.Points DESC, "
      "tblPlayers.MasterID");
  EXPECT_FALSE(join->Updatable());
  EXPECT_EQ(join->Field("MasterID").AsLong(), 100);
  EXPECT_EQ(join->Field("tblStat0.Points").AsDouble(), 300.0);
  EXPECT_THROW(join->Edit(), JetError);

  auto grouped = db_->OpenDynaset("SELECT PlayerID, SUM(Points) FROM tblStat0 GROUP BY PlayerID");
  EXPECT_EQ(grouped->RecordCount(), 3);
  EXPECT_FALSE(grouped->Updatable());

  auto snap = db_->OpenSnapshot("SELECT MAX(\"Table\") FROM tblStatProperties");
  EXPECT_EQ(snap->Field(0).AsLong(), 11);
  EXPECT_THROW(snap->Edit(), JetError);
  EXPECT_THROW(snap->SetIndex("IDNdx"), JetError);
  EXPECT_THROW(db_->OpenSnapshot("UPDATE tblStat0 SET Points = 0"), JetError);
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT SUM(Points) FROM tblStat0;"), "570.5");
}

TEST_F(JetRecordset, ManyWritesInOneTransaction) {
  auto rs = db_->OpenTable("tblStat0");
  {
    jet::Transaction tx(*db_);
    for (int week = 1; week <= 17; ++week) {
      for (int player = 10; player < 70; ++player) {
        rs->AddNew();
        rs->SetField("PlayerID", Value(player));
        rs->SetField("Week", Value(week));
        rs->SetField("Points", Value(week * 0.5));
        rs->SetField("Year", Value(2024));
        rs->Update();
      }
    }
    tx.Commit();
  }
  EXPECT_EQ(rs->RecordCount(), 5 + 17 * 60);
  rs->SetIndex("PlayerIDWeekYearNdx");
  ASSERT_TRUE(rs->Seek({Value(42), Value(16), Value(2024)}));
  EXPECT_EQ(rs->Field("Points").AsDouble(), 8.0);
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT COUNT(*) FROM tblStat0;"), "1025");
}

TEST_F(JetRecordset, TwoCursorsOnOneTableSeeEachOthersWrites) {
  auto a = db_->OpenTable("tblStat0");
  auto b = db_->OpenTable("tblStat0");
  a->SetIndex("IDNdx");
  b->SetIndex("IDNdx");
  ASSERT_TRUE(a->Seek({Value(4)}));
  ASSERT_TRUE(b->Seek({Value(4)}));
  a->Edit();
  b->Edit();
  b->SetField("Points", Value(5));
  b->Update();
  a->SetField("TeamID", Value(7));
  a->Update();
  EXPECT_EQ(a->Field("Points").AsDouble(), 5.0);
  EXPECT_EQ(b->Field("TeamID").AsLong(), 7);
}

TEST_F(JetRecordset, PendingNewRowsOfTwoCursorsGetDifferentIds) {
  auto a = db_->OpenTable("tblTeams");
  auto b = db_->OpenDynaset("SELECT * FROM tblTeams");
  a->AddNew();
  b->AddNew();
  EXPECT_EQ(a->Field("ID").AsLong(), 37);
  EXPECT_EQ(b->Field("ID").AsLong(), 38);
  b->Update();
  a->Update();
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT COUNT(*) FROM tblTeams WHERE ID > 36;"), "2");
}
