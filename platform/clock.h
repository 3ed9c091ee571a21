#pragma once
// Time services: a high-resolution counter, a millisecond tick count, sleep
// and the local time.

#include <cstdint>

namespace platform {

// Monotonic counter and its ticks per second.
std::int64_t performanceCounter();
std::int64_t performanceFrequency();

// Milliseconds since an arbitrary start, wrapping like a 32-bit count.
std::uint32_t tickCount();

void sleepMilliseconds(std::uint32_t milliseconds);

struct LocalTime {
    int year, month, day;      // month 1..12
    int hour, minute, second;
};
LocalTime localTime();

}  // namespace platform
