#pragma once
// The drawing surface of the owner-drawn widgets and title pictures: a
// frameless widget that keeps what is drawn on it in a persistent image the
// size of the widget, and shows that image when it repaints. Code draws on
// hDC() and calls Refresh() to show the result.
//
// The image has the widget's device pixel ratio: code draws in logical
// pixels and stays sharp on a scaled screen.
//
// Setting the back colour clears the image
// to it; the fore colour is the text colour of hDC(); text is drawn over
// what is there (transparent background).

#include <QRect>
#include <QWidget>
#include <cstdint>
#include <string>

#include "platform/gdi/MemoryDC.h"
#include "toolkit/ui/StdFont.h"

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // The image always has the widget's current size, also while the widget
  // is hidden and has not been told of its size yet.
  gdi::MemoryDC& hDC() {
    SyncSize();
    return dc_;
  }
  const gdi::MemoryDC& hDC() const {
    SyncSize();
    return dc_;
  }

  gdi::COLORREF BackColor() const { return backColour_; }
  void SetBackColor(gdi::COLORREF colour);
  gdi::COLORREF ForeColor() const { return dc_.TextColor(); }
  void SetForeColor(gdi::COLORREF colour) { dc_.SetTextColor(colour); }
  const StdFont& Font() const { return font_; }
  void SetFont(const StdFont& font);
  std::string ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text);

  // Clears the image to the back colour.
  void Cls();
  // Shows what has been drawn on hDC().
  void Refresh();
  // Width and height in pixels (the picture in pixel scale).
  void SetPixelSize(int32_t width, int32_t height);
  int32_t ScaleWidth() const { return hDC().Width(); }
  int32_t ScaleHeight() const { return hDC().Height(); }
  // The widget's rectangle in global screen pixels.
  QRect WindowRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SyncSize() const;

  mutable gdi::MemoryDC dc_;
  gdi::COLORREF backColour_;
  StdFont font_;
  std::string toolTip_;
};
