#include <gtest/gtest.h>

#include <cmath>

#include "FakeSeams.h"
#include "core/IDBAS_CommonDialog.h"
#include "core/basStatistics.h"
#include "core/basStringDelimiter_001.h"

using basStringDelimiter_001::SplitAtDelimiter;
using namespace IDBAS_CommonDialog;

TEST(SplitAtDelimiter, SplitsAtTheChosenEndKeepingTheDelimiterWhereAsked) {
  const struct {
    const char* text;
    const char* delimiter;
    int16_t compare, side, include;
    const char* left;
    const char* right;
  } cases[] = {
      {"C:/a/b.txt", "/", 0, -1, 0, "C:/a", "b.txt"},   {"C:/a/b.txt", "/", 0, -1, 3, "C:/a/", "/b.txt"},
      {"C:/a/b.txt", "/", 0, -1, 1, "C:/a", "/b.txt"},  {"C:/a/b.txt", "/", 0, -1, 2, "C:/a/", "b.txt"},
      {"1,2,3", ",", 0, 1, 0, "1", "2,3"},              {",x", ",", 0, 1, 0, "", "x"},
      {"x,", ",", 0, 1, 0, "x", ""},                    {"aXYbxyc", "xy", 1, -1, 0, "aXYb", "c"},
      {"aXYbxyc", "XY", 0, -1, 0, "a", "bxyc"},         {"--", "--", 0, 1, 3, "--", "--"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " at " + c.delimiter + " include " + std::to_string(c.include));
    std::string left = "?";
    std::string right = "?";
    ASSERT_TRUE(SplitAtDelimiter(c.text, left, right, c.delimiter, c.compare, c.side, c.include));
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(right, c.right);
  }
}

TEST(SplitAtDelimiter, NotFoundLeavesBothPartsAlone) {
  kdtest::ScopedFakeSeams fakes;
  std::string left = "L";
  std::string right = "R";
  EXPECT_FALSE(SplitAtDelimiter("abc", left, right, "/", 0, 1, 0));
  EXPECT_FALSE(SplitAtDelimiter("abc", left, right, "B", 0, 1, 0));
  EXPECT_FALSE(SplitAtDelimiter("ab", left, right, "abc", 0, -1, 0));
  EXPECT_EQ(left, "L");
  EXPECT_EQ(right, "R");
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST(SplitAtDelimiter, InvalidConstantsAreReportedAndSplitNothing) {
  kdtest::ScopedFakeSeams fakes;
  std::string left = "L";
  std::string right = "R";
  EXPECT_FALSE(SplitAtDelimiter("a,b", left, right, ",", 0, 1, 4));
  EXPECT_FALSE(SplitAtDelimiter("a,b", left, right, ",", 0, 0, 0));
  EXPECT_EQ(left, "L");
  EXPECT_EQ(right, "R");
  ASSERT_EQ(fakes.messages.plain.size(), 2u);
  EXPECT_EQ(fakes.messages.plain[0].text, "Delim Include Constant Invalid 4");
  EXPECT_EQ(fakes.messages.plain[1].text, "Start Side Constant Invalid 0");
  EXPECT_EQ(fakes.messages.plain[0].caption, "Kickwell Draftyard");
}

TEST(PathHelpers, CheckAssociatedExtensionReplacesOnlyExportExtensions) {
  EXPECT_EQ(CheckAssociatedExtension("sheet.txt", 0), "sheet.html");
  EXPECT_EQ(CheckAssociatedExtension("sheet.doc", 0), "sheet.doc.html");
  EXPECT_EQ(CheckAssociatedExtension("sheet", 0), "sheet.html");
  EXPECT_EQ(CheckAssociatedExtension("/docs/Sheet.HTML", 2), "/docs/Sheet.csv");
  EXPECT_EQ(CheckAssociatedExtension("/docs.v2/Sheet", 1), "/docs.v2/Sheet.txt");
}

TEST(PathHelpers, ExtensionsAndPrefixes) {
  EXPECT_EQ(EnsureExtension("Team", ".lgp"), "Team.lgp");
  EXPECT_EQ(EnsureExtension("Team.LGP", ".lgp"), "Team.LGP");
  EXPECT_EQ(FileNameWithExtension("/w/lgp/Team", ".lgp"), "Team.lgp");
  EXPECT_EQ(StripExtension("  Team.Lgp ", ".lgp"), "Team");
  EXPECT_EQ(StripExtension("Team.sco", ".lgp"), "");
  EXPECT_EQ(EnsurePrefix("Stats.pro", "2024 "), "2024 Stats.pro");
  EXPECT_EQ(EnsurePrefix("2024 Stats.pro", "2024 "), "2024 Stats.pro");
  EXPECT_EQ(EnsurePrefix("2024 ", "2024 "), "2024 2024 ");
  EXPECT_EQ(EnsurePrefix("x", ""), "x");
}

TEST(PathHelpers, SplitPathNeedsASlashAfterTheFirstCharacterAndBeforeTheEnd) {
  std::string folder = "F";
  std::string name = "N";
  EXPECT_TRUE(SplitPath("/home/u/a.vcz", folder, name));
  EXPECT_EQ(folder, "/home/u/");
  EXPECT_EQ(name, "a.vcz");
  folder = "F";
  name = "N";
  EXPECT_FALSE(SplitPath("/a.vcz", folder, name));
  EXPECT_FALSE(SplitPath("a.vcz", folder, name));
  EXPECT_FALSE(SplitPath("/home/", folder, name));
  EXPECT_EQ(folder, "F");
  EXPECT_EQ(name, "N");
}

TEST(SystemFileDialogs, RequestCarriesTheDescriptionAndResultHasFolderWithSlash) {
  kdtest::ScopedFakeSeams fakes;
  SetDialogFilter("Export", "html", "Hyper Text", "/home/u/Documents/", "CheatSheet.html");
  EXPECT_EQ(DialogFilterCaption(), "Hyper Text File (*.html)");
  fakes.files.AnswerSystem({false, "/home/u/out", {"Sheet.html"}});
  FileDialogResult saved = ShowSaveDialog();
  ASSERT_EQ(fakes.files.systemRequests.size(), 1u);
  const auto& request = fakes.files.systemRequests[0];
  EXPECT_EQ(request.title, "Export");
  EXPECT_EQ(request.extension, "html");
  EXPECT_EQ(request.description, "Hyper Text");
  EXPECT_EQ(request.initialFolder, "/home/u/Documents/");
  EXPECT_EQ(request.fileName, "CheatSheet.html");
  EXPECT_TRUE(request.save);
  EXPECT_FALSE(request.multiSelect);
  EXPECT_FALSE(saved.Cancelled);
  EXPECT_EQ(saved.Count, 1);
  EXPECT_EQ(saved.Path, "/home/u/out/");
  EXPECT_EQ(saved.Files, std::vector<std::string>{"Sheet.html"});

  fakes.files.AnswerSystem({false, "/d/", {"a.vcz", "b.vcz"}});
  FileDialogResult opened = ShowOpenDialog();
  EXPECT_TRUE(fakes.files.systemRequests[1].multiSelect);
  EXPECT_FALSE(fakes.files.systemRequests[1].save);
  EXPECT_EQ(opened.Count, 2);
  EXPECT_EQ(opened.Path, "/d/");

  fakes.files.AnswerSystem({});
  FileDialogResult cancelled = ShowOpenDialog();
  EXPECT_TRUE(cancelled.Cancelled);
  EXPECT_EQ(cancelled.Count, 0);
  EXPECT_TRUE(cancelled.Files.empty());
  EXPECT_EQ(cancelled.Path, "");
}

TEST(Statistics, SampleStandardDeviationAndZeroNotNaNForTooFewValues) {
  double mean = -1;
  EXPECT_DOUBLE_EQ(basStatistics::StandardDeviation({2, 4, 4, 4, 5, 5, 7, 9}, mean), std::sqrt(32.0 / 7.0));
  EXPECT_DOUBLE_EQ(mean, 5.0);
  EXPECT_EQ(basStatistics::Mean({}), 0.0);
  EXPECT_EQ(basStatistics::StandardDeviation({}, mean), 0.0);
  EXPECT_EQ(mean, 0.0);
  EXPECT_EQ(basStatistics::StandardDeviation({3.5}, mean), 0.0);
  EXPECT_EQ(mean, 3.5);
}
