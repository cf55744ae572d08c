#include "core/clsLongTimer.h"

#include <chrono>

clsLongTimer::clsLongTimer(std::function<int64_t()> clock) : clock_(std::move(clock)) {
  if (!clock_) {
    clock_ = [] {
      return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count());
    };
  }
}

void clsLongTimer::SetFireTimer(TickSource* source) {
  source_ = source;
  if (source_ != nullptr) source_->SetInterval(1000);
}

void clsLongTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  lastStart_ = clock_();
  nextFire_ = lastStart_ + fireInterval_;
}

bool clsLongTimer::Enabled() {
  if (source_ != nullptr) source_->SetRunning(enabled_);
  return enabled_;
}

int64_t clsLongTimer::NextFire() const { return nextFire_ - clock_(); }

void clsLongTimer::Tick() {
  if (!enabled_ || clock_() < nextFire_) return;
  nextFire_ += fireInterval_;
  if (Fire) Fire();
}
