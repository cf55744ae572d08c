#include <gtest/gtest.h>

#include "GridFixtures.h"
#include "TempDir.h"
#include "documents/DocumentFile.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/FlexGridModel.h"

namespace {

TEST(DocumentFile, ReplacesTheOldFileOnlyWhenClosed) {
  kdtest::TempDir dir;
  const std::string path = dir.File("Cheat.txt");
  kdtest::WriteFile(path, "old");
  DocumentFile file(path);
  file.WriteLine("new");
  EXPECT_EQ(kdtest::ReadFile(path), "old");
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(kdtest::ReadFile(path), "new\r\n");
  EXPECT_TRUE(file.Close()) << "a second close has no effect";
  file.WriteLine("ignored");
  EXPECT_EQ(kdtest::ReadFile(path), "new\r\n");
}

TEST(DocumentFile, AFailedSaveReportsItAndLeavesNothingBehind) {
  kdtest::TempDir dir;
  DocumentFile file(dir.File("missing/folder/Cheat.html"));
  file.WriteLine("x");
  EXPECT_FALSE(file.Close());
  EXPECT_FALSE(file.Error().empty());
  EXPECT_FALSE(file.Close());
}

TEST(DocumentFile, AnAbandonedDocumentWritesNothing) {
  kdtest::TempDir dir;
  const std::string path = dir.File("Mock.csv");
  kdtest::WriteFile(path, "kept");
  {
    DocumentFile file(path);
    file.WriteLine("half");
  }
  EXPECT_EQ(kdtest::ReadFile(path), "kept");
}

// A grid export as HTML, step by step, ending with the tail that saves it.
TEST(DocumentFile, AWholeHtmlGridDocumentIsSavedByItsTail) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"Team"}, {"Buffalo & Co"}});
  DocumentOptions options;
  options.useColor = false;
  options.useGridLines = false;
  options.projectFileName = "P.kdp";
  kdtest::TempDir dir;
  DocumentFile file(dir.File("Export.html"));
  basFlexGridHTML::WriteHtmlHead(file);
  basFlexGridHTML::WriteHtmlStyle(file, options);
  basFlexGridHTML::WriteHtmlTable("vctbl", grid, file, 1, 1, 0, 0, 0, 0, false, false);
  basFlexGridHTML::WriteProjectSummary(file, "Scoring System", options, {});
  basFlexGridHTML::WriteHtmlLinkFooter(file);
  basFlexGridHTML::WriteHtmlTail(file);
  const std::string saved = kdtest::ReadFile(dir.File("Export.html"));
  EXPECT_EQ(saved, file.Bytes());
  EXPECT_EQ(saved.substr(0, 15), "<!DOCTYPE HTML ");
  EXPECT_NE(saved.find("<table width=100%><tr><td align=center>\r\n<table class=vctbl>\r\n"
                       "<colgroup align=right><col width=64></colgroup>\r\n"
                       "<tr><th align=right>Team</th></tr>\r\n"
                       "<tr class=bgrw1><td>Buffalo &amp; Co </td></tr>\r\n</table>\r\n"
                       "<br/><table class=\"vctbl\">\r\n"),
            std::string::npos);
  const std::string tail = "</a></div><br/>\r\n</td></tr></table>\r\n</body>\r\n</html>\r\n";
  ASSERT_GT(saved.size(), tail.size());
  EXPECT_EQ(saved.substr(saved.size() - tail.size()), tail);
}

}  // namespace
