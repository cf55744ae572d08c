#include "platform/gdi/LogFont.h"

#include <QFontMetrics>
#include <cmath>
#include <cstdlib>

#include "platform/runtime/Text.h"

namespace gdi {

QString FamilyForFace(const std::string& faceName) {
  using runtime::EqualsNoCase;
  for (const char* sans :
       {"Arial", "MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Verdana", "Segoe UI", "Helvetica"}) {
    if (EqualsNoCase(faceName, sans)) return QStringLiteral("Liberation Sans");
  }
  for (const char* serif : {"Times New Roman", "Times", "MS Serif"}) {
    if (EqualsNoCase(faceName, serif)) return QStringLiteral("Liberation Serif");
  }
  // The desktop's "monospace" may resolve to a font Qt does not take for
  // fixed-pitch (Noto Sans Mono), so the fixed faces map to one we ship with.
  for (const char* mono : {"Courier New", "Courier", "Lucida Console"}) {
    if (EqualsNoCase(faceName, mono)) return QStringLiteral("Liberation Mono");
  }
  return QString::fromStdString(faceName);
}

QFont ToQFont(const LogFont& font) {
  QFont f(FamilyForFace(font.faceName));
  f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  f.setHintingPreference(QFont::PreferFullHinting);
  int weight = font.weight <= 0 ? 400 : font.weight;
  if (weight > 1000) weight = 1000;
  f.setWeight(QFont::Weight(weight));
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeOut);
  if (font.height < 0) {
    f.setPixelSize(-font.height);
  } else if (font.height > 0) {
    // A cell height: scale the character height so that ascent + descent
    // comes to the height asked for.
    f.setPixelSize(font.height);
    QFontMetrics fm(f);
    const int cell = fm.ascent() + fm.descent();
    if (cell > 0 && cell != font.height) {
      const int px = static_cast<int>(std::lround(static_cast<double>(font.height) * font.height / cell));
      f.setPixelSize(px < 1 ? 1 : px);
    }
  } else {
    f.setPixelSize(16);  // height 0: the default size
  }
  return f;
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  int64_t q = product / c;
  const int64_t r = product % c;
  if (std::llabs(r) * 2 >= std::llabs(static_cast<int64_t>(c))) q += ((product < 0) != (c < 0)) ? -1 : 1;
  return static_cast<int32_t>(q);
}

}  // namespace gdi
