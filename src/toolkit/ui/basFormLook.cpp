#include "toolkit/ui/basFormLook.h"

#include <QApplication>
#include <QFrame>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include "core/basColourScheme.h"
#include "platform/gdi/LogFont.h"
#include "platform/gdi/MemoryDC.h"
#include "platform/gdi/SysColor.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/PictureBox.h"

namespace basFormLook {

QFont FormFont(const std::string& faceName, bool bold) {
  gdi::LogFont font;  // 8.25 points: 11 pixels
  font.faceName = faceName;
  font.weight = bold ? 700 : 400;
  return gdi::ToQFont(font);
}

void ApplyApplicationLook() {
  auto colour = [](int32_t c) { return QColor::fromRgb(gdi::ToQRgb(static_cast<gdi::COLORREF>(c))); };
  const auto scheme =
      basColourScheme::SchemeColours(static_cast<int32_t>(gdi::GetSysColor(gdi::COLOR_BTNFACE)));
  const QColor face = colour(scheme[basColourScheme::kButtonFaceColour]);
  // Fusion draws the same on every desktop and takes the palette as given.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QPalette palette(face, face);  // button and window; the shades derive from the face
  palette.setColor(QPalette::Base, colour(gdi::GetSysColor(gdi::COLOR_WINDOW)));
  palette.setColor(QPalette::AlternateBase, colour(scheme[basColourScheme::kTitleRowColour]));
  palette.setColor(QPalette::WindowText, colour(gdi::GetSysColor(gdi::COLOR_WINDOWTEXT)));
  palette.setColor(QPalette::Text, colour(gdi::GetSysColor(gdi::COLOR_WINDOWTEXT)));
  palette.setColor(QPalette::ButtonText, colour(gdi::GetSysColor(gdi::COLOR_BTNTEXT)));
  palette.setColor(QPalette::Highlight, colour(gdi::GetSysColor(gdi::COLOR_HIGHLIGHT)));
  palette.setColor(QPalette::HighlightedText, colour(gdi::GetSysColor(gdi::COLOR_HIGHLIGHTTEXT)));
  palette.setColor(QPalette::ToolTipBase, colour(scheme[basColourScheme::kSelectionColour]));
  palette.setColor(QPalette::ToolTipText, colour(gdi::GetSysColor(gdi::COLOR_WINDOWTEXT)));
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, colour(gdi::GetSysColor(gdi::COLOR_GRAYTEXT)));
  }
  QApplication::setPalette(palette);
  QApplication::setFont(FormFont("Arial"));
}

void Apply(QWidget* form, const std::string& faceName) {
  if (form == nullptr) return;
  QPalette palette = form->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(gdi::ToQRgb(gdi::GetSysColor(gdi::COLOR_BTNFACE))));
  form->setPalette(palette);
  form->setAutoFillBackground(true);
  form->setFont(FormFont(faceName));
}

void UseOwnerIcon(QWidget* form, const QWidget* owner) {
  if (form == nullptr) return;
  form->setWindowIcon(owner != nullptr ? owner->window()->windowIcon() : QApplication::windowIcon());
}

void CentreOver(QWidget* form, const QWidget* owner) {
  if (form == nullptr) return;
  QRect area;
  if (owner != nullptr) {
    area = owner->window()->frameGeometry();
  } else if (const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isEmpty()) return;
  QRect placed(QPoint(0, 0), form->frameGeometry().size());
  placed.moveCenter(area.center());
  form->move(placed.topLeft());
}

PictureBox* SunkenPicture(QWidget* parent, const QRect& frame) {
  auto* border = new QFrame(parent);
  border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  border->setLineWidth(1);
  border->setGeometry(frame);
  auto* picture = new PictureBox(border);
  picture->setGeometry(1, 1, frame.width() - 2, frame.height() - 2);
  return picture;
}

void SetTabChain(const std::vector<QWidget*>& chain) {
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

int32_t Px(int32_t twips) { return runtime::TwipsToPixels(twips); }

}  // namespace basFormLook
