#include "toolkit/ui/basFormLook.h"

#include <QApplication>
#include <QFrame>
#include <QPalette>
#include <QScreen>
#include <QWidget>

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

int32_t Px(int32_t twips) { return runtime::TwipsToPixels(twips); }

}  // namespace basFormLook
