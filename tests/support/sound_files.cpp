#include "support/sound_files.h"

#include "tools/mkdata/ogg_writer.h"

#include <cmath>
#include <cstring>
#include <algorithm>

namespace {

void putU16(Bytes& out, unsigned v)
{
    out.push_back(static_cast<unsigned char>(v & 0xff));
    out.push_back(static_cast<unsigned char>(v >> 8 & 0xff));
}

void putU32(Bytes& out, std::uint32_t v)
{
    putU16(out, v & 0xffff);
    putU16(out, v >> 16);
}

}  // namespace

Bytes countingPcm(std::size_t bytes, int bits)
{
    Bytes pcm(bytes);
    for (std::size_t i = 0; i < bytes; ++i) {
        const std::size_t word = bits == 16 ? i / 2 : i;
        pcm[i] = bits == 16 ? static_cast<unsigned char>(i % 2 ? (word >> 8) & 0x7f : word & 0xff)
                            : static_cast<unsigned char>(word & 0xff);
    }
    return pcm;
}

Bytes fmtChunk(const WavSpec& format)
{
    Bytes data;
    const int block = format.channels * format.bits / 8;
    putU16(data, 1);
    putU16(data, static_cast<unsigned>(format.channels));
    putU32(data, static_cast<std::uint32_t>(format.rate));
    putU32(data, static_cast<std::uint32_t>(format.rate * block));
    putU16(data, static_cast<unsigned>(block));
    putU16(data, static_cast<unsigned>(format.bits));
    return chunk("fmt ", data);
}

Bytes chunk(const char* id, const Bytes& data)
{
    Bytes out(id, id + 4);
    putU32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2)
        out.push_back(0);
    return out;
}

Bytes riffWave(const std::vector<Bytes>& chunks)
{
    Bytes body {'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes out {'R', 'I', 'F', 'F'};
    putU32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes wavFile(const WavSpec& format, const Bytes& pcm) { return riffWave({fmtChunk(format), chunk("data", pcm)}); }

Bytes oggTone(int channels, int rate, long frames)
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(static_cast<std::size_t>(frames * channels));
    for (long i = 0; i < frames; ++i) {
        const float wave = 0.5f * std::sin(2.0f * 3.14159265f * 440.0f * static_cast<float>(i) / static_cast<float>(rate));
        for (int c = 0; c < channels; ++c)
            pcm.push_back(static_cast<std::int16_t>(wave * 32767.0f));
    }
    return mkdata::encodeOgg(pcm, channels, rate, 0.3f);
}
