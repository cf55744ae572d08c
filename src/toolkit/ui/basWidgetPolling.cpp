#include "toolkit/ui/basWidgetPolling.h"

#include <QApplication>
#include <QMouseEvent>
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

PointerWatch::PointerWatch(Step step, QObject* parent) : QObject(parent), step_(std::move(step)) {}

PointerWatch::~PointerWatch() {
  if (timer_) timer_->stop();
}

void PointerWatch::SetPicture(QWidget* picture) {
  if (picture_) picture_->removeEventFilter(this);
  picture_ = picture;
  pictureType_ = picture != nullptr ? picture->metaObject() : nullptr;
  if (picture_) picture_->installEventFilter(this);
}

void PointerWatch::SetTimer(QTimer* timer, int interval) {
  if (timer_) {
    QObject::disconnect(timer_.data(), nullptr, this, nullptr);
    timer_->stop();
  }
  timer_ = timer;
  if (!timer) return;
  timer->stop();
  timer->setInterval(interval);
  QObject::connect(timer, &QTimer::timeout, this, &PointerWatch::Poll);
}

void PointerWatch::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!timer_) return;
  if (enabled) {
    timer_->start();
  } else {
    timer_->stop();
  }
}

void PointerWatch::KeepPolling(bool busy) {
  if (!timer_) return;
  if (enabled_ && busy) {
    if (!timer_->isActive()) timer_->start();
  } else {
    timer_->stop();
  }
}

void PointerWatch::Poll() {
  if (picture_) step_(Read(picture_));
}

Sample PointerWatch::FromEvent(const QMouseEvent* event, bool pressed) const {
  Sample s;
  s.pressed = pressed;
  s.fromEvent = true;
  const QPoint at = event->position().toPoint();
  s.x = at.x();
  s.y = at.y();
  s.overPicture = picture_ && picture_->rect().contains(at);
  return s;
}

bool PointerWatch::eventFilter(QObject* watched, QEvent* event) {
  if (watched != picture_ || watched->metaObject() != pictureType_ || !enabled_) {
    return QObject::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::Enter:
      KeepPolling(true);
      break;
    case QEvent::Leave:
      // The next tick sees the pointer gone, puts the look back and stops.
      KeepPolling(true);
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<const QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      // The second press of a double-click arrives as its own event type;
      // to the widget it is a press like the first.
      const bool pressed = event->type() != QEvent::MouseButtonRelease;
      // The step may destroy this watch: nothing of it is touched afterwards.
      const Step step = step_;
      step(FromEvent(mouse, pressed));
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace basWidgetPolling
