#include "platform/clock.h"

#include <errno.h>
#include <time.h>

namespace platform {

namespace {
constexpr std::int64_t kNanosecondsPerSecond = 1000000000;

std::int64_t monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
}
}  // namespace

std::int64_t performanceCounter() { return monotonicNanoseconds(); }

std::int64_t performanceFrequency() { return kNanosecondsPerSecond; }

std::uint32_t tickCount() { return static_cast<std::uint32_t>(monotonicNanoseconds() / 1000000); }

void sleepMilliseconds(std::uint32_t milliseconds)
{
    timespec wait { static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000 };
    while (nanosleep(&wait, &wait) == -1 && errno == EINTR) {
    }
}

LocalTime localTime()
{
    time_t now = time(nullptr);
    tm local {};
    localtime_r(&now, &local);
    return { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec };
}

}  // namespace platform
