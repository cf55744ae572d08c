#pragma once
// The draft-strategy page's window: the tab strip ("Strategy", "Factors")
// over the grid with its in-place editors, the mini bar's grid export, the
// rule button bar and the description box. It lays them out, paints
// them and hands every event to the page's controller (clsUIStrategy),
// which answers the page switch, the close question and the File menu.

#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>

#include "editors/strategy/StrategyPageView.h"
#include "shell/ui/frmPage.h"

class EditFlexGridWidgets;
class FlexGridWidget;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class clsButton;
class clsMiniBar;
class clsTabStrip;
class clsUIStrategy;

namespace editors_strategy_ui {

class frmDraftStrategies : public shell_ui::frmPage, public StrategyPageView {
  Q_OBJECT

 public:
  explicit frmDraftStrategies(QWidget* parent);
  ~frmDraftStrategies() override;

  clsUIStrategy& Controller() { return *controller_; }

  // The controls, for tests.
  FlexGridWidget* flxDraft() const { return flxDraft_; }
  QLineEdit* txtDraft() const { return txtDraft_; }
  QListWidget* lstNorm() const { return lstNorm_; }
  QListWidget* lstStrategy() const { return lstStrategy_; }
  QPlainTextEdit* txtDescription() const { return txtDescription_; }
  clsButton* mAR() const { return mAR_.get(); }
  clsTabStrip* mTab() const { return mTab_.get(); }
  clsMiniBar* mMb() const { return mMb_.get(); }

  // StrategyPageView
  EditFlexGridView* RuleGrid() override;
  EditFlexTextBox* RuleText() override;
  EditFlexComboBox* RuleCombo() override;
  EditFlexListBox* NormList() override;
  EditFlexListBox* CheckList() override;
  void SetRuleButtonEnabled(int32_t index, bool enabled) override;
  void SetDescription(const std::string& text) override;
  void SetTabs(const std::vector<std::string>& captions) override;
  void SelectTab(int32_t index) override;
  int32_t ListAreaHeight() const override;
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) override;
  std::shared_ptr<const FlexGridPicture> DropArrow(bool hover) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();

  PictureBox* picTabStrat_;
  QTimer* timTabStrat_;
  PictureBox* picStrategy_;
  PictureBox* picGridView_;
  FlexGridWidget* flxDraft_;
  QLineEdit* txtDraft_;
  QComboBox* cmbDraft_;
  QListWidget* lstNorm_;
  QListWidget* lstStrategy_;
  PictureBox* picAR_;
  QTimer* timAR_;
  PictureBox* picMini_;
  QTimer* timMini_;
  QLabel* lblHeadingB_;
  QPlainTextEdit* txtDescription_;
  std::array<PictureBox*, 2> picCheck_{};
  std::array<std::shared_ptr<const FlexGridPicture>, 2> checkPictures_{};

  std::unique_ptr<EditFlexGridWidgets> parts_;
  std::unique_ptr<clsButton> mAR_;
  std::unique_ptr<clsTabStrip> mTab_;
  std::unique_ptr<clsMiniBar> mMb_;
  std::unique_ptr<clsUIStrategy> controller_;
  bool describing_ = false;
  bool loaded_ = false;
};

}  // namespace editors_strategy_ui
