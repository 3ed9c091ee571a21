#pragma once
// The fixed-step frame clock: the time between frames, capped at 100 ms,
// is spent in steps of exactly 20 ms.

#include <cstdint>

constexpr int UPDATE_STEP = 20;      // ms of one update
constexpr int MAX_FRAME_TIME = 100;  // ms a frame takes into account at most

struct FrameClock {
    std::int64_t lastReading = 0;
    float msPerTick = 0.0f;
    float accumulator = 0.0f;
    // The counter and its rate; drivers and tests put a simulated one here.
    std::int64_t (*readCounter)() = nullptr;
    std::int64_t (*counterFrequency)() = nullptr;

    // Takes the counter's rate (at start-up).
    void takeFrequency();
    // Takes the counter as the last reading.
    void restart();
    // Adds the time since the last reading, capped, to the accumulator.
    void advance();
    // Takes one step from the accumulator when it holds one.
    bool takeStep();
};

extern FrameClock frameClock;
