#include "user_mock_page/ui/frmUserMock.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <tuple>
#include <utility>

#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/ui/frmLogic.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basDrawArrow.h"
#include "toolkit/ui/basFormLook.h"
#include "user_mock_page/clsUIUserMock.h"

namespace user_mock_page_ui {

namespace {

constexpr int32_t kBarButtonWidth = 82;
constexpr int32_t kBarWidth = 5 + 3 * kBarButtonWidth + 2 * 9 + 5;
constexpr int32_t kBandHeight = 64;
constexpr int32_t kCaptionHeight = 22;

QColor ToQColor(int32_t colour) {
  const auto c = static_cast<gdi::COLORREF>(colour);
  return QColor(gdi::RedOf(c), gdi::GreenOf(c), gdi::BlueOf(c));
}

void PaintLabel(QLabel* label, int32_t colour) {
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  label->setPalette(palette);
}

}  // namespace

frmUserMock::frmUserMock(QWidget* parent)
    : frmPageWindow(parent, kPageUserMockDraft),
      picActive_(AddPanel(this, gdi::kWhite)),
      mAR_(AddButtonBar(picActive_, kBarButtonWidth, {"Draft", "Release", "View Logic"}, kBarWidth, kBarHeight,
                        gdi::kWhite)),
      mPN_(AddButtonBar(picActive_, kBarButtonWidth, {"Prev Pick", "Next Pick", "First Open Pick"}, kBarWidth,
                        kBarHeight, gdi::kWhite)),
      picPick_(AddPanel(this)),
      lblBoard_(AddTitle(picPick_, "Mock Draft Board")),
      optListF_(new QRadioButton("List View", picPick_)),
      optBoardF_(new QRadioButton("Board View", picPick_)),
      flxPick_(new FlexGridWidget(picPick_)),
      picPossible_(AddPanel(this)),
      lblPossible_(AddTitle(picPossible_, "Available Players")),
      possibleTabs_(
          AddTabStrip(picPossible_, picPossible_, [this](int32_t i) { controller_->mTabPossible_Click(i); })),
      flxPossible_(new FlexGridWidget(picPossible_)),
      picTeam_(AddPanel(this)),
      lblRoster_(AddTitle(picTeam_, "Current Roster")),
      teamTabs_(AddTabStrip(picTeam_, picTeam_, [this](int32_t i) { controller_->mTabTeam_Click(i); })),
      flxTeam_(new FlexGridWidget(picTeam_)),
      mMiniBars_{AddMiniBar(picPick_, 22, 1, gdi::kWhite), AddMiniBar(picTeam_, 22, 1, gdi::kWhite),
                 AddMiniBar(picPossible_, 22, 1, gdi::kWhite)} {
  for (std::size_t i = 0; i < lblActive_.size(); ++i) {
    lblActive_[i] = new PlainLabel(picActive_);
    PaintLabel(lblActive_[i], 0xFFFFFF);
  }
  lblActive_[0]->setFont(basFormLook::FormFont("Arial", true));
  // The legend shows the colours the controller marks the picks with.
  const char* legend[] = {"Active", "Projected"};
  const int32_t swatches[] = {PaletteColour[basColourScheme::kSelectionColour],
                              PaletteColour[basColourScheme::kMarkedRowColour]};
  for (std::size_t i = 0; i < lblColour_.size(); ++i) {
    lblColour_[i] = new PlainLabel(QString::fromUtf8(legend[i]), picActive_);
    lblColour_[i]->setAlignment(Qt::AlignCenter);
    lblColour_[i]->setFrameShape(QFrame::Box);
    PaintLabel(lblColour_[i], swatches[i]);
  }
  for (std::size_t i = 0; i < mMiniBars_.size(); ++i) {
    connect(mMiniBars_[i], &clsMiniBar::Click, this,
            [this, i](int32_t index) { MiniBarClick(static_cast<int32_t>(i), index); });
  }


  connect(mPN_, &clsButton::Click, this, [this](int32_t i) { controller_->mPN_Click(i); });
  connect(mAR_, &clsButton::Click, this, [this](int32_t i) { controller_->mAR_Click(i); });
  connect(flxPick_, &FlexGridWidget::Click, this,
          [this] { controller_->mFlxPick_Click(flxPick_->MouseRow(), flxPick_->MouseCol()); });
  connect(flxPossible_, &FlexGridWidget::Picked, this,
          [this](int32_t row, int32_t col) { controller_->mFlxPossible_Click(row, col); });
  connect(flxTeam_, &FlexGridWidget::Click, this,
          [this] { controller_->mFlxTeam_Click(flxTeam_->MouseRow(), flxTeam_->MouseCol()); });
  connect(optBoardF_, &QRadioButton::clicked, this,
          [this] { controller_->SetPickDisplayMode(clsUIUserMock::kBoardMode); });
  connect(optListF_, &QRadioButton::clicked, this,
          [this] { controller_->SetPickDisplayMode(clsUIUserMock::kListMode); });
  SetDisplayMode(clsUIUserMock::kBoardMode);
  // Tab follows the page as it reads: the pick buttons left to right, then
  // each panel from its heading's tool bar down (the controls were made in
  // another order).
  basFormLook::SetTabChain({mPN_->PictureControl(), mAR_->PictureControl(), mMiniBars_[0]->OPPicture(), optListF_,
                            optBoardF_, flxPick_, mMiniBars_[2]->OPPicture(), possibleTabs_.strip->PictureControl(),
                            flxPossible_, mMiniBars_[1]->OPPicture(), teamTabs_.strip->PictureControl(),
                            flxTeam_});
  StartLayout(200);
}

frmUserMock::~frmUserMock() {
  frmLogic::Unload();
  if (busyCursor_) QApplication::restoreOverrideCursor();
}

FlexGridModel& frmUserMock::PickGrid() { return flxPick_->Model(); }
FlexGridModel& frmUserMock::PossibleGrid() { return flxPossible_->Model(); }
FlexGridModel& frmUserMock::TeamGrid() { return flxTeam_->Model(); }

void frmUserMock::SetPositionTabs(const std::vector<std::string>& captions) {
  possibleTabs_.SetTabs(captions);
}

void frmUserMock::SetTeamTabs(const std::vector<std::string>& captions) {
  if (captions.empty()) return;
  teamTabs_.SetTabs(captions);
}

void frmUserMock::SelectTeamTab(int32_t index) {
  teamTabs_.Select(index);
}

void frmUserMock::SetRosterLabel(const std::string& text) {
  lblRoster_->setText(QString::fromStdString(text));
}

void frmUserMock::SetStatus(int32_t label, const std::string& text) {
  if (label < 0 || label > 1) return;
  lblActive_[static_cast<std::size_t>(label)]->setText(QString::fromStdString(text));
}

void frmUserMock::SetActionButtons(bool draft, bool release, bool logic) {
  mAR_->SetButtonEnabled(0, draft);
  mAR_->SetButtonEnabled(1, release);
  mAR_->SetButtonEnabled(2, logic);
}

void frmUserMock::SetPickButtons(bool prev, bool next, bool firstOpen) {
  mPN_->SetButtonEnabled(0, prev);
  mPN_->SetButtonEnabled(1, next);
  mPN_->SetButtonEnabled(2, firstOpen);
}

void frmUserMock::SetDisplayMode(int32_t mode) {
  optBoardF_->setChecked(mode == clsUIUserMock::kBoardMode);
  optListF_->setChecked(mode != clsUIUserMock::kBoardMode);
}

void frmUserMock::ScrollIntoView(FlexGridModel& grid, int32_t row, int32_t col) {
  for (FlexGridWidget* widget : {flxPick_, flxPossible_, flxTeam_})
    if (&widget->Model() == &grid) widget->EnsureVisible(row, col);
}

void frmUserMock::SetBusy(bool busy) {
  if (busy == busyCursor_) return;
  busyCursor_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

bool frmUserMock::LogicWindowOpen() { return frmLogic::IsLogicWindowOpen(); }
void frmUserMock::LoadLogicWindow() { frmLogic::Load(window()); }
void frmUserMock::ShowLogicWindow() {
  if (frmLogic* logic = frmLogic::Instance()) logic->ShowLogic();
}

void frmUserMock::MiniBarClick(int32_t grid, int32_t index) {
  if (index == 1) {
    controller_->ExportGrid(grid);
    return;
  }
  if (index != 0) return;
  mMiniBars_[static_cast<std::size_t>(grid)]->SetEnabled(false);
  controller_->ChangeDisplayGrid(grid);
  mMiniBars_[static_cast<std::size_t>(grid)]->SetEnabled(true);
}

void frmUserMock::LayOut() {
  const int32_t w = width();
  const int32_t h = height();

  // The band: status on the left, the legend, then the two bars.
  picActive_->setGeometry(0, 0, w, kBandHeight);
  const int32_t barsLeft = std::max(w - 2 * kBarWidth - kGap, 300);
  lblActive_[0]->setGeometry(8, 6, barsLeft - 140, 24);
  lblActive_[1]->setGeometry(8, 34, barsLeft - 140, 24);
  lblColour_[0]->setGeometry(barsLeft - 124, 8, 110, 22);
  lblColour_[1]->setGeometry(barsLeft - 124, 34, 110, 22);
  mPN_->PictureControl()->setGeometry(barsLeft, (kBandHeight - kBarHeight) / 2, kBarWidth, kBarHeight);
  mAR_->PictureControl()->setGeometry(barsLeft + kBarWidth + kGap, (kBandHeight - kBarHeight) / 2, kBarWidth,
                                      kBarHeight);

  // The board on the left, the available players and the roster beside it.
  const int32_t top = kBandHeight + kGap;
  const int32_t rest = h - top;
  const int32_t boardWidth = w * 55 / 100;
  const int32_t sideWidth = w - boardWidth - kGap;
  picPick_->setGeometry(0, top, boardWidth, rest);
  picPossible_->setGeometry(boardWidth + kGap, top, sideWidth, rest * 55 / 100);
  picTeam_->setGeometry(boardWidth + kGap, top + rest * 55 / 100 + kGap, sideWidth,
                        rest - rest * 55 / 100 - kGap);

  auto header = [](QLabel* caption, PictureBox* mini, int32_t width) {
    caption->setGeometry(6, 2, std::max(width - 200, 60), kCaptionHeight);
    mini->move(std::max(width - mini->width() - 6, 0), 2);
  };
  header(lblBoard_, mMiniBars_[clsUIUserMock::kPickGrid]->OPPicture(), boardWidth);
  optListF_->setGeometry(std::max(boardWidth - 300, 150), 2, 90, kCaptionHeight);
  optBoardF_->setGeometry(std::max(boardWidth - 205, 245), 2, 100, kCaptionHeight);
  flxPick_->setGeometry(4, kCaptionHeight + 6, boardWidth - 8, rest - kCaptionHeight - 10);

  for (auto [panel, caption, mini, tabs, grid] :
       {std::tuple{picPossible_, lblPossible_, mMiniBars_[clsUIUserMock::kPossibleGrid]->OPPicture(),
                   possibleTabs_.picture, flxPossible_},
        std::tuple{picTeam_, lblRoster_, mMiniBars_[clsUIUserMock::kTeamGrid]->OPPicture(), teamTabs_.picture,
                   flxTeam_}}) {
    const int32_t pw = panel->width();
    const int32_t ph = panel->height();
    header(caption, mini, pw);
    tabs->setGeometry(4, kCaptionHeight + 4, pw - 8, kTabHeight);
    grid->setGeometry(4, kCaptionHeight + 4 + kTabHeight, pw - 8, ph - kCaptionHeight - kTabHeight - 8);
  }
  // The strips and their frames are drawn again at the new sizes.
  possibleTabs_.Redraw(controller_->SelectedPositionTab());
  teamTabs_.Redraw(controller_->SelectedTeamTab());
}

}  // namespace user_mock_page_ui
