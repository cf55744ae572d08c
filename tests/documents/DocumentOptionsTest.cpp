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

struct FlagCase {
  const char* name;
  const char* text;
  bool expected;
};

class ProjectFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(ProjectFlags, UseColorAndGridLinesAreZeroOneOrTheDefault) {
  const DocumentOptions o = Read({{2, GetParam().text}, {12, GetParam().text}});
  EXPECT_EQ(o.useColor, GetParam().expected);
  EXPECT_EQ(o.useGridLines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ProjectFlags,
                         ::testing::Values(FlagCase{"Zero", "0", false},
                                           FlagCase{"BlankedZero", " 0 ", false}, FlagCase{"One", "1", true},
                                           FlagCase{"Two", "2", true}, FlagCase{"MinusOne", "-1", true},
                                           FlagCase{"Word", "abc", true}, FlagCase{"Empty", "", true}),
                         [](const ::testing::TestParamInfo<FlagCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(DocumentOptions, FileAndMockTypesOutsideTheirCodesFallBackToZero) {
  EXPECT_EQ(Read({{3, "2"}}).fileType, 2);
  EXPECT_EQ(Read({{3, "3"}}).fileType, 0);
  EXPECT_EQ(Read({{3, "-1"}}).fileType, 0);
  EXPECT_EQ(Read({{3, "1.4"}}).fileType, 1);
  EXPECT_EQ(Read({{3, "txt"}}).fileType, 0);
  EXPECT_EQ(Read({{15, "1"}}).mockType, 1);
  EXPECT_EQ(Read({{15, "7"}}).mockType, 0);
}

TEST(DocumentOptions, ColoursOutsideTheColourRangeFallBackToTheirDefaults) {
  const DocumentOptions ok = Read({{4, "255"}, {5, "0"}, {6, "16777215"}});
  EXPECT_EQ(ok.headingBackColor, 255);
  EXPECT_EQ(ok.rowBackColorA, 0);
  EXPECT_EQ(ok.rowBackColorB, 16777215);
  const DocumentOptions bad = Read({{4, "-2147483633"}, {5, "16777216"}, {6, "green"}});
  EXPECT_EQ(bad.headingBackColor, DocumentOptions::kDefaultHeadingBackColor);
  EXPECT_EQ(bad.rowBackColorA, DocumentOptions::kDefaultRowBackColorA);
  EXPECT_EQ(bad.rowBackColorB, DocumentOptions::kDefaultRowBackColorB);
}

TEST(DocumentOptions, AdditionalPlayersAreAWholeNumberWithinBounds) {
  EXPECT_EQ(Read({{0, "4"}}).additionalPlayers, 4);
  EXPECT_EQ(Read({{0, "-3"}}).additionalPlayers, 0);
  EXPECT_EQ(Read({{0, "1e12"}}).additionalPlayers, DocumentOptions::kMaxAdditionalPlayers);
  EXPECT_EQ(Read({{0, "ten"}}).additionalPlayers, 10);
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
  EXPECT_TRUE(o.useGridLines);
  EXPECT_EQ(o.fileType, 0);
  EXPECT_EQ(o.additionalPlayers, 10);
  EXPECT_EQ(o.headingBackColor, 12243138);
  EXPECT_EQ(o.rowBackColorA, 16777215);
  EXPECT_EQ(o.rowBackColorB, 15331820);
  EXPECT_EQ(o.projectFileName, "Home.kdp");
  EXPECT_EQ(o.summaryFiles.scoringPath, "/w/sco/PPR.sco");
  EXPECT_EQ(o.summaryFiles.leaguePath, "");
  basMockDraftSettings::TerminateSettings();
}

}  // namespace
