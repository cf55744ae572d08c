#include <gtest/gtest.h>

#include <string>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "documents/ProjectSummary.h"
#include "documents/basFlexGridHTML.h"

namespace {

using basFlexGridHTML::GetProjectSummaryTexts;
using basFlexGridHTML::ProjectSummaryTexts;

class ProjectedStatsSummary : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallProjectSummaryReaders(DefaultProjectSummaryReaders());
    path = kdtest::MakeTemplateDatabase(dir, "2024.pro");
  }
  ProjectSummaryTexts Texts() const { return GetProjectSummaryTexts({"", "", path}); }

  kdtest::TempDir dir;
  std::string path;
};

TEST_F(ProjectedStatsSummary, TheTemplateShowsItsPlaceholderStrainAndNoLinks) {
  const ProjectSummaryTexts t = Texts();
  EXPECT_EQ(t.projected, "[None-0] [0 Mods]");
  EXPECT_EQ(t.adpName, "None");
  EXPECT_EQ(t.adpLink, "");
}

TEST_F(ProjectedStatsSummary, StrainModsAndLinksOfAFilledDatabase) {
  kdtest::ExecuteSql(
      path,
      "UPDATE tblSettings SET StrainName = 'Kickwell', StrainVersion = 3, "
      "LeagueName = 'FantasyPros', StrainURL = 'strain.example/s', ADPURL = 'https://adp.example';");
  for (int master : {101, 102, 103}) {
    const int player = kdtest::AddTestPlayer(path, master, "Back" + std::to_string(master), 1, 2);
    kdtest::AddTestStat0(path, player, 250, 2024, 10, 1, master == 103 ? 0 : 1);
  }
  const ProjectSummaryTexts t = Texts();
  EXPECT_EQ(t.projected, "[Kickwell-3] [2 Mods] <a href=\"http://strain.example/s\">strain.example/s</a>");
  EXPECT_EQ(t.adpName, "FantasyPros");
  EXPECT_EQ(t.adpLink, "<a href=\"https://adp.example\">https://adp.example</a>");
}

TEST_F(ProjectedStatsSummary, ANullStrainNameEmptiesOnlyTheStrain) {
  kdtest::ExecuteSql(path, "UPDATE tblSettings SET StrainName = NULL, LeagueName = NULL;");
  const ProjectSummaryTexts t = Texts();
  EXPECT_EQ(t.projected, " [0 Mods]");
  EXPECT_EQ(t.adpName, "");
}

TEST_F(ProjectedStatsSummary, AFileWithoutTheAddressFieldsStillShowsTheRest) {
  kdtest::ExecuteSql(
      path,
      "ALTER TABLE tblSettings DROP COLUMN ADPURL; ALTER TABLE tblSettings DROP COLUMN StrainURL;"
      "UPDATE tblSettings SET StrainName = 'Kickwell', LeagueName = 'FantasyPros';");
  const ProjectSummaryTexts t = Texts();
  EXPECT_EQ(t.projected, "[Kickwell-0] [0 Mods]");
  EXPECT_EQ(t.adpName, "FantasyPros");
  EXPECT_EQ(t.adpLink, "");
}

TEST_F(ProjectedStatsSummary, ReadingLeavesTheFileAsItWas) {
  const std::string before = kdtest::ReadFile(path);
  Texts();
  EXPECT_EQ(kdtest::ReadFile(path), before);
  EXPECT_EQ(kdtest::ReadFile(path + "-journal"), "");
}

TEST_F(ProjectedStatsSummary, AMissingOrForeignFileShowsNothing) {
  kdtest::WriteFile(dir.File("foreign.pro"), std::string(4096, 'x'));
  for (const std::string& file : {dir.File("missing.pro"), dir.File("foreign.pro"), dir.Path()}) {
    const ProjectSummaryTexts t = GetProjectSummaryTexts({"", "", file});
    EXPECT_EQ(t.projected + t.adpName + t.adpLink, "") << file;
  }
}

}  // namespace
