#include "editors/projected_stats/ui/frmProjected.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "editors/projected_stats/ui/frmNewProjected.h"
#include "editors/projected_stats/ui/frmProInfo.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/ui/frmMainBar.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basDrawArrow.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"

namespace editors_projected_stats_ui {

namespace {

constexpr int32_t kTabHeight = 21;
constexpr int32_t kGap = 4;
constexpr int32_t kHeadingHeight = 27;
constexpr int32_t kBarHeight = 24;
constexpr int32_t kArrowSize = 4;

gdi::COLORREF Colour(int32_t entry) { return static_cast<gdi::COLORREF>(PaletteColour[static_cast<std::size_t>(entry)]); }

}  // namespace

frmProjected::frmProjected(QWidget* parent)
    : frmPage(parent, kPageProjectedStats),
      picTabProjected_(new PictureBox(this)),
      timTabProjected_(new QTimer(this)),
      picProjected_(new PictureBox(this)),
      lblHeading_(new QLabel(picProjected_)),
      picOP_(new PictureBox(picProjected_)),
      timOP_(new QTimer(this)),
      flxProjected_(new FlexGridWidget(picProjected_)),
      txtProjected_(new QLineEdit(picProjected_)),
      cmbProjected_(new QComboBox(picProjected_)),
      picUp_(new PictureBox(this)),
      picArrow_(new PictureBox(this)),
      mTab_(std::make_unique<clsTabStrip>()),
      mOP_(std::make_unique<clsMiniBar>()) {
  basFormLook::Apply(this, "Arial");
  picProjected_->SetBackColor(Colour(basColourScheme::kTitleRowColour));
  lblHeading_->setTextFormat(Qt::PlainText);
  lblHeading_->setFont(basFormLook::FormFont("Arial", true));
  txtProjected_->hide();
  cmbProjected_->hide();

  const gdi::COLORREF back = Colour(basColourScheme::kHeadingColour);
  basDrawArrow::DrawArrow(picArrow_, back, 9, 6, kArrowSize, 0, 1, 0, true);
  basDrawArrow::DrawArrowAt(picUp_, back, 9, 6, kArrowSize, 0);
  picUp_->hide();
  picArrow_->hide();
  upPicture_ = EditFlexGridWidgets::CellPictureOf(picUp_);
  downPicture_ = EditFlexGridWidgets::CellPictureOf(picArrow_);
  for (std::size_t i = 0; i < picCheck_.size(); ++i) {
    picCheck_[i] = new PictureBox(this);
    picCheck_[i]->hide();
  }
  basButtonMocks::DrawCheckBoxImages(picCheck_[0], picCheck_[1]);
  for (std::size_t i = 0; i < picCheck_.size(); ++i)
    checkPictures_[i] = EditFlexGridWidgets::CellPictureOf(picCheck_[i]);

  picOP_->SetBackColor(Colour(basColourScheme::kTitleRowColour));
  basButtonMocks::SetUpMiniBar(*mOP_, picOP_, timOP_, kBarHeight, 0);
  if (auto* bar = shell_ui::frmMainBar::Instance()) bar->ShowSourceLabels(true);

  parts_ = std::make_unique<EditFlexGridWidgets>(flxProjected_, txtProjected_, cmbProjected_);
  controller_ = std::make_unique<clsUIProjectedStats2>(*this);
  SetCommands(controller_.get());

  connect(mOP_.get(), &clsMiniBar::Click, this, [this](int32_t i) { controller_->mOP_Click(i); });
  connect(mTab_.get(), &clsTabStrip::Click, this, [this](int32_t i) {
    SelectTab(i);
    controller_->mTab_Click(i);
  });
  loaded_ = true;
}

frmProjected::~frmProjected() {
  // The controller draws into the widgets and owns the grid editor: it goes first.
  controller_.reset();
  parts_.reset();
  if (auto* bar = shell_ui::frmMainBar::Instance()) bar->ShowSourceLabels(false);
}

EditFlexGridView* frmProjected::StatGrid() { return parts_->Grid(); }
EditFlexTextBox* frmProjected::StatText() { return parts_->TextBox(); }
EditFlexComboBox* frmProjected::StatCombo() { return parts_->ComboBox(); }

void frmProjected::SetTabs(const std::vector<std::string>& captions) {
  mTab_->InitializeTab(picTabProjected_, picProjected_, timTabProjected_, captions);
}

void frmProjected::SelectTab(int32_t index) {
  for (int32_t t = 0; t < mTab_->Tabs(); ++t) mTab_->SetTabSelected(t, t == index);
  if (mTab_->Tabs() > 0) mTab_->RedrawBorder(index);
}

void frmProjected::SetHeading(const std::string& text) { lblHeading_->setText(QString::fromStdString(text)); }

void frmProjected::SetSourceLabels(const std::string& stat, const std::string& adp) {
  auto* bar = shell_ui::frmMainBar::Instance();
  if (bar == nullptr) return;
  bar->SetSourceLabel(0, stat);
  bar->SetSourceLabel(1, adp);
}

std::shared_ptr<const FlexGridPicture> frmProjected::CheckPicture(bool checked) {
  return checkPictures_[checked ? 1 : 0];
}

std::shared_ptr<const FlexGridPicture> frmProjected::SortArrow(bool ascending) {
  return ascending ? upPicture_ : downPicture_;
}

void frmProjected::ShowNewProjected(clsUINewProjected& dialog) {
  frmNewProjected form(dialog, window());
  basFormLook::CentreOver(&form, window());
  form.exec();
}

void frmProjected::ShowProperties(clsUIProInfo& properties) {
  // Modal over the whole application: the page, the side bar and the menus
  // wait while the database changes under them.
  frmProInfo form(properties, window());
  basFormLook::CentreOver(&form, window());
  form.exec();
}

void frmProjected::resizeEvent(QResizeEvent* event) {
  frmPage::resizeEvent(event);
  if (loaded_ && !isMinimized()) LayOut();
}

void frmProjected::LayOut() {
  const int32_t w = width();
  const int32_t h = height();
  if (w < 100 || h < 100) return;
  picTabProjected_->setGeometry(0, 0, w, kTabHeight);
  picProjected_->setGeometry(0, kTabHeight, w, h - kTabHeight);
  const int32_t gridTop = kHeadingHeight;
  lblHeading_->setGeometry(kGap + 2, 4, std::max(w - picOP_->width() - 3 * kGap, 40), kHeadingHeight - 6);
  picOP_->move(w - picOP_->width() - kGap, 2);
  flxProjected_->setGeometry(kGap, gridTop, w - 2 * kGap, std::max(picProjected_->height() - gridTop - kGap, 40));
  if (mTab_->Tabs() > 0) {
    mTab_->DrawFullToolbar();
    mTab_->RedrawBorder(controller_->CurrentTab());
    mTab_->RefreshTab();
    mTab_->RefreshBorder();
  }
}

}  // namespace editors_projected_stats_ui
