#include "editors/league/ui/frmLeague.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "core/PageCode.h"
#include "editors/league/clsUILeagueProperties.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/basFormLook.h"

namespace editors_league_ui {

namespace {

constexpr int32_t kMiniHeight = 20;
constexpr int32_t kSideLeft = 120 / 15;     // the position selection's left, 120 twips
constexpr int32_t kSideWidth = 2650 / 15;   // and its width, 2650 twips

}  // namespace

frmLeague::frmLeague(QWidget* parent)
    : frmPageWindow(parent, kPageLeagueProperties),
      picLeague_(AddTabbedPanel([this](int32_t i) { controller_->mTab_Click(i); })),
      lblHeadingA_(AddTitle(picLeague_, "Positions")),
      lblHeadingB_(AddTitle(picLeague_, "Tick the positions the league uses.", false)),
      flxPosCat_(new FlexGridWidget(picLeague_)),
      editor_(AddEditedGrid(picLeague_, kGridCombo | kGridList)),
      mMb_(AddMiniBar(picLeague_, kMiniHeight, 2)),
      mAR_(AddButtonBar(picLeague_, 76, {"Add Team", "Remove Team"}, 2 * 76 + 24, kBarHeight)),
      lblNote_(AddTitle(picLeague_, "* Draft strategy files are chosen from the stg folder.", false)),
      mBoard_(AddButtonBar(picLeague_, 96, {"Create Order"}, 96 + 16, kBarHeight)),
      lblDraft_{AddTitle(picLeague_, "Draft Style"), AddTitle(picLeague_, "Draft Rounds")},
      cmbOrder_(new QComboBox(picLeague_)),
      txtRnds_(new QLineEdit(picLeague_)) {
  lblNote_->setWordWrap(true);
  SetTabs({" Roster Size", " Teams and Strategies", " Draft Order"});

  connect(mMb_, &clsMiniBar::Click, this, [this](int32_t i) { controller_->mMb_Click(i); });
  connect(mAR_, &clsButton::Click, this, [this](int32_t i) { controller_->mAR_Click(i); });
  connect(mBoard_, &clsButton::Click, this, [this](int32_t i) { controller_->mBoard_Click(i); });
  connect(cmbOrder_, &QComboBox::activated, this, [this](int i) { controller_->cmbOrder_Click(i); });
  connect(txtRnds_, &QLineEdit::editingFinished, this, [this] { controller_->txtRnds_Validate(); });
  connect(flxPosCat_, &FlexGridWidget::Click, this,
          [this] { controller_->flxPosCat_MouseUp(flxPosCat_->MouseRow(), flxPosCat_->MouseCol()); });
  // The arrows only move through the list (passing a row must not tick it);
  // Space ticks the row the frame is on, as a click on its check box does.
  flxPosCat_->SetRowList(true);
  flxPosCat_->SetSpaceClick(1, [this](int32_t row, int32_t col) { controller_->flxPosCat_MouseUp(row, col); });
  // Tab follows the page as it reads (the controls were made in another
  // order): the left column top down, then the grid from its tool bar down.
  basFormLook::SetTabChain({flxPosCat_, picAR(), cmbOrder_, txtRnds_, picBoard(), mMb_->OPPicture(), editor_.grid});
  StartLayout();
}

FlexGridModel& frmLeague::PositionSelectionGrid() { return flxPosCat_->Model(); }

void frmLeague::ShowTabControls(int32_t /*index*/) { LayOutAgain(); }

void frmLeague::SetRemoveTeamEnabled(bool enabled) { mAR_->SetButtonEnabled(1, enabled); }

std::string frmLeague::RoundsText() const { return txtRnds_->text().toStdString(); }
void frmLeague::SetRoundsText(const std::string& text) { txtRnds_->setText(QString::fromStdString(text)); }

void frmLeague::SetStyleItems(const std::vector<std::string>& items) {
  cmbOrder_->clear();
  for (const std::string& item : items) cmbOrder_->addItem(QString::fromStdString(item));
}

void frmLeague::SetStyleIndex(int32_t index) { cmbOrder_->setCurrentIndex(index); }

void frmLeague::LayOut() {
  const int32_t w = width();
  const int32_t tab = controller_->TabView();
  PlaceTabbedPanel(tab);
  const int32_t ph = picLeague_->height();
  const int32_t top = kHeadingHeight + kGap;
  const int32_t sideWidth = std::min(kSideWidth, std::max(w / 3, 80));
  const int32_t gridLeft = kSideLeft + sideWidth + 2 * kGap;
  const int32_t gridHeight = std::max(ph - top - kGap, 40);
  PictureBox* picMini = mMb_->OPPicture();

  picMini->move(std::max(w - picMini->width() - kGap, gridLeft), kGap);
  editor_.grid->setGeometry(gridLeft, top, std::max(w - gridLeft - kGap, 80), gridHeight);
  editor_.list->resize(runtime::TwipsToPixels(2000), editor_.list->sizeHintForRow(0) * kListRows + 4);

  lblHeadingA_->setGeometry(kSideLeft, kGap, sideWidth, kHeadingHeight - kGap);
  lblHeadingB_->setGeometry(gridLeft, kGap, std::max(w - gridLeft - picMini->width() - 3 * kGap, 40),
                            kHeadingHeight - kGap);
  flxPosCat_->setGeometry(kSideLeft, top, sideWidth, gridHeight);

  picAR()->move(kSideLeft, top);
  lblNote_->setGeometry(kSideLeft, top + kBarHeight + kGap, sideWidth, 60);

  int32_t y = top;
  lblDraft_[0]->setGeometry(kSideLeft, y, sideWidth, 18);
  cmbOrder_->setGeometry(kSideLeft, y += 20, sideWidth, 22);
  lblDraft_[1]->setGeometry(kSideLeft, y += 30, sideWidth, 18);
  txtRnds_->setGeometry(kSideLeft, y += 20, 60, 22);
  mBoard_->PictureControl()->move(kSideLeft, y + 32);

  for (QWidget* c : std::initializer_list<QWidget*>{flxPosCat_, lblHeadingA_, lblHeadingB_})
    c->setVisible(tab == clsUILeagueProperties::kTabRosterSize);
  for (QWidget* c : std::initializer_list<QWidget*>{picAR(), lblNote_})
    c->setVisible(tab == clsUILeagueProperties::kTabTeams);
  for (QWidget* c : std::initializer_list<QWidget*>{mBoard_->PictureControl(), lblDraft_[0], lblDraft_[1], txtRnds_, cmbOrder_})
    c->setVisible(tab == clsUILeagueProperties::kTabDraftOrder);
}

void RegisterWindows() { shell_ui::RegisterPageWindow<frmLeague>(kPageLeagueProperties); }

}  // namespace editors_league_ui
