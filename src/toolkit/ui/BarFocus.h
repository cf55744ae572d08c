#pragma once
// The keyboard side of a row of owner-drawn buttons in one picture (the
// button bar, the mini tool bar): the picture takes the focus by Tab (a bar
// none of whose buttons can be pressed passes it on), and a click does not
// take it from, say, a grid cell being edited. Tab and
// Shift+Tab move the focus from button to button (and on to the window's
// other controls at either end); Space, Return and keypad Enter press the
// button that has it. The bar draws the focus where Shows() says.

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

class QKeyEvent;
class QWidget;

class BarFocus : public QObject {
  Q_OBJECT

 public:
  struct Bar {
    std::function<int32_t()> count;         // buttons in the bar
    std::function<bool(int32_t)> usable;    // the button is enabled
    std::function<void(int32_t)> redraw;    // draws the button in its look, and the focus by Shows()
    std::function<void()> show;             // shows what was drawn
    std::function<void(int32_t)> press;     // may destroy the bar and this object
  };

  explicit BarFocus(Bar bar, QObject* parent = nullptr);

  // The picture whose focus and keys are watched.
  void SetPicture(QWidget* picture);

  // The button that has (or last had) the keyboard focus.
  int32_t Button() const { return button_; }
  void SetButton(int32_t index);
  // Whether button `index` is drawn with the focus.
  bool Shows(int32_t index) const { return hasFocus_ && index == button_; }

  // Return or keypad Enter: the keys that answer a focused button, and a
  // dialog's first button when no button has the focus.
  static bool IsReturnKey(const QKeyEvent& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Valid(int32_t index) const { return index >= 0 && index < bar_.count(); }
  // The next usable button from `from` in steps of `step`; -1 when none.
  int32_t NextUsable(int32_t from, int32_t step) const;
  // The control of the window Tab (or Shift+Tab when `backward`) would go
  // to from the picture; nullptr when there is none.
  QWidget* NextTabStop(bool backward) const;
  bool KeyPress(const QKeyEvent* key);

  Bar bar_;
  QPointer<QWidget> picture_;
  // The picture's own class: a widget being destroyed is only a QWidget
  // any more, and its last focus-out is not the bar's to draw.
  const QMetaObject* pictureType_ = nullptr;
  int32_t button_ = 0;
  bool hasFocus_ = false;
};
