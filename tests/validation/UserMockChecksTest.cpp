#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProjectFixture.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

using Lines = std::vector<std::string>;

std::string Padded(const std::string& name) { return name + std::string(50 - name.size(), ' '); }

class UserMockChecks : public kdtest::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    WriteStrategy("Plain.stg", {{1, 999, 0}});
    WriteStrategy("Eq.stg", {{1, 999, 3}});
  }
  clsLeagueIsolate League(const std::vector<kdtest::TeamPlan>& teams) {
    clsLeagueIsolate league;
    league.SetTeamCount(static_cast<int32_t>(teams.size()));
    for (std::size_t k = 0; k < teams.size(); ++k)
      league.SetTeamName(static_cast<int32_t>(k) + 1, teams[k].name);
    return league;
  }
  clsUserMockIsolate Loaded(const std::string& name) {
    clsUserMockIsolate ugm;
    ugm.SetFilePath(Work("ugm/"));
    ugm.SetFileName(name);
    EXPECT_TRUE(ugm.LoadUserMock());
    return ugm;
  }

  clsKickwellDB db;  // the compatibility check does not read it
};

TEST_F(UserMockChecks, MissingOrUnreadableFileIsOneError) {
  Name(kProjUserMockDraftFile, "Gone.ugm");
  clsUserMockIsolate ugm;
  EXPECT_EQ(validation.ValidateUserMock(ugm, false), 2);
  EXPECT_EQ(lines.valid, (Lines{"", " * USER GENERATED MOCK VALIDATION"}));
  EXPECT_EQ(lines.error, (Lines{"Error UGM [" + Work("ugm/Gone.ugm") + "] not found."}));
  EXPECT_TRUE(fakes.messages.captions.empty());

  kdtest::WriteFile(Work("ugm/Short.ugm"), "Vellacorn");
  Name(kProjUserMockDraftFile, "Short.ugm");
  lines = {};
  lines.Attach(validation);
  EXPECT_EQ(validation.ValidateUserMock(ugm, false), 2);
  EXPECT_EQ(lines.error, (Lines{"Error UGM not loaded."}));
}

TEST_F(UserMockChecks, SoundUserMockLoadsAndItsStrategiesAreScanned) {
  WriteUserMock("Mine.ugm", {{"Alpha", "Plain.stg"}, {"Bravo", "Plain.stg"}}, 2, {1, 2, 2, 1});
  Name(kProjUserMockDraftFile, "Mine.ugm");
  clsUserMockIsolate ugm;
  EXPECT_EQ(validation.ValidateUserMock(ugm, true), 0);
  EXPECT_EQ(lines.valid,
            (Lines{"", " * USER GENERATED MOCK VALIDATION", "UGM [" + Work("ugm/Mine.ugm") + "] found.",
                   "UGM loaded.", "UGM Draft Rounds = 2.", "UGM Draft Picks = 4.", "",
                   " * USER GENERATED MOCK DRAFT STRATEGY CONFLICTS",
                   "LGP Alpha Strategy [Plain.stg] loaded.", "LGP Bravo Strategy [Plain.stg] loaded."}));
  EXPECT_EQ(ugm.OwnerCount(), 2);
}

TEST_F(UserMockChecks, ZeroRoundsIsAnErrorAndSkipsTheConflictCheck) {
  WriteUserMock("Empty.ugm", {{"Alpha", "Eq.stg"}, {"Bravo", "Eq.stg"}}, 0, {1, 2});
  Name(kProjUserMockDraftFile, "Empty.ugm");
  clsUserMockIsolate ugm;
  EXPECT_EQ(validation.ValidateUserMock(ugm, false), 2);
  EXPECT_EQ(lines.error, (Lines{"Error UGM Draft Rounds = 0 must be > 0."}));
  EXPECT_EQ(lines.valid.back(), "UGM Draft Picks = 2.");
  EXPECT_TRUE(lines.warning.empty());
}

TEST_F(UserMockChecks, ConflictsOnTheBoardCarryTheLeaguePrefix) {
  WriteUserMock("Mine.ugm", {{"Alpha", "Eq.stg"}, {"Bravo", "Eq.stg"}}, 1, {2, 1});
  Name(kProjUserMockDraftFile, "Mine.ugm");
  clsUserMockIsolate ugm;
  EXPECT_EQ(validation.ValidateUserMock(ugm, false), 1);
  EXPECT_EQ(lines.warning, (Lines{"Warning LGP Strategy Conflict - Team [2] Pick [1] Equilibrium and Team "
                                  "[1] Pick [2] Equilibrium * Mock",
                                  "Warning LGP Strategy Conflict - Potential exists for more conflicts."}));
}

TEST_F(UserMockChecks, TeamCountsThatDifferEndTheCompatibilityCheck) {
  std::vector<kdtest::TeamPlan> teams, owners;
  for (int i = 1; i <= 12; ++i) teams.push_back({"Team " + std::to_string(i), "Plain.stg"});
  for (int i = 1; i <= 10; ++i) owners.push_back({"Team " + std::to_string(i), "Plain.stg"});
  WriteUserMock("Ten.ugm", owners, 1, {1});
  const clsUserMockIsolate ugm = Loaded("Ten.ugm");
  EXPECT_EQ(validation.CheckUserMockLeagueCompatibility(League(teams), ugm, db), 2);
  EXPECT_EQ(lines.error, (Lines{"Error UGM Team Count (LGP/UGM) = 12/10. Team Count Not Equal."}));
  EXPECT_EQ(lines.valid, (Lines{"", " * USER GENERATED MOCK AND LEAGUE PROPERTIES COMPATIBILITY"}));
}

TEST_F(UserMockChecks, NamesCompareTrimmedButWithCase) {
  WriteUserMock("Two.ugm", {{"  Alpha", "Plain.stg"}, {"bravo", "Plain.stg"}}, 1, {1, 2});
  const clsUserMockIsolate ugm = Loaded("Two.ugm");
  EXPECT_EQ(validation.CheckUserMockLeagueCompatibility(League({{"Alpha", ""}, {"Bravo", ""}}), ugm, db), 1);
  EXPECT_EQ(lines.valid,
            (Lines{"", " * USER GENERATED MOCK AND LEAGUE PROPERTIES COMPATIBILITY",
                   "UGM Team Count (LGP/UGM) = 2/2.",
                   "UGM Team Name [1] LGP [" + Padded("Alpha") + "] UGM [" + Padded("  Alpha") + "]."}));
  EXPECT_EQ(lines.warning, (Lines{"Warning UGM Team Name [2] LGP [" + Padded("Bravo") + "] UGM [" +
                                  Padded("bravo") + "]."}));
}

}  // namespace
