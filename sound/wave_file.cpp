#include "sound/wave_file.h"

#include "foundation/gerr.h"

#include <algorithm>
#include <cstring>

namespace {

// The 16 bytes of a PCM format header.
void readPcmFormat(const unsigned char* pcm, WaveFormat& format)
{
    auto u16 = [pcm](int at) { return std::uint16_t(pcm[at] | pcm[at + 1] << 8); };
    auto u32 = [pcm](int at) {
        return std::uint32_t(pcm[at]) | std::uint32_t(pcm[at + 1]) << 8 | std::uint32_t(pcm[at + 2]) << 16 |
               std::uint32_t(pcm[at + 3]) << 24;
    };
    format.wFormatTag = u16(0);
    format.nChannels = u16(2);
    format.nSamplesPerSec = u32(4);
    format.nAvgBytesPerSec = u32(8);
    format.nBlockAlign = u16(12);
    format.wBitsPerSample = u16(14);
    format.cbSize = 0;
}

}  // namespace

int WaveFile::Open(std::string_view path)
{
    if (!riffIn.open(path))
        return SOUNDFILE_CANNOT_OPEN;
    ckInRIFF = {};
    GERR_CHECK(riffIn.descend(ckInRIFF, nullptr, false));
    ckIn = {};
    ckIn.id = platform::riffId("fmt ");
    GERR_CHECK(riffIn.descend(ckIn, &ckInRIFF, true));
    unsigned char pcm[16] = {};
    const std::uint32_t got = riffIn.read(pcm, std::min<std::uint32_t>(sizeof pcm, ckIn.size));
    GERR_CHECK(got < sizeof pcm);
    readPcmFormat(pcm, format);
    Rewind();
    return SOUNDFILE_OK;
}

void WaveFile::Rewind()
{
    riffIn.seek(ckInRIFF.dataOffset + 4);
    ckIn = {};
    ckIn.id = platform::riffId("data");
    if (riffIn.descend(ckIn, &ckInRIFF, true) != 0)
        ckIn = {};
    dwLength = ckIn.size;
    dwPos = 0;
}

std::uint32_t WaveFile::readData(unsigned char* buffer, std::uint32_t bytes)
{
    const std::uint32_t n = std::min(bytes, dwLength - dwPos);
    if (n == 0)
        return 0;
    riffIn.seek(ckIn.dataOffset + dwPos);
    const std::uint32_t got = riffIn.read(buffer, n);
    dwPos += got;
    return got;
}

std::uint32_t WaveFile::Read(void* buffer, std::uint32_t bytes, bool bLoop)
{
    auto* out = static_cast<unsigned char*>(buffer);
    std::uint32_t done = readData(out, bytes);
    // A looping read goes on from the start of the data, as long as it yields.
    while (done < bytes && bLoop && dwPos > 0) {
        dwPos = 0;
        const std::uint32_t got = readData(out + done, bytes - done);
        if (got == 0)
            break;
        done += got;
    }
    return done;
}
