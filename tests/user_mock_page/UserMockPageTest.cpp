#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "HostileFiles.h"
#include "JobProject.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "shell/basFileDialog.h"
#include "user_mock_page/UserMockPageView.h"
#include "user_mock_page/clsUIUserMock.h"

namespace fs = std::filesystem;

namespace {

using namespace kdtest;

class FakeView final : public UserMockPageView {
 public:
  FlexGridModel& PickGrid() override { return pick; }
  FlexGridModel& PossibleGrid() override { return possible; }
  FlexGridModel& TeamGrid() override { return team; }
  void SetPositionTabs(const std::vector<std::string>& captions) override { positionTabs = captions; }
  void SetTeamTabs(const std::vector<std::string>& captions) override { teamTabs = captions; }
  void SelectTeamTab(int32_t index) override { teamTab = index; }
  void SetRosterLabel(const std::string& text) override { rosterLabel = text; }
  void SetStatus(int32_t label, const std::string& text) override {
    status.at(static_cast<std::size_t>(label)) = text;
  }
  void SetActionButtons(bool draft, bool release, bool logic) override { action = {draft, release, logic}; }
  void SetPickButtons(bool prev, bool next, bool first) override { pickBar = {prev, next, first}; }
  void SetDisplayMode(int32_t m) override { mode = m; }
  void ScrollIntoView(FlexGridModel&, int32_t, int32_t) override {}
  void SetBusy(bool) override {}
  bool LogicWindowOpen() override { return logicOpen; }
  void LoadLogicWindow() override { logicOpen = true; }
  void ShowLogicWindow() override {}

  FlexGridModel pick, possible, team;
  std::vector<std::string> positionTabs, teamTabs;
  int32_t teamTab = 0;
  std::string rosterLabel;
  std::array<std::string, 2> status;
  std::array<bool, 3> action{}, pickBar{};
  int32_t mode = -1;
  bool logicOpen = false;
};

const std::string kBundled = std::string(KD_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat/";

// The engine fixture's project (three teams, two serpentine rounds) with the
// bundled display grids of the page.
class UserMockPage : public ::testing::Test {
 protected:
  void SetUp() override {
    basMockDraftSettings::GlobalSettings().SetLongVal(kSetUserMockDepth, 10);
    project.WriteLeague(LeaguePlan{});
    for (const char* name : {"UserMock - Available.dis", "UserMock - Picks.dis", "UserMock - Roster.dis"}) {
      for (const std::string& folder : {DefaultsFolder, FileTypeFolder[kPageDisplayGrids]}) {
        fs::create_directories(folder);
        fs::copy_file(kBundled + "def/" + name, folder + name, fs::copy_options::overwrite_existing);
      }
    }
    fs::create_directories(FileTypeFolder[kPageUserMockDraft]);
  }

  // Answers the "New User Generated Mock Draft" question with Yes and names
  // the new draft.
  void CreateD1() {
    messages().Answer("save");
    project.seams.files.AnswerOwn("d1");
    ASSERT_TRUE(page.ActivateForm());
  }

  FakeMessageBox& messages() { return project.seams.messages; }
  std::string Key14() const { return GlobalProject().Value(kProjUserMockDraftFile); }
  std::string UgmPath(const std::string& name) const { return FileTypeFolder[kPageUserMockDraft] + name; }

  JobProject project;
  FakeView view;
  clsUIUserMock page{view};
};

TEST_F(UserMockPage, AProjectWithoutADraftAsksAndCreatesD1InProjectKey14) {
  CreateD1();
  ASSERT_EQ(messages().messages.size(), 1u);
  EXPECT_EQ(messages().messages[0].caption, "New User Generated Mock Draft");
  EXPECT_EQ(messages().messages[0].text,
            "Data from the project League Properties file will be used to create your UGM.  Please make sure "
            "the # of teams, # of draft rounds and draft order are correct before creating this UGM.  A new "
            "UGM may be needed to correctly change these values. Continue?");
  EXPECT_EQ(project.seams.files.ownRequests.at(0).mode, basFileDialog::kNew);
  EXPECT_EQ(Key14(), "d1.ugm");
  EXPECT_EQ(page.FileName(), "d1.ugm");
  EXPECT_TRUE(page.ChangesMade());

  // The page: board of two rounds, three teams; tabs; the first pick active.
  EXPECT_EQ(view.mode, clsUIUserMock::kBoardMode);
  EXPECT_EQ(view.pick.Rows(), 2);
  EXPECT_EQ(view.pick.Cols(), 4);
  EXPECT_EQ(view.pick.TextMatrix(0, 1).substr(0, 9), " 1 Alpha\r");
  EXPECT_EQ(view.teamTabs, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(view.positionTabs.front(), "All");
  EXPECT_EQ(view.status[0].substr(0, 28), "Active Pick # 1  Team # 1 Al");
  EXPECT_EQ(view.status[1], "Player: Able, Al  QB");
  EXPECT_EQ(view.action, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(view.pickBar, (std::array<bool, 3>{false, true, true}));
  // Every available player, keyed by MasterID, best roster value first.
  EXPECT_GT(view.possible.Rows(), 10);
  EXPECT_EQ(view.possible.TextMatrix(1, 1), " Name");

  // Saved, the draft opens again without a question.
  ASSERT_TRUE(page.pSbSaveUserMock());
  EXPECT_FALSE(page.ChangesMade());
  FakeView again;
  clsUIUserMock reopened{again};
  ASSERT_TRUE(reopened.ActivateForm());
  EXPECT_EQ(messages().messages.size(), 1u);
  EXPECT_EQ(reopened.FileName(), "d1.ugm");
}

TEST_F(UserMockPage, DecliningTheNewDraftKeepsThePageClosed) {
  messages().Answer("nosave");
  EXPECT_FALSE(page.ActivateForm());
  EXPECT_EQ(Key14(), "");
  EXPECT_TRUE(project.seams.files.ownRequests.empty());
}

TEST_F(UserMockPage, ADamagedOrMissingDraftShowsItsErrorAndOffersANewOne) {
  for (const std::string& bytes : {std::string("short"), std::string(64, 'x'), std::string()}) {
    SCOPED_TRACE(bytes.size());
    messages().plain.clear();
    messages().messages.clear();
    GlobalProject().SetValue(kProjUserMockDraftFile, "bad.ugm");
    fs::remove(UgmPath("bad.ugm"));
    if (!bytes.empty()) std::ofstream(UgmPath("bad.ugm"), std::ios::binary) << bytes;
    messages().Answer("nosave");
    FakeView fresh;
    clsUIUserMock other{fresh};
    EXPECT_FALSE(other.ActivateForm());
    ASSERT_EQ(messages().plain.size(), 1u);
    EXPECT_EQ(messages().plain[0].caption, "Load User Mock Error");
    ASSERT_EQ(messages().messages.size(), 1u);
    EXPECT_EQ(messages().messages[0].caption, "New User Generated Mock Draft");
    EXPECT_EQ(other.Session().Board().Count(), -1);
  }
}

TEST_F(UserMockPage, TheCloseQuestionAndAFailedSaveKeepThePageAndTheName) {
  CreateD1();
  // Cancel stays.
  messages().Answer("cancel");
  EXPECT_FALSE(page.QueryUnload());
  EXPECT_EQ(messages().messages.back().caption, "User Generated Mock Draft File");
  EXPECT_EQ(messages().messages.back().text, " Would you like to save changes to d1.ugm?");

  // Save that cannot write keeps the page, the changes and the name.
  fs::create_directories(UgmPath("d1.ugm"));
  messages().Answer("save");
  EXPECT_FALSE(page.QueryUnload());
  EXPECT_TRUE(page.ChangesMade());
  fs::remove(UgmPath("d1.ugm"));

  // Save As onto another draft asks first; a failed write keeps d1.ugm.
  fs::create_directories(UgmPath("d2.ugm"));
  project.seams.files.AnswerOwn("d2");
  messages().Answer("save");  // overwrite
  page.FileCommand(10);
  EXPECT_EQ(messages().messages.back().caption, "File Already Exists");
  EXPECT_EQ(page.FileName(), "d1.ugm");
  EXPECT_EQ(Key14(), "d1.ugm");
  EXPECT_TRUE(page.ChangesMade());

  // Don't Save lets the page close.
  messages().Answer("nosave");
  EXPECT_TRUE(page.QueryUnload());
}

TEST_F(UserMockPage, ABoardClickOutsideThePicksDoesNothing) {
  CreateD1();
  page.mPN_Click(1);
  const int32_t runs = project.seams.progress.loads;
  page.mFlxPick_Click(0, 0);    // round label
  page.mFlxPick_Click(5, 2);    // below the board
  page.mFlxPick_Click(-1, -1);  // outside the cells
  EXPECT_EQ(page.Session().ActivePick(), 1);
  EXPECT_EQ(project.seams.progress.loads, runs);
  page.mFlxPick_Click(1, 3);
  EXPECT_EQ(page.Session().ActivePick(), 5);
}

TEST_F(UserMockPage, AnEmptyBoardDisablesDraftingAndNavigation) {
  CreateD1();
  page.Session().Document().SetBoardCount(0);
  ASSERT_TRUE(page.Session().Document().SaveUserMock());
  FakeView fresh;
  clsUIUserMock empty{fresh};
  ASSERT_TRUE(empty.ActivateForm());
  ASSERT_EQ(empty.Session().Board().Count(), -1);
  EXPECT_EQ(fresh.action, (std::array<bool, 3>{}));
  EXPECT_EQ(fresh.pickBar, (std::array<bool, 3>{}));
  const int32_t runs = project.seams.progress.loads;
  empty.mPN_Click(1);
  empty.mAR_Click(0);
  empty.mFlxPick_Click(0, 1);
  EXPECT_EQ(project.seams.progress.loads, runs);
  EXPECT_EQ(empty.Session().ActivePick(), -1);
}

TEST_F(UserMockPage, TheProjectionCannotBeReenteredWhileItRuns) {
  CreateD1();
  int attempts = 0;
  project.seams.yield.onYield = [&](int) {
    ++attempts;
    page.mPN_Click(1);
    page.mAR_Click(0);
    page.mFlxPick_Click(1, 1);
  };
  page.mPN_Click(1);
  project.seams.yield.onYield = nullptr;
  EXPECT_GT(attempts, 0);
  EXPECT_EQ(page.Session().ActivePick(), 1);
  EXPECT_EQ(page.Session().Board().MasterID(0), 0);
}

TEST_F(UserMockPage, AHeadingClickSortsTheAvailablePlayersAndViewLogicShowsTheTrace) {
  CreateD1();
  page.mFlxPossible_Click(1, 1);  // "Name"
  EXPECT_EQ(page.SortColumn(), 1);
  for (int32_t r = 3; r < view.possible.Rows(); ++r)
    EXPECT_LE(view.possible.TextMatrix(r - 1, 1), view.possible.TextMatrix(r, 1));

  page.mAR_Click(2);
  EXPECT_TRUE(view.logicOpen);
  ASSERT_GE(project.seams.trace.lines.size(), 2u);
  EXPECT_EQ(project.seams.trace.lines[0], "PICK #1 Alpha [points.stg]");
}

// The keys used to go on from the list's first row, among the drafted
// players, in the column sorted by, and so carried the list away from the
// player marked active.
TEST_F(UserMockPage, TheAvailablePlayersCurrentRowIsTheActivePlayersAndASortKeepsTheColumn) {
  CreateD1();
  page.mAR_Click(0);
  page.mAR_Click(0);
  const auto activeRow = [this] {
    for (int32_t r = 2; r < view.possible.Rows(); ++r)
      if (view.possible.TextMatrix(r, 0) == std::to_string(page.Session().ActivePlayer())) return r;
    return -1;
  };
  ASSERT_GT(activeRow(), 2);
  EXPECT_EQ(view.possible.Row(), activeRow());
  ASSERT_GT(view.possible.Cols(), 4);
  view.possible.SetCol(2);
  page.mFlxPossible_Click(1, 4);  // a heading: sorted by its column
  EXPECT_EQ(page.SortColumn(), 4);
  EXPECT_EQ(view.possible.Row(), activeRow());
  EXPECT_EQ(view.possible.Col(), 2);
}

TEST_F(UserMockPage, AMissingPicksDisplayGridFallsBackToItsDefault) {
  fs::remove(FileTypeFolder[kPageDisplayGrids] + "UserMock - Picks.dis");
  CreateD1();
  page.SetPickDisplayMode(clsUIUserMock::kListMode);
  EXPECT_EQ(view.mode, clsUIUserMock::kListMode);
  EXPECT_TRUE(messages().plain.empty());
  ASSERT_EQ(view.pick.Rows(), 2 + 6);
  EXPECT_EQ(view.pick.TextMatrix(1, 1), " Rnd");
  // The open picks show their projected players, keyed by MasterID, under
  // their own round, pick and team.
  EXPECT_EQ(view.pick.TextMatrix(2, 0), "101");
  EXPECT_EQ(view.pick.TextMatrix(3, 0), "201");
  EXPECT_EQ(view.pick.TextMatrix(3, 2), "2");
  EXPECT_EQ(view.pick.TextMatrix(3, 3), " Bravo");
}

TEST_F(UserMockPage, ATeamTabShowsItsRosterAndADraftedPlayerLeadsBackToHisPick) {
  CreateD1();
  page.mAR_Click(0);  // team 1 drafts Able with pick 1
  ASSERT_EQ(page.Session().Board().MasterID(0), 101);
  page.mTabTeam_Click(2);
  EXPECT_EQ(page.SelectedTeamTab(), 2);
  page.mTabTeam_Click(3);  // no fourth team
  EXPECT_EQ(page.SelectedTeamTab(), 2);
  page.mTabTeam_Click(0);
  int32_t row = -1;
  for (int32_t r = 0; r < view.team.Rows(); ++r)
    if (view.team.TextMatrix(r, 0) == "101") row = r;
  ASSERT_GE(row, 0) << "Able in team 1's roster";
  ASSERT_NE(page.Session().ActivePick(), 0);
  page.mFlxTeam_Click(row, 1);
  EXPECT_EQ(page.Session().ActivePick(), 0);
  // Released, he is available again.
  page.mAR_Click(1);
  EXPECT_EQ(page.Session().Board().MasterID(0), 0);
}

TEST_F(UserMockPage, APositionTabShowsOnlyThatPositionsPlayers) {
  CreateD1();
  ASSERT_GE(view.positionTabs.size(), 2u);
  ASSERT_EQ(view.positionTabs[1], "QB");
  page.mTabPossible_Click(1);
  EXPECT_EQ(page.SelectedPositionTab(), 1);
  std::vector<std::string> keys;
  for (int32_t r = 2; r < view.possible.Rows(); ++r) keys.push_back(view.possible.TextMatrix(r, 0));
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys, (std::vector<std::string>{"101", "102", "103", "104"}));
  page.mTabPossible_Click(0);
  EXPECT_GT(view.possible.Rows(), 2 + 4);
}

TEST_F(UserMockPage, AChosenDisplayGridReplacesTheGridsColumns) {
  CreateD1();
  const int32_t before = view.possible.Cols();
  project.seams.files.AnswerOwn(std::nullopt);  // cancelled: nothing changes
  page.ChangeDisplayGrid(clsUIUserMock::kPossibleGrid);
  EXPECT_EQ(page.GridFile(clsUIUserMock::kPossibleGrid), "UserMock - Available.dis");
  project.seams.files.AnswerOwn("UserMock - Roster.dis");
  page.ChangeDisplayGrid(clsUIUserMock::kPossibleGrid);
  EXPECT_EQ(page.GridFile(clsUIUserMock::kPossibleGrid), "UserMock - Roster.dis");
  EXPECT_NE(view.possible.Cols(), before);
  EXPECT_GT(view.possible.Rows(), 2 + 4);  // still every available player
}

TEST_F(UserMockPage, NewAndOpenFromTheFileMenuSwitchDrafts) {
  CreateD1();
  page.mAR_Click(0);
  ASSERT_TRUE(page.pSbSaveUserMock());
  project.seams.files.AnswerOwn("d2");
  page.FileCommand(6);
  EXPECT_EQ(page.FileName(), "d2.ugm");
  EXPECT_EQ(page.Session().Board().MasterID(0), 0);
  EXPECT_EQ(Key14(), "d2.ugm");
  // Open asks about the unsaved new draft first, then shows the chosen one.
  messages().Answer("nosave");
  project.seams.files.AnswerOwn("d1.ugm");
  page.FileCommand(7);
  EXPECT_EQ(page.FileName(), "d1.ugm");
  EXPECT_EQ(page.Session().Board().MasterID(0), 101);
  EXPECT_FALSE(fs::exists(UgmPath("d2.ugm")));
}

}  // namespace

namespace {

// The roster records of a draft, rewritten.
void RewriteRosterSizes(clsUserMockIsolate& ugm,
                        const std::function<void(std::vector<LGPRosterSizeRecord>&)>& change) {
  std::vector<LGPRosterSizeRecord> records;
  for (int32_t k = 0; k < ugm.RosterSizeCount(); ++k)
    records.push_back({ugm.PosID(k), ugm.MergeAsID(k), ugm.RosterMin(k), ugm.RosterMax(k), ugm.StarterMin(k),
                       ugm.StarterMax(k)});
  change(records);
  ugm.ClearRosterPositions();
  for (const LGPRosterSizeRecord& r : records)
    ugm.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
}

// Drafts the page saved as d1.ugm (one pick made), changed by `craft`;
// whether the page opens it, and how many messages it shows.
struct HostileDraft {
  const char* name;
  std::function<void(clsUserMockIsolate& ugm, const std::string& path)> craft;
  bool opens;
  std::size_t messages;
};

const HostileDraft kHostileDrafts[] = {
    {"whole_roster_record_last",
     [](clsUserMockIsolate& ugm, const std::string&) {
       RewriteRosterSizes(ugm, [](auto& r) {
         std::stable_partition(r.begin(), r.end(), [](const LGPRosterSizeRecord& x) { return x.PosID != 1; });
       });
       ASSERT_TRUE(ugm.SaveUserMock());
     },
     true, 0},
    {"roster_sizes_of_two_billion",
     [](clsUserMockIsolate& ugm, const std::string&) {
       RewriteRosterSizes(ugm, [](auto& r) {
         for (LGPRosterSizeRecord& x : r)
           x.RosterMax = x.RosterMin = x.StarterMax = x.StarterMin = 2147483647;
       });
       ASSERT_TRUE(ugm.SaveUserMock());
     },
     true, 0},
    {"truncated",
     [](clsUserMockIsolate&, const std::string& path) {
       kdtest::WriteFile(path, kdtest::ReadFile(path).substr(0, 100));
     },
     false, 2},
    {"fifo",
     [](clsUserMockIsolate&, const std::string& path) {
       kdtest::MakeNotAFile(path, kdtest::NotAFile::kFifo);
     },
     false, 2},
    {"dev_zero",
     [](clsUserMockIsolate&, const std::string& path) {
       kdtest::MakeNotAFile(path, kdtest::NotAFile::kDevZero);
     },
     false, 2},
};

class HostileUserMock : public UserMockPage, public ::testing::WithParamInterface<HostileDraft> {};

}  // namespace

TEST_P(HostileUserMock, OpensOrIsRefusedOnceWithoutAnEscapedErrorAndStaysUsable) {
  CreateD1();
  page.mAR_Click(0);  // draft the recommended player at pick 1
  ASSERT_TRUE(page.pSbSaveUserMock());
  ASSERT_GT(page.Session().Document().BoardMasterID(0), 0);
  GetParam().craft(page.Session().Document(), UgmPath("d1.ugm"));
  const kdtest::PathSnapshot before = kdtest::Snapshot(UgmPath("d1.ugm"));
  messages().captions.clear();
  kdtest::HeapPeak heap;

  FakeView fresh;
  clsUIUserMock other{fresh};
  if (!GetParam().opens) messages().Answer("nosave");  // no new draft in its place
  bool opened = !GetParam().opens;
  ASSERT_NO_THROW(opened = other.ActivateForm());
  EXPECT_EQ(opened, GetParam().opens);
  EXPECT_EQ(messages().captions.size(), GetParam().messages);
  if (opened) {
    // Drafting goes on: every team's roster has its whole roster first.
    EXPECT_NO_THROW(other.mPN_Click(1));
    EXPECT_NO_THROW(other.mAR_Click(0));
    EXPECT_EQ(other.Session().Board().MasterID(0), page.Session().Board().MasterID(0));
    // No more places than the team has picks (two) for each position.
    EXPECT_LE(fresh.team.Rows(), 2 + 2 * other.Session().Document().RosterSizeCount());
  } else {
    EXPECT_EQ(kdtest::Snapshot(UgmPath("d1.ugm")), before);
  }
  EXPECT_LT(heap.Bytes(), kdtest::kHostileHeapBound);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileUserMock, ::testing::ValuesIn(kHostileDrafts),
                         [](const auto& param) { return std::string(param.param.name); });

// The draft is prepared from the project's league: a league that does not
// read says so, once for each try, instead of the page closing unexplained.
TEST_F(UserMockPage, ALeagueThatDoesNotReadIsNamedOnceForTheSavedDraftAndForANewOne) {
  CreateD1();
  ASSERT_TRUE(page.pSbSaveUserMock());
  const kdtest::PathSnapshot draft = kdtest::Snapshot(UgmPath("d1.ugm"));
  for (const kdtest::HostileDocument& kind : kdtest::DamagedDocuments(100, 31)) {
    if (std::string(kind.name) == "count_of_two_billion") continue;  // the reader's own message
    SCOPED_TRACE(kind.name);
    kind.make(project.leaguePath, "");
    messages().messages.clear();
    FakeView fresh;
    clsUIUserMock other{fresh};
    messages().Answer("save");  // OK to the refusal
    messages().Answer("save");  // yes, a new draft
    project.seams.files.AnswerOwn("d2");
    bool opened = true;
    ASSERT_NO_THROW(opened = other.ActivateForm());
    EXPECT_FALSE(opened);
    std::vector<std::string> captions;
    for (const auto& m : messages().messages) captions.push_back(m.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"League Properties Error", "New User Generated Mock Draft",
                                                  "League Properties Error"}));
    EXPECT_NE(messages().messages[0].text.find(GlobalProject().Value(kProjLeaguePropertiesFile)), std::string::npos);
    EXPECT_EQ(kdtest::Snapshot(UgmPath("d1.ugm")), draft);
    EXPECT_FALSE(fs::exists(UgmPath("d2.ugm")));
  }
}

TEST_F(UserMockPage, ALeagueOfTwoBillionPlacesMakesADraftThatStaysBounded) {
  LeaguePlan plan;
  for (LGPRosterSizeRecord& r : plan.sizes) r.RosterMax = r.StarterMax = r.RosterMin = 2147483647;
  project.WriteLeague(plan);
  kdtest::HeapPeak heap;
  ASSERT_NO_THROW(CreateD1());
  EXPECT_NO_THROW(page.mAR_Click(0));
  EXPECT_GT(page.Session().Board().MasterID(0), 0);
  EXPECT_LE(view.team.Rows(), 2 + 2 * page.Session().Document().RosterSizeCount());
  EXPECT_LT(heap.Bytes(), kdtest::kHostileHeapBound);
}
