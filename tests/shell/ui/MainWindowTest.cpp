#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <filesystem>

#include "MainWindowHarness.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/ui/frmFile.h"
#include "shell/ui/frmMainBar.h"
#include "shell/ui/frmPlaceholderPage.h"
#include "shell/ui/frmWelcome.h"

namespace fs = std::filesystem;
using kdtest::MainWindowTest;
using kdtest::TestPage;
using Menu = basCheatSheetMenu::FileItem;

namespace {

// The caption as shown, without its mnemonic's marker.
std::string Text(const QAction* a) { return a->text().remove(QLatin1Char('&')).toStdString(); }

// Registers a TestPage for the code and hands out the window the switch made.
TestPage*& RegisterTestPage(int32_t code) {
  static std::map<int32_t, TestPage*> made;
  made[code] = nullptr;
  shell_ui::RegisterPage(code, [code](QWidget* parent) {
    made[code] = new TestPage(parent, code);
    return made[code];
  });
  return made[code];
}

// Answers the next message box of the application with button `index` and
// keeps its caption and text.
void AnswerMessage(kdtest::ModalScript& script, kdtest::FakePointer& pointer, int32_t index, std::string* seen = nullptr) {
  script.Then<frmMessage>([&pointer, index, seen](frmMessage* box) {
    if (seen != nullptr) *seen = box->windowTitle().toStdString() + "|" + box->lblView()->text().toStdString();
    kdtest::PressSoon(pointer, box->mBtn(), index);
  });
}

}  // namespace

TEST_F(MainWindowTest, FirstStartInAnEmptyHomeMakesTheWorkFolderAndSettingsAndShowsTheStartPage) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(firstRunWindows, 1);
  for (const char* sub : {"sco", "pro", "lgp", "stg", "dis", "kdp", "ugm", "def", "str", "mas", "adp", "upd"}) {
    EXPECT_TRUE(fs::is_directory(home.WorkFolder() + sub)) << sub;
  }
  EXPECT_TRUE(fs::exists(home.WorkFolder() + "kdp/KD-Sample 2024.kdp"));
  EXPECT_TRUE(fs::exists(home.WorkFolder() + "def/Default.pro"));
  EXPECT_TRUE(fs::exists(SettingsFile()));
  EXPECT_EQ(window->windowTitle().toStdString(), "Kickwell Draftyard - [No Project Name]");
  EXPECT_EQ(basUIControl::CurrentPage(), kPageStart);
  EXPECT_NE(dynamic_cast<shell_ui::frmWelcome*>(window->CurrentPageForm()), nullptr);
  EXPECT_TRUE(window->CurrentPageForm()->isVisible());
  EXPECT_EQ(window->MainBar()->height(), 52);  // 780 twips on the start page
  for (int32_t item = Menu::kFirstDocumentItem; item <= Menu::kLastDocumentItem; ++item) {
    EXPECT_FALSE(window->mnuFile(item)->isVisible()) << item;
  }
  EXPECT_FALSE(window->mnuFile(Menu::kSaveProject)->isEnabled());
  EXPECT_TRUE(window->mnuFile(Menu::kSaveProjectAs)->isEnabled());
  EXPECT_FALSE(window->mnuSingle()->isVisible());
  kdtest::SaveScreenshot(window.get(), "main_window_start_page");
}

TEST_F(MainWindowTest, SecondStartReusesTheWorkFolderAndSettingsWithoutTheFirstRunWindow) {
  ASSERT_TRUE(Start());
  basMockDraftSettings::GlobalSettings().SetStringVal(kSetUserMockDepth, "7");
  ASSERT_TRUE(Close());
  kdtest::WriteFile(home.WorkFolder() + "kdp/Mine.kdp", "[Kickwell Draftyard Project]\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(firstRunWindows, 1);
  EXPECT_EQ(basMockDraftSettings::GlobalSettings().LongVal(kSetUserMockDepth), 7);
  EXPECT_TRUE(fs::exists(home.WorkFolder() + "kdp/Mine.kdp"));
}

TEST_F(MainWindowTest, FailedStartUpShowsTheWorkDirectoryErrorSavesNothingAndReportsFailure) {
  fs::create_directories(home.Home());
  kdtest::WriteFile(home.Home() + "Documents", "a file where the folder belongs");
  std::string notice;
  AnswerMessage(script, *pointer, 0, &notice);
  EXPECT_FALSE(Start());
  EXPECT_EQ(notice.rfind("Work Directory Error| Unable to access work directory\n", 0), 0u) << notice;
  EXPECT_EQ(firstRunWindows, 0);
  window.reset();
  EXPECT_FALSE(fs::exists(SettingsFile()));
  EXPECT_FALSE(fs::exists(home.WorkFolder()));
}

TEST_F(MainWindowTest, FileMenuIsRetitledForEachEditorPageAndHidesItsDocumentItemsElsewhere) {
  ASSERT_TRUE(Start());
  for (const int32_t page : {1, 2, 3, 4, 7, 0, 14}) {
    basUIControl::SwitchPage(page);
    ASSERT_EQ(basUIControl::CurrentPage(), page);
    const bool editor = page != 0 && page != 14;
    const std::string d = FileTypeDescription[static_cast<std::size_t>(page)];
    for (int32_t item = Menu::kFirstDocumentItem; item <= Menu::kLastDocumentItem; ++item) {
      EXPECT_EQ(window->mnuFile(item)->isVisible(), editor) << page << " item " << item;
    }
    if (editor) {
      EXPECT_EQ(Text(window->mnuFile(Menu::kNewDocument)), "New " + d);
      EXPECT_EQ(Text(window->mnuFile(Menu::kOpenDocument)), "Open " + d);
      EXPECT_EQ(Text(window->mnuFile(Menu::kSaveDocument)), "Save " + d);
      EXPECT_EQ(Text(window->mnuFile(Menu::kSaveDocumentAs)), "Save " + d + " As...");
      EXPECT_EQ(window->MainBar()->height(), 87) << page;  // 1305 twips
    }
  }
}

TEST_F(MainWindowTest, PageSwitchRefusals) {
  TestPage*& strategies = RegisterTestPage(kPageDraftStrategies);
  ASSERT_TRUE(Start());

  // A page refusing to close keeps the switch from happening.
  window->mnuEdit(4)->trigger();
  ASSERT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
  strategies->mayClose = false;
  window->mnuEdit(1)->trigger();
  EXPECT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
  EXPECT_EQ(strategies->closeQuestions, 1);
  EXPECT_TRUE(basUIControl::PageActive(kPageDraftStrategies));

  // Without Default.pro the scoring page does not open after the file
  // helper's notice, and no page is left open.
  strategies->mayClose = true;
  fs::remove(DefaultsFolder + "Default.pro");
  std::string notice;
  script.Then<QMessageBox>([&notice](QMessageBox* box) {
    notice = box->windowTitle().toStdString() + "|" + box->text().toStdString();
    box->accept();
  });
  window->mnuEdit(1)->trigger();
  EXPECT_EQ(notice, "File Error|File Not Found:  '" + DefaultsFolder + "Default.pro'");
  EXPECT_EQ(basUIControl::CurrentPage(), kPageNone);
  EXPECT_FALSE(basUIControl::PageActive(kPageDraftStrategies));
  EXPECT_FALSE(window->mnuFile(Menu::kNewDocument)->isVisible());
  // The bar drops the closed page's title and its Open and Save pictures.
  EXPECT_EQ(window->MainBar()->height(), 52);

  // A page that refuses its activation is not shown.
  TestPage*& stats = RegisterTestPage(kPageProjectedStats);
  shell_ui::RegisterPage(kPageProjectedStats, [&stats](QWidget* parent) {
    stats = new TestPage(parent, kPageProjectedStats);
    stats->activate = false;
    return stats;
  });
  window->mnuEdit(4)->trigger();
  ASSERT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
  window->mnuEdit(2)->trigger();
  EXPECT_EQ(basUIControl::CurrentPage(), kPageNone);
  EXPECT_FALSE(basUIControl::PageActive(kPageProjectedStats));
  EXPECT_EQ(window->MainBar()->height(), 52);
}

TEST_F(MainWindowTest, WhileAJobsProgressWindowIsUpNoPageSwitchesAndTheWindowDoesNotClose) {
  ASSERT_TRUE(Start());
  seams::Progress().Load();
  seams::Progress().SetVisible(true);
  window->mnuEdit(4)->trigger();
  EXPECT_EQ(basUIControl::CurrentPage(), kPageStart);
  EXPECT_FALSE(basUIControl::QueryUnload());
  EXPECT_FALSE(ApplicationClosing);
  seams::Progress().Unload();
  window->mnuEdit(4)->trigger();
  EXPECT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
}

TEST_F(MainWindowTest, ClosingWithNoPageOpenStillOffersToSaveAChangedProject) {
  ASSERT_TRUE(Start());
  fs::remove(DefaultsFolder + "Default.pro");
  script.Then<QMessageBox>([](QMessageBox* box) { box->accept(); });
  window->mnuEdit(1)->trigger();
  ASSERT_EQ(basUIControl::CurrentPage(), kPageNone);
  GlobalProject().SetValue(kProjAdditionalPlayers, "9");
  ASSERT_TRUE(GlobalProject().pFnWereChangesMade());
  std::string question;
  AnswerMessage(script, *pointer, 2, &question);  // Cancel keeps the window
  EXPECT_FALSE(Close());
  EXPECT_NE(question.find("Would you like to save changes to"), std::string::npos);
  AnswerMessage(script, *pointer, 1);  // Don't Save closes
  EXPECT_TRUE(Close());
  EXPECT_TRUE(script.Done());
}

TEST_F(MainWindowTest, CloseQuestionSaveDontSaveAndCancel) {
  TestPage*& strategies = RegisterTestPage(kPageDraftStrategies);
  ASSERT_TRUE(Start());
  window->mnuEdit(4)->trigger();
  GlobalProject().SetValue(kProjAdditionalPlayers, "9876");

  // Cancel: the page has closed, the project page opens and the window stays.
  std::string question;
  AnswerMessage(script, *pointer, 2, &question);
  EXPECT_FALSE(Close());
  EXPECT_EQ(question, "Kickwell Draftyard Project File| Would you like to save changes to \n  Kickwell Draftyard Project?");
  EXPECT_TRUE(strategies->closingSeen);
  EXPECT_FALSE(ApplicationClosing);
  EXPECT_EQ(basUIControl::CurrentPage(), kPageProject);

  // Save an unnamed project: its name is asked, it is written, the window closes.
  AnswerMessage(script, *pointer, 0);
  script.Then<frmFile>([](frmFile* dialog) {
    dialog->txtFileName()->setText("Closing");
    QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
  });
  EXPECT_TRUE(Close());
  EXPECT_TRUE(script.Done());
  const std::string kdp = home.WorkFolder() + "kdp/";
  EXPECT_NE(kdtest::ReadFile(kdp + "Closing.kdp").find("9876"), std::string::npos);
  // The reset to an unnamed project wrote nothing of its own.
  for (const auto& entry : fs::directory_iterator(kdp)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "Closing.kdp" || name == "KD-Sample 2024.kdp") << name;
  }

  // Don't Save: the window closes and nothing is written.
  ASSERT_TRUE(Start());
  basUIControl::SwitchPage(kPageProject);
  GlobalProject().SetValue(kProjAdditionalPlayers, "4321");
  AnswerMessage(script, *pointer, 1);
  EXPECT_TRUE(Close());
  EXPECT_EQ(kdtest::ReadFile(kdp + "Closing.kdp").find("4321"), std::string::npos);
}

TEST_F(MainWindowTest, PlacementIsSavedInTwipsAndRestored) {
  ASSERT_TRUE(Start());
  window->setGeometry(40, 60, 900, 600);
  const QPoint at = window->pos();
  ASSERT_TRUE(Close());
  const std::string ini = kdtest::ReadFile(SettingsFile());
  EXPECT_NE(ini.find("35=13500"), std::string::npos) << ini;
  EXPECT_NE(ini.find("36=9000"), std::string::npos) << ini;
  EXPECT_NE(ini.find("33=" + std::to_string(at.x() * 15)), std::string::npos) << ini;
  EXPECT_NE(ini.find("34=" + std::to_string(at.y() * 15)), std::string::npos) << ini;
  ASSERT_TRUE(Start());
  EXPECT_EQ(window->size(), QSize(900, 600));
  EXPECT_EQ(window->pos(), at);
}

TEST_F(MainWindowTest, FileOpenOpensTheBundledSampleProject) {
  ASSERT_TRUE(Start());
  script.Then<frmFile>([](frmFile* dialog) {
    const auto found = dialog->lstFile()->findItems("KD-Sample 2024.kdp", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QRect r = dialog->lstFile()->visualItemRect(found.front());
    QTest::mouseClick(dialog->lstFile()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(dialog->lstFile()->viewport(), Qt::LeftButton, {}, r.center());
  });
  window->mnuFile(Menu::kOpenProject)->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(basUIControl::CurrentPage(), kPageProject);
  EXPECT_EQ(GlobalProject().FileName(), "KD-Sample 2024.kdp");
  EXPECT_EQ(window->windowTitle().toStdString(), "Kickwell Draftyard - KD-Sample 2024.kdp");
  EXPECT_TRUE(window->mnuFile(Menu::kSaveProject)->isEnabled());
  auto* page = dynamic_cast<shell_ui::frmPlaceholderPage*>(window->CurrentPageForm());
  ASSERT_NE(page, nullptr);
  EXPECT_NE(page->lblText()->text().toStdString().find("KD-Sample 2024.kdp"), std::string::npos);
}

TEST_F(MainWindowTest, FileCommandsReachTheCurrentPageAndSaveProjectSavesThePagesDocumentFirst) {
  TestPage*& strategies = RegisterTestPage(kPageDraftStrategies);
  TestPage*& project = RegisterTestPage(kPageProject);
  ASSERT_TRUE(Start());
  window->mnuEdit(4)->trigger();
  for (const int32_t item : {6, 7, 9, 10}) window->mnuFile(item)->trigger();
  window->mnuFile(Menu::kSaveProject)->setEnabled(true);
  window->mnuFile(Menu::kSaveProject)->trigger();
  EXPECT_EQ(strategies->commands, (std::vector<int32_t>{6, 7, 9, 10, 9}));
  // The project window was loaded hidden for the save, then unloaded.
  ASSERT_NE(project, nullptr);
  EXPECT_EQ(project->commands, (std::vector<int32_t>{3}));
  EXPECT_FALSE(project->isVisible());
  EXPECT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
}

TEST_F(MainWindowTest, NewProjectWithAChangedProjectSavesAndResetsItBeforeAskingTheNewName) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  GlobalProject().SetValue(kProjAdditionalPlayers, "9876");

  // Cancel stops before the file dialog; the start page has closed.
  AnswerMessage(script, *pointer, 2);
  window->mnuFile(Menu::kNewProject)->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(GlobalProject().FileName(), "KD-Sample 2024.kdp");

  AnswerMessage(script, *pointer, 0);
  script.Then<frmFile>([](frmFile* dialog) {
    dialog->txtFileName()->setText("Fresh");
    QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
  });
  window->mnuFile(Menu::kNewProject)->trigger();
  EXPECT_TRUE(script.Done());
  const std::string kdp = home.WorkFolder() + "kdp/";
  EXPECT_NE(kdtest::ReadFile(kdp + "KD-Sample 2024.kdp").find("9876"), std::string::npos);
  EXPECT_TRUE(fs::exists(kdp + "Fresh.kdp"));
  EXPECT_EQ(GlobalProject().FileName(), "Fresh.kdp");
  EXPECT_FALSE(GlobalProject().pFnWereChangesMade());
  EXPECT_EQ(basUIControl::CurrentPage(), kPageProject);
  EXPECT_EQ(window->windowTitle().toStdString(), "Kickwell Draftyard - Fresh.kdp");
}

TEST_F(MainWindowTest, CancelOnNewProjectsSaveQuestionLeavesNoPagesTitleOnTheBar) {
  RegisterTestPage(kPageDraftStrategies);
  ASSERT_TRUE(Start());
  window->mnuEdit(4)->trigger();
  ASSERT_EQ(basUIControl::CurrentPage(), kPageDraftStrategies);
  GlobalProject().SetValue(kProjAdditionalPlayers, "9876");
  AnswerMessage(script, *pointer, 2);
  window->mnuFile(Menu::kNewProject)->trigger();
  ASSERT_TRUE(script.Done());
  // The page has closed: the bar is the low one of no page.
  EXPECT_EQ(basUIControl::CurrentPage(), kPageNone);
  EXPECT_EQ(window->MainBar()->height(), 52);
  EXPECT_FALSE(window->mnuFile(Menu::kSaveDocument)->isVisible());
}

TEST_F(MainWindowTest, HelpContentsOffersTheOnlineHelpAndExitClosesTheWindow) {
  auto shell = std::make_unique<kdtest::FakeShellOpen>();
  kdtest::FakeShellOpen* opened = shell.get();
  seams::Install(std::move(shell));
  ASSERT_TRUE(Start());
  std::string seen;
  AnswerMessage(script, *pointer, 1, &seen);  // No
  window->mnuContents()->trigger();
  EXPECT_TRUE(script.Done());
  // The box may break its line before the address, never inside it.
  EXPECT_EQ(seen.rfind("Kickwell Draftyard Help| Kickwell Draftyard Help is online at", 0), 0u) << seen;
  EXPECT_NE(seen.find("https://www.vellacorn.com/kickwell/help/contents.html\n  Would you like to send this url "
                      "to your browser?"),
            std::string::npos)
      << seen;
  EXPECT_TRUE(opened->opened.empty());
  AnswerMessage(script, *pointer, 0);  // Yes
  window->mnuContents()->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(opened->opened, (std::vector<std::string>{"https://www.vellacorn.com/kickwell/help/contents.html"}));

  window->mnuFile(Menu::kExit)->trigger();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, MenuWindowsOpenWhenRegisteredAndSayTheyAreNotBuiltOtherwise) {
  std::vector<std::string> opened;
  shell_ui::RegisterMenuWindow(shell_ui::MenuWindow::kSettings, [&](QWidget* owner) {
    EXPECT_EQ(owner, window.get());
    opened.push_back("settings");
  });
  ASSERT_TRUE(Start());
  window->mnuOpt()->trigger();
  EXPECT_EQ(opened, (std::vector<std::string>{"settings"}));
  for (QAction* item : {window->mnuPro(), window->mnuFile(Menu::kCreateStrain)}) {
    std::string notice;
    AnswerMessage(script, *pointer, 0, &notice);
    item->trigger();
    EXPECT_NE(notice.find("window is not built yet."), std::string::npos) << notice;
  }
  EXPECT_TRUE(script.Done());
}

namespace {

// Controllers of dialogs that another window library builds.
struct ChoiceDialog {
  static constexpr const char* kCaption = "Choice";
  int shown = 0;
};
struct UnbuiltDialog {
  static constexpr const char* kCaption = "Unbuilt";
};

}  // namespace

TEST_F(MainWindowTest, DialogsAreFoundByTheirControllersClassAndSayTheyAreNotBuiltOtherwise) {
  shell_ui::RegisterDialog<ChoiceDialog>([this](ChoiceDialog& dialog, QWidget* owner) {
    EXPECT_EQ(owner, window.get());
    ++dialog.shown;
  });
  ASSERT_TRUE(Start());
  ChoiceDialog choice;
  shell_ui::ShowDialog(choice, window.get());
  EXPECT_EQ(choice.shown, 1);
  UnbuiltDialog unbuilt;
  std::string notice;
  AnswerMessage(script, *pointer, 0, &notice);
  shell_ui::ShowDialog(unbuilt, window.get());
  EXPECT_TRUE(script.Done());
  EXPECT_NE(notice.find("The Unbuilt window is not built yet."), std::string::npos) << notice;
}
