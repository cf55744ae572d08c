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

TEST(DisplayKeywords, HeadingsOfQuarterbacksIn2012) {
  KeywordValues v;
  v.year = 2012;
  v.positionAbbreviation = "QB  ";
  v.positionName = " Quarterback ";
  v.projectFileName = " Home League.kdp ";
  v.today = {2026, 12, 6, 17, 5, 9};
  const struct {
    const char* heading;
    const char* shown;
  } cases[] = {
      {"[Pos] - [Year]", " QB - 2012"},
      {"[Position]s", " Quarterbacks"},
      // The project name carries a blank of its own.
      {"Project [KDP]", " Project  Home League.kdp"},
      {"[KDP]", "  Home League.kdp"},
      {"Pts", " Pts"},
      {"", " "},
      {"[pos] [YEAR]", " [pos] [YEAR]"},
      {"As of [Date]", " As of Dec 6, 2026"},
      {"[Pos][Pos] [Year]/[Year]", " QBQB 2012/2012"},
      {"[MockTeam] ([DraftStrategy])", " [MockTeam] ([DraftStrategy])"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplaceDisplayKeywords(c.heading, v), c.shown) << c.heading;

  v.teamName = "Gridiron Gang                                     ";
  v.teamStrategyFile = " Balanced.stg";
  EXPECT_EQ(ReplaceDisplayKeywords("[MockTeam] ([DraftStrategy])", v), " Gridiron Gang (Balanced.stg)");
  // Replacements are made in order, so later keywords inside earlier values are replaced too.
  v.projectFileName = "[Date].kdp";
  v.positionName = "[Year]";
  EXPECT_EQ(ReplaceDisplayKeywords("[Position] [KDP]", v), " [Year]  Dec 6, 2026.kdp");
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
