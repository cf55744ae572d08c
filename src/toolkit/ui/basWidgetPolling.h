#pragma once
// What one timer tick of an owner-drawn widget reads: the left mouse button,
// and whether the cursor is over the widget's picture and where. The
// pointer comes from the pointer seam, so tests drive the widgets with a
// scripted pointer.

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

}  // namespace basWidgetPolling
