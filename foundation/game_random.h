#pragma once
// The random generator the board and the effects share: a linear
// congruential step whose upper 16 bits are the draw.

#include <cstdint>

class GameRandom {
public:
    static constexpr std::uint32_t kStartState = 125423;

    explicit constexpr GameRandom(std::uint32_t state = kStartState) : state_(state) {}

    constexpr void seed(std::uint32_t state) { state_ = state; }
    constexpr std::uint32_t state() const { return state_; }

    // 0 to 32767.
    constexpr int nextUnsigned() { return static_cast<int>((step() >> 16) & 0x7fff); }
    // -32768 to 32767.
    constexpr int nextSigned() { return static_cast<std::int16_t>(step() >> 16); }

private:
    constexpr std::uint32_t step()
    {
        state_ = state_ * 214013u + 2531011u;
        return state_;
    }

    std::uint32_t state_;
};

extern GameRandom gameRandom;
