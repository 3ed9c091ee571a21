#include "graphics/riff_reader.h"

#include <cstring>

std::uint32_t riffU32(std::span<const unsigned char> bytes, std::size_t at)
{
    if (at > bytes.size() || bytes.size() - at < 4)
        return 0;
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

std::uint16_t riffU16(std::span<const unsigned char> bytes, std::size_t at)
{
    if (at > bytes.size() || bytes.size() - at < 2)
        return 0;
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

bool RiffChunk::isList(std::string_view type) const
{
    return (is("RIFF") || is("LIST")) && body.size() >= 4 &&
           std::string_view(reinterpret_cast<const char*>(body.data()), 4) == type;
}

bool RiffReader::next(RiffChunk& chunk)
{
    if (pos_ > bytes_.size() || bytes_.size() - pos_ < 8)
        return false;
    std::memcpy(chunk.id, bytes_.data() + pos_, 4);
    const std::size_t size = riffU32(bytes_, pos_ + 4);
    const std::size_t start = pos_ + 8;
    if (size > bytes_.size() - start)
        return false;
    chunk.body = bytes_.subspan(start, size);
    pos_ = start + size + (size & 1);
    return true;
}
