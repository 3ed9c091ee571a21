#include "tools/mkdata/synth.h"

#include <algorithm>
#include <cmath>

namespace mkdata {
namespace {

constexpr double kTwoPi = 6.283185307179586;

double waveAt(Wave wave, double phase, double t)
{
    double s = std::sin(kTwoPi * phase);
    switch (wave) {
    case Wave::Sine:
        return s;
    case Wave::Triangle: {
        double f = phase - std::floor(phase);
        return 4 * std::abs(f - 0.5) - 1;
    }
    case Wave::Soft:
        return std::tanh(2.5 * s) * 0.8;
    case Wave::Bell:
        // Glockenspiel-like partials; the high ones die away first.
        return 0.6 * s + 0.25 * std::sin(kTwoPi * phase * 2.76) * std::exp(-t * 9) +
               0.15 * std::sin(kTwoPi * phase * 5.4) * std::exp(-t * 18);
    case Wave::Pluck:
        return 0.7 * s + 0.2 * std::sin(kTwoPi * phase * 2) * std::exp(-t * 12) +
               0.1 * std::sin(kTwoPi * phase * 3) * std::exp(-t * 20);
    case Wave::Organ:
        return 0.6 * s + 0.25 * std::sin(kTwoPi * phase * 2) + 0.15 * std::sin(kTwoPi * phase * 4);
    }
    return s;
}

// Attack, exponential decay, and a short release so that nothing clicks.
double envelope(double t, double length, double attack, double decay)
{
    double a = t < attack ? t / attack : std::exp(-(t - attack) * decay);
    constexpr double kRelease = 0.01;
    double left = length - t;
    if (left < kRelease)
        a *= std::max(0.0, left / kRelease);
    return a;
}

}  // namespace

double noteFrequency(double midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12);
}

Mix::Mix(double seconds, int channels, bool wrap)
    : frames_(std::size_t(seconds * kSampleRate)), channels_(channels), wrap_(wrap),
      data_(frames_ * std::size_t(channels), 0.0f)
{
}

void Mix::put(std::size_t frame, double value, double pan)
{
    if (frame >= frames_) {
        if (!wrap_)
            return;
        frame %= frames_;
    }
    if (channels_ == 1) {
        data_[frame] += float(value);
        return;
    }
    double left = std::sqrt(0.5 * (1 - pan)), right = std::sqrt(0.5 * (1 + pan));
    data_[frame * 2] += float(value * left);
    data_[frame * 2 + 1] += float(value * right);
}

void Mix::add(const Tone& tone)
{
    std::size_t first = std::size_t(tone.start * kSampleRate);
    std::size_t count = std::size_t(tone.length * kSampleRate);
    double phase = 0;
    double ratio = tone.endFreq > 0 ? std::log(tone.endFreq / tone.freq) : 0;
    for (std::size_t i = 0; i < count; ++i) {
        double t = double(i) / kSampleRate;
        double f = tone.freq * std::exp(ratio * t / tone.length);
        if (tone.vibrato > 0)
            f *= std::pow(2.0, tone.vibrato * std::sin(kTwoPi * 5.5 * t) / 12);
        phase += f / kSampleRate;
        put(first + i, tone.volume * envelope(t, tone.length, tone.attack, tone.decay) * waveAt(tone.wave, phase, t),
            tone.pan);
    }
}

void Mix::add(const Noise& noise)
{
    std::size_t first = std::size_t(noise.start * kSampleRate);
    std::size_t count = std::size_t(noise.length * kSampleRate);
    double lowK = 1 - std::exp(-kTwoPi * noise.lowpass / kSampleRate);
    double highK = 1 - std::exp(-kTwoPi * noise.highpass / kSampleRate);
    double low = 0, high = 0;
    for (std::size_t i = 0; i < count; ++i) {
        noiseState_ = noiseState_ * 214013u + 2531011u;
        double white = double((noiseState_ >> 16) & 0x7FFF) / 16384.0 - 1;
        low += (white - low) * lowK;
        high += (low - high) * highK;
        double t = double(i) / kSampleRate;
        put(first + i, noise.volume * envelope(t, noise.length, noise.attack, noise.decay) * (low - high), noise.pan);
    }
}

std::vector<std::int16_t> Mix::finish(double peak)
{
    float top = 0;
    for (float v : data_)
        top = std::max(top, std::abs(v));
    double gain = top > 0 ? peak / top : 0;
    std::vector<std::int16_t> out(data_.size());
    const std::size_t fade = wrap_ ? 0 : std::min<std::size_t>(frames_ / 4, 220);
    for (std::size_t i = 0; i < data_.size(); ++i) {
        std::size_t frame = i / std::size_t(channels_);
        double edge = 1;
        if (fade && frame < fade)
            edge = double(frame) / fade;
        if (fade && frames_ - frame <= fade)
            edge = double(frames_ - frame - 1) / fade;
        out[i] = std::int16_t(std::lround(std::clamp(data_[i] * gain * edge, -1.0, 1.0) * 32767));
    }
    return out;
}

}  // namespace mkdata
