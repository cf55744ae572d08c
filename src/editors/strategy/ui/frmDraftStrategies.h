#pragma once
// The draft-strategy page's window: the tab strip ("Strategy", "Factors")
// over the grid with its in-place editors, the mini bar's grid export, the
// rule button bar and the description box. It lays them out and hands
// every event to the page's controller (clsUIStrategy), which answers the
// page switch, the close question and the File menu.

#include "editors/strategy/StrategyPageView.h"
#include "shell/ui/frmPageFrame.h"

class QPlainTextEdit;
class clsUIStrategy;

namespace editors_strategy_ui {

class frmDraftStrategies : public shell_ui::frmPageWindow<clsUIStrategy, StrategyPageView> {
  Q_OBJECT

 public:
  explicit frmDraftStrategies(QWidget* parent);

  // StrategyPageView
  void SetRuleButtonEnabled(int32_t index, bool enabled) override;
  void SetDescription(const std::string& text) override;
  // The lists open inside the grid's frame, which clips them.
  int32_t ListAreaHeight() const override;

  // The controls, for tests.
  FlexGridWidget* flxDraft() const { return editor_.grid; }
  QLineEdit* txtDraft() const { return editor_.text; }
  QListWidget* lstNorm() const { return editor_.list; }
  QListWidget* lstStrategy() const { return editor_.multiList; }
  QPlainTextEdit* txtDescription() const { return txtDescription_; }
  clsButton* mAR() const { return mAR_; }
  clsMiniBar* mMb() const { return mMb_; }

 private:
  void LayOut() override;

  PictureBox* picStrategy_;
  PictureBox* picGridView_;
  const EditedGrid editor_;  // the rules (the tick list: positions)
  clsMiniBar* mMb_;
  clsButton* mAR_;
  QLabel* lblHeadingB_;
  QPlainTextEdit* txtDescription_;
  bool describing_ = false;
};

}  // namespace editors_strategy_ui
