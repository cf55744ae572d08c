#include "toolkit/ui/clsButton.h"

#include <algorithm>

#include "platform/gdi/SysColor.h"

namespace {

// The look each state is drawn in.
int32_t LookOf(int32_t state) {
  switch (state) {
    case 0:
      return ButtonPainter::kNormal;
    case 1:
      return ButtonPainter::kHot;
    case 2:
      return ButtonPainter::kSelected;
    case 3:
      return ButtonPainter::kPressed;
    case 4:
      return ButtonPainter::kDisabled;
    default:
      return ButtonPainter::kNormal;
  }
}

}  // namespace

clsButton::clsButton(QObject* parent)
    : QObject(parent),
      watch_([this](const basWidgetPolling::Sample& s) { Step(s); }),
      backColour_(gdi::GetSysColor(gdi::COLOR_BTNFACE)),
      focus_({[this] { return Buttons(); }, [this](int32_t i) { return ButtonEnabled(i); },
              [this](int32_t i) { DrawButton(LookOf(states_[static_cast<size_t>(i)]), i); },
              [this] {
                if (picture_) picture_->Refresh();
              },
              [this](int32_t i) { emit Click(i); }}) {}

clsButton::~clsButton() = default;

void clsButton::SetPictureControl(PictureBox* picture) {
  picture_ = picture;
  watch_.SetPicture(picture);
  focus_.SetPicture(picture);
  if (picture_) picture_->SetBackColor(backColour_);
}

void clsButton::SetTimer(QTimer* timer) { watch_.SetTimer(timer, kTimerInterval); }

void clsButton::SetEnabled(bool enabled) { watch_.SetEnabled(enabled); }

bool clsButton::Enabled() const { return watch_.Enabled(); }

void clsButton::SetBackColor(gdi::COLORREF colour) {
  backColour_ = colour;
  if (picture_) picture_->SetBackColor(colour);
}

void clsButton::SetButtons(int32_t count) {
  const auto n = static_cast<size_t>(std::max(count, 0));
  states_.resize(n, 0);
  captions_.resize(n);
  toolTips_.resize(n);
  rects_.resize(n);
}

void clsButton::ForceHover(int32_t index) { SetButtonState(index, 1); }

void clsButton::ForceState(int32_t index, int32_t state) { SetButtonState(index, state); }

void clsButton::SetButtonEnabled(int32_t index, bool enabled) {
  if (!Valid(index)) return;
  const int32_t wanted = enabled ? 0 : 4;
  if (enabled ? states_[index] == 0 : states_[index] == 4) return;
  SetButtonState(index, wanted);
  if (picture_) picture_->Refresh();
}

bool clsButton::ButtonEnabled(int32_t index) const { return Valid(index) && states_[index] != 4; }

void clsButton::SetTabSelected(int32_t index, bool selected) {
  if (!Valid(index)) return;
  SetButtonState(index, selected ? 2 : 0);
  if (picture_) picture_->Refresh();
}

bool clsButton::TabSelected(int32_t index) const { return Valid(index) && states_[index] == 2; }

void clsButton::SetToolTipText(int32_t index, const std::string& text) {
  if (Valid(index)) toolTips_[index] = text;
}

std::string clsButton::ToolTipText(int32_t index) const { return Valid(index) ? toolTips_[index] : ""; }

void clsButton::SetTabText(int32_t index, const std::string& text) {
  if (Valid(index)) captions_[index] = text;
}

std::string clsButton::TabText(int32_t index) const { return Valid(index) ? captions_[index] : ""; }

void clsButton::SetImageCount(int32_t count) { images_.resize(static_cast<size_t>(std::max(count, 0))); }

void clsButton::Image(int32_t index, int32_t resourceId) {
  if (index < 0) return;
  if (index >= ImageCount()) SetImageCount(index + 1);
  auto img = std::make_unique<clsBitmap>();
  img->LoadResImage(resourceId);
  images_[index] = std::move(img);
}

void clsButton::DownButton() {
  if (!Valid(0)) return;
  DrawButton(ButtonPainter::kPressed, 0);
  if (picture_) picture_->Refresh();
}

void clsButton::AddSpacerAfterButton(int32_t index, int32_t pixels) {
  for (int32_t i = std::max(index + 1, 0); i < Buttons(); ++i) rects_[i].Left += pixels;
}

void clsButton::DrawFullToolbar() {
  for (int32_t i = 0; i < Buttons(); ++i) DrawButton(ButtonPainter::kNormal, i);
}

void clsButton::SetResourceButton(int32_t index, int32_t resourceId, int32_t width, int32_t height,
                                  const std::string& caption) {
  if (!Valid(index)) return;
  Image(index, resourceId);
  SetTextButton(index, width, height, caption);
}

void clsButton::SetTextButton(int32_t index, int32_t width, int32_t height, const std::string& caption) {
  if (!Valid(index)) return;
  ButtonRect& r = rects_[index];
  r.Width = width;
  r.Height = height;
  r.Left = index == 0 ? kGap : rects_[index - 1].Left + rects_[index - 1].Width + kGap;
  r.Top = 0;
  captions_[index] = caption;
}

int32_t clsButton::State(int32_t index) const { return Valid(index) ? states_[index] : 0; }

ButtonRect clsButton::Rect(int32_t index) const { return Valid(index) ? rects_[index] : ButtonRect{}; }

void clsButton::SetButtonState(int32_t index, int32_t state) {
  if (!Valid(index)) return;
  DrawButton(LookOf(state), index);
  states_[index] = state;
}

void clsButton::DrawButton(int32_t look, int32_t index) {
  if (!picture_ || !Valid(index)) return;
  const clsBitmap* image = index < ImageCount() ? images_[index].get() : nullptr;
  ButtonPainter::DrawButton(picture_->hDC(), look, rects_[index], captions_[index], image, ImageCount() > 0);
  if (focus_.Shows(index)) ButtonPainter::DrawFocusRect(picture_->hDC(), rects_[index]);
}

int32_t clsButton::ButtonFromPoint(int32_t x, int32_t y) const {
  for (int32_t i = 0; i < Buttons(); ++i) {
    if (rects_[i].Contains(x, y)) return i;
  }
  return Buttons();
}

void clsButton::Tick() { watch_.Poll(); }

void clsButton::Step(const basWidgetPolling::Sample& s) {
  if (!picture_) return;
  if (basWidgetPolling::BlockedByModal(picture_)) {
    previousPress_ = s.pressed;
    watch_.KeepPolling(false);
    return;
  }
  bool redrawn = false;
  int32_t clicked = -1;
  auto setState = [&](int32_t i, int32_t state) {
    SetButtonState(i, state);
    redrawn = true;
  };
  auto resetAllBut = [&](int32_t keep) {
    for (int32_t i = 0; i < Buttons(); ++i) {
      if (i != keep && states_[i] != 0 && states_[i] != 4) setState(i, 0);
    }
  };

  const int32_t b = s.overPicture ? ButtonFromPoint(s.x, s.y) : Buttons();
  if (!s.overPicture) {
    if (!s.pressed) {
      resetAllBut(-1);
      picture_->SetToolTipText("");
    } else {
      for (int32_t i = 0; i < Buttons(); ++i) {
        if (states_[i] == 3) setState(i, 0);
      }
    }
  } else if (b >= Buttons()) {
    resetAllBut(-1);
    picture_->SetToolTipText("");
  } else {
    resetAllBut(b);
    if (states_[b] == 4 || previousPress_) {
      if (!s.pressed && states_[b] == 3) {
        setState(b, 0);
        clicked = b;
      }
    } else {
      const int32_t wanted = s.pressed ? 3 : 1;
      if (states_[b] != wanted) {
        setState(b, wanted);
        picture_->SetToolTipText(toolTips_[b]);
      }
    }
  }
  previousPress_ = s.pressed;
  if (redrawn) picture_->Refresh();
  // Polling goes on while the pointer is over the bar or a press made on it
  // is still held, so that leaving with the button down is seen.
  watch_.KeepPolling(s.overPicture || (s.pressed && std::find(states_.begin(), states_.end(), 3) != states_.end()));
  // Raised last: the handler may close the window and destroy this bar.
  if (clicked >= 0) emit Click(clicked);
}
