// The scoring-system page's controller, headless: the rule grid over the
// grid editor's fakes, the File commands through the scripted seams.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "DatabaseFixtures.h"
#include "FakeEditFlexGrid.h"
#include "FakeSeams.h"
#include "HostileFiles.h"
#include "ScoringRules.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "draft_inputs/basSCOFileControl.h"
#include "editors/scoring/ScoringPageView.h"
#include "editors/scoring/clsUIScoringSystem2.h"
#include "shell/basUIControl.h"

namespace {

using Col = clsUIScoringSystem2::Column;
constexpr int32_t kPassingYards = 3;  // sub-category 1, "Passing"
constexpr int32_t kPassAttempts = 1;
constexpr int32_t kRushingYards = 14;  // sub-category 2, "Rushing"

struct Picture final : FlexGridPicture {
  int32_t WidthPixels() const override { return 14; }
  int32_t HeightPixels() const override { return 14; }
};

class FakeScoringView final : public ScoringPageView {
 public:
  // The window's position list toggles an item per click, as here.
  FakeScoringView() { grid.normList.multiSelect = 1; }
  EditFlexGridView* EditGrid() override { return &grid; }
  EditFlexTextBox* EditText() override { return &grid.text; }
  EditFlexComboBox* EditCombo() override { return &grid.combo; }
  EditFlexListBox* EditList() override { return &grid.normList; }
  int32_t ListAreaHeight() const override { return 99999; }
  FlexGridModel& CategoryGrid() override { return categories; }
  void SetTabs(const std::vector<std::string>& c) override { tabs = c; }
  void SelectTab(int32_t) override {}
  void SetAddEnabled(bool e) override { addEnabled = e; }
  void SetDelEnabled(bool e) override { delEnabled = e; }
  void SetRuleLabel(const std::string& t) override { ruleLabel = t; }
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) override { return checks[checked ? 1 : 0]; }
  std::shared_ptr<const FlexGridPicture> DropArrow(bool) override { return nullptr; }

  kdtest::FakeEditFlexGrid grid;
  FlexGridModel categories;
  std::vector<std::string> tabs;
  bool addEnabled = false;
  bool delEnabled = false;
  std::string ruleLabel;
  std::shared_ptr<const FlexGridPicture> checks[2] = {std::make_shared<Picture>(), std::make_shared<Picture>()};
};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ScoringPageTest : public ::testing::Test {
 protected:
  ScoringPageTest() {
    basMockItUp::InitFileTypeTable(work.Path());
    std::filesystem::create_directories(DefaultsFolder);
    std::filesystem::create_directories(ScoFolder());
    kdtest::WriteTemplateDatabase(DefaultsFolder + "Default.pro");
    ProjectOpenMode = 1;
  }
  ~ScoringPageTest() override {
    page.reset();
    ReleaseGlobalProject();
    ProjectOpenMode = 0;
  }

  static std::string ScoFolder() { return FileTypeFolder[kPageScoringSystem]; }

  // A file of the scoring folder written through the scoring file's writer.
  void WriteSystem(const std::string& name, const std::function<void(clsScoringIsolate&)>& fill) {
    clsScoringIsolate s;
    fill(s);
    ASSERT_TRUE(basSCOFileControl::WriteScoFile(ScoFolder() + name, s));
  }

  // Opens the page on the project's scoring system `name`.
  void Open(const std::string& name) {
    GlobalProject().SetValue(kProjScoringSystemFile, name);
    page = std::make_unique<clsUIScoringSystem2>(view);
    ASSERT_TRUE(page->ActivateForm());
  }

  FlexGridModel& grid() { return view.grid.model; }

  // Chooses the category in the list and presses "> Add"; the new rule's row.
  int32_t AddRuleFor(int32_t catID) {
    for (int32_t r = 1; r < view.categories.Rows(); ++r) {
      if (view.categories.TextMatrix(r, 0) == std::to_string(catID)) page->mFlxScoCat_Click(r);
    }
    EXPECT_TRUE(view.addEnabled);
    page->mRule_Click(0);
    return grid().Row();
  }

  void Edit(int32_t row, int32_t col, const std::string& text) {
    view.grid.ClickCell(row, col);
    view.grid.Type(text);
    view.grid.Key(kdtest::kKeyEnter);
  }

  kdtest::TempDir work;
  kdtest::ScopedFakeSeams seams;
  FakeScoringView view;
  std::unique_ptr<clsUIScoringSystem2> page;
};

TEST_F(ScoringPageTest, ProjectSystemShowsGroupedUnderSubCategoryTitles) {
  WriteSystem("Half.sco", [](clsScoringIsolate& s) {
    AddRule(s, 1, kPassingYards, 25, -99999, 99999, 0, 2, 0);
    AddRule(s, 0.5F, kPassAttempts, -99999, 10, 20, 0, 4 | 8, -1);
  });
  Open("Half.sco");
  ASSERT_EQ(view.tabs.front(), "Summary");
  EXPECT_EQ(view.tabs.size(), 10U);
  EXPECT_EQ(grid().TextMatrix(2, Col::kColName), "Passing");
  EXPECT_EQ(grid().TextMatrix(2, Col::kColCatID), "-1");
  // Rule order within the sub-category.
  EXPECT_EQ(grid().TextMatrix(3, Col::kColName), "Passing Yards");
  EXPECT_EQ(grid().TextMatrix(3, Col::kColForEvery), "25");
  EXPECT_EQ(grid().TextMatrix(3, Col::kColMin), "No Limit");
  EXPECT_EQ(grid().TextMatrix(4, Col::kColPoints), "0.5");
  EXPECT_EQ(grid().TextMatrix(4, Col::kColForEvery), "Range");
  EXPECT_EQ(grid().TextMatrix(4, Col::kColMax), "20");
  EXPECT_EQ(grid().TextMatrix(4, Col::kColPositions), " QB RB");
  EXPECT_EQ(grid().TextMatrix(4, Col::kColFDM), "                  X");
  EXPECT_FALSE(page->ChangesMade());
}

TEST_F(ScoringPageTest, NewRuleShowsItsDefaults) {
  Open("");
  const int32_t row = AddRuleFor(kPassingYards);
  ASSERT_GE(row, 2);
  EXPECT_EQ(grid().TextMatrix(row, Col::kColPoints), "0.0");
  EXPECT_EQ(grid().TextMatrix(row, Col::kColForEvery), "0");
  EXPECT_EQ(grid().TextMatrix(row, Col::kColMin), "0");
  EXPECT_EQ(grid().TextMatrix(row, Col::kColMax), "No Limit");
  EXPECT_EQ(grid().TextMatrix(row, Col::kColPositions), " All");
  EXPECT_EQ(grid().TextMatrix(row, Col::kColFDM), "");
  EXPECT_EQ(view.ruleLabel, "Passing Yards");
  EXPECT_TRUE(view.delEnabled);
}

struct TypedCase {
  const char* name;
  int32_t col;
  const char* typed;
  const char* shown;  // the cell afterwards; the old text when refused
  bool stored;
};

class TypedTextTest : public ScoringPageTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedTextTest, CellShowsWhatWasStoredOrKeepsItsText) {
  Open("");
  const int32_t row = AddRuleFor(kPassingYards);
  page->ClearChanges();
  const TypedCase& c = GetParam();
  const std::string before = grid().TextMatrix(row, c.col);
  Edit(row, c.col, c.typed);
  EXPECT_EQ(grid().TextMatrix(row, c.col), c.stored ? std::string(c.shown) : before);
  EXPECT_EQ(page->ChangesMade(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TypedTextTest,
    ::testing::Values(TypedCase{"PointsNumber", Col::kColPoints, "6", "6.0", true},
                      TypedCase{"PointsText", Col::kColPoints, "six", "", false},
                      TypedCase{"MinNoLimit", Col::kColMin, "none", "No Limit", true},
                      TypedCase{"MaxNoLimit", Col::kColMax, "N", "No Limit", true},
                      TypedCase{"MaxNumber", Col::kColMax, "40", "40", true},
                      TypedCase{"ForEveryRange", Col::kColForEvery, "range", "Range", true},
                      TypedCase{"ForEveryNoLimitRefused", Col::kColForEvery, "no", "", false},
                      TypedCase{"MinRangeRefused", Col::kColMin, "Range", "", false},
                      // A Single cannot hold it: stored it would be infinity.
                      TypedCase{"NumberBeyondSingleRefused", Col::kColPoints, "1e39", "", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ScoringPageTest, DeselectingEveryPositionStoresAnEmptyMask) {
  Open("");
  const int32_t row = AddRuleFor(kPassingYards);
  page->ClearChanges();
  view.grid.ClickCell(row, Col::kColPositions);
  auto& list = view.grid.normList;
  ASSERT_TRUE(list.Selected(0));  // "All" from the rule's mask
  for (int32_t i = 0; i < list.ListCount(); ++i) list.SetSelected(i, false);
  list.Click();
  page->Scoring().Move(0);
  EXPECT_EQ(page->Scoring().ApplyToPos(), 0);
  EXPECT_EQ(grid().TextMatrix(row, Col::kColPositions), "");
  EXPECT_TRUE(page->ChangesMade());
}

TEST_F(ScoringPageTest, AddingDeletingAndMarkingEachCountAsAChange) {
  WriteSystem("Half.sco", [](clsScoringIsolate& s) { AddRule(s, 1, kPassingYards, 25, -99999, 99999, 0, 2, 0); });
  Open("Half.sco");
  view.grid.mouseRow = 3;
  view.grid.mouseCol = Col::kColFDM;
  view.grid.ClickCell(3, Col::kColFDM);
  EXPECT_TRUE(page->ChangesMade()) << "mark";
  EXPECT_EQ(grid().TextMatrix(3, Col::kColFDM), "                  X");

  page->ClearChanges();
  view.grid.ClickCell(3, Col::kColName);
  page->mRem_Click(0);
  EXPECT_TRUE(page->ChangesMade()) << "delete";

  page->ClearChanges();
  AddRuleFor(kPassAttempts);
  EXPECT_TRUE(page->ChangesMade()) << "add";
}

TEST_F(ScoringPageTest, DeletedRuleIsAbsentAfterSaveAndReload) {
  WriteSystem("Half.sco", [](clsScoringIsolate& s) {
    AddRule(s, 1, kPassingYards, 25, -99999, 99999, 0, 2, 0);
    AddRule(s, 4, kPassAttempts, 1, -99999, 99999, 0, 2, 0);
  });
  Open("Half.sco");
  ASSERT_EQ(grid().TextMatrix(4, Col::kColName), "Pass Attempts");
  view.grid.ClickCell(4, Col::kColName);
  page->mRem_Click(0);
  EXPECT_EQ(grid().TextMatrix(4, Col::kColName), "Rushing");
  page->FileCommand(9);
  EXPECT_FALSE(page->ChangesMade());

  clsScoringIsolate reread;
  ASSERT_TRUE(basSCOFileControl::ReadScoFileToIsolate(ScoFolder() + "Half.sco", reread));
  ASSERT_EQ(reread.RecordCount(), 1);
  reread.MoveFirst();
  EXPECT_EQ(reread.CatID(), kPassingYards);
}

TEST_F(ScoringPageTest, SavedFileReadsBackByteForByte) {
  WriteSystem("Half.sco", [](clsScoringIsolate& s) {
    AddRule(s, 0.5F, kPassingYards, 25, -99999, 99999, -1, 4 | 8, -1);
    AddRule(s, -2, kPassAttempts, -99999, 3, 7, 0, 2, 0);
  });
  const std::string before = ReadBytes(ScoFolder() + "Half.sco");
  Open("Half.sco");
  page->FileCommand(9);
  EXPECT_EQ(ReadBytes(ScoFolder() + "Half.sco"), before);
  EXPECT_EQ(GlobalProject().Value(kProjScoringSystemFile), "Half.sco");
}

TEST_F(ScoringPageTest, CloseAsksAfterOnlyAddingARule) {
  Open("");
  AddRuleFor(kPassingYards);
  seams.messages.Answer(seams::kAnswerCancel);
  EXPECT_FALSE(page->QueryUnload());
  ASSERT_EQ(seams.messages.messages.size(), 1U);
  EXPECT_EQ(seams.messages.messages[0].text, " Would you like to save changes to Scoring System File?");
}

TEST_F(ScoringPageTest, SaveAsCancelledDuringCloseQuestionKeepsPageAndEdits) {
  Open("");
  AddRuleFor(kPassingYards);
  seams.messages.Answer(seams::kAnswerSave);
  seams.files.AnswerOwn(std::nullopt);
  EXPECT_FALSE(page->QueryUnload());
  EXPECT_TRUE(page->ChangesMade());
  EXPECT_EQ(page->Scoring().RecordCount(), 1);
}

TEST_F(ScoringPageTest, FailedSaveKeepsChangesAndNameAndShowsError) {
  WriteSystem("Half.sco", [](clsScoringIsolate& s) { AddRule(s, 1, kPassingYards, 25, -99999, 99999, 0, 2, 0); });
  Open("Half.sco");
  AddRuleFor(kPassAttempts);
  // The folder goes: nothing can be written.
  std::filesystem::remove_all(ScoFolder());
  seams.messages.Answer(seams::kAnswerSave);
  EXPECT_FALSE(page->QueryUnload());
  EXPECT_TRUE(page->ChangesMade());
  EXPECT_EQ(page->FileName(), "Half.sco");
  ASSERT_FALSE(seams.messages.captions.empty());
  const std::string& caption = seams.messages.captions.back();
  EXPECT_EQ(caption.substr(caption.size() - 5), "Error");
}

TEST_F(ScoringPageTest, EmptyScoringFileOpensAsAnEmptySystem) {
  std::ofstream(ScoFolder() + "Empty.sco").close();
  WriteSystem("Half.sco", [](clsScoringIsolate& s) { AddRule(s, 1, kPassingYards, 25, -99999, 99999, 0, 2, 0); });
  Open("Half.sco");
  seams.files.AnswerOwn("Empty.sco");
  page->FileCommand(7);
  EXPECT_EQ(page->FileName(), "Empty.sco");
  EXPECT_EQ(page->Scoring().RecordCount(), 0);
  EXPECT_EQ(grid().Rows(), 2);
  EXPECT_FALSE(page->ChangesMade());
  EXPECT_TRUE(seams.messages.captions.empty());
  EXPECT_EQ(GlobalProject().Value(kProjScoringSystemFile), "Empty.sco");
}

TEST_F(ScoringPageTest, ASubCategoryTabShowsOnlyItsOwnRulesAndTakesNewOnes) {
  WriteSystem("Half.sco", [](clsScoringIsolate& s) {
    AddRule(s, 1, kPassingYards, 25, -99999, 99999, 0, 2, 0);
    AddRule(s, 1, kRushingYards, 10, -99999, 99999, 0, 2, 0);
  });
  Open("Half.sco");
  page->mTab_Click(2);
  ASSERT_EQ(grid().Rows(), 4);
  EXPECT_EQ(grid().TextMatrix(2, Col::kColName), "Rushing");
  EXPECT_EQ(grid().TextMatrix(3, Col::kColName), "Rushing Yards");
  EXPECT_EQ(grid().TextMatrix(3, Col::kColForEvery), "10");
  const int32_t row = AddRuleFor(kRushingYards);
  EXPECT_EQ(grid().Rows(), 5);
  EXPECT_EQ(grid().TextMatrix(row, Col::kColName), "Rushing Yards");
  EXPECT_EQ(grid().TextMatrix(row, Col::kColMax), "No Limit");
  EXPECT_EQ(page->Scoring().RecordCount(), 3);
}

TEST_F(ScoringPageTest, NewSystemIsWrittenAtOnceAndNamedInTheProject) {
  WriteSystem("Half.sco", [](clsScoringIsolate& s) { AddRule(s, 1, kPassingYards, 25, -99999, 99999, 0, 2, 0); });
  Open("Half.sco");
  seams.files.AnswerOwn("Fresh.sco");
  page->FileCommand(6);
  EXPECT_EQ(page->FileName(), "Fresh.sco");
  EXPECT_EQ(page->Scoring().RecordCount(), 0);
  EXPECT_EQ(grid().Rows(), 2);
  EXPECT_FALSE(page->ChangesMade());
  EXPECT_TRUE(std::filesystem::exists(ScoFolder() + "Fresh.sco"));
  EXPECT_EQ(GlobalProject().Value(kProjScoringSystemFile), "Fresh.sco");
}

TEST_F(ScoringPageTest, SaveAsWritesTheNewFileAndAFailedOneKeepsTheOldName) {
  WriteSystem("Half.sco", [](clsScoringIsolate& s) { AddRule(s, 1, kPassingYards, 25, -99999, 99999, 0, 2, 0); });
  const std::string before = ReadBytes(ScoFolder() + "Half.sco");
  Open("Half.sco");
  AddRuleFor(kPassAttempts);
  seams.files.AnswerOwn("Copy.sco");
  page->FileCommand(10);
  EXPECT_EQ(page->FileName(), "Copy.sco");
  EXPECT_FALSE(page->ChangesMade());
  EXPECT_EQ(ReadBytes(ScoFolder() + "Half.sco"), before);
  clsScoringIsolate copy;
  ASSERT_TRUE(basSCOFileControl::ReadScoFileToIsolate(ScoFolder() + "Copy.sco", copy));
  EXPECT_EQ(copy.RecordCount(), 2);

  AddRuleFor(kRushingYards);
  std::filesystem::remove_all(ScoFolder());
  seams.files.AnswerOwn("Lost.sco");
  page->FileCommand(10);
  EXPECT_EQ(page->FileName(), "Copy.sco");
  EXPECT_TRUE(page->ChangesMade());
  EXPECT_EQ(GlobalProject().Value(kProjScoringSystemFile), "Copy.sco");
}

// The project file names a file outside the scoring folder: refused where
// the project is read, so the page neither shows it nor saves over it.
TEST_F(ScoringPageTest, ASystemNamedByAPathInTheProjectFileIsNeitherReadNorWritten) {
  clsScoringIsolate s;
  AddRule(s, 1, kPassingYards, 25, 0, 99999, 0, 2, 0);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(work.File("victim.sco"), s));
  const std::string victim = ReadBytes(work.File("victim.sco"));
  kdtest::WriteFile(clsCheatIsolate::ProjectFolder() + "P.kdp",
                    "[Kickwell Draftyard Project]\r\nScoring System File=../victim.sco\r\n");
  ASSERT_TRUE(GlobalProject().OpenFile("P.kdp"));
  EXPECT_EQ(seams.messages.captions, (std::vector<std::string>{"Project File Error"}));
  page = std::make_unique<clsUIScoringSystem2>(view);
  ASSERT_TRUE(page->ActivateForm());
  EXPECT_EQ(page->FileName(), "");
  EXPECT_EQ(page->Scoring().RecordCount(), 0);
  AddRuleFor(kRushingYards);
  seams.files.AnswerOwn(std::nullopt);
  page->FileCommand(9);
  EXPECT_EQ(seams.files.ownRequests.size(), 1u);
  EXPECT_EQ(seams.messages.captions.size(), 1u);
  EXPECT_EQ(ReadBytes(work.File("victim.sco")), victim);
}

void PoisonedRule(const std::string& path, float points, float rangeMax) {
  clsScoringIsolate s;
  AddRule(s, 1, kPassingYards, 25, 0, 99999, 0, 2, 0);
  AddRule(s, points, kPassAttempts, 1, 0, rangeMax, 0, 2, 0);
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(path, s));
}

// Files the page must refuse, each with one message, never adopting them:
// Save must not reach them, and the page keeps working. (A file too short
// for a rule is a system without rules, so only values no rule can hold
// and names that lead to no file are refused.)
std::vector<kdtest::HostileDocument> HostileScoring() {
  std::vector<kdtest::HostileDocument> out = {
      {"nan_points", [](const std::string& p,
                        const std::string&) { PoisonedRule(p, std::numeric_limits<float>::quiet_NaN(), 9); }},
      {"inf_range_max",
       [](const std::string& p, const std::string&) {
         PoisonedRule(p, 1, std::numeric_limits<float>::infinity());
       }},
  };
  for (kdtest::HostileDocument& d : kdtest::NotAFileDocuments()) out.push_back(std::move(d));
  return out;
}

class HostileScoringFile : public ScoringPageTest,
                           public ::testing::WithParamInterface<kdtest::HostileDocument> {};

TEST_P(HostileScoringFile, IsRefusedOnceAtStartAndByOpenAndSaveNeverReachesIt) {
  const std::string path = ScoFolder() + "Hostile.sco";
  GetParam().make(path, "");
  const kdtest::PathSnapshot before = kdtest::Snapshot(path);
  WriteSystem("Half.sco", [](clsScoringIsolate& s) { AddRule(s, 1, kPassingYards, 25, 0, 99999, 0, 2, 0); });
  kdtest::HeapPeak heap;

  // Named by the project: the page opens unnamed, so Save asks for a name.
  ASSERT_NO_THROW(Open("Hostile.sco"));
  EXPECT_EQ(seams.messages.captions.size(), 1u);
  EXPECT_EQ(page->FileName(), "");
  EXPECT_EQ(page->Scoring().RecordCount(), 0);
  seams.files.AnswerOwn(std::nullopt);
  EXPECT_NO_THROW(page->FileCommand(9));
  EXPECT_EQ(seams.files.ownRequests.size(), 1u);

  // Opened over a system that read: the page keeps it.
  seams.messages.captions.clear();
  seams.files.AnswerOwn("Half.sco");
  page->FileCommand(7);
  ASSERT_EQ(page->FileName(), "Half.sco");
  seams.files.AnswerOwn("Hostile.sco");
  EXPECT_NO_THROW(page->FileCommand(7));
  EXPECT_EQ(seams.messages.captions.size(), 1u);
  EXPECT_EQ(page->FileName(), "Half.sco");
  EXPECT_EQ(page->Scoring().RecordCount(), 1);
  EXPECT_EQ(GlobalProject().Value(kProjScoringSystemFile), "Half.sco");
  EXPECT_TRUE(page->Save());

  EXPECT_EQ(kdtest::Snapshot(path), before);
  EXPECT_LT(heap.Bytes(), kdtest::kHostileHeapBound);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileScoringFile, ::testing::ValuesIn(HostileScoring()),
                         kdtest::HostileDocumentName());

}  // namespace
