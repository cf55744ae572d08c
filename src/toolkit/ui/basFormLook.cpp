#include "toolkit/ui/basFormLook.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "platform/gdi/LogFont.h"
#include "platform/gdi/MemoryDC.h"
#include "platform/gdi/SysColor.h"
#include "platform/runtime/Rounding.h"

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

int32_t Px(int32_t twips) { return runtime::TwipsToPixels(twips); }

}  // namespace basFormLook
