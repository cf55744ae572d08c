#pragma once
// What one timer tick of an owner-drawn widget reads: the left mouse button,
// and whether the cursor is over the widget's picture and where. The
// pointer comes from the pointer seam, so tests drive the widgets with a
// scripted pointer. The timer that runs the ticks is handed over and
// switched here as well.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>

class QWidget;

namespace basWidgetPolling {

struct Sample {
  bool pressed = false;      // the left mouse button is down
  bool overPicture = false;  // the window under the cursor is the picture
  int32_t x = 0;             // cursor minus the picture's window rectangle
  int32_t y = 0;
};

Sample Read(const QWidget* picture);

// True while a modal window other than the picture's own (or one of its
// ancestors) is open: the widget then leaves the pointer alone.
bool BlockedByModal(const QWidget* picture);

// Hands a widget its polling timer: the timer it had stops calling it, and
// the new one (kept in `slot`) is stopped, set to `interval` ms and calls
// `tick` on each timeout.
template <class Widget>
void AttachTimer(QPointer<QTimer>& slot, QTimer* timer, int interval, Widget* widget,
                 void (Widget::*tick)()) {
  if (slot) QObject::disconnect(slot.data(), nullptr, widget, nullptr);
  slot = timer;
  if (!timer) return;
  timer->stop();
  timer->setInterval(interval);
  QObject::connect(timer, &QTimer::timeout, widget, tick);
}

// Starts or stops the polling; nothing happens without a timer.
void SetPolling(QTimer* timer, bool on);
// True while the timer runs.
bool Polling(const QTimer* timer);

}  // namespace basWidgetPolling
