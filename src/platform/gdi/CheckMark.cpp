#include "platform/gdi/CheckMark.h"

#include <QPainterPath>
#include <QPen>

#include "platform/runtime/Text.h"

namespace gdi {

bool IsCheckMarkFace(const std::string& faceName) { return runtime::EqualsNoCase(faceName, kCheckMarkFace); }

void DrawCheckMark(QPainter& painter, const QRectF& box, const QColor& colour) {
  const double s = std::min(box.width(), box.height());
  const QPointF o(box.left() + (box.width() - s) / 2, box.top() + (box.height() - s) / 2);
  QPainterPath tick;
  tick.moveTo(o + QPointF(0.12 * s, 0.55 * s));
  tick.lineTo(o + QPointF(0.40 * s, 0.82 * s));
  tick.lineTo(o + QPointF(0.90 * s, 0.18 * s));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(colour, std::max(1.5, s * 0.16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(tick);
  painter.restore();
}

}  // namespace gdi
