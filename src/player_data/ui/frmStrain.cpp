#include "editors/projected_stats/ui/frmStrain.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "shell/ui/PageRegistry.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace editors_projected_stats_ui {

namespace {

constexpr int32_t kWidth = 470;
constexpr int32_t kMargin = 12;
constexpr int32_t kButtonWidth = 72;
constexpr int32_t kBarHeight = 30;
constexpr int32_t kFieldWidth = kWidth - 2 * kMargin - kButtonWidth - 18;
constexpr int32_t kFolderBox = 22;

QLabel* Caption(QWidget* parent, const char* text, int32_t top) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(kMargin, top, kFieldWidth, 16);
  return label;
}

QLabel* FileLabel(QWidget* parent, int32_t top, int32_t width) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setGeometry(kMargin, top, width, 22);
  return label;
}

}  // namespace

frmStrain::frmStrain(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      lblSt_(FileLabel(this, kMargin + 18, kFieldWidth)),
      picSt_(new PictureBox(this)),
      timSt_(new QTimer(this)),
      lblDs_(FileLabel(this, kMargin + 70, kFieldWidth - kFolderBox - 4)),
      picDs_(new PictureBox(this)),
      txtURL_(new QLineEdit(this)),
      picOK_(new PictureBox(this)),
      timOK_(new QTimer(this)),
      mSt_(std::make_unique<clsButton>()),
      mOK_(std::make_unique<clsButton>()) {
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setWindowTitle(clsUIStrain::kCaption);

  Caption(this, "Projected Stat Source", kMargin);
  const int32_t buttonLeft = kMargin + kFieldWidth + 6;
  picSt_->setGeometry(buttonLeft, kMargin + 14, kButtonWidth + 10, kBarHeight);
  basButtonMocks::SetUpButtonBar(*mSt_, picSt_, timSt_, kButtonWidth, {"Browse"}, false);
  connect(mSt_.get(), &clsButton::Click, this, [this](int32_t) {
    strain_.mSt_Click();
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
          [this](const QString& text) { strain_.SetSourceSite(text.toStdString()); });

  const int32_t barTop = kMargin + 160;
  picOK_->setGeometry(kWidth - kMargin - 162, barTop, 162, kBarHeight);
  basButtonMocks::SetUpOKCancelButtons(*mOK_, picOK_, timOK_);
  connect(mOK_.get(), &clsButton::Click, this, &frmStrain::mOK_Click);
  setFixedSize(kWidth, barTop + kBarHeight + kMargin);
  ShowState();
}

frmStrain::~frmStrain() {
  timSt_->stop();
  timOK_->stop();
}

void frmStrain::Open(QWidget* owner) {
  frmStrain window(owner);
  basFormLook::CentreOver(&window, owner);
  window.exec();
}

void frmStrain::ShowState() {
  lblSt_->setText(QString::fromStdString(strain_.SourceLabel()));
  lblDs_->setText(QString::fromStdString(" " + strain_.DestinationLabel()));
  lblDs_->setToolTip(QString::fromStdString(strain_.DestinationLabel()));
}

bool frmStrain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picDs_) {
    const bool click = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool space = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    if (click || space) {
      strain_.picDs_Click();
      ShowState();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmStrain::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    mOK_Click(0);
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmStrain::mOK_Click(int32_t index) {
  strain_.mOK_Click(index);
  if (strain_.Closed()) accept();
}

void frmStrain::done(int result) {
  strain_.CloseWindow();
  timSt_->stop();
  timOK_->stop();
  QDialog::done(result);
}

void RegisterStrainWindow() {
  shell_ui::RegisterMenuWindow(shell_ui::MenuWindow::kProjectionStrain,
                               [](QWidget* mainWindow) { frmStrain::Open(mainWindow); });
}

}  // namespace editors_projected_stats_ui
