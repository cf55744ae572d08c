#pragma once
// The projected-stats page's window: the position tab strip over a bordered
// panel that holds the heading, the options bar and the stat grid with its
// in-place text editor. It lays them out, paints the check-box and sort-arrow
// pictures and hands every event to the page's controller
// (clsUIProjectedStats2), which answers the page switch, the close question
// and the File commands as well, and shows the new-file dialog and the
// properties window for it.

#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>

#include "editors/projected_stats/ProjectedStatsView.h"
#include "shell/ui/frmPage.h"

class EditFlexGridWidgets;
class FlexGridWidget;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class clsMiniBar;
class clsTabStrip;
class clsUIProjectedStats2;

namespace editors_projected_stats_ui {

class frmProjected : public shell_ui::frmPage, public ProjectedStatsView {
  Q_OBJECT

 public:
  explicit frmProjected(QWidget* parent);
  ~frmProjected() override;

  clsUIProjectedStats2& Controller() { return *controller_; }
  FlexGridWidget* flxProjected() const { return flxProjected_; }
  QLineEdit* txtProjected() const { return txtProjected_; }
  QLabel* lblHeading() const { return lblHeading_; }
  clsTabStrip* mTab() const { return mTab_.get(); }
  clsMiniBar* mOP() const { return mOP_.get(); }

  // ProjectedStatsView
  EditFlexGridView* StatGrid() override;
  EditFlexTextBox* StatText() override;
  EditFlexComboBox* StatCombo() override;
  void SetTabs(const std::vector<std::string>& captions) override;
  void SelectTab(int32_t index) override;
  void SetHeading(const std::string& text) override;
  void SetSourceLabels(const std::string& stat, const std::string& adp) override;
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) override;
  std::shared_ptr<const FlexGridPicture> SortArrow(bool ascending) override;
  void ShowNewProjected(clsUINewProjected& dialog) override;
  void ShowProperties(clsUIProInfo& window) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();

  PictureBox* picTabProjected_;
  QTimer* timTabProjected_;
  PictureBox* picProjected_;
  QLabel* lblHeading_;
  PictureBox* picOP_;
  QTimer* timOP_;
  FlexGridWidget* flxProjected_;
  QLineEdit* txtProjected_;
  QComboBox* cmbProjected_;
  PictureBox* picUp_;
  PictureBox* picArrow_;
  std::array<PictureBox*, 2> picCheck_{};
  std::array<std::shared_ptr<const FlexGridPicture>, 2> checkPictures_{};
  std::shared_ptr<const FlexGridPicture> upPicture_;
  std::shared_ptr<const FlexGridPicture> downPicture_;

  std::unique_ptr<EditFlexGridWidgets> parts_;
  std::unique_ptr<clsTabStrip> mTab_;
  std::unique_ptr<clsMiniBar> mOP_;
  std::unique_ptr<clsUIProjectedStats2> controller_;
  bool loaded_ = false;
};

}  // namespace editors_projected_stats_ui
