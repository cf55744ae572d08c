// The project page's controller over a copy of the bundled sample project,
// with the seams scripted and a recording view.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "DraftResultFixtures.h"
#include "FakeSeams.h"
#include "HostileFiles.h"
#include "RecordingView.h"
#include "ScoringRules.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "documents/DocumentOptions.h"
#include "documents/basFlexGridHTML.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "project_page/CheatSheetPageView.h"
#include "project_page/clsUICheatSheet.h"
#include "shell/MainWindowView.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/basUIControl.h"
#include "validation/clsProjectValidation.h"

namespace fs = std::filesystem;

namespace {

const std::string kDat = std::string(KD_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat/";


std::string GridText(const FlexGridModel& grid) {
  std::string text;
  for (int32_t r = 0; r < grid.Rows(); ++r) {
    for (int32_t c = 0; c < grid.Cols(); ++c) text += grid.TextMatrix(r, c) + "\t";
    text += "\n";
  }
  return text;
}

class ProjectPage : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"kdp", "lgp", "sco", "pro", "stg", "dis", "def", "ugm"}) {
      fs::copy(kDat + folder, work_.File(folder), fs::copy_options::recursive);
    }
    basMockDraftSettings::TerminateSettings();
    basMockDraftSettings::GlobalSettings().SetBoolVal(kSetCheckByeConflicts, false);
    basMockItUp::InitFileTypeTable(work_.Path());
    ReleaseGlobalProject();
    ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
    MockDisplayView = 0;
    page_.Bind(grid_, view_);
  }
  void TearDown() override {
    ReleaseGlobalProject();
    basMockDraftSettings::TerminateSettings();
    MockDisplayView = 0;
  }

  // The captions of every message box so far.
  bool Shown(const std::string& caption) const {
    for (const auto& c : seams_.messages.captions)
      if (c == caption) return true;
    return false;
  }

  kdtest::TempDir work_;
  kdtest::ScopedFakeSeams seams_;
  RecordingView view_;
  FlexGridModel grid_;
  clsUICheatSheet page_;
};

TEST_F(ProjectPage, FailedProjectCheckShowsItsTextUnderPreviewCancelledAndLeavesHeadingsOnly) {
  GlobalProject().SetValue(kProjLeaguePropertiesFile, "Missing League.lgp");
  clsProjectValidation expected;
  ASSERT_FALSE(expected.CanCheatSheetBeCreated());

  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  ASSERT_EQ(seams_.messages.messages.size(), 1u);
  EXPECT_EQ(seams_.messages.messages[0].caption, "Cheat Sheet Preview Cancelled");
  EXPECT_EQ(seams_.messages.messages[0].text, expected.ErrorMessage());
  EXPECT_FALSE(page_.CheatValid());
  EXPECT_EQ(grid_.Rows(), 2);
  EXPECT_EQ(seams_.progress.loads, 0);
}

TEST_F(ProjectPage, MissingDisplayGridFallsBackToTheKindsDefaultAndShowsItWithAStar) {
  GlobalProject().SetValue(kProjCheatSheetDisplayGrid, "Gone.dis");
  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  EXPECT_TRUE(Shown("Error Loading Gone.dis"));
  EXPECT_EQ(view_.displayGridName, "* Cheat Sheet - Default.dis");
  EXPECT_TRUE(page_.CheatValid());
  EXPECT_GT(grid_.Rows(), 50);
}

// The page's documents against the headless writers' for the same project:
// the cheat sheet and the mock draft, each as HTML, text and CSV.
TEST_F(ProjectPage, PreviewsAndAllSixDocumentsMatchTheHeadlessWriters) {
  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  ASSERT_TRUE(page_.CheatValid());
  const std::string cheatPreview = GridText(grid_);
  page_.TabClick(clsUICheatSheet::kTabMockDraft);
  ASSERT_TRUE(page_.MockValid());
  EXPECT_EQ(view_.shownMockType, 0);
  page_.SetMockDisplayView(1);  // the board
  const std::string board = GridText(grid_);
  page_.SetMockDisplayView(0);
  EXPECT_NE(GridText(grid_), board);
  EXPECT_TRUE(seams_.messages.messages.empty());

  // What the headless jobs and writers make of the same project.
  clsStatusPlain status;
  for (int32_t id : {1, 2, 3, 4, 5, 6, 7, 8}) status.AddSegment(id, 10.0f);
  const DocumentOptions options = ReadDocumentOptions(GlobalProject());
  clsMockDraft cheatBoard, mock;
  clsMockRoster roster;
  clsKickwellDB cheatDb, mockDb;
  FlexGridModel cheatGrid, mockGrid;
  ASSERT_TRUE(basMockDraftCalculation::CalculateCheatSheet(status, cheatBoard, roster, cheatDb));
  ASSERT_TRUE(cheatDb.LoadDisplay(work_.File("dis/Cheat Sheet - Default.dis")));
  basFlexGridHTML::SetupResultGridHeadings(cheatGrid, cheatDb);
  basFlexGridHTML::FillCheatSheetGrid(cheatGrid, roster, cheatDb, options);
  ASSERT_TRUE(basMockDraftCalculation::CalculateMockDraft(status, mock, mockDb));
  ASSERT_TRUE(mockDb.LoadDisplay(work_.File("dis/Mock Draft - Default.dis")));
  basFlexGridHTML::SetupResultGridHeadings(mockGrid, mockDb);
  basFlexGridHTML::FillMockDraftGrid(mockGrid, mock, mockDb, true, options);
  EXPECT_EQ(GridText(cheatGrid), cheatPreview);

  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  const int32_t generations = seams_.progress.loads;
  for (int32_t type = 0; type <= 2; ++type) {
    GlobalProject().SetValue(kProjFileType, std::to_string(type));
    GlobalProject().SetValue(kProjCheatSheetTarget, work_.File("page cheat"));
    GlobalProject().SetValue(kProjMockDraftTarget, work_.File("page mock"));
    seams_.messages.Answer("nosave");
    page_.RunDocumentJob(kPageCheatSheetJob);
    seams_.messages.Answer("nosave");
    page_.RunDocumentJob(kPageMockDraftJob);

    const std::string cheatPath = GlobalProject().Value(kProjCheatSheetTarget);
    const std::string mockPath = GlobalProject().Value(kProjMockDraftTarget);
    EXPECT_EQ(fs::path(cheatPath).extension(), std::vector<std::string>({".html", ".txt", ".csv"})[type]);
    ASSERT_TRUE(basFlexGridHTML::WriteCheatSheetDocument(work_.File("own cheat"), cheatGrid, roster, cheatDb, type,
                                                         options));
    bool colour = false, cells = false;
    ASSERT_TRUE(basFlexGridHTML::WriteMockDraftDocument(work_.File("own mock"), mockGrid, mock, mockDb, type, colour,
                                                        cells, true, options));
    EXPECT_EQ(kdtest::ReadFile(cheatPath), kdtest::ReadFile(work_.File("own cheat"))) << type;
    EXPECT_EQ(kdtest::ReadFile(mockPath), kdtest::ReadFile(work_.File("own mock"))) << type;
  }
  std::vector<std::string> offers;
  for (int32_t type = 0; type <= 2; ++type) offers.insert(offers.end(), {"Cheat Sheet Created", "Mock Draft Created"});
  EXPECT_EQ(seams_.messages.captions, offers);
  // Every job generated afresh (the cheat sheet also when it was shown; the
  // mock draft's job then returned to the cheat sheet) and went back to the
  // cheat-sheet preview, which shows what it showed.
  EXPECT_EQ(seams_.progress.loads - generations, 3 * (1 + 2));
  EXPECT_EQ(page_.CurrentTab(), clsUICheatSheet::kTabCheatSheet);
  EXPECT_EQ(GridText(grid_), cheatPreview);
  cheatDb.pSbCloseKickwellDB();
  mockDb.pSbCloseKickwellDB();
}

// Regression: a cancelled regeneration used to leave an emptied preview; the
// previous one stays, and no document is written or offered.
TEST_F(ProjectPage, CancelDuringTheMockDraftKeepsThePreviousPreviewAndWritesNothing) {
  page_.TabClick(clsUICheatSheet::kTabMockDraft);
  ASSERT_TRUE(page_.MockValid());
  const std::string preview = GridText(grid_);
  GlobalProject().SetValue(kProjMockDraftTarget, work_.File("mock.html"));

  seams_.yield.cancelAfter = seams_.yield.count + 20;
  page_.RunDocumentJob(kPageMockDraftJob);
  EXPECT_EQ(seams_.progress.loads, 2);
  EXPECT_FALSE(fs::exists(work_.File("mock.html")));
  EXPECT_FALSE(Shown("Mock Draft Created"));
  EXPECT_EQ(page_.CurrentTab(), clsUICheatSheet::kTabMockDraft);
  EXPECT_TRUE(page_.MockValid());
  EXPECT_EQ(GridText(grid_), preview);
}

// Regression: a document that could not be written was still offered for
// viewing as created.
TEST_F(ProjectPage, AFailedWriteIsReportedAndNeverOfferedAsCreated) {
  GlobalProject().SetValue(kProjCheatSheetTarget, work_.File("no such folder/cheat.html"));
  page_.RunDocumentJob(kPageCheatSheetJob);
  EXPECT_TRUE(page_.CheatValid());
  // The writer's own report, and nothing after it.
  EXPECT_EQ(seams_.messages.captions.size(), 1u);
  EXPECT_FALSE(Shown("Cheat Sheet Created"));
  EXPECT_TRUE(seams_.shell.opened.empty());
  // The page went back to the tab it showed.
  EXPECT_EQ(page_.CurrentTab(), clsUICheatSheet::kTabFiles);
}

// A tab clicked while a preview is generated (the job yields to the
// message loop) starts no second job and leaves the page where it is.
TEST_F(ProjectPage, ATabClickedWhileAPreviewIsGeneratedIsRefused) {
  seams_.yield.onYield = [this](int) {
    view_.selectedTab = clsUICheatSheet::kTabMockDraft;
    page_.TabClick(clsUICheatSheet::kTabMockDraft);
  };
  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  seams_.yield.onYield = nullptr;
  EXPECT_EQ(seams_.progress.loads, 1);
  EXPECT_EQ(page_.CurrentTab(), clsUICheatSheet::kTabCheatSheet);
  EXPECT_EQ(view_.selectedTab, clsUICheatSheet::kTabCheatSheet);
  EXPECT_TRUE(page_.CheatValid());
}

// "User Generated" with no user mock-draft file named makes a new one from
// the league: an empty board, not an error.
TEST_F(ProjectPage, UserGeneratedMockTypeWithoutAFileDraftsFromANewUserMock) {
  page_.TabClick(clsUICheatSheet::kTabMockDraft);
  ASSERT_TRUE(page_.MockValid());
  page_.MockTypeChosen(1);
  EXPECT_EQ(GlobalProject().Value(kProjMockDraftType), "1");
  EXPECT_EQ(view_.shownMockType, 1);
  EXPECT_TRUE(page_.MockValid());
  EXPECT_TRUE(seams_.messages.captions.empty());
  EXPECT_EQ(seams_.progress.loads, 2);
}

// A user mock draft the project names but that is not there (made new and
// left without saving) is said once; the preview ends there, empty.
TEST_F(ProjectPage, UserGeneratedMockDraftThatIsNotThereIsSaidOnceAndThePreviewIsEmpty) {
  page_.TabClick(clsUICheatSheet::kTabMockDraft);
  ASSERT_TRUE(page_.MockValid());
  GlobalProject().SetValue(kProjUserMockDraftFile, "Gone.ugm");
  page_.MockTypeChosen(1);
  EXPECT_EQ(seams_.messages.captions, std::vector<std::string>{"Load User Mock Error"});
  EXPECT_FALSE(page_.MockValid());
  EXPECT_EQ(grid_.Rows(), 0);
}

// Regression: a display grid of one or two columns has no column 2 for the
// preview's cursor; both previews still lay out and fill.
TEST_F(ProjectPage, PreviewsOfDisplayGridsOfOneOrTwoColumns) {
  for (const int32_t columns : {1, 2}) {
    std::vector<kdtest::GridColumn> layout{{51, 160, "Who", "Name", 13, 1}};
    if (columns > 1) layout.push_back({44, 60, "Who", "Pts", 2, 7});
    kdtest::SaveDisplayGrid(work_.File("dis/Narrow.dis"), layout);
    GlobalProject().SetValue(kProjCheatSheetDisplayGrid, "Narrow.dis");
    GlobalProject().SetValue(kProjMockDraftDisplayGrid, "Narrow.dis");
    page_.TabClick(clsUICheatSheet::kTabCheatSheet);
    EXPECT_TRUE(page_.CheatValid()) << columns;
    EXPECT_EQ(grid_.Cols(), columns);
    EXPECT_GT(grid_.Rows(), 50);
    page_.TabClick(clsUICheatSheet::kTabMockDraft);
    EXPECT_TRUE(page_.MockValid()) << columns;
    EXPECT_EQ(grid_.Cols(), columns);
    page_.TabClick(clsUICheatSheet::kTabFiles);
  }
  EXPECT_TRUE(seams_.messages.captions.empty());
}

TEST_F(ProjectPage, AnExistingDocumentIsOverwrittenOnlyOnYes) {
  const std::string target = work_.File("cheat.html");
  kdtest::WriteFile(target, "old");
  GlobalProject().SetValue(kProjCheatSheetTarget, target);
  seams_.messages.Answer("nosave");
  page_.RunDocumentJob(kPageCheatSheetJob);
  ASSERT_EQ(seams_.messages.messages.size(), 1u);
  EXPECT_EQ(seams_.messages.messages[0].caption, "File Already Exists");
  EXPECT_EQ(seams_.messages.messages[0].text, " Do you wish to overwrite \r\n  " + target + "?");
  EXPECT_EQ(kdtest::ReadFile(target), "old");
  EXPECT_EQ(seams_.progress.loads, 0);

  seams_.messages.Answer("save");
  seams_.messages.Answer("nosave");  // to "Cheat Sheet Created"
  page_.RunDocumentJob(kPageCheatSheetJob);
  EXPECT_NE(kdtest::ReadFile(target), "old");
  EXPECT_TRUE(Shown("Cheat Sheet Created"));
}

TEST_F(ProjectPage, AnotherDisplayGridLaysOutThePreviewAgainWithoutRankingAgain) {
  kdtest::SaveDisplayGrid(work_.File("dis/Narrow.dis"), {{51, 160, "Who", "Name", 13, 1}});
  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  ASSERT_TRUE(page_.CheatValid());
  const int32_t rows = grid_.Rows();
  ASSERT_GT(grid_.Cols(), 1);
  view_.chosenDisplayGrid.clear();  // the dialog cancelled: nothing changes
  page_.ChooseDisplayGrid();
  EXPECT_GT(grid_.Cols(), 1);
  view_.chosenDisplayGrid = "Narrow.dis";
  page_.ChooseDisplayGrid();
  EXPECT_EQ(view_.displayGridName, "Narrow.dis");
  EXPECT_EQ(grid_.Cols(), 1);
  EXPECT_EQ(grid_.Rows(), rows);
  EXPECT_EQ(seams_.progress.loads, 1);
}

TEST_F(ProjectPage, ANewOrOpenedProjectReturnsThePageToTheFilesTab) {
  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  ASSERT_EQ(page_.CurrentTab(), clsUICheatSheet::kTabCheatSheet);
  seams_.files.AnswerOwn("KD-Sample 2024.kdp");
  page_.FileCommand(basCheatSheetMenu::kOpenProject);
  EXPECT_EQ(page_.CurrentTab(), clsUICheatSheet::kTabFiles);
  EXPECT_EQ(view_.selectedTab, clsUICheatSheet::kTabFiles);
}

TEST_F(ProjectPage, CancelDuringTheCheatSheetKeepsThePreviousPreviewAndWritesNothing) {
  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  ASSERT_TRUE(page_.CheatValid());
  const std::string preview = GridText(grid_);
  GlobalProject().SetValue(kProjCheatSheetTarget, work_.File("cheat.html"));
  seams_.yield.cancelAfter = seams_.yield.count + 3;
  page_.RunDocumentJob(kPageCheatSheetJob);
  EXPECT_FALSE(fs::exists(work_.File("cheat.html")));
  EXPECT_FALSE(Shown("Cheat Sheet Created"));
  EXPECT_TRUE(page_.CheatValid());
  EXPECT_EQ(GridText(grid_), preview);
}

// The main window's caption and the main bar's property line, as the
// project page writes them.
class CaptionWindow final : public MainWindowView {
 public:
  CaptionWindow() { basUIControl::SetMainWindow(this); }
  ~CaptionWindow() override { basUIControl::Reset(); }
  void ShowFirstRunWindow() override {}
  void RestorePlacement(const basMockDraftSettings::WindowPlacement&) override {}
  void LoadMainBar() override {}
  void SyncUpdates() override {}
  void SetCaption(const std::string& text) override { caption = text; }
  void SetFileItemCaption(int32_t, const std::string&) override {}
  void SetFileItemVisible(int32_t, bool) override {}
  void SetFileItemEnabled(int32_t, bool) override {}
  void SetMainBarProperty(const std::string& text) override { property = text; }
  std::string MainBarProperty() const override { return property; }
  void ShowMainBarTitle(int32_t) override {}
  void ShowCurrentPage(int32_t) override {}
  PageWindow* LoadPage(int32_t) override { return nullptr; }
  void UnloadPage(PageWindow*) override {}
  void LayoutWindows(PageWindow*, int32_t) override {}
  bool ShowExportDialog(int32_t, int32_t, bool) override { return false; }
  void Repaint() override {}
  std::string caption;
  std::string property;
};

// Regression: the main bar read only the page's title whatever project was
// open; it names the project's file at load and after New, Open and Save As.
// The Files tab, shown throughout, shows the project now open (it kept the
// previous project's files after New and Open).
TEST_F(ProjectPage, MainBarAndCaptionNameTheProjectAfterLoadNewOpenAndSaveAs) {
  fs::copy_file(work_.File("kdp/KD-Sample 2024.kdp"), work_.File("kdp/Other.kdp"));
  CaptionWindow window;
  struct Step {
    int32_t command;  // -1: the page is loaded
    const char* chosen;
    const char* shown;
  };
  const Step steps[] = {{-1, "", "KD-Sample 2024.kdp"},
                        {basCheatSheetMenu::kNewProject, "Fresh", "Fresh.kdp"},
                        {basCheatSheetMenu::kOpenProject, "Other", "Other.kdp"},
                        {basCheatSheetMenu::kSaveProjectAs, "Renamed", "Renamed.kdp"}};
  for (const Step& step : steps) {
    if (step.command < 0) {
      ASSERT_TRUE(page_.ActivateForm());
      basUIControl::SetCurrentPage(kPageProject);
    } else {
      seams_.files.AnswerOwn(step.chosen);
      page_.FileCommand(step.command);
    }
    EXPECT_EQ(GlobalProject().FileName(), step.shown);
    EXPECT_EQ(window.property, std::string(" ") + step.shown);
    EXPECT_EQ(window.caption, std::string("Kickwell Draftyard - ") + step.shown);
    const std::string filesTab = GridText(grid_);
    page_.RefreshGrid();
    EXPECT_EQ(filesTab, GridText(grid_)) << step.shown;
  }
  EXPECT_TRUE(seams_.messages.captions.empty());
}

}  // namespace

namespace {

// Project files the previews and documents must survive: one message for
// each command, no escaped error, the files on disk unchanged and the page
// still making previews once the project is sound again.
struct HostileProject {
  const char* name;
  // Damages the sample project in `work`; returns the file to watch.
  std::function<std::string(const kdtest::TempDir& work)> damage;
  bool draftable = false;
};

std::string PoisonScoring(const kdtest::TempDir& work, float points) {
  const std::string path = work.File("sco/KD-Half PPR.sco");
  clsScoringIsolate rules;
  EXPECT_TRUE(basSCOFileControl::ReadScoFileToIsolate(path, rules));
  rules.MoveLast();
  rules.SetPoints(points);
  EXPECT_TRUE(basSCOFileControl::WriteScoFile(path, rules));
  return path;
}

const HostileProject kHostileProjects[] = {
    {"nan_in_the_scoring_system",
     [](const kdtest::TempDir& w) { return PoisonScoring(w, std::numeric_limits<float>::quiet_NaN()); }},
    {"infinity_in_the_scoring_system",
     [](const kdtest::TempDir& w) { return PoisonScoring(w, std::numeric_limits<float>::infinity()); }},
    {"infinity_in_the_stored_scoring",
     [](const kdtest::TempDir& w) {
       const std::string path = w.File("pro/2010 Default Stats.pro");
       kdtest::ExecuteSql(path, "UPDATE tblScoringSystem SET Points = 9e999;");
       return path;
     }},
    {"league_of_two_billion_places",
     [](const kdtest::TempDir& w) {
       clsLeagueIsolate league;
       league.SetFilePath(w.File("lgp/"));
       league.SetFileName("KD-12 Team League.lgp");
       EXPECT_TRUE(league.LoadLeagueProps());
       league.ClearRosterPositions();
       league.AddRosterPositionSize(3, 3, 2147483647, 2147483647, 2147483647, 2147483647);
       league.AddRosterPositionSize(1, 1, 2147483647, 0, 2147483647, 0);
       EXPECT_TRUE(league.SaveLeagueProps());
       return w.File("lgp/KD-12 Team League.lgp");
     },
     true},
    {"truncated_league",
     [](const kdtest::TempDir& w) {
       const std::string path = w.File("lgp/KD-12 Team League.lgp");
       kdtest::WriteFile(path, kdtest::ReadFile(path).substr(0, 200));
       return path;
     }},
    {"fifo_as_scoring_system",
     [](const kdtest::TempDir& w) {
       kdtest::MakeNotAFile(w.File("sco/KD-Half PPR.sco"), kdtest::NotAFile::kFifo);
       return w.File("sco/KD-Half PPR.sco");
     }},
};

class HostileProjectFile : public ProjectPage, public ::testing::WithParamInterface<HostileProject> {};

}  // namespace

TEST_P(HostileProjectFile, PreviewsAndDocumentsSayOnceWhatIsWrongAndThePageGoesOn) {
  const std::string sound = work_.File("sound/");
  for (const char* folder : {"sco", "lgp", "pro"}) {
    fs::create_directories(sound + folder);
    fs::copy(work_.File(folder), sound + folder);
  }
  const std::string path = GetParam().damage(work_);
  const kdtest::PathSnapshot before = kdtest::Snapshot(path);
  GlobalProject().SetValue(kProjCheatSheetTarget, work_.File("Cheat"));
  GlobalProject().SetValue(kProjMockDraftTarget, work_.File("Mock"));
  kdtest::HeapPeak heap;

  const std::function<void()> commands[] = {
      [&] { page_.TabClick(clsUICheatSheet::kTabCheatSheet); },
      [&] { page_.TabClick(clsUICheatSheet::kTabMockDraft); },
      [&] { page_.RunDocumentJob(kPageCheatSheetJob); },
      [&] { page_.RunDocumentJob(kPageMockDraftJob); },
  };
  for (std::size_t i = 0; i < std::size(commands); ++i) {
    SCOPED_TRACE(i);
    page_.TabClick(clsUICheatSheet::kTabFiles);
    seams_.messages.captions.clear();
    const bool document = i >= 2;
    // A league the program can draft from (its places bounded) makes the
    // previews and documents; the only question is whether to view one.
    if (GetParam().draftable && document) seams_.messages.Answer("nosave");
    ASSERT_NO_THROW(commands[i]());
    EXPECT_EQ(seams_.messages.captions.size(), GetParam().draftable && !document ? 0u : 1u);
    if (!GetParam().draftable) {
      EXPECT_FALSE(fs::exists(work_.File(i == 2 ? "Cheat.html" : "Mock.html")));
    }
  }
  EXPECT_EQ(kdtest::Snapshot(path), before);
  EXPECT_LT(heap.Bytes(), kdtest::kHostileHeapBound);

  // Sound files again: the page makes its previews.
  for (const char* folder : {"sco", "lgp", "pro"}) {
    fs::remove_all(work_.File(folder));
    fs::copy(sound + folder, work_.File(folder));
  }
  seams_.messages.captions.clear();
  page_.TabClick(clsUICheatSheet::kTabCheatSheet);
  EXPECT_TRUE(page_.CheatValid());
  EXPECT_TRUE(seams_.messages.captions.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, HostileProjectFile, ::testing::ValuesIn(kHostileProjects),
                         [](const auto& param) { return std::string(param.param.name); });
