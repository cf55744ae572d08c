#pragma once
// What one timer tick of an owner-drawn widget reads: the left mouse button,
// and whether the cursor is over the widget's picture and where. The
// pointer comes from the pointer seam, so tests drive the widgets with a
// scripted pointer.
//
// Polling alone loses clicks whose press and release both fall between two
// ticks (synthetic input, touchpad taps, remote desktops), and a timer that
// runs while nobody touches the widget costs CPU for nothing. So a
// PointerWatch also hands the widget Qt's own press and release events on
// its picture, and runs the polling timer only from the moment the pointer
// enters the picture (or a button goes down on it) until the widget says it
// is idle again.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <functional>

class QMouseEvent;
class QWidget;

namespace basWidgetPolling {

struct Sample {
  bool pressed = false;      // the left mouse button is down
  bool overPicture = false;  // the window under the cursor is the picture
  int32_t x = 0;             // cursor minus the picture's window rectangle
  int32_t y = 0;
  bool fromEvent = false;    // Qt's own press or release, not a poll
};

Sample Read(const QWidget* picture);

// True while a modal window other than the picture's own (or one of its
// ancestors) is open: the widget then leaves the pointer alone.
bool BlockedByModal(const QWidget* picture);

class PointerWatch : public QObject {
  Q_OBJECT

 public:
  using Step = std::function<void(const Sample&)>;

  // `step` is the widget's reaction to one look at the pointer, polled or
  // from an event; it may destroy the widget and this watch with it.
  explicit PointerWatch(Step step, QObject* parent = nullptr);
  ~PointerWatch() override;

  // The picture whose mouse events are watched.
  void SetPicture(QWidget* picture);
  // The widget's polling timer: the timer it had stops calling it, the new
  // one is stopped and set to `interval` ms.
  void SetTimer(QTimer* timer, int interval);
  // Arms or disarms the widget; arming polls once, so a pointer that is
  // already over the picture is noticed.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  // Called by the widget at the end of each step: the timer keeps running
  // only while the widget is busy (the pointer over it, or a press on it
  // still held).
  void KeepPolling(bool busy);

  // One look at the pointer through the seam.
  void Poll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Sample FromEvent(const QMouseEvent* event, bool pressed) const;

  Step step_;
  QPointer<QWidget> picture_;
  // The picture's own class: a widget being destroyed is only a QWidget
  // any more, and its last events (leave, focus out) are not the widget's.
  const QMetaObject* pictureType_ = nullptr;
  QPointer<QTimer> timer_;
  bool enabled_ = false;
};

}  // namespace basWidgetPolling
