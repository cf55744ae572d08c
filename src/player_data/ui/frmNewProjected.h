#pragma once
// The new projected-stats file dialog, "New Projected Stats File": the
// season with its two arrows, the three sources with their Browse buttons
// and the chosen files, OK and Cancel. Modal over the whole application;
// every click goes to clsUINewProjected, which keeps the rules. Enter
// answers OK, Escape and the close box Cancel. Up and Down step the season
// while its field has the focus; its arrows step it with Space or a click.

#include <array>

#include "player_data/dialogs/clsUINewProjected.h"
#include "toolkit/ui/frmDialogFrame.h"

class PictureBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace player_data_ui {

class frmNewProjected : public frmDialogWindow<clsUINewProjected> {
  Q_OBJECT

 public:
  frmNewProjected(clsUINewProjected& dialog, QWidget* owner);

  QLabel* lblYear() const { return lblYear_; }
  PictureBox* picUp() const { return picUp_; }
  PictureBox* picDown() const { return picDown_; }
  QRadioButton* Option1(int32_t index) const { return option1_.at(static_cast<std::size_t>(index)); }
  QLabel* lblSt() const { return lblSt_; }
  QLabel* lblDy() const { return lblDy_; }
  clsButton* mStatic() const { return mStatic_; }
  clsButton* mDynamic() const { return mDynamic_; }
  clsButton* mOK() const { return mOK_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Answer(int32_t index) override;

 private:
  void ShowState();
  void StepSeason(bool up);
  // The season field wears the highlight while it has the focus.
  void ShowSeasonFocus();

  QGroupBox* fraYear_;
  QLabel* lblYear_;
  PictureBox* picUp_;
  PictureBox* picDown_;
  QGroupBox* fraSource_;
  std::array<QRadioButton*, 3> option1_{};
  clsButton* mStatic_;
  clsButton* mDynamic_;
  QLabel* lblSt_;
  QLabel* lblDy_;
  clsButton* mOK_;
};

}  // namespace player_data_ui
