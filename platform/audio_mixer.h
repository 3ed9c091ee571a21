#pragma once
// Inside the audio service: the buffers and the mixer state shared by the
// buffer calls and the device.

#include "platform/audio.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

// A gain that moves linearly to its target over a few frames, so that
// starts, stops and volume changes do not click.
struct RampedGain {
    float left = 0, right = 0;
    float targetLeft = 0, targetRight = 0;
    float stepLeft = 0, stepRight = 0;
    std::uint32_t framesLeft = 0;

    void rampTo(float newLeft, float newRight);
    void advance(std::uint32_t frames);
};

// A playing position with its gain: the buffer's own voice, or the short
// fade-out tail left behind by a stop or a jump.
struct Voice {
    std::uint64_t position = 0;  // frames, 32.32 fixed point
    RampedGain gain;
};

class AudioBuffer {
public:
    AudioBuffer(const PcmFormat& format, std::uint32_t bytes);
    AudioBuffer(const AudioBuffer& source);

    const std::uint8_t* bytes() const { return reinterpret_cast<const std::uint8_t*>(samples->data()); }
    std::uint8_t* bytes() { return reinterpret_cast<std::uint8_t*>(samples->data()); }

    PcmFormat format;
    std::uint32_t size;
    std::uint32_t frames;
    // Held as 16-bit words so 16-bit PCM reads as such; shared by duplicates.
    std::shared_ptr<std::vector<std::int16_t>> samples;

    bool playing = false;
    bool looping = false;
    long volume = 0;
    long pan = 0;
    long frequency;
    std::uint64_t step;  // source frames per output frame, 32.32
    Voice voice;
    Voice tail;
    bool tailActive = false;

    std::vector<std::uint8_t> staging;
    bool locked = false;
    std::uint32_t lockOffset = 0;
};

struct Mixer {
    std::mutex lock;
    bool open = false;
    AudioOutput output = AudioOutput::Offline;
    std::vector<AudioBuffer*> buffers;
    std::vector<float> accumulator;
};

Mixer& mixer();

// Mixes frames of every playing buffer into out; takes the mixer lock.
void mixInto(std::int16_t* out, std::uint32_t frames);

}  // namespace platform
