#include "toolkit/ui/PictureBox.h"

#include <QPainter>
#include <QResizeEvent>

#include "platform/gdi/SysColor.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basFont.h"

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), backColour_(gdi::GetSysColor(gdi::COLOR_BTNFACE)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  dc_.SetBkMode(gdi::BkMode::kTransparent);
  dc_.SetTextColor(gdi::kBlack);
  SetFont(font_);
  dc_.CreateBitmap(width(), height(), backColour_);
}

void PictureBox::SetBackColor(gdi::COLORREF colour) {
  backColour_ = colour;
  dc_.SetBkColor(colour);
  Cls();
}

void PictureBox::SetFont(const StdFont& font) {
  gdi::LogFont lf;
  basFont::FontToLogFont(font, dc_, lf);
  font_ = font;
  dc_.SetFont(lf);
}

void PictureBox::SetToolTipText(const std::string& text) {
  if (text == toolTip_) return;
  toolTip_ = text;
  setToolTip(PlainToolTip(QString::fromStdString(text)));
}

void PictureBox::SyncSize() const {
  // Drawn at the screen's device pixel ratio, so that it is as sharp as
  // Qt's own widgets beside it on a scaled screen.
  const double ratio = devicePixelRatioF();
  if (dc_.Width() != width() || dc_.Height() != height() || dc_.DevicePixelRatio() != ratio) {
    dc_.Resize(width(), height(), backColour_, ratio);
  }
}

void PictureBox::Cls() {
  SyncSize();
  dc_.FillRect({0, 0, dc_.Width(), dc_.Height()}, backColour_);
  update();
}

void PictureBox::Refresh() { update(); }

void PictureBox::SetPixelSize(int32_t w, int32_t h) { resize(std::max(w, 0), std::max(h, 0)); }

QRect PictureBox::WindowRect() const { return QRect(mapToGlobal(QPoint(0, 0)), size()); }

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  SyncSize();
  QPainter p(this);
  // A fractional ratio can leave the image short of the last device pixel.
  const QSizeF shown = dc_.Image().deviceIndependentSize();
  if (shown.width() < width() || shown.height() < height()) {
    p.fillRect(rect(), QColor::fromRgb(gdi::ToQRgb(backColour_)));
  }
  p.drawImage(0, 0, dc_.Image());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  SyncSize();
  QWidget::resizeEvent(event);
}
