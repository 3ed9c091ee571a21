#include "platform/audio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using namespace platform;

namespace {

class OfflineAudio : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(audioOpen(AudioOutput::Offline)); }
    void TearDown() override { audioClose(); }

    // A buffer of 16-bit mono frames holding the given values.
    static AudioBufferPtr monoBuffer(const std::vector<std::int16_t>& frames, int rate = kAudioRate)
    {
        AudioBufferPtr b = audioCreateBuffer({1, rate, 16}, static_cast<std::uint32_t>(frames.size() * 2));
        AudioLock lock;
        EXPECT_EQ(audioLock(*b, 0, audioBufferSize(*b), lock), 0);
        std::memcpy(lock.data1, frames.data(), lock.size1);
        EXPECT_EQ(audioUnlock(*b, lock), 0);
        return b;
    }

    static std::vector<std::int16_t> mix(std::uint32_t frames)
    {
        std::vector<std::int16_t> out(frames * 2);
        audioMixOffline(out.data(), frames);
        return out;
    }

    static std::uint32_t position(const AudioBuffer& b)
    {
        std::uint32_t bytes = 0;
        audioGetPosition(b, bytes);
        return bytes;
    }

    static bool playing(const AudioBuffer& b)
    {
        std::uint32_t status = 0;
        audioGetStatus(b, status);
        return status & kAudioStatusPlaying;
    }
};

}  // namespace

TEST_F(OfflineAudio, RefusesFormatsItCannotMix)
{
    EXPECT_TRUE(audioCreateBuffer({2, 44100, 16}, 4));
    EXPECT_TRUE(audioCreateBuffer({1, 8000, 8}, 1));
    EXPECT_FALSE(audioCreateBuffer({3, 44100, 16}, 600));
    EXPECT_FALSE(audioCreateBuffer({2, 44100, 24}, 600));
    EXPECT_FALSE(audioCreateBuffer({2, 50, 16}, 600));
    EXPECT_FALSE(audioCreateBuffer({2, 44100, 16}, 3));
}

TEST(Audio, NoBufferWithoutOutput)
{
    EXPECT_FALSE(audioIsOpen());
    EXPECT_FALSE(audioCreateBuffer({2, 44100, 16}, 64));
}

TEST_F(OfflineAudio, LockWrapsIntoTwoRegions)
{
    AudioBufferPtr b = audioCreateBuffer({2, 44100, 16}, 100);
    AudioLock lock;
    ASSERT_EQ(audioLock(*b, 80, 40, lock), 0);
    EXPECT_EQ(lock.size1, 20u);
    EXPECT_EQ(lock.size2, 20u);
    ASSERT_NE(lock.data2, nullptr);
    AudioLock second;
    EXPECT_NE(audioLock(*b, 0, 4, second), 0) << "one lock at a time";
    EXPECT_EQ(audioUnlock(*b, lock), 0);
    ASSERT_EQ(audioLock(*b, 0, 100, lock), 0);
    EXPECT_EQ(lock.size1, 100u);
    EXPECT_EQ(lock.data2, nullptr);
    EXPECT_EQ(audioUnlock(*b, lock), 0);
    EXPECT_NE(audioLock(*b, 100, 4, lock), 0);
    EXPECT_NE(audioLock(*b, 0, 101, lock), 0);
}

TEST_F(OfflineAudio, PlaysSamplesAtFullVolumeAfterTheStartRamp)
{
    std::vector<std::int16_t> frames(1000);
    for (std::size_t i = 0; i < frames.size(); ++i)
        frames[i] = static_cast<std::int16_t>(i * 10);
    AudioBufferPtr b = monoBuffer(frames);
    ASSERT_EQ(audioPlay(*b, false), 0);
    const auto out = mix(500);
    EXPECT_EQ(out[0], 0);
    EXPECT_LT(std::abs(out[2 * 30]), 300) << "the start fades in";
    for (std::uint32_t i = 100; i < 500; ++i) {
        ASSERT_EQ(out[2 * i], frames[i]);
        ASSERT_EQ(out[2 * i + 1], frames[i]);
    }
    EXPECT_EQ(position(*b), 1000u);
    EXPECT_TRUE(playing(*b));
}

TEST_F(OfflineAudio, NonLoopingBufferStopsAtItsEndAndRewinds)
{
    AudioBufferPtr b = monoBuffer(std::vector<std::int16_t>(300, 1000));
    audioPlay(*b, false);
    const auto out = mix(400);
    EXPECT_EQ(out[2 * 250], 1000);
    EXPECT_EQ(out[2 * 350], 0);
    EXPECT_FALSE(playing(*b));
    EXPECT_EQ(position(*b), 0u);
}

TEST_F(OfflineAudio, LoopingBufferWraps)
{
    AudioBufferPtr b = monoBuffer(std::vector<std::int16_t>(300, 1000));
    audioPlay(*b, true);
    const auto out = mix(700);
    EXPECT_EQ(out[2 * 650], 1000);
    EXPECT_TRUE(playing(*b));
    EXPECT_EQ(position(*b), 100u * 2);
}

TEST_F(OfflineAudio, StopKeepsThePositionAndFadesOutWithoutAClick)
{
    AudioBufferPtr b = monoBuffer(std::vector<std::int16_t>(1000, 8000));
    audioPlay(*b, true);
    mix(200);
    audioStop(*b);
    EXPECT_FALSE(playing(*b));
    const auto out = mix(200);
    EXPECT_GT(out[0], 7000) << "the tail starts at the level it had";
    EXPECT_LT(out[2 * 60], 1000);
    EXPECT_EQ(out[2 * 100], 0);
    EXPECT_EQ(position(*b), 400u);
    ASSERT_EQ(audioSetPosition(*b, 0), 0);
    EXPECT_EQ(position(*b), 0u);
}

TEST_F(OfflineAudio, VolumeAndPanAttenuateInDecibels)
{
    struct Case {
        long volume, pan;
        double left, right;
    };
    const Case cases[] = {
        {0, 0, 10000, 10000},       {-600, 0, 5012, 5012},      {-10000, 0, 0, 0},
        {0, 2000, 1000, 10000},     {0, -2000, 10000, 1000},    {0, 10000, 0, 10000},
        {-2000, -10000, 1000, 0},
    };
    for (const Case& c : cases) {
        AudioBufferPtr b = monoBuffer(std::vector<std::int16_t>(400, 10000));
        audioSetVolume(*b, c.volume);
        audioSetPan(*b, c.pan);
        audioPlay(*b, false);
        const auto out = mix(200);
        EXPECT_NEAR(out[2 * 150], c.left, 2) << c.volume << " " << c.pan;
        EXPECT_NEAR(out[2 * 150 + 1], c.right, 2) << c.volume << " " << c.pan;
        audioStop(*b);
        mix(100);
    }
    AudioBufferPtr b = monoBuffer({0, 0});
    EXPECT_NE(audioSetVolume(*b, 1), 0);
    EXPECT_NE(audioSetPan(*b, 10001), 0);
    EXPECT_NE(audioSetFrequency(*b, 99), 0);
    EXPECT_NE(audioSetFrequency(*b, 100001), 0);
}

TEST_F(OfflineAudio, FrequencySetsThePlaybackRateWithInterpolation)
{
    std::vector<std::int16_t> ramp(2000);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<std::int16_t>(i * 10);
    AudioBufferPtr b = monoBuffer(ramp, 22050);
    long frequency = 0;
    audioGetFrequency(*b, frequency);
    EXPECT_EQ(frequency, 22050);
    audioPlay(*b, false);
    auto out = mix(400);
    EXPECT_EQ(position(*b), 200u * 2);
    EXPECT_EQ(out[2 * 301], 1505) << "half way between frames 150 and 151";
    audioSetFrequency(*b, 88200);
    mix(100);
    EXPECT_EQ(position(*b), 400u * 2);
}

TEST_F(OfflineAudio, ClipsTheSumOfLoudBuffers)
{
    AudioBufferPtr a = monoBuffer(std::vector<std::int16_t>(400, 30000));
    AudioBufferPtr b = monoBuffer(std::vector<std::int16_t>(400, 30000));
    audioPlay(*a, false);
    audioPlay(*b, false);
    EXPECT_EQ(mix(200)[2 * 150], 32767);
}

TEST_F(OfflineAudio, DuplicatesShareSamplesWithTheirOwnState)
{
    AudioBufferPtr a = monoBuffer(std::vector<std::int16_t>(400, 1000));
    audioSetVolume(*a, -600);
    AudioBufferPtr b;
    ASSERT_EQ(audioDuplicateBuffer(*a, b), 0);
    long volume = 0;
    audioGetVolume(*b, volume);
    EXPECT_EQ(volume, -600);
    audioSetVolume(*b, 0);
    // A write through the original is heard through the copy.
    AudioLock lock;
    audioLock(*a, 0, 800, lock);
    std::memset(lock.data1, 0, 800);
    reinterpret_cast<std::int16_t*>(lock.data1)[150] = 4000;
    audioUnlock(*a, lock);
    audioPlay(*b, false);
    const auto out = mix(200);
    EXPECT_EQ(out[2 * 150], 4000);
    EXPECT_EQ(position(*a), 0u);
    EXPECT_FALSE(playing(*a));
    a.reset();
    EXPECT_EQ(mix(10).size(), 20u) << "the copy keeps the samples alive";
}

TEST_F(OfflineAudio, EightBitStereoIsCentredAndScaled)
{
    AudioBufferPtr b = audioCreateBuffer({2, 44100, 8}, 800);
    AudioLock lock;
    audioLock(*b, 0, 800, lock);
    for (std::uint32_t i = 0; i < 800; i += 2) {
        lock.data1[i] = 192;
        lock.data1[i + 1] = 64;
    }
    audioUnlock(*b, lock);
    audioPlay(*b, false);
    const auto out = mix(300);
    EXPECT_EQ(out[2 * 200], 64 * 256);
    EXPECT_EQ(out[2 * 200 + 1], -64 * 256);
}
