#pragma once
// The high-resolution counter and the millisecond tick count, over the
// monotonic clock.

#include <cstdint>

namespace win32 {

// Counts per second of the counter; false when there is no counter.
bool QueryPerformanceFrequency(int64_t& frequency);
// The counter's current value; false when there is no counter.
bool QueryPerformanceCounter(int64_t& count);
// Milliseconds since an arbitrary start, wrapping at 2^32 as the system's did.
uint32_t GetTickCount();

}  // namespace win32
