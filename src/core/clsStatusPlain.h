#pragma once
// Drives the progress window for one job: a current bar and a total bar,
// four caption lines and an optional message list. A job declares its phases
// as weighted segments (a weight is a percentage of the whole job), sets each
// phase's range when it starts and its value as it goes; the current bar
// shows the phase's percentage and the total bar the weighted sum. A bar is
// redrawn only when its whole percentage can have changed, so jobs may
// report every step of a long loop. Only StatusCaption yields to the message
// loop; jobs check CancelFlag after it.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Seams.h"

struct StatusSegment {
  int32_t Id = 0;
  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  int32_t CurValue = 0;
  int32_t NextRedraw = 0;
  float Contribution = 0;  // share of the total, in percent of the whole job
  float Weight = 0;
  float Percent = 0;       // the phase's own progress, 0..100
};

class clsStatusPlain {
 public:
  // Bar indexes.
  static constexpr int32_t kCurrentBar = 0;
  static constexpr int32_t kTotalBar = 1;

  // Drives seams::Progress() until StatusForm says otherwise; holds the
  // fallback phase (Id -1, weight 0) at position 0.
  clsStatusPlain();

  void AddSegment(int32_t id, float weight);
  // -1 as segment means the current segment.
  void SetSegmentRange(int32_t segment, int32_t min, int32_t max);
  void SetSegmentValue(int32_t segment, int32_t value);
  // Counts the phase complete, its whole weight in the total, however few
  // values it reported. Only the total bar is redrawn: a job of many short
  // phases (a draft's picks) shows its own progress on the current bar.
  void FinishSegment(int32_t segment);
  void Refresh(int32_t segment);

  void SetStatusForm(seams::ProgressView& form) { form_ = &form; }
  void SetStatusList(seams::ProgressView& list) {
    list_ = &list;
    listAttached_ = true;
  }
  void SetFile(const std::string& file) { file_ = file; }
  bool Visible() const { return form_->Visible(); }
  void SetVisible(bool visible) { form_->SetVisible(visible); }
  // Bar 0 or 1; any other bar throws std::out_of_range.
  int32_t MinRange(int32_t bar) const;
  void SetMinRange(int32_t bar, int32_t value);
  int32_t MaxRange(int32_t bar) const;
  void SetMaxRange(int32_t bar, int32_t value);
  void SetListVisible(bool visible);
  void SetRange(int32_t bar, int32_t min, int32_t max);
  int32_t Value(int32_t bar) const;
  void SetValue(int32_t bar, int32_t value);
  void SetFormCaption(const std::string& caption) { form_->SetCaption(caption); }
  // Bar 0 clears the current bar, 1 the total bar; others nothing.
  void Clear(int32_t bar);
  void ClearAll();
  // Sets a caption line (bar 0 or 1, upper line when top is non-zero), then
  // yields once to the message loop, also for other bars.
  void StatusCaption(int32_t bar, int32_t top, const std::string& text);
  // Adds a line to the message list when one is attached.
  void StatusListCaption(const std::string& text);

  // Read access for tests and the window.
  const std::vector<StatusSegment>& Segments() const { return segments_; }
  int32_t CurrentSegment() const { return current_; }

 private:
  struct Bar {
    int32_t MinRange = 0;
    int32_t MaxRange = 0;
    int32_t Value = 0;
    float Percent = 0;
    int32_t NextRedraw = 0;
  };

  // Ids below this are found by index (a draft's pick ids are 10 + pick).
  static constexpr int32_t kSmallIds = 1 << 20;
  int32_t Find(int32_t id) const;
  int32_t Position(int32_t segment) const;
  Bar& BarAt(int32_t bar);
  const Bar& BarAt(int32_t bar) const;
  float TotalPercent() const;

  seams::ProgressView* form_;
  seams::ProgressView* list_ = nullptr;
  bool listAttached_ = false;
  bool listVisible_ = false;
  std::string file_;
  Bar bars_[2];
  std::vector<StatusSegment> segments_;
  // Position of the first phase with each id (positions 1 up, 0 for none),
  // and the sum of the contributions of those positions: a draft adds a
  // phase per pick, numbered in a row, which go by index; other ids by map.
  std::vector<int32_t> positionOfSmallId_;
  std::unordered_map<int32_t, int32_t> positionOf_;
  double total_ = 0;
  int32_t current_ = 0;
};
