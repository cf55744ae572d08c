#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "DatabaseFixtures.h"
#include "MainWindowHarness.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/ui/frmFile.h"
#include "shell/ui/frmLogic.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"
#include "user_mock/clsUserMockIsolate.h"
#include "user_mock_page/clsUIUserMock.h"
#include "user_mock_page/ui/frmCompatibility.h"
#include "user_mock_page/ui/frmUserMock.h"

namespace user_mock_page_ui {
void RegisterWindows();
}

namespace {

using namespace kdtest;
using user_mock_page_ui::frmCompatibility;
using user_mock_page_ui::frmUserMock;

void ClickCell(FlexGridWidget* grid, int32_t row, int32_t col) {
  grid->EnsureVisible(row, col);
  const QRect cell = grid->CellRect(row, col);
  ASSERT_FALSE(cell.isNull()) << row << "," << col;
  QTest::mouseClick(grid, Qt::LeftButton, {}, cell.center());
}

class UserMockWindow : public MainWindowTest {
 protected:
  UserMockWindow() { user_mock_page_ui::RegisterWindows(); }
  ~UserMockWindow() override { seams::Install(std::unique_ptr<seams::CompatibilityView>()); }

  // Opens the sample project and the page, answering its question with a
  // new draft named d1; the question's title lands in `question`.
  frmUserMock* OpenNewDraft(std::string& question) {
    if (!Start() || !GlobalProject().OpenFile("KD-Sample 2024.kdp")) return nullptr;
    script
        .Then<frmMessage>([&](frmMessage* box) {
          question = box->windowTitle().toStdString();
          PressSoon(*pointer, box->mBtn(), 0);
        })
        .Then<frmFile>([](frmFile* dialog) {
          dialog->txtFileName()->setText("d1");
          QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
        });
    basUIControl::SwitchPage(kPageUserMockDraft);
    EXPECT_TRUE(script.Done());
    return dynamic_cast<frmUserMock*>(window->CurrentPageForm());
  }
};

TEST_F(UserMockWindow, OnTheSampleThePageAsksCreatesD1AndDraftsThreePicksByClicks) {
  std::string question;
  frmUserMock* page = OpenNewDraft(question);
  EXPECT_EQ(question, "New User Generated Mock Draft");
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GlobalProject().Value(kProjUserMockDraftFile), "d1.ugm");
  clsUserMockSession& session = page->Controller().Session();
  const clsMockDraft& board = session.Board();

  // Three times: the best player still available, then "Draft".
  for (int32_t k = 0; k < 3; ++k) {
    const FlexGridModel& available = page->flxPossible()->Model();
    int32_t row = 2;
    while (row < available.Rows() && board.PlayerDraftNdx(std::stoi(available.TextMatrix(row, 0))) >= 0)
      ++row;
    ASSERT_LT(row, available.Rows());
    const int32_t chosen = std::stoi(available.TextMatrix(row, 0));
    ClickCell(page->flxPossible(), row, 1);
    EXPECT_EQ(session.ActivePlayer(), chosen);
    Press(*pointer, page->mAR(), 0);
    EXPECT_EQ(board.MasterID(k), chosen);
  }
  // The board cells name the players; projections left the board alone.
  int32_t made = 0;
  for (int32_t p = 0; p <= board.Count(); ++p) made += board.MasterID(p) > 0 ? 1 : 0;
  EXPECT_EQ(made, 3);
  for (int32_t p = 0; p < 3; ++p) {
    const std::string name = session.Database().pFnGetPlayerNamewMasID(board.MasterID(p));
    EXPECT_NE(page->flxPick()->Model().TextMatrix(0, p + 1).find(name), std::string::npos) << p;
  }
  EXPECT_EQ(page->lblActive(0)->text().toStdString().substr(0, 26), "Active Pick # 4  Team # 4 ");
  EXPECT_EQ(page->lblActive(1)->text().toStdString().substr(0, 8), "Player: ");

  // A click on the first pick shows its team's roster with the player.
  ClickCell(page->flxPick(), 0, 1);
  EXPECT_EQ(session.ActivePick(), 0);
  const FlexGridModel& roster = page->flxTeam()->Model();
  bool listed = false;
  for (int32_t r = 2; r < roster.Rows(); ++r)
    listed |= roster.TextMatrix(r, 0) == std::to_string(board.MasterID(0));
  EXPECT_TRUE(listed);
  EXPECT_EQ(page->lblRoster()->text().toStdString().substr(0, 8), " Roster ");
  SaveScreenshot(window.get(), "user-mock-page");

  // Leaving with unsaved changes asks; Cancel keeps the page.
  std::string text;
  script.Then<frmMessage>([&](frmMessage* box) {
    text = box->lblView()->text().toStdString();
    PressSoon(*pointer, box->mBtn(), 2);
  });
  basUIControl::SwitchPage(kPageProject);
  EXPECT_EQ(text, " Would you like to save changes to d1.ugm?");
  EXPECT_EQ(basUIControl::CurrentPage(), kPageUserMockDraft);
}

// The arrow keys in the available players choose as a click does: the player
// they land on is the one "Draft" takes.
TEST_F(UserMockWindow, ArrowKeysInTheAvailablePlayersChooseThePlayerDraftTakes) {
  std::string question;
  frmUserMock* page = OpenNewDraft(question);
  ASSERT_NE(page, nullptr);
  clsUserMockSession& session = page->Controller().Session();
  FlexGridWidget* grid = page->flxPossible();
  const FlexGridModel& available = grid->Model();
  ASSERT_GT(available.Rows(), 4);
  ClickCell(grid, 2, 1);
  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Down);
  const int32_t chosen = std::stoi(available.TextMatrix(4, 0));
  EXPECT_EQ(session.ActivePlayer(), chosen);
  QTest::keyClick(grid, Qt::Key_Up);
  const int32_t above = std::stoi(available.TextMatrix(3, 0));
  EXPECT_EQ(session.ActivePlayer(), above);
  Press(*pointer, page->mAR(), 0);
  EXPECT_EQ(session.Board().MasterID(0), above);
}

TEST_F(UserMockWindow, TabsShowAPositionsPlayersAndATeamsRosterAndViewLogicOpensTheTrace) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  script
      .Then<frmMessage>([&](frmMessage* box) { PressSoon(*pointer, box->mBtn(), 0); })
      .Then<frmFile>([](frmFile* dialog) {
        dialog->txtFileName()->setText("d1");
        QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
      });
  basUIControl::SwitchPage(kPageUserMockDraft);
  ASSERT_TRUE(script.Done());
  auto* page = dynamic_cast<frmUserMock*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  const int32_t everyone = page->flxPossible()->Model().Rows();
  ASSERT_GT(page->mTabPossible()->Tabs(), 1);
  PressTab(*pointer, page->mTabPossible(), 1);
  EXPECT_EQ(page->Controller().SelectedPositionTab(), 1);
  EXPECT_TRUE(page->mTabPossible()->TabSelected(1));
  EXPECT_LT(page->flxPossible()->Model().Rows(), everyone);

  ASSERT_GT(page->mTabTeam()->Tabs(), 2);
  PressTab(*pointer, page->mTabTeam(), 2);
  EXPECT_EQ(page->Controller().SelectedTeamTab(), 2);

  Press(*pointer, page->mAR(), 2);  // View Logic
  EXPECT_TRUE(frmLogic::IsLogicWindowOpen());
  ASSERT_NE(frmLogic::Instance(), nullptr);
  EXPECT_TRUE(frmLogic::Instance()->isVisible());
  EXPECT_GT(frmLogic::Instance()->lstLogic()->count(), 0);
  frmLogic::Unload();
}

// The transfer dialog over a twelve-team league and a ten-owner draft.
class TransferDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(db.InitializeKickwellDB(MakeTemplateDatabase(dir)));
    league.SetTeamCount(12);
    for (int32_t t = 1; t <= 12; ++t) {
      league.SetTeamName(t, "Team " + std::to_string(t));
      league.SetStrategy(t, "s.stg");
    }
    ugm.SetOwnerCount(10);
    for (int32_t o = 0; o < 10; ++o) {
      ugm.SetOwnerName(o, "Team " + std::to_string(o + 1));
      ugm.SetOwnerStrategy(o, "s.stg");
    }
    LGPTransferFlags.fill(false);
  }
  void TearDown() override { LGPTransferFlags.fill(false); }

  TempDir dir;
  RealSeamsWithScriptedPointer seams;
  ModalScript script;
  clsKickwellDB db;
  clsLeagueIsolate league;
  clsUserMockIsolate ugm;
  user_mock_page_ui::CompatibilityWindow window;
};

TEST_F(TransferDialog, ShowsEachCategoryAndCarriesTheCheckedOnes) {
  window.PopulateTeamChanges(ugm, league, db);
  window.ActivateGrid();
  script.Then<frmCompatibility>([this](frmCompatibility* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "LGP -> UGM Compatibility");
    EXPECT_FALSE(dialog->Check1(3)->isEnabled());
    // The "Team Names" tab, pressed with the pointer.
    PressTab(*seams.pointer, dialog->mTab(), 1);
    const FlexGridModel& grid = dialog->flxTS()->Model();
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.TextMatrix(1, 0), " Name 11");
    EXPECT_EQ(grid.TextMatrix(2, 2), " ");
    SaveScreenshot(dialog, "transfer-dialog");
    QTest::mouseClick(dialog->Check1(1), Qt::LeftButton);  // names stay behind
    PressSoon(*seams.pointer, dialog->mAR(), 0);
  });
  window.ShowModal();
  window.Unload();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(LGPTransferFlags, (std::array<bool, 4>{true, false, true, false}));

  // The close box means "No Changes".
  window.PopulateTeamChanges(ugm, league, db);
  script.Then<frmCompatibility>([](frmCompatibility* dialog) { dialog->close(); });
  window.ShowModal();
  window.Unload();
  EXPECT_EQ(LGPTransferFlags, (std::array<bool, 4>{}));
}

// The dialog opened on Transfer at its foot, and Tab went from there to the
// tab strip, the grid and the check boxes; Escape is No Changes.
TEST_F(TransferDialog, OpensOnItsTabStripTabGoesDownToItsButtonsAndEscapeChangesNothing) {
  window.PopulateTeamChanges(ugm, league, db);
  window.ActivateGrid();
  script.Then<frmCompatibility>([](frmCompatibility* dialog) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    // The fourth check box is disabled.
    QWidget* const order[] = {dialog->mTab()->PictureControl(), dialog->flxTS(), dialog->Check1(0),
                              dialog->Check1(1), dialog->Check1(2), dialog->mAR()->PictureControl()};
    EXPECT_EQ(QApplication::focusWidget(), order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  window.ShowModal();
  window.Unload();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(LGPTransferFlags, (std::array<bool, 4>{}));
}

}  // namespace

namespace {

// Tab went through Draft, Release and View Logic before the pick buttons
// to their left, and reached the panels' tool bars last.
TEST_F(UserMockWindow, TabGoesThroughThePageInReadingOrder) {
  std::string question;
  frmUserMock* page = OpenNewDraft(question);
  ASSERT_NE(page, nullptr);
  QApplication::setActiveWindow(window.get());
  const std::vector<QWidget*> expected = {
      page->mPN()->PictureControl(),         page->mAR()->PictureControl(),
      page->mMiniBar(0)->OPPicture(),        page->optListF(),  // the views, one stop
      page->flxPick(),                       page->mMiniBar(2)->OPPicture(),
      page->mTabPossible()->PictureControl(), page->flxPossible(),
      page->mMiniBar(1)->OPPicture(),        page->mTabTeam()->PictureControl(),
      page->flxTeam()};
  expected.front()->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> seen{QApplication::focusWidget()};
  for (int i = 0; i < 40 && seen.back() != expected.back(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget() != seen.back()) seen.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(seen, expected);
}

}  // namespace
