#include "shell/frame_clock.h"

#include "platform/clock.h"

#include <algorithm>

FrameClock frameClock { 0, 0.0f, 0.0f, platform::performanceCounter, platform::performanceFrequency };

void FrameClock::takeFrequency()
{
    const std::int64_t frequency = counterFrequency();
    msPerTick = frequency > 0 ? 1000.0f / static_cast<float>(frequency) : 0.0f;
}

void FrameClock::restart() { lastReading = readCounter(); }

void FrameClock::advance()
{
    const std::int64_t reading = readCounter();
    const float elapsed = static_cast<float>(reading - lastReading) * msPerTick;
    lastReading = reading;
    accumulator += std::clamp(elapsed, 0.0f, static_cast<float>(MAX_FRAME_TIME));
}

bool FrameClock::takeStep()
{
    if (accumulator < UPDATE_STEP)
        return false;
    accumulator -= UPDATE_STEP;
    return true;
}
