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

class frmUserMock : public shell_ui::frmPageWindow<clsUIUserMock, UserMockPageView> {
  Q_OBJECT

 public:
  explicit frmUserMock(QWidget* parent);
  ~frmUserMock() override;

  // UserMockPageView
  void ScrollIntoView(FlexGridModel& grid, int32_t row, int32_t col) override;
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
  void SetBusy(bool busy) override;
  bool LogicWindowOpen() override;
  void LoadLogicWindow() override;
  void ShowLogicWindow() override;

  // The controls, for tests.
  FlexGridWidget* flxPick() const { return flxPick_; }
  QLabel* lblActive(int32_t i) const { return lblActive_.at(static_cast<std::size_t>(i)); }
  FlexGridWidget* flxPossible() const { return flxPossible_; }
  QLabel* lblRoster() const { return lblRoster_; }
  FlexGridWidget* flxTeam() const { return flxTeam_; }
  clsButton* mAR() const { return mAR_; }
  clsButton* mPN() const { return mPN_; }
  clsTabStrip* mTabTeam() const { return teamTabs_.strip; }
  clsTabStrip* mTabPossible() const { return possibleTabs_.strip; }
  QRadioButton* optBoardF() const { return optBoardF_; }
  QRadioButton* optListF() const { return optListF_; }
  // The tool bar of grid 0 (board), 1 (roster) or 2 (available players).
  clsMiniBar* mMiniBar(int32_t grid) const { return mMiniBars_.at(static_cast<std::size_t>(grid)); }

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
  TabStrip possibleTabs_;
  FlexGridWidget* flxPossible_;

  PictureBox* picTeam_;
  QLabel* lblRoster_;
  TabStrip teamTabs_;
  FlexGridWidget* flxTeam_;

  // Picks, roster and available players, as clsUIUserMock::Grid counts them.
  std::array<clsMiniBar*, 3> mMiniBars_{};
  bool busyCursor_ = false;
};

}  // namespace user_mock_page_ui
