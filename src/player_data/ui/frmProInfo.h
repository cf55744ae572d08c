#pragma once
// The projected-stats properties window, "Projected Stats Properties": the
// seven rows of where the open database's data come from, a button beside
// those that can be changed, the "DO NOT overwrite" box, the note that
// changes are permanent and "Close". Modal over the whole application, so
// that nothing else touches the database meanwhile; every click goes to
// clsUIProInfo. Escape and the close box close it as "Close" does.

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

class PictureBox;
class QCheckBox;
class QLabel;
class clsButton;
class clsUIProInfo;

namespace editors_projected_stats_ui {

class frmProInfo : public QDialog {
  Q_OBJECT

 public:
  frmProInfo(clsUIProInfo& window, QWidget* owner);
  ~frmProInfo() override;

  QLabel* lblProp(int32_t row) const { return lblProp_.at(static_cast<std::size_t>(row)); }
  QLabel* lblVal(int32_t row) const { return lblVal_.at(static_cast<std::size_t>(row)); }
  // The button of the row; null for a row without one.
  clsButton* mRow(int32_t row) const { return mRow_.at(static_cast<std::size_t>(row)).get(); }
  QCheckBox* chkOW() const { return chkOW_; }
  clsButton* mBtn() const { return mBtn_.get(); }

  void done(int result) override;

 private:
  void ShowValues();
  void RowClicked(int32_t row);

  clsUIProInfo& window_;
  std::array<QLabel*, 7> lblProp_{};
  std::array<QLabel*, 7> lblVal_{};
  std::array<PictureBox*, 7> picRow_{};
  std::array<QTimer*, 7> timRow_{};
  std::array<std::unique_ptr<clsButton>, 7> mRow_{};
  QCheckBox* chkOW_;
  PictureBox* picBtn_;
  QTimer* timBtn_;
  std::unique_ptr<clsButton> mBtn_;
};

}  // namespace editors_projected_stats_ui
