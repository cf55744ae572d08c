#include "player_data/ui/frmNewProjected.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

#include "core/basColourScheme.h"
#include "toolkit/ui/ButtonPainter.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basDrawArrow.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace player_data_ui {

namespace {

constexpr int32_t kWidth = 470;
constexpr int32_t kMargin = 8;
constexpr int32_t kInner = kWidth - 2 * kMargin;
constexpr int32_t kBrowseWidth = 72;
constexpr int32_t kBrowseLeft = kInner - kBrowseWidth - 10 - 12;
constexpr int32_t kFileWidth = kInner - 40 - kBrowseWidth - 20;
constexpr int32_t kBarHeight = 30;
constexpr int32_t kArrowWidth = 17;
constexpr int32_t kArrowHeight = 11;
constexpr int32_t kSourceTop = kMargin + 60;
constexpr int32_t kSourceHeight = 150;
// A margin under the source frame's last line.
constexpr int32_t kBarTop = kSourceTop + kSourceHeight - 1 + kMargin;

void DrawArrowBox(PictureBox* box, bool up) {
  const auto back = static_cast<gdi::COLORREF>(PaletteColour[static_cast<std::size_t>(basColourScheme::kHeadingColour)]);
  box->SetBackColor(back);
  basDrawArrow::DrawFilledArrow(box, up ? 1 : 2, 4, gdi::kBlack);
  if (box->hasFocus()) ButtonPainter::DrawPictureFocusRect(box->hDC());
  box->Refresh();
}

}  // namespace

frmNewProjected::frmNewProjected(clsUINewProjected& dialog, QWidget* owner)
    : frmDialogWindow(dialog, owner),
      fraYear_(new QGroupBox("Projected Stats Player List", this)),
      lblYear_(AddField(fraYear_, QRect(112, 22, 48, 20))),
      picUp_(new PictureBox(fraYear_)),
      picDown_(new PictureBox(fraYear_)),
      fraSource_(new QGroupBox("Projected Stats Source", this)),
      // The Dynamic option's caption is long: its Browse sits beside its file.
      mStatic_(AddButtonBar(fraSource_, QRect(kBrowseLeft, 18, kBrowseWidth + 10, kBarHeight), kBrowseWidth,
                            {"Browse"})),
      mDynamic_(AddButtonBar(fraSource_, QRect(kBrowseLeft, 88, kBrowseWidth + 10, kBarHeight), kBrowseWidth,
                             {"Browse"})),
      lblSt_(AddField(fraSource_, QRect(28, 44, kFileWidth, 20))),
      lblDy_(AddField(fraSource_, QRect(28, 94, kFileWidth, 20))),
      mOK_(AddAnswerBar(QRect(kWidth - kMargin - 162, kBarTop, 162, kBarHeight), {"OK", "Cancel"}, true)) {
  fraYear_->setGeometry(kMargin, kMargin, kInner, 52);
  auto* season = new PlainLabel("Projected Season:", fraYear_);
  season->setGeometry(12, 22, 100, 20);
  picUp_->setGeometry(162, 20, kArrowWidth, kArrowHeight);
  picDown_->setGeometry(162, 20 + kArrowHeight + 1, kArrowWidth, kArrowHeight);
  picUp_->setToolTip("Next season");
  picDown_->setToolTip("Previous season");
  for (PictureBox* arrow : {picUp_, picDown_}) {
    arrow->setFocusPolicy(Qt::StrongFocus);
    arrow->setCursor(Qt::PointingHandCursor);
    arrow->installEventFilter(this);
  }
  DrawArrowBox(picUp_, true);
  DrawArrowBox(picDown_, false);
  lblYear_->setFocusPolicy(Qt::StrongFocus);
  lblYear_->installEventFilter(this);

  fraSource_->setGeometry(kMargin, kSourceTop, kInner, kSourceHeight);
  for (int32_t i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(clsUINewProjected::OptionCaption(i), fraSource_);
    option->setGeometry(12, 22 + 50 * i, i == 1 ? kInner - 24 : kBrowseLeft - 16, 20);
    option1_[static_cast<std::size_t>(i)] = option;
    connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
      if (!on) return;
      controller_.Option1_Click(i);
      ShowState();
    });
  }
  connect(mStatic_, &clsButton::Click, this, [this](int32_t) {
    controller_.mStatic_Click();
    ShowState();
  });
  connect(mDynamic_, &clsButton::Click, this, [this](int32_t) {
    controller_.mDynamic_Click();
    ShowState();
  });
  setFixedSize(kWidth, kBarTop + kBarHeight + kMargin);
  // Tab goes down the dialog: the season, the sources and their Browse
  // buttons, then OK and Cancel.
  basFormLook::SetTabChain({lblYear_, picUp_, picDown_, option1_[0], option1_[1], option1_[2],
                            mStatic_->PictureControl(), mDynamic_->PictureControl(), mOK_->PictureControl()});

  option1_[static_cast<std::size_t>(controller_.SourceIndex())]->setChecked(true);
  ShowState();
}

void frmNewProjected::ShowState() {
  lblYear_->setText(QString::fromStdString(controller_.YearLabel()));
  lblSt_->setText(QString::fromStdString(controller_.StaticLabel()));
  lblDy_->setText(QString::fromStdString(controller_.DynamicLabel()));
  lblSt_->setEnabled(controller_.StaticEnabled());
  mStatic_->SetButtonEnabled(0, controller_.StaticEnabled());
  mStatic_->PictureControl()->setEnabled(controller_.StaticEnabled());
  lblDy_->setEnabled(controller_.DynamicEnabled());
  mDynamic_->SetButtonEnabled(0, controller_.DynamicEnabled());
  mDynamic_->PictureControl()->setEnabled(controller_.DynamicEnabled());
}

void frmNewProjected::StepSeason(bool up) {
  if (up) {
    controller_.picUp_Click();
  } else {
    controller_.picDown_Click();
  }
  ShowState();
}

void frmNewProjected::ShowSeasonFocus() {
  const bool focus = lblYear_->hasFocus();
  lblYear_->setAutoFillBackground(focus);
  lblYear_->setBackgroundRole(focus ? QPalette::Highlight : QPalette::Window);
  lblYear_->setForegroundRole(focus ? QPalette::HighlightedText : QPalette::WindowText);
}

bool frmNewProjected::eventFilter(QObject* watched, QEvent* event) {
  const bool arrow = watched == picUp_ || watched == picDown_;
  if (arrow && PressesPicture(*event)) {
    StepSeason(watched == picUp_);
    return true;
  }
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    if (arrow) DrawArrowBox(static_cast<PictureBox*>(watched), watched == picUp_);
    if (watched == lblYear_) ShowSeasonFocus();
  }
  // Up and Down step the season only in its field: on the options they move
  // between the sources, and a season changed from there would go unseen
  // into the new file.
  if (watched == lblYear_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      StepSeason(key == Qt::Key_Up);
      return true;
    }
  }
  return frmDialogWindow::eventFilter(watched, event);
}

void frmNewProjected::Answer(int32_t index) {
  controller_.mOK_Click(index);
  ShowState();
}

}  // namespace player_data_ui
