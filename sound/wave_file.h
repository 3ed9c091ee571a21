#pragma once
// The decoder of RIFF WAVE files: the format from the "fmt " chunk, the
// bytes of the "data" chunk, wherever the two stand in the file.

#include "platform/wave_riff.h"
#include "sound/sound_file.h"

class WaveFile : public SoundFile {
public:
    int Open(std::string_view path) override;
    void Rewind() override;
    // Never more than asked; with bLoop the read goes on from the start of
    // the data, without it ends with the data.
    std::uint32_t Read(void* buffer, std::uint32_t bytes, bool bLoop) override;

private:
    std::uint32_t readData(unsigned char* buffer, std::uint32_t bytes);

    platform::RiffReader riffIn;
    platform::RiffChunk ckIn;
    platform::RiffChunk ckInRIFF;
};
