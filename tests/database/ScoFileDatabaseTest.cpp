#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "FakeSeams.h"
#include "ScoringRules.h"
#include "TempDir.h"
#include "database/ScoringFileTransfer.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/jet/JetError.h"

namespace {

class ScoFileDatabase : public testing::Test {
 protected:
  void SetUp() override {
    path_ = kdtest::MakeTemplateDatabase(dir_);
    ASSERT_TRUE(db_.InitializeKickwellDB(path_)) << db_.LastError();
  }

  // Two rules with Singles that show any loss of precision, range
  // restriction and FDM set on the first.
  std::string TwoRuleFile(const std::string& name, int16_t fdm) {
    clsScoringIsolate s;
    AddRule(s, 0.1f, 3, 25.0f, 1e-7f, 99999.0f, -1, 10, fdm);
    AddRule(s, -2.0f, 5, kThresholdRule, 40.0f, 49.0f, 0, 2, 0);
    EXPECT_TRUE(basSCOFileControl::WriteScoFile(dir_.File(name), s));
    return dir_.File(name);
  }

  std::string StoredRuleCount() { return kdtest::QueryText(path_, "SELECT COUNT(*) FROM tblScoringSystem;"); }

  kdtest::TempDir dir_;
  std::string path_;
  clsKickwellDB db_;
};

}  // namespace

TEST_F(ScoFileDatabase, LoadingAFileReplacesTheStoredRulesBitForBitExceptFdm) {
  ASSERT_EQ(StoredRuleCount(), "29");
  basSCOFileControl::LoadScoFileIntoDb(TwoRuleFile("with-fdm.sco", -1), db_);
  EXPECT_EQ(StoredRuleCount(), "2");

  // The system now read from the table saves as the file without its FDM flag.
  ASSERT_EQ(db_.ScoringIsolate().RecordCount(), 2);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir_.File("back.sco"), db_.ScoringIsolate()));
  EXPECT_EQ(kdtest::ReadFile(dir_.File("back.sco")), kdtest::ReadFile(TwoRuleFile("without-fdm.sco", 0)));
  EXPECT_EQ(db_.StatCon().ScoringOrder(3), 1);
  EXPECT_EQ(db_.StatCon().ScoringOrder(5), 2);

  // The next open finds the same rules.
  clsKickwellDB again;
  ASSERT_TRUE(again.InitializeKickwellDB(path_));
  EXPECT_EQ(again.ScoringIsolate().RecordCount(), 2);
}

TEST_F(ScoFileDatabase, AMissingFileSaysSoAndLeavesTheStoredRules) {
  kdtest::ScopedFakeSeams fakes;
  const std::string missing = dir_.File("gone.sco");
  basSCOFileControl::LoadScoFileIntoDb(missing, db_);
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].text, "File Not Found:  '" + missing + "'");
  EXPECT_EQ(fakes.messages.plain[0].caption, "File Error");
  EXPECT_EQ(StoredRuleCount(), "29");
  EXPECT_EQ(db_.ScoringIsolate().RecordCount(), 29);
}

TEST_F(ScoFileDatabase, AFileWithoutAWholeRuleEmptiesTheTableAndTheSystem) {
  kdtest::WriteFile(dir_.File("cut.sco"), std::string(35, '\x01'));
  basSCOFileControl::LoadScoFileIntoDb(dir_.File("cut.sco"), db_);
  EXPECT_EQ(StoredRuleCount(), "0");
  // The system mirrors the table rather than keeping the rules just deleted.
  EXPECT_EQ(db_.ScoringIsolate().RecordCount(), 0);
  EXPECT_EQ(db_.StatCon().ScoringCount(), 0);
}

TEST_F(ScoFileDatabase, AddingAFileAppendsItsRulesAndReloads) {
  basSCOFileControl::AddScoFileToDb(TwoRuleFile("a.sco", 0), db_);
  EXPECT_EQ(StoredRuleCount(), "31");
  clsScoringIsolate& scoring = db_.ScoringIsolate();
  ASSERT_EQ(scoring.RecordCount(), 31);
  scoring.MoveLast();
  EXPECT_EQ(scoring.CatID(), 5);
  EXPECT_EQ(scoring.FieldVal(), kThresholdRule);
  scoring.MovePrevious();
  EXPECT_EQ(scoring.RangeRestrict(), -1);
  EXPECT_EQ(scoring.RangeMin(), 1e-7f);
}

TEST_F(ScoFileDatabase, RowsWithAValueOutsideItsFieldChangeNothing) {
  clsScoringIsolate scoring;
  AddRule(scoring, 1, 3, 1, 0, 1, 0, 2, 0);
  kdtest::ExecuteSql(path_, "UPDATE tblScoringSystem SET CatID = 5000000000 WHERE ID = 3;");
  auto rows = db_.pSbKickwellSQL("SELECT * FROM tblScoringSystem ORDER BY ID;");
  EXPECT_THROW(basSCOFileControl::RecordsetToScoringIsolate(*rows, scoring), jet::JetError);
  ASSERT_EQ(scoring.RecordCount(), 1);
  scoring.MoveFirst();
  EXPECT_EQ(scoring.CatID(), 3);

  auto none = db_.pSbKickwellSQL("SELECT * FROM tblScoringSystem WHERE ID < 0;");
  EXPECT_FALSE(basSCOFileControl::RecordsetToScoringIsolate(*none, scoring));
  EXPECT_EQ(scoring.RecordCount(), 1);
}

// SQLite keeps a NaN as Null, and an infinity scores no field can hold:
// stored rules holding one are refused where they are read, and no NaN is
// ever written as Null.
TEST_F(ScoFileDatabase, StoredRulesThatAreNotFiniteAreRefusedAndANaNIsNeverStored) {
  for (const char* value : {"9e999", "-9e999"}) {
    for (const char* field : {"Points", "FieldVal", "RangeMin", "RangeMax"}) {
      SCOPED_TRACE(std::string(field) + value);
      const std::string old =
          kdtest::QueryText(path_, std::string("SELECT ") + field + " FROM tblScoringSystem WHERE ID = 3;");
      kdtest::ExecuteSql(
          path_, std::string("UPDATE tblScoringSystem SET ") + field + " = " + value + " WHERE ID = 3;");
      clsScoringIsolate scoring;
      auto rows = db_.pSbKickwellSQL("SELECT * FROM tblScoringSystem ORDER BY ID;");
      try {
        basSCOFileControl::RecordsetToScoringIsolate(*rows, scoring);
        ADD_FAILURE() << "accepted";
      } catch (const jet::JetError& e) {
        EXPECT_EQ(std::string(e.what()),
                  std::string("The field ") + field +
                      " of tblScoringSystem holds a value that is not a finite number.");
      }
      EXPECT_EQ(scoring.RecordCount(), 0);
      kdtest::ExecuteSql(
          path_, std::string("UPDATE tblScoringSystem SET ") + field + " = " + old + " WHERE ID = 3;");
    }
  }
  EXPECT_THROW(db_.pSbAddSco(0, std::numeric_limits<float>::quiet_NaN(), 3, 1, 0, 1, false, 2),
               jet::JetError);
  EXPECT_EQ(StoredRuleCount(), "29");
}

TEST_F(ScoFileDatabase, ARefusedFileChangesNeitherTheTableNorTheSystem) {
  kdtest::ScopedFakeSeams fakes;
  clsScoringIsolate s;
  AddRule(s, std::numeric_limits<float>::quiet_NaN(), 3, 25.0f, 0, 99999.0f, 0, 2, 0);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir_.File("nan.sco"), s));
  basSCOFileControl::LoadScoFileIntoDb(dir_.File("nan.sco"), db_);
  basSCOFileControl::AddScoFileToDb(dir_.File("nan.sco"), db_);
  EXPECT_EQ(fakes.messages.captions, (std::vector<std::string>{"Open File Error", "Open File Error"}));
  EXPECT_EQ(StoredRuleCount(), "29");
  EXPECT_EQ(db_.ScoringIsolate().RecordCount(), 29);
}

// The bit arithmetic itself is pinned by the callback form's tests; these
// pin the abbreviations the database gives.
TEST_F(ScoFileDatabase, PositionMaskTextListsAllThenTheDatabasesAbbreviationsInBitOrder) {
  EXPECT_EQ(basSCOFileControl::PositionMaskText((1 << 1) | (1 << 3), db_), " All RB");
  EXPECT_EQ(basSCOFileControl::PositionMaskText(1 | (1 << 2) | (1 << 6), db_), " QB K");
  EXPECT_EQ(basSCOFileControl::PositionMaskText(1 << 30, db_), " N/A");
}
