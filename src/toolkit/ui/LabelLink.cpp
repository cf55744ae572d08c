#include "toolkit/ui/LabelLink.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "toolkit/ui/BarFocus.h"

LabelLink::LabelLink(QLabel* label, std::function<void()> action)
    : QObject(label), action_(std::move(action)) {
  label->setFocusPolicy(Qt::TabFocus);
  label->setCursor(Qt::PointingHandCursor);
  label->setStyleSheet(
      label->styleSheet() +
      "QLabel { border: 1px solid transparent; } QLabel:focus { border: 1px dotted #000000; }");
  // A framed label would indent its text; it starts where the label does.
  label->setIndent(0);
  label->installEventFilter(this);
}

bool LabelLink::eventFilter(QObject* watched, QEvent* event) {
  bool pressed = false;
  if (event->type() == QEvent::MouseButtonRelease) {
    pressed = static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
  } else if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (BarFocus::IsReturnKey(*key)) {
      // A key held down opens it once.
      if (key->isAutoRepeat()) return true;
      pressed = true;
    }
  }
  if (!pressed) return QObject::eventFilter(watched, event);
  const auto action = action_;  // the action may delete the label and this filter
  action();
  return true;
}
