// The draft-strategy page's controller, headless: the rule grid over the
// grid editor's fakes, the File commands through the scripted seams.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "DatabaseFixtures.h"
#include "FakeEditFlexGrid.h"
#include "FakeSeams.h"
#include "HostileFiles.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "editors/strategy/StrategyPageView.h"
#include "editors/strategy/clsUIStrategy.h"
#include "platform/runtime/Text.h"
#include "shell/basUIControl.h"

namespace {

using Col = clsUIStrategy::Column;
using Button = clsUIStrategy::RuleButton;

class FakeStrategyView final : public StrategyPageView {
 public:
  EditFlexGridView* EditGrid() override { return &grid; }
  EditFlexTextBox* EditText() override { return &grid.text; }
  EditFlexComboBox* EditCombo() override { return &grid.combo; }
  EditFlexListBox* EditList() override { return &grid.normList; }
  EditFlexListBox* EditCheckList() override { return &grid.multiList; }
  void SetRuleButtonEnabled(int32_t index, bool enabled) override { buttons[index] = enabled; }
  void SetDescription(const std::string& text) override { description = text; }
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool) override { return nullptr; }
  std::shared_ptr<const FlexGridPicture> DropArrow(bool) override { return nullptr; }

  kdtest::FakeEditFlexGrid grid;
  bool buttons[4] = {};
  std::string description;
};

class StrategyPageTest : public ::testing::Test {
 protected:
  StrategyPageTest() {
    basMockItUp::InitFileTypeTable(work.Path());
    std::filesystem::create_directories(DefaultsFolder);
    std::filesystem::create_directories(Folder());
    kdtest::WriteTemplateDatabase(DefaultsFolder + "Default.pro");
    ProjectOpenMode = 1;
  }
  ~StrategyPageTest() override {
    page.reset();
    ProjectOpenMode = 0;
  }

  static std::string Folder() { return FileTypeFolder[kPageDraftStrategies]; }

  // A strategy file of `rules` rules, rule i picking from i + 1 to i + 1.
  static void WriteStrategy(const std::string& name, int32_t rules) {
    clsDraftStrategy s;
    s.SetFilePath(Folder());
    s.SetFileName(name);
    for (int32_t i = 0; i < rules; ++i) {
      s.SetCount(i + 1);
      s.SetBegPick(i, i + 1);
      s.SetEndPick(i, i + 1);
      s.AddPositionID(i, 1);
    }
    ASSERT_TRUE(s.SaveDraftStrategy());
  }

  // The rules of a strategy file as read back; -1 when it does not read.
  static int32_t SavedRuleCount(const std::string& name) {
    clsDraftStrategy saved;
    saved.SetFilePath(Folder());
    saved.SetFileName(name);
    return saved.LoadDraftStrategy() ? saved.Count() : -1;
  }

  void Open() {
    page = std::make_unique<clsUIStrategy>(view);
    ASSERT_TRUE(page->ActivateForm());
  }

  void Edit(int32_t row, int32_t col, const std::string& text) {
    view.grid.ClickCell(row, col);
    view.grid.Type(text);
    view.grid.Key(kdtest::kKeyEnter);
  }

  FlexGridModel& grid() { return view.grid.model; }

  kdtest::TempDir work;
  kdtest::ScopedFakeSeams seams;
  FakeStrategyView view;
  std::unique_ptr<clsUIStrategy> page;
};

TEST_F(StrategyPageTest, AddRuleShowsAnEmptyRuleAndSelectsIt) {
  Open();
  ASSERT_EQ(grid().Rows(), 2);
  EXPECT_TRUE(view.buttons[Button::kAddRule]);
  EXPECT_FALSE(view.buttons[Button::kRemoveRule]);

  page->mAR_Click(Button::kAddRule);
  ASSERT_EQ(grid().Rows(), 3);
  const std::vector<std::string> expected = {"0",        "0",         "0",         " Open Roster", " Full Points",
                                             " ",        " Include",  " [All] ",   ""};
  for (int32_t c = 0; c < 9; ++c) EXPECT_EQ(grid().TextMatrix(2, c), expected[c]) << "column " << c;
  EXPECT_EQ(page->CurrentRow(), 2);
  EXPECT_TRUE(page->ChangesMade());
  EXPECT_TRUE(view.buttons[Button::kRemoveRule]);
  EXPECT_FALSE(view.buttons[Button::kMoveUp]);
  EXPECT_FALSE(view.buttons[Button::kMoveDown]);
}

TEST_F(StrategyPageTest, LTypedInEndMeansTheLastPick) {
  Open();
  page->mAR_Click(Button::kAddRule);
  Edit(2, Col::kColEnd, "l");
  EXPECT_EQ(page->Strategy().EndPick(0), 999);
  EXPECT_EQ(grid().TextMatrix(2, Col::kColEnd), " Last");
}

TEST_F(StrategyPageTest, BeginRefusesWhatIsNoPickAndRoundsHalves) {
  Open();
  page->mAR_Click(Button::kAddRule);
  Edit(2, Col::kColBegin, "7");
  ASSERT_EQ(page->Strategy().BegPick(0), 7);
  for (const char* text : {"0", "-5", "1000", "abc"}) {
    Edit(2, Col::kColBegin, text);
    EXPECT_EQ(page->Strategy().BegPick(0), 7) << text;
    EXPECT_EQ(grid().TextMatrix(2, Col::kColBegin), " 7") << text;
  }
  Edit(2, Col::kColBegin, "2.5");
  EXPECT_EQ(page->Strategy().BegPick(0), 2);
  EXPECT_EQ(grid().TextMatrix(2, Col::kColBegin), " 2");
}

TEST_F(StrategyPageTest, MoveButtonsFollowTheSelectedRule) {
  WriteStrategy(FileTypeDefaultName[kPageDraftStrategies], 3);
  Open();
  ASSERT_EQ(grid().Rows(), 5);
  view.grid.ClickCell(2, Col::kColBegin);
  EXPECT_FALSE(view.buttons[Button::kMoveUp]);
  EXPECT_TRUE(view.buttons[Button::kMoveDown]);
  view.grid.ClickCell(4, Col::kColBegin);
  EXPECT_TRUE(view.buttons[Button::kMoveUp]);
  EXPECT_FALSE(view.buttons[Button::kMoveDown]);

  page->mAR_Click(Button::kMoveUp);
  EXPECT_EQ(page->Strategy().BegPick(1), 3);
  EXPECT_EQ(grid().TextMatrix(3, Col::kColBegin), "3");
  EXPECT_EQ(page->CurrentRow(), 3);
}

TEST_F(StrategyPageTest, SaveOfTheDefaultStrategyAsksForANewName) {
  const std::string defaultName = FileTypeDefaultName[kPageDraftStrategies];
  WriteStrategy(defaultName, 1);
  Open();
  ASSERT_FALSE(page->ChangesMade());
  page->mAR_Click(Button::kAddRule);
  seams.files.AnswerOwn("Mine.stg");
  page->FileCommand(9);
  ASSERT_EQ(seams.files.ownRequests.size(), 1U);
  EXPECT_FALSE(page->ChangesMade());
  EXPECT_EQ(page->FileName(), "Mine.stg");
  EXPECT_EQ(SavedRuleCount("Mine.stg"), 2);
}

TEST_F(StrategyPageTest, FailedSaveKeepsTheChangesAndTheCloseQuestion) {
  Open();
  page->mAR_Click(Button::kAddRule);
  std::filesystem::remove_all(Folder());
  seams.files.AnswerOwn("Mine.stg");
  page->FileCommand(9);
  EXPECT_TRUE(page->ChangesMade());
  EXPECT_EQ(page->FileName(), "");

  seams.messages.Answer("cancel");
  EXPECT_FALSE(page->QueryUnload());
  EXPECT_EQ(seams.messages.messages.back().text, " Save changes to Draft Strategy File?");
  seams.messages.Answer("nosave");
  EXPECT_TRUE(page->QueryUnload());
}

TEST_F(StrategyPageTest, FortyFirstPositionIsRefusedWithAMessage) {
  Open();
  page->mAR_Click(Button::kAddRule);
  for (int32_t i = 0; i < 39; ++i) page->Strategy().AddPositionID(0, 1002);
  view.grid.ClickCell(2, Col::kColPositions);
  ASSERT_GT(view.grid.multiList.ListCount(), 1);
  view.grid.ClickListItem(view.grid.multiList, 1);
  view.grid.multiList.Click();  // the tick, as the window's list reports it
  ASSERT_FALSE(seams.messages.messages.empty());
  EXPECT_EQ(seams.messages.messages.back().text, " A rule holds at most 40 positions.");
  EXPECT_EQ(page->Strategy().PosInclusionIDs(0)[0], 1);
  EXPECT_EQ(page->Strategy().PosInclusionIDs(0)[39], 1002);
}

TEST_F(StrategyPageTest, ChoosingFromAListSetsTheRuleAndShowsTheChoice) {
  Open();
  page->mAR_Click(Button::kAddRule);
  const struct {
    Col col;
    int32_t item;
    std::string shown;
  } cases[] = {{Col::kColMethod, 3, " Equilibrium"},
               {Col::kColCompare, 2, " Starter Value"},
               {Col::kColInclusion, 1, " Exclude"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    view.grid.ClickCell(2, c.col);
    ASSERT_GT(view.grid.normList.ListCount(), c.item);
    view.grid.ClickListItem(view.grid.normList, c.item);
    EXPECT_EQ(grid().TextMatrix(2, c.col), c.shown);
  }
  EXPECT_EQ(page->Strategy().Method(0), 3);
  EXPECT_EQ(page->Strategy().Compare(0), 2);
  EXPECT_EQ(page->Strategy().Inclusion(0), 1);
  EXPECT_EQ(view.grid.normList.items, (std::vector<std::string>{" Include", " Exclude"}));
}

TEST_F(StrategyPageTest, TickedFactorsShowInTheRule) {
  Open();
  page->mAR_Click(Button::kAddRule);
  view.grid.ClickCell(2, Col::kColFactors);
  ASSERT_EQ(view.grid.multiList.items, (std::vector<std::string>{" LR-TR", " INJURY", " X"}));
  view.grid.ClickListItem(view.grid.multiList, 0);
  view.grid.ClickListItem(view.grid.multiList, 2);
  view.grid.multiList.Click();
  EXPECT_TRUE(page->Strategy().UsingFactor(0, 0));
  EXPECT_FALSE(page->Strategy().UsingFactor(0, 1));
  EXPECT_TRUE(page->Strategy().UsingFactor(0, 2));
  EXPECT_EQ(grid().TextMatrix(2, Col::kColFactors), " [LR-TR] [X] ");
}

TEST_F(StrategyPageTest, StarterAndBenchPositionsAreMarkedAndKeptWhenTheListChanges) {
  Open();
  page->mAR_Click(Button::kAddRule);
  page->Strategy().AddPositionID(0, clsDraftStrategy::kStarterMark + 2);
  page->Strategy().AddPositionID(0, clsDraftStrategy::kBenchMark + 2);
  page->DisplayStrategyGrid();
  const std::string qb = runtime::Trim(grid().TextMatrix(2, Col::kColPositions));
  EXPECT_EQ(qb, "[All] [QB-S] [QB-B]");
  // Unticking "All" leaves the starter and bench entries the list does not show.
  view.grid.ClickCell(2, Col::kColPositions);
  view.grid.ClickListItem(view.grid.multiList, 0);
  view.grid.multiList.Click();
  EXPECT_EQ(grid().TextMatrix(2, Col::kColPositions), " [QB-S] [QB-B] ");
}

TEST_F(StrategyPageTest, MoveDownAndRemoveRearrangeTheRules) {
  WriteStrategy(FileTypeDefaultName[kPageDraftStrategies], 3);
  Open();
  view.grid.ClickCell(2, Col::kColBegin);
  page->mAR_Click(Button::kMoveDown);
  EXPECT_EQ(page->Strategy().BegPick(0), 2);
  EXPECT_EQ(page->Strategy().BegPick(1), 1);
  EXPECT_EQ(page->CurrentRow(), 3);
  EXPECT_EQ(grid().TextMatrix(3, Col::kColBegin), "1");

  page->mAR_Click(Button::kRemoveRule);
  ASSERT_EQ(page->Strategy().Count(), 2);
  EXPECT_EQ(page->Strategy().BegPick(0), 2);
  EXPECT_EQ(page->Strategy().BegPick(1), 3);
  EXPECT_EQ(grid().Rows(), 4);
  EXPECT_EQ(page->CurrentRow(), 3);  // the last rule is selected after a removal
}

TEST_F(StrategyPageTest, ClickingTheByeColumnTogglesTheRulesByeConflict) {
  Open();
  page->mAR_Click(Button::kAddRule);
  view.grid.ClickCell(2, Col::kColNoBye);
  EXPECT_TRUE(page->Strategy().NoByeConflict(0));
  EXPECT_EQ(runtime::Trim(grid().TextMatrix(2, Col::kColNoBye)), "X");
  view.grid.ClickCell(2, Col::kColNoBye);
  EXPECT_FALSE(page->Strategy().NoByeConflict(0));
  EXPECT_EQ(grid().TextMatrix(2, Col::kColNoBye), "");
}

TEST_F(StrategyPageTest, NewOpenAndSaveAsWorkUnderTheChosenNames) {
  WriteStrategy("Three.stg", 3);
  Open();
  // New: an empty strategy under the chosen name, nothing asked since nothing changed.
  seams.files.AnswerOwn("Fresh.stg");
  page->FileCommand(6);
  EXPECT_EQ(page->FileName(), "Fresh.stg");
  EXPECT_EQ(page->Strategy().Count(), 0);
  EXPECT_EQ(grid().Rows(), 2);
  // Open: the chosen file's rules, after the close question for the changed one.
  page->mAR_Click(Button::kAddRule);
  page->mTxtDescription_Change("Mine");
  seams.messages.Answer("nosave");
  seams.files.AnswerOwn("Three.stg");
  page->FileCommand(7);
  EXPECT_EQ(seams.messages.messages.back().text, " Save changes to Fresh.stg?");
  EXPECT_EQ(page->FileName(), "Three.stg");
  EXPECT_EQ(page->Strategy().Count(), 3);
  EXPECT_FALSE(std::filesystem::exists(Folder() + "Fresh.stg"));
  // Save As: written under the new name, the old file untouched.
  page->mAR_Click(Button::kAddRule);
  seams.files.AnswerOwn("Four.stg");
  page->FileCommand(10);
  EXPECT_EQ(page->FileName(), "Four.stg");
  EXPECT_EQ(SavedRuleCount("Four.stg"), 4);
}

TEST_F(StrategyPageTest, AFileThatCannotBeReadIsNamedInAMessageAndNotOpened) {
  WriteStrategy("Three.stg", 3);
  {
    std::ofstream bad(Folder() + "Bad.stg", std::ios::binary);
    bad << "not a strategy";
  }
  Open();
  seams.files.AnswerOwn("Three.stg");
  page->FileCommand(7);
  seams.files.AnswerOwn("Bad.stg");
  page->FileCommand(7);
  ASSERT_FALSE(seams.messages.messages.empty());
  EXPECT_EQ(seams.messages.messages.back().caption, "Draft Strategy File");
  EXPECT_EQ(seams.messages.messages.back().text.rfind(" Bad.stg: ", 0), 0U) << seams.messages.messages.back().text;
  EXPECT_EQ(page->FileName(), "Three.stg");
  EXPECT_EQ(page->Strategy().Count(), 3);
}

// Strategies that do not read: one message each, the page keeps the
// strategy it shows, and Save never reaches the file.
class HostileStrategyFile : public StrategyPageTest,
                            public ::testing::WithParamInterface<kdtest::HostileDocument> {};

TEST_P(HostileStrategyFile, IsRefusedOnceAndSaveNeverReachesIt) {
  WriteStrategy("Mine.stg", 2);
  GetParam().make(Folder() + "Hostile.stg", kdtest::ReadFile(Folder() + "Mine.stg"));
  const kdtest::PathSnapshot before = kdtest::Snapshot(Folder() + "Hostile.stg");
  kdtest::HeapPeak heap;
  Open();
  seams.files.AnswerOwn("Mine.stg");
  page->FileCommand(7);
  ASSERT_EQ(page->FileName(), "Mine.stg");
  seams.messages.captions.clear();
  seams.files.AnswerOwn("Hostile.stg");
  EXPECT_NO_THROW(page->FileCommand(7));
  EXPECT_EQ(seams.messages.captions.size(), 1u);
  EXPECT_EQ(page->FileName(), "Mine.stg");
  EXPECT_EQ(grid().Rows(), 4);
  page->mAR_Click(Button::kAddRule);
  EXPECT_TRUE(page->Save());
  EXPECT_EQ(kdtest::Snapshot(Folder() + "Hostile.stg"), before);
  EXPECT_LT(heap.Bytes(), kdtest::kHostileHeapBound);
}

// The cut falls inside the first rule; the count is the rule count.
INSTANTIATE_TEST_SUITE_P(Files, HostileStrategyFile, ::testing::ValuesIn(kdtest::DamagedDocuments(100, 32)),
                         kdtest::HostileDocumentName());

}  // namespace
