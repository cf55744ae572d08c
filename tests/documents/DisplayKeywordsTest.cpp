#include <gtest/gtest.h>

#include <stdexcept>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "core/basMockDraftSettings.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "documents/basDisplayKeywords.h"
#include "engine/clsMockDraft.h"

namespace {

using basDisplayKeywords::KeywordValues;
using basDisplayKeywords::ReplaceDisplayKeywords;

KeywordValues Quarterbacks2012() {
  KeywordValues v;
  v.year = 2012;
  v.positionAbbreviation = "QB  ";
  v.positionName = " Quarterback ";
  v.projectFileName = " Home League.kdp ";
  v.today = {2026, 12, 6, 17, 5, 9};
  return v;
}

TEST(DisplayKeywords, PositionAndYearOfAHeading) {
  EXPECT_EQ(ReplaceDisplayKeywords("[Pos] - [Year]", Quarterbacks2012()), " QB - 2012");
  EXPECT_EQ(ReplaceDisplayKeywords("[Position]s", Quarterbacks2012()), " Quarterbacks");
}

TEST(DisplayKeywords, ProjectNameCarriesABlankOfItsOwn) {
  EXPECT_EQ(ReplaceDisplayKeywords("Project [KDP]", Quarterbacks2012()), " Project  Home League.kdp");
  EXPECT_EQ(ReplaceDisplayKeywords("[KDP]", Quarterbacks2012()), "  Home League.kdp");
}

TEST(DisplayKeywords, AHeadingWithoutKeywordsGetsOneLeadingBlank) {
  EXPECT_EQ(ReplaceDisplayKeywords("Pts", Quarterbacks2012()), " Pts");
  EXPECT_EQ(ReplaceDisplayKeywords("", Quarterbacks2012()), " ");
}

TEST(DisplayKeywords, MatchingIsCaseSensitive) {
  EXPECT_EQ(ReplaceDisplayKeywords("[pos] [YEAR]", Quarterbacks2012()), " [pos] [YEAR]");
}

TEST(DisplayKeywords, DateIsMonthDayYear) {
  EXPECT_EQ(ReplaceDisplayKeywords("As of [Date]", Quarterbacks2012()), " As of Dec 6, 2026");
}

TEST(DisplayKeywords, TeamKeywordsStayWithoutABoard) {
  EXPECT_EQ(ReplaceDisplayKeywords("[MockTeam] ([DraftStrategy])", Quarterbacks2012()),
            " [MockTeam] ([DraftStrategy])");
  KeywordValues v = Quarterbacks2012();
  v.teamName = "Gridiron Gang                                     ";
  v.teamStrategyFile = " Balanced.stg";
  EXPECT_EQ(ReplaceDisplayKeywords("[MockTeam] ([DraftStrategy])", v), " Gridiron Gang (Balanced.stg)");
}

TEST(DisplayKeywords, ReplacementsAreMadeInOrderSoLaterKeywordsInEarlierValuesAreReplaced) {
  KeywordValues v = Quarterbacks2012();
  v.projectFileName = "[Date].kdp";
  v.positionName = "[Year]";
  EXPECT_EQ(ReplaceDisplayKeywords("[Position] [KDP]", v), " [Year]  Dec 6, 2026.kdp");
}

TEST(DisplayKeywords, EveryOccurrenceIsReplaced) {
  EXPECT_EQ(ReplaceDisplayKeywords("[Pos][Pos] [Year]/[Year]", Quarterbacks2012()), " QBQB 2012/2012");
}

TEST(DisplayKeywords, ValuesComeFromTheOpenDatabaseAndProject) {
  kdtest::TempDir dir;
  const std::string path = kdtest::MakeTemplateDatabase(dir);
  kdtest::ExecuteSql(path, "UPDATE tblSettings SET Year = 2012;");
  clsKickwellDB db;
  ASSERT_TRUE(db.InitializeKickwellDB(path)) << db.LastError();
  basMockDraftSettings::TerminateSettings();
  ReleaseGlobalProject();
  GlobalProject().SetFileName("Home League.kdp");
  EXPECT_EQ(basDisplayKeywords::ReplaceDisplayKeywords("[Pos] - [Year] [Position][KDP]", 2, db),
            " QB - 2012 Quarterback Home League.kdp");
  EXPECT_EQ(basDisplayKeywords::ReplaceDisplayKeywords("[Pos]", 99, db), " N/A");

  clsMockDraft board;
  board.SetOwnerCount(2);
  board.SetOwnerName(2, "Gridiron Gang");
  board.SetDraftStrategyFile(2, " Balanced.stg ");
  EXPECT_EQ(
      basDisplayKeywords::ReplaceDisplayKeywords("[MockTeam] ([DraftStrategy]) [Pos]", 2, 2, db, &board),
      " Gridiron Gang (Balanced.stg) QB");
  EXPECT_EQ(basDisplayKeywords::ReplaceDisplayKeywords("[MockTeam] ([DraftStrategy])", 2, 2, db, nullptr),
            " [MockTeam] ([DraftStrategy])");
  EXPECT_THROW(basDisplayKeywords::ReplaceDisplayKeywords("[MockTeam]", 3, 2, db, &board), std::out_of_range);
  ReleaseGlobalProject();
  basMockDraftSettings::TerminateSettings();
}

}  // namespace
