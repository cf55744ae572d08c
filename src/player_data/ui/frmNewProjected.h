#pragma once
// The new projected-stats file dialog, "New Projected Stats File": the
// season with its two arrows, the three sources with their Browse buttons
// and the chosen files, OK and Cancel. Modal over the whole application;
// every click goes to clsUINewProjected, which keeps the rules. Enter
// answers OK, Escape and the close box Cancel; the arrows take the focus by
// Tab and step the season with Space, and Up / Down step it from anywhere
// but the options.

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

class PictureBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class clsButton;
class clsUINewProjected;

namespace editors_projected_stats_ui {

class frmNewProjected : public QDialog {
  Q_OBJECT

 public:
  frmNewProjected(clsUINewProjected& dialog, QWidget* owner);
  ~frmNewProjected() override;

  QLabel* lblYear() const { return lblYear_; }
  PictureBox* picUp() const { return picUp_; }
  PictureBox* picDown() const { return picDown_; }
  QRadioButton* Option1(int32_t index) const { return option1_.at(static_cast<std::size_t>(index)); }
  QLabel* lblSt() const { return lblSt_; }
  QLabel* lblDy() const { return lblDy_; }
  clsButton* mStatic() const { return mStatic_.get(); }
  clsButton* mDynamic() const { return mDynamic_.get(); }
  clsButton* mOK() const { return mOK_.get(); }

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowState();
  void StepSeason(bool up);
  void mOK_Click(int32_t index);

  clsUINewProjected& dialog_;
  QGroupBox* fraYear_;
  QLabel* lblYear_;
  PictureBox* picUp_;
  PictureBox* picDown_;
  QGroupBox* fraSource_;
  std::array<QRadioButton*, 3> option1_{};
  PictureBox* picStatic_;
  QTimer* timStatic_;
  PictureBox* picDynamic_;
  QTimer* timDynamic_;
  QLabel* lblSt_;
  QLabel* lblDy_;
  PictureBox* picOK_;
  QTimer* timOK_;
  std::unique_ptr<clsButton> mStatic_;
  std::unique_ptr<clsButton> mDynamic_;
  std::unique_ptr<clsButton> mOK_;
};

}  // namespace editors_projected_stats_ui
