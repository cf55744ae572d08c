#pragma once
// The user mock-draft page's window: the active-pick band with its two bars,
// the draft board, the available players and the current roster, each with
// its caption, mini bar and grid. It lays them out, paints them and hands
// every click to the page's controller (clsUIUserMock), which answers the
// page switch, the close question and the File menu as well.

#include "shell/ui/frmPageFrame.h"
#include "user_mock_page/UserMockPageView.h"

class QRadioButton;
class clsUIUserMock;

namespace user_mock_page_ui {

class frmUserMock : public shell_ui::frmPageFrame, public UserMockPageView {
  Q_OBJECT

 public:
  explicit frmUserMock(QWidget* parent);
  ~frmUserMock() override;

  clsUIUserMock& Controller() { return *controller_; }

  // The controls, for tests.
  FlexGridWidget* flxPick() const { return flxPick_; }
  FlexGridWidget* flxPossible() const { return flxPossible_; }
  FlexGridWidget* flxTeam() const { return flxTeam_; }
  clsButton* mPN() const { return mPN_; }
  clsButton* mAR() const { return mAR_; }
  clsTabStrip* mTabTeam() const { return mTabTeam_; }
  clsTabStrip* mTabPossible() const { return mTabPossible_; }
  QLabel* lblActive(int32_t i) const { return lblActive_.at(static_cast<std::size_t>(i)); }
  QLabel* lblRoster() const { return lblRoster_; }
  QRadioButton* optBoardF() const { return optBoardF_; }
  QRadioButton* optListF() const { return optListF_; }

  // UserMockPageView
  FlexGridModel& PickGrid() override;
  FlexGridModel& PossibleGrid() override;
  FlexGridModel& TeamGrid() override;
  void SetPositionTabs(const std::vector<std::string>& captions) override;
  void SetTeamTabs(const std::vector<std::string>& captions) override;
  void SelectTeamTab(int32_t index) override;
  void SetRosterLabel(const std::string& text) override;
  void SetStatus(int32_t label, const std::string& text) override;
  void SetActionButtons(bool draft, bool release, bool logic) override;
  void SetPickButtons(bool prev, bool next, bool firstOpen) override;
  void SetDisplayMode(int32_t mode) override;
  void ScrollIntoView(FlexGridModel& grid, int32_t row, int32_t col) override;
  void SetBusy(bool busy) override;
  bool LogicWindowOpen() override;
  void LoadLogicWindow() override;
  void ShowLogicWindow() override;

 private:
  void LayOut() override;
  void MiniBarClick(int32_t grid, int32_t index);

  PictureBox* picActive_;
  std::array<QLabel*, 2> lblActive_{};
  clsButton* mAR_;
  clsButton* mPN_;
  std::array<QLabel*, 2> lblColour_{};

  PictureBox* picPick_;
  QLabel* lblBoard_;
  QRadioButton* optListF_;
  QRadioButton* optBoardF_;
  FlexGridWidget* flxPick_;

  PictureBox* picPossible_;
  QLabel* lblPossible_;
  PictureBox* picTabPossible_;
  QTimer* timTabPossible_;
  clsTabStrip* mTabPossible_;
  FlexGridWidget* flxPossible_;

  PictureBox* picTeam_;
  QLabel* lblRoster_;
  PictureBox* picTabTeam_;
  QTimer* timTabTeam_;
  clsTabStrip* mTabTeam_;
  FlexGridWidget* flxTeam_;

  // Picks, roster and available players, as clsUIUserMock::Grid counts them.
  std::array<clsMiniBar*, 3> mMiniBars_{};
  clsUIUserMock* controller_;
  bool busyCursor_ = false;
};

}  // namespace user_mock_page_ui
