#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "MainWindowHarness.h"
#include "core/basMessage.h"
#include "core/clsSettingsKD.h"
#include "shell/AppInfo.h"
#include "shell/basFileDialog.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmMainBar.h"
#include "shell/ui/frmWelcome.h"
#include "toolkit/ui/PictureBox.h"

using kdtest::MainWindowTest;
using kdtest::TestPage;
using shell_ui::frmMainBar;

namespace {

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

std::string SettingsLine(const std::string& ini, int32_t key) {
  const std::string start = "\n" + std::to_string(key) + "=";
  const auto at = ini.find(start);
  return at == std::string::npos ? "" : ini.substr(at + 1, ini.find('\r', at) - at - 1);
}

}  // namespace

TEST_F(MainWindowTest, EachMainBarIconReachesItsPageAndMarksIt) {
  ASSERT_TRUE(Start());
  frmMainBar* bar = window->MainBar();
  struct Icon {
    PictureBox* picture;
    QLabel* label;
    int32_t page;
  };
  std::vector<Icon> icons;
  for (int32_t i = 0; i < frmMainBar::kEditorIcons; ++i) {
    icons.push_back({bar->picEditor(i), bar->lblEdit(i), frmMainBar::kEditorPages[static_cast<std::size_t>(i)]});
  }
  icons.push_back({bar->picProject(2), bar->lblPro(2), kPageProject});
  for (const Icon& icon : icons) {
    Click(icon.picture);
    EXPECT_EQ(basUIControl::CurrentPage(), icon.page);
    EXPECT_EQ(bar->MarkedPage(), icon.page);
    EXPECT_TRUE(icon.label->font().bold()) << icon.page;
    EXPECT_EQ(bar->height(), 87);
  }
  EXPECT_FALSE(bar->lblEdit(0)->font().bold());

  // The projected-stats page's source lines go when another page comes.
  ASSERT_EQ(frmMainBar::Instance(), bar);
  Click(bar->picEditor(2));
  bar->SetSourceLabel(0, "Stat Source: here");
  bar->ShowSourceLabels(true);
  EXPECT_TRUE(bar->lblSource(0)->isVisible());
  Click(bar->picEditor(0));
  EXPECT_FALSE(bar->lblSource(0)->isVisible());
}

TEST_F(MainWindowTest, DraftAndDocumentIconsNeedTheProjectsFilesAndSayWhatIsMissing) {
  ASSERT_TRUE(Start());
  frmMainBar* bar = window->MainBar();
  basUIControl::SwitchPage(kPageDraftStrategies);
  std::string notice;
  script.Then<frmMessage>([&](frmMessage* box) {
    notice = box->windowTitle().toStdString();
    kdtest::PressSoon(*pointer, box->mBtn(), 0);
  });
  Click(bar->picProject(0));  // CheatDoc: a job, the page stays
  EXPECT_EQ(notice, "Create Cheat Sheet Document Cancelled");
  EXPECT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
  script.Then<frmMessage>([&](frmMessage* box) {
    notice = box->windowTitle().toStdString();
    kdtest::PressSoon(*pointer, box->mBtn(), 0);
  });
  Click(bar->picProject(3));  // Draft: the page closed first, none opens
  EXPECT_EQ(notice, "User Generated Mock Draft Cancelled");
  EXPECT_EQ(basUIControl::CurrentPage(), kPageNone);
  EXPECT_TRUE(script.Done());
}

TEST_F(MainWindowTest, DocumentJobRunsOnAHiddenProjectWindowAfterTheExportDialogSaysSave) {
  TestPage* project = nullptr;
  shell_ui::RegisterPage(kPageProject, [&project](QWidget* parent) { return project = new TestPage(parent, 0); });
  std::vector<int32_t> dialogModes;
  shell_ui::RegisterExportDialog([&](QWidget*, int32_t mode, int32_t target, bool colourRows) {
    dialogModes.push_back(mode * 100 + target);
    EXPECT_TRUE(colourRows);
    MessageAnswer = mode == kPageCheatSheetJob ? seams::kAnswerSave : seams::kAnswerCancel;
  });
  ASSERT_TRUE(Start());
  ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  basUIControl::SwitchPage(kPageDraftStrategies);
  basUIControl::ShowMainBarProperty("Mine.stg");
  Click(window->MainBar()->picProject(0));
  ASSERT_NE(project, nullptr);
  EXPECT_EQ(project->jobs, (std::vector<int32_t>{kPageCheatSheetJob}));
  EXPECT_FALSE(project->isVisible());
  EXPECT_EQ(project->closeQuestions, 0);
  project = nullptr;
  Click(window->MainBar()->picProject(1));  // the dialog cancels: no job
  EXPECT_EQ(project, nullptr);
  EXPECT_EQ(dialogModes, (std::vector<int32_t>{510, 811}));
  EXPECT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
  EXPECT_EQ(window->MainBar()->Property(), "Mine.stg");
}

TEST_F(MainWindowTest, ClickHoldOffNeverFiresIntoAPageThatClosedMeanwhile) {
  TestPage* strategies = nullptr;
  shell_ui::RegisterPage(kPageDraftStrategies,
                         [&strategies](QWidget* parent) { return strategies = new TestPage(parent, 4); });
  ASSERT_TRUE(Start());
  basUIControl::SwitchPage(kPageDraftStrategies);
  QPointer<TestPage> old = strategies;
  basFileDialog::ArmClickHoldOff();  // as the file dialog does when it closes from its list
  EXPECT_FALSE(ClicksAccepted);
  EXPECT_FALSE(old->isEnabled());
  basUIControl::SwitchPage(kPageProject);
  // The hold-off's timer ends it; the closed page is deleted later.
  EXPECT_TRUE(QTest::qWaitFor([&old] { return old.isNull() && ClicksAccepted; }, 5000));
  EXPECT_TRUE(old.isNull());
  EXPECT_TRUE(ClicksAccepted);
  EXPECT_TRUE(window->CurrentPageForm()->isEnabled());
}

TEST_F(MainWindowTest, FirstRunWindowClosedByItsCloseBoxStoresTheBoxesAndNeverComesBack) {
  onFirstRun = [](shell_ui::frmStart* start) {
    EXPECT_EQ(start->windowTitle().toStdString(), "Kickwell Draftyard Update Options");
    EXPECT_TRUE(start->chkM(0)->isChecked());
    EXPECT_TRUE(start->chkM(1)->isChecked());
    start->chkM(1)->setChecked(false);
    kdtest::SaveScreenshot(start, "first_run_options");
    start->close();
  };
  ASSERT_TRUE(Start());
  EXPECT_EQ(firstRunWindows, 1);
  const std::string ini = kdtest::ReadFile(SettingsFile());
  EXPECT_EQ(SettingsLine(ini, kSetCheckApplicationUpdate), "27=True");
  EXPECT_EQ(SettingsLine(ini, kSetCheckPlayerUpdates), "1=False");
  ASSERT_TRUE(Close());
  ASSERT_TRUE(Start());
  EXPECT_EQ(firstRunWindows, 1);
}

TEST_F(MainWindowTest, AboutShowsTheApplicationsPictureAndRunningVersionAndCloses) {
  ASSERT_TRUE(Start());
  std::string text;
  script.Then<shell_ui::frmAbout>([&text](shell_ui::frmAbout* about) {
    EXPECT_EQ(about->windowTitle().toStdString(), "About Kickwell Draftyard");
    text = about->Label1()->text().toStdString();
    kdtest::SaveScreenshot(about, "about");
    about->close();
  });
  window->mnuAbout()->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(text.rfind("Kickwell Draftyard\nVersion " + AppInfo::VersionText() + "\n\n", 0), 0u) << text;
}

TEST_F(MainWindowTest, WelcomePageShowsTheRunningVersionAndEachLinkOpensItsOwnAddress) {
  ASSERT_TRUE(Start());
  auto* welcome = dynamic_cast<shell_ui::frmWelcome*>(window->CurrentPageForm());
  ASSERT_NE(welcome, nullptr);
  EXPECT_EQ(welcome->lblHead()->text().toStdString(), "Kickwell Draftyard Version " + AppInfo::VersionText());
  auto shell = std::make_unique<kdtest::FakeShellOpen>();
  kdtest::FakeShellOpen& opened = *shell;
  seams::Install(std::move(shell));
  std::vector<std::string> expected;
  for (int32_t i = 0; i < shell_ui::frmWelcome::kLinks; ++i) {
    Click(welcome->lblLink(i));
    expected.push_back(welcome->lblLink(i)->text().toStdString());
  }
  EXPECT_EQ(opened.opened, expected);
  kdtest::SaveScreenshot(welcome, "welcome");
}

TEST_F(MainWindowTest, StartUpChecksRunThePlayerCheckAfterTheApplicationCheckOrAlone) {
  std::vector<std::string> checks;
  frmMainBar::SetUpdateChecks(
      [&](frmMainBar& bar, bool manual) {
        checks.push_back("app " + bar.lblUpdate()->text().toStdString() + (manual ? " manual" : ""));
        return false;  // could not start: the check ends at once
      },
      [&](frmMainBar& bar, bool manual) {
        checks.push_back("player " + bar.lblUpdate()->text().toStdString() + (manual ? " manual" : ""));
        return true;  // running until it reports its end
      });
  onFirstRun = [this](shell_ui::frmStart* start) { kdtest::Press(*pointer, start->mBtn(), 0); };
  ASSERT_TRUE(Start());  // both options ticked on the first run
  EXPECT_TRUE(QTest::qWaitFor([&checks] { return checks.size() >= 2; }, 5000));
  EXPECT_EQ(checks, (std::vector<std::string>{"app Checking for app update...", "player Checking for player updates..."}));
  EXPECT_FALSE(window->MainBar()->Timer3()->isActive());
  window->MainBar()->EndPlayerUpdate();
  EXPECT_EQ(window->MainBar()->lblUpdate()->text().toStdString(), "");

  checks.clear();
  basMockDraftSettings::GlobalSettings().SetBoolVal(kSetCheckApplicationUpdate, false);
  window->MainBar()->SyncUpdates();
  EXPECT_EQ(checks, (std::vector<std::string>{"player Checking for player updates..."}));
  EXPECT_FALSE(window->MainBar()->Timer3()->isActive());
  window->MainBar()->EndPlayerUpdate();
  basMockDraftSettings::GlobalSettings().SetBoolVal(kSetCheckPlayerUpdates, false);
  checks.clear();
  window->mnuAppUpdate()->trigger();  // from the menu the settings do not matter
  window->mnuUpdate()->trigger();
  EXPECT_EQ(checks, (std::vector<std::string>{"app Checking for app update... manual",
                                              "player Checking for player updates... manual"}));
  frmMainBar::SetUpdateChecks(nullptr, nullptr);
}
