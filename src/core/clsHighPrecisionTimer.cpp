#include "core/clsHighPrecisionTimer.h"

#include "platform/win32/PerformanceCounter.h"

namespace {
constexpr int kCalibrationPairs = 1500;
}  // namespace

clsHighPrecisionTimer::clsHighPrecisionTimer() : clsHighPrecisionTimer(true) {}

clsHighPrecisionTimer::clsHighPrecisionTimer(bool usePerformanceCounter) {
  usePerformance_ = usePerformanceCounter && win32::QueryPerformanceFrequency(frequency_) && frequency_ > 0;
  if (!usePerformance_) frequency_ = 0;
  if (usePerformance_) Calibrate();
}

void clsHighPrecisionTimer::Calibrate() {
  for (int i = 0; i < kCalibrationPairs; ++i) {
    StartTimer();
    StopTimer();
  }
  overhead_ = total_ / kCalibrationPairs;
  ZeroTimer();
}

double clsHighPrecisionTimer::Differential() const {
  if (usePerformance_) {
    return static_cast<double>(stopCount_ - startCount_) / static_cast<double>(frequency_) * 1000.0;
  }
  // Unsigned difference: an interval across the tick count's wrap still
  // comes out right.
  return static_cast<double>(static_cast<uint32_t>(stopTicks_ - startTicks_));
}

double clsHighPrecisionTimer::Accumulated() const {
  return usePerformance_ ? (total_ - overhead_ * stops_) * 1000.0 : total_;
}

double clsHighPrecisionTimer::Average() const { return stops_ == 0 ? 0.0 : Accumulated() / stops_; }

double clsHighPrecisionTimer::GetHighTickCount() const {
  if (!usePerformance_) return static_cast<double>(win32::GetTickCount());
  int64_t now = 0;
  win32::QueryPerformanceCounter(now);
  return static_cast<double>(now) / static_cast<double>(frequency_) * 1000.0;
}

void clsHighPrecisionTimer::ZeroTimer() {
  total_ = 0;
  stops_ = 0;
}

void clsHighPrecisionTimer::StartTimer() {
  if (usePerformance_) {
    win32::QueryPerformanceCounter(startCount_);
  } else {
    startTicks_ = win32::GetTickCount();
  }
}

void clsHighPrecisionTimer::StopTimer() {
  if (usePerformance_) {
    win32::QueryPerformanceCounter(stopCount_);
    total_ += static_cast<double>(stopCount_ - startCount_) / static_cast<double>(frequency_);
  } else {
    stopTicks_ = win32::GetTickCount();
    total_ += static_cast<double>(static_cast<uint32_t>(stopTicks_ - startTicks_));
  }
  stops_ += 1;
}
