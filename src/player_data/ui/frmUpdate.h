#pragma once
// The Updates selection window: the files a player update offers, each with
// a tick box, "Select All" and "Clear", and OK / Cancel. Shown modally over
// the main window; OK starts the downloads of the ticked files.

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "player_data/clsUIUpdate.h"

class FlexGridWidget;
class PictureBox;
class clsButton;
class clsPlayerUpdate;

class frmUpdate : public QDialog {
  Q_OBJECT

 public:
  static constexpr int32_t kTickedBitmap = 163;
  static constexpr int32_t kUntickedBitmap = 162;

  explicit frmUpdate(QWidget* owner = nullptr);
  ~frmUpdate() override;

  // Keeps the run, sets the caption and fills the grid.
  void SetUC(std::shared_ptr<clsPlayerUpdate> run);

  // The controls, for the window's tests.
  FlexGridWidget* flxUpd() const { return flxUpd_; }
  PictureBox* picSel() const { return picSel_; }
  PictureBox* picOK() const { return picOK_; }
  clsButton* mSel() const { return mSel_.get(); }
  clsButton* mOK() const { return mOK_.get(); }
  clsUIUpdate& Logic() { return logic_; }

 private slots:
  void flxUpd_Click();
  void mSel_Click(int32_t index);
  void mOK_Click(int32_t index);

 private:
  FlexGridWidget* flxUpd_;
  PictureBox* picSel_;
  PictureBox* picOK_;
  QTimer* timSel_;
  QTimer* timOK_;
  std::unique_ptr<clsButton> mSel_;
  std::unique_ptr<clsButton> mOK_;
  clsUIUpdate logic_;
};
