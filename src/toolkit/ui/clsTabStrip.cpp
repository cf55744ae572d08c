#include "toolkit/ui/clsTabStrip.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "platform/gdi/SysColor.h"
#include "toolkit/ui/basDrawBorder.h"

namespace {

// Piece images by role.
constexpr int32_t kStripHeightPiece = 0;
constexpr int32_t kNormalMiddle = 1;
constexpr int32_t kSelectedMiddle = 2;
constexpr int32_t kSelectedLeft = 4;
constexpr int32_t kSelectedRight = 8;
constexpr int32_t kNormalLeft = 9;
constexpr int32_t kNormalRight = 10;
constexpr int32_t kSeparator = 11;

}  // namespace

clsTabStrip::clsTabStrip(QObject* parent)
    : QObject(parent),
      watch_([this](const basWidgetPolling::Sample& s) { Step(s); }),
      backColour_(gdi::GetSysColor(gdi::COLOR_BTNFACE)) {}

clsTabStrip::~clsTabStrip() {
  // They belong to the panel, which may outlive the strip.
  for (const QPointer<QShortcut>& shortcut : shortcuts_) delete shortcut.data();
}

void clsTabStrip::InitializeTab(PictureBox* picture, PictureBox* border, QTimer* timer,
                                const std::vector<std::string>& captions) {
  SetTimer(timer);
  SetPictureControl(picture);
  SetPictureBorder(border);
  SetTabs(static_cast<int32_t>(captions.size()));
  // A strip set up again forgets the tab selected before.
  std::fill(states_.begin(), states_.end(), 0);
  SetImageCount(kPieceCount);
  for (int32_t i = 0; i < kPieceCount; ++i) Image(i, kFirstResource + i);
  for (int32_t i = 0; i < static_cast<int32_t>(captions.size()); ++i)
    SetTabText(i, captions[static_cast<size_t>(i)]);
  CreateButtons();
  DrawFullToolbar();
  SetEnabled(true);
  RedrawBorder(0);
  SetTabSelected(0, true);
}

void clsTabStrip::SetPictureControl(PictureBox* picture) {
  if (picture_) picture_->removeEventFilter(this);
  picture_ = picture;
  watch_.SetPicture(picture);
  if (!picture_) return;
  picture_->SetBackColor(backColour_);
  picture_->setFocusPolicy(Qt::TabFocus);
  picture_->installEventFilter(this);
  hasFocus_ = picture_->hasFocus();
  for (const QPointer<QShortcut>& shortcut : shortcuts_) delete shortcut.data();
  shortcuts_.clear();
  // Ctrl+Tab and Ctrl+Shift+Tab reach the strip from the panel's controls.
  QWidget* panel = picture_->parentWidget();
  if (panel == nullptr) return;
  // The X server's keyboard map offers Ctrl+Shift+Tab for the key that
  // arrives as Ctrl+Shift+Backtab.
  for (const auto& [key, step] : {std::pair{Qt::CTRL | Qt::Key_Tab, 1}, std::pair{Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1}}) {
    auto* shortcut = new QShortcut(QKeySequence(key), panel);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, step] { Move(step, true); });
    shortcuts_.emplace_back(shortcut);
  }
}

void clsTabStrip::SetTimer(QTimer* timer) { watch_.SetTimer(timer, kTimerInterval); }

void clsTabStrip::SetEnabled(bool enabled) { watch_.SetEnabled(enabled); }

bool clsTabStrip::Enabled() const { return watch_.Enabled(); }

void clsTabStrip::SetTabs(int32_t count) {
  const auto n = static_cast<size_t>(std::max(count, 0));
  states_.resize(n, 0);
  captions_.resize(n);
  toolTips_.resize(n);
  screen_.resize(n);
  source_.resize(3 * n + 1);
}

void clsTabStrip::SetTabSelected(int32_t index, bool selected) {
  if (!Valid(index)) return;
  SetTabState(index, selected ? 2 : 0);
  RefreshTab();
}

bool clsTabStrip::TabSelected(int32_t index) const { return Valid(index) && states_[index] == 2; }

void clsTabStrip::RedrawTab(int32_t index) {
  if (!Valid(index)) return;
  SetTabState(index, 2);
  RefreshTab();
}

void clsTabStrip::RefreshTab() {
  if (picture_) picture_->Refresh();
}

void clsTabStrip::RefreshBorder() {
  if (border_) border_->Refresh();
}

void clsTabStrip::RedrawBorder(int32_t index) {
  // The border picture holds nothing but the frame: a frame drawn at an
  // earlier size would stay inside it as a stray line.
  if (border_) border_->Cls();
  basDrawBorder::OutlinePicture(border_, kFrameColour);
  basDrawBorder::DrawBottomLine(picture_, kFrameColour);
  RedrawTab(index);
}

void clsTabStrip::SetToolTipText(int32_t index, const std::string& text) {
  if (Valid(index)) toolTips_[index] = text;
}

std::string clsTabStrip::ToolTipText(int32_t index) const { return Valid(index) ? toolTips_[index] : ""; }

void clsTabStrip::SetTabText(int32_t index, const std::string& text) {
  if (Valid(index)) captions_[index] = text;
}

std::string clsTabStrip::TabText(int32_t index) const { return Valid(index) ? captions_[index] : ""; }

void clsTabStrip::SetImageCount(int32_t count) { images_.resize(static_cast<size_t>(std::max(count, 0))); }

void clsTabStrip::Image(int32_t index, int32_t resourceId) {
  if (index < 0 || index >= ImageCount()) return;
  clsBitmap image;
  image.LoadKeyedResImage(resourceId, backColour_);  // throws before the slot changes
  if (!images_[index]) images_[index] = std::make_unique<clsBitmap>();
  *images_[index] = std::move(image);
}

void clsTabStrip::AddSpacerAfterButton(int32_t index, int32_t pixels) {
  for (int32_t i = std::max(index + 1, 0); i < Tabs(); ++i) screen_[i].Left += pixels;
}

void clsTabStrip::DebugOut(gdi::MemoryDC& dc) const {
  dc.BitBlt(0, 0, buffer_.Width(), buffer_.Height(), buffer_.hDC(), 0, 0);
}

const clsBitmap* clsTabStrip::Piece(int32_t index) const {
  return (index >= 0 && index < ImageCount()) ? images_[index].get() : nullptr;
}

int32_t clsTabStrip::PieceWidth(int32_t image) const {
  const clsBitmap* p = Piece(image);
  return p ? p->Width() : 0;
}

int32_t clsTabStrip::PieceHeight(int32_t image) const {
  const clsBitmap* p = Piece(image);
  return p ? p->Height() : 0;
}

void clsTabStrip::DrawImagePiece(gdi::MemoryDC& dc, int32_t image, int32_t& x, int32_t y, int32_t width,
                                 int32_t height) {
  if (const clsBitmap* p = Piece(image)) dc.BitBlt(x, y, width, height, p->hDC(), 0, 0);
  x += width;
}

void clsTabStrip::FillTabMiddle(int32_t sourceIndex, bool selected, int32_t& x) {
  const int32_t left = selected ? kSelectedLeft : kNormalLeft;
  const int32_t right = selected ? kSelectedRight : kNormalRight;
  const int32_t fill = selected ? kSelectedMiddle : kNormalMiddle;
  int32_t remaining = source_[static_cast<size_t>(sourceIndex)].Width - PieceWidth(left) - PieceWidth(right);
  const int32_t fillWidth = PieceWidth(fill);
  if (fillWidth <= 0) return;
  while (remaining > 0) {
    const int32_t piece = remaining < fillWidth ? remaining : fillWidth;
    DrawImagePiece(buffer_.hDC(), fill, x, 0, piece, PieceHeight(fill));
    remaining -= piece;
  }
}

void clsTabStrip::CreateButtons() {
  const int32_t height = PieceHeight(kStripHeightPiece);
  const int32_t edges = PieceWidth(kNormalLeft) + PieceWidth(kNormalRight);
  const gdi::MemoryDC measure = picture_ ? picture_->hDC() : gdi::MemoryDC();
  int32_t bufferOffset = 0;
  int32_t screenOffset = 1;
  for (int32_t i = 0; i < Tabs(); ++i) {
    const int32_t textWidth = measure.GetTextExtent(captions_[i]).cx;
    for (int32_t s = 0; s < 3; ++s) {
      ButtonRect& r = source_[static_cast<size_t>(SourceIndex(i, s))];
      r = {textWidth + edges, height, bufferOffset, 0};
      bufferOffset += r.Width;
    }
    const ButtonRect& normal = source_[static_cast<size_t>(SourceIndex(i, 0))];
    screen_[i] = {normal.Width, normal.Height, screenOffset, 0};
    screenOffset += normal.Width;
  }
  buffer_.CreateBlankBitmap(bufferOffset, height, backColour_);

  gdi::MemoryDC& dc = buffer_.hDC();
  // One tab face: left piece, middle fill, right piece, in the normal or the
  // selected pieces.
  auto drawFace = [&](int32_t sourceIndex, bool selectedPieces) {
    const int32_t left = selectedPieces ? kSelectedLeft : kNormalLeft;
    const int32_t right = selectedPieces ? kSelectedRight : kNormalRight;
    int32_t x = source_[static_cast<size_t>(sourceIndex)].Left;
    DrawImagePiece(dc, left, x, 0, PieceWidth(left), PieceHeight(left));
    FillTabMiddle(sourceIndex, selectedPieces, x);
    DrawImagePiece(dc, right, x, 0, PieceWidth(right), PieceHeight(right));
  };
  for (int32_t i = 0; i < Tabs(); ++i) {
    drawFace(SourceIndex(i, 0), false);
    drawFace(SourceIndex(i, 2), true);
    // The hover tab is the normal one wearing the selected tab's top band,
    // two pixels lower.
    drawFace(SourceIndex(i, 1), false);
    const ButtonRect hover = source_[static_cast<size_t>(SourceIndex(i, 1))];
    const ButtonRect selected = source_[static_cast<size_t>(SourceIndex(i, 2))];
    dc.BitBlt(hover.Left + 1, 2, hover.Width - 8, 3, dc, selected.Left, 0);
    dc.BitBlt(hover.Left + hover.Width - 7, 2, 6, 3, dc, selected.Left + selected.Width - 6, 0);
  }
}

void clsTabStrip::DrawFullToolbar() {
  if (!picture_) return;
  gdi::MemoryDC& dc = picture_->hDC();
  for (int32_t i = 0; i < Tabs(); ++i) {
    const ButtonRect& src = source_[static_cast<size_t>(SourceIndex(i, states_[i]))];
    const ButtonRect& dst = screen_[i];
    dc.BitBlt(dst.Left, dst.Top, dst.Width, dst.Height, buffer_.hDC(), src.Left, src.Top);
    if (i < Tabs() - 1) {
      if (const clsBitmap* sep = Piece(kSeparator)) {
        dc.BitBlt(dst.Left + dst.Width, dst.Top, sep->Width(), sep->Height(), sep->hDC(), 0, 0);
      }
    }
    DrawTabText(i);
  }
}

void clsTabStrip::SetTabState(int32_t index, int32_t state) {
  if (!Valid(index) || state < 0 || state > 2) return;
  states_[index] = state;
  if (picture_) {
    const ButtonRect& src = source_[static_cast<size_t>(SourceIndex(index, state))];
    const ButtonRect& dst = screen_[index];
    picture_->hDC().BitBlt(dst.Left, dst.Top, dst.Width, dst.Height, buffer_.hDC(), src.Left, src.Top);
    DrawTabText(index);
  }
}

void clsTabStrip::DrawTabText(int32_t index) {
  if (!picture_ || !Valid(index)) return;
  const ButtonRect& r = screen_[index];
  picture_->SetForeColor(gdi::kBlack);
  picture_->hDC().DrawText(captions_[index], {r.Left, 4, r.Left + r.Width, r.Height - 4},
                           gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
  if (hasFocus_ && states_[index] == 2) ButtonPainter::DrawFocusRect(picture_->hDC(), r);
}

int32_t clsTabStrip::TabFromPoint(int32_t x, int32_t y) const {
  for (int32_t i = 0; i < Tabs(); ++i) {
    if (screen_[i].Contains(x, y)) return i;
  }
  return Tabs();
}

int32_t clsTabStrip::State(int32_t index) const { return Valid(index) ? states_[index] : 0; }

ButtonRect clsTabStrip::ScreenRect(int32_t index) const {
  return Valid(index) ? screen_[index] : ButtonRect{};
}

ButtonRect clsTabStrip::SourceRect(int32_t index, int32_t state) const {
  if (!Valid(index) || state < 0 || state > 2) return {};
  return source_[static_cast<size_t>(SourceIndex(index, state))];
}

void clsTabStrip::Tick() { watch_.Poll(); }

void clsTabStrip::Step(const basWidgetPolling::Sample& s) {
  if (!picture_) return;
  if (basWidgetPolling::BlockedByModal(picture_)) {
    watch_.KeepPolling(false);
    return;
  }
  if (inClick_) {
    // A press Qt delivers while the last click's handler runs (it may yield
    // to the event loop) counts, once that handler is done. A poll
    // meanwhile reads a button state that the queued events have not
    // brought up to date yet, beside the pointer's position now: it is no
    // press of the person's.
    if (s.fromEvent && s.pressed && s.overPicture) {
      const int32_t tab = TabFromPoint(s.x, s.y);
      if (tab < Tabs()) pendingClick_ = tab;
    }
    return;
  }
  bool redrawn = false;
  int32_t clicked = -1;
  auto setState = [&](int32_t i, int32_t state) {
    SetTabState(i, state);
    redrawn = true;
  };
  auto clearHover = [&](int32_t keep) {
    for (int32_t i = 0; i < Tabs(); ++i) {
      if (i != keep && states_[i] == 1) setState(i, 0);
    }
  };

  if (!s.overPicture) {
    clearHover(-1);
  } else {
    const int32_t tab = TabFromPoint(s.x, s.y);
    if (tab >= Tabs()) {
      clearHover(-1);
      picture_->SetToolTipText("");
    } else if (!s.pressed) {
      clearHover(tab);
      if (states_[tab] == 0) setState(tab, 1);
    } else {
      if (SelectPressed(tab)) clicked = tab;
      redrawn = true;
    }
  }
  if (redrawn) picture_->Refresh();
  // A press selects at once, so only hover needs the polling.
  watch_.KeepPolling(s.overPicture);
  // Raised last: the handler may switch pages and destroy this strip.
  if (clicked >= 0) RaiseClicks(clicked);
}

bool clsTabStrip::SelectPressed(int32_t tab) {
  for (int32_t i = 0; i < Tabs(); ++i) {
    if (i != tab && states_[i] != 0) SetTabState(i, 0);
  }
  if (states_[tab] == 2) return false;
  SetTabState(tab, 2);
  return true;
}

void clsTabStrip::RaiseClicks(int32_t tab) {
  const QPointer<clsTabStrip> alive(this);
  pendingClick_ = -1;
  while (tab >= 0) {
    inClick_ = true;
    emit Click(tab);
    if (alive.isNull()) return;
    inClick_ = false;
    tab = -1;
    if (pendingClick_ >= 0 && pendingClick_ < Tabs() && SelectPressed(pendingClick_)) {
      if (picture_) picture_->Refresh();
      tab = pendingClick_;
    }
    pendingClick_ = -1;
  }
}

int32_t clsTabStrip::SelectedTab() const {
  const auto it = std::find(states_.begin(), states_.end(), 2);
  return it == states_.end() ? -1 : static_cast<int32_t>(it - states_.begin());
}

bool clsTabStrip::KeyPress(int key, Qt::KeyboardModifiers modifiers) {
  const bool control = (modifiers & Qt::ControlModifier) != 0;
  if (control && (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
    Move(key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) != 0 ? -1 : 1, true);
  } else if (!control && (key == Qt::Key_Left || key == Qt::Key_Right)) {
    Move(key == Qt::Key_Left ? -1 : 1, false);
  } else {
    return false;
  }
  return true;
}

void clsTabStrip::Move(int32_t step, bool round) {
  // While a click's handler runs (it may yield), the keys wait for it.
  if (Tabs() == 0 || inClick_) return;
  const int32_t current = SelectedTab();
  int32_t tab = current < 0 ? 0 : current + step;
  if (round) {
    tab = (tab + Tabs()) % Tabs();
  } else if (tab < 0 || tab >= Tabs()) {
    return;
  }
  if (!SelectPressed(tab)) return;
  const QPointer<QWidget> focused = QApplication::focusWidget();
  if (picture_) picture_->Refresh();
  // Raised last: the handler may switch pages and destroy this strip.
  RaiseClicks(tab);
  // The tab shown may put the focus into its grid; the keys stay where
  // they were pressed while that control is still there to take them.
  if (focused && focused->isVisible() && focused->isEnabled()) focused->setFocus(Qt::OtherFocusReason);
}

bool clsTabStrip::eventFilter(QObject* watched, QEvent* event) {
  // A picture being destroyed is no PictureBox any more: its last focus-out
  // is not drawn.
  if (qobject_cast<PictureBox*>(watched) == nullptr || watched != picture_) {
    return QObject::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      hasFocus_ = event->type() == QEvent::FocusIn;
      if (const int32_t tab = SelectedTab(); tab >= 0) SetTabState(tab, 2);
      picture_->Refresh();
      break;
    case QEvent::KeyPress: {
      const auto* key = static_cast<const QKeyEvent*>(event);
      return KeyPress(key->key(), key->modifiers());
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}
