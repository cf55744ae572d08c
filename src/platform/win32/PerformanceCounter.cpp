#include "platform/win32/PerformanceCounter.h"

#include <chrono>

namespace win32 {

namespace {
using Clock = std::chrono::steady_clock;
}  // namespace

bool QueryPerformanceFrequency(int64_t& frequency) {
  frequency = static_cast<int64_t>(Clock::period::den / Clock::period::num);
  return frequency > 0;
}

bool QueryPerformanceCounter(int64_t& count) {
  count = static_cast<int64_t>(Clock::now().time_since_epoch().count());
  return true;
}

uint32_t GetTickCount() {
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
  return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

}  // namespace win32
