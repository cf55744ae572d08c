#include "toolkit/ui/basButtonMocks.h"

#include <QWidget>
#include <algorithm>
#include <array>

#include "toolkit/ui/ButtonPainter.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsBitmap.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsMiniBar.h"

namespace basButtonMocks {

namespace {

constexpr int32_t kButtonHeight = 24;
constexpr int32_t kImageWidth = 16;  // the Save and Open images
constexpr int32_t kButtonSpacer = 4;
constexpr int32_t kMiniButtonSize = 25;

// The main bar's quick buttons.
struct Quick {
  int32_t left;
  const char* caption;
  int32_t image;
};
constexpr std::array<Quick, 2> kQuick = {{{8, "Open", kOpenImage}, {44, "Save", kSaveImage}}};
constexpr int32_t kQuickWidth = 26, kQuickHeight = 30;

void DrawSingleLine(PictureBox* picture, const std::string& text, const gdi::Rect& rect) {
  picture->hDC().DrawText(text, rect, gdi::DT_LEFT | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
}

void UseArial(PictureBox* picture, bool bold) {
  picture->SetForeColor(gdi::kBlack);
  StdFont font;
  font.Name = "Arial";
  font.Size = 8.25;
  font.Bold = bold;
  picture->SetFont(font);
}

void CopyResource(PictureBox* picture, int32_t resourceId, int32_t x, int32_t y) {
  clsBitmap image;
  image.LoadResImage(resourceId);
  picture->hDC().BitBlt(x, y, image.Width(), image.Height(), image.hDC(), 0, 0);
}

}  // namespace

void SetUpButtonBar(clsButton& bar, PictureBox* picture, QTimer* timer, int32_t buttonWidth,
                    const std::vector<std::string>& captions, bool firstHasImage) {
  const bool white = picture != nullptr && picture->BackColor() == gdi::kWhite;
  bar.SetPictureControl(picture);
  bar.SetTimer(timer);
  if (white) bar.SetBackColor(gdi::kWhite);
  const auto n = static_cast<int32_t>(captions.size());
  bar.SetButtons(n);
  bar.SetImageCount(n);
  for (int32_t i = 0; i < n; ++i) {
    const std::string& caption = captions[static_cast<size_t>(i)];
    // The installed font can be wider than the widths allow for: the button
    // widens to its caption rather than drawing it smaller
    // than its neighbours' (3 pixels each side, and the image's width).
    int32_t width = buttonWidth;
    if (picture != nullptr) {
      const int32_t image = firstHasImage ? kImageWidth : 0;
      width = std::max(width, picture->hDC().GetTextExtent(caption).cx + 6 + image);
    }
    if (i == 0 && firstHasImage) {
      bar.SetResourceButton(0, caption == "Save" ? kSaveImage : kOpenImage, width, kButtonHeight, caption);
    } else {
      bar.SetTextButton(i, width, kButtonHeight, caption);
    }
  }
  for (int32_t i = 1; i < n; ++i) bar.AddSpacerAfterButton(i - 1, kButtonSpacer);
  // The picture holds the whole bar.
  if (picture != nullptr && n > 0) {
    const ButtonRect last = bar.Rect(n - 1);
    picture->resize(std::max(picture->width(), last.Left + last.Width + 1), picture->height());
  }
  bar.DrawFullToolbar();
  bar.SetEnabled(true);
  if (picture != nullptr) picture->Refresh();
}

void SetUpSaveCancelButtons(clsButton& bar, PictureBox* picture, QTimer* timer) {
  SetUpButtonBar(bar, picture, timer, 72, {"Save", "Cancel"}, true);
}

void SetUpOKCancelButtons(clsButton& bar, PictureBox* picture, QTimer* timer) {
  SetUpButtonBar(bar, picture, timer, 72, {"OK", "Cancel"}, false);
}

void SetUpMiniBar(clsMiniBar& bar, PictureBox* picture, QTimer* timer, int32_t height, int32_t kind) {
  struct MiniButton {
    const char* toolTip;
    int32_t imageId;
  };
  std::vector<MiniButton> buttons;
  switch (kind) {
    case 0:
      buttons = {{"Apply Scoring System", 161},
                 {"Change Display Grid", 159},
                 {"Export Grid To File", 160},
                 {"Projected Stats Properties", 167}};
      break;
    case 1:
      buttons = {{"Change Display Grid", 159}, {"Export Grid To File", 160}};
      break;
    case 2:
      buttons = {{"Export Grid To File", 160}};
      break;
    default:
      break;  // an unknown kind gives an empty bar
  }
  if (picture != nullptr) picture->SetPixelSize(picture->width(), height);
  bar.SetOPPicture(picture);
  bar.SetMenuTimer(timer);
  bar.SetButtonCount(static_cast<int32_t>(buttons.size()));
  for (int32_t i = 0; i < static_cast<int32_t>(buttons.size()); ++i) {
    const MiniButton& b = buttons[static_cast<size_t>(i)];
    bar.SetButton(i, kMiniButtonSize, 18, b.imageId, b.toolTip);
  }
  bar.ReCalWidth();
  bar.Refresh();
  bar.SetEnabled(true);
}

void PaintResourceImage(PictureBox* picture, int32_t resourceId) {
  if (picture == nullptr) return;
  CopyResource(picture, resourceId, 0, 0);
  picture->Refresh();
}

void DrawChangeGridImage(PictureBox* picture) { PaintResourceImage(picture, kGridImage); }

void DrawCheckBoxImages(PictureBox* unchecked, PictureBox* checked) {
  if (unchecked != nullptr) {
    unchecked->SetPixelSize(14, 14);
    PaintResourceImage(unchecked, kUncheckedBox);
  }
  if (checked != nullptr) {
    checked->SetPixelSize(14, 14);
    PaintResourceImage(checked, kCheckedBox);
  }
}

void DrawArialCaption(PictureBox* picture, const std::string& text, int32_t left, int32_t top) {
  if (picture == nullptr) return;
  UseArial(picture, false);
  // The bottom is 15 whatever the top: callers draw on the first row.
  DrawSingleLine(picture, text, {left, top, left + 50, 15});
  picture->Refresh();
}

int32_t PageTitle(int32_t pageCode, std::string& title) {
  switch (pageCode) {
    case 0:
      title = "Kickwell Draftyard Project";
      return 157;
    case 1:
      title = "Projected Stats";
      return 149;
    case 2:
      title = "Scoring System";
      return 148;
    case 3:
      title = "League Properties";
      return 147;
    case 4:
      title = "Draft Strategies";
      return 154;
    case 5:
      title = "Cheat Sheet Project";
      return 146;
    case 6:
      title = "Draft Board";
      return 147;
    case 7:
      title = "Display Grids";
      return 152;
    case 8:
      title = "Mock Draft Document";
      return 151;
    case 9:
      title = "User Generated Mock Draft";
      return 158;
    case 11:
      title = "Projected Stat Strain";
      return 149;
    default:
      title.clear();
      return 0;
  }
}

void DrawPageTitleImage(int32_t pageCode, PictureBox* picture) {
  if (picture == nullptr) return;
  std::string title;
  const int32_t id = PageTitle(pageCode, title);
  if (id != 0) PaintResourceImage(picture, id);
}

void DrawTitleImage(const std::string& text, PictureBox* picture, int32_t pageCode) {
  if (picture == nullptr) return;
  std::string title;
  const int32_t id = PageTitle(pageCode, title);
  gdi::Rect rect{34, 8, 334, 22};
  if (id != 0) {
    CopyResource(picture, id, 0, 0);
  } else {
    rect.left = 4;
  }
  UseArial(picture, true);
  DrawSingleLine(picture, text, rect);
  picture->Refresh();
}

void DrawPageTitleAt(int32_t pageCode, PictureBox* picture, int32_t x, int32_t y) {
  if (picture == nullptr) return;
  std::string title;
  const int32_t id = PageTitle(pageCode, title);
  gdi::Rect rect{x + 36, y, x + 36 + 150, y + 14};
  if (id != 0) {
    CopyResource(picture, id, x, 0);
  } else {
    rect.left = 8;
  }
  UseArial(picture, true);
  DrawSingleLine(picture, title, rect);
  picture->Refresh();
}

void DrawOpenSaveImages(PictureBox* open, PictureBox* save, QWidget* firstLabel, QWidget* secondLabel) {
  constexpr int32_t kMargin = 2, kGap = 10;
  int32_t nextLeft = 8;
  const std::array<PictureBox*, 2> pictures = {open, save};
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    PictureBox* picture = pictures[i];
    if (picture == nullptr) continue;
    // As wide as the caption needs with a margin at each side, never
    // narrower than the design; the image stays centred over it.
    const int32_t width =
        std::max(kQuickWidth, picture->hDC().GetTextExtent(kQuick[i].caption).cx + 2 * kMargin);
    const int32_t left = std::max(kQuick[i].left, nextLeft);
    picture->setGeometry(left, 0, width, kQuickHeight);
    nextLeft = left + width + kGap;
    picture->SetToolTipText(kQuick[i].caption);
    DrawQuickButton(picture, static_cast<int32_t>(i), false);
  }
  if (firstLabel != nullptr) firstLabel->hide();
  if (secondLabel != nullptr) secondLabel->hide();
}

void DrawQuickButton(PictureBox* picture, int32_t index, bool focused) {
  if (picture == nullptr || index < 0 || index >= static_cast<int32_t>(kQuick.size())) return;
  const Quick& q = kQuick[static_cast<std::size_t>(index)];
  const int32_t width = picture->width();
  picture->Cls();
  picture->hDC().DrawText(q.caption, {0, 16, width, kQuickHeight},
                          gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
  CopyResource(picture, q.image, 3 + (width - kQuickWidth) / 2, 2);
  if (focused) ButtonPainter::DrawPictureFocusRect(picture->hDC());
  picture->Refresh();
}

}  // namespace basButtonMocks
