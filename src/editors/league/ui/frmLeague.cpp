#include "editors/league/ui/frmLeague.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "editors/league/clsUILeagueProperties.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"

namespace editors_league_ui {

namespace {

constexpr int32_t kBarHeight = 28;
constexpr int32_t kTabHeight = 21;
constexpr int32_t kMiniHeight = 20;
constexpr int32_t kGap = 4;
constexpr int32_t kHeadingHeight = 25;
constexpr int32_t kSideLeft = 120 / 15;     // the position selection's left, 120 twips
constexpr int32_t kSideWidth = 2650 / 15;   // and its width, 2650 twips
constexpr int32_t kListRows = 12;

QLabel* Label(QWidget* parent, const char* text, bool bold) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setFont(basFormLook::FormFont("Arial", bold));
  return label;
}

gdi::COLORREF PanelColour() {
  return static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kTitleRowColour]);
}

}  // namespace

frmLeague::frmLeague(QWidget* parent)
    : frmPage(parent, kPageLeagueProperties),
      picTabLeague_(new PictureBox(this)),
      timTabLeague_(new QTimer(this)),
      picLeague_(new PictureBox(this)),
      lblHeadingA_(Label(picLeague_, "Positions", true)),
      lblHeadingB_(Label(picLeague_, "Tick the positions the league uses.", false)),
      flxPosCat_(new FlexGridWidget(picLeague_)),
      flxPosition_(new FlexGridWidget(picLeague_)),
      txtPosition_(new QLineEdit(picLeague_)),
      cmbPosition_(new QComboBox(picLeague_)),
      lstPos_(new QListWidget(picLeague_)),
      picMini_(new PictureBox(picLeague_)),
      timMini_(new QTimer(this)),
      picAR_(new PictureBox(picLeague_)),
      timAR_(new QTimer(this)),
      lblNote_(Label(picLeague_, "* Draft strategy files are chosen from the stg folder.", false)),
      picBoard_(new PictureBox(picLeague_)),
      timBoard_(new QTimer(this)),
      cmbOrder_(new QComboBox(picLeague_)),
      txtRnds_(new QLineEdit(picLeague_)),
      mTab_(std::make_unique<clsTabStrip>()),
      mMb_(std::make_unique<clsMiniBar>()),
      mAR_(std::make_unique<clsButton>()),
      mBoard_(std::make_unique<clsButton>()) {
  basFormLook::Apply(this, "Arial");
  picLeague_->SetBackColor(PanelColour());
  lblDraft_[0] = Label(picLeague_, "Draft Style", true);
  lblDraft_[1] = Label(picLeague_, "Draft Rounds", true);
  lblNote_->setWordWrap(true);
  txtPosition_->hide();
  cmbPosition_->hide();
  lstPos_->hide();

  for (std::size_t i = 0; i < picCheck_.size(); ++i) {
    picCheck_[i] = new PictureBox(this);
    picCheck_[i]->hide();
  }
  basButtonMocks::DrawCheckBoxImages(picCheck_[0], picCheck_[1]);
  for (std::size_t i = 0; i < picCheck_.size(); ++i)
    checkPictures_[i] = EditFlexGridWidgets::CellPictureOf(picCheck_[i]);

  for (PictureBox* bar : {picAR_, picBoard_, picMini_}) bar->SetBackColor(PanelColour());
  picAR_->resize(2 * 76 + 24, kBarHeight);
  picBoard_->resize(96 + 16, kBarHeight);
  basButtonMocks::SetUpButtonBar(*mAR_, picAR_, timAR_, 76, {"Add Team", "Remove Team"}, false);
  basButtonMocks::SetUpButtonBar(*mBoard_, picBoard_, timBoard_, 96, {"Create Order"}, false);
  basButtonMocks::SetUpMiniBar(*mMb_, picMini_, timMini_, kMiniHeight, 2);
  mTab_->InitializeTab(picTabLeague_, picLeague_, timTabLeague_, {" Roster Size", " Teams and Strategies", " Draft Order"});

  parts_ = std::make_unique<EditFlexGridWidgets>(flxPosition_, txtPosition_, cmbPosition_, lstPos_);
  controller_ = std::make_unique<clsUILeagueProperties>(*this);
  SetCommands(controller_.get());

  connect(mTab_.get(), &clsTabStrip::Click, this, [this](int32_t i) {
    SelectTab(i);
    controller_->mTab_Click(i);
  });
  connect(mMb_.get(), &clsMiniBar::Click, this, [this](int32_t i) { controller_->mMb_Click(i); });
  connect(mAR_.get(), &clsButton::Click, this, [this](int32_t i) { controller_->mAR_Click(i); });
  connect(mBoard_.get(), &clsButton::Click, this, [this](int32_t i) { controller_->mBoard_Click(i); });
  connect(cmbOrder_, &QComboBox::activated, this, [this](int i) { controller_->cmbOrder_Click(i); });
  connect(txtRnds_, &QLineEdit::editingFinished, this, [this] { controller_->txtRnds_Validate(); });
  connect(flxPosCat_, &FlexGridWidget::Click, this,
          [this] { controller_->flxPosCat_MouseUp(flxPosCat_->MouseRow(), flxPosCat_->MouseCol()); });
  loaded_ = true;
}

frmLeague::~frmLeague() {
  // The controller draws into the widgets and owns the grid editor: it goes first.
  controller_.reset();
  parts_.reset();
}

EditFlexGridView* frmLeague::MainGrid() { return parts_->Grid(); }
EditFlexTextBox* frmLeague::MainText() { return parts_->TextBox(); }
EditFlexComboBox* frmLeague::MainCombo() { return parts_->ComboBox(); }
EditFlexListBox* frmLeague::MainList() { return parts_->NormListBox(); }
int32_t frmLeague::ListAreaHeight() const { return runtime::PixelsToTwips(picLeague_->height()); }
FlexGridModel& frmLeague::PositionSelectionGrid() { return flxPosCat_->Model(); }

void frmLeague::SelectTab(int32_t index) {
  for (int32_t t = 0; t < mTab_->Tabs(); ++t) mTab_->SetTabSelected(t, t == index);
  if (mTab_->Tabs() > 0) mTab_->RedrawBorder(index);
}

void frmLeague::ShowTabControls(int32_t /*index*/) { FireResize(); }

void frmLeague::SetRemoveTeamEnabled(bool enabled) { mAR_->SetButtonEnabled(1, enabled); }

std::string frmLeague::RoundsText() const { return txtRnds_->text().toStdString(); }
void frmLeague::SetRoundsText(const std::string& text) { txtRnds_->setText(QString::fromStdString(text)); }

void frmLeague::SetStyleItems(const std::vector<std::string>& items) {
  cmbOrder_->clear();
  for (const std::string& item : items) cmbOrder_->addItem(QString::fromStdString(item));
}

void frmLeague::SetStyleIndex(int32_t index) { cmbOrder_->setCurrentIndex(index); }

std::shared_ptr<const FlexGridPicture> frmLeague::CheckPicture(bool checked) {
  return checkPictures_[checked ? 1 : 0];
}

std::shared_ptr<const FlexGridPicture> frmLeague::DropArrow(bool hover) {
  return EditFlexGridWidgets::DropArrowPicture(hover);
}

void frmLeague::resizeEvent(QResizeEvent* event) {
  frmPage::resizeEvent(event);
  FireResize();
}

void frmLeague::FireResize() {
  if (loaded_ && !isMinimized()) LayOut();
}

void frmLeague::LayOut() {
  const int32_t w = width();
  const int32_t h = height();
  if (w < 100 || h < 100) return;
  picTabLeague_->setGeometry(0, 0, w, kTabHeight);
  picLeague_->setGeometry(0, kTabHeight, w, h - kTabHeight);
  const int32_t ph = picLeague_->height();
  const int32_t top = kHeadingHeight + kGap;
  const int32_t sideWidth = std::min(kSideWidth, std::max(w / 3, 80));
  const int32_t gridLeft = kSideLeft + sideWidth + 2 * kGap;
  const int32_t gridHeight = std::max(ph - top - kGap, 40);
  const int32_t tab = controller_->TabView();

  picMini_->move(std::max(w - picMini_->width() - kGap, gridLeft), kGap);
  flxPosition_->setGeometry(gridLeft, top, std::max(w - gridLeft - kGap, 80), gridHeight);
  lstPos_->resize(runtime::TwipsToPixels(2000), lstPos_->sizeHintForRow(0) * kListRows + 4);

  lblHeadingA_->setGeometry(kSideLeft, kGap, sideWidth, kHeadingHeight - kGap);
  lblHeadingB_->setGeometry(gridLeft, kGap, std::max(w - gridLeft - picMini_->width() - 3 * kGap, 40),
                            kHeadingHeight - kGap);
  flxPosCat_->setGeometry(kSideLeft, top, sideWidth, gridHeight);

  picAR_->move(kSideLeft, top);
  lblNote_->setGeometry(kSideLeft, top + kBarHeight + kGap, sideWidth, 60);

  int32_t y = top;
  lblDraft_[0]->setGeometry(kSideLeft, y, sideWidth, 18);
  cmbOrder_->setGeometry(kSideLeft, y += 20, sideWidth, 22);
  lblDraft_[1]->setGeometry(kSideLeft, y += 30, sideWidth, 18);
  txtRnds_->setGeometry(kSideLeft, y += 20, 60, 22);
  picBoard_->move(kSideLeft, y + 32);

  for (QWidget* c : std::initializer_list<QWidget*>{flxPosCat_, lblHeadingA_, lblHeadingB_})
    c->setVisible(tab == clsUILeagueProperties::kTabRosterSize);
  for (QWidget* c : std::initializer_list<QWidget*>{picAR_, lblNote_})
    c->setVisible(tab == clsUILeagueProperties::kTabTeams);
  for (QWidget* c : std::initializer_list<QWidget*>{picBoard_, lblDraft_[0], lblDraft_[1], txtRnds_, cmbOrder_})
    c->setVisible(tab == clsUILeagueProperties::kTabDraftOrder);

  if (mTab_->Tabs() > 0) {
    mTab_->DrawFullToolbar();
    mTab_->RedrawBorder(tab);
    mTab_->RefreshTab();
    mTab_->RefreshBorder();
  }
}

}  // namespace editors_league_ui
