// The league-properties page's controller, headless: the main grid over the
// grid editor's fakes, the File commands through the scripted seams.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "DatabaseFixtures.h"
#include "FakeEditFlexGrid.h"
#include "FakeSeams.h"
#include "HostileFiles.h"
#include "JobProject.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "editors/league/LeaguePageView.h"
#include "editors/league/clsUILeagueProperties.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "shell/basUIControl.h"

namespace {

using Page = clsUILeagueProperties;
constexpr int32_t kPositions = 17;  // rows of the template database's tblPositions

class FakeLeagueView final : public LeaguePageView {
 public:
  EditFlexGridView* EditGrid() override { return &grid; }
  EditFlexTextBox* EditText() override { return &grid.text; }
  EditFlexComboBox* EditCombo() override { return &grid.combo; }
  EditFlexListBox* EditList() override { return &grid.normList; }
  int32_t ListAreaHeight() const override { return listArea; }
  FlexGridModel& PositionSelectionGrid() override { return positions; }
  void SelectTab(int32_t) override {}
  void ShowTabControls(int32_t index) override { shownTab = index; }
  void SetRemoveTeamEnabled(bool e) override { removeEnabled = e; }
  std::string RoundsText() const override { return rounds; }
  void SetRoundsText(const std::string& t) override { rounds = t; }
  void SetStyleItems(const std::vector<std::string>& items) override { styles = items; }
  void SetStyleIndex(int32_t i) override { style = i; }
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool) override { return nullptr; }
  std::shared_ptr<const FlexGridPicture> DropArrow(bool) override { return nullptr; }

  kdtest::FakeEditFlexGrid grid;
  FlexGridModel positions;
  int32_t shownTab = -1;
  bool removeEnabled = false;
  std::string rounds;
  std::vector<std::string> styles;
  int32_t style = -1;
  int32_t listArea = 99999;
};

// The page over a work folder holding the default database.
struct LeaguePage {
  explicit LeaguePage(const std::string& workPath) {
    basMockItUp::InitFileTypeTable(workPath);
    std::filesystem::create_directories(DefaultsFolder);
    std::filesystem::create_directories(FileTypeFolder[kPageLeagueProperties]);
    kdtest::WriteTemplateDatabase(DefaultsFolder + "Default.pro");
    ProjectOpenMode = 1;
  }
  ~LeaguePage() {
    page.reset();
    ProjectOpenMode = 0;
  }
  void Open() {
    page = std::make_unique<Page>(view);
    ASSERT_TRUE(page->ActivateForm());
  }
  void Edit(int32_t row, int32_t col, const std::string& text) {
    view.grid.ClickCell(row, col);
    view.grid.Type(text);
    view.grid.Key(kdtest::kKeyEnter);
  }
  void AddTeams(int n) {
    for (int i = 0; i < n; ++i) page->mAR_Click(0);
  }
  void SetRounds(const std::string& text) {
    view.rounds = text;
    page->txtRnds_Validate();
  }
  FlexGridModel& Grid() { return view.grid.model; }

  FakeLeagueView view;
  std::unique_ptr<Page> page;
};

class LeaguePageTest : public ::testing::Test {
 protected:
  ~LeaguePageTest() override { ReleaseGlobalProject(); }
  std::string LeaguePath(const std::string& name) { return FileTypeFolder[kPageLeagueProperties] + name; }

  kdtest::TempDir work;
  kdtest::ScopedFakeSeams seams;
  LeaguePage ui{work.Path()};
};

TEST_F(LeaguePageTest, AnEmptyProjectOpensOnTheRosterTabWithOnlyTheWholeRosterInUse) {
  ui.Open();
  EXPECT_EQ(ui.view.shownTab, Page::kTabRosterSize);
  EXPECT_EQ(ui.page->TeamCount(), 0);
  EXPECT_EQ(ui.view.rounds, "1");
  EXPECT_EQ(ui.view.styles, (std::vector<std::string>{" Sepentine", " Cyclic"}));
  ASSERT_EQ(ui.Grid().Rows(), 3);  // two heading rows and "Whole Roster"
  EXPECT_EQ(ui.Grid().TextMatrix(2, 1), " Whole Roster");
  EXPECT_EQ(ui.view.positions.Rows(), kPositions);  // the heading and every position but the first
}

TEST_F(LeaguePageTest, CreateOrderFollowsTheDraftStyle) {
  const struct {
    int32_t style;
    std::vector<int32_t> order;
  } cases[] = {{0, {1, 2, 3, 3, 2, 1}}, {1, {1, 2, 3, 1, 2, 3}}};
  for (const auto& c : cases) {
    ui.Open();
    ui.AddTeams(3);
    ui.SetRounds("2");
    ui.page->cmbOrder_Click(c.style);
    ui.page->mBoard_Click(0);
    EXPECT_EQ(ui.page->DraftOrder(), c.order);
    EXPECT_EQ(ui.page->CreatedTeamCount(), 3);
    EXPECT_EQ(ui.page->CreatedDraftRounds(), 2);
    ASSERT_EQ(ui.Grid().Rows(), 7);
    EXPECT_EQ(ui.Grid().TextMatrix(4, 1), "2");  // pick 4 is in round 2
    EXPECT_EQ(ui.Grid().TextMatrix(4, 4), " Team " + std::to_string(c.order[3]));
  }
}

TEST_F(LeaguePageTest, CreateWithoutTeamsOrRoundsExplainsBoth) {
  ui.Open();
  ui.SetRounds("0");
  ui.page->mBoard_Click(0);
  ASSERT_EQ(seams.messages.messages.size(), 1u);
  EXPECT_EQ(seams.messages.messages[0].caption, "Create Order Canceled");
  EXPECT_EQ(seams.messages.messages[0].text,
            " Team Count must be > 0 to create draft order.\r\n  Draft Rounds must be > 0 to create draft order.");
}

TEST_F(LeaguePageTest, FailedCreateOrderClearsTheCreatedCountsWithTheOrder) {
  ui.Open();
  ui.AddTeams(2);
  ui.page->mBoard_Click(0);
  ASSERT_EQ(ui.page->DraftOrder().size(), 2u);
  ui.SetRounds("0");
  seams.messages.Answer("save");  // overwrite the existing order
  ui.page->mBoard_Click(0);
  EXPECT_TRUE(ui.page->DraftOrder().empty());
  EXPECT_EQ(ui.page->CreatedTeamCount(), 0);
  EXPECT_EQ(ui.page->CreatedDraftRounds(), 0);
  EXPECT_EQ(seams.messages.messages.back().text, "  Draft Rounds must be > 0 to create draft order.");
}

TEST_F(LeaguePageTest, LimitsAndRoundsAreWholeNumbersUpTo255) {
  ui.Open();
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {{"255", "255"}, {"256", "255"}, {"3.6", "4"}, {"-1", "4"}, {"x", "4"}};
  for (const auto& c : cases) {
    ui.Edit(2, 5, c.typed);
    EXPECT_EQ(ui.Grid().TextMatrix(2, 5), c.shown) << c.typed;
    ui.SetRounds(c.typed);
    EXPECT_EQ(ui.view.rounds, c.shown) << c.typed;
  }
  EXPECT_EQ(ui.page->Positions().RosterMax(1), 4);
  EXPECT_EQ(ui.page->DraftRounds(), 4);
}

TEST_F(LeaguePageTest, ASavedFileHoldsOneRosterRecordMoreThanThereArePositions) {
  ui.Open();
  ui.Edit(2, 5, "15");
  seams.files.AnswerOwn("Mine.lgp");
  ui.page->FileCommand(9);  // no name yet: Save As
  EXPECT_FALSE(ui.page->ChangesMade());
  EXPECT_EQ(GlobalProject().Value(kProjLeaguePropertiesFile), "Mine.lgp");
  clsLeagueIsolate saved;
  saved.SetFilePath(FileTypeFolder[kPageLeagueProperties]);
  saved.SetFileName("Mine.lgp");
  ASSERT_TRUE(saved.LoadLeagueProps());
  ASSERT_EQ(saved.RosterSizeCount(), kPositions + 1);
  EXPECT_EQ(saved.RosterPosID(0), 0);
  EXPECT_EQ(saved.RosterIndex(1), 1);
  EXPECT_EQ(saved.RosterMax(1), 15);
}

TEST_F(LeaguePageTest, AddedTeamsAreNumberedWithTheDefaultStrategy_RemoveTakesTheHighlightedTeam) {
  ui.Open();
  ui.page->mTab_Click(Page::kTabTeams);
  ui.AddTeams(3);
  EXPECT_EQ(ui.page->TeamNames(), (std::vector<std::string>{"Team 1", "Team 2", "Team 3"}));
  EXPECT_EQ(ui.page->Strategies(), std::vector<std::string>(3, "KD-RBL Default.stg"));
  ui.view.grid.ClickCell(1, 2);
  EXPECT_TRUE(ui.view.removeEnabled);
  ui.page->mAR_Click(1);
  EXPECT_EQ(ui.page->TeamNames(), (std::vector<std::string>{"Team 2", "Team 3"}));
  ui.page->mAR_Click(1);  // nothing highlighted: the last team
  EXPECT_EQ(ui.page->TeamNames(), (std::vector<std::string>{"Team 2"}));
}

TEST_F(LeaguePageTest, TeamHighlightIsClearedByATabChange) {
  ui.Open();
  ui.AddTeams(3);
  ui.page->mBoard_Click(0);
  ui.view.grid.ClickCell(1, 4);  // pick 1 (team 1) on the draft-order tab
  EXPECT_EQ(ui.page->HighlightedRow(), 1);
  ui.page->mTab_Click(Page::kTabTeams);
  EXPECT_EQ(ui.page->HighlightedRow(), -1);
  ui.page->mAR_Click(1);
  EXPECT_EQ(ui.page->TeamNames(), (std::vector<std::string>{"Team 1", "Team 2"}));
}

TEST_F(LeaguePageTest, NewAndOpenAskAboutUnsavedChangesFirst) {
  ui.Open();
  ui.AddTeams(1);
  for (int32_t command : {6, 7}) {
    seams.messages.Answer("cancel");
    ui.page->FileCommand(command);
    EXPECT_TRUE(seams.files.ownRequests.empty());
    EXPECT_TRUE(ui.page->ChangesMade());
  }
}

TEST_F(LeaguePageTest, FailedOpenKeepsTheNameAndProjectKey7) {
  std::ofstream(LeaguePath("Bad.lgp")) << "short";
  ui.Open();
  ui.AddTeams(2);
  seams.files.AnswerOwn("Kept.lgp");
  ui.page->FileCommand(10);
  seams.files.AnswerOwn("Bad.lgp");
  ui.page->FileCommand(7);
  EXPECT_EQ(ui.page->DocumentName(), "Kept.lgp");
  EXPECT_EQ(GlobalProject().Value(kProjLeaguePropertiesFile), "Kept.lgp");
  EXPECT_EQ(ui.page->TeamCount(), 2);
}

TEST_F(LeaguePageTest, LoadReplacesTeamsAndOrderEvenWithNone) {
  ui.Open();
  seams.files.AnswerOwn("Empty.lgp");
  ui.page->FileCommand(6);  // a new league without teams, written at once
  ui.AddTeams(3);
  ui.page->mBoard_Click(0);
  seams.messages.Answer("nosave");
  seams.files.AnswerOwn("Empty.lgp");
  ui.page->FileCommand(7);
  EXPECT_EQ(ui.page->TeamCount(), 0);
  EXPECT_TRUE(ui.page->DraftOrder().empty());
  EXPECT_FALSE(ui.page->ChangesMade());
}

TEST_F(LeaguePageTest, CancelledSaveAsDuringTheCloseQuestionKeepsThePage) {
  ui.Open();
  ui.AddTeams(1);
  seams.messages.Answer("save");
  seams.files.AnswerOwn(std::nullopt);
  EXPECT_FALSE(ui.page->QueryUnload());
  EXPECT_TRUE(ui.page->ChangesMade());
  seams.messages.Answer("nosave");
  EXPECT_TRUE(ui.page->QueryUnload());
}

TEST_F(LeaguePageTest, TickingAPositionAddsItsRosterRowAndMergingItColoursTheRow) {
  ui.Open();
  ASSERT_EQ(ui.view.positions.TextMatrix(1, 2), " Quarterback");
  ui.page->flxPosCat_MouseUp(1, 1);
  EXPECT_TRUE(ui.page->ChangesMade());
  ASSERT_EQ(ui.Grid().Rows(), 4);
  EXPECT_EQ(ui.Grid().TextMatrix(3, 1), " Quarterback");
  EXPECT_EQ(ui.Grid().TextMatrix(3, 3), " QB");
  // Merge the quarterbacks into the running backs, chosen from the list of every position.
  ui.view.grid.ClickCell(3, 3);
  ASSERT_GT(ui.view.grid.normList.ListCount(), 3);
  EXPECT_EQ(ui.view.grid.normList.items[1], " QB");
  ASSERT_EQ(ui.view.grid.normList.items[2], " RB");
  ui.view.grid.ClickListItem(ui.view.grid.normList, 2);
  const int32_t qb = std::stoi(ui.Grid().TextMatrix(3, 0));
  EXPECT_EQ(ui.page->Positions().PosAbr(ui.page->Positions().MergeAsID(qb)), "RB");
  EXPECT_EQ(ui.Grid().TextMatrix(3, 3), " RB");
  EXPECT_EQ(ui.Grid().CellBackColorAt(3, 1), PaletteColour[basColourScheme::kTitleRowColour]);
  // Unticked, the row goes again.
  ui.page->flxPosCat_MouseUp(1, 1);
  EXPECT_EQ(ui.Grid().Rows(), 3);
}

TEST_F(LeaguePageTest, TeamNamesAreTypedAndStrategiesAndPickOwnersChosenFromLists) {
  std::filesystem::create_directories(FileTypeFolder[kPageDraftStrategies]);
  for (const char* name : {"Bold.stg", "Safe.stg"}) std::ofstream(FileTypeFolder[kPageDraftStrategies] + name) << "x";
  ui.Open();
  ui.page->mTab_Click(Page::kTabTeams);
  ui.AddTeams(2);
  ui.Edit(1, 2, "Hawks");
  ui.Edit(2, 2, "   ");  // a blank name is refused
  EXPECT_EQ(ui.page->TeamNames(), (std::vector<std::string>{"Hawks", "Team 2"}));

  ui.view.grid.ClickCell(2, 3);
  ASSERT_EQ(ui.view.grid.normList.items, (std::vector<std::string>{" Bold.stg", " Safe.stg"}));
  ui.view.grid.ClickListItem(ui.view.grid.normList, 1);
  EXPECT_EQ(ui.page->Strategies()[1], "Safe.stg");
  EXPECT_EQ(ui.Grid().TextMatrix(2, 3), " Safe.stg");

  ui.page->mBoard_Click(0);
  ui.view.grid.ClickCell(1, 4);  // pick 1
  ASSERT_EQ(ui.view.grid.normList.ListCount(), 2);
  ui.view.grid.ClickListItem(ui.view.grid.normList, 1);
  EXPECT_EQ(ui.page->DraftOrder().front(), 2);
  EXPECT_EQ(ui.Grid().TextMatrix(1, 4), " Team 2");
}

TEST_F(LeaguePageTest, AStrategyListNearTheBottomOpensRightAboveItsCell) {
  std::filesystem::create_directories(FileTypeFolder[kPageDraftStrategies]);
  for (const char* name : {"A.stg", "B.stg", "C.stg", "D.stg", "E.stg"})
    std::ofstream(FileTypeFolder[kPageDraftStrategies] + name) << "x";
  ui.Open();
  ui.page->mTab_Click(Page::kTabTeams);
  ui.AddTeams(12);
  const EditFlexRect cell = ui.view.grid.CellRect(12, 3);
  ui.view.listArea = cell.Top + cell.Height + 60;  // no room below the last team
  ui.view.grid.ClickCell(12, 3);
  const kdtest::FakeListBox& list = ui.view.grid.normList;
  ASSERT_TRUE(list.visible);
  ASSERT_EQ(list.ListCount(), 5);
  // Sized to its five items first, then placed: its foot at the cell's top,
  // neither over the cell nor a row away from it.
  EXPECT_LE(list.rect.Top + list.rect.Height, cell.Top);
  EXPECT_GT(list.rect.Top + list.rect.Height, cell.Top - cell.Height);
}

TEST_F(LeaguePageTest, AnOrderBeyondTheLargestDraftIsRefusedWithTheLimit) {
  ui.Open();
  ui.AddTeams(40);
  ui.SetRounds("251");
  ui.page->mBoard_Click(0);
  ASSERT_EQ(seams.messages.messages.size(), 1u);
  EXPECT_EQ(seams.messages.messages[0].caption, "Create Order Canceled");
  EXPECT_EQ(seams.messages.messages[0].text, " The draft order may hold at most 10000 picks.");
  EXPECT_TRUE(ui.page->DraftOrder().empty());
}

TEST_F(LeaguePageTest, AFailedSaveAsKeepsTheOldName) {
  ui.Open();
  ui.AddTeams(1);
  seams.files.AnswerOwn("Kept.lgp");
  ui.page->FileCommand(10);
  ui.AddTeams(1);
  std::filesystem::remove_all(FileTypeFolder[kPageLeagueProperties]);
  seams.files.AnswerOwn("Lost.lgp");
  ui.page->FileCommand(10);
  EXPECT_EQ(ui.page->DocumentName(), "Kept.lgp");
  EXPECT_TRUE(ui.page->ChangesMade());
  EXPECT_EQ(GlobalProject().Value(kProjLeaguePropertiesFile), "Kept.lgp");
}

// A league built and saved by the page drives the automatic mock draft.
// A league of two teams and two rounds, as the page's Save writes it.
std::string GoodLeagueBytes(const std::string& folder) {
  clsLeagueIsolate league;
  league.SetFilePath(folder);
  league.SetFileName("Good.lgp");
  league.SetTeamCount(2);
  league.SetTeamName(1, "One");
  league.SetTeamName(2, "Two");
  league.SetDraftRounds(2);
  league.AddRosterPositionSize(1, 1, 2, 0, 2, 0);
  EXPECT_TRUE(league.SaveLeagueProps());
  return kdtest::ReadFile(folder + "Good.lgp");
}

// The project file names a file outside the league folder: refused where
// the project is read, so the page neither shows it nor saves over it.
TEST_F(LeaguePageTest, ALeagueNamedByAPathInTheProjectFileIsNeitherReadNorWritten) {
  // A league file, which the page would read and then save over.
  const std::string victim = GoodLeagueBytes(work.Path());
  std::filesystem::rename(work.File("Good.lgp"), work.File("victim.txt"));
  kdtest::WriteFile(clsCheatIsolate::ProjectFolder() + "P.kdp",
                    "[Kickwell Draftyard Project]\r\nLeague Properties File=../victim.txt\r\n");
  ASSERT_TRUE(GlobalProject().OpenFile("P.kdp"));
  EXPECT_EQ(seams.messages.captions, (std::vector<std::string>{"Project File Error"}));
  ui.Open();
  EXPECT_EQ(ui.page->DocumentName(), "");
  ui.AddTeams(1);
  seams.files.AnswerOwn(std::nullopt);
  ui.page->FileCommand(9);
  EXPECT_EQ(seams.files.ownRequests.size(), 1u);
  EXPECT_EQ(seams.messages.captions.size(), 1u);
  EXPECT_EQ(kdtest::ReadFile(work.File("victim.txt")), victim);
}

// A league that reads but holds counts of two billion where the page
// allocates by them (draft rounds, roster limits): shown, drafted into an
// order and saved without the heap following the counts.
TEST_F(LeaguePageTest, ALeagueOfTwoBillionRoundsAndPlacesStaysBounded) {
  std::string bytes = GoodLeagueBytes(FileTypeFolder[kPageLeagueProperties]);
  kdtest::PokeLong(bytes, 31 + 16, 2147483647);  // DraftRounds
  for (const std::size_t field : {8, 12, 16, 20})  // the whole roster's limits, after two teams
    kdtest::PokeLong(bytes, 63 + 2 * 104 + field, 2147483647);
  kdtest::WriteFile(LeaguePath("Huge.lgp"), bytes);
  GlobalProject().SetValue(kProjLeaguePropertiesFile, "Huge.lgp");
  kdtest::HeapPeak heap;
  ASSERT_NO_THROW(ui.Open());
  ASSERT_EQ(ui.page->DocumentName(), "Huge.lgp");
  EXPECT_EQ(ui.view.rounds, "2147483647");  // shown as stored
  for (const int32_t tab : {Page::kTabRosterSize, Page::kTabTeams, Page::kTabDraftOrder})
    EXPECT_NO_THROW(ui.page->mTab_Click(tab));
  seams.messages.captions.clear();
  EXPECT_NO_THROW(ui.page->mBoard_Click(0));
  EXPECT_LE(seams.messages.captions.size(), 1u);
  EXPECT_LE(ui.page->DraftOrder().size(), 2u * 255);
  ui.AddTeams(1);
  EXPECT_TRUE(ui.page->Save());
  EXPECT_LT(heap.Bytes(), kdtest::kHostileHeapBound);
}

// Files that do not read as league properties: refused with one message,
// never adopted, so that no Save writes over them.
class HostileLeagueFile : public LeaguePageTest,
                          public ::testing::WithParamInterface<kdtest::HostileDocument> {};

TEST_P(HostileLeagueFile, IsRefusedOnceAtStartAndByOpenAndSaveNeverReachesIt) {
  const std::string path = LeaguePath("Hostile.lgp");
  GetParam().make(path, GoodLeagueBytes(FileTypeFolder[kPageLeagueProperties]));
  const kdtest::PathSnapshot before = kdtest::Snapshot(path);
  kdtest::HeapPeak heap;

  // Named by the project: the page opens unnamed, and after a new team
  // Save asks for a name.
  GlobalProject().SetValue(kProjLeaguePropertiesFile, "Hostile.lgp");
  ASSERT_NO_THROW(ui.Open());
  EXPECT_EQ(seams.messages.captions.size(), 1u);
  EXPECT_EQ(ui.page->DocumentName(), "");
  ui.AddTeams(1);
  seams.files.AnswerOwn(std::nullopt);
  EXPECT_NO_THROW(ui.page->FileCommand(9));
  EXPECT_EQ(seams.files.ownRequests.size(), 1u);

  // Opened over a league that read: the page keeps it.
  seams.messages.captions.clear();
  seams.files.AnswerOwn("Good.lgp");
  seams.messages.Answer("nosave");
  ui.page->FileCommand(7);
  ASSERT_EQ(ui.page->DocumentName(), "Good.lgp");
  seams.files.AnswerOwn("Hostile.lgp");
  EXPECT_NO_THROW(ui.page->FileCommand(7));
  EXPECT_EQ(seams.messages.captions.size(), 2u);  // the save question, then the refusal
  EXPECT_EQ(ui.page->DocumentName(), "Good.lgp");
  EXPECT_EQ(ui.page->TeamCount(), 2);
  ui.AddTeams(1);
  EXPECT_TRUE(ui.page->Save());

  EXPECT_EQ(kdtest::Snapshot(path), before);
  EXPECT_LT(heap.Bytes(), kdtest::kHostileHeapBound);
}

// The cut falls inside the first team; the count is TeamCount.
INSTANTIATE_TEST_SUITE_P(Files, HostileLeagueFile, ::testing::ValuesIn(kdtest::DamagedDocuments(120, 31)),
                         kdtest::HostileDocumentName());

TEST(LeaguePageDraft, ALeagueSavedByThePageDraftsAutomatically) {
  kdtest::JobProject project;
  LeaguePage ui(project.work.Path());
  ui.Open();  // the project's league "Three.lgp": three teams, two rounds
  ASSERT_EQ(ui.page->TeamCount(), 3);
  ui.page->mBoard_Click(0);
  project.seams.files.AnswerOwn("Editor.lgp");
  ui.page->FileCommand(10);
  ASSERT_EQ(GlobalProject().Value(kProjLeaguePropertiesFile), "Editor.lgp");
  ui.page.reset();

  clsMockDraft mock;
  clsKickwellDB db;
  ASSERT_TRUE(basMockDraftCalculation::CalculateMockDraft(project.Status(), mock, db));
  ASSERT_EQ(mock.Count(), 5);
  const int32_t owners[] = {1, 2, 3, 3, 2, 1};
  for (int32_t k = 0; k <= 5; ++k) EXPECT_EQ(mock.DraftOwner(k), owners[k]) << k;
  EXPECT_EQ(mock.MasterID(0), 101);
}

}  // namespace
