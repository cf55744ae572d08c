#include "player_data/ui/frmStrain.h"

#include <QLabel>
#include <QLineEdit>

#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/clsButton.h"

namespace player_data_ui {

namespace {

constexpr int32_t kWidth = 470;
constexpr int32_t kMargin = 12;
constexpr int32_t kButtonWidth = 72;
constexpr int32_t kBarHeight = 30;
constexpr int32_t kFieldWidth = kWidth - 2 * kMargin - kButtonWidth - 18;
constexpr int32_t kFolderBox = 22;
constexpr int32_t kBarTop = kMargin + 160;

QLabel* Caption(QWidget* parent, const char* text, int32_t top) {
  auto* label = new PlainLabel(text, parent);
  label->setGeometry(kMargin, top, kFieldWidth, 16);
  return label;
}

}  // namespace

frmStrain::frmStrain(clsUIStrain& strain, QWidget* owner)
    : frmDialogWindow(strain, owner),
      lblSt_(AddField(this, QRect(kMargin, kMargin + 18, kFieldWidth, 22))),
      mSt_(AddButtonBar(this, QRect(kMargin + kFieldWidth + 6, kMargin + 14, kButtonWidth + 10, kBarHeight),
                        kButtonWidth, {"Browse"})),
      lblDs_(AddField(this, QRect(kMargin, kMargin + 70, kFieldWidth - kFolderBox - 4, 22))),
      picDs_(new PictureBox(this)),
      txtURL_(new QLineEdit(this)),
      mOK_(AddAnswerBar(QRect(kWidth - kMargin - 162, kBarTop, 162, kBarHeight), {"OK", "Cancel"}, true)) {
  Caption(this, "Projected Stat Source", kMargin);
  connect(mSt_, &clsButton::Click, this, [this](int32_t) {
    controller_.mSt_Click();
    ShowState();
  });

  Caption(this, "Strain File Destination", kMargin + 52);
  picDs_->setGeometry(kMargin + kFieldWidth - kFolderBox, kMargin + 70, kFolderBox, kFolderBox);
  picDs_->SetBackColor(gdi::kWhite);
  basButtonMocks::PaintResourceImage(picDs_, basButtonMocks::kOpenImage);
  picDs_->setToolTip("Choose the destination");
  picDs_->setCursor(Qt::PointingHandCursor);
  picDs_->setFocusPolicy(Qt::StrongFocus);
  picDs_->installEventFilter(this);

  Caption(this, "Strain Source Site", kMargin + 104);
  txtURL_->setGeometry(kMargin, kMargin + 122, kFieldWidth, 22);
  txtURL_->setMaxLength(60);
  connect(txtURL_, &QLineEdit::textChanged, this,
          [this](const QString& text) { controller_.SetSourceSite(text.toStdString()); });

  setFixedSize(kWidth, kBarTop + kBarHeight + kMargin);
  ShowState();
}

void frmStrain::Open(QWidget* owner) {
  clsUIStrain strain;
  frmStrain window(strain, owner);
  window.ShowModal();
}

void frmStrain::ShowState() {
  lblSt_->setText(QString::fromStdString(controller_.SourceLabel()));
  lblDs_->setText(QString::fromStdString(" " + controller_.DestinationLabel()));
  lblDs_->setToolTip(PlainToolTip(QString::fromStdString(controller_.DestinationLabel())));
}

bool frmStrain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picDs_ && PressesPicture(*event)) {
    controller_.picDs_Click();
    ShowState();
    return true;
  }
  return frmDialogWindow::eventFilter(watched, event);
}

void frmStrain::Answer(int32_t index) { controller_.mOK_Click(index); }

}  // namespace player_data_ui
