#include "core/clsStatusPlain.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "platform/runtime/Rounding.h"

namespace {

// A whole percentage for the window, halves to even; absurd values are
// clamped rather than thrown.
int32_t WholePercent(double percent) {
  int32_t whole = 0;
  if (runtime::TryCLng(percent, whole)) return whole;
  return percent < 0 ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
}

// The value from which the next redraw is due: every value when the span is
// under 100, else the next whole percent of the span (measured from 0).
int32_t NextRedrawOf(int32_t min, int32_t max, int32_t cur, float percent) {
  const int64_t span = static_cast<int64_t>(max) - min;
  if (span < 100) {
    return cur == std::numeric_limits<int32_t>::max() ? cur : cur + 1;
  }
  return WholePercent((static_cast<double>(percent) + 1.0) * static_cast<double>(span) / 100.0);
}

float PercentOf(int32_t value, int32_t min, int32_t max) {
  const int64_t range = static_cast<int64_t>(max) - min + 1;
  if (range == 0) return 0.0f;
  return static_cast<float>(static_cast<double>(static_cast<int64_t>(value) - min + 1) /
                            static_cast<double>(range) * 100.0);
}

}  // namespace

clsStatusPlain::clsStatusPlain() : form_(&seams::Progress()) {
  AddSegment(-1, 0);
  current_ = 0;
}

void clsStatusPlain::AddSegment(int32_t id, float weight) {
  StatusSegment segment;
  segment.Id = id;
  segment.Weight = weight;
  segments_.push_back(segment);
  // A reused id keeps addressing its first phase; the fallback at position
  // 0 is never found by its id.
  if (segments_.size() < 2) return;
  const int32_t position = static_cast<int32_t>(segments_.size()) - 1;
  if (id >= 0 && id < kSmallIds) {
    const std::size_t at = static_cast<std::size_t>(id);
    if (at >= positionOfSmallId_.size()) positionOfSmallId_.resize(std::max(at + 1, 2 * positionOfSmallId_.size()), 0);
    if (positionOfSmallId_[at] == 0) positionOfSmallId_[at] = position;
  } else {
    positionOf_.emplace(id, position);
  }
}

int32_t clsStatusPlain::Find(int32_t id) const {
  if (id >= 0 && id < kSmallIds) {
    const std::size_t at = static_cast<std::size_t>(id);
    return at < positionOfSmallId_.size() ? positionOfSmallId_[at] : 0;
  }
  const auto it = positionOf_.find(id);
  return it == positionOf_.end() ? 0 : it->second;
}

int32_t clsStatusPlain::Position(int32_t segment) const { return segment == -1 ? current_ : Find(segment); }

void clsStatusPlain::SetSegmentRange(int32_t segment, int32_t min, int32_t max) {
  const int32_t position = Position(segment);
  StatusSegment& s = segments_[static_cast<std::size_t>(position)];
  s.MinValue = min;
  s.MaxValue = max;
  s.CurValue = min;
  s.Percent = 0;
  // Contribution stays: the phase's earlier share counts until its next redraw.
  s.NextRedraw = NextRedrawOf(s.MinValue, s.MaxValue, s.CurValue, s.Percent);
  Clear(kCurrentBar);
  current_ = position;
}

float clsStatusPlain::TotalPercent() const { return static_cast<float>(total_); }

void clsStatusPlain::SetSegmentValue(int32_t segment, int32_t value) {
  const int32_t position = Position(segment);
  StatusSegment& s = segments_[static_cast<std::size_t>(position)];
  s.CurValue = value;
  if (value >= s.NextRedraw) {
    s.Percent = PercentOf(value, s.MinValue, s.MaxValue);
    const float before = s.Contribution;
    s.Contribution = s.Percent * s.Weight / 100.0f;
    // The fallback phase adds nothing to the total.
    if (position != 0) total_ += static_cast<double>(s.Contribution) - static_cast<double>(before);
    form_->Percent(WholePercent(s.Percent));
    form_->TotalPercent(WholePercent(TotalPercent()));
    s.NextRedraw = NextRedrawOf(s.MinValue, s.MaxValue, s.CurValue, s.Percent);
  }
  current_ = position;
}

void clsStatusPlain::FinishSegment(int32_t segment) {
  const int32_t position = Position(segment);
  StatusSegment& s = segments_[static_cast<std::size_t>(position)];
  s.CurValue = s.MaxValue;
  s.Percent = 100.0f;
  if (position != 0) total_ += static_cast<double>(s.Weight) - static_cast<double>(s.Contribution);
  s.Contribution = s.Weight;
  s.NextRedraw = NextRedrawOf(s.MinValue, s.MaxValue, s.CurValue, s.Percent);
  form_->TotalPercent(WholePercent(TotalPercent()));
  current_ = position;
}

void clsStatusPlain::Refresh(int32_t segment) {
  form_->RefreshWindow();
  const StatusSegment& s = segments_[static_cast<std::size_t>(Position(segment))];
  form_->Percent(WholePercent(s.Percent));
  form_->TotalPercent(WholePercent(TotalPercent()));
}

clsStatusPlain::Bar& clsStatusPlain::BarAt(int32_t bar) {
  if (bar != kCurrentBar && bar != kTotalBar) throw std::out_of_range("Subscript out of range: bar");
  return bars_[bar];
}

const clsStatusPlain::Bar& clsStatusPlain::BarAt(int32_t bar) const {
  if (bar != kCurrentBar && bar != kTotalBar) throw std::out_of_range("Subscript out of range: bar");
  return bars_[bar];
}

int32_t clsStatusPlain::MinRange(int32_t bar) const { return BarAt(bar).MinRange; }
void clsStatusPlain::SetMinRange(int32_t bar, int32_t value) { BarAt(bar).MinRange = value; }
int32_t clsStatusPlain::MaxRange(int32_t bar) const { return BarAt(bar).MaxRange; }
void clsStatusPlain::SetMaxRange(int32_t bar, int32_t value) { BarAt(bar).MaxRange = value; }
int32_t clsStatusPlain::Value(int32_t bar) const { return BarAt(bar).Value; }

void clsStatusPlain::SetListVisible(bool visible) {
  listVisible_ = visible;
  if (visible) form_->ShowList();
}

void clsStatusPlain::SetRange(int32_t bar, int32_t min, int32_t max) {
  Bar& b = BarAt(bar);
  b.MinRange = min;
  b.MaxRange = max;
  b.Value = min;
  b.Percent = 0;
  b.NextRedraw = NextRedrawOf(b.MinRange, b.MaxRange, b.Value, b.Percent);
  SetValue(bar, min);
}

void clsStatusPlain::SetValue(int32_t bar, int32_t value) {
  Bar& b = BarAt(bar);
  b.Value = value;
  if (value < b.NextRedraw) return;
  b.Percent = PercentOf(value, b.MinRange, b.MaxRange);
  if (bar == kCurrentBar) {
    form_->Percent(WholePercent(b.Percent));
  } else {
    form_->TotalPercent(WholePercent(b.Percent));
  }
  b.NextRedraw = NextRedrawOf(b.MinRange, b.MaxRange, b.Value, b.Percent);
}

void clsStatusPlain::Clear(int32_t bar) {
  if (bar == kCurrentBar) {
    form_->ClearCurrent();
  } else if (bar == kTotalBar) {
    form_->ClearTotal();
  }
}

void clsStatusPlain::ClearAll() {
  form_->Percent(0);
  form_->TotalPercent(0);
}

void clsStatusPlain::StatusCaption(int32_t bar, int32_t top, const std::string& text) {
  if (bar == kCurrentBar) {
    if (top != 0) {
      form_->SetTopText(text);
    } else {
      form_->SetBottomText(text);
    }
  } else if (bar == kTotalBar) {
    if (top != 0) {
      form_->SetTotalTopText(text);
    } else {
      form_->SetTotalBottomText(text);
    }
  }
  DoEvents();
}

void clsStatusPlain::StatusListCaption(const std::string& text) {
  if (listAttached_ && list_ != nullptr) list_->AddListItem(text);
}
