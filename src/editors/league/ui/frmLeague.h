#pragma once
// The league-properties page's window: the tab strip over a bordered panel
// that holds the main grid with its in-place editors, the position-selection
// check list, the "Add Team" / "Remove Team" and "Create Order" bars, the
// draft-style list, the rounds box and the mini tool bar. It lays them out,
// paints them and hands every event to the page's controller
// (clsUILeagueProperties), which answers the page switch, the close question
// and the File menu as well.

#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>

#include "editors/league/LeaguePageView.h"
#include "shell/ui/frmPage.h"

class EditFlexGridWidgets;
class FlexGridWidget;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class clsButton;
class clsMiniBar;
class clsTabStrip;
class clsUILeagueProperties;

namespace editors_league_ui {

class frmLeague : public shell_ui::frmPage, public LeaguePageView {
  Q_OBJECT

 public:
  explicit frmLeague(QWidget* parent);
  ~frmLeague() override;

  clsUILeagueProperties& Controller() { return *controller_; }

  // The controls, for tests.
  FlexGridWidget* flxPosition() const { return flxPosition_; }
  FlexGridWidget* flxPosCat() const { return flxPosCat_; }
  QLineEdit* txtPosition() const { return txtPosition_; }
  QListWidget* lstPos() const { return lstPos_; }
  QComboBox* cmbOrder() const { return cmbOrder_; }
  QLineEdit* txtRnds() const { return txtRnds_; }
  PictureBox* picAR() const { return picAR_; }
  PictureBox* picBoard() const { return picBoard_; }
  clsButton* mAR() const { return mAR_.get(); }
  clsButton* mBoard() const { return mBoard_.get(); }
  clsTabStrip* mTab() const { return mTab_.get(); }

  // Lays the page out again and shows the controls of the current tab.
  void FireResize();

  // LeaguePageView
  EditFlexGridView* MainGrid() override;
  EditFlexTextBox* MainText() override;
  EditFlexComboBox* MainCombo() override;
  EditFlexListBox* MainList() override;
  int32_t ListAreaHeight() const override;
  FlexGridModel& PositionSelectionGrid() override;
  void SelectTab(int32_t index) override;
  void ShowTabControls(int32_t index) override;
  void SetRemoveTeamEnabled(bool enabled) override;
  std::string RoundsText() const override;
  void SetRoundsText(const std::string& text) override;
  void SetStyleItems(const std::vector<std::string>& items) override;
  void SetStyleIndex(int32_t index) override;
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) override;
  std::shared_ptr<const FlexGridPicture> DropArrow(bool hover) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();

  PictureBox* picTabLeague_;
  QTimer* timTabLeague_;
  PictureBox* picLeague_;
  QLabel* lblHeadingA_;
  QLabel* lblHeadingB_;
  FlexGridWidget* flxPosCat_;
  FlexGridWidget* flxPosition_;
  QLineEdit* txtPosition_;
  QComboBox* cmbPosition_;
  QListWidget* lstPos_;
  PictureBox* picMini_;
  QTimer* timMini_;
  PictureBox* picAR_;
  QTimer* timAR_;
  QLabel* lblNote_;
  PictureBox* picBoard_;
  QTimer* timBoard_;
  std::array<QLabel*, 2> lblDraft_{};
  QComboBox* cmbOrder_;
  QLineEdit* txtRnds_;
  std::array<PictureBox*, 2> picCheck_{};
  std::array<std::shared_ptr<const FlexGridPicture>, 2> checkPictures_{};

  std::unique_ptr<EditFlexGridWidgets> parts_;
  std::unique_ptr<clsTabStrip> mTab_;
  std::unique_ptr<clsMiniBar> mMb_;
  std::unique_ptr<clsButton> mAR_;
  std::unique_ptr<clsButton> mBoard_;
  std::unique_ptr<clsUILeagueProperties> controller_;
  bool loaded_ = false;
};

}  // namespace editors_league_ui
