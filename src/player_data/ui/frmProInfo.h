#pragma once
// The projected-stats properties window, "Projected Stats Properties": the
// seven rows of where the open database's data come from, a button beside
// those that can be changed, the "DO NOT overwrite" box, the note that
// changes are permanent and "Close". Modal over the whole application, so
// that nothing else touches the database meanwhile; every click goes to
// clsUIProInfo. Escape and the close box close it as "Close" does.

#include <array>

#include "player_data/dialogs/clsUIProInfo.h"
#include "toolkit/ui/frmDialogFrame.h"

class QCheckBox;
class QLabel;

namespace player_data_ui {

class frmProInfo : public frmDialogWindow<clsUIProInfo> {
  Q_OBJECT

 public:
  frmProInfo(clsUIProInfo& window, QWidget* owner);

  QLabel* lblProp(int32_t row) const { return lblProp_.at(static_cast<std::size_t>(row)); }
  QLabel* lblVal(int32_t row) const { return lblVal_.at(static_cast<std::size_t>(row)); }
  // The button of the row; null for a row without one.
  clsButton* mRow(int32_t row) const { return mRow_.at(static_cast<std::size_t>(row)); }
  QCheckBox* chkOW() const { return chkOW_; }
  clsButton* mBtn() const { return mBtn_; }

 protected:
  void Answer(int32_t index) override;

 private:
  void ShowValues();
  void RowClicked(int32_t row);

  std::array<QLabel*, clsUIProInfo::kRows> lblProp_{};
  std::array<QLabel*, clsUIProInfo::kRows> lblVal_{};
  std::array<clsButton*, clsUIProInfo::kRows> mRow_{};
  QCheckBox* chkOW_;
  clsButton* mBtn_;
};

}  // namespace player_data_ui
