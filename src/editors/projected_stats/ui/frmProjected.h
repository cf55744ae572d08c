#pragma once
// The projected-stats page's window: the position tab strip over a bordered
// panel that holds the heading, the options bar and the stat grid with its
// in-place text editor. It lays them out, paints the sort-arrow pictures and
// hands every event to the page's controller (clsUIProjectedStats2), which
// answers the page switch, the close question and the File commands as
// well. The new-file dialog and the properties window it shows for the
// controller are the player data's, registered by kd_player_data_ui.

#include "editors/projected_stats/ProjectedStatsView.h"
#include "shell/ui/frmPageFrame.h"

class clsUIProjectedStats2;

namespace editors_projected_stats_ui {

class frmProjected : public shell_ui::frmPageWindow<clsUIProjectedStats2, ProjectedStatsView> {
  Q_OBJECT

 public:
  explicit frmProjected(QWidget* parent);
  ~frmProjected() override;

  // ProjectedStatsView
  void SetHeading(const std::string& text) override;
  void SetSourceLabels(const std::string& stat, const std::string& adp) override;
  std::shared_ptr<const FlexGridPicture> SortArrow(bool ascending) override;
  void ShowNewProjected(clsUINewProjected& dialog) override;
  void ShowProperties(clsUIProInfo& window) override;

  // The controls, for tests.
  FlexGridWidget* flxProjected() const { return editor_.grid; }
  QLineEdit* txtProjected() const { return editor_.text; }
  clsMiniBar* mOP() const { return mOP_; }
  QLabel* lblHeading() const { return lblHeading_; }

 private:
  void LayOut() override;

  PictureBox* picProjected_;
  QLabel* lblHeading_;
  clsMiniBar* mOP_;
  const EditedGrid editor_;  // the stats
  std::array<std::shared_ptr<const FlexGridPicture>, 2> sortPictures_{};
};

}  // namespace editors_projected_stats_ui
