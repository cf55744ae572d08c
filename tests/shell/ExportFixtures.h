#pragma once
// The export tests' setting: a temporary home with its work folders, a
// fresh project, the seams' fakes, and a main window that answers the export
// dialog from the test.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "EnvironmentFixtures.h"
#include "FakeSeams.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "documents/basFlexGridHTML.h"
#include "shell/MainWindowView.h"
#include "core/basMessage.h"
#include "shell/basUIControl.h"

namespace kdtest {

// A main window whose export dialog is the test's function.
class ExportMainWindow final : public MainWindowView {
 public:
  void ShowFirstRunWindow() override {}
  void RestorePlacement(const basMockDraftSettings::WindowPlacement&) override {}
  void LoadMainBar() override {}
  void SyncUpdates() override {}
  void SetCaption(const std::string&) override {}
  void SetFileItemCaption(int32_t, const std::string&) override {}
  void SetFileItemVisible(int32_t, bool) override {}
  void SetFileItemEnabled(int32_t, bool) override {}
  void SetMainBarProperty(const std::string&) override {}
  std::string MainBarProperty() const override { return ""; }
  void ShowMainBarTitle(int32_t) override {}
  void ShowCurrentPage(int32_t) override {}
  PageWindow* LoadPage(int32_t) override { return nullptr; }
  void UnloadPage(PageWindow*) override {}
  void LayoutWindows(PageWindow*, int32_t) override {}
  bool ShowExportDialog(int32_t mode, int32_t targetIndex, bool colourRows) override {
    dialogs.push_back({mode, targetIndex, colourRows});
    if (answerDialog) answerDialog();
    return true;
  }
  void Repaint() override { ++repaints; }

  struct Dialog {
    int32_t mode, targetIndex;
    bool colourRows;
  };
  std::vector<Dialog> dialogs;
  std::function<void()> answerDialog;
  int repaints = 0;
};

class ExportTest : public ::testing::Test {
 protected:
  ExportTest() {
    basMockItUp::InitFileTypeTable(home.Root() + "work/");
    std::filesystem::create_directories(FileTypeFolder[kPageDisplayGrids]);
    std::filesystem::create_directories(out);
  }
  ~ExportTest() override {
    basUIControl::Reset();
    ReleaseGlobalProject();
    MessageAnswer.clear();
    MockDisplayView = IncludeRosterListings = IncludeRosterPointSummary = 0;
  }
  clsCheatIsolate& Project() { return GlobalProject(); }

  TempHome home;
  std::string out = home.Root() + "out/";
  ScopedFakeSeams seams;
};

}  // namespace kdtest
