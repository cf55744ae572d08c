#pragma once
// The check mark the windows show as the character "P" of the symbol font
// "Wingdings 2". That font is not installed here, so text in it is drawn by
// hand: each "P" becomes a drawn tick one em wide; other characters leave
// an em of space.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <string>

namespace gdi {

inline constexpr const char* kCheckMarkFace = "Wingdings 2";
inline constexpr char kCheckMarkGlyph = 'P';

bool IsCheckMarkFace(const std::string& faceName);
// A tick filling the square box.
void DrawCheckMark(QPainter& painter, const QRectF& box, const QColor& colour);

}  // namespace gdi
