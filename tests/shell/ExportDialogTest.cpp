#include <gtest/gtest.h>

#include <deque>

#include "ExportFixtures.h"
#include "TempDir.h"
#include "shell/clsUIExportSheet.h"

namespace {

class RecordingView final : public ExportSheetView {
 public:
  void ShowTarget(const std::string& target) override { shownTarget = target; }
  void ShowSwatch(int32_t index, int32_t colour) override { swatches[static_cast<std::size_t>(index)] = colour; }
  void EnableHtmlOptions(bool enabled) override { htmlEnabled = enabled; }
  int32_t PickColour(int32_t initial) override {
    offered.push_back(initial);
    const int32_t answer = colours.front();
    colours.pop_front();
    return answer;
  }
  void CloseDialog() override { ++closes; }

  std::string shownTarget;
  std::array<int32_t, 3> swatches{-1, -1, -1};
  bool htmlEnabled = false;
  std::deque<int32_t> colours;
  std::vector<int32_t> offered;
  int closes = 0;
};

class ExportDialog : public kdtest::ExportTest {
 protected:
  void Open(int32_t mode, int32_t target, const std::string& fileType, const std::string& path,
            bool colourRows = true) {
    Project().SetValue(kProjFileType, fileType);
    Project().SetValue(target, path);
    dialog.ActivateForm(mode, target, colourRows);
  }

  RecordingView view;
  clsUIExportSheet dialog{view};
};

TEST_F(ExportDialog, TheTargetFollowsTheFileType) {
  Open(5, kProjCheatSheetTarget, "1", out + "x");  // no extension: the type's is added at once
  EXPECT_EQ(view.shownTarget, out + "x.txt");
  EXPECT_EQ(Project().Value(kProjCheatSheetTarget), out + "x.txt");

  struct Case {
    std::string typed, renamed;
  };
  for (const Case& c : {Case{"x.txt", "x.csv"}, Case{"x.doc", "x.doc.csv"}}) {
    dialog.FileTypeClicked(1);
    dialog.TargetEdited(out + c.typed);
    dialog.FileTypeClicked(2);
    EXPECT_EQ(view.shownTarget, out + c.renamed) << c.typed;
    EXPECT_EQ(Project().Value(kProjCheatSheetTarget), out + c.renamed);
    EXPECT_EQ(Project().Value(kProjFileType), "2");
  }
}

TEST_F(ExportDialog, TextAndCsvDisableTheHtmlGroup) {
  Open(5, kProjCheatSheetTarget, "0", out + "x.html");
  EXPECT_TRUE(view.htmlEnabled);
  for (int32_t type : {1, 2, 0}) {
    dialog.FileTypeClicked(type);
    EXPECT_EQ(view.htmlEnabled, type == 0) << type;
    EXPECT_EQ(dialog.HtmlOptionsEnabled(), type == 0);
  }
}

TEST_F(ExportDialog, MissingFolderGivesPathErrorAndKeepsTheDialogOpen) {
  Open(5, kProjCheatSheetTarget, "0", out + "x.html");
  dialog.TargetEdited(out + "gone/x.html");
  EXPECT_FALSE(dialog.SaveClicked());
  ASSERT_EQ(seams.messages.plain.size(), 1u);
  EXPECT_EQ(seams.messages.plain[0].text, "Path Not Found:  '" + out + "gone'");
  EXPECT_EQ(seams.messages.plain[0].caption, "Path Error");
  EXPECT_EQ(view.closes, 0);
  EXPECT_EQ(MessageAnswer, "");
  EXPECT_EQ(Project().Value(kProjCheatSheetTarget), out + "x.html");
}

TEST_F(ExportDialog, SaveRefusesAnEmptyFileNameWithAMessage) {
  Open(5, kProjCheatSheetTarget, "0", out + "x.html");
  for (const std::string& typed : {out, std::string("  ")}) {
    dialog.TargetEdited(typed);
    EXPECT_FALSE(dialog.SaveClicked());
    ASSERT_FALSE(seams.messages.messages.empty());
    EXPECT_EQ(seams.messages.messages.back().caption, "File Name Error");
    EXPECT_EQ(seams.messages.messages.back().text, " Please enter a name for the file.");
  }
  EXPECT_EQ(view.closes, 0);
  dialog.CancelClicked();
  dialog.FormUnload();  // the notice's OK is no "save" of the dialog
  EXPECT_EQ(MessageAnswer, "");
  EXPECT_EQ(Project().Value(kProjCheatSheetTarget), out + "x.html");
}

TEST_F(ExportDialog, SaveInTheMockDraftModeStoresTheMockChoices) {
  MockDisplayView = 1;
  Project().SetValue(kProjMockDraftType, "1");
  Open(8, kProjMockDraftTarget, "0", out + "m.html");
  EXPECT_EQ(dialog.Title(), "Create Mock Draft Document");
  EXPECT_EQ(dialog.MockView(), 1);
  EXPECT_EQ(dialog.MockType(), 1);
  EXPECT_TRUE(dialog.IncludeRosterListing() && dialog.IncludePointSummary());

  dialog.MockTypeChosen(0);
  dialog.MockViewChosen(0);
  dialog.IncludeChanged(1, false);
  dialog.TargetEdited(out + "typed.html");
  EXPECT_EQ(Project().Value(kProjMockDraftType), "1");  // not before Save
  EXPECT_TRUE(dialog.SaveClicked());
  EXPECT_EQ(Project().Value(kProjMockDraftType), "0");
  EXPECT_EQ(Project().Value(kProjMockDraftTarget), out + "typed.html");
  EXPECT_EQ(MockDisplayView, 0);
  EXPECT_EQ(IncludeRosterListings, 1);
  EXPECT_EQ(IncludeRosterPointSummary, 0);
  EXPECT_EQ(MessageAnswer, "save");
  EXPECT_EQ(view.closes, 1);
}

TEST_F(ExportDialog, ChoicesReachTheProjectAtOnceAndStayWhenCancelled) {
  for (const char* name : {"b.dis", "A.dis", "notes.txt"}) kdtest::WriteFile(FileTypeFolder[kPageDisplayGrids] + name, "x");
  Project().SetValue(kProjRowBackColorA, "255");
  Open(8, kProjMockDraftTarget, "0", out + "m.html");
  EXPECT_EQ(dialog.DisplayGrids(), (std::vector<std::string>{"A.dis", "b.dis"}));
  EXPECT_EQ(dialog.DisplayGridName(), "Mock Draft - Default.dis");
  EXPECT_EQ(view.swatches[1], 255);

  dialog.UseColorClicked(false);
  dialog.UseGridLinesClicked(false);
  dialog.DisplayGridChosen(1);
  view.colours = {0x123456, -1};
  dialog.SwatchClicked(0);
  dialog.SwatchClicked(1);  // cancelled: the old colour stays
  EXPECT_EQ(view.offered[1], 255);
  seams.files.AnswerSystem({false, out, {"browsed"}});
  dialog.BrowseClicked();
  EXPECT_EQ(seams.files.systemRequests.at(0).title, "Mock Draft Target");
  EXPECT_EQ(seams.files.systemRequests.at(0).extension, "html");
  EXPECT_EQ(view.shownTarget, out + "browsed.html");
  dialog.TargetEdited(out + "typed.html");
  dialog.CancelClicked();
  dialog.FormUnload();

  EXPECT_EQ(Project().Value(kProjUseColor), "0");
  EXPECT_EQ(Project().Value(kProjUseGridLines), "0");
  EXPECT_EQ(Project().Value(kProjMockDraftDisplayGrid), "b.dis");
  EXPECT_EQ(Project().Value(kProjHeadingBackColor), std::to_string(0x123456));
  EXPECT_EQ(Project().Value(kProjRowBackColorA), "255");
  EXPECT_EQ(view.swatches[0], 0x123456);
  EXPECT_EQ(Project().Value(kProjMockDraftTarget), out + "browsed.html");  // the typed one only on Save
  EXPECT_EQ(MessageAnswer, "");
}

TEST_F(ExportDialog, AStoredTargetWhoseFolderHasGoneMovesToTheDocumentsFolder) {
  Open(10, kProjExportFileTarget, "2", home.Root() + "gone/grid.csv");
  EXPECT_EQ(dialog.Target(), home.Home() + "Documents/grid.csv");
  EXPECT_EQ(Project().Value(kProjExportFileTarget), home.Home() + "Documents/grid.csv");
  EXPECT_TRUE(seams.messages.plain.empty());
}

TEST_F(ExportDialog, OnlyTheGridExportWithoutColoursHidesTheColourRows) {
  struct Case {
    int32_t mode;
    bool colourRows, shown;
  };
  for (const Case& c : {Case{10, false, false}, Case{10, true, true}, Case{5, false, true}}) {
    Open(c.mode, kProjExportFileTarget, "0", out + "g.html", c.colourRows);
    EXPECT_EQ(dialog.ShowsColourRows(), c.shown) << c.mode << c.colourRows;
  }
  EXPECT_EQ(dialog.Title(), "Create Cheat Sheet Document");
}

}  // namespace
