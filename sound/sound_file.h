#pragma once
// The decoder interface every sound and music file passes through: it
// opens a file, tells the PCM format and the length of the data, copies
// PCM bytes on request and can go back to the start. The base itself is a
// null decoder.

#include <cstdint>
#include <memory>
#include <string_view>

// PCM format record in the layout of the wave format header.
struct WaveFormat {
    std::uint16_t wFormatTag = 0;
    std::uint16_t nChannels = 0;
    std::uint32_t nSamplesPerSec = 0;
    std::uint32_t nAvgBytesPerSec = 0;
    std::uint16_t nBlockAlign = 0;
    std::uint16_t wBitsPerSample = 0;
    std::uint16_t cbSize = 0;
};

constexpr std::uint16_t WAVE_FORMAT_PCM = 1;

// Results of Open.
constexpr int SOUNDFILE_OK = 0;
constexpr int SOUNDFILE_CANNOT_OPEN = 1;
constexpr int SOUNDFILE_NOT_OGG = 2;

class SoundFile {
public:
    virtual ~SoundFile() = default;
    virtual int Open(std::string_view path);
    virtual void Rewind() {}
    // Copies up to bytes PCM bytes into buffer; returns how many it wrote.
    virtual std::uint32_t Read(void* buffer, std::uint32_t bytes, bool bLoop);
    virtual int Close(int code) { return code; }

    WaveFormat format;
    std::uint32_t dwLength = 0;  // bytes of PCM data
    std::uint32_t dwPos = 0;     // bytes delivered since the last Rewind
};

// A new, unopened decoder chosen by the text after the path's last dot
// ("wav" or "ogg", any case); none for any other path.
std::unique_ptr<SoundFile> CreateSoundFile(std::string_view path);
