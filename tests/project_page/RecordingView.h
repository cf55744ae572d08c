#pragma once
// The project page's view for headless tests: records what the controller
// shows and answers its dialogs from scripted fields.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project_page/CheatSheetPageView.h"

namespace {

struct RecordingView final : CheatSheetPageView {
  void LayOutForTab(int32_t tab) override { layouts.push_back(tab); }
  void SetTabSelected(int32_t tab, bool selected) override {
    if (selected) selectedTab = tab;
  }
  void ShowDisplayGridName(const std::string& name) override { displayGridName = name; }
  void ShowMockType(int32_t mockType) override { shownMockType = mockType; }
  void SetBusy(bool busy) override { busyCalls.push_back(busy); }
  void RepaintMain() override {}
  bool ChooseDisplayGridFile(std::string& name) override {
    name = chosenDisplayGrid;
    return !name.empty();
  }
  void ShowPropertyTextBox(int32_t row, const std::string& text) override {
    textBoxRow = row;
    textBoxText = text;
  }
  void HidePropertyTextBox() override { textBoxRow = -1; }
  int32_t ChooseColour(int32_t /*colour*/) override { return chosenColour; }
  std::shared_ptr<const FlexGridPicture> ColourSwatch(int32_t /*colour*/, int32_t /*back*/) override {
    return nullptr;
  }
  std::shared_ptr<const FlexGridPicture> FilesPicture(int32_t /*index*/) override { return nullptr; }
  std::string SelectProjectFile(int32_t fileType) override {
    selectRequests.push_back(fileType);
    return chosenFile;
  }

  std::vector<int32_t> layouts;
  int32_t selectedTab = 0;
  std::string displayGridName;
  int32_t shownMockType = -1;
  std::vector<bool> busyCalls;
  std::string chosenDisplayGrid;
  int32_t textBoxRow = -1;
  std::string textBoxText;
  int32_t chosenColour = -1;
  std::vector<int32_t> selectRequests;
  std::string chosenFile;
};

}  // namespace
