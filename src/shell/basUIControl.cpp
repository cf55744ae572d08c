#include "shell/basUIControl.h"

#include <array>

#include "core/Seams.h"
#include "core/basColourScheme.h"
#include "core/basFileExists_001.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "engine/basMockDraftCalculation.h"
#include "shell/MainWindowView.h"
#include "shell/PageWindow.h"
#include "shell/basCheatSheetMenu.h"

namespace basUIControl {

namespace {

struct PageModel {
  MainWindowView* view = nullptr;
  int32_t current = kPageNone;
  PageWindow* window = nullptr;  // the window of `current`
  std::array<bool, kPageCodeCount> active{};
};

PageModel& Model() {
  static PageModel model;
  return model;
}

bool ValidCode(int32_t code) { return code >= 0 && code < kPageCodeCount; }

// Loads the page's window, lets it activate and shows it as the current
// page; a refused activation unloads it again and leaves no page open.
void OpenPage(int32_t code) {
  PageModel& m = Model();
  if (m.view == nullptr) return;
  PageWindow* window = m.view->LoadPage(code);
  if (!window->ActivateForm()) {
    m.view->UnloadPage(window);
    return;
  }
  m.window = window;
  m.active[static_cast<std::size_t>(code)] = true;
  SetCurrentPage(code);
  LayoutWindows();
  window->ShowPage();
}

void RunDocumentJob(int32_t code) {
  const bool cheatSheet = code == kPageCheatSheetJob;
  const std::string caption =
      cheatSheet ? "Create Cheat Sheet Document Cancelled" : "Create Mock Draft Document Cancelled";
  if (!basMockDraftCalculation::CheckRequiredProjectFiles(true, caption)) return;
  if (!ShowExportDialog(code, cheatSheet ? kProjCheatSheetTarget : kProjMockDraftTarget, true)) return;
  WithProjectWindow([code](PageWindow& project) { project.RunDocumentJob(code); });
}

}  // namespace

void SetMainWindow(MainWindowView* view) { Model().view = view; }

MainWindowView* MainWindow() { return Model().view; }

int32_t CurrentPage() { return Model().current; }

void SetCurrentPage(int32_t pageCode) {
  PageModel& m = Model();
  m.current = pageCode;
  if (m.view != nullptr) m.view->ShowCurrentPage(pageCode);
}

bool PageActive(int32_t pageCode) {
  return ValidCode(pageCode) && Model().active[static_cast<std::size_t>(pageCode)];
}

PageWindow* CurrentPageWindow() { return Model().window; }

bool JobRunning() { return seams::Progress().Visible(); }

bool StartUp(int32_t buttonFace) {
  PageModel& m = Model();
  basColourScheme::SetColourScheme(buttonFace);
  if (!basMockItUp::InitWorkDirectory()) return false;
  basMockDraftSettings::InitializeSettings([&m] {
    if (m.view != nullptr) m.view->ShowFirstRunWindow();
  });
  basCheatSheetMenu::SetFileMenuCaptions(kPageNone);
  if (m.view != nullptr) m.view->RestorePlacement(basMockDraftSettings::RestoreWindowPlacement());
  ProjectOpenMode = 1;
  UpdateMainCaption();
  if (m.view != nullptr) m.view->LoadMainBar();
  LayoutWindows();
  SwitchPage(kPageStart);
  if (m.view != nullptr) m.view->SyncUpdates();
  return true;
}

bool QueryUnload() {
  if (JobRunning()) return false;
  ApplicationClosing = true;
  // With no page open there is nothing to close, but a changed project is
  // still offered for saving: closing must never drop it unasked.
  if (CurrentPage() != kPageNone && !CloseCurrentPage()) {
    ApplicationClosing = false;
    return false;
  }
  if (!basCheatSheetMenu::AskSaveProject()) {
    ApplicationClosing = false;
    SwitchPage(kPageProject);
    return false;
  }
  SetCurrentPage(kPageNone);
  return true;
}

void Unload(const basMockDraftSettings::WindowState& window) {
  basMockDraftSettings::SaveWindowPlacement(window);
  basMockDraftSettings::TerminateSettings();
}

void SwitchPage(int32_t pageCode) {
  if (JobRunning()) return;
  PageModel& m = Model();
  const bool job = pageCode == kPageCheatSheetJob || pageCode == kPageMockDraftJob;
  std::string property;
  if (job) {
    property = m.view != nullptr ? m.view->MainBarProperty() : std::string();
  } else if (m.current >= 0) {
    if (m.current == pageCode) return;
    if (!CloseCurrentPage()) return;
  }
  if (!job && pageCode != kPageStart && m.view != nullptr) m.view->ShowMainBarTitle(pageCode);
  switch (pageCode) {
    case kPageProject:
      ProjectOpenMode = 1;
      OpenPage(pageCode);
      break;
    case kPageProjectedStats:
    case kPageDraftStrategies:
    case kPageStart:
      OpenPage(pageCode);
      break;
    case kPageScoringSystem:
    case kPageLeagueProperties:
    case kPageDisplayGrids:
      if (basFileExists_001::FileExists(DefaultsFolder + DefaultProjectedStatsName, true)) OpenPage(pageCode);
      break;
    case kPageCheatSheetJob:
    case kPageMockDraftJob:
      RunDocumentJob(pageCode);
      ShowMainBarProperty(property);
      break;
    case kPageUserMockDraft:
      if (basMockDraftCalculation::CheckRequiredProjectFiles(true, "User Generated Mock Draft Cancelled")) {
        OpenPage(pageCode);
      }
      break;
    default:
      break;
  }
  if (!job) ShowCurrentPageState();
}

void ShowCurrentPageState() {
  if (CurrentPage() == kPageNone) {
    // The low bar would still show the edge of the closed page's title.
    if (Model().view != nullptr) Model().view->ShowMainBarTitle(kPageNone);
    LayoutWindows();
  }
  basCheatSheetMenu::SetFileMenuCaptions(CurrentPage());
}

bool CloseCurrentPage() {
  PageModel& m = Model();
  if (m.current >= 0) {
    if (m.window != nullptr) {
      if (!m.window->QueryUnload()) return false;
      PageWindow* window = m.window;
      m.window = nullptr;
      if (m.view != nullptr) m.view->UnloadPage(window);
    }
    if (ValidCode(m.current)) m.active[static_cast<std::size_t>(m.current)] = false;
    SetCurrentPage(kPageNone);
  }
  ShowMainBarProperty("");
  return true;
}

bool ShowExportDialog(int32_t mode, int32_t targetIndex, bool colourRows) {
  MessageAnswer.clear();
  PageModel& m = Model();
  if (m.view == nullptr || !m.view->ShowExportDialog(mode, targetIndex, colourRows)) MessageAnswer.clear();
  return MessageAnswer == seams::kAnswerSave;
}

std::string MainCaption() {
  const std::string& name = GlobalProject().FileName();
  return "Kickwell Draftyard - " + (name.empty() ? std::string("[No Project Name]") : name);
}

void UpdateMainCaption() {
  if (Model().view != nullptr) Model().view->SetCaption(MainCaption());
}

void ShowMainBarProperty(const std::string& text) {
  if (Model().view != nullptr) Model().view->SetMainBarProperty(text);
}

void SetPageEnabled(bool enabled) {
  if (Model().window != nullptr) Model().window->SetPageEnabled(enabled);
}

void RefreshActiveView() {
  PageModel& m = Model();
  if (m.view != nullptr) m.view->Repaint();
  if (m.window != nullptr) m.window->Repaint();
  DoEvents();
}

int32_t MainBarHeightTwips() {
  const int32_t page = CurrentPage();
  return page == kPageStart || page == kPageNone ? kMainBarLowTwips : kMainBarHighTwips;
}

void LayoutWindows() {
  PageModel& m = Model();
  if (m.view != nullptr) m.view->LayoutWindows(m.window, MainBarHeightTwips());
}

void WithProjectWindow(const std::function<void(PageWindow&)>& action) {
  PageModel& m = Model();
  if (m.current == kPageProject && m.window != nullptr) {
    action(*m.window);
    return;
  }
  if (m.view == nullptr) return;
  ProjectOpenMode = 1;
  PageWindow* window = m.view->LoadPage(kPageProject);
  struct Unloader {
    MainWindowView* view;
    PageWindow* window;
    ~Unloader() { view->UnloadPage(window); }
  } unloader{m.view, window};
  action(*window);
}

void Reset() {
  PageModel& m = Model();
  if (m.view != nullptr && m.window != nullptr) m.view->UnloadPage(m.window);
  m = PageModel{};
  ProjectOpenMode = 0;
}

}  // namespace basUIControl
