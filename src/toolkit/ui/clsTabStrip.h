#pragma once
// The owner-drawn tab strip: a row of tabs built from twelve piece images,
// every tab pre-rendered in its three states (normal, hover, selected) into
// one back buffer, so that showing a tab is one block copy plus its caption.
// A 10 ms timer polls the pointer while it is over the strip, and Qt's own
// press events on the strip are looked at as well: a tab is selected, and
// Click raised, the moment the left button is found down over it, so
// dragging across the strip selects each tab in turn. Every press Qt
// delivers counts, also one that comes while the last Click's handler
// still runs: it is raised when that handler is done.
//
// The strip is one stop of Tab (a click does not take the focus); with the
// focus, a dotted rectangle marks the selected tab and Left and Right select
// the tab beside it. Ctrl+Tab and Ctrl+Shift+Tab select the next and the
// previous one, round from the last to the first, wherever the focus is in
// the panel the strip heads (the picture's parent). Each raises Click as a
// press on that tab would.
//
// Indices out of range are ignored by setters and answered with defaults by
// getters.

#include <QObject>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/ui/ButtonPainter.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basWidgetPolling.h"
#include "toolkit/ui/clsBitmap.h"

class clsTabStrip : public QObject {
  Q_OBJECT

 public:
  static constexpr int32_t kTimerInterval = 10;
  static constexpr int32_t kFirstResource = 109;
  static constexpr int32_t kPieceCount = 12;
  static constexpr gdi::COLORREF kFrameColour = gdi::Rgb(151, 157, 155);

  explicit clsTabStrip(QObject* parent = nullptr);
  ~clsTabStrip() override;

  // The whole set-up: timer, pictures, captions, piece images, layout, first
  // paint, polling on, frame drawn and tab 0 selected.
  void InitializeTab(PictureBox* picture, PictureBox* border, QTimer* timer,
                     const std::vector<std::string>& captions);

  void SetPictureBorder(PictureBox* border) { border_ = border; }
  // Stores the picture and gives it the strip's back colour.
  void SetPictureControl(PictureBox* picture);
  PictureBox* PictureControl() const { return picture_; }
  // Stores the timer: interval 10 ms, stopped.
  void SetTimer(QTimer* timer);
  void SetEnabled(bool enabled);
  bool Enabled() const;
  // The colour pieces are composed over; the picture is not recoloured.
  void SetBackColor(gdi::COLORREF colour) { backColour_ = colour; }
  gdi::COLORREF BackColor() const { return backColour_; }

  void SetTabs(int32_t count);
  int32_t Tabs() const { return static_cast<int32_t>(states_.size()); }
  // Selects (state 2) or clears (state 0) one tab; others are not touched.
  void SetTabSelected(int32_t index, bool selected);
  bool TabSelected(int32_t index) const;
  void RedrawTab(int32_t index);
  void RefreshTab();
  void RefreshBorder();
  // The frame around the page, the strip's bottom line, then the tab shown
  // selected.
  void RedrawBorder(int32_t index);
  void SetToolTipText(int32_t index, const std::string& text);
  std::string ToolTipText(int32_t index) const;
  void SetTabText(int32_t index, const std::string& text);
  std::string TabText(int32_t index) const;
  void SetFont(const std::string& name) { font_ = name; }
  std::string Font() const { return font_; }
  void SetImageCount(int32_t count);
  int32_t ImageCount() const { return static_cast<int32_t>(images_.size()); }
  // Piece image `index` from a bitmap resource, composed over the back colour.
  void Image(int32_t index, int32_t resourceId);
  void AddSpacerAfterButton(int32_t index, int32_t pixels);
  // Copies the whole back buffer to (0,0) of `dc`.
  void DebugOut(gdi::MemoryDC& dc) const;
  void DrawFullToolbar();
  // Lays the tabs out from their captions and renders the back buffer.
  void CreateButtons();

  int32_t State(int32_t index) const;
  ButtonRect ScreenRect(int32_t index) const;
  ButtonRect SourceRect(int32_t index, int32_t state) const;
  const clsBitmap& BackBuffer() const { return buffer_; }
  const clsBitmap* Piece(int32_t index) const;

  // One poll of the pointer, as the timer runs it.
  void Tick();
  // One look at the pointer, polled or from a mouse event.
  void Step(const basWidgetPolling::Sample& s);

 signals:
  void Click(int32_t index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Valid(int32_t index) const { return index >= 0 && index < Tabs(); }
  static int32_t SourceIndex(int32_t index, int32_t state) { return index * 3 + state; }
  int32_t PieceWidth(int32_t image) const;
  int32_t PieceHeight(int32_t image) const;
  void DrawImagePiece(gdi::MemoryDC& dc, int32_t image, int32_t& x, int32_t y, int32_t width, int32_t height);
  void FillTabMiddle(int32_t sourceIndex, bool selected, int32_t& x);
  void SetTabState(int32_t index, int32_t state);
  void DrawTabText(int32_t index);
  int32_t TabFromPoint(int32_t x, int32_t y) const;
  // Selects a pressed tab (clearing the others); False when it already was.
  bool SelectPressed(int32_t tab);
  // Raises Click for `tab`, then for a press that came during its handler.
  void RaiseClicks(int32_t tab);
  // The selected tab, -1 when none is.
  int32_t SelectedTab() const;
  // Left, Right, Ctrl+Tab and Ctrl+Shift+Tab; False for other keys.
  bool KeyPress(int key, Qt::KeyboardModifiers modifiers);
  // Selects the tab `step` from the selected one (round the ends when
  // `round`) and raises Click; the focus stays where it was.
  void Move(int32_t step, bool round);

  QPointer<PictureBox> picture_;
  QPointer<PictureBox> border_;
  basWidgetPolling::PointerWatch watch_;
  gdi::COLORREF backColour_;
  std::vector<int32_t> states_;
  std::vector<std::string> captions_;
  std::vector<std::string> toolTips_;
  std::vector<ButtonRect> screen_;
  std::vector<ButtonRect> source_;
  std::vector<std::unique_ptr<clsBitmap>> images_;
  clsBitmap buffer_;
  std::string font_;
  bool inClick_ = false;
  int32_t pendingClick_ = -1;
  bool hasFocus_ = false;
  std::vector<QPointer<QShortcut>> shortcuts_;
};
