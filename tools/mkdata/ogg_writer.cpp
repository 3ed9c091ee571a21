#include "tools/mkdata/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <cstring>
#include <stdexcept>

namespace mkdata {
namespace {

void appendPage(Bytes& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

Bytes encodeOgg(const std::vector<std::int16_t>& pcm, int channels, int rate, float quality)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("the Vorbis encoder refused its settings");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "giftfall mkdata");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 20261211);

    Bytes out;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page))
        appendPage(out, page);

    const std::size_t frames = pcm.size() / std::size_t(channels);
    constexpr std::size_t kChunk = 4096;
    std::size_t done = 0;
    bool ended = false;
    while (!ended) {
        std::size_t n = std::min(kChunk, frames - done);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, int(n));
            for (std::size_t i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = pcm[(done + i) * std::size_t(channels) + std::size_t(c)] / 32768.0f;
            vorbis_analysis_wrote(&dsp, int(n));
            done += n;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) {
                    appendPage(out, page);
                    if (ogg_page_eos(&page))
                        ended = true;
                }
            }
        }
        if (n == 0)
            ended = true;
    }
    while (ogg_stream_flush(&stream, &page))
        appendPage(out, page);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

}  // namespace mkdata
