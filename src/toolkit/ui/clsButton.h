#pragma once
// The owner-drawn push-button bar: a row of buttons painted into a picture,
// each in one of five looks, found under the cursor by polling the pointer
// from a 10 ms timer while the pointer is over the bar, and by Qt's own
// press and release events on the picture. A button clicks when the left
// button is pressed and released over it; a press that starts elsewhere,
// or leaves the button before the release, never clicks.
//
// The picture takes the keyboard focus by Tab (BarFocus): Tab and Shift+Tab
// move a dotted focus rectangle from button to button (and on to the
// window's other controls at either end); Space, Return and keypad Enter
// click the button that has it.
//
// States: 0 normal, 1 hover, 2 selected, 3 pressed, 4 disabled. Indices out
// of range are ignored by setters and answered with defaults by getters.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/ui/BarFocus.h"
#include "toolkit/ui/ButtonPainter.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basWidgetPolling.h"
#include "toolkit/ui/clsBitmap.h"

class clsButton : public QObject {
  Q_OBJECT

 public:
  static constexpr int32_t kTimerInterval = 10;
  static constexpr int32_t kGap = 5;

  explicit clsButton(QObject* parent = nullptr);
  ~clsButton() override;

  // Stores the picture and gives it the bar's back colour.
  void SetPictureControl(PictureBox* picture);
  PictureBox* PictureControl() const { return picture_; }
  // Stores the timer: interval 10 ms, stopped.
  void SetTimer(QTimer* timer);
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetBackColor(gdi::COLORREF colour);
  gdi::COLORREF BackColor() const { return backColour_; }

  // Re-dimensions the per-button arrays keeping their contents.
  void SetButtons(int32_t count);
  int32_t Buttons() const { return static_cast<int32_t>(states_.size()); }

  void ForceHover(int32_t index);
  void ForceState(int32_t index, int32_t state);
  void SetButtonEnabled(int32_t index, bool enabled);
  bool ButtonEnabled(int32_t index) const;
  void SetTabSelected(int32_t index, bool selected);
  bool TabSelected(int32_t index) const;
  void SetToolTipText(int32_t index, const std::string& text);
  std::string ToolTipText(int32_t index) const;
  void SetTabText(int32_t index, const std::string& text);
  std::string TabText(int32_t index) const;
  void SetFont(const std::string& name) { font_ = name; }
  std::string Font() const { return font_; }
  void SetImageCount(int32_t count);
  int32_t ImageCount() const { return static_cast<int32_t>(images_.size()); }
  void Image(int32_t index, int32_t resourceId);

  // Draws button 0 pressed; its state stays.
  void DownButton();
  void AddSpacerAfterButton(int32_t index, int32_t pixels);
  // Draws every button normal, whatever its state.
  void DrawFullToolbar();
  void SetResourceButton(int32_t index, int32_t resourceId, int32_t width, int32_t height,
                         const std::string& caption);
  void SetTextButton(int32_t index, int32_t width, int32_t height, const std::string& caption);

  // Return or keypad Enter (BarFocus::IsReturnKey).
  static bool IsReturnKey(const QKeyEvent& key) { return BarFocus::IsReturnKey(key); }

  // The button that has (or last had) the keyboard focus.
  int32_t FocusButton() const { return focus_.Button(); }
  void SetFocusButton(int32_t index) { focus_.SetButton(index); }

  int32_t State(int32_t index) const;
  ButtonRect Rect(int32_t index) const;

  // One poll of the pointer, as the timer runs it.
  void Tick();
  // One look at the pointer, polled or from a mouse event.
  void Step(const basWidgetPolling::Sample& s);

 signals:
  void Click(int32_t index);

 private:
  bool Valid(int32_t index) const { return index >= 0 && index < Buttons(); }
  void SetButtonState(int32_t index, int32_t state);
  void DrawButton(int32_t look, int32_t index);
  int32_t ButtonFromPoint(int32_t x, int32_t y) const;

  QPointer<PictureBox> picture_;
  basWidgetPolling::PointerWatch watch_;
  gdi::COLORREF backColour_;
  std::vector<int32_t> states_;
  std::vector<std::string> captions_;
  std::vector<std::string> toolTips_;
  std::vector<ButtonRect> rects_;
  std::vector<std::unique_ptr<clsBitmap>> images_;
  std::string font_;
  bool previousPress_ = false;
  BarFocus focus_;
};
