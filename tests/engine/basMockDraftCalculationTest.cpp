#include <gtest/gtest.h>

#include <string>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basColourScheme.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "engine/basMockDraftCalculation.h"

namespace {

class RequiredProjectFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    basColourScheme::SetColourScheme();
    basMockDraftSettings::TerminateSettings();
    basMockItUp::InitFileTypeTable(work.Path());
    ReleaseGlobalProject();
  }
  void TearDown() override {
    ReleaseGlobalProject();
    basMockDraftSettings::TerminateSettings();
  }
  void Name(int32_t key, const std::string& name) { GlobalProject().SetValue(key, name); }

  kdtest::TempDir work;
  kdtest::ScopedFakeSeams seams;
};

TEST_F(RequiredProjectFiles, NoneNamedGivesOneMessageOfThreeLinesWhenAsked) {
  EXPECT_FALSE(basMockDraftCalculation::CheckRequiredProjectFiles(false, "Cheat Sheet Error"));
  EXPECT_TRUE(seams.messages.messages.empty());
  EXPECT_FALSE(basMockDraftCalculation::CheckRequiredProjectFiles(true, "Cheat Sheet Error"));
  ASSERT_EQ(seams.messages.messages.size(), 1u);
  const kdtest::MessageCall& call = seams.messages.messages[0];
  EXPECT_EQ(call.caption, "Cheat Sheet Error");
  EXPECT_EQ(call.text,
            " League Properties File is required.\r\n"
            "  Scoring System File is required.\r\n"
            "  Projected Stats File is required.\r\n");
  EXPECT_EQ(call.buttonSet, 2);
  EXPECT_TRUE(call.modal);
}

TEST_F(RequiredProjectFiles, FilesAreLookedUpInTheirOwnFolders) {
  Name(kProjLeaguePropertiesFile, "Ten.lgp");
  Name(kProjScoringSystemFile, "Std.sco");
  Name(kProjProjectedStatsFile, "Season.pro");
  // Right names in the wrong folders do not count.
  kdtest::WriteFile(work.File("sco/Ten.lgp"), "x");
  kdtest::WriteFile(work.File("lgp/Std.sco"), "x");
  kdtest::WriteFile(work.File("pro/Season.pro"), "x");
  std::string message;
  bool ok = true;
  basMockDraftCalculation::CheckProjectFile(kProjLeaguePropertiesFile, kPageLeagueProperties, message, ok);
  basMockDraftCalculation::CheckProjectFile(kProjScoringSystemFile, kPageScoringSystem, message, ok);
  basMockDraftCalculation::CheckProjectFile(kProjProjectedStatsFile, kPageProjectedStats, message, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(message,
            " League Properties File: Ten.lgp does not exist.\r\n"
            "  Scoring System File: Std.sco does not exist.\r\n");

  kdtest::WriteFile(work.File("lgp/Ten.lgp"), "x");
  EXPECT_FALSE(basMockDraftCalculation::CheckRequiredProjectFiles(true, "Mock Draft Error"));
  ASSERT_EQ(seams.messages.messages.size(), 1u);
  EXPECT_EQ(seams.messages.messages[0].text, " Scoring System File: Std.sco does not exist.\r\n");

  kdtest::WriteFile(work.File("sco/Std.sco"), "x");
  EXPECT_TRUE(basMockDraftCalculation::CheckRequiredProjectFiles(true, "Cheat Sheet Error"));
  EXPECT_EQ(seams.messages.messages.size(), 1u);
}

}  // namespace
