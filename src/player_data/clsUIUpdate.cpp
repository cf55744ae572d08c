#include "player_data/clsUIUpdate.h"

#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "player_data/clsPlayerUpdate.h"
#include "core/basFlexGridCommon.h"

namespace {

const std::vector<basFlexGridCommon::TableColumn> kColumns = {
    {"", 0, FlexGridModel::kAlignLeftCenter},
    {"", 0, FlexGridModel::kAlignLeftCenter},
    {"", 330, FlexGridModel::kAlignLeftCenter},
    {"File Name", 3000, FlexGridModel::kAlignLeftCenter},
    {"File Date", 2000, FlexGridModel::kAlignLeftCenter},
    {"Type", 900, FlexGridModel::kAlignLeftCenter},
    {"Size", 1000, FlexGridModel::kAlignRightCenter},
};

constexpr int32_t kRowHeightMin = 330;

}  // namespace

clsUIUpdate::clsUIUpdate(FlexGridModel& grid, std::shared_ptr<const FlexGridPicture> unticked,
                         std::shared_ptr<const FlexGridPicture> ticked)
    : grid_(grid), unticked_(std::move(unticked)), ticked_(std::move(ticked)) {}

void clsUIUpdate::SetUC(std::shared_ptr<clsPlayerUpdate> run) {
  run_ = std::move(run);
  const int32_t files = run_ ? run_->TotalFileCount() : 0;
  grid_.SetRedraw(false);
  basFlexGridCommon::LayOutTable(grid_, files + 1, kColumns, kRowHeightMin);
  for (int32_t i = 0; i < files; ++i) {
    const int32_t row = i + 1;
    grid_.SetTextMatrix(row, kColKey, std::to_string(i));
    grid_.SetTextMatrix(row, kColName, run_->FileName(i));
    grid_.SetTextMatrix(row, kColType, runtime::UCase(run_->DestDir(i)));
    grid_.SetTextMatrix(row, kColSize, SizeText(run_->FileSize(i)));
    ShowTick(row, run_->RequestFile(i));
  }
  grid_.SetRedraw(true);
}

std::string clsUIUpdate::Caption() const {
  return "Kickwell Draftyard " + std::to_string(run_ ? run_->FileYear() : 0) + " Updates";
}

void clsUIUpdate::ShowTick(int32_t row, bool ticked) {
  grid_.SetCellPictureAt(row, kColTick, ticked ? ticked_ : unticked_);
  grid_.SetCellPictureAlignmentAt(row, kColTick, FlexGridModel::kAlignCenterCenter);
}

void clsUIUpdate::CellClicked(int32_t row, int32_t col) {
  if (!run_ || col != kColTick || row < 1 || row >= grid_.Rows()) return;
  const int32_t file = row - 1;
  run_->SetRequestFile(file, !run_->RequestFile(file));
  ShowTick(row, run_->RequestFile(file));
}

void clsUIUpdate::mSel_Click(int32_t index) {
  if (!run_ || (index != 0 && index != 1)) return;
  const bool tick = index == 0;
  const int32_t row = grid_.Row();
  grid_.SetRedraw(false);
  for (int32_t r = 1; r < grid_.Rows(); ++r) {
    run_->SetRequestFile(r - 1, tick);
    ShowTick(r, tick);
  }
  grid_.SetRow(row);
  grid_.SetRedraw(true);
}

void clsUIUpdate::mOK_Click(int32_t index) {
  if (index == 0 && run_) run_->DownloadRequested();
}

std::string clsUIUpdate::SizeText(int64_t bytes) {
  constexpr double kKB = 1024.0;
  constexpr double kMB = kKB * 1024.0;
  constexpr double kGB = kMB * 1024.0;
  const auto n = static_cast<double>(bytes);
  if (n < kKB) return std::to_string(bytes) + " B";
  if (n < kMB) return runtime::Format(n / kKB, "0.0") + " KB";
  if (n < kGB) return runtime::Format(n / kMB, "0.0") + " MB";
  return runtime::Format(n / kGB, "0.0") + " GB";
}
