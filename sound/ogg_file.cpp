#include "sound/ogg_file.h"

#include "platform/paths.h"

#include <cstring>

namespace {

// A run of failed decodes longer than this ends the read: the stream is
// damaged beyond what the decoder can skip.
constexpr int kMaxHolesInARow = 32;

std::size_t readStream(void* data, std::size_t size, std::size_t count, void* stream)
{
    return std::fread(data, size, count, static_cast<std::FILE*>(stream));
}

int seekStream(void* stream, ogg_int64_t offset, int whence)
{
    return std::fseek(static_cast<std::FILE*>(stream), static_cast<long>(offset), whence);
}

int closeStream(void* stream) { return std::fclose(static_cast<std::FILE*>(stream)); }

long tellStream(void* stream) { return std::ftell(static_cast<std::FILE*>(stream)); }

constexpr ov_callbacks kStdioCallbacks {readStream, seekStream, closeStream, tellStream};

}  // namespace

OggFile::~OggFile() { Close(0); }

int OggFile::Close(int code)
{
    if (fp) {
        if (streamOpen)
            ov_clear(&vf);  // closes fp through the close callback
        else
            std::fclose(fp);
    }
    fp = nullptr;
    streamOpen = false;
    return code;
}

int OggFile::Open(std::string_view path)
{
    Close(SOUNDFILE_CANNOT_OPEN);
    fp = platform::openForReading(path);
    if (!fp)
        return SOUNDFILE_CANNOT_OPEN;
    if (ov_open_callbacks(fp, &vf, nullptr, 0, kStdioCallbacks) < 0)
        return Close(SOUNDFILE_NOT_OGG);
    streamOpen = true;
    const vorbis_info* info = ov_info(&vf, 0);
    const ogg_int64_t samples = ov_pcm_total(&vf, 0);
    if (!info || info->channels < 1 || samples < 0)
        return Close(SOUNDFILE_NOT_OGG);
    const auto channels = static_cast<std::uint32_t>(info->channels);
    const auto rate = static_cast<std::uint32_t>(info->rate);
    format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<std::uint16_t>(channels);
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<std::uint16_t>(2 * channels);
    format.nAvgBytesPerSec = 2 * channels * rate;
    const std::uint64_t length = static_cast<std::uint64_t>(samples) * channels * 2;
    dwLength = length > UINT32_MAX ? UINT32_MAX - UINT32_MAX % (2 * channels) : static_cast<std::uint32_t>(length);
    Rewind();
    return SOUNDFILE_OK;
}

void OggFile::Rewind()
{
    dwPos = 0;
    if (streamOpen)
        ov_pcm_seek(&vf, 0);
}

std::uint32_t OggFile::decode(unsigned char* buffer, std::uint32_t bytes)
{
    std::uint32_t done = 0;
    int holes = 0;
    while (streamOpen && done < bytes && dwPos < dwLength) {
        int section = 0;
        const long got = ov_read(&vf, reinterpret_cast<char*>(buffer + done), static_cast<int>(bytes - done),
                                 0, 2, 1, &section);
        if (got == 0)
            break;
        if (got < 0) {
            // A hole or a damaged page: skip it, but never spin on it.
            if (++holes > kMaxHolesInARow)
                break;
            continue;
        }
        holes = 0;
        done += static_cast<std::uint32_t>(got);
        dwPos += static_cast<std::uint32_t>(got);
    }
    return done;
}

std::uint32_t OggFile::Read(void* buffer, std::uint32_t bytes, bool bLoop)
{
    auto* out = static_cast<unsigned char*>(buffer);
    std::uint32_t done = decode(out, bytes);
    // A looping read goes on from the first sample; a stream that yields
    // nothing after a rewind ends it.
    while (done < bytes && bLoop && dwPos > 0) {
        Rewind();
        done += decode(out + done, bytes - done);
    }
    if (done < bytes)
        std::memset(out + done, 0, bytes - done);
    return done;
}
