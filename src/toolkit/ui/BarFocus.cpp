#include "toolkit/ui/BarFocus.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

BarFocus::BarFocus(Bar bar, QObject* parent) : QObject(parent), bar_(std::move(bar)) {}

void BarFocus::SetPicture(QWidget* picture) {
  if (picture_) picture_->removeEventFilter(this);
  picture_ = picture;
  pictureType_ = picture != nullptr ? picture->metaObject() : nullptr;
  if (!picture_) return;
  picture_->setFocusPolicy(Qt::TabFocus);
  picture_->installEventFilter(this);
  hasFocus_ = picture_->hasFocus();
}

void BarFocus::SetButton(int32_t index) {
  if (!Valid(index)) return;
  const int32_t old = button_;
  button_ = index;
  if (Valid(old)) bar_.redraw(old);
  bar_.redraw(index);
  bar_.show();
}

int32_t BarFocus::NextUsable(int32_t from, int32_t step) const {
  for (int32_t i = from + step; i >= 0 && i < bar_.count(); i += step) {
    if (bar_.usable(i)) return i;
  }
  return -1;
}

QWidget* BarFocus::NextTabStop(bool backward) const {
  const QWidget* window = picture_->window();
  const auto step = [backward](QWidget* w) { return backward ? w->previousInFocusChain() : w->nextInFocusChain(); };
  for (QWidget* w = step(picture_); w != nullptr && w != picture_; w = step(w)) {
    if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) != 0 && w->isEnabled() &&
        w->isVisibleTo(window)) {
      return w;
    }
  }
  return nullptr;
}

bool BarFocus::IsReturnKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

bool BarFocus::KeyPress(const QKeyEvent* key) {
  // Ctrl+Tab belongs to a tab strip, not to the bar's buttons.
  if ((key->modifiers() & Qt::ControlModifier) != 0) return false;
  const bool backward = key->key() == Qt::Key_Backtab ||
                        (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier) != 0);
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
    const int32_t step = backward ? -1 : 1;
    int32_t next = NextUsable(button_, step);
    // At either end the focus leaves the bar, unless nothing else would
    // take it: then it comes round to the other end.
    if (next < 0 && NextTabStop(false) == nullptr) next = NextUsable(backward ? bar_.count() : -1, step);
    if (next < 0) return false;
    SetButton(next);
    return true;
  }
  if (key->key() == Qt::Key_Space || IsReturnKey(*key)) {
    // A key held down answers once, not every box that comes up after.
    if (key->isAutoRepeat() || !Valid(button_) || !bar_.usable(button_)) return true;
    // Raised last: the handler may close the window and destroy the bar.
    const auto press = bar_.press;
    press(button_);
    return true;
  }
  return false;
}

bool BarFocus::eventFilter(QObject* watched, QEvent* event) {
  if (watched != picture_ || watched->metaObject() != pictureType_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn: {
      hasFocus_ = true;
      const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
      // A bar none of whose buttons can be pressed is no stop of Tab: the
      // focus goes on in the direction it came (not round a ring of such bars).
      static int passing = 0;
      if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && NextUsable(-1, 1) < 0 &&
          passing < 4) {
        if (QWidget* next = NextTabStop(reason == Qt::BacktabFocusReason)) {
          ++passing;
          next->setFocus(reason);
          --passing;
          break;
        }
      }
      int32_t first = -1;
      if (reason == Qt::TabFocusReason) first = NextUsable(-1, 1);
      if (reason == Qt::BacktabFocusReason) first = NextUsable(bar_.count(), -1);
      if (first < 0 && Valid(button_) && bar_.usable(button_)) first = button_;
      if (first < 0) first = NextUsable(-1, 1);
      SetButton(first < 0 ? button_ : first);
      break;
    }
    case QEvent::FocusOut:
      hasFocus_ = false;
      SetButton(button_);
      break;
    case QEvent::KeyPress:
      return KeyPress(static_cast<const QKeyEvent*>(event));
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}
