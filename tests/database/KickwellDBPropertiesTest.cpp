#include <gtest/gtest.h>

#include "TemplateFixture.h"

namespace {

class KickwellDBProperties : public kdtest::TemplateFixture {
 protected:
  std::string Stored(const char* field) {
    return Query(std::string("SELECT ") + field + " FROM tblSettings;");
  }
};

}  // namespace

TEST_F(KickwellDBProperties, SettingsAreWrittenToTheFileTrimmedAndCut) {
  Open();
  EXPECT_EQ(db_.StrainName(), "None");
  EXPECT_EQ(db_.StrainURL(), "");
  EXPECT_EQ(db_.ADPURL(), "None");
  db_.SetMasterVersion(7);
  db_.SetStrainVersion(3);
  db_.SetStrainMaxOffer(5);
  EXPECT_EQ(db_.StrainMaxOffer(), 5);
  EXPECT_EQ(Stored("MasterVersion || '/' || StrainVersion || '/' || StrainMaxOffer"), "7/3/5");

  // Names are trimmed on the way in or on the way out.
  db_.SetStrainName("  Sharp Strain  ");
  EXPECT_EQ(Stored("StrainName"), "Sharp Strain");
  EXPECT_EQ(db_.StrainName(), "Sharp Strain");
  db_.SetADPName("  Mock ADP  ");
  EXPECT_EQ(Stored("LeagueName"), "  Mock ADP  ");
  EXPECT_EQ(db_.ADPName(), "Mock ADP");
  EXPECT_THROW(db_.SetStrainName(std::string(51, 'n')), jet::JetError);
  EXPECT_EQ(db_.StrainName(), "Sharp Strain");

  // Addresses are trimmed and cut to fifty characters; the ADP address
  // stores "None" for nothing.
  db_.SetStrainURL("  http://strain.example/a  ");
  EXPECT_EQ(Stored("StrainURL"), "http://strain.example/a");
  db_.SetStrainURL(std::string(45, 'a') + "     " + std::string(10, 'b'));
  EXPECT_EQ(db_.StrainURL(), std::string(45, 'a'));
  db_.SetStrainURL("");
  EXPECT_EQ(Stored("StrainURL"), "");
  db_.SetADPURL("");
  EXPECT_EQ(Stored("ADPURL"), "None");
  db_.SetADPURL(std::string("\0http://x", 9));
  EXPECT_EQ(db_.ADPURL(), "None");
  db_.SetADPURL("  http://adp.example/2024  ");
  EXPECT_EQ(db_.ADPURL(), "http://adp.example/2024");
  db_.SetADPURL(std::string(50, 'c') + "dddddddddd");
  EXPECT_EQ(db_.ADPURL(), std::string(50, 'c'));
  std::string accented;  // fifty characters, not fifty bytes
  for (int i = 0; i < 55; ++i) accented += "\xC3\xA9";
  db_.SetADPURL(accented);
  EXPECT_EQ(db_.ADPURL().size(), 100u);
}

TEST_F(KickwellDBProperties, NullsReadAsZeroOrEmptyAndTheAdpNameAsNone) {
  kdtest::ExecuteSql(path_, R"sql(
    DROP TABLE tblSettings;
    CREATE TABLE tblSettings (ID INTEGER PRIMARY KEY, Year SHORT, PlayerDisplayGridID LONG, MasterVersion LONG,
      StrainName TEXT(50), StrainVersion LONG, StrainMaxOffer LONG, LeagueName TEXT(50));
    INSERT INTO tblSettings (ID) VALUES (1);
  )sql");
  Open();
  EXPECT_EQ(db_.pFnGetYear(), 0);
  EXPECT_EQ(db_.PlayerDisplayGridID(), 0);
  EXPECT_EQ(db_.MasterVersion(), 0);
  EXPECT_EQ(db_.StrainVersion(), 0);
  EXPECT_EQ(db_.StrainMaxOffer(), 0);
  EXPECT_EQ(db_.StrainName(), "");
  EXPECT_EQ(db_.ADPName(), "None");
  EXPECT_EQ(db_.StrainURL(), "");
  EXPECT_EQ(db_.ADPURL(), "");
}

TEST_F(KickwellDBProperties, WithoutAnOpenFileGetsAnswerDefaultsAndLetsRefuse) {
  EXPECT_EQ(db_.pFnGetYear(), 0);
  EXPECT_EQ(db_.ADPName(), "None");
  EXPECT_EQ(db_.ADPURL(), "");
  EXPECT_THROW(db_.SetMasterVersion(1), jet::JetError);
  Open();
  db_.pSbCloseKickwellDB();
  EXPECT_EQ(db_.MasterVersion(), 0);
  EXPECT_THROW(db_.SetStrainURL("x"), jet::JetError);
}
