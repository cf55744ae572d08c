#include "toolkit/ui/basWidgetPolling.h"

#include <QApplication>
#include <QWidget>

#include "core/Seams.h"

namespace basWidgetPolling {

Sample Read(const QWidget* picture) {
  const seams::PointerState state = seams::Pointer().State();
  Sample s;
  s.pressed = state.leftDown;
  if (picture == nullptr || !picture->isVisible()) return s;
  const QPoint global(state.x, state.y);
  const QPoint origin = picture->mapToGlobal(QPoint(0, 0));
  s.x = state.x - origin.x();
  s.y = state.y - origin.y();
  const QWidget* under = QApplication::widgetAt(global);
  if (under != nullptr) {
    s.overPicture = under == picture;
  } else {
    // No window of ours answers for the point (a platform without window
    // stacking): the picture's own rectangle decides.
    s.overPicture = QRect(origin, picture->size()).contains(global);
  }
  return s;
}

bool BlockedByModal(const QWidget* picture) {
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || picture == nullptr) return false;
  return modal != picture->window() && !modal->isAncestorOf(picture);
}

void SetPolling(QTimer* timer, bool on) {
  if (timer == nullptr) return;
  if (on) {
    timer->start();
  } else {
    timer->stop();
  }
}

bool Polling(const QTimer* timer) { return timer != nullptr && timer->isActive(); }

}  // namespace basWidgetPolling
