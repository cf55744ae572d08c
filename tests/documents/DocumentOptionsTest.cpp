#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "documents/DocumentOptions.h"

namespace {

DocumentOptions Read(const std::map<int32_t, std::string>& entries, const std::string& name = "P.kdp") {
  return ReadDocumentOptions(
      [&](int32_t index) {
        auto it = entries.find(index);
        return it == entries.end() ? std::string() : it->second;
      },
      name, [](int32_t pageCode) { return "/work/" + std::to_string(pageCode) + "/"; });
}

TEST(DocumentOptions, UseColorAndGridLinesAreOffOnlyForZero) {
  for (const auto& [text, expected] : {std::pair<const char*, bool>{"0", false},
                                       {" 0 ", false},
                                       {"1", true},
                                       {"2", true},
                                       {"-1", true},
                                       {"abc", true},
                                       {"", true}}) {
    const DocumentOptions o = Read({{2, text}, {12, text}});
    EXPECT_EQ(o.useColor, expected) << text;
    EXPECT_EQ(o.useGridLines, expected) << text;
  }
}

TEST(DocumentOptions, NumbersOutsideTheirBoundsFallBack) {
  EXPECT_EQ(Read({{3, "2"}}).fileType, 2);
  EXPECT_EQ(Read({{3, "3"}}).fileType, 0);
  EXPECT_EQ(Read({{3, "-1"}}).fileType, 0);
  EXPECT_EQ(Read({{3, "1.4"}}).fileType, 1);
  EXPECT_EQ(Read({{3, "txt"}}).fileType, 0);
  EXPECT_EQ(Read({{15, "1"}}).mockType, 1);
  EXPECT_EQ(Read({{15, "7"}}).mockType, 0);
  EXPECT_EQ(Read({{0, "4"}}).additionalPlayers, 4);
  EXPECT_EQ(Read({{0, "-3"}}).additionalPlayers, 0);
  EXPECT_EQ(Read({{0, "1e12"}}).additionalPlayers, DocumentOptions::kMaxAdditionalPlayers);
  EXPECT_EQ(Read({{0, "ten"}}).additionalPlayers, 10);

  const DocumentOptions ok = Read({{4, "255"}, {5, "0"}, {6, "16777215"}});
  EXPECT_EQ(ok.headingBackColor, 255);
  EXPECT_EQ(ok.rowBackColorA, 0);
  EXPECT_EQ(ok.rowBackColorB, 16777215);
  const DocumentOptions bad = Read({{4, "-2147483633"}, {5, "16777216"}, {6, "green"}});
  EXPECT_EQ(bad.headingBackColor, DocumentOptions::kDefaultHeadingBackColor);
  EXPECT_EQ(bad.rowBackColorA, DocumentOptions::kDefaultRowBackColorA);
  EXPECT_EQ(bad.rowBackColorB, DocumentOptions::kDefaultRowBackColorB);
}

TEST(DocumentOptions, SummaryPathsJoinTheFoldersOfTheNamedFiles) {
  const DocumentOptions o = Read({{7, "a.lgp"}, {9, "b.pro"}}, "Mine.kdp");
  EXPECT_EQ(o.summaryFiles.leaguePath, "/work/3/a.lgp");
  EXPECT_EQ(o.summaryFiles.scoringPath, "");
  EXPECT_EQ(o.summaryFiles.projectedPath, "/work/1/b.pro");
  EXPECT_EQ(o.leagueFile, "a.lgp");
  EXPECT_EQ(o.projectFileName, "Mine.kdp");
}

TEST(DocumentOptions, ANewProjectReadsItsOwnDefaultsAndFindsFilesInTheWorkFolders) {
  basMockDraftSettings::TerminateSettings();
  basMockItUp::InitFileTypeTable("/w/");
  clsCheatIsolate project;
  project.SetFileName("Home.kdp");
  project.SetValue(kProjScoringSystemFile, "PPR.sco");
  const DocumentOptions o = ReadDocumentOptions(project);
  EXPECT_TRUE(o.useColor);
  EXPECT_EQ(o.additionalPlayers, 10);
  EXPECT_EQ(o.headingBackColor, 12243138);
  EXPECT_EQ(o.rowBackColorB, 15331820);
  EXPECT_EQ(o.projectFileName, "Home.kdp");
  EXPECT_EQ(o.summaryFiles.scoringPath, "/w/sco/PPR.sco");
  EXPECT_EQ(o.summaryFiles.leaguePath, "");
  basMockDraftSettings::TerminateSettings();
}

}  // namespace
