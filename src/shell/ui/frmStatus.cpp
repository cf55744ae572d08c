#include "shell/ui/frmStatus.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <algorithm>

#include "core/Seams.h"
#include "core/basColourScheme.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basDrawArrow.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

using basFormLook::Px;

namespace {

constexpr const char* kFace = "Tahoma";
// The bars' place across the window, in twips.
constexpr int32_t kBarLeft = 60;
constexpr int32_t kBarWidth = 5895;

QLabel* MakeLabel(QWidget* parent, const char* text, int32_t left, int32_t top) {
  auto* label = new PlainLabel(QString::fromLatin1(text), parent);
  label->move(Px(left), Px(top));
  label->adjustSize();
  return label;
}

// A bar: a sunken frame at the design's place with the drawing area inside.
PictureBox* MakeBar(QWidget* parent, int32_t left, int32_t top, int32_t width, int32_t height) {
  PictureBox* bar = basFormLook::SunkenPicture(parent, QRect(Px(left), Px(top), Px(width), Px(height)));
  bar->SetBackColor(gdi::kWhite);
  return bar;
}

}  // namespace

frmStatus::frmStatus(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
  basFormLook::Apply(this, kFace);
  setFixedSize(Px(6045), Px(1965));
  setWindowTitle(QStringLiteral(" Status"));
  basFormLook::UseOwnerIcon(this, owner);

  lblTop_ = MakeLabel(this, "Current Progress", 60, 90);
  lblPercent_ = MakeLabel(this, "0 %", 5700, 90);
  picCur_ = MakeBar(this, kBarLeft, 360, kBarWidth, 180);
  picBottom_ = new PictureBox(this);
  picBottom_->setGeometry(Px(60), Px(600), Px(5865), Px(195));
  StdFont font;
  font.Name = kFace;
  picBottom_->SetFont(font);
  lblTotTop_ = MakeLabel(this, "Total Progress", 60, 885);
  lblTotPercent_ = MakeLabel(this, "0 %", 5730, 885);
  picTot_ = MakeBar(this, kBarLeft, 1155, kBarWidth, 180);
  lblTotBottom_ = MakeLabel(this, "Status", 60, 1395);
  SetPercentLabel(lblPercent_, 0);
  SetPercentLabel(lblTotPercent_, 0);

  picOK_ = new PictureBox(this);
  picOK_->setGeometry(Px(4830), Px(1485), Px(1155), Px(405));
  timOK_ = new QTimer(this);
  // Below the client area: the list is written to but never brought into view.
  lstStatus_ = new QListWidget(this);
  lstStatus_->setGeometry(Px(60), Px(1995), Px(5895), Px(60));

  barHeight_ = picTot_->ScaleHeight();
  mOK_ = std::make_unique<clsButton>();
  connect(mOK_.get(), &clsButton::Click, this, &frmStatus::mOK_Click);
  basButtonMocks::SetUpButtonBar(*mOK_, picOK_, timOK_, 70, {"Cancel"}, false);
  CancelFlag = false;
}

frmStatus::~frmStatus() {
  timOK_->stop();
  mOK_.reset();
  CancelFlag = false;
}

void frmStatus::ShowModal() {
  if (!isVisible()) {
    setWindowModality(Qt::ApplicationModal);
    basFormLook::CentreOver(this, parentWidget());
  }
  show();
  activateWindow();
}

void frmStatus::DrawBar(PictureBox* bar, int32_t percent) {
  bar->Cls();
  const int32_t shown = std::clamp(percent, 0, 100);
  const auto w = static_cast<int32_t>(runtime::RoundHalfEven(bar->ScaleWidth() * static_cast<double>(shown) / 100.0));
  // A bar of no width stays clear: the polygon's outline would mark column 0.
  if (w > 0) {
    basDrawArrow::FillPolygon(bar->hDC(), static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kProgressBarColour]),
                              {{0, 0}, {w, 0}, {w, barHeight_}, {0, barHeight_}, {0, 0}});
  }
  bar->Refresh();
  // The job does not yield for the bars: paint now.
  bar->repaint();
}

void frmStatus::SetPercentLabel(QLabel* label, int32_t percent) {
  label->setText(QString::number(percent) + QStringLiteral(" %"));
  label->adjustSize();
  // Right-aligned with the bars, which keep a margin to the window's edge;
  // the design's place would put "100 %" against the edge.
  label->move(Px(kBarLeft + kBarWidth) - label->width(), label->y());
  label->repaint();
}

void frmStatus::pSbPercent(int32_t percent) {
  SetPercentLabel(lblPercent_, percent);
  DrawBar(picCur_, percent);
  RefreshWindow();
}

void frmStatus::RefreshWindow() { repaint(); }

void frmStatus::pSbTotalPercent(int32_t percent) {
  SetPercentLabel(lblTotPercent_, percent);
  DrawBar(picTot_, percent);
  RefreshWindow();
}

// A cleared bar reads 0 %: the number never tells of a phase the bar has
// already left.
void frmStatus::pSbClearTotal() {
  picTot_->Cls();
  SetPercentLabel(lblTotPercent_, 0);
  RefreshWindow();
}

void frmStatus::pSbClearCurrent() {
  picCur_->Cls();
  SetPercentLabel(lblPercent_, 0);
  RefreshWindow();
}

void frmStatus::SetTopText(const std::string& text) {
  lblTop_->setText(QString::fromStdString(text));
  lblTop_->adjustSize();
}

void frmStatus::SetTotalTopText(const std::string& text) {
  lblTotTop_->setText(QString::fromStdString(text));
  lblTotTop_->adjustSize();
}

void frmStatus::SetTotalBottomText(const std::string& text) {
  lblTotBottom_->setText(QString::fromStdString(text));
  lblTotBottom_->adjustSize();
}

void frmStatus::PrintBottom(const std::string& text) {
  picBottom_->Cls();
  picBottom_->hDC().TextOut(0, 0, text);
  picBottom_->Refresh();
}

void frmStatus::AddListItem(const std::string& text) {
  lstStatus_->addItem(QString::fromStdString(text));
  lstStatus_->setCurrentRow(lstStatus_->count() - 1);
  lstStatus_->repaint();
}

void frmStatus::closeEvent(QCloseEvent* event) {
  event->ignore();
  CancelFlag = true;
}

void frmStatus::mOK_Click(int32_t /*index*/) { CancelFlag = true; }
