#include <gtest/gtest.h>

#include "ExportFixtures.h"
#include "TempDir.h"
#include "shell/basExportFile.h"
#include "platform/flexgrid/FlexGridModel.h"

namespace {

class GridExport : public kdtest::ExportTest {
 protected:
  GridExport() {
    basUIControl::SetMainWindow(&window);
    window.answerDialog = [] { MessageAnswer = "save"; };
    Project().SetValue(kProjFileType, "2");
    grid.SetCols(2);
    grid.SetRows(3);
    grid.SetTextMatrix(0, 0, "Name");
    grid.SetTextMatrix(0, 1, "Pts");
    grid.SetTextMatrix(1, 0, " Bo \"B\" ");
    grid.SetTextMatrix(1, 1, "12.5");
    grid.SetTextMatrix(2, 0, "Al");
    grid.SetTextMatrix(2, 1, "3");
  }
  void Export(const std::string& target) {
    Project().SetValue(kProjExportFileTarget, target);
    basExportFile::ExportGridToFile(10, kProjExportFileTarget, grid, 1, 2, 0, 0, 0, 1, "Scoring System", true, false);
  }
  std::string Question(const std::string& start, const std::string& target) {
    return start + "\r\n  " + target + "?";
  }

  kdtest::ExportMainWindow window;
  FlexGridModel grid;
  const std::string csv = "\"Name\",\"Pts\"\r\n\"Bo \"\"B\"\"\",\"12.5\"\r\n\"Al\",\"3\"\r\n\r\n\r\n";
};

TEST_F(GridExport, ANewTargetIsWrittenWithoutAskingThenOfferedToView) {
  seams.messages.Answer("save");
  Export(out + "grid.csv");
  ASSERT_EQ(window.dialogs.size(), 1u);
  EXPECT_EQ(window.dialogs[0].mode, 10);
  EXPECT_EQ(window.dialogs[0].targetIndex, kProjExportFileTarget);
  EXPECT_FALSE(window.dialogs[0].colourRows);  // the grid brings its colours
  EXPECT_EQ(kdtest::ReadFile(out + "grid.csv"), csv);
  ASSERT_EQ(seams.messages.messages.size(), 1u);
  EXPECT_EQ(seams.messages.messages[0].caption, "File Created");
  EXPECT_EQ(seams.messages.messages[0].text, Question(" Would you like to view ", out + "grid.csv"));
  EXPECT_EQ(seams.shell.opened, (std::vector<std::string>{out + "grid.csv"}));
  EXPECT_FALSE(grid.Redraw());  // the caller turns drawing on again
}

TEST_F(GridExport, ACancelledDialogWritesNothing) {
  window.answerDialog = nullptr;
  Export(out + "grid.csv");
  EXPECT_FALSE(kdtest::ReadFile(out + "grid.csv").size());
  EXPECT_TRUE(seams.messages.captions.empty());
}

TEST_F(GridExport, TheOverwriteQuestionAndItsThreeAnswers) {
  struct Case {
    std::string answer;
    bool written;
  };
  for (const Case& c : {Case{"save", true}, Case{"nosave", false}, Case{"", false}}) {
    kdtest::WriteFile(out + "grid.csv", "old");
    seams.messages.messages.clear();
    seams.messages.Answer(c.answer);
    if (c.written) seams.messages.Answer("nosave");  // to "File Created"
    Export(out + "grid.csv");
    ASSERT_FALSE(seams.messages.messages.empty());
    EXPECT_EQ(seams.messages.messages[0].caption, "File Already Exists");
    EXPECT_EQ(seams.messages.messages[0].text, Question(" Do you wish to overwrite ", out + "grid.csv"));
    EXPECT_EQ(seams.messages.messages[0].buttonSet, seams::kYesNo);
    EXPECT_EQ(kdtest::ReadFile(out + "grid.csv"), c.written ? csv : "old") << c.answer;
    EXPECT_EQ(seams.messages.messages.size(), c.written ? 2u : 1u);
  }
  EXPECT_TRUE(seams.shell.opened.empty());
}

TEST_F(GridExport, AFailedWriteIsReportedAndNeverFollowedByFileCreated) {
  // Root may write into read-only folders: these targets fail for everyone.
  kdtest::WriteFile(out + "afile", "x");
  kdtest::WriteFile(out + "folder.csv/kept", "kept");
  for (const std::string& target : {out + "afile/grid.csv", out + "folder.csv"}) {
    seams.messages.messages.clear();
    seams.messages.plain.clear();
    if (target == out + "folder.csv") seams.messages.Answer("save");  // overwrite it
    Export(target);
    ASSERT_EQ(seams.messages.plain.size(), 1u) << target;
    EXPECT_EQ(seams.messages.plain[0].caption, "Open File Error");
    EXPECT_NE(seams.messages.plain[0].text.find(target), std::string::npos);
    for (const kdtest::MessageCall& m : seams.messages.messages) EXPECT_NE(m.caption, "File Created");
  }
  EXPECT_EQ(kdtest::ReadFile(out + "afile"), "x");
  EXPECT_EQ(kdtest::ReadFile(out + "folder.csv/kept"), "kept");
  EXPECT_TRUE(seams.shell.opened.empty());
}

}  // namespace
