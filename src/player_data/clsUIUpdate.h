#pragma once
// The Updates selection window's logic: the grid of the files a player
// update offers, one row each with a tick box, the "Select All" and
// "Clear" buttons, and OK, which starts the downloads of the ticked files.
// The window (frmUpdate) lays out and paints; the tick glyphs are its
// pictures.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/flexgrid/FlexGridModel.h"

class clsPlayerUpdate;

class clsUIUpdate {
 public:
  // Grid columns.
  static constexpr int32_t kColKey = 0;
  static constexpr int32_t kColTick = 2;
  static constexpr int32_t kColName = 3;
  static constexpr int32_t kColDate = 4;
  static constexpr int32_t kColType = 5;
  static constexpr int32_t kColSize = 6;
  static constexpr int32_t kCols = 7;

  clsUIUpdate(FlexGridModel& grid, std::shared_ptr<const FlexGridPicture> unticked,
              std::shared_ptr<const FlexGridPicture> ticked);

  // Keeps the run and fills the grid, every file unticked.
  void SetUC(std::shared_ptr<clsPlayerUpdate> run);
  // "Kickwell Draftyard <season> Updates".
  std::string Caption() const;

  // A click on a cell: in the tick column of a file's row it toggles the file.
  void CellClicked(int32_t row, int32_t col);
  // "Select All" (0) ticks every file, "Clear" (1) unticks every file.
  void mSel_Click(int32_t index);
  // "OK" (0) starts the downloads of the ticked files; "Cancel" (1) starts
  // none. Either way the window closes afterwards.
  void mOK_Click(int32_t index);

  // "1023 B", "1.5 KB", "1.0 MB", "2.0 GB".
  static std::string SizeText(int64_t bytes);

 private:
  void ShowTick(int32_t row, bool ticked);

  FlexGridModel& grid_;
  std::shared_ptr<const FlexGridPicture> unticked_;
  std::shared_ptr<const FlexGridPicture> ticked_;
  std::shared_ptr<clsPlayerUpdate> run_;
};
