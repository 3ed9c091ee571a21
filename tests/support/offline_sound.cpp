#include "support/offline_sound.h"

void OfflineSound::SetUp()
{
    SoundInit(nullptr, platform::AudioOutput::Offline, SoundService::Manual);
    ASSERT_TRUE(SoundIsOn());
    SetSoundVolume(1.0f, SND_MODE_EFFECTS);
    SetSoundVolume(1.0f, SND_MODE_MUSIC);
}

void OfflineSound::TearDown()
{
    SoundDone();
    SetSoundVolume(0.0f, SND_MODE_EFFECTS);
    SetSoundVolume(0.0f, SND_MODE_MUSIC);
}

std::vector<std::int16_t> OfflineSound::mix(std::uint32_t frames)
{
    std::vector<std::int16_t> out(std::size_t(frames) * 2);
    platform::audioMixOffline(out.data(), frames);
    return out;
}

std::vector<std::int16_t> OfflineSound::tick()
{
    auto out = mix(2205);
    SoundServicePass();
    return out;
}

long OfflineSound::bufferVolume(const Sound& sound)
{
    long value = 1;
    platform::audioGetVolume(*sound.lpDSBuffer, value);
    return value;
}

long OfflineSound::bufferPan(const Sound& sound)
{
    long value = 1;
    platform::audioGetPan(*sound.lpDSBuffer, value);
    return value;
}

long OfflineSound::bufferFrequency(const Sound& sound)
{
    long value = 0;
    platform::audioGetFrequency(*sound.lpDSBuffer, value);
    return value;
}

std::uint32_t OfflineSound::playCursor(const Sound& sound)
{
    std::uint32_t value = 0;
    platform::audioGetPosition(*sound.lpDSBuffer, value);
    return value;
}

Bytes framePcm(std::uint32_t frames)
{
    Bytes pcm;
    pcm.reserve(std::size_t(frames) * 4);
    for (std::uint32_t f = 0; f < frames; ++f) {
        const std::uint32_t v = f % 30000;
        for (int c = 0; c < 2; ++c) {
            pcm.push_back(static_cast<unsigned char>(v & 0xff));
            pcm.push_back(static_cast<unsigned char>(v >> 8));
        }
    }
    return pcm;
}
