#pragma once
// The scoring-system page's window: the tab strip over a bordered panel that
// holds the category list, the rule grid with its in-place editors and the
// position list, the "> Add" and "< Del" bars and the rule label. It lays
// them out, paints them and hands every event to the page's controller
// (clsUIScoringSystem2), which answers the page switch, the close question
// and the File menu as well.

#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>

#include "editors/scoring/ScoringPageView.h"
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
class clsUIScoringSystem2;

namespace editors_scoring_ui {

class frmScoring : public shell_ui::frmPage, public ScoringPageView {
  Q_OBJECT

 public:
  explicit frmScoring(QWidget* parent);
  ~frmScoring() override;

  clsUIScoringSystem2& Controller() { return *controller_; }

  // The controls, for tests.
  FlexGridWidget* flxScoring() const { return flxScoring_; }
  FlexGridWidget* flxScoCat() const { return flxScoCat_; }
  QLineEdit* txtScoring() const { return txtScoring_; }
  QListWidget* lstPos() const { return lstPos_; }
  QLabel* lblRule() const { return lblRule_; }
  clsButton* mRule() const { return mRule_.get(); }
  clsButton* mRem() const { return mRem_.get(); }
  clsTabStrip* mTab() const { return mTab_.get(); }
  clsMiniBar* mMb() const { return mMb_.get(); }

  // ScoringPageView
  EditFlexGridView* RuleGrid() override;
  EditFlexTextBox* RuleText() override;
  EditFlexComboBox* RuleCombo() override;
  EditFlexListBox* PositionList() override;
  int32_t ListAreaHeight() const override;
  FlexGridModel& CategoryGrid() override;
  void SetTabs(const std::vector<std::string>& captions) override;
  void SelectTab(int32_t index) override;
  void SetAddEnabled(bool enabled) override;
  void SetDelEnabled(bool enabled) override;
  void SetRuleLabel(const std::string& text) override;
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) override;
  std::shared_ptr<const FlexGridPicture> DropArrow(bool hover) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();

  PictureBox* picTabScore_;
  QTimer* timTabScore_;
  PictureBox* picScore_;
  QLabel* lblHeadingA_;
  FlexGridWidget* flxScoCat_;
  QLabel* lblHeadingB_;
  FlexGridWidget* flxScoring_;
  QLineEdit* txtScoring_;
  QComboBox* cmbScoring_;
  QListWidget* lstPos_;
  PictureBox* picRule_;
  QTimer* timRule_;
  PictureBox* picRem_;
  QTimer* timRem_;
  QLabel* lblRule_;
  PictureBox* picMini_;
  QTimer* timMini_;
  std::array<PictureBox*, 2> picCheck_{};
  std::array<std::shared_ptr<const FlexGridPicture>, 2> checkPictures_{};

  std::unique_ptr<EditFlexGridWidgets> parts_;
  std::unique_ptr<clsTabStrip> mTab_;
  std::unique_ptr<clsButton> mRule_;
  std::unique_ptr<clsButton> mRem_;
  std::unique_ptr<clsMiniBar> mMb_;
  std::unique_ptr<clsUIScoringSystem2> controller_;
  bool loaded_ = false;
};

}  // namespace editors_scoring_ui
