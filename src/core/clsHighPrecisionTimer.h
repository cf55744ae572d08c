#pragma once
// A stopwatch in milliseconds over the high-resolution counter, with the
// millisecond tick count as fallback. In counter mode it measures the cost
// of an empty start/stop pair when it is created and removes that cost from
// Accumulated.

#include <cstdint>

class clsHighPrecisionTimer {
 public:
  clsHighPrecisionTimer();
  // Tick mode only when usePerformanceCounter is false or there is no counter.
  explicit clsHighPrecisionTimer(bool usePerformanceCounter);

  // The last start-to-stop interval.
  double Differential() const;
  // All intervals since the last zeroing, less the measured overhead.
  double Accumulated() const;
  // Accumulated / Stops; 0 without stops.
  double Average() const;
  // The counter now, in milliseconds (the tick count in tick mode).
  double GetHighTickCount() const;
  double Stops() const { return stops_; }
  bool UsePerformance() const { return usePerformance_; }
  // Seconds one empty start/stop pair costs (counter mode).
  double Overhead() const { return overhead_; }

  void ZeroTimer();
  void StartTimer();
  void StopTimer();

 private:
  void Calibrate();

  bool usePerformance_ = false;
  int64_t frequency_ = 0;
  int64_t startCount_ = 0;
  int64_t stopCount_ = 0;
  uint32_t startTicks_ = 0;
  uint32_t stopTicks_ = 0;
  double total_ = 0;  // seconds in counter mode, milliseconds in tick mode
  double stops_ = 0;
  double overhead_ = 0;
};
