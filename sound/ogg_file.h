#pragma once
// The decoder of Ogg Vorbis files: 16-bit signed little-endian PCM of the
// first logical bitstream, read through a C file stream.

#include "sound/sound_file.h"

#include <cstdio>
#include <vorbis/vorbisfile.h>

class OggFile : public SoundFile {
public:
    OggFile() = default;
    ~OggFile() override;
    OggFile(const OggFile&) = delete;
    OggFile& operator=(const OggFile&) = delete;

    // Releases a stream opened before; 0, 1 (no file) or 2 (no Ogg Vorbis stream).
    int Open(std::string_view path) override;
    void Rewind() override;
    // With bLoop the read goes on from the first sample at the end of the
    // stream; otherwise the rest of the buffer is zeroed.
    std::uint32_t Read(void* buffer, std::uint32_t bytes, bool bLoop) override;
    int Close(int code) override;

private:
    std::uint32_t decode(unsigned char* buffer, std::uint32_t bytes);

    OggVorbis_File vf {};
    std::FILE* fp = nullptr;
    bool streamOpen = false;
};
