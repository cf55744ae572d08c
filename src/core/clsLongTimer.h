#pragma once
// A timer for long intervals on a one-second tick: raises Fire each time
// FireInterval milliseconds have passed, on a schedule that does not drift
// with late ticks. The owner supplies the tick source and calls Tick on
// each of its ticks.

#include <cstdint>
#include <functional>

class clsLongTimer {
 public:
  // The owner's timer, driven at one tick a second.
  class TickSource {
   public:
    virtual ~TickSource() = default;
    virtual void SetInterval(int32_t milliseconds) = 0;
    virtual void SetRunning(bool running) = 0;
  };

  // `clock` gives milliseconds of a monotonic clock; the default is the
  // system's.
  explicit clsLongTimer(std::function<int64_t()> clock = {});

  int32_t FireInterval() const { return fireInterval_; }
  void SetFireInterval(int32_t milliseconds) { fireInterval_ = milliseconds; }
  // Takes the owner's timer as the tick source and sets it to 1000 ms.
  void SetFireTimer(TickSource* source);
  // Stores the flag and restarts the schedule from now.
  void SetEnabled(bool enabled);
  // Also switches the tick source on or off to match the flag.
  bool Enabled();
  // Milliseconds until the next Fire (negative when overdue).
  int64_t NextFire() const;

  // One tick of the source: raises Fire when enabled and due.
  void Tick();

  std::function<void()> Fire;

 private:
  std::function<int64_t()> clock_;
  TickSource* source_ = nullptr;
  int32_t fireInterval_ = 0;
  bool enabled_ = false;
  int64_t lastStart_ = 0;
  int64_t nextFire_ = 0;
};
