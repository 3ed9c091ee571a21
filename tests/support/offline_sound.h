#pragma once
// A sound system on the offline output whose service passes the test runs
// itself, in a fresh working folder.

#include "platform/audio.h"
#include "sound/sound.h"
#include "sound/sound_engine.h"

#include "support/sound_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

class OfflineSound : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Mixes frames of the output; returns them (left, right, ...).
    static std::vector<std::int16_t> mix(std::uint32_t frames);
    // Mixes one tick (50 ms, 2205 frames) and runs one service pass.
    static std::vector<std::int16_t> tick();

    static long bufferVolume(const Sound& sound);
    static long bufferPan(const Sound& sound);
    static long bufferFrequency(const Sound& sound);
    static std::uint32_t playCursor(const Sound& sound);

    TempFolder folder;
};

// Stereo 16-bit PCM whose frame f holds f % 30000 on both channels.
Bytes framePcm(std::uint32_t frames);
