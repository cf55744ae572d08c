// The journeys a new user makes through the application with the bundled
// 2024 sample, each from an empty home: they prove that the windows are
// wired together, and that every message met is one of the program's own
// texts, word for word. What each window does is tested in its own suite.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "JourneyHarness.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "documents/ui/frmExportSheet.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "project_page/ui/frmCheatSheetMDI.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/ui/frmMainBar.h"
#include "shell/ui/frmWelcome.h"

namespace fs = std::filesystem;

namespace {

using documents_ui::frmExportSheet;
using kdtest::SeenMessage;
using Menu = basCheatSheetMenu::FileItem;
using project_page_ui::frmCheatSheetMDI;

constexpr const char* kSample = "KD-Sample 2024.kdp";
const std::string kCrLf = "\r\n";

class Journeys : public kdtest::Journey {
 protected:
  frmCheatSheetMDI* ProjectPage() const { return dynamic_cast<frmCheatSheetMDI*>(window->CurrentPageForm()); }
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
  frmCheatSheetMDI* page = ProjectPage();
  ASSERT_NE(page, nullptr);
  Shot("project files");

  ClickTab(page->TabStrip(), clsUICheatSheet::kTabCheatSheet);
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
  frmCheatSheetMDI* page = ProjectPage();
  ASSERT_NE(page, nullptr);

  ClickTab(page->TabStrip(), clsUICheatSheet::kTabMockDraft);
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

}  // namespace
