#pragma once
// "LGP -> UGM Compatibility": the league's differences from a user mock
// draft, one tab per category, with a check box per category and
// "Transfer" / "No Changes". What is compared and chosen is
// clsCompatibility's; the dialog shows it and forwards the clicks.

#include <QDialog>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>

#include "user_mock/clsCompatibility.h"

class FlexGridWidget;
class PictureBox;
class QCheckBox;
class QLabel;
class clsButton;
class clsTabStrip;

namespace user_mock_page_ui {

class frmCompatibility : public QDialog {
  Q_OBJECT

 public:
  explicit frmCompatibility(QWidget* owner);
  ~frmCompatibility() override;

  clsCompatibility& Compare() { return compare_; }
  // After the comparison: the check boxes as it left them.
  void ShowChecks();
  void ActivateGrid();

  FlexGridWidget* flxTS() const { return flxTS_; }
  QCheckBox* Check1(int32_t i) const { return check_.at(static_cast<std::size_t>(i)); }
  clsButton* mAR() const { return mAR_.get(); }
  clsTabStrip* mTab() const { return mTab_.get(); }

 protected:
  // The close box answers "No Changes".
  void reject() override;

 private:
  void mAR_Click(int32_t index);
  void mTab_Click(int32_t index);

  clsCompatibility compare_;
  PictureBox* picTab_;
  PictureBox* picBorder_;
  QTimer* timTab_;
  FlexGridWidget* flxTS_;
  std::array<QCheckBox*, clsCompatibility::kCategories> check_{};
  PictureBox* picAR_;
  QTimer* timAR_;
  std::unique_ptr<clsButton> mAR_;
  std::unique_ptr<clsTabStrip> mTab_;
};

// The real transfer window behind seams::Compatibility().
class CompatibilityWindow final : public seams::CompatibilityView {
 public:
  void PopulateTeamChanges(clsUserMockIsolate& ugm, clsLeagueIsolate& league, clsKickwellDB& db) override;
  void ActivateGrid() override;
  void ShowModal() override;
  void Unload() override;

 private:
  std::unique_ptr<frmCompatibility> window_;
};

}  // namespace user_mock_page_ui
