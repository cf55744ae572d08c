#pragma once
// The look every window of the application shares: the button-face colour
// behind its controls (so that the owner-drawn button strips blend in) and
// its font, given by the face name the window was designed with.

#include <QFont>
#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

class PictureBox;
class QWidget;

namespace basFormLook {

// A window's font at 8.25 points on the fixed 96-dpi screen.
QFont FormFont(const std::string& faceName, bool bold = false);

// The application's one palette (the colour scheme's button face behind
// windows and buttons, white fields, the system selection colours), its
// one widget style and its font, "Arial" 8.25, so that Qt's own boxes and
// dialogs look of one piece with the owner-drawn windows. Called once at
// start-up, before the first window shows.
void ApplyApplicationLook();

// Button-face background and FormFont(faceName) for the window and what
// it holds.
void Apply(QWidget* form, const std::string& faceName);

// The icon of the owner's window, or the application's without an owner.
void UseOwnerIcon(QWidget* form, const QWidget* owner);

// Places a window that is about to show centred over the owner's window,
// or over the screen's free area when there is no owner.
void CentreOver(QWidget* form, const QWidget* owner);

// A picture filling a one-pixel sunken frame; `frame` is the frame's
// rectangle on the parent, in pixels.
PictureBox* SunkenPicture(QWidget* parent, const QRect& frame);

// Tab goes from each widget of `chain` to the next, as the window reads.
// Each must take the focus by Tab already: Qt leaves one that does not
// where it was.
void SetTabChain(const std::vector<QWidget*>& chain);

// Twips of a window's design to whole pixels.
int32_t Px(int32_t twips);

}  // namespace basFormLook
