#include "project_page/clsCheatFilesTab.h"

#include "core/PageCode.h"
#include "core/basFlexGridCommon.h"
#include "core/basMockDraftSettings.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Text.h"
#include "project_page/CheatSheetPageView.h"
#include "validation/clsProjectValidation.h"

namespace {

struct FileRow {
  const char* kind;
  int32_t key;
  int32_t fileType;
};

// Row r of the grid is kFileRows[r - 1].
constexpr std::array<FileRow, 4> kFileRows = {{
    {"League Properties (.lgp)", kProjLeaguePropertiesFile, kPageLeagueProperties},
    {"Scoring System (.sco)", kProjScoringSystemFile, kPageScoringSystem},
    {"Projected Stats (.pro)", kProjProjectedStatsFile, kPageProjectedStats},
    {"User Generated Mock Draft (.ugm)", kProjUserMockDraftFile, kPageUserMockDraft},
}};

const std::string kIndent(11, ' ');

}  // namespace

const std::array<std::string, 5> clsCheatFilesTab::kStatusTexts = {" OK", " Warning", " Error", " [Disabled]",
                                                                   " No File"};

void clsCheatFilesTab::Bind(FlexGridModel& grid, CheatSheetPageView& view) {
  grid_ = &grid;
  view_ = &view;
}

std::array<int32_t, 4> clsCheatFilesTab::FileStatuses() {
  std::array<int32_t, 4> status = {kDisabled, kDisabled, kDisabled, kDisabled};
  if (basMockDraftSettings::GlobalSettings().BoolVal(kSetUseProjectValidation)) {
    clsProjectValidation validation;
    validation.ModularValidation(status[0], status[1], status[2], status[3]);
  }
  for (std::size_t i = 0; i < kFileRows.size(); ++i) {
    if (runtime::Trim(GlobalProject().Value(kFileRows[i].key)).empty()) status[i] = kNoFile;
  }
  return status;
}

void clsCheatFilesTab::Show() {
  FlexGridModel& g = *grid_;
  g.Clear();
  // Every column left-aligned: a preview shown before leaves its own.
  basFlexGridCommon::LayOutTable(g, kRows,
                                 {{" Status", 1200, kAlignLeft},
                                  {" Kickwell Draftyard Project Files", 6000, kAlignLeft},
                                  {" Change File", 1400, kAlignLeft}},
                                 150);
  g.SetRowHeight(-1, 500);
  for (int32_t col = 0; col < 3; ++col) {
    g.SetCellAlignmentAt(0, col, kAlignLeft);
    g.SetCellFontBoldAt(0, col, true);
  }
  g.SetMergeRow(0, true);
  const std::array<int32_t, 4> status = FileStatuses();
  for (int32_t row = 1; row < kRows; ++row) {
    const FileRow& file = kFileRows[static_cast<std::size_t>(row - 1)];
    g.SetCellPictureAt(row, 1, view_->FilesPicture(row - 1));
    g.SetCellPictureAlignmentAt(row, 1, 1);
    g.SetCellPictureAt(row, 2, view_->FilesPicture(4));
    g.SetCellPictureAlignmentAt(row, 2, 4);
    g.SetTextMatrix(row, 0, kStatusTexts[static_cast<std::size_t>(status[static_cast<std::size_t>(row - 1)])]);
    g.SetTextMatrix(row, 1,
                    kIndent + file.kind + std::string(runtime::kCrLf) + kIndent + GlobalProject().Value(file.key));
  }
}

bool clsCheatFilesTab::Click(int32_t row, int32_t col) {
  if (col != kChangeFileCol || row < 1 || row >= kRows) return false;
  const FileRow& file = kFileRows[static_cast<std::size_t>(row - 1)];
  const std::string chosen = view_->SelectProjectFile(file.fileType);
  if (chosen.empty()) return false;
  GlobalProject().SetValue(file.key, chosen);
  return true;
}
