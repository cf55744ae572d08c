#pragma once
// The real main window in a temporary home whose all-users tree is the one
// the build made, with the real seams and a scripted pointer. Modal windows
// are answered through `script`; the first-run window is answered by
// StartFirstRun. Every shared state the window touches is reset afterwards.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <memory>

#include "EnvironmentFixtures.h"
#include "ShellWindowHarness.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/basUIControl.h"
#include "shell/ui/PageRegistry.h"
#include "shell/ui/frmMDIMock.h"
#include "shell/ui/frmMessage.h"
#include "shell/ui/frmPage.h"
#include "shell/ui/frmStart.h"

namespace kdtest {

class MainWindowTest : public ::testing::Test {
 protected:
  ~MainWindowTest() override {
    window.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    basUIControl::Reset();
    basMockDraftSettings::TerminateSettings();
    ReleaseGlobalProject();
    shell_ui::ClearRegistrations();
    // The document options a page or the export dialog chose last.
    MockDisplayView = IncludeRosterListings = IncludeRosterPointSummary = 0;
  }

  // Loads a main window; a first-run window that comes up is counted and
  // handed to onFirstRun, or has both start-up update checks unticked and is
  // confirmed with "OK", so that no test asks a server on the network.
  bool Start() {
    window = std::make_unique<shell_ui::frmMDIMock>();
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [this] {
      auto* start = qobject_cast<shell_ui::frmStart*>(QApplication::activeModalWidget());
      if (start == nullptr || !start->isVisible() || start == answered_) return;
      answered_ = start;
      ++firstRunWindows;
      if (onFirstRun) {
        onFirstRun(start);
      } else {
        start->chkM(0)->setChecked(false);
        start->chkM(1)->setChecked(false);
        Press(*pointer, start->mBtn(), 0);
      }
    });
    watch.start();
    const bool ok = window->Load();
    watch.stop();
    if (ok) window->ShowPlaced();
    return ok;
  }

  // The list `list` of the page the test opened, to walk with the keys:
  // nullptr (a failure noted) when the page did not open or the list has no
  // more than three rows.
  template <class Page>
  static FlexGridWidget* ListToWalk(Page* page, FlexGridWidget* (Page::*list)() const) {
    if (page == nullptr) {
      ADD_FAILURE() << "the page did not open";
      return nullptr;
    }
    FlexGridWidget* grid = (page->*list)();
    if (grid->Model().Rows() <= 3) {
      ADD_FAILURE() << "the list has " << grid->Model().Rows() << " rows";
      return nullptr;
    }
    return grid;
  }

  // Closes the main window as its close box does; true when it closed.
  bool Close() { return window->close(); }

  std::string SettingsFile() const { return home.WorkFolder() + "kd_settings.ini"; }

  TempHome home;
  ScopedEnv allUsers{"XDG_DATA_DIRS", KD_SHARE_DIR "/"};
  RealSeamsWithScriptedPointer seams;
  FakePointer* pointer = seams.pointer;
  ModalScript script;
  std::unique_ptr<shell_ui::frmMDIMock> window;
  int firstRunWindows = 0;
  // What is done to the first-run window instead of pressing "OK".
  std::function<void(shell_ui::frmStart*)> onFirstRun;

 private:
  QWidget* answered_ = nullptr;
};

// A page whose answers the test sets.
class TestPage : public shell_ui::frmPage {
 public:
  TestPage(QWidget* parent, int32_t code) : frmPage(parent, code) {}
  bool ActivateForm() override { return activate; }
  bool QueryUnload() override {
    ++closeQuestions;
    closingSeen = ApplicationClosing;
    return mayClose;
  }
  void FileCommand(int32_t index) override { commands.push_back(index); }
  void RunDocumentJob(int32_t code) override { jobs.push_back(code); }

  bool activate = true;
  bool mayClose = true;
  bool closingSeen = false;
  int closeQuestions = 0;
  std::vector<int32_t> commands;
  std::vector<int32_t> jobs;
};

}  // namespace kdtest
