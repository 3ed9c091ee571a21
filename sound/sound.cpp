#include "sound/sound.h"

#include "foundation/gerr.h"
#include "platform/message_box.h"
#include "sound/sound_engine.h"
#include "sound/sound_lock.h"
#include "sound/sound_registry.h"
#include "sound/sound_volume.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int signOf(float value) { return (value > 0.0f) - (value < 0.0f); }

platform::PcmFormat pcmFormatOf(const WaveFormat& format)
{
    return {format.nChannels, static_cast<int>(format.nSamplesPerSec), format.wBitsPerSample};
}

}  // namespace

Sound::Sound(std::string_view file, int mode) : fileName(file), name(file)
{
    sndMode = static_cast<unsigned>(mode) & 3u;
    SoundLock lock;
    sndList.add(this);
}

Sound::~Sound()
{
    SoundLock lock;
    if (lpDSBuffer)
        GERR_CHECK(platform::audioStop(*lpDSBuffer));
    lpDSBuffer.reset();
    fsnd.reset();
    sndList.remove(this);
}

// Fills bytes of the ring from offset with what the file delivers, the
// rest with silence, and counts them as written; a failed lock writes
// nothing.
void Sound::fill(std::uint32_t offset, std::uint32_t bytes, SoundFile& file)
{
    platform::AudioLock region;
    if (GERR_CHECK(platform::audioLock(*lpDSBuffer, offset, bytes, region)) != 0)
        return;
    const unsigned char silence = file.format.wBitsPerSample == 8 ? 128 : 0;
    for (auto [data, size] : {std::pair {region.data1, region.size1}, std::pair {region.data2, region.size2}}) {
        if (!data || size == 0)
            continue;
        const std::uint32_t got = std::min(file.Read(data, size, bLoop), size);
        std::memset(data + got, silence, size - got);
    }
    GERR_CHECK(platform::audioUnlock(*lpDSBuffer, region));
    dwWritten += bytes;
}

void Sound::Load()
{
    SoundLock lock;
    if (fileName.empty() || !SoundIsOn())
        return;
    fsnd = CreateSoundFile(fileName);
    if (!fsnd || fsnd->Open(fileName) != SOUNDFILE_OK) {
        fsnd.reset();
        platform::showMessageBox(fileName.c_str(), "sound file is bad");
        return;
    }
    dwWritten = 0;
    const bool streamed = fsnd->dwLength > SND_STATIC_MAX || sndMode == SND_MODE_MUSIC;
    const std::uint32_t size = streamed ? SND_STREAM_SIZE : fsnd->dwLength;
    if (fsnd->format.wFormatTag == WAVE_FORMAT_PCM)
        lpDSBuffer = platform::audioCreateBuffer(pcmFormatOf(fsnd->format), size);
    if (GERR_CHECK(!lpDSBuffer)) {
        fsnd.reset();
        return;
    }
    fill(0, size, *fsnd);
    if (!streamed)
        fsnd.reset();
    SetVolume(Volume);
}

void Sound::Unload()
{
    SoundLock lock;
    if (lpDSBuffer)
        GERR_CHECK(platform::audioStop(*lpDSBuffer));
    lpDSBuffer.reset();
}

void Sound::Play(bool loop)
{
    SoundLock lock;
    const bool loopedBefore = bLoop;
    bLoop = loop;
    if (!lpDSBuffer)
        return;
    if (loop && !loopedBefore && fsnd && wholeStreamInRing())
        refillFromStart();  // the ring holds the track once, then silence
    std::uint32_t dwStatus = 0;
    GERR_CHECK(platform::audioGetStatus(*lpDSBuffer, dwStatus));
    Update();
    // A streamed buffer always wraps; whether the sound loops is up to the fill.
    GERR_CHECK(platform::audioPlay(*lpDSBuffer, bLoop || fsnd));
    bPlaying = true;
    if (fsnd)
        bService = true;
}

void Sound::Pause()
{
    SoundLock lock;
    bService = false;
    if (!lpDSBuffer)
        return;
    GERR_CHECK(platform::audioStop(*lpDSBuffer));
    bPlaying = false;
}

void Sound::Stop()
{
    SoundLock lock;
    bService = false;
    if (!lpDSBuffer)
        return;
    GERR_CHECK(platform::audioStop(*lpDSBuffer));
    GERR_CHECK(platform::audioSetPosition(*lpDSBuffer, 0));
    if (fsnd)
        refillFromStart();
    bPlaying = false;
}

void Sound::refillFromStart()
{
    dwWritten = 0;
    fsnd->Rewind();
    fill(0, SND_STREAM_SIZE, *fsnd);
}

// True for a stream shorter than the ring that stands at its start, with
// the ring filled once since then.
bool Sound::wholeStreamInRing()
{
    std::uint32_t dwPlayPos = 0;
    GERR_CHECK(platform::audioGetPosition(*lpDSBuffer, dwPlayPos));
    return fsnd->dwLength < SND_STREAM_SIZE && dwWritten == SND_STREAM_SIZE && dwPlayPos == 0 && !bPlaying;
}

void Sound::SetVolume(float value)
{
    SoundLock lock;
    Volume = value;
    if (lpDSBuffer)
        GERR_CHECK(platform::audioSetVolume(*lpDSBuffer, ToDirectVolume(sndVolume[sndMode] * value)));
}

void Sound::SetFrequency(float factor)
{
    SoundLock lock;
    if (!lpDSBuffer)
        return;
    const float frequency = std::nearbyint(factor * static_cast<float>(SND_FREQUENCY_BASE));
    const long i_frq = std::clamp(static_cast<long>(std::clamp(frequency, 0.0f, 1e6f)),
                                  long {platform::kAudioMinFrequency}, long {platform::kAudioMaxFrequency});
    GERR_CHECK(platform::audioSetFrequency(*lpDSBuffer, i_frq));
}

void Sound::SetPan(float value)
{
    SoundLock lock;
    pan = value;
    if (!lpDSBuffer)
        return;
    const long ipan = -signOf(value) * ToDirectVolume(1.0f - std::fabs(value));
    GERR_CHECK(platform::audioSetPan(*lpDSBuffer, ipan));
}

void Sound::shareBufferWith(Sound& copy)
{
    if (fsnd)
        copy.Load();
    else if (lpDSBuffer)
        GERR_CHECK(platform::audioDuplicateBuffer(*lpDSBuffer, copy.lpDSBuffer));
}

Sound* Sound::Duplicate()
{
    SoundLock lock;
    auto* copy = new Sound(fileName, static_cast<int>(sndMode));
    copy->name = name;
    copy->Volume = Volume;
    copy->pan = pan;
    copy->bLoop = bLoop;
    shareBufferWith(*copy);
    return copy;
}

float Sound::GetFrequency()
{
    SoundLock lock;
    long i_frq = 0;
    if (lpDSBuffer)
        GERR_CHECK(platform::audioGetFrequency(*lpDSBuffer, i_frq));
    return static_cast<float>(i_frq) / SND_FREQUENCY_BASE;
}

float Sound::GetVolume()
{
    SoundLock lock;
    if (!lpDSBuffer)
        return Volume;
    long volume = 0;
    GERR_CHECK(platform::audioGetVolume(*lpDSBuffer, volume));
    return FromDirectVolume(volume);
}

float Sound::GetPan()
{
    SoundLock lock;
    if (!lpDSBuffer)
        return pan;
    long panning = 0;
    GERR_CHECK(platform::audioGetPan(*lpDSBuffer, panning));
    const float size = 1.0f - FromDirectVolume(-std::labs(panning));
    return panning < 0 ? -size : size;
}

bool Sound::IsPlaying()
{
    SoundLock lock;
    if (!lpDSBuffer || !bPlaying)
        return false;
    std::uint32_t dwStatus = 0;
    GERR_CHECK(platform::audioGetStatus(*lpDSBuffer, dwStatus));
    bPlaying = (dwStatus & platform::kAudioStatusPlaying) != 0;
    return bPlaying;
}

float Sound::GetLength()
{
    SoundLock lock;
    if (!fsnd || fsnd->format.nAvgBytesPerSec == 0)
        return 0.0f;
    return static_cast<float>(fsnd->dwLength) / static_cast<float>(fsnd->format.nAvgBytesPerSec);
}

// Refills the part of the ring that has been played since the last pass
// and stops a stream that does not loop once its data has been played.
void Sound::serviceStream()
{
    std::uint32_t dwPlayPos = 0;
    GERR_CHECK(platform::audioGetPosition(*lpDSBuffer, dwPlayPos));
    const std::uint32_t w = dwWritten % SND_STREAM_SIZE;
    const std::uint32_t n = w <= dwPlayPos ? dwPlayPos - w : dwPlayPos - w + SND_STREAM_SIZE;
    if (n == 0)
        return;
    fill(w, n, *fsnd);
    if (bLoop)
        return;
    std::uint32_t p = dwWritten + dwPlayPos - w;
    if (w < dwPlayPos)
        p -= SND_STREAM_SIZE;
    if (p >= fsnd->dwLength)
        Stop();
}

void Sound::serviceFade()
{
    fadeTime -= SND_TICK;
    if (fadeTime <= 0) {
        if (!fsnd)
            bService = false;
        if (fadeKind == FADE_OUT)
            Stop();
        SetVolume(Volume);
        fadeTime = 0;
        fadeKind = FADE_NONE;
        // Cleared before the call, so a callback may start a new fade here.
        if (FadeDone done = fadeDone) {
            fadeDone = nullptr;
            done();
        }
        return;
    }
    const int t = fadeKind == FADE_IN ? PERIOD_FADE - fadeTime : fadeTime;
    if (lpDSBuffer)
        GERR_CHECK(platform::audioSetVolume(
            *lpDSBuffer, ToDirectVolume(sndVolume[sndMode] * Volume * static_cast<float>(t) / PERIOD_FADE)));
}

void Sound::Update()
{
    SoundLock lock;
    if (fsnd && lpDSBuffer)
        serviceStream();
    if (fadeKind != FADE_NONE)
        serviceFade();
}

void Sound::Fade(int kind, FadeDone done)
{
    SoundLock lock;
    fadeKind = static_cast<unsigned>(kind) & 3u;
    bService = true;
    fadeTime = PERIOD_FADE;
    fadeDone = done;
    if (kind == FADE_IN && lpDSBuffer)
        GERR_CHECK(platform::audioSetVolume(*lpDSBuffer, -1000));
}
