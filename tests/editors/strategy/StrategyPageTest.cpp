// The draft-strategy page's controller, headless: the rule grid over the
// grid editor's fakes, the File commands through the scripted seams.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DatabaseFixtures.h"
#include "ExportFixtures.h"
#include "FakeSeams.h"
#include "FakeStrategyView.h"
#include "HostileFiles.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "editors/strategy/clsUIStrategy.h"
#include "platform/runtime/Text.h"
#include "shell/basUIControl.h"

namespace {

using Col = clsUIStrategy::Column;
using Button = clsUIStrategy::RuleButton;
using kdtest::FakeStrategyView;

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
  for (int32_t i = 0; i < 39; ++i) page->Strategy().AddPositionID(0, clsDraftStrategy::kStarterMark + 2 + i);
  view.grid.ClickCell(2, Col::kColPositions);
  ASSERT_GT(view.grid.multiList.ListCount(), 1);
  view.grid.ClickListItem(view.grid.multiList, 1);
  view.grid.multiList.Click();  // the tick, as the window's list reports it
  ASSERT_FALSE(seams.messages.messages.empty());
  EXPECT_EQ(seams.messages.messages.back().text, " A rule holds at most 40 positions.");
  EXPECT_EQ(page->Strategy().PosInclusionIDs(0)[0], 1);
  EXPECT_EQ(page->Strategy().PosInclusionIDs(0)[39], clsDraftStrategy::kStarterMark + 40);
}

// The factor grid's columns: position c + 1 of the table (QB 2, RB 3 ...).
constexpr int32_t kColQB = 1, kColRB = 2;
constexpr int32_t kRowInjury = 2, kRowX = 3;

TEST_F(StrategyPageTest, FactorsTabShowsEachPositionsFactorsAndSwitchesTheRuleButtonsOff) {
  clsDraftStrategy s;
  s.SetFilePath(Folder());
  s.SetFileName(FileTypeDefaultName[kPageDraftStrategies]);
  s.SetCount(1);
  s.AddFactor(clsDraftFactor::kInjury);
  s.SetFactor(clsDraftFactor::kInjury, 3, 0.8);
  ASSERT_TRUE(s.SaveDraftStrategy());
  Open();
  view.grid.ClickCell(2, Col::kColBegin);
  ASSERT_EQ(page->CurrentRow(), 2);

  page->mTab_Click(clsUIStrategy::kTabFactors);
  ASSERT_EQ(grid().Rows(), 4);
  ASSERT_EQ(grid().Cols(), 17);  // "Factor", then every position but "All"
  EXPECT_EQ(grid().TextMatrix(0, 0), " Factor");
  EXPECT_EQ(grid().TextMatrix(0, kColRB), "RB");
  EXPECT_EQ(grid().TextMatrix(1, 0), " LR-TR");
  EXPECT_EQ(grid().TextMatrix(1, kColQB), " League Ratio Vs. Team Ratio calculated during mock draft.");
  EXPECT_EQ(grid().TextMatrix(kRowInjury, 0), " INJURY");
  EXPECT_EQ(grid().TextMatrix(kRowInjury, kColRB), "0.800");
  EXPECT_EQ(grid().TextMatrix(kRowInjury, kColQB), "1.000");
  EXPECT_EQ(grid().TextMatrix(kRowX, 16), "1.000");  // no X table
  for (bool enabled : view.buttons) EXPECT_FALSE(enabled);
  view.grid.ClickCell(kRowX, Col::kColNoBye);  // a position column here: no bye toggle
  EXPECT_FALSE(page->Strategy().NoByeConflict(0));
  EXPECT_FALSE(page->ChangesMade());

  page->mTab_Click(clsUIStrategy::kTabStrategy);
  EXPECT_EQ(grid().Rows(), 3);
  EXPECT_EQ(grid().TextMatrix(2, Col::kColMethod), " Open Roster");
  EXPECT_EQ(page->CurrentRow(), 0);
  EXPECT_TRUE(view.buttons[Button::kAddRule]);
  EXPECT_FALSE(view.buttons[Button::kRemoveRule]);

  // A new strategy is shown by its rules, whichever tab was up.
  page->mTab_Click(clsUIStrategy::kTabFactors);
  seams.files.AnswerOwn("New.stg");
  page->FileCommand(6);
  EXPECT_EQ(page->CurrentTab(), clsUIStrategy::kTabStrategy);
  EXPECT_EQ(view.selectedTab, clsUIStrategy::kTabStrategy);
  EXPECT_EQ(grid().Rows(), 2);
  EXPECT_EQ(grid().TextMatrix(1, Col::kColBegin), "Begin");
  EXPECT_TRUE(view.buttons[Button::kAddRule]);
}

TEST_F(StrategyPageTest, TypedFactorShowsThreeDecimalsAndWhatIsNoFactorIsRefused) {
  Open();
  page->mTab_Click(clsUIStrategy::kTabFactors);
  const struct {
    const char* typed;
    const char* shown;
    double stored;
  } cases[] = {
      {"1.5", "1.500", 1.5},       {" 0.25 ", "0.250", 0.25}, {"-2", "-2.000", -2.0}, {"0", "0.000", 0.0},
      {"abc", "0.000", 0.0},       {"1.234567", "0.000", 0.0},  // eight characters
      {"1e999", "0.000", 0.0},     // beyond any number
      // Exponents reach magnitudes the column cannot show: refused.
      {"1e308", "0.000", 0.0},     {"-1e300", "0.000", 0.0},  {"1e-320", "0.000", 0.0}, {"2E3", "0.000", 0.0},
      {"9999999", "9999999.000", 9999999.0}, {"-999999", "-999999.000", -999999.0},
  };
  for (const auto& c : cases) {
    Edit(kRowX, kColRB, c.typed);
    EXPECT_EQ(grid().TextMatrix(kRowX, kColRB), c.shown) << c.typed;
    EXPECT_DOUBLE_EQ(page->Strategy().Factor(clsDraftFactor::kX, 3), c.stored) << c.typed;
  }
  EXPECT_TRUE(page->ChangesMade());
}

TEST_F(StrategyPageTest, FactorTypedWithoutItsTableCreatesTheTableWithEveryPositionAtOne) {
  Open();
  ASSERT_FALSE(page->Strategy().HasFactor(clsDraftFactor::kX));
  page->mTab_Click(clsUIStrategy::kTabFactors);
  Edit(kRowX, kColRB, "2");
  EXPECT_EQ(grid().TextMatrix(kRowX, kColRB), "2.000");
  seams.files.AnswerOwn("Factors.stg");
  page->FileCommand(10);
  ASSERT_EQ(page->FileName(), "Factors.stg");

  // Header, the one-blank description, no rules, and one X table holding
  // the 16 positions: RB at 2.0, the others at 1.0.
  const std::string bytes = kdtest::ReadFile(Folder() + "Factors.stg");
  ASSERT_EQ(bytes.size(), 40u + 1 + 8 + 16 * 12);
  EXPECT_EQ(bytes.substr(41, 8), kdtest::Hex("02 00 00 00  10 00 00 00"));
  EXPECT_EQ(bytes.substr(49, 12), kdtest::Hex("02 00 00 00  00 00 00 00 00 00 f0 3f"));
  EXPECT_EQ(bytes.substr(61, 12), kdtest::Hex("03 00 00 00  00 00 00 00 00 00 00 40"));
}

TEST_F(StrategyPageTest, StarterAndBenchPositionsShowTickedAndSurviveATickElsewhere) {
  Open();
  page->mAR_Click(Button::kAddRule);
  page->Strategy().AddPositionID(0, clsDraftStrategy::kStarterMark + 3);
  page->Strategy().AddPositionID(0, clsDraftStrategy::kBenchMark + 4);
  page->DisplayStrategyGrid();
  EXPECT_EQ(grid().TextMatrix(2, Col::kColPositions), " [All] [RB-S] [WR-B] ");

  view.grid.ClickCell(2, Col::kColPositions);
  const kdtest::FakeListBox& list = view.grid.multiList;
  ASSERT_EQ(list.ListCount(), 19);  // All, the 16 positions, then the two marked ones
  EXPECT_EQ(list.items[17], " [RB-S] Running Back (starter)");
  EXPECT_EQ(list.items[18], " [WR-B] Wide Receiver (bench)");
  EXPECT_TRUE(list.Selected(0));
  EXPECT_FALSE(list.Selected(2));  // plain RB
  EXPECT_TRUE(list.Selected(17));
  EXPECT_TRUE(list.Selected(18));

  view.grid.ClickListItem(view.grid.multiList, 1);  // QB
  view.grid.multiList.Click();
  EXPECT_EQ(grid().TextMatrix(2, Col::kColPositions), " [All] [QB] [RB-S] [WR-B] ");
  view.grid.ClickListItem(view.grid.multiList, 18);  // the bench receiver goes
  view.grid.multiList.Click();
  const clsDraftStrategy::PositionIDs ids = page->Strategy().PosInclusionIDs(0);
  EXPECT_EQ(std::vector<int32_t>(ids.begin(), ids.begin() + 4), (std::vector<int32_t>{1, 2, 1003, 0}));
}

TEST_F(StrategyPageTest, ListsNearTheBottomOfTheGridOpenAboveTheirCell) {
  WriteStrategy(FileTypeDefaultName[kPageDraftStrategies], 12);
  view.listArea = view.grid.height;
  Open();
  view.grid.ClickCell(2, Col::kColMethod);
  const kdtest::FakeListBox& list = view.grid.normList;
  ASSERT_TRUE(list.visible);
  const EditFlexRect first = view.grid.CellRect(2, Col::kColMethod);
  EXPECT_GE(list.rect.Top, first.Top + first.Height - 60);  // below its cell

  view.grid.ClickCell(13, Col::kColMethod);
  ASSERT_TRUE(list.visible);
  const EditFlexRect last = view.grid.CellRect(13, Col::kColMethod);
  EXPECT_LE(list.rect.Top + list.rect.Height, last.Top);  // above its cell
  EXPECT_GE(list.rect.Top, 0);
}

TEST_F(StrategyPageTest, ExportWritesTheFactorGridWithTheFactorsNames) {
  kdtest::ExportMainWindow window;
  basUIControl::SetMainWindow(&window);
  window.answerDialog = [] { MessageAnswer = "save"; };
  const std::string target = work.Path() + "factors.csv";
  GlobalProject().SetValue(kProjFileType, "2");  // CSV
  GlobalProject().SetValue(kProjExportFileTarget, target);
  Open();
  page->mTab_Click(clsUIStrategy::kTabFactors);
  Edit(kRowX, kColRB, "1.5");
  seams.messages.Answer("nosave");  // not viewed
  page->mMb_Click(0);

  const std::string csv = kdtest::ReadFile(target);
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "\"Factor\",\"QB\",\"RB\",\"WR\",\"TE\",\"K\",\"DL\",\"LB\",\"FB\",\"P\","
                                             "\"OL\",\"KR\",\"PR\",\"LS\",\"CB\",\"S\",\"DST\"");
  EXPECT_NE(csv.find("\r\n\"INJURY\",\"1.000\",\"1.000\","), std::string::npos);
  EXPECT_NE(csv.find("\r\n\"X\",\"1.000\",\"1.500\",\"1.000\","), std::string::npos);
  EXPECT_TRUE(grid().Redraw());
  basUIControl::Reset();
  ReleaseGlobalProject();
  MessageAnswer.clear();
}

// Strategy files that must not read: each gives one message and leaves the
// page, its document and the file as they were.
TEST_F(StrategyPageTest, HostileStrategyFilesAreRefusedWithOneMessageEach) {
  clsDraftStrategy s;
  s.SetFilePath(Folder());
  s.SetFileName("good.stg");
  s.SetCount(1);
  s.AddFactor(clsDraftFactor::kX);
  s.SetFactor(clsDraftFactor::kX, 3, 1.5);
  ASSERT_TRUE(s.SaveDraftStrategy());
  const std::string good = kdtest::ReadFile(Folder() + "good.stg");
  std::string notANumber = good;
  notANumber.replace(notANumber.size() - 8, 8, kdtest::Hex("00 00 00 00 00 00 f8 7f"));
  std::string hugeCount = good;
  kdtest::PokeLong(hugeCount, 32, INT32_MAX);
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"factor not a number", notANumber},
      {"huge rule count", hugeCount},
      {"cut inside the rules", good.substr(0, 100)},
  };

  WriteStrategy(FileTypeDefaultName[kPageDraftStrategies], 2);
  Open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    kdtest::WriteFile(Folder() + "bad.stg", c.bytes);
    const std::size_t before = seams.messages.messages.size();
    seams.files.AnswerOwn("bad.stg");
    page->FileCommand(7);
    ASSERT_EQ(seams.messages.messages.size(), before + 1);
    EXPECT_EQ(seams.messages.messages.back().caption, "Draft Strategy File");
    EXPECT_EQ(page->FileName(), FileTypeDefaultName[kPageDraftStrategies]);
    EXPECT_EQ(page->Strategy().Count(), 2);
    EXPECT_EQ(grid().Rows(), 4);
    EXPECT_EQ(kdtest::ReadFile(Folder() + "bad.stg"), c.bytes);
  }
  page->mAR_Click(Button::kAddRule);
  EXPECT_EQ(grid().Rows(), 5);
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
  // Unticking "All" leaves the starter and bench entries ticked.
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
