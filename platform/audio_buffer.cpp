#include "platform/audio_mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {
namespace {

bool supported(const PcmFormat& format)
{
    return (format.channels == 1 || format.channels == 2) &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
           format.samplesPerSec >= kAudioMinFrequency && format.samplesPerSec <= kAudioMaxFrequency;
}

std::uint64_t stepFor(long frequency)
{
    return (static_cast<std::uint64_t>(frequency) << 32) / kAudioRate;
}

float amplitude(long hundredthsOfDecibel)
{
    if (hundredthsOfDecibel <= kAudioSilence)
        return 0.0f;
    return std::pow(10.0f, static_cast<float>(hundredthsOfDecibel) / 2000.0f);
}

// Moves the buffer's gain toward its volume and pan.
void applyGain(AudioBuffer& b)
{
    const float base = amplitude(b.volume);
    b.voice.gain.rampTo(base * amplitude(std::min(0L, -b.pan)), base * amplitude(std::min(0L, b.pan)));
}

// Lets the sound at the current position fade out over a few frames
// while the buffer stops or jumps elsewhere.
void leaveTail(AudioBuffer& b)
{
    if (!b.playing)
        return;
    b.tail = b.voice;
    b.tail.gain.rampTo(0.0f, 0.0f);
    b.tailActive = true;
}

// Runs change on the buffer under the mixer lock.
template <typename Change>
int withBuffer(AudioBuffer& b, Change change)
{
    std::lock_guard guard(mixer().lock);
    return change(b);
}

template <typename Query>
int readBuffer(const AudioBuffer& b, Query query)
{
    std::lock_guard guard(mixer().lock);
    return query(b);
}

}  // namespace

AudioBuffer::AudioBuffer(const PcmFormat& f, std::uint32_t bytes)
    : format(f),
      size(bytes),
      frames(bytes / static_cast<std::uint32_t>(f.blockAlign())),
      samples(std::make_shared<std::vector<std::int16_t>>((bytes + 1) / 2)),
      frequency(f.samplesPerSec),
      step(stepFor(f.samplesPerSec))
{
    if (f.bitsPerSample == 8)
        std::memset(this->bytes(), 128, bytes);
}

AudioBuffer::AudioBuffer(const AudioBuffer& source)
    : format(source.format),
      size(source.size),
      frames(source.frames),
      samples(source.samples),
      volume(source.volume),
      pan(source.pan),
      frequency(source.frequency),
      step(source.step)
{
}

void AudioBufferRelease::operator()(AudioBuffer* buffer) const
{
    Mixer& m = mixer();
    {
        std::lock_guard guard(m.lock);
        std::erase(m.buffers, buffer);
    }
    delete buffer;
}

AudioBufferPtr audioCreateBuffer(const PcmFormat& format, std::uint32_t bytes)
{
    if (!supported(format) || bytes < static_cast<std::uint32_t>(format.blockAlign()))
        return nullptr;
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    if (!m.open)
        return nullptr;
    AudioBufferPtr buffer(new AudioBuffer(format, bytes));
    m.buffers.push_back(buffer.get());
    return buffer;
}

int audioDuplicateBuffer(const AudioBuffer& source, AudioBufferPtr& duplicate)
{
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    if (!m.open)
        return kAudioErrNotOpen;
    duplicate.reset(new AudioBuffer(source));
    m.buffers.push_back(duplicate.get());
    return 0;
}

std::uint32_t audioBufferSize(const AudioBuffer& buffer) { return buffer.size; }

int audioLock(AudioBuffer& buffer, std::uint32_t offset, std::uint32_t bytes, AudioLock& lock)
{
    lock = {};
    if (offset >= buffer.size || bytes == 0 || bytes > buffer.size)
        return kAudioErrBadArgument;
    if (buffer.locked)
        return kAudioErrLocked;
    // The caller writes into a staging area outside the mixer lock; unlock
    // copies it into the ring.
    buffer.locked = true;
    buffer.lockOffset = offset;
    buffer.staging.resize(bytes);
    lock.data1 = buffer.staging.data();
    lock.size1 = std::min(bytes, buffer.size - offset);
    if (lock.size1 < bytes) {
        lock.data2 = buffer.staging.data() + lock.size1;
        lock.size2 = bytes - lock.size1;
    }
    return 0;
}

int audioUnlock(AudioBuffer& buffer, const AudioLock& lock)
{
    if (!buffer.locked)
        return kAudioErrBadArgument;
    const std::uint32_t size1 = std::min(lock.size1, buffer.size - buffer.lockOffset);
    const std::uint32_t size2 = std::min(lock.size2, buffer.lockOffset);
    return withBuffer(buffer, [&](AudioBuffer& b) {
        std::memcpy(b.bytes() + b.lockOffset, b.staging.data(), size1);
        if (size2 > 0)
            std::memcpy(b.bytes(), b.staging.data() + size1, size2);
        b.locked = false;
        return 0;
    });
}

int audioPlay(AudioBuffer& buffer, bool looping)
{
    return withBuffer(buffer, [&](AudioBuffer& b) {
        b.looping = looping;
        if (!b.playing) {
            b.playing = true;
            b.voice.gain = {};
            applyGain(b);
        }
        return 0;
    });
}

int audioStop(AudioBuffer& buffer)
{
    return withBuffer(buffer, [](AudioBuffer& b) {
        leaveTail(b);
        b.playing = false;
        return 0;
    });
}

int audioSetPosition(AudioBuffer& buffer, std::uint32_t bytes)
{
    return withBuffer(buffer, [&](AudioBuffer& b) {
        if (bytes >= b.size)
            return kAudioErrBadArgument;
        leaveTail(b);
        b.voice.position = static_cast<std::uint64_t>(bytes / b.format.blockAlign()) << 32;
        if (b.playing) {
            b.voice.gain = {};
            applyGain(b);
        }
        return 0;
    });
}

int audioGetPosition(const AudioBuffer& buffer, std::uint32_t& bytes)
{
    return readBuffer(buffer, [&](const AudioBuffer& b) {
        bytes = static_cast<std::uint32_t>(b.voice.position >> 32) * b.format.blockAlign();
        return 0;
    });
}

int audioGetStatus(const AudioBuffer& buffer, std::uint32_t& status)
{
    return readBuffer(buffer, [&](const AudioBuffer& b) {
        status = b.playing ? kAudioStatusPlaying : 0;
        return 0;
    });
}

int audioSetVolume(AudioBuffer& buffer, long volume)
{
    if (volume < kAudioSilence || volume > 0)
        return kAudioErrBadArgument;
    return withBuffer(buffer, [&](AudioBuffer& b) {
        b.volume = volume;
        applyGain(b);
        return 0;
    });
}

int audioGetVolume(const AudioBuffer& buffer, long& volume)
{
    return readBuffer(buffer, [&](const AudioBuffer& b) {
        volume = b.volume;
        return 0;
    });
}

int audioSetPan(AudioBuffer& buffer, long pan)
{
    if (pan < kAudioSilence || pan > -kAudioSilence)
        return kAudioErrBadArgument;
    return withBuffer(buffer, [&](AudioBuffer& b) {
        b.pan = pan;
        applyGain(b);
        return 0;
    });
}

int audioGetPan(const AudioBuffer& buffer, long& pan)
{
    return readBuffer(buffer, [&](const AudioBuffer& b) {
        pan = b.pan;
        return 0;
    });
}

int audioSetFrequency(AudioBuffer& buffer, long frequency)
{
    if (frequency < kAudioMinFrequency || frequency > kAudioMaxFrequency)
        return kAudioErrBadArgument;
    return withBuffer(buffer, [&](AudioBuffer& b) {
        b.frequency = frequency;
        b.step = stepFor(frequency);
        return 0;
    });
}

int audioGetFrequency(const AudioBuffer& buffer, long& frequency)
{
    return readBuffer(buffer, [&](const AudioBuffer& b) {
        frequency = b.frequency;
        return 0;
    });
}

}  // namespace platform
