#pragma once
// Sound files made in code for the sound tests: RIFF WAVE files with PCM
// of a given content and Ogg Vorbis files holding a tone.

#include <cstdint>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct WavSpec {
    int channels = 2;
    int rate = 44100;
    int bits = 16;
};

// PCM whose every 16-bit word (or byte, for 8 bits) counts up from start.
Bytes countingPcm(std::size_t bytes, int bits = 16);

// A "fmt " chunk of 16 bytes.
Bytes fmtChunk(const WavSpec& format);
// Any chunk: id, size, data and the pad byte after odd data.
Bytes chunk(const char* id, const Bytes& data);
// "RIFF", the size of what follows, "WAVE", then the chunks.
Bytes riffWave(const std::vector<Bytes>& chunks);
// The plain file: fmt then data.
Bytes wavFile(const WavSpec& format, const Bytes& pcm);

// An Ogg Vorbis file of frames frames of a 440 Hz tone.
Bytes oggTone(int channels, int rate, long frames);
