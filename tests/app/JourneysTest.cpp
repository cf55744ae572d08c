// The journeys a new user makes through the application with the bundled
// 2024 sample, each from an empty home: they prove that the windows are
// wired together, and that every message met is one of the program's own
// texts, word for word. What each window does is tested in its own suite.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkProxy>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <set>

#include "ArchiveFixtures.h"
#include "DatabaseFixtures.h"
#include "JourneyHarness.h"
#include "LocalHttpServer.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "documents/ui/frmExportSheet.h"
#include "editors/league/clsUILeagueProperties.h"
#include "editors/league/ui/frmLeague.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "editors/projected_stats/ui/frmProjected.h"
#include "editors/scoring/clsUIScoringSystem2.h"
#include "editors/scoring/ui/frmScoring.h"
#include "editors/strategy/clsUIStrategy.h"
#include "editors/strategy/ui/frmDraftStrategies.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "player_data/clsUIUpdate.h"
#include "player_data/ui/frmUpdate.h"
#include "project_page/ui/frmCheatSheetMDI.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/ui/frmLogic.h"
#include "shell/ui/frmMainBar.h"
#include "shell/ui/frmTSet.h"
#include "shell/ui/frmWelcome.h"
#include "user_mock_page/clsUIUserMock.h"
#include "user_mock_page/ui/frmUserMock.h"
#include "validation/ui/frmValidation.h"

namespace fs = std::filesystem;

namespace {

using documents_ui::frmExportSheet;
using editors_league_ui::frmLeague;
using editors_projected_stats_ui::frmProjected;
using editors_strategy_ui::frmDraftStrategies;
using StrategyCol = clsUIStrategy::Column;
using kdtest::SeenMessage;
using Menu = basCheatSheetMenu::FileItem;
using project_page_ui::frmCheatSheetMDI;
using user_mock_page_ui::frmUserMock;

constexpr const char* kSample = "KD-Sample 2024.kdp";
const std::string kCrLf = "\r\n";

class Journeys : public kdtest::Journey {
 protected:
  // The project page, on its tab `tab` clicked with the pointer; null when
  // the project page is not shown.
  frmCheatSheetMDI* ProjectTab(int32_t tab) {
    auto* page = dynamic_cast<frmCheatSheetMDI*>(window->CurrentPageForm());
    if (page != nullptr) ClickTab(page->TabStrip(), tab);
    return page;
  }
  shell_ui::frmMainBar* Bar() const { return window->MainBar(); }

  // The export dialog: the file type chosen with the mouse, then "Save".
  void SaveFromExportDialog(int32_t fileType, std::string* target) {
    script.Then<frmExportSheet>([this, fileType, target](frmExportSheet* dialog) {
      ClickOption(dialog->optFile(fileType));
      *target = dialog->txtTarget()->text().toStdString();
      Shot(dialog, "export dialog");
      kdtest::Press(*pointer, dialog->mSave(), 0);
    });
  }
  // The rows of a grid below its two heading rows, each its cells' texts.
  using Row = std::vector<std::string>;
  static std::vector<Row> Rows(const FlexGridModel& grid) {
    std::vector<Row> rows;
    for (int32_t r = 2; r < grid.Rows(); ++r) {
      Row row;
      for (int32_t c = 0; c < grid.Cols(); ++c) row.push_back(grid.TextMatrix(r, c));
      rows.push_back(row);
    }
    return rows;
  }
  static SeenMessage ViewOffer(const std::string& caption, const std::string& path) {
    return {caption, " Would you like to view " + kCrLf + "  " + path + "?"};
  }
};

// ---- 1

TEST_F(Journeys, FirstStartMakesTheWorkFolderFromTheBundledTreeAndShowsTheWelcomePage) {
  ASSERT_TRUE(StartApplication());
  EXPECT_EQ(firstRunWindows, 1);

  // Every file of the bundled tree, copied whole.
  const fs::path bundled = KD_SHARE_DIR "/Vellacorn/Kickwell Draftyard/dat/";
  int32_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(bundled)) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const fs::path copy = home.WorkFolder() / fs::relative(entry.path(), bundled);
    ASSERT_TRUE(fs::exists(copy)) << copy;
    EXPECT_EQ(fs::file_size(copy), entry.file_size()) << copy;
  }
  EXPECT_GT(files, 20);
  EXPECT_TRUE(fs::is_directory(home.WorkFolder() + "upd"));
  // The first-run window's answers are kept: no update checks at start-up.
  const std::string ini = kdtest::ReadFile(SettingsFile());
  EXPECT_NE(ini.find("1=False"), std::string::npos) << ini;
  EXPECT_NE(ini.find("27=False"), std::string::npos) << ini;

  EXPECT_EQ(window->windowTitle().toStdString(), "Kickwell Draftyard - [No Project Name]");
  auto* welcome = dynamic_cast<shell_ui::frmWelcome*>(window->CurrentPageForm());
  ASSERT_NE(welcome, nullptr);
  Shot("welcome page");
  GuideShot("main-window");
  // A link of the welcome page opens its address.
  Click(welcome->lblLink(0));
  EXPECT_EQ(Opened(), std::vector<std::string>{welcome->lblLink(0)->text().toStdString()});
  EXPECT_EQ(Told(), kdtest::Messages{});
}

// ---- 2

TEST_F(Journeys, OpenTheSamplePreviewTheCheatSheetCreateItAsHtmlAndCsvAndOpenIt) {
  ASSERT_TRUE(StartApplication());
  OpenProject(kSample);
  ASSERT_EQ(basUIControl::CurrentPage(), kPageProject);
  EXPECT_EQ(window->windowTitle().toStdString(), "Kickwell Draftyard - KD-Sample 2024.kdp");
  Shot("project files");
  frmCheatSheetMDI* page = ProjectTab(clsUICheatSheet::kTabCheatSheet);
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(page->Controller().CheatValid());
  const FlexGridModel& preview = page->flxCheat()->Model();
  ASSERT_GT(preview.Rows(), 50);
  const std::string firstPlayer = preview.TextMatrix(2, 1);
  Shot("cheat sheet preview");
  GuideShot("project-page-preview");

  // File > Create Cheat Sheet, as HTML: the offer to view it says yes.
  std::string html;
  SaveFromExportDialog(0, &html);
  AnswerMessage(0);
  window->mnuFile(Menu::kCreateCheatSheet)->trigger();
  ASSERT_TRUE(script.Done());
  // The main bar's CheatDoc icon, as CSV.
  std::string csv;
  SaveFromExportDialog(2, &csv);
  AnswerMessage(0);
  Click(Bar()->picProject(0));
  ASSERT_TRUE(script.Done());

  EXPECT_EQ(fs::path(html).extension(), ".html");
  EXPECT_EQ(fs::path(csv).extension(), ".csv");
  for (const std::string& document : {html, csv}) {
    SCOPED_TRACE(document);
    EXPECT_NE(kdtest::ReadFile(document).find(firstPlayer.substr(0, firstPlayer.find_last_not_of(' ') + 1)),
              std::string::npos);
  }
  EXPECT_EQ(Opened(), (std::vector<std::string>{html, csv}));
  EXPECT_EQ(Told(), (kdtest::Messages{ViewOffer("Cheat Sheet Created", html), ViewOffer("Cheat Sheet Created", csv)}));
}

// ---- 3

TEST_F(Journeys, PreviewTheAutomaticMockDraftAsListAndBoardAndCreateTheDocument) {
  ASSERT_TRUE(StartApplication());
  OpenProject(kSample);
  frmCheatSheetMDI* page = ProjectTab(clsUICheatSheet::kTabMockDraft);
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(page->Controller().MockValid());
  ASSERT_TRUE(page->optAuto()->isChecked());
  const int32_t listRows = page->flxCheat()->Model().Rows();
  EXPECT_GT(listRows, 12 * 15);  // one row a pick
  Shot("mock draft list");
  ClickOption(page->Option1(1));
  EXPECT_NE(page->flxCheat()->Model().Rows(), listRows);
  Shot("mock draft board");

  // The main bar's MockDoc icon: the automatic draft as a text document.
  std::string target;
  script.Then<frmExportSheet>([this, &target](frmExportSheet* dialog) {
    ClickOption(dialog->optMock(0));
    ClickOption(dialog->optFile(1));
    target = dialog->txtTarget()->text().toStdString();
    Shot(dialog, "export dialog");
    kdtest::Press(*pointer, dialog->mSave(), 0);
  });
  AnswerMessage(1);
  Click(Bar()->picProject(1));
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(fs::path(target).extension(), ".txt");
  EXPECT_NE(kdtest::ReadFile(target).find("Page Generated By Kickwell Draftyard"), std::string::npos);
  EXPECT_EQ(Opened(), std::vector<std::string>{});
  EXPECT_EQ(Told(), (kdtest::Messages{ViewOffer("Mock Draft Created", target)}));
}

// ---- 4

TEST_F(Journeys, DraftFivePicksByHandWithRecommendationsSaveCloseAndReopenTheSameBoard) {
  ASSERT_TRUE(StartApplication());
  OpenProject(kSample);
  // The main bar's Draft icon: no draft yet, so a new one, named "Journey".
  AnswerMessage(0);
  TypeInFileDialog("Journey");
  Click(Bar()->picProject(3));
  ASSERT_TRUE(script.Done());
  auto* page = dynamic_cast<frmUserMock*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  clsUserMockSession& session = page->Controller().Session();
  const clsMockDraft& board = session.Board();
  Shot("new user mock draft");

  // Picks 1, 3 and 5 take the recommendation "Draft" offers; picks 2 and 4
  // take the best available player, chosen in the grid.
  std::vector<int32_t> drafted;
  for (int32_t k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    ASSERT_EQ(session.ActivePick(), k);
    int32_t player = session.ProjectedPlayerAt(k);
    if (k % 2 == 1) {
      const FlexGridModel& available = page->flxPossible()->Model();
      int32_t row = 2;
      while (row < available.Rows() && board.PlayerDraftNdx(std::stoi(available.TextMatrix(row, 0))) >= 0) ++row;
      ASSERT_LT(row, available.Rows());
      player = std::stoi(available.TextMatrix(row, 0));
      ClickCell(page->flxPossible(), row, 1);
    }
    ASSERT_GT(player, 0);
    ASSERT_EQ(session.ActivePlayer(), player);
    kdtest::Press(*pointer, page->mAR(), 0);
    EXPECT_EQ(board.MasterID(k), player);
    drafted.push_back(player);
  }
  // "View Logic" explains the recommendation for pick 6.
  kdtest::Press(*pointer, page->mAR(), 2);
  frmLogic* logic = frmLogic::Instance();
  ASSERT_NE(logic, nullptr);
  EXPECT_GT(logic->lstLogic()->count(), 0);
  Shot(logic, "logic window");
  QTest::keyClick(logic, Qt::Key_Escape);
  Shot("five picks");
  // A click on the first pick shows the roster of the team that made it.
  ClickCell(page->flxPick(), 0, 1);
  EXPECT_EQ(session.ActivePick(), 0);
  Shot("first pick");
  GuideShot("user-mock-page");
  const std::vector<Row> shown = Rows(page->flxPick()->Model());

  // File > Save, then the application is closed (the project names the
  // draft now: saved too) and started again.
  window->mnuFile(Menu::kSaveDocument)->trigger();
  AnswerMessage(0);
  ASSERT_TRUE(Close());
  ASSERT_TRUE(script.Done());
  ASSERT_TRUE(Start());
  EXPECT_EQ(firstRunWindows, 1);
  OpenProject(kSample);
  Click(Bar()->picProject(3));
  page = dynamic_cast<frmUserMock*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  Shot("reopened draft");
  for (int32_t k = 0; k < 5; ++k) EXPECT_EQ(page->Controller().Session().Board().MasterID(k), drafted[k]) << k;
  EXPECT_EQ(page->Controller().Session().Board().MasterID(5), 0);
  EXPECT_EQ(Rows(page->flxPick()->Model()), shown);

  const std::string newQuestion =
      "Data from the project League Properties file will be used to create your UGM.  Please make sure the # of "
      "teams, # of draft rounds and draft order are correct before creating this UGM.  A new UGM may be needed to "
      "correctly change these values. Continue?";
  EXPECT_EQ(Told(), (kdtest::Messages{{"New User Generated Mock Draft", newQuestion},
                                      {"Kickwell Draftyard Project File",
                                       " Would you like to save changes to " + kCrLf + "  KD-Sample 2024.kdp?"}}));
}

// ---- 5

TEST_F(Journeys, ChangeOneScoringRuleAndTheCheatSheetOrderFollows) {
  ASSERT_TRUE(StartApplication());
  OpenProject(kSample);
  frmCheatSheetMDI* project = ProjectTab(clsUICheatSheet::kTabCheatSheet);
  ASSERT_NE(project, nullptr);
  const std::vector<Row> before = Rows(project->flxCheat()->Model());

  // The main bar's Scoring icon: 10 points a passing touchdown instead of 4.
  Click(Bar()->picEditor(1));
  auto* scoring = dynamic_cast<editors_scoring_ui::frmScoring*>(window->CurrentPageForm());
  ASSERT_NE(scoring, nullptr);
  using Col = clsUIScoringSystem2::Column;
  FlexGridWidget* rules = scoring->flxScoring();
  int32_t rule = 1;
  while (rule < rules->Model().Rows() && rules->Model().TextMatrix(rule, Col::kColCatID) != "4") ++rule;
  ASSERT_LT(rule, rules->Model().Rows());
  ASSERT_EQ(rules->Model().TextMatrix(rule, Col::kColPoints), "4.0");
  ClickCell(rules, rule, Col::kColPoints);
  ASSERT_TRUE(scoring->txtScoring()->isVisible());
  scoring->txtScoring()->selectAll();
  QTest::keyClicks(scoring->txtScoring(), "10");
  QTest::keyClick(scoring->txtScoring(), Qt::Key_Return);
  EXPECT_EQ(rules->Model().TextMatrix(rule, Col::kColPoints), "10.0");
  Shot("scoring rule changed");
  window->mnuFile(Menu::kSaveDocument)->trigger();
  EXPECT_FALSE(scoring->Controller().ChangesMade());

  // Back on the project page the preview is made again.
  Click(Bar()->picProject(2));
  project = ProjectTab(clsUICheatSheet::kTabCheatSheet);
  ASSERT_NE(project, nullptr);
  const std::vector<Row> after = Rows(project->flxCheat()->Model());
  Shot("cheat sheet after the change");

  // The sample projects 27.02 passing touchdowns for Allen, 31.36 for Burrow
  // and 18.49 for Daniels (data/nfl-2024, weeks 1-17): 6 points more each
  // lifts Burrow from 5th (287.1) to 3rd (475.3) and drops Daniels from 3rd
  // (294.9) to 9th (405.9) of the quarterbacks' block, the first one.
  const auto rankAndPoints = [](const std::vector<Row>& rows, const std::string& player) {
    for (const Row& line : rows) {
      if (line.at(1) == player) return line.at(0) + " " + line.at(4);
      if (line.at(1) == " Player") break;  // the next position's block
    }
    return std::string("missing");
  };
  const struct {
    const char* player;
    const char* before;
    const char* after;
  } quarterbacks[] = {{"Allen, Josh ", "1 329.3", "1 491.4"},
                      {"Burrow, Joe ", "5 287.1", "3 475.3"},
                      {"Daniels, Jayden ", "3 294.9", "9 405.9"}};
  for (const auto& q : quarterbacks) {
    EXPECT_EQ(rankAndPoints(before, q.player), q.before) << q.player;
    EXPECT_EQ(rankAndPoints(after, q.player), q.after) << q.player;
  }
  // Nobody else passes: the other positions' blocks stay as they were.
  ASSERT_EQ(after.size(), before.size());
  std::size_t firstOther = 0;
  while (firstOther < after.size() && after[firstOther].at(1) != " Player") ++firstOther;
  EXPECT_GT(firstOther, 12u);
  EXPECT_EQ(std::vector<Row>(after.begin() + static_cast<std::ptrdiff_t>(firstOther) - 1, after.end()),
            std::vector<Row>(before.begin() + static_cast<std::ptrdiff_t>(firstOther) - 1, before.end()));
  EXPECT_EQ(Told(), kdtest::Messages{});
}

// ---- 6

TEST_F(Journeys, EditTheLeagueToTenTeamsAndAStrategyThenDraftAutomatically) {
  ASSERT_TRUE(StartApplication());
  OpenProject(kSample);

  // The main bar's Strategy icon opens the default strategy: its first rule
  // (picks 1 to 8) now takes only a kicker, " Include" chosen in place of
  // " Exclude"; saved, the default's name asks for a new one: "Journey".
  Click(Bar()->picEditor(4));
  auto* strategy = dynamic_cast<frmDraftStrategies*>(window->CurrentPageForm());
  ASSERT_NE(strategy, nullptr);
  FlexGridWidget* rules = strategy->flxDraft();
  ASSERT_EQ(rules->Model().TextMatrix(2, StrategyCol::kColInclusion), " Exclude");
  ASSERT_EQ(rules->Model().TextMatrix(2, StrategyCol::kColPositions), " [K] ");
  ClickCell(rules, 2, StrategyCol::kColInclusion);
  ASSERT_TRUE(strategy->lstNorm()->isVisible());
  ClickItem(strategy->lstNorm(), " Include");
  EXPECT_EQ(rules->Model().TextMatrix(2, StrategyCol::kColInclusion), " Include");
  Shot("strategy edited");
  TypeInFileDialog("Journey");
  window->mnuFile(Menu::kSaveDocument)->trigger();
  ASSERT_TRUE(script.Done());
  EXPECT_FALSE(strategy->Controller().ChangesMade());

  // The League icon: the last two teams removed, the first team given the
  // new strategy from the list of the stg folder, the draft order created
  // again over the old one, and the league saved.
  Click(Bar()->picEditor(0));
  auto* league = dynamic_cast<frmLeague*>(window->CurrentPageForm());
  ASSERT_NE(league, nullptr);
  ClickTab(league->mTab(), clsUILeagueProperties::kTabTeams);
  kdtest::Press(*pointer, league->mAR(), 1);
  kdtest::Press(*pointer, league->mAR(), 1);
  EXPECT_EQ(league->Controller().TeamCount(), 10);
  ClickCell(league->flxPosition(), 1, 3);
  ASSERT_TRUE(league->lstPos()->isVisible());
  ClickItem(league->lstPos(), " Journey.stg");
  EXPECT_EQ(league->Controller().Strategies().front(), "Journey.stg");
  Shot("ten teams");
  ClickTab(league->mTab(), clsUILeagueProperties::kTabDraftOrder);
  AnswerMessage(0);
  kdtest::Press(*pointer, league->mBoard(), 0);
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(league->Controller().DraftOrder().size(), 10u * 15u);
  window->mnuFile(Menu::kSaveDocument)->trigger();
  EXPECT_FALSE(league->Controller().ChangesMade());

  // The project page drafts automatically from the saved files: ten teams,
  // fifteen rounds, and the first team's first pick the sample's best
  // kicker (151.3 points; without the edit no kicker goes before pick 14).
  Click(Bar()->picProject(2));
  frmCheatSheetMDI* page = ProjectTab(clsUICheatSheet::kTabMockDraft);
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(page->Controller().MockValid());
  const std::vector<Row> picks = Rows(page->flxCheat()->Model());
  Shot("mock draft of ten teams");
  ASSERT_EQ(picks.size(), 150u);
  EXPECT_EQ(Row(picks.front().begin(), picks.front().begin() + 5),
            (Row{"1", "1", " Team 1", "Tucker, Justin ", "K "}));
  std::set<std::string> teams;
  for (const Row& pick : picks) teams.insert(pick.at(2));
  EXPECT_EQ(teams.size(), 10u);
  EXPECT_EQ(Row(picks.back().begin(), picks.back().begin() + 3), (Row{"15", "150", " Team 10"}));
  ClickOption(page->Option1(1));
  EXPECT_EQ(page->flxCheat()->Model().Rows(), 15);
  EXPECT_EQ(page->flxCheat()->Model().Cols(), 1 + 10);
  Shot("board of ten teams");
  EXPECT_EQ(Told(), (kdtest::Messages{{"Draft Order Exists",
                                       " Are you sure you want to overwrite the current draft order?"}}));
}

// ---- 7

TEST_F(Journeys, CorrectAPlayersProjectionUndoItAndSave) {
  ASSERT_TRUE(StartApplication());
  OpenProject(kSample);
  // The main bar's Stats icon: the quarterbacks of the project's file.
  Click(Bar()->picEditor(2));
  auto* page = dynamic_cast<frmProjected*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(page->Controller().Loaded());
  const auto colOf = [&page](int32_t category) {
    for (int32_t c = 0; c < page->flxProjected()->Model().Cols(); ++c)
      if (page->Controller().ColumnCategory(c) == category) return c;
    return -1;
  };
  const auto rowOf = [&page](const std::string& player) {
    const FlexGridModel& m = page->flxProjected()->Model();
    for (int32_t r = 2; r < m.Rows(); ++r)
      if (m.TextMatrix(r, 2) == player) return r;
    return -1;
  };
  const int32_t touchdowns = colOf(4);  // passing
  const int32_t points = colOf(clsUIProjectedStats2::kCatPoints);
  ASSERT_GT(touchdowns, 1);
  ASSERT_GT(points, 1);
  int32_t row = rowOf("Allen, Josh ");
  ASSERT_GT(row, 1);
  FlexGridWidget* grid = page->flxProjected();
  const Row before = Rows(grid->Model()).at(static_cast<std::size_t>(row - 2));
  const std::string pro = FileTypeFolder[kPageProjectedStats] + page->Controller().FileName();
  const std::string stored = "SELECT Points FROM tblStat0 WHERE Week = 250 AND PlayerID = " + before.at(0) + ";";
  const std::string storedBefore = kdtest::QueryText(pro, stored);
  ASSERT_EQ(before.at(touchdowns), "27.0");
  ASSERT_FALSE(storedBefore.empty());
  // The cheat sheet's points, not the 327.0 the file was built with; and
  // typing his rushing yards over themselves changes none of them.
  EXPECT_EQ(before.at(points), "329.3");
  ClickCell(grid, row, colOf(14));
  page->txtProjected()->selectAll();
  QTest::keyClicks(page->txtProjected(), QString::fromStdString(before.at(colOf(14))));
  QTest::keyClick(page->txtProjected(), Qt::Key_Return);
  EXPECT_EQ(grid->Model().TextMatrix(rowOf("Allen, Josh "), points), "329.3");

  // 40 passing touchdowns for his 27.02: rescored by the project's scoring
  // system (329.3 points, the cheat sheet's) with 12.98 x 4 points more.
  ClickCell(grid, row, touchdowns);
  ASSERT_TRUE(page->txtProjected()->isVisible());
  page->txtProjected()->selectAll();
  QTest::keyClicks(page->txtProjected(), "40");
  QTest::keyClick(page->txtProjected(), Qt::Key_Return);
  row = rowOf("Allen, Josh ");
  ASSERT_GT(row, 1);
  EXPECT_EQ(grid->Model().TextMatrix(row, touchdowns), "40.0");
  EXPECT_EQ(grid->Model().TextMatrix(row, points), "381.2");
  EXPECT_EQ(kdtest::QueryText(pro, stored).substr(0, 6), "381.23");
  Shot("projection corrected");

  // The Project icon: the save question; "Don't Save" writes the old values back.
  AnswerMessage(1);
  Click(Bar()->picProject(2));
  ASSERT_TRUE(script.Done());
  ASSERT_EQ(basUIControl::CurrentPage(), kPageProject);
  EXPECT_EQ(kdtest::QueryText(pro, stored), storedBefore);

  // Back on the page the row is as it was, and File > Save keeps it so.
  Click(Bar()->picEditor(2));
  page = dynamic_cast<frmProjected*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  row = rowOf("Allen, Josh ");
  ASSERT_GT(row, 1);
  EXPECT_EQ(Rows(page->flxProjected()->Model()).at(static_cast<std::size_t>(row - 2)), before);
  Shot("projection undone");
  window->mnuFile(Menu::kSaveDocument)->trigger();
  EXPECT_FALSE(page->Controller().ChangesMade());
  EXPECT_EQ(kdtest::QueryText(pro, stored), storedBefore);
  EXPECT_EQ(Told(), (kdtest::Messages{{"Projected Stats File",
                                       " Would you like to save changes to 2010 Default Stats.pro?"}}));
}

// A file marked read-only used to fail at each write of the page's opening.
TEST_F(Journeys, TheStatsPageRefusesAReadOnlyFileWithOneMessage) {
  ASSERT_TRUE(StartApplication());
  OpenProject(kSample);
  const std::string pro = FileTypeFolder[kPageProjectedStats] + "2010 Default Stats.pro";
  fs::permissions(pro, fs::perms::owner_read);
  const std::string bytes = kdtest::ReadFile(pro);
  AnswerPlain(QMessageBox::Ok);
  Click(Bar()->picEditor(2));
  EXPECT_EQ(Told(), (kdtest::Messages{{"Open File Error", "The file is read-only: the Stats page writes the points "
                                                          "and corrections it shows into its file.\r\n" + pro}}));
  EXPECT_FALSE(dynamic_cast<frmProjected&>(*window->CurrentPageForm()).Controller().Loaded());
  EXPECT_EQ(kdtest::ReadFile(pro), bytes);
}

// ---- 8

TEST_F(Journeys, ValidateTheProjectAndExportTheReport) {
  ASSERT_TRUE(StartApplication());
  OpenProject(kSample);
  // Options > Project Validation; once it has checked, "Export" under the
  // name the save dialog proposes, and a look at the report.
  basValidationReport::ListLines lines;
  script.Then<validation_ui::frmValidation>([&](validation_ui::frmValidation* validation) {
    auto* poll = new QTimer(validation);
    QObject::connect(poll, &QTimer::timeout, validation, [&, validation, poll] {
      if (!validation->ValidationDone()) return;
      poll->stop();
      lines = validation->Lines();
      Shot(validation, "validation window");
      kdtest::PressSoon(*pointer, validation->mOK(), 0);
    });
    poll->start(5);
  });
  TypeInSystemDialog("");
  AnswerMessage(0);
  window->mnuPro()->trigger();
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  ASSERT_FALSE(lines[0].empty());
  const std::string report = home.Home() + "Documents/KD-Sample 2024 Validate.txt";
  const std::string text = kdtest::ReadFile(report);
  EXPECT_NE(text.find(" * PROJECT FILES"), std::string::npos) << text;
  EXPECT_NE(text.find(lines[0].front()), std::string::npos) << text;
  EXPECT_EQ(Opened(), std::vector<std::string>{report});
  EXPECT_EQ(Told(), kdtest::Messages{ViewOffer("Exported Validation Data", report)});
}

// ---- 9

TEST_F(Journeys, ImportAnArchiveThenRunAPlayerUpdateFromTheLocalServer) {
  ASSERT_TRUE(StartApplication());
  const std::string sco = home.WorkFolder() + "sco/";
  const std::string standard = kdtest::ReadFile(sco + "KD-Standard.sco");
  ASSERT_FALSE(standard.empty());

  // File > Import: an archive of two scoring systems, one of which the work
  // folder holds already; the user lets it be replaced.
  const std::string archive = home.Root() + "Scoring.vcz";
  kdtest::WriteFile(archive, kdtest::BuildArchive({{"KD-PPR.sco", standard}, {"Journey.sco", standard}}));
  TypeInSystemDialog(archive);
  AnswerPlain(QMessageBox::Yes);
  window->mnuFile(Menu::kImport)->trigger();
  ASSERT_TRUE(script.Done());
  EXPECT_TRUE(kdtest::ReadFile(sco + "KD-PPR.sco") == standard);
  EXPECT_TRUE(kdtest::ReadFile(sco + "Journey.sco") == standard);

  // Options > Settings: the local server is typed in as the update server.
  QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
  kdtest::LocalHttpServer server;
  window->mnuOpt()->trigger();
  shell_ui::frmTSet* settings = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* s = qobject_cast<shell_ui::frmTSet*>(w); s != nullptr && s->isVisible()) settings = s;
  ASSERT_NE(settings, nullptr);
  QLineEdit* host = settings->txtUpd(0);
  host->setFocus();
  host->selectAll();
  QTest::keyClicks(host, QString::fromStdString(server.Host()));
  Shot(settings, "settings");
  kdtest::Press(*pointer, settings->mRun(), 0);  // Save
  kdtest::Press(*pointer, settings->mRun(), 2);  // Close

  // Options > Check For Player Updates: update 1 of 2024 offers a master
  // file, which the user ticks in the selection window.
  std::string number(4, '\0');
  kdtest::PutLong(number, 0, 1);
  server.Serve("/upd/update2024.txt", number);
  const std::string packed = kdtest::BuildArchive({{"2024 Master 0002.kwr", "master records"}});
  server.Serve("/upd/2024%20Master%200002.vcz", packed);
  server.Serve("/upd/20240001.dat", kdtest::BuildUpdateIndex({kdtest::IndexEntryFor("2024 Master 0002.vcz", packed)}));
  script.Then<frmUpdate>([this](frmUpdate* updates) {
    ClickCell(updates->flxUpd(), 1, clsUIUpdate::kColTick);
    Shot(updates, "player updates");
    kdtest::Press(*pointer, updates->mOK(), 0);
  });
  window->mnuUpdate()->trigger();
  ASSERT_TRUE(WaitFor([this] { return script.Done() && !Bar()->UpdateChecking(); }));
  Shot("after the update");
  EXPECT_EQ(kdtest::ReadFile(home.WorkFolder() + "mas/2024 Master 0002.kwr"), "master records");
  EXPECT_EQ(Told(), (kdtest::Messages{{"File Exists", "Do you want to overwrite:" + kCrLf + sco + "KD-PPR.sco?"}}));
}

}  // namespace
