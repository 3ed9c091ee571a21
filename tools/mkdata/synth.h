#pragma once
// A small synthesizer: tones with pitch sweeps, vibrato and envelopes in a
// few timbres, filtered noise bursts, mixed into a float buffer. With
// wrap-around mixing a buffer is a loop: what rings past its end sounds at
// its start, so the loop has no seam.

#include <cstdint>
#include <vector>

namespace mkdata {

constexpr int kSampleRate = 44100;

enum class Wave { Sine, Triangle, Soft, Bell, Pluck, Organ };

struct Tone {
    double start = 0;       // seconds
    double length = 0.2;    // seconds, release included
    double freq = 440;      // Hz at the start
    double endFreq = 0;     // Hz at the end (0: no sweep); the sweep is exponential
    double volume = 0.5;
    Wave wave = Wave::Sine;
    double attack = 0.005;  // seconds
    double decay = 6;       // exponential decay rate per second after the attack
    double vibrato = 0;     // depth in semitones, at 5.5 Hz
    double pan = 0;         // -1 left .. 1 right (stereo buffers)
};

struct Noise {
    double start = 0;
    double length = 0.1;
    double volume = 0.3;
    double lowpass = 8000;  // Hz, one-pole
    double highpass = 200;  // Hz, one-pole
    double attack = 0.002;
    double decay = 30;
    double pan = 0;
};

class Mix {
public:
    // seconds of silence in 1 or 2 channels; wrap makes a loop buffer.
    Mix(double seconds, int channels = 1, bool wrap = false);
    void add(const Tone& tone);
    void add(const Noise& noise);
    // Scales to the given peak (no clipping), fades the ends unless the mix
    // is a loop, and converts to 16-bit samples (interleaved when stereo).
    std::vector<std::int16_t> finish(double peak = 0.8);
    std::size_t frames() const { return frames_; }

private:
    void put(std::size_t frame, double value, double pan);

    std::size_t frames_;
    int channels_;
    bool wrap_;
    std::vector<float> data_;
    std::uint32_t noiseState_ = 22222;
};

// The frequency of a note: 69 is A4 = 440 Hz.
double noteFrequency(double midiNote);

}  // namespace mkdata
