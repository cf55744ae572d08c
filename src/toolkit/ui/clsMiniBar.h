#pragma once
// The mini tool bar: square white tiles with a 15 x 18 image each, two thin
// bars beside the button under the cursor, a tool tip, and Click when a
// button is pressed and released over itself. Polled from a 1 ms timer while
// the pointer is over the bar, and told of Qt's own press and release events.
// From the keyboard it is a bar like the button bar (BarFocus): Tab walks
// its buttons, Space and Return press the one with the dotted rectangle.
//
// States: 0 normal, 1 hover, 3 pressed (hover and pressed look alike).

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/ui/BarFocus.h"
#include "toolkit/ui/ButtonPainter.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basWidgetPolling.h"
#include "toolkit/ui/clsBitmap.h"

class clsMiniBar : public QObject {
  Q_OBJECT

 public:
  static constexpr int32_t kTimerInterval = 1;
  static constexpr int32_t kLeftBarResource = 168;
  static constexpr int32_t kRightBarResource = 169;

  explicit clsMiniBar(QObject* parent = nullptr);
  ~clsMiniBar() override;

  // The picture becomes as wide as the buttons reach.
  void ReCalWidth();
  void SetOPPicture(PictureBox* picture);
  PictureBox* OPPicture() const { return picture_; }
  // Stops the timer, sets it to 1 ms and keeps it.
  void SetMenuTimer(QTimer* timer);
  void SetEnabled(bool enabled);
  bool Enabled() const;
  // Re-dimensions the per-button arrays; their contents are not kept.
  void SetButtonCount(int32_t count);
  int32_t ButtonCount() const { return static_cast<int32_t>(states_.size()); }
  // A size x size button right of the previous one; `unused` as the windows
  // pass it.
  void SetButton(int32_t index, int32_t size, int32_t unused, int32_t imageId, const std::string& toolTip);
  // Draws every button normal and shows the picture.
  void Refresh();

  int32_t State(int32_t index) const;
  ButtonRect Rect(int32_t index) const;
  std::string ToolTipText(int32_t index) const;
  int32_t ImageId(int32_t index) const;

  // Composes a bitmap resource over `backColour` (clsBitmap::LoadKeyedResImage).
  static void MakeKeyedImage(clsBitmap& bitmap, int32_t resourceId, gdi::COLORREF backColour);
  // The same composition copied at its own size to (x, y) of the picture.
  static void DrawMiniImage(PictureBox* picture, int32_t resourceId, int32_t x, int32_t y,
                            gdi::COLORREF backColour);

  // One poll of the pointer, as the timer runs it.
  void Tick();
  // One look at the pointer, polled or from a mouse event.
  void Step(const basWidgetPolling::Sample& s);

 signals:
  void Click(int32_t index);

 private:
  bool Valid(int32_t index) const { return index >= 0 && index < ButtonCount(); }
  void DrawMiniButton(int32_t index, int32_t state);
  int32_t ButtonFromPoint(int32_t x, int32_t y) const;

  QPointer<PictureBox> picture_;
  basWidgetPolling::PointerWatch watch_;
  std::vector<std::string> toolTips_;
  std::vector<int32_t> imageIds_;
  std::vector<int32_t> states_;
  std::vector<ButtonRect> rects_;
  bool previousPress_ = false;
  clsBitmap leftBar_;
  clsBitmap rightBar_;
  BarFocus focus_;
};
