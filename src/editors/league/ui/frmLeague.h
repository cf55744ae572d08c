#pragma once
// The league-properties page's window: the tab strip over a bordered panel
// that holds the main grid with its in-place editors, the position-selection
// check list, the "Add Team" / "Remove Team" and "Create Order" bars, the
// draft-style list, the rounds box and the mini tool bar. It lays them out
// and hands every event to the page's controller (clsUILeagueProperties),
// which answers the page switch, the close question and the File menu as
// well.

#include "editors/league/LeaguePageView.h"
#include "shell/ui/frmPageFrame.h"

class clsUILeagueProperties;

namespace editors_league_ui {

class frmLeague : public shell_ui::frmPageWindow<clsUILeagueProperties, LeaguePageView> {
  Q_OBJECT

 public:
  explicit frmLeague(QWidget* parent);

  // LeaguePageView
  std::string RoundsText() const override;
  FlexGridModel& PositionSelectionGrid() override;
  // Lays the page out again, showing the controls of the current tab.
  void ShowTabControls(int32_t index) override;
  void SetRemoveTeamEnabled(bool enabled) override;
  void SetRoundsText(const std::string& text) override;
  void SetStyleItems(const std::vector<std::string>& items) override;
  void SetStyleIndex(int32_t index) override;

  // The controls, for tests.
  FlexGridWidget* flxPosition() const { return editor_.grid; }
  FlexGridWidget* flxPosCat() const { return flxPosCat_; }
  QLineEdit* txtPosition() const { return editor_.text; }
  QLineEdit* txtRnds() const { return txtRnds_; }
  PictureBox* picAR() const { return mAR_->PictureControl(); }
  clsButton* mAR() const { return mAR_; }
  clsButton* mBoard() const { return mBoard_; }
  QListWidget* lstPos() const { return editor_.list; }
  QComboBox* cmbOrder() const { return cmbOrder_; }
  PictureBox* picBoard() const { return mBoard_->PictureControl(); }
  clsMiniBar* mMb() const { return mMb_; }

 private:
  void LayOut() override;

  PictureBox* picLeague_;
  QLabel* lblHeadingA_;
  QLabel* lblHeadingB_;
  FlexGridWidget* flxPosCat_;
  const EditedGrid editor_;  // the tab's main grid
  clsMiniBar* mMb_;
  clsButton* mAR_;
  QLabel* lblNote_;
  clsButton* mBoard_;
  std::array<QLabel*, 2> lblDraft_{};
  QComboBox* cmbOrder_;
  QLineEdit* txtRnds_;
};

}  // namespace editors_league_ui
