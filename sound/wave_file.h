#pragma once
// The decoder of RIFF WAVE files: the format from the "fmt " chunk, the
// bytes of the "data" chunk, wherever the two stand in the file.

#include "platform/wave_riff.h"
#include "sound/sound_file.h"

class WaveFile : public SoundFile {
public:
    int Open(std::string_view path) override;
    void Rewind() override;
    // Never more than the data chunk holds; bLoop has no effect.
    std::uint32_t Read(void* buffer, std::uint32_t bytes, bool bLoop) override;

private:
    platform::RiffReader riffIn;
    platform::RiffChunk ckIn;
    platform::RiffChunk ckInRIFF;
};
