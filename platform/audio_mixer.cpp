#include "platform/audio_mixer.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr std::uint32_t kRampFrames = 64;  // about 1.5 ms

float toFloat(std::int16_t sample) { return sample; }
float toFloat(std::uint8_t sample) { return (static_cast<int>(sample) - 128) * 256.0f; }

// Reads frames of one sample layout.
template <typename Sample, int Channels>
struct FrameReader {
    const Sample* samples;

    float left(std::uint32_t frame) const { return toFloat(samples[frame * Channels]); }
    float right(std::uint32_t frame) const { return toFloat(samples[frame * Channels + Channels - 1]); }
};

// Renders frames with linear interpolation between source frame i and next
// (i + 1 inside the buffer); while ramping the gain moves every frame.
template <bool Ramping, typename Reader>
void interpolate(const Reader& in, std::uint64_t& position, std::uint64_t step, std::uint32_t frames,
                 std::int64_t nextOffset, const RampedGain& gain, float* out)
{
    float gl = gain.left, gr = gain.right;
    std::uint64_t pos = position;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto frame = static_cast<std::uint32_t>(pos >> 32);
        const auto next = static_cast<std::uint32_t>(frame + nextOffset);
        const float f = static_cast<float>(pos & 0xffffffffu) * (1.0f / 4294967296.0f);
        const float l0 = in.left(frame), r0 = in.right(frame);
        out[2 * i] += (l0 + (in.left(next) - l0) * f) * gl;
        out[2 * i + 1] += (r0 + (in.right(next) - r0) * f) * gr;
        if constexpr (Ramping) {
            gl += gain.stepLeft;
            gr += gain.stepRight;
        }
        pos += step;
    }
    position = pos;
}

// The common case: a buffer at the output rate, on a whole frame.
template <typename Reader>
void copyFrames(const Reader& in, std::uint64_t& position, std::uint32_t frames, const RampedGain& gain, float* out)
{
    const float gl = gain.left, gr = gain.right;
    const auto first = static_cast<std::uint32_t>(position >> 32);
    for (std::uint32_t i = 0; i < frames; ++i) {
        out[2 * i] += in.left(first + i) * gl;
        out[2 * i + 1] += in.right(first + i) * gr;
    }
    position += static_cast<std::uint64_t>(frames) << 32;
}

template <typename Reader>
void renderRun(const Reader& in, std::uint64_t& position, std::uint64_t step, std::uint32_t frames,
               std::int64_t nextOffset, RampedGain& gain, float* out)
{
    if (gain.framesLeft > 0)
        interpolate<true>(in, position, step, frames, nextOffset, gain, out);
    else if (step == (std::uint64_t(1) << 32) && (position & 0xffffffffu) == 0)
        copyFrames(in, position, frames, gain, out);
    else
        interpolate<false>(in, position, step, frames, nextOffset, gain, out);
    gain.advance(frames);
}

// Renders up to frames frames of a voice; returns how many it rendered,
// fewer only when a buffer that does not loop reaches its end.
template <typename Reader>
std::uint32_t renderVoice(const Reader& in, const AudioBuffer& buffer, Voice& voice, bool looping,
                          std::uint32_t frames, float* out)
{
    const std::uint64_t end = static_cast<std::uint64_t>(buffer.frames) << 32;
    const std::uint64_t lastFrame = end - (std::uint64_t(1) << 32);
    std::uint32_t done = 0;
    while (done < frames) {
        if (voice.position >= end) {
            if (!looping)
                break;
            voice.position %= end;
            continue;
        }
        std::uint32_t run = frames - done;
        if (voice.gain.framesLeft > 0)
            run = std::min(run, voice.gain.framesLeft);
        std::int64_t nextOffset = 1;
        if (voice.position < lastFrame) {
            const std::uint64_t safe = (lastFrame - voice.position + buffer.step - 1) / buffer.step;
            run = static_cast<std::uint32_t>(std::min<std::uint64_t>(run, safe));
        } else {
            // The last frame interpolates toward the first when looping.
            run = 1;
            nextOffset = looping ? -static_cast<std::int64_t>(buffer.frames - 1) : 0;
        }
        renderRun(in, voice.position, buffer.step, run, nextOffset, voice.gain, out + 2 * done);
        done += run;
    }
    return done;
}

template <typename Sample, int Channels>
std::uint32_t renderAs(const AudioBuffer& buffer, Voice& voice, bool looping, std::uint32_t frames, float* out)
{
    FrameReader<Sample, Channels> in {reinterpret_cast<const Sample*>(buffer.bytes())};
    return renderVoice(in, buffer, voice, looping, frames, out);
}

std::uint32_t render(const AudioBuffer& buffer, Voice& voice, bool looping, std::uint32_t frames, float* out)
{
    if (buffer.frames == 0)
        return 0;
    const bool wide = buffer.format.bitsPerSample == 16;
    if (buffer.format.channels == 2)
        return wide ? renderAs<std::int16_t, 2>(buffer, voice, looping, frames, out)
                    : renderAs<std::uint8_t, 2>(buffer, voice, looping, frames, out);
    return wide ? renderAs<std::int16_t, 1>(buffer, voice, looping, frames, out)
                : renderAs<std::uint8_t, 1>(buffer, voice, looping, frames, out);
}

void mixBuffer(AudioBuffer& buffer, std::uint32_t frames, float* out)
{
    if (buffer.tailActive) {
        const std::uint32_t n = std::min(frames, buffer.tail.gain.framesLeft);
        render(buffer, buffer.tail, buffer.looping, n, out);
        buffer.tailActive = buffer.tail.gain.framesLeft > 0 && buffer.tail.position < (std::uint64_t(buffer.frames) << 32);
    }
    if (!buffer.playing)
        return;
    if (render(buffer, buffer.voice, buffer.looping, frames, out) < frames) {
        // A buffer that does not loop has played to its end.
        buffer.playing = false;
        buffer.voice.position = 0;
    }
}

}  // namespace

void RampedGain::rampTo(float newLeft, float newRight)
{
    targetLeft = newLeft;
    targetRight = newRight;
    stepLeft = (newLeft - left) / kRampFrames;
    stepRight = (newRight - right) / kRampFrames;
    framesLeft = kRampFrames;
}

void RampedGain::advance(std::uint32_t frames)
{
    if (framesLeft == 0)
        return;
    framesLeft -= std::min(frames, framesLeft);
    if (framesLeft == 0) {
        left = targetLeft;
        right = targetRight;
        stepLeft = stepRight = 0;
    } else {
        left += stepLeft * frames;
        right += stepRight * frames;
    }
}

Mixer& mixer()
{
    // Never destroyed: buffers released at process exit still take its lock.
    static auto* instance = new Mixer;
    return *instance;
}

void mixInto(std::int16_t* out, std::uint32_t frames)
{
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    m.accumulator.assign(std::size_t(frames) * 2, 0.0f);
    for (AudioBuffer* buffer : m.buffers)
        mixBuffer(*buffer, frames, m.accumulator.data());
    for (std::size_t i = 0; i < m.accumulator.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::lrint(std::clamp(m.accumulator[i], -32768.0f, 32767.0f)));
}

}  // namespace platform
