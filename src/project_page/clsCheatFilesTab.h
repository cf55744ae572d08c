#pragma once
// The Files tab of the project page: the four documents the project names
// (league properties, scoring system, projected stats, user mock draft),
// each with its status from the project check, and a Change File cell that
// lets the user choose another. The tab keeps no state: every showing
// rebuilds it from the project, the settings and a fresh check.

#include <array>
#include <cstdint>
#include <string>

class CheatSheetPageView;
class FlexGridModel;

class clsCheatFilesTab {
 public:
  static constexpr int32_t kRows = 5;
  static constexpr int32_t kChangeFileCol = 2;
  enum Status : int32_t { kOk = 0, kWarning = 1, kError = 2, kDisabled = 3, kNoFile = 4 };
  static const std::array<std::string, 5> kStatusTexts;

  void Bind(FlexGridModel& grid, CheatSheetPageView& view);

  // Builds the grid, its rows and the statuses.
  void Show();
  // The statuses of rows 1 to 4: the check's (when setting 30 is on), then
  // " No File" for an entry that is empty after trimming.
  static std::array<int32_t, 4> FileStatuses();
  // A click on cell (row, col): on the Change File column of a document
  // row, the file dialog; True when a file was chosen and stored (the page
  // is then refreshed).
  bool Click(int32_t row, int32_t col);

 private:
  FlexGridModel* grid_ = nullptr;
  CheatSheetPageView* view_ = nullptr;
};
