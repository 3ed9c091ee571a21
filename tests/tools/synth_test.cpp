#include "tools/mkdata/synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace mkdata;

int peakOf(const std::vector<std::int16_t>& s, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, s.size()); ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

TEST(Synth, LoudMixesAreScaledToTheirPeakWithoutClipping)
{
    Mix mix(0.2);
    for (int i = 0; i < 8; ++i)
        mix.add(Tone{0, 0.2, 220.0 * (i + 1), 0, 1.0, Wave::Soft, 0.001, 1});
    std::vector<std::int16_t> s = mix.finish(0.8);
    EXPECT_LE(peakOf(s), int(0.8 * 32767) + 1);
    EXPECT_GE(peakOf(s), int(0.75 * 32767));
    // The ends fade, so the sound starts and stops without a click.
    EXPECT_LT(std::abs(s.front()), 200);
    EXPECT_LT(std::abs(s.back()), 200);
}

TEST(Synth, LoopMixWrapsWhatRingsPastItsEnd)
{
    Mix mix(1.0, 2, true);
    mix.add(Tone{0.9, 0.3, 440, 0, 0.5, Wave::Sine, 0.001, 0});
    std::vector<std::int16_t> s = mix.finish(0.5);
    ASSERT_EQ(s.size(), std::size_t(kSampleRate) * 2);
    EXPECT_GT(peakOf(s, 0, 2 * kSampleRate / 10), 10000);                 // the tail sounds at the start
    EXPECT_EQ(peakOf(s, 2 * kSampleRate / 4, 2 * kSampleRate * 8 / 10), 0);  // silence between
}

}  // namespace
