#pragma once
// A label the person presses as a link: a left click on it, or Return or
// keypad Enter while it has the focus, runs its action. Tab reaches it, and
// it wears a dotted frame while it has the focus; without the focus the
// frame's room stays, so that the text never moves.

#include <QObject>
#include <functional>

class QLabel;

class LabelLink : public QObject {
  Q_OBJECT

 public:
  // A child of the label, which it watches. The action may close the
  // window and with it the label.
  LabelLink(QLabel* label, std::function<void()> action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> action_;
};
