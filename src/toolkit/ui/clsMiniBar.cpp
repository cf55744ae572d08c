#include "toolkit/ui/clsMiniBar.h"

#include <algorithm>

clsMiniBar::clsMiniBar(QObject* parent)
    : QObject(parent),
      watch_([this](const basWidgetPolling::Sample& s) { Step(s); }),
      focus_({[this] { return ButtonCount(); }, [](int32_t) { return true; },
              [this](int32_t i) { DrawMiniButton(i, states_[static_cast<size_t>(i)]); },
              [this] {
                if (picture_) picture_->Refresh();
              },
              [this](int32_t i) {
                const QPointer<PictureBox> picture = picture_;
                emit Click(i);
                // What the button did may have put the focus into the page
                // (a grid filled again); the keys stay on the bar they were
                // pressed on while it is there to take them.
                if (picture && picture->isVisible() && picture->isEnabled()) picture->setFocus(Qt::OtherFocusReason);
              }}) {
  MakeKeyedImage(leftBar_, kLeftBarResource, gdi::kWhite);
  MakeKeyedImage(rightBar_, kRightBarResource, gdi::kWhite);
}

clsMiniBar::~clsMiniBar() = default;

void clsMiniBar::SetOPPicture(PictureBox* picture) {
  picture_ = picture;
  watch_.SetPicture(picture);
  focus_.SetPicture(picture);
}

void clsMiniBar::MakeKeyedImage(clsBitmap& bitmap, int32_t resourceId, gdi::COLORREF backColour) {
  bitmap.LoadKeyedResImage(resourceId, backColour);
}

void clsMiniBar::DrawMiniImage(PictureBox* picture, int32_t resourceId, int32_t x, int32_t y,
                               gdi::COLORREF backColour) {
  if (picture == nullptr) return;
  clsBitmap image;
  MakeKeyedImage(image, resourceId, backColour);
  picture->hDC().BitBlt(x, y, image.Width(), image.Height(), image.hDC(), 0, 0);
}

void clsMiniBar::ReCalWidth() {
  if (!picture_) return;
  const int32_t width = ButtonCount() == 0 ? 0 : rects_.back().Left + rects_.back().Width;
  picture_->SetPixelSize(width, picture_->height());
}

void clsMiniBar::SetMenuTimer(QTimer* timer) { watch_.SetTimer(timer, kTimerInterval); }

void clsMiniBar::SetEnabled(bool enabled) { watch_.SetEnabled(enabled); }

bool clsMiniBar::Enabled() const { return watch_.Enabled(); }

void clsMiniBar::SetButtonCount(int32_t count) {
  const auto n = static_cast<size_t>(std::max(count, 0));
  toolTips_.assign(n, "");
  imageIds_.assign(n, 0);
  states_.assign(n, 0);
  rects_.assign(n, ButtonRect{});
}

void clsMiniBar::SetButton(int32_t index, int32_t size, int32_t /*unused*/, int32_t imageId,
                           const std::string& toolTip) {
  if (!Valid(index)) return;
  imageIds_[index] = imageId;
  toolTips_[index] = toolTip;
  ButtonRect& r = rects_[index];
  r.Width = size;
  r.Height = size;
  r.Left = index == 0 ? 0 : rects_[index - 1].Left + rects_[index - 1].Width;
  r.Top = 0;
}

void clsMiniBar::Refresh() {
  for (int32_t i = 0; i < ButtonCount(); ++i) DrawMiniButton(i, 0);
  if (picture_) picture_->Refresh();
}

int32_t clsMiniBar::State(int32_t index) const { return Valid(index) ? states_[index] : 0; }

ButtonRect clsMiniBar::Rect(int32_t index) const { return Valid(index) ? rects_[index] : ButtonRect{}; }

std::string clsMiniBar::ToolTipText(int32_t index) const { return Valid(index) ? toolTips_[index] : ""; }

int32_t clsMiniBar::ImageId(int32_t index) const { return Valid(index) ? imageIds_[index] : 0; }

void clsMiniBar::DrawMiniButton(int32_t index, int32_t state) {
  if (!Valid(index)) return;
  if (picture_) {
    const ButtonRect& r = rects_[index];
    clsBitmap tile;
    tile.CreateBlankBitmap(r.Width, r.Height, gdi::kWhite);
    if (state == 1 || state == 3) {
      tile.hDC().BitBlt(2, 0, leftBar_.Width(), leftBar_.Height(), leftBar_.hDC(), 0, 0);
      tile.hDC().BitBlt(tile.Width() - 5, 0, rightBar_.Width(), rightBar_.Height(), rightBar_.hDC(), 0, 0);
    }
    picture_->hDC().BitBlt(r.Left, r.Top, tile.Width(), tile.Height(), tile.hDC(), 0, 0);
    if (imageIds_[index] > 0) DrawMiniImage(picture_, imageIds_[index], r.Left + 5, r.Top, gdi::kWhite);
    // The focus runs round the tile's edge, clear of its image.
    if (focus_.Shows(index)) {
      ButtonPainter::DrawFocusRect(picture_->hDC(), {r.Width + 6, r.Height + 6, r.Left - 3, r.Top - 3});
    }
  }
  states_[index] = state;
}

int32_t clsMiniBar::ButtonFromPoint(int32_t x, int32_t y) const {
  for (int32_t i = 0; i < ButtonCount(); ++i) {
    if (rects_[i].Contains(x, y)) return i;
  }
  return -1;
}

void clsMiniBar::Tick() { watch_.Poll(); }

void clsMiniBar::Step(const basWidgetPolling::Sample& s) {
  if (!picture_) return;
  if (basWidgetPolling::BlockedByModal(picture_)) {
    previousPress_ = s.pressed;
    watch_.KeepPolling(false);
    return;
  }
  bool drawn = false;
  int32_t clicked = -1;
  auto draw = [&](int32_t i, int32_t state) {
    DrawMiniButton(i, state);
    drawn = true;
  };
  const int32_t b = s.overPicture ? ButtonFromPoint(s.x, s.y) : -1;
  for (int32_t i = 0; i < ButtonCount(); ++i) {
    if (i != b && states_[i] != 0) draw(i, 0);
  }
  if (b >= 0) {
    if (!previousPress_) {
      const int32_t wanted = s.pressed ? 3 : 1;
      if (states_[b] != wanted) {
        draw(b, wanted);
        picture_->SetToolTipText(toolTips_[b]);
      }
    } else if (!s.pressed && states_[b] == 3) {
      draw(b, 0);
      clicked = b;
    }
  }
  previousPress_ = s.pressed;
  if (drawn) picture_->Refresh();
  watch_.KeepPolling(s.overPicture || (s.pressed && std::find(states_.begin(), states_.end(), 3) != states_.end()));
  // Raised last: the handler may close the page and destroy this bar.
  if (clicked >= 0) emit Click(clicked);
}
