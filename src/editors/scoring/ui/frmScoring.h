#pragma once
// The scoring-system page's window: the tab strip over a bordered panel that
// holds the category list, the rule grid with its in-place editors and the
// position list, the "> Add" and "< Del" bars and the rule label. It lays
// them out and hands every event to the page's controller
// (clsUIScoringSystem2), which answers the page switch, the close question
// and the File menu as well.

#include "editors/scoring/ScoringPageView.h"
#include "shell/ui/frmPageFrame.h"

class clsUIScoringSystem2;

namespace editors_scoring_ui {

class frmScoring : public shell_ui::frmPageWindow<clsUIScoringSystem2, ScoringPageView> {
  Q_OBJECT

 public:
  explicit frmScoring(QWidget* parent);

  // ScoringPageView
  FlexGridModel& CategoryGrid() override;
  void SetAddEnabled(bool enabled) override;
  void SetDelEnabled(bool enabled) override;
  void SetRuleLabel(const std::string& text) override;

  // The controls, for tests.
  FlexGridWidget* flxScoring() const { return editor_.grid; }
  QLineEdit* txtScoring() const { return editor_.text; }
  QLabel* lblRule() const { return lblRule_; }
  FlexGridWidget* flxScoCat() const { return flxScoCat_; }
  QListWidget* lstPos() const { return editor_.list; }
  clsButton* mRule() const { return mRule_; }
  clsButton* mRem() const { return mRem_; }
  clsMiniBar* mMb() const { return mMb_; }

 private:
  void LayOut() override;

  PictureBox* picScore_;
  QLabel* lblHeadingA_;
  FlexGridWidget* flxScoCat_;
  QLabel* lblHeadingB_;
  const EditedGrid editor_;  // the rules (the list: positions)
  clsButton* mRule_;
  clsButton* mRem_;
  QLabel* lblRule_;
  clsMiniBar* mMb_;
};

}  // namespace editors_scoring_ui
