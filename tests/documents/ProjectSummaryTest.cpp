#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "LeagueFixtures.h"
#include "TempDir.h"
#include "documents/DocumentFile.h"
#include "documents/ProjectSummary.h"
#include "documents/basFlexGridHTML.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"

namespace {

using namespace basFlexGridHTML;

// Each test starts without readers and leaves the defaults behind.
class ProjectSummary : public ::testing::Test {
 protected:
  void SetUp() override { InstallProjectSummaryReaders({}); }
  void TearDown() override { InstallProjectSummaryReaders(DefaultProjectSummaryReaders()); }
};

ProjectSummaryValues FullValues() {
  ProjectSummaryValues v;
  v.teamCount = 12;
  v.draftRounds = 16;
  v.scoringRuleCount = 25;
  v.hasSettingsRow = true;
  v.strainName = "Kickwell";
  v.strainVersion = "3";
  v.leagueName = "FantasyPros";
  v.adpUrl = " www.adp.example/x?a=1&b=2 ";
  v.strainUrl = "https://strain.example/s";
  v.modsCount = 4;
  return v;
}

DocumentOptions Project() {
  DocumentOptions o;
  o.projectFileName = "My League.kdp";
  o.leagueFile = "Home & Away.lgp";
  o.scoringFile = "PPR.sco";
  o.projectedFile = "2024.pro";
  return o;
}

TEST_F(ProjectSummary, TableOfAFullyReadableProject) {
  DocumentFile file;
  WriteProjectSummary(file, "Cheat Sheet Document", Project(), SummaryTextsFromValues(FullValues()));
  EXPECT_EQ(file.Bytes(),
            "<br/><table class=\"vctbl\">\r\n"
            "<tr><th colspan=3 align=left>Kickwell Draftyard Project My League.kdp - Cheat Sheet Document"
            "</th></tr>\r\n"
            "<tr><td>League Properties</td><td>Home &amp; Away.lgp</td><td>[12 Teams] [16 Draft Rounds] "
            "</td></tr>\r\n"
            "<tr><td>Scoring System</td><td>PPR.sco</td><td>[25 Scoring Rules]</td></tr>\r\n"
            "<tr><td>Projected Stats</td><td>2024.pro</td><td>[Kickwell-3] [4 Mods] "
            "<a href=\"https://strain.example/s\">https://strain.example/s</a></td></tr>\r\n"
            "<tr><td>ADP Data</td><td>FantasyPros</td><td><a href=\"http://www.adp.example/x?a=1&amp;b=2\">"
            " www.adp.example/x?a=1&amp;b=2 </a></td></tr>\r\n"
            "</table>\r\n");
}

TEST_F(ProjectSummary, NothingReadableLeavesOnlyTheFileNames) {
  DocumentFile file;
  WriteProjectSummary(file, "Mock Draft Document", Project(), SummaryTextsFromValues({}));
  EXPECT_EQ(file.Bytes(),
            "<br/><table class=\"vctbl\">\r\n"
            "<tr><th colspan=3 align=left>Kickwell Draftyard Project My League.kdp - Mock Draft Document"
            "</th></tr>\r\n"
            "<tr><td>League Properties</td><td>Home &amp; Away.lgp</td><td></td></tr>\r\n"
            "<tr><td>Scoring System</td><td>PPR.sco</td><td></td></tr>\r\n"
            "<tr><td>Projected Stats</td><td>2024.pro</td><td></td></tr>\r\n"
            "<tr><td>ADP Data</td><td></td><td></td></tr>\r\n"
            "</table>\r\n");
}

TEST_F(ProjectSummary, AnUnreadableOrEmptyScoringFileShowsNoRuleCount) {
  ProjectSummaryValues v;
  EXPECT_EQ(SummaryTextsFromValues(v).scoring, "");
  v.scoringRuleCount = 0;
  EXPECT_EQ(SummaryTextsFromValues(v).scoring, "");
  v.scoringRuleCount = 1;
  EXPECT_EQ(SummaryTextsFromValues(v).scoring, "[1 Scoring Rules]");
}

TEST_F(ProjectSummary, AddressesThatAreNoneBlankOrNullGiveNoLink) {
  for (const char* none : {"None", "   ", "", " None "}) {
    ProjectSummaryValues v = FullValues();
    v.adpUrl = none;
    v.strainUrl = none;
    const ProjectSummaryTexts t = SummaryTextsFromValues(v);
    EXPECT_EQ(t.adpLink, "") << none;
    EXPECT_EQ(t.projected, "[Kickwell-3] [4 Mods]") << none;
  }
  ProjectSummaryValues v = FullValues();
  v.adpUrl.reset();
  EXPECT_EQ(SummaryTextsFromValues(v).adpLink, "");
}

TEST_F(ProjectSummary, OnlyAnAddressWithoutASchemeGetsHttp) {
  ProjectSummaryValues v = FullValues();
  v.adpUrl = "HTTPS://adp.example";
  EXPECT_EQ(SummaryTextsFromValues(v).adpLink, "<a href=\"HTTPS://adp.example\">HTTPS://adp.example</a>");
  v.adpUrl = "ftp://adp.example/file";
  EXPECT_EQ(SummaryTextsFromValues(v).adpLink,
            "<a href=\"ftp://adp.example/file\">ftp://adp.example/file</a>");
  v.adpUrl = "adp.example:8080/x";
  EXPECT_EQ(SummaryTextsFromValues(v).adpLink,
            "<a href=\"http://adp.example:8080/x\">adp.example:8080/x</a>");
  v.adpUrl = "\"><script>";
  EXPECT_EQ(SummaryTextsFromValues(v).adpLink,
            "<a href=\"http://&quot;&gt;&lt;script&gt;\">&quot;&gt;&lt;script&gt;</a>");
}

TEST_F(ProjectSummary, ANullStrainFieldEmptiesTheStrainButKeepsTheModsCount) {
  ProjectSummaryValues v = FullValues();
  v.strainVersion.reset();
  v.strainUrl = "None";
  v.modsCount = 2;
  EXPECT_EQ(SummaryTextsFromValues(v).projected, " [2 Mods]");
  v.leagueName.reset();
  EXPECT_EQ(SummaryTextsFromValues(v).adpName, "");
}

TEST_F(ProjectSummary, TheStrainLinkFollowsOnlyTheModsCount) {
  ProjectSummaryValues v = FullValues();
  v.modsCount.reset();
  EXPECT_EQ(SummaryTextsFromValues(v).projected, "[Kickwell-3]");
}

TEST_F(ProjectSummary, DatabaseTextsAreEscaped) {
  ProjectSummaryValues v = FullValues();
  v.strainName = "A&B";
  v.leagueName = "<ADP>";
  const ProjectSummaryTexts t = SummaryTextsFromValues(v);
  EXPECT_EQ(t.projected.substr(0, 12), "[A&amp;B-3] ");
  EXPECT_EQ(t.adpName, "&lt;ADP&gt;");
}

TEST_F(ProjectSummary, ReadersRunOnlyForNamedFilesAndFailuresStayLocal) {
  std::vector<std::string> asked;
  ProjectSummaryReaders readers;
  readers.league = [&](const std::string& path, int32_t&, int32_t&) -> bool {
    asked.push_back(path);
    throw std::runtime_error("damaged");
  };
  readers.scoring = [&](const std::string& path) {
    asked.push_back(path);
    return 7;
  };
  readers.projectedStats = [&](const std::string& path, ProjectSummaryValues& v) {
    asked.push_back(path);
    v.hasSettingsRow = true;
    v.strainName = "S";
    throw std::runtime_error("no tblStat0");
  };
  InstallProjectSummaryReaders(readers);

  const ProjectSummaryValues v = ReadProjectSummaryValues({"", "/w/sco/a.sco", "/w/pro/a.pro"});
  EXPECT_EQ(asked, (std::vector<std::string>{"/w/sco/a.sco", "/w/pro/a.pro"}));
  EXPECT_FALSE(v.teamCount);
  EXPECT_EQ(v.scoringRuleCount, 7);
  EXPECT_TRUE(v.hasSettingsRow);
  EXPECT_EQ(v.strainName, "S") << "what was read before the failure counts";
  EXPECT_FALSE(v.modsCount);
}

TEST_F(ProjectSummary, AScoringReaderThatCannotReadLeavesTheCountUnset) {
  ProjectSummaryReaders readers;
  readers.scoring = [](const std::string&) { return -1; };
  readers.league = [](const std::string&, int32_t& teams, int32_t& rounds) {
    teams = 10;
    rounds = 15;
    return true;
  };
  InstallProjectSummaryReaders(readers);
  const ProjectSummaryTexts t = GetProjectSummaryTexts({"/l.lgp", "/s.sco", ""});
  EXPECT_EQ(t.league, "[10 Teams] [15 Draft Rounds] ");
  EXPECT_EQ(t.scoring, "");
}

TEST_F(ProjectSummary, WithNoReadersInstalledNothingIsRead) {
  const ProjectSummaryValues v = ReadProjectSummaryValues({"/l.lgp", "/s.sco", "/p.pro"});
  EXPECT_FALSE(v.teamCount);
  EXPECT_FALSE(v.scoringRuleCount);
  EXPECT_FALSE(v.hasSettingsRow);
}

TEST_F(ProjectSummary, TheScoringFileIsCountedByItsOwnReader) {
  kdtest::TempDir dir;
  clsScoringIsolate scoring;
  for (int i = 0; i < 3; ++i) scoring.AddNew();
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir.File("PPR.sco"), scoring));
  InstallProjectSummaryReaders(DefaultProjectSummaryReaders());
  EXPECT_EQ(GetProjectSummaryTexts({"", dir.File("PPR.sco"), ""}).scoring, "[3 Scoring Rules]");
}

TEST_F(ProjectSummary, AMissingOrUnreadableScoringFileIsSilentAndShowsNoCount) {
  kdtest::ScopedFakeSeams seams;
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("folder.sco/x"), "");  // a folder where the file should be
  kdtest::WriteFile(dir.File("short.sco"), "12345");
  InstallProjectSummaryReaders(DefaultProjectSummaryReaders());
  for (const char* name : {"missing.sco", "folder.sco", "short.sco"}) {
    EXPECT_EQ(GetProjectSummaryTexts({"", dir.File(name), ""}).scoring, "") << name;
  }
  EXPECT_TRUE(seams.messages.captions.empty());
}

TEST_F(ProjectSummary, TheLeagueFileGivesTeamsAndRoundsAndAnUnreadableOneIsSilent) {
  kdtest::ScopedFakeSeams seams;
  kdtest::TempDir dir;
  using namespace kdtest::lgp;
  std::string teams;
  for (int i = 1; i <= 12; ++i) teams += Team(i, "Team " + std::to_string(i), "");
  kdtest::WriteFile(dir.File("Home.lgp"), LeagueHeader(12, 0, 0, 0, 16, 0, 0, 0) + teams);
  kdtest::WriteFile(dir.File("corrupt.lgp"), LeagueHeader(300, 0, 0, -1, 16, 0, 0, 0));
  kdtest::WriteFile(dir.File("short.lgp"), LeagueHeader(12, 0, 0, 0, 16, 0, 0, 0) + teams.substr(1));
  kdtest::WriteFile(dir.File("folder.lgp/x"), "");
  InstallProjectSummaryReaders(DefaultProjectSummaryReaders());

  EXPECT_EQ(GetProjectSummaryTexts({dir.File("Home.lgp"), "", ""}).league, "[12 Teams] [16 Draft Rounds] ");
  for (const char* name : {"corrupt.lgp", "short.lgp", "missing.lgp", "folder.lgp"}) {
    EXPECT_EQ(GetProjectSummaryTexts({dir.File(name), "", ""}).league, "") << name;
  }
  EXPECT_TRUE(seams.messages.captions.empty());
}

}  // namespace
