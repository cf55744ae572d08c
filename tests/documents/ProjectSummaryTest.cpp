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

TEST_F(ProjectSummary, TablesOfAFullyReadableAndOfAnUnreadableProject) {
  DocumentOptions o;
  o.projectFileName = "My League.kdp";
  o.leagueFile = "Home & Away.lgp";
  o.scoringFile = "PPR.sco";
  o.projectedFile = "2024.pro";
  DocumentFile full;
  WriteProjectSummary(full, "Cheat Sheet Document", o, SummaryTextsFromValues(FullValues()));
  EXPECT_EQ(full.Bytes(),
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
  DocumentFile none;
  WriteProjectSummary(none, "Mock Draft Document", o, SummaryTextsFromValues({}));
  EXPECT_EQ(none.Bytes(),
            "<br/><table class=\"vctbl\">\r\n"
            "<tr><th colspan=3 align=left>Kickwell Draftyard Project My League.kdp - Mock Draft Document"
            "</th></tr>\r\n"
            "<tr><td>League Properties</td><td>Home &amp; Away.lgp</td><td></td></tr>\r\n"
            "<tr><td>Scoring System</td><td>PPR.sco</td><td></td></tr>\r\n"
            "<tr><td>Projected Stats</td><td>2024.pro</td><td></td></tr>\r\n"
            "<tr><td>ADP Data</td><td></td><td></td></tr>\r\n"
            "</table>\r\n");
}

TEST_F(ProjectSummary, TextsOfPartlyReadableValues) {
  ProjectSummaryValues v;
  EXPECT_EQ(SummaryTextsFromValues(v).scoring, "");
  v.scoringRuleCount = 0;
  EXPECT_EQ(SummaryTextsFromValues(v).scoring, "") << "an empty scoring file shows no count";
  v.scoringRuleCount = 1;
  EXPECT_EQ(SummaryTextsFromValues(v).scoring, "[1 Scoring Rules]");

  // Addresses that are "None", blank or null give no link.
  for (const char* none : {"None", "   ", "", " None "}) {
    v = FullValues();
    v.adpUrl = none;
    v.strainUrl = none;
    const ProjectSummaryTexts t = SummaryTextsFromValues(v);
    EXPECT_EQ(t.adpLink, "") << none;
    EXPECT_EQ(t.projected, "[Kickwell-3] [4 Mods]") << none;
  }
  v.adpUrl.reset();
  EXPECT_EQ(SummaryTextsFromValues(v).adpLink, "");

  // Only an address without a scheme gets http; every address is escaped;
  // only web addresses become links.
  const std::pair<const char*, const char*> links[] = {
      {"HTTPS://adp.example", "<a href=\"HTTPS://adp.example\">HTTPS://adp.example</a>"},
      {"ftp://adp.example/file", "ftp://adp.example/file"},
      {"javascript://%0Aalert(1)", "javascript://%0Aalert(1)"},
      {"file:///etc/passwd", "file:///etc/passwd"},
      {"data://text/html,<script>", "data://text/html,&lt;script&gt;"},
      {"adp.example:8080/x", "<a href=\"http://adp.example:8080/x\">adp.example:8080/x</a>"},
      {"\"><script>", "<a href=\"http://&quot;&gt;&lt;script&gt;\">&quot;&gt;&lt;script&gt;</a>"}};
  for (const auto& [url, link] : links) {
    v.adpUrl = url;
    EXPECT_EQ(SummaryTextsFromValues(v).adpLink, link);
  }

  // A null strain field empties the strain but keeps the mods count; the
  // strain link follows only the mods count.
  v = FullValues();
  v.strainVersion.reset();
  v.strainUrl = "None";
  v.modsCount = 2;
  EXPECT_EQ(SummaryTextsFromValues(v).projected, " [2 Mods]");
  v.leagueName.reset();
  EXPECT_EQ(SummaryTextsFromValues(v).adpName, "");
  v = FullValues();
  v.modsCount.reset();
  EXPECT_EQ(SummaryTextsFromValues(v).projected, "[Kickwell-3]");

  v = FullValues();
  v.strainName = "A&B";
  v.leagueName = "<ADP>";
  const ProjectSummaryTexts t = SummaryTextsFromValues(v);
  EXPECT_EQ(t.projected.substr(0, 12), "[A&amp;B-3] ");
  EXPECT_EQ(t.adpName, "&lt;ADP&gt;");
}

TEST_F(ProjectSummary, ReadersRunOnlyForNamedFilesAndFailuresStayLocal) {
  const ProjectSummaryValues unread = ReadProjectSummaryValues({"/l.lgp", "/s.sco", "/p.pro"});
  EXPECT_FALSE(unread.teamCount || unread.scoringRuleCount || unread.hasSettingsRow)
      << "no readers installed";
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

  // A scoring reader that cannot read leaves the count unset.
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

TEST_F(ProjectSummary, TheDefaultReadersCountScoringAndLeagueFilesAndAreSilentAboutBadOnes) {
  kdtest::ScopedFakeSeams seams;
  kdtest::TempDir dir;
  clsScoringIsolate scoring;
  for (int i = 0; i < 3; ++i) scoring.AddNew();
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(dir.File("PPR.sco"), scoring));
  using namespace kdtest::lgp;
  std::string teams;
  for (int i = 1; i <= 12; ++i) teams += Team(i, "Team " + std::to_string(i), "");
  kdtest::WriteFile(dir.File("Home.lgp"), LeagueHeader(12, 0, 0, 0, 16, 0, 0, 0) + teams);
  kdtest::WriteFile(dir.File("corrupt.lgp"), LeagueHeader(300, 0, 0, -1, 16, 0, 0, 0));
  kdtest::WriteFile(dir.File("short.lgp"), LeagueHeader(12, 0, 0, 0, 16, 0, 0, 0) + teams.substr(1));
  kdtest::WriteFile(dir.File("short.sco"), "12345");
  for (const char* folder : {"folder.sco/x", "folder.lgp/x"}) kdtest::WriteFile(dir.File(folder), "");
  InstallProjectSummaryReaders(DefaultProjectSummaryReaders());

  EXPECT_EQ(GetProjectSummaryTexts({"", dir.File("PPR.sco"), ""}).scoring, "[3 Scoring Rules]");
  EXPECT_EQ(GetProjectSummaryTexts({dir.File("Home.lgp"), "", ""}).league, "[12 Teams] [16 Draft Rounds] ");
  for (const char* name : {"missing.sco", "folder.sco", "short.sco"}) {
    EXPECT_EQ(GetProjectSummaryTexts({"", dir.File(name), ""}).scoring, "") << name;
  }
  for (const char* name : {"corrupt.lgp", "short.lgp", "missing.lgp", "folder.lgp"}) {
    EXPECT_EQ(GetProjectSummaryTexts({dir.File(name), "", ""}).league, "") << name;
  }
  EXPECT_TRUE(seams.messages.captions.empty());
}

}  // namespace
