// The Files and Document Properties tabs of the project page, headless over
// a copy of the bundled sample project and the grid editor's fake parts.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FakeEditFlexGrid.h"
#include "FakeSeams.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "project_page/clsUICheatSheet.h"

namespace fs = std::filesystem;

namespace {

class ProjectTabs : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string dat = std::string(KD_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat/";
    for (const char* folder : {"kdp", "lgp", "sco", "pro", "stg", "dis", "def", "ugm"}) {
      fs::copy(dat + folder, work_.File(folder), fs::copy_options::recursive);
    }
    basMockDraftSettings::TerminateSettings();
    basMockItUp::InitFileTypeTable(work_.Path());
    ReleaseGlobalProject();
    ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
    page_.Bind(grid_.model, view_);
    page_.GridInitialize(&grid_, &grid_.text, &grid_.combo, &grid_.normList, &grid_.multiList);
  }
  void TearDown() override {
    ReleaseGlobalProject();
    basMockDraftSettings::TerminateSettings();
  }
  std::string Statuses() const {
    std::string text;
    for (int32_t row = 1; row < grid_.model.Rows(); ++row) text += grid_.model.TextMatrix(row, 0) + "|";
    return text;
  }

  kdtest::TempDir work_;
  kdtest::ScopedFakeSeams seams_;
  kdtest::FakeEditFlexGrid grid_;
  RecordingView view_;
  clsUICheatSheet page_;
};

TEST(ProjectPageTabs, CaptionsOfTheFourTabs) {
  EXPECT_EQ(clsUICheatSheet::kTabCaptions,
            (std::array<std::string, 4>{" Files", " Document Properties", " Cheat Sheet Preview",
                                        " Mock Draft Preview"}));
}

TEST_F(ProjectTabs, FilesTabShowsEachDocumentsStatusAndAMissingOneAsAnError) {
  GlobalProject().SetValue(kProjScoringSystemFile, "Missing.sco");
  basMockDraftSettings::GlobalSettings().SetBoolVal(kSetUseProjectValidation, true);
  page_.RefreshGrid();
  EXPECT_EQ(grid_.model.TextMatrix(2, 1), std::string(11, ' ') + "Scoring System (.sco)\r\n" +
                                              std::string(11, ' ') + "Missing.sco");
  EXPECT_EQ(Statuses(), " OK| Error| OK| No File|");

  basMockDraftSettings::GlobalSettings().SetBoolVal(kSetUseProjectValidation, false);
  page_.RefreshGrid();
  EXPECT_EQ(Statuses(), " [Disabled]| [Disabled]| [Disabled]| No File|");
}

TEST_F(ProjectTabs, ChangeFileColumnChoosesADocumentAndOtherColumnsDoNothing) {
  view_.chosenFile = "Other.pro";
  grid_.ClickCell(3, 1);
  grid_.ClickCell(0, 2);
  EXPECT_TRUE(view_.selectRequests.empty());
  grid_.ClickCell(3, 2);
  EXPECT_EQ(view_.selectRequests, (std::vector<int32_t>{kPageProjectedStats}));
  EXPECT_EQ(GlobalProject().Value(kProjProjectedStatsFile), "Other.pro");
  EXPECT_NE(grid_.model.TextMatrix(3, 1).find("Other.pro"), std::string::npos);
  const std::string league = GlobalProject().Value(kProjLeaguePropertiesFile);
  view_.chosenFile = "";  // cancelled
  grid_.ClickCell(1, 2);
  EXPECT_EQ(GlobalProject().Value(kProjLeaguePropertiesFile), league);
}

TEST_F(ProjectTabs, AdditionalPlayersIsStoredOnEveryKeystrokeAndOutOfRangeTextIsRefused) {
  page_.TabClick(clsUICheatSheet::kTabProperties);
  grid_.ClickCell(1, 1);
  ASSERT_EQ(view_.textBoxRow, 1);
  page_.PropertyTextChanged("1");
  EXPECT_EQ(GlobalProject().Value(kProjAdditionalPlayers), "1");
  page_.PropertyTextChanged("12");
  EXPECT_EQ(GlobalProject().Value(kProjAdditionalPlayers), "12");
  EXPECT_EQ(grid_.model.TextMatrix(1, 1), " 12");
  for (const char* refused : {"4294967308", "1001", "-3", "twelve"}) page_.PropertyTextChanged(refused);
  EXPECT_EQ(GlobalProject().Value(kProjAdditionalPlayers), "12");
  grid_.ClickCell(2, 1);
  grid_.ClickCell(1, 1);
  EXPECT_EQ(view_.textBoxText, " 12");
}

TEST_F(ProjectTabs, ListsColoursAndTargetsAreWrittenToTheProject) {
  page_.TabClick(clsUICheatSheet::kTabProperties);
  ASSERT_EQ(grid_.model.Rows(), 13);
  EXPECT_EQ(grid_.model.TextMatrix(0, 0) + grid_.model.TextMatrix(0, 1), " Document Property Value");
  GlobalProject().SetValue(kProjUseColor, "0");

  grid_.ClickCell(2, 1);
  ASSERT_EQ(grid_.normList.items, (std::vector<std::string>{" No", " Yes"}));
  grid_.ClickListItem(grid_.normList, 1);
  EXPECT_EQ(GlobalProject().Value(kProjUseColor), "1");
  EXPECT_EQ(grid_.model.TextMatrix(2, 1), " Yes");

  const std::string before = grid_.model.TextMatrix(3, 1);
  view_.chosenColour = -1;
  grid_.ClickCell(3, 1);
  EXPECT_EQ(grid_.model.TextMatrix(3, 1), before);
  view_.chosenColour = 0x0000FF;  // red
  grid_.ClickCell(3, 1);
  EXPECT_EQ(GlobalProject().Value(kProjHeadingBackColor), "255");
  EXPECT_EQ(grid_.model.TextMatrix(3, 1), std::string(9, ' ') + "#FF0000");
  grid_.ClickCell(3, 0);  // a caption opens nothing

  seams::SystemFileDialogResult chosen;
  chosen.cancelled = false;
  chosen.path = work_.File("out/");
  chosen.files = {"Sheet"};
  seams_.files.AnswerSystem(chosen);
  GlobalProject().SetValue(kProjFileType, "1");
  grid_.ClickCell(8, 1);
  EXPECT_EQ(GlobalProject().Value(kProjCheatSheetTarget), work_.File("out/Sheet.txt"));
  EXPECT_EQ(seams_.files.systemRequests.back().title, "Cheat Sheet Target");
}

TEST_F(ProjectTabs, FileTypeDisplayGridsAndMockTypeAreChosenFromLists) {
  page_.TabClick(clsUICheatSheet::kTabProperties);
  const struct {
    int32_t row, item;
    int32_t key;
    std::string stored;
  } cases[] = {
      {7, 2, kProjFileType, "2"},
      {9, 0, kProjCheatSheetDisplayGrid, "Cheat Sheet - Default.dis"},
      {11, 1, kProjMockDraftDisplayGrid, "Mock Draft - Default.dis"},
      {12, 1, kProjMockDraftType, "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    grid_.ClickCell(c.row, 1);
    ASSERT_GT(grid_.normList.ListCount(), c.item);
    grid_.ClickListItem(grid_.normList, c.item);
    EXPECT_EQ(GlobalProject().Value(c.key), c.stored);
  }
  EXPECT_EQ(grid_.model.TextMatrix(7, 1), " CSV (Comma Seperated Variable)");
  EXPECT_EQ(grid_.model.TextMatrix(12, 1), " User Generated");
  // Leaving the tab leaves no editor behind.
  grid_.ClickCell(1, 1);
  page_.TabClick(clsUICheatSheet::kTabFiles);
  EXPECT_EQ(view_.textBoxRow, -1);
}

}  // namespace
