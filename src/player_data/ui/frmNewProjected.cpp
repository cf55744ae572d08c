#include "editors/projected_stats/ui/frmNewProjected.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

#include "core/basColourScheme.h"
#include "editors/projected_stats/clsUINewProjected.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basDrawArrow.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace editors_projected_stats_ui {

namespace {

constexpr int32_t kWidth = 470;
constexpr int32_t kMargin = 8;
constexpr int32_t kBrowseWidth = 72;
constexpr int32_t kBarHeight = 30;
constexpr int32_t kArrowWidth = 17;
constexpr int32_t kArrowHeight = 11;

QLabel* FileLabel(QWidget* parent, int32_t left, int32_t top, int32_t width) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setGeometry(left, top, width, 20);
  return label;
}

void DrawArrowBox(PictureBox* box, bool up) {
  const auto back = static_cast<gdi::COLORREF>(PaletteColour[static_cast<std::size_t>(basColourScheme::kHeadingColour)]);
  box->SetBackColor(back);
  basDrawArrow::DrawFilledArrow(box, up ? 1 : 2, 4, gdi::kBlack);
  box->Refresh();
  box->setFocusPolicy(Qt::StrongFocus);
  box->setCursor(Qt::PointingHandCursor);
}

}  // namespace

frmNewProjected::frmNewProjected(clsUINewProjected& dialog, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      dialog_(dialog),
      fraYear_(new QGroupBox("Projected Stats Player List", this)),
      lblYear_(new QLabel(fraYear_)),
      picUp_(new PictureBox(fraYear_)),
      picDown_(new PictureBox(fraYear_)),
      fraSource_(new QGroupBox("Projected Stats Source", this)),
      picStatic_(new PictureBox(fraSource_)),
      timStatic_(new QTimer(this)),
      picDynamic_(new PictureBox(fraSource_)),
      timDynamic_(new QTimer(this)),
      lblSt_(FileLabel(fraSource_, 28, 44, kWidth - 2 * kMargin - 40 - kBrowseWidth - 20)),
      lblDy_(FileLabel(fraSource_, 28, 94, kWidth - 2 * kMargin - 40 - kBrowseWidth - 20)),
      picOK_(new PictureBox(this)),
      timOK_(new QTimer(this)),
      mStatic_(std::make_unique<clsButton>()),
      mDynamic_(std::make_unique<clsButton>()),
      mOK_(std::make_unique<clsButton>()) {
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setWindowTitle(clsUINewProjected::kCaption);
  const int32_t inner = kWidth - 2 * kMargin;

  fraYear_->setGeometry(kMargin, kMargin, inner, 52);
  auto* season = new QLabel("Projected Season:", fraYear_);
  season->setGeometry(12, 22, 100, 20);
  lblYear_->setTextFormat(Qt::PlainText);
  lblYear_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lblYear_->setGeometry(112, 22, 48, 20);
  picUp_->setGeometry(162, 20, kArrowWidth, kArrowHeight);
  picDown_->setGeometry(162, 20 + kArrowHeight + 1, kArrowWidth, kArrowHeight);
  DrawArrowBox(picUp_, true);
  DrawArrowBox(picDown_, false);
  picUp_->setToolTip("Next season");
  picDown_->setToolTip("Previous season");
  picUp_->installEventFilter(this);
  picDown_->installEventFilter(this);

  fraSource_->setGeometry(kMargin, kMargin + 60, inner, 150);
  const int32_t browseLeft = inner - kBrowseWidth - 10 - 12;
  for (int32_t i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(clsUINewProjected::OptionCaption(i), fraSource_);
    option->setGeometry(12, 22 + 50 * i, i == 1 ? inner - 24 : browseLeft - 16, 20);
    option1_[static_cast<std::size_t>(i)] = option;
    connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
      if (!on) return;
      dialog_.Option1_Click(i);
      ShowState();
    });
  }
  // The Dynamic option's caption is long: its Browse sits beside its file.
  picStatic_->setGeometry(browseLeft, 18, kBrowseWidth + 10, kBarHeight);
  picDynamic_->setGeometry(browseLeft, 88, kBrowseWidth + 10, kBarHeight);
  basButtonMocks::SetUpButtonBar(*mStatic_, picStatic_, timStatic_, kBrowseWidth, {"Browse"}, false);
  basButtonMocks::SetUpButtonBar(*mDynamic_, picDynamic_, timDynamic_, kBrowseWidth, {"Browse"}, false);
  connect(mStatic_.get(), &clsButton::Click, this, [this](int32_t) {
    dialog_.mStatic_Click();
    ShowState();
  });
  connect(mDynamic_.get(), &clsButton::Click, this, [this](int32_t) {
    dialog_.mDynamic_Click();
    ShowState();
  });

  const int32_t barTop = fraSource_->geometry().bottom() + kMargin;
  picOK_->setGeometry(kWidth - kMargin - 162, barTop, 162, kBarHeight);
  basButtonMocks::SetUpOKCancelButtons(*mOK_, picOK_, timOK_);
  connect(mOK_.get(), &clsButton::Click, this, &frmNewProjected::mOK_Click);
  setFixedSize(kWidth, barTop + kBarHeight + kMargin);

  option1_[static_cast<std::size_t>(dialog_.SourceIndex())]->setChecked(true);
  ShowState();
}

frmNewProjected::~frmNewProjected() {
  for (QTimer* timer : {timStatic_, timDynamic_, timOK_}) timer->stop();
}

void frmNewProjected::ShowState() {
  lblYear_->setText(QString::fromStdString(dialog_.YearLabel()));
  lblSt_->setText(QString::fromStdString(dialog_.StaticLabel()));
  lblDy_->setText(QString::fromStdString(dialog_.DynamicLabel()));
  lblSt_->setEnabled(dialog_.StaticEnabled());
  mStatic_->SetButtonEnabled(0, dialog_.StaticEnabled());
  picStatic_->setEnabled(dialog_.StaticEnabled());
  lblDy_->setEnabled(dialog_.DynamicEnabled());
  mDynamic_->SetButtonEnabled(0, dialog_.DynamicEnabled());
  picDynamic_->setEnabled(dialog_.DynamicEnabled());
}

void frmNewProjected::StepSeason(bool up) {
  if (up) {
    dialog_.picUp_Click();
  } else {
    dialog_.picDown_Click();
  }
  ShowState();
}

bool frmNewProjected::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picUp_ || watched == picDown_) {
    const bool up = watched == picUp_;
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      StepSeason(up);
      return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
      StepSeason(up);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmNewProjected::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      mOK_Click(0);
      return;
    case Qt::Key_Up:
    case Qt::Key_Down:
      // The options keep their own arrow keys; elsewhere they step the season.
      StepSeason(event->key() == Qt::Key_Up);
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void frmNewProjected::mOK_Click(int32_t index) {
  dialog_.mOK_Click(index);
  ShowState();
  if (dialog_.Closed()) accept();
}

void frmNewProjected::done(int result) {
  dialog_.CloseWindow();
  for (QTimer* timer : {timStatic_, timDynamic_, timOK_}) timer->stop();
  QDialog::done(result);
}

}  // namespace editors_projected_stats_ui
