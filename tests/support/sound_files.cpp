#include "support/sound_files.h"

#include <cmath>
#include <cstring>
#include <algorithm>
#include <vorbis/vorbisenc.h>

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

void append(Bytes& out, const unsigned char* data, long size) { out.insert(out.end(), data, data + size); }

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
    vorbis_info info;
    vorbis_info_init(&info);
    vorbis_encode_init_vbr(&info, channels, rate, 0.3f);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1234);

    Bytes out;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) {
        append(out, page.header, page.header_len);
        append(out, page.body, page.body_len);
    }
    long written = 0;
    bool end = false;
    while (!end) {
        const long n = std::min(1024L, frames - written);
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (long i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = 0.5f * std::sin(2.0f * 3.14159265f * 440.0f * static_cast<float>(written + i) / rate);
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            written += n;
        } else {
            vorbis_analysis_wrote(&dsp, 0);
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (!end && ogg_stream_pageout(&stream, &page)) {
                    append(out, page.header, page.header_len);
                    append(out, page.body, page.body_len);
                    end = ogg_page_eos(&page) != 0;
                }
            }
        }
        if (n <= 0 && !end) {
            while (ogg_stream_flush(&stream, &page)) {
                append(out, page.header, page.header_len);
                append(out, page.body, page.body_len);
                end = ogg_page_eos(&page) != 0;
            }
            end = true;
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}
