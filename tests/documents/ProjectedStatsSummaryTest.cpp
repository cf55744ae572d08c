#include <gtest/gtest.h>

#include <string>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "documents/ProjectSummary.h"
#include "documents/basFlexGridHTML.h"

namespace {

using basFlexGridHTML::GetProjectSummaryTexts;
using basFlexGridHTML::ProjectSummaryTexts;

TEST(ProjectedStatsSummary, StrainModsAndLinksOfTheDatabase) {
  InstallProjectSummaryReaders(DefaultProjectSummaryReaders());
  const struct {
    const char* sql;
    const char* projected;
    const char* adpName;
  } cases[] = {
      {"", "[None-0] [0 Mods]", "None"},
      // A null strain name empties only the strain.
      {"UPDATE tblSettings SET StrainName = NULL, LeagueName = NULL;", " [0 Mods]", ""},
      // A file without the address fields still shows the rest.
      {"ALTER TABLE tblSettings DROP COLUMN ADPURL; ALTER TABLE tblSettings DROP COLUMN StrainURL;"
       "UPDATE tblSettings SET StrainName = 'Kickwell', LeagueName = 'FantasyPros';",
       "[Kickwell-0] [0 Mods]", "FantasyPros"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sql);
    kdtest::TempDir dir;
    const std::string path = kdtest::MakeTemplateDatabase(dir, "2024.pro");
    kdtest::ExecuteSql(path, c.sql);
    const std::string before = kdtest::ReadFile(path);
    const ProjectSummaryTexts t = GetProjectSummaryTexts({"", "", path});
    EXPECT_EQ(t.projected, c.projected);
    EXPECT_EQ(t.adpName, c.adpName);
    EXPECT_EQ(t.adpLink, "");
    EXPECT_EQ(kdtest::ReadFile(path), before) << "reading leaves the file as it was";
    EXPECT_EQ(kdtest::ReadFile(path + "-journal"), "");
  }

  kdtest::TempDir dir;
  const std::string path = kdtest::MakeTemplateDatabase(dir, "2024.pro");
  kdtest::ExecuteSql(
      path,
      "UPDATE tblSettings SET StrainName = 'Kickwell', StrainVersion = 3, "
      "LeagueName = 'FantasyPros', StrainURL = 'strain.example/s', ADPURL = 'https://adp.example';");
  for (int master : {101, 102, 103}) {
    const int player = kdtest::AddTestPlayer(path, master, "Back" + std::to_string(master), 1, 2);
    kdtest::AddTestStat0(path, player, 250, 2024, 10, 1, master == 103 ? 0 : 1);
  }
  const ProjectSummaryTexts t = GetProjectSummaryTexts({"", "", path});
  EXPECT_EQ(t.projected, "[Kickwell-3] [2 Mods] <a href=\"http://strain.example/s\">strain.example/s</a>");
  EXPECT_EQ(t.adpName, "FantasyPros");
  EXPECT_EQ(t.adpLink, "<a href=\"https://adp.example\">https://adp.example</a>");

  kdtest::WriteFile(dir.File("foreign.pro"), std::string(4096, 'x'));
  for (const std::string& file : {dir.File("missing.pro"), dir.File("foreign.pro"), dir.Path()}) {
    const ProjectSummaryTexts none = GetProjectSummaryTexts({"", "", file});
    EXPECT_EQ(none.projected + none.adpName + none.adpLink, "") << file;
  }
}

}  // namespace
