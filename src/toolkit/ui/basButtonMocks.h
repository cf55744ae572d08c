#pragma once
// How every window sets up its button bars and mini tool bars and paints its
// title pictures, check-box pictures and the main bar's Open and Save
// pictures, so that all windows look alike.

#include <QTimer>
#include <cstdint>
#include <string>
#include <vector>

class PictureBox;
class QWidget;
class clsButton;
class clsMiniBar;

namespace basButtonMocks {

// Bitmap resources used here.
inline constexpr int32_t kSaveImage = 144;     // floppy disk, 16 x 16
inline constexpr int32_t kOpenImage = 150;     // open folder, 16 x 16
inline constexpr int32_t kGridImage = 159;     // mini-bar grid
inline constexpr int32_t kUncheckedBox = 162;  // 14 x 14
inline constexpr int32_t kCheckedBox = 163;    // 14 x 14

// Buttons of `buttonWidth` x 24, 9 pixels apart, the first 5 from the left;
// the first one shows the floppy disk ("Save") or the open folder (any other
// caption) when `firstHasImage`. A white picture gives a white bar. A
// caption wider than its button widens it, and the picture grows to hold
// the bar.
void SetUpButtonBar(clsButton& bar, PictureBox* picture, QTimer* timer, int32_t buttonWidth,
                    const std::vector<std::string>& captions, bool firstHasImage);
void SetUpSaveCancelButtons(clsButton& bar, PictureBox* picture, QTimer* timer);
void SetUpOKCancelButtons(clsButton& bar, PictureBox* picture, QTimer* timer);

// Kinds 0 (four buttons), 1 (two) and 2 (one); any other kind gives a bar
// without buttons. `height` is in pixels.
void SetUpMiniBar(clsMiniBar& bar, PictureBox* picture, QTimer* timer, int32_t height, int32_t kind);

// Copies a bitmap resource at its own size to (0,0) of the picture.
void PaintResourceImage(PictureBox* picture, int32_t resourceId);
void DrawChangeGridImage(PictureBox* picture);
// Both pictures become 14 x 14: the empty box in A, the ticked box in B.
void DrawCheckBoxImages(PictureBox* unchecked, PictureBox* checked);
// Black "Arial" 8.25 text in (left, top, left + 50, 15).
void DrawArialCaption(PictureBox* picture, const std::string& text, int32_t left, int32_t top);

// The page's title and title picture (0 and "" for a page without one).
int32_t PageTitle(int32_t pageCode, std::string& title);
void DrawPageTitleImage(int32_t pageCode, PictureBox* picture);
// The caller's text in bold beside the page's title picture.
void DrawTitleImage(const std::string& text, PictureBox* picture, int32_t pageCode);
// The page's title picture at (x, 0) and its title in bold beside it.
void DrawPageTitleAt(int32_t pageCode, PictureBox* picture, int32_t x, int32_t y);
// The main bar's two quick buttons: folder and floppy pictures with their
// captions; the two labels they replace are hidden.
void DrawOpenSaveImages(PictureBox* open, PictureBox* save, QWidget* firstLabel, QWidget* secondLabel);
// One of them (0 Open, 1 Save) drawn again at its size, with the dotted
// focus rectangle round it when `focused`.
void DrawQuickButton(PictureBox* picture, int32_t index, bool focused);

}  // namespace basButtonMocks
