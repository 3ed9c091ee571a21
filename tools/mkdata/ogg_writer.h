#pragma once
// Ogg Vorbis encoding of 16-bit interleaved PCM (libvorbisenc, VBR).

#include "tools/mkdata/file_writers.h"

#include <cstdint>
#include <vector>

namespace mkdata {

Bytes encodeOgg(const std::vector<std::int16_t>& interleaved, int channels, int rate, float quality);

}  // namespace mkdata
