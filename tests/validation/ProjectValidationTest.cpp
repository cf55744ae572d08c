#include <gtest/gtest.h>

#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include "ProjectFixture.h"
#include "core/clsCheatIsolate.h"

namespace {

using Lines = std::vector<std::string>;

class ProjectValidation : public kdtest::ProjectTest {
 protected:
  // Documents that pass every check but the 0-rule scoring system's warning.
  void WriteSoundProject() {
    WriteDefaultDatabase();
    WriteProjectedStats("Season.pro", 3);
    kdtest::WriteFile(Work("sco/Empty.sco"), "");
    WriteStrategy("Safe.stg", {{1, 999, 0, 0, {1}}});
    WriteLeague("Two.lgp", {{"Alpha", "Safe.stg"}, {"Bravo", "Safe.stg"}}, 2, {1, 2, 2, 1},
                {{1, 1, 0, 4, 0, 2}, {2, 2, 1, 2, 1, 1}});
    Name(kProjProjectedStatsFile, "Season.pro");
    Name(kProjScoringSystemFile, "Empty.sco");
    Name(kProjLeaguePropertiesFile, "Two.lgp");
  }
};

TEST(ValidationStatusMerge, ValidTakesAnyWarningRisesOnlyToErrorErrorStays) {
  struct Case {
    int32_t current, incoming, merged;
  };
  const Case cases[] = {
      {0, 0, 0}, {0, 1, 1}, {0, 2, 2}, {0, -1, -1},  //
      {1, 0, 1}, {1, 1, 1}, {1, 2, 2}, {1, -1, 1},   //
      {2, 0, 2}, {2, 1, 2}, {2, 2, 2},
  };
  for (const Case& c : cases) {
    int32_t status = c.current;
    clsProjectValidation::WorstStatus(status, c.incoming);
    EXPECT_EQ(status, c.merged) << c.current << " + " << c.incoming;
  }
}

TEST_F(ProjectValidation, EmptyProjectGivesThreeNoFileErrorsAndClosesTheGate) {
  WriteDefaultDatabase();
  Name(kProjUserMockDraftFile, "   ");  // blank: no user-mock lines
  EXPECT_FALSE(validation.CanCheatSheetBeCreated());
  EXPECT_EQ(validation.ErrorMessage(),
            "Error PRO no file selected.\r\n"
            "Error SCO no file selected.\r\n"
            "Error LGP no file selected.\r\n");
  EXPECT_EQ(lines.error, (Lines{"Error PRO no file selected.", "Error SCO no file selected.",
                                "Error LGP no file selected."}));
  EXPECT_EQ(lines.valid, (Lines{"Project Spring.kdp VALIDATION", "", " * PROJECTED STATS VALIDATION", "",
                                " * SCORING SYSTEM VALIDATION", "", " * LEAGUE PROPERTIES VALIDATION"}));
  EXPECT_TRUE(lines.warning.empty());
  EXPECT_EQ(fakes.yield.count, 1);
  EXPECT_TRUE(fakes.messages.captions.empty());

  // A window run adds the conflict heading; lines and the error message
  // are appended to those of the first run.
  const std::size_t firstValid = lines.valid.size();
  EXPECT_EQ(validation.ValidateProject(true, false, false), 2);
  EXPECT_EQ(lines.valid.size(), 2 * firstValid + 2);
  EXPECT_EQ(Lines(lines.valid.end() - 2, lines.valid.end()),
            (Lines{"", " * LEAGUE PROPERTIES DRAFT STRATEGY CONFLICTS"}));
  EXPECT_EQ(lines.error.size(), 6u);
  EXPECT_EQ(validation.ErrorMessage(),
            "Error PRO no file selected.\r\nError SCO no file selected.\r\nError LGP no file selected.\r\n"
            "Error PRO no file selected.\r\nError SCO no file selected.\r\nError LGP no file selected.\r\n");
}

TEST_F(ProjectValidation, HeadingNamesTheProjectAndTheMoment) {
  WriteDefaultDatabase();
  validation.ValidateProject(false, false, false);
  const std::string& heading = validation.FileHeading();
  const std::string start = "Kickwell Draftyard Project Validation [Spring.kdp] ";
  ASSERT_EQ(heading.size(), start.size() + 19);
  EXPECT_EQ(heading.substr(0, start.size()), start);
  std::string stamp = heading.substr(start.size());
  for (char& c : stamp) c = std::isdigit(static_cast<unsigned char>(c)) ? '9' : c;
  EXPECT_EQ(stamp, "9999/99/99 99:99:99");
}

TEST_F(ProjectValidation, WithoutTheDefaultDatabaseTheRunStopsAfterTheProjectedStats) {
  EXPECT_EQ(validation.ValidateProject(true, false, false), 2);
  EXPECT_EQ(lines.error,
            (Lines{"Error PRO no file selected.",
                   "Error Default Projected Stats File " + Work("def/Default.pro") + " Unable To Open."}));
  EXPECT_EQ(lines.valid.back(), " * PROJECTED STATS VALIDATION");
  EXPECT_TRUE(fakes.messages.captions.empty());  // no "File Not Found" box
}

TEST_F(ProjectValidation, WarningsOnlyLetTheCheatSheetThroughAndSkipLeagueLeavesTheLeagueOut) {
  WriteSoundProject();
  EXPECT_EQ(validation.ValidateProject(false, false, false), 1);
  EXPECT_EQ(lines.warning, (Lines{"Warning SCO 0 scoring rules."}));
  EXPECT_TRUE(lines.error.empty());

  clsProjectValidation gate;
  EXPECT_TRUE(gate.CanCheatSheetBeCreated());
  EXPECT_EQ(gate.ErrorMessage(), "");

  lines = {};
  lines.Attach(validation);
  EXPECT_EQ(validation.ValidateProject(false, false, true), 1);
  for (const std::string& line : lines.valid) EXPECT_EQ(line.rfind("LGP", 0), std::string::npos) << line;
}

TEST_F(ProjectValidation, ProjectedStatsWithoutPlayersGiveWayToTheDefaultFile) {
  WriteSoundProject();
  WriteProjectedStats("Bare.pro", 0);
  Name(kProjProjectedStatsFile, "Bare.pro");
  EXPECT_EQ(validation.ValidateProject(false, false, false), 2);
  EXPECT_EQ(lines.error, (Lines{"Error PRO Player Count = 0."}));
  // The later checks still ran, on the default file.
  EXPECT_EQ(lines.warning, (Lines{"Warning SCO 0 scoring rules."}));
  EXPECT_EQ(lines.valid.back(), "LGP All Roster Max = 4.");
}

TEST_F(ProjectValidation, LinesAreRecordedInTheErrorMessageEvenWithoutLists) {
  WriteDefaultDatabase();
  clsProjectValidation bare;
  EXPECT_EQ(bare.ValidateProject(false, false, false), 2);
  EXPECT_EQ(bare.ErrorMessage(),
            "Error PRO no file selected.\r\nError SCO no file selected.\r\nError LGP no file selected.\r\n");
  EXPECT_TRUE(lines.error.empty());
}

TEST_F(ProjectValidation, FileDescriptionsNameFolderAndProjectValue) {
  Name(kProjLeaguePropertiesFile, "Ten.lgp");
  EXPECT_EQ(validation.FileDesc(3, kProjLeaguePropertiesFile),
            "League Properties File [" + Work("lgp/Ten.lgp]"));
  EXPECT_EQ(validation.FileDesc(9, kProjUserMockDraftFile),
            "User Generated Mock Draft File [" + Work("ugm/]"));
  EXPECT_THROW(validation.FileDesc(15, kProjLeaguePropertiesFile), std::out_of_range);
  EXPECT_THROW(validation.FileDesc(-1, kProjLeaguePropertiesFile), std::out_of_range);
  EXPECT_EQ(validation.StrategyFiles(), "");
}

TEST_F(ProjectValidation, ModularValidationGivesOneStatusPerFile) {
  WriteSoundProject();
  WriteUserMock("Mine.ugm", {{"Alpha", "Safe.stg"}, {"Bravo", "Safe.stg"}}, 2, {1, 2, 2, 1});
  Name(kProjUserMockDraftFile, "Mine.ugm");
  int32_t league = -9, scoring = -9, projected = -9, userMock = -9;
  EXPECT_TRUE(validation.ModularValidation(league, scoring, projected, userMock));
  EXPECT_EQ(projected, 0);
  EXPECT_EQ(scoring, 1);
  EXPECT_EQ(league, 0);
  EXPECT_EQ(userMock, 0);
  EXPECT_EQ(lines.valid.front(), "");  // no project line
  EXPECT_EQ(validation.FileHeading(), "");
  EXPECT_EQ(lines.valid.back(), "UGM Team Name [2] LGP [Bravo" + std::string(45, ' ') + "] UGM [Bravo" +
                                    std::string(45, ' ') + "].");
}

TEST_F(ProjectValidation, ModularValidationReportsAnUnnamedUserMockAsErrorWithoutALine) {
  WriteSoundProject();
  int32_t league = 0, scoring = 0, projected = 0, userMock = 0;
  validation.ModularValidation(league, scoring, projected, userMock);
  EXPECT_EQ(userMock, 2);
  EXPECT_TRUE(lines.error.empty());
  for (const std::string& line : lines.valid) EXPECT_EQ(line.find("UGM"), std::string::npos) << line;
}

TEST_F(ProjectValidation, ModularValidationChecksTheUserMockWithMockSeverity) {
  WriteSoundProject();
  WriteStrategy("Look.stg", {{1, 999, 3, 0, {1}}});
  WriteUserMock("Mine.ugm", {{"Alpha", "Look.stg"}, {"Bravo", "Look.stg"}}, 1, {1, 2});
  Name(kProjUserMockDraftFile, "Mine.ugm");
  int32_t league = 0, scoring = 0, projected = 0, userMock = 0;
  validation.ModularValidation(league, scoring, projected, userMock);
  EXPECT_EQ(userMock, 2);
  EXPECT_EQ(lines.error,
            (Lines{"Error LGP Strategy Conflict - Team [1] Pick [1] Equilibrium and Team [2] Pick [2] "
                   "Equilibrium * Mock",
                   "Error LGP Strategy Conflict - Potential exists for more conflicts."}));
}

// A user mock of another team count: the Files tab shows "Error" for it, and
// the full run (the validation window and its report) lists why.
TEST_F(ProjectValidation, TheFullRunListsTheUserMocksMismatchThatTheFilesTabReports) {
  WriteSoundProject();
  WriteUserMock("Three.ugm", {{"Alpha", "Safe.stg"}, {"Bravo", "Safe.stg"}, {"Charlie", "Safe.stg"}}, 1,
                {1, 2, 3});
  Name(kProjUserMockDraftFile, "Three.ugm");
  int32_t league = 0, scoring = 0, projected = 0, userMock = 0;
  validation.ModularValidation(league, scoring, projected, userMock);
  EXPECT_EQ(userMock, 2);

  clsProjectValidation window;
  kdtest::ValidationLines shown;
  shown.Attach(window);
  window.ValidateProject(true, false, false);
  EXPECT_EQ(shown.error, (Lines{"Error UGM Team Count (LGP/UGM) = 2/3. Team Count Not Equal."}));
}

}  // namespace
