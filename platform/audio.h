#pragma once
// The audio service: one output stream of 44100 Hz, stereo, 16 bits, and
// any number of sound buffers mixed into it. A buffer holds PCM of its own
// format (8 or 16 bits, mono or stereo, any rate); duplicates share one
// sample memory and keep their own position, volume, pan and frequency.
//
// Volumes are hundredths of a decibel (-10000 silence .. 0 full), pan is
// -10000 (left only) .. 10000 (right only): a positive pan attenuates the
// left channel by that many hundredths of a decibel, a negative one the
// right channel. Frequencies are 100..100000 Hz.
//
// Calls return 0 on success and a negative code on failure. Every call may
// come from any thread; the mixer has its own lock, held only while it
// mixes or while a call changes a buffer.

#include <cstdint>
#include <memory>

namespace platform {

constexpr int kAudioRate = 44100;
constexpr int kAudioMinFrequency = 100;
constexpr int kAudioMaxFrequency = 100000;
constexpr long kAudioSilence = -10000;
constexpr std::uint32_t kAudioStatusPlaying = 1;

constexpr int kAudioErrNotOpen = -1;
constexpr int kAudioErrBadFormat = -2;
constexpr int kAudioErrBadArgument = -3;
constexpr int kAudioErrLocked = -4;

struct PcmFormat {
    int channels = 2;       // 1 or 2
    int samplesPerSec = kAudioRate;
    int bitsPerSample = 16;  // 8 (unsigned) or 16 (signed)
    int blockAlign() const { return channels * bitsPerSample / 8; }
};

enum class AudioOutput {
    Device,   // the system's default output device through SDL
    Offline,  // no device: the caller advances the mixer with audioMixOffline
};

// Opens the output; false when it cannot (no device, a refused format).
bool audioOpen(AudioOutput output);
void audioClose();
bool audioIsOpen();

// Offline output only: mixes the next frames of the stream into out
// (frames × 2 samples, left first) and advances every playing buffer.
void audioMixOffline(std::int16_t* out, std::uint32_t frames);

class AudioBuffer;
struct AudioBufferRelease {
    void operator()(AudioBuffer* buffer) const;
};
using AudioBufferPtr = std::unique_ptr<AudioBuffer, AudioBufferRelease>;

// A silent, stopped buffer of the given size in bytes; empty when the
// output is not open or the format is not one of the supported ones.
AudioBufferPtr audioCreateBuffer(const PcmFormat& format, std::uint32_t bytes);
// A second buffer over the same samples, stopped at position 0, with the
// volume, pan and frequency of the source.
int audioDuplicateBuffer(const AudioBuffer& source, AudioBufferPtr& duplicate);

std::uint32_t audioBufferSize(const AudioBuffer& buffer);

// A writable view of bytes [offset, offset + bytes) of the ring; when the
// range passes the end it continues at 0 in the second region. The bytes
// reach the buffer at unlock.
struct AudioLock {
    std::uint8_t* data1 = nullptr;
    std::uint32_t size1 = 0;
    std::uint8_t* data2 = nullptr;
    std::uint32_t size2 = 0;
};
int audioLock(AudioBuffer& buffer, std::uint32_t offset, std::uint32_t bytes, AudioLock& lock);
int audioUnlock(AudioBuffer& buffer, const AudioLock& lock);

// Plays from the current position; a looping buffer wraps at its end, any
// other stops there and rewinds to 0.
int audioPlay(AudioBuffer& buffer, bool looping);
int audioStop(AudioBuffer& buffer);
int audioSetPosition(AudioBuffer& buffer, std::uint32_t bytes);
int audioGetPosition(const AudioBuffer& buffer, std::uint32_t& bytes);
int audioGetStatus(const AudioBuffer& buffer, std::uint32_t& status);

int audioSetVolume(AudioBuffer& buffer, long volume);
int audioGetVolume(const AudioBuffer& buffer, long& volume);
int audioSetPan(AudioBuffer& buffer, long pan);
int audioGetPan(const AudioBuffer& buffer, long& pan);
int audioSetFrequency(AudioBuffer& buffer, long frequency);
int audioGetFrequency(const AudioBuffer& buffer, long& frequency);

// Raises the calling thread to the highest priority the system grants;
// false when it refuses (the thread then runs as before).
bool audioRaiseThreadPriority();

}  // namespace platform
